// The start-up steps that need no window: the user's data folder, settings and look.
#pragma once

#include <QString>

class ApplSettings;

/// Finds or makes the user settings file from the factory copy and loads the settings
/// store. Failures are shown as critical messages through the dialog seam.
class StartUp
{
public:
    /// executableFolder holds (or, installed, sits beside ../share/draftbay/ holding) the
    /// support files; dataFolder is the user's data folder, ending in a separator.
    StartUp(const QString &executableFolder, const QString &dataFolder);

    /// The platform's per-user data location + "/Quillo/", native separators.
    static QString defaultDataFolder();
    /// executableFolder + "/support/" + name when that exists, else the installed copy in
    /// executableFolder + "/../share/draftbay/support/"; the first when neither exists.
    static QString supportFilePath(const QString &executableFolder, const QString &name);

    QString dataFolder() const { return m_dataFolder; }
    QString userSettingsPath() const;
    QString factorySettingsPath() const;
    QString brushSourcePath() const;
    QString brushCopyPath() const;

    /// On a first start copies the factory settings to the user settings file, and the
    /// pressure brush file when the data folder had to be made. An existing user file is
    /// left alone. False after a critical message when the program cannot go on.
    bool prepareUserSettings();
    /// prepareUserSettings() and then settings.load(); false when the program cannot go
    /// on (the message has been shown).
    bool setUpSettings(ApplSettings &settings);

private:
    QString m_executableFolder;
    QString m_dataFolder;
};

/// The whole content of a style sheet resource, read as Latin-1; empty when unreadable.
QString readStyleSheet(const QString &path = QStringLiteral(":/stylesheet/qss/draftbay.qss"));

struct LanguageSetting
{
    QString name;
    /// 1 when the user chose the language; 0 when the setting is not a number.
    int status = 0;
};

/// The "name" and "status" of "translator/language".
LanguageSetting readLanguageSetting(ApplSettings &settings);
