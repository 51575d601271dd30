#include "platform/gui/QtSoundService.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QSoundEffect>
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

quint32 readU32(const QByteArray& b, qsizetype at, bool bigEndian)
{
    const auto byte = [&](int i) { return static_cast<quint32>(static_cast<unsigned char>(b[at + i])); };
    return bigEndian ? byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3)
                     : byte(3) << 24 | byte(2) << 16 | byte(1) << 8 | byte(0);
}

// Whether the file is a wave file with its format and all its samples.
// QSoundEffect waits for the rest of a cut-off or foreign file for ever,
// and every later release of an effect then waits for that load: such a
// file is never handed to it.
bool isCompleteWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || !(b.startsWith("RIFF") || b.startsWith("RIFX")) || b.mid(8, 4) != "WAVE")
        return false;
    const bool bigEndian = b.startsWith("RIFX");
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const qint64 size = readU32(b, at + 4, bigEndian);
        const qint64 body = at + 8;
        if (id == "data")
            return haveFormat && body + size <= b.size();
        if (body + size > b.size())
            return false;
        if (id == "fmt ")
            haveFormat = size >= 16;
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return false;
}

// Designs get changed and tried; more files than this are not kept loaded.
constexpr qsizetype kMaxEffects = 8;

// The ending the path functions test: the last three characters.
bool isMidi(const QString& path) { return path.right(3).compare(QLatin1String("mid"), Qt::CaseInsensitive) == 0; }

} // namespace

QtSoundService::QtSoundService() : m_context(std::make_unique<QObject>()) {}

QtSoundService::~QtSoundService()
{
    // Qt's sample cache, ended with the process, waits for its loader while
    // holding the lock that a load in progress needs to finish: a program
    // closed while a sound still loads would never end. The loads finish
    // first (they are short: only complete wave files get here).
    const auto loading = [this] {
        return std::any_of(m_effects.cbegin(), m_effects.cend(),
                           [](const QSoundEffect* e) { return e->status() == QSoundEffect::Loading; });
    };
    QDeadlineTimer deadline(5000);
    while (loading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    for (QSoundEffect* effect : std::as_const(m_effects))
        effect->stop();
    m_context.reset(); // deletes the effects, the MIDI player and any pending check
}

QSoundEffect* QtSoundService::effectFor(const QString& path) const { return m_effects.value(path, nullptr); }

void QtSoundService::play(const QString& path)
{
    if (m_ready) {
        playNow(path);
        return;
    }
    m_pending = path; // a later sound cuts off an earlier one, even before it starts
    startWhenIdle();
}

void QtSoundService::startWhenIdle()
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
        m_waiting = false;
        m_ready = true;
        playNow(m_pending);
        m_pending.clear();
    });
    check->start(0);
}

void QtSoundService::playNow(const QString& path)
{
    if (m_playing) {
        m_playing->stop();
        m_playing = nullptr;
    }
    if (m_midi)
        m_midi->stop();
    if (isMidi(path)) {
        playMidi(path);
        return;
    }
    QSoundEffect* effect = m_effects.value(path, nullptr);
    if (!effect) {
        if (!isCompleteWave(path))
            return; // looked at again next time: the file may be mended
        if (m_effects.size() >= kMaxEffects) {
            qDeleteAll(m_effects);
            m_effects.clear();
        }
        effect = new QSoundEffect(m_context.get());
        effect->setSource(QUrl::fromLocalFile(path)); // loads in the background
        m_effects.insert(path, effect);
    }
    // Asked for while loading, it starts once loaded; a format that
    // QSoundEffect does not play fails to load and plays nothing.
    effect->play();
    m_playing = effect;
}

void QtSoundService::playMidi(const QString& path)
{
    if (!m_midi) {
        auto* player = new QMediaPlayer(m_context.get());
        player->setAudioOutput(new QAudioOutput(player));
        // A player that failed (a damaged file) would hold up the window for a
        // second at its next stop; it is dropped at once, and the next MIDI
        // sound gets a new one.
        QObject::connect(player, &QMediaPlayer::errorOccurred, m_context.get(), [this, player] {
            if (m_midi == player)
                m_midi = nullptr;
            player->deleteLater();
        });
        m_midi = player;
    }
    m_midi->setSource(QUrl::fromLocalFile(path));
    m_midi->play(); // from the start, also when the same file played last
}
