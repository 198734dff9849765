// What a dragged thumbnail carries: the path of its sketch file, and the file for others.
#include "browser/SketchDrag.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QUrl>

namespace SketchDrag {

QMimeData *mimeFor(const QString &path)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << path;
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(kMimeType), bytes);
    // The file itself for other programs: file managers, mail composers, drawing programs.
    mime->setUrls({QUrl::fromLocalFile(path)});
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
