// Writing a file through a temporary file in the same folder and an atomic rename.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace Nivo {

/// Writes bytes to an open file, like write(2): the number written, or -1 with errno set.
/// Tests replace it to make a disc look full.
using FileWriteFunction = std::function<long(int fd, const void *data, size_t count)>;

/// Replaces how every atomic file opened afterwards writes (an empty function restores
/// write). Meant for tests; set it while nothing is being saved.
void setFileWriteFunction(FileWriteFunction function);

/// One file being saved. open() makes a temporary file beside the target, write() fills it
/// (every write checked), commit() flushes it, syncs it to the disc and renames it over the
/// target. Until commit() succeeds the target stays exactly as it was; on any failure, and
/// when the object goes away uncommitted, the temporary file is removed.
///
/// A symbolic link is followed: its final target is written and the link stays. A target
/// that exists but is no regular file (a folder, a device, a pipe, a socket) is refused.
/// An existing target's permissions are kept. Temporary files that a killed save left in
/// the folder are removed when the next save into that folder opens.
class AtomicFile
{
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    bool isOpen() const { return m_fd >= 0; }
    bool write(const void *data, size_t count);
    bool commit();
    /// Drops what was written; the target stays as it was.
    void cancel();

    /// Why the last step failed, for example "cannot save /a/b.png: No space left on device".
    const std::string &errorText() const { return m_errorText; }
    /// The bare reason, for example "No space left on device".
    const std::string &reason() const { return m_reason; }
    /// The file that is really written: the path with its links followed.
    const std::string &targetPath() const { return m_target; }

private:
    bool flushBuffer();
    bool fail(const std::string &reason);
    bool failWithErrno(int error);

    std::string m_path;
    std::string m_target;
    std::string m_temporary;
    std::string m_errorText;
    std::string m_reason;
    FileWriteFunction m_writeFunction;
    std::unique_ptr<unsigned char[]> m_buffer;
    size_t m_buffered = 0;
    int m_fd = -1;
    bool m_failed = false;
};

/// Saves path through an AtomicFile whose bytes writer puts into a C stream. The result is
/// true only when the writer succeeded and every byte reached the disc under path; on failure
/// the previous file is untouched and errorText (when given) says why.
bool writeFileAtomically(const std::string &path, const std::function<bool(std::FILE *)> &writer,
                         std::string *errorText = nullptr);

} // namespace Nivo
