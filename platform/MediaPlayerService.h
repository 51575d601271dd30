#pragma once

#include "platform/Seam.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// One video player drawn into a widget of the caller's window. Loading and
// playing never block; what the backend cannot play is reported through the
// error handler, at once or later while it plays.
class MediaPlayer {
public:
    using ErrorHandler = std::function<void(const QString& reason)>;

    virtual ~MediaPlayer() = default;
    // The widget the video is drawn into, a child of the window the player was made for.
    virtual QWidget* view() const = 0;
    virtual void setErrorHandler(ErrorHandler handler) = 0;
    // True: the video fills the view; false: it keeps its proportions.
    virtual void setStretchToFit(bool stretch) = 0;
    virtual void setSource(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Stops and rewinds to the start.
    virtual void stop() = 0;
};

class MediaPlayerService {
public:
    virtual ~MediaPlayerService() = default;
    // A player whose view is a new child of `window`.
    virtual std::unique_ptr<MediaPlayer> createPlayer(QWidget* window) = 0;
};

using MediaPlayers = Seam<MediaPlayerService>;
