// Suffix dispatch to the pen-file and saved-document readers.
#include "InkFiles.h"

#include "ink/InkmlFileReader.h"
#include "ink/QpeParser.h"
#include "ink/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Cli {

namespace {

bool endsWithNoCase(const std::string &text, const std::string &suffix)
{
    if (text.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

} // namespace

bool isSavedDocumentPath(const std::string &path)
{
    return endsWithNoCase(path, ".vmr") || endsWithNoCase(path, ".inkml");
}

bool checkReadableFile(const std::string &path, std::string &reason)
{
    struct stat info
    { };
    if (::stat(path.c_str(), &info) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        reason = "is a folder, not a file";
        return false;
    }
    // A device or a pipe could block the open or be read without end.
    if (!S_ISREG(info.st_mode)) {
        reason = "is not a regular file (a device, a pipe or a socket)";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    ::close(fd);
    if (info.st_size == 0) {
        reason = "the file is empty";
        return true;
    }
    return true;
}

LoadedInk loadInk(const std::string &path)
{
    LoadedInk loaded;
    std::string reason;
    if (!checkReadableFile(path, reason)) {
        loaded.document = Nivo::SharedHandle<Nivo::Document>(new Nivo::Document);
        loaded.definitions = Nivo::SharedHandle<Nivo::InkMLDefinitions>(new Nivo::InkMLDefinitions);
        loaded.reason = reason;
        return loaded;
    }
    const std::wstring widePath = Nivo::fromUtf8(path);
    if (isSavedDocumentPath(path)) {
        Nivo::InkmlFileReader reader(widePath);
        reader.load();
        loaded.document = reader.document();
        loaded.definitions = reader.definitions();
        loaded.reason = reader.errorText();
    } else {
        Nivo::QpeParser parser(widePath);
        parser.load();
        loaded.reason = parser.errorText();
        loaded.document = Nivo::SharedHandle<Nivo::Document>(parser.takeDocument());
        loaded.definitions = Nivo::SharedHandle<Nivo::InkMLDefinitions>(new Nivo::InkMLDefinitions);
    }
    if (!loaded.isComplete() && loaded.reason.empty() && !reason.empty())
        loaded.reason = reason;
    return loaded;
}

} // namespace Cli
