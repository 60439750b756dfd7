// TForm1's event handlers and the requests of the game rules, as the window carries them out.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

#include "accessible_window.h"
#include "card_cell.h"
#include "card_grid.h"
#include "deck_composer.h"
#include "deck_file.h"
#include "main_window.h"
#include "picture_list.h"
#include "spoken_text.h"

namespace pairfinder {

namespace {

// The file dialogs' filters: each one's name, then its patterns, as Qt reads them.
constexpr const char* AllFiles = QT_TRANSLATE_NOOP("Pairfinder", "Alle Dateien (*)");

QString DeckFiles() {
    return Words(QT_TRANSLATE_NOOP("Pairfinder", "Pairfinder-Deck (%1)"))
        .arg(QLatin1Char('*') + QtText(deck::DeckFileExtension));
}

}  // namespace

void TForm1::OnCreate() {
    connect(Grid, &CardGrid::CardPressed, this, [this](int p) { Handle([this, p] { OnClick(p); }); });
    for (int p = 0; p < layout::CellCount; ++p) Cell(p).setEnabled(false);
    Game.StartFirstGame();
}

void TForm1::OnClick(int p) {
    // The keyboard goes on from the card last turned, however it was turned.
    Grid->SetCurrent(p);
    Game.Run(layout::Command::TurnCard, p);
}

CardCell& TForm1::Cell(int p) const {
    return *Grid->Cell(p);
}

void TForm1::ShowChoice(layout::Command choice, int k) {
    if (choice == layout::Command::ChooseOwnDeck) {
        EigenesDeck1->setChecked(k == 1);
        return;
    }
    const std::vector<QAction*>& group = ChoiceItems(choice);
    for (std::size_t i = 0; i < group.size(); ++i) group[i]->setChecked(static_cast<int>(i) + 1 == k);
}

void TForm1::Close() {
    close();
}

void TForm1::OnClose() {
    Game.Release();
    Closed = true;
}

void TForm1::HideOutcome() {
    for (const layout::Control& control : layout::Controls) {
        if (control.ShownWhen == layout::Outcome::None) continue;
        auto* widget = Control<QWidget>(control.Name);
        // Hidden with the focus, Save would hand it on to the next stop, the cards; it goes round to the
        // first stop instead, as it did before the cards took the keyboard.
        if (widget->hasFocus()) Control<QWidget>(layout::TabOrder.front())->setFocus(Qt::OtherFocusReason);
        widget->hide();
    }
}

void TForm1::ShowAttempts(int n) {
    lbl_Count->setText(QString::number(n));
    FitCountLabel();
    StatusChanged(*lbl_Count->parentWidget());
}

// Drawing replaces a cell's picture whole, so a cell is handed only its final picture: one that gets
// the pixmap it already shows is then not repainted, which keeps a redraw of the board cheap.
void TForm1::ShowBack(CardCell& cell) {
    const int back = Game.Board.BackIndex();
    if (back < 0) {
        cell.Discard();
        return;
    }
    DeckblattList->Draw(back, cell);
}

void TForm1::ShowBacks() {
    if (Game.Board.IsReleased()) return;
    for (int p = 0; p < Game.Board.CardCount; ++p) {
        CardCell& cell = Cell(p);
        if (Game.Board.Matched[static_cast<std::size_t>(p)]) {
            cell.Discard();
            cell.setEnabled(false);
        } else {
            ShowBack(cell);
            cell.setEnabled(true);
        }
    }
}

void TForm1::ShowFace(int p) {
    if (!Game.Board.IsPosition(p) || p >= layout::CellCount) return;
    FakeList->Draw(Game.Board.PairOf[static_cast<std::size_t>(p)], Cell(p));
}

void TForm1::LoadFaceSet() {
    FakeList->Clear();
    if (Game.Board.OwnDeckInUse()) {
        // Read from the disk each time it is chosen: composed anew, or altered since, it plays as it is kept.
        const OwnDeckLoad load = OwnDecks.Load();
        if (!load.Deck) {
            throw OwnDeckError(load.Fault.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Pairfinder", "Es gibt kein eigenes Deck."))
                                                    : load.Fault.toStdString());
        }
        std::vector<std::string> names;
        for (const deck::OwnPicture& picture : load.Deck->Pictures) names.push_back(picture.Name);
        delete OwnList;
        OwnList = new PictureList(load.Pictures, names, devicePixelRatioF(), this);
        OwnList->setObjectName(QStringLiteral("OwnList"));
        FakeList->AddCopiesOf(*OwnList);
        return;
    }
    const int set = Game.Board.FaceSetIndex();
    if (set < 0 || static_cast<std::size_t>(set) >= MasterList.size()) return;
    FakeList->AddCopiesOf(*MasterList[static_cast<std::size_t>(set)]);
}

void TForm1::ShowOutcome(bool qualifies) {
    FitOutcomeLabels();
    for (const layout::Control& control : layout::Controls) {
        if (!layout::ShownAtFinish(control.ShownWhen, qualifies)) continue;
        Control<QWidget>(control.Name)->show();
        if (control.Type == layout::Kind::Label) Game.Say(Tr(std::string(control.Caption).c_str()));
    }
    // A keyboard player, whose last pair has just left the grid, goes on in the name entry; a player who
    // clicked keeps the focus where it was.
    if (qualifies && Grid->hasFocus()) edt_Name->setFocus(Qt::OtherFocusReason);
}

PictureName TForm1::FaceName(int pair) const {
    return FakeList->Name(pair);
}

void TForm1::Announce(const std::string& text) {
    Speaker->Announce(QtText(text));
}

void TForm1::LoadHighscores() {
    if (Storage.Load) Storage.Load(Game.Highscores, Game.Board.Size);
}

void TForm1::StoreHighscores() {
    if (Storage.Store) Storage.Store(Game.Highscores, Game.Board.Size);
}

void TForm1::ShowBoard() {
    Grid->Lay(Game.Board.Size);
    // Each board's cards are drawn at their own size; a list renders a size the first time it is drawn at it.
    const int side = layout::CardSideOf(Game.Board.Size);
    for (PictureList* list : MasterList) list->SetCardSide(side);
    FakeList->SetCardSide(side);
    DeckblattList->SetCardSide(side);
}

std::optional<int> TForm1::LoadBoard() {
    return Storage.LoadBoard ? Storage.LoadBoard() : std::nullopt;
}

void TForm1::StoreBoard() {
    if (Storage.StoreBoard) Storage.StoreBoard(Game.Board.Size);
}

void TForm1::EnableChoice(layout::Command choice, int k, bool enabled) {
    const std::vector<QAction*>& group = ChoiceItems(choice);
    if (k >= 1 && static_cast<std::size_t>(k) <= group.size())
        group[static_cast<std::size_t>(k - 1)]->setEnabled(enabled);
}

int TForm1::FaceCount() const {
    return FakeList->Count();
}

bool TForm1::HasOwnDeck() const {
    return OwnDecks.IsKept();
}

void TForm1::ComposeDeck() {
    // The own deck's item checks itself when pressed; it stays as the deck in play says until a deck is composed.
    EigenesDeck1->setChecked(Game.Board.OwnDeckInUse());
    // The dialogs open once the press has been handled, so that the rules are not pressed again from inside it.
    QTimer::singleShot(0, this, [this] {
        if (Closed) return;
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const QString filters =
            Words(QT_TRANSLATE_NOOP("Pairfinder", "Bilder (%1)"))
                .arg(QStringLiteral("*.jpg *.jpeg *.png *.webp *.gif *.bmp *.heic *.heif *.JPG *.JPEG *.PNG")) +
            QStringLiteral(";;") + Words(AllFiles);
        const QStringList files =
            QFileDialog::getOpenFileNames(this, Words(DeckComposer::Title), pictures, filters);
        if (!files.isEmpty()) ComposeFrom(files);
    });
}

void TForm1::ComposeFrom(const QStringList& files) {
    if (Closed || files.isEmpty()) return;
    DeckComposer composer(files, OwnDecks, this);
    if (composer.exec() != QDialog::Accepted || Closed) return;
    Handle([this] { Game.Run(layout::Command::ChooseOwnDeck); });
}

void TForm1::EnableCommand(layout::Command command, bool enabled) {
    for (const MenuCommand& item : Commands) {
        if (item.Does == command) item.Item->setEnabled(enabled);
    }
}

bool TForm1::LoadOwnDeckInUse() {
    return Storage.LoadOwnDeck ? Storage.LoadOwnDeck() : false;
}

void TForm1::StoreOwnDeckInUse(bool inUse) {
    if (Storage.StoreOwnDeck) Storage.StoreOwnDeck(inUse);
}

void TForm1::SaveDeck() {
    QTimer::singleShot(0, this, [this] {
        if (Closed) return;
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QString path = QFileDialog::getSaveFileName(
            this, Words(QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck speichern")),
            documents + QLatin1Char('/') + Words(QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck")) +
                QtText(deck::DeckFileExtension),
            DeckFiles());
        if (path.isEmpty()) return;
        const QString extension = QtText(deck::DeckFileExtension);
        if (!path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
        Handle([this, path] { WriteDeckFileTo(path); });
    });
}

void TForm1::WriteDeckFileTo(const QString& path) const {
    const OwnDeckLoad load = OwnDecks.Load();
    if (!load.Deck) throw OwnDeckError(load.Fault.toStdString());
    std::vector<std::vector<unsigned char>> jpegs;
    for (const QByteArray& jpeg : load.Jpegs) jpegs.emplace_back(jpeg.begin(), jpeg.end());
    const std::vector<unsigned char> file = deck::WriteDeckFile(*load.Deck, jpegs);
    // Nothing written is said, and leaves a file there before as it was.
    if (file.empty()) throw OwnDeckError(deck::WriteFault());
    // Written beside and renamed into place: a file there before stays whole until the new one is.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size())) !=
            static_cast<qint64>(file.size()) ||
        !out.commit()) {
        throw OwnDeckError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Das Deck konnte nicht gespeichert werden: %1")),
                                  {out.errorString().toStdString()}));
    }
}

void TForm1::OpenDeck() {
    QTimer::singleShot(0, this, [this] {
        if (Closed) return;
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = QFileDialog::getOpenFileName(
            this, Words(QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck öffnen")), documents,
            DeckFiles() + QStringLiteral(";;") + Words(AllFiles));
        if (!path.isEmpty()) OpenDeckFile(path);
    });
}

void TForm1::OpenDeckFileLater(const QString& path) {
    QTimer::singleShot(0, this, [this, path] { OpenDeckFile(path); });
}

void TForm1::OpenDeckFile(const QString& path) {
    if (Closed) return;
    std::optional<deck::OwnDeck> opened;
    std::vector<QByteArray> jpegs;
    Handle([&] {
        const QFileInfo info(path);
        if (!info.isFile()) throw OwnDeckError(std::string(deck::NotADeckFile));
        if (info.size() > deck::LargestDeckFile) throw OwnDeckError(std::string(deck::DeckFileTooLarge));
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) throw OwnDeckError(std::string(deck::NotADeckFile));
        const QByteArray bytes = in.read(deck::LargestDeckFile + 1);
        deck::DeckFileRead read = deck::ReadDeckFile(
            {reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
        if (!read.Deck) throw OwnDeckError(read.Fault);
        // Each picture is decoded as the cards will draw it before the form shows it; one that is not a deck's
        // picture refuses the whole file.
        for (const std::vector<unsigned char>& picture : read.Pictures) {
            QByteArray jpeg(reinterpret_cast<const char*>(picture.data()), static_cast<qsizetype>(picture.size()));
            if (!IsDeckPicture(jpeg)) throw OwnDeckError(std::string(deck::DeckPictureDamaged));
            jpegs.push_back(std::move(jpeg));
        }
        opened = std::move(read.Deck);
    });
    if (!opened || Closed) return;
    DeckComposer composer(*opened, std::move(jpegs), OwnDecks, this);
    if (composer.exec() != QDialog::Accepted || Closed) return;
    Handle([this] { Game.Run(layout::Command::ChooseOwnDeck); });
}

namespace {

// The local files among what is dragged; none when anything else is among them.
QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        files.push_back(url.toLocalFile());
    }
    return files;
}

}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!Closed && !LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to end: the form opens after it. A deck file dropped alone is opened;
    // anything else is taken as photos.
    if (files.size() == 1 && files.front().endsWith(QtText(deck::DeckFileExtension), Qt::CaseInsensitive)) {
        OpenDeckFileLater(files.front());
        return;
    }
    QTimer::singleShot(0, this, [this, files] { ComposeFrom(files); });
}

void TForm1::ShowHighscoreMenu() {
    // A menu takes "&" as the mark of its accelerator letter; a player's name is shown as it was typed.
    const auto menuText = [](const std::string& caption) {
        return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    const std::string heading = HighscoreHeading(Game.Board.Size);
    Tabelle1->setText(menuText(heading));
    Tabelle1->setVisible(!heading.empty());
    const auto captions = Game.Highscores.HighscoreCaptions();
    for (std::size_t place = 0; place < Places.size() && place < captions.size(); ++place) {
        Places[place]->setText(menuText(captions[place]));
        // An empty line is skipped by the keyboard, so that a screen reader does not stop on a nameless item.
        Places[place]->setEnabled(!captions[place].empty());
    }
}

}  // namespace pairfinder
