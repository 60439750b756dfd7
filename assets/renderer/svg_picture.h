// How a drawing becomes a picture: the one SVG renderer behind every picture the program shows.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace pairfinder::artwork {

// Renders the SVG file at `pixels`, antialiased, on a transparent background; null when the file does not
// load as SVG.
QImage RenderSvg(const QString& file, QSize pixels);

}  // namespace pairfinder::artwork
