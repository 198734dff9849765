// Printing message boxes as lines on standard error.
#include "settings/ConsoleDialogService.h"

#include <cstdio>

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
    std::fprintf(stderr, "%s: %s: %s: %s\n", qUtf8Printable(m_program), kind, qUtf8Printable(title),
                 qUtf8Printable(oneLine));
    return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
}
