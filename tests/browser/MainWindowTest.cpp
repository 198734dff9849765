// The main window as a user meets it: start folder, menus per page, history, tray, files.
#include "browser/MainWindow.h"

#include "BrowserTestSupport.h"
#include "browser/DirView.h"
#include "browser/FolderWatcher.h"
#include "browser/HelpFiles.h"
#include "browser/KeyboardTrackingSlider.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/SketchBackup.h"
#include "browser/SketchBackupController.h"
#include "browser/SketchMove.h"
#include "browser/ThumbnailItem.h"
#include "document/DocumentGraphicModel.h"
#include "editor/SketchViewer.h"
#include "settings/DesktopServices.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace TestSupport;

namespace {

QStringList texts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

/// The controls under the accessible that a screen reader would announce without a name,
/// as "role class objectName". Scroll bars are left out: readers name them by orientation.
QStringList unnamedControls(QAccessibleInterface *accessible)
{
    static const QList<QAccessible::Role> controls {
        QAccessible::PushButton,     QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,       QAccessible::SpinBox,      QAccessible::Slider,
        QAccessible::ProgressBar,    QAccessible::List,         QAccessible::Tree,
        QAccessible::Table,          QAccessible::EditableText, QAccessible::PopupMenu,
        QAccessible::MenuBar,        QAccessible::MenuItem,     QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::PageTab};
    QStringList unnamed;
    if (!accessible)
        return unnamed;
    const auto *widget = qobject_cast<const QWidget *>(accessible->object());
    const auto *area
        = widget ? qobject_cast<const QAbstractScrollArea *>(widget->parentWidget()) : nullptr;
    // A focusable widget is a control whatever its role; a view's viewport speaks for the view.
    const bool focusable = widget && widget->focusPolicy() != Qt::NoFocus
        && !(area && area->viewport() == widget) && accessible->role() != QAccessible::ScrollBar;
    if ((controls.contains(accessible->role()) || focusable)
        && accessible->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QStringLiteral("%1 %2 %3")
                       .arg(int(accessible->role()))
                       .arg(
                           QString::fromLatin1(accessible->object()
                                                   ? accessible->object()->metaObject()->className()
                                                   : "?"),
                           accessible->object() ? accessible->object()->objectName() : QString());
    // The cells and items of the views carry their texts; their number is only the folder's.
    if (accessible->role() == QAccessible::Tree || accessible->role() == QAccessible::List)
        return unnamed;
    for (int i = 0; i < accessible->childCount(); ++i)
        unnamed << unnamedControls(accessible->child(i));
    return unnamed;
}

/// Records what a move tells the window and cancels once a number of files was handled.
class CancellingProgress : public SketchMoveProgress
{
public:
    CancellingProgress(int cancelAt, const bool *windowRan)
        : m_cancelAt(cancelAt)
        , m_windowRan(windowRan)
    { }
    void begin(int fileCount) override
    {
        total = fileCount;
        windowRanFirst = *m_windowRan;
        record(0);
    }
    void advance(int handled) override { record(handled); }
    bool isCancelled() const override { return m_cancelAt >= 0 && handled.last() >= m_cancelAt; }
    void end() override { ended = true; }

    int total = -1;
    QList<int> handled;
    bool onWindowThread = true;
    bool windowRanFirst = false;
    bool ended = false;

private:
    void record(int count)
    {
        handled << count;
        onWindowThread = onWindowThread && QThread::currentThread() == qApp->thread();
    }
    int m_cancelAt;
    const bool *m_windowRan;
};

using MainWindowTest = BrowserFixture;

} // namespace

TEST_F(MainWindowTest, StartsInTheSettingsFolderElseTheDocumentsFolder)
{
    const QString documents = folder("documents", 2);
    {
        TestWindow window;
        window.init(documents, "user.xml");
        EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(documents));
        QString saved;
        ASSERT_TRUE(settings().getAttribute("startup_directory/directory", "path", saved));
        EXPECT_EQ(saved, QDir::toNativeSeparators(documents));
        ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 2));
    }
    const QString start = folder("start", 3);
    ASSERT_TRUE(settings().setAttribute("startup_directory/directory", "path", start));
    TestWindow window;
    window.init(documents, "user.xml");
    EXPECT_EQ(window.currentFolder(), QDir::toNativeSeparators(start));
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 3));
}

