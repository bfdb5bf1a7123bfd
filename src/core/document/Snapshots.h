#pragma once

#include "core/text/LineStore.h"

#include <QMetaType>
#include <QString>
#include <functional>

namespace Quillwright {

// A document's undo: four snapshots of its lines, and the undo controls they allow.

// Which undo controls of the main window may be used: the undo button, its
// first drop-down entry and Edit, Undo follow level 1; the entries "two"
// and "three" follow levels 2 and 3.
struct UndoControls {
    bool levelOne = false;
    bool levelTwo = false;
    bool levelThree = false;
    friend bool operator==(const UndoControls&, const UndoControls&) = default;
};

// The script as it was at one moment: its lines, shared with the editor's
// line store, so a snapshot costs a pointer a chunk of lines however long
// the script, and an undo puts back only the lines that differ.
class TextSnapshot {
public:
    TextSnapshot() = default;
    TextSnapshot(const QString& text); // NOLINT(google-explicit-constructor): plain texts in tests
    explicit TextSnapshot(LineStore lines) : m_lines(std::move(lines)) {}

    qsizetype size() const { return m_lines.length(); }
    bool isEmpty() const { return size() == 0; }
    QString text() const { return m_lines.content().text; }
    const LineStore& lines() const { return m_lines; }
    void clear() { m_lines = LineStore(); }

private:
    LineStore m_lines;
};

// The four snapshot slots behind the undo commands: Text1 is the newest
// snapshot, Text2 to Text4 are undo levels 1 to 3 (empty: none).
class Snapshots {
public:
    TextSnapshot Text1, Text2, Text3, Text4;

    // The timer's tick: shifts the snapshots down one level when the text
    // has grown since the newest one, or when the refresh flag is set.
    // Returns true when a snapshot was taken.
    bool tick(const QString& currentText, bool refreshFlag);
    // The same, asking for the snapshot only when one is taken.
    bool tick(qsizetype currentLength, const std::function<TextSnapshot()>& current,
              bool refreshFlag);

    // Undo by 1, 2 or 3 levels; returns what the document then shows (the
    // new Text1). Other level counts change nothing and return Text1.
    const TextSnapshot& undo(int levels);

    UndoControls controls() const { return {!Text2.isEmpty(), !Text3.isEmpty(), !Text4.isEmpty()}; }
    void clear() { Text1 = Text2 = Text3 = Text4 = TextSnapshot(); }
};

} // namespace Quillwright

Q_DECLARE_METATYPE(Quillwright::UndoControls)
