// Writing a scene's rectangle as an image, a PDF or an SVG file.
#pragma once

#include <QRectF>
#include <QString>

class QGraphicsScene;
struct SketchLayers;

/// Each writes through a temporary file that replaces the target only when complete, shows
/// a progress dialog over the active window, and reports a failure through the dialog seam
/// before returning false. Call on the user-interface thread.

/// PNG, JPG/JPEG, BMP or TIFF (formatName as the suffix in upper case), one pixel per unit
/// of the source rectangle, at the best quality (PNG losslessly compressed).
bool saveImage(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
               const QString &formatName);
/// A vector PDF whose page has the source rectangle's size in tenths of a millimetre. Models
/// of pressure ink are written compactly by writeInkPdf, other scenes by Qt's PDF engine.
bool savePdf(QGraphicsScene &scene, const QString &fileName, const QRectF &source);
/// A vector SVG in the source rectangle's coordinates, declaring its size in millimetres
/// (the units are tenths of a millimetre), titled with the sketch's name and keeping every
/// layer of a document model as a named Inkscape layer (see layeredSvg).
bool saveSvg(QGraphicsScene &scene, const QString &fileName, const QRectF &source,
             const SketchLayers &names);
/// The same, named after the file: its base name, and "layer N" for every layer.
bool saveSvg(QGraphicsScene &scene, const QString &fileName, const QRectF &source);

/// The scene's source rectangle drawn onto the whole image, keeping the aspect ratio.
class QImage;
QImage renderImage(QGraphicsScene &scene, const QRectF &source);
/// The image laid on white, for outputs without transparency (which would show a transparent
/// page as black under black ink).
QImage onWhite(const QImage &image);
