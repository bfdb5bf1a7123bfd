#pragma once

#include <QString>
#include <array>

namespace Quillwright {

class RichTextControl;

// The seven header values the Properties dialog edits, read out of the
// script text and written back in place.
struct HeaderValues {
    enum Field { Title, Version, Author, Description, Level, Time, Notes, Count };
    std::array<QString, Count> value;
    QString& operator[](Field f) { return value[size_t(f)]; }
    const QString& operator[](Field f) const { return value[size_t(f)]; }
    friend bool operator==(const HeaderValues&, const HeaderValues&) = default;
};

namespace HeaderFields {

// The search text of each of the first six fields (no "## " prefix, so
// "Author: " finds "## MOD Author: " as well as "## Author: ").
QString searchText(HeaderValues::Field field);

// Notes as they stand in the box: continuation lines without their "## "
// prefix, and an empty comment line "##" as an empty line. Script form is
// the inverse.
QString notesFromScript(const QString& scriptNotes);
QString notesToScript(const QString& boxNotes);

// Reads each value from behind its label up to the line before the next
// "##" (the notes up to the next "####"). A field whose label or end is not
// found reads as empty. The caret ends at the start of the script.
HeaderValues ReadHeader(RichTextControl& control);

// Replaces each value in place with the box text. A field whose label or
// end is not found, or whose end stands on the label's own line (it reads
// as empty), leaves the script as it was. Unchanged boxes leave the script
// byte for byte as it was, unless a value holds "##".
void WriteHeader(RichTextControl& control, const HeaderValues& values);
// The same for the fields whose value differs from `read` (what the boxes
// were given), so that a field the user did not touch is never rewritten:
// the notes' script form does not round-trip every layout authors use
// ("## " blank lines, "###" rules, tabs after the "#").
void WriteHeader(RichTextControl& control, const HeaderValues& values, const HeaderValues& read);

} // namespace HeaderFields

} // namespace Quillwright
