// OpenRaster files of a document model: one image per layer, for drawing applications that
// keep layers apart.
#pragma once

#include <QRectF>
#include <QString>

class DocumentGraphicModel;
struct SketchLayers;

/// Writes the model's source rectangle, one pixel per unit (10 pixels per millimetre), as an
/// OpenRaster archive: "mimetype" first and stored uncompressed; "stack.xml" listing one
/// layer per layer group, topmost first, named by names.layerNames and hidden where the
/// model hides the layer; "data/layerN.png" per group (N from 1, bottom layer first), that
/// layer alone on transparency, hidden layers drawn too; "mergedimage.png", the visible
/// layers over each other on transparency, as a reader composes the stack (the page is no
/// layer, so it is not in the picture either); and "Thumbnails/thumbnail.png", the merged
/// image within 256 × 256. Written through a temporary file with a progress dialog; on any
/// failure an old file stays as it was, the failure is reported through the dialog seam and
/// the result is false. Call on the user-interface thread.
bool saveOpenRaster(DocumentGraphicModel &model, const QString &fileName, const QRectF &source,
                    const SketchLayers &names);
