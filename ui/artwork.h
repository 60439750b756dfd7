// Where the compiled-in pictures live and how one is rendered to a pixmap for the screen.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <iterator>

#include "card_metrics.h"
#include "pictures.h"
#include "window_layout.h"

namespace pairfinder::artwork {

// As many as there are folders of them under assets/.
inline constexpr int FaceSetCount = static_cast<int>(std::size(pictures::FaceSets));
inline constexpr int BackCount = static_cast<int>(pictures::Backs.size());
inline constexpr int PictureSize = metrics::CardSize;
inline constexpr QSize LogoSize{layout::Logo().Geometry.Width, layout::Logo().Geometry.Height};

// A compiled-in picture's resource path: ":/faces1/face00.png" for assets/faces1/face00.svg.
QString PathOf(const pictures::Picture& picture);
// Resource paths of face set 0..FaceSetCount - 1, in picture order ("face00.png" is picture 0); empty for
// another set.
QStringList FaceSetPaths(int set);
// Resource paths of the back pictures, in menu order.
QStringList BackPaths();
QString LogoPath();
QString IconPath();

// The application icon as one 64-pixel picture: the window system would render an SVG icon at every size
// it knows, which costs more at start-up than the rest of the window's pictures together.
QIcon ApplicationIcon();

// The picture at `path` for `size` device-independent pixels at the given device pixel ratio. The build
// rendered every drawing to PNG at 1x and 2x ("name@2x.png") and a card at every board's card side as well
// ("name-160.png" for 160 pixels); the picture rendered at the pixels asked for is taken as it is, and where there
// is none (a ratio such as 1.5) the next larger one is scaled down. A path that does not load gives a null
// pixmap.
QPixmap Render(const QString& path, QSize size, qreal devicePixelRatio);

}  // namespace pairfinder::artwork
