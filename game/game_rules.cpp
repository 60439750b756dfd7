// The rules of play: dealing a new game, applying a card click, judging the end of a game, and the
// player's choices of pictures and the saving of a result.
#include "game_rules.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

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
                SaveResult(text);
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
                CardClicked(number);
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
    Requests.HideOutcome();
    std::fill(Board.Matched.begin(), Board.Matched.end(), std::uint8_t{0});
    std::fill(Board.FaceUp.begin(), Board.FaceUp.end(), std::uint8_t{0});
    ShuffleDeck();
    Board.Attempts = 0;
    Requests.ShowAttempts(0);
    Requests.ShowBacks();
    Board.CardOpen = false;
    Requests.LoadHighscores();
    Requests.ShowHighscoreMenu();
}

void GameRules::StartFirstGame() {
    Requests.ShowChoice(Command::ChooseBack, Board.BackIndex() + 1);
    Requests.ShowChoice(Command::ChooseFaceSet, Board.FaceSetIndex() + 1);
    std::exception_ptr failure;
    const auto keepFirst = [&failure] {
        if (!failure) failure = std::current_exception();
    };
    try {
        StartOnStoredBoard();
    } catch (...) {
        keepFirst();
    }
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
    // A deck is saved only once there is one.
    Requests.EnableCommand(Command::SaveDeck, Requests.HasOwnDeck());
    if (failure) std::rethrow_exception(failure);
}

void GameRules::LoadOwnDeck() {
    Board.SelectFaceSet(-1);
    Requests.LoadFaceSet();
    Board.FacePictures = Requests.FaceCount();
    // A deck is kept only with enough pictures for the smallest board; one that holds fewer is damaged.
    if (!LargestBoardFilled(Board.FacePictures)) throw std::runtime_error(std::string(OwnDeckTooSmall));
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
        Say(TurnSpoken(FaceName(Board.FirstCard), FaceName(p), paired, Board.Attempts));
        Board.FirstCard = -1;
        CheckFinished();
    } else {
        Board.FirstCard = p;
        Requests.ShowBacks();
        Board.CardOpen = true;
        std::fill(Board.FaceUp.begin(), Board.FaceUp.end(), std::uint8_t{0});
    }

    if (Board.Matched[at]) return;
    Requests.ShowFace(p);
    Board.FaceUp[at] = 1;
    // The first card of a turn is said by its face; the second is said with what the turn came to.
    if (Board.CardOpen) Say(FaceName(p).Singular);
}

PictureName GameRules::FaceName(std::int32_t p) const {
    return Requests.FaceName(Board.PairOf[static_cast<std::size_t>(p)]);
}

void GameRules::CheckFinished() {
    if (!IsFinished()) return;
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

}  // namespace pairfinder
