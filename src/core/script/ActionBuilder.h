#pragma once

#include <QString>
#include <QStringList>

namespace Quillwright {

// The logic of the action builder window.
namespace ActionBuilder {

// The 63 standard phpBB2 files offered for OPEN, spelt as the list always
// has been (two "overal_" templates).
const QStringList& phpbbFiles();

// "#", the banner, "#" and the value, each ended by CR LF; the value keeps
// its own line breaks as CR LF.
QString buildBlock(const QString& keyword, const QString& value);

// Which controls show after a keyword is chosen (List1_Click) or a tab is
// chosen (TabStrip1_Click), and what the text box then holds.
struct View {
    bool tabsVisible = false;
    bool listVisible = false;
    bool textVisible = true;
    bool textLocked = false;
    QString text;
    friend bool operator==(const View&, const View&) = default;
};
View keywordChosen(const View& now, const QString& keyword, bool listTabSelected);
View tabChosen(const View& now, bool listTabSelected);

} // namespace ActionBuilder

} // namespace Quillwright
