#pragma once

#include "controller.h"
#include "recording_controls.h"
#include "temp_tree.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace twinpics::testing {

// A controller on a recording window, with a temporary tree to scan.
class ControllerTest : public ::testing::Test {
protected:
    TempTree tree;
    RecordingControls controls;
    Controller controller{controls.outlets()};

    // Scans the tree as a path handed over by the desktop, and forgets what that logged.
    void scanTree() {
        controller.applicationOpenFile(tree.root());
        controls.takeLog();
    }
    const std::vector<std::string>& files() const { return controller.scanState().fileArray; }
    std::string fullPath(const std::string& relative) const { return tree.path(relative); }

    // The pairs the log shows, as (left, right) relative paths.
    std::vector<std::pair<std::string, std::string>> shownPairs() const {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const auto& line : controls.log) {
            if (line.starts_with("leftPath "))
                pairs.emplace_back(line.substr(9), "");
            else if (line.starts_with("rightPath "))
                pairs.back().second = line.substr(10);
        }
        return pairs;
    }
};

} // namespace twinpics::testing
