#pragma once

#include "qt_desktop.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

class QWidget;

namespace twinpics::test {

// A folder tree of test files that is removed at the end of the test.
class TempTree {
public:
    TempTree();
    QString root() const { return dir_.path(); }
    std::string rootBytes() const;
    QString path(const QString& relative) const;
    bool exists(const QString& relative) const;

    // A PNG of one colour; dpi 0 records no resolution.
    void writePng(const QString& relative, QColor colour, QSize size = {40, 30}, int dpi = 0);
    void writeBytes(const QString& relative, const QByteArray& bytes);
    void copy(const QString& from, const QString& to);

private:
    void makeParent(const QString& relative) const;
    QTemporaryDir dir_;
};

// Calls answer with the modal dialog once one is up (from inside its event loop), or fails
// the wait when none comes within timeout.
void answerNextModal(std::function<void(QWidget* dialog)> answer, int timeoutMs = 5000);
// Clicks the button of the active modal message box whose text is text.
void clickMessageBoxButton(QWidget* dialog, const QString& text);
// Whether a modal dialog has come up since the last answerNextModal and is still waiting.
bool modalAnswered();

// The real dialogs, with the beeps, alerts and failure messages counted.
class RecordingDesktop : public QtDesktop {
public:
    using QtDesktop::QtDesktop;
    int runAlert(const std::string& title, const std::string& message,
                 const std::string& defaultButton, const std::string& alternateButton) override;
    void beep() override;
    void reportFailure(const std::string& title, const std::string& message) override;

    int beeps = 0;
    int alerts = 0;
    int failures = 0;
    std::string lastAlertMessage;
};

} // namespace twinpics::test
