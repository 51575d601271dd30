#include "platform/HttpClient.h"
#include "tests/support/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>

namespace {

using Failure = QtHttpClient::Failure;

TEST(QtHttpClient, ReturnsTheBodyDecodedAsUtf8OrWindows1252)
{
    LocalHttpServer server;
    QtHttpClient client;
    const struct {
        QByteArray body;
        QString text;
    } cases[] = {
        {"<COUNT=1>K\xC3\xB6ln#Drama", QStringLiteral("<COUNT=1>Köln#Drama")},
        {"Caf\xE9 \x80 5", QStringLiteral("Café € 5")},
        {"", QString()},
        {QByteArray(QtHttpClient::kMaxAnswerBytes, 'x'), QString(QtHttpClient::kMaxAnswerBytes, u'x')},
    };
    for (const auto& c : cases) {
        server.answer(200, c.body);
        const std::optional<QString> answer = client.get(server.baseUrl() + "/getMovie.php?l=0&searchstring=a%20b");
        ASSERT_TRUE(answer.has_value()) << c.body.left(40).toStdString();
        EXPECT_EQ(*answer, c.text);
        EXPECT_EQ(client.lastFailure(), Failure::None);
    }
    EXPECT_EQ(server.requests.size(), 4);
    EXPECT_EQ(server.requests.first(), "/getMovie.php?l=0&searchstring=a%20b");
}

TEST(QtHttpClient, ReportsEveryKindOfFailedRequest)
{
    LocalHttpServer server;
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const QString refused = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
    closed.close();

    LocalHttpServer::Response hang;
    hang.silent = true;
    LocalHttpServer::Response error500;
    error500.status = 500;
    error500.body = "<COUNT=1>not for us";
    LocalHttpServer::Response notFound;
    notFound.status = 404;
    LocalHttpServer::Response bigWithLength;
    bigWithLength.body = QByteArray(QtHttpClient::kMaxAnswerBytes + 1, 'x');
    LocalHttpServer::Response bigStreamed = bigWithLength;
    bigStreamed.sendLength = false;

    const struct {
        const char* name;
        std::optional<LocalHttpServer::Response> response;
        std::optional<QString> url; // none: the local server
        Failure failure;
        const char* text; // what the status line is told
    } cases[] = {
        {"status 500", error500, std::nullopt, Failure::HttpStatus, "HTTP status 500"},
        {"status 404", notFound, std::nullopt, Failure::HttpStatus, "HTTP status 404"},
        {"never answers", hang, std::nullopt, Failure::TimedOut, "timed out after 0.3 s"},
        {"too large, announced", bigWithLength, std::nullopt, Failure::TooLarge, "answer larger than 4 MB"},
        {"too large, streamed", bigStreamed, std::nullopt, Failure::TooLarge, "answer larger than 4 MB"},
        {"connection refused", std::nullopt, refused, Failure::Connection, "Connection refused"},
        {"empty", std::nullopt, QString(""), Failure::InvalidAddress, "not an http or https address"},
        {"no scheme", std::nullopt, QStringLiteral("/getMovie.php?l=0"), Failure::InvalidAddress, "not an http or https address"},
        {"no host", std::nullopt, QStringLiteral("http:///getMovie.php"), Failure::InvalidAddress, "not an http or https address"},
        {"file", std::nullopt, QStringLiteral("file:///etc/hostname"), Failure::InvalidAddress, "not an http or https address"},
        {"ftp", std::nullopt, QStringLiteral("ftp://127.0.0.1/x"), Failure::InvalidAddress, "not an http or https address"},
    };
    // A short time-out for the server that never answers; the others get room
    // to send 4 MB on a slow (sanitized, loaded) machine.
    QtHttpClient quick(300);
    QtHttpClient patient(20000);
    for (const auto& c : cases) {
        if (c.response)
            server.answer(*c.response);
        const QString url = c.url.value_or(server.baseUrl() + "/addMovie.php?l=0&case=" + c.name);
        QtHttpClient& client = c.failure == Failure::TimedOut ? quick : patient;
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(client.get(url).has_value()) << c.name;
        EXPECT_EQ(client.lastFailure(), c.failure) << c.name;
        EXPECT_EQ(client.lastFailureText(), QString::fromLatin1(c.text)) << c.name;
        EXPECT_LT(clock.elapsed(), 15000) << c.name;
        if (c.failure == Failure::TimedOut) {
            EXPECT_GE(clock.elapsed(), 250) << c.name;
        }
    }
    // Each request with an address of our server reached it; Qt may send a
    // request again on a new connection after it dropped an oversize answer.
    QStringList reached = server.requests;
    reached.removeDuplicates();
    EXPECT_EQ(reached.size(), 5) << server.requests.join(" ").toStdString();

    // A failure leaves the client usable for the next request.
    server.answer(200, "fine");
    EXPECT_EQ(quick.get(server.baseUrl() + "/x"), QStringLiteral("fine"));
    EXPECT_EQ(quick.lastFailure(), Failure::None);
    EXPECT_EQ(quick.lastFailureText(), QString());
}

TEST(QtHttpClient, WaitsFifteenSecondsUnlessTold)
{
    QtHttpClient client;
    EXPECT_EQ(client.timeoutMs(), 15000);
    client.setTimeoutMs(200);
    EXPECT_EQ(client.timeoutMs(), 200);
}

} // namespace
