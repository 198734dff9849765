// Which translation a start chooses, and what it installs.
#include "app/Translation.h"

#include "TempDirectory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

struct Case
{
    const char *name;
    int status;
    const char *locale;
    const char *baseName;
    const char *libraryName;
};

std::ostream &operator<<(std::ostream &out, const Case &c)
{
    return out << '"' << c.name << "\" status " << c.status << " locale " << c.locale;
}

class TranslationChoice : public ::testing::TestWithParam<Case>
{ };

} // namespace

TEST_P(TranslationChoice, FollowsTheSettingsOnlyWithStatusOneElseTheSystemLocale)
{
    const Case &c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    EXPECT_EQ(translationBaseName(QString::fromUtf8(c.name), c.status, locale),
              QLatin1String(c.baseName));
    EXPECT_EQ(libraryTranslationName(QString::fromUtf8(c.name), c.status, locale),
              QLatin1String(c.libraryName));
}

INSTANTIATE_TEST_SUITE_P(Table, TranslationChoice,
                         ::testing::Values(
                             // The user's choice, in any case.
                             Case {"German", 1, "en_US", "draftbay_de", "qt_de"},
                             Case {"german", 1, "fr_FR", "draftbay_de", "qt_de"},
                             Case {"GERMAN", 1, "ja_JP", "draftbay_de", "qt_de"},
                             Case {"French", 1, "en_US", "draftbay_fr", "qt_fr"},
                             Case {"spanish", 1, "en_US", "draftbay_es", "qt_es"},
                             Case {"Portuguese(Brazil)", 1, "en_US", "draftbay_pt", "qt_pt"},
                             Case {"Portuguese", 1, "pt_BR", "draftbay_en", ""},
                             Case {"Dutch", 1, "en_US", "draftbay_nl", "qt_nl"},
                             Case {"Italian", 1, "en_US", "draftbay_it", "qt_it"},
                             Case {"Russian", 1, "en_US", "draftbay_ru", "qt_ru"},
                             Case {"chinese traditional", 1, "zh_CN", "draftbay_1zh", "qt_zh_TW"},
                             Case {"Chinese Simplified", 1, "zh_TW", "draftbay_zh", "qt_zh_CN"},
                             Case {"Japanese", 1, "en_US", "draftbay_ja", "qt_ja"},
                             Case {"Korean", 1, "en_US", "draftbay_ko", "qt_ko"},
                             Case {"Polish", 1, "en_US", "draftbay_pl", "qt_pl"},
                             Case {"English", 1, "de_DE", "draftbay_en", ""},
                             Case {"Klingon", 1, "de_DE", "draftbay_en", ""},
                             Case {"", 1, "de_DE", "draftbay_en", ""},
                             // Any other status: the system locale, whatever the name says.
                             Case {"German", 0, "fr_FR", "draftbay_fr", "qt_fr"},
                             Case {"German", 2, "ja_JP", "draftbay_ja", "qt_ja"},
                             Case {"Chinese Traditional", 0, "zh_CN", "draftbay_zh", "qt_zh_CN"},
                             Case {"", 0, "de_AT", "draftbay_de", "qt_de"},
                             Case {"", 0, "es_MX", "draftbay_es", "qt_es"},
                             Case {"", 0, "pt_PT", "draftbay_pt", "qt_pt"},
                             Case {"", 0, "pt_BR", "draftbay_pt", "qt_pt"},
                             Case {"", 0, "nl_BE", "draftbay_nl", "qt_nl"},
                             Case {"", 0, "it_IT", "draftbay_it", "qt_it"},
                             Case {"", 0, "ru_RU", "draftbay_ru", "qt_ru"},
                             Case {"", 0, "ko_KR", "draftbay_ko", "qt_ko"},
                             Case {"", 0, "pl_PL", "draftbay_pl", "qt_pl"},
                             Case {"", 0, "zh_TW", "draftbay_1zh", "qt_zh_TW"},
                             Case {"", 0, "zh_HK", "draftbay_1zh", "qt_zh_TW"},
                             Case {"", 0, "zh_MO", "draftbay_1zh", "qt_zh_TW"},
                             Case {"", 0, "zh_CN", "draftbay_zh", "qt_zh_CN"},
                             Case {"", 0, "zh_SG", "draftbay_zh", "qt_zh_CN"},
                             Case {"", 0, "en_GB", "draftbay_en", ""},
                             Case {"", 0, "sv_SE", "draftbay_en", ""}));

