// The pen-file parse loop: dispatching packets and building layers, strokes and points.
#include "ink/QpeParser.h"

#include "ink/Log.h"
#include "ink/TextCodec.h"

#include <algorithm>
#include <new>

namespace Nivo {

namespace {

bool isKnownTag(unsigned char tag)
{
    switch (tag) {
    case TagFileDescriptor:
    case TagPhysicalParams:
    case TagFileDateTime:
    case TagCoordinate:
    case TagPressure:
    case TagTilt:
    case TagTimestamp:
    case TagStatus:
        return true;
    default:
        return false;
    }
}

} // namespace

QpeParser::QpeParser(const std::wstring &path)
    : m_path(toUtf8(path))
    , m_document(new QpeDocument)
{
    if (!m_stream.open(m_path))
        m_errorText = m_stream.errorText();
    m_stream.setStopFlag(&m_stopRequested);
}

QpeParser::QpeParser(const unsigned char *data, size_t size)
    : m_path("(memory)")
    , m_document(new QpeDocument)
{
    m_stream.openMemory(data, size);
}

QpeParser::~QpeParser() = default;

void QpeParser::stop()
{
    m_stopRequested.store(true, std::memory_order_relaxed);
}

bool QpeParser::load()
{
    try {
        parse();
    } catch (const std::bad_alloc &) {
        // A sketch too large for the memory there is: give it up, not the program.
        m_stream.close();
        m_document.reset();
        m_document = SharedHandle<QpeDocument>(new QpeDocument);
        m_errorText = "too large to open (not enough memory)";
        logMessage(LogSevere, "QpeParser", "load", (m_path + ": " + m_errorText).c_str());
    }
    return m_document && m_document->complete().value();
}

Stroke *QpeParser::lastStroke()
{
    auto &layers = m_document->elements();
    if (layers.empty() || layers.back().elements().empty())
        return nullptr;
    return &layers.back().elements().back();
}

void QpeParser::closeLastStroke()
{
    // A stroke grows by doubling while it is read; without this, a document would carry a
    // quarter of its points' size again as spare room.
    if (Stroke *stroke = lastStroke())
        stroke->elements().shrink_to_fit();
}

void QpeParser::closeLastLayer()
{
    closeLastStroke();
    if (auto &layers = m_document->elements(); !layers.empty())
        layers.back().elements().shrink_to_fit();
}

bool QpeParser::reject(const std::string &reason, bool logIt)
{
    if (m_stream.hasError()) {
        // A failing disc is not a damaged file: say where the read failed.
        m_errorText = m_stream.errorText();
        logMessage(LogSevere, "QpeParser", "parse", (m_path + ": " + m_errorText).c_str());
    } else {
        m_errorText = reason;
        if (logIt)
            logMessage(LogSevere, "QpeParser", "parse", reason.c_str());
    }
    m_stream.close();
    return false;
}

bool QpeParser::parse()
{
    if (m_stopRequested.load(std::memory_order_relaxed))
        return true;
    if (!m_stream.isOpen() || !m_document) {
        if (m_errorText.empty())
            m_errorText = "the file is not open";
        return false;
    }
    m_errorText.clear();
    QpeDocument &document = *m_document;
    if (!document.fileDescriptor().readFromStream(m_stream))
        return reject("invalid file descriptor", true);
    m_newLayerPending = true;
    m_newStrokePending = true;
    m_strokeBreakSeen = false;

    CoordinatePoint coordinate;
    for (;;) {
        if (m_stopRequested.load(std::memory_order_relaxed) || !m_stream.isOpen()
            || m_stream.atEnd())
            break;
        const std::int64_t packetOffset = m_stream.tell();
        unsigned char tag = 0;
        m_stream.readByte(tag);
        if (!isKnownTag(tag)) {
            skipUnknownPacket();
            continue;
        }
        if (m_stopRequested.load(std::memory_order_relaxed))
            break;
        if (m_stream.atEnd())
            continue;
        if (tag == TagFileDescriptor)
            return reject("multipe file descriptors found", true);

        const PacketResult result = readKnownPacket(tag, coordinate);
        if (result == PacketResult::Rejected)
            return reject("invalid packet at offset " + std::to_string(packetOffset), false);
        if (result == PacketResult::CutShort) {
            // The receiver was unplugged while writing: keep everything before the packet.
            const std::string message = m_path
                + ": packet cut short by the end of the file at offset "
                + std::to_string(packetOffset) + ", dropped";
            logMessage(LogWarning, "QpeParser", "parse", message.c_str());
            break;
        }
    }
    if (m_stream.hasError())
        return reject(std::string(), false);
    m_stream.close();
    closeLastLayer();
    document.elements().shrink_to_fit();
    document.complete().set(true);
    return true;
}

QpeParser::PacketResult QpeParser::failure() const
{
    // A packet that fails only because the file ended inside it is cut short, not wrong.
    return m_stream.atEnd() && !m_stream.hasError() ? PacketResult::CutShort
                                                    : PacketResult::Rejected;
}

QpeParser::PacketResult QpeParser::readKnownPacket(unsigned char tag, CoordinatePoint &coordinate)
{
    QpeDocument &document = *m_document;
    switch (tag) {
    case TagPhysicalParams:
        if (!document.physicalParams().readFromStream(m_stream))
            return failure();
        break;
    case TagFileDateTime:
        if (!document.fileDateTime().readFromStream(m_stream))
            return failure();
        break;
    case TagCoordinate:
        if (!coordinate.readFromStream(m_stream))
            return failure();
        placePoint(coordinate);
        break;
    case TagPressure:
        if (!m_pressure.readFromStream(m_stream))
            return failure();
        if (Stroke *stroke = lastStroke(); stroke && stroke->elements().size() == 1)
            stroke->elements().back().pressure.set(
                static_cast<unsigned>(std::max(0, m_pressure.pressure())));
        break;
    case TagTilt:
        if (!m_tilt.readFromStream(m_stream))
            return failure();
        if (Stroke *stroke = lastStroke(); stroke && stroke->elements().size() == 1) {
            stroke->elements().back().xtilt.set(m_tilt.tiltX());
            stroke->elements().back().ytilt.set(m_tilt.tiltY());
        }
        break;
    case TagTimestamp:
        if (!m_timestamp.readFromStream(m_stream))
            return failure();
        if (Stroke *stroke = lastStroke(); stroke && !stroke->isEmpty())
            stroke->elements().back().timestamp.set(m_timestamp.timestamp());
        break;
    case TagStatus: {
        if (!m_status.readFromStream(m_stream))
            return failure();
        const unsigned char status = m_status.status();
        if (status & Status::kLayerBreak) {
            m_pressure.reset();
            m_tilt.reset();
            m_newLayerPending = true;
            m_newStrokePending = true;
        } else if (status & Status::kStrokeBreak) {
            // Only the first of several stroke breaks in a row ends the stroke.
            if (!m_strokeBreakSeen) {
                m_pressure.reset();
                m_tilt.reset();
                m_newStrokePending = true;
            }
            m_strokeBreakSeen = true;
        } else {
            m_strokeBreakSeen = false;
        }
        break;
    }
    default:
        break;
    }
    return PacketResult::Read;
}

void QpeParser::skipUnknownPacket()
{
    if (m_stream.atEnd())
        return;
    unsigned char code = 0;
    if (!m_stream.readByte(code))
        return;
    // A zero length skips nothing beyond the two framing bytes; a length of one moves back
    // onto the length code, which is then read as the next tag.
    if (const unsigned length = decodePacketLength(code); length != 0)
        m_stream.seek(m_stream.tell() + length - 2);
}

void QpeParser::placePoint(const CoordinatePoint &coordinate)
{
    if (coordinate.y() < 0.0)
        return;
    // The point's pressure channel is unsigned: a negative type-6 pressure is stored as 0.
    const Point point(coordinate.x(), coordinate.y(), 0.0,
                      static_cast<unsigned>(std::max(0, m_pressure.pressure())), m_tilt.tiltX(),
                      m_tilt.tiltY(), m_timestamp.timestamp());
    QpeDocument &document = *m_document;
    auto &layers = document.elements();
    if (!m_newLayerPending && !layers.empty()) {
        Layer &layer = layers.back();
        if (!m_newStrokePending && !layer.isEmpty()) {
            // The common case, once per point: append in place and let the boxes follow.
            Stroke &stroke = layer.elements().back();
            const Point &tl = stroke.topLeft().value();
            const Point &br = stroke.bottomRight().value();
            const double x = point.x.value();
            const double y = point.y.value();
            // Most points fall inside their stroke's box so far, which the layer's and the
            // document's boxes already hold.
            const bool inside
                = x >= tl.x.value() && y >= tl.y.value() && x <= br.x.value() && y <= br.y.value();
            stroke.add(point);
            if (!inside) {
                layer.extendBounds(stroke);
                document.extendBounds(layer);
            }
        } else {
            m_newStrokePending = false;
            closeLastStroke();
            Stroke stroke;
            stroke.add(point);
            layer.addMoved(std::move(stroke));
            document.extendBounds(layer);
        }
        return;
    }
    closeLastLayer();
    Stroke stroke;
    stroke.add(point);
    Layer layer;
    layer.addMoved(std::move(stroke));
    document.addMoved(std::move(layer));
    m_newLayerPending = false;
    m_newStrokePending = false;
}

} // namespace Nivo
