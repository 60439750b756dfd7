// A stand-in window that records the requests the game rules make, in order.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "game_requests.h"

namespace pairfinder::testing {

class RecordingRequests : public GameRequests {
public:
    std::vector<std::string> Calls;
    // When set, LoadHighscores throws as a failing store would.
    bool FailLoad = false;

    void HideOutcome() override { Calls.push_back("HideOutcome"); }
    void ShowAttempts(int n) override { Calls.push_back("ShowAttempts(" + std::to_string(n) + ")"); }
    void ShowBacks() override { Calls.push_back("ShowBacks"); }
    void ShowFace(int p) override { Calls.push_back("ShowFace(" + std::to_string(p) + ")"); }
    void ShowOutcome(bool qualifies) override {
        Calls.push_back(qualifies ? "ShowOutcome(true)" : "ShowOutcome(false)");
    }
    void LoadHighscores() override {
        Calls.push_back("LoadHighscores");
        if (FailLoad) throw std::runtime_error("Failed to get data for 'iErster'");
    }
    void ShowHighscoreMenu() override { Calls.push_back("ShowHighscoreMenu"); }

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(Calls);
        return taken;
    }
};

}  // namespace pairfinder::testing
