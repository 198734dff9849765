// File and memory sources of the pen-file stream.
#include "ink/PenFileStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

namespace {

std::mutex readFunctionLock;
FileReadFunction &readFunction()
{
    static FileReadFunction function;
    return function;
}

// Marks an error of the file's own size rather than of the system.
constexpr int kFileShrank = -1;

} // namespace

void setFileReadFunction(FileReadFunction function)
{
    const std::lock_guard<std::mutex> locker(readFunctionLock);
    readFunction() = std::move(function);
}

PenFileStream::~PenFileStream()
{
    close();
}

bool PenFileStream::open(const std::string &path)
{
    close();
    m_error = 0;
    m_errorText.clear();
    // Not blocking: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        m_errorText = std::strerror(errno);
        return false;
    }
    struct stat info
    { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        m_errorText = folder ? "is a folder, not a file"
                             : "is not a regular file (a device, a pipe or a socket)";
        ::close(fd);
        return false;
    }
    {
        const std::lock_guard<std::mutex> locker(readFunctionLock);
        m_readFunction = readFunction();
    }
    m_fd = fd;
    m_fileSize = info.st_size;
    m_buffer = std::make_unique<unsigned char[]>(kBufferSize);
    m_data = m_buffer.get();
    m_open = true;
    m_atEnd = false;
    m_inMemory = false;
    m_available = 0;
    m_position = 0;
    m_bufferStart = 0;
    return true;
}

void PenFileStream::openMemory(const unsigned char *data, size_t size)
{
    close();
    m_error = 0;
    m_errorText.clear();
    m_inMemory = true;
    m_open = true;
    m_atEnd = false;
    m_data = data;
    m_memorySize = static_cast<std::int64_t>(size);
    m_available = size;
    m_position = 0;
    m_bufferStart = 0;
}

void PenFileStream::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_open = false;
    m_buffer.reset();
    m_data = nullptr;
    m_available = 0;
    m_position = 0;
}

bool PenFileStream::seek(std::int64_t position)
{
    if (!m_open || position < 0)
        return false;
    // A failed read stays failed: nothing after it can be trusted.
    m_atEnd = hasError();
    if (m_inMemory) {
        // Past the end is allowed, as with a file; the next read simply comes up short.
        const std::int64_t inside = std::min(position, m_memorySize);
        m_position = static_cast<size_t>(inside);
        m_bufferStart = position - inside;
        return true;
    }
    if (position >= m_bufferStart
        && position <= m_bufferStart + static_cast<std::int64_t>(m_available)) {
        m_position = static_cast<size_t>(position - m_bufferStart);
        return true;
    }
    m_bufferStart = position;
    m_available = 0;
    m_position = 0;
    return true;
}

bool PenFileStream::refill()
{
    if (m_inMemory || m_fd < 0)
        return false;
    m_bufferStart += static_cast<std::int64_t>(m_position);
    m_position = 0;
    m_available = 0;
    if (hasError())
        return false;
    for (;;) {
        const long got = m_readFunction
            ? m_readFunction(m_fd, m_buffer.get(), kBufferSize, m_bufferStart, m_stopRequested)
            : ::pread(m_fd, m_buffer.get(), kBufferSize, m_bufferStart);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fail(errno, m_bufferStart);
            return false;
        }
        if (got == 0) {
            // The end of the file before the size it had when opened: it was cut while
            // being read (a pulled volume, a writer truncating it), not a whole file.
            if (m_bufferStart < m_fileSize)
                fail(kFileShrank, m_bufferStart);
            return false;
        }
        m_available = static_cast<size_t>(got);
        return true;
    }
}

void PenFileStream::fail(int error, std::int64_t offset)
{
    m_error = error;
    m_atEnd = true;
    m_errorText = "read error at offset " + std::to_string(offset) + ": "
        + (error == kFileShrank ? "the file became shorter than its " + std::to_string(m_fileSize)
                   + " bytes while it was read"
                                : std::string(std::strerror(error)));
}

size_t PenFileStream::readSlow(unsigned char *destination, size_t count)
{
    if (!m_open || hasError()) {
        m_atEnd = true;
        return 0;
    }
    size_t done = 0;
    while (done < count) {
        if (m_position >= m_available && !refill())
            break;
        const size_t chunk = std::min(count - done, m_available - m_position);
        std::memcpy(destination + done, m_data + m_position, chunk);
        m_position += chunk;
        done += chunk;
    }
    if (done < count)
        m_atEnd = true;
    return done;
}

} // namespace Nivo
