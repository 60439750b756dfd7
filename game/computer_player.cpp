// The computer at the table, choosing from what it saw and still remembers.
#include "computer_player.h"

#include <algorithm>

namespace pairfinder {

void TableRecord::Deal(const BoardSize& board) {
    Size = board;
    const auto cells = static_cast<std::size_t>(board.Cards());
    Gone.assign(cells, false);
    Seen.assign(cells, std::nullopt);
    Open = -1;
    Turns = 0;
}

void TableRecord::Shown(int p, std::int32_t pair) {
    if (p < 0 || static_cast<std::size_t>(p) >= Seen.size()) return;
    Seen[static_cast<std::size_t>(p)] = Sighting{pair, Turns};
}

void TableRecord::TurnEnded(int first, int second, bool paired) {
    for (const int p : {first, second}) {
        if (paired && p >= 0 && static_cast<std::size_t>(p) < Gone.size()) Gone[static_cast<std::size_t>(p)] = true;
    }
    Open = -1;
    ++Turns;
}

bool TableRecord::InPlay(int p) const {
    return p >= 0 && static_cast<std::size_t>(p) < Gone.size() && !Gone[static_cast<std::size_t>(p)];
}

bool TableRecord::WasSeen(int p) const {
    return InPlay(p) && Seen[static_cast<std::size_t>(p)].has_value();
}

Sighting TableRecord::SeenFace(int p) const {
    return WasSeen(p) ? *Seen[static_cast<std::size_t>(p)] : Sighting{-1, 0};
}

ComputerPlayer::ComputerPlayer(Level level, std::uint32_t seed) : Strength(level), Engine(seed == 0 ? 1 : seed) {}

int ComputerPlayer::RecallPerMillion(Level level, int age) {
    // Each turn since a face was seen keeps it with this chance: a Beginner keeps half of what it saw for four
    // turns, an Advanced player for seventeen (docs/computer.md).
    int keep = 0;
    switch (level) {
        case Level::Master:
            return 1'000'000;
        case Level::Advanced:
            keep = 960'000;
            break;
        case Level::Beginner:
            keep = 850'000;
            break;
    }
    long long chance = 1'000'000;
    for (int turn = 0; turn < age && chance > 0; ++turn) chance = chance * keep / 1'000'000;
    return static_cast<int>(chance);
}

std::vector<std::optional<std::int32_t>> ComputerPlayer::Remembered(const TableView& table) {
    const int cells = table.Board().Cards();
    std::vector<std::optional<std::int32_t>> known(static_cast<std::size_t>(cells));
    for (int p = 0; p < cells; ++p) {
        if (!table.InPlay(p) || !table.WasSeen(p)) continue;
        const Sighting seen = table.SeenFace(p);
        const int chance = RecallPerMillion(Strength, table.Now() - seen.Turn);
        if (static_cast<int>(Engine() % 1'000'000) < chance) known[static_cast<std::size_t>(p)] = seen.Pair;
    }
    // The card turned first in this turn lies face up before it: it knows that one whatever its memory.
    const int open = table.OpenCard();
    if (open >= 0 && table.InPlay(open) && table.WasSeen(open))
        known[static_cast<std::size_t>(open)] = table.SeenFace(open).Pair;
    return known;
}

int ComputerPlayer::AnyOf(const std::vector<int>& cards) {
    if (cards.empty()) return -1;
    return cards[Engine() % cards.size()];
}

int ComputerPlayer::ChooseCard(const TableView& table) {
    const std::vector<std::optional<std::int32_t>> known = Remembered(table);
    const int cells = static_cast<int>(known.size());
    const int open = table.OpenCard();
    std::vector<int> unknown;
    std::vector<int> remembered;
    for (int p = 0; p < cells; ++p) {
        if (!table.InPlay(p) || p == open) continue;
        (known[static_cast<std::size_t>(p)] ? remembered : unknown).push_back(p);
    }
    const auto matching = [&](std::int32_t pair, int besides) {
        for (const int p : remembered) {
            if (p != besides && *known[static_cast<std::size_t>(p)] == pair) return p;
        }
        return -1;
    };

    if (open < 0) {
        // A pair it knows of, else a card it does not know, which may show it one.
        for (const int p : remembered) {
            if (matching(*known[static_cast<std::size_t>(p)], p) >= 0) return p;
        }
        const int fresh = AnyOf(unknown);
        return fresh >= 0 ? fresh : AnyOf(remembered);
    }
    // The second card: the open card's partner where it knows it. Else the first card was news to it, and a card it
    // does not know yet may still be the partner; only when it knows every card does it turn one it knows.
    if (known[static_cast<std::size_t>(open)]) {
        const int partner = matching(*known[static_cast<std::size_t>(open)], open);
        if (partner >= 0) return partner;
    }
    // The Master gives nothing away: while many cards are unknown, a miss with an unknown card would show the
    // other player one more face, so it turns a card everyone has seen instead.
    if (Strength == Level::Master && !remembered.empty() && unknown.size() > 6) return AnyOf(remembered);
    const int fresh = AnyOf(unknown);
    return fresh >= 0 ? fresh : AnyOf(remembered);
}

}  // namespace pairfinder
