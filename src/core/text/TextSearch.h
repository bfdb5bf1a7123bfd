#pragma once

#include "core/text/LineStore.h"

#include <QRegularExpression>
#include <QString>
#include <QStringMatcher>
#include <climits>
#include <vector>

namespace Quillwright {

// Finding and replacing in a script as text editors do: plain text or a
// regular expression, with or without case, whole words only, inside a
// range of the text. A match never crosses a line break. A regular
// expression may match an empty place ("^", "$", "\b"): such a match is a
// caret position, and Replace All inserts there.
struct SearchOptions {
    bool matchCase = false;
    bool wholeWords = false;
    bool regularExpression = false;
};

struct TextMatch {
    int start = -1; // a position in the CR LF text
    int length = 0;
    bool found() const { return start >= 0; }
    friend bool operator==(const TextMatch&, const TextMatch&) = default;
};

// [start, end) of the CR LF text.
struct TextRange {
    int start = 0;
    int end = 0;
    static TextRange whole(const LineStore& lines) { return {0, lines.length()}; }
};

class TextSearch {
public:
    TextSearch(const QString& pattern, SearchOptions options);

    // False for an empty pattern or a regular expression that does not
    // compile; error() then says why (empty for an empty pattern).
    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    // The regular-expression engine reached its backtracking limit in a
    // search so far: what it found is not all there is.
    bool gaveUp() const { return m_gaveUp; }

    // The first match that starts at or after `from` and ends inside the range.
    TextMatch next(const LineStore& lines, int from, TextRange range) const;
    // The last match that starts before `before` inside the range.
    TextMatch previous(const LineStore& lines, int before, TextRange range) const;
    // Every match in the range, in order, at most `limit`.
    std::vector<TextMatch> all(const LineStore& lines, TextRange range, int limit = INT_MAX) const;

    // The text a match is replaced by: `with` as it stands, or for a regular
    // expression with \0 to \9 as the captured texts and \n, \t, \\ as a
    // line break, a tab and a backslash.
    QString replacement(const LineStore& lines, TextMatch match, const QString& with) const;

    struct Replaced {
        LineStore lines;
        int count = 0;
        TextMatch last; // the last replacement, where it stands in the new text
    };
    // The lines with every match in the range replaced, each line that
    // holds none shared with `lines`.
    Replaced replaceAll(const LineStore& lines, TextRange range, const QString& with) const;

private:
    // The matches inside one line's text between the offsets from and to,
    // as offsets into the line; `each` returns false to stop.
    template <typename Each> void inLine(const QString& line, int from, int to, Each each) const;
    bool wholeWordAt(const QString& line, int start, int length) const;
    QString expanded(const QRegularExpressionMatch& m, const QString& with) const;

    QString m_pattern;
    SearchOptions m_options;
    QStringMatcher m_matcher;
    QRegularExpression m_regex;
    bool m_valid = false;
    QString m_error;
    mutable bool m_gaveUp = false;
};

} // namespace Quillwright
