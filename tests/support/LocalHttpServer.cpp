#include "tests/support/LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

LocalHttpServer::LocalHttpServer() : m_server(new QTcpServer(this))
{
    answer(Response{});
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    for (QTcpSocket* s : m_held)
        s->abort();
}

QString LocalHttpServer::baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort()); }

void LocalHttpServer::answer(Response response)
{
    m_handler = [response](const QByteArray&) { return response; };
}

void LocalHttpServer::answer(int status, const QByteArray& body)
{
    Response r;
    r.status = status;
    r.body = body;
    answer(r);
}

void LocalHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            m_held.removeAll(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::onReadable(QTcpSocket* socket)
{
    // The request is read whole before it is answered; a GET carries no body.
    QByteArray& pending = m_pending[socket];
    pending += socket->readAll();
    if (!pending.contains("\r\n\r\n"))
        return;
    const QByteArray requestLine = pending.left(pending.indexOf("\r\n"));
    m_pending.remove(socket);
    const QList<QByteArray> parts = requestLine.split(' ');
    const QByteArray target = parts.size() >= 2 ? parts[1] : QByteArray();
    requests << QString::fromLatin1(target);

    const Response r = m_handler(target);
    if (r.silent) {
        m_held << socket;
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + reason(r.status) + "\r\n";
    head += "Content-Type: " + r.contentType + "\r\n";
    if (r.sendLength)
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + r.body);
    socket->disconnectFromHost();
}
