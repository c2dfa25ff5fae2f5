#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <string>

namespace twinpics {

// The paths that the desktop asks the application to open (launch arguments, a second
// launch, a drop, Qt's file-open event), delivered one at a time, in the order they came,
// from the event loop, and only while nothing else runs: a path that arrives while an
// action waits in a modal dialog (the alert, the chooser) waits until that action is over,
// so that a new scan never replaces the scan state under a command that is still using it.
class OpenRequests : public QObject {
    Q_OBJECT

public:
    using Deliver = std::function<void(const std::string& path)>;
    using Ready = std::function<bool()>;

    OpenRequests(Deliver deliver, Ready ready, QObject* parent = nullptr);

    void add(std::string path);
    // Delivers what waits, later on the event loop, if the window is ready then.
    void schedule();
    std::size_t pending() const { return paths_.size(); }

private:
    void scheduleIn(int milliseconds);
    void deliverWaiting();

    Deliver deliver_;
    Ready ready_;
    std::deque<std::string> paths_;
    bool scheduled_ = false;
};

} // namespace twinpics
