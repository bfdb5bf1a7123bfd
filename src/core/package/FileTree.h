#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

namespace Quillwright {

// A folder of files as the installer and its dry run read it: the forum, or
// a MOD's package beside its script, on disk, in memory or unpacked from an
// archive. Paths are relative and "/"-separated, as ModReader::scriptPath
// gives them; a path that leaves the tree (by "..", or through a link that
// points elsewhere) reads as no file. A tree is a cheap handle: copies share
// what was read.
class FileTree {
public:
    using Read = std::function<std::optional<QByteArray>(const QString& path)>;

    // No files at all.
    FileTree() = default;
    // Files by a function, which lists no folder (the writer's proof, tests).
    FileTree(Read read);
    template <typename F>
    requires std::is_invocable_r_v < std::optional<QByteArray>, F,
    const QString& > FileTree(F read) : FileTree(Read(std::move(read))) {}
    // The files of a folder on disk. Trees of one folder share what they
    // read: each file is read once and kept until it changes on disk.
    static FileTree folder(const QString& root);
    // Files held in memory, such as an archive's.
    static FileTree memory(QHash<QString, QByteArray> files);

    explicit operator bool() const { return m_source != nullptr; }
    std::optional<QByteArray> read(const QString& path) const;
    bool isFolder(const QString& path) const; // "" is the top
    // Every file below `folder` ("" for the top), subfolders included, as
    // paths of the tree, sorted; a link that leads out is listed (see leaves).
    QStringList filesUnder(const QString& folder) const;
    // Whether `path` leads outside the tree (a link pointing elsewhere).
    bool leaves(const QString& path) const;
    // The part of the tree below `folder`, as a tree of its own: the
    // package of a script inside an archive.
    FileTree under(const QString& folder) const;
    // The folder on disk; empty for trees that are not one.
    QString root() const;

    // What a kind of tree answers.
    class Source {
    public:
        virtual ~Source() = default;
        virtual std::optional<QByteArray> read(const QString& path) const = 0;
        virtual bool isFolder(const QString& path) const = 0;
        virtual QStringList filesUnder(const QString& folder) const = 0;
        virtual bool leaves(const QString& path) const = 0;
        virtual QString root() const { return QString(); }
    };
    explicit FileTree(std::shared_ptr<const Source> source) : m_source(std::move(source)) {}

private:
    std::shared_ptr<const Source> m_source;
};

} // namespace Quillwright
