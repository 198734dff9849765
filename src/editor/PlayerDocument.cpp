// The player's form, its time line, and the replay position it shows.
#include "editor/PlayerDocument.h"

#include "document/DocumentGraphicModel.h"
#include "editor/ReplayExportQuestion.h"
#include "editor/ZoomingGraphicsView.h"
#include "ui_PlayerDocument.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimeLine>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kSpeedStep = 15;
constexpr int kZoomStep = 2;
// Frames as often as a screen shows them: strokes drawn as drawn grow smoothly.
constexpr int kFrameIntervalMs = 16;
constexpr int kViewMargin = 50;
constexpr int kScrollUpOnStart = 350;
// Logarithms (base 2) of the as-drawn speeds at the ends of the speed slider.
constexpr double kFastestAsDrawn = 3.0;
constexpr double kSlowestAsDrawn = -1.0;

QString playIcon()
{
    return QStringLiteral(":/player/Resources/video player/32X32/play_active.png");
}

QString stopIcon()
{
    return QStringLiteral(":/player/Resources/video player/32X32/stop_active.png");
}

QBrush checkeredBrush()
{
    QPixmap tile(256, 256);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    const QColor square(230, 230, 230, 255);
    painter.fillRect(0, 0, 128, 128, square);
    painter.fillRect(128, 128, 128, 128, square);
    return QBrush(tile);
}

int clampedFrame(std::int64_t ms)
{
    return static_cast<int>(std::clamp<std::int64_t>(ms, 0, INT_MAX));
}

} // namespace

PlayerDocument::PlayerDocument(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::PlayerDocument>())
{
    m_ui->setupUi(this);
    ZoomingGraphicsView *view = m_ui->m_view;
    view->setRenderHint(QPainter::Antialiasing, true);
    view->setBackgroundBrush(checkeredBrush());
    view->setCacheMode(QGraphicsView::CacheBackground);
    // The replayed strokes are not for editing: the mouse only moves the sheet.
    view->setInteractive(false);
    view->setDragMode(QGraphicsView::ScrollHandDrag);
    m_ui->m_as_drawn_button->setEnabled(false);
    m_ui->m_export_button->setEnabled(false);
    showSpeed();

    connect(m_ui->m_play_button, &QToolButton::clicked, this, &PlayerDocument::playStopPlayerSlot);
    connect(m_ui->m_next_button, &QToolButton::clicked, this,
            &PlayerDocument::gotoNextStrokePlayerSlot);
    connect(m_ui->m_prev_button, &QToolButton::clicked, this,
            &PlayerDocument::gotoPrevStrokePlayerSlot);
    connect(m_ui->m_first_button, &QToolButton::clicked, this,
            &PlayerDocument::gotoFirstStrokePlayerSlot);
    connect(m_ui->m_last_button, &QToolButton::clicked, this,
            &PlayerDocument::gotoLastStrokePlayerSlot);
    connect(m_ui->m_position_slider, &QSlider::sliderReleased, this,
            &PlayerDocument::sliderReleasedSlot);
    connect(m_ui->m_position_slider, &QSlider::sliderMoved, this, &PlayerDocument::sliderMovedSlot);
    connect(m_ui->m_position_slider, &QSlider::valueChanged, this,
            &PlayerDocument::handlePositionChanged);
    connect(m_ui->m_speed_slider, &QSlider::sliderReleased, this,
            &PlayerDocument::speedReleasedSlot);
    connect(m_ui->m_speed_slider, &QSlider::valueChanged, this,
            &PlayerDocument::speedValChangedSlot);
    connect(m_ui->m_zoom_slider, &QSlider::sliderReleased, this, &PlayerDocument::zoomReleasedSlot);
    connect(m_ui->m_zoom_slider, &QSlider::valueChanged, this, &PlayerDocument::zoomValChangedSlot);
    connect(m_ui->m_zoom_in_button, &QToolButton::clicked, this, &PlayerDocument::zoomIn);
    connect(m_ui->m_zoom_out_button, &QToolButton::clicked, this, &PlayerDocument::zoomOut);
    connect(m_ui->m_faster_button, &QToolButton::clicked, this,
            &PlayerDocument::increasePlayerSpeedSlot);
    connect(m_ui->m_slower_button, &QToolButton::clicked, this,
            &PlayerDocument::decreasePlayerSpeedSlot);
    connect(m_ui->m_as_drawn_button, &QToolButton::toggled, this,
            &PlayerDocument::setReplayAsDrawn);
    connect(m_ui->m_export_button, &QToolButton::clicked, this,
            &PlayerDocument::handleExportReplay);
}

