// Accessible names for the parts of a window that Qt leaves without one.
#include "browser/AccessibleNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

void nameMenus(QMenuBar *bar)
{
    bar->setAccessibleName(QCoreApplication::translate("AccessibleNames", "Menu bar"));
    for (QAction *entry : bar->actions()) {
        if (QMenu *menu = entry->menu())
            menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
    }
}

void nameToolBarExtension(QToolBar *bar)
{
    // Qt's own object name for the button; it exists from the tool bar's construction.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QCoreApplication::translate("AccessibleNames", "More tools"));
        more->setToolTip(more->accessibleName());
    }
}
