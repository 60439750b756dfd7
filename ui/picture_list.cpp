// A list of equally sized card pictures, addressed by a 0-based index, that draws them into card cells.
#include "picture_list.h"

#include "artwork.h"
#include "card_cell.h"

namespace pairfinder {

PictureList::PictureList(QObject* parent) : QObject(parent) {}

PictureList::PictureList(const QStringList& paths, qreal devicePixelRatio, QObject* parent)
    : QObject(parent), EverHeld(!paths.isEmpty()) {
    Pictures.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        Pictures.push_back(std::make_shared<Entry>(Entry{path, devicePixelRatio, QPixmap()}));
    }
}

QPixmap PictureList::Picture(int index) const {
    if (index < 0 || index >= Count()) return {};
    Entry& entry = *Pictures[static_cast<std::size_t>(index)];
    if (entry.Rendered.isNull()) {
        entry.Rendered = artwork::Render(entry.Path, QSize(PictureSize, PictureSize), entry.DevicePixelRatio);
    }
    return entry.Rendered;
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
        if (Blank.isNull()) {
            Blank = QPixmap(PictureSize, PictureSize);
            Blank.fill(Qt::transparent);
        }
        picture = Blank;
    }
    cell.SetPicture(picture);
}

}  // namespace pairfinder