TEST_F(MainWindowTest, BackAndForwardWalkTheFolderHistory)
{
    const QString a = QDir::toNativeSeparators(folder("a"));
    const QString b = QDir::toNativeSeparators(folder("b"));
    const QString c = QDir::toNativeSeparators(folder("c"));
    TestWindow window;
    window.init(a, "user.xml");
    window.folderTree()->selectPath(b);
    window.folderTree()->selectPath(c);
    EXPECT_EQ(window.backHistory(), (QStringList {a, b}));
    QAction *back = window.action("Back");
    QAction *forward = window.action("Forward");
    ASSERT_TRUE(back && forward);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    back->trigger();
    EXPECT_EQ(window.currentFolder(), b);
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(window.currentFolder(), c);
    EXPECT_EQ(window.backHistory(), (QStringList {a, b}));
    back->trigger();
    back->trigger();
    EXPECT_FALSE(back->isEnabled());
    EXPECT_EQ(window.currentFolder(), a);
    EXPECT_EQ(window.forwardHistory(), (QStringList {c, b}));
}

TEST_F(MainWindowTest, ClosingHidesInTheTrayOrQuitsWithoutOne)
{
    TestWindow withTray;
    withTray.init(folder("tray"), "user.xml");
    withTray.show();
    EXPECT_FALSE(withTray.close());
    EXPECT_FALSE(withTray.isVisible());
    ASSERT_NE(withTray.trayIcon(), nullptr);
    EXPECT_EQ(texts(withTray.trayIcon()->contextMenu()->actions()),
              (QStringList {"Live view", "Mi&nimize", "Ma&ximize", "&Restore", "&Quit"}));

    TestWindow withoutTray(false);
    withoutTray.init(folder("notray"), "user.xml");
    withoutTray.show();
    EXPECT_TRUE(withoutTray.close());
}

TEST_F(MainWindowTest, FilesAndThumbnailsOpenInTheEditorWithItsMenusAndBackReturns)
{
    const QString sketches = folder("open", 3);
    TestWindow window;
    window.init(folder("elsewhere"), "user.xml");
    EXPECT_FALSE(window.openFile(sketches));
    EXPECT_FALSE(window.openFile(sketches + "/missing.qpe"));
    EXPECT_EQ(texts(window.menuBar()->actions()), (QStringList {"File", "View", "Tools", "Help"}));
    EXPECT_TRUE(window.openFile(QDir::toNativeSeparators(sketches + "/s001.qpe")));
    EXPECT_EQ(window.currentPage(), 1);
    // The menus follow the page.
    EXPECT_EQ(texts(window.menuBar()->actions()), (QStringList {"File", "Edit", "View", "Help"}));
    ASSERT_TRUE(window.editorPage()->document());
    EXPECT_TRUE(window.editorPage()->document()->model()->pressureRendering());
    EXPECT_EQ(window.folderTree()->currentDir().absolutePath(), QDir(sketches).absolutePath());
    window.backToPreviewTab();
    EXPECT_EQ(window.currentPage(), 0);
    EXPECT_EQ(texts(window.menuBar()->actions()), (QStringList {"File", "View", "Tools", "Help"}));
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 3));

    // A second start's hand-over opens the file named after the prefix.
    window.handleSentMessageFromAnotherCopyOfApp(
        "Get the instance_" + QDir::toNativeSeparators(sketches + "/s002.qpe"));
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_TRUE(window.editorPage()->document()->path().endsWith("s002.qpe"));
    window.editorPage()->backButton()->click();
    EXPECT_EQ(window.currentPage(), 0);
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 3));

    // A thumbnail opens as a copy; the thumbnail's own sketch stays as it was loaded.
    window.thumbnailList()->setCurrentRow(0);
    window.editSelectedThumbnail();
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(window.editorPage()->document()->path(),
              window.thumbnailList()->thumbnailAt(0)->filePath());
    EXPECT_NE(window.editorPage()->document().get(),
              window.thumbnailList()->thumbnailAt(0)->metadata().get());
    // Next and previous walk the thumbnails; next stops at the last one.
    window.editorPage()->nextButton()->click();
    EXPECT_EQ(window.thumbnailList()->currentRow(), 1);
    EXPECT_EQ(window.editorPage()->document()->path(),
              window.thumbnailList()->thumbnailAt(1)->filePath());
    window.editorPage()->nextButton()->click();
    EXPECT_EQ(window.thumbnailList()->currentRow(), 2);
    EXPECT_FALSE(window.editorPage()->nextButton()->isEnabled());
    window.editorPage()->previousButton()->click();
    EXPECT_EQ(window.thumbnailList()->currentRow(), 1);
    EXPECT_TRUE(window.editorPage()->nextButton()->isEnabled());
    EXPECT_EQ(window.editorPage()->document()->path(),
              window.thumbnailList()->thumbnailAt(1)->filePath());
    window.editorPage()->backButton()->click();
    EXPECT_EQ(window.currentPage(), 0);
}

