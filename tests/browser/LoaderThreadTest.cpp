// The loader thread on real folders of generated pen files: windows, restarts, failures,
// and tearing it down while it reads.
#include "browser/LoaderThread.h"

#include "BrowserTestSupport.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "ink/DocumentSerializer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <memory>
#include <numeric>
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
    QString path;

    bool operator==(const Event &other) const
    {
        return kind == other.kind && first == other.first && second == other.second;
    }
};

Event result(uint index)
{
    return {Event::Result, index, 0, {}};
}
Event count(int files)
{
    return {Event::Count, files, 0, {}};
}
Event chunkDone(uint processed, uint next)
{
    return {Event::ChunkDone, processed, next, {}};
}
Event finished()
{
    return {Event::Finished, 0, 0, {}};
}
Event cleared()
{
    return {Event::Cleared, 0, 0, {}};
}

void PrintTo(const Event &event, std::ostream *out)
{
    static const char *names[] = {"result", "count", "chunkDone", "finished", "cleared"};
    *out << names[event.kind] << "(" << event.first << ", " << event.second << ")";
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
        QObject::connect(
            &loader, &LoaderThread::filesLoadProgressChunkDone, &m_context,
            [this](uint processed, uint next) { events.push_back(chunkDone(processed, next)); });
        QObject::connect(&loader, &LoaderThread::loadFilesFinishedSgnl, &m_context,
                         [this] { events.push_back(finished()); });
        QObject::connect(&loader, &LoaderThread::clearThumbnailListWidgetSignal, &m_context,
                         [this] { events.push_back(cleared()); });
    }

    bool waitFor(const Event &event)
    {
        return waitUntil(
            [&] { return std::find(events.begin(), events.end(), event) != events.end(); });
    }
    int countOf(Event::Kind kind) const
    {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [&](const Event &e) { return e.kind == kind; }));
    }
    std::vector<Event> eventsAfter(std::size_t start) const
    {
        return {events.begin() + static_cast<std::ptrdiff_t>(start), events.end()};
    }
    /// Result indices in arrival order, from the given event on.
    std::vector<qint64> resultIndices(std::size_t start = 0) const
    {
        std::vector<qint64> indices;
        for (std::size_t i = start; i < events.size(); ++i)
            if (events[i].kind == Event::Result)
                indices.push_back(events[i].first);
        return indices;
    }

    std::vector<Event> events;
    // Results whose model was not handed to this thread or whose thumbnail is missing.
    int misplacedModels = 0;
    int missingThumbnails = 0;
    int withThumbnail = 0;

private:
    void take(DocumentMetaData *metadata, uint index)
    {
        std::unique_ptr<DocumentMetaData> owned(metadata);
        if (!metadata->model() || metadata->model()->thread() != QThread::currentThread())
            ++misplacedModels;
        if (metadata->thumbnail().isNull())
            ++missingThumbnails;
        else if (metadata->thumbnail().size() == QSize(kThumbnailSide, kThumbnailSide))
            ++withThumbnail;
        events.push_back({Event::Result, index, 0, metadata->path()});
    }

    QObject m_context;
};

class LoaderThreadTest : public SettingsFixture
{
protected:
    /// A folder (made below the test's temporary folder) of count generated sketches.
    QString makeFolder(const QString &name, int count, std::size_t points = 300,
                       const QString &suffix = "qpe")
    {
        const QString folder = QString::fromStdString(m_root.path()) + "/" + name;
        EXPECT_TRUE(QDir().mkpath(folder));
        for (int i = 0; i < count; ++i) {
            const QString file
                = folder + QString("/sketch%1.%2").arg(i, 3, 10, QChar('0')).arg(suffix);
            EXPECT_TRUE(writeSketch(file, points, 1 + i % 2, static_cast<std::uint64_t>(i + 1)));
        }
        return folder;
    }

    std::unique_ptr<LoaderThread> makeLoader(int thumbnailSide = kThumbnailSide)
    {
        auto loader = std::make_unique<LoaderThread>();
        QString filters;
        EXPECT_TRUE(settings().getAttribute("fileformats/extensions", "list", filters));
        loader->setNameFilters(filters);
        loader->setThumbnailSide(thumbnailSide);
        return loader;
    }

    TempDirectory m_root;
};

} // namespace

