// draftbay-cli: the sketch tools without a window, for scripts, tests and benchmarks.
#include "BuildInfo.h"
#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <new>

namespace {

const char kUsage[]
    = "usage: draftbay-cli COMMAND [ARGUMENTS]\n"
      "\n"
      "commands:\n"
      "  info FILE...                 one JSON line per file: completeness, counts, box\n"
      "  dump FILE                    the whole document as read, as JSON\n"
      "  convert IN OUT [--rotate DEGREES] [--settings FILE] [--empty-definitions]\n"
      "                               render IN as the editor shows it, by OUT's suffix:\n"
      "                               .png .jpg .jpeg .bmp .tif .tiff .pdf, .svg (one Inkscape\n"
      "                               layer per layer), .ora (OpenRaster, one image per layer),\n"
      "                               or .vmr/.inkml (the document as seen, in the document\n"
      "                               format)\n"
      "  thumbnail IN OUT.png [--size N] [--settings FILE]\n"
      "                               the browser's thumbnail of IN (default side 230)\n"
      "  receiver status|set-clock [ISO-DATETIME]|threshold [VALUE]|event|live [--seconds N]\n"
      "                               the plugged-in receiver, as JSON\n"
      "  replay IN OUT [--timed] [--speed F] [--size W] [--settings FILE]\n"
      "                               IN replayed as the player replays it, by OUT's suffix:\n"
      "                               .gif (20 frames a second), .webp or .mp4 (25); 200 ms a\n"
      "                               stroke, or --timed as drawn (pauses cut to 1 s); --speed\n"
      "                               0.5 to 8 times as fast (default 1); W pixels wide\n"
      "                               (default 800), as high as the page's proportions\n";

struct Command
{
    const char *name;
    std::function<int(const Cli::Arguments &)> run;
};

} // namespace

int main(int argc, char **argv)
{
    const Command commands[] = {
        {"info", Cli::runInfo},           {"dump", Cli::runDump},
        {"convert", Cli::runConvert},     {"receiver", Cli::runReceiver},
        {"thumbnail", Cli::runThumbnail}, {"replay", Cli::runReplay},
    };
    if (argc < 2)
        return Cli::usageError(std::string("no command given\n") + kUsage);
    const std::string name = argv[1];
    if (name == "--version") {
        std::printf("draftbay-cli %s\n", BuildInfo::kVersion);
        return Cli::ExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        std::fputs(kUsage, stdout);
        return Cli::ExitOk;
    }
    const Cli::Arguments arguments(argv + 2, argv + argc);
    for (const Command &command : commands) {
        if (name != command.name)
            continue;
        try {
            return command.run(arguments);
        } catch (const std::bad_alloc &) {
            // A sketch too large for this machine's memory is an answer, not an abort.
            Cli::printError("too large to open (not enough memory)");
            return Cli::ExitFailed;
        }
    }
    return Cli::usageError("unknown command \"" + name + "\"\n" + kUsage);
}
