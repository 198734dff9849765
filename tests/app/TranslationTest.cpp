// Which translation a start chooses, and what it installs.
#include "app/Translation.h"

#include "TempDirectory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <gtest/gtest.h>

#include <tuple>

TEST(Translation, SettingsDecideOnlyWithStatusOneElseTheSystemLocale)
{
    const std::tuple<const char *, int, const char *, const char *, const char *> cases[] = {
        // The user's choice, in any case; a name outside the table gives English.
        {"german", 1, "fr_FR", "draftbay_de", "qt_de"},
        {"Portuguese", 1, "pt_BR", "draftbay_en", ""},
        {"chinese traditional", 1, "zh_CN", "draftbay_1zh", "qt_zh_TW"},
        // Any other status: the system locale, whatever the name says; Chinese by territory.
        {"German", 0, "fr_FR", "draftbay_fr", "qt_fr"},
        {"German", 2, "ja_JP", "draftbay_ja", "qt_ja"},
        {"", 0, "pt_BR", "draftbay_pt", "qt_pt"},
        {"", 0, "zh_HK", "draftbay_1zh", "qt_zh_TW"},
        {"", 0, "zh_SG", "draftbay_zh", "qt_zh_CN"},
        {"", 0, "sv_SE", "draftbay_en", ""},
    };
    for (const auto &[name, status, locale, baseName, libraryName] : cases) {
        SCOPED_TRACE(std::string(name) + " status " + std::to_string(status) + " " + locale);
        EXPECT_EQ(translationBaseName(name, status, QLocale(locale)), baseName);
        EXPECT_EQ(libraryTranslationName(name, status, QLocale(locale)), libraryName);
    }
}

namespace {

const char *const kSource = "The factory settings file does not exists";
const QString kGerman = "Die Datei mit den Werkseinstellungen fehlt";

QString translated()
{
    return QCoreApplication::translate("StartUp", kSource);
}

} // namespace

TEST(TranslationInstall, FoundTranslationsAreInstalledAndMissingOnesAreNot)
{
    TestSupport::TempDirectory directory;
    const QString folder = QString::fromStdString(directory.path());
    const auto provide = [&](const QString &fileName) {
        ASSERT_TRUE(QFile::copy(DRAFTBAY_TEST_TRANSLATION, folder + '/' + fileName));
    };
    QObject parent;
    provide("draftbay_de.qm");
    QTranslator *byChoice = setupTranslation(&parent, "german", 1, folder, QLocale("fr_FR"));
    EXPECT_EQ(byChoice->parent(), &parent);
    EXPECT_EQ(translated(), kGerman);
    EXPECT_TRUE(QCoreApplication::removeTranslator(byChoice));

    QTranslator *byLocale = setupTranslation(&parent, "French", 0, folder, QLocale("de_CH"));
    EXPECT_EQ(translated(), kGerman);
    EXPECT_TRUE(QCoreApplication::removeTranslator(byLocale));

    // No file for the chosen language: a translator all the same, empty and not installed.
    QTranslator *missing = setupTranslation(&parent, "French", 1, folder, QLocale("de_CH"));
    EXPECT_EQ(missing->parent(), &parent);
    EXPECT_TRUE(missing->isEmpty());
    EXPECT_FALSE(QCoreApplication::removeTranslator(missing));
    EXPECT_EQ(translated(), kSource);

    // Qt's own texts likewise.
    provide("qt_de.qm");
    QTranslator library;
    EXPECT_FALSE(installLibraryTranslation(library, "qt_fr", folder));
    EXPECT_FALSE(installLibraryTranslation(library, QString(), folder));
    EXPECT_EQ(translated(), kSource);
    EXPECT_TRUE(installLibraryTranslation(library, "qt_de", folder));
    EXPECT_EQ(translated(), kGerman);
    EXPECT_TRUE(QCoreApplication::removeTranslator(&library));
}
