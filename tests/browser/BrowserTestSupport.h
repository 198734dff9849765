// Helpers of the browser tests: generated sketch folders and waiting for the event loop.
#pragma once

#include "../document/DocumentTestSupport.h"
#include "browser/LoaderThread.h"
#include "browser/MainWindow.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/SketchDrag.h"
#include "settings/DesktopServices.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <ostream>

/// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

/// The program's compiled-in pictures and style sheet, which a test program must register.
inline void initDraftbayResources()
{
    Q_INIT_RESOURCE(draftbay);
}

namespace TestSupport {

/// Runs the event loop until the condition holds; false when the time ran out (generous for
/// a slow, busy machine: waits end as soon as their condition holds).
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

/// Runs the event loop for a while, for checks that something did not happen.
inline void settle(int ms)
{
    waitUntil([] { return false; }, ms);
}

/// The sketch files of a folder as the browser lists them: by name, as a person reads
/// numbers in names.
inline QStringList listedFiles(const QString &folder)
{
    QStringList files;
    QDirIterator entries(
        folder, {"*.qpe", "*.QPE", "*.eli", "*.ELI", "*.vmr", "*.VMR", "*.inkml", "*.INKML"},
        QDir::Files | QDir::Readable);
    while (entries.hasNext())
        files << QDir::toNativeSeparators(entries.next());
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return isNaturallyBefore(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    });
    return files;
}

/// The drag data of a thumbnail, as the list makes it.
inline std::unique_ptr<QMimeData> thumbnailMime(const QString &path)
{
    return std::unique_ptr<QMimeData>(SketchDrag::mimeFor(path));
}

/// The first action under the object with the text; null when there is none.
inline QAction *actionNamed(const QObject &owner, const QString &text)
{
    for (QAction *action : owner.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

/// A main window whose desktop may or may not have a tray.
class TestWindow : public MainWindow
{
public:
    explicit TestWindow(bool tray = true)
        : m_tray(tray)
    { }
    QAction *action(const QString &text) const { return actionNamed(*this, text); }

protected:
    bool isSystemTrayAvailable() const override { return m_tray; }

private:
    bool m_tray;
};

class BrowserFixture : public SettingsFixture
{
protected:
    /// Waits until the list has loaded its page of count thumbnails.
    static ::testing::AssertionResult thumbnailsLoaded(const PreviewThumbnailList &list, int count)
    {
        if (waitUntil([&] { return !list.isLoading() && list.count() == count; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
            << "items " << list.count() << " of " << count << ", window " << list.windowStart()
            << "-" << list.windowEnd() << " of " << list.fileCount();
    }
    /// A folder of the temporary folder holding count generated sketches (s000.qpe, ...)
    /// of one or two layers.
    QString folder(const QString &name, int count = 0, std::size_t points = 150)
    {
        const QString folder = path(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(
                writeSketch(QStringLiteral("%1/s%2.qpe").arg(folder).arg(i, 3, 10, QChar('0')),
                            points, 1 + i % 2, static_cast<std::uint64_t>(i + 1)));
        return folder;
    }
};

/// Records the files and folders handed to the desktop instead of opening them.
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

} // namespace TestSupport
