// A compact single-page PDF of a document model's ink, without Qt's PDF engine.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

class DocumentGraphicModel;

/// Whether writeInkPdf draws everything scene.render would draw of the source rectangle:
/// a pressure-rendering model holding only its own untransformed, opaque layer groups,
/// strokes and sheet, strokes coloured by their group's pen, no scene brushes.
bool canWriteInkPdf(const DocumentGraphicModel &model, const QRectF &source);

/// A PDF 1.4 file of one page whose size is the source rectangle's (tenths of a millimetre),
/// showing what the model shows of it like scene.render with Qt::KeepAspectRatio: the sheet,
/// then every stroke of every visible layer, bottom to top, as one filled outline. Outlines
/// stay within a twentieth of a millimetre of the model's. Empty for an empty rectangle.
QByteArray writeInkPdf(const DocumentGraphicModel &model, const QRectF &source,
                       const QString &title, const QString &creator);
