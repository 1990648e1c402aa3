// Building a pop-up menu from the command table: sub-menus in the order their first command comes.
#include "app/PopupMenu.h"

#include <map>
#include <string>

#include "app/CDrawWnd.h"

namespace jamlog {

void fillPopupMenu(QMenu& menu, PopupMenu which, const CDrawWnd& window, bool fullScreen) {
    const RenderSettings& t = window.drawState().set;
    const bool designer = t.debug != 0 || t.pro != 0;
    std::map<std::string, QMenu*> subMenus;
    for (const MenuCommand& c : menuCommands()) {
        if (c.menu != which || (c.designer && !designer) || (c.fullScreenOnly && !fullScreen))
            continue;
        QMenu* into = &menu;
        if (c.subMenu != nullptr) {
            QMenu*& sub = subMenus[c.subMenu];
            if (sub == nullptr)
                sub = menu.addMenu(c.subMenu);
            into = sub;
        }
        QAction* a = into->addAction(c.label);
        a->setData(c.id);
        const bool on = c.checked != nullptr && c.checked(window);
        a->setCheckable(on);
        a->setChecked(on);
    }
}

} // namespace jamlog
