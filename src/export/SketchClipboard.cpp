// The clipboard's picture and drawing of a sketch.
#include "export/SketchClipboard.h"

#include "document/DocumentGraphicModel.h"
#include "document/DocumentMetaData.h"
#include "export/DocumentExport.h"
#include "export/LayeredSvg.h"
#include "export/SketchLayers.h"

#include <QImage>
#include <QMimeData>

QMimeData *sketchMimeData(const DocumentMetaData &metadata)
{
    DocumentGraphicModel *model = metadata.model().get();
    if (!model)
        return nullptr;
    const QRectF page = model->pageRect();
    auto *mime = new QMimeData;
    // Pasted into a text or an e-mail, transparent ink would land on whatever lies below.
    const QImage ink = renderImage(*model, page);
    if (!ink.isNull())
        mime->setImageData(onWhite(ink));
    const QByteArray svg = layeredSvg(*model, page, sketchLayersOf(metadata));
    if (!svg.isEmpty())
        mime->setData(QStringLiteral("image/svg+xml"), svg);
    return mime;
}
