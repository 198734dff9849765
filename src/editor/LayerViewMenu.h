// The context menu of the layer editor's view: the commands on the open sketch.
#pragma once

class LayerManager;
class QMenu;
class QPoint;

/// Offers the editor's view, tag, file and save commands and an "Export to" entry per
/// installed application, which the editor passes on as exportRequested with the
/// application's name. Runs on the user-interface thread.
class LayerViewMenu
{
public:
    explicit LayerViewMenu(LayerManager &editor)
        : m_editor(editor)
    { }

    /// Adds the entries to the menu; each one runs the editor's slot of the same name.
    void populate(QMenu &menu) const;
    /// Shows the menu at the screen position and runs the chosen entry before returning.
    void exec(const QPoint &globalPos) const;

private:
    LayerManager &m_editor;
};
