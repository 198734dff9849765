// The settings store: recovery of a damaged file, entry paths, changes, papers, colours.
#include "settings/ApplSettings.h"

#include "RecordingDialogService.h"
#include "TempDirectory.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <set>
#include <sys/fsuid.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kFactory
    = QStringLiteral(DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml");

class ApplSettingsTest : public ::testing::Test
{
protected:
    // The log of a replaced settings file goes to the current folder. The store finds no
    // applications, whatever this machine has installed.
    ApplSettingsTest()
    {
        m_directory.enter();
        setInstalledAppsProbeFactory([] { return std::make_unique<InstalledAppsProbe>(); });
    }
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
    // Runs work with the file permissions of an ordinary user, whom a read-only folder
    // stops. The superuser is not stopped, so for it the work runs on a thread of its own
    // as the user "nobody" (the file-system user and group are per-thread settings), who
    // must then be able to reach the test's folder.
    template<class Work> void asOrdinaryUser(Work work)
    {
        if (::geteuid() != 0) {
            work();
            return;
        }
        const QString folder = QString::fromStdString(m_directory.path());
        QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ExeOther);
        std::thread([&] {
            ::setfsgid(65534);
            ::setfsuid(65534);
            work();
        }).join();
    }

    TestSupport::TempDirectory m_directory;
    TestSupport::ScopedDialogs m_dialogs;
};

} // namespace

TEST_F(ApplSettingsTest, FactoryFileHoldsEveryEntryTheProgramReads)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    // Each item with the attributes of it that the program reads.
    const char *entries[][2] = {
        {"visuality_properties/default_pen", "rgba_color width ball_point_size"},
        {"visuality_properties/highlight_pen", "rgba_color"},
        {"visuality_properties/scrubber_left_pen", "rgba_color"},
        {"visuality_properties/scrubber_middle_pen", "rgba_color"},
        {"visuality_properties/scrubber_right_pen", "rgba_color"},
        {"page_properties/page", "size orientation angle"},
        {"receiver_properties/receiver", "low_pressure high_pressure default_pressure"},
        {"fileformats/extensions", "list"},
        {"startup_directory/directory", "path"},
        {"translator/language", "name status"},
        {"hardware/device", "vid pid vendor_name model_name"},
    };
    for (const auto &[item, attributes] : entries) {
        for (const QString &attribute : QString(attributes).split(' ')) {
            QString value = QStringLiteral("unset");
            EXPECT_TRUE(settings.getAttribute(item, attribute, value))
                << item << " " << attribute.toStdString();
            EXPECT_NE(value, QStringLiteral("unset"));
        }
    }
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    QString colour;
    settings.getAttribute("visuality_properties/default_pen", "rgba_color", colour);
    QColor pen;
    EXPECT_TRUE(ApplSettings::parseColor(colour, pen));
    EXPECT_EQ(pen, QColor(Qt::black));
    EXPECT_EQ(settings.pageSize(), QSizeF(2100, 2970));
}

