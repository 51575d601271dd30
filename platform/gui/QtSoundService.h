#pragma once

#include "platform/SoundService.h"

class QAudioOutput;
class QMediaPlayer;

// Sounds through Qt Multimedia. Formats the system's media backend cannot
// decode (a MIDI file on most systems) stay silent.
class QtSoundService : public SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    void play(const QString& path) override;

private:
    QMediaPlayer* m_player;
    QAudioOutput* m_output;
};
