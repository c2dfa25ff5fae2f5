#include "single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <optional>

namespace twinpics {
namespace {

const QByteArray magic = "TWINPICS 1\n";
const QByteArray answer = "OK\n";
const QString socketName = QStringLiteral("io.github.twinpics.Twinpics.socket");
constexpr int connectMilliseconds = 1000;
const char bufferProperty[] = "twinpicsMessage";

void appendNumber(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// Reads a 32-bit number at offset, or nothing when the message is not that long yet.
std::optional<quint32> numberAt(const QByteArray& message, qsizetype offset) {
    if (message.size() < offset + 4)
        return std::nullopt;
    return qFromBigEndian<quint32>(message.constData() + offset);
}

enum class Parse { incomplete, malformed, complete };

// Checks a message received so far; when it is complete, paths holds its paths.
Parse parse(const QByteArray& message, QList<QByteArray>& paths) {
    paths.clear();
    const qsizetype head = std::min(message.size(), magic.size());
    if (message.left(head) != magic.left(head))
        return Parse::malformed;
    if (message.size() < magic.size())
        return Parse::incomplete;
    qsizetype offset = magic.size();
    const auto count = numberAt(message, offset);
    if (!count)
        return Parse::incomplete;
    if (*count > quint32(SingleInstance::maxPaths))
        return Parse::malformed;
    offset += 4;
    for (quint32 n = 0; n < *count; ++n) {
        const auto length = numberAt(message, offset);
        if (!length)
            return Parse::incomplete;
        if (*length == 0 || *length > quint32(SingleInstance::maxPathBytes))
            return Parse::malformed;
        offset += 4;
        if (message.size() < offset + qsizetype(*length))
            return Parse::incomplete;
        QByteArray path = message.mid(offset, *length);
        if (path.contains('\0'))
            return Parse::malformed;
        paths.append(std::move(path));
        offset += *length;
    }
    return offset == message.size() ? Parse::complete : Parse::malformed;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), path_(socketPath()) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPath() {
    // Qt checks that the runtime folder belongs to the user and is closed to others, and
    // makes a private one under the temporary folder when XDG_RUNTIME_DIR is not set.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(socketName);
}

QByteArray SingleInstance::encode(const QList<QByteArray>& paths) {
    QByteArray message = magic;
    appendNumber(message, quint32(paths.size()));
    for (const QByteArray& path : paths) {
        appendNumber(message, quint32(path.size()));
        message.append(path);
    }
    return message;
}

bool SingleInstance::handOff(const QList<QByteArray>& paths) {
    if (path_.isEmpty() || paths.size() > maxPaths)
        return false;
    for (const QByteArray& path : paths)
        if (path.isEmpty() || path.size() > maxPathBytes || path.contains('\0'))
            return false;
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(connectMilliseconds))
        return false; // nobody listens: this launch becomes the running one
    socket.write(encode(paths));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(timeoutMilliseconds))
            return false;
    // The running one may be busy with a scan; the paths are handed over once written, and
    // the answer only tells that they were read.
    socket.waitForReadyRead(timeoutMilliseconds);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    if (path_.isEmpty())
        return false;
    if (server_ == nullptr) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        server_->setMaxPendingConnections(8);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    }
    if (server_->isListening())
        return true;
    if (server_->listen(path_))
        return true;
    // Nobody answered handOff, so a socket left there belongs to an instance that is gone.
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(path_);
        return server_->listen(path_);
    }
    return false;
}

bool SingleInstance::isListening() const {
    return server_ != nullptr && server_->isListening();
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setReadBufferSize(maxMessageBytes);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A slow message is dropped.
        QTimer::singleShot(timeoutMilliseconds, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState && socket->bytesAvailable() == 0)
        return;
    QByteArray message = socket->property(bufferProperty).toByteArray();
    message.append(socket->read(maxMessageBytes + 1 - message.size()));
    QList<QByteArray> paths;
    const Parse result =
        message.size() > maxMessageBytes ? Parse::malformed : parse(message, paths);
    switch (result) {
    case Parse::incomplete:
        socket->setProperty(bufferProperty, message);
        return;
    case Parse::malformed:
        socket->setProperty(bufferProperty, QByteArray());
        socket->abort();
        return;
    case Parse::complete:
        socket->setProperty(bufferProperty, QByteArray());
        socket->write(answer);
        socket->flush();
        socket->disconnectFromServer();
        Q_EMIT pathsReceived(paths);
        return;
    }
}

} // namespace twinpics
