// The player's own deck kept in the application data folder: its pictures and its names file, replaced all or
// nothing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "own_deck.h"

namespace pairfinder {

// A deck that could not be stored, in the player's words; the deck stored before is still the one that loads.
class OwnDeckError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stored deck as it loaded: its names, each picture's bytes and pixels in the deck's order; or, when it
// is damaged, what is wrong with it. Neither when the player never stored one.
struct OwnDeckLoad {
    std::optional<deck::OwnDeck> Deck;
    std::vector<QByteArray> Jpegs;
    std::vector<QImage> Pictures;
    QString Fault;
};

class OwnDeckStore {
public:
    // "decks/own" in the application data folder.
    OwnDeckStore();
    explicit OwnDeckStore(QString folder);

    const QString& Folder() const { return DeckFolder; }

    // Stores the deck, each picture's JPEG in the deck's order under its file name, in place of the one
    // stored before. The new deck is whole on the disk before it takes the old one's place; when that cannot
    // be done, throws OwnDeckError and leaves the old deck as it was.
    void Replace(const deck::OwnDeck& deck, const std::vector<QByteArray>& jpegs) const;

    // Whether a deck is stored, whole or not: what Load would find something in.
    bool IsKept() const;

    // Reads and checks the stored deck; changes nothing on the disk, whatever it finds.
    OwnDeckLoad Load() const;

private:
    QString DeckFolder;
};

}  // namespace pairfinder
