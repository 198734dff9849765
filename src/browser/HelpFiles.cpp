// Language table of the help files and their look-up.
#include "browser/HelpFiles.h"

#include "settings/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

HelpFileNames helpFilesFor(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::French:
        return {QStringLiteral("lic_french.htm"), QStringLiteral("Quillo_Manual_FR.pdf")};
    case QLocale::Spanish:
        return {QStringLiteral("lic_spanish.htm"), QStringLiteral("Quillo_Manual_ES.pdf")};
    case QLocale::Portuguese:
        return {QStringLiteral("lic_portuguese.htm"), QStringLiteral("Quillo_Manual_PT.pdf")};
    case QLocale::German:
        return {QStringLiteral("lic_german.htm"), QStringLiteral("Quillo_Manual_DE.pdf")};
    case QLocale::Dutch:
        return {QStringLiteral("lic_dutch.htm"), QStringLiteral("Quillo_Manual_NL.pdf")};
    case QLocale::Italian:
        return {QStringLiteral("lic_italian.htm"), QStringLiteral("Quillo_Manual_IT.pdf")};
    case QLocale::Russian:
        return {QStringLiteral("lic_russian.htm"), QStringLiteral("Quillo_Manual_RU.pdf")};
    case QLocale::Chinese: {
        const QLocale::Territory territory = locale.territory();
        if (territory == QLocale::HongKong || territory == QLocale::Macau
            || territory == QLocale::Taiwan)
            return {QStringLiteral("lic_chinese_trad.htm"), QStringLiteral("Quillo_Manual_TC.pdf")};
        return {QStringLiteral("lic_chinese_simpli.htm"), QStringLiteral("Quillo_Manual_SC.pdf")};
    }
    case QLocale::Japanese:
        return {QStringLiteral("lic_japanese.htm"), QStringLiteral("Quillo_Manual_JP.pdf")};
    case QLocale::Korean:
        return {QStringLiteral("lic_korean.htm"), QStringLiteral("Quillo_Manual_KR.pdf")};
    case QLocale::Polish:
        return {QStringLiteral("lic_polish.htm"), QStringLiteral("Quillo_Manual_PL.pdf")};
    default:
        return {QStringLiteral("lic_english.htm"), QStringLiteral("Quillo_Manual_EN.pdf")};
    }
}

namespace {

QStringList &searchFolderOverride()
{
    static QStringList folders;
    return folders;
}

} // namespace

QStringList helpSearchFolders()
{
    if (!searchFolderOverride().isEmpty())
        return searchFolderOverride();
    return dataFolders();
}

void setHelpSearchFolders(const QStringList &folders)
{
    searchFolderOverride() = folders;
}

QString findHelpPath(const QString &relativePath)
{
    for (const QString &folder : helpSearchFolders()) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QString();
}
