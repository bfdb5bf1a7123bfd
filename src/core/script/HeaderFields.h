#pragma once

#include <QString>
#include <array>

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

} // namespace HeaderFields

// Reads each value from behind its label up to the line before the next
// "##" (the notes up to the next "####"). A field whose label or end is not
// found reads as empty. The caret ends at the start of the script.
HeaderValues ReadHeader(RichTextControl& control);

// Replaces each value in place with the box text. A field whose label or
// end is not found leaves the script as it was. Unchanged boxes leave the
// script byte for byte as it was, unless a value holds "##".
void WriteHeader(RichTextControl& control, const HeaderValues& values);
