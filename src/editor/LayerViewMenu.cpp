// The layer editor's view menu, with one export entry per installed application.
#include "editor/LayerViewMenu.h"

#include "editor/LayerManager.h"
#include "settings/ApplSettings.h"

#include <QMenu>

void LayerViewMenu::populate(QMenu &menu) const
{
    LayerManager *editor = &m_editor;
    menu.setAccessibleName(LayerManager::tr("Sketch commands"));
    menu.addAction(LayerManager::tr("&Return to Preview"), editor, &LayerManager::backBtnClicked);
    menu.addAction(LayerManager::tr("&Zoom In"), editor, &LayerManager::zoomViewInSlot);
    menu.addAction(LayerManager::tr("&Zoom Out"), editor, &LayerManager::zoomViewOutSlot);
    menu.addAction(LayerManager::tr("&Rotate Clockwise"), editor,
                   &LayerManager::rotateClockwiseSlot);
    menu.addAction(LayerManager::tr("&Rotate Counterclockwise"), editor,
                   &LayerManager::rotateCounterclockwiseSlot);
    menu.addAction(LayerManager::tr("&Show/Edit Tag..."), editor, &LayerManager::showEditTagSlot);
    menu.addAction(LayerManager::tr("&Open File Location..."), editor,
                   &LayerManager::openFileLocationSlot);
    menu.addAction(LayerManager::tr("&Save Document"), editor, &LayerManager::saveDocumentSlot);
    menu.addAction(LayerManager::tr("&Save Document as..."), editor,
                   &LayerManager::saveDocumentAsSlot);
    menu.addAction(LayerManager::tr("&Save Document as Different Format"), editor,
                   &LayerManager::saveAsDifferentFormatSlot);
    const QList<InstalledApp> applications = ApplSettings::instance().installedApplications();
    if (applications.isEmpty())
        return;
    QMenu *exports = menu.addMenu(LayerManager::tr("&Export to"));
    exports->setAccessibleName(LayerManager::tr("Export to"));
    for (const InstalledApp &application : applications) {
        const QString name = application.name;
        exports->addAction(menuLabel(application), editor,
                           [editor, name] { emit editor->exportRequested(name); });
    }
}

void LayerViewMenu::exec(const QPoint &globalPos) const
{
    QMenu menu(&m_editor);
    populate(menu);
    menu.exec(globalPos);
}
