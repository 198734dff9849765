// The folder tree on a real folder structure: selection, keys, the receiver's menu and
// thumbnails dropped onto folders.
#include "browser/DirView.h"

#include "BrowserTestSupport.h"

#include <QApplication>
#include <QDataStream>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

/// Records the menus the tree would show instead of running them, and picks an entry.
class RecordingDirView : public DirView
{
public:
    using DirView::DirView;

    QList<QStringList> shownMenus;
    bool triggerFirstEntry = false;

protected:
    void execContextMenu(QMenu &menu, const QPoint &) override
    {
        QStringList texts;
        for (QAction *action : menu.actions())
            texts << action->text();
        shownMenus << texts;
        if (triggerFirstEntry && !menu.actions().isEmpty())
            menu.actions().first()->trigger();
    }
};

class DirViewTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        m_base = QDir(QString::fromStdString(m_root.path())).canonicalPath();
        for (const char *folder : {"alpha/inner", "beta", "receiver/My Sketches"})
            ASSERT_TRUE(QDir().mkpath(path(folder)));
        writeFile(path("alpha/sketch.qpe").toStdString(), "alpha's sketch");
        writeFile(path("top.qpe").toStdString(), "a file beside the folders");
        m_tree.resize(500, 700);
        m_tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tree));
    }

    QString path(const QString &relative) const { return m_base + "/" + relative; }
    QModelIndex indexOf(const QString &relative) const
    {
        return m_tree.fileSystemModel()->index(path(relative));
    }
    /// Shows the base folder opened, once the model has read it (it reads in the background).
    void openBase()
    {
        m_tree.init(m_base);
        m_tree.expand(m_tree.fileSystemModel()->index(m_base));
        ASSERT_TRUE(
            waitUntil([&] { return m_tree.fileSystemModel()->rowCount(indexOf(".")) == 3; }));
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
    QPoint centreOf(const QString &relative)
    {
        m_tree.scrollTo(indexOf(relative));
        return m_tree.visualRect(indexOf(relative)).center();
    }
    static QDir navigated(const QSignalSpy &spy, int i) { return spy.at(i).at(0).value<QDir>(); }

    /// Drops a thumbnail of the file onto the folder; whether the drop was accepted.
    bool drop(const QString &file, const QString &folder, QMimeData *mime = nullptr)
    {
        std::unique_ptr<QMimeData> owned(mime ? mime : new QMimeData);
        if (!mime) {
            QByteArray bytes;
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << file;
            owned->setData(DirView::kMimeType, bytes);
        }
        const QPoint at = centreOf(folder);
        QDragEnterEvent enter(at, Qt::MoveAction, owned.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_tree.viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::MoveAction, owned.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_tree.viewport(), &dropped);
        return dropped.isAccepted() && dropped.dropAction() == Qt::MoveAction;
    }
    static QString contents(const QString &file)
    {
        return QString::fromStdString(readFile(file.toStdString()));
    }

    TempDirectory m_root;
    QString m_base;
    RecordingDirView m_tree;
};

} // namespace

TEST_F(DirViewTest, ShowsOnlyFoldersByName)
{
    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);
    openBase();

    ASSERT_EQ(navigation.size(), 1);
    EXPECT_EQ(navigated(navigation, 0).absolutePath(), m_base);
    EXPECT_EQ(m_tree.currentDir().absolutePath(), m_base);
    // The sketch beside the folders is not listed.
    QStringList names;
    for (int row = 0; row < m_tree.fileSystemModel()->rowCount(indexOf(".")); ++row)
        names << m_tree.fileSystemModel()->index(row, 0, indexOf(".")).data().toString();
    names.sort();
    EXPECT_EQ(names, (QStringList {"alpha", "beta", "receiver"}));
    for (int column = 1; column <= 3; ++column)
        EXPECT_TRUE(m_tree.isColumnHidden(column)) << column;
    EXPECT_FALSE(m_tree.isColumnHidden(0));
    EXPECT_EQ(m_tree.indentation(), 20);
    EXPECT_FALSE(m_tree.isAnimated());
}

TEST_F(DirViewTest, SelectingAFolderTellsWhereTheTreeIs)
{
    openBase();
    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);

    EXPECT_TRUE(m_tree.selectPath(path("alpha/inner")));
    EXPECT_EQ(m_tree.currentDir().absolutePath(), path("alpha/inner"));
    EXPECT_TRUE(m_tree.isExpanded(indexOf("alpha"))) << "the folder is shown";
    EXPECT_TRUE(m_tree.selectionModel()->isSelected(indexOf("alpha/inner")));

    QTest::mouseClick(m_tree.viewport(), Qt::LeftButton, {}, centreOf("beta"));
    ASSERT_EQ(navigation.size(), 2);
    EXPECT_EQ(navigated(navigation, 0).absolutePath(), path("alpha/inner"));
    EXPECT_EQ(navigated(navigation, 1).absolutePath(), path("beta"));
    EXPECT_EQ(m_tree.currentDir().absolutePath(), path("beta"));
}

TEST_F(DirViewTest, ArrowKeysMoveTheThumbnailsAlongOtherKeysDoNot)
{
    openBase();
    m_tree.selectPath(path("beta"));
    m_tree.collapse(indexOf("alpha"));
    QSignalSpy navigation(&m_tree, &DirView::navigationEvent);

    QTest::keyClick(m_tree.viewport(), Qt::Key_Down);
    ASSERT_EQ(navigation.size(), 1);
    EXPECT_EQ(navigated(navigation, 0).absolutePath(), path("receiver"));
    QTest::keyClick(m_tree.viewport(), Qt::Key_Up);
    ASSERT_EQ(navigation.size(), 2);
    EXPECT_EQ(navigated(navigation, 1).absolutePath(), path("beta"));

    // Opening a folder or jumping with another key moves no thumbnails.
    QTest::keyClick(m_tree.viewport(), Qt::Key_Right);
    QTest::keyClick(m_tree.viewport(), Qt::Key_End);
    EXPECT_EQ(navigation.size(), 2);
}

