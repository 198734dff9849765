// Procedural pen sketches: handwriting and drawings as the receiver would sample them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Synth {

/// One pen sample on an A4 sheet: x from -1050 to 1050 and y from 0 to 2970 in tenths of
/// a millimetre (receiver at the top centre), pressure 0 to 16383, tilt -128 to 127, and
/// the receiver's millisecond clock (24 bits, wrapping).
struct Sample
{
    double x = 0;
    double y = 0;
    int pressure = 0;
    int tiltX = 0;
    int tiltY = 0;
    std::uint32_t timeMs = 0;
};

struct SynthStroke
{
    std::vector<Sample> samples;
};

struct SynthLayer
{
    std::vector<SynthStroke> strokes;
};

struct SynthSketch
{
    std::vector<SynthLayer> layers;
    /// Recording date: year, month, day, hour, minute, second.
    int date[6] = {2026, 1, 1, 12, 0, 0};

    std::size_t pointCount() const;
};

enum class SketchKind { Any, Handwriting, Drawing, Mixed };

struct SketchOptions
{
    std::uint64_t seed = 1;
    /// Exact number of samples in the sketch; 0 draws exactly one page, whatever it takes.
    std::size_t points = 3000;
    /// Number of layers (at least 1); each holds at least one stroke when points allow.
    int layers = 1;
    SketchKind kind = SketchKind::Any;
};

/// Generates a sketch; the same options always give the same sketch.
SynthSketch generateSketch(const SketchOptions &options);

/// A sketch of the given number of layers, each a single tap of the pen (one stroke of one
/// sample) somewhere on the sheet: the case of very many layers. The same seed gives the
/// same sketch.
SynthSketch generateDotLayers(std::uint64_t seed, std::size_t layers);

/// Encodes a sketch as pen-file packets: the file descriptor, physical parameters and date,
/// then per stroke a pen-down status, per sample pressure, tilt (every fourth sample),
/// position and time (the first sample of a stroke sends its position first), and a
/// pen-up status; a layer-break status before every layer but the first. Every point reads
/// back with exactly its sample's pressure, time and last sent tilt.
std::vector<unsigned char> encodePenFile(const SynthSketch &sketch);

/// Writes bytes to a file; false when it cannot be written completely.
bool writeBytes(const std::string &path, const std::vector<unsigned char> &bytes);

const char *kindName(SketchKind kind);

} // namespace Synth
