#pragma once

#include "core/install/ForumTextFile.h"
#include "core/script/ModReader.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace Quillwright {

namespace Install {

// A forum file while the installer changes it, and which action made each of its lines.

// The action that made a line: the script's index and its banner's line (from 0).
struct Origin {
    int script = -1;
    int bannerLine = -1;
};

// One file as the installer changes it: its lines, their blanks-free forms
// for FINDs, and where each line came from, so that the report can say
// which earlier script changed the lines a later FIND looks for.
class InstalledFile {
public:
    // The forum's file as every script finds it first.
    static std::unique_ptr<InstalledFile> fromForum(const QString& path, const QByteArray& bytes);
    // A file a COPY writes; `original` is what the forum had there, if anything.
    static std::unique_ptr<InstalledFile> made(const QString& path,
                                               std::optional<QByteArray> original);

    const QString& path() const { return m_path; }
    bool isText() const { return m_isText; }
    bool isMade() const { return !m_original; } // not in the forum: a COPY makes it
    const std::optional<QByteArray>& original() const { return m_original; }
    int lineCount() const { return int(m_text.lines.size()); }
    const QString& line(int i) const { return m_text.lines[size_t(i)].text; }
    // The lines as FINDs compare them, every blank gone.
    const std::vector<QString>& stripped() const { return m_stripped; }

    // What a COPY puts there, every line made by `by`.
    void copy(const QByteArray& bytes, Origin by);
    // New lines before line `at`.
    void insert(int at, const std::vector<QString>& lines, Origin by);
    void remove(int at, int count, Origin by);
    void setLine(int i, const QString& text, Origin by);

    // The action of a script before `script` that removed, changed or came
    // between the lines `find` matches in the file as the forum had it;
    // nothing when the FIND would not have matched there either.
    std::optional<Origin> earlierChange(const ModReader::FindText& find, int script) const;

    // The file's bytes after every change; nothing when no action changed it.
    std::optional<QByteArray> result() const;

private:
    void restrip(int i);

    QString m_path;
    ForumTextFile m_text;
    std::vector<QString> m_stripped;
    std::optional<QByteArray> m_original; // the bytes before every script
    bool m_changed = false;
    bool m_isText = true;
    QByteArray m_binary; // the result when not text (a COPY of an image)
    // For each line now: its line in the forum's file, or -1 for a line an action added.
    std::vector<int> m_vanilla;
    // For each line now added or changed, and each of the forum's lines removed:
    // the action that did it.
    std::vector<Origin> m_madeBy;
    std::map<int, Origin> m_removedBy;
    std::optional<ForumTextFile> m_vanillaText;
};

} // namespace Install

} // namespace Quillwright