TEST_F(LoaderThreadTest, LoadsASmallFolderInOneWindow)
{
    const QString folder = makeFolder("three", 3);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, 3, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    settle(100);

    EXPECT_EQ(
        recorder.events,
        (std::vector<Event> {count(0), count(3), result(0), result(1), result(2), finished()}));
    // Each index names the file at that place of the directory listing, in native form.
    const QStringList files = listedFiles(folder);
    for (const Event &event : recorder.events) {
        if (event.kind == Event::Result) {
            EXPECT_EQ(event.path, files.value(static_cast<int>(event.first)));
        }
    }
    EXPECT_EQ(recorder.misplacedModels, 0);
    EXPECT_EQ(recorder.withThumbnail, 3);
    // Between windows the thread sleeps rather than ends.
    EXPECT_TRUE(loader->isRunning());
}

TEST_F(LoaderThreadTest, RendersNoThumbnailsWhenNoSideIsSet)
{
    const QString folder = makeFolder("plain", 2);
    auto loader = makeLoader(0);
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, 2, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    EXPECT_EQ(recorder.resultIndices(), (std::vector<qint64> {0, 1}));
    EXPECT_EQ(recorder.missingThumbnails, 2);
    EXPECT_EQ(recorder.misplacedModels, 0);
}

TEST_F(LoaderThreadTest, PagesThroughALargeFolderOneWindowAtATime)
{
    const QString folder = makeFolder("large", 120, 60);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, 50, 1);
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 50)));
    settle(200);
    std::vector<Event> expected {count(0), count(50)};
    for (uint i = 0; i < 50; ++i)
        expected.push_back(result(i));
    expected.push_back(chunkDone(50, 50));
    // The loader does not run ahead into the next page.
    EXPECT_EQ(recorder.events, expected);

    std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(folder), 50, 100, 1);
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 100)));
    expected = {count(0), count(50)};
    for (uint i = 50; i < 100; ++i)
        expected.push_back(result(i));
    expected.push_back(chunkDone(50, 100));
    EXPECT_EQ(recorder.eventsAfter(start), expected);

    // The last page reaches past the end of the list: the loader stops at the last file.
    start = recorder.events.size();
    loader->loadFolder(QDir(folder), 100, 150, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    settle(100);
    expected = {count(0), count(50)};
    for (uint i = 100; i < 120; ++i)
        expected.push_back(result(i));
    expected.push_back(finished());
    EXPECT_EQ(recorder.eventsAfter(start), expected);

    QSet<QString> paths;
    for (const Event &event : recorder.events)
        paths.insert(event.path);
    paths.remove(QString());
    EXPECT_EQ(paths.size(), 120);
    EXPECT_EQ(recorder.misplacedModels, 0);
}

TEST_F(LoaderThreadTest, SwitchingPagesStopsTheRunningRead)
{
    // Index 0 takes long to read; the other page is quick.
    const QString folder = QString::fromStdString(m_root.path()) + "/mixed";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(writeSketch(folder + QString("/s%1.qpe").arg(i), 200, 1, i + 1));
    const QString big = folder + "/big.qpe";
    ASSERT_TRUE(writeSketch(big, 2000000, 2));
    const QStringList files = listedFiles(folder);
    const int bigIndex = static_cast<int>(files.indexOf(QDir::toNativeSeparators(big)));
    ASSERT_GE(bigIndex, 0);

    // How long the big file takes to read when nobody stops it.
    QElapsedTimer clock;
    clock.start();
    {
        DocumentMetaData whole(big);
        ASSERT_TRUE(whole.load());
    }
    const qint64 wholeReadMs = clock.elapsed();

    auto loader = makeLoader();
    Recorder recorder(*loader);
    // A window of the big file alone, then a window of a quick one while it is read.
    loader->loadFolder(QDir(folder), static_cast<uint>(bigIndex), static_cast<uint>(bigIndex) + 1,
                       1);
    ASSERT_TRUE(recorder.waitFor(count(1)));
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(wholeReadMs / 4, 300)));
    const uint other = bigIndex == 0 ? 1 : 0;
    clock.restart();
    const std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(folder), other, other + 1, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Result) == 1; }));
    const qint64 switchMs = clock.elapsed();
    settle(200);

    // The big file sent nothing and its window reported neither completion.
    EXPECT_EQ(recorder.eventsAfter(start),
              (std::vector<Event> {count(0), count(1), result(other), chunkDone(1, other + 1)}));
    EXPECT_EQ(recorder.resultIndices(), (std::vector<qint64> {other}));
    // Waiting for the rest of the big read would have taken most of its whole read time.
    EXPECT_LT(switchMs, wholeReadMs / 2) << "whole read " << wholeReadMs << " ms";
}

