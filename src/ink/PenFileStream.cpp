// File and memory sources of the pen-file stream.
#include "ink/PenFileStream.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

PenFileStream::~PenFileStream()
{
    close();
}

bool PenFileStream::open(const std::string &path)
{
    close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info
    { };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
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
    m_atEnd = false;
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
    for (;;) {
        const ssize_t got = ::pread(m_fd, m_buffer.get(), kBufferSize, m_bufferStart);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        m_available = static_cast<size_t>(got);
        return true;
    }
}

size_t PenFileStream::readSlow(unsigned char *destination, size_t count)
{
    if (!m_open)
        return 0;
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
