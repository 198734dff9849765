// The window-modal progress dialog of an export, when there is a window to show it on.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QString>

/// Shows a progress dialog (range 0 to 10) over the active window; without a window (the
/// command-line tool, tests) it shows nothing.
class ExportProgress
{
public:
    explicit ExportProgress(const QString &label);
    ~ExportProgress();
    ExportProgress(const ExportProgress &) = delete;
    ExportProgress &operator=(const ExportProgress &) = delete;

    void setValue(int value);
    void setMaximum(int maximum);
    void setLabel(const QString &label);
    bool isShown() const { return !m_dialog.isNull(); }

private:
    QPointer<QProgressDialog> m_dialog;
};
