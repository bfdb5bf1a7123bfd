#include "core/writer/ScriptWriter.h"

#include "core/install/ForumTextFile.h"
#include "core/install/ModInstaller.h"
#include "core/install/UnifiedDiff.h"
#include "core/script/ModFormat.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>

namespace Quillwright {

namespace Writer {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Quillwright::Writer", text);
}

int category(const QString& path)
{
    if (!path.contains(u'/'))
        return 0;
    for (const auto& [prefix, rank] :
         {std::pair{"includes/", 1}, {"admin/", 2}, {"language/", 3}, {"templates/", 4}})
        if (path.startsWith(QLatin1String(prefix)))
            return rank;
    return 5;
}

// A line the reader takes as content at the edge of a block: not blank and
// not beginning with "#", which it would read as the author's note.
bool isAnchor(const QString& line)
{
    return !ModReader::isNote(line);
}

// Lines that say little: a FIND of them alone would match almost anywhere.
bool saysLittle(const QString& line)
{
    const QString t = line.trimmed();
    return t.size() <= 2 || t.startsWith(QStringLiteral("//")) ||
           t.startsWith(QStringLiteral("/*")) || t.startsWith(u'*');
}

struct Block {
    QString keyword;
    QStringList content;
};

// The actions of one file, found as the installer searches: each FIND
// from where the one before left off, on the original lines (all changes
// made so far stand above that place).
class FileWriter {
public:
    FileWriter(const QStringList& original, const QStringList& changed)
        : m_old(original), m_new(changed)
    {
        for (const QString& l : m_old)
            m_stripped.push_back(ModReader::withoutWhitespace(l));
    }
    std::vector<Block> run();

private:
    int count() const { return int(m_old.size()); }
    // The first original line of the FIND [first, last] when it is the
    // first match from the cursor and matches exactly those lines.
    bool findsExactly(int first, int last) const;
    // The fewest lines ending at `last` and starting at or above
    // `highestFirst` (context above, down to the cursor) that the installer
    // finds exactly there; -1 when none do.
    int findEndingAt(int last, int highestFirst) const;
    // The fewest lines starting at `first` (context below it, up to
    // `highest`) that the installer finds exactly there; -1 when none do.
    int findStartingAt(int first, int highest) const;
    QStringList lines(int from, int to) const { return m_old.mid(from, to - from); }
    bool inlineChange(int line, const QString& now);

