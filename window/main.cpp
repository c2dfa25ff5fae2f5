// Twinpics: finds byte-identical images in a folder tree and shows them pair by pair.
#include "application.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    // QApplication takes its own options (-platform, -style, ...) out of argc and argv.
    QApplication app(argc, argv);
    // The icon is compiled into the twinpics_window library, which is static.
    Q_INIT_RESOURCE(twinpics);
    QApplication::setApplicationName("twinpics");
    QApplication::setApplicationDisplayName("Twinpics");
    QApplication::setApplicationVersion(TWINPICS_VERSION);
    QApplication::setDesktopFileName("io.github.twinpics.Twinpics");
    QApplication::setWindowIcon(QIcon::fromTheme("io.github.twinpics.Twinpics",
                                                 QIcon(":/icons/io.github.twinpics.Twinpics.svg")));

    twinpics::Application application(twinpics::pathArguments(argc, argv));
    return application.exec();
}
