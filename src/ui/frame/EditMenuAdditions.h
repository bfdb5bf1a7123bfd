#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace Quillwright {

class Frame;

// What a user of the common text editors looks for in the Edit menu, after
// a separator below its own entries: Redo, Find, Replace, Go to Line and the
// checker's next and previous problem, each acting on the active document.
// The keys of Find, Replace, Go to Line and the problems belong to each
// document window (they work in a document shown on its own too); the
// entries show them without taking them, so that no key is claimed twice.
class EditMenuAdditions : public QObject {
    Q_OBJECT
public:
    EditMenuAdditions(Frame& frame, QMenu& editMenu);

    QAction* redo() const { return m_redo; }
    // Enables the entries for the active document.
    void update();

private:
    QAction* add(QMenu& menu, const char* name, const QString& caption,
                 const QList<QKeySequence>& keys, bool ownKeys);

    Frame& m_frame;
    QAction* m_redo = nullptr;
    QList<QAction*> m_documentEntries;
};

} // namespace Quillwright
