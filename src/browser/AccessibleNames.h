// Accessible names for the parts of a window that Qt leaves without one.
#pragma once

class QMenuBar;
class QToolBar;

/// Names the bar and each of its menus after the menu's title, without the mnemonic, so
/// that a screen reader says which menu opened. Call again after the bar was rebuilt.
void nameMenus(QMenuBar *bar);

/// Names the button that Qt adds to a tool bar whose tools do not fit.
void nameToolBarExtension(QToolBar *bar);
