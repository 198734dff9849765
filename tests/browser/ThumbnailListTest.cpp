// The thumbnail list driven as a user would: paging, stale results, file commands, merge.
#include "BrowserTestSupport.h"
#include "browser/LoaderThread.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/ThumbnailItem.h"

#include <QApplication>
#include <QDataStream>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

using namespace TestSupport;

namespace {

class ThumbnailListTest : public SettingsFixture
{
protected:
    QString folder(const QString &name = QStringLiteral("sketches"))
    {
        const QString path = QString::fromStdString(m_directory.path()) + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    }
    QString fill(const QString &name, int count, int layers = 1)
    {
        const QString path = folder(name);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(
                writeSketch(QStringLiteral("%1/s%2.qpe").arg(path).arg(i, 3, 10, QLatin1Char('0')),
                            120, layers, static_cast<std::uint64_t>(i + 1)));
        return path;
    }
    // Shows the folder and waits until the page has all its thumbnails.
    void show(PreviewThumbnailList &list, const QString &path, int expected)
    {
        list.previewEliFiles(QDir(path));
        ASSERT_TRUE(waitUntil([&] { return !list.isLoading() && list.count() == expected; }))
            << "items " << list.count() << " of " << expected << ", loading " << list.isLoading()
            << ", window " << list.windowStart() << "-" << list.windowEnd() << " of "
            << list.fileCount();
    }
    QStringList paths(const PreviewThumbnailList &list) const
    {
        QStringList result;
        for (int row = 0; row < list.count(); ++row)
            result << list.thumbnailAt(row)->filePath();
        return result;
    }
    void dropOnto(PreviewThumbnailList &list, const QString &draggedPath, int row)
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << draggedPath;
        QMimeData mime;
        mime.setData(QString::fromLatin1(PreviewThumbnailList::kMimeType), bytes);
        // The sequence a real drag delivers to the view's viewport.
        const QPoint at = list.visualItemRect(list.item(row)).center();
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &drop);
    }

    TempDirectory m_directory;
};

} // namespace

TEST_F(ThumbnailListTest, SmallFoldersFitOnePageWithoutAStrip)
{
    PreviewThumbnailList list;
    list.resize(900, 700);
    QSignalSpy visible(&list, &PreviewThumbnailList::emitSetPagesStripVisible);
    show(list, fill("none", 0), 0);
    EXPECT_EQ(list.pageCount(), 0u);
    ASSERT_FALSE(visible.isEmpty());
    EXPECT_FALSE(visible.last()[0].toBool());

    show(list, fill("one", 1, 2), 1);
    EXPECT_EQ(list.pageCount(), 1u);
    const ThumbnailItem *item = list.thumbnailAt(0);
    EXPECT_EQ(item->text(), "s000.qpe");
    EXPECT_EQ(item->toolTip(), "File :s000.qpe");
    EXPECT_EQ(item->background().color(), QColor(166, 173, 176, 255));
    EXPECT_TRUE(item->flags() & Qt::ItemIsDragEnabled);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_FALSE(item->icon().isNull());

    show(list, fill("fifty", 50), 50);
    EXPECT_EQ(list.pageCount(), 1u);
    EXPECT_FALSE(visible.last()[0].toBool());
}

TEST_F(ThumbnailListTest, LargeFoldersArePagedByFifty)
{
    PreviewThumbnailList list;
    QSignalSpy info(&list, &PreviewThumbnailList::emitSetPagesStripInfo);
    QSignalSpy visible(&list, &PreviewThumbnailList::emitSetPagesStripVisible);
    const QString path = fill("many", 120);
    show(list, path, 50);
    EXPECT_EQ(list.pageCount(), 3u);
    EXPECT_TRUE(visible.last()[0].toBool());
    EXPECT_EQ(info.last(), (QList<QVariant> {0u, 50u, 120u, true}));
    const QStringList all = listedFiles(path);
    EXPECT_EQ(paths(list), all.mid(0, 50));

    list.handlePageSelectionClick(3, 1);
    ASSERT_TRUE(waitUntil([&] { return !list.isLoading() && list.count() == 20; }));
    EXPECT_EQ(list.windowStart(), 100u);
    EXPECT_EQ(list.windowEnd(), 150u);
    EXPECT_EQ(info.last(), (QList<QVariant> {100u, 150u, 120u, false}));
    EXPECT_EQ(paths(list), all.mid(100));

    show(list, fill("fiftyone", 51), 50);
    list.handlePageSelectionClick(2, 1);
    ASSERT_TRUE(waitUntil([&] { return !list.isLoading() && list.count() == 1; }));
}

namespace {

// Counts the sketches the list let go of.
class TrackedMetadata : public DocumentMetaData
{
public:
    TrackedMetadata(const QString &path, int *deleted)
        : DocumentMetaData(path)
        , m_deleted(deleted)
    { }
    ~TrackedMetadata() override { ++*m_deleted; }

private:
    int *m_deleted;
};

} // namespace

