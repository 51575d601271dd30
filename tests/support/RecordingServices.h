#pragma once

#include "platform/HttpClient.h"
#include "platform/SoundService.h"
#include "platform/UrlOpener.h"

#include <QStringList>

// Remembers every sound the program asked to play.
class RecordingSounds : public SoundService {
public:
    RecordingSounds() : m_scope(*this) {}
    void play(const QString& path) override { played << path; }
    QStringList played;

private:
    Sounds::Scoped m_scope;
};

// Remembers every address and document the program asked to open.
class RecordingOpener : public UrlOpener {
public:
    RecordingOpener() : m_scope(*this) {}
    bool openUrl(const QString& url) override
    {
        urls << url;
        return true;
    }
    bool openDocument(const QString& path) override
    {
        documents << path;
        return true;
    }
    QStringList urls;
    QStringList documents;

private:
    Opener::Scoped m_scope;
};

// Answers HTTP requests with a fixed text (or a failure) and remembers them.
class RecordingHttp : public HttpClient {
public:
    RecordingHttp() : m_scope(*this) {}
    std::optional<QString> get(const QString& url) override
    {
        requests << url;
        return answer;
    }
    QStringList requests;
    std::optional<QString> answer = QString();

private:
    Http::Scoped m_scope;
};
