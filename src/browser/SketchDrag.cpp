// What a dragged thumbnail carries: the path of its sketch file.
#include "browser/SketchDrag.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace SketchDrag {

QMimeData *mimeFor(const QString &path)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << path;
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(kMimeType), bytes);
    return mime;
}

bool carriesSketch(const QMimeData *mime)
{
    return mime && mime->hasFormat(QString::fromLatin1(kMimeType));
}

QString pathOf(const QMimeData *mime)
{
    if (!carriesSketch(mime))
        return {};
    QByteArray bytes = mime->data(QString::fromLatin1(kMimeType));
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QString path;
    stream >> path;
    return stream.status() == QDataStream::Ok ? path : QString();
}

} // namespace SketchDrag
