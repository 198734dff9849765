// First-start copies, settings loading, style sheet and language setting.
#include "app/StartUp.h"

#include "settings/ApplSettings.h"
#include "settings/DataFiles.h"
#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kUserSettingsName = QStringLiteral("draftbayuser.xml");
const QString kFactorySettingsName = QStringLiteral("draftbayfactory.xml");
const QString kBrushName = QStringLiteral("brush_pressure.ai");

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

// A copy of an installed, read-only file must still be the user's to change.
void makeWritableByOwner(const QString &path)
{
    QFile::setPermissions(
        path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

StartUp::StartUp(const QString &executableFolder, const QString &dataFolder)
    : m_executableFolder(executableFolder)
    , m_dataFolder(dataFolder)
{ }

QString StartUp::defaultDataFolder()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Quillo/"));
}

QString StartUp::supportFilePath(const QString &executableFolder, const QString &name)
{
    return findDataFile(QStringLiteral("support/") + name, executableFolder);
}

QString StartUp::userSettingsPath() const
{
    return QDir::toNativeSeparators(m_dataFolder + kUserSettingsName);
}

QString StartUp::factorySettingsPath() const
{
    return supportFilePath(m_executableFolder, kFactorySettingsName);
}

QString StartUp::brushSourcePath() const
{
    return supportFilePath(m_executableFolder, kBrushName);
}

QString StartUp::brushCopyPath() const
{
    return QDir::toNativeSeparators(m_dataFolder + kBrushName);
}

bool StartUp::prepareUserSettings()
{
    const QString userPath = userSettingsPath();
    if (QFileInfo::exists(userPath))
        return true;
    const QString factoryPath = factorySettingsPath();
    if (!QFileInfo::exists(factoryPath)) {
        dialogs().critical(nullptr, applicationTitle(),
                           Texts::tr("The factory settings file does not exists") + QLatin1Char(' ')
                               + factoryPath);
        return false;
    }
    if (!QDir(m_dataFolder).exists() && QDir().mkpath(m_dataFolder)) {
        // The brush serves only the export to the illustrator; the program runs without it.
        if (QFile::copy(brushSourcePath(), brushCopyPath()))
            makeWritableByOwner(brushCopyPath());
    }
    if (!QFile::copy(factoryPath, userPath)) {
        dialogs().critical(nullptr, applicationTitle(),
                           Texts::tr("Problem to copy the factory settings") + QLatin1Char(' ')
                               + factoryPath + QStringLiteral(" to ") + QLatin1Char(' ')
                               + userPath);
        return false;
    }
    makeWritableByOwner(userPath);
    return true;
}

bool StartUp::setUpSettings(ApplSettings &settings)
{
    return prepareUserSettings() && settings.load(userSettingsPath(), factorySettingsPath());
}

QString readStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

LanguageSetting readLanguageSetting(ApplSettings &settings)
{
    LanguageSetting setting;
    settings.getAttribute(QStringLiteral("translator/language"), QStringLiteral("name"),
                          setting.name);
    QString status;
    settings.getAttribute(QStringLiteral("translator/language"), QStringLiteral("status"), status);
    bool ok = false;
    const int value = status.toInt(&ok);
    setting.status = ok ? value : 0;
    return setting;
}
