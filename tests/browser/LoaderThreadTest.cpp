// The loader thread on real folders of generated pen files: windows, restarts, failures,
// and tearing it down while it reads.
#include "browser/LoaderThread.h"

#include "BrowserTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "ink/PenFileStream.h"
#include "ink/ThreadHandover.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <numeric>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace TestSupport;

namespace {

constexpr int kThumbnailSide = 64;

struct Event
{
    enum Kind { Result, Count, ChunkDone, Finished, Cleared };
    Kind kind;
    qint64 first = 0;
    qint64 second = 0;
    QString path {};

    bool operator==(const Event &other) const
    {
        return kind == other.kind && first == other.first && second == other.second;
    }
    friend void PrintTo(const Event &event, std::ostream *out)
    {
        static const char *names[] = {"result", "count", "chunkDone", "finished", "cleared"};
        *out << names[event.kind] << "(" << event.first << ", " << event.second << ")";
    }
};
using Events = std::vector<Event>;

const auto result = [](qint64 index) { return Event {Event::Result, index}; };
const auto count = [](qint64 files) { return Event {Event::Count, files}; };
const auto chunkDone = [](qint64 size, qint64 next) {
    return Event {Event::ChunkDone, size, next};
};
const Event finished {Event::Finished};
const Event cleared {Event::Cleared};

/// What a window of the given size sends for the files first to end - 1 and how it ends.
Events window(int size, qint64 first, qint64 end, const Event &last)
{
    Events events {count(0), count(size)};
    for (qint64 i = first; i < end; ++i)
        events.push_back(result(i));
    events.push_back(last);
    return events;
}

/// Receives the loader's signals on this (the user-interface) thread as the thumbnail list
/// does, checks each result as it arrives and then destroys it, as its owner.
class Recorder
{
public:
    explicit Recorder(LoaderThread &loader)
    {
        QObject::connect(&loader, &LoaderThread::fileDocumentMetaDataReady, &m_context,
                         [this](DocumentMetaData *metadata, uint index) { take(metadata, index); });
        QObject::connect(&loader, &LoaderThread::filesCountSignal, &m_context,
                         [this](int files) { events.push_back(count(files)); });
        QObject::connect(&loader, &LoaderThread::filesLoadProgressChunkDone, &m_context,
                         [this](uint size, uint next) { events.push_back(chunkDone(size, next)); });
        QObject::connect(&loader, &LoaderThread::loadFilesFinishedSgnl, &m_context,
                         [this] { events.push_back(finished); });
        QObject::connect(&loader, &LoaderThread::clearThumbnailListWidgetSignal, &m_context,
                         [this] { events.push_back(cleared); });
    }

    bool waitFor(const Event &event, int times = 1)
    {
        return waitUntil([&] { return std::count(events.begin(), events.end(), event) >= times; });
    }
    Events eventsAfter(std::size_t start) const
    {
        return {events.begin() + static_cast<std::ptrdiff_t>(start), events.end()};
    }
    std::vector<qint64> resultIndices(std::size_t start = 0) const
    {
        std::vector<qint64> indices;
        for (const Event &event : eventsAfter(start))
            if (event.kind == Event::Result)
                indices.push_back(event.first);
        return indices;
    }

    Events events;
    // Results that came with a scene (the loader must make none), and results with a
    // thumbnail.
    int misplacedModels = 0;
    int withThumbnail = 0;

private:
    void take(DocumentMetaData *metadata, uint index)
    {
        Nivo::acceptHandover(metadata);
        std::unique_ptr<DocumentMetaData> owned(metadata);
        if (metadata->model() || !metadata->isLoaded())
            ++misplacedModels;
        if (metadata->thumbnail().size() == QSize(kThumbnailSide, kThumbnailSide))
            ++withThumbnail;
        events.push_back({Event::Result, index, 0, metadata->path()});
    }

    QObject m_context;
};

class LoaderThreadTest : public BrowserFixture
{
protected:
    std::unique_ptr<LoaderThread> makeLoader()
    {
        auto loader = std::make_unique<LoaderThread>();
        QString filters;
        EXPECT_TRUE(settings().getAttribute("fileformats/extensions", "list", filters));
        loader->setNameFilters(filters);
        loader->setThumbnailSide(kThumbnailSide);
        return loader;
    }
};

} // namespace

