// A list of equally sized card pictures, addressed by a 0-based index, that draws them into card cells at the card
// size of the board in play.
#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "card_metrics.h"
#include "pictures.h"
#include "spoken_text.h"

namespace pairfinder {

class CardCell;

// A photo of the player's own deck as its card shows it at a card side: on the built-in faces' card, in device
// pixels scaled down once from the deck's picture.
QPixmap OwnCardPicture(const QImage& photo, int side, qreal devicePixelRatio);

class PictureList : public QObject {
    Q_OBJECT

public:
    // The full board's card side, which a list draws at until it is told another.
    static constexpr int PictureSize = metrics::CardSize;

    // An empty list; `AddCopiesOf` fills it.
    explicit PictureList(QObject* parent = nullptr);
    // A list of the compiled-in pictures of the picture table, each rendered at `devicePixelRatio` the first
    // time it is drawn at a card side, so start-up pays only for the pictures it shows at the size it shows them; a card drawn from it `shows` a face
    // by the picture's name, or its back.
    PictureList(std::span<const pictures::Picture> pictures, CardView shows, qreal devicePixelRatio,
                QObject* parent = nullptr);
    // A list of the player's own pictures, the faces of an own deck, each heard by the name the player gave it;
    // each is scaled from its picture the first time it is drawn at a card side.
    PictureList(const std::vector<QImage>& pictures, const std::vector<std::string>& names, qreal devicePixelRatio,
                QObject* parent = nullptr);

    int Count() const { return static_cast<int>(Pictures.size()); }
    // The side of the cards it draws, in device-independent pixels.
    int CardSide() const { return Side; }
    void SetCardSide(int side) { Side = side; }
    // Picture `index` at the list's card side. Null for an index outside the list.
    QPixmap Picture(int index) const;
    // The name of picture `index` in the language in play; empty for an index outside the list.
    PictureName Name(int index) const;
    // True once the list has held at least one picture, even if it was cleared since.
    bool HasEverHeld() const { return EverHeld; }

    void Clear();
    // Appends the pictures of `source` in order. Copies share the source's pictures, rendered once for both.
    void AddCopiesOf(const PictureList& source);

    // Replaces the cell's picture with picture `index`, and what the cell shows with it: a face of that name,
    // or a back. A list that never held a picture leaves the cell blank; otherwise the cell gets a full-size
    // picture, empty where the index has none.
    void Draw(int index, CardCell& cell) const;

private:
    // One picture, rendered at each card side on first use there.
    struct Entry {
        // A compiled-in drawing, or else a picture of the player's.
        QString Path;
        QImage Photo;
        // The name an own picture is heard by, which Name reads.
        std::string OwnName;
        qreal DevicePixelRatio = 1.0;
        // By card side; a board is drawn at one side, so this holds one or two.
        std::vector<std::pair<int, QPixmap>> Rendered;
        // In German, as the drawing names it.
        PictureName Name{};
        CardView Shows = CardView::Hidden;
    };
    // The name a cell shows and a reader hears: a built-in picture's in the language in play.
    static PictureName Shown(const Entry& entry);

    std::vector<std::shared_ptr<Entry>> Pictures;
    int Side = PictureSize;
    bool EverHeld = false;
    mutable QPixmap Blank;
};

}  // namespace pairfinder
