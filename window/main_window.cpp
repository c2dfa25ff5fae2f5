#include "main_window.h"

#include "open_requests.h"
#include "qt_desktop.h"
#include "qt_shell.h"
#include "ui_review_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QMimeData>
#include <QUrl>

namespace twinpics {
namespace {

// The local folders among dropped URLs, as path bytes.
QList<QByteArray> droppedFolders(const QMimeData* data) {
    QList<QByteArray> folders;
    if (data == nullptr || !data->hasUrls())
        return folders;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isDir())
            folders.append(QFile::encodeName(path));
    }
    return folders;
}

std::unique_ptr<Ui::ReviewWindow> loadInterface(QMainWindow& window) {
    auto ui = std::make_unique<Ui::ReviewWindow>();
    ui->setupUi(&window);
    return ui;
}

} // namespace

// The members are built in declared order: the interface description first, then the
// control interfaces on its widgets, then the Controller with its outlets.
MainWindow::MainWindow(Desktop* desktop, QWidget* parent)
    : QMainWindow(parent), ui_(loadInterface(*this)),
      qtDesktop_(desktop != nullptr ? nullptr : std::make_unique<QtDesktop>(this)),
      desktop_(desktop != nullptr ? *desktop : *qtDesktop_), shell_(new QtShell(*this)),
      fileNumber_(*ui_->fileNumber), imageType_(*ui_->imageType), left_(*ui_->left),
      leftPath_(*ui_->leftPath), maxNumber_(*ui_->maxNumber), open_(*ui_->open),
      progressView_(*ui_->progressView), right_(*ui_->right), rightPath_(*ui_->rightPath),
      skipTheRope_(*ui_->skipTheRope),
      controller_(std::make_unique<Controller>(Outlets{
          fileNumber_, imageType_, left_, *ui_->leftImage, leftPath_, maxNumber_, open_,
          progressView_, right_, *ui_->rightImage, rightPath_, skipTheRope_, desktop_, *shell_})),
      openRequests_(new OpenRequests(
          [this](const std::string& path) { act([&] { controller_->applicationOpenFile(path); }); },
          [this] { return readyForRequests(); }, this)) {
    wireControls();
    qApp->installEventFilter(this); // Qt's file-open event goes to the application
    controller_->awakeFromNib();
}

MainWindow::~MainWindow() = default;

// Every control and its action, in one place.
void MainWindow::wireControls() {
    Ui::ReviewWindow& ui = *ui_;
    wire(ui.open, &Controller::selectFolder);
    wire(ui.left, &Controller::deleteLeftImage);
    wire(ui.right, &Controller::deleteRightImage);
    wire(ui.skipTheRope, &Controller::skip);
    // clicked comes after the checkbox has flipped; its state is 1 when on.
    connect(ui.confirmation, &QCheckBox::clicked, this,
            [this](bool checked) { act([&] { controller_->confirm(checked ? 1 : 0); }); });
    wire(ui.leftProportionally, &Controller::leftProportionally);
    wire(ui.leftNone, &Controller::leftNone);
    wire(ui.rightProportionally, &Controller::rightProportionally);
    wire(ui.rightNone, &Controller::rightNone);
    // imageType sends nothing: a scan reads its selected item when it starts.

    auto* quit = new QAction(tr("Quit"), this);
    quit->setShortcuts(QKeySequence::Quit);
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::wire(QAbstractButton* control, void (Controller::*action)()) {
    connect(control, &QAbstractButton::clicked, this,
            [this, action] { act([&] { (*controller_.*action)(); }); });
}

template <typename Action> void MainWindow::act(Action action) {
    if (acting_)
        return; // an action is waiting in a modal dialog; nothing else runs meanwhile
    acting_ = true;
    action();
    acting_ = false;
    openRequests_->schedule();
}

bool MainWindow::readyForRequests() const {
    return !acting_ && QApplication::activeModalWidget() == nullptr;
}

void MainWindow::openPath(std::string path) {
    openRequests_->add(std::move(path));
}

std::size_t MainWindow::pendingOpenRequests() const {
    return openRequests_->pending();
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFolders(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QByteArray> folders = droppedFolders(event->mimeData());
    if (folders.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QByteArray& folder : folders)
        openPath(folder.toStdString());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::FileOpen) {
        const auto* open = static_cast<QFileOpenEvent*>(event);
        const QString path = open->file().isEmpty() ? open->url().toLocalFile() : open->file();
        if (!path.isEmpty())
            openPath(QFile::encodeName(path).toStdString());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace twinpics
