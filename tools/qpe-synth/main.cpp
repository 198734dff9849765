// qpe-synth: writes realistic pen files, the same files for the same seed.
#include "BuildInfo.h"
#include "SketchGenerator.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

const char kUsage[]
    = "usage: qpe-synth [--count N] [--points N] [--layers N] [--seed N]\n"
      "                 [--kind any|handwriting|drawing|mixed] [--dot-layers N]\n"
      "                 [--prefix NAME] [--out DIR]\n"
      "\n"
      "Writes N pen files (default 10) of 3000 points each into DIR (default .), named\n"
      "PREFIX0001.qpe and on; --points 0 draws exactly one page per file. --layers gives the\n"
      "most layers a file has (default 3); each file gets 1 to that many. The same seed always\n"
      "gives the same files. --dot-layers N writes instead files of exactly N layers, each a\n"
      "single tap of the pen (one stroke of one point).\n";

bool parseNumber(const char *text, unsigned long long &value)
{
    const char *end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

int usageError(const std::string &message)
{
    std::fprintf(stderr, "qpe-synth: %s\n%s", message.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    unsigned long long count = 10;
    unsigned long long points = 3000;
    unsigned long long layers = 3;
    unsigned long long seed = 1;
    unsigned long long dotLayers = 0;
    Synth::SketchKind kind = Synth::SketchKind::Any;
    std::string prefix = "sketch";
    std::string out = ".";
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--version") {
            std::printf("qpe-synth %s\n", BuildInfo::kVersion);
            return 0;
        }
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (i + 1 >= argc)
            return usageError("missing value after " + option);
        const char *value = argv[++i];
        unsigned long long *number = option == "--count" ? &count
            : option == "--points"                       ? &points
            : option == "--layers"                       ? &layers
            : option == "--seed"                         ? &seed
            : option == "--dot-layers"                   ? &dotLayers
                                                         : nullptr;
        if (number) {
            if (!parseNumber(value, *number))
                return usageError("not a number: " + option + " " + value);
        } else if (option == "--kind") {
            const std::string name = value;
            if (name == "any")
                kind = Synth::SketchKind::Any;
            else if (name == "handwriting")
                kind = Synth::SketchKind::Handwriting;
            else if (name == "drawing")
                kind = Synth::SketchKind::Drawing;
            else if (name == "mixed")
                kind = Synth::SketchKind::Mixed;
            else
                return usageError("unknown kind " + name);
        } else if (option == "--prefix") {
            prefix = value;
        } else if (option == "--out") {
            out = value;
        } else {
            return usageError("unknown option " + option);
        }
    }
    if (layers == 0)
        return usageError("--layers must be at least 1");

    std::error_code error;
    std::filesystem::create_directories(out, error);
    if (error) {
        std::fprintf(stderr, "qpe-synth: cannot create %s: %s\n", out.c_str(),
                     error.message().c_str());
        return 1;
    }
    for (unsigned long long i = 0; i < count; ++i) {
        Synth::SketchOptions options;
        options.seed = seed * 1000003ull + i;
        options.points = points;
        // Files differ in their number of layers, up to the maximum.
        options.layers
            = static_cast<int>(layers <= 1 ? 1 : 1 + (options.seed * 2654435761ull >> 7) % layers);
        options.kind = kind;
        char name[64];
        std::snprintf(name, sizeof name, "%04llu.qpe", i + 1);
        const std::string path = out + "/" + prefix + name;
        const Synth::SynthSketch sketch = dotLayers > 0
            ? Synth::generateDotLayers(options.seed, dotLayers)
            : Synth::generateSketch(options);
        if (!Synth::writeBytes(path, Synth::encodePenFile(sketch))) {
            std::fprintf(stderr, "qpe-synth: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
