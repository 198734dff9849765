// Sketch and layer names from the document, and showing one layer group at a time.
#include "export/SketchLayers.h"

#include "document/BackgroundLayerPath.h"
#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "export/DocumentExport.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The editor's own words for an untagged layer, so that a translated editor and the file it
// writes agree.
QString layerLabel(int index)
{
    return QCoreApplication::translate("LayerManager", "layer %1").arg(index + 1);
}

} // namespace

SketchLayers sketchLayersOf(const DocumentMetaData &metadata)
{
    SketchLayers names;
    names.sketchName = QFileInfo(metadata.path()).completeBaseName();
    const int groups = metadata.model() ? static_cast<int>(metadata.model()->groups().size()) : 0;
    const Nivo::Document *document = metadata.document().get();
    for (int i = 0; i < groups; ++i) {
        QString tag;
        if (document && i < static_cast<int>(document->elements().size())) {
            const auto &annotations = document->elements()[i].annotations();
            const auto found = annotations.find("tag");
            if (found != annotations.end())
                tag = QString::fromStdString(found->second);
        }
        names.layerNames << (tag.isEmpty() ? layerLabel(i) : tag);
    }
    return names;
}

SketchLayers sketchLayersOf(const DocumentGraphicModel &model, const QString &fileName)
{
    SketchLayers names;
    names.sketchName = QFileInfo(fileName).completeBaseName();
    for (int i = 0; i < model.groups().size(); ++i)
        names.layerNames << layerLabel(i);
    return names;
}

int strokeCount(const DocumentGraphicModel &model)
{
    int strokes = 0;
    for (const GraphicsItemsGroup *group : model.groups()) {
        for (const QGraphicsItem *child : group->childItems())
            strokes += child->type() == GraphicsInkPathItem::Type ? 1 : 0;
    }
    return strokes;
}

SoloLayer::SoloLayer(DocumentGraphicModel &model, int layer)
    : m_model(model)
{
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        GraphicsItemsGroup *group = groups[i];
        m_shown << group->isVisible();
        m_layerVisible << group->isLayerVisible();
        // Hidden items are skipped whole; a hidden layer would still be walked stroke by
        // stroke, each stroke declining to paint.
        group->setVisible(i == layer);
        if (i == layer)
            group->setLayerVisible(true);
    }
    if (BackgroundLayerPath *page = model.background()) {
        m_pageShown = page->isVisible();
        page->setVisible(layer == -1 && m_pageShown);
    }
}

SoloLayer::~SoloLayer()
{
    const QList<GraphicsItemsGroup *> &groups = m_model.groups();
    for (int i = 0; i < groups.size() && i < m_shown.size(); ++i) {
        groups[i]->setVisible(m_shown[i]);
        groups[i]->setLayerVisible(m_layerVisible[i]);
    }
    if (BackgroundLayerPath *page = m_model.background())
        page->setVisible(m_pageShown);
}

QImage renderLayerAlone(DocumentGraphicModel &model, int layer, const QRectF &source)
{
    const SoloLayer alone(model, layer);
    return renderImage(model, source);
}
