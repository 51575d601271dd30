#include "platform/gui/QtSoundService.h"

#include <QAudioOutput>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>

namespace {

// A shown window that the window system has not yet exposed is still to be painted.
bool everyShownWindowPainted()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::all_of(windows.begin(), windows.end(), [](const QWindow* w) { return !w->isVisible() || w->isExposed(); });
}

} // namespace

QtSoundService::QtSoundService() : m_context(std::make_unique<QObject>()) {}

QtSoundService::~QtSoundService()
{
    m_context.reset();
    if (m_player)
        m_player->stop();
    m_player.reset();
    m_output.reset();
}

void QtSoundService::play(const QString& path)
{
    if (m_player) {
        playNow(path);
        return;
    }
    m_pending = path; // a later sound cuts off an earlier one, even before it starts
    makePlayerWhenIdle();
}

void QtSoundService::makePlayerWhenIdle()
{
    if (m_waiting)
        return;
    m_waiting = true;
    // Looked at from the event loop, so never before the window shown after
    // this call has had its turn; again a little later while a window is
    // still waiting for the window system.
    auto* check = new QTimer(m_context.get());
    check->setSingleShot(true);
    QObject::connect(check, &QTimer::timeout, m_context.get(), [this, check] {
        if (!everyShownWindowPainted()) {
            check->start(20);
            return;
        }
        check->deleteLater();
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        m_waiting = false;
        playNow(m_pending);
        m_pending.clear();
    });
    check->start(0);
}

void QtSoundService::playNow(const QString& path)
{
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play(); // errors of the backend only end the sound
}
