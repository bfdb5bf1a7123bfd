#include "core/package/FileTree.h"

#include "core/script/ForumPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <deque>
#include <sys/stat.h>

namespace Quillwright {

namespace {

// A file as the system last saw it: any write changes its change time.
struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;
    quint64 inode = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec, quint64(st.st_ino)};
}

class FunctionSource : public FileTree::Source {
public:
    explicit FunctionSource(FileTree::Read read) : m_read(std::move(read)) {}
    std::optional<QByteArray> read(const QString& path) const override
    {
        return ForumPaths::isConfined(path) ? m_read(path) : std::nullopt;
    }
    bool isFolder(const QString&) const override { return false; }
    QStringList filesUnder(const QString&) const override { return {}; }
    bool leaves(const QString& path) const override { return !ForumPaths::isConfined(path); }

private:
    FileTree::Read m_read;
};

bool below(const QString& folder, const QString& path)
{
    return folder.isEmpty() || path.startsWith(folder + u'/');
}

class MemorySource : public FileTree::Source {
public:
    explicit MemorySource(QHash<QString, QByteArray> files) : m_files(std::move(files)) {}
    std::optional<QByteArray> read(const QString& path) const override
    {
        const auto it = m_files.constFind(path);
        return it == m_files.constEnd() ? std::nullopt : std::optional(*it);
    }
    bool isFolder(const QString& path) const override
    {
        if (path.isEmpty())
            return true;
        return std::any_of(m_files.keyBegin(), m_files.keyEnd(),
                           [&](const QString& p) { return p.startsWith(path + u'/'); });
    }
    QStringList filesUnder(const QString& folder) const override
    {
        QStringList out;
        for (auto it = m_files.keyBegin(); it != m_files.keyEnd(); ++it)
            if (below(folder, *it))
                out << *it;
        out.sort();
        return out;
    }
    bool leaves(const QString& path) const override { return !ForumPaths::isConfined(path); }

private:
    QHash<QString, QByteArray> m_files;
};

class FolderSource : public FileTree::Source {
public:
    explicit FolderSource(QString root) : m_root(std::move(root)) {}
    QString root() const override { return m_root; }
    bool leaves(const QString& path) const override
    {
        return ForumPaths::leavesFolder(m_root, path);
    }
    bool isFolder(const QString& path) const override
    {
        return (path.isEmpty() || !leaves(path)) && QFileInfo(QDir(m_root).filePath(path)).isDir();
    }
    std::optional<QByteArray> read(const QString& path) const override
    {
        if (leaves(path))
            return std::nullopt;
        const QString full = QDir(m_root).filePath(path);
        const Stamp now = stampOf(full);
        QMutexLocker lock(&m_mutex);
        if (const auto it = m_kept.constFind(path); it != m_kept.constEnd() && it->stamp == now)
            return it->bytes;
        std::optional<QByteArray> bytes;
        if (now.exists) {
            QFile f(full);
            if (f.open(QIODevice::ReadOnly))
                bytes = f.readAll();
        }
        // Read while it changed: keep it only under the stamp it had before.
        m_kept.insert(path, {now, bytes});
        return bytes;
    }
    QStringList filesUnder(const QString& folder) const override
    {
        QStringList out;
        if (!isFolder(folder))
            return out;
        const QDir top(m_root);
        QDirIterator it(top.filePath(folder), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        // Links that lead out are listed too: whoever copies them says no.
        while (it.hasNext())
            out << top.relativeFilePath(it.next());
        out.sort();
        return out;
    }

private:
    struct Kept {
        Stamp stamp;
        std::optional<QByteArray> bytes;
    };
    QString m_root;
    mutable QMutex m_mutex;
    mutable QHash<QString, Kept> m_kept;
};

class SubSource : public FileTree::Source {
public:
    SubSource(FileTree tree, QString folder) : m_tree(std::move(tree)), m_folder(std::move(folder))
    {}
    std::optional<QByteArray> read(const QString& path) const override
    {
        return ForumPaths::isConfined(path) ? m_tree.read(full(path)) : std::nullopt;
    }
    bool isFolder(const QString& path) const override
    {
        return (path.isEmpty() || ForumPaths::isConfined(path)) && m_tree.isFolder(full(path));
    }
    QStringList filesUnder(const QString& folder) const override
    {
        QStringList out;
        for (const QString& p : m_tree.filesUnder(full(folder)))
            out << p.mid(m_folder.size() + 1);
        return out;
    }
    bool leaves(const QString& path) const override
    {
        return !ForumPaths::isConfined(path) || m_tree.leaves(full(path));
    }
    QString root() const override
    {
        const QString top = m_tree.root();
        return top.isEmpty() ? top : QDir(top).filePath(m_folder);
    }

private:
    QString full(const QString& path) const
    {
        return path.isEmpty() ? m_folder : m_folder + u'/' + path;
    }
    FileTree m_tree;
    QString m_folder;
};

} // namespace

FileTree::FileTree(Read read)
    : m_source(read ? std::make_shared<FunctionSource>(std::move(read)) : nullptr)
{}

FileTree FileTree::folder(const QString& root)
{
    // The few forums and packages in use stay read; others are let go.
    static QMutex mutex;
    static QHash<QString, std::weak_ptr<const FolderSource>> open;
    static std::deque<std::shared_ptr<const FolderSource>> recent;
    const QString key = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    QMutexLocker lock(&mutex);
    open.removeIf([](const auto& it) { return it.value().expired(); });
    std::shared_ptr<const FolderSource> source = open.value(key).lock();
    if (!source) {
        source = std::make_shared<FolderSource>(key);
        open.insert(key, source);
    }
    std::erase(recent, source);
    recent.push_front(source);
    if (recent.size() > 4)
        recent.pop_back();
    return FileTree(std::shared_ptr<const Source>(source));
}

FileTree FileTree::memory(QHash<QString, QByteArray> files)
{
    return FileTree(std::make_shared<MemorySource>(std::move(files)));
}

std::optional<QByteArray> FileTree::read(const QString& path) const
{
    return m_source ? m_source->read(path) : std::nullopt;
}

bool FileTree::isFolder(const QString& path) const
{
    return m_source && m_source->isFolder(path);
}

QStringList FileTree::filesUnder(const QString& folder) const
{
    return m_source ? m_source->filesUnder(folder) : QStringList();
}

bool FileTree::leaves(const QString& path) const
{
    return m_source ? m_source->leaves(path) : !ForumPaths::isConfined(path);
}

FileTree FileTree::under(const QString& folder) const
{
    if (!m_source || folder.isEmpty())
        return *this;
    return FileTree(std::make_shared<SubSource>(*this, folder));
}

QString FileTree::root() const
{
    return m_source ? m_source->root() : QString();
}

} // namespace Quillwright
