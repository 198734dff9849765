// A layer: an annotated sequence of strokes; its "tag" annotation is the layer's name.
#pragma once

#include "ink/AnnotatedRegion.h"
#include "ink/Stroke.h"

namespace Nivo {

class Layer : public AnnotatedRegion<Stroke>
{
public:
    ~Layer() override;
    void prepend(const Stroke &stroke) override;
    void extendBounds(const Stroke &stroke) override;
};

} // namespace Nivo
