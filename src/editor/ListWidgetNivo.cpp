// The editor's list of layers: a context menu per layer and check boxes that leave the selection.
#include "editor/ListWidgetNivo.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

ListWidgetNivo::ListWidgetNivo(QWidget *parent)
    : QListWidget(parent)
    , m_menu(new QMenu(this))
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setAccessibleName(tr("Layers"));
    m_menu->setAccessibleName(tr("Layer menu"));
    connect(m_menu->addAction(tr("&Delete layer")), &QAction::triggered, this,
            &ListWidgetNivo::deleteCurrentLayerSlot);
    connect(m_menu->addAction(tr("&Rename layer...")), &QAction::triggered, this,
            &ListWidgetNivo::renameItemSignal);
}

void ListWidgetNivo::deleteCurrentLayerSlot()
{
    if (item(m_selectedLayerIndex))
        emit deleteItemSignal();
}

void ListWidgetNivo::contextMenuEvent(QContextMenuEvent *event)
{
    const QListWidgetItem *under = itemAt(event->pos());
    m_selectedLayerIndex = under ? row(under) : -1;
    if (under && m_rmbClickPermitted)
        m_menu->popup(event->globalPos());
    event->accept();
}

void ListWidgetNivo::mousePressEvent(QMouseEvent *event)
{
    if (!toggleCheckBoxAt(event))
        QListWidget::mousePressEvent(event);
}

void ListWidgetNivo::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click toggles again, as a press of its own would.
    if (!toggleCheckBoxAt(event))
        QListWidget::mouseDoubleClickEvent(event);
}

void ListWidgetNivo::mouseReleaseEvent(QMouseEvent *event)
{
    // The release after a press on a check box would toggle it back through the delegate.
    if (m_pressOnCheckBox && event->button() == Qt::LeftButton) {
        m_pressOnCheckBox = false;
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void ListWidgetNivo::mouseMoveEvent(QMouseEvent *event)
{
    if (checkBoxItemAt(event->position().toPoint()))
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->setCursor(Qt::ArrowCursor);
    if (!m_pressOnCheckBox)
        QListWidget::mouseMoveEvent(event);
}

QListWidgetItem *ListWidgetNivo::checkBoxItemAt(const QPoint &pos) const
{
    QListWidgetItem *under = itemAt(pos);
    if (!under || !(under->flags() & Qt::ItemIsUserCheckable)
        || !(under->flags() & Qt::ItemIsEnabled))
        return nullptr;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(under);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.checkState = under->checkState();
    if (!under->text().isEmpty())
        option.features |= QStyleOptionViewItem::HasDisplay;
    if (!under->icon().isNull())
        option.features |= QStyleOptionViewItem::HasDecoration;
    option.text = under->text();
    option.icon = under->icon();
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(pos) ? under : nullptr;
}

bool ListWidgetNivo::toggleCheckBoxAt(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    QListWidgetItem *box = checkBoxItemAt(event->position().toPoint());
    if (!box)
        return false;
    box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    m_pressOnCheckBox = true;
    event->accept();
    return true;
}