TEST_F(LoaderThreadTest, PagesThroughALargeFolderOneWindowAtATimeWithThumbnails)
{
    const QString large = folder("large", 120, 60);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(large), 0, 50, 1);
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 50)));
    settle(200);
    // The loader does not run ahead into the next page, and sleeps rather than ends.
    EXPECT_EQ(recorder.events, window(50, 0, 50, chunkDone(50, 50)));
    EXPECT_TRUE(loader->isRunning());

    std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(large), 50, 100, 1);
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 100)));
    EXPECT_EQ(recorder.eventsAfter(start), window(50, 50, 100, chunkDone(50, 100)));

    // The last page reaches past the end of the list: the loader stops at the last file.
    start = recorder.events.size();
    loader->loadFolder(QDir(large), 100, 150, 1);
    ASSERT_TRUE(recorder.waitFor(finished));
    settle(100);
    EXPECT_EQ(recorder.eventsAfter(start), window(50, 100, 120, finished));
    // Each index names the file at that place of the directory listing, in native form;
    // thumbnails were drawn on the loader thread and the models handed to this one.
    const QStringList files = listedFiles(large);
    for (const Event &event : recorder.events) {
        if (event.kind == Event::Result) {
            EXPECT_EQ(event.path, files.value(static_cast<int>(event.first)));
        }
    }
    EXPECT_EQ(recorder.withThumbnail, 120);
    EXPECT_EQ(recorder.misplacedModels, 0);
}

TEST_F(LoaderThreadTest, SwitchingFoldersStopsTheRunningReadAndLoadsTheNewFolderWhole)
{
    const QString big = folder("slow") + "/big.qpe";
    ASSERT_TRUE(writeSketch(big, 2000000, 2));
    const qint64 bigSize = QFileInfo(big).size();
    const QString quick = folder("quick", 4);
    // The big file's read waits after its first block until someone asks it to stop, so the
    // switch lands mid-read on any machine.
    std::atomic<bool> bigReading {false};
    std::atomic<qint64> bigBytesRead {0};
    Nivo::setFileReadFunction([&](int fd, void *buffer, size_t size, std::int64_t offset,
                                  const std::atomic<bool> *stopRequested) -> long {
        struct stat info
        { };
        const bool isBig = ::fstat(fd, &info) == 0 && info.st_size == bigSize;
        if (isBig && offset > 0) {
            bigReading = true;
            while (stopRequested && !stopRequested->load())
                std::this_thread::yield();
        }
        const long got = ::pread(fd, buffer, size, offset);
        if (isBig && got > 0)
            bigBytesRead += got;
        return got;
    });

    auto loader = makeLoader();
    Recorder recorder(*loader);
    loader->loadFolder(QDir(path("slow")), 0, 1, 1);
    ASSERT_TRUE(waitUntil([&] { return bigReading.load(); }));
    loader->loadFolder(QDir(quick), 0, 4, 1);
    ASSERT_TRUE(recorder.waitFor(finished));
    settle(200);
    Nivo::setFileReadFunction({});

    // The big file sent nothing and its window reported neither completion; the new
    // folder's window came whole.
    EXPECT_EQ(recorder.eventsAfter(2), window(4, 0, 4, finished));
    for (const Event &event : recorder.eventsAfter(4))
        EXPECT_TRUE(event.path.isEmpty() || event.path.startsWith(QDir::toNativeSeparators(quick)));
    EXPECT_LT(bigBytesRead.load(), bigSize / 4);
}

