#pragma once

#include <QWidget>

#include <memory>

class MediaPlayer;
class QPushButton;

// Plays a title's trailer file in a window of its own, with two small
// buttons in the bottom-right corner to restart and to pause or resume.
// Closing the window ends playback and destroys it.
class Trailer : public QWidget {
    Q_OBJECT
public:
    explicit Trailer(QWidget* parent = nullptr);
    ~Trailer() override;

    // Loads and starts the file. False when it names no existing file, is a
    // Flash movie (this platform has no player for those) or the player
    // refuses it at once.
    bool StartPlayer(const QString& path);

    void Neustart_Click();
    void PausePlay_Click();
    bool Paused() const { return m_paused; }
    // Null until a file was given to the player.
    MediaPlayer* player() const { return m_player.get(); }

signals:
    // The player gave up on the file while it played.
    void playbackFailed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensurePlayer();

    std::unique_ptr<MediaPlayer> m_player;
    QPushButton* m_neustart;
    QPushButton* m_pausePlay;
    bool m_paused = false;
    bool m_starting = false;
    bool m_startFailed = false;
};
