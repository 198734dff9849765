// The pens the layer editor draws its sketch with: plain, highlighted, and coloured by the
// scrubber's handles.
#pragma once

#include "document/PenDescription.h"

#include <QColor>
#include <QList>

class DocumentGraphicModel;

/// The default and highlight pens and the scrubber's three colours, and how they are put on
/// the layers of a model. checked holds, per layer, whether its list item is checked (a
/// visible layer); a layer beyond it counts as unchecked. Runs on the user-interface thread.
class LayerPens
{
public:
    /// Reads the pens and colours from the settings: the default pen with the settings'
    /// width as it stands, without the ball-point size; the highlight pen of the same width.
    /// A colour the settings lack keeps its last value.
    void read();

    const PenDescription &defaultPen() const { return m_defaultPen; }
    QColor scrubberLeft() const { return m_scrubberLeft; }
    QColor scrubberMiddle() const { return m_scrubberMiddle; }
    QColor scrubberRight() const { return m_scrubberRight; }

    /// Checked layers in the default pen, the others hidden; then the selected layers shown
    /// in the highlight pen.
    void showSelection(DocumentGraphicModel &model, const QList<bool> &checked,
                       const QList<int> &selected) const;
    /// Every layer shown in the default pen.
    void showAll(DocumentGraphicModel &model) const;
    /// Strokes in their own colours: those of a highlighted layer, counted from 1, in the
    /// left colour up to left, the middle one up to right and the right one after it;
    /// those of another checked layer in the default colour. The rest is hidden.
    void colourByHandles(DocumentGraphicModel &model, const QList<bool> &checked,
                         const QList<int> &highlighted, int left, int right) const;

private:
    PenDescription m_defaultPen;
    PenDescription m_highlightPen;
    QColor m_scrubberLeft = Qt::blue;
    QColor m_scrubberMiddle = Qt::red;
    QColor m_scrubberRight = Qt::darkGreen;
};
