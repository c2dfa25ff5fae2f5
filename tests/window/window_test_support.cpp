#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

namespace twinpics::test {

TempTree::TempTree() {
    QVERIFY(dir_.isValid());
}

std::string TempTree::rootBytes() const {
    return QFile::encodeName(root()).toStdString();
}

QString TempTree::path(const QString& relative) const {
    return dir_.filePath(relative);
}

bool TempTree::exists(const QString& relative) const {
    return QFile::exists(path(relative));
}

void TempTree::makeParent(const QString& relative) const {
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
}

void TempTree::writePng(const QString& relative, QColor colour, QSize size, int dpi) {
    makeParent(relative);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (dpi > 0) {
        const int perMeter = int(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(perMeter);
        image.setDotsPerMeterY(perMeter);
    }
    QVERIFY(image.save(path(relative), "PNG"));
}

void TempTree::writeBytes(const QString& relative, const QByteArray& bytes) {
    makeParent(relative);
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TempTree::copy(const QString& from, const QString& to) {
    makeParent(to);
    QVERIFY(QFile::copy(path(from), path(to)));
}

namespace {
bool answered = true;
}

void answerNextModal(std::function<void(QWidget*)> answer, int timeoutMs) {
    answered = false;
    auto* timer = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, started, timeoutMs, answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answered = true;
            answer(dialog);
        } else if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

bool modalAnswered() {
    return answered;
}

void clickMessageBoxButton(QWidget* dialog, const QString& text) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    QVERIFY2(box != nullptr, "the modal dialog is not a message box");
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}

int RecordingDesktop::runAlert(const std::string& title, const std::string& message,
                               const std::string& defaultButton,
                               const std::string& alternateButton) {
    ++alerts;
    lastAlertMessage = message;
    return QtDesktop::runAlert(title, message, defaultButton, alternateButton);
}

void RecordingDesktop::beep() {
    ++beeps;
    QtDesktop::beep();
}

void RecordingDesktop::reportFailure(const std::string& title, const std::string& message) {
    ++failures;
    QtDesktop::reportFailure(title, message);
}

} // namespace twinpics::test
