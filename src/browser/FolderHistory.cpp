// Back and forward lists of folders.
#include "browser/FolderHistory.h"

#include <QAction>

FolderHistory::FolderHistory(QAction *back, QAction *forward)
    : m_backAction(back)
    , m_forwardAction(forward)
{
    updateActions();
}

void FolderHistory::visited(const QString &from)
{
    if (!from.isEmpty())
        m_back.append(from);
    m_forward.clear();
    updateActions();
}

QString FolderHistory::goBack(const QString &current)
{
    if (m_back.isEmpty())
        return QString();
    m_forward.append(current);
    const QString folder = m_back.takeLast();
    updateActions();
    return folder;
}

QString FolderHistory::goForward(const QString &current)
{
    if (m_forward.isEmpty())
        return QString();
    m_back.append(current);
    const QString folder = m_forward.takeLast();
    updateActions();
    return folder;
}

void FolderHistory::updateActions()
{
    m_backAction->setEnabled(!m_back.isEmpty());
    m_forwardAction->setEnabled(!m_forward.isEmpty());
}
