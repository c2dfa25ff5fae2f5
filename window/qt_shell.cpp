#include "qt_shell.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace twinpics {

QtShell::QtShell(QWidget& window) : QObject(&window), window_(window) {}

void QtShell::observeWindowClose(std::function<void()> handler) {
    if (handlers_.empty())
        window_.installEventFilter(this);
    handlers_.push_back(std::move(handler));
}

// Ends the event loop without closing windows again: QCoreApplication::quit() would send the
// window another close, and with it another notice.
void QtShell::terminate() {
    QCoreApplication::exit(0);
}

bool QtShell::eventFilter(QObject* watched, QEvent* event) {
    // Only spontaneous closes and close() calls on the review window itself reach here; the
    // chooser and the alerts are windows of their own.
    if (watched == &window_ && event->type() == QEvent::Close) {
        for (const auto& handler : handlers_)
            handler();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace twinpics
