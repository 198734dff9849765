// Choosing and installing the user-interface translation.
#pragma once

#include <QLocale>
#include <QString>

class QObject;
class QTranslator;

/// Base name of the program's translation ("draftbay_de"): with status 1 the language
/// named in the settings (compared without regard to case) decides, otherwise the system
/// locale; anything unknown gives "draftbay_en".
QString translationBaseName(const QString &languageName, int status, const QLocale &systemLocale);
/// Base name of the matching translation of Qt's own texts ("qt_de"); empty for English.
QString libraryTranslationName(const QString &languageName, int status,
                               const QLocale &systemLocale);

/// Creates the application translator as a child of parent and loads it from folder + "/"
/// + the chosen base name (the translator adds ".qm"). It is installed in the application
/// only when it loaded; it is returned either way. folder defaults to the executable's.
QTranslator *setupTranslation(QObject *parent, const QString &languageName, int status,
                              const QString &folder = QString(),
                              const QLocale &systemLocale = QLocale::system());

/// Loads Qt's own translation named baseName from folder into translator and installs it;
/// false, and nothing installed, when there is no such file.
bool installLibraryTranslation(QTranslator &translator, const QString &baseName,
                               const QString &folder);
