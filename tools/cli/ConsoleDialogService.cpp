// Printing message boxes as lines on standard error.
#include "ConsoleDialogService.h"

#include <cstdio>

namespace Cli {

QMessageBox::StandardButton ConsoleDialogService::message(QWidget *, Icon icon,
                                                          const QString &title, const QString &text,
                                                          QMessageBox::StandardButtons,
                                                          QMessageBox::StandardButton defaultButton)
{
    const char *kind = icon == Icon::Critical ? "error"
        : icon == Icon::Warning               ? "warning"
                                              : "note";
    QString oneLine = text;
    oneLine.replace(QLatin1String(" \n"), QLatin1String(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "draftbay-cli: %s: %s: %s\n", kind, qUtf8Printable(title),
                 qUtf8Printable(oneLine));
    return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
}

} // namespace Cli
