// The menu bar of each page of the main window, built once and swapped on page changes.
#pragma once

#include <QList>
#include <QObject>

class QMenu;
class QMenuBar;
class QWidget;

/// Owns one set of menus per page. Showing a page puts its menus into the bar without
/// making new ones, so that switching pages any number of times costs no memory.
class PageMenus : public QObject
{
    Q_OBJECT

public:
    /// The menus are children of window (not of its bar), so clearing the bar keeps them.
    explicit PageMenus(QWidget *window);

    /// Adds a menu to the given pages (kSketchesPage, kEditorPage or both).
    QMenu *addMenu(const QString &title, unsigned pages);
    /// Replaces the bar's menus by those of page (0 or 1).
    void show(QMenuBar *bar, int page) const;
    /// Every menu made, in order.
    const QList<QMenu *> &menus() const { return m_menus; }

    static constexpr unsigned kSketchesPage = 1;
    static constexpr unsigned kEditorPage = 2;
    static constexpr unsigned kBothPages = kSketchesPage | kEditorPage;

private:
    QWidget *m_window;
    QList<QMenu *> m_menus;
    QList<unsigned> m_pages;
};
