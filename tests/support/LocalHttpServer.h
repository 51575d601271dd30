#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QTcpServer;
class QTcpSocket;

// A small HTTP server on 127.0.0.1 inside the test process. It answers from
// the event loop, so a blocking GET that waits in a local loop is served
// without a thread of its own. Every request target (path and query as sent)
// is remembered.
class LocalHttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html";
        // Without a length the body ends when the connection closes.
        bool sendLength = true;
        // The request is read and never answered (a server that hangs).
        bool silent = false;
    };
    using Handler = std::function<Response(const QByteArray& target)>;

    LocalHttpServer();
    ~LocalHttpServer() override;

    // "http://127.0.0.1:<port>", without a final "/".
    QString baseUrl() const;
    // Every later request gets this answer.
    void answer(Response response);
    void answer(int status, const QByteArray& body);
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    QStringList requests;

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);

    QTcpServer* m_server;
    Handler m_handler;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QTcpSocket*> m_held;
};
