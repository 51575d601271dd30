#include "platform/gui/QtMediaPlayerService.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVideoWidget>

namespace {

class QtMediaPlayer : public MediaPlayer {
public:
    explicit QtMediaPlayer(QWidget* window)
        : m_view(new QVideoWidget(window)), m_player(std::make_unique<QMediaPlayer>()),
          m_audio(std::make_unique<QAudioOutput>())
    {
        m_view->setObjectName(QStringLiteral("VideoView"));
        m_player->setVideoOutput(m_view.data());
        m_player->setAudioOutput(m_audio.get());
        QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                         [this](QMediaPlayer::Error error, const QString& text) {
                             if (error != QMediaPlayer::NoError && m_onError)
                                 m_onError(text);
                         });
    }

    ~QtMediaPlayer() override
    {
        // The view belongs to the window and may already be gone.
        m_player->stop();
        m_player->setVideoOutput(static_cast<QObject*>(nullptr));
    }

    QWidget* view() const override { return m_view.data(); }
    void setErrorHandler(ErrorHandler handler) override { m_onError = std::move(handler); }
    void setStretchToFit(bool stretch) override
    {
        if (m_view)
            m_view->setAspectRatioMode(stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    }
    void setSource(const QString& path) override
    {
        m_player->stop();
        m_player->setSource(QUrl::fromLocalFile(path));
    }
    void play() override { m_player->play(); }
    void pause() override { m_player->pause(); }
    void stop() override { m_player->stop(); }

private:
    QPointer<QVideoWidget> m_view;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_audio;
    ErrorHandler m_onError;
};

} // namespace

std::unique_ptr<MediaPlayer> QtMediaPlayerService::createPlayer(QWidget* window)
{
    return std::make_unique<QtMediaPlayer>(window);
}
