// The pop-up menus of a view window, built from the one table of menu commands.
#pragma once
#include <QMenu>

#include "app/MenuCommands.h"

namespace jamlog {

// Fills `menu` with the commands of `which` that the window shows (designer commands only in designer mode or
// with a debug bit set, the exit commands only full screen), each carrying its id and checked as its row says.
void fillPopupMenu(QMenu& menu, PopupMenu which, const CDrawWnd& window, bool fullScreen);

} // namespace jamlog
