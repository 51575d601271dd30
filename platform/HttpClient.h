#pragma once

#include "platform/Seam.h"

#include <QString>
#include <optional>

// A blocking HTTP GET, as the online title service is used: the handler that
// sends a request waits for its answer. Reached only through Seam<HttpClient>.
//
// The wait itself shows nothing: a page that sends requests (the search, the
// upload of every title) sets the wait cursor around its whole action, so
// that a run of requests does not make the cursor flicker.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The answer's body as text; nothing when the request failed.
    virtual std::optional<QString> get(const QString& url) = 0;
    // Why the last request failed, in a few words for the status line
    // ("timed out after 15 s", "HTTP status 404"); "" when it did not fail
    // or the client cannot tell.
    virtual QString lastFailureText() const { return QString(); }
};

using Http = Seam<HttpClient>;

// The program's client on Qt Network. A request fails when the address is no
// http or https address, the connection fails, the time limit passes, the
// status is not 2xx or the body grows beyond kMaxAnswerBytes. The body is
// decoded as UTF-8 when it is valid UTF-8, else as Windows-1252.
class QtHttpClient : public HttpClient {
public:
    static constexpr int kDefaultTimeoutMs = 15000;
    static constexpr qint64 kMaxAnswerBytes = 4 * 1024 * 1024;

    enum class Failure { None, InvalidAddress, Connection, TimedOut, HttpStatus, TooLarge };

    explicit QtHttpClient(int timeoutMs = kDefaultTimeoutMs) : m_timeoutMs(timeoutMs) {}

    std::optional<QString> get(const QString& url) override;

    // The limit for one whole request, from sending it to the last byte.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    int timeoutMs() const { return m_timeoutMs; }
    // Why the last request failed; None after one that succeeded.
    Failure lastFailure() const { return m_lastFailure; }
    QString lastFailureText() const override { return m_lastFailureText; }

private:
    int m_timeoutMs;
    Failure m_lastFailure = Failure::None;
    QString m_lastFailureText;
};
