// Building the scene from a document, layer-group edits, view transform and the page.
#include "document/DocumentGraphicModel.h"

#include "document/BackgroundLayerPath.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "ink/Document.h"
#include "settings/ApplSettings.h"

#include <QCoreApplication>
#include <QThread>

#include <mutex>

namespace {

constexpr qreal kFirstLayerZ = 1.0;
constexpr qreal kLayerZStep = 100.0;

QRectF settingsPageRect()
{
    const QSizeF size = ApplSettings::instance().pageSize();
    return QRectF(-size.width() / 2, -size.height() / 2, size.width(), size.height());
}

std::mutex &sceneListLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

SceneListTurn::SceneListTurn()
{
    takeSceneListTurn();
}

SceneListTurn::~SceneListTurn()
{
    endSceneListTurn();
}

void SceneListTurn::takeSceneListTurn()
{
    if (!m_held) {
        sceneListLock().lock();
        m_held = true;
    }
}

void SceneListTurn::endSceneListTurn()
{
    if (m_held) {
        m_held = false;
        sceneListLock().unlock();
    }
}

DocumentGraphicModel::DocumentGraphicModel(Nivo::Document &document, const PenDescription &pen,
                                           bool pressureRendering, QObject *parent)
    : QGraphicsScene(parent)
    , m_pen(pen)
    , m_pressureRendering(pressureRendering)
{
    endSceneListTurn();
    m_pageRect.set(settingsPageRect());
    if (pressureRendering) {
        const qreal halfHeight = m_pageRect.value().height() / 2;
        m_offset = QPointF(0, -halfHeight);
        document.shift(0, -halfHeight);
    }
    populate(document);
}

DocumentGraphicModel::DocumentGraphicModel(Nivo::Document &document, const PenDescription &pen,
                                           const QRectF &pageRect, QObject *parent)
    : QGraphicsScene(parent)
    , m_pen(pen)
    , m_pressureRendering(true)
    , m_pageRect(pageRect)
{
    endSceneListTurn();
    populate(document);
}

DocumentGraphicModel::~DocumentGraphicModel()
{
    // The background is the model's own; groups and strokes go with the scene, deleted
    // here, outside the lock, so that the scene itself ends quickly.
    polishAddedItems();
    if (m_background) {
        removeItem(m_background);
        delete m_background;
    }
    clear();
    takeSceneListTurn();
}

void DocumentGraphicModel::populate(Nivo::Document &document)
{
    setItemIndexMethod(NoIndex);
    const Nivo::Point &topLeft = document.topLeft().value();
    const Nivo::Point &bottomRight = document.bottomRight().value();
    const QRectF sceneBox(QPointF(topLeft.x.value(), topLeft.y.value()),
                          QPointF(bottomRight.x.value(), bottomRight.y.value()));
    qreal z = kFirstLayerZ;
    int layerIndex = 0;
    for (const Nivo::Layer &layer : document.elements()) {
        auto *group = new GraphicsItemsGroup(m_pen, nullptr, true, layerIndex);
        group->setZValue(z);
        for (const Nivo::Stroke &stroke : layer.elements()) {
            auto *item = new GraphicsInkPathItem(stroke, m_pen, group, m_pressureRendering);
            item->setZValue(z);
        }
        addItem(group);
        m_groups.append(group);
        z += kLayerZStep;
        ++layerIndex;
    }
    setSceneRect(sceneBox);
    polishAddedItems();
}

void DocumentGraphicModel::polishAddedItems()
{
    // The scene lists every item added until its thread's event loop polishes them, and
    // looks each item it takes out up in that list: a scene built and ended on a thread
    // that runs no event loop (the loader, the command line, the disposal thread) took
    // time quadratic in its items to end. What the event loop would do later is done now.
    if (thread() == QThread::currentThread())
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

QList<GraphicsInkPathItem *> DocumentGraphicModel::inkItems() const
{
    QList<GraphicsInkPathItem *> items;
    for (GraphicsItemsGroup *group : m_groups) {
        for (QGraphicsItem *child : group->childItems()) {
            if (child->type() == GraphicsInkPathItem::Type)
                items.append(static_cast<GraphicsInkPathItem *>(child));
        }
    }
    return items;
}

bool DocumentGraphicModel::insertLayerGroup(int index, const QList<QGraphicsItem *> &items)
{
    if (index < 0 || index > m_groups.size())
        return false;
    auto *group = new GraphicsItemsGroup(m_pen, nullptr, true, index);
    m_groups.insert(index, group);
    qreal z = kFirstLayerZ;
    if (index > 0 && index == m_groups.size() - 1) {
        z = m_groups[index - 1]->zValue() + kLayerZStep;
    } else if (index > 0) {
        z = (m_groups[index - 1]->zValue() + m_groups[index + 1]->zValue()) / 2;
    } else {
        z = m_groups.size() > 1 ? m_groups[1]->zValue() / 2 : kFirstLayerZ;
        // Keep the sheet below the new lowest layer.
        if (m_background) {
            removeItem(m_background);
            m_background->setZValue(z / 2);
            addItem(m_background);
        }
    }
    group->setZValue(z);
    addItem(group);
    for (QGraphicsItem *item : items) {
        item->setZValue(z);
        if (item->type() == GraphicsInkPathItem::Type) {
            auto *stroke = static_cast<GraphicsInkPathItem *>(item);
            group->addToGroup(stroke);
            stroke->resetTransform();
            stroke->addRotation(m_rotation);
            stroke->setBoundingRect(m_pageRect.value());
        } else {
            group->addToGroup(item);
        }
    }
    return true;
}

bool DocumentGraphicModel::snapshotLayerGroup(int index, LayerGroupSnapshot &snapshot) const
{
    if (index < 0 || index >= m_groups.size())
        return false;
    const GraphicsItemsGroup *group = m_groups[index];
    snapshot.z = group->zValue();
    snapshot.items = group->childItems();
    snapshot.layerIndex = group->layerIndex();
    return true;
}

bool DocumentGraphicModel::removeLayerGroup(int index, LayerGroupSnapshot &snapshot)
{
    if (!snapshotLayerGroup(index, snapshot))
        return false;
    GraphicsItemsGroup *group = m_groups.takeAt(index);
    // The group leaves the scene with its items in one go, and only then do the items leave
    // the group: taken out of a group in a scene, every item makes the group measure the
    // items it has left, which is time quadratic in a layer's strokes. The last child goes
    // first, so that the group's list of children shrinks at its end.
    removeItem(group);
    for (auto item = snapshot.items.crbegin(); item != snapshot.items.crend(); ++item) {
        if ((*item)->type() == GraphicsInkPathItem::Type)
            static_cast<GraphicsInkPathItem *>(*item)->resetTransform();
        (*item)->setParentItem(nullptr);
    }
    delete group;
    return true;
}

bool DocumentGraphicModel::moveLayerGroup(int from, int to)
{
    LayerGroupSnapshot snapshot;
    if (!removeLayerGroup(from, snapshot))
        return false;
    if (insertLayerGroup(to, snapshot.items))
        return true;
    // Nowhere to go: the items would be lost, so they return where they were.
    insertLayerGroup(from, snapshot.items);
    return false;
}

bool DocumentGraphicModel::setLayerPen(int index, const PenDescription &pen)
{
    if (index < 0 || index >= m_groups.size())
        return false;
    GraphicsItemsGroup *group = m_groups[index];
    group->setLayerVisible(true);
    group->setPenColor(pen.color);
    group->setPenWidth(pen.width);
    update();
    return true;
}

bool DocumentGraphicModel::setLayerVisible(int index, bool visible)
{
    if (index < 0 || index >= m_groups.size())
        return false;
    m_groups[index]->setLayerVisible(visible);
    update();
    return true;
}

bool DocumentGraphicModel::showAllLayers()
{
    for (int i = 0; i < m_groups.size(); ++i)
        setLayerVisible(i, true);
    return !m_groups.isEmpty();
}

bool DocumentGraphicModel::hideAllLayers()
{
    for (int i = 0; i < m_groups.size(); ++i)
        setLayerVisible(i, false);
    return !m_groups.isEmpty();
}

void DocumentGraphicModel::translate(qreal dx, qreal dy)
{
    m_offset += QPointF(dx, dy);
    for (GraphicsInkPathItem *item : inkItems())
        item->addOffset(dx, dy);
    update();
}

void DocumentGraphicModel::rotate(int degrees)
{
    m_rotation += degrees;
    if (degrees == 0)
        return;
    for (GraphicsInkPathItem *item : inkItems())
        item->addRotation(degrees);
    invalidate(QRectF(), AllLayers);
}

void DocumentGraphicModel::resetTransform()
{
    m_offset = QPointF();
    m_rotation = 0;
    for (GraphicsInkPathItem *item : inkItems())
        item->resetTransform();
    update();
}

void DocumentGraphicModel::placeBackground()
{
    const qreal z = m_groups.isEmpty() ? kFirstLayerZ : m_groups.first()->zValue() / 2;
    m_background->setZValue(z);
}

void DocumentGraphicModel::setPageVisible(bool show, bool reset)
{
    if (show) {
        if (!m_background) {
            m_background = new BackgroundLayerPath(m_pageRect.value());
            placeBackground();
            addItem(m_background);
            setSceneRect(m_pageRect.value());
        }
        return;
    }
    setBackgroundBrush(Qt::NoBrush);
    if (m_background) {
        removeItem(m_background);
        delete m_background;
        m_background = nullptr;
    }
    if (reset)
        resetTransform();
}

void DocumentGraphicModel::fitItemBoundsToPage()
{
    for (GraphicsInkPathItem *item : inkItems())
        item->setBoundingRect(m_pageRect.value());
}
