// Helpers shared by the benchmark programs: a scratch folder, point counts, clocks and
// memory readings.
#pragma once

#include "ink/Document.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace BenchSupport {

/// A temporary folder made at construction and removed with everything in it at the end.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string &name)
    {
        const char *base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + name + "-XXXXXX";
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    /// Empty when the folder could not be made.
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// Points of every stroke of every layer.
inline std::size_t countPoints(const Nivo::Document &document)
{
    std::size_t points = 0;
    for (const Nivo::Layer &layer : document.elements())
        for (const Nivo::Stroke &stroke : layer.elements())
            points += stroke.elements().size();
    return points;
}

inline double nowMs()
{
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

/// A "Vm..." line of /proc/self/status in bytes; 0 when it cannot be read.
inline std::int64_t statusBytes(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::strtoll(line.c_str() + field.size() + 1, nullptr, 10) * 1024;
    }
    return 0;
}

/// Hands freed heap back to the system and lets VmHWM start again from the resident size
/// that is left, so that the next peak counts only what is allocated after it.
inline void resetPeakMemory()
{
    ::malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

/// Bytes of heap in use (small blocks and mapped large ones).
inline std::int64_t heapBytesInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<std::int64_t>(info.uordblks) + static_cast<std::int64_t>(info.hblkhd);
}

} // namespace BenchSupport