TEST_F(ApplSettingsTest, HostileUserFilesAreKeptAsideAndReplacedWithOneWarning)
{
    const std::string factory = TestSupport::readFile(kFactory.toStdString());
    std::string garbage(64 * 1024, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
    const auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<a>";
        for (int i = 0; i < depth; ++i)
            text += "</a>";
        return text;
    };
    const struct
    {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"truncated", factory.substr(0, factory.size() / 2)},
        {"empty", ""},
        {"invalid XML", "<settings><page size=\"A4\"></settings>"},
        {"two roots", "<a x=\"1\"/><b y=\"2\"/>"},
        {"binary garbage", garbage},
        // Well-formed, but deeper than any settings file and deep enough to exhaust the stack
        // of a recursive tree.
        {"deep nesting", nested(200000)},
        {"huge and deep", nested(1200000)},
    };
    for (const auto &hostile : cases) {
        SCOPED_TRACE(hostile.name);
        const std::string folder = m_directory.file(hostile.name);
        QDir().mkdir(QString::fromStdString(folder));
        const QString user = QString::fromStdString(folder + "/draftbayuser.xml");
        TestSupport::writeFile(user.toStdString(), hostile.bytes);
        m_dialogs->messages.clear();

        ApplSettings readOnly;
        EXPECT_FALSE(readOnly.loadReadOnly(user));
        EXPECT_EQ(lastMessage(), "Parsing error for settings file \n" + user);
        EXPECT_EQ(TestSupport::readFile(user.toStdString()), hostile.bytes) << "read-only load";

        m_dialogs->messages.clear();
        ApplSettings settings;
        ASSERT_TRUE(settings.load(user, kFactory));
        EXPECT_EQ(settings.pageSize(), QSizeF(2100, 2970));
        EXPECT_EQ(TestSupport::readFile(user.toStdString()), factory);
        const QStringList kept = QDir(QString::fromStdString(folder))
                                     .entryList({"draftbayuser.xml.broken-*"}, QDir::Files);
        ASSERT_EQ(kept.size(), 1);
        EXPECT_TRUE(QRegularExpression("^draftbayuser\\.xml\\.broken-\\d{8}-\\d{6}$")
                        .match(kept[0])
                        .hasMatch())
            << kept[0].toStdString();
        EXPECT_TRUE(TestSupport::readFile(folder + "/" + kept[0].toStdString()) == hostile.bytes);
        ASSERT_EQ(m_dialogs->messages.size(), 1) << "told once";
        EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Warning);
        EXPECT_TRUE(m_dialogs->messages[0].text.contains(folder.c_str() + ("/" + kept[0])));
    }
    const std::string log = TestSupport::readFile("nivo.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), std::ssize(cases));
    EXPECT_NE(log.find("WARNING The settings file " + m_directory.file("empty/draftbayuser.xml")
                       + " cannot be read; it was kept as "),
              std::string::npos)
        << log;
}

TEST_F(ApplSettingsTest, EveryDamagedFileIsKeptUnderANameOfItsOwn)
{
    // Two damaged files within a second get one date and time: the second copy must not
    // replace the first.
    for (const char *damaged : {"<first", "<second"}) {
        writeUser(damaged);
        ApplSettings settings;
        ASSERT_TRUE(loadUser(settings));
    }
    QDir folder(QString::fromStdString(m_directory.path()));
    std::set<std::string> kept;
    for (const QString &name : folder.entryList({"draftbayuser.xml.broken-*"}, QDir::Files))
        kept.insert(TestSupport::readFile(m_directory.file(name.toStdString())));
    EXPECT_EQ(kept, (std::set<std::string> {"<first", "<second"}));
    EXPECT_EQ(m_dialogs->messages.size(), 2);
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

TEST_F(ApplSettingsTest, EntryPathsNeedTwoPartsAndOnlyExistingAttributesCanBeSet)
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

    // Only attributes that exist can be set, with group and attribute names in any case.
    EXPECT_TRUE(settings.setAttribute("PAGE_PROPERTIES/page", "ORIENTATION", "Landscape"));
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

TEST_F(ApplSettingsTest, SavedChangesLoadAgainEvenWithTextsXmlCannotCarry)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    const QString path = QStringLiteral("/home/somebody/Sketches & more <\"2\">");
    ASSERT_TRUE(settings.setAttribute("startup_directory/directory", "path", path));
    // Control characters, the two non-characters and surrogates without their partner go;
    // tab, line breaks and a character outside the basic plane stay.
    QString hostile = QStringLiteral("a\tb\nc\rd") + QChar(0x0) + QChar(0x1) + QChar(0x1f)
        + QChar(0xfffe) + QChar(0xffff) + QChar(0xd800) + "e" + QChar(0xdc00)
        + QString::fromUcs4(U"\U0001F58A");
    ASSERT_TRUE(settings.setAttribute("hardware/device", "model_name", hostile));
    const QString saved = QString::fromStdString(m_directory.file("saved.xml"));
    ASSERT_TRUE(settings.save(saved));

    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument strict;
    QString error;
    EXPECT_TRUE(strict.setContent(file.readAll(), &error)) << error.toStdString();
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    if (!xmllint.isEmpty()) {
        QProcess lint;
        lint.setProcessChannelMode(QProcess::MergedChannels);
        lint.start(xmllint, {"--noout", saved});
        ASSERT_TRUE(lint.waitForFinished(60000));
        EXPECT_EQ(lint.exitCode(), 0) << lint.readAll().toStdString();
    }

    ApplSettings again;
    ASSERT_TRUE(again.load(saved, kFactory));
    QString value;
    EXPECT_TRUE(again.getAttribute("startup_directory/directory", "path", value));
    EXPECT_EQ(value, path);
    EXPECT_TRUE(again.getAttribute("hardware/device", "model_name", value));
    EXPECT_EQ(value, "a\tb\nc\rde" + QString::fromUcs4(U"\U0001F58A"));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    // A file Qt reads but cannot write back readably (found by fuzzing) is refused on save,
    // never written in a form that the next start would have to throw away.
    ApplSettings odd;
    if (odd.loadReadOnly(QStringLiteral(DRAFTBAY_SOURCE_DIR
                                        "/tests/fuzz/corpus/fuzz_settings_reader/"
                                        "crash-utf16-processing-instruction.xml"))) {
        const QString target = QString::fromStdString(m_directory.file("odd.xml"));
        QString reason;
        if (odd.save(target, reason)) {
            ApplSettings reread;
            EXPECT_TRUE(reread.loadReadOnly(target));
        } else {
            EXPECT_TRUE(reason.contains("would not read back")) << reason.toStdString();
            EXPECT_FALSE(QFile::exists(target));
        }
    }
}