TEST_F(LoaderThreadTest, SwitchingFoldersMidWindowStartsTheNewFolder)
{
    const QString slow = makeFolder("slow", 6, 150000);
    const QString quick = makeFolder("quick", 4);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(slow), 0, 6, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Result) >= 1; }));
    const std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(quick), 0, 4, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    settle(300);

    // Results of the old folder still on their way come before the answer to the switch;
    // after it comes the new folder's window alone, complete.
    const std::vector<Event> after = recorder.eventsAfter(start);
    const auto answer = std::find(after.begin(), after.end(), count(0));
    ASSERT_NE(answer, after.end());
    for (auto event = after.begin(); event != answer; ++event) {
        EXPECT_EQ(event->kind, Event::Result);
        EXPECT_TRUE(event->path.startsWith(QDir::toNativeSeparators(slow) + "/"));
    }
    EXPECT_EQ(
        std::vector<Event>(answer + 1, after.end()),
        (std::vector<Event> {count(4), result(0), result(1), result(2), result(3), finished()}));
    for (auto event = answer + 1; event != after.end(); ++event)
        EXPECT_TRUE(event->path.isEmpty()
                    || event->path.startsWith(QDir::toNativeSeparators(quick) + "/"));
    EXPECT_EQ(recorder.countOf(Event::ChunkDone), 0) << "the slow window was not completed";
}

TEST_F(LoaderThreadTest, SkipsUnreadableAndVanishedFilesButCompletesTheWindow)
{
    const QString folder = makeFolder("damaged", 5, 20000);
    const QStringList files = listedFiles(folder);
    ASSERT_EQ(files.size(), 5);
    // Index 2 is not a pen file at all; index 4 disappears after the folder was listed.
    writeFile(files[2].toStdString(), std::string(4000, '\x7f'));
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, 5, 1);
    ASSERT_TRUE(QFile::remove(files[4]));
    ASSERT_TRUE(recorder.waitFor(finished()));
    settle(100);

    EXPECT_EQ(
        recorder.events,
        (std::vector<Event> {count(0), count(5), result(0), result(1), result(3), finished()}));
}

TEST_F(LoaderThreadTest, EmptyFolderClearsTheListAndEndsTheThread)
{
    const QString empty = makeFolder("empty", 0);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(empty), 0, 0, 1);
    ASSERT_TRUE(recorder.waitFor(cleared()));
    ASSERT_TRUE(waitUntil([&] { return loader->isFinished(); }));
    // The answer to the request, then the loader's own report of an empty folder.
    EXPECT_EQ(recorder.events, (std::vector<Event> {count(0), count(0), cleared()}));

    // A later folder starts the thread again.
    const QString two = makeFolder("two", 2);
    loader->loadFolder(QDir(two), 0, 2, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    EXPECT_EQ(recorder.resultIndices(), (std::vector<qint64> {0, 1}));

    // So does the same folder once files have arrived in it: it is listed anew.
    loader->loadFolder(QDir(empty), 0, 0, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Cleared) == 2; }));
    ASSERT_TRUE(waitUntil([&] { return loader->isFinished(); }));
    ASSERT_TRUE(writeSketch(empty + "/late.qpe", 300));
    const std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(empty), 0, 1, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Finished) == 2; }));
    EXPECT_EQ(recorder.eventsAfter(start),
              (std::vector<Event> {count(0), count(1), result(0), finished()}));
}

TEST_F(LoaderThreadTest, VanishedFolderSleepsUntilTheNextLoad)
{
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(QString::fromStdString(m_root.path()) + "/never-there"), 0, 50, 1);
    settle(300);
    EXPECT_EQ(recorder.events, (std::vector<Event> {count(0)}));
    EXPECT_TRUE(loader->isRunning());

    const QString folder = makeFolder("gone-later", 3);
    loader->loadFolder(QDir(folder), 0, 3, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    EXPECT_EQ(recorder.resultIndices(), (std::vector<qint64> {0, 1, 2}));

    // The folder goes away while the thread sleeps: asking for it again loads nothing...
    ASSERT_TRUE(QDir(folder).removeRecursively());
    std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(folder), 0, 3, 1);
    settle(300);
    EXPECT_EQ(recorder.eventsAfter(start), (std::vector<Event> {count(0)}));
    EXPECT_TRUE(loader->isRunning());

    // ...and the next folder is loaded as usual.
    const QString next = makeFolder("next", 2);
    start = recorder.events.size();
    loader->loadFolder(QDir(next), 0, 2, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Finished) == 2; }));
    EXPECT_EQ(recorder.eventsAfter(start),
              (std::vector<Event> {count(0), count(2), result(0), result(1), finished()}));
}

