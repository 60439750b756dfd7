// One picture of all the artwork side by side, as the window would show it, for looking at the sets whole.
#pragma once

#include <QImage>

namespace pairfinder::artwork {

// The face sets two side by side (1 and 2 over 3 and 4), each in rows of eight at the board's pitch,
// then the backs, the logo and the icon at 64, 32 and 16 pixels; all on the button-face grey,
// rendered at `scale` device pixels per pixel.
QImage ContactSheet(qreal scale);

// The same sheet with every pixel reduced to its brightness, to check the sets without colour.
QImage GreyScale(const QImage& sheet);

}  // namespace pairfinder::artwork
