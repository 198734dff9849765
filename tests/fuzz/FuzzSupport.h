// Helpers shared by the fuzz targets: failing a run with a reason, and scratch files.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sanitizer/common_interface_defs.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace FuzzSupport {

/// Ends the run as a crash when a rule every input must keep is broken. The reason goes
/// through the sanitizer's report channel, which stays open when libFuzzer closes stderr.
inline void require(bool kept, const char *rule)
{
    if (kept)
        return;
    __sanitizer_report_error_summary(rule);
    std::abort();
}

/// A file of this process in the temporary folder (TMPDIR), removed at a normal exit.
/// scripts/run-fuzzers.sh points TMPDIR at a memory-backed folder of its own, so that the
/// synced saves stay cheap and a crashed run leaves nothing behind.
class ScratchFile
{
public:
    explicit ScratchFile(const std::string &name)
    {
        std::error_code error;
        std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        if (error)
            folder = "/tmp";
        m_path = (folder / (name + "-" + std::to_string(::getpid()))).string();
    }
    ~ScratchFile() { std::remove(m_path.c_str()); }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace FuzzSupport
