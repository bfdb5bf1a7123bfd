#pragma once

#include "core/recovery/RecoveryJournal.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QThreadPool>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace Quillwright {

class LineStore;

// The recovery journals of one running program, in a folder of their own
// (the per-user data folder's "recovery"). The program owns its journals
// through a lock file, so that another running instance never offers or
// deletes them; journals whose owner is gone (a crash, SIGKILL, a log-out)
// are offered at the next start.
//
// Writes run in order on a thread of their own, from a copy of the lines
// taken on the user-interface thread (a pointer per chunk of lines), and go
// through QSaveFile: a journal is whole or absent, never half written.
class JournalStore {
public:
    // An empty folder, or one that cannot be made or locked, gives a store
    // that keeps nothing (active() is false); the program runs on without.
    explicit JournalStore(const QString& folder);
    ~JournalStore(); // waits for the writes in progress, then unlocks
    JournalStore(const JournalStore&) = delete;
    JournalStore& operator=(const JournalStore&) = delete;

    bool active() const { return m_lock != nullptr; }
    QString folder() const { return m_folder; }
    QString journalPath(int document) const;

    // Replaces the journal of a document (numbered by the caller) in the
    // background; a later write of the same document makes an earlier one
    // that has not started unnecessary.
    void write(int document, const QString& filePath, const QString& caption, TextEncoding encoding,
               LineStore lines);
    void remove(int document);
    // Waits until every write and removal asked for so far is done.
    void flush();

    struct Orphan {
        QString file;
        std::optional<RecoveryJournal::Entry> entry; // none when it cannot be read
        QString problem;
    };
    // The journals of programs that no longer run, claimed so that no other
    // instance offers them too. Readable ones come first, oldest first.
    QList<Orphan> claimOrphans();
    // After they were recovered or discarded: the readable ones are deleted,
    // the unreadable ones kept as "<file>.damaged" for a rescue by hand, and
    // the claims released. Without `done` they stay for the next start.
    void settleOrphans(const QList<Orphan>& orphans, bool done);

private:
    bool isCurrent(int document, quint64 generation);
    quint64 nextGeneration(int document);

    QString m_folder;
    QString m_instance;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<QLockFile>> m_claims;
    QThreadPool m_writer;
    QMutex m_mutex;
    std::map<int, quint64> m_generations; // guarded by m_mutex
};

} // namespace Quillwright