TEST_F(LoaderThreadTest, LoadsOnlyTheExactSuffixForms)
{
    const QString folder = makeFolder("suffixes", 0);
    ASSERT_TRUE(writeSketch(folder + "/pen.qpe", 300));
    ASSERT_TRUE(writeSketch(folder + "/pen.ELI", 300));
    ASSERT_TRUE(writeSketch(folder + "/pen.Qpe", 300));
    {
        // A real saved document, under an accepted and under a mixed-case name.
        DocumentMetaData pen(folder + "/pen.qpe");
        ASSERT_TRUE(pen.load());
        Nivo::Document copy = *pen.document();
        ASSERT_TRUE(Nivo::DocumentSerializer(&copy).saveFileNarrow(
            (folder + "/saved.vmr").toStdString(), Nivo::DefaultInkMLDefinitions()));
        ASSERT_TRUE(QFile::copy(folder + "/saved.vmr", folder + "/saved.Inkml"));
    }
    const QStringList files = listedFiles(folder);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, static_cast<uint>(files.size()), 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    settle(100);

    QStringList loaded;
    for (const Event &event : recorder.events) {
        if (event.kind == Event::Result)
            loaded << QFileInfo(event.path).fileName();
    }
    loaded.sort();
    EXPECT_EQ(loaded, (QStringList {"pen.ELI", "pen.qpe", "saved.vmr"}));
}

TEST_F(LoaderThreadTest, RefreshingTheListDuringAWindowTakesEffectAfterIt)
{
    const QString folder = makeFolder("growing", 60, 3000);
    auto loader = makeLoader();
    Recorder recorder(*loader);

    loader->loadFolder(QDir(folder), 0, 50, 1);
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Result) >= 1; }));
    // Files arrive while the window runs; the list is told and must not wait for the window.
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(writeSketch(folder + QString("/late%1.qpe").arg(i), 300));
    loader->refreshFileListKeepingWindow();
    ASSERT_TRUE(recorder.waitFor(chunkDone(50, 50)));

    const std::size_t start = recorder.events.size();
    loader->loadFolder(QDir(folder), 50, 100, 1);
    ASSERT_TRUE(recorder.waitFor(finished()));
    std::vector<qint64> expected;
    for (qint64 i = 50; i < 75; ++i)
        expected.push_back(i);
    EXPECT_EQ(recorder.resultIndices(start), expected);

    // The variant with a result resets the window and tells whether files remain.
    EXPECT_TRUE(loader->refreshFileList());
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(loader->refreshFileList());
}

TEST_F(LoaderThreadTest, ResultsOfAnAbandonedWindowArriveBeforeTheRestartMarker)
{
    // The thumbnail list clears itself and asks for the same page again while results are
    // on their way. Taking results only while every request has had its count of 0 must
    // give each file of the page exactly once, in order.
    const QString folder = makeFolder("reloaded", 60, 20000);
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
        loader->loadFolder(QDir(folder), 0, 50, 1);
    };

    for (int round = 0; round < 6; ++round) {
        request();
        // Two requests before the first is answered.
        if (round % 2 == 1)
            request();
        const int before = recorder.countOf(Event::Result);
        ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::Result) > before + round; }));
        // Results are left waiting in the queue while the next request is made.
        QThread::msleep(static_cast<unsigned long>(20 * round));
    }
    request();
    ASSERT_TRUE(waitUntil([&] { return recorder.countOf(Event::ChunkDone) == 1; }));
    follow();

    std::vector<qint64> page(50);
    std::iota(page.begin(), page.end(), 0);
    EXPECT_EQ(shown, page);
    EXPECT_EQ(recorder.events.back(), chunkDone(50, 50));
}

TEST_F(LoaderThreadTest, SurvivesRapidSwitchesAndDestructionWhileLoading)
{
    const QString first = makeFolder("first", 70, 20000);
    const QString second = makeFolder("second", 30, 20000);
    std::vector<std::unique_ptr<Recorder>> recorders;

    for (int round = 0; round < 5; ++round) {
        auto loader = makeLoader();
        recorders.push_back(std::make_unique<Recorder>(*loader));
        Recorder *recorder = recorders.back().get();
        for (int step = 0; step < 25; ++step) {
            const bool firstFolder = (step + round) % 3 != 0;
            const uint page = static_cast<uint>(step % 2);
            loader->loadFolder(QDir(firstFolder ? first : second), page * 50, page * 50 + 50, 1);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(static_cast<unsigned long>(step % 4) * 3);
        }
        ASSERT_TRUE(waitUntil([&] { return recorder->countOf(Event::Result) > 0; }));
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
            const bool inFirst = event.path.startsWith(QDir::toNativeSeparators(first) + "/");
            EXPECT_TRUE(inFirst || event.path.startsWith(QDir::toNativeSeparators(second) + "/"));
            EXPECT_LT(event.first, inFirst ? 70 : 30);
        }
    }
}
