// Who plays, and the players' names as a form takes them.
#include "players.h"

#include <algorithm>

#include "typed_names.h"

namespace pairfinder {

namespace {

// Ends each field of a form's answer: no name a player can type into a one-line field holds it.
constexpr char FieldEnd = '\x1f';

template <typename Choice, std::size_t N>
std::optional<Choice> Numbered(std::string_view field, const std::array<std::string_view, N>& captions) {
    if (field.size() != 1 || field[0] < '1' || static_cast<std::size_t>(field[0] - '0') > captions.size())
        return std::nullopt;
    return static_cast<Choice>(field[0] - '1');
}

}  // namespace

int PeopleOf(Company who) {
    switch (who) {
        case Company::Two:
            return 2;
        case Company::Three:
            return 3;
        case Company::Four:
            return 4;
        case Company::Alone:
        case Company::Computer:
            break;
    }
    return 1;
}

std::vector<Seat> SeatsOf(const PlayersChoice& choice) {
    std::vector<Seat> seats;
    // Alone, the names kept are only offered for a game together.
    if (choice.Who == Company::Alone) return seats;
    const auto people = std::min(choice.Names.size(), static_cast<std::size_t>(PeopleOf(choice.Who)));
    for (std::size_t i = 0; i < people; ++i) seats.push_back({choice.Names[i], SeatKind::Person, 0, 0});
    if (choice.Who == Company::Computer) seats.push_back({std::string(ComputerName), SeatKind::Computer, 0, 0});
    return seats;
}

std::string OfferedPlayerName(int seat) {
    return "Spieler " + std::to_string(seat + 1);
}

std::vector<std::string> PlayerNameFaults(const std::vector<std::string>& names) {
    return NameFaults(names, LongestPlayerName, "Diesen Namen hat schon ein anderer Mitspieler.", {ComputerName});
}

std::string PlayersText(const PlayersChoice& choice) {
    std::string text;
    for (const std::string& name : choice.Names) text += name + FieldEnd;
    text += static_cast<char>('1' + static_cast<int>(choice.Strength));
    text += FieldEnd;
    text += static_cast<char>('1' + static_cast<int>(choice.Speed));
    text += FieldEnd;
    return text;
}

std::optional<PlayersChoice> ReadPlayersText(Company who, std::string_view text) {
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const std::size_t end = text.find(FieldEnd);
        if (end == std::string_view::npos) return std::nullopt;
        fields.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    const auto people = static_cast<std::size_t>(PeopleOf(who));
    if (fields.size() != people + 2) return std::nullopt;
    PlayersChoice choice;
    choice.Who = who;
    for (std::size_t i = 0; i < people; ++i) choice.Names.push_back(NormalName(fields[i]));
    for (const std::string& fault : PlayerNameFaults(choice.Names)) {
        if (!fault.empty()) return std::nullopt;
    }
    const auto strength = Numbered<Level>(fields[people], LevelCaptions);
    const auto speed = Numbered<Pace>(fields[people + 1], PaceCaptions);
    if (!strength || !speed) return std::nullopt;
    choice.Strength = *strength;
    choice.Speed = *speed;
    return choice;
}

namespace {

// "1 Paar" or "3 Paare"; with `dative`, after "mit": "3 Paaren".
std::string Pairs(int n, bool dative = false) {
    return std::to_string(n) + (n == 1 ? " Paar" : dative ? " Paaren" : " Paare");
}

std::string Attempts(int n) {
    return std::to_string(n) + (n == 1 ? " Versuch" : " Versuche");
}

// "A", "A und B", "A, B und C".
std::string Listed(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " und " : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace

std::string PlayerFieldLabel(Company who, int seat) {
    if (who == Company::Computer) return "Dein Name";
    return "Name von Spieler " + std::to_string(seat + 1);
}

std::string SeatScoreLine(const Seat& seat) {
    return Pairs(seat.Pairs) + ", " + Attempts(seat.Attempts);
}

std::string SeatRowSpoken(const Seat& seat, bool toPlay) {
    return seat.Name + ": " + SeatScoreLine(seat) + (toPlay ? ", ist dran" : "");
}

std::string TurnOfSpoken(const Seat& seat) {
    return seat.Name + " ist dran";
}

std::string TogetherTurnSpoken(const std::string& pair, bool paired, const Seat& player, const Seat& next) {
    return pair + ". " + (paired ? player.Name + " hat " + Pairs(player.Pairs) : TurnOfSpoken(next));
}

std::string SeatCardSpoken(const Seat& seat, int row, int column, std::string_view face) {
    return seat.Name + ": Reihe " + std::to_string(row) + ", Spalte " + std::to_string(column) + ", " +
           std::string(face);
}

std::string WinnerSpoken(const std::vector<Seat>& seats) {
    int most = 0;
    for (const Seat& seat : seats) most = std::max(most, seat.Pairs);
    std::vector<std::string> best;
    for (const Seat& seat : seats) {
        if (seat.Pairs == most) best.push_back(seat.Name);
    }
    if (best.size() == 1) return best.front() + " gewinnt mit " + Pairs(most, true);
    return "Unentschieden: " + Listed(best) + " mit je " + Pairs(most, true);
}

std::string ScoreSpoken(const std::vector<Seat>& seats, int turn) {
    std::string out;
    for (const Seat& seat : seats) out += seat.Name + ": " + SeatScoreLine(seat) + ". ";
    if (turn < 0 || static_cast<std::size_t>(turn) >= seats.size()) return out;
    return out + TurnOfSpoken(seats[static_cast<std::size_t>(turn)]);
}

std::string AloneScoreSpoken(int attempts, int found, int pairs) {
    return "Versuche: " + std::to_string(attempts) + ". " + std::to_string(found) + " von " +
           Pairs(pairs, true) + " gefunden";
}

}  // namespace pairfinder
