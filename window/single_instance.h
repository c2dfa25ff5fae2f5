#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace twinpics {

// One running Twinpics per user: the first launch listens on a local socket in the user's
// runtime folder (XDG_RUNTIME_DIR), private to the user; a later launch hands its paths to it
// and ends. A message is "TWINPICS 1\n", the number of paths and each path as its length and
// its bytes (32-bit big-endian numbers); the running one answers "OK\n". A connection that
// sends anything else, more than the limits, or takes longer than the timeout is dropped.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr int maxPaths = 1000;
    static constexpr int maxPathBytes = 4096;
    static constexpr int maxMessageBytes = 1 << 20;
    static constexpr int timeoutMilliseconds = 3000;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket's path: the runtime folder's, or empty when there is no private one.
    static QString socketPath();
    static QByteArray encode(const QList<QByteArray>& paths);

    // Hands paths to a running instance; true when one took them.
    bool handOff(const QList<QByteArray>& paths);
    // Becomes the running instance; false when the socket cannot be made.
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    // A second launch's paths, in order; empty when it had none.
    void pathsReceived(const QList<QByteArray>& paths);

private:
    void accept();
    void read(QLocalSocket* socket);

    QString path_;
    QLocalServer* server_ = nullptr;
};

} // namespace twinpics
