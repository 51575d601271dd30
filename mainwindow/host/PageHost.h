#pragma once

#include <QString>

#include <cstdint>

class QWidget;
class Session;
class clsFormFunctions;
class ucText;

// What the pages and the windows beside the main window see of it: the
// status line and sounds, page switching, the title view, menu items, the
// client area and the layout helper, a few shared controls and commands,
// and the program's state.
class PageHost {
public:
    virtual ~PageHost() = default;

    virtual Session& session() = 0;

    // Status line and sounds: 1 click, 2 start, 3 alert.
    virtual void StatusMsg(int msgNo, const QString& suffix = QString()) = 0;
    virtual void PlaySound(std::uint8_t kind) = 0;

    // Pages and the title view.
    virtual void ShowPage(int page) = 0;
    virtual void HideAllPages() = 0;
    virtual void JumpToDVD(const QString& name, bool exact) = 0;
    virtual void DVDScreenAufrufen(std::int16_t pos) = 0;
    virtual void HidePopUps() = 0;

    // A menu item or submenu by its name ("menue_sammlungStatistik", "dvd").
    virtual void setMenuEnabled(const QString& name, bool enabled) = 0;

    // Where pages place their controls, and the placement helper they share.
    virtual QWidget* clientArea() = 0;
    virtual clsFormFunctions& FormFunctions() = 0;
    virtual ucText* statusLine() = 0;
    virtual QWidget* backgroundImage() = 0;


    // Commands of the windows beside the main window.
    virtual void ShowTrailer() = 0;
    virtual void ShowRegal() = 0;
    virtual void ShowCoverVollbild() = 0;
    virtual void BreakSchoner() = 0;
};
