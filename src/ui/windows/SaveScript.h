#pragma once

#include <QString>

class DialogService;
class QWidget;
class RichTextControl;

namespace SaveScript {

// Writes the script's plain text to path in Windows-1252 with CR LF. When
// the text holds characters the code page cannot, the user is told how many
// and where the first stands, and may cancel; saving anyway writes "?".
// A failure is reported naming the file and the reason; the old file is
// then untouched. Returns true when the file was written.
bool write(QWidget* parent, DialogService& dialogs, const RichTextControl& control,
           const QString& path);

// Asks before a save replaces an existing file other than the document's
// own. Returns true when the save may go on.
bool confirmReplace(QWidget* parent, DialogService& dialogs, const QString& path,
                    const QString& ownFile);

} // namespace SaveScript
