#include "qt_desktop.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace twinpics {
namespace {

// Paths are bytes; the alert's texts may hold them, so they are decoded as file names.
QString text(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

} // namespace

int QtDesktop::runAlert(const std::string& title, const std::string& message,
                        const std::string& defaultButton, const std::string& alternateButton) {
    QMessageBox box(QMessageBox::Question, text(title), text(message), QMessageBox::NoButton,
                    window_);
    box.setObjectName("alert");
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = box.addButton(text(defaultButton), QMessageBox::YesRole);
    QPushButton* no = box.addButton(text(alternateButton), QMessageBox::NoRole);
    yes->setObjectName("alertDefault");
    no->setObjectName("alertAlternate");
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? 1 : 0;
}

std::optional<std::string> QtDesktop::chooseFolder(const std::string& title,
                                                   const std::string& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        window_, text(title), text(startFolder),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return std::nullopt;
    return QFile::encodeName(folder).toStdString();
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::reportFailure(const std::string& title, const std::string& message) {
    QMessageBox box(QMessageBox::Warning, text(title), text(message), QMessageBox::Ok, window_);
    box.setObjectName("failure");
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace twinpics
