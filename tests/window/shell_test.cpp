// The application shell: the launch's paths reach the window in order once
// it is up; closing another window does not end the application; closing the review window
// does, at once, deleting nothing.
#include "application.h"
#include "main_window.h"
#include "ui_review_window.h"
#include "window_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace twinpics;
using twinpics::test::TempTree;

class ShellTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void argumentsAreThePathsAfterQtsOptions();
    void closingTheWindowEndsTheApplication();

private:
    QTemporaryDir runtime_;
};

void ShellTest::initTestCase() {
    // A runtime folder of the test's own, so that no running Twinpics takes the paths.
    QVERIFY(runtime_.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
}

void ShellTest::argumentsAreThePathsAfterQtsOptions() {
    QByteArray program = "twinpics", a = "first dir", b = "/second";
    char* argv[] = {program.data(), a.data(), b.data(), nullptr};
    QCOMPARE(pathArguments(3, argv), (QList<QByteArray>{"first dir", "/second"}));
}

void ShellTest::closingTheWindowEndsTheApplication() {
    // The first path has a pair, the second has no candidate: if both are scanned, in this
    // order, the window shows the first's pair and the second's count.
    TempTree first, second;
    first.writePng("a.jpg", Qt::red);
    first.copy("a.jpg", "b.jpg");
    QImage(8, 8, QImage::Format_RGB32).save(first.path("c.jpg"), "JPEG");
    second.writePng("only.png", Qt::blue);

    Application application({QFile::encodeName(first.root()), QFile::encodeName(second.root())});
    QVERIFY(!application.handedOff());
    MainWindow& window = *application.window();
    Ui::ReviewWindow& ui = window.ui();

    bool pathsArrived = false, aliveAfterOtherWindowClosed = false, closedWhilePairShown = false;
    // Once the loop runs: the launch's paths have been delivered.
    QTimer::singleShot(300, [&] {
        pathsArrived = ui.leftPath->text() == "a.jpg" || ui.leftPath->text() == "b.jpg";
        pathsArrived = pathsArrived && ui.maxNumber->text() == "0";
        // Another window opens and closes: the application goes on.
        auto* other = new QMessageBox(QMessageBox::Information, "Other", "Not the review window");
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->show();
        QTimer::singleShot(50, other, &QWidget::close);
    });
    QTimer::singleShot(600, [&] {
        aliveAfterOtherWindowClosed = true;
        // Put a pair on display again, then close the window in the middle of the review.
        window.openPath(first.rootBytes());
        QTimer::singleShot(200, [&] {
            closedWhilePairShown = ui.skipTheRope->isEnabled();
            window.close();
        });
    });
    // A safety net, so that a broken shell fails instead of hanging.
    bool timedOut = false;
    QTimer::singleShot(20000, [&] {
        timedOut = true;
        QCoreApplication::exit(3);
    });

    const int status = application.exec();
    QVERIFY(!timedOut);
    QCOMPARE(status, 0);
    QVERIFY(pathsArrived);
    QVERIFY(aliveAfterOtherWindowClosed);
    QVERIFY(closedWhilePairShown);
    QVERIFY(first.exists("a.jpg") && first.exists("b.jpg")); // closing deleted nothing
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
