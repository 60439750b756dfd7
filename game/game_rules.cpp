// The rules of play: dealing a new game, applying a card click, judging the end of a game, and the
// player's choices of pictures and the saving of a result.
#include "game_rules.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "typed_names.h"

namespace pairfinder {

GameRules::GameRules(GameRequests& requests, SecondsClock clock)
    : GameRules(requests, RandomSource(std::move(clock))) {}

GameRules::GameRules(GameRequests& requests, RandomSource random)
    : Random(std::move(random)), Requests(requests) {}

void GameRules::Run(Command command, int number, const std::string& text) {
    if (Board.IsReleased()) return;
    Pressing = true;
    try {
        switch (command) {
            case Command::NewGame:
                NewGame();
                break;
            case Command::End:
                Release();
                Requests.Close();
                break;
            case Command::Save:
                // A game together ranks nobody in the table of one player's attempts.
                if (!Together()) SaveResult(text);
                break;
            case Command::ChooseBack:
                Requests.ShowChoice(command, number);
                ChooseBack(number - 1);
                break;
            case Command::ChooseFaceSet:
                Requests.ShowChoice(command, number);
                ChooseFaceSet(number - 1);
                break;
            case Command::TurnCard:
                // A card pressed at this screen during the computer's turn is not the press of the seat to play.
                if (PersonsTurn()) CardClicked(number);
                break;
            case Command::ChooseBoard:
                ChooseBoard(number - 1);
                break;
            case Command::ChooseOwnDeck:
                ChooseOwnDeck();
                break;
            case Command::ComposeDeck:
                Requests.ComposeDeck();
                break;
            case Command::SaveDeck:
                if (Requests.HasOwnDeck()) Requests.SaveDeck();
                break;
            case Command::OpenDeck:
                Requests.OpenDeck();
                break;
            case Command::ChoosePlayers:
                ChoosePlayers(number, text);
                break;
            case Command::ComputerMove:
                ComputerMoves(number);
                break;
            case Command::ChooseLanguage:
                ChooseLanguage(number);
                break;
            case Command::SayScore:
                if (Together()) {
                    Say(ScoreSpoken(Seats, Turn));
                } else {
                    const auto found = std::count(Board.Matched.begin(), Board.Matched.end(), std::uint8_t{1}) / 2;
                    Say(AloneScoreSpoken(Board.Attempts, static_cast<int>(found), Board.CardCount / 2));
                }
                break;
            case Command::None:
                break;
        }
    } catch (...) {
        Announce();
        throw;
    }
    Announce();
}

void GameRules::Say(std::string_view part) {
    JoinSpoken(Spoken, part);
    if (!Pressing) Announce();
}

void GameRules::Announce() {
    Pressing = false;
    if (Spoken.empty()) return;
    const std::string text = std::exchange(Spoken, {});
    Requests.Announce(text);
}

void GameRules::NewGame() {
    if (Board.IsReleased()) return;

    RankedPlace.reset();
    // A move of the computer asked for in the game before is void.
    ++ComputerMoveAsked;
    Requests.HideOutcome();
    std::fill(Board.Matched.begin(), Board.Matched.end(), std::uint8_t{0});
    std::fill(Board.FaceUp.begin(), Board.FaceUp.end(), std::uint8_t{0});
    ShuffleDeck();
    // Drawn after the deal, so that a game against the computer deals as any other.
    if (Players.Who == Company::Computer) Computer.Seed(static_cast<std::uint32_t>(Random.RandomBelow(0x7fffffff)));
    Record.Deal(Board.Size);
    Board.Attempts = 0;
    Requests.ShowAttempts(0);
    Requests.ShowBacks();
    Board.CardOpen = false;
    if (Together()) {
        for (Seat& seat : Seats) seat = {seat.Name, seat.Kind, 0, 0};
        Turn = 0;
        Requests.ShowPlayers(Seats, Turn);
    }
    Requests.LoadHighscores();
    Requests.ShowHighscoreMenu();
}

void GameRules::StartFirstGame() {
    std::exception_ptr failure;
    const auto keepFirst = [&failure] {
        if (!failure) failure = std::current_exception();
    };
    // The language first, so that everything the start shows is in it.
    try {
        StartInStoredLanguage();
    } catch (...) {
        keepFirst();
    }
    for (std::size_t i = 0; i < std::size(Languages); ++i) {
        if (Languages[i].Code == Speaking.Code) Requests.ShowChoice(Command::ChooseLanguage, static_cast<int>(i) + 1);
    }
    Requests.ShowChoice(Command::ChooseBack, Board.BackIndex() + 1);
    Requests.ShowChoice(Command::ChooseFaceSet, Board.FaceSetIndex() + 1);
    try {
        StartOnStoredBoard();
    } catch (...) {
        keepFirst();
    }
    // Who played last plays again; a damaged choice leaves the player alone, and writes nothing.
    try {
        if (const std::optional<PlayersChoice> players = Requests.LoadPlayers()) {
            Remembered = *players;
            TakePlayers(*players);
        }
    } catch (...) {
        keepFirst();
    }
    Requests.ShowChoice(Command::ChoosePlayers, static_cast<int>(Players.Who) + 1);
    // The own deck, when the player left it in play, is loaded before the deal, which draws from its pictures and
    // needs a board it fills; a damaged one leaves the first face set, as a player who never chose it has.
    bool ownDeck = false;
    bool faceSetLoaded = false;
    try {
        ownDeck = Requests.LoadOwnDeckInUse();
        if (ownDeck) LoadOwnDeck();
        faceSetLoaded = ownDeck;
    } catch (...) {
        keepFirst();
        if (ownDeck) {
            UseFirstFaceSet();
            faceSetLoaded = true;
        }
        ownDeck = false;
    }
    if (ownDeck) {
        const std::optional<BoardSize> filled = LargestBoardFilled(Board.FacePictures);
        if (filled && !Fills(Board.FacePictures, Board.Size)) Board.Resize(*filled);
    }
    Requests.ShowChoice(Command::ChooseBoard, MenuNumberOf(Board.Size));
    Requests.ShowBoard();
    if (ownDeck) ShowBoardsFilled();
    try {
        NewGame();
    } catch (...) {
        // A damaged board choice is said first: it is why the board is not the one the player left.
        keepFirst();
    }
    if (!faceSetLoaded) Requests.LoadFaceSet();
    NextComputerMove();
    // A deck is saved only once there is one.
    Requests.EnableCommand(Command::SaveDeck, Requests.HasOwnDeck());
    if (failure) std::rethrow_exception(failure);
}

void GameRules::LoadOwnDeck() {
    Board.SelectFaceSet(-1);
    Requests.LoadFaceSet();
    Board.FacePictures = Requests.FaceCount();
    // A deck is kept only with enough pictures for the smallest board; one that holds fewer is damaged.
    if (!LargestBoardFilled(Board.FacePictures)) throw std::runtime_error(Tr(OwnDeckTooSmall));
    Requests.ShowChoice(Command::ChooseFaceSet, 0);
    Requests.ShowChoice(Command::ChooseOwnDeck, 1);
}

void GameRules::UseFirstFaceSet() {
    Board.SelectFaceSet(0);
    Board.FacePictures = GameBoard::MostPairs;
    Requests.ShowChoice(Command::ChooseFaceSet, 1);
    Requests.ShowChoice(Command::ChooseOwnDeck, 0);
    Requests.LoadFaceSet();
    ShowBoardsFilled();
}

void GameRules::ShowBoardsFilled() {
    for (std::size_t i = 0; i < BoardSizes.size(); ++i) {
        Requests.EnableChoice(Command::ChooseBoard, static_cast<int>(i) + 1,
                              Fills(Board.FacePictures, BoardSizes[i]));
    }
}

void GameRules::StartOnStoredBoard() {
    const std::optional<int> pairs = Requests.LoadBoard();
    if (!pairs) return;
    // The store passes on only the boards there are; anything else it raises as damaged.
    if (const std::optional<BoardSize> board = BoardOfPairs(*pairs)) Board.Resize(*board);
}

void GameRules::ShuffleDeck() {
    // The second card of pair j lies half a board further on.
    const std::int32_t half = Board.CardCount / 2;
    Random.SeedRandom();
    // A board smaller than the face set deals a selection of its pictures, drawn anew every game from the same
    // source as the mixing, so that a second still gives one deal. A board the set fills exactly, such as the full
    // board with a built-in set, deals every picture in order and draws nothing for it, which keeps the full
    // board's deals as they always were.
    const std::int32_t pictures = Board.FacePictures;
    std::vector<std::int32_t> faces(static_cast<std::size_t>(std::max(half, pictures)));
    for (std::size_t j = 0; j < faces.size(); ++j) faces[j] = static_cast<std::int32_t>(j);
    if (half < pictures) {
        for (std::int32_t j = 0; j < half; ++j) {
            const std::int32_t pick = j + Random.RandomBelow(pictures - j);
            std::swap(faces[static_cast<std::size_t>(j)], faces[static_cast<std::size_t>(pick)]);
        }
    }
    for (std::int32_t j = 0; j < half; ++j) {
        Board.PairOf[static_cast<std::size_t>(j)] = faces[static_cast<std::size_t>(j)];
        Board.PairOf[static_cast<std::size_t>(j + half)] = faces[static_cast<std::size_t>(j)];
    }

    // At least one step of exchanges: a deal left unmixed shows its pairs in two matching halves.
    const std::int32_t steps = 1 + Random.RandomBelow(9);
    for (std::int32_t i = 0; i < ExchangesPerStep * steps; ++i) {
        const auto a = static_cast<std::size_t>(Random.RandomBelow(Board.CardCount));
        const auto b = static_cast<std::size_t>(Random.RandomBelow(Board.CardCount));
        std::swap(Board.PairOf[a], Board.PairOf[b]);
    }
}

void GameRules::CardClicked(std::int32_t p) {
    if (!Board.IsPosition(p)) return;
    const auto at = static_cast<std::size_t>(p);
    // A removed card's cell takes no click; a key or a tap that still reaches it (a front end that has not yet
    // drawn the pair gone) must neither open a turn with it nor count it.
    if (Board.FaceUp[at] || Board.Matched[at]) return;
    // Whatever is turned face up is seen by everyone at the table, the computer too.
    Record.Shown(p, Board.PairOf[at]);
    // The computer's cards are said with where they lie, so that a player who hears the game can follow them.
    const auto cardSaid = [this, p] {
        const Seat& seat = Seats[static_cast<std::size_t>(Turn)];
        return SeatCardSpoken(seat, p / Board.Size.Columns + 1, p % Board.Size.Columns + 1, FaceName(p).Singular);
    };

    if (Board.CardOpen) {
        const auto first = static_cast<std::size_t>(Board.FirstCard);
        const bool paired = Board.PairOf[first] == Board.PairOf[at];
        if (paired) {
            Board.Matched[at] = 1;
            Board.Matched[first] = 1;
            Requests.ShowBacks();
        }
        Board.CardOpen = false;
        Board.Attempts = Board.Attempts + 1;
        Requests.ShowAttempts(Board.Attempts);
        Record.TurnEnded(Board.FirstCard, p, paired);
        if (ComputerTurning) Say(cardSaid());
        if (Together()) {
            TurnPlayed(Board.FirstCard, p, paired);
        } else {
            Say(TurnSpoken(FaceName(Board.FirstCard), FaceName(p), paired, Board.Attempts));
        }
        Board.FirstCard = -1;
        CheckFinished();
    } else {
        Board.FirstCard = p;
        Record.Opened(p);
        Requests.ShowBacks();
        Board.CardOpen = true;
        std::fill(Board.FaceUp.begin(), Board.FaceUp.end(), std::uint8_t{0});
    }

    if (!Board.Matched[at]) {
        Requests.ShowFace(p);
        Board.FaceUp[at] = 1;
        // The first card of a turn is said by its face; the second is said with what the turn came to.
        if (Board.CardOpen) Say(ComputerTurning ? cardSaid() : std::string(FaceName(p).Singular));
    }
    NextComputerMove();
}

void GameRules::TurnPlayed(std::int32_t first, std::int32_t second, bool paired) {
    Seat& player = Seats[static_cast<std::size_t>(Turn)];
    player.Attempts += 1;
    if (paired) player.Pairs += 1;
    // A pair found gives the finder another turn; a miss passes the turn on, its cards open until the next player's
    // first card.
    if (!paired) Turn = (Turn + 1) % static_cast<int>(Seats.size());
    Say(TogetherTurnSpoken(PairSpoken(FaceName(first), FaceName(second), paired), paired, player,
                           Seats[static_cast<std::size_t>(Turn)]));
    Requests.ShowPlayers(Seats, Turn);
}

bool GameRules::PersonsTurn() const {
    return !Together() || Seats[static_cast<std::size_t>(Turn)].Kind == SeatKind::Person;
}

void GameRules::NextComputerMove() {
    if (Board.IsReleased() || PersonsTurn() || IsFinished()) return;
    Requests.WaitForComputer(PaceMilliseconds(Players.Speed), ++ComputerMoveAsked);
}

void GameRules::ComputerMoves(int move) {
    if (move != ComputerMoveAsked || PersonsTurn() || IsFinished()) return;
    const int p = Computer.ChooseCard(Record);
    ComputerTurning = true;
    try {
        CardClicked(p);
    } catch (...) {
        ComputerTurning = false;
        throw;
    }
    ComputerTurning = false;
}

PictureName GameRules::FaceName(std::int32_t p) const {
    return Requests.FaceName(Board.PairOf[static_cast<std::size_t>(p)]);
}

void GameRules::CheckFinished() {
    if (!IsFinished()) return;
    if (Together()) {
        const std::string winner = WinnerSpoken(Seats);
        Requests.ShowWinner(winner);
        Say(winner);
        return;
    }
    Requests.ShowOutcome(Highscores.Qualifies(Board.Attempts));
}

bool GameRules::IsFinished() const {
    if (Board.IsReleased()) return false;
    for (std::int32_t p = 0; p < Board.CardCount; ++p) {
        if (!Board.Matched[static_cast<std::size_t>(p)]) return false;
    }
    return true;
}

void GameRules::ChooseBack(int index) {
    if (Board.IsReleased()) return;
    Board.SelectBack(index);
    Requests.ShowBacks();
    NewGame();
}

void GameRules::ChooseFaceSet(int index) {
    if (Board.IsReleased()) return;
    const bool leavesOwnDeck = Board.OwnDeckInUse();
    Board.SelectFaceSet(index);
    Board.FacePictures = GameBoard::MostPairs;
    // The faces are in place before the deal, so no card of the new game can show the old set.
    Requests.LoadFaceSet();
    if (leavesOwnDeck) {
        Requests.ShowChoice(Command::ChooseOwnDeck, 0);
        ShowBoardsFilled();
    }
    NewGame();
    if (leavesOwnDeck) Requests.StoreOwnDeckInUse(false);
}

void GameRules::ChooseOwnDeck() {
    if (Board.IsReleased()) return;
    if (!Requests.HasOwnDeck()) {
        Requests.ComposeDeck();
        return;
    }
    try {
        LoadOwnDeck();
    } catch (...) {
        // A damaged deck is said, and the first face set played; nothing of it is touched, nor is the choice kept.
        UseFirstFaceSet();
        NewGame();
        throw;
    }
    ShowBoardsFilled();
    Requests.EnableCommand(Command::SaveDeck, true);
    // A deck too small for the board in play is played on the largest board it fills, which is said.
    const bool fitted = !Fills(Board.FacePictures, Board.Size);
    if (fitted) LayBoard(*LargestBoardFilled(Board.FacePictures));
    NewGame();
    if (fitted) {
        Say(OwnDeckBoardSpoken(Board.FacePictures, Board.Size));
        Requests.StoreBoard();
    }
    Requests.StoreOwnDeckInUse(true);
}

void GameRules::ChooseBoard(int index) {
    if (Board.IsReleased() || index < 0 || static_cast<std::size_t>(index) >= BoardSizes.size()) return;
    const BoardSize& board = BoardSizes[static_cast<std::size_t>(index)];
    // A board the face set in play does not fill is disabled in the menu, and a press that reaches it anyway is
    // ignored.
    if (!Fills(Board.FacePictures, board)) return;
    LayBoard(board);
    NewGame();
    Say(NewBoardSpoken(board));
    Requests.StoreBoard();
}

void GameRules::LayBoard(const BoardSize& board) {
    Requests.ShowChoice(Command::ChooseBoard, MenuNumberOf(board));
    Board.Resize(board);
    RankedPlace.reset();
    // Each board keeps a table of its own: one the store does not hold yet starts empty, never as another
    // board's.
    Highscores = HighscoreTable{};
    Requests.ShowBoard();
}

void GameRules::TableChanged() {
    if (Board.IsReleased()) return;
    RankedPlace.reset();
    // The table as stored now: a store that holds none leaves it empty, not as this board last had it.
    Highscores = HighscoreTable{};
    Requests.LoadHighscores();
    Requests.ShowHighscoreMenu();
}

void GameRules::SaveResult(const std::string& name) {
    if (Board.IsReleased()) return;
    if (RankedPlace) {
        // The table in memory still holds this result from a save that failed: only the name may
        // have changed since.
        if (*RankedPlace >= 0) Highscores.HighscoreName[static_cast<std::size_t>(*RankedPlace)] = name;
    } else {
        RankedPlace = Highscores.InsertHighscore(name, Board.Attempts);
    }
    Requests.StoreHighscores();
    NewGame();
}

void GameRules::ChoosePlayers(int number, const std::string& text) {
    if (Board.IsReleased() || number < 1 || static_cast<std::size_t>(number) > CompanyCaptions.size()) return;
    const auto who = static_cast<Company>(number - 1);
    std::optional<PlayersChoice> choice;
    if (who == Company::Alone) {
        choice = Remembered;
        choice->Who = Company::Alone;
    } else if (text.empty()) {
        Requests.AskPlayers(Offered(who));
        return;
    } else {
        // A form judges its names before it hands them on; an answer that is not a form's changes nothing.
        choice = ReadPlayersText(who, text);
        if (!choice) return;
        // The names just taken come first, then those used before that are none of them, so that no name is kept
        // twice (a name kept twice would refuse the stored choice at the next start).
        std::vector<std::string> names = choice->Names;
        for (const std::string& before : Remembered.Names) {
            const bool taken = std::any_of(names.begin(), names.end(),
                                           [&before](const std::string& name) { return Folded(name) == Folded(before); });
            if (!taken && names.size() < static_cast<std::size_t>(PeopleOf(Company::Four))) names.push_back(before);
        }
        Remembered.Names = names;
        Remembered.Strength = choice->Strength;
        Remembered.Speed = choice->Speed;
        // The names of every seat used before stay offered, whoever plays now.
        choice->Names = Remembered.Names;
    }
    TakePlayers(*choice);
    Requests.ShowChoice(Command::ChoosePlayers, number);
    NewGame();
    if (Together()) Say(TurnOfSpoken(Seats.front()));
    Requests.StorePlayers(Together() ? *choice : Remembered);
    NextComputerMove();
}

void GameRules::TakePlayers(const PlayersChoice& choice) {
    const bool wasTogether = Together();
    Players = choice;
    Seats = SeatsOf(choice);
    Turn = 0;
    Computer.SetLevel(choice.Strength);
    if (wasTogether && !Together()) Requests.ShowPlayers({}, 0);
}

PlayersChoice GameRules::Offered(Company who) const {
    PlayersChoice offered = Remembered;
    offered.Who = who;
    offered.Names.resize(static_cast<std::size_t>(PeopleOf(who)));
    for (std::size_t i = 0; i < offered.Names.size(); ++i) {
        if (offered.Names[i].empty()) offered.Names[i] = OfferedPlayerName(static_cast<int>(i));
    }
    return offered;
}

void GameRules::StartInStoredLanguage() {
    const Language system = LanguageFor(Requests.SystemLanguages());
    std::optional<Language> chosen;
    try {
        if (const std::optional<std::string> stored = Requests.LoadLanguage()) chosen = LanguageOf(*stored);
    } catch (...) {
        // A damaged choice leaves the system's language in play, and is said once the game has started.
        Speaking = system;
        if (Speaking.Code != Languages[0].Code) Requests.ApplyLanguage(Speaking.Code);
        throw;
    }
    Speaking = chosen.value_or(system);
    // German is in play before the first word; another language is put in play before it.
    if (Speaking.Code != Languages[0].Code) Requests.ApplyLanguage(Speaking.Code);
}

void GameRules::ChooseLanguage(int number) {
    if (Board.IsReleased() || number < 1 || static_cast<std::size_t>(number) > std::size(Languages)) return;
    Speaking = Languages[static_cast<std::size_t>(number) - 1];
    Requests.ApplyLanguage(Speaking.Code);
    Requests.ShowChoice(Command::ChooseLanguage, number);
    ShowTextsAnew();
    Say(LanguageChosenSpoken(Speaking));
    Requests.StoreLanguage(Speaking.Code);
}

void GameRules::ShowTextsAnew() {
    // The cards keep where they lie and what lies open; only their words change.
    Requests.ShowBacks();
    for (std::int32_t p = 0; p < Board.CardCount; ++p) {
        if (Board.FaceUp[static_cast<std::size_t>(p)] && !Board.Matched[static_cast<std::size_t>(p)])
            Requests.ShowFace(p);
    }
    Requests.ShowHighscoreMenu();
    if (Together()) Requests.ShowPlayers(Seats, Turn);
    // The outcome's own labels are the front end's words; who won is the rules'.
    if (Together() && IsFinished()) Requests.ShowWinner(WinnerSpoken(Seats));
}

}  // namespace pairfinder
