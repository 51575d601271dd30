#pragma once

#include <QString>

class QWidget;
class Session;
class clsFormFunctions;

// What the pages and the windows beside the main window see of it: the
// program's state, the status line, page switching and the jump to a title,
// menu items, the client area and the layout helper. A page that wants
// another page or window to act emits a signal that the main window connects.
class PageHost {
public:
    virtual ~PageHost() = default;

    virtual Session& session() = 0;

    // Shows message msgNo of the message table (with the alert sound).
    virtual void StatusMsg(int msgNo, const QString& suffix = QString()) = 0;

    // Pages and the title view.
    virtual void ShowPage(int page) = 0;
    virtual void HideAllPages() = 0;
    virtual void JumpToDVD(const QString& name, bool exact) = 0;
    virtual void HidePopUps() = 0;

    // A menu item or submenu by its name ("menue_sammlungStatistik", "dvd").
    virtual void setMenuEnabled(const QString& name, bool enabled) = 0;

    // Where pages place their controls, and the placement helper they share.
    virtual QWidget* clientArea() = 0;
    virtual clsFormFunctions& FormFunctions() = 0;
};
