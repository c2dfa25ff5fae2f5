// Turning a folder into a new scan state and searching it for its first pair.
#include "controller.h"

#include "file_services.h"
#include "file_tree.h"
#include "paths.h"

#include <cstdlib>

namespace twinpics {
namespace {

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? home : "/";
}

} // namespace

void Controller::selectFolder() {
    scan(std::nullopt);
}

void Controller::applicationOpenFile(const std::string& path) {
    scan(path);
}

// root is the path handed over by the desktop, or nothing to ask for it in the chooser.
void Controller::scan(const std::optional<std::string>& root) {
    state_.fileArray = {};
    state_.sizeArray = {};
    state_.nandeArray = {};
    outlets_.open.setEnabled(false);
    // The pair on display, if any, belongs to the lists just dropped: answering it now
    // would act on the wrong entries.
    setReviewButtonsEnabled(false);
    const std::int32_t tag = outlets_.imageType.selectedTag();

    const bool fromChooser = !root;
    const auto folder =
        fromChooser ? outlets_.desktop.chooseFolder("Select Folder", homeFolder()) : root;
    if (!folder) {
        outlets_.open.setEnabled(true);
        return;
    }
    state_.nandeArray.push_back(*folder);
    collectCandidates(tag);
    readSizes();
    quickSortRight(0, static_cast<std::int32_t>(state_.fileArray.size()) - 1);
    state_.i = -1;
    finishScan(fromChooser, ijLine());
}

void Controller::collectCandidates(std::int32_t tag) {
    listTree(state_.nandeArray.front(), [&](std::string_view path) {
        if (checkDuplication_.typeCheckArray(tag, path))
            state_.fileArray.emplace_back(path);
    });
}

// A candidate whose size cannot be read (a dangling link, an entry gone since the listing)
// is left out, so that both lists stay parallel.
void Controller::readSizes() {
    std::vector<std::string> sized;
    sized.reserve(state_.fileArray.size());
    for (auto& path : state_.fileArray) {
        if (const auto size = fileSize(joinPath(state_.nandeArray.front(), path))) {
            state_.sizeArray.push_back(*size);
            sized.push_back(std::move(path));
        }
    }
    state_.fileArray = std::move(sized);
}

void Controller::finishScan(bool fromChooser, int result) {
    if (result == walkOver)
        outlets_.desktop.beep();
    // A chooser scan leaves open enabled even with a pair on display, so a new folder can be
    // chosen mid-review; a handed-over path keeps it disabled until that walk ends.
    if (fromChooser || result == walkOver)
        outlets_.open.setEnabled(true);
}

} // namespace twinpics
