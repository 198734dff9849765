// First and later starts: the user's data folder, the settings copies, loading, the look.
#include "app/StartUp.h"

#include "RecordingDialogService.h"
#include "TempDirectory.h"
#include "settings/ApplSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

const std::string kSupport = DRAFTBAY_SOURCE_DIR "/resources/support/";
const std::string kFactoryText = readFile(kSupport + "draftbayfactory.xml");
const std::string kBrushBytes = readFile(kSupport + "brush_pressure.ai");

QString q(const std::string &path)
{
    return QString::fromStdString(path);
}

class StartUpTest : public ::testing::Test
{
protected:
    StartUpTest()
    {
        // The log of a replaced settings file goes to the current folder.
        m_root.enter();
        QDir().mkpath(q(file("bin/support")));
        writeFile(factoryFile(), kFactoryText);
        writeFile(file("bin/support/brush_pressure.ai"), kBrushBytes);
    }
    std::string file(const std::string &name) const { return m_root.file(name); }
    std::string factoryFile() const { return file("bin/support/draftbayfactory.xml"); }
    std::string userFile() const { return file("data/Quillo/draftbayuser.xml"); }
    std::string brushCopy() const { return file("data/Quillo/brush_pressure.ai"); }
    StartUp startUp() const { return StartUp(q(file("bin")), q(file("data/Quillo/"))); }

    TestSupport::TempDirectory m_root;
    TestSupport::ScopedDialogs m_dialogs;
};

} // namespace

TEST_F(StartUpTest, FirstStartMakesTheDataFolderWithBothCopiesAndLaterStartsLeaveThemAlone)
{
    ApplSettings first;
    ASSERT_TRUE(startUp().setUpSettings(first));
    EXPECT_EQ(readFile(brushCopy()), kBrushBytes);
    std::string userText = readFile(userFile());
    EXPECT_EQ(userText, kFactoryText);
    const std::string english = "name=\"English\" status=\"0\"";
    ASSERT_NE(userText.find(english), std::string::npos);
    userText.replace(userText.find(english), english.size(), "name=\"german\" status=\"1\"");
    writeFile(userFile(), userText);
    writeFile(brushCopy(), "the user's own brush");
    QFile::remove(q(factoryFile()));

    // A later start needs no factory file and reads the user's own settings.
    ApplSettings settings;
    ASSERT_TRUE(startUp().setUpSettings(settings));
    EXPECT_EQ(readFile(userFile()), userText);
    EXPECT_EQ(readFile(brushCopy()), "the user's own brush");
    const LanguageSetting language = readLanguageSetting(settings);
    EXPECT_EQ(language.name, "german");
    EXPECT_EQ(language.status, 1);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(StartUpTest, FirstStartThatCannotCopyTheFactoryFileIsReportedAndStops)
{
    // A file where the data folder's parent should be: no folder can be made there.
    writeFile(file("blocked"), "not a folder");
    ApplSettings settings;
    EXPECT_FALSE(StartUp(q(file("bin")), q(file("blocked/Quillo/"))).setUpSettings(settings));
    QFile::remove(q(factoryFile()));
    EXPECT_FALSE(startUp().setUpSettings(settings));
    EXPECT_FALSE(QFileInfo::exists(q(file("data/Quillo"))));

    ASSERT_EQ(m_dialogs->messages.size(), 2);
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Critical);
    EXPECT_EQ(m_dialogs->messages[1].title, "Quillo Draftbay");
    EXPECT_EQ(m_dialogs->messages[0].text,
              "Problem to copy the factory settings " + q(factoryFile()) + " to  "
                  + q(file("blocked/Quillo/draftbayuser.xml")));
    EXPECT_EQ(m_dialogs->messages[1].text,
              "The factory settings file does not exists " + q(factoryFile()));
}

TEST_F(StartUpTest, UnparsableUserFileIsKeptAsideAndReplacedByTheFactoryCopy)
{
    QDir().mkpath(q(file("data/Quillo")));
    const std::string damaged = "<draftbay_settings><visuality_properties>";
    writeFile(userFile(), damaged);
    ApplSettings settings;
    ASSERT_TRUE(startUp().setUpSettings(settings));
    EXPECT_EQ(readFile(userFile()), kFactoryText);
    EXPECT_EQ(readLanguageSetting(settings).name, "English");
    const QStringList kept
        = QDir(q(file("data/Quillo"))).entryList({"draftbayuser.xml.broken-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readFile(file("data/Quillo/" + kept[0].toStdString())), damaged);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(m_dialogs->messages[0].text.contains(kept[0]));
    EXPECT_FALSE(QFileInfo::exists(q(brushCopy()))) << "the brush comes only with a new folder";
}

TEST_F(StartUpTest, CopyOfAReadOnlyFactoryFileIsTheUsersToChange)
{
    for (const std::string &source : {factoryFile(), file("bin/support/brush_pressure.ai")})
        QFile::setPermissions(q(source), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    ASSERT_TRUE(startUp().prepareUserSettings());
    EXPECT_TRUE(QFile::permissions(q(userFile())) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(q(brushCopy())) & QFileDevice::WriteOwner);
}

TEST_F(StartUpTest, SupportFilesBesideTheProgramWinOverTheInstalledOnesInShare)
{
    const QString bin = q(file("prefix/bin"));
    QDir().mkpath(q(file("prefix/share/draftbay/support")));
    writeFile(file("prefix/share/draftbay/support/draftbayfactory.xml"), kFactoryText);
    EXPECT_EQ(StartUp(bin, q(file("data/"))).factorySettingsPath(),
              q(file("prefix/share/draftbay/support/draftbayfactory.xml")));
    QDir().mkpath(bin + "/support");
    writeFile(file("prefix/bin/support/draftbayfactory.xml"), kFactoryText);
    EXPECT_EQ(StartUp::supportFilePath(bin, "draftbayfactory.xml"),
              bin + "/support/draftbayfactory.xml");
    // With neither, the message names the place beside the program.
    EXPECT_EQ(StartUp::supportFilePath(q(file("nowhere")), "draftbayfactory.xml"),
              q(file("nowhere/support/draftbayfactory.xml")));
}

TEST(StyleSheet, CompiledInSheetIsReadWhole)
{
    Q_INIT_RESOURCE(draftbay);
    EXPECT_TRUE(readStyleSheet(":/stylesheet/qss/none.qss").isEmpty());
    const QString sheet = readStyleSheet();
    EXPECT_TRUE(sheet.contains("PreviewThumbnailList"));
    EXPECT_EQ(sheet.size(), QFile(":/stylesheet/qss/draftbay.qss").size());
}
