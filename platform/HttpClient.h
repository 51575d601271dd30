#pragma once

#include "platform/Seam.h"

#include <QString>
#include <optional>

// A blocking HTTP GET, as the online title service is used: the handler that
// sends a request waits for its answer. Reached only through Seam<HttpClient>.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The answer's body as text; nothing when the request failed or timed out.
    virtual std::optional<QString> get(const QString& url) = 0;
};

using Http = Seam<HttpClient>;

// The program's client on Qt Network, with a time limit per request.
class QtHttpClient : public HttpClient {
public:
    explicit QtHttpClient(int timeoutMs = 15000) : m_timeoutMs(timeoutMs) {}
    std::optional<QString> get(const QString& url) override;

private:
    int m_timeoutMs;
};
