// Menus per page, built once.
#include "browser/PageMenus.h"

#include <QMenu>
#include <QMenuBar>
#include <QWidget>

PageMenus::PageMenus(QWidget *window)
    : QObject(window)
    , m_window(window)
{ }

QMenu *PageMenus::addMenu(const QString &title, unsigned pages)
{
    auto *menu = new QMenu(title, m_window);
    m_menus.append(menu);
    m_pages.append(pages);
    return menu;
}

void PageMenus::show(QMenuBar *bar, int page) const
{
    // Removing the menus' actions from the bar deletes nothing.
    bar->clear();
    const unsigned mask = page == 0 ? kSketchesPage : kEditorPage;
    for (int i = 0; i < m_menus.size(); ++i) {
        if (m_pages[i] & mask)
            bar->addMenu(m_menus[i]);
    }
}