PlayerDocument::~PlayerDocument()
{
    if (m_timeLine)
        m_timeLine->stop();
    releaseScene();
}

ZoomingGraphicsView *PlayerDocument::view() const
{
    return m_ui->m_view;
}

int PlayerDocument::partialPoints() const
{
    return m_replay ? m_replay->partialPoints() : 0;
}

bool PlayerDocument::setDocument(const MetadataPtr &metadata)
{
    if (!metadata || !metadata->model())
        return false;
    if (m_timeLine)
        m_timeLine->stop();
    releaseScene();
    m_pen = replayPenFromSettings(m_pen);
    m_metadata = metadata;
    m_filePath = metadata->path();
    DocumentGraphicModel *model = metadata->model().get();
    model->setPageVisible(true, true);
    m_replay = std::make_unique<ReplayScene>(*model, m_pen);
    m_strokeCount = m_replay->strokeCount();
    m_replayTimeMs = 0;
    {
        const QSignalBlocker block(m_ui->m_position_slider);
        m_ui->m_position_slider->setRange(0, m_strokeCount);
        m_ui->m_position_slider->setValue(0);
    }

    m_timeLine = std::make_unique<QTimeLine>();
    if (m_strokeCount * m_timePerStrokeMs > 0)
        m_timeLine->setDuration(m_strokeCount * m_timePerStrokeMs);
    m_timeLine->setFrameRange(0, m_strokeCount);
    m_timeLine->setEasingCurve(QEasingCurve::Linear);
    m_timeLine->setUpdateInterval(kFrameIntervalMs);
    connect(m_timeLine.get(), &QTimeLine::frameChanged, this, &PlayerDocument::handleFrameChanged);
    connect(m_timeLine.get(), &QTimeLine::finished, this, &PlayerDocument::timeLineFinishedSlot);

    m_schedule = metadata->document() ? ReplaySchedule::ofDocument(*metadata->document())
                                      : ReplaySchedule();
    m_scheduleFits = m_schedule.strokeCount() == m_strokeCount;
    m_ui->m_as_drawn_button->setEnabled(m_scheduleFits && m_strokeCount > 0);
    m_ui->m_export_button->setEnabled(m_strokeCount > 0);
    if (!m_scheduleFits)
        setReplayAsDrawn(false);

    ZoomingGraphicsView *view = m_ui->m_view;
    view->setScene(model);
    // The strokes keep their own bounds rather than the page's: nothing moves or turns them
    // here, and a frame then repaints only the strokes near the one that changed.
    model->setPageVisible(false, true);
    model->update();
    // Without the page the strokes lie where the pen drew them: the view frames the ink.
    view->setSceneRect(m_replay->inkBounds());
    m_followsWindow = true;
    fitToView();

    gotoPosition(0);
    m_ui->m_play_button->setFocus();
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->value() - kScrollUpOnStart);
    return true;
}

