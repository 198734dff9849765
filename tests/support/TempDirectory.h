// A temporary folder for one test, optionally made the current directory.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace TestSupport {

class TempDirectory
{
public:
    TempDirectory()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "draftbay-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDirectory()
    {
        if (m_entered)
            std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDirectory(const TempDirectory &) = delete;
    TempDirectory &operator=(const TempDirectory &) = delete;

    /// Makes the folder the current directory until the object dies.
    void enter()
    {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_path);
        m_entered = true;
    }
    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::filesystem::path m_previous;
    bool m_entered = false;
};

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string &path, const std::string &contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

} // namespace TestSupport
