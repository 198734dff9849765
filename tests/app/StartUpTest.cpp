// First and later starts: the user's data folder, the settings copies, loading, the look.
#include "app/StartUp.h"

#include "RecordingDialogService.h"
#include "TempDirectory.h"
#include "settings/ApplSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const std::string kSourceDir = DRAFTBAY_SOURCE_DIR;
const std::string kFactoryText
    = TestSupport::readFile(kSourceDir + "/resources/support/draftbayfactory.xml");
const std::string kBrushBytes
    = TestSupport::readFile(kSourceDir + "/resources/support/brush_pressure.ai");

class StartUpTest : public ::testing::Test
{
protected:
    StartUpTest()
    {
        QDir().mkpath(q(m_root.file("bin/support")));
        TestSupport::writeFile(m_root.file("bin/support/draftbayfactory.xml"), kFactoryText);
        TestSupport::writeFile(m_root.file("bin/support/brush_pressure.ai"), kBrushBytes);
    }

    static QString q(const std::string &path) { return QString::fromStdString(path); }
    QString executableFolder() const { return q(m_root.file("bin")); }
    QString dataFolder() const { return QDir::toNativeSeparators(q(m_root.file("data/Quillo/"))); }
    StartUp startUp() const { return StartUp(executableFolder(), dataFolder()); }
    std::string userFile() const { return m_root.file("data/Quillo/draftbayuser.xml"); }
    std::string brushCopy() const { return m_root.file("data/Quillo/brush_pressure.ai"); }
    std::string factoryFile() const { return m_root.file("bin/support/draftbayfactory.xml"); }

    TestSupport::TempDirectory m_root;
    TestSupport::ScopedDialogs m_dialogs;
};

} // namespace

TEST_F(StartUpTest, FirstStartMakesTheDataFolderWithBothCopiesAndLoadsThem)
{
    StartUp first = startUp();
    EXPECT_EQ(first.userSettingsPath(), q(userFile()));
    EXPECT_EQ(first.factorySettingsPath(), q(factoryFile()));

    ApplSettings settings;
    ASSERT_TRUE(first.setUpSettings(settings));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(TestSupport::readFile(userFile()), kFactoryText);
    EXPECT_EQ(TestSupport::readFile(brushCopy()), kBrushBytes);
    EXPECT_EQ(settings.settingsPath(), q(userFile()));
    EXPECT_TRUE(QFile::permissions(q(userFile())) & QFileDevice::WriteOwner);
}

TEST_F(StartUpTest, LaterStartLeavesBothCopiesAloneEvenWhenTheFactoryFileChanged)
{
    {
        ApplSettings settings;
        StartUp first = startUp();
        ASSERT_TRUE(first.setUpSettings(settings));
    }
    std::string userText = TestSupport::readFile(userFile());
    const auto at = userText.find("name=\"English\"");
    ASSERT_NE(at, std::string::npos);
    userText.replace(at, 14, "name=\"German\"");
    TestSupport::writeFile(userFile(), userText);
    TestSupport::writeFile(brushCopy(), "the user's own brush");
    TestSupport::writeFile(
        factoryFile(),
        "<changed><translator><language name=\"Polish\" status=\"1\"/></translator></changed>");
    TestSupport::writeFile(m_root.file("bin/support/brush_pressure.ai"), "new brush");

    ApplSettings settings;
    StartUp second = startUp();
    ASSERT_TRUE(second.setUpSettings(settings));
    EXPECT_EQ(TestSupport::readFile(userFile()), userText);
    EXPECT_EQ(TestSupport::readFile(brushCopy()), "the user's own brush");
    const LanguageSetting language = readLanguageSetting(settings);
    EXPECT_EQ(language.name, QStringLiteral("German"));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(StartUpTest, MissingFactoryFileOnFirstStartIsReportedAndStopsTheStart)
{
    QFile::remove(q(factoryFile()));
    ApplSettings settings;
    StartUp first = startUp();
    EXPECT_FALSE(first.setUpSettings(settings));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    const auto &message = m_dialogs->messages.first();
    EXPECT_EQ(message.icon, DialogService::Icon::Critical);
    EXPECT_EQ(message.title, QStringLiteral("Quillo Draftbay"));
    EXPECT_EQ(message.text,
              QStringLiteral("The factory settings file does not exists ") + q(factoryFile()));
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
}

TEST_F(StartUpTest, CopyThatCannotBeMadeIsReportedAndStopsTheStart)
{
    // A file where the data folder's parent should be: no folder can be made there.
    TestSupport::writeFile(m_root.file("blocked"), "not a folder");
    const QString blockedFolder = q(m_root.file("blocked/Quillo/"));
    StartUp start(executableFolder(), blockedFolder);
    ApplSettings settings;
    EXPECT_FALSE(start.setUpSettings(settings));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages.first().icon, DialogService::Icon::Critical);
    EXPECT_EQ(m_dialogs->messages.first().title, QStringLiteral("Quillo Draftbay"));
    EXPECT_EQ(m_dialogs->messages.first().text,
              QStringLiteral("Problem to copy the factory settings ") + q(factoryFile())
                  + QStringLiteral(" to  ") + blockedFolder + QStringLiteral("draftbayuser.xml"));
}

