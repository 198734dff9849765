// The folder tree on a real folder structure: selection, keys, the receiver's menu and
// thumbnails dropped onto folders.
#include "browser/DirView.h"

#include "BrowserTestSupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

/// Counts the menus the tree would show and picks their first entry instead of running them.
class RecordingDirView : public DirView
{
public:
    int shownMenus = 0;

protected:
    void execContextMenu(QMenu &menu, const QPoint &) override
    {
        ++shownMenus;
        if (!menu.actions().isEmpty())
            menu.actions().first()->trigger();
    }
};

/// Folders alpha (with inner and sketch.qpe), beta and receiver (with My Sketches), and a
/// file beside them, shown opened once the model has read them (it reads in the background).
class DirViewTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_base = QDir(QString::fromStdString(m_directory.path())).canonicalPath();
        for (const char *folder : {"alpha/inner", "beta", "receiver/My Sketches"})
            ASSERT_TRUE(QDir().mkpath(at(folder)));
        writeFile(at("alpha/sketch.qpe").toStdString(), "alpha's sketch");
        writeFile(at("top.qpe").toStdString(), "a file beside the folders");
        m_tree.resize(500, 700);
        m_tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tree));
        m_tree.init(m_base);
        m_tree.expand(indexOf("."));
        ASSERT_TRUE(waitUntil([&] { return m_tree.model()->rowCount(indexOf(".")) == 3; }));
        // The model sorts in the background too: wait for the rows in name order.
        ASSERT_TRUE(waitUntil([&] {
            int previous = -1;
            for (const char *name : {"alpha", "beta", "receiver"}) {
                m_tree.scrollTo(indexOf(name));
                const QRect row = m_tree.visualRect(indexOf(name));
                if (row.isEmpty() || row.top() <= previous)
                    return false;
                previous = row.top();
            }
            return true;
        }));
    }

    QString at(const QString &relative) const { return m_base + "/" + relative; }
    QModelIndex indexOf(const QString &relative) { return m_tree.indexOfFolder(at(relative)); }
    QPoint centreOf(const QString &relative)
    {
        m_tree.scrollTo(indexOf(relative));
        return m_tree.visualRect(indexOf(relative)).center();
    }
    static QString navigated(const QSignalSpy &spy, int i)
    {
        return spy.at(i).at(0).value<QDir>().absolutePath();
    }
    /// Drops a thumbnail of the file onto the folder; whether the drop was accepted.
    bool drop(const QString &file, const QString &folder, std::unique_ptr<QMimeData> mime = {})
    {
        if (!mime)
            mime = thumbnailMime(file);
        const QPoint point = centreOf(folder);
        QDragEnterEvent enter(point, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_tree.viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(point, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_tree.viewport(), &dropped);
        return dropped.isAccepted() && dropped.dropAction() == Qt::MoveAction;
    }
    QString contents(const QString &relative) const
    {
        return QString::fromStdString(readFile(at(relative).toStdString()));
    }

    QString m_base;
    RecordingDirView m_tree;
};

} // namespace

TEST_F(DirViewTest, ShowsOnlyFoldersAndTellsWhereTheTreeIs)
{
    EXPECT_EQ(m_tree.currentDir().absolutePath(), m_base);
    // The sketch beside the folders is not listed.
    QStringList names;
    for (int row = 0; row < m_tree.model()->rowCount(indexOf(".")); ++row)
        names << m_tree.model()->index(row, 0, indexOf(".")).data().toString();
    names.sort();
    EXPECT_EQ(names, (QStringList {"alpha", "beta", "receiver"}));

    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);
    EXPECT_TRUE(m_tree.selectPath(at("alpha/inner")));
    EXPECT_EQ(m_tree.currentDir().absolutePath(), at("alpha/inner"));
    EXPECT_TRUE(m_tree.isExpanded(indexOf("alpha"))) << "the folder is shown";
    EXPECT_TRUE(m_tree.selectionModel()->isSelected(indexOf("alpha/inner")));
    QTest::mouseClick(m_tree.viewport(), Qt::LeftButton, {}, centreOf("beta"));
    ASSERT_EQ(navigation.size(), 2);
    EXPECT_EQ(navigated(navigation, 0), at("alpha/inner"));
    EXPECT_EQ(navigated(navigation, 1), at("beta"));
    EXPECT_EQ(m_tree.currentDir().absolutePath(), at("beta"));

    // A drive that went away is folded; nothing on disc is touched.
    m_tree.selectPath(at("receiver/My Sketches"));
    ASSERT_TRUE(m_tree.isExpanded(indexOf("receiver")));
    m_tree.dropDrive(at("receiver"));
    EXPECT_FALSE(m_tree.isExpanded(indexOf("receiver")));
    EXPECT_TRUE(QDir(at("receiver/My Sketches")).exists());
}