TEST_F(MainWindowTest, HelpOpensTheBundledFilesAndTheLicenceIsShown)
{
    QList<QUrl> opened;
    setDesktopServices(std::make_unique<RecordingDesktop>(&opened));
    setHelpSearchFolders({QStringLiteral(DRAFTBAY_BINARY_DIR "/bin")});
    TestWindow window;
    window.init(folder("help"), "user.xml");
    EXPECT_FALSE(window.licenceFile().isEmpty());
    window.action("Important Product Information")->trigger();
    window.action("Quillo Tutorial")->trigger();
    ASSERT_EQ(opened.size(), 2);
    for (const QUrl &url : opened)
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toString().toStdString();
    setHelpSearchFolders({});
    setDesktopServices(nullptr);
}

TEST_F(MainWindowTest, BackupKeepsEverySourceWhoseCopyFailed)
{
    const QString source = folder("receiver");
    ASSERT_TRUE(writeSketch(source + "/a.qpe", 50));
    ASSERT_TRUE(writeSketch(source + "/b.qpe", 50));
    writeFile((source + "/notes.txt").toStdString(), "not a sketch");
    const QString backup = backupFolderName(QString::fromStdString(m_directory.path()),
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

// A folder without sketches is a state of its own: the bar stops and the list says so; a
// shown folder that goes away empties the list and shows the nearest folder left.
TEST_F(MainWindowTest, EmptyAndRemovedFoldersEndTheLoadAndSaySo)
{
    const QString empty = folder("empty");
    const QString shown = folder("shown/inner", 2);
    TestWindow window;
    window.init(empty, "user.xml");
    window.show();
    auto *bar = window.findChild<QProgressBar *>();
    ASSERT_TRUE(bar);
    ASSERT_TRUE(waitUntil([&] { return !window.thumbnailList()->emptyStateText().isEmpty(); }));
    EXPECT_TRUE(window.thumbnailList()->emptyStateText().startsWith(
        "No sketches in this folder\n" + QDir::toNativeSeparators(empty)));
    settle(100);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window.findChild<KeyboardTrackingSlider *>()->isEnabled());

    ASSERT_TRUE(window.folderTree()->selectPath(shown));
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 2));
    EXPECT_TRUE(window.windowTitle().contains(QDir::toNativeSeparators(shown)));
    ASSERT_TRUE(QDir(shown).removeRecursively());
    ASSERT_TRUE(waitUntil([&] { return window.thumbnailList()->count() == 0; }));
    ASSERT_TRUE(waitUntil(
        [&] { return QDir(window.thumbnailList()->folder()).absolutePath() == path("shown"); }));
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("was removed"));
    // Reloading then ends as well; no bar is left running.
    QApplication::setActiveWindow(&window);
    QTest::keyClick(window.thumbnailList(), Qt::Key_F5);
    settle(300);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(window.thumbnailList()->isLoading());
}

