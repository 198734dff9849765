// What the layered outputs need of a sketch: its name, its layers' names, and one layer
// drawn at a time.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DocumentGraphicModel;
class QImage;
class QRectF;
class DocumentMetaData;

/// Names a layered file gives a sketch and its layers, bottom layer first.
struct SketchLayers
{
    QString sketchName;
    QStringList layerNames;
};

/// The sketch file's base name, and for every layer group of its model the layer's "tag"
/// annotation, else "layer N" counted from 1, as the layer editor labels it.
SketchLayers sketchLayersOf(const DocumentMetaData &metadata);
/// For a model whose document is not at hand: the output file's base name, and "layer N"
/// for every group.
SketchLayers sketchLayersOf(const DocumentGraphicModel &model, const QString &fileName);

/// Strokes in all layer groups of the model, hidden layers included.
int strokeCount(const DocumentGraphicModel &model);

/// While it lives the model draws one layer group alone, hidden or not, without the page;
/// with layer -1 it draws the page alone (nothing, when the page is not shown). The groups
/// left out are taken out of drawing altogether, so renderers spend nothing on their
/// strokes. When it goes, every group and the page are shown as they were.
class SoloLayer
{
public:
    SoloLayer(DocumentGraphicModel &model, int layer);
    ~SoloLayer();
    SoloLayer(const SoloLayer &) = delete;
    SoloLayer &operator=(const SoloLayer &) = delete;

private:
    DocumentGraphicModel &m_model;
    QList<bool> m_shown;
    QList<bool> m_layerVisible;
    bool m_pageShown = false;
};

/// The source rectangle of the model with one layer group alone on transparency (the page
/// and the other groups left out; drawn as renderImage draws); null when too large.
QImage renderLayerAlone(DocumentGraphicModel &model, int layer, const QRectF &source);
