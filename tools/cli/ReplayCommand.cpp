// replay: a sketch replayed as the player replays it, written as an animation or a video.
#include "Commands.h"
#include "RenderSession.h"
#include "replay/ReplayExport.h"

#include <QString>

#include <charconv>

namespace Cli {

namespace {

struct ReplayArguments
{
    std::vector<std::string> paths;
    std::string settingsFile;
    ReplayExportOptions options;
    double speed = 1;
};

bool parseDouble(const std::string &text, double &value)
{
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

int parseReplayArguments(const Arguments &arguments, ReplayArguments &parsed)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--timed") {
            parsed.options.timing.asDrawn = true;
        } else if (argument == "--speed" && hasValue) {
            if (!parseDouble(arguments[++i], parsed.speed)
                || !(parsed.speed >= ReplayTiming::kSlowestSpeed
                     && parsed.speed <= ReplayTiming::kFastestSpeed))
                return usageError("--speed needs a factor from 0.5 to 8, not " + arguments[i]);
        } else if (argument == "--size" && hasValue) {
            if (!parseInt(arguments[++i], parsed.options.width) || parsed.options.width < 16
                || parsed.options.width > 4096)
                return usageError("--size needs a width from 16 to 4096 pixels, not "
                                  + arguments[i]);
        } else if (argument == "--settings" && hasValue) {
            parsed.settingsFile = arguments[++i];
        } else if (argument.starts_with("--")) {
            return usageError("unknown or incomplete option " + argument);
        } else {
            parsed.paths.push_back(argument);
        }
    }
    return ExitOk;
}

} // namespace

int runReplay(const Arguments &arguments)
{
    ReplayArguments parsed;
    if (const int result = parseReplayArguments(arguments, parsed); result != ExitOk)
        return result;
    if (parsed.paths.size() != 2)
        return usageError("replay needs IN and OUT");
    const QString out = QString::fromStdString(parsed.paths[1]);
    if (!replayFormatOfPath(out))
        return usageError("replay: OUT must end in .gif, .webp or .mp4: " + parsed.paths[1]);

    const RenderSession session = startRenderSession(parsed.settingsFile, parsed.paths[0]);
    if (!session.sketch)
        return ExitFailed;
    ReplayTiming &timing = parsed.options.timing;
    // The same factor for both paces: the fixed one is the player's 200 ms a stroke.
    timing.asDrawnSpeed = parsed.speed;
    timing.timePerStrokeMs = ReplayTiming::kDefaultTimePerStrokeMs / parsed.speed;
    parsed.options.pen = replayPenFromSettings();
    const ReplayExportResult result
        = exportReplay(*session.sketch->takePressureCopy(), out, parsed.options);
    if (!result.isWritten()) {
        printError(parsed.paths[1] + ": not saved (" + result.reason.toStdString() + ")");
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace Cli
