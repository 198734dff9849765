// The stroke player: replays a sketch stroke by stroke, at a fixed pace or as it was drawn.
#pragma once

#include "document/DocumentMetaData.h"
#include "replay/ReplayScene.h"
#include "replay/ReplaySchedule.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class QTimeLine;
class ZoomingGraphicsView;

namespace Ui {
class PlayerDocument;
}

/// Shows the first strokes of a sketch, layer by layer in document order, and adds the others
/// one after another: at a fixed time per stroke, or replaying as drawn, point by point with
/// the pen's own timing. Frames come from a QTimeLine (timeLine()), whose clock tests may
/// drive directly.
class PlayerDocument : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimePerStrokeMs = 200;

    explicit PlayerDocument(QWidget *parent = nullptr);
    ~PlayerDocument() override;

    /// Replays the document, from no stroke shown. The document must be the player's own
    /// pressure-rendering copy: the player hides its page, colours and hides its strokes and
    /// clears its scene on reset(). False, and nothing changes, when there is no document or
    /// no model.
    [[nodiscard]] bool setDocument(const MetadataPtr &metadata);
    /// Stops, deletes the scene's items and lets go of the document; zoom, pace and replay
    /// mode go back to their defaults.
    void reset();

    const MetadataPtr &document() const { return m_metadata; }
    QString filePath() const { return m_filePath; }
    /// Stroke items of the document (N); positions run from 0 to N.
    int strokeCount() const { return m_strokeCount; }
    /// Strokes shown completely.
    int position() const { return m_replay ? m_replay->shownStrokes() : 0; }
    int timePerStrokeMs() const { return m_timePerStrokeMs; }
    bool isPlaying() const { return m_playing; }
    double fitScale() const { return m_fitScale; }
    /// Replay time of the as-drawn mode, in milliseconds from the first point.
    std::int64_t replayTimeMs() const { return m_replayTimeMs; }
    /// The points drawn so far of the stroke being drawn as drawn; 0 between strokes.
    int partialPoints() const;
    bool replaysAsDrawn() const { return m_asDrawn; }
    /// Switches between the fixed time per stroke and the pen's own timing; a running replay
    /// goes on from the strokes shown. As drawn is refused (false) for a document whose ink
    /// does not match its strokes.
    bool setReplayAsDrawn(bool asDrawn);
    /// Speed of the as-drawn mode relative to the drawing, from the speed slider: 1 in the
    /// middle, 8 at the fast end, 0.5 at the slow end.
    double asDrawnSpeed() const;
    /// The clock of the frames; null until a document is set and after reset().
    QTimeLine *timeLine() const { return m_timeLine.get(); }
    ZoomingGraphicsView *view() const;

public slots:
    void playStopPlayerSlot();
    void gotoNextStrokePlayerSlot();
    void gotoPrevStrokePlayerSlot();
    void gotoFirstStrokePlayerSlot();
    void gotoLastStrokePlayerSlot();
    /// Shows the first `value` strokes (clamped to 0..N) and nothing of the others.
    void updatePlayerView(int value);
    void sliderReleasedSlot();
    void sliderMovedSlot(int value);
    void timeLineFinishedSlot();
    void speedReleasedSlot();
    void zoomReleasedSlot();
    void zoomIn();
    void zoomOut();
    void increasePlayerSpeedSlot();
    void decreasePlayerSpeedSlot();
    void speedValChangedSlot(int value);
    void zoomValChangedSlot(int value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Asks for a file and writes the replay there, in the mode and at the pace shown.
    void handleExportReplay();
    void handleFrameChanged(int frame);
    void handlePositionChanged(int value);
    void showReplayTime(std::int64_t timeMs);
    void showPosition(const ReplaySchedule::Position &at);
    void gotoPosition(int position);
    void armTimeLine();
    void showStopped();
    void setNavigationEnabled(bool enabled);
    void showSpeed();
    void fitToView();
    void releaseScene();
    bool isRunning() const;

    std::unique_ptr<Ui::PlayerDocument> m_ui;
    MetadataPtr m_metadata;
    QString m_filePath;
    // Kept from one document to the next where the settings name no valid pen.
    ReplayPen m_pen;
    int m_strokeCount = 0;
    int m_timePerStrokeMs = kDefaultTimePerStrokeMs;
    bool m_playing = false;
    double m_fitScale = 1.0;
    std::unique_ptr<QTimeLine> m_timeLine;
    // The strokes shown of the document's scene; gone before the scene can go.
    std::unique_ptr<ReplayScene> m_replay;
    bool m_followsWindow = true;
    bool m_asDrawn = false;
    ReplaySchedule m_schedule;
    bool m_scheduleFits = false;
    std::int64_t m_replayTimeMs = 0;
};
