#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

// Puts the program's top-level windows inside the free area of the screen
// they open on: an outer size (frame included) is cut to that area, and the
// frame is placed within it, centred on another window or on the area.
// Window managers tell the frame only after a window is shown; until then
// the frame of a window already shown stands in for it, and the size and
// place are applied again once the window's own frame is known.
class WindowPlacement {
public:
    // The free area of the screen that `window` stands on, or `anchor` when given.
    static QRect freeArea(const QWidget* window, const QWidget* anchor = nullptr);
    // The frame around the window: its own once the window manager told it,
    // else that of another shown window.
    static QMargins frameMargins(const QWidget* window);

    // Gives the window the outer size, cut to the free area (at least 1 × 1),
    // and returns the size it got.
    static QSize setOuterSize(QWidget* window, QSize outer, const QWidget* anchor = nullptr);
    // Moves the frame to the centre of `anchor` (the free area without one), inside the free area.
    static void place(QWidget* window, const QWidget* anchor = nullptr);
    // Moves the frame just as far as it takes to lie inside the free area.
    static void keepInside(QWidget* window, const QWidget* anchor = nullptr);

    // Runs `reapply` again each time the frame of the shown window turns out
    // other than it was sized for, until the window hides.
    static void reapplyWhenFramed(QWidget* window, std::function<void()> reapply);
    // Forgets what reapplyWhenFramed was given.
    static void stopReapplying(QWidget* window);

    // Shows a window: sized to `outer` when given, placed on `anchor` when it
    // was hidden (an open window keeps its place, moved inside if need be),
    // raised and activated.
    static void show(QWidget* window, const QWidget* anchor, std::optional<QSize> outer = std::nullopt);

    // The rectangle moved (not resized) as little as possible into the area;
    // one larger than the area keeps its top-left corner in it.
    static QRect inside(QRect rect, const QRect& area);
};