    QStringList m_old;
    QStringList m_new;
    std::vector<QString> m_stripped;
    int m_cursor = 0;
    std::vector<Block> m_out;
};

bool FileWriter::findsExactly(int first, int last) const
{
    const std::vector<int> hit =
        ModReader::findLines(m_stripped, ModReader::FindText(lines(first, last + 1)), m_cursor);
    return !hit.empty() && hit.front() == first && hit.back() == last;
}

int FileWriter::findEndingAt(int last, int highestFirst) const
{
    int meaningful = 0;
    for (int first = last; first >= m_cursor; --first) {
        if (!isAnchor(m_old[first]))
            continue;
        // A lone brace or a comment is context, never the whole FIND.
        meaningful += saysLittle(m_old[first]) ? 0 : 1;
        if (first <= highestFirst && meaningful > 0 && findsExactly(first, last))
            return first;
    }
    return -1;
}

int FileWriter::findStartingAt(int first, int highest) const
{
    int meaningful = 0;
    for (int last = first; last <= std::min(highest, count() - 1); ++last) {
        if (!isAnchor(m_old[last]))
            continue;
        meaningful += saysLittle(m_old[last]) ? 0 : 1;
        if (meaningful > 0 && findsExactly(first, last))
            return last;
    }
    return -1;
}

// A change inside one long line as IN-LINE actions, when that is shorter:
// a fragment around the change that the installer finds first in the
// FIND's lines, then what goes after it or in its place.
bool FileWriter::inlineChange(int line, const QString& now)
{
    const QString& was = m_old[line];
    if (was.size() < 60 || !isAnchor(was))
        return false;
    qsizetype head = 0;
    while (head < was.size() && head < now.size() && was[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < was.size() - head && tail < now.size() - head &&
           was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QString gone = was.mid(head, was.size() - head - tail);
    QString added = now.mid(head, now.size() - head - tail);
    if (gone.size() + added.size() > was.size() / 2)
        return false;
    const int first = findEndingAt(line, line);
    if (first < 0)
        return false;
    // The fragment: from `from` to `to` in the old line, its ends not blank.
    qsizetype to = head + gone.size();
    qsizetype from = head;
    if (gone.isEmpty()) {
        // An insertion goes after the fragment, which must end right before
        // it on a character that is not blank: "a  || b" to "a && c || b"
        // adds " && c" after the "a".
        while (head > 0 && was[head - 1].isSpace() && added.endsWith(was[head - 1])) {
            added = was[head - 1] + added.chopped(1);
            --head;
        }
        if (head == 0 || was[head - 1].isSpace())
            return false;
        from = head - 1;
        to = head;
    } else {
        while (from > 0 && was[from].isSpace())
            --from;
        while (to < was.size() && was[to - 1].isSpace())
            ++to;
        if (was[from].isSpace() || was[to - 1].isSpace())
            return false;
    }
    for (; from >= 0; --from) {
        if (was[from].isSpace())
            continue;
        const QString fragment = was.mid(from, to - from);
        const QRegularExpression pattern = ModReader::fragmentPattern(fragment);
        // The installer takes the first of the FIND's lines that holds it, leftmost.
        int at = -1;
        qsizetype start = -1;
        qsizetype end = -1;
        for (int l = first; l <= line && at < 0; ++l) {
            const QRegularExpressionMatch m = pattern.match(m_old[l]);
            if (m.hasMatch()) {
                at = l;
                start = m.capturedStart();
                end = m.capturedEnd();
            }
        }
        if (at != line || start != from || end != to)
            continue;
        m_out.push_back({QStringLiteral("FIND"), lines(first, line + 1)});
        m_out.push_back({QStringLiteral("IN-LINE FIND"), {fragment}});
        if (gone.isEmpty())
            m_out.push_back({QStringLiteral("IN-LINE AFTER, ADD"), {added}});
        else
            m_out.push_back({QStringLiteral("IN-LINE REPLACE WITH"),
                             {was.mid(from, head - from) + added +
                              was.mid(head + gone.size(), to - head - gone.size())}});
        // An IN-LINE text is read as it stands, but a blank one or one that
        // begins with "#" reads as a note: REPLACE WITH says it instead.
        const QString& text = m_out.back().content.front();
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(u'#')) {
            m_out.resize(m_out.size() - 3);
            return false;
        }
        m_cursor = line + 1;
        return true;
    }
    return false;
}

std::vector<Block> FileWriter::run()
{
    std::vector<Install::LineChange> changes = Install::lineChanges(m_old, m_new);
    for (size_t i = 0; i < changes.size(); ++i) {
        Install::LineChange c = changes[i];
        const int nextStart = i + 1 < changes.size() ? changes[i + 1].oldStart : count();
        QStringList added = m_new.mid(c.newStart, c.newCount);
        const bool edgesRead =
            added.isEmpty() || (isAnchor(added.front()) && isAnchor(added.back()));
        // A line changed inside.
        if (c.oldCount == 1 && c.newCount == 1 && inlineChange(c.oldStart, added.front()))
            continue;
        // Lines added: after the line above, or before the line below. The
        // same lines may often stand a line or more higher or lower ("}" and
        // a blank line repeat): the place whose edges the reader takes as
        // they are is chosen.
        if (c.oldCount == 0 && !edgesRead) {
            const int low = m_cursor;
            const int high = nextStart;
            for (int shift = 1; shift <= c.newCount && c.newCount > 0; ++shift) {
                bool found = false;
                for (const int dir : {-1, 1}) {
                    QStringList moved = added;
                    int p = c.oldStart;
                    bool ok = true;
                    for (int k = 0; k < shift && ok; ++k) {
                        if (dir < 0) {
                            ok = p - 1 >= low && moved.back() == m_old[p - 1];
                            if (ok) {
                                moved.prepend(moved.takeLast());
                                --p;
                            }
                        } else {
                            ok = p < high && moved.front() == m_old[p];
                            if (ok) {
                                moved.append(moved.takeFirst());
                                ++p;
                            }
                        }
                    }
                    if (ok && isAnchor(moved.front()) && isAnchor(moved.back())) {
                        c.oldStart = p;
                        added = moved;
                        found = true;
                        break;
                    }
                }
                if (found)
                    break;
            }
        }
        if (c.oldCount == 0 &&
            (added.isEmpty() || (isAnchor(added.front()) && isAnchor(added.back())))) {
            const int p = c.oldStart;
            // After the line above or before the line below, whichever the
            // installer finds with fewer lines; a lone brace or a comment
            // makes a poor anchor.
            const int first = p > 0 && isAnchor(m_old[p - 1]) ? findEndingAt(p - 1, p - 1) : -1;
            const int last =
                p < count() && isAnchor(m_old[p]) ? findStartingAt(p, nextStart - 1) : -1;
            const int aboveCost =
                first < 0 ? INT_MAX : p - first + (saysLittle(m_old[p - 1]) ? 1 : 0);
            const int belowCost =
                last < 0 ? INT_MAX : last + 1 - p + (saysLittle(m_old[p]) ? 1 : 0);
            if (first >= 0 && aboveCost <= belowCost) {
                m_out.push_back({QStringLiteral("FIND"), lines(first, p)});
                m_out.push_back({QStringLiteral("AFTER, ADD"), added});
                m_cursor = p;
                continue;
            }
            if (last >= 0) {
                m_out.push_back({QStringLiteral("FIND"), lines(p, last + 1)});
                m_out.push_back({QStringLiteral("BEFORE, ADD"), added});
                m_cursor = last + 1;
                continue;
            }
        }
        // Otherwise the lines are replaced, from an anchor line to an anchor
        // line, so that the reader takes every one of them as it is; a
        // stretch that reaches the next change takes that one in too.
        int a = c.oldStart;
        int b = c.oldStart + c.oldCount;
        QStringList now = added;
        for (bool grew = true; grew;) {
            grew = false;
            if ((a == b || !isAnchor(m_old[a]) || now.isEmpty() || !isAnchor(now.front())) &&
                a > m_cursor) {
                --a;
                now.prepend(m_old[a]);
                grew = true;
            }
            if ((a == b || !isAnchor(m_old[b - 1]) || now.isEmpty() || !isAnchor(now.back())) &&
                b < count()) {
                if (i + 1 < changes.size() && b == changes[i + 1].oldStart) {
                    // The next change touches the stretch: one replacement for both.
                    const Install::LineChange& n = changes[++i];
                    now.append(m_new.mid(n.newStart, n.newCount));
                    b = n.oldStart + n.oldCount;
                } else {
                    now.append(m_old[b]);
                    ++b;
                }
                grew = true;
            }
        }
        const int first = a < b ? findEndingAt(b - 1, a) : -1;
        const int from = first >= 0 ? first : a;
        const QStringList replacement = lines(from, a) + now;
        m_out.push_back({QStringLiteral("FIND"), lines(from, b)});
        m_out.push_back({QStringLiteral("REPLACE WITH"), replacement});
        m_cursor = b;
    }
    return std::move(m_out);
}

void append(QStringList& out, const QString& keyword, const QStringList& content)
{
    out << QStringLiteral("#")
        << ModFormat::bannerOpening() + keyword + QStringLiteral(" ]") + QString(42, u'-')
        << QStringLiteral("#") << content;
}

std::optional<QStringList> textLines(const QByteArray& bytes)
{
    const std::optional<ForumTextFile> f = ForumTextFile::decode(bytes);
    if (!f)
        return std::nullopt;
    QStringList out;
    for (const ForumTextFile::Line& l : f->lines)
        out << l.text;
    return out;
}

// Only the line ends or blanks at line ends differ.
bool sameButBlanks(const QStringList& a, const QStringList& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QString x = a[i];
        QString y = b[i];
        while (!x.isEmpty() && x.back().isSpace())
            x.chop(1);
        while (!y.isEmpty() && y.back().isSpace())
            y.chop(1);
        if (x != y)
            return false;
    }
    return true;
}

QStringList header(const Options& options, const QStringList& edited, const QStringList& copied)
{
    if (!options.header.isEmpty()) {
        QStringList h = options.header;
        for (QString& line : h) {
            if (line.startsWith(ModFormat::filesToEditLabel().trimmed()))
                line =
                    ModFormat::filesToEditLabel() +
                    (edited.isEmpty() ? QStringLiteral("n/a") : edited.join(QStringLiteral(", ")));
            else if (line.startsWith(ModFormat::includedFilesLabel().trimmed()))
                line =
                    ModFormat::includedFilesLabel() +
                    (copied.isEmpty() ? QStringLiteral("n/a") : copied.join(QStringLiteral(", ")));
        }
        return h;
    }
    QStringList h = ModFormat::defaultTemplate().split(QStringLiteral("\r\n"));
    while (!h.isEmpty() && h.back().isEmpty())
        h.removeLast();
    for (QString& line : h) {
        if (line == ModFormat::titleLabel())
            line += options.title.isEmpty() ? tr("Changes") : options.title;
        else if (line == ModFormat::authorLabel())
            line +=
                options.author.isEmpty()
                    ? tr("Your Name < you@example.org > (Your Full Name) http://www.example.org")
                    : options.author;
        else if (line == ModFormat::descriptionLabel())
            line += tr("Changes %1.").arg((edited + copied).join(QStringLiteral(", ")));
        else if (line == ModFormat::filesToEditLabel())
            line += edited.isEmpty() ? QStringLiteral("n/a") : edited.join(QStringLiteral(", "));
        else if (line.startsWith(ModFormat::includedFilesLabel()))
            line = ModFormat::includedFilesLabel() +
                   (copied.isEmpty() ? QStringLiteral("n/a") : copied.join(QStringLiteral(", ")));
    }
    return h;
}

} // namespace