void PlayerDocument::fitToView()
{
    ZoomingGraphicsView *view = m_ui->m_view;
    const QRectF scene = view->sceneRect();
    view->resetTransform();
    m_fitScale = 1.0;
    if (scene.isEmpty())
        return;
    // Scaled first and centred after: scrolling before the scale would leave the sheet where
    // the unscaled scroll position puts it, cut at the top.
    const QSize viewport = view->viewport()->size();
    const double sx = (viewport.width() - 2 * kViewMargin) / scene.width();
    const double sy = (viewport.height() - 2 * kViewMargin) / scene.height();
    if (sx < 1 || sy < 1) {
        m_fitScale = std::max(0.01, std::min(sx, sy));
        view->scale(m_fitScale, m_fitScale);
    }
    view->centerOn(scene.center());
}

void PlayerDocument::reset()
{
    {
        const QSignalBlocker zoom(m_ui->m_zoom_slider);
        const QSignalBlocker speed(m_ui->m_speed_slider);
        m_ui->m_zoom_slider->setValue(
            (m_ui->m_zoom_slider->minimum() + m_ui->m_zoom_slider->maximum()) / 2);
        m_ui->m_speed_slider->setValue(
            (m_ui->m_speed_slider->minimum() + m_ui->m_speed_slider->maximum()) / 2);
    }
    m_ui->m_play_button->setFocus();
    if (isRunning()) {
        m_timeLine->stop();
        gotoPosition(0);
    }
    m_playing = false;
    showStopped();
    m_timePerStrokeMs = kDefaultTimePerStrokeMs;
    m_fitScale = 1.0;
    m_timeLine.reset();
    setReplayAsDrawn(false);
    if (m_metadata) {
        m_ui->m_view->resetTransform();
        QGraphicsScene *scene = m_ui->m_view->scene();
        releaseScene();
        if (scene)
            scene->clear();
        m_metadata.reset();
    }
    m_strokeCount = 0;
    m_schedule = ReplaySchedule();
    m_scheduleFits = false;
    m_replayTimeMs = 0;
    m_ui->m_as_drawn_button->setEnabled(false);
    m_ui->m_export_button->setEnabled(false);
    {
        const QSignalBlocker block(m_ui->m_position_slider);
        m_ui->m_position_slider->setRange(0, 0);
    }
    showPosition({});
    showSpeed();
}

void PlayerDocument::releaseScene()
{
    m_replay.reset();
    m_ui->m_view->setScene(nullptr);
}

bool PlayerDocument::isRunning() const
{
    return m_timeLine && m_timeLine->state() == QTimeLine::Running;
}

void PlayerDocument::playStopPlayerSlot()
{
    if (!m_timeLine)
        return;
    if (m_playing) {
        m_ui->m_play_button->setIcon(QIcon(playIcon()));
        m_ui->m_play_button->setToolTip(tr("Play"));
        m_timeLine->stop();
    } else {
        m_ui->m_play_button->setIcon(QIcon(stopIcon()));
        m_ui->m_play_button->setToolTip(tr("Pause"));
        if (position() == m_strokeCount) {
            gotoPosition(m_strokeCount);
            return;
        }
        m_timeLine->stop();
        armTimeLine();
        m_timeLine->start();
    }
    setNavigationEnabled(!isRunning());
    m_playing = !m_playing;
}

void PlayerDocument::showStopped()
{
    m_ui->m_play_button->setIcon(QIcon(playIcon()));
    m_ui->m_play_button->setToolTip(tr("Play"));
    setNavigationEnabled(true);
}

