// A language chosen in the settings dialog reaching the window at the next start: the
// program's translation built from our sources and Qt's own for the standard buttons.
#include "BrowserTestSupport.h"
#include "app/StartUp.h"
#include "app/Translation.h"
#include "browser/MainWindow.h"
#include "browser/PreferencesController.h"
#include "preferences/SettingsDlg.h"
#include "settings/ApplSettings.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace TestSupport;

static void initResources()
{
    Q_INIT_RESOURCE(draftbay);
}

namespace {

class TranslatedWindowTest : public BrowserFixture
{
protected:
    void SetUp() override
    {
        BrowserFixture::SetUp();
        initResources();
        const QString factory = DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml";
        const QString user = path("user.xml");
        ASSERT_TRUE(QFile::copy(factory, user));
        QFile::setPermissions(user, QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(settings().load(user, factory));
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_qt);
        delete m_program;
    }

    /// Installs the translations the start-up would choose for the stored language.
    void startInStoredLanguage()
    {
        const LanguageSetting language = readLanguageSetting(settings());
        m_program = setupTranslation(nullptr, language.name, language.status,
                                     DRAFTBAY_TRANSLATIONS_DIR, QLocale(QLocale::English));
        installLibraryTranslation(
            m_qt, libraryTranslationName(language.name, language.status, QLocale::system()),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    static QStringList menuTitles(const QWidget &window)
    {
        QStringList titles;
        for (const QMenu *menu : window.findChildren<QMenu *>())
            titles << menu->title();
        return titles;
    }

    QTranslator *m_program = nullptr;
    QTranslator m_qt;
};

} // namespace

TEST_F(TranslatedWindowTest, GermanChosenInTheSettingsTranslatesTheWindowAndQtsButtons)
{
    {
        SettingsDlg dialog;
        dialog.show();
        dialog.findChild<QComboBox *>("m_lang_cbx")->setCurrentText("German");
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    startInStoredLanguage();
    ASSERT_FALSE(m_program->isEmpty()) << "no German translation in " DRAFTBAY_TRANSLATIONS_DIR;

    MainWindow window;
    window.init(path("start"), "user.xml");
    const QStringList titles = menuTitles(window);
    for (const char *title : {"Datei", "Bearbeiten", "Ansicht", "Extras", "Hilfe"})
        EXPECT_TRUE(titles.contains(title))
            << title << " not in " << titles.join(", ").toStdString();
    EXPECT_FALSE(titles.contains("File"));
    auto *controller = window.findChild<PreferencesController *>();
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller->actionPreferences()->text(), "Einstellungen");

    SettingsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
    // Qt's own button texts come from the second translator.
    EXPECT_EQ(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(),
              "Abbrechen");
}