TEST_F(ApplSettingsTest, FileInAnUnwritableFolderOutlivesFailedSavesAndLoads)
{
    ApplSettings settings;
    ASSERT_TRUE(loadFactoryCopy(settings));
    ASSERT_TRUE(settings.setAttribute("page_properties/page", "angle", "12"));
    const std::string old = "<damaged";
    const std::string readOnly = m_directory.file("read-only");
    QDir().mkdir(QString::fromStdString(readOnly));
    TestSupport::writeFile(readOnly + "/draftbayuser.xml", old);
    QFile::setPermissions(QString::fromStdString(readOnly),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                              | QFileDevice::ExeOther);
    TestSupport::writeFile(m_directory.file("plain file"), old);
    QDir().mkdir(QString::fromStdString(m_directory.file("folder.xml")));
    const struct
    {
        std::string path;
        std::string reason;
    } cases[] = {
        {readOnly + "/draftbayuser.xml", std::strerror(EACCES)},
        {m_directory.file("plain file/draftbayuser.xml"), std::strerror(ENOTDIR)},
        {m_directory.file("folder.xml"), "it is a folder"},
    };
    for (const auto &unwritable : cases) {
        SCOPED_TRACE(unwritable.path);
        bool saved = true;
        QString reason;
        asOrdinaryUser(
            [&] { saved = settings.save(QString::fromStdString(unwritable.path), reason); });
        EXPECT_FALSE(saved);
        EXPECT_TRUE(
            reason.startsWith("Cannot write the settings file "
                              + QDir::toNativeSeparators(QString::fromStdString(unwritable.path))))
            << reason.toStdString();
        EXPECT_TRUE(reason.endsWith(QString::fromStdString(unwritable.reason)))
            << reason.toStdString();
    }
    EXPECT_EQ(TestSupport::readFile(readOnly + "/draftbayuser.xml"), old);
    EXPECT_EQ(TestSupport::readFile(m_directory.file("plain file")), old);
    EXPECT_TRUE(m_dialogs->messages.isEmpty()) << "saves fail silently";

    // A damaged file that cannot be moved aside is not replaced either.
    bool loaded = true;
    asOrdinaryUser([&] {
        ApplSettings damaged;
        loaded = damaged.load(QString::fromStdString(readOnly + "/draftbayuser.xml"), kFactory);
    });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(lastMessage(),
              QString::fromStdString("Parsing error for settings file \n" + readOnly
                                     + "/draftbayuser.xml"));
    EXPECT_EQ(TestSupport::readFile(readOnly + "/draftbayuser.xml"), old);
    EXPECT_EQ(QDir(QString::fromStdString(readOnly))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList {"draftbayuser.xml"})
        << "no temporary file or copy left behind";
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