TEST_F(DirViewTest, OnlyTheReceiverFolderOffersTheMoveOfItsSketches)
{
    openBase();
    m_tree.setReceiverFolder(QDir::toNativeSeparators(path("receiver")));
    QSignalSpy moves(&m_tree, &DirView::moveFromUsbToSelectedFolderSgnl);
    m_tree.triggerFirstEntry = true;

    m_tree.selectPath(path("alpha"));
    QTest::mouseClick(m_tree.viewport(), Qt::RightButton, {}, centreOf("beta"));
    QTest::mouseClick(m_tree.viewport(), Qt::LeftButton, {}, centreOf("receiver"));
    EXPECT_TRUE(m_tree.shownMenus.isEmpty()) << "no menu for another folder or another button";

    QTest::mouseClick(m_tree.viewport(), Qt::RightButton, {}, centreOf("receiver"));
    ASSERT_EQ(m_tree.shownMenus.size(), 1);
    EXPECT_EQ(m_tree.shownMenus.first(), QStringList {"&Move sketches to local folder"});
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves.first().first().value<QDir>().absolutePath(), path("receiver"));
}

TEST_F(DirViewTest, DroppedThumbnailIsCopiedIntoTheFolder)
{
    openBase();
    m_tree.selectPath(path("alpha"));
    m_tree.onDragStarted();

    EXPECT_TRUE(drop(path("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents(path("beta/sketch.qpe")), "alpha's sketch");
    EXPECT_EQ(contents(path("alpha/sketch.qpe")), "alpha's sketch") << "the source stays";
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_tree.currentDir().absolutePath(), path("alpha")) << "the tree did not move";
}

TEST_F(DirViewTest, OtherDragDataIsRefused)
{
    openBase();
    auto *text = new QMimeData;
    text->setText(path("alpha/sketch.qpe"));
    EXPECT_FALSE(drop(path("alpha/sketch.qpe"), "beta", text));
    EXPECT_FALSE(QFile::exists(path("beta/sketch.qpe")));
}

TEST_F(DirViewTest, DropOnAFileOfTheSameNameAsksBeforeOverwriting)
{
    openBase();
    writeFile(path("beta/sketch.qpe").toStdString(), "beta's own");

    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    EXPECT_FALSE(drop(path("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents(path("beta/sketch.qpe")), "beta's own");
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].title, "Quillo Draftbay");
    EXPECT_EQ(m_dialogs->messages[0].text, "Are you sure you want to overwrite file  sketch.qpe?");

    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_TRUE(drop(path("alpha/sketch.qpe"), "beta"));
    EXPECT_EQ(contents(path("beta/sketch.qpe")), "alpha's sketch");
    EXPECT_EQ(m_dialogs->messages.size(), 2);
}

TEST_F(DirViewTest, DropOnItsOwnFolderKeepsTheFile)
{
    openBase();
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_TRUE(drop(path("alpha/sketch.qpe"), "alpha"));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text, "Are you sure you want to overwrite file  sketch.qpe?");
    EXPECT_EQ(contents(path("alpha/sketch.qpe")), "alpha's sketch");
    EXPECT_EQ(QDir(path("alpha")).entryList(QDir::Files), QStringList {"sketch.qpe"});
}

TEST_F(DirViewTest, FailedCopyIsReportedAndChangesNothing)
{
    openBase();
    // A dragged file that went away meanwhile.
    EXPECT_FALSE(drop(path("alpha/gone.qpe"), "beta"));
    EXPECT_FALSE(QFile::exists(path("beta/gone.qpe")));
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(m_dialogs->messages[0].text.contains(path("alpha/gone.qpe")));
    EXPECT_TRUE(m_dialogs->messages[0].text.contains(path("beta/gone.qpe")));

    // A source that cannot be read must not cost the file it was to replace.
    ASSERT_TRUE(QDir().mkpath(path("alpha/unreadable.qpe")));
    writeFile(path("beta/unreadable.qpe").toStdString(), "keep me");
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    EXPECT_FALSE(drop(path("alpha/unreadable.qpe"), "beta"));
    EXPECT_EQ(contents(path("beta/unreadable.qpe")), "keep me");
    EXPECT_EQ(QDir(path("beta")).entryList(QDir::Files | QDir::Hidden),
              QStringList {"unreadable.qpe"});
    ASSERT_EQ(m_dialogs->messages.size(), 3);
    EXPECT_EQ(m_dialogs->messages[2].icon, DialogService::Icon::Warning);
    EXPECT_TRUE(m_dialogs->messages[2].text.contains(path("beta/unreadable.qpe")));
}

TEST_F(DirViewTest, DroppingADriveFoldsItAndTouchesNothing)
{
    openBase();
    m_tree.selectPath(path("receiver/My Sketches"));
    ASSERT_TRUE(m_tree.isExpanded(indexOf("receiver")));

    m_tree.dropDrive(path("receiver"));
    EXPECT_FALSE(m_tree.isExpanded(indexOf("receiver")));
    EXPECT_TRUE(QDir(path("receiver/My Sketches")).exists());
}
