#pragma once

#include "platform/MediaPlayerService.h"

// Video through Qt Multimedia: a QMediaPlayer drawing into a QVideoWidget.
class QtMediaPlayerService : public MediaPlayerService {
public:
    std::unique_ptr<MediaPlayer> createPlayer(QWidget* window) override;
};
