#pragma once

#include "controls.h"

class QComboBox;

namespace twinpics {

// imageType: the tag is the selected item's data, set from the interface description.
class PopUpControl final : public PopUpButton {
public:
    explicit PopUpControl(QComboBox& comboBox);
    std::int32_t selectedTag() const override;

private:
    QComboBox& comboBox_;
};

} // namespace twinpics
