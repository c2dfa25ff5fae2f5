#include "open_requests.h"

#include <QTimer>

namespace twinpics {
namespace {

constexpr int retryMilliseconds = 100;

} // namespace

OpenRequests::OpenRequests(Deliver deliver, Ready ready, QObject* parent)
    : QObject(parent), deliver_(std::move(deliver)), ready_(std::move(ready)) {}

void OpenRequests::add(std::string path) {
    paths_.push_back(std::move(path));
    schedule();
}

void OpenRequests::schedule() {
    scheduleIn(0);
}

void OpenRequests::scheduleIn(int milliseconds) {
    if (scheduled_ || paths_.empty())
        return;
    scheduled_ = true;
    QTimer::singleShot(milliseconds, this, [this] {
        scheduled_ = false;
        deliverWaiting();
    });
}

void OpenRequests::deliverWaiting() {
    // One at a time: each delivery runs a whole scan, and may itself open a dialog.
    if (paths_.empty())
        return;
    if (!ready_()) {
        scheduleIn(retryMilliseconds); // the busy action schedules too, when it is over
        return;
    }
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    deliver_(path);
    schedule();
}

} // namespace twinpics
