#pragma once

#include "core/script/ScriptFile.h"

#include <QString>

class QWidget;

namespace Quillwright {

class DialogService;
class RichTextControl;

namespace SaveScript {

// Writes the script's plain text to path with CR LF in its encoding. When
// the text holds characters Windows-1252 cannot, the user is told how many
// and where the first stands, and may cancel (the default), save anyway
// (writing "?") or save as UTF-8, which then is the script's encoding. A
// failure is reported naming the file and the reason; the old file is then
// untouched. The result says whether the file was written.
ScriptFile::WriteResult write(QWidget* parent, DialogService& dialogs,
                              const RichTextControl& control, const QString& path,
                              TextEncoding& encoding);

// Asks before a save replaces an existing file other than the document's
// own. Returns true when the save may go on.
bool confirmReplace(QWidget* parent, DialogService& dialogs, const QString& path,
                    const QString& ownFile);

} // namespace SaveScript

} // namespace Quillwright
