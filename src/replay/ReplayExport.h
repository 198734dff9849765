// Writing a sketch's replay as an animated GIF, an animated WebP or an MP4 video.
#pragma once

#include "replay/ReplayFrames.h"
#include "replay/ReplayScene.h"

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class DocumentMetaData;

enum class ReplayFormat { Gif, WebP, Mp4 };

/// The format a file name's suffix names in any case (.gif, .webp, .mp4), if any.
std::optional<ReplayFormat> replayFormatOfPath(const QString &path);
/// Frames a second: 20 for GIF (its delays are hundredths of a second, so a frame is exactly
/// 5 of them, and fewer frames keep the file small), 25 for WebP and MP4.
int replayFramesPerSecond(ReplayFormat format);
/// Frame size for a width: the height follows the page's aspect ratio; MP4 rounds both to
/// even numbers, as its colour format needs.
QSize replayFrameSize(ReplayFormat format, const QSizeF &page, int width);

struct ReplayExportOptions
{
    ReplayTiming timing;
    /// Width of the frames in pixels.
    int width = 800;
    ReplayPen pen;
};

/// Told after every frame: the frames done and all of them. Returning false cancels.
using ReplayProgress = std::function<bool(int done, int total)>;

struct ReplayExportResult
{
    enum class Status { Written, Cancelled, Failed };
    Status status = Status::Failed;
    /// Why it failed, for the user; empty otherwise.
    QString reason;

    bool isWritten() const { return status == Status::Written; }
};

/// Replays a sketch as the player does, ink on white over the whole page, into the file in
/// the format its suffix names. The sketch must be a pressure-rendering copy (its document
/// on the page); it is only read: the frames are drawn from a model of their own. The file
/// is encoded in memory and then written through a temporary file that replaces the target
/// only when complete, so a failed or cancelled export leaves the target as it was and no
/// other file behind. Call on the thread that may make scenes (the user-interface thread).
ReplayExportResult exportReplay(const DocumentMetaData &sketch, const QString &path,
                                const ReplayExportOptions &options,
                                const ReplayProgress &progress = {});