TEST_F(ThumbnailListTest, ResultsOfAnotherPageOrFolderAreDiscarded)
{
    PreviewThumbnailList list;
    const QString path = fill("many", 60);
    show(list, path, 50);
    int deleted = 0;
    auto *stale = new TrackedMetadata(listedFiles(path).at(55), &deleted);
    ASSERT_TRUE(stale->load());
    list.handle_fileDocumentMetaDataReady(stale, 55);
    // Discarded sketches are released by later events, never inside the handler.
    EXPECT_TRUE(waitUntil([&] { return deleted == 1; }));
    EXPECT_EQ(list.count(), 50);

    const QString other = fill("other", 1);
    auto *elsewhere = new TrackedMetadata(listedFiles(other).at(0), &deleted);
    ASSERT_TRUE(elsewhere->load());
    list.handle_fileDocumentMetaDataReady(elsewhere, 3);
    EXPECT_TRUE(waitUntil([&] { return deleted == 2; }));
    EXPECT_EQ(list.count(), 50);
}

TEST_F(ThumbnailListTest, RapidFolderAndPageSwitchesEndOnTheLastChoice)
{
    const QString first = fill("first", 70);
    const QString second = fill("second", 12);
    {
        PreviewThumbnailList list;
        for (int i = 0; i < 25; ++i) {
            list.previewEliFiles(QDir(i % 2 ? first : second));
            if (i % 3 == 0)
                list.handlePageSelectionClick(2, 1);
            settle(i % 4);
        }
        show(list, second, 12);
        for (const QString &file : paths(list))
            EXPECT_TRUE(file.startsWith(QDir::toNativeSeparators(second)));
        list.previewEliFiles(QDir(first));
    }
    // Destroyed while loading: nothing may be left behind or crash.
    settle(50);
}

TEST_F(ThumbnailListTest, DeleteAsksAndRemovesTheItem)
{
    PreviewThumbnailList list;
    const QString path = fill("delete", 3);
    show(list, path, 3);
    list.setCurrentRow(1);
    const QString doomed = list.thumbnailAt(1)->filePath();
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    list.deleteCurrentFile();
    EXPECT_TRUE(QFile::exists(doomed));
    EXPECT_EQ(m_dialogs->messages.last().text, "Do you want to delete this file?  " + doomed + "?");
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    list.deleteCurrentFile();
    EXPECT_FALSE(QFile::exists(doomed));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_FALSE(paths(list).contains(doomed));

    // A file that vanished cannot be deleted: reported, and the item stays.
    const QString gone = list.thumbnailAt(0)->filePath();
    QFile::remove(gone);
    list.setCurrentRow(0);
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    list.deleteCurrentFile();
    EXPECT_EQ(m_dialogs->messages.last().text, "Failed to delete file" + gone);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(ThumbnailListTest, CopyAsksBeforeOverwritingAndSkipsItsOwnFolder)
{
    PreviewThumbnailList list;
    const QString path = fill("copy", 2);
    const QString target = folder("target");
    show(list, path, 2);
    list.setCurrentRow(0);
    list.item(0)->setSelected(true);
    const QString name = list.thumbnailAt(0)->text();
    m_dialogs->pathAnswers = {target};
    list.copyFileSlot();
    EXPECT_EQ(m_dialogs->askedTitles.last(), "Open directory for copy");
    ASSERT_TRUE(QFile::exists(target + "/" + name));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    TestSupport::writeFile((target + "/" + name).toStdString(), "older");
    m_dialogs->pathAnswers = {target};
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    list.copyFileSlot();
    EXPECT_EQ(m_dialogs->messages.last().text,
              "Are you sure you want to overwrite file  "
                  + QDir::toNativeSeparators(target + "/" + name) + "?");
    EXPECT_EQ(TestSupport::readFile((target + "/" + name).toStdString()), "older");
    m_dialogs->pathAnswers = {target};
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    list.copyFileSlot();
    EXPECT_NE(TestSupport::readFile((target + "/" + name).toStdString()), "older");

    const int questions = m_dialogs->messages.size();
    m_dialogs->pathAnswers = {path};
    list.copyFileSlot();
    EXPECT_EQ(m_dialogs->messages.size(), questions);
}

TEST_F(ThumbnailListTest, RenameKeepsTheSuffixAndNeverReplacesAFile)
{
    PreviewThumbnailList list;
    const QString path = fill("rename", 2);
    show(list, path, 2);
    list.setCurrentRow(0);
    const QString old = list.thumbnailAt(0)->filePath();
    QSignalSpy enter(&list, &PreviewThumbnailList::enableEnterKeyHandling);
    m_dialogs->textAnswers = {QString("tree")};
    list.renameFileSlot();
    EXPECT_EQ(enter.first()[0].toBool(), false);
    EXPECT_EQ(list.thumbnailAt(0)->text(), "tree.qpe");
    EXPECT_TRUE(QFile::exists(path + "/tree.qpe"));
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(list.thumbnailAt(0)->metadata()->path(),
              QDir::toNativeSeparators(path + "/tree.qpe"));

    m_dialogs->textAnswers = {QString()};
    list.renameFileSlot();
    EXPECT_EQ(list.thumbnailAt(0)->text(), "tree.qpe");

    const QString other = QFileInfo(list.thumbnailAt(1)->filePath()).baseName();
    m_dialogs->textAnswers = {other};
    list.renameFileSlot();
    EXPECT_EQ(list.thumbnailAt(0)->text(), "tree.qpe");
    EXPECT_TRUE(QFile::exists(path + "/tree.qpe"));
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("Failed to rename file"));
}

