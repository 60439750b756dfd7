// Who plays, and the players' names as a form takes them.
#include "players.h"

#include <algorithm>

#include "typed_names.h"
#include "words.h"

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
    if (choice.Who == Company::Computer) seats.push_back({Tr(ComputerName.data()), SeatKind::Computer, 0, 0});
    return seats;
}

std::string OfferedPlayerName(int seat) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Spieler %1")), {std::to_string(seat + 1)});
}

std::vector<std::string> PlayerNameFaults(const std::vector<std::string>& names) {
    // The computer is called so in German and in the language in play; a person may take neither.
    const std::string computer = Tr(ComputerName.data());
    return NameFaults(names, LongestPlayerName,
                      Tr(QT_TRANSLATE_NOOP("Pairfinder", "Diesen Namen hat schon ein anderer Mitspieler.")),
                      {ComputerName, computer});
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

// What tells apart the pieces below from others written the same, as the catalogues' entries say.
constexpr const char* PairsThenAttempts = "a player's pairs, then attempts";
constexpr const char* NameThenScore = "a player's name, then pairs and attempts";
constexpr const char* ListedNames = "names in a list";
constexpr const char* LastTwoNames = "the last two names of a list";

// "Lena: 3 Paare, 7 Versuche".
std::string NameAndScore(const Seat& seat) {
    return Filled(Tr(QT_TRANSLATE_NOOP3("Pairfinder", "%1: %2", "a player's name, then pairs and attempts"),
                     NameThenScore),
                  {seat.Name, SeatScoreLine(seat)});
}

// "A", "A und B", "A, B und C".
std::string Listed(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string out = names.front();
    for (std::size_t i = 1; i < names.size(); ++i) {
        const std::string joined =
            i + 1 == names.size()
                ? Tr(QT_TRANSLATE_NOOP3("Pairfinder", "%1 und %2", "the last two names of a list"), LastTwoNames)
                : Tr(QT_TRANSLATE_NOOP3("Pairfinder", "%1, %2", "names in a list"), ListedNames);
        out = Filled(joined, {out, names[i]});
    }
    return out;
}

}  // namespace

std::string PlayerFieldLabel(Company who, int seat) {
    if (who == Company::Computer) return Tr(QT_TRANSLATE_NOOP("Pairfinder", "Dein Name"));
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Name von Spieler %1")), {std::to_string(seat + 1)});
}

std::string SeatScoreLine(const Seat& seat) {
    return Filled(Tr(QT_TRANSLATE_NOOP3("Pairfinder", "%1, %2", "a player's pairs, then attempts"), PairsThenAttempts),
                  {TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "%n Paare"), seat.Pairs),
                   TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "%n Versuche"), seat.Attempts)});
}

std::string SeatRowSpoken(const Seat& seat, bool toPlay) {
    if (!toPlay) return NameAndScore(seat);
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1: %2, ist dran")), {seat.Name, SeatScoreLine(seat)});
}

std::string TurnOfSpoken(const Seat& seat) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1 ist dran")), {seat.Name});
}

std::string TogetherTurnSpoken(const std::string& pair, bool paired, const Seat& player, const Seat& next) {
    if (!paired) return pair + ". " + TurnOfSpoken(next);
    return pair + ". " + Filled(TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "%1 hat %n Paare"), player.Pairs), {player.Name});
}

std::string SeatCardSpoken(const Seat& seat, int row, int column, std::string_view face) {
    return Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "%1: Reihe %2, Spalte %3, %4")),
                  {seat.Name, std::to_string(row), std::to_string(column), face});
}

std::string WinnerSpoken(const std::vector<Seat>& seats) {
    int most = 0;
    for (const Seat& seat : seats) most = std::max(most, seat.Pairs);
    std::vector<std::string> best;
    for (const Seat& seat : seats) {
        if (seat.Pairs == most) best.push_back(seat.Name);
    }
    if (best.size() == 1)
        return Filled(TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "%1 gewinnt mit %n Paaren"), most), {best.front()});
    return Filled(TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "Unentschieden: %1 mit je %n Paaren"), most), {Listed(best)});
}

std::string ScoreSpoken(const std::vector<Seat>& seats, int turn) {
    std::string out;
    for (const Seat& seat : seats) out += NameAndScore(seat) + ". ";
    if (turn < 0 || static_cast<std::size_t>(turn) >= seats.size()) return out;
    return out + TurnOfSpoken(seats[static_cast<std::size_t>(turn)]);
}

std::string AloneScoreSpoken(int attempts, int found, int pairs) {
    return Filled(TrN(QT_TRANSLATE_N_NOOP("Pairfinder", "Versuche: %1. %2 von %n Paaren gefunden"), pairs),
                  {std::to_string(attempts), std::to_string(found)});
}

}  // namespace pairfinder
