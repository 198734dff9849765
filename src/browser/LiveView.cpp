// The live view's session, its sheet, and the command that opens it.
#include "browser/LiveView.h"

#include "browser/PreviewThumbnailList.h"
#include "browser/ReceiverStatus.h"
#include "device/DeviceManager.h"
#include "device/QuilloDeviceObserver.h"
#include "document/ReceiverPosition.h"
#include "ink/Document.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkMLDefinitions.h"
#include "settings/ApplSettings.h"
#include "settings/DialogService.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The sheet is drawn at a third of a pixel per tenth of a millimetre: an A4 page is
// 700 by 990 pixels.
constexpr double kPixelsPerUnit = 1.0 / 3.0;

// The turn and shift that bring the receiver's coordinates onto the sheet, found by
// placing three points the way a recorded sketch is placed.
QTransform receiverToSheet()
{
    Nivo::Stroke stroke;
    stroke.add(Nivo::Point(0, 0, 0, 1, 0, 0, 0));
    stroke.add(Nivo::Point(1000, 0, 0, 1, 0, 0, 0));
    stroke.add(Nivo::Point(0, 1000, 0, 1, 0, 0, 0));
    Nivo::Layer layer;
    layer.add(stroke);
    Nivo::Document document;
    document.add(layer);
    normaliseReceiverPosition(document, ApplSettings::instance());
    const auto &points = document.elements().front().elements().front().elements();
    const QPointF origin(points[0].x.value(), points[0].y.value());
    const QPointF xAxis = QPointF(points[1].x.value(), points[1].y.value()) - origin;
    const QPointF yAxis = QPointF(points[2].x.value(), points[2].y.value()) - origin;
    const QSizeF page = ApplSettings::instance().pageSize();
    const QTransform placed(xAxis.x() / 1000, xAxis.y() / 1000, yAxis.x() / 1000, yAxis.y() / 1000,
                            origin.x(), origin.y());
    // The sheet spans x from -w/2 to w/2 and y from 0 to h.
    return placed * QTransform::fromTranslate(page.width() / 2, 0)
        * QTransform::fromScale(kPixelsPerUnit, kPixelsPerUnit);
}

QString freeName(const QString &folder)
{
    const QString stem = QStringLiteral("Live ")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm"));
    QString name = stem + QStringLiteral(".vmr");
    for (int copy = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++copy)
        name = QStringLiteral("%1 (%2).vmr").arg(stem).arg(copy);
    return QDir(folder).filePath(name);
}

} // namespace

LiveSession::LiveSession()
    : m_document(std::make_unique<Nivo::Document>())
{ }

LiveSession::~LiveSession() = default;

bool LiveSession::add(const Nivo::Point &point, qint64 atMs)
{
    if (point.pressure.value() == 0) {
        m_penDown = false;
        return false;
    }
    const bool continues = m_penDown;
    if (!m_penDown) {
        const bool pause = m_lastMs < 0 || atMs - m_lastMs > kLayerPauseMs;
        if (pause || m_document->elements().empty())
            m_document->addMoved(Nivo::Layer());
        m_document->elements().back().addMoved(Nivo::Stroke());
        m_penDown = true;
    }
    m_document->elements().back().elements().back().add(point);
    m_lastMs = atMs;
    return continues;
}

bool LiveSession::isEmpty() const
{
    return m_document->elements().empty();
}

int LiveSession::layerCount() const
{
    return static_cast<int>(m_document->elements().size());
}

LiveView::LiveView(QWidget *parent, std::function<QString()> folder)
    : QDialog(parent)
    , m_receiver(new QuilloDeviceObserver(this, QuilloDeviceObserver::Role::Following))
    , m_folder(std::move(folder))
    , m_status(new QLabel(this))
    , m_stop(new QPushButton(tr("Stop"), this))
    , m_toSheet(receiverToSheet())
{
    setWindowTitle(tr("Live view"));
    setAccessibleName(tr("Live view"));
    setObjectName(QStringLiteral("LiveView"));
    const QSizeF page = ApplSettings::instance().pageSize() * kPixelsPerUnit;
    m_sheet = QImage(page.toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_sheet.fill(Qt::white);
    QString width;
    if (ApplSettings::instance().getAttribute(QStringLiteral("visuality_properties/default_pen"),
                                              QStringLiteral("width"), width))
        m_penWidth = std::max(1, width.toInt());
    m_status->setAccessibleName(tr("Live view status"));
    m_stop->setAccessibleName(tr("Stop live view"));
    connect(m_stop, &QPushButton::clicked, this, &LiveView::stop);
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_status, 1);
    bar->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(bar);
    resize(520, 700);

    connect(m_receiver, &QuilloDeviceObserver::updateNivoPointSgnl, this, &LiveView::addPoint);
    connect(m_receiver, &QuilloDeviceObserver::liveModeChanged, this, [this](bool running) {
        m_live = running;
        if (running)
            m_status->setText(tr("Draw on the sheet: the strokes appear here as you draw."));
        else if (!m_finished)
            finish(tr("The receiver did not start live mode."));
    });
    connect(m_receiver, &QuilloDeviceObserver::HIDDeviceUnplugSgnl, this,
            [this] { finish(tr("The receiver was disconnected.")); });
    m_receiver->adoptDevice(DeviceManager::instance().currentDevice());
    m_status->setText(tr("Starting live mode..."));
    m_clock.start();
    m_receiver->requestLiveMode(true);
}

