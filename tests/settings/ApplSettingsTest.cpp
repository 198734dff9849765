// The settings store: recovery of a damaged file, entry paths, changes, papers, colours.
#include "settings/ApplSettings.h"

#include "RecordingDialogService.h"
#include "TempDirectory.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const QString kFactory
    = QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");

class ApplSettingsTest : public ::testing::Test
{
protected:
    QString userPath() const
    {
        return QString::fromStdString(m_directory.file("draftbayuser.xml"));
    }
    void writeUser(const std::string &text)
    {
        TestSupport::writeFile(m_directory.file("draftbayuser.xml"), text);
    }
    bool loadUser(ApplSettings &settings) { return settings.load(userPath(), kFactory); }
    bool loadFactoryCopy(ApplSettings &settings)
    {
        QFile::copy(kFactory, userPath());
        return loadUser(settings);
    }
    QString lastMessage() const
    {
        return m_dialogs->messages.isEmpty() ? QString() : m_dialogs->messages.last().text;
    }

    TestSupport::TempDirectory m_directory;
    TestSupport::ScopedDialogs m_dialogs;
};

} // namespace

TEST_F(ApplSettingsTest, FactoryFileHoldsEveryEntryTheProgramReads)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    const char *entries[][2] = {
        {"visuality_properties/default_pen", "rgba_color"},
        {"visuality_properties/default_pen", "width"},
        {"visuality_properties/default_pen", "ball_point_size"},
        {"visuality_properties/highlight_pen", "rgba_color"},
        {"visuality_properties/scrubber_left_pen", "rgba_color"},
        {"visuality_properties/scrubber_middle_pen", "rgba_color"},
        {"visuality_properties/scrubber_right_pen", "rgba_color"},
        {"page_properties/page", "size"},
        {"page_properties/page", "orientation"},
        {"page_properties/page", "angle"},
        {"receiver_properties/receiver", "low_pressure"},
        {"receiver_properties/receiver", "high_pressure"},
        {"receiver_properties/receiver", "default_pressure"},
        {"fileformats/extensions", "list"},
        {"startup_directory/directory", "path"},
        {"translator/language", "name"},
        {"translator/language", "status"},
        {"hardware/device", "vid"},
        {"hardware/device", "pid"},
        {"hardware/device", "vendor_name"},
        {"hardware/device", "model_name"},
    };
    for (const auto &entry : entries) {
        QString value = QStringLiteral("unset");
        EXPECT_TRUE(settings.getAttribute(entry[0], entry[1], value))
            << entry[0] << " " << entry[1];
        EXPECT_NE(value, QStringLiteral("unset"));
    }
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    QString colour;
    settings.getAttribute("visuality_properties/default_pen", "rgba_color", colour);
    QColor pen;
    EXPECT_TRUE(ApplSettings::parseColor(colour, pen));
    EXPECT_EQ(pen, QColor(Qt::black));
    EXPECT_EQ(settings.pageSize(), QSizeF(2100, 2970));
}

TEST_F(ApplSettingsTest, DamagedUserFileIsReplacedByTheFactoryCopy)
{
    writeUser("<settings><unclosed>");
    ApplSettings settings;
    ASSERT_TRUE(loadUser(settings));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    QFile user(userPath());
    QFile factory(kFactory);
    ASSERT_TRUE(user.open(QIODevice::ReadOnly) && factory.open(QIODevice::ReadOnly));
    EXPECT_EQ(user.readAll(), factory.readAll());
    EXPECT_EQ(settings.settingsPath(), userPath());
}

TEST_F(ApplSettingsTest, UnusableFilesEndTheLoadWithAMessage)
{
    ApplSettings missing;
    EXPECT_FALSE(loadUser(missing));
    EXPECT_EQ(lastMessage(), "Cannot open settings file \n" + userPath());
    EXPECT_EQ(m_dialogs->messages.last().title, "Quillo Draftbay");
    EXPECT_EQ(m_dialogs->messages.last().icon, DialogService::Icon::Critical);

    writeUser("not xml");
    ApplSettings broken;
    EXPECT_FALSE(
        broken.load(userPath(), QString::fromStdString(m_directory.file("nofactory.xml"))));
    EXPECT_EQ(lastMessage(), "Parsing error for settings file \n" + userPath());
}

TEST_F(ApplSettingsTest, EntryPathsNeedExactlyTwoParts)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    QString value = QStringLiteral("kept");
    for (const char *path : {"page_properties", "page_properties/page/extra", ""}) {
        EXPECT_FALSE(settings.getAttribute(path, "size", value));
        EXPECT_EQ(
            lastMessage(),
            QStringLiteral("Entry string \"%1\" does not exist in the settings file.").arg(path));
        EXPECT_FALSE(settings.setAttribute(path, "size", "A5"));
        EXPECT_FALSE(settings.getAttributeNoCase(path, "size", value));
    }
    EXPECT_EQ(value, "kept");
}

