// Whole-document saving and loading, with cancellation between elements.
#include "ink/DocumentSerializer.h"

#include "ink/AtomicFile.h"
#include "ink/LayerSerializer.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

namespace {

// Reads a whole file; false with a reason when it cannot be read.
bool readWholeFile(const std::string &path, std::string &contents, std::string &errorText)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        errorText = std::string("cannot open file: ") + std::strerror(errno);
        return false;
    }
    struct stat info
    { };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        errorText = S_ISDIR(info.st_mode) ? "is a folder" : std::strerror(errno);
        ::close(fd);
        return false;
    }
    contents.clear();
    if (info.st_size > 0)
        contents.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            errorText = std::string("cannot read file: ") + std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return true;
}

} // namespace

DocumentSerializer::DocumentSerializer(Document *document)
    : m_document(document)
{ }

DocumentSerializer::~DocumentSerializer() = default;

void DocumentSerializer::cancel()
{
    m_cancelled.store(true, std::memory_order_relaxed);
    std::scoped_lock lock(m_readerLock);
    if (m_currentLayerReader)
        m_currentLayerReader->cancel();
}

void DocumentSerializer::setCurrentLayerReader(LayerSerializer *reader)
{
    std::scoped_lock lock(m_readerLock);
    m_currentLayerReader = reader;
    // A cancel that came just before the reader was published still reaches it.
    if (reader && isCancelled())
        reader->cancel();
}

bool DocumentSerializer::buildXml(Document &document, const InkMLDefinitions &definitions,
                                  pugi::xml_document &xml)
{
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    pugi::xml_node ink = xml.append_child("ink");
    if (!definitions.write(ink))
        return false;
    writeAnnotations(ink, document.annotations());
    int index = 0;
    for (Layer &layer : document.elements()) {
        const LayerSerializer serializer("tracegroup", &layer, index++);
        if (!serializer.write(ink))
            return false;
    }
    return true;
}

bool DocumentSerializer::saveFile(const std::wstring &path, const InkMLDefinitions &definitions)
{
    return saveFileNarrow(toUtf8(path), definitions);
}

bool DocumentSerializer::saveFileNarrow(const std::string &path,
                                        const InkMLDefinitions &definitions)
{
    m_errorText.clear();
    if (!m_document) {
        m_errorText = "no document";
        return false;
    }
    pugi::xml_document xml;
    if (!buildXml(*m_document, definitions, xml)) {
        m_errorText = "the document could not be written";
        return false;
    }
    return writeFileAtomically(
        path, [&xml](std::FILE *file) { return printXml(xml, file); }, &m_errorText);
}

bool DocumentSerializer::loadFile(const std::wstring &path, InkMLDefinitions &definitions)
{
    m_errorText.clear();
    std::string contents;
    if (!readWholeFile(toUtf8(path), contents, m_errorText))
        return false;
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = xml.load_buffer_inplace(
        contents.data(), contents.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        m_errorText = std::string("not well-formed XML: ") + parsed.description() + " at offset "
            + std::to_string(parsed.offset);
        return false;
    }
    return readDocument(xml, definitions);
}

bool DocumentSerializer::loadFileNarrow(const std::string &path, InkMLDefinitions &definitions)
{
    if (isCancelled()) {
        m_errorText = "cancelled";
        return false;
    }
    return loadFile(fromUtf8(path), definitions);
}

bool DocumentSerializer::readDocument(const pugi::xml_document &xml, InkMLDefinitions &definitions)
{
    if (!m_document)
        return false;
    const pugi::xml_node ink = xml.child("ink");
    if (!ink) {
        m_errorText = "no \"ink\" root element";
        return false;
    }
    // Unreadable definitions do not keep the ink from loading.
    if (const pugi::xml_node definitionsElement = ink.child("definitions"))
        (void)definitions.read(definitionsElement);

    for (const pugi::xpath_node &selected : ink.select_nodes("tracegroup")) {
        if (isCancelled()) {
            m_errorText = "cancelled";
            return false;
        }
        Layer layer;
        if (const pugi::xml_node element = selected.node()) {
            LayerSerializer reader("tracegroup", &layer, 0);
            setCurrentLayerReader(&reader);
            const bool read = reader.read(element);
            setCurrentLayerReader(nullptr);
            if (read)
                m_document->addMoved(std::move(layer));
        }
    }
    for (const pugi::xpath_node &selected : ink.select_nodes("annotation")) {
        if (isCancelled()) {
            m_errorText = "cancelled";
            return false;
        }
        readAnnotation(selected.node(), m_document->annotations());
    }
    m_document->complete().set(true);
    return true;
}

} // namespace Nivo