// The opened file is the selected thumbnail, and Next goes on across the end of a page.
TEST_F(MainWindowTest, OpenedFilesAreSelectedAndNextCrossesPages)
{
    const QString many = folder("many", 52, 30);
    TestWindow window;
    window.init(folder("elsewhere"), "user.xml");
    // A file that is no sketch says so when it is opened, and the page stays.
    const QString broken = folder("broken") + "/broken.qpe";
    writeFile(broken.toStdString(), "not a pen file");
    EXPECT_TRUE(window.openFile(broken));
    EXPECT_EQ(window.currentPage(), 0);
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_TRUE(m_dialogs->messages.last().text.startsWith("The sketch cannot be opened:\n"
                                                           + QDir::toNativeSeparators(broken)));
    ASSERT_TRUE(window.openFile(many + "/s049.qpe"));
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_TRUE(window.windowTitle().startsWith("s049.qpe"));
    ASSERT_TRUE(waitUntil([&] {
        return window.thumbnailList()->currentThumbnail()
            && window.thumbnailList()->currentThumbnail()->filePath().endsWith("s049.qpe");
    }));
    EXPECT_TRUE(window.editorPage()->nextButton()->isEnabled());
    window.editorPage()->nextButton()->click();
    ASSERT_TRUE(waitUntil([&] {
        return window.editorPage()->document()
            && window.editorPage()->document()->path().endsWith("s050.qpe");
    }));
    EXPECT_EQ(window.thumbnailList()->currentPage(), 2u);
    window.editorPage()->nextButton()->click();
    ASSERT_TRUE(
        waitUntil([&] { return window.editorPage()->document()->path().endsWith("s051.qpe"); }));
    EXPECT_FALSE(window.editorPage()->nextButton()->isEnabled());
    EXPECT_FALSE(window.action("Next Sketch")->isEnabled());
    window.editorPage()->previousButton()->click();
    window.editorPage()->previousButton()->click();
    ASSERT_TRUE(
        waitUntil([&] { return window.editorPage()->document()->path().endsWith("s049.qpe"); }));
    EXPECT_EQ(window.thumbnailList()->currentPage(), 1u);

    // Backspace returns to the sketches; switching pages makes no new menus.
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(window.editorPage(), Qt::Key_Backspace);
    EXPECT_EQ(window.currentPage(), 0);
    // After one round trip (the shown bar makes its overflow menu once) nothing grows.
    window.currentTabChanged(1);
    window.currentTabChanged(0);
    const int menus = window.findChildren<QMenu *>().size();
    for (int i = 0; i < 5; ++i) {
        window.currentTabChanged(1);
        window.currentTabChanged(0);
    }
    EXPECT_EQ(window.findChildren<QMenu *>().size(), menus);
    EXPECT_EQ(window.action("&Quit")->shortcut(), QKeySequence(QKeySequence::Quit));
}