TEST_F(ApplSettingsTest, GroupsMatchInAnyCaseItemsAndAttributesExactly)
{
    writeUser(
        R"(<s><Page_Properties><page size="A5" Orientation="Landscape" angle="0"/></Page_Properties>
        <translator><language name="German"/></translator>
        <other><item a="1"/></other><OTHER><item A="2"/></OTHER></s>)");
    ApplSettings settings;
    ASSERT_TRUE(loadUser(settings));
    m_dialogs->messages.clear();
    QString value = QStringLiteral("kept");
    EXPECT_TRUE(settings.getAttribute("page_properties/page", "size", value));
    EXPECT_EQ(value, "A5");
    // An item without the attribute reads as empty text, with success.
    EXPECT_TRUE(settings.getAttribute("page_properties/page", "orientation", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(settings.getAttribute("translator/language", "status", value));
    EXPECT_EQ(value, "");
    value = QStringLiteral("kept");
    EXPECT_FALSE(settings.getAttribute("page_properties/Page", "size", value));
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(lastMessage(),
              "Entry page_properties/Page does not have attribute name size in \n" + userPath()
                  + " settings file.");
    EXPECT_TRUE(settings.getAttributeNoCase("page_properties/page", "orientation", value));
    EXPECT_EQ(value, "Landscape");
    EXPECT_TRUE(settings.getAttributeNoCase("other/item", "a", value));
    EXPECT_EQ(value, "2");
}

TEST_F(ApplSettingsTest, SetAttributeChangesOnlyExistingAttributes)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    EXPECT_TRUE(settings.setAttribute("PAGE_PROPERTIES/page", "ORIENTATION", "Landscape"));
    QString value;
    EXPECT_TRUE(settings.getAttribute("page_properties/page", "orientation", value));
    EXPECT_EQ(value, "Landscape");
    EXPECT_FALSE(settings.setAttribute("page_properties/page", "colour", "red"));
    EXPECT_EQ(lastMessage(),
              "Entry page_properties/page does not have attribute name colour in \n" + userPath()
                  + " settings file.");
    m_dialogs->messages.clear();
    value = "kept";
    EXPECT_TRUE(settings.getAttribute("page_properties/page", "colour", value));
    EXPECT_EQ(value, "");
}

TEST_F(ApplSettingsTest, PaperAndOrientationGiveThePageSize)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    EXPECT_EQ(settings.paperId(), 0);
    settings.setPaperById(1);
    EXPECT_EQ(settings.paperId(), 1);
    EXPECT_EQ(settings.pageSize(), QSizeF(1480, 2100));
    settings.setLandscape(true);
    EXPECT_TRUE(settings.isLandscape());
    EXPECT_EQ(settings.pageSize(), QSizeF(2100, 1480));
    settings.setPaperById(6);
    EXPECT_EQ(settings.pageSize(), QSizeF(2790, 2160));
    settings.setPaperById(9);
    EXPECT_EQ(settings.paperId(), 6);
    settings.setLandscape(false);
    EXPECT_FALSE(settings.isLandscape());
    EXPECT_EQ(settings.pageSize(), QSizeF(2160, 2790));
    settings.setAttribute("page_properties/page", "size", "B5");
    settings.setLandscape(true);
    EXPECT_EQ(settings.paperId(), 0);
    EXPECT_EQ(settings.pageSize(), QSizeF(2100, 2970));
    EXPECT_EQ(settings.papers().size(), 7);
    EXPECT_EQ(settings.papers().value("Junior Legal").portrait, QSizeF(1270, 2030));
}

TEST_F(ApplSettingsTest, ColoursAreFourDecimalsSeparatedBySingleBlanks)
{
    QColor colour(Qt::green);
    EXPECT_TRUE(ApplSettings::parseColor("255 0 0 128", colour));
    EXPECT_EQ(colour, QColor(255, 0, 0, 128));
    for (const char *bad :
         {"255,0,0,128", "255 0 0", "255  0 0 128", "", "a b c d", "256 0 0 255", "-1 0 0 255"}) {
        colour = Qt::green;
        EXPECT_FALSE(ApplSettings::parseColor(bad, colour)) << bad;
        EXPECT_EQ(colour, QColor(Qt::green)) << bad;
    }
}

TEST_F(ApplSettingsTest, SavedChangesLoadAgainAndFailedSavesAreSilent)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    ASSERT_TRUE(settings.setAttribute("startup_directory/directory", "path",
                                      "/home/somebody/Sketches & more"));
    const QString saved = QString::fromStdString(m_directory.file("saved.xml"));
    ASSERT_TRUE(settings.save(saved));
    ApplSettings again;
    ASSERT_TRUE(again.load(saved, kFactory));
    QString value;
    EXPECT_TRUE(again.getAttribute("startup_directory/directory", "path", value));
    EXPECT_EQ(value, "/home/somebody/Sketches & more");
    const int messages = m_dialogs->messages.size();
    EXPECT_FALSE(settings.save(QString::fromStdString(m_directory.file("missing/folder.xml"))));
    EXPECT_EQ(m_dialogs->messages.size(), messages);
}

TEST_F(ApplSettingsTest, ReadsFromAnotherThreadWhileTheStoreChanges)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    std::atomic<bool> done {false};
    std::atomic<int> reads {0};
    std::thread reader([&] {
        QString value;
        while (!done.load()) {
            if (settings.getAttribute("fileformats/extensions", "list", value)
                && value.startsWith("*.qpe"))
                ++reads;
        }
    });
    // Keep changing the store until the reader has had its share of reads.
    for (int i = 0; reads.load() < 200 && i < 10000000; ++i)
        ASSERT_TRUE(
            settings.setAttribute("page_properties/page", "angle", QString::number(i % 360)));
    done = true;
    reader.join();
    EXPECT_GE(reads.load(), 200);
}
