// Turning a split, merge or delete of the layer editor into one undoable command.
#pragma once

#include <QList>

class LayerManager;
class UndoParentCommand;
namespace Nivo {
class Layer;
}

/// Builds the composite command of one layer operation on the editor's current sketch,
/// ordering its children so that every index is valid when a child runs, in both
/// directions. Pushing the command is the caller's.
class LayerCommandBuilder
{
public:
    explicit LayerCommandBuilder(LayerManager &editor)
        : m_editor(editor)
    { }

    /// Where the scrubber's handles cut a layer of `strokes` strokes: the positions of the
    /// first stroke of each later part. Empty when the handles leave nothing to cut (both at
    /// the start, both at the end, or spanning the whole layer).
    static QList<int> scrubberCuts(int left, int right, int strokes);
    /// The strokes of the layer before which the pen rested longer than thresholdMs (by the
    /// points' timestamps, in milliseconds).
    static QList<int> pauseCuts(const Nivo::Layer &layer, int thresholdMs);

    /// Replaces the layer by its parts cut before each stroke of cuts (ascending). Empty
    /// parts are left out; null when fewer than two parts hold strokes.
    UndoParentCommand *split(int layer, const QList<int> &cuts);
    /// Replaces the contiguous layers (highest first) by one layer at the lowest index that
    /// holds their strokes in document order: the lowest layer's first.
    UndoParentCommand *merge(const QList<int> &layersDescending);
    /// Takes the layers (highest first) out.
    UndoParentCommand *remove(const QList<int> &layersDescending);

private:
    LayerManager &m_editor;
};
