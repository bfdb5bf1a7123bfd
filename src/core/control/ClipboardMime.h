#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

namespace Quillwright {

class RichTextControl;

// What Copy puts on the clipboard and how Paste takes it back: plain text
// for other programs, RTF (under both common names) so that a copy inside
// the program keeps its colours.
namespace ClipboardMime {

QMimeData* fromSelection(const RichTextControl& control);
// The local files a drag carries (a file manager's drag): they are opened,
// never pasted as their names.
QStringList droppedFiles(const QMimeData* mime);
bool canPaste(const QMimeData* mime);
// Replaces the control's selection with the clipboard content. Content
// with a line too long for the editor is refused: the result then says why.
struct PasteResult {
    bool pasted = false;
    QString refusal;
};
PasteResult paste(RichTextControl& control, const QMimeData* mime);

} // namespace ClipboardMime

} // namespace Quillwright
