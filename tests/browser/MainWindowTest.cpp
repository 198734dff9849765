// The main window as a user meets it: start folder, menus per page, history, tray, files.
#include "browser/MainWindow.h"

#include "BrowserTestSupport.h"
#include "browser/DirView.h"
#include "browser/HelpFiles.h"
#include "browser/PagesStrip.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/SketchBackup.h"
#include "browser/ThumbnailItem.h"
#include "document/DocumentGraphicModel.h"
#include "editor/SketchViewer.h"
#include "settings/DesktopServices.h"

#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>

using namespace TestSupport;

namespace {

// A window whose desktop may or may not have a tray.
class TestWindow : public MainWindow
{
public:
    explicit TestWindow(bool tray)
        : m_tray(tray)
    { }

protected:
    bool isSystemTrayAvailable() const override { return m_tray; }

private:
    bool m_tray;
};

class RecordingDesktop : public DesktopServices
{
public:
    explicit RecordingDesktop(QList<QUrl> *opened)
        : m_opened(opened)
    { }
    bool openUrl(const QUrl &url) override
    {
        m_opened->append(url);
        return true;
    }

private:
    QList<QUrl> *m_opened;
};

class MainWindowTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        setDesktopServices(std::make_unique<RecordingDesktop>(&m_opened));
    }
    void TearDown() override { setDesktopServices(nullptr); }
    QString makeFolder(const QString &name, int sketches)
    {
        const QString path = QString::fromStdString(m_directory.path()) + QLatin1Char('/') + name;
        QDir().mkpath(path);
        for (int i = 0; i < sketches; ++i)
            EXPECT_TRUE(
                writeSketch(QStringLiteral("%1/%2%3.qpe").arg(path, name).arg(i), 150, 1, i + 1));
        return path;
    }
    static QStringList menuTitles(const MainWindow &window)
    {
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles << action->text();
        return titles;
    }
    void waitForThumbnails(MainWindow &window, int count)
    {
        ASSERT_TRUE(waitUntil([&] {
            return !window.thumbnailList()->isLoading() && window.thumbnailList()->count() == count;
        }));
    }

    TempDirectory m_directory;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(MainWindowTest, StartsInTheSettingsFolderElseTheDocumentsFolder)
{
    const QString documents = makeFolder("documents", 2);
    {
        TestWindow window(true);
        window.init(documents, "user.xml");
        EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(documents));
        QString saved;
        ASSERT_TRUE(settings().getAttribute("startup_directory/directory", "path", saved));
        EXPECT_EQ(saved, QDir::toNativeSeparators(documents));
        waitForThumbnails(window, 2);
    }
    const QString start = makeFolder("start", 3);
    ASSERT_TRUE(settings().setAttribute("startup_directory/directory", "path", start));
    TestWindow window(true);
    window.init(documents, "user.xml");
    EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(start));
    waitForThumbnails(window, 3);
    EXPECT_EQ(window.windowTitle(), "Quillo Draftbay");
}

TEST_F(MainWindowTest, MenusFollowThePage)
{
    TestWindow window(true);
    window.init(makeFolder("menus", 1), "user.xml");
    EXPECT_EQ(menuTitles(window), (QStringList {"File", "View", "Tools", "Help"}));
    window.currentTabChanged(1);
    EXPECT_EQ(menuTitles(window), (QStringList {"File", "Edit", "View", "Help"}));
    window.currentTabChanged(0);
    EXPECT_EQ(menuTitles(window), (QStringList {"File", "View", "Tools", "Help"}));
}

TEST_F(MainWindowTest, BackAndForwardWalkTheFolderHistory)
{
    const QString a = makeFolder("a", 0);
    const QString b = makeFolder("b", 0);
    const QString c = makeFolder("c", 0);
    TestWindow window(true);
    window.init(a, "user.xml");
    window.folderTree()->selectPath(b);
    window.folderTree()->selectPath(c);
    EXPECT_EQ(window.backHistory(),
              (QStringList {QDir::toNativeSeparators(a), QDir::toNativeSeparators(b)}));
    QAction *back = nullptr;
    QAction *forward = nullptr;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == "Back")
            back = action;
        if (action->text() == "Forward")
            forward = action;
    }
    ASSERT_TRUE(back && forward);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    back->trigger();
    EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(b));
    EXPECT_EQ(window.backHistory(), (QStringList {QDir::toNativeSeparators(a)}));
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(c));
    EXPECT_EQ(window.backHistory(),
              (QStringList {QDir::toNativeSeparators(a), QDir::toNativeSeparators(b)}));
    back->trigger();
    back->trigger();
    EXPECT_FALSE(back->isEnabled());
    EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(a));
    EXPECT_EQ(window.forwardHistory().size(), 2);
}

