// Layered Photoshop files of a document model, for applications that open PSD but not
// OpenRaster.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRectF>
#include <QString>

class DocumentGraphicModel;
struct SketchLayers;

/// Writes the model's source rectangle, one pixel per unit, at 254 dpi (so the sheet keeps
/// its size) as a version-1 PSD file, RGB with 8 bits a channel. One layer per layer group,
/// bottom layer first, each that layer alone on transparency cropped to the box around its
/// ink (0 × 0 when it has none), named by names.layerNames (also as Unicode, so any name
/// survives) and hidden where the model hides the group; hidden layers are drawn too. The
/// composite image, for readers that ignore layers, is the visible layers on white. Every
/// channel is run-length (PackBits) compressed row by row. Written through a temporary file
/// with a progress dialog; on any failure an old file stays as it was, the failure is
/// reported through the dialog seam and the result is false. Call on the user-interface
/// thread.
bool saveLayeredPsd(DocumentGraphicModel &model, const QString &fileName, const QRectF &source,
                    const SketchLayers &names);

/// Appends the bytes PackBits-coded: each run of 2 to 128 equal bytes as the count byte
/// 1 - n and the byte, the bytes between as literals of up to 128 behind the count byte
/// n - 1.
void appendPackBits(QByteArray &out, QByteArrayView bytes);
