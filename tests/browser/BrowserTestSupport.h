// Helpers of the browser tests: generated sketch folders and waiting for the event loop.
#pragma once

#include "../document/DocumentTestSupport.h"
#include "SketchGenerator.h"
#include "TempDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <ostream>

/// Readable texts in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace TestSupport {

/// Generous for a slow, busy machine: waits end as soon as their condition holds.
constexpr int kPatienceMs = 20000;

/// Runs the event loop until the condition holds; false when the time ran out.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = kPatienceMs)
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
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

/// Writes a generated pen file of the given size; false when it could not be written.
inline bool writeSketch(const QString &path, std::size_t points, int layers = 1,
                        std::uint64_t seed = 1)
{
    Synth::SketchOptions options;
    options.points = points;
    options.layers = layers;
    options.seed = seed;
    return Synth::writeBytes(path.toStdString(),
                             Synth::encodePenFile(Synth::generateSketch(options)));
}

/// The sketch files of a folder as the browser lists them, in the order the directory
/// gives them.
inline QStringList listedFiles(const QString &folder)
{
    QStringList files;
    QDirIterator entries(
        folder, {"*.qpe", "*.QPE", "*.eli", "*.ELI", "*.vmr", "*.VMR", "*.inkml", "*.INKML"},
        QDir::Files | QDir::Readable);
    while (entries.hasNext())
        files << QDir::toNativeSeparators(entries.next());
    return files;
}

} // namespace TestSupport
