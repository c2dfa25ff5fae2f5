#pragma once

#include "controls.h"

class QProgressBar;

namespace twinpics {

// The walk's progress on a bar that spans 0 to 100.
class ProgressControl final : public ProgressBar {
public:
    explicit ProgressControl(QProgressBar& bar);
    void setDoubleValue(double percent) override;

private:
    QProgressBar& bar_;
};

} // namespace twinpics