// A disc that fails in the middle of a sketch: the sketch is not shown as if it were whole.
TEST_F(LoaderThreadTest, ASketchWhoseReadFailsIsNotLoadable)
{
    const QStringList files = listedFiles(folder("failing", 3, 20000));
    ASSERT_EQ(files.size(), 3);
    struct stat failingFile
    { };
    ASSERT_EQ(::stat(QFile::encodeName(files[1]).constData(), &failingFile), 0);
    ASSERT_GT(failingFile.st_size, 65536);
    Nivo::setFileReadFunction([&](int fd, void *buffer, size_t size, std::int64_t offset,
                                  const std::atomic<bool> *) -> long {
        struct stat info
        { };
        if (offset > 0 && ::fstat(fd, &info) == 0 && info.st_ino == failingFile.st_ino) {
            errno = EIO;
            return -1;
        }
        return ::pread(fd, buffer, size, offset);
    });
    auto loader = makeLoader();
    Recorder recorder(*loader);
    loader->loadFolder(QDir(path("failing")), 0, 3, 1);
    ASSERT_TRUE(recorder.waitFor(finished));
    settle(100);
    Nivo::setFileReadFunction({});
    EXPECT_EQ(recorder.events, (Events {count(0), count(3), result(0), result(2), finished}));

    DocumentMetaData failing(files[1]);
    Nivo::setFileReadFunction([](int, void *, size_t, std::int64_t, const std::atomic<bool> *) {
        errno = EIO;
        return -1L;
    });
    EXPECT_FALSE(failing.load());
    Nivo::setFileReadFunction({});
    EXPECT_EQ(failing.errorText(),
              "read error at offset 0: " + QString::fromLocal8Bit(std::strerror(EIO)));
}

TEST_F(LoaderThreadTest, SkipsUnreadableAndVanishedFilesButCompletesTheWindow)
{
    const QStringList files = listedFiles(folder("damaged", 5, 20000));
    ASSERT_EQ(files.size(), 5);
    // Index 2 is not a pen file at all; index 4 disappears after the folder was listed.
    writeFile(files[2].toStdString(), std::string(4000, '\x7f'));
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(path("damaged")), 0, 5, 1);
    ASSERT_TRUE(QFile::remove(files[4]));
    ASSERT_TRUE(recorder.waitFor(finished));
    settle(100);
    EXPECT_EQ(recorder.events,
              (Events {count(0), count(5), result(0), result(1), result(3), finished}));
}

TEST_F(LoaderThreadTest, MissingOrEmptyFoldersLoadNothingUntilTheNextLoad)
{
    auto loader = makeLoader();
    Recorder recorder(*loader);
    // A folder that is not there: the request is answered and the thread sleeps.
    loader->loadFolder(QDir(path("never-there")), 0, 50, 1);
    settle(300);
    EXPECT_EQ(recorder.events, (Events {count(0)}));
    EXPECT_TRUE(loader->isRunning());

    // An empty folder: the answer, then the loader's own report, and the thread ends.
    const QString empty = folder("empty");
    loader->loadFolder(QDir(empty), 0, 0, 1);
    ASSERT_TRUE(recorder.waitFor(cleared));
    ASSERT_TRUE(waitUntil([&] { return loader->isFinished(); }));
    EXPECT_EQ(recorder.eventsAfter(1), (Events {count(0), count(0), cleared}));

    // Asking for the same folder once files have arrived starts the thread on a new list.
    ASSERT_TRUE(writeSketch(empty + "/late.qpe", 300));
    std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(empty), 0, 1, 1);
    ASSERT_TRUE(recorder.waitFor(finished));
    EXPECT_EQ(recorder.eventsAfter(start), window(1, 0, 1, finished));

    // The folder goes away while the thread sleeps: asking for it again loads nothing...
    ASSERT_TRUE(QDir(empty).removeRecursively());
    start = recorder.events.size();
    loader->loadFolder(QDir(empty), 0, 1, 1);
    settle(300);
    EXPECT_EQ(recorder.eventsAfter(start), (Events {count(0)}));
    EXPECT_TRUE(loader->isRunning());

    // ...and the next folder is loaded as usual.
    start = recorder.events.size();
    loader->loadFolder(QDir(folder("next", 2)), 0, 2, 1);
    ASSERT_TRUE(recorder.waitFor(finished, 2));
    EXPECT_EQ(recorder.eventsAfter(start), window(2, 0, 2, finished));
}