TEST_F(DirViewTest, KeysThatMoveToAnotherFolderShowItOthersDoNot)
{
    m_tree.selectPath(at("beta"));
    m_tree.collapse(indexOf("alpha"));
    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);

    QTest::keyClick(m_tree.viewport(), Qt::Key_Down);
    ASSERT_EQ(navigation.size(), 1);
    EXPECT_EQ(navigated(navigation, 0), at("receiver"));
    QTest::keyClick(m_tree.viewport(), Qt::Key_Up);
    ASSERT_EQ(navigation.size(), 2);
    EXPECT_EQ(navigated(navigation, 1), at("beta"));
    // Opening a folder moves no thumbnails; jumping to the ends does, once per move.
    QTest::keyClick(m_tree.viewport(), Qt::Key_Right);
    EXPECT_EQ(navigation.size(), 2);
    QTest::keyClick(m_tree.viewport(), Qt::Key_End);
    ASSERT_EQ(navigation.size(), 3);
    EXPECT_NE(navigated(navigation, 2), at("beta"));
    QTest::keyClick(m_tree.viewport(), Qt::Key_End);
    EXPECT_EQ(navigation.size(), 3);
    QTest::keyClick(m_tree.viewport(), Qt::Key_Home);
    ASSERT_EQ(navigation.size(), 4);
    EXPECT_NE(navigated(navigation, 3), navigated(navigation, 2));
}

TEST_F(DirViewTest, OnlyTheReceiverFolderOffersTheMoveOfItsSketches)
{
    m_tree.setReceiverFolder(QDir::toNativeSeparators(at("receiver")));
    QSignalSpy moves(&m_tree, &DirView::moveFromUsbToSelectedFolderSgnl);
    m_tree.selectPath(at("alpha"));
    QTest::mouseClick(m_tree.viewport(), Qt::RightButton, {}, centreOf("beta"));
    QTest::mouseClick(m_tree.viewport(), Qt::LeftButton, {}, centreOf("receiver"));
    EXPECT_EQ(m_tree.shownMenus, 0) << "no menu for another folder or another button";

    QTest::mouseClick(m_tree.viewport(), Qt::RightButton, {}, centreOf("receiver"));
    EXPECT_EQ(m_tree.shownMenus, 1);
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves.first().first().value<QDir>().absolutePath(), at("receiver"));
}

