#pragma once

#include <QIcon>
#include <QString>

namespace Quillwright {

// The pictures of the toolbar and the outline. Outline pictures are
// addressed by their index in the image list (1 to 18); 0 is no picture.
namespace Icons {

QIcon byName(const QString& name); // "new", "open", ..., "cmd", "undo", "app"
QIcon outlinePicture(int index);

} // namespace Icons

} // namespace Quillwright
