#include "core/recovery/JournalStore.h"

#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>

namespace Quillwright {

namespace {

const QString Suffix = QStringLiteral(".journal");

// "<instance>-<document>.journal" belongs to <instance>.
QString instanceOf(const QString& journalName)
{
    const QString base = journalName.chopped(Suffix.size());
    const qsizetype dash = base.lastIndexOf(QLatin1Char('-'));
    return dash > 0 ? base.first(dash) : QString();
}

} // namespace

JournalStore::JournalStore(const QString& folder) : m_folder(folder)
{
    m_writer.setMaxThreadCount(1); // one writer keeps the journal operations in order
    m_writer.setExpiryTimeout(-1);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    // The journals hold the user's unsaved scripts: for the user's eyes only.
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_instance = QStringLiteral("%1-%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(m_instance + ".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        m_lock = std::move(lock);
}

JournalStore::~JournalStore()
{
    m_writer.waitForDone();
    m_claims.clear();
}

QString JournalStore::journalPath(int document) const
{
    return QDir(m_folder).filePath(
        QStringLiteral("%1-%2%3").arg(m_instance).arg(document).arg(Suffix));
}

quint64 JournalStore::nextGeneration(int document)
{
    QMutexLocker locked(&m_mutex);
    return ++m_generations[document];
}

bool JournalStore::isCurrent(int document, quint64 generation)
{
    QMutexLocker locked(&m_mutex);
    return m_generations[document] == generation;
}

void JournalStore::write(int document, const QString& filePath, const QString& caption,
                         TextEncoding encoding, LineStore lines)
{
    if (!active())
        return;
    const quint64 generation = nextGeneration(document);
    const QString path = journalPath(document);
    m_writer.start(
        [this, document, generation, path, filePath, caption, encoding, lines = std::move(lines)] {
            if (!isCurrent(document, generation))
                return; // a newer write of this document follows
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return;
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            file.write(RecoveryJournal::encode(filePath, caption, encoding, lines));
            file.commit();
        });
}

void JournalStore::remove(int document)
{
    if (!active())
        return;
    nextGeneration(document);
    const QString path = journalPath(document);
    m_writer.start([path] { QFile::remove(path); });
}

void JournalStore::flush()
{
    m_writer.waitForDone();
}

QList<JournalStore::Orphan> JournalStore::claimOrphans()
{
    QList<Orphan> out;
    if (!active())
        return out;
    const QDir dir(m_folder);
    std::map<QString, bool> owners; // instance: claimed by us
    QFileInfoList files = dir.entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    for (const QFileInfo& info : files) {
        const QString instance = instanceOf(info.fileName());
        if (instance.isEmpty() || instance == m_instance)
            continue;
        auto known = owners.find(instance);
        if (known == owners.end()) {
            // Taking the owner's lock succeeds only when no program holds it.
            auto claim = std::make_unique<QLockFile>(dir.filePath(instance + ".lock"));
            claim->setStaleLockTime(0);
            const bool claimed = claim->tryLock(0);
            if (claimed)
                m_claims.push_back(std::move(claim));
            known = owners.emplace(instance, claimed).first;
        }
        if (!known->second)
            continue;
        Orphan orphan{info.filePath(), std::nullopt, QString()};
        QFile file(info.filePath());
        if (info.size() > RecoveryJournal::MaxBytes) {
            orphan.problem = QCoreApplication::translate("RecoveryJournal", "too large");
        } else if (!file.open(QIODevice::ReadOnly)) {
            orphan.problem = file.errorString();
        } else {
            RecoveryJournal::Decoded d = RecoveryJournal::decode(file.readAll());
            orphan.entry = std::move(d.entry);
            orphan.problem = d.problem;
        }
        out << orphan;
    }
    // A program that ended with nothing unsaved leaves only its lock file:
    // taking the lock and letting it go removes it.
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString instance = info.completeBaseName();
        if (instance == m_instance || owners.count(instance) > 0)
            continue;
        QLockFile stale(info.filePath());
        stale.setStaleLockTime(0);
        if (stale.tryLock(0))
            stale.unlock();
    }
    std::stable_partition(out.begin(), out.end(),
                          [](const Orphan& o) { return o.entry.has_value(); });
    return out;
}

void JournalStore::settleOrphans(const QList<Orphan>& orphans, bool done)
{
    if (done) {
        for (const Orphan& o : orphans) {
            if (o.entry)
                QFile::remove(o.file);
            else
                QFile::rename(o.file, o.file + QStringLiteral(".damaged"));
        }
    }
    m_claims.clear(); // unlocking removes the lock files
}

} // namespace Quillwright
