// The thumbnail list driven as a user would: paging, stale results, file commands, merge.
#include "BrowserTestSupport.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/ThumbnailItem.h"
#include "document/DocumentGraphicModel.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>

using namespace TestSupport;

namespace {

class ThumbnailListTest : public BrowserFixture
{
protected:
    // Made once the settings are loaded: the list reads them as it is made.
    void SetUp() override
    {
        BrowserFixture::SetUp();
        m_list = std::make_unique<PreviewThumbnailList>();
    }
    // Shows the folder and waits until the page has all its thumbnails.
    void show(const QString &path, int expected)
    {
        m_list->previewEliFiles(QDir(path));
        ASSERT_TRUE(thumbnailsLoaded(*m_list, expected));
    }
    QStringList paths() const
    {
        QStringList result;
        for (int row = 0; row < m_list->count(); ++row)
            result << m_list->thumbnailAt(row)->filePath();
        return result;
    }
    // The sequence a real drag delivers to the view's viewport.
    void dropOnto(const QString &draggedPath, int row)
    {
        const auto mime = thumbnailMime(draggedPath);
        const QPoint at = m_list->visualItemRect(m_list->item(row)).center();
        QDragEnterEvent enter(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_list->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_list->viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_list->viewport(), &drop);
    }

    std::unique_ptr<PreviewThumbnailList> m_list;
};

// Counts the sketches the list let go of.
struct TrackedMetadata : DocumentMetaData
{
    using DocumentMetaData::DocumentMetaData;
    ~TrackedMetadata() override { ++*deleted; }
    int *deleted = nullptr;
};

} // namespace

TEST_F(ThumbnailListTest, FoldersArePagedByFiftyWithAStripForMoreThanOnePage)
{
    QSignalSpy info(m_list.get(), &PreviewThumbnailList::emitSetPagesStripInfo);
    QSignalSpy visible(m_list.get(), &PreviewThumbnailList::emitSetPagesStripVisible);
    show(folder("none"), 0);
    EXPECT_EQ(m_list->pageCount(), 0u);
    ASSERT_FALSE(visible.isEmpty());
    EXPECT_FALSE(visible.last()[0].toBool());
    show(folder("one", 1), 1);
    EXPECT_EQ(m_list->pageCount(), 1u);
    EXPECT_EQ(m_list->currentRow(), 0);
    EXPECT_FALSE(m_list->thumbnailAt(0)->icon().isNull());
    show(folder("fifty", 50), 50);
    EXPECT_EQ(m_list->pageCount(), 1u);
    EXPECT_FALSE(visible.last()[0].toBool());

    const QString many = folder("many", 120);
    show(many, 50);
    EXPECT_EQ(m_list->pageCount(), 3u);
    EXPECT_TRUE(visible.last()[0].toBool());
    EXPECT_EQ(info.last(), (QList<QVariant> {0u, 50u, 120u, true}));
    const QStringList all = listedFiles(many);
    EXPECT_EQ(paths(), all.mid(0, 50));
    m_list->handlePageSelectionClick(3, 1);
    ASSERT_TRUE(thumbnailsLoaded(*m_list, 20));
    EXPECT_EQ(m_list->windowStart(), 100u);
    EXPECT_EQ(m_list->windowEnd(), 150u);
    EXPECT_EQ(info.last(), (QList<QVariant> {100u, 150u, 120u, false}));
    EXPECT_EQ(paths(), all.mid(100));

    show(folder("fiftyone", 51), 50);
    EXPECT_EQ(m_list->pageCount(), 2u);
    m_list->handlePageSelectionClick(2, 1);
    ASSERT_TRUE(thumbnailsLoaded(*m_list, 1));
}

TEST_F(ThumbnailListTest, ResultsOfAnotherPageOrFolderAreDiscarded)
{
    const QString many = folder("many", 60);
    show(many, 50);
    int deleted = 0;
    std::atomic<int> scenesEnded {0};
    std::atomic<int> scenesEndedOnTheWindowsThread {0};
    // An index beyond the page's window, and a file of another folder.
    for (const auto &[file, index] :
         {std::pair {listedFiles(many).at(55), 55u}, {listedFiles(folder("other", 1)).at(0), 3u}}) {
        auto *stale = new TrackedMetadata(file);
        stale->deleted = &deleted;
        ASSERT_TRUE(stale->load());
        QObject::connect(stale->model().get(), &QObject::destroyed, [&] {
            scenesEndedOnTheWindowsThread += QThread::currentThread() == qApp->thread() ? 1 : 0;
            ++scenesEnded;
        });
        m_list->handle_fileDocumentMetaDataReady(stale, index);
    }
    // Discarded sketches are released by later events, never inside the handler, and their
    // scenes are taken apart away from the window.
    EXPECT_EQ(deleted, 0);
    EXPECT_TRUE(waitUntil([&] { return deleted == 2 && scenesEnded == 2; }));
    EXPECT_EQ(scenesEndedOnTheWindowsThread, 0);
    EXPECT_EQ(m_list->count(), 50);
}

