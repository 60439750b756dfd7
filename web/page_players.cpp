// The game's module's side of playing together in the page: the players' form's and panel's texts, and the form's
// answer judged by the rules. It is compiled without exception handling (web/CMakeLists.txt): nothing here throws (the
// page's memory does not grow, and running out of it stops the page), so its work on strings carries none of the
// landing pads that exceptions cost in the module's size.
#include "page_players.h"

#include <emscripten.h>

#include <algorithm>

namespace pairfinder::web {

namespace {

void Add(std::string& texts, const std::string& part) {
    texts += part;
    texts += Apart;
}

}  // namespace

std::string OfferedTexts(const PlayersChoice& offered) {
    std::string texts;
    for (std::size_t i = 0; i < offered.Names.size(); ++i) {
        Add(texts, offered.Names[i]);
        Add(texts, PlayerFieldLabel(offered.Who, static_cast<int>(i)));
    }
    return texts;
}

std::string SeatsTexts(const std::vector<Seat>& seats, int turn) {
    const auto toPlay = static_cast<std::size_t>(turn);
    std::string line;
    std::size_t at = 0;
    std::size_t name = 0;
    if (toPlay < seats.size()) {
        line = TurnOfSpoken(seats[toPlay]);
        at = line.find(seats[toPlay].Name);
        name = at == std::string::npos ? 0 : seats[toPlay].Name.size();
        at = std::min(at, line.size());
    }
    std::string texts;
    Add(texts, line.substr(0, at));
    Add(texts, line.substr(at, name));
    Add(texts, line.substr(at + name));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        Add(texts, seats[i].Name);
        Add(texts, SeatScoreLine(seats[i]));
        Add(texts, SeatRowSpoken(seats[i], i == toPlay));
    }
    return texts;
}

}  // namespace pairfinder::web

extern "C" {

// The players' form's answer for the `count` names typed: what is wrong with each name, a line each after a line
// break; when nothing is, the answer as the press of the company's item carries it (PlayersText), which does not
// start with one. `level` and `pace` are the numbers from 1 that the form's choices carry.
EMSCRIPTEN_KEEPALIVE const char* pf_players_answer(const char* const* names, int count, int level, int pace) {
    static std::string answer;
    pairfinder::PlayersChoice choice;
    for (int i = 0; i < count; ++i) choice.Names.push_back(names[i]);
    choice.Strength = static_cast<pairfinder::Level>(level - 1);
    choice.Speed = static_cast<pairfinder::Pace>(pace - 1);
    bool faulty = false;
    answer.clear();
    for (const std::string& fault : pairfinder::PlayerNameFaults(choice.Names)) {
        answer += '\n';
        answer += fault;
        faulty = faulty || !fault.empty();
    }
    if (!faulty) answer = pairfinder::PlayersText(choice);
    return answer.c_str();
}
}
