// The game's one window, TForm1: its controls, menu and picture lists, and the handlers that bind them to the
// rules. The controls keep the layout's names; docs/glossary.md says what each one is.
#pragma once

#include <QHash>
#include <QLocale>
#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame_fit.h"
#include "game_requests.h"
#include "game_rules.h"
#include "own_deck_store.h"
#include "qt_text.h"
#include "window_layout.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QScrollArea;
class QTimer;
class QTranslator;

namespace pairfinder {

class Announcer;
class CardCell;
class CardGrid;
class PictureList;

// Where the highscore tables and the chosen board are read from and written to; the window uses the registry
// store unless a test hands it another.
struct HighscoreStorage {
    std::function<void(HighscoreTable&, const BoardSize&)> Load;
    std::function<void(const HighscoreTable&, const BoardSize&)> Store;
    std::function<std::optional<int>()> LoadBoard;
    std::function<void(const BoardSize&)> StoreBoard;
    // Whether the own deck is in play: none kept (a built-in set) unless these are given.
    std::function<bool()> LoadOwnDeck;
    std::function<void(bool)> StoreOwnDeck;
    // Who plays: alone (nothing kept) unless these are given.
    std::function<std::optional<PlayersChoice>()> LoadPlayers;
    std::function<void(const PlayersChoice&)> StorePlayers;
    // The language chosen: none kept (the system's) unless these are given.
    std::function<std::optional<std::string>()> LoadLanguage;
    std::function<void(std::string_view)> StoreLanguage;

    static HighscoreStorage Registry();
};

// The languages a player's system asks for, in its order, as BCP 47 tags; a test gives its own.
using LanguagesAsked = std::function<std::vector<std::string>()>;
std::vector<std::string> SystemUiLanguages();

class TForm1 : public QMainWindow, public GameRequests {
    Q_OBJECT

public:
    // The clock seeds every deal; a test gives one of its own to know each deal in advance, and the languages its
    // system asks for.
    explicit TForm1(HighscoreStorage storage = HighscoreStorage::Registry(), SecondsClock clock = SystemSeconds,
                    LanguagesAsked languages = SystemUiLanguages);
    ~TForm1() override;

    const GameBoard& Board() const { return Game.Board; }
    const HighscoreTable& Highscores() const { return Game.Highscores; }

    // Requests of the game rules.
    void HideOutcome() override;
    void ShowAttempts(int n) override;
    void ShowBacks() override;
    void ShowFace(int p) override;
    void ShowOutcome(bool qualifies) override;
    void LoadHighscores() override;
    void ShowHighscoreMenu() override;
    void LoadFaceSet() override;
    void StoreHighscores() override;
    void ShowChoice(layout::Command choice, int k) override;
    void Close() override;
    PictureName FaceName(int pair) const override;
    void Announce(const std::string& text) override;
    void ShowBoard() override;
    std::optional<int> LoadBoard() override;
    void StoreBoard() override;
    void EnableChoice(layout::Command choice, int k, bool enabled) override;
    int FaceCount() const override;
    bool HasOwnDeck() const override;
    void ComposeDeck() override;
    bool LoadOwnDeckInUse() override;
    void StoreOwnDeckInUse(bool inUse) override;
    void EnableCommand(layout::Command command, bool enabled) override;
    void SaveDeck() override;
    void OpenDeck() override;
    void AskPlayers(const PlayersChoice& offered) override;
    void ShowPlayers(const std::vector<Seat>& seats, int turn) override;
    void WaitForComputer(int milliseconds, int move) override;
    void ShowWinner(const std::string& winner) override;
    std::optional<PlayersChoice> LoadPlayers() override;
    void StorePlayers(const PlayersChoice& choice) override;
    std::vector<std::string> SystemLanguages() const override;
    void ApplyLanguage(std::string_view code) override;
    std::optional<std::string> LoadLanguage() override;
    void StoreLanguage(std::string_view code) override;

    // Composes an own deck from these photos in the naming form; once the player takes it and it is stored
    // whole, it is played.
    void ComposeFrom(const QStringList& files);
    // Shows the deck a deck file carries in the naming form, once the window is shown and the press or drop that
    // brought it has been handled; a file that is no deck is said in the error box, and nothing changes.
    void OpenDeckFileLater(const QString& path);

