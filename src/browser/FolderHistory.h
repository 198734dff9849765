// The folders visited before and after the shown one, for Back and Forward.
#pragma once

#include <QString>
#include <QStringList>

class QAction;

/// Back and Forward as in a file browser: visiting a new folder clears what lay ahead. Keeps
/// the two actions enabled exactly while there is somewhere to go.
class FolderHistory
{
public:
    FolderHistory(QAction *back, QAction *forward);

    /// The user went from `from` to another folder (not by Back or Forward).
    void visited(const QString &from);
    /// Leaves `current` for the folder before it; empty when there is none.
    QString goBack(const QString &current);
    /// Leaves `current` for the folder after it; empty when there is none.
    QString goForward(const QString &current);

    const QStringList &back() const { return m_back; }
    const QStringList &forward() const { return m_forward; }

private:
    void updateActions();

    QAction *m_backAction;
    QAction *m_forwardAction;
    QStringList m_back;
    QStringList m_forward;
};
