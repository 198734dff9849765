// Reads one pen file into an ink document, packet by packet.
#pragma once

#include "ink/PenFileStream.h"
#include "ink/QpeDocument.h"
#include "ink/QpePackets.h"
#include "ink/SharedHandle.h"

#include <atomic>
#include <memory>
#include <string>

namespace Nivo {

class QpeParser
{
public:
    /// Opens the pen file for binary reading; a file that cannot be opened shows as a
    /// failed parse.
    explicit QpeParser(const std::wstring &path);
    /// Parses bytes held by the caller, which must outlive the parser.
    QpeParser(const unsigned char *data, size_t size);
    ~QpeParser();
    QpeParser(const QpeParser &) = delete;
    QpeParser &operator=(const QpeParser &) = delete;

    /// Parses the whole file. The verdict on the file is document()->complete, not the
    /// result: a parse stopped from another thread returns true with a partial document.
    /// Runs on one thread; stop() may be called from any thread meanwhile.
    bool parse();
    /// Parses and returns whether the document is complete.
    bool load();
    /// Asks a running parse to end at the next packet; the parsing thread closes the file.
    void stop();

    /// Why the last parse did not give a complete document (empty when it did).
    const std::string &errorText() const { return m_errorText; }

    /// The document being built (null once taken).
    QpeDocument *document() const { return m_document.get(); }
    /// Takes the document out, so that destroying the parser no longer destroys it.
    std::unique_ptr<QpeDocument> takeDocument() { return m_document.take(); }

private:
    enum class PacketResult { Read, CutShort, Rejected };

    PacketResult readKnownPacket(unsigned char tag, CoordinatePoint &coordinate);
    PacketResult failure() const;
    bool reject(const std::string &reason, bool logIt);
    void skipUnknownPacket();
    void placePoint(const CoordinatePoint &coordinate);
    Stroke *lastStroke();
    /// Gives back the spare room of the last layer's last stroke, or of the last layer too,
    /// once nothing more will be added to them.
    void closeLastStroke();
    void closeLastLayer();

    std::string m_path;
    std::string m_errorText;
    PenFileStream m_stream;
    PressureData m_pressure;
    TiltData m_tilt;
    TimestampData m_timestamp;
    Status m_status;
    SharedHandle<QpeDocument> m_document;
    std::atomic<bool> m_stopRequested {false};
    bool m_newLayerPending = true;
    bool m_newStrokePending = true;
    bool m_strokeBreakSeen = false;
};

} // namespace Nivo
