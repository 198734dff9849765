// The sketch as other programs take it from the clipboard.
#pragma once

class DocumentMetaData;
class QMimeData;

/// The model's page as shown (turned like the view), as a picture on white for programs that
/// paste images and as a layered SVG for those that paste drawings; null without a model.
/// The caller owns the data (or the clipboard it is given to). Call on the user-interface
/// thread.
QMimeData *sketchMimeData(const DocumentMetaData &metadata);
