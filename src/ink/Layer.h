// A layer: an annotated sequence of strokes; its "tag" annotation is the layer's name.
#pragma once

#include "ink/AnnotatedRegion.h"
#include "ink/Stroke.h"

namespace Nivo {

class Layer : public AnnotatedRegion<Stroke>
{
public:
    // The destructor is declared, so the moves are too: a layer moved in or out of its
    // container would otherwise be copied stroke by stroke.
    Layer() = default;
    Layer(const Layer &other) = default;
    Layer(Layer &&other) noexcept = default;
    Layer &operator=(const Layer &other) = default;
    Layer &operator=(Layer &&other) noexcept = default;
    ~Layer() override;
    void prepend(const Stroke &stroke) override;
    void extendBounds(const Stroke &stroke) override;
};

} // namespace Nivo
