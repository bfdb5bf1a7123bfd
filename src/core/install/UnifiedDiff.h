#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace Quillwright {

namespace Install {

// One file's change as a unified diff, as diff -u writes it and patch -p1
// applies it in the forum's folder: "--- a/PATH" and "+++ b/PATH" (or
// /dev/null for a file that is new), hunks with `context` lines around each
// change. Lines are compared and written as the bytes they are, their CR
// included, so that the patch gives the same bytes as the installation.
QByteArray unifiedDiff(const QString& path, const std::optional<QByteArray>& before,
                       const QByteArray& after, int context = 3);

// The same for a picture of the change: rows of lines with their numbers
// in the forum's file (old) and in the installed one (new), 0 where a line
// has none; each stretch begins with a Hunk row.
struct DiffRow {
    enum Kind { Hunk, Same, Gone, Added } kind = Same;
    int oldLine = 0;
    int newLine = 0;
    QString text;
};
std::vector<DiffRow> diffRows(const QStringList& before, const QStringList& after, int context = 3);

// Where two texts' lines differ: each stretch of old lines [oldStart,
// oldStart + oldCount) that became new lines [newStart, newStart + newCount).
struct LineChange {
    int oldStart = 0;
    int oldCount = 0;
    int newStart = 0;
    int newCount = 0;
};
std::vector<LineChange> lineChanges(const QStringList& before, const QStringList& after);

} // namespace Install

} // namespace Quillwright
