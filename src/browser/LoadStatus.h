// What the status bar shows while a folder's sketches load: the bar, the cursor, the sizes.
#pragma once

#include <QList>

class QProgressBar;
class QStatusBar;
class QWidget;

/// Drives the progress bar, the busy cursor and the enabling of the thumbnail size controls
/// from the loader's progress. Owns none of the widgets; runs on the user-interface thread.
class LoadStatus
{
public:
    LoadStatus(QStatusBar *statusBar, QProgressBar *bar, QList<QWidget *> sizeControls);
    ~LoadStatus();
    LoadStatus(const LoadStatus &) = delete;
    LoadStatus &operator=(const LoadStatus &) = delete;

    /// A window of count sketches starts loading.
    void started(int count);
    /// One sketch of the window arrived.
    void stepped();
    /// Loading ended; the size controls come back when sizesAvailable.
    void finished(bool sizesAvailable);
    void setSizeControlsEnabled(bool enabled);

private:
    QStatusBar *m_statusBar;
    QProgressBar *m_bar;
    QList<QWidget *> m_sizeControls;
    bool m_busyCursor = false;
};
