// Reading pen files and saved documents for the command-line tool.
#pragma once

#include "ink/Document.h"
#include "ink/InkMLDefinitions.h"
#include "ink/SharedHandle.h"

#include <string>

namespace Cli {

/// What a reader made of one file.
struct LoadedInk
{
    Nivo::SharedHandle<Nivo::Document> document;
    Nivo::SharedHandle<Nivo::InkMLDefinitions> definitions;
    /// Why the file was not loaded (empty when the reader said it in the log).
    std::string reason;

    bool isComplete() const { return document && document->complete().value(); }
};

/// True when the path names a saved document (".vmr" or ".inkml" in any case).
bool isSavedDocumentPath(const std::string &path);

/// Reads a file with the reader its suffix calls for: saved documents through the document
/// reader, everything else through the pen-file reader. Never fails hard: a file that cannot
/// be read gives an incomplete (possibly empty) document and a reason.
LoadedInk loadInk(const std::string &path);

/// Checks that a path can be read as a file; false with a reason otherwise.
bool checkReadableFile(const std::string &path, std::string &reason);

} // namespace Cli
