// Writing a file through a temporary file in the same folder and an atomic rename.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace Nivo {

/// Creates a temporary file beside path, lets writer fill it, and renames it over path
/// only when the writer succeeded and everything reached the disc. On any failure the
/// temporary file is removed, the previous file stays as it was, and the result is false
/// with a reason in errorText (when given).
bool writeFileAtomically(const std::string &path, const std::function<bool(std::FILE *)> &writer,
                         std::string *errorText = nullptr);

} // namespace Nivo
