// What a dragged thumbnail carries: the path of its sketch file, and the file for others.
#pragma once

#include <QString>

class QMimeData;

namespace SketchDrag {

/// The format under which the thumbnail list offers a sketch and the folder tree and the
/// list accept one.
inline constexpr const char *kMimeType = "image/x-tarsel-piece";

/// Drag data holding path for the window, and the file as a URL (text/uri-list) for other
/// programs (owned by the caller, or by the QDrag it is given to).
QMimeData *mimeFor(const QString &path);
bool carriesSketch(const QMimeData *mime);
/// The dragged sketch's path, or an empty text when the data holds none or is damaged.
QString pathOf(const QMimeData *mime);

} // namespace SketchDrag