TEST_F(ThumbnailListTest, RapidFolderAndPageSwitchesEndOnTheLastChoice)
{
    const QString first = folder("first", 70);
    const QString second = folder("second", 12);
    {
        PreviewThumbnailList list;
        for (int i = 0; i < 25; ++i) {
            list.previewEliFiles(QDir(i % 2 ? first : second));
            if (i % 3 == 0)
                list.handlePageSelectionClick(2, 1);
            settle(i % 4);
        }
        list.previewEliFiles(QDir(second));
        ASSERT_TRUE(thumbnailsLoaded(list, 12));
        for (int row = 0; row < list.count(); ++row)
            EXPECT_TRUE(
                list.thumbnailAt(row)->filePath().startsWith(QDir::toNativeSeparators(second)));
        list.previewEliFiles(QDir(first));
    }
    // Destroyed while loading: nothing may be left behind or crash.
    settle(50);
}

TEST_F(ThumbnailListTest, DeleteAsksAndRemovesTheItem)
{
    show(folder("delete", 3), 3);
    m_list->setCurrentRow(1);
    const QString doomed = m_list->thumbnailAt(1)->filePath();
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    m_list->deleteCurrentFile();
    EXPECT_TRUE(QFile::exists(doomed));
    EXPECT_EQ(m_dialogs->messages.last().text, "Do you want to delete this file?  " + doomed + "?");
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    m_list->deleteCurrentFile();
    EXPECT_FALSE(QFile::exists(doomed));
    EXPECT_EQ(m_list->count(), 2);
    EXPECT_EQ(m_list->currentRow(), 1);
    EXPECT_FALSE(paths().contains(doomed));

    // A file that vanished cannot be deleted: reported, and the item stays.
    const QString gone = m_list->thumbnailAt(0)->filePath();
    QFile::remove(gone);
    m_list->setCurrentRow(0);
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    m_list->deleteCurrentFile();
    EXPECT_EQ(m_dialogs->messages.last().text, "Failed to delete file " + gone);
    EXPECT_EQ(m_list->count(), 2);

    // The Delete key asks the same question, whose default answer destroys nothing.
    m_list->show();
    QApplication::setActiveWindow(m_list.get());
    m_list->setFocus();
    m_list->setCurrentRow(1);
    const QString kept = m_list->thumbnailAt(1)->filePath();
    const int questions = m_dialogs->messages.size();
    m_dialogs->buttonAnswers.clear();
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    EXPECT_EQ(m_dialogs->messages.size(), questions + 1);
    EXPECT_TRUE(QFile::exists(kept));
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    QTest::keyClick(m_list.get(), Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(kept));
}

TEST_F(ThumbnailListTest, CopyAsksBeforeOverwritingAndSkipsItsOwnFolder)
{
    const QString source = folder("copy", 2);
    const QString target = folder("target");
    show(source, 2);
    m_list->setCurrentRow(0);
    m_list->item(0)->setSelected(true);
    const QString copied = QDir::toNativeSeparators(target + "/" + m_list->thumbnailAt(0)->text());
    m_dialogs->pathAnswers = {target};
    m_list->copyFileSlot();
    EXPECT_EQ(m_dialogs->askedTitles.last(), "Open directory for copy");
    ASSERT_TRUE(QFile::exists(copied));
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    writeFile(copied.toStdString(), "older");
    m_dialogs->pathAnswers = {target};
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    m_list->copyFileSlot();
    EXPECT_EQ(m_dialogs->messages.last().text,
              "Are you sure you want to overwrite file  " + copied + "?");
    EXPECT_EQ(readFile(copied.toStdString()), "older");
    m_dialogs->pathAnswers = {target};
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    m_list->copyFileSlot();
    EXPECT_NE(readFile(copied.toStdString()), "older");

    // A copy into the sketch's own folder asks nothing and changes nothing.
    m_dialogs->pathAnswers = {source};
    m_list->copyFileSlot();
    EXPECT_EQ(m_dialogs->messages.size(), 2);
}

