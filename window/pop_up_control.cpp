#include "pop_up_control.h"

#include <QComboBox>
#include <QStringList>
#include <QVariant>

namespace twinpics {

// uic cannot give a combo box's items data, so the .ui file lists the tags, in item order,
// in the combo box's dynamic property "itemTags"; they become the items' data here.
PopUpControl::PopUpControl(QComboBox& comboBox) : comboBox_(comboBox) {
    const QStringList tags = comboBox_.property("itemTags").toStringList();
    for (int item = 0; item < comboBox_.count() && item < tags.size(); ++item) {
        bool ok = false;
        const int tag = tags[item].toInt(&ok);
        if (ok)
            comboBox_.setItemData(item, tag);
    }
}

// An item without a tag answers -1, a tag that accepts no file.
std::int32_t PopUpControl::selectedTag() const {
    bool ok = false;
    const int tag = comboBox_.currentData().toInt(&ok);
    return ok ? tag : -1;
}

} // namespace twinpics
