// Moving the receiver's sketches on a worker thread behind a window-modal progress dialog.
#pragma once

#include "browser/SketchBackup.h"

#include <functional>
#include <memory>

class QWidget;

/// What the window shows while sketches move. Every call comes on the user-interface
/// thread, and the next file waits until the call about the last one has returned.
class SketchMoveProgress
{
public:
    virtual ~SketchMoveProgress() = default;
    /// Before the first file: how many files the move will handle.
    virtual void begin(int fileCount) = 0;
    /// After each file, whether it moved or not.
    virtual void advance(int handled) = 0;
    /// Whether the user asked to stop; the move then ends before the next file.
    virtual bool isCancelled() const = 0;
    /// The move has ended, completed or not.
    virtual void end() = 0;
};

/// A window-modal progress dialog with Cancel over the window; owned by the caller.
std::unique_ptr<SketchMoveProgress> createSketchMoveDialog(QWidget *window);

/// What the window shows during a move: the dialog unless a factory was set.
std::unique_ptr<SketchMoveProgress> createSketchMoveProgress(QWidget *window);

/// Makes createSketchMoveProgress use the factory (tests); an empty one restores the dialog.
void setSketchMoveProgressFactory(
    std::function<std::unique_ptr<SketchMoveProgress>(QWidget *window)> factory);

/// Moves the sketches on a worker thread and returns when the move has ended; the window's
/// events keep running meanwhile. Called on the user-interface thread.
SketchBackupResult moveSketchesInBackground(const QString &source, const QString &backupFolder,
                                            const QStringList &patterns,
                                            SketchMoveProgress &progress);
