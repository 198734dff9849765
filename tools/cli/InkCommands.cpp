// info, dump and convert: the ink documents of files, as JSON or in the document format.
#include "Commands.h"
#include "InkFiles.h"
#include "Json.h"
#include "ink/TextCodec.h"

#include <cstdio>

namespace Cli {

namespace {

// Large outputs (a dump of a million points) go out in chunks, not as one string.
class Output
{
public:
    ~Output() { flush(); }
    std::string &text() { return m_text; }
    void maybeFlush()
    {
        if (m_text.size() >= (1 << 20))
            flush();
    }
    bool flush()
    {
        if (!m_text.empty()
            && std::fwrite(m_text.data(), 1, m_text.size(), stdout) != m_text.size())
            m_failed = true;
        m_text.clear();
        return !m_failed && std::fflush(stdout) == 0;
    }

private:
    std::string m_text;
    bool m_failed = false;
};

template<typename Region> void appendBox(std::string &out, const Region &region)
{
    const Nivo::Point &topLeft = region.topLeft().value();
    const Nivo::Point &bottomRight = region.bottomRight().value();
    out += '[';
    Nivo::appendExactDouble(out, topLeft.x.value());
    out += ", ";
    Nivo::appendExactDouble(out, topLeft.y.value());
    out += ", ";
    Nivo::appendExactDouble(out, bottomRight.x.value());
    out += ", ";
    Nivo::appendExactDouble(out, bottomRight.y.value());
    out += ']';
}

void appendAnnotations(std::string &out, const std::map<std::string, std::string> &annotations)
{
    out += '{';
    bool first = true;
    for (const auto &[key, text] : annotations) {
        if (!first)
            out += ", ";
        first = false;
        appendJsonString(out, key);
        out += ": ";
        appendJsonString(out, text);
    }
    out += '}';
}

void appendPoint(std::string &out, const Nivo::Point &point)
{
    out += '[';
    Nivo::appendExactDouble(out, point.x.value());
    out += ", ";
    Nivo::appendExactDouble(out, point.y.value());
    out += ", ";
    Nivo::appendExactDouble(out, point.z.value());
    out += ", ";
    Nivo::appendInteger(out, point.pressure.value());
    out += ", ";
    Nivo::appendInteger(out, point.xtilt.value());
    out += ", ";
    Nivo::appendInteger(out, point.ytilt.value());
    out += ", ";
    Nivo::appendInteger(out, point.timestamp.value());
    out += ']';
}

void dumpDocument(Output &output, const Nivo::Document &document)
{
    std::string &out = output.text();
    out += "{\"complete\": ";
    out += document.complete().value() ? "true" : "false";
    out += ", \"annotations\": ";
    appendAnnotations(out, document.annotations());
    out += ", \"box\": ";
    appendBox(out, document);
    out += ", \"layers\": [";
    bool firstLayer = true;
    for (const Nivo::Layer &layer : document.elements()) {
        out += firstLayer ? "" : ", ";
        firstLayer = false;
        out += "{\"annotations\": ";
        appendAnnotations(out, layer.annotations());
        out += ", \"box\": ";
        appendBox(out, layer);
        out += ", \"strokes\": [";
        bool firstStroke = true;
        for (const Nivo::Stroke &stroke : layer.elements()) {
            out += firstStroke ? "" : ", ";
            firstStroke = false;
            out += "{\"box\": ";
            appendBox(out, stroke);
            out += ", \"points\": [";
            bool firstPoint = true;
            for (const Nivo::Point &point : stroke.elements()) {
                out += firstPoint ? "" : ", ";
                firstPoint = false;
                appendPoint(out, point);
                output.maybeFlush();
            }
            out += "]}";
        }
        out += "]}";
    }
    out += "]}\n";
}

struct Counts
{
    size_t strokes = 0;
    size_t points = 0;
};

Counts countElements(const Nivo::Document &document)
{
    Counts counts;
    for (const Nivo::Layer &layer : document.elements()) {
        counts.strokes += layer.elements().size();
        for (const Nivo::Stroke &stroke : layer.elements())
            counts.points += stroke.elements().size();
    }
    return counts;
}

void reportNotLoaded(const std::string &path, const LoadedInk &loaded)
{
    printError(path + ": not loaded");
    if (!loaded.reason.empty())
        printError(path + ": " + loaded.reason);
}

} // namespace

int usageError(const std::string &message)
{
    printError(message);
    return ExitUsage;
}

void printError(const std::string &message)
{
    std::fprintf(stderr, "draftbay-cli: %s\n", message.c_str());
}

int runInfo(const Arguments &arguments)
{
    if (arguments.empty())
        return usageError("info needs at least one FILE");
    bool allComplete = true;
    for (const std::string &path : arguments) {
        const LoadedInk loaded = loadInk(path);
        const Nivo::Document &document = *loaded.document;
        const Counts counts = countElements(document);
        std::string line = "{\"file\": ";
        appendJsonString(line, path);
        line += ", \"complete\": ";
        line += loaded.isComplete() ? "true" : "false";
        line += ", \"layers\": ";
        Nivo::appendInteger(line, document.elements().size());
        line += ", \"strokes\": ";
        Nivo::appendInteger(line, counts.strokes);
        line += ", \"points\": ";
        Nivo::appendInteger(line, counts.points);
        line += ", \"box\": ";
        appendBox(line, document);
        line += "}\n";
        std::fputs(line.c_str(), stdout);
        if (!loaded.isComplete()) {
            allComplete = false;
            reportNotLoaded(path, loaded);
        }
    }
    if (std::fflush(stdout) != 0)
        return ExitFailed;
    return allComplete ? ExitOk : ExitFailed;
}

int runDump(const Arguments &arguments)
{
    if (arguments.size() != 1)
        return usageError("dump needs exactly one FILE");
    const std::string &path = arguments.front();
    const LoadedInk loaded = loadInk(path);
    if (!loaded.isComplete()) {
        reportNotLoaded(path, loaded);
        return ExitFailed;
    }
    Output output;
    dumpDocument(output, *loaded.document);
    if (!output.flush()) {
        printError("cannot write to standard output");
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace Cli
