// The form in which a player composes an own deck from photos: each photo imported in turn, with its progress shown
// and a way out; every file that cannot be used named with why; each picture shown as its card will look, with a
// field for the name it is heard by. "Übernehmen" keeps the deck whole or not at all.
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "own_deck.h"
#include "words.h"

#include "own_deck_store.h"
#include "photo_import.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace pairfinder {

class DeckComposer : public QDialog {
    Q_OBJECT

public:
    DeckComposer(QStringList files, OwnDeckStore store, QWidget* parent = nullptr);
    // A deck opened from a deck file, its pictures already checked: the form shows it with its names filled in,
    // and taking it keeps its pictures byte for byte.
    DeckComposer(const deck::OwnDeck& opened, std::vector<QByteArray> jpegs, OwnDeckStore store,
                 QWidget* parent = nullptr);

    // The form's own texts, as the catalogues write them in German.
    static constexpr const char* Title = QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck zusammenstellen");
    static constexpr const char* Take = QT_TRANSLATE_NOOP("Pairfinder", "Übernehmen");
    static constexpr const char* Cancel = QT_TRANSLATE_NOOP("Pairfinder", "Abbrechen");

    // The fields of the pictures taken, in the deck's order.
    const std::vector<QLineEdit*>& NameFields() const { return Fields; }

private:
    // The form's pages and buttons, the same for photos and for a deck file.
    void Build();
    void ImportNext();
    void ShowNames();
    // Checks the names, says next to each field what is wrong with it, and stores the deck when nothing is.
    void TakeDeck();

    QStringList Files;
    // The names filled in for a deck file's pictures; empty when photos are composed.
    std::vector<std::string> OpenedNames;
    // The name a deck composed from photos is kept and saved by, in the language it was composed in.
    std::string DeckName = Tr(QT_TRANSLATE_NOOP("Pairfinder", "Eigenes Deck"));
    OwnDeckStore Store;
    PhotoImporter Importer;
    int Next = 0;

    struct Taken {
        QString File;
        ImportedPhoto Photo;
    };
    std::vector<Taken> Photos;
    QStringList Refusals;

    QStackedWidget* Pages = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* ProgressText = nullptr;
    QTimer* Step = nullptr;
    QVBoxLayout* NamesPage = nullptr;
    QLabel* Summary = nullptr;
    QDialogButtonBox* Buttons = nullptr;
    QPushButton* TakeButton = nullptr;
    std::vector<QLineEdit*> Fields;
    std::vector<QLabel*> Faults;
};

}  // namespace pairfinder