TEST_F(MainWindowTest, ClosingHidesInTheTrayOrQuitsWithoutOne)
{
    TestWindow withTray(true);
    withTray.init(makeFolder("tray", 0), "user.xml");
    withTray.show();
    EXPECT_FALSE(withTray.close());
    EXPECT_FALSE(withTray.isVisible());
    ASSERT_NE(withTray.trayIcon(), nullptr);
    EXPECT_EQ(withTray.trayIcon()->toolTip(), "Quillo Draftbay is disconnected");
    QStringList tray;
    for (QAction *action : withTray.trayIcon()->contextMenu()->actions()) {
        if (!action->isSeparator())
            tray << action->text();
    }
    EXPECT_EQ(tray, (QStringList {"Mi&nimize", "Ma&ximize", "&Restore", "&Quit"}));

    TestWindow withoutTray(false);
    withoutTray.init(makeFolder("notray", 0), "user.xml");
    withoutTray.show();
    EXPECT_TRUE(withoutTray.close());
}

TEST_F(MainWindowTest, OpeningAFileShowsItsFolderAndTheSketch)
{
    const QString folder = makeFolder("open", 3);
    TestWindow window(true);
    window.init(makeFolder("elsewhere", 0), "user.xml");
    EXPECT_FALSE(window.openFile(folder));
    EXPECT_FALSE(window.openFile(folder + "/missing.qpe"));
    const QString file = QDir::toNativeSeparators(folder + "/open1.qpe");
    EXPECT_TRUE(window.openFile(file));
    EXPECT_EQ(window.currentPage(), 1);
    ASSERT_TRUE(window.editorPage()->document());
    EXPECT_TRUE(window.editorPage()->document()->model()->pressureRendering());
    EXPECT_EQ(window.folderTree()->currentDir().absolutePath(), QDir(folder).absolutePath());
    window.backToPreviewTab();
    EXPECT_EQ(window.currentPage(), 0);
    waitForThumbnails(window, 3);

    // A second start's hand-over opens the file named after the prefix.
    window.handleSentMessageFromAnotherCopyOfApp("Get the instance_"
                                                 + QDir::toNativeSeparators(folder + "/open2.qpe"));
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_TRUE(window.editorPage()->document()->path().endsWith("open2.qpe"));
}

TEST_F(MainWindowTest, DoubleClickOpensTheEditorAndBackReturns)
{
    TestWindow window(true);
    window.init(makeFolder("edit", 2), "user.xml");
    waitForThumbnails(window, 2);
    window.thumbnailList()->setCurrentRow(0);
    window.editSelectedThumbnail();
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(window.editorPage()->document()->path(),
              window.thumbnailList()->thumbnailAt(0)->filePath());
    // The editor shows a copy; the thumbnail's own sketch stays as it was loaded.
    EXPECT_NE(window.editorPage()->document().get(),
              window.thumbnailList()->thumbnailAt(0)->metadata().get());
    window.editorPage()->nextButton()->click();
    EXPECT_EQ(window.thumbnailList()->currentRow(), 1);
    EXPECT_EQ(window.editorPage()->document()->path(),
              window.thumbnailList()->thumbnailAt(1)->filePath());
    window.editorPage()->backButton()->click();
    EXPECT_EQ(window.currentPage(), 0);
}

TEST_F(MainWindowTest, HelpOpensTheBundledFilesAndTheLicenceIsShown)
{
    setHelpSearchFolders({QStringLiteral(DRAFTBAY_BINARY_DIR "/bin")});
    TestWindow window(true);
    window.init(makeFolder("help", 0), "user.xml");
    EXPECT_FALSE(window.licenceFile().isEmpty());
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == "Important Product Information"
            || action->text() == "Quillo Tutorial")
            action->trigger();
    }
    ASSERT_EQ(m_opened.size(), 2);
    for (const QUrl &url : m_opened)
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toString().toStdString();
    setHelpSearchFolders({});
}

TEST(SketchBackup, KeepsEverySourceWhoseCopyFailed)
{
    TempDirectory directory;
    const QString source = QString::fromStdString(directory.path()) + "/receiver";
    QDir().mkpath(source);
    ASSERT_TRUE(writeSketch(source + "/a.qpe", 50));
    ASSERT_TRUE(writeSketch(source + "/b.qpe", 50));
    TestSupport::writeFile((source + "/notes.txt").toStdString(), "not a sketch");
    const QString backup = backupFolderName(QString::fromStdString(directory.path()),
                                            QDateTime(QDate(2026, 12, 6), QTime(9, 8, 7, 65)));
    EXPECT_TRUE(backup.endsWith("sketch_backup_06122026090807065"));
    // A folder where b's copy should go makes that copy fail.
    QDir().mkpath(backup + "/b.qpe");
    const SketchBackupResult result = moveSketchesToBackup(source, backup, {"*.qpe"});
    EXPECT_TRUE(result.folderCreated);
    EXPECT_EQ(result.moved.size(), 1);
    ASSERT_EQ(result.failed.size(), 1);
    EXPECT_TRUE(result.failed.first().endsWith("b.qpe"));
    EXPECT_FALSE(QFile::exists(source + "/a.qpe"));
    EXPECT_TRUE(QFile::exists(backup + "/a.qpe"));
    EXPECT_TRUE(QFile::exists(source + "/b.qpe"));
    EXPECT_TRUE(QFile::exists(source + "/notes.txt"));
}
