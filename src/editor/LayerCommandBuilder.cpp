// Turning a split, merge or delete of the layer editor into one undoable command.
#include "editor/LayerCommandBuilder.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "editor/LayerManager.h"
#include "editor/LayerUndoCommands.h"

#include <algorithm>
#include <memory>

QList<int> LayerCommandBuilder::scrubberCuts(int left, int right, int strokes)
{
    if ((right == strokes && left == 0) || (right == 0 && left == 0)
        || (right == strokes && left == strokes))
        return {};
    // Two handles apart inside the layer make three parts; together, or one at an end, two.
    if (right == left || right == strokes)
        return {left};
    if (left == 0)
        return {right};
    return {left, right};
}

QList<int> LayerCommandBuilder::pauseCuts(const Nivo::Layer &layer, int thresholdMs)
{
    QList<int> cuts;
    const auto &strokes = layer.elements();
    for (std::size_t k = 1; k < strokes.size(); ++k) {
        const auto &before = strokes[k - 1].elements();
        const auto &after = strokes[k].elements();
        if (before.empty() || after.empty())
            continue;
        const unsigned long ended = before.back().timestamp.value();
        const unsigned long began = after.front().timestamp.value();
        if (began > ended && began - ended > static_cast<unsigned long>(thresholdMs))
            cuts << static_cast<int>(k);
    }
    return cuts;
}

namespace {

/// New stroke items for the strokes, out of every scene and group. Each is made in a
/// temporary group of the model's pen, whose width the pressure outline follows; inserting
/// the layer puts them into the model's new group.
QList<QGraphicsItem *> itemsFor(const DocumentGraphicModel &model,
                                const std::deque<Nivo::Stroke> &strokes)
{
    GraphicsItemsGroup group(model.pen(), nullptr, true, 0);
    QList<QGraphicsItem *> items;
    items.reserve(static_cast<qsizetype>(strokes.size()));
    for (const Nivo::Stroke &stroke : strokes)
        items << new GraphicsInkPathItem(stroke, model.pen(), &group, model.pressureRendering());
    for (QGraphicsItem *item : items)
        group.removeFromGroup(item);
    return items;
}

} // namespace

UndoParentCommand *LayerCommandBuilder::split(int layer, const QList<int> &cuts)
{
    const MetadataPtr &sketch = m_editor.document();
    if (!sketch || !sketch->document() || !sketch->model())
        return nullptr;
    const auto &layers = sketch->document()->elements();
    if (layer < 0 || layer >= static_cast<int>(layers.size()))
        return nullptr;
    const Nivo::Layer &source = layers[layer];
    const int parts = static_cast<int>(cuts.size()) + 1;
    std::vector<Nivo::Layer> inks(parts);
    int part = 0;
    int c = 0;
    for (const Nivo::Stroke &stroke : source.elements()) {
        while (part < parts - 1 && c >= cuts[part])
            ++part;
        inks[part].add(stroke);
        ++c;
    }
    const int filled = static_cast<int>(std::count_if(
        inks.begin(), inks.end(), [](const Nivo::Layer &ink) { return !ink.isEmpty(); }));
    if (filled < 2)
        return nullptr;
    auto *command = new UndoParentCommand;
    new DeleteLayerCommand(command, std::make_unique<LayerUndoData>(&m_editor, layer));
    // Empty parts are left out, and the parts after them take their places.
    int index = layer;
    for (Nivo::Layer &ink : inks) {
        if (ink.isEmpty())
            continue;
        const QList<QGraphicsItem *> items = itemsFor(*sketch->model(), ink.elements());
        new AddLayerCommand(
            command, std::make_unique<LayerUndoData>(&m_editor, index++, items, std::move(ink)));
    }
    return command;
}

UndoParentCommand *LayerCommandBuilder::merge(const QList<int> &layersDescending)
{
    const MetadataPtr &sketch = m_editor.document();
    if (layersDescending.isEmpty() || !sketch || !sketch->document() || !sketch->model())
        return nullptr;
    const auto &layers = sketch->document()->elements();
    for (int index : layersDescending) {
        if (index < 0 || index >= static_cast<int>(layers.size())
            || index >= sketch->model()->groups().size())
            return nullptr;
    }
    // The strokes keep the order in which they were drawn: lowest layer first, so that a
    // split merged back is the layer it was, and the replay order does not change.
    Nivo::Layer merged;
    for (auto index = layersDescending.crbegin(); index != layersDescending.crend(); ++index) {
        for (const Nivo::Stroke &stroke : layers[*index].elements())
            merged.add(stroke);
    }
    auto *command = new UndoParentCommand;
    for (int index : layersDescending)
        new DeleteLayerCommand(command, std::make_unique<LayerUndoData>(&m_editor, index));
    // The merged layer has items of its own, which every redo reuses: the replaced layers'
    // items stay with their deletions, so each item belongs to one command step only.
    const QList<QGraphicsItem *> items = itemsFor(*sketch->model(), merged.elements());
    new AddLayerCommand(command,
                        std::make_unique<LayerUndoData>(&m_editor, layersDescending.last(), items,
                                                        std::move(merged)));
    return command;
}

UndoParentCommand *LayerCommandBuilder::remove(const QList<int> &layersDescending)
{
    auto *command = new UndoParentCommand;
    for (int index : layersDescending)
        new DeleteLayerCommand(command, std::make_unique<LayerUndoData>(&m_editor, index));
    return command;
}
