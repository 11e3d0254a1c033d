#pragma once

#include <QTcpServer>
#include <QTcpSocket>

namespace quorlex::test {

// A web server on 127.0.0.1 that counts the connections made to it and answers every request
// with a small page, so a page that refers to it shows whether the browser went out.
class CountingServer : public QTcpServer {
public:
    CountingServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\n"
                                  "Connection: close\r\n\r\nok");
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    int connections = 0;
};

} // namespace quorlex::test
