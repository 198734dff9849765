// A fast PNG writer for rendered sheets: no row filters, run-length deflate.
#pragma once

class QIODevice;
class QImage;

/// Writes the image as an 8-bit PNG: grey when every pixel is opaque grey, RGB when every
/// pixel is opaque, a palette of black in every opacity when every pixel is black (black ink
/// on transparency), else RGBA (not premultiplied). Rows are stored unfiltered and compressed with
/// run-length matching only, which on ink over a white sheet is both several times faster and
/// smaller than the filtered default. False when the device refuses bytes.
bool writePng(QIODevice &device, const QImage &image);
