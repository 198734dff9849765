// Progress dialogs parented to the active window.
#include "export/ExportProgress.h"

#include <QApplication>

ExportProgress::ExportProgress(const QString &label)
{
    QWidget *window = QApplication::activeWindow();
    if (!window)
        return;
    m_dialog = new QProgressDialog(label, QString(), 0, 10, window);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
}

ExportProgress::~ExportProgress()
{
    if (m_dialog) {
        m_dialog->setValue(10);
        delete m_dialog;
    }
}

void ExportProgress::setValue(int value)
{
    if (m_dialog)
        m_dialog->setValue(value);
}

void ExportProgress::setMaximum(int maximum)
{
    if (m_dialog)
        m_dialog->setMaximum(maximum);
}

void ExportProgress::setLabel(const QString &label)
{
    if (m_dialog)
        m_dialog->setLabelText(label);
}
