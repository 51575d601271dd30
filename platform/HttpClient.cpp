#include "platform/HttpClient.h"

#include "platform/SequentialFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

std::optional<QString> QtHttpClient::get(const QString& url)
{
    const QUrl target(url);
    if (!target.isValid() || target.scheme().isEmpty())
        return std::nullopt;
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_timeoutMs);
    // Only network events are handled meanwhile: the user cannot start a second request.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    std::optional<QString> answer;
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        answer = SequentialFile::decode(reply->readAll());
    else
        reply->abort();
    reply->deleteLater();
    return answer;
}
