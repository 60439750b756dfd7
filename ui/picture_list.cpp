// A list of equally sized card pictures, addressed by a 0-based index, that draws them into card cells at the card
// size of the board in play.
#include "picture_list.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <set>
#include <string>

#include "artwork.h"
#include "card_cell.h"

namespace pairfinder {

namespace {

// A built-in picture's name in the language in play. A cell keeps a view of the name it shows, so each name said is
// kept for as long as the program runs: a few hundred short texts for every language played.
PictureName InLanguage(const PictureName& german) {
    static std::set<std::string, std::less<>> said;
    const auto kept = [](std::string text) { return std::string_view(*said.insert(std::move(text)).first); };
    return {kept(Tr(std::string(german.Singular).c_str())),
            german.Plural.empty() ? std::string_view() : kept(Tr(std::string(german.Plural).c_str(), TwoOfIt))};
}

}  // namespace

QPixmap OwnCardPicture(const QImage& photo, int side, qreal devicePixelRatio) {
    const int pixels = qRound(side * devicePixelRatio);
    QPixmap card(pixels, pixels);
    card.fill(Qt::transparent);
    // The built-in faces' card, in their drawing's units of a 60th of the side: inset by 1, corners of 6, edged
    // in the same grey, so that a photo lies on the board as a face does.
    const qreal unit = pixels / 60.0;
    QPainterPath edge;
    edge.addRoundedRect(QRectF(unit, unit, 58 * unit, 58 * unit), 6 * unit, 6 * unit);
    QPainter painter(&card);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipPath(edge);
    painter.drawImage(QRectF(0, 0, pixels, pixels),
                      photo.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x9a, 0x94, 0x86), 1.2 * unit));
    painter.drawPath(edge);
    painter.end();
    card.setDevicePixelRatio(devicePixelRatio);
    return card;
}

PictureList::PictureList(QObject* parent) : QObject(parent) {}

PictureList::PictureList(std::span<const pictures::Picture> pictures, CardView shows, qreal devicePixelRatio,
                         QObject* parent)
    : QObject(parent), EverHeld(!pictures.empty()) {
    Pictures.reserve(pictures.size());
    for (const pictures::Picture& picture : pictures) {
        auto entry = std::make_shared<Entry>();
        entry->Path = artwork::PathOf(picture);
        entry->DevicePixelRatio = devicePixelRatio;
        entry->Name = {picture.Name, picture.Plural};
        entry->Shows = shows;
        Pictures.push_back(std::move(entry));
    }
}

PictureList::PictureList(const std::vector<QImage>& pictures, const std::vector<std::string>& names,
                         qreal devicePixelRatio, QObject* parent)
    : QObject(parent), EverHeld(!pictures.empty()) {
    for (std::size_t i = 0; i < pictures.size() && i < names.size(); ++i) {
        auto entry = std::make_shared<Entry>();
        entry->Photo = pictures[i];
        entry->OwnName = names[i];
        entry->Name = {entry->OwnName, {}};
        entry->DevicePixelRatio = devicePixelRatio;
        entry->Shows = CardView::Face;
        Pictures.push_back(std::move(entry));
    }
}

QPixmap PictureList::Picture(int index) const {
    if (index < 0 || index >= Count()) return {};
    Entry& entry = *Pictures[static_cast<std::size_t>(index)];
    for (const auto& [side, rendered] : entry.Rendered) {
        if (side == Side) return rendered;
    }
    entry.Rendered.emplace_back(Side, entry.Photo.isNull()
                                          ? artwork::Render(entry.Path, QSize(Side, Side), entry.DevicePixelRatio)
                                          : OwnCardPicture(entry.Photo, Side, entry.DevicePixelRatio));
    return entry.Rendered.back().second;
}

PictureName PictureList::Name(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Shown(*Pictures[static_cast<std::size_t>(index)]);
}

PictureName PictureList::Shown(const Entry& entry) {
    // The player's own pictures are heard by the names the player gave them, in any language.
    return entry.Photo.isNull() && entry.Shows == CardView::Face ? InLanguage(entry.Name) : entry.Name;
}

void PictureList::Clear() {
    Pictures.clear();
}

void PictureList::AddCopiesOf(const PictureList& source) {
    Pictures.insert(Pictures.end(), source.Pictures.begin(), source.Pictures.end());
    EverHeld = EverHeld || !source.Pictures.empty();
}

void PictureList::Draw(int index, CardCell& cell) const {
    if (!EverHeld) {
        cell.Discard();
        return;
    }
    QPixmap picture = Picture(index);
    if (picture.isNull()) {
        if (Blank.isNull() || Blank.width() != Side) {
            Blank = QPixmap(Side, Side);
            Blank.fill(Qt::transparent);
        }
        picture = Blank;
    }
    if (index < 0 || index >= Count()) {
        cell.SetPicture(picture);
        return;
    }
    const Entry& entry = *Pictures[static_cast<std::size_t>(index)];
    cell.SetPicture(picture, entry.Shows, Shown(entry));
}

}  // namespace pairfinder
