#include "platform/gui/QtSoundService.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtSoundService::QtSoundService() : m_player(new QMediaPlayer), m_output(new QAudioOutput)
{
    m_player->setAudioOutput(m_output);
}

QtSoundService::~QtSoundService()
{
    delete m_player;
    delete m_output;
}

void QtSoundService::play(const QString& path)
{
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play(); // errors of the backend only end the sound
}
