#include "line_text_field.h"

#include <QFile>
#include <QLineEdit>

namespace twinpics {

void LineTextField::setStringValue(const std::string& bytes) {
    const QString text = QFile::decodeName(QByteArray::fromStdString(bytes));
    edit_.setText(text);
    edit_.setToolTip(text);
    edit_.setCursorPosition(0);
}

} // namespace twinpics
