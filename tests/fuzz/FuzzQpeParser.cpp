// libFuzzer target: any bytes through the pen-file reader, read from memory and from a file.
#include "FuzzSupport.h"
#include "ink/QpeParser.h"
#include "ink/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

using FuzzSupport::require;

struct Parsed
{
    bool complete = false;
    std::unique_ptr<Nivo::QpeDocument> document;
};

Parsed parse(Nivo::QpeParser &parser)
{
    Parsed parsed;
    parsed.complete = parser.load();
    parsed.document = parser.takeDocument();
    return parsed;
}

template<typename R> bool boxHolds(const R &region, const Nivo::Point &point)
{
    const Nivo::Point &topLeft = region.topLeft().value();
    const Nivo::Point &bottomRight = region.bottomRight().value();
    return topLeft.x.value() <= point.x.value() && point.x.value() <= bottomRight.x.value()
        && topLeft.y.value() <= point.y.value() && point.y.value() <= bottomRight.y.value();
}

// What every document read from a pen file keeps, complete or not: each layer and stroke
// holds something, no point lies above the sheet, and every box holds its points.
void checkShape(const Nivo::QpeDocument &document)
{
    for (const Nivo::Layer &layer : document.elements()) {
        require(!layer.isEmpty(), "pen file: a layer without strokes");
        for (const Nivo::Stroke &stroke : layer.elements()) {
            require(!stroke.isEmpty(), "pen file: a stroke without points");
            for (const Nivo::Point &point : stroke.elements()) {
                require(point.y.value() >= 0.0, "pen file: a point above the sheet was kept");
                require(boxHolds(stroke, point) && boxHolds(layer, point)
                            && boxHolds(document, point),
                        "pen file: a point outside the box of its stroke, layer or document");
            }
        }
    }
}

bool samePoint(const Nivo::Point &a, const Nivo::Point &b)
{
    return a.x.value() == b.x.value() && a.y.value() == b.y.value() && a.z.value() == b.z.value()
        && a.pressure.value() == b.pressure.value() && a.xtilt.value() == b.xtilt.value()
        && a.ytilt.value() == b.ytilt.value() && a.timestamp.value() == b.timestamp.value();
}

bool sameInk(const Nivo::Document &a, const Nivo::Document &b)
{
    if (a.elements().size() != b.elements().size())
        return false;
    for (std::size_t l = 0; l < a.elements().size(); ++l) {
        const auto &strokesA = a.elements()[l].elements();
        const auto &strokesB = b.elements()[l].elements();
        if (strokesA.size() != strokesB.size())
            return false;
        for (std::size_t s = 0; s < strokesA.size(); ++s) {
            const auto &pointsA = strokesA[s].elements();
            const auto &pointsB = strokesB[s].elements();
            if (pointsA.size() != pointsB.size())
                return false;
            for (std::size_t p = 0; p < pointsA.size(); ++p) {
                if (!samePoint(pointsA[p], pointsB[p]))
                    return false;
            }
        }
    }
    return true;
}

bool writeFile(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const FuzzSupport::ScratchFile scratch("fuzz_qpe_parser.qpe");

    Nivo::QpeParser memoryParser(data, size);
    const Parsed fromMemory = parse(memoryParser);
    require(fromMemory.document != nullptr, "pen file: the parser lost its document");
    checkShape(*fromMemory.document);
    require(!fromMemory.complete || fromMemory.document->complete().value(),
            "pen file: load() and the document disagree on completeness");

    // The file source buffers and seeks on its own; it must read exactly the same ink.
    if (!writeFile(scratch.path(), data, size))
        return 0;
    Nivo::QpeParser fileParser(Nivo::fromUtf8(scratch.path()));
    const Parsed fromFile = parse(fileParser);
    require(fromFile.document != nullptr, "pen file: the parser lost its document");
    require(fromFile.complete == fromMemory.complete,
            "pen file: file and memory reads disagree on completeness");
    require(sameInk(*fromFile.document, *fromMemory.document),
            "pen file: file and memory reads give different ink");
    return 0;
}
