// Whole-document saving and loading, with cancellation between elements.
#include "ink/DocumentSerializer.h"

#include "ink/AtomicFile.h"
#include "ink/LayerSerializer.h"
#include "ink/StrokeSerializer.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

namespace {

// Reads a whole file; false with a reason when it cannot be read.
bool readWholeFile(const std::string &path, std::string &contents, std::string &errorText)
{
    // Not blocking: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        errorText = std::string("cannot open file: ") + std::strerror(errno);
        return false;
    }
    struct stat info
    { };
    // A device or a pipe could be read without end (a link to /dev/zero).
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        errorText = S_ISDIR(info.st_mode) ? "is a folder"
                                          : "is not a regular file (a device, a pipe or a socket)";
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
    Document &document = *m_document;
    bool tooLarge = false;
    const bool saved = writeFileAtomically(
        path,
        [&](std::FILE *file) {
            try {
                return printStreaming(document, definitions, file);
            } catch (const std::bad_alloc &) {
                tooLarge = true;
                return false;
            }
        },
        &m_errorText);
    if (tooLarge)
        m_errorText = "cannot save " + path + ": not enough memory";
    return saved;
}

bool DocumentSerializer::printStreaming(Document &document, const InkMLDefinitions &definitions,
                                        std::FILE *file)
{
    // The same text as printing the whole tree, built and printed one trace at a time, so
    // that saving costs memory for one trace rather than for the whole document.
    XmlStreamPrinter out(file);
    pugi::xml_document head;
    pugi::xml_node declaration = head.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    pugi::xml_node ink = head.append_child("ink");
    if (!definitions.write(ink))
        return false;
    writeAnnotations(ink, document.annotations());
    out.declaration(declaration);
    if (!ink.first_child() && document.isEmpty()) {
        out.element(ink, 0);
        return out.flush();
    }
    out.open(ink, 0);
    head.reset();

    pugi::xml_document piece;
    int index = 0;
    for (Layer &layer : document.elements()) {
        pugi::xml_node group = piece.append_child("tracegroup");
        std::string id = "layer";
        appendInteger(id, index++);
        group.append_attribute("id").set_value(id.c_str());
        writeAnnotations(group, layer.annotations());
        if (layer.isEmpty()) {
            out.element(group, 1);
        } else {
            out.open(group, 1);
            pugi::xml_document trace;
            for (Stroke &stroke : layer.elements()) {
                const StrokeSerializer serializer("trace", &stroke, "#default-context");
                if (!serializer.write(trace))
                    return false;
                out.element(trace.first_child(), 2);
                trace.reset();
            }
            out.close("tracegroup", 1);
        }
        piece.reset();
        if (!out.flush())
            return false;
    }
    out.close("ink", 0);
    return out.flush();
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

    const pugi::xpath_node_set groups = ink.select_nodes("tracegroup");
    m_document->elements().reserve(m_document->elements().size() + groups.size());
    for (const pugi::xpath_node &selected : groups) {
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
            // A layer cut short by a stop is no reason to call the rest complete.
            if (!read && isCancelled()) {
                m_errorText = "cancelled";
                return false;
            }
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
    if (isCancelled()) {
        m_errorText = "cancelled";
        return false;
    }
    m_document->complete().set(true);
    return true;
}

} // namespace Nivo