TEST_F(DirViewTest, DroppedThumbnailIsCopiedIntoTheFolderOtherDataIsRefused)
{
    auto text = std::make_unique<QMimeData>();
    text->setText(at("alpha/sketch.qpe"));
    EXPECT_FALSE(drop(at("alpha/sketch.qpe"), "beta", std::move(text)));
    EXPECT_FALSE(QFile::exists(at("beta/sketch.qpe")));

    m_tree.selectPath(at("alpha"));
    m_tree.onDragStarted();
    EXPECT_TRUE(drop(at("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents("beta/sketch.qpe"), "alpha's sketch");
    EXPECT_EQ(contents("alpha/sketch.qpe"), "alpha's sketch") << "the source stays";
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_tree.currentDir().absolutePath(), at("alpha")) << "the tree did not move";
}

TEST_F(DirViewTest, DropOnAFileOfTheSameNameAsksBeforeOverwritingAndKeepsItsOwnFile)
{
    writeFile(at("beta/sketch.qpe").toStdString(), "beta's own");
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    EXPECT_FALSE(drop(at("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents("beta/sketch.qpe"), "beta's own");
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text, "Are you sure you want to overwrite file  sketch.qpe?");

    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_TRUE(drop(at("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents("beta/sketch.qpe"), "alpha's sketch");
    EXPECT_EQ(m_dialogs->messages.size(), 2);

    // Dropped on its own folder, the file is asked about and kept as it is.
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_TRUE(drop(at("alpha/sketch.qpe"), "alpha"));
    ASSERT_EQ(m_dialogs->messages.size(), 3);
    EXPECT_EQ(contents("alpha/sketch.qpe"), "alpha's sketch");
    EXPECT_EQ(QDir(at("alpha")).entryList(QDir::Files), QStringList {"sketch.qpe"});
}

TEST_F(DirViewTest, FailedCopyIsReportedAndChangesNothing)
{
    // A dragged file that went away meanwhile.
    EXPECT_FALSE(drop(at("alpha/gone.qpe"), "beta"));
    EXPECT_FALSE(QFile::exists(at("beta/gone.qpe")));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(m_dialogs->messages[0].text.contains(at("alpha/gone.qpe")));
    EXPECT_TRUE(m_dialogs->messages[0].text.contains(at("beta/gone.qpe")));

    // A source that cannot be read must not cost the file it was to replace.
    ASSERT_TRUE(QDir().mkpath(at("alpha/unreadable.qpe")));
    writeFile(at("beta/unreadable.qpe").toStdString(), "keep me");
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_FALSE(drop(at("alpha/unreadable.qpe"), "beta"));
    EXPECT_EQ(contents("beta/unreadable.qpe"), "keep me");
    EXPECT_EQ(QDir(at("beta")).entryList(QDir::Files | QDir::Hidden),
              QStringList {"unreadable.qpe"});
    ASSERT_EQ(m_dialogs->messages.size(), 3);
    EXPECT_EQ(m_dialogs->messages[2].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(m_dialogs->messages[2].text.contains(at("beta/unreadable.qpe")));
}

TEST_F(DirViewTest, StartsWithHomeTheReceiverTheDrivesAndTheRootEachOpeningOntoItsFolders)
{
    struct RestoredHome
    {
        QByteArray saved = qgetenv("HOME");
        ~RestoredHome() { qputenv("HOME", saved); }
    } restoredHome;
    ASSERT_TRUE(QDir().mkpath(at("home/notes")));
    qputenv("HOME", at("home").toUtf8());
    for (const char *folder : {"drives/USB STICK/DCIM", "drives/CARD"})
        ASSERT_TRUE(QDir().mkpath(at(folder)));
    QStringList drives {at("drives/USB STICK"), at("drives/CARD")};
    m_tree.setDriveLister([&] { return drives; });
    const auto places = [&] {
        QStringList labels;
        for (int row = 0; row < m_tree.model()->rowCount(); ++row)
            labels << m_tree.model()->index(row, 0).data().toString();
        return labels;
    };
    EXPECT_EQ(places(), (QStringList {"Home", "USB STICK", "CARD", "File System"}));
    m_tree.setReceiverFolder(QDir::toNativeSeparators(at("receiver/My Sketches")));
    EXPECT_EQ(places(), (QStringList {"Home", "My Sketches", "USB STICK", "CARD", "File System"}));

    // A folder is shown under the place that holds it most closely.
    m_tree.selectPath(at("home/notes"));
    EXPECT_EQ(m_tree.currentIndex().parent(), m_tree.model()->index(0, 0));
    EXPECT_EQ(m_tree.currentDir().absolutePath(), at("home/notes"));

    // The receiver's place navigates and offers the move of its sketches.
    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);
    QSignalSpy moves(&m_tree, &DirView::moveFromUsbToSelectedFolderSgnl);
    const QPoint receiver = m_tree.visualRect(m_tree.model()->index(1, 0)).center();
    QTest::mouseClick(m_tree.viewport(), Qt::LeftButton, {}, receiver);
    ASSERT_EQ(navigation.size(), 1);
    EXPECT_EQ(navigated(navigation, 0), at("receiver/My Sketches"));
    QTest::mouseClick(m_tree.viewport(), Qt::RightButton, {}, receiver);
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves.first().first().value<QDir>().absolutePath(), at("receiver/My Sketches"));

    // A drive's place opens onto its folders, follows the disc and takes dropped thumbnails.
    const QModelIndex stick = m_tree.model()->index(2, 0);
    m_tree.expand(stick);
    ASSERT_TRUE(waitUntil([&] { return m_tree.model()->rowCount(stick) == 1; }));
    ASSERT_TRUE(QDir().mkpath(at("drives/USB STICK/Later")));
    ASSERT_TRUE(waitUntil([&] { return m_tree.model()->rowCount(stick) == 2; }));
    EXPECT_EQ(m_tree.model()->index(1, 0, stick).data().toString(), "Later");
    EXPECT_TRUE(drop(at("alpha/sketch.qpe"), "drives/USB STICK"));
    EXPECT_EQ(contents("drives/USB STICK/sketch.qpe"), "alpha's sketch");

    // A drive that went away leaves; so does the receiver's place once it is unmounted.
    drives.removeLast();
    m_tree.dropDrive(at("drives/CARD"));
    m_tree.setReceiverFolder({});
    EXPECT_EQ(places(), (QStringList {"Home", "USB STICK", "File System"}));
}
