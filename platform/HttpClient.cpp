#include "platform/HttpClient.h"

#include "platform/SequentialFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

// Only the service's own scheme: a file: or data: address would read the
// disk instead of the network.
bool isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

} // namespace

std::optional<QString> QtHttpClient::get(const QString& url)
{
    const QUrl target(url);
    if (!isWebAddress(target)) {
        m_lastFailure = Failure::InvalidAddress;
        m_lastFailureText = QStringLiteral("not an http or https address");
        return std::nullopt;
    }
    // One manager per request: when get() returns, nothing of the request goes on.
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    Failure failure = Failure::None;
    QByteArray body;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    const auto fail = [&](Failure why) {
        if (failure == Failure::None)
            failure = why;
        reply->abort();
        loop.quit();
    };
    const auto tooLarge = [&] { return body.size() > kMaxAnswerBytes; };
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] { fail(Failure::TimedOut); });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxAnswerBytes)
            fail(Failure::TooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (tooLarge())
            fail(Failure::TooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        timer.start(m_timeoutMs);
        // Network and timer events only: the user cannot start a second request meanwhile.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    timer.stop();
    reply->disconnect(&loop);

    if (failure == Failure::None) {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool good = !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
        if (reply->error() != QNetworkReply::NoError)
            failure = (status.isValid() && !good) ? Failure::HttpStatus : Failure::Connection;
        else if (!good)
            failure = Failure::HttpStatus;
        else {
            body += reply->readAll();
            if (tooLarge())
                failure = Failure::TooLarge;
        }
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString connectionError = reply->errorString();
    if (!reply->isFinished())
        reply->abort();
    m_lastFailure = failure;
    switch (failure) {
    case Failure::None:
        m_lastFailureText.clear();
        break;
    case Failure::InvalidAddress:
        m_lastFailureText = QStringLiteral("not an http or https address");
        break;
    case Failure::Connection:
        m_lastFailureText = connectionError;
        break;
    case Failure::TimedOut:
        m_lastFailureText = QStringLiteral("timed out after %1 s").arg(m_timeoutMs / 1000.0);
        break;
    case Failure::HttpStatus:
        m_lastFailureText = QStringLiteral("HTTP status %1").arg(status);
        break;
    case Failure::TooLarge:
        m_lastFailureText = QStringLiteral("answer larger than %1 MB").arg(kMaxAnswerBytes / (1024 * 1024));
        break;
    }
    if (failure != Failure::None)
        return std::nullopt;
    return SequentialFile::decode(body);
}
