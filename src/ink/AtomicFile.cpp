// Temporary-file-and-rename saving: links followed, special files refused, permissions
// kept, every write checked, leftovers of killed saves removed.
#include "ink/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

namespace {

constexpr size_t kBufferSize = 64 * 1024;
constexpr int kMaxLinks = 40;

std::mutex writeFunctionLock;
FileWriteFunction &writeFunction()
{
    static FileWriteFunction function;
    return function;
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file that is really written. A target that does not exist
// yet is fine; one that exists must be a regular file.
bool resolveTarget(const std::string &path, std::string &target, std::string &reason)
{
    std::string current = path;
    for (int link = 0; link < kMaxLinks; ++link) {
        struct stat info
        { };
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT) {
                target = current;
                return true;
            }
            reason = std::strerror(errno);
            return false;
        }
        if (S_ISLNK(info.st_mode)) {
            std::string pointed(4096, '\0');
            const ssize_t length = ::readlink(current.c_str(), pointed.data(), pointed.size());
            if (length < 0) {
                reason = std::strerror(errno);
                return false;
            }
            pointed.resize(static_cast<size_t>(length));
            current = pointed.starts_with('/') ? pointed : folderOf(current) + "/" + pointed;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            reason = "it is a folder";
            return false;
        }
        if (!S_ISREG(info.st_mode)) {
            reason = "it is not a regular file (a device, a pipe or a socket)";
            return false;
        }
        target = current;
        return true;
    }
    reason = std::strerror(ELOOP);
    return false;
}

// The process id in a temporary name "<target>.tmp<pid>-<n>", or 0 for other names.
pid_t temporaryOwner(const char *name)
{
    const char *mark = std::strstr(name, ".tmp");
    if (!mark)
        return 0;
    for (const char *next; (next = std::strstr(mark + 1, ".tmp"));)
        mark = next;
    const char *at = mark + 4;
    long pid = 0;
    const char *digits = at;
    while (*at >= '0' && *at <= '9' && pid < 1'000'000'000)
        pid = pid * 10 + (*at++ - '0');
    if (at == digits || *at != '-')
        return 0;
    // One or two numbers follow, separated by dashes.
    for (int group = 0; group < 2 && *at == '-'; ++group) {
        const char *start = ++at;
        while (*at >= '0' && *at <= '9')
            ++at;
        if (at == start)
            return 0;
    }
    return *at == '\0' ? static_cast<pid_t>(pid) : 0;
}

// Removes the temporary files of saves whose process has gone (killed mid-save).
void removeLeftovers(const std::string &folder)
{
    DIR *directory = ::opendir(folder.c_str());
    if (!directory)
        return;
    const pid_t self = ::getpid();
    while (const dirent *entry = ::readdir(directory)) {
        const pid_t owner = temporaryOwner(entry->d_name);
        if (owner <= 0 || owner == self)
            continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info
        { };
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(path.c_str());
    }
    ::closedir(directory);
}

} // namespace

void setFileWriteFunction(FileWriteFunction function)
{
    const std::lock_guard<std::mutex> locker(writeFunctionLock);
    writeFunction() = std::move(function);
}

AtomicFile::AtomicFile(std::string path)
    : m_path(std::move(path))
{ }

AtomicFile::~AtomicFile()
{
    cancel();
}

bool AtomicFile::fail(const std::string &reason)
{
    m_failed = true;
    m_reason = reason;
    m_errorText = "cannot save " + m_path + ": " + reason;
    return false;
}

bool AtomicFile::failWithErrno(int error)
{
    return fail(std::strerror(error));
}

bool AtomicFile::open()
{
    cancel();
    m_failed = false;
    m_errorText.clear();
    m_reason.clear();
    std::string reason;
    if (m_path.empty())
        return fail("no file name");
    if (!resolveTarget(m_path, m_target, reason))
        return fail(reason);
    const std::string folder = folderOf(m_target);
    removeLeftovers(folder);

    static std::atomic<unsigned> counter {0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        m_temporary
            = m_target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        m_temporary.clear();
        return failWithErrno(error);
    }
    struct stat existing
    { };
    if (::stat(m_target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
        // Saving as root must not take the file away from its owner; failing that is harmless.
        if (::geteuid() == 0 && ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
            errno = 0;
    }
    {
        const std::lock_guard<std::mutex> locker(writeFunctionLock);
        m_writeFunction = writeFunction();
    }
    m_fd = fd;
    m_buffer = std::make_unique<unsigned char[]>(kBufferSize);
    m_buffered = 0;
    return true;
}

bool AtomicFile::flushBuffer()
{
    size_t done = 0;
    while (done < m_buffered) {
        const long written = m_writeFunction
            ? m_writeFunction(m_fd, m_buffer.get() + done, m_buffered - done)
            : ::write(m_fd, m_buffer.get() + done, m_buffered - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_buffered = 0;
            return failWithErrno(written == 0 ? ENOSPC : errno);
        }
        done += static_cast<size_t>(written);
    }
    m_buffered = 0;
    return true;
}

bool AtomicFile::write(const void *data, size_t count)
{
    if (m_fd < 0)
        return m_failed ? false : fail("the file is not open");
    if (m_failed)
        return false;
    const auto *bytes = static_cast<const unsigned char *>(data);
    while (count > 0) {
        const size_t chunk = std::min(count, kBufferSize - m_buffered);
        std::memcpy(m_buffer.get() + m_buffered, bytes, chunk);
        m_buffered += chunk;
        bytes += chunk;
        count -= chunk;
        if (m_buffered == kBufferSize && !flushBuffer())
            return false;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_fd < 0)
        return m_failed ? false : fail("the file is not open");
    bool ok = !m_failed && flushBuffer();
    if (ok && ::fsync(m_fd) != 0 && errno != EINVAL)
        ok = failWithErrno(errno);
    if (::close(m_fd) != 0 && ok)
        ok = failWithErrno(errno);
    m_fd = -1;
    if (ok && ::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        ok = failWithErrno(errno);
    if (!ok) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        m_buffer.reset();
        return false;
    }
    m_temporary.clear();
    m_buffer.reset();
    // The rename itself reaches the disc with the folder.
    const int folder = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void AtomicFile::cancel()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    m_buffer.reset();
    m_buffered = 0;
}

bool writeFileAtomically(const std::string &path, const std::function<bool(std::FILE *)> &writer,
                         std::string *errorText)
{
    AtomicFile file(path);
    auto report = [&] {
        if (errorText)
            *errorText = file.errorText();
        return false;
    };
    if (!file.open())
        return report();
    cookie_io_functions_t functions {};
    functions.write = [](void *cookie, const char *data, size_t size) -> ssize_t {
        return static_cast<AtomicFile *>(cookie)->write(data, size) ? static_cast<ssize_t>(size)
                                                                    : -1;
    };
    std::FILE *stream = ::fopencookie(&file, "w", functions);
    if (!stream)
        return report();
    const bool written = writer(stream);
    const bool flushed = std::fflush(stream) == 0 && !std::ferror(stream);
    std::fclose(stream);
    if (!written || !flushed) {
        if (errorText)
            *errorText = file.errorText().empty()
                ? "cannot save " + path + ": the data could not be written"
                : file.errorText();
        file.cancel();
        return false;
    }
    return file.commit() || report();
}

} // namespace Nivo
