#pragma once

#include "controls.h"

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace twinpics {

// The application around the review window: hears that window's close, and no other's,
// through an event filter, and ends the application.
class QtShell : public QObject, public Shell {
    Q_OBJECT

public:
    explicit QtShell(QWidget& window);

    void observeWindowClose(std::function<void()> handler) override;
    void terminate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::vector<std::function<void()>> handlers_;
};

} // namespace twinpics
