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

/// The stroke items of the model's layer in the order of its strokes; empty when they are
/// not one item per stroke.
QList<const GraphicsInkPathItem *> itemsOfLayer(const DocumentGraphicModel &model, int layer,
                                                std::size_t strokes)
{
    QList<const GraphicsInkPathItem *> items;
    if (layer < 0 || layer >= model.groups().size())
        return items;
    for (const QGraphicsItem *child : model.groups()[layer]->childItems()) {
        if (child->type() == GraphicsInkPathItem::Type)
            items << static_cast<const GraphicsInkPathItem *>(child);
    }
    if (static_cast<std::size_t>(items.size()) != strokes)
        items.clear();
    return items;
}

/// New stroke items for the strokes in the model's pen, out of every scene and group. Given
/// the scene's items of the same strokes (one per stroke, in order), they are copies of
/// those; otherwise each is built in a temporary group of the model's pen, whose width the
/// pressure outline follows. Inserting the layer puts them into the model's new group.
QList<QGraphicsItem *> itemsFor(const DocumentGraphicModel &model,
                                const Nivo::Layer::Container &strokes,
                                const QList<const GraphicsInkPathItem *> &shown)
{
    QList<QGraphicsItem *> items;
    items.reserve(static_cast<qsizetype>(strokes.size()));
    if (static_cast<std::size_t>(shown.size()) == strokes.size()) {
        // The outlines were built in the model's pen too: copying them saves building them.
        for (const GraphicsInkPathItem *item : shown) {
            auto *copy = new GraphicsInkPathItem(*item, nullptr);
            copy->setPenColor(model.pen().color);
            items << copy;
        }
        return items;
    }
    GraphicsItemsGroup group(model.pen(), nullptr, true, 0);
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
    const QList<const GraphicsInkPathItem *> shown
        = itemsOfLayer(*sketch->model(), layer, source.elements().size());
    const int parts = static_cast<int>(cuts.size()) + 1;
    std::vector<Nivo::Layer> inks(parts);
    std::vector<QList<const GraphicsInkPathItem *>> shownParts(parts);
    int part = 0;
    int c = 0;
    for (const Nivo::Stroke &stroke : source.elements()) {
        while (part < parts - 1 && c >= cuts[part])
            ++part;
        inks[part].add(stroke);
        if (!shown.isEmpty())
            shownParts[part] << shown[c];
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
    for (int p = 0; p < parts; ++p) {
        if (inks[p].isEmpty())
            continue;
        const QList<QGraphicsItem *> items
            = itemsFor(*sketch->model(), inks[p].elements(), shownParts[p]);
        new AddLayerCommand(
            command,
            std::make_unique<LayerUndoData>(&m_editor, index++, items, std::move(inks[p])));
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
    // A layer whose items do not match its strokes adds none, and the merged layer's items
    // are built anew.
    QList<const GraphicsInkPathItem *> shown;
    for (auto index = layersDescending.crbegin(); index != layersDescending.crend(); ++index) {
        const auto &strokes = layers[*index].elements();
        for (const Nivo::Stroke &stroke : strokes)
            merged.add(stroke);
        shown << itemsOfLayer(*sketch->model(), *index, strokes.size());
    }
    auto *command = new UndoParentCommand;
    for (int index : layersDescending)
        new DeleteLayerCommand(command, std::make_unique<LayerUndoData>(&m_editor, index));
    // The merged layer has items of its own, copies of the replaced layers' ones, which every
    // redo reuses: the replaced layers' items stay with their deletions, so each item
    // belongs to one command step only.
    const QList<QGraphicsItem *> items = itemsFor(*sketch->model(), merged.elements(), shown);
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
