#pragma once

#include <QObject>

namespace Quillwright {

class DocumentWindow;
class Frame;
namespace RecoveryJournal {
struct Entry;
}

// The program's start and end: the unsaved work of programs that ended
// without saving it, offered back at start-up; the closing of every
// document at Exit; the quiet end when the session ends.
class SessionCommands : public QObject {
    Q_OBJECT
public:
    explicit SessionCommands(Frame& frame);

    // Recover (the default) opens each in a window of its own; Discard
    // deletes it.
    void offerRecovery();
    DocumentWindow* recoverDocument(const RecoveryJournal::Entry& entry);
    // The session ends (SIGTERM, SIGHUP): every journal is written, then the
    // program quits as File, Exit would, without questions.
    void endSession();
    bool sessionEnding() const { return m_sessionEnding; }
    // Each document asks in turn about its unsaved work; false when one was
    // cancelled, and the program goes on.
    bool closeAll();

private:
    Frame& m_frame;
    bool m_sessionEnding = false;
};

} // namespace Quillwright
