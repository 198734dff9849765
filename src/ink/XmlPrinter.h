// Prints an XML tree in the saved-document layout, whole or piece by piece.
#pragma once

#include <cstdio>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace Nivo {

/// Writes the document with one element per line and four blanks per level of depth;
/// an element with a single text child stays on one line, an element without children
/// closes itself (" />"). Text and attribute values escape the five XML special
/// characters and line breaks and tabs; what XML 1.0 cannot hold at all (other control
/// characters, invalid UTF-8, U+FFFE, U+FFFF) is dropped or written as U+FFFD, so that
/// any strict parser reads the output. Returns false on a write error.
bool printXml(const pugi::xml_document &document, std::FILE *file);

class XmlOutput;

/// The same layout written in pieces, so that a large document never needs to be one tree:
/// open an element, print finished subtrees inside it, close it.
class XmlStreamPrinter
{
public:
    explicit XmlStreamPrinter(std::FILE *file);
    ~XmlStreamPrinter();
    XmlStreamPrinter(const XmlStreamPrinter &) = delete;
    XmlStreamPrinter &operator=(const XmlStreamPrinter &) = delete;

    /// The document's declaration (`<?xml version="1.0" ?>`) and its line break.
    void declaration(const pugi::xml_node &declaration);
    /// A whole element at depth; depth 0 is the root, on the line after the declaration.
    void element(const pugi::xml_node &element, int depth);
    /// An element's start tag and its children so far; more may follow before close().
    /// An element that will have no children at all is printed with element() instead.
    void open(const pugi::xml_node &element, int depth);
    void close(const char *name, int depth);
    /// Writes what is buffered; false once any write has failed.
    bool flush();

private:
    std::unique_ptr<XmlOutput> m_out;
};

/// Text as XML 1.0 can carry it: valid UTF-8 without the characters it cannot hold.
/// Tabs and line breaks stay; other control characters (NUL included) are dropped; invalid
/// bytes, U+FFFE and U+FFFF become U+FFFD.
std::string toXmlText(std::string_view text);

} // namespace Nivo
