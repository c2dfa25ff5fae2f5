// The user's answers to the pair on display.
#include "controller.h"

#include "file_compare.h"
#include "file_services.h"

namespace twinpics {
namespace {

const std::string alertTitle = "Delete?";
const std::string keptTitle = "File not deleted";

std::string alertMessage(const std::string& path) {
    return "Do you really want to delete file\n" + path + " ?";
}

} // namespace

void Controller::skip() {
    if (hasPairOnDisplay())
        resumeWithSameLeft();
}

void Controller::deleteLeftImage() {
    if (!hasPairOnDisplay())
        return;
    if (deleteAfterAsking(state_.i, state_.j))
        endWalkIfOver(ijLine()); // the left file is gone: go on with the next left file
    else
        resumeWithSameLeft();
}

void Controller::deleteRightImage() {
    if (!hasPairOnDisplay())
        return;
    deleteAfterAsking(state_.j, state_.i);
    resumeWithSameLeft();
}

void Controller::resumeWithSameLeft() {
    int result = jLine();
    if (result != pairShown)
        result = ijLine();
    endWalkIfOver(result);
}

void Controller::endWalkIfOver(int result) {
    if (result != walkOver)
        return;
    outlets_.open.setEnabled(true);
    setReviewButtonsEnabled(false);
    outlets_.desktop.beep();
}

void Controller::setReviewButtonsEnabled(bool enabled) {
    outlets_.right.setEnabled(enabled);
    outlets_.left.setEnabled(enabled);
    outlets_.skipTheRope.setEnabled(enabled);
}

// Removes the file of entry victim, after the question unless it is switched off, and marks
// its entry. Returns whether the file is gone; a refusal, a removal that would leave no copy
// and a removal that failed all keep the file and its entry.
bool Controller::deleteAfterAsking(std::int32_t victim, std::int32_t keeper) {
    const std::string path = fullPath(victim);
    if (state_.conf == 0 &&
        outlets_.desktop.runAlert(alertTitle, alertMessage(path), "Yes", "No") != 1)
        return false;
    if (const auto reason = reasonToKeep(path, fullPath(keeper))) {
        outlets_.desktop.reportFailure(keptTitle, *reason);
        return false;
    }
    if (const auto error = removeFile(path)) {
        outlets_.desktop.reportFailure(keptTitle, "Could not delete\n" + error->path + "\n" +
                                                      error->reason() + ".");
        return false;
    }
    state_.fileArray[static_cast<std::size_t>(victim)] = tombstone;
    return true;
}

// The pair was identical when it was shown, but the disk may have changed since (another
// program, or the user in a file manager). Deleting is only safe while the other copy
// still exists, is a file of its own, and still has the same bytes.
std::optional<std::string> Controller::reasonToKeep(const std::string& victim,
                                                    const std::string& keeper) const {
    const std::string kept = victim + "\nwas kept, because its copy\n" + keeper;
    if (!exists(keeper))
        return kept + "\nno longer exists.";
    switch (compareContents(victim, keeper)) {
    case Sameness::identical:
        return std::nullopt;
    case Sameness::sameFile:
        return kept + "\nis now the same file.";
    case Sameness::different:
        return kept + "\nis no longer identical to it.";
    case Sameness::unreadable:
        break;
    }
    return kept + "\ncan no longer be compared with it.";
}

} // namespace twinpics
