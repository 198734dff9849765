// libFuzzer target: any bytes as a saved document, then saved and loaded back through files.
#include "FuzzSupport.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkmlFileReader.h"
#include "ink/TextCodec.h"
#include "ink/XmlPrinter.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace {

using FuzzSupport::require;

bool isXmlBlank(const std::string &text)
{
    return text.find_first_not_of(" \t\n\r") == std::string::npos;
}

// Empty or blank text is not written as a text node, so it cannot come back.
std::map<std::string, std::string> keptAnnotations(const std::map<std::string, std::string> &all)
{
    // Saved as XML can hold them (what it cannot is dropped or U+FFFD); read back in
    // order, so of two keys that become one the later text wins.
    std::map<std::string, std::string> kept;
    for (const auto &[key, text] : all) {
        const std::string cleaned = Nivo::toXmlText(text);
        if (!isXmlBlank(cleaned))
            kept[Nivo::toXmlText(key)] = cleaned;
    }
    return kept;
}

bool closeEnough(double saved, double loaded)
{
    // Coordinates are written with six significant digits.
    return std::fabs(saved - loaded) <= 1e-5 * std::fabs(saved) + 1e-300;
}

bool samePointAfterSaving(const Nivo::Point &saved, const Nivo::Point &loaded)
{
    constexpr unsigned long kLargestExactTimestamp = std::numeric_limits<int>::max();
    return closeEnough(saved.x.value(), loaded.x.value())
        && closeEnough(saved.y.value(), loaded.y.value())
        && closeEnough(saved.z.value(), loaded.z.value())
        && saved.pressure.value() == loaded.pressure.value()
        && saved.xtilt.value() == loaded.xtilt.value()
        && saved.ytilt.value() == loaded.ytilt.value()
        && (saved.timestamp.value() > kLargestExactTimestamp
            || saved.timestamp.value() == loaded.timestamp.value());
}

// The ink of a saved document comes back: every layer, every stroke with points, every
// point, and the annotations that have text.
void checkReloaded(const Nivo::Document &saved, const Nivo::Document &loaded)
{
    require(keptAnnotations(saved.annotations()) == loaded.annotations(),
            "document: annotations changed through saving and loading");
    require(saved.elements().size() == loaded.elements().size(),
            "document: the number of layers changed through saving and loading");
    for (std::size_t l = 0; l < saved.elements().size(); ++l) {
        const Nivo::Layer &savedLayer = saved.elements()[l];
        const Nivo::Layer &loadedLayer = loaded.elements()[l];
        require(keptAnnotations(savedLayer.annotations()) == loadedLayer.annotations(),
                "document: layer annotations changed through saving and loading");
        std::vector<const Nivo::Stroke *> savedStrokes;
        for (const Nivo::Stroke &stroke : savedLayer.elements()) {
            if (!stroke.isEmpty())
                savedStrokes.push_back(&stroke);
        }
        require(savedStrokes.size() == loadedLayer.elements().size(),
                "document: the number of strokes changed through saving and loading");
        for (std::size_t s = 0; s < savedStrokes.size(); ++s) {
            const auto &savedPoints = savedStrokes[s]->elements();
            const auto &loadedPoints = loadedLayer.elements()[s].elements();
            require(savedPoints.size() == loadedPoints.size(),
                    "document: the number of points changed through saving and loading");
            for (std::size_t p = 0; p < savedPoints.size(); ++p)
                require(samePointAfterSaving(savedPoints[p], loadedPoints[p]),
                        "document: a point changed through saving and loading");
        }
    }
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Loaded
{
    Nivo::SharedHandle<Nivo::Document> document;
    Nivo::SharedHandle<Nivo::InkMLDefinitions> definitions;
};

Loaded saveAndLoad(Nivo::Document &document, const Nivo::InkMLDefinitions &definitions,
                   const std::string &path)
{
    Nivo::DocumentSerializer writer(&document);
    require(writer.saveFile(Nivo::fromUtf8(path), definitions),
            "document: a document that was read could not be saved");
    Nivo::InkmlFileReader reader(Nivo::fromUtf8(path));
    require(reader.load(), "document: a saved document did not load");
    return {reader.document(), reader.definitions()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const FuzzSupport::ScratchFile firstFile("fuzz_document_reader-1.vmr");
    static const FuzzSupport::ScratchFile secondFile("fuzz_document_reader-2.vmr");

    pugi::xml_document xml;
    if (!xml.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    Nivo::Document document;
    Nivo::InkMLDefinitions definitions;
    Nivo::DocumentSerializer reader(&document);
    const bool read = reader.readDocument(xml, definitions);
    require(read == document.complete().value(),
            "document: readDocument() and the document disagree on completeness");
    if (!read)
        return 0;

    const Loaded once = saveAndLoad(document, definitions, firstFile.path());
    checkReloaded(document, *once.document);

    // Once saved and loaded, a document saves to the same bytes however often it goes round.
    const Loaded twice = saveAndLoad(*once.document, *once.definitions, firstFile.path());
    Nivo::DocumentSerializer writer(twice.document.get());
    require(writer.saveFile(Nivo::fromUtf8(secondFile.path()), *twice.definitions),
            "document: a loaded document could not be saved");
    require(readFile(firstFile.path()) == readFile(secondFile.path()),
            "document: saving a loaded document again gave different bytes");
    return 0;
}
