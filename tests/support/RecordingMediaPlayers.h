#pragma once

#include "platform/MediaPlayerService.h"

#include <QStringList>
#include <QWidget>

// Players that remember what they were told ("source <path>", "stretch",
// "play", "pause", "stop") in one log shared by every player made, and that
// report a failure when the test asks for one.
class RecordingMediaPlayers : public MediaPlayerService {
public:
    RecordingMediaPlayers() : m_scope(*this) {}

    std::unique_ptr<MediaPlayer> createPlayer(QWidget* window) override
    {
        ++created;
        auto player = std::make_unique<Player>(*this, window);
        last = player.get();
        return player;
    }

    // Makes the backend report a failure, as it does while a file plays.
    void reportError(const QString& reason = QStringLiteral("cannot decode"))
    {
        if (last && last->handler)
            last->handler(reason);
    }

    QStringList log;
    int created = 0;
    // When set, play() reports a failure at once.
    bool failOnPlay = false;

    class Player : public MediaPlayer {
    public:
        Player(RecordingMediaPlayers& owner, QWidget* window) : m_owner(owner), m_view(new QWidget(window))
        {
            m_view->setObjectName(QStringLiteral("VideoView"));
        }
        ~Player() override
        {
            if (m_owner.last == this)
                m_owner.last = nullptr;
        }
        QWidget* view() const override { return m_view; }
        void setErrorHandler(ErrorHandler h) override { handler = std::move(h); }
        void setStretchToFit(bool stretch) override { m_owner.log << (stretch ? "stretch" : "keep aspect"); }
        void setSource(const QString& path) override { m_owner.log << QStringLiteral("source ") + path; }
        void play() override
        {
            m_owner.log << QStringLiteral("play");
            if (m_owner.failOnPlay && handler)
                handler(QStringLiteral("unsupported"));
        }
        void pause() override { m_owner.log << QStringLiteral("pause"); }
        void stop() override { m_owner.log << QStringLiteral("stop"); }
        ErrorHandler handler;

    private:
        RecordingMediaPlayers& m_owner;
        QWidget* m_view;
    };

    Player* last = nullptr;

private:
    MediaPlayers::Scoped m_scope;
};