bool pathOrder(const QString& a, const QString& b)
{
    const int ca = category(a);
    const int cb = category(b);
    return ca != cb ? ca < cb : a < b;
}

Tree readTree(const QString& root)
{
    Tree tree;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isSymLink())
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            tree.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return tree;
}

Written write(const Tree& original, const Tree& changed, const Options& options)
{
    Written w;
    QStringList paths = original.keys() + changed.keys();
    std::sort(paths.begin(), paths.end(), pathOrder);
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());

    QStringList edited;
    QStringList copied;
    QStringList gone;
    QStringList binary;
    std::map<QString, std::vector<Block>, decltype(&pathOrder)> actions(&pathOrder);
    for (const QString& path : paths) {
        const bool had = original.contains(path);
        const bool has = changed.contains(path);
        if (!had) {
            copied << path;
            continue;
        }
        if (!has) {
            gone << path;
            continue;
        }
        const QByteArray& before = original[path];
        const QByteArray& after = changed[path];
        if (before == after)
            continue;
        const std::optional<QStringList> was = textLines(before);
        const std::optional<QStringList> now = textLines(after);
        if (!was || !now) {
            binary << path;
            continue;
        }
        if (sameButBlanks(*was, *now)) {
            w.leftAlone << path;
            continue;
        }
        actions[path] = FileWriter(*was, *now).run();
        edited << path;
    }

    // The script, and its proof: installed on the original in memory, with
    // the changed tree as the package beside it.
    const auto compose = [&]() {
        QStringList out = header(options, edited, copied);
        w.actions = 0;
        for (const QString& path : edited) {
            append(out, QStringLiteral("OPEN"), {path});
            ++w.actions;
            for (const Block& b : actions[path]) {
                append(out, b.keyword, b.content);
                ++w.actions;
            }
        }
        if (!copied.isEmpty()) {
            QStringList lines;
            for (const QString& p : copied)
                lines << QStringLiteral("copy root/%1 to %1").arg(p);
            append(out, QStringLiteral("COPY"), lines);
            ++w.actions;
        }
        if (!gone.isEmpty() || !binary.isEmpty()) {
            QStringList lines;
            for (const QString& p : gone)
                lines << tr("Delete the file %1 from the forum.").arg(p);
            for (const QString& p : binary)
                lines << tr("Replace %1 with the one in this MOD's package (root/%1).").arg(p);
            append(out, QStringLiteral("DIY INSTRUCTIONS"), lines);
            ++w.actions;
        }
        append(out, QStringLiteral("SAVE/CLOSE ALL FILES"), {ModFormat::endOfMod()});
        return out;
    };
    const FileTree forum = [&original](const QString& p) -> std::optional<QByteArray> {
        return original.contains(p) ? std::optional(original[p]) : std::nullopt;
    };
    const FileTree package = [&changed](const QString& p) -> std::optional<QByteArray> {
        const QString path = p.startsWith(QStringLiteral("root/")) ? p.mid(5) : QString();
        return changed.contains(path) ? std::optional(changed[path]) : std::nullopt;
    };
    const auto wrong = [&](const QStringList& script) {
        const Install::Result r =
            Install::install({{QStringLiteral("written.mod"), script, package}}, forum);
        QStringList out;
        for (const QString& p : edited + copied) {
            const auto f =
                std::find_if(r.files.begin(), r.files.end(),
                             [&p](const Install::ChangedFile& c) { return c.path == p; });
            if (f == r.files.end() || f->result != changed[p])
                out << p;
        }
        return out;
    };
    QStringList script = compose();
    // What actions could not say is copied whole, and said so.
    for (const QString& p : wrong(script)) {
        if (!edited.contains(p))
            continue;
        edited.removeAll(p);
        actions.erase(p);
        copied << p;
        w.copiedWhole << p;
    }
    std::sort(copied.begin(), copied.end(), pathOrder);
    if (!w.copiedWhole.isEmpty())
        script = compose();
    w.failed = wrong(script);
    w.files = int(edited.size() + copied.size() + gone.size() + binary.size());
    w.script = script.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return w;
}

} // namespace Writer

} // namespace Quillwright
