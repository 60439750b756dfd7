// A list of equally sized card pictures, addressed by a 0-based index, that draws them into card cells.
#include "picture_list.h"

#include <utility>

#include "artwork.h"
#include "card_cell.h"

namespace pairfinder {

PictureList::PictureList(QObject* parent) : QObject(parent) {}

PictureList::PictureList(QStringList paths, qreal devicePixelRatio, QObject* parent)
    : QObject(parent), PendingPaths(std::move(paths)), DevicePixelRatio(devicePixelRatio) {}

void PictureList::RenderPending() const {
    if (PendingPaths.isEmpty()) return;
    Pictures.reserve(Pictures.size() + static_cast<std::size_t>(PendingPaths.size()));
    for (const QString& path : PendingPaths) {
        Pictures.push_back(artwork::Render(path, QSize(PictureSize, PictureSize), DevicePixelRatio));
    }
    PendingPaths.clear();
    EverHeld = EverHeld || !Pictures.empty();
}

int PictureList::Count() const {
    RenderPending();
    return static_cast<int>(Pictures.size());
}

QPixmap PictureList::Picture(int index) const {
    RenderPending();
    if (index < 0 || index >= static_cast<int>(Pictures.size())) return {};
    return Pictures[static_cast<std::size_t>(index)];
}

void PictureList::Clear() {
    // Pictures not yet rendered are dropped unseen; the list still counts as having held them.
    EverHeld = EverHeld || !PendingPaths.isEmpty() || !Pictures.empty();
    PendingPaths.clear();
    Pictures.clear();
}

void PictureList::AddCopiesOf(const PictureList& source) {
    source.RenderPending();
    Pictures.insert(Pictures.end(), source.Pictures.begin(), source.Pictures.end());
    EverHeld = EverHeld || !source.Pictures.empty();
}

void PictureList::Draw(int index, CardCell& cell) const {
    RenderPending();
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
