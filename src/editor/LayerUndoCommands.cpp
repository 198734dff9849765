// Removing and inserting one layer in the ink document, the scene and the layer list at once.
#include "editor/LayerUndoCommands.h"

#include "document/DocumentGraphicModel.h"
#include "editor/LayerManager.h"
#include "settings/WaitCursor.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QListWidget>

LayerUndoData::LayerUndoData(LayerManager *editor, int index)
    : editor(editor)
    , index(index)
{ }

LayerUndoData::LayerUndoData(LayerManager *editor, int index, const QList<QGraphicsItem *> &items,
                             Nivo::Layer layer)
    : editor(editor)
    , index(index)
    , layer(std::move(layer))
{
    snapshot.items = items;
}

LayerUndoData::~LayerUndoData()
{
    delete listItem;
    // Items are listed only while the layer is out: then they are the record's own.
    qDeleteAll(snapshot.items);
}

BaseLayerUndoCommand::BaseLayerUndoCommand(QUndoCommand *parent,
                                           std::unique_ptr<LayerUndoData> record)
    : QUndoCommand(parent)
    , m_record(std::move(record))
{ }

BaseLayerUndoCommand::~BaseLayerUndoCommand() = default;

bool BaseLayerUndoCommand::removeLayer()
{
    LayerUndoData &record = *m_record;
    const MetadataPtr &sketch = record.editor->document();
    if (!sketch || !sketch->document() || !sketch->model())
        return false;
    auto &layers = sketch->document()->elements();
    if (record.index < 0 || record.index >= static_cast<int>(layers.size())
        || record.index >= sketch->model()->groups().size())
        return false;
    if (!sketch->model()->removeLayerGroup(record.index, record.snapshot))
        return false;
    // The layer leaves the document, so it is moved out rather than copied: a large layer
    // would otherwise be copied on every undo and redo.
    record.layer = std::move(layers[record.index]);
    layers.erase(layers.begin() + record.index);
    QListWidget *list = record.editor->layerList();
    delete record.listItem;
    record.listItem = list->takeItem(record.index);
    record.editor->layerRemoved(record.index);
    return true;
}

bool BaseLayerUndoCommand::insertLayer()
{
    LayerUndoData &record = *m_record;
    const MetadataPtr &sketch = record.editor->document();
    if (!sketch || !sketch->document() || !sketch->model())
        return false;
    auto &layers = sketch->document()->elements();
    if (record.index < 0 || record.index > static_cast<int>(layers.size())
        || record.index > sketch->model()->groups().size())
        return false;
    if (!sketch->model()->insertLayerGroup(record.index, record.snapshot.items))
        return false;
    // The scene owns the items now. The record lets go of them: a later command may take them
    // out again, and this record, ended meanwhile, must not delete them under it.
    record.snapshot.items.clear();
    sketch->document()->extendBounds(record.layer);
    layers.insert(layers.begin() + record.index, std::move(record.layer));
    record.layer = Nivo::Layer();
    QListWidgetItem *item = record.listItem ? record.listItem : new QListWidgetItem;
    record.listItem = nullptr;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setCheckState(Qt::Unchecked);
    item->setSelected(false);
    record.editor->layerList()->insertItem(record.index, item);
    record.editor->layerInserted(record.index);
    return true;
}

void AddLayerCommand::redo()
{
    {
        const WaitCursor wait;
        insertLayer();
    }
    emit done(1);
}

void AddLayerCommand::undo()
{
    {
        const WaitCursor wait;
        removeLayer();
    }
    emit done(0);
}

void DeleteLayerCommand::redo()
{
    const WaitCursor wait;
    removeLayer();
}

void DeleteLayerCommand::undo()
{
    const WaitCursor wait;
    insertLayer();
}

void UndoParentCommand::redo()
{
    for (int i = 0; i < childCount(); ++i)
        const_cast<QUndoCommand *>(child(i))->redo();
    emit done(1);
}

void UndoParentCommand::undo()
{
    for (int i = childCount() - 1; i >= 0; --i)
        const_cast<QUndoCommand *>(child(i))->undo();
    emit done(0);
}
