#pragma once

#include "platform/Seam.h"

#include <QString>

// Plays one sound file in the background; a new sound cuts off the one still
// playing. Never blocks and never fails: what cannot be played stays silent.
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void play(const QString& path) = 0;
};

using Sounds = Seam<SoundService>;
