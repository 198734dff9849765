// Temporary-file-and-rename saving with the target's permissions kept.
#include "ink/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Nivo {

namespace {

std::string temporaryNameFor(const std::string &path, int attempt)
{
    static std::atomic<unsigned> counter {0};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-"
        + std::to_string(attempt);
}

void setError(std::string *errorText, const std::string &what, int error)
{
    if (errorText)
        *errorText = what + ": " + std::strerror(error);
}

} // namespace

bool writeFileAtomically(const std::string &path, const std::function<bool(std::FILE *)> &writer,
                         std::string *errorText)
{
    struct stat existing
    { };
    const bool targetExists = ::stat(path.c_str(), &existing) == 0;
    if (targetExists && S_ISDIR(existing.st_mode)) {
        setError(errorText, "cannot write " + path, EISDIR);
        return false;
    }

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        setError(errorText, "cannot create a file beside " + path, errno);
        return false;
    }
    if (targetExists)
        ::fchmod(fd, existing.st_mode & 07777);

    std::FILE *file = ::fdopen(fd, "wb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        setError(errorText, "cannot write " + temporary, error);
        return false;
    }
    bool ok = writer(file);
    int error = ok ? 0 : EIO;
    if (ok && std::fflush(file) != 0) {
        ok = false;
        error = errno;
    }
    if (ok && std::ferror(file)) {
        ok = false;
        error = EIO;
    }
    if (ok && ::fsync(::fileno(file)) != 0) {
        ok = false;
        error = errno;
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        setError(errorText, "cannot write " + path, error);
    }
    return ok;
}

} // namespace Nivo