TEST_F(ThumbnailListTest, RenameKeepsTheSuffixAndNeverReplacesAFile)
{
    const QString renaming = folder("rename", 2);
    show(renaming, 2);
    m_list->setCurrentRow(0);
    const QString old = m_list->thumbnailAt(0)->filePath();
    QSignalSpy enter(m_list.get(), &PreviewThumbnailList::enableEnterKeyHandling);
    m_dialogs->textAnswers = {QString("tree")};
    m_list->renameFileSlot();
    // The Enter key is held while the question is open.
    EXPECT_EQ(enter.first()[0].toBool(), false);
    EXPECT_EQ(m_list->thumbnailAt(0)->text(), "tree.qpe");
    EXPECT_TRUE(QFile::exists(renaming + "/tree.qpe"));
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(m_list->thumbnailAt(0)->metadata()->path(),
              QDir::toNativeSeparators(renaming + "/tree.qpe"));

    m_dialogs->textAnswers = {QString()};
    m_list->renameFileSlot();
    EXPECT_EQ(m_list->thumbnailAt(0)->text(), "tree.qpe");

    // Onto an existing name: reported, and both files and the item stay as they were.
    m_dialogs->textAnswers = {QFileInfo(m_list->thumbnailAt(1)->filePath()).baseName()};
    m_list->renameFileSlot();
    EXPECT_EQ(m_list->thumbnailAt(0)->text(), "tree.qpe");
    EXPECT_TRUE(QFile::exists(renaming + "/tree.qpe"));
    EXPECT_TRUE(QFile::exists(m_list->thumbnailAt(1)->filePath()));
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("Failed to rename file"));

    // Names that would leave the folder, or that no file system takes, change nothing.
    const QStringList before
        = QDir(renaming + "/..").entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList inside = QDir(renaming).entryList(QDir::Files);
    for (const QString &name : {QString("../escaped"), QString("sub/dir"), QString("back\\slash"),
                                QString("."), QString(".."), QString("   "), QString(300, 'x')}) {
        const int messages = m_dialogs->messages.size();
        m_dialogs->textAnswers = {name};
        m_list->renameFileSlot();
        EXPECT_EQ(m_dialogs->messages.size(), messages + 1) << name.toStdString();
        EXPECT_TRUE(m_dialogs->messages.last().text.contains("Failed to rename file"));
        EXPECT_EQ(m_list->thumbnailAt(0)->text(), "tree.qpe");
    }
    EXPECT_EQ(QDir(renaming).entryList(QDir::Files), inside);
    EXPECT_EQ(QDir(renaming + "/..").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

// Files added or removed behind the window's back appear without F5, and F5 re-reads too.
TEST_F(ThumbnailListTest, TheListFollowsTheFolderOnDisc)
{
    const QString shown = folder("watched", 2);
    show(shown, 2);
    const QString selected = m_list->thumbnailAt(1)->filePath();
    m_list->setCurrentRow(1);
    ASSERT_TRUE(writeSketch(shown + "/s000-new.qpe", 100, 1, 9));
    ASSERT_TRUE(thumbnailsLoaded(*m_list, 3));
    EXPECT_EQ(m_list->currentThumbnail()->filePath(), selected);
    ASSERT_TRUE(QFile::remove(shown + "/s000-new.qpe"));
    ASSERT_TRUE(thumbnailsLoaded(*m_list, 2));

    // The same folder opened again, or reloaded, is listed anew.
    m_list->blockSignals(true);
    ASSERT_TRUE(writeSketch(shown + "/s009.qpe", 100, 1, 10));
    m_list->reloadSameFolder(true);
    ASSERT_TRUE(thumbnailsLoaded(*m_list, 3));
    ASSERT_TRUE(writeSketch(shown + "/s010.qpe", 100, 1, 11));
    show(shown, 4);
    m_list->blockSignals(false);
}

// A folder reached through a link is the same folder: its thumbnails are shown.
TEST_F(ThumbnailListTest, AFolderReachedThroughALinkIsShown)
{
    const QString real = folder("real", 3);
    ASSERT_TRUE(QFile::link(real, path("link")));
    show(real, 3);
    show(path("link"), 3);
    show(path("link") + "/", 3);
    // Natural order: names as a person reads them.
    const QString natural = folder("natural");
    for (const char *name : {"sketch10.qpe", "sketch2.qpe", "Sketch1.qpe"})
        ASSERT_TRUE(writeSketch(natural + "/" + name, 50, 1, 3));
    show(natural, 3);
    QStringList names;
    for (const QString &file : paths())
        names << QFileInfo(file).fileName();
    EXPECT_EQ(names, (QStringList {"Sketch1.qpe", "sketch2.qpe", "sketch10.qpe"}));
}

TEST_F(ThumbnailListTest, DroppingOneSketchOnAnotherMergesThemAfterConfirmation)
{
    m_list->resize(900, 700);
    m_list->show();
    const QString merging = folder("merge");
    ASSERT_TRUE(writeSketch(merging + "/a.qpe", 100, 2, 1));
    ASSERT_TRUE(writeSketch(merging + "/b.qpe", 100, 1, 2));
    show(merging, 2);
    const int rowOfA = m_list->thumbnailAt(0)->text() == "a.qpe" ? 0 : 1;
    const int rowOfB = 1 - rowOfA;
    QSignalSpy saves(m_list.get(), &PreviewThumbnailList::mergeDocSave);

    ASSERT_TRUE(m_list->viewport()->acceptDrops());
    EXPECT_EQ(thumbnailMime(merging + "/a.qpe")->urls(),
              QList<QUrl> {QUrl::fromLocalFile(merging + "/a.qpe")})
        << "a thumbnail dragged out of the window carries its file";
    dropOnto(merging + "/a.qpe", rowOfA);
    EXPECT_TRUE(m_dialogs->messages.isEmpty()) << "a sketch is not merged with itself";

    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    dropOnto(merging + "/a.qpe", rowOfB);
    EXPECT_EQ(saves.count(), 0);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.last().text.startsWith("Are you sure you want to merge \n"));

    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    dropOnto(merging + "/a.qpe", rowOfB);
    ASSERT_EQ(saves.count(), 1);
    const MetadataPtr merged = saves.last()[0].value<MetadataPtr>();
    EXPECT_EQ(merged->path(), QDir::toNativeSeparators(merging + "/a_b.vmr"));
    // The dragged sketch's layers come first.
    const auto layers
        = [&](int row) { return m_list->thumbnailAt(row)->metadata()->document()->elements(); };
    ASSERT_EQ(merged->document()->elements().size(), layers(rowOfA).size() + layers(rowOfB).size());
    EXPECT_EQ(merged->document()->elements().front().elements().size(),
              layers(rowOfA).front().elements().size());

    // An existing merged file is replaced only after a second question.
    writeFile((merging + "/a_b.vmr").toStdString(), "keep");
    m_dialogs->buttonAnswers = {QMessageBox::Ok, QMessageBox::Cancel};
    dropOnto(merging + "/a.qpe", rowOfB);
    EXPECT_EQ(saves.count(), 1);
    EXPECT_TRUE(m_dialogs->messages.last().text.contains("overwrite"));
    EXPECT_EQ(readFile((merging + "/a_b.vmr").toStdString()), "keep");
}

