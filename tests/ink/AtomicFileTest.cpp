// The atomic writer: every failure keeps the old file byte for byte and leaves no litter.
#include "ink/AtomicFile.h"

#include "TempDirectory.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkMLDefinitions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Nivo;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// Makes every write of an atomic file fail with error once count bytes have been written.
class FullDisc
{
public:
    FullDisc(size_t room, int error = ENOSPC)
    {
        setFileWriteFunction([room, error, written = size_t(0)](int fd, const void *data,
                                                                size_t count) mutable -> long {
            if (written + count > room) {
                errno = error;
                return -1;
            }
            written += count;
            return ::write(fd, data, count);
        });
    }
    ~FullDisc() { setFileWriteFunction({}); }
};

class AtomicFileTest : public ::testing::Test
{
protected:
    std::string path(const std::string &name) const { return m_directory.file(name); }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(m_directory.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool save(const std::string &target, const std::string &contents, std::string &error)
    {
        AtomicFile file(target);
        const bool saved
            = file.open() && file.write(contents.data(), contents.size()) && file.commit();
        error = file.errorText();
        return saved;
    }

    TestSupport::TempDirectory m_directory;
};

} // namespace

TEST_F(AtomicFileTest, EveryFailureKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const std::string old(100000, 'o');
    const std::string large(300000, 'n');
    writeFile(path("keep.png"), old);
    std::filesystem::create_directory(path("folder"));
    writeFile(path("plain"), "a file");
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(path("pipe"), path("link-to-pipe"));

    struct Case
    {
        const char *name;
        std::string target;
        size_t room;
        int error;
        const char *reason;
    };
    const Case cases[] = {
        {"full at once", path("keep.png"), 0, ENOSPC, "No space left on device"},
        {"full half-way", path("keep.png"), 70000, ENOSPC, "No space left on device"},
        {"quota", path("keep.png"), 1000, EDQUOT, "Disk quota exceeded"},
        {"a folder", path("folder"), SIZE_MAX, 0, "it is a folder"},
        {"through a file", path("plain") + "/x.png", SIZE_MAX, 0, "Not a directory"},
        {"a pipe", path("pipe"), SIZE_MAX, 0, "not a regular file"},
        {"a link to a pipe", path("link-to-pipe"), SIZE_MAX, 0, "not a regular file"},
    };
    const std::vector<std::string> before = entries();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        {
            FullDisc disc(c.room, c.error);
            EXPECT_FALSE(save(c.target, large, error));
        }
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(error.rfind("cannot save " + c.target + ": ", 0), 0u) << error;
        EXPECT_EQ(readFile(path("keep.png")), old);
        EXPECT_EQ(entries(), before);
    }
    struct stat info
    { };
    ASSERT_EQ(::stat(path("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // The C-stream form reports the full disc too, also when the writer itself succeeded.
    std::string error;
    {
        FullDisc disc(10);
        EXPECT_FALSE(writeFileAtomically(
            path("keep.png"), [&](std::FILE *file) { return std::fputs(large.c_str(), file) >= 0; },
            &error));
    }
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_FALSE(writeFileAtomically(
        path("keep.png"), [](std::FILE *file) { return std::fputs("half", file) < 0; }, &error));
    EXPECT_EQ(readFile(path("keep.png")), old);
    EXPECT_EQ(entries(), before);
}

TEST_F(AtomicFileTest, ReadOnlyFolderKeepsItsFile)
{
    std::filesystem::create_directory(path("ro"));
    writeFile(path("ro/keep.svg"), "old");
    ::chmod(path("ro").c_str(), 0555);
    std::string error;
    bool saved = true;
    const auto attempt = [&] { saved = save(path("ro/keep.svg"), "new", error); };
    // The superuser writes into read-only folders: it saves as "nobody", on a thread of its
    // own as the file-system user is a per-thread setting.
    if (::geteuid() == 0) {
        ::chmod(m_directory.path().c_str(), 0711);
        std::thread([&] {
            ::setfsgid(65534);
            ::setfsuid(65534);
            attempt();
        }).join();
    } else {
        attempt();
    }
    EXPECT_FALSE(saved);
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(readFile(path("ro/keep.svg")), "old");
    EXPECT_EQ(entries(), std::vector<std::string> {"ro"});
    ::chmod(path("ro").c_str(), 0755);
}

TEST_F(AtomicFileTest, LinksAreFollowedAndPermissionsKept)
{
    std::filesystem::create_directory(path("real"));
    writeFile(path("real/sketch.pdf"), "old");
    ::chmod(path("real/sketch.pdf").c_str(), 0640);
    std::filesystem::create_symlink("real/sketch.pdf", path("relative-link.pdf"));
    std::filesystem::create_symlink(path("relative-link.pdf"), path("link-to-link.pdf"));

    std::string error;
    ASSERT_TRUE(save(path("link-to-link.pdf"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(path("link-to-link.pdf")));
    EXPECT_TRUE(std::filesystem::is_symlink(path("relative-link.pdf")));
    EXPECT_EQ(readFile(path("real/sketch.pdf")), "new");
    struct stat info
    { };
    ASSERT_EQ(::stat(path("real/sketch.pdf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // A link to a file that does not exist yet creates that file.
    std::filesystem::create_symlink("real/new.pdf", path("dangling.pdf"));
    ASSERT_TRUE(save(path("dangling.pdf"), "made", error)) << error;
    EXPECT_EQ(readFile(path("real/new.pdf")), "made");
}

TEST_F(AtomicFileTest, LeftoversOfKilledSavesGoAtTheNextSaveIntoTheFolder)
{
    // A process that has ended: its pid is free until the system reuses it.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = path("a.vmr.tmp" + std::to_string(child) + "-3");
    const std::string older = path("b.png.tmp" + std::to_string(child) + "-0-1");
    const std::string living = path("c.png.tmp" + std::to_string(::getppid()) + "-0");
    const std::string unrelated = path("notes.tmp12-x");
    for (const std::string &name : {dead, older, living, unrelated})
        writeFile(name, "left");

    std::string error;
    ASSERT_TRUE(save(path("d.png"), "new", error)) << error;
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_FALSE(std::filesystem::exists(older));
    EXPECT_TRUE(std::filesystem::exists(living));
    EXPECT_TRUE(std::filesystem::exists(unrelated));
}

TEST_F(AtomicFileTest, DocumentSavesReportWhereAndWhy)
{
    Document document;
    DocumentSerializer serializer(&document);
    EXPECT_FALSE(serializer.saveFileNarrow(path("no/such/folder.vmr"), DefaultInkMLDefinitions()));
    EXPECT_NE(serializer.errorText().find("No such file or directory"), std::string::npos);
    writeFile(path("keep.vmr"), "previous");
    {
        FullDisc disc(0);
        EXPECT_FALSE(serializer.saveFileNarrow(path("keep.vmr"), DefaultInkMLDefinitions()));
    }
    EXPECT_NE(serializer.errorText().find("No space left on device"), std::string::npos);
    EXPECT_EQ(readFile(path("keep.vmr")), "previous");
    EXPECT_TRUE(serializer.saveFileNarrow(path("keep.vmr"), DefaultInkMLDefinitions()));
    EXPECT_NE(readFile(path("keep.vmr")).find("<ink>"), std::string::npos);
}
