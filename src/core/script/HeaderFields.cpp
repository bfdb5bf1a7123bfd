#include "core/script/HeaderFields.h"

#include "core/control/RichTextControl.h"
#include "core/script/ModFormat.h"

namespace Quillwright {

namespace {

const QString Crlf = QStringLiteral("\r\n");
const QString CommentMark = ModFormat::emptyCommentLine();
const QString NoteLineStart = CommentMark + u' '; // a line of the notes, as the dialog writes it
const QString NotesEnd = QStringLiteral("####");

struct NotesLabel {
    int position = -1;
    int length = 0;
};

// The plural label first; the program's own template and repair write the
// singular, which would otherwise never be found.
NotesLabel findNotesLabel(RichTextControl& c)
{
    for (const QString& label : {ModFormat::authorNotesLabel(), ModFormat::authorNoteLabel()}) {
        const int p = c.find(label, 0);
        if (p >= 0)
            return {p, int(label.size())};
    }
    return {};
}

// Selects [start, start + length) and returns whether that range is sane.
bool selectRange(RichTextControl& c, int start, int length)
{
    if (start < 0 || length < 0 || start + length > c.textLength())
        return false;
    c.setSelLength(0);
    c.setSelStart(start);
    c.setSelLength(length);
    return true;
}

} // namespace

namespace HeaderFields {

QString searchText(HeaderValues::Field field)
{
    switch (field) {
    case HeaderValues::Title:
        return QStringLiteral("Mod Title: ");
    case HeaderValues::Version:
        return QStringLiteral("Mod Version: ");
    case HeaderValues::Author:
        return QStringLiteral("Author: ");
    case HeaderValues::Description:
        return QStringLiteral("Description: ");
    case HeaderValues::Level:
        return QStringLiteral("Installation Level: ");
    case HeaderValues::Time:
        return QStringLiteral("Installation Time: ");
    default:
        return QString();
    }
}

QString notesFromScript(const QString& scriptNotes)
{
    QStringList lines = scriptNotes.split(Crlf);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i] == CommentMark)
            lines[i].clear();
        else if (lines[i].startsWith(NoteLineStart))
            lines[i].remove(0, NoteLineStart.size());
    }
    return lines.join(Crlf);
}

QString notesToScript(const QString& boxNotes)
{
    QStringList lines = boxNotes.split(Crlf);
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = lines[i].isEmpty() ? CommentMark : NoteLineStart + lines[i];
    return lines.join(Crlf);
}

HeaderValues ReadHeader(RichTextControl& c)
{
    HeaderValues out;
    for (int f = HeaderValues::Title; f < HeaderValues::Notes; ++f) {
        const QString search = HeaderFields::searchText(HeaderValues::Field(f));
        const int p = c.find(search, 0);
        const int q = p < 0 ? -1 : c.find(CommentMark, p);
        const int start = p + int(search.size());
        if (q >= 0 && selectRange(c, start, q - start - 2))
            out.value[size_t(f)] = c.selText();
        c.setSelStart(0);
    }
    const NotesLabel label = findNotesLabel(c);
    if (label.position >= 0) {
        // Reading stops where writing stops, so the box shows exactly what
        // OK will replace.
        const int q = c.find(NotesEnd, label.position);
        const int start = label.position + label.length;
        if (q >= 0 && selectRange(c, start, q - start - 2))
            out[HeaderValues::Notes] = HeaderFields::notesFromScript(c.selText());
    }
    c.setSelStart(0);
    c.setSelLength(0);
    return out;
}

namespace {

void writeFields(RichTextControl& c, const HeaderValues& values, const HeaderValues* read)
{
    const auto changed = [&](int f) {
        return !read || values.value[size_t(f)] != read->value[size_t(f)];
    };
    for (int f = HeaderValues::Title; f < HeaderValues::Notes; ++f) {
        if (!changed(f))
            continue;
        const QString search = HeaderFields::searchText(HeaderValues::Field(f));
        const int p = c.find(search, 0);
        const int q = p < 0 ? -1 : c.find(CommentMark, p);
        const int start = p + int(search.size());
        // An end before the line break ("## MOD Title: X##") read as empty;
        // writing there would eat the value and add a line.
        if (q >= 0 && q - start - 2 >= 0 && selectRange(c, start, q - start))
            c.setSelText(values.value[size_t(f)] + Crlf);
    }
    if (!changed(HeaderValues::Notes))
        return;
    const NotesLabel label = findNotesLabel(c);
    if (label.position < 0)
        return;
    const int q = c.find(NotesEnd, label.position);
    const int start = label.position + label.length;
    if (q >= 0 && q - start - 2 >= 0 && selectRange(c, start, q - start))
        c.setSelText(HeaderFields::notesToScript(values[HeaderValues::Notes]) + Crlf);
}

} // namespace

void WriteHeader(RichTextControl& c, const HeaderValues& values)
{
    writeFields(c, values, nullptr);
}

void WriteHeader(RichTextControl& c, const HeaderValues& values, const HeaderValues& read)
{
    writeFields(c, values, &read);
}

} // namespace HeaderFields

} // namespace Quillwright
