// A buffered binary input stream over a pen file (or bytes in memory) with C-stream
// end-of-file semantics.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace Nivo {

/// Reads the bytes of an open file at an offset, like pread(2): the number of bytes read,
/// 0 at the end of the file, or -1 with errno set. stopRequested, when not null, turns true
/// once the stream's owner no longer wants the data. Tests replace it to make reads fail,
/// come up short or wait.
using FileReadFunction = std::function<long(int fd, void *buffer, size_t count, std::int64_t offset,
                                            const std::atomic<bool> *stopRequested)>;

/// Replaces how every pen-file stream opened afterwards reads its file (an empty function
/// restores pread). Meant for tests; set it while no stream is reading.
void setFileReadFunction(FileReadFunction function);

/// Reads a file through a buffer of its own. As with a C stream, the end-of-file state is
/// set only by a read that comes up short, and a seek clears it; a short read leaves the
/// rest of the caller's buffer untouched. A failing read is not an end of file: it sets the
/// error state (and the end-of-file state, so that reading loops end), which a seek keeps.
/// A regular file that ends before the size it had when opened counts as failing too.
class PenFileStream
{
public:
    PenFileStream() = default;
    ~PenFileStream();
    PenFileStream(const PenFileStream &) = delete;
    PenFileStream &operator=(const PenFileStream &) = delete;

    /// Opens a regular file for binary reading; false (with the reason in errorText()) when
    /// it cannot be opened or is a folder, a device, a pipe or a socket.
    bool open(const std::string &path);
    /// Reads from bytes owned by the caller, which must outlive the stream.
    void openMemory(const unsigned char *data, size_t size);
    bool isOpen() const { return m_open; }
    /// The flag by which the stream's owner says it no longer wants the data (or null).
    void setStopFlag(const std::atomic<bool> *stopRequested) { m_stopRequested = stopRequested; }
    bool atEnd() const { return m_atEnd; }
    /// Whether a read failed; errorText() then says why and where.
    bool hasError() const { return m_error != 0; }
    /// Why the last open or read failed, for example "read error at offset 4096: I/O error".
    const std::string &errorText() const { return m_errorText; }
    void close();

    /// Reads up to count bytes; returns how many were read.
    size_t read(void *destination, size_t count)
    {
        if (m_position + count <= m_available) {
            std::memcpy(destination, m_data + m_position, count);
            m_position += count;
            return count;
        }
        return readSlow(static_cast<unsigned char *>(destination), count);
    }
    /// Reads one byte; false (and the end-of-file state) when there is none.
    bool readByte(unsigned char &byte)
    {
        if (m_position < m_available) {
            byte = m_data[m_position++];
            return true;
        }
        return readSlow(&byte, 1) == 1;
    }
    /// Reads exactly N bytes when they are there (the common case inlined).
    template<size_t N> size_t readFixed(unsigned char (&destination)[N])
    {
        if (m_position + N <= m_available) {
            std::memcpy(destination, m_data + m_position, N);
            m_position += N;
            return N;
        }
        return readSlow(destination, N);
    }

    /// Position from the start of the file.
    std::int64_t tell() const { return m_bufferStart + static_cast<std::int64_t>(m_position); }
    /// Moves to an absolute position; false (and no move) for a negative one.
    bool seek(std::int64_t position);

private:
    size_t readSlow(unsigned char *destination, size_t count);
    bool refill();
    void fail(int error, std::int64_t offset);

    static constexpr size_t kBufferSize = 64 * 1024;

    int m_fd = -1;
    int m_error = 0;
    std::string m_errorText;
    FileReadFunction m_readFunction;
    const std::atomic<bool> *m_stopRequested = nullptr;
    std::int64_t m_fileSize = 0;
    bool m_open = false;
    bool m_atEnd = false;
    bool m_inMemory = false;
    std::unique_ptr<unsigned char[]> m_buffer;
    const unsigned char *m_data = nullptr;
    size_t m_available = 0;
    size_t m_position = 0;
    std::int64_t m_bufferStart = 0;
    std::int64_t m_memorySize = 0;
};

} // namespace Nivo