TEST_F(LoaderThreadTest, RefreshingTheListDuringAWindowTakesEffectAfterIt)
{
    const QString growing = folder("growing", 60, 3000);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(growing), 0, 50, 1);
    ASSERT_TRUE(waitUntil([&] { return !recorder.resultIndices().empty(); }));
    // Files arrive while the window runs; the list is told and must not wait for the window.
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(writeSketch(growing + QString("/late%1.qpe").arg(i), 300));
    loader->refreshFileListKeepingWindow();
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 50)));

    const std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(growing), 50, 100, 1);
    ASSERT_TRUE(recorder.waitFor(finished));
    std::vector<qint64> expected(25);
    std::iota(expected.begin(), expected.end(), 50);
    EXPECT_EQ(recorder.resultIndices(start), expected);

    // The variant with a result resets the window and tells whether files remain.
    EXPECT_TRUE(loader->refreshFileList());
    ASSERT_TRUE(QDir(growing).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(growing));
    EXPECT_FALSE(loader->refreshFileList());
}

TEST_F(LoaderThreadTest, ResultsOfAnAbandonedWindowArriveBeforeTheRestartMarker)
{
    // The thumbnail list clears itself and asks for the same page again while results are
    // on their way. Taking results only while every request has had its count of 0 must
    // give each file of the page exactly once, in order.
    const QString reloaded = folder("reloaded", 60, 20000);
    auto loader = makeLoader();
    Recorder recorder(*loader);
    std::vector<qint64> shown;
    int unanswered = 0;
    std::size_t seen = 0;
    const auto follow = [&] {
        for (; seen < recorder.events.size(); ++seen) {
            const Event &event = recorder.events[seen];
            if (event.kind == Event::Count && event.first == 0 && unanswered > 0)
                --unanswered;
            else if (event.kind == Event::Result && unanswered == 0)
                shown.push_back(event.first);
        }
    };
    const auto request = [&] {
        follow();
        shown.clear();
        ++unanswered;
        loader->loadFolder(QDir(reloaded), 0, 50, 1);
    };

    for (int round = 0; round < 6; ++round) {
        request();
        // Two requests before the first is answered.
        if (round % 2 == 1)
            request();
        const std::size_t before = recorder.resultIndices().size();
        ASSERT_TRUE(waitUntil([&] { return recorder.resultIndices().size() > before + round; }));
        // Results are left waiting in the queue while the next request is made.
        QThread::msleep(static_cast<unsigned long>(20 * round));
    }
    request();
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 50)));
    follow();

    std::vector<qint64> page(50);
    std::iota(page.begin(), page.end(), 0);
    EXPECT_EQ(shown, page);
    EXPECT_EQ(recorder.events.back(), chunkDone(50, 50));
}

TEST_F(LoaderThreadTest, SurvivesRapidSwitchesAndDestructionWhileLoading)
{
    const QString first = QDir::toNativeSeparators(folder("first", 70, 20000));
    const QString second = QDir::toNativeSeparators(folder("second", 30, 20000));
    std::vector<std::unique_ptr<Recorder>> recorders;

    for (int round = 0; round < 5; ++round) {
        auto loader = makeLoader();
        recorders.push_back(std::make_unique<Recorder>(*loader));
        for (int step = 0; step < 25; ++step) {
            const uint page = static_cast<uint>(step % 2);
            loader->loadFolder(QDir((step + round) % 3 ? first : second), page * 50,
                               page * 50 + 50);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(static_cast<unsigned long>(step % 4) * 3);
        }
        ASSERT_TRUE(waitUntil([&] { return !recorders.back()->resultIndices().empty(); }));
        // Destroyed in the middle of a read.
        loader.reset();
    }
    // Results already on their way still arrive and are owned (and destroyed) once.
    settle(500);
    for (const auto &each : recorders) {
        EXPECT_EQ(each->misplacedModels, 0);
        for (const Event &event : each->events) {
            if (event.kind != Event::Result)
                continue;
            const bool inFirst = event.path.startsWith(first + "/");
            EXPECT_TRUE(inFirst || event.path.startsWith(second + "/"));
            EXPECT_LT(event.first, inFirst ? 70 : 30);
        }
    }
}
