// The dialog seam of programs without a window (the command-line tool, benchmarks):
// messages go to standard error, questions get their default answer, nothing waits.
#pragma once

#include "settings/DialogService.h"

class ConsoleDialogService : public DialogService
{
public:
    /// Lines start with the program's name, as in "draftbay-cli: error: ...".
    explicit ConsoleDialogService(const QString &program)
        : m_program(program)
    { }

    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> text(QWidget *, const QString &, const QString &,
                                const QString &) override
    {
        return std::nullopt;
    }
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QColor color(QWidget *, const QString &, const QColor &) override { return {}; }

private:
    QString m_program;
};