TEST_F(ThumbnailListTest, DroppingOneSketchOnAnotherMergesThemAfterConfirmation)
{
    PreviewThumbnailList list;
    list.resize(900, 700);
    list.show();
    const QString path = folder("merge");
    ASSERT_TRUE(writeSketch(path + "/a.qpe", 100, 2, 1));
    ASSERT_TRUE(writeSketch(path + "/b.qpe", 100, 1, 2));
    show(list, path, 2);
    const int rowOfA = list.thumbnailAt(0)->text() == "a.qpe" ? 0 : 1;
    const int rowOfB = 1 - rowOfA;
    QSignalSpy saves(&list, &PreviewThumbnailList::mergeDocSave);

    ASSERT_TRUE(list.viewport()->acceptDrops());
    dropOnto(list, path + "/a.qpe", rowOfA);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    dropOnto(list, path + "/a.qpe", rowOfB);
    EXPECT_EQ(saves.count(), 0);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.last().text.startsWith("Are you sure you want to merge \n"));

    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    dropOnto(list, path + "/a.qpe", rowOfB);
    ASSERT_EQ(saves.count(), 1);
    const MetadataPtr merged = saves.last()[0].value<MetadataPtr>();
    EXPECT_EQ(merged->path(), QDir::toNativeSeparators(path + "/a_b.vmr"));
    EXPECT_EQ(merged->document()->elements().size(),
              list.thumbnailAt(0)->metadata()->document()->elements().size()
                  + list.thumbnailAt(1)->metadata()->document()->elements().size());
    // The dragged sketch's layers come first.
    EXPECT_EQ(
        merged->document()->elements().front().elements().size(),
        list.thumbnailAt(rowOfA)->metadata()->document()->elements().front().elements().size());

    // An existing merged file is replaced only after a second question.
    TestSupport::writeFile((path + "/a_b.vmr").toStdString(), "keep");
    m_dialogs->buttonAnswers = {QMessageBox::Ok, QMessageBox::Cancel};
    dropOnto(list, path + "/a.qpe", rowOfB);
    EXPECT_EQ(saves.count(), 1);
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("overwrite"));
}

TEST_F(ThumbnailListTest, ResizingFollowsTheSliderInStepsAndSmoothsAtTheEnd)
{
    PreviewThumbnailList list;
    show(list, fill("resize", 2), 2);
    list.handleZoomSliderKeyEvent(300, Qt::SmoothTransformation);
    EXPECT_EQ(list.iconSize(), QSize(280, 280));
    EXPECT_EQ(list.item(0)->sizeHint(), QSize(300, 300));
    list.sliderMovedSlot(302);
    EXPECT_EQ(list.itemSize(), 300);
    list.sliderMovedSlot(320);
    EXPECT_EQ(list.itemSize(), 320);
    EXPECT_EQ(list.item(1)->sizeHint(), QSize(320, 320));
    EXPECT_EQ(list.item(1)->icon().availableSizes().value(0), QSize(300, 300));
}

TEST_F(ThumbnailListTest, NavigationAndDoubleClickOpenTheCurrentSketch)
{
    PreviewThumbnailList list;
    show(list, fill("navigate", 3), 3);
    QSignalSpy opened(&list, &PreviewThumbnailList::thumbnailSelectedEx);
    QSignalSpy canForward(&list, &PreviewThumbnailList::canEnableForwardButton);
    list.setCurrentRow(0);
    list.navigateForward();
    EXPECT_EQ(list.currentRow(), 1);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.last()[0].value<MetadataPtr>()->path(), list.thumbnailAt(1)->filePath());
    list.navigateForward();
    EXPECT_FALSE(canForward.last()[0].toBool());
    list.navigateForward();
    EXPECT_EQ(list.currentRow(), 2);
    list.navigateBackward();
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(opened.count(), 4);
}

TEST_F(ThumbnailListTest, ContextMenuOffersTheFileCommands)
{
    PreviewThumbnailList list;
    QStringList texts;
    for (QAction *action : list.contextMenu()->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    EXPECT_EQ(texts,
              (QStringList {"&Edit Layers", "&Delete", "&Copy to...", "&Rename...",
                            "&Open file location...", "&Save Document as...",
                            "&Save as Different Format"}));
}
