// The pen-file parse loop: dispatching packets and building layers, strokes and points.
#include "ink/QpeParser.h"

#include "ink/Log.h"
#include "ink/TextCodec.h"

#include <algorithm>

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
    : m_document(new QpeDocument)
{
    m_stream.open(toUtf8(path));
}

QpeParser::QpeParser(const unsigned char *data, size_t size)
    : m_document(new QpeDocument)
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
    parse();
    return m_document && m_document->complete().value();
}

Stroke *QpeParser::lastStroke()
{
    auto &layers = m_document->elements();
    if (layers.empty() || layers.back().elements().empty())
        return nullptr;
    return &layers.back().elements().back();
}

bool QpeParser::parse()
{
    if (m_stopRequested.load(std::memory_order_relaxed))
        return true;
    if (!m_stream.isOpen() || !m_document)
        return false;
    QpeDocument &document = *m_document;
    if (!document.fileDescriptor().readFromStream(m_stream)) {
        logMessage(LogSevere, "QpeParser", "parse", "invalid file descriptor");
        m_stream.close();
        return false;
    }
    m_newLayerPending = true;
    m_newStrokePending = true;
    m_strokeBreakSeen = false;

    CoordinatePoint coordinate;
    for (;;) {
        if (m_stopRequested.load(std::memory_order_relaxed) || !m_stream.isOpen()
            || m_stream.atEnd())
            break;
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

        switch (tag) {
        case TagFileDescriptor:
            logMessage(LogSevere, "QpeParser", "parse", "multipe file descriptors found");
            m_stream.close();
            return false;
        case TagPhysicalParams:
            if (!document.physicalParams().readFromStream(m_stream))
                return false;
            break;
        case TagFileDateTime:
            if (!document.fileDateTime().readFromStream(m_stream))
                return false;
            break;
        case TagCoordinate:
            if (!coordinate.readFromStream(m_stream))
                return false;
            placePoint(coordinate);
            break;
        case TagPressure:
            if (!m_pressure.readFromStream(m_stream))
                return false;
            if (Stroke *stroke = lastStroke(); stroke && stroke->elements().size() == 1)
                stroke->elements().back().pressure.set(
                    static_cast<unsigned>(std::max(0, m_pressure.pressure())));
            break;
        case TagTilt:
            if (!m_tilt.readFromStream(m_stream))
                return false;
            if (Stroke *stroke = lastStroke(); stroke && stroke->elements().size() == 1) {
                stroke->elements().back().xtilt.set(m_tilt.tiltX());
                stroke->elements().back().ytilt.set(m_tilt.tiltY());
            }
            break;
        case TagTimestamp:
            if (!m_timestamp.readFromStream(m_stream))
                return false;
            if (Stroke *stroke = lastStroke(); stroke && !stroke->isEmpty())
                stroke->elements().back().timestamp.set(m_timestamp.timestamp());
            break;
        case TagStatus: {
            if (!m_status.readFromStream(m_stream))
                return false;
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
    }
    m_stream.close();
    document.complete().set(true);
    return true;
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
            stroke.add(point);
            layer.extendBounds(stroke);
            document.extendBounds(layer);
        } else {
            m_newStrokePending = false;
            Stroke stroke;
            stroke.add(point);
            layer.addMoved(std::move(stroke));
            document.extendBounds(layer);
        }
        return;
    }
    Stroke stroke;
    stroke.add(point);
    Layer layer;
    layer.addMoved(std::move(stroke));
    document.addMoved(std::move(layer));
    m_newLayerPending = false;
    m_newStrokePending = false;
}

} // namespace Nivo
