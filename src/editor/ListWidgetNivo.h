// The editor's list of layers: a context menu per layer and check boxes that leave the selection.
#pragma once

#include <QListWidget>

class QMenu;

/// Shows "Delete layer" and "Rename layer..." for the layer under the cursor, while right
/// clicks are permitted. A press on an item's check box toggles it without selecting the
/// item, and the cursor turns into a pointing hand over check boxes.
class ListWidgetNivo : public QListWidget
{
    Q_OBJECT

public:
    explicit ListWidgetNivo(QWidget *parent = nullptr);

    /// The row of the item under the cursor at the last context menu request, -1 if there
    /// was none.
    int getSelectedLayerIndex() const { return m_selectedLayerIndex; }

    /// Owned by the list; shown by popup(), so it is open when a request returns.
    QMenu *contextMenu() const { return m_menu; }

signals:
    /// The layer at getSelectedLayerIndex() is to be deleted.
    void deleteItemSignal();
    /// The layer at getSelectedLayerIndex() is to be renamed.
    void renameItemSignal();

public slots:
    /// Emits deleteItemSignal() if an item was under the menu.
    void deleteCurrentLayerSlot();
    /// Right clicks show no menu while this is false; they do by default.
    void permitRmbClickSlot(bool permitted) { m_rmbClickPermitted = permitted; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    /// The checkable item whose check box is at pos (in viewport coordinates), or nullptr.
    QListWidgetItem *checkBoxItemAt(const QPoint &pos) const;
    /// Toggles the check box under a left press; true if the press was on one.
    bool toggleCheckBoxAt(QMouseEvent *event);

    QMenu *m_menu;
    int m_selectedLayerIndex = -1;
    bool m_rmbClickPermitted = true;
    bool m_pressOnCheckBox = false;
};
