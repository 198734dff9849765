// Drawing a page of a document into an image on every core, band by band of rows.
#pragma once

class DocumentGraphicModel;
class QImage;
class QRectF;

/// Draws the source rectangle of the model into the image, one pixel per unit (the image
/// has the rectangle's size), as QGraphicsScene::render would: every visible item in
/// stacking order. The rows are split into bands painted by several threads at once. False,
/// with nothing drawn, when the scale is not exactly one, the view is turned or moved, or
/// the scene holds what this does not draw the same way (clipping to shapes, effects,
/// widgets, background or foreground brushes); the caller then renders it as usual. Call on the
/// thread that owns the model.
bool renderInBands(DocumentGraphicModel &model, const QRectF &source, QImage &image);