    // Drawing of the cards.
    void ShowBack(CardCell& cell);

    // Handlers.
    void OnCreate();
    void OnClick(int p);
    void OnClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Photos dropped onto the window compose an own deck, as the file dialog's do.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OpenDeckFile(const QString& path);
    void WriteDeckFileTo(const QString& path) const;

private:
    void BuildLayout();
    void BuildClientArea();
    void PlaceCells();
    void PlaceControls();
    void KeepEntriesOnTop();
    void BindControls();
    // A control the layout placed, by the name it gave it.
    template <typename Widget>
    Widget* Control(std::string_view name) const {
        return qobject_cast<Widget*>(Placed.value(QtText(name)));
    }
    CardCell& Cell(int p) const;
    // Every word the window shows of its own, in the language in play: the menus, the controls' captions, and what
    // a reader is told of the cards.
    void ShowWordsAnew();
    // The application's and the window's locale in the language of `code`: a screen reader picks its voice by it.
    void SpeakIn(std::string_view code);
    void FitCountLabel();
    // The labels of a finished game's outcome, fitted to their text the first time they are shown.
    void FitOutcomeLabels();
    void BuildMenu();
    // The items of the choice that carries out `choice`.
    std::vector<QAction*>& ChoiceItems(layout::Command choice);
    void BuildPictureLists();
    void ConnectHandlers();
    // Runs a handler inside the error guard; once the window has closed, queued events are dropped.
    void Handle(const std::function<void()>& handler);
    // Keeps the layout's outer size once the window manager has put its frame round the window.
    void FitFrame();
    void SettleFrame();

    QScrollArea* Scroller = nullptr;
    QWidget* Canvas = nullptr;
    // The cells' parent, which takes the keyboard for all of them.
    CardGrid* Grid = nullptr;
    // The controls the handlers reach; every other one by its name (`Control`).
    QLabel* lbl_ferdisch = nullptr;
    QLabel* lbl_Name = nullptr;
    QLineEdit* edt_Name = nullptr;
    QLabel* lbl_Looser = nullptr;
    QLabel* lbl_Count = nullptr;

    // Every control the layout table placed, by its name.
    QHash<QString, QWidget*> Placed;

    QMenuBar* MainMenu1 = nullptr;
    // One item per back picture, per face set and per board, in menu order: Blatt[0] is Blatt1.
    std::vector<QAction*> Blatt;
    std::vector<QAction*> Deck;
    std::vector<QAction*> Feld;
    std::vector<QAction*> Spieler;
    std::vector<QAction*> Sprachen;
    // The own deck's choice, checked while it is in play.
    QAction* EigenesDeck1 = nullptr;
    // The highscore table's places in the menu, place 1 first (Erster, Zweiter, Dritter), and the line above
    // them that says whose table it is.
    std::vector<QAction*> Places;
    QAction* Tabelle1 = nullptr;
    // Every menu item that does something, with what it does and its number in its group of choices.
    struct MenuCommand {
        QAction* Item = nullptr;
        layout::Command Does = layout::Command::None;
        int Number = 0;
    };
    std::vector<MenuCommand> Commands;
    // Every menu and item whose caption the layout gives, with its entry and its number in a choice (0 for none).
    struct MenuCaption {
        QAction* Item = nullptr;
        const layout::MenuEntry* Entry = nullptr;
        int Number = 0;
    };
    std::vector<MenuCaption> Captions;

    std::vector<PictureList*> MasterList;
    PictureList* FakeList = nullptr;
    PictureList* DeckblattList = nullptr;
    // The own deck's pictures while it is in play; loaded anew each time it is chosen.
    PictureList* OwnList = nullptr;
    OwnDeckStore OwnDecks;

    // Says what a handler did to a player who hears the game.
    Announcer* Speaker = nullptr;
    GameRules Game;
    HighscoreStorage Storage;
    LanguagesAsked Asked;
    // The catalogue of the language in play; none for German, the catalogues' own.
    QTranslator* Catalogue = nullptr;
    QLocale LocaleBefore;
    bool Closed = false;
    FrameFit Frames;
    QTimer* FrameSettle = nullptr;
};

}  // namespace pairfinder
