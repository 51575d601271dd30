#pragma once

#include "platform/SoundService.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QMediaPlayer;
class QSoundEffect;

// The design's short sounds: WAV files through QSoundEffect, which plays
// uncompressed audio without starting the media backend that a media player
// needs: that costs more time and memory than the rest of the start-up.
// MIDI files (ending in "mid") through a media player, made only when the
// first of them is asked for: it costs more memory than the whole program.
// What cannot be played (a missing or damaged file, another format) stays
// silent.
//
// The effects are made from the event loop once every shown window has been
// painted, so the first paint never waits for the audio devices. The first
// sound (the start sound, asked for before the window is shown) starts then.
class QtSoundService : public SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    void play(const QString& path) override;

    // Whether sounds now play at once (for tests).
    bool playerMade() const { return m_ready; }
    // The effect kept for a file, or nullptr (for tests).
    QSoundEffect* effectFor(const QString& path) const;
    // The player of MIDI sounds, or nullptr while none is made (for tests).
    QMediaPlayer* midiPlayer() const { return m_midi; }

private:
    void startWhenIdle();
    void playNow(const QString& path);
    void playMidi(const QString& path);

    std::unique_ptr<QObject> m_context; // ends pending callbacks with the service
    // One loaded effect per sound file: a design has three, played again and again.
    QHash<QString, QSoundEffect*> m_effects; // children of m_context
    QSoundEffect* m_playing = nullptr;
    QMediaPlayer* m_midi = nullptr; // child of m_context
    QString m_pending;
    bool m_waiting = false;
    bool m_ready = false;
};
