// The player's export of its replay: the file question, the progress and what went wrong.
#pragma once

#include "replay/ReplayExport.h"

class DocumentMetaData;
class QWidget;

/// Asks through the dialog seam for a GIF, WebP or MP4 file, starting at the document's
/// folder and name, and writes the sketch's replay there with the options, under a
/// window-modal progress dialog whose Cancel stops it. A failure is said in a message; a
/// cancelled export says nothing and leaves nothing. True when the file was written. Call on
/// the user-interface thread.
bool exportReplayAsked(QWidget *parent, const DocumentMetaData &sketch,
                       const ReplayExportOptions &options);
