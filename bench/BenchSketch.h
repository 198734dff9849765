// Generated sketches loaded as the editor loads them, for the benchmarks of its views.
#pragma once

#include "BenchSupport.h"
#include "SketchGenerator.h"
#include "document/DocumentMetaData.h"

#include <benchmark/benchmark.h>
#include <string>

namespace BenchSupport {

/// Writes the sketch as a pen file into the folder and loads it, as the pressure-rendering
/// copy the editor hands its views. Null after telling the benchmark why.
inline MetadataPtr loadPressureCopy(benchmark::State &state, const ScratchFolder &folder,
                                    const Synth::SynthSketch &sketch)
{
    const std::string file = (folder.path() / "sketch.qpe").string();
    if (folder.path().empty() || !Synth::writeBytes(file, Synth::encodePenFile(sketch))) {
        state.SkipWithError("cannot write the generated pen file");
        return MetadataPtr();
    }
    DocumentMetaData loaded(QString::fromStdString(file));
    if (!loaded.load()) {
        state.SkipWithError("the generated pen file does not load");
        return MetadataPtr();
    }
    return loaded.createPressureCopy();
}

} // namespace BenchSupport