TEST_F(StartUpTest, UnparsableUserFileIsReplacedByTheFactoryCopy)
{
    QDir().mkpath(dataFolder());
    TestSupport::writeFile(userFile(), "<draftbay_settings><visuality_properties>");
    ApplSettings settings;
    StartUp start = startUp();
    ASSERT_TRUE(start.setUpSettings(settings));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(TestSupport::readFile(userFile()), kFactoryText);
    EXPECT_EQ(readLanguageSetting(settings).name, QStringLiteral("English"));
    EXPECT_FALSE(QFileInfo::exists(q(brushCopy()))) << "the brush comes only with a new folder";
}

TEST_F(StartUpTest, ExistingUserFileNeedsNoFactoryFile)
{
    QDir().mkpath(dataFolder());
    TestSupport::writeFile(userFile(), kFactoryText);
    QFile::remove(q(factoryFile()));
    ApplSettings settings;
    StartUp start = startUp();
    EXPECT_TRUE(start.setUpSettings(settings));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(StartUpTest, CopyOfAReadOnlyFactoryFileIsTheUsersToChange)
{
    QFile::setPermissions(q(factoryFile()),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    StartUp start = startUp();
    ASSERT_TRUE(start.prepareUserSettings());
    EXPECT_TRUE(QFile::permissions(q(userFile())) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(q(brushCopy())) & QFileDevice::WriteOwner);
}

TEST_F(StartUpTest, InstalledProgramFindsItsSupportFilesInShare)
{
    QDir().mkpath(q(m_root.file("prefix/bin")));
    QDir().mkpath(q(m_root.file("prefix/share/draftbay/support")));
    TestSupport::writeFile(m_root.file("prefix/share/draftbay/support/draftbayfactory.xml"),
                           kFactoryText);
    TestSupport::writeFile(m_root.file("prefix/share/draftbay/support/brush_pressure.ai"),
                           kBrushBytes);
    StartUp installed(q(m_root.file("prefix/bin")), dataFolder());
    EXPECT_EQ(installed.factorySettingsPath(),
              q(m_root.file("prefix/share/draftbay/support/draftbayfactory.xml")));

    ApplSettings settings;
    ASSERT_TRUE(installed.setUpSettings(settings));
    EXPECT_EQ(TestSupport::readFile(userFile()), kFactoryText);
    EXPECT_EQ(TestSupport::readFile(brushCopy()), kBrushBytes);

    // Beside the program wins over the installed copy.
    EXPECT_EQ(StartUp::supportFilePath(executableFolder(), QStringLiteral("draftbayfactory.xml")),
              q(factoryFile()));
    // With neither, the message names the place beside the program.
    EXPECT_EQ(
        StartUp::supportFilePath(q(m_root.file("nowhere")), QStringLiteral("draftbayfactory.xml")),
        q(m_root.file("nowhere/support/draftbayfactory.xml")));
}

TEST_F(StartUpTest, DataFolderIsTheUsersDataLocationWhateverTheApplicationIsCalled)
{
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const bool hadPrevious = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QString previousName = QCoreApplication::applicationName();
    const QString previousOrganization = QCoreApplication::organizationName();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_root.file("xdg")));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillo"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillo Draftbay"));

    const QString folder = StartUp::defaultDataFolder();

    QCoreApplication::setApplicationName(previousName);
    QCoreApplication::setOrganizationName(previousOrganization);
    if (hadPrevious)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(folder, QDir::toNativeSeparators(q(m_root.file("xdg/Quillo/"))));
}

TEST_F(StartUpTest, LanguageStatusThatIsNoNumberCountsAsZero)
{
    QDir().mkpath(dataFolder());
    const auto withLanguage = [&](const std::string &attributes) {
        TestSupport::writeFile(userFile(),
                               "<s><translator><language " + attributes + "/></translator></s>");
        ApplSettings settings;
        EXPECT_TRUE(settings.load(q(userFile()), q(factoryFile())));
        return readLanguageSetting(settings);
    };
    const LanguageSetting chosen = withLanguage("name=\"german\" status=\"1\"");
    EXPECT_EQ(chosen.name, QStringLiteral("german"));
    EXPECT_EQ(chosen.status, 1);
    EXPECT_EQ(withLanguage("name=\"German\" status=\"yes\"").status, 0);
    EXPECT_EQ(withLanguage("name=\"German\"").status, 0);
    EXPECT_EQ(withLanguage("name=\"German\" status=\"2\"").status, 2);
}

TEST(StyleSheet, IsReadWholeAsLatin1AndEmptyWhenMissing)
{
    TestSupport::TempDirectory directory;
    TestSupport::writeFile(directory.file("look.qss"),
                           "QLabel { font-family: \"Caf\xe9\"; }\n/* end */");
    EXPECT_EQ(readStyleSheet(QString::fromStdString(directory.file("look.qss"))),
              QString::fromUtf8("QLabel { font-family: \"Café\"; }\n/* end */"));
    EXPECT_TRUE(readStyleSheet(QString::fromStdString(directory.file("none.qss"))).isEmpty());
}

TEST(StyleSheet, CompiledInSheetIsFound)
{
    Q_INIT_RESOURCE(draftbay);
    const QString sheet = readStyleSheet();
    EXPECT_TRUE(sheet.contains(QStringLiteral("PreviewThumbnailList")));
    EXPECT_EQ(sheet.size(), QFile(QStringLiteral(":/stylesheet/qss/draftbay.qss")).size());
}
