// Prints an XML tree in the saved-document layout.
#pragma once

#include <cstdio>
#include <pugixml.hpp>

namespace Nivo {

/// Writes the document with one element per line and four blanks per level of depth;
/// an element with a single text child stays on one line, an element without children
/// closes itself (" />"). Text and attribute values escape the five XML special
/// characters and control characters. Returns false on a write error.
bool printXml(const pugi::xml_document &document, std::FILE *file);

} // namespace Nivo
