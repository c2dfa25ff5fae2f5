#include "application.h"

#include "main_window.h"
#include "single_instance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTimer>

namespace twinpics {
namespace {

// The running instance has a working folder of its own.
QByteArray absolute(const QByteArray& path) {
    if (path.startsWith('/'))
        return path;
    return QFile::encodeName(QDir::currentPath()) + '/' + path;
}

} // namespace

QList<QByteArray> pathArguments(int argc, char** argv) {
    QList<QByteArray> paths;
    for (int n = 1; n < argc; ++n)
        if (argv[n] != nullptr && argv[n][0] != '\0')
            paths.append(QByteArray(argv[n]));
    return paths;
}

Application::Application(QList<QByteArray> paths)
    : paths_(std::move(paths)), instance_(std::make_unique<SingleInstance>()) {
    QList<QByteArray> absolutePaths;
    for (const QByteArray& path : paths_)
        absolutePaths.append(absolute(path));
    if (instance_->handOff(absolutePaths))
        return;
    instance_->listen(); // without the socket the application still works, alone
    window_ = std::make_unique<MainWindow>();
    QObject::connect(instance_.get(), &SingleInstance::pathsReceived, window_.get(),
                     [window = window_.get()](const QList<QByteArray>& received) {
                         if (received.isEmpty())
                             window->bringToFront();
                         for (const QByteArray& path : received)
                             window->openPath(path.toStdString());
                     });
}

Application::~Application() = default;

int Application::exec() {
    if (handedOff())
        return 0;
    // The quit command and the window's close end the application through the Controller
    // (Controller::something), not because the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    window_->show();
    // Each path argument, in order, once the window is up and its event loop runs.
    QTimer::singleShot(0, window_.get(), [this] {
        for (const QByteArray& path : paths_)
            window_->openPath(path.toStdString());
    });
    return QApplication::exec();
}

} // namespace twinpics