TEST_F(ThumbnailListTest, ZoomResizesInStepsWhileDraggingAndSmoothsAtTheEnd)
{
    show(folder("resize", 2), 2);
    m_list->handleZoomSliderKeyEvent(300, Qt::SmoothTransformation);
    EXPECT_EQ(m_list->iconSize(), QSize(280, 280));
    EXPECT_EQ(m_list->item(0)->sizeHint(), QSize(300, 300));
    m_list->sliderMovedSlot(302);
    EXPECT_EQ(m_list->itemSize(), 300);
    m_list->sliderMovedSlot(320);
    EXPECT_EQ(m_list->itemSize(), 320);
    EXPECT_EQ(m_list->item(1)->sizeHint(), QSize(320, 320));
    EXPECT_EQ(m_list->item(1)->icon().availableSizes().value(0), QSize(300, 300));
}

// Files that cannot be read are shown with their name and the reason, not hidden.
TEST_F(ThumbnailListTest, UnreadableSketchesGetAPlaceholderThatSaysWhy)
{
    const QString damaged = folder("damaged");
    ASSERT_TRUE(writeSketch(damaged + "/Mixed.Qpe", 100, 1, 4));
    writeFile((damaged + "/empty.qpe").toStdString(), "");
    writeFile((damaged + "/notes.qpe").toStdString(), "shopping list: milk, bread");
    std::string noise(5000, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    writeFile((damaged + "/random.qpe").toStdString(), noise);
    show(damaged, 4);
    QStringList tips;
    for (int row = 0; row < m_list->count(); ++row) {
        const ThumbnailItem *item = m_list->thumbnailAt(row);
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
        tips << item->toolTip();
        EXPECT_EQ(item->metadata()->isLoaded(), item->text() == "Mixed.Qpe");
    }
    EXPECT_TRUE(tips.filter("empty.qpe").first().contains("bad packet tag")
                || tips.filter("empty.qpe").first().contains("invalid file descriptor"))
        << tips.join(" | ").toStdString();
    EXPECT_EQ(tips.filter("\n").size(), 3);

    // Opening one says why it cannot be opened.
    QSignalSpy opened(m_list.get(), &PreviewThumbnailList::thumbnailSelectedEx);
    ASSERT_TRUE(m_list->selectFileName("notes.qpe"));
    m_list->editCurrentFileSlot();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_FALSE(opened.first()[0].value<MetadataPtr>()->isLoaded());
}
