// The strokes a replay shows at a position: complete strokes and the first points of the next.
#pragma once

#include "replay/ReplaySchedule.h"

#include <QColor>
#include <QRectF>

#include <memory>
#include <vector>

class DocumentGraphicModel;
class GraphicsInkPathItem;
class PartialStrokeItem;

/// The ink colour and width a replay draws every stroke with.
struct ReplayPen
{
    QColor colour = Qt::black;
    double width = 1.0;
};

/// The default pen of the settings ("visuality_properties/default_pen"): its colour when
/// valid and its width when it is a whole number; what the settings lack stays as in
/// `fallback`.
ReplayPen replayPenFromSettings(const ReplayPen &fallback = {});

/// A pressure-rendering model set up for a replay: every layer drawn visible in the ink pen,
/// every stroke hidden until shown, and an item of its own for the stroke being drawn, which
/// paints that stroke's first points as the stroke paints itself. Strokes go in playback
/// order: layer groups in document order, strokes in layer order. A change touches only the
/// strokes between the old position and the new one. The model must outlive this object,
/// which takes its item back out of the model's scene when it goes.
class ReplayScene
{
public:
    ReplayScene(DocumentGraphicModel &model, const ReplayPen &pen);
    ~ReplayScene();
    ReplayScene(const ReplayScene &) = delete;
    ReplayScene &operator=(const ReplayScene &) = delete;

    DocumentGraphicModel &model() const { return m_model; }
    int strokeCount() const { return static_cast<int>(m_strokes.size()); }
    /// Strokes shown completely.
    int shownStrokes() const { return m_shown; }
    /// Points shown of the stroke after the complete ones; 0 between strokes.
    int partialPoints() const;
    /// The scene bounds of all strokes: where the pen drew.
    QRectF inkBounds() const;

    /// Shows the first `count` strokes (clamped to 0..N) and nothing of the others. Returns
    /// the area of the scene that changed; empty when nothing did.
    QRectF showStrokes(int count);
    /// Shows the complete strokes of a position and the first points of the stroke after
    /// them. Returns the area of the scene that changed; empty when nothing did.
    QRectF showPosition(const ReplaySchedule::Position &position);

private:
    DocumentGraphicModel &m_model;
    QColor m_colour;
    std::vector<GraphicsInkPathItem *> m_strokes;
    int m_shown = 0;
    std::unique_ptr<PartialStrokeItem> m_partial;
};
