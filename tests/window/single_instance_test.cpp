// One running Twinpics per user: a second launch of the real program hands its path to the
// first (this test process) and ends with 0; the socket is private; a malformed, oversized
// or slow message is dropped, and the first goes on taking paths.
#include "application.h"
#include "main_window.h"
#include "single_instance.h"
#include "ui_review_window.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace twinpics;
using twinpics::test::TempTree;

namespace {

QProcessEnvironment secondLaunchEnvironment(const QString& runtime) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

// Connects to the running instance and sends bytes; true when the connection was dropped
// within timeoutMs without an answer.
bool droppedWithoutAnswer(const QByteArray& bytes, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SingleInstance::socketPath());
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(bytes);
    socket.flush();
    QElapsedTimer clock;
    clock.start();
    while (socket.state() == QLocalSocket::ConnectedState && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        socket.waitForDisconnected(20);
    }
    return socket.state() != QLocalSocket::ConnectedState && !socket.readAll().contains("OK");
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aSecondLaunchHandsItsPathToTheFirst();
    void theSocketIsPrivateToTheUser();
    void badMessagesAreDropped();
    void aSocketLeftByAnEndedInstanceIsReplaced();

private:
    QTemporaryDir runtime_;
};

void SingleInstanceTest::initTestCase() {
    QVERIFY(runtime_.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    QVERIFY(SingleInstance::socketPath().startsWith(runtime_.path()));
}

void SingleInstanceTest::aSecondLaunchHandsItsPathToTheFirst() {
    TempTree tree;
    tree.writePng("pair/a.png", Qt::red);
    tree.copy("pair/a.png", "pair/b.png");
    tree.writePng("pair/c.png", Qt::blue);

    Application first({});
    QVERIFY(!first.handedOff());
    Ui::ReviewWindow& ui = first.window()->ui();
    ui.imageType->setCurrentIndex(2); // PNG
    first.window()->show();

    // The second launch runs the real program, from another working folder, with a relative
    // path: it hands the path over and ends with 0, without a window of its own.
    QProcess second;
    second.setProcessEnvironment(secondLaunchEnvironment(runtime_.path()));
    second.setWorkingDirectory(tree.root());
    second.start(TWINPICS_PROGRAM, {"pair"});
    QVERIFY(second.waitForStarted(5000));
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 15000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    // The first scans it, as an open-file request.
    QTRY_COMPARE(ui.maxNumber->text(), QString("3"));
    QVERIFY(first.window()->controller().hasPairOnDisplay());
    QVERIFY(!ui.open->isEnabled());
    QCOMPARE(ui.leftPath->text().at(1), QChar('.'));
    QCOMPARE(ui.rightPath->text().at(1), QChar('.'));

    // A second launch while a pair is on display starts a new scan: here one that finds
    // nothing, with two paths handed over in order.
    tree.writePng("single/only.png", Qt::green);
    QProcess third;
    third.setProcessEnvironment(secondLaunchEnvironment(runtime_.path()));
    third.start(TWINPICS_PROGRAM, {tree.path("pair"), tree.path("single")});
    QVERIFY(third.waitForStarted(5000));
    QTRY_COMPARE_WITH_TIMEOUT(third.state(), QProcess::NotRunning, 15000);
    QCOMPARE(third.exitCode(), 0);
    QTRY_COMPARE(ui.maxNumber->text(), QString("1"));
    QTRY_VERIFY(ui.open->isEnabled());
}

void SingleInstanceTest::theSocketIsPrivateToTheUser() {
    SingleInstance instance;
    QVERIFY(instance.listen());
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(SingleInstance::socketPath()).constData(), &info), 0);
    QVERIFY(S_ISSOCK(info.st_mode));
    QCOMPARE(info.st_uid, ::getuid());
    QCOMPARE(info.st_mode & 077, 0u);
    struct stat folder {};
    QCOMPARE(::stat(QFile::encodeName(runtime_.path()).constData(), &folder), 0);
    QCOMPARE(folder.st_mode & 077, 0u);
}

void SingleInstanceTest::badMessagesAreDropped() {
    SingleInstance instance;
    QVERIFY(instance.listen());
    QSignalSpy received(&instance, &SingleInstance::pathsReceived);

    QVERIFY(droppedWithoutAnswer("GET / HTTP/1.0\r\n\r\n", 2000));
    // A path longer than any path.
    QByteArray tooLong =
        SingleInstance::encode({QByteArray(SingleInstance::maxPathBytes + 1, 'a')});
    QVERIFY(droppedWithoutAnswer(tooLong, 2000));
    // More paths than allowed, announced in the count.
    QByteArray tooMany = SingleInstance::encode({});
    tooMany[tooMany.size() - 2] = char(0x7f);
    QVERIFY(droppedWithoutAnswer(tooMany, 2000));
    // More bytes than a message may hold.
    QList<QByteArray> many(SingleInstance::maxPaths, QByteArray(SingleInstance::maxPathBytes, 'b'));
    QVERIFY(droppedWithoutAnswer(SingleInstance::encode(many), 5000));
    // A path with a NUL byte, and bytes after a complete message.
    QVERIFY(droppedWithoutAnswer(SingleInstance::encode({QByteArray("/tmp\0x", 6)}), 2000));
    QVERIFY(droppedWithoutAnswer(SingleInstance::encode({"/tmp"}) + "more", 2000));
    // A slow message: half of it, then nothing until the timeout.
    QByteArray valid = SingleInstance::encode({"/tmp"});
    QElapsedTimer clock;
    clock.start();
    QVERIFY(droppedWithoutAnswer(valid.left(valid.size() / 2),
                                 SingleInstance::timeoutMilliseconds + 2000));
    QVERIFY(clock.elapsed() >= SingleInstance::timeoutMilliseconds * 9 / 10); // a coarse timer
    QCOMPARE(received.count(), 0);

    // The instance still takes a good message, sent in pieces.
    QLocalSocket socket;
    socket.connectToServer(SingleInstance::socketPath());
    QVERIFY(socket.waitForConnected(1000));
    const QByteArray message = SingleInstance::encode({"/one", "/two"});
    for (char byte : message) {
        socket.write(&byte, 1);
        socket.flush();
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).value<QList<QByteArray>>(), (QList<QByteArray>{"/one", "/two"}));
}

void SingleInstanceTest::aSocketLeftByAnEndedInstanceIsReplaced() {
    // A socket file that nobody listens on, as a killed instance leaves it.
    const QByteArray path = QFile::encodeName(SingleInstance::socketPath());
    ::unlink(path.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFile::exists(SingleInstance::socketPath()));

    SingleInstance instance;
    QVERIFY(!instance.handOff({"/tmp"}));
    QVERIFY(instance.listen());
    SingleInstance later;
    QSignalSpy received(&instance, &SingleInstance::pathsReceived);
    // handOff blocks for the answer, so the running one answers once we are back in the loop.
    QVERIFY(later.handOff({"/tmp"}));
    QTRY_COMPARE(received.count(), 1);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
