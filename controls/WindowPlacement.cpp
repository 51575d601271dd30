#include "controls/WindowPlacement.h"

#include "platform/ScreenService.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

QMargins ownFrame(const QWidget* w)
{
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

bool normalState(const QWidget* w) { return !w->isMinimized() && !w->isMaximized() && !w->isFullScreen(); }

// Runs the window's sizing and placing again when its frame becomes known
// (or changes) after it was shown; gone when the window hides.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, std::function<void()> reapply)
        : QObject(window), m_window(window), m_reapply(std::move(reapply)),
          m_used(WindowPlacement::frameMargins(window))
    {
        setObjectName(QStringLiteral("WindowPlacementWatcher"));
        window->installEventFilter(this);
    }

    void check()
    {
        m_pending = false;
        if (!m_window->isVisible() || !normalState(m_window))
            return;
        const QMargins frame = WindowPlacement::frameMargins(m_window);
        if (frame == m_used)
            return;
        m_used = frame;
        m_reapply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show: check(); break;
        case QEvent::Move:
        case QEvent::Resize:
            // Not from inside the event that the window system is still delivering.
            if (!m_pending) {
                m_pending = true;
                QTimer::singleShot(0, this, [this] { check(); });
            }
            break;
        case QEvent::Hide:
            m_window->removeEventFilter(this);
            deleteLater();
            break;
        default: break;
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_reapply;
    QMargins m_used;
    bool m_pending = false;
};

// Qt watches the focus inside the window that has the focus, and stops
// watching when another window takes it; a window hidden while it had the
// focus is never told so, and each activation of it after showing it again
// adds one more watch, each run at every change of focus. A window opened
// again starts without one.
void forgetFocusWatch(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (handle && QGuiApplication::focusWindow() != handle)
        QObject::disconnect(handle, &QWindow::focusObjectChanged, qApp, nullptr);
}

} // namespace

QRect WindowPlacement::freeArea(const QWidget* window, const QWidget* anchor)
{
    return Screens::get().availableGeometry(anchor ? anchor : window);
}

QMargins WindowPlacement::frameMargins(const QWidget* window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return {};
    if (window->isVisible()) {
        const QMargins own = ownFrame(window);
        if (!own.isNull())
            return own;
    }
    // Until the window manager tells a window's frame, that of another shown
    // window stands in: every window of the program wears the same decoration.
    // The window system's windows, not every widget of the program: the
    // pages' widgets would make this scan the cost of opening a window.
    const QWindow* own = window->windowHandle();
    for (const QWindow* w : QGuiApplication::topLevelWindows()) {
        if (w != own && w->isVisible() && w->type() == Qt::Window) {
            const QMargins m = w->frameMargins();
            if (!m.isNull())
                return m;
        }
    }
    return {};
}

QSize WindowPlacement::setOuterSize(QWidget* window, QSize outer, const QWidget* anchor)
{
    const QSize area = freeArea(window, anchor).size();
    const QSize fitted(std::clamp(outer.width(), 1, std::max(1, area.width())),
                       std::clamp(outer.height(), 1, std::max(1, area.height())));
    const QMargins frame = frameMargins(window);
    window->resize(std::max(1, fitted.width() - frame.left() - frame.right()),
                   std::max(1, fitted.height() - frame.top() - frame.bottom()));
    return fitted;
}

QRect WindowPlacement::inside(QRect rect, const QRect& area)
{
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.left() + area.width() - rect.width())));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.top() + area.height() - rect.height())));
    return rect;
}

void WindowPlacement::place(QWidget* window, const QWidget* anchor)
{
    const QRect area = freeArea(window, anchor);
    QRect outer(QPoint(), window->size().grownBy(frameMargins(window)));
    outer.moveCenter(anchor && anchor->isVisible() ? anchor->frameGeometry().center() : area.center());
    window->move(inside(outer, area).topLeft());
}

void WindowPlacement::keepInside(QWidget* window, const QWidget* anchor)
{
    const QRect outer(window->pos(), window->size().grownBy(frameMargins(window)));
    const QRect moved = inside(outer, freeArea(window, anchor));
    if (moved != outer)
        window->move(moved.topLeft());
}

void WindowPlacement::reapplyWhenFramed(QWidget* window, std::function<void()> reapply)
{
    stopReapplying(window);
    new FrameWatcher(window, std::move(reapply));
}

void WindowPlacement::stopReapplying(QWidget* window)
{
    if (auto* old = window->findChild<QObject*>(QStringLiteral("WindowPlacementWatcher"), Qt::FindDirectChildrenOnly)) {
        window->removeEventFilter(old);
        delete old;
    }
}

void WindowPlacement::show(QWidget* window, const QWidget* anchor, std::optional<QSize> outer)
{
    QPointer<const QWidget> on(anchor);
    const bool opening = !window->isVisible();
    const auto apply = [window, on, outer, opening] {
        if (outer)
            setOuterSize(window, *outer, on);
        if (opening)
            place(window, on);
        else
            keepInside(window, on);
    };
    apply();
    reapplyWhenFramed(window, apply);
    if (opening)
        forgetFocusWatch(window);
    window->show();
    window->raise();
    window->activateWindow();
}
