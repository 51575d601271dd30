#pragma once

#include "platform/SoundService.h"

#include <QObject>
#include <QString>

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// Sounds through Qt Multimedia. Formats the system's media backend cannot
// decode (a MIDI file on most systems) stay silent.
//
// The player and its audio output are made for the first sound only, and
// then only from the event loop once every shown window has been painted:
// making them starts the media backend and probes the audio devices, which
// costs more time and memory than the rest of the start-up. The first sound
// (the start sound, asked for before the window is shown) starts then.
class QtSoundService : public SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    void play(const QString& path) override;

    // Whether the player has been made (for tests).
    bool playerMade() const { return m_player != nullptr; }

private:
    void makePlayerWhenIdle();
    void playNow(const QString& path);

    std::unique_ptr<QObject> m_context; // ends pending callbacks with the service
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    QString m_pending;
    bool m_waiting = false;
};
