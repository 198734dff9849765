// The layer editor's list icons: each layer of the sketch drawn alone, small, in the ink
// colour.
#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>

class DocumentGraphicModel;
class QListWidget;
class QRectF;

/// Draws the icon of a list row from the model's layer at the same index: that layer alone
/// on a small white sheet, at a twentieth of the size of the sketch's items. The layer's
/// visibility and pen are as they were afterwards. Runs on the user-interface thread.
class LayerIcons
{
public:
    explicit LayerIcons(QListWidget &list)
        : m_list(list)
    { }

    /// Sizes the icons to the model's items as they stand (the list shows them at most 96
    /// pixels wide and high) and draws them in the ink colour.
    void fitTo(const DocumentGraphicModel &model, const QColor &ink);
    /// The icon of the list item at row; nothing when the row or the layer is missing.
    void render(DocumentGraphicModel &model, int row) const;
    /// The icon of every list item.
    void renderAll(DocumentGraphicModel &model) const;

private:
    QIcon draw(DocumentGraphicModel &model, int index, const QRectF &source) const;

    QListWidget &m_list;
    QSize m_size {1, 1};
    QColor m_ink;
};
