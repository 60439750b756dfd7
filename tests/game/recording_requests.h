// A stand-in window that records the requests the game rules make, in order, over a store in memory.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "game_requests.h"
#include "highscore_table.h"

namespace pairfinder::testing {

class RecordingRequests : public GameRequests {
public:
    std::vector<std::string> Calls;
    // When set, LoadHighscores throws as a failing store would.
    bool FailLoad = false;
    // The next this many StoreHighscores throw, as a store that cannot be written would.
    int FailStores = 0;

    // When given the rules' table, the fake keeps a store of its own: StoreHighscores copies the table
    // into Stored and LoadHighscores copies it back, as the registry would.
    HighscoreTable* Table = nullptr;
    HighscoreTable Stored;

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
        if (Table) *Table = Stored;
    }
    void ShowHighscoreMenu() override { Calls.push_back("ShowHighscoreMenu"); }
    void LoadFaceSet() override { Calls.push_back("LoadFaceSet"); }
    void StoreHighscores() override {
        Calls.push_back("StoreHighscores");
        if (FailStores > 0) {
            --FailStores;
            throw std::runtime_error("Failed to set data for 'sErster'");
        }
        if (Table) Stored = *Table;
    }

    void AnnounceTurn(std::int32_t first, std::int32_t second, bool paired) override {
        Calls.push_back("AnnounceTurn(" + std::to_string(first) + "," + std::to_string(second) +
                        (paired ? ",paired)" : ",apart)"));
    }

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(Calls);
        return taken;
    }
};

}  // namespace pairfinder::testing
