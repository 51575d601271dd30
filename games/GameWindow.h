#pragma once

#include "controls/WindowPlacement.h"
#include "data/Design.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

// What the two game windows share: placement in twips, their buttons and
// labels, and how the main window opens them.
namespace GameWindow {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A button in the monospaced bold face at 8.25 pt on white, whatever the design.
QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry, const QString& caption = QString());
// A label of plain text, top-left aligned, in the monospaced bold face.
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, double pointSize);
// A button caption shown as written: "&" would otherwise mark a shortcut key.
QString literalCaption(const QString& text);
// The window's own background and text colours.
void setWindowColors(QWidget* window, Color font, Color back);

// Shows a game window: made and loaded on first use, brought to the front
// when it is open already. A window whose first loading ends it (nothing to
// play) is not kept. A closed window is made afresh next time, or, when it
// is kept on closing, loaded again. load goes to its Form_Load.
// A window class says that it is kept on closing with a constant kKeptWhenClosed.
template <class W>
constexpr bool keptWhenClosed = requires { requires W::kKeptWhenClosed; };

template <class W, class... Load>
W* showGameWindow(QPointer<W>& window, QWidget* parent, const Load&... load)
{
    if (window && window->isHidden()) {
        if constexpr (keptWhenClosed<W>) {
            if (!window->Form_Load(load...))
                return nullptr;
        } else {
            delete window.data(); // closed, waiting for its deferred deletion
        }
    }
    if (!window) {
        auto* fresh = new W(parent);
        if (!fresh->Form_Load(load...)) {
            delete fresh;
            return nullptr;
        }
        window = fresh;
    }
    WindowPlacement::show(window.data(), parent);
    return window.data();
}

} // namespace GameWindow
