// The computer at the table: it chooses its cards from what any player at the table could know, the faces that
// have been shown face up and when, and never from the deal, which it is not handed. How much it remembers is its
// level: the Master never forgets; the lower levels forget, the older a sighting the likelier (docs/computer.md).
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "board_size.h"
#include "players.h"

namespace pairfinder {

// A face seen face up: the picture and the turn it was last seen in.
struct Sighting {
    std::int32_t Pair = 0;
    int Turn = 0;
};

// What the table shows a player, and nothing else: which cards are still on it, the faces that have been turned
// face up and when, the first card of the turn under way, and how many turns have been played.
class TableView {
public:
    virtual ~TableView() = default;
    virtual BoardSize Board() const = 0;
    virtual bool InPlay(int p) const = 0;
    // The first card of the turn under way, face up; -1 when the next card opens a turn.
    virtual int OpenCard() const = 0;
    // Turns completed so far in this game.
    virtual int Now() const = 0;
    // Whether the card at p has been face up, and so what it shows is known at the table.
    virtual bool WasSeen(int p) const = 0;
    // The face last seen at p and when; asked only of a card that WasSeen.
    virtual Sighting SeenFace(int p) const = 0;
};

// The table's record as the rules keep it for the computer: filled only from what is shown, so that it cannot say
// what it was never shown.
class TableRecord : public TableView {
public:
    // A new deal on `board`: every card on the table, nothing seen.
    void Deal(const BoardSize& board);
    void Shown(int p, std::int32_t pair);
    void Opened(int p) { Open = p; }
    // The turn ended: its cards removed when they were a pair.
    void TurnEnded(int first, int second, bool paired);

    BoardSize Board() const override { return Size; }
    bool InPlay(int p) const override;
    int OpenCard() const override { return Open; }
    int Now() const override { return Turns; }
    bool WasSeen(int p) const override;
    Sighting SeenFace(int p) const override;

private:
    BoardSize Size = FullBoard;
    std::vector<bool> Gone;
    std::vector<std::optional<Sighting>> Seen;
    int Open = -1;
    int Turns = 0;
};

class ComputerPlayer {
public:
    explicit ComputerPlayer(Level level = Level::Advanced, std::uint32_t seed = 1);

    void SetLevel(Level level) { Strength = level; }
    Level GetLevel() const { return Strength; }
    // Its memory and choices follow `seed`, so that a test or a benchmark can replay a game.
    void Seed(std::uint32_t seed) { Engine.seed(seed == 0 ? 1 : seed); }

    // The card it turns next: the first of a turn or the second, as the table's open card says. A card still in
    // play; -1 only for a table with none.
    int ChooseCard(const TableView& table);

    // The chance that it still knows a face seen `age` turns ago, in parts of a million.
    static int RecallPerMillion(Level level, int age);

private:
    // What it remembers now of each card in play: the face, or none.
    std::vector<std::optional<std::int32_t>> Remembered(const TableView& table);
    int AnyOf(const std::vector<int>& cards);

    Level Strength;
    std::minstd_rand Engine;
};

}  // namespace pairfinder