namespace {

constexpr const char kSource[] = "The factory settings file does not exists";
const QString kGerman = QStringLiteral("Die Datei mit den Werkseinstellungen fehlt");

QString translated()
{
    return QCoreApplication::translate("StartUp", kSource);
}

class TranslationInstall : public ::testing::Test
{
protected:
    void provide(const std::string &fileName)
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(DRAFTBAY_TEST_TRANSLATION),
                                QString::fromStdString(m_folder.file(fileName))));
    }
    QString folder() const { return QString::fromStdString(m_folder.path()); }

    TestSupport::TempDirectory m_folder;
    QObject m_parent;
};

} // namespace

TEST_F(TranslationInstall, FoundTranslationIsInstalledAndOwnedByTheParent)
{
    provide("draftbay_de.qm");
    ASSERT_EQ(translated(), QLatin1String(kSource));

    QTranslator *translator = setupTranslation(&m_parent, QStringLiteral("german"), 1, folder(),
                                               QLocale(QStringLiteral("fr_FR")));
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(translator->parent(), &m_parent);
    EXPECT_EQ(translated(), kGerman);
    EXPECT_TRUE(QCoreApplication::removeTranslator(translator));
    EXPECT_EQ(translated(), QLatin1String(kSource));
}

TEST_F(TranslationInstall, SystemLocaleChoosesTheFileUnlessTheUserChose)
{
    provide("draftbay_de.qm");
    QTranslator *byLocale = setupTranslation(&m_parent, QStringLiteral("French"), 0, folder(),
                                             QLocale(QStringLiteral("de_CH")));
    EXPECT_EQ(translated(), kGerman);
    QCoreApplication::removeTranslator(byLocale);

    QTranslator *byChoice = setupTranslation(&m_parent, QStringLiteral("French"), 1, folder(),
                                             QLocale(QStringLiteral("de_CH")));
    EXPECT_EQ(translated(), QLatin1String(kSource));
    EXPECT_TRUE(byChoice->isEmpty());
    EXPECT_FALSE(QCoreApplication::removeTranslator(byChoice)) << "nothing to install";
}

TEST_F(TranslationInstall, MissingFileLeavesTheTextsUntranslatedButGivesTheTranslator)
{
    QTranslator *translator = setupTranslation(&m_parent, QStringLiteral("German"), 1, folder(),
                                               QLocale(QStringLiteral("de_DE")));
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(translator->parent(), &m_parent);
    EXPECT_TRUE(translator->isEmpty());
    EXPECT_EQ(translated(), QLatin1String(kSource));
    EXPECT_FALSE(QCoreApplication::removeTranslator(translator));
}

TEST_F(TranslationInstall, LibraryTranslationIsInstalledOnlyWhenItsFileExists)
{
    provide("qt_de.qm");
    QTranslator library;
    EXPECT_FALSE(installLibraryTranslation(library, QStringLiteral("qt_fr"), folder()));
    EXPECT_FALSE(installLibraryTranslation(library, QString(), folder()));
    EXPECT_EQ(translated(), QLatin1String(kSource));

    EXPECT_TRUE(installLibraryTranslation(library, QStringLiteral("qt_de"), folder()));
    EXPECT_EQ(translated(), kGerman);
    EXPECT_TRUE(QCoreApplication::removeTranslator(&library));
}
