// The manual, licence and product information shipped beside the program.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

struct HelpFileNames
{
    QString licence;
    QString manual;
};

/// The licence and manual of the locale's language (English for any other).
HelpFileNames helpFilesFor(const QLocale &locale);

/// A file or folder of the help set: beside the executable, else in ../share/draftbay/
/// (the installed layout). Empty when neither exists.
QString findHelpPath(const QString &relativePath);
/// Where the help set is looked for, in order; tests point it at the build's files.
QStringList helpSearchFolders();
void setHelpSearchFolders(const QStringList &folders);
