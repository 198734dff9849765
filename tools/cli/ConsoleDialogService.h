// The dialog seam of the command-line tool: messages go to standard error, questions are
// answered with their default, nothing ever waits for a user.
#pragma once

#include "settings/DialogService.h"

namespace Cli {

class ConsoleDialogService : public DialogService
{
public:
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
};

} // namespace Cli