TEST_F(MainWindowTest, EveryControlHasAnAccessibleNameAndTheMenusHaveTheirsWhenOpen)
{
    TestWindow window;
    window.init(folder("named", 2), "user.xml");
    window.show();
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 2));
    const auto unnamed = [&] {
        return unnamedControls(QAccessible::queryAccessibleInterface(&window)).join('\n');
    };
    EXPECT_EQ(unnamed(), QString()) << "on the preview page";
    window.thumbnailList()->setCurrentRow(0);
    window.editSelectedThumbnail();
    ASSERT_EQ(window.currentPage(), 1);
    EXPECT_EQ(unnamed(), QString()) << "on the editor page";
    window.backToPreviewTab();

    // Popups are windows of their own: they are named, and die with the window.
    for (QMenu *menu : {window.trayIcon()->contextMenu(), window.thumbnailList()->contextMenu()}) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(menu);
        ASSERT_TRUE(accessible);
        EXPECT_EQ(accessible->role(), QAccessible::PopupMenu);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
        EXPECT_EQ(menu->window(), menu);
        EXPECT_TRUE(window.isAncestorOf(menu->parentWidget()) || menu->parentWidget() == &window);
    }

    // The keyboard reaches the thumbnail's menu.
    window.thumbnailList()->setFocus();
    QTest::keyClick(window.thumbnailList(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(waitUntil([&] { return window.thumbnailList()->contextMenu()->isVisible(); }));
    const QRect item = window.thumbnailList()->visualItemRect(window.thumbnailList()->item(0));
    EXPECT_TRUE(QRect(window.thumbnailList()->viewport()->mapToGlobal(item.topLeft()), item.size())
                    .contains(window.thumbnailList()->contextMenu()->pos()))
        << "the menu opens on the current sketch";
    window.thumbnailList()->contextMenu()->hide();
}

TEST_F(MainWindowTest, MovingRunsBesideTheWindowAndACancelStopsBetweenWholeFiles)
{
    const QString source = folder("usb", 5);
    QMap<QString, QByteArray> original;
    for (const QString &path : listedFiles(source)) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        original[QFileInfo(path).fileName()] = file.readAll();
    }
    // Cancelled before the first file, after two, never.
    for (const int cancelAt : {0, 2, -1}) {
        SCOPED_TRACE(cancelAt);
        const QString backup = folder(QStringLiteral("backup%1").arg(cancelAt + 1));
        bool windowRan = false;
        QMetaObject::invokeMethod(
            qApp, [&] { windowRan = true; }, Qt::QueuedConnection);
        CancellingProgress progress(cancelAt, &windowRan);
        const SketchBackupResult result
            = moveSketchesInBackground(source, backup, {"*.qpe"}, progress);
        const int expected = cancelAt < 0 ? 5 : cancelAt;
        EXPECT_TRUE(progress.windowRanFirst) << "the window's events run while files move";
        EXPECT_TRUE(progress.onWindowThread);
        EXPECT_TRUE(progress.ended);
        EXPECT_EQ(progress.total, 5);
        EXPECT_EQ(result.cancelled, cancelAt >= 0);
        EXPECT_EQ(result.moved.size(), expected);
        EXPECT_EQ(QDir(backup).entryList(QDir::Files | QDir::Hidden).size(), expected)
            << "no partial copies";
        for (const QString &path : QDir(backup).entryList(QDir::Files)) {
            QFile copy(backup + "/" + path);
            ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
            EXPECT_EQ(copy.readAll(), original.value(path)) << path.toStdString();
            EXPECT_FALSE(QFile::exists(source + "/" + path));
        }
        // Put the moved files back for the next case.
        for (const QString &path : result.moved)
            ASSERT_TRUE(QFile::rename(path, source + "/" + QFileInfo(path).fileName()));
    }
}

TEST_F(MainWindowTest, TheWindowMovesTheReceiverSketchesBehindAModalDialogWithCancel)
{
    const QString source = folder("receiver", 4);
    const QString destination = folder("computer");
    TestWindow window;
    window.init(source, "user.xml");
    window.show();
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 4));
    // The real dialog, its Cancel pressed once the first file has moved.
    bool modal = false;
    setSketchMoveProgressFactory([&](QWidget *parent) {
        class Pressing : public SketchMoveProgress
        {
        public:
            Pressing(std::unique_ptr<SketchMoveProgress> real, QWidget *parent, bool *modal)
                : m_real(std::move(real))
                , m_parent(parent)
                , m_modal(modal)
            { }
            void begin(int count) override { m_real->begin(count); }
            void advance(int handled) override
            {
                m_real->advance(handled);
                auto *dialog = m_parent->findChild<QProgressDialog *>();
                ASSERT_TRUE(dialog);
                // Files leaving the shown folder must not start reloads while they move.
                *m_modal = dialog->isVisible() && dialog->windowModality() == Qt::WindowModal
                    && dialog->maximum() == 4 && dialog->value() == handled
                    && m_parent->findChild<PreviewThumbnailList *>()->folderWatcher()->isPaused();
                if (handled == 1)
                    dialog->findChild<QPushButton *>()->click();
            }
            bool isCancelled() const override { return m_real->isCancelled(); }
            void end() override { m_real->end(); }

        private:
            std::unique_ptr<SketchMoveProgress> m_real;
            QWidget *m_parent;
            bool *m_modal;
        };
        return std::make_unique<Pressing>(createSketchMoveDialog(parent), parent, &modal);
    });
    ScopedDialogs dialogs;
    dialogs->pathAnswers.push_back(destination);
    dialogs->buttonAnswers.push_back(QMessageBox::Ok);
    window.sketchBackup()->moveToComputer(QDir(source));
    setSketchMoveProgressFactory({});

    EXPECT_TRUE(modal);
    EXPECT_FALSE(window.findChild<QProgressDialog *>()) << "the dialog is gone";
    const QStringList backups = QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(QDir(destination + "/" + backups.first()).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(listedFiles(source).size(), 3);
    ASSERT_TRUE(thumbnailsLoaded(*window.thumbnailList(), 3));
}
