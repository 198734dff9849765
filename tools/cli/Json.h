// Minimal JSON text building for the command-line tool's output.
#pragma once

#include <string>
#include <string_view>

namespace Cli {

/// Appends text as a JSON string literal. Invalid UTF-8 becomes U+FFFD so the output
/// always parses.
void appendJsonString(std::string &out, std::string_view text);

} // namespace Cli
