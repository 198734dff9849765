// The receiver's "move my sketches to the computer" command, from question to report.
#pragma once

#include <QObject>

class QDir;
class QWidget;
class ApplSettings;
class PreviewThumbnailList;

/// Asks for the destination, moves the receiver's sketches into a dated backup folder there
/// on a worker thread behind a progress dialog, and reports the files that stayed. The list
/// neither loads nor watches while files leave the folder, and shows the folder anew after.
/// Lives on the user-interface thread.
class SketchBackupController : public QObject
{
    Q_OBJECT

public:
    SketchBackupController(QWidget *window, PreviewThumbnailList *list, ApplSettings *settings);

    /// Returns when the move has ended or the user declined; the window's events run
    /// meanwhile.
    void moveToComputer(const QDir &source);

private:
    QWidget *m_window;
    PreviewThumbnailList *m_list;
    ApplSettings *m_settings;
};