void PlayerDocument::setNavigationEnabled(bool enabled)
{
    QWidget *const controls[] = {m_ui->m_first_button, m_ui->m_prev_button, m_ui->m_next_button,
                                 m_ui->m_last_button, m_ui->m_position_slider};
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void PlayerDocument::gotoNextStrokePlayerSlot()
{
    gotoPosition(std::min(m_ui->m_position_slider->value() + 1, m_strokeCount));
}

void PlayerDocument::gotoPrevStrokePlayerSlot()
{
    gotoPosition(std::max(m_ui->m_position_slider->value() - 1, 0));
}

void PlayerDocument::gotoFirstStrokePlayerSlot()
{
    gotoPosition(0);
}

void PlayerDocument::gotoLastStrokePlayerSlot()
{
    gotoPosition(m_strokeCount);
}

void PlayerDocument::gotoPosition(int position)
{
    if (!m_timeLine)
        return;
    m_playing = false;
    m_timeLine->stop();
    showStopped();
    updatePlayerView(position);
    armTimeLine();
}

void PlayerDocument::armTimeLine()
{
    if (!m_timeLine)
        return;
    if (m_asDrawn) {
        const std::int64_t from = m_replayTimeMs;
        const std::int64_t to = m_schedule.durationMs();
        m_timeLine->setFrameRange(clampedFrame(from), clampedFrame(to));
        // A last stroke drawn in no time still gets a frame of its own.
        const double ms = static_cast<double>(std::max<std::int64_t>(to - from, 1));
        m_timeLine->setDuration(std::max(1, clampedFrame(std::llround(ms / asDrawnSpeed()))));
        return;
    }
    const int position = m_ui->m_position_slider->value();
    m_timeLine->setStartFrame(position);
    m_timeLine->setFrameRange(position, m_strokeCount);
    if (m_strokeCount - position > 0)
        m_timeLine->setDuration((m_strokeCount - position) * m_timePerStrokeMs);
}

void PlayerDocument::handleFrameChanged(int frame)
{
    if (m_asDrawn)
        showReplayTime(frame);
    else
        updatePlayerView(frame);
}

void PlayerDocument::updatePlayerView(int value)
{
    showPosition({value, 0});
    if (m_asDrawn)
        m_replayTimeMs = m_schedule.timeOfPosition(position());
}

void PlayerDocument::showReplayTime(std::int64_t timeMs)
{
    m_replayTimeMs = timeMs;
    showPosition(m_schedule.positionAt(timeMs));
}

void PlayerDocument::showPosition(const ReplaySchedule::Position &at)
{
    if (m_replay)
        m_replay->showPosition(at);
    const int count = position();
    m_ui->m_position_slider->setValue(count);
    m_ui->m_position_label->setText(tr("%1 of %2 strokes").arg(count).arg(m_strokeCount));
}

void PlayerDocument::handlePositionChanged(int value)
{
    // The slider's own keys move it without a drag; a drag has shown its value already.
    if (value != position() && !m_ui->m_position_slider->isSliderDown())
        sliderMovedSlot(value);
}

void PlayerDocument::sliderMovedSlot(int value)
{
    updatePlayerView(value);
    armTimeLine();
}

void PlayerDocument::sliderReleasedSlot()
{
    armTimeLine();
}

void PlayerDocument::timeLineFinishedSlot()
{
    if (!m_timeLine)
        return;
    // The last frame may come with no frame change of its own (a stroke drawn in no time).
    handleFrameChanged(m_timeLine->endFrame());
    m_playing = true;
    playStopPlayerSlot();
}

void PlayerDocument::speedReleasedSlot()
{
    const bool wasRunning = isRunning();
    if (m_timeLine)
        m_timeLine->stop();
    m_playing = false;
    m_timePerStrokeMs = m_ui->m_speed_slider->value();
    showSpeed();
    armTimeLine();
    if (wasRunning)
        playStopPlayerSlot();
}

void PlayerDocument::speedValChangedSlot(int)
{
    speedReleasedSlot();
}

void PlayerDocument::increasePlayerSpeedSlot()
{
    // Within the slider's range: a time per stroke of zero or less would stop the clock.
    QSlider *slider = m_ui->m_speed_slider;
    m_timePerStrokeMs
        = std::clamp(m_timePerStrokeMs - kSpeedStep, slider->minimum(), slider->maximum());
    {
        const QSignalBlocker block(slider);
        slider->setValue(m_timePerStrokeMs);
    }
    speedReleasedSlot();
}

void PlayerDocument::decreasePlayerSpeedSlot()
{
    QSlider *slider = m_ui->m_speed_slider;
    m_timePerStrokeMs
        = std::clamp(m_timePerStrokeMs + kSpeedStep, slider->minimum(), slider->maximum());
    {
        const QSignalBlocker block(slider);
        slider->setValue(m_timePerStrokeMs);
    }
    speedReleasedSlot();
}

double PlayerDocument::asDrawnSpeed() const
{
    const QSlider *slider = m_ui->m_speed_slider;
    const int middle = (slider->minimum() + slider->maximum()) / 2;
    const int value = slider->value();
    // Lower values are faster, as for the time per stroke.
    const double exponent = value <= middle
        ? kFastestAsDrawn * (middle - value) / (middle - slider->minimum())
        : kSlowestAsDrawn * (value - middle) / (slider->maximum() - middle);
    return std::exp2(exponent);
}

void PlayerDocument::showSpeed()
{
    if (m_asDrawn) {
        const double speed = asDrawnSpeed();
        m_ui->m_speed_label->setText(
            tr("%1\u00d7 as drawn").arg(speed, 0, 'f', speed < 1 || speed >= 10 ? 2 : 1));
    } else {
        m_ui->m_speed_label->setText(tr("%1 ms a stroke").arg(m_ui->m_speed_slider->value()));
    }
}

bool PlayerDocument::setReplayAsDrawn(bool asDrawn)
{
    const bool refused = asDrawn && m_metadata && !m_scheduleFits;
    if (refused)
        asDrawn = false;
    {
        const QSignalBlocker block(m_ui->m_as_drawn_button);
        m_ui->m_as_drawn_button->setChecked(asDrawn);
    }
    if (asDrawn != m_asDrawn) {
        const bool wasRunning = isRunning();
        m_asDrawn = asDrawn;
        showSpeed();
        gotoPosition(position());
        if (wasRunning)
            playStopPlayerSlot();
    }
    return !refused;
}

void PlayerDocument::zoomReleasedSlot()
{
    const bool wasRunning = isRunning();
    if (wasRunning)
        m_timeLine->setPaused(true);
    const double scale = std::exp2((m_ui->m_zoom_slider->value() - 250) / 50.0);
    m_ui->m_view->setTransform(QTransform::fromScale(scale, scale));
    m_followsWindow = false;
    if (QGraphicsScene *scene = m_ui->m_view->scene())
        scene->update();
    if (wasRunning)
        m_timeLine->setPaused(false);
}

void PlayerDocument::zoomValChangedSlot(int)
{
    zoomReleasedSlot();
}

void PlayerDocument::zoomIn()
{
    {
        const QSignalBlocker block(m_ui->m_zoom_slider);
        m_ui->m_zoom_slider->setValue(m_ui->m_zoom_slider->value() + kZoomStep);
    }
    zoomReleasedSlot();
}

void PlayerDocument::zoomOut()
{
    {
        const QSignalBlocker block(m_ui->m_zoom_slider);
        m_ui->m_zoom_slider->setValue(m_ui->m_zoom_slider->value() - kZoomStep);
    }
    zoomReleasedSlot();
}

void PlayerDocument::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The sheet stays fitted to the window until the user zooms.
    if (m_followsWindow && m_ui->m_view->scene())
        fitToView();
}

void PlayerDocument::handleExportReplay()
{
    if (!m_metadata || m_strokeCount == 0)
        return;
    // The export draws its own frames; the one on show waits where it is.
    if (m_playing)
        playStopPlayerSlot();
    ReplayExportOptions options;
    options.timing.asDrawn = m_asDrawn;
    options.timing.timePerStrokeMs = m_timePerStrokeMs;
    options.timing.asDrawnSpeed = asDrawnSpeed();
    options.pen = m_pen;
    exportReplayAsked(this, *m_metadata, options);
}