LiveView::~LiveView() = default;

QPointF LiveView::sheetPosition(const Nivo::Point &point) const
{
    return m_toSheet.map(QPointF(point.x.value(), point.y.value()));
}

void LiveView::addPoint(const Nivo::Point &point)
{
    if (m_finished)
        return;
    const bool continues = m_session.add(point, m_clock.elapsed());
    if (point.pressure.value() == 0)
        return;
    const QPointF to = sheetPosition(point);
    const QPointF from = continues ? sheetPosition(m_last) : to;
    m_last = point;
    // Wider where the pen pressed harder, as the sketches are drawn.
    const double pressure = std::min(1.0, point.pressure.value() / 1023.0);
    const double width = std::max(1.0, m_penWidth * (0.6 + 1.2 * pressure));
    QPainter painter(&m_sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    // Only the new segment is repainted, so that fast drawing stays smooth.
    const QRectF segment = QRectF(from, to).normalized().adjusted(-width, -width, width, width);
    const QRect target = sheetRect();
    const double scale = double(target.width()) / m_sheet.width();
    update(QRectF(target.topLeft() + segment.topLeft() * scale, segment.size() * scale)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

QRect LiveView::sheetRect() const
{
    const QRect area = rect().adjusted(8, 8, -8, -8 - m_stop->sizeHint().height() - 8);
    const QSize size = m_sheet.size().scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.topLeft() + QPoint((area.width() - size.width()) / 2, 0), size);
}

void LiveView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect target = sheetRect();
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_sheet);
}

void LiveView::stop()
{
    finish(QString());
}

void LiveView::closeEvent(QCloseEvent *event)
{
    finish(QString());
    event->accept();
}

void LiveView::finish(const QString &why)
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_live)
        m_receiver->requestLiveMode(false);
    m_live = false;
    // The drawing stays to be looked at; the button now closes the view.
    m_stop->setText(tr("Close"));
    m_stop->setAccessibleName(tr("Close live view"));
    disconnect(m_stop, &QPushButton::clicked, this, nullptr);
    connect(m_stop, &QPushButton::clicked, this, &QWidget::close);
    m_status->setText(why.isEmpty() ? tr("Live view stopped.") : why);
    if (m_session.isEmpty())
        return;
    const QString folder = m_folder ? m_folder() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    const QString path = freeName(folder);
    const QMessageBox::StandardButton answer = dialogs().question(
        this, applicationTitle(),
        tr("Keep the strokes of this live session as the document \"%1\" in \"%2\"?")
            .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(folder)),
        QMessageBox::Save | QMessageBox::Discard, QMessageBox::Save);
    if (answer != QMessageBox::Save)
        return;
    Nivo::Document document(m_session.document());
    Nivo::DocumentSerializer serializer(&document);
    if (!serializer.saveFile(path.toStdWString(), Nivo::InkMLDefinitions())) {
        dialogs().warning(this, applicationTitle(), tr("Unable to save file"));
        return;
    }
    emit saved(path);
}

LiveViewController::LiveViewController(QWidget *window, ReceiverStatus *receiver,
                                       PreviewThumbnailList *list, std::function<QString()> folder)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_folder(std::move(folder))
    , m_action(new QAction(tr("Live view"), window))
{
    m_action->setObjectName(QStringLiteral("actionLiveView"));
    m_action->setToolTip(tr("See what the pen draws, as it draws (needs the receiver)"));
    m_action->setEnabled(receiver->isConnected());
    connect(m_action, &QAction::triggered, this, &LiveViewController::open);
    connect(receiver, &ReceiverStatus::handleHIDDevicePlugSgnl, m_action,
            [this] { m_action->setEnabled(true); });
    connect(receiver, &ReceiverStatus::handleHIDDeviceUnplugSgnl, m_action,
            [this] { m_action->setEnabled(false); });
}

void LiveViewController::open()
{
    if (m_view) {
        m_view->raise();
        m_view->activateWindow();
        return;
    }
    m_view = new LiveView(m_window, m_folder);
    m_view->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_view, &LiveView::saved, m_list, [this] { m_list->reloadSameFolder(true); });
    m_view->show();
}
