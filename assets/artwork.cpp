// Anchors the artwork library, whose only content is the compiled-in SVG resources.
namespace pairfinder {
int ArtworkLibraryAnchor = 0;
}
