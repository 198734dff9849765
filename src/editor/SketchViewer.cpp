// The viewer's tool row, its view, fitting and the Control-wheel zoom.
#include "editor/SketchViewer.h"

#include "document/DocumentGraphicModel.h"
#include "editor/ViewZoom.h"
#include "editor/ZoomingGraphicsView.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *toolButton(QWidget *parent, const QString &icon, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setText(text);
    button->setToolTip(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(24, 24));
    return button;
}

} // namespace

SketchViewer::SketchViewer(QWidget *parent)
    : QWidget(parent)
    , m_view(new ZoomingGraphicsView(this))
    , m_zoom(std::make_unique<ViewZoom>(m_view))
{
    m_backButton
        = toolButton(this, QStringLiteral(":/actions/back_to_preview.png"), tr("Back to sketches"));
    m_previousButton
        = toolButton(this, QStringLiteral(":/actions/navigate_previous.png"), tr("Previous"));
    m_nextButton = toolButton(this, QStringLiteral(":/actions/navigate_next.png"), tr("Next"));
    m_zoomOutButton = toolButton(this, QStringLiteral(":/actions/zoom_out.png"), tr("Zoom Out"));
    m_zoomInButton = toolButton(this, QStringLiteral(":/actions/zoom_in.png"), tr("Zoom In"));
    m_zoomOutButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_zoomInButton->setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(6, 4, 6, 4);
    tools->addWidget(m_backButton);
    tools->addSpacing(12);
    tools->addWidget(m_previousButton);
    tools->addWidget(m_nextButton);
    tools->addStretch(1);
    tools->addWidget(m_zoomOutButton);
    tools->addWidget(m_zoomInButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);

    m_view->setAccessibleName(tr("Sketch view"));
    m_view->setRenderHint(QPainter::Antialiasing, true);
    m_view->setDragMode(QGraphicsView::ScrollHandDrag);
    m_view->setBackgroundBrush(QColor(214, 218, 222));
    m_view->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);

    connect(m_backButton, &QToolButton::clicked, this, &SketchViewer::backBtnClicked);
    connect(m_previousButton, &QToolButton::clicked, this, &SketchViewer::previousRequested);
    connect(m_nextButton, &QToolButton::clicked, this, &SketchViewer::nextRequested);
    connect(m_zoomInButton, &QToolButton::clicked, this, &SketchViewer::zoomViewInSlot);
    connect(m_zoomOutButton, &QToolButton::clicked, this, &SketchViewer::zoomViewOutSlot);
    connect(this, &SketchViewer::switchZoomOnSignal, m_view->zoomingScrollBar(),
            &ZoomingScrollBar::switchZoomOnSlot);
    connect(m_view->zoomingScrollBar(), &ZoomingScrollBar::verticalScrollBarMovedSignal, this,
            &SketchViewer::verticalScrollBarMovedSlot);
}

SketchViewer::~SketchViewer()
{
    m_view->setScene(nullptr);
}

void SketchViewer::setDocument(const MetadataPtr &metadata)
{
    m_view->setScene(nullptr);
    m_metadata = metadata;
    if (!m_metadata || !m_metadata->model())
        return;
    DocumentGraphicModel *model = m_metadata->model().get();
    model->setPageVisible(true, false);
    m_view->setScene(model);
    fitToView();
}

void SketchViewer::reset()
{
    m_view->setScene(nullptr);
    m_metadata.reset();
    m_view->resetTransform();
    m_zoom->setFactor(1.0);
}

double SketchViewer::zoomFactor() const
{
    return m_zoom->factor();
}

void SketchViewer::fitToView()
{
    m_followsWindow = true;
    m_view->resetTransform();
    const QRectF scene = m_view->sceneRect();
    const QSize viewport = m_view->viewport()->size();
    if (scene.width() > viewport.width() || scene.height() > viewport.height()) {
        const double scale
            = std::min(viewport.width() / scene.width(), viewport.height() / scene.height());
        m_zoom->setFactor(scale);
        m_view->scale(scale, scale);
    }
    m_view->centerOn(scene.center());
}

void SketchViewer::zoomViewInSlot()
{
    m_followsWindow = false;
    m_zoom->zoomIn(ViewZoom::kMenuIn);
}

void SketchViewer::zoomViewOutSlot()
{
    m_followsWindow = false;
    m_zoom->zoomOut(ViewZoom::kMenuOut);
}

void SketchViewer::verticalScrollBarMovedSlot(ZoomAction action)
{
    m_followsWindow = false;
    m_zoom->zoomFromWheel(action);
}

void SketchViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A sheet shown whole stays whole when the window grows or shrinks, until the user zooms.
    if (m_followsWindow && m_view->scene())
        fitToView();
}

void SketchViewer::enableForwardButton(bool enable)
{
    m_nextButton->setEnabled(enable);
}

void SketchViewer::enableBackButton(bool enable)
{
    m_previousButton->setEnabled(enable);
}

void SketchViewer::backBtnClicked()
{
    emit backToPreviewTab();
}

bool SketchViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Control)
            emit switchZoomOnSignal(event->type() == QEvent::KeyPress);
    } else if (event->type() == QEvent::Wheel && watched == m_view->viewport()) {
        // With Control held the wheel over the drawing zooms as well.
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            verticalScrollBarMovedSlot(wheel->angleDelta().y() < 1 ? ZoomOut : ZoomIn);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
