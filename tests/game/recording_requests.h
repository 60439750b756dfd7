// A stand-in window that records the requests the game rules make, in order, over a store in memory.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game_requests.h"
#include "game_rules.h"
#include "highscore_table.h"
#include "words.h"

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
    // The other boards' tables, by their number of pairs; the board in play is the rules' when given them.
    std::map<int, HighscoreTable> StoredOf;
    // When given the rules, the finish's banner is said as a front end says it.
    GameRules* Rules = nullptr;

    void HideOutcome() override { Calls.push_back("HideOutcome"); }
    void ShowAttempts(int n) override { Calls.push_back("ShowAttempts(" + std::to_string(n) + ")"); }
    void ShowBacks() override { Calls.push_back("ShowBacks"); }
    void ShowFace(int p) override { Calls.push_back("ShowFace(" + std::to_string(p) + ")"); }
    void ShowOutcome(bool qualifies) override {
        Calls.push_back(qualifies ? "ShowOutcome(true)" : "ShowOutcome(false)");
        // As a front end says the labels it shows.
        if (Rules) Rules->Say("FERTIG!!");
    }
    void LoadHighscores() override {
        Calls.push_back("LoadHighscores");
        if (FailLoad) throw std::runtime_error("Failed to get data for 'iErster'");
        // A store that holds no table yet leaves the table as it is.
        const HighscoreTable& stored = StoreOfBoard();
        if (Table && stored != HighscoreTable{}) *Table = stored;
    }
    void ShowHighscoreMenu() override { Calls.push_back("ShowHighscoreMenu"); }
    void LoadFaceSet() override {
        Calls.push_back("LoadFaceSet");
        const bool own = Rules && Rules->Board.OwnDeckInUse();
        Loaded = own ? OwnPictures : 32;
        if (own && (OwnDeckDamaged || OwnPictures == 0)) throw std::runtime_error("Das eigene Deck ist beschädigt");
    }
    void StoreHighscores() override {
        Calls.push_back("StoreHighscores");
        if (FailStores > 0) {
            --FailStores;
            throw std::runtime_error("Failed to set data for 'sErster'");
        }
        if (Table) StoreOfBoard() = *Table;
    }
    HighscoreTable& StoreOfBoard() {
        const int pairs = Rules ? Rules->Board.Size.Pairs : FullBoard.Pairs;
        return pairs == FullBoard.Pairs ? Stored : StoredOf[pairs];
    }

    // The board the store keeps from the last run: none, or a number of pairs; a damaged one throws.
    std::optional<int> StoredBoard;
    bool FailLoadBoard = false;

    static const char* Group(Command choice) {
        return choice == Command::ChooseBack      ? "back"
               : choice == Command::ChooseFaceSet ? "faces"
               : choice == Command::ChooseOwnDeck ? "own"
               : choice == Command::ChoosePlayers ? "players"
               : choice == Command::ChooseLanguage ? "language"
                                                  : "board";
    }
    void ShowChoice(Command choice, int k) override {
        Calls.push_back("ShowChoice(" + std::string(Group(choice)) + "," + std::to_string(k) + ")");
    }
    void EnableChoice(Command choice, int k, bool enabled) override {
        Calls.push_back("EnableChoice(" + std::string(Group(choice)) + "," + std::to_string(k) + "," +
                        (enabled ? "on" : "off") + ")");
    }

    // The player's own deck as the front end keeps it: its number of pictures, none when there is no deck; a
    // damaged one fails to load. Whether it is in play is kept as the store keeps it.
    int OwnPictures = 0;
    bool OwnDeckDamaged = false;
    std::optional<bool> OwnInUse;
    int Loaded = 32;
    int FaceCount() const override { return Loaded; }
    bool HasOwnDeck() const override { return OwnPictures > 0; }
    void ComposeDeck() override { Calls.push_back("ComposeDeck"); }
    void EnableCommand(Command command, bool enabled) override {
        Calls.push_back(std::string("EnableCommand(") + (command == Command::SaveDeck ? "save" : "other") + "," +
                        (enabled ? "on" : "off") + ")");
    }
    void SaveDeck() override { Calls.push_back("SaveDeck"); }
    void OpenDeck() override { Calls.push_back("OpenDeck"); }
    bool LoadOwnDeckInUse() override { return OwnInUse.value_or(false); }
    void StoreOwnDeckInUse(bool inUse) override {
        Calls.push_back(inUse ? "StoreOwnDeckInUse(true)" : "StoreOwnDeckInUse(false)");
        OwnInUse = inUse;
    }
    void ShowBoard() override {
        Calls.push_back("ShowBoard(" + std::to_string(Rules ? Rules->Board.CardCount : -1) + ")");
    }
    std::optional<int> LoadBoard() override {
        Calls.push_back("LoadBoard");
        if (FailLoadBoard) throw std::runtime_error("Invalid value 7 for 'iPaare'");
        return StoredBoard;
    }
    void StoreBoard() override {
        Calls.push_back("StoreBoard");
        if (Rules) StoredBoard = Rules->Board.Size.Pairs;
    }
    void Close() override { Calls.push_back("Close"); }
    // Face n of the set is called "Fn", two of it "Fns"; picture n of the own deck "Own n", with no plural.
    PictureName FaceName(int pair) const override {
        static const auto names = [] {
            std::vector<std::pair<std::string, std::string>> all;
            for (int n = 0; n < 32; ++n) {
                std::string name = "F";
                name += std::to_string(n);
                all.emplace_back(name, name + "s");
            }
            return all;
        }();
        static const auto own = [] {
            std::vector<std::string> all;
            for (int n = 0; n < 32; ++n) all.push_back("Own " + std::to_string(n));
            return all;
        }();
        if (pair < 0 || pair >= Loaded) return {};
        if (Rules && Rules->Board.OwnDeckInUse()) return {own[static_cast<std::size_t>(pair)], {}};
        const auto& [singular, plural] = names[static_cast<std::size_t>(pair)];
        return {singular, plural};
    }
    void Announce(const std::string& text) override { Calls.push_back("Announce(" + text + ")"); }

    // Who plays, as the store keeps it; a damaged choice throws. The form's offer and the computer's move asked
    // for last are kept for the test to answer.
    std::optional<PlayersChoice> StoredPlayers;
    bool FailLoadPlayers = false;
    std::optional<PlayersChoice> Asked;
    int MoveAsked = 0;
    void AskPlayers(const PlayersChoice& offered) override {
        Calls.push_back("AskPlayers");
        Asked = offered;
    }
    void ShowPlayers(const std::vector<Seat>& seats, int turn) override {
        std::string shown = "ShowPlayers(";
        for (const Seat& seat : seats)
            shown += seat.Name + " " + std::to_string(seat.Pairs) + "/" + std::to_string(seat.Attempts) + ",";
        Calls.push_back(shown + " turn " + std::to_string(turn) + ")");
    }
    void WaitForComputer(int milliseconds, int move) override {
        Calls.push_back("WaitForComputer(" + std::to_string(milliseconds) + ")");
        MoveAsked = move;
    }
    void ShowWinner(const std::string& winner) override {
        Calls.push_back("ShowWinner(" + winner + ")");
        if (Rules) Rules->Say("FERTIG!!");
    }
    std::optional<PlayersChoice> LoadPlayers() override {
        if (FailLoadPlayers) throw std::runtime_error("Invalid value 9 for 'iMitspieler'");
        return StoredPlayers;
    }
    void StorePlayers(const PlayersChoice& choice) override {
        Calls.push_back("StorePlayers");
        StoredPlayers = choice;
    }

    // The languages the system asks for, the one the store keeps (a damaged one throws), and what the front end was
    // asked to put in play; English puts a lookup of a few of its words in play.
    std::vector<std::string> System;
    std::optional<std::string> StoredLanguage;
    bool FailLoadLanguage = false;
    std::vector<std::string> SystemLanguages() const override { return System; }
    void ApplyLanguage(std::string_view code) override {
        Calls.push_back("ApplyLanguage(" + std::string(code) + ")");
        if (code != "en") {
            SetWordsLookup({});
            return;
        }
        SetWordsLookup([](const char* source, const char*, int n) {
            const std::string german = GermanWords(source, n);
            return german == "Sprache: %1" ? std::string("Language: %1") : "EN " + german;
        });
    }
    std::optional<std::string> LoadLanguage() override {
        if (FailLoadLanguage) throw std::runtime_error("Invalid value for 'sSprache'");
        return StoredLanguage;
    }
    void StoreLanguage(std::string_view code) override {
        Calls.push_back("StoreLanguage(" + std::string(code) + ")");
        StoredLanguage = std::string(code);
    }

    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(Calls);
        return taken;
    }
};

}  // namespace pairfinder::testing
