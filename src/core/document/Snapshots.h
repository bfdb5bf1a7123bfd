#pragma once

#include <QMetaType>
#include <QString>
#include <functional>

// Which undo controls of the main window may be used: the undo button, its
// first drop-down entry and Edit, Undo follow level 1; the entries "two"
// and "three" follow levels 2 and 3.
struct UndoControls {
    bool levelOne = false;
    bool levelTwo = false;
    bool levelThree = false;
    friend bool operator==(const UndoControls&, const UndoControls&) = default;
};

Q_DECLARE_METATYPE(UndoControls)

// The four snapshot slots behind the undo commands: Text1 is the newest
// plain-text snapshot, Text2 to Text4 are undo levels 1 to 3 (empty: none).
// QString is implicitly shared, so the slots cost little while equal.
class Snapshots {
public:
    QString Text1, Text2, Text3, Text4;

    // The timer's tick: shifts the snapshots down one level when the text
    // has grown since the newest one, or when the refresh flag is set.
    // Returns true when a snapshot was taken.
    bool tick(const QString& currentText, bool refreshFlag);
    // The same, asking for the text only when a snapshot is taken.
    bool tick(qsizetype currentLength, const std::function<QString()>& currentText,
              bool refreshFlag);

    // Undo by 1, 2 or 3 levels; returns the text the document then shows
    // (the new Text1). Other level counts change nothing and return Text1.
    QString undo(int levels);

    UndoControls controls() const { return {!Text2.isEmpty(), !Text3.isEmpty(), !Text4.isEmpty()}; }
    void clear() { Text1 = Text2 = Text3 = Text4 = QString(); }
};
