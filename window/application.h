#pragma once

#include <QByteArray>
#include <QList>

#include <memory>

namespace twinpics {

class MainWindow;
class SingleInstance;

// The shell around the review window: hands a second launch's paths to the
// running instance, or builds the window, shows it, and delivers the launch's paths to it
// once it is up.
class Application {
public:
    // paths: the arguments left after QApplication has taken its own options.
    explicit Application(QList<QByteArray> paths);
    ~Application();

    // Whether a running instance took this launch's paths: then there is no window.
    bool handedOff() const { return window_ == nullptr; }
    MainWindow* window() const { return window_.get(); }

    // Shows the window and runs the event loop; the exit status.
    int exec();

private:
    QList<QByteArray> paths_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<MainWindow> window_;
};

// The path arguments of argv after QApplication has removed its own options from it.
QList<QByteArray> pathArguments(int argc, char** argv);

} // namespace twinpics
