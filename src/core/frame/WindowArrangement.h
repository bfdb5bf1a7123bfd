#pragma once

#include <QRect>
#include <vector>

namespace Quillwright {

// Where the Window menu's arrangements put the child windows.
namespace WindowArrangement {

enum class Mode { Cascade, TileHorizontal, TileVertical, ArrangeIcons };

// One rectangle per window, in creation order; a null rectangle leaves that
// window where it is. Tiling places the windows that are not minimised:
// TileHorizontal stacks them one above another, TileVertical side by side.
// ArrangeIcons lines the minimised ones up along the bottom edge.
std::vector<QRect> place(Mode mode, const QRect& area, const std::vector<bool>& minimised,
                         const QSize& iconSize);

} // namespace WindowArrangement

} // namespace Quillwright
