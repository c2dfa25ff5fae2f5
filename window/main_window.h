#pragma once

#include "button_control.h"
#include "controller.h"
#include "label_number_field.h"
#include "line_text_field.h"
#include "pop_up_control.h"
#include "progress_control.h"

#include <QMainWindow>

class QAbstractButton;

#include <memory>
#include <string>

namespace Ui {
class ReviewWindow;
}

namespace twinpics {

class OpenRequests;
class QtDesktop;
class QtShell;

// The review window: loads the interface description (resources/review_window.ui), puts the
// control interfaces on its widgets, creates the one Controller with them and wires every
// control to its action. It also takes the desktop's requests to open a folder.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // desktop replaces the Qt dialogs and the beep, for tests; null means the real ones.
    explicit MainWindow(Desktop* desktop = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Asks for a scan of path, as an open-file request: it starts once nothing else runs.
    void openPath(std::string path);
    // Brings the window to the front, for a second launch without paths.
    void bringToFront();

    Ui::ReviewWindow& ui() { return *ui_; }
    const Controller& controller() const { return *controller_; }
    std::size_t pendingOpenRequests() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireControls();
    // Sends action to the Controller each time control is clicked.
    void wire(QAbstractButton* control, void (Controller::*action)());
    // Runs one of the Controller's actions; open-file requests wait until it is over.
    template <typename Action> void act(Action action);
    bool readyForRequests() const;

    std::unique_ptr<Ui::ReviewWindow> ui_;
    std::unique_ptr<QtDesktop> qtDesktop_;
    Desktop& desktop_;
    QtShell* shell_;
    LabelNumberField fileNumber_;
    PopUpControl imageType_;
    ButtonControl left_;
    LineTextField leftPath_;
    LabelNumberField maxNumber_;
    ButtonControl open_;
    ProgressControl progressView_;
    ButtonControl right_;
    LineTextField rightPath_;
    ButtonControl skipTheRope_;
    std::unique_ptr<Controller> controller_;
    OpenRequests* openRequests_;
    bool acting_ = false;
};

} // namespace twinpics
