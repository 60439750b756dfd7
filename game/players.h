// Who plays: one person alone, two to four people at one screen taking turns, or a person against the computer.
// Each player has a seat, which is where that player's presses come from: a person at this screen, or the
// computer. The rules take a press only from the seat whose turn it is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "words.h"

namespace pairfinder {

// The players' choice, in the order of the menu "Mitspieler".
enum class Company { Alone, Two, Three, Four, Computer };
inline constexpr std::array<std::string_view, 5> CompanyCaptions{
    QT_TRANSLATE_NOOP("Pairfinder", "Allein"), QT_TRANSLATE_NOOP("Pairfinder", "Zu zweit"),
    QT_TRANSLATE_NOOP("Pairfinder", "Zu dritt"), QT_TRANSLATE_NOOP("Pairfinder", "Zu viert"),
    QT_TRANSLATE_NOOP("Pairfinder", "Gegen den Computer")};

// How well the computer remembers what it saw (computer_player.h).
enum class Level { Beginner, Advanced, Master };
inline constexpr std::array<std::string_view, 3> LevelCaptions{QT_TRANSLATE_NOOP("Pairfinder", "Anfänger"),
                                                               QT_TRANSLATE_NOOP("Pairfinder", "Fortgeschritten"),
                                                               QT_TRANSLATE_NOOP("Pairfinder", "Meister")};

// How long each of the computer's cards stays face up before its next move, so that a player sees and hears it.
enum class Pace { Slow, Normal, Fast };
inline constexpr std::array<std::string_view, 3> PaceCaptions{QT_TRANSLATE_NOOP("Pairfinder", "langsam"),
                                                              QT_TRANSLATE_NOOP("Pairfinder", "normal"),
                                                              QT_TRANSLATE_NOOP("Pairfinder", "schnell")};
constexpr int PaceMilliseconds(Pace pace) {
    return pace == Pace::Slow ? 2500 : pace == Pace::Normal ? 1500 : 800;
}

// Where a seat's presses come from. A person at another device would be a kind of its own beside these, whose
// presses reach the same referee; the rules of turns would not change.
enum class SeatKind { Person, Computer };

struct Seat {
    std::string Name;
    SeatKind Kind = SeatKind::Person;
    int Pairs = 0;
    int Attempts = 0;
};

// The computer's seat is called so, and is never among the people's names.
inline constexpr std::string_view ComputerName = QT_TRANSLATE_NOOP("Pairfinder", "Computer");
inline constexpr int LongestPlayerName = 30;

// What the players' form hands over, and what the store keeps of the last choice.
struct PlayersChoice {
    Company Who = Company::Alone;
    // The people's names in the order they play, the first PeopleOf(Who) of them; the computer's seat is not among
    // them. Names beyond, and every name of a player alone, are the ones used before, offered again by the form.
    std::vector<std::string> Names;
    Level Strength = Level::Advanced;
    Pace Speed = Pace::Normal;

    bool operator==(const PlayersChoice&) const = default;
};

// How many people play: one alone or against the computer.
int PeopleOf(Company who);
// The seats of a choice in the order they play: the people, then the computer against one person.
std::vector<Seat> SeatsOf(const PlayersChoice& choice);

// The name a form offers for the person at seat i (from 0) when none was used before: "Spieler 1".
std::string OfferedPlayerName(int seat);
// What is wrong with each name, in the same order, in the player's words to stand beside its field; empty where
// nothing is. A name is judged as NormalName keeps it: required, at most LongestPlayerName characters, and unlike
// every other name of the game, letter case aside, so that whose turn it is cannot be misheard. The computer's name
// is taken.
std::vector<std::string> PlayerNameFaults(const std::vector<std::string>& names);

// The form's answer as one text, which a press carries to the rules (Command::ChoosePlayers): the names, then the
// level and the pace by their number from 1, each field ended by a unit separator.
std::string PlayersText(const PlayersChoice& choice);
// The choice a form's text gives for `who`, the names as NormalName keeps them; none for a text that is not a
// form's answer or whose names PlayerNameFaults refuses.
std::optional<PlayersChoice> ReadPlayersText(Company who, std::string_view text);

// --- What the front ends show of it ---

// The players' form: its caption, each person's field, the computer's level and pace.
inline constexpr std::string_view PlayersFormCaption = QT_TRANSLATE_NOOP("Pairfinder", "Mitspieler");
inline constexpr std::string_view LevelLabel = QT_TRANSLATE_NOOP("Pairfinder", "Stufe");
inline constexpr std::string_view PaceLabel = QT_TRANSLATE_NOOP("Pairfinder", "Tempo");
// The form's two buttons: take the players (as Enter does), or leave everything as it was (as Escape does).
inline constexpr std::string_view PlayersFormTake = QT_TRANSLATE_NOOP("Pairfinder", "Übernehmen");
inline constexpr std::string_view PlayersFormCancel = QT_TRANSLATE_NOOP("Pairfinder", "Abbrechen");
// "Name von Spieler 2"; against the computer the one person's field is "Dein Name".
std::string PlayerFieldLabel(Company who, int seat);
// A seat's line in the players' panel under its name: "3 Paare, 7 Versuche".
std::string SeatScoreLine(const Seat& seat);
// A seat's row as a reader hears it, the name whole: "Lena: 3 Paare, 7 Versuche, ist dran".
std::string SeatRowSpoken(const Seat& seat, bool toPlay);
// The mark beside the name of the seat whose turn it is, besides the words above the list: never colour alone.
inline constexpr std::string_view TurnMark = "▶";
// Said where the players' form arrives apart from the game (the page's, fetched the first time it is asked for) and
// cannot be fetched: offline before the page was ever kept for offline play.
inline constexpr std::string_view PlayersFormUnreachable =
    QT_TRANSLATE_NOOP("Pairfinder", "Die Mitspieler konnten nicht geladen werden. Bitte die Verbindung prüfen und es "
                                    "noch einmal versuchen.");

// --- What is said of a game together ---

// "Lena ist dran".
std::string TurnOfSpoken(const Seat& seat);
// A turn's outcome together: a pair found and the finder's pairs, "Zwei Sterne: ein Paar. Lena hat 3 Paare", or
// none found and who is next, "Pik und Stern: kein Paar. Tom ist dran"; `pair` is PairSpoken's.
std::string TogetherTurnSpoken(const std::string& pair, bool paired, const Seat& player, const Seat& next);
// A card the computer turns, where it lies and what it shows: "Computer: Reihe 2, Spalte 3, Pik".
std::string SeatCardSpoken(const Seat& seat, int row, int column, std::string_view face);
// Who won, said at the finish with "FERTIG!!": "Lena gewinnt mit 5 Paaren" ("mit 1 Paar"), or a shared win,
// "Unentschieden: Lena und Tom mit je 4 Paaren" ("Lena, Tom und Computer" for three).
std::string WinnerSpoken(const std::vector<Seat>& seats);
// The score on demand: every player's pairs and attempts and whose turn it is, "Lena: 3 Paare, 7 Versuche. Tom: 1
// Paar, 6 Versuche. Lena ist dran".
std::string ScoreSpoken(const std::vector<Seat>& seats, int turn);
// A player alone: "Versuche: 7. 3 von 32 Paaren gefunden".
std::string AloneScoreSpoken(int attempts, int found, int pairs);

}  // namespace pairfinder
