#include "core/checker/HeaderCheck.h"

#include "core/checker/Rules.h"
#include "core/script/HeaderPlaceholders.h"
#include "core/script/ModFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace Quillwright {

namespace Checker {
namespace {

using ModReader::Kind;
using ModReader::scriptPath;

enum class Field { Title, Author, Description, Version, Level, Time, FilesToEdit, IncludedFiles };

// The header's fields: the label as read (lower case, without "mod "), and
// the name findings call it by.
struct FieldName {
    Field field;
    const char* key;
    const char* name;
};
constexpr FieldName Fields[] = {
    {Field::Title, "title", "MOD Title"},
    {Field::Author, "author", "MOD Author"},
    {Field::Description, "description", "MOD Description"},
    {Field::Version, "version", "MOD Version"},
    {Field::Level, "installation level", "Installation Level"},
    {Field::Time, "installation time", "Installation Time"},
    {Field::FilesToEdit, "files to edit", "Files To Edit"},
    {Field::IncludedFiles, "included files", "Included Files"},
};
constexpr size_t FieldCount = std::size(Fields);

bool isList(Field f)
{
    return f == Field::FilesToEdit || f == Field::IncludedFiles;
}

// "## Label: value" as authors write it: any blanks, the label in any case,
// with or without "MOD ", words of its own after it ("Files To Edit (6)").
struct Label {
    QString text;      // lower case, runs of blanks one blank, without "mod "
    QString written;   // as written
    QStringView value; // after the colon, trimmed
};

std::optional<Label> readLabel(QStringView line)
{
    const QStringView t = line.trimmed();
    const std::optional<QStringView> comment = ModFormat::afterCommentMark(t);
    if (!comment)
        return std::nullopt;
    const QStringView rest = *comment;
    if (rest.startsWith(u'#'))
        return std::nullopt; // a separator, or a "###" rule with text in it
    const qsizetype colon = rest.indexOf(u':');
    if (colon <= 0)
        return std::nullopt;
    const QStringView written = rest.first(colon).trimmed();
    if (written.isEmpty() || written.size() > 40 || !written.front().isLetter())
        return std::nullopt;
    // Letters, blanks and commas, and a count in brackets at the end.
    static const QRegularExpression form(
        QStringLiteral(
            "^[\\p{L}][\\p{L}\\s,'\\-]*?(\\s*[\\(\\[]\\s*\\d*\\s*(files?)?\\s*[\\)\\]])?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!form.match(written).hasMatch())
        return std::nullopt;
    const QString text = ModFormat::withoutModPrefix(written.toString().toLower().simplified());
    return Label{text, written.toString(), rest.sliced(colon + 1).trimmed()};
}

// A field's label: the template's words exactly (any case), or with words of
// the author's own after them. A count among them ("(6)") is kept.
struct FieldLabel {
    Field field;
    bool variant = false;  // words of its own after the template's
    bool coAuthor = false; // "MOD Author, Secondary"
    std::optional<int> count;
};

std::optional<FieldLabel> fieldOf(const Label& label)
{
    // "File To Edit", "Included File": the list's label in the singular.
    static const QHash<QString, Field> singular = {
        {QStringLiteral("file to edit"), Field::FilesToEdit},
        {QStringLiteral("included file"), Field::IncludedFiles}};
    for (auto it = singular.constBegin(); it != singular.constEnd(); ++it)
        if (label.text == it.key())
            return FieldLabel{it.value(), true, false, std::nullopt};
    for (const FieldName& f : Fields) {
        const QLatin1String key(f.key);
        if (label.text == key)
            return FieldLabel{f.field, false, false, std::nullopt};
        if (!label.text.startsWith(key))
            continue;
        const QStringView extra = QStringView(label.text).sliced(key.size()).trimmed();
        if (f.field == Field::Author && extra.startsWith(u','))
            return FieldLabel{f.field, false, true, std::nullopt};
        static const QRegularExpression counted(
            QStringLiteral("^[\\(\\[]\\s*(\\d*)\\s*(files?)?\\s*[\\)\\]]$"));
        if (const QRegularExpressionMatch m = counted.match(extra); m.hasMatch()) {
            FieldLabel l{f.field, true, false, std::nullopt};
            if (!m.captured(1).isEmpty())
                l.count = m.captured(1).toInt();
            return l;
        }
    }
    return std::nullopt;
}

// A list of files as a header gives it: a count, "n/a", or names, on the
// label's line and the lines below it.
struct FileList {
    std::optional<int> count; // a number the author gave for the files
    bool saysNone = false;    // "n/a", "none", "0"
    QStringList names;        // paths as scripts write them
    bool empty() const { return names.isEmpty() && !count && !saysNone; }
};

// A word that names a file or a folder: a path, a name with an extension, or
// a wildcard; not a version number, a web address or a word of prose.
bool namesAFile(QStringView word)
{
    if (word.isEmpty() || word.size() > 200 || word.contains(QStringLiteral("://")) ||
        word.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return false;
    bool letter = false;
    for (QChar c : word) {
        if (c.isLetter())
            letter = true;
        else if (!c.isDigit() && !QStringView(u"_-./\\*?~+@$%{}").contains(c))
            return false;
    }
    if (!letter && !word.contains(u'*'))
        return false;
    if (word.contains(u'/') || word.contains(u'\\') || word.contains(u'*'))
        return true;
    // An extension with a letter in it: "viewtopic.php", ".htaccess", not "1.0.3".
    const qsizetype dot = word.lastIndexOf(u'.');
    if (dot < 0 || dot + 1 == word.size())
        return false;
    const QStringView extension = word.sliced(dot + 1);
    return (extension.size() <= 6 || dot == 0) &&
           std::any_of(extension.begin(), extension.end(), [](QChar c) { return c.isLetter(); });
}

// "n/a", "none", "(N/A)", "< n/a >", "--none--", "None (No included files)", "0".
bool saysNone(QStringView text)
{
    QString t;
    for (QChar c : text)
        if (!QStringView(u"()[]<>-!.\"' \t").contains(c))
            t += c.toLower();
    return t.isEmpty() || t == u"0" || t == u"na" || t.startsWith(QStringLiteral("n/a")) ||
           t.startsWith(QStringLiteral("none")) || t.startsWith(QStringLiteral("nothing")) ||
           t == u"aucun" || t == u"keine" || t == u"ninguno" || t == u"nessuno";
}

// The words of a line of a list with bullets and the author's notes in
// brackets after a name left out ("- x.php (optional)").
QStringList listWords(QStringView text)
{
    static const QRegularExpression note(QStringLiteral("\\s[\\(\\[<][^\\)\\]>]*[\\)\\]>]?"));
    const QString kept = text.toString().remove(note);
    static const QRegularExpression between(QStringLiteral("[,;\\s]+"));
    QStringList words;
    for (QString word : kept.split(between, Qt::SkipEmptyParts)) {
        while (!word.isEmpty() && QStringView(u"([<\"'`").contains(word.front()))
            word.remove(0, 1);
        while (!word.isEmpty() && QStringView(u")]>\"'`.:!").contains(word.back()))
            word.chop(1);
        if (!word.isEmpty() && word != u"-" && word != u"o" && word != u"*" && word != u"+")
            words << word;
    }
    return words;
}

// A line below the label that goes on with the list: it begins with a name
// (or "copy" and a name). Prose after a list ("This MOD will install using
// EasyMOD!") does not.
bool goesOnWithList(QStringView text)
{
    QStringList words = listWords(text);
    if (!words.isEmpty() && words.front().compare(QStringLiteral("copy"), Qt::CaseInsensitive) == 0)
        words.removeFirst();
    return !words.isEmpty() && namesAFile(words.front());
}

// A heading among the names: "--- lang settings ---", "Templates:".
bool isListHeading(QStringView text)
{
    return text.startsWith(QStringLiteral("--")) || text.startsWith(QStringLiteral("==")) ||
           (text.endsWith(u':') && !text.contains(u'/'));
}

void readListText(QStringView text, FileList& list, bool labelLine)
{
    text = text.trimmed();
    if (text.isEmpty())
        return;
    if (labelLine) {
        // A count before the names: "4", "(6)", "6 Files", "2: includes/x.php".
        static const QRegularExpression countFirst(
            QStringLiteral("^[\\(\\[]?\\s*(\\d+)\\s*(files?)?\\s*[\\)\\]]?\\s*[:\\-]?(\\s+|$)"),
            QRegularExpression::CaseInsensitiveOption);
        if (const QRegularExpressionMatch m = countFirst.match(text); m.hasMatch()) {
            const int n = m.captured(1).toInt();
            if (n == 0) {
                list.saysNone = true;
                return;
            }
            list.count = n;
            text = text.sliced(m.capturedLength()).trimmed();
        }
        if (list.names.isEmpty() && saysNone(text)) {
            list.saysNone = !text.isEmpty() || !list.count;
            return;
        }
    } else if (list.names.isEmpty() && !list.count && saysNone(text)) {
        list.saysNone = true;
        return;
    } else if (!goesOnWithList(text)) {
        return;
    }
    for (const QString& word : listWords(text))
        if (namesAFile(word))
            list.names << scriptPath(word);
}

// A path compared as installers do: any case, "/" between folders.
QString key(const QString& path)
{
    return scriptPath(path).toLower();
}

QRegularExpression wildcard(const QString& pattern)
{
    QString re;
    for (QChar c : pattern) {
        if (c == u'*')
            re += QStringLiteral(".*");
        else if (c == u'?')
            re += u'.';
        else
            re += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(u'^' + re + u'$');
}

bool hasWildcard(const QString& s)
{
    return s.contains(u'*') || s.contains(u'?');
}

// A file name without its extension: "includes/page_header" for
// "includes/page_header.php".
QString stem(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash + 1 ? path.first(dot) : path;
}

// The same path, or its end: "viewtopic_body.tpl", "subSilver/viewtopic_body.tpl"
// for "templates/subSilver/viewtopic_body.tpl". A name with folders the path
// lacks ("templates/templates/...") names another file.
bool sameOrTail(const QString& name, const QString& path)
{
    return name == path || path.endsWith(u'/' + name);
}

// Whether a name in a header list stands for a path the actions name: the
// same path, its end (the file name alone), without its extension, a folder
// holding it, or a wildcard either way. Both in key() form.
bool stands(const QString& name, const QString& path)
{
    if (name.endsWith(u'/'))
        return path.startsWith(name) || path.contains(u'/' + name);
    if (sameOrTail(name, path))
        return true;
    if (hasWildcard(name)) {
        const QRegularExpression re = wildcard(name);
        if (re.match(path).hasMatch())
            return true;
        for (qsizetype at = path.indexOf(u'/'); at >= 0; at = path.indexOf(u'/', at + 1))
            if (re.match(path.sliced(at + 1)).hasMatch())
                return true;
        return false;
    }
    if (hasWildcard(path)) {
        // The files a wildcard stands for, named by their path or its end.
        if (wildcard(path).match(name).hasMatch())
            return true;
        for (qsizetype at = path.indexOf(u'/'); at >= 0; at = path.indexOf(u'/', at + 1))
            if (wildcard(path.sliced(at + 1)).match(name).hasMatch())
                return true;
        // The folder a wildcard copies from or to, named alone.
        const QString folder = path.first(std::max<qsizetype>(path.lastIndexOf(u'/'), 0));
        return !folder.isEmpty() && sameOrTail(name, folder);
    }
    return stem(name) == name && stem(path) != path && sameOrTail(name, stem(path));
}

int editDistance(const QString& a, const QString& b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min(
                {above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The same file written wrongly: a few letters apart ("langugage/"), or the
// same file name in another folder.
bool looksLike(const QString& name, const QString& path)
{
    if (name.section(u'/', -1) == path.section(u'/', -1))
        return true;
    return std::abs(name.size() - path.size()) <= 3 && editDistance(name, path) <= 3;
}

// One COPY line: the file or files it copies and where they go in the forum.
struct Copied {
    QString source;
    QString target; // a folder target gets the source's file name
};

std::optional<Copied> readCopy(QStringView line)
{
    static const QRegularExpression copy(QStringLiteral("^\\s*copy\\s+(.+?)\\s+to\\s+(.+?)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = copy.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    const QString source = scriptPath(m.captured(1));
    QString target = scriptPath(m.captured(2));
    const QString fileName = source.section(u'/', -1);
    if (target.endsWith(u'/') || target.isEmpty())
        target += fileName;
    else if (hasWildcard(target.section(u'/', -1)))
        target = target.section(u'/', 0, -2, QString::SectionIncludeTrailingSep) + fileName;
    return Copied{source, target};
}

constexpr qsizetype MaxComparisons = 250000;

struct Seen {
    int line = -1;
    int count = 0;
    QString value; // the label line's value and the lines that go on with it
    FieldLabel label{Field::Title, false, false, std::nullopt};
    FileList list;
};

class HeaderCheck {
    Q_DECLARE_TR_FUNCTIONS(Checker)

public:
    HeaderCheck(const std::vector<QStringView>& lines, const ModReader::Script& script,
                bool actionsRead, std::vector<Finding>& out)
        : m_lines(lines), m_script(script), m_actionsRead(actionsRead), m_out(out),
          m_end(script.actions.empty() ? int(lines.size()) : script.actions.front().bannerLine)
    {}
    void run();

private:
    void readFields();
    int readList(int labelLine, Seen& s);
    bool noHeader();
    void fieldValues();
    void level(const Seen& s);
    void lists();
    void filesToEdit(const Seen& s, const QStringList& opened);
    void includedFiles(const Seen& s, const std::vector<Copied>& copied);
    void notices();
    void add(const char* rule, int line, const QString& message);
    void add(const char* rule, Severity severity, int line, const QString& message);
    QStringView line(int i) const { return m_lines[size_t(i)]; }
    const Seen& seen(Field f) const { return m_seen[size_t(f)]; }

    const std::vector<QStringView>& m_lines;
    const ModReader::Script& m_script;
    const bool m_actionsRead;
    std::vector<Finding>& m_out;
    const int m_end; // the header's end: the first banner
    Seen m_seen[FieldCount];
    QStringList m_otherLabels; // labels of no field, as written
};

void HeaderCheck::add(const char* rule, int line, const QString& message)
{
    add(rule, severityOf(rule), line, message);
}

void HeaderCheck::add(const char* rule, Severity severity, int line, const QString& message)
{
    const int length = line >= 0 && line < int(m_lines.size()) ? int(this->line(line).size()) : 0;
    m_out.push_back(
        {std::max(line, 0) + 1, 1, length, severity, QString::fromLatin1(rule), message});
}

// Lists and the description go on over the lines below their label, each
// "##" and text; a version or a level never takes the next lines in.
int HeaderCheck::readList(int labelLine, Seen& s)
{
    readListText(s.value, s.list, true);
    if (s.label.count && !s.list.count)
        s.list.count = s.label.count;
    // The text of a "##" line below the label, or nothing where the list
    // cannot go on: a label, a separator, a line that is no "##" comment.
    const auto below = [this](int i) -> std::optional<QStringView> {
        const QStringView t = line(i).trimmed();
        // Names indented under the first without the "##" go on with it too.
        if (!t.startsWith(u'#') && !line(i).isEmpty() && line(i).front().isSpace() &&
            goesOnWithList(t))
            return t;
        const std::optional<QStringView> comment = ModFormat::afterCommentMark(t);
        if (!comment || readLabel(line(i)))
            return std::nullopt;
        const QStringView rest = comment->trimmed();
        if (rest.startsWith(u'#'))
            return std::nullopt;
        return rest;
    };
    int i = labelLine + 1;
    for (; i < m_end; ++i) {
        const std::optional<QStringView> rest = below(i);
        if (!rest)
            break;
        // A blank "##" in a list that has begun ends it, unless names follow
        // (authors group their files: the PHP files, then the templates).
        if (rest->isEmpty()) {
            if (s.list.names.isEmpty())
                continue;
            int next = i + 1;
            while (next < m_end && below(next) &&
                   (below(next)->isEmpty() || isListHeading(*below(next))))
                ++next;
            if (next >= m_end || !below(next) || !goesOnWithList(*below(next)))
                break;
            i = next - 1; // each line looked at once
            continue;
        }
        s.value += u' ' + rest->toString();
        readListText(*rest, s.list, false);
    }
    return i;
}

void HeaderCheck::readFields()
{
    for (int i = 0; i < m_end; ++i) {
        const std::optional<Label> label = readLabel(line(i));
        if (!label)
            continue;
        const std::optional<FieldLabel> field = fieldOf(*label);
        if (!field) {
            if (!m_otherLabels.contains(label->written))
                m_otherLabels << label->written;
            continue;
        }
        Seen& s = m_seen[size_t(field->field)];
        const FieldName& name = Fields[size_t(field->field)];
        if (field->coAuthor)
            continue;
        if (++s.count > 1) {
            if (field->field != Field::Author) // co-authors each have their line
                add(Rule::HeaderDuplicate, i,
                    tr("\"%1\" is given more than once").arg(QLatin1String(name.name)));
            continue;
        }
        s.line = i;
        s.label = *field;
        s.value = label->value.toString();
        if (field->variant)
            add(Rule::HeaderLabel, i,
                tr("The label \"%1\" is written in a form of its own: the template writes \"%2:\"")
                    .arg(label->written, QLatin1String(name.name)));
        if (isList(field->field)) {
            i = readList(i, s) - 1;
        } else if (field->field == Field::Description) {
            for (int k = i + 1; k < m_end; ++k) {
                const QStringView t = line(k).trimmed();
                const std::optional<QStringView> comment = ModFormat::afterCommentMark(t);
                if (!comment || readLabel(line(k)))
                    break;
                const QStringView rest = comment->trimmed();
                if (rest.startsWith(u'#'))
                    break;
                if (!rest.isEmpty())
                    s.value += u' ' + rest.toString();
            }
        }
    }
}

// A file with none of the template's labels: one finding, not one a field.
bool HeaderCheck::noHeader()
{
    if (std::any_of(std::begin(m_seen), std::end(m_seen), [](const Seen& s) { return s.count; }))
        return false;
    if (!m_otherLabels.isEmpty() &&
        std::any_of(m_otherLabels.begin(), m_otherLabels.end(), [](const QString& l) {
            return std::any_of(l.begin(), l.end(), [](QChar c) { return c.unicode() > 0x7F; });
        })) {
        // A translation's header: labels in another language.
        add(Rule::HeaderMissing, 0,
            tr("The header's labels are not the template's English ones (%1): readers and "
               "tools look for \"## MOD Title:\" and the others")
                .arg(QStringList(m_otherLabels).mid(0, 3).join(QStringLiteral(", "))));
        return true;
    }
    add(Rule::HeaderMissing, 0,
        tr("The script has no MOD header (\"## MOD Title:\" and the other labels)"));
    return true;
}

void HeaderCheck::fieldValues()
{
    for (const FieldName& f : Fields) {
        const Seen& s = seen(f.field);
        if (isList(f.field))
            continue; // lists(): whether one is needed depends on the actions
        const QString name = QLatin1String(f.name);
        if (s.count == 0) {
            add(Rule::HeaderMissing, 0, tr("The header has no \"## %1:\" line").arg(name));
            continue;
        }
        const QString value = s.value.trimmed();
        if (value.isEmpty()) {
            add(Rule::HeaderEmpty, s.line, tr("\"%1\" is empty").arg(name));
            continue;
        }
        switch (f.field) {
        case Field::Title:
            if (HeaderPlaceholders::isTitle(value))
                add(Rule::HeaderPlaceholder, s.line,
                    tr("The title is still the placeholder \"%1\"").arg(value));
            break;
        case Field::Description:
            if (HeaderPlaceholders::isDescription(value))
                add(Rule::HeaderPlaceholder, s.line,
                    tr("The description is still the placeholder \"%1\"").arg(value));
            break;
        case Field::Author: {
            if (HeaderPlaceholders::isAuthorLine(value)) {
                add(Rule::HeaderPlaceholder, s.line,
                    tr("The author line is still the placeholder"));
                break;
            }
            static const QRegularExpression form(
                QStringLiteral("^[^<>()]+<[^<>]*>\\s*\\([^()]*\\)\\s*\\S*$"));
            if (!form.match(value).hasMatch())
                add(Rule::AuthorFormat, s.line,
                    tr("The author line is not in the form \"name < e-mail > (real name) web "
                       "site\""));
            break;
        }
        case Field::Version: {
            if (HeaderPlaceholders::isVersion(value)) {
                add(Rule::HeaderPlaceholder, s.line,
                    tr("The version is still the placeholder \"%1\"").arg(value));
                break;
            }
            static const QRegularExpression form(QStringLiteral("^\\d+\\.\\d+\\.\\d+[A-Za-z]?$"));
            if (!form.match(value).hasMatch())
                add(Rule::VersionFormat, s.line,
                    tr("The version \"%1\" is not in the form 1.2.3 (a letter may follow)")
                        .arg(value));
            break;
        }
        case Field::Level:
            level(s);
            break;
        default:
            break;
        }
    }
}

// Easy, Intermediate, Advanced as the template has them, easy, moderate, hard
// as the Properties dialog offers them: any case, in brackets or not.
void HeaderCheck::level(const Seen& s)
{
    static const QStringList standard = {QStringLiteral("easy"), QStringLiteral("intermediate"),
                                         QStringLiteral("advanced"), QStringLiteral("moderate"),
                                         QStringLiteral("hard")};
    static const QStringList older = {QStringLiteral("medium"),    QStringLiteral("beginner"),
                                      QStringLiteral("simple"),    QStringLiteral("expert"),
                                      QStringLiteral("difficult"), QStringLiteral("basic"),
                                      QStringLiteral("novice"),    QStringLiteral("average"),
                                      QStringLiteral("low"),       QStringLiteral("high")};
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    const QStringList words = s.value.toLower().split(notLetters, Qt::SkipEmptyParts);
    if (!words.isEmpty() && standard.contains(words.front()))
        return;
    // One letter swapped, missing or added: "Esay", "Eas".
    const auto nearly = [](const QString& a, const QString& b) {
        if (std::abs(a.size() - b.size()) > 1 || a.size() < 3)
            return false;
        if (a.size() == b.size()) {
            int diff = 0;
            for (qsizetype i = 0; i < a.size(); ++i)
                diff += a[i] != b[i];
            QString swapped = a;
            for (qsizetype i = 0; i + 1 < a.size(); ++i) {
                std::swap(swapped[i], swapped[i + 1]);
                if (swapped == b)
                    return true;
                std::swap(swapped[i], swapped[i + 1]);
            }
            return diff <= 1;
        }
        const QString& longer = a.size() > b.size() ? a : b;
        const QString& shorter = a.size() > b.size() ? b : a;
        for (qsizetype i = 0; i < longer.size(); ++i)
            if (QString(longer).remove(i, 1) == shorter)
                return true;
        return false;
    };
    const bool understood = std::any_of(words.begin(), words.end(), [&](const QString& w) {
        return standard.contains(w) || older.contains(w) ||
               std::any_of(standard.begin(), standard.end(),
                           [&](const QString& st) { return nearly(w, st); });
    });
    add(Rule::LevelValue, understood ? Severity::Note : Severity::Warning, s.line,
        tr("The installation level \"%1\" is not one of Easy, Intermediate, Advanced")
            .arg(s.value.trimmed()));
}

void HeaderCheck::lists()
{
    QStringList opened;
    std::vector<Copied> copied;
    for (const ModReader::Action& a : m_script.installed()) {
        if (a.kind == Kind::Open && a.first < a.last) {
            const QString path = scriptPath(line(a.first));
            if (!opened.contains(path, Qt::CaseInsensitive))
                opened << path;
        } else if (a.kind == Kind::Copy) {
            for (int i = a.first; i < a.last; ++i)
                if (const std::optional<Copied> c = readCopy(line(i)))
                    copied.push_back(*c);
        }
    }
    filesToEdit(seen(Field::FilesToEdit), opened);
    includedFiles(seen(Field::IncludedFiles), copied);
}

void HeaderCheck::filesToEdit(const Seen& s, const QStringList& opened)
{
    const QString all = opened.join(QStringLiteral(", "));
    if (s.count == 0) {
        if (opened.isEmpty())
            add(Rule::HeaderMissing, Severity::Note, 0,
                tr("The header has no \"## Files To Edit:\" line"));
        else
            add(Rule::HeaderMissing, 0,
                tr("The header has no \"## Files To Edit:\" line; the script opens %1").arg(all));
        return;
    }
    const FileList& list = s.list;
    if (list.names.isEmpty()) {
        if (opened.isEmpty())
            return;
        if (list.count)
            add(Rule::FilesToEdit, Severity::Note, s.line,
                tr("\"Files To Edit\" gives a count (%1), not the files: %2")
                    .arg(*list.count)
                    .arg(all));
        else if (list.saysNone)
            add(Rule::FilesToEdit, s.line,
                tr("\"Files To Edit\" says there are none, but the script opens %1").arg(all));
        else
            add(Rule::FilesToEdit, s.line,
                tr("\"Files To Edit\" is empty, but the script opens %1").arg(all));
        return;
    }
    if (list.count && *list.count != list.names.size())
        add(Rule::FilesToEdit, Severity::Note, s.line,
            tr("\"Files To Edit\" says %1 but names %n file(s)", nullptr, int(list.names.size()))
                .arg(*list.count));
    if (opened.isEmpty()) {
        add(Rule::FilesToEdit, s.line,
            tr("\"Files To Edit\" lists files, but the script opens none"));
        return;
    }
    // Every name against every file: a header of thousands of names is no
    // one's, and is not compared.
    if (list.names.size() * opened.size() > MaxComparisons)
        return;
    QStringList notListed;
    for (const QString& p : opened)
        if (std::none_of(list.names.begin(), list.names.end(),
                         [&](const QString& n) { return stands(key(n), key(p)); }))
            notListed << p;
    QStringList notOpened;
    for (const QString& n : list.names)
        if (std::none_of(opened.begin(), opened.end(),
                         [&](const QString& p) { return stands(key(n), key(p)); }))
            notOpened << n;
    // A name a letter or a folder away from a file the script opens is that
    // file misspelt: one finding for the pair.
    for (qsizetype k = 0; k < notOpened.size();) {
        const auto close = std::find_if(notListed.begin(), notListed.end(), [&](const QString& p) {
            return looksLike(key(notOpened[k]), key(p));
        });
        if (close == notListed.end()) {
            ++k;
            continue;
        }
        add(Rule::FilesToEdit, s.line,
            tr("\"Files To Edit\" writes %1 where the script opens %2").arg(notOpened[k], *close));
        notListed.erase(close);
        notOpened.removeAt(k);
    }
    if (!notListed.isEmpty())
        add(Rule::FilesToEdit, s.line,
            tr("\"Files To Edit\" does not list %1, which the script opens")
                .arg(notListed.join(QStringLiteral(", "))));
    if (!notOpened.isEmpty())
        add(Rule::FilesToEdit, s.line,
            tr("\"Files To Edit\" lists %1, which no OPEN opens")
                .arg(notOpened.join(QStringLiteral(", "))));
}

void HeaderCheck::includedFiles(const Seen& s, const std::vector<Copied>& copied)
{
    QStringList targets;
    for (const Copied& c : copied)
        if (!targets.contains(c.target, Qt::CaseInsensitive))
            targets << c.target;
    const QString all = targets.join(QStringLiteral(", "));
    if (s.count == 0) {
        if (copied.empty())
            add(Rule::HeaderMissing, Severity::Note, 0,
                tr("The header has no \"## Included Files:\" line"));
        else
            add(Rule::HeaderMissing, 0,
                tr("The header has no \"## Included Files:\" line; the script copies %1").arg(all));
        return;
    }
    const FileList& list = s.list;
    if (list.names.isEmpty()) {
        if (copied.empty())
            return;
        if (list.count)
            add(Rule::IncludedFiles, Severity::Note, s.line,
                tr("\"Included Files\" gives a count (%1), not the files: %2")
                    .arg(*list.count)
                    .arg(all));
        else if (list.saysNone)
            add(Rule::IncludedFiles, s.line,
                tr("\"Included Files\" says there are none, but the script copies %1").arg(all));
        else
            add(Rule::IncludedFiles, s.line,
                tr("\"Included Files\" is empty, but the script copies %1").arg(all));
        return;
    }
    if (list.count && *list.count != list.names.size())
        add(Rule::IncludedFiles, Severity::Note, s.line,
            tr("\"Included Files\" says %1 but names %n file(s)", nullptr, int(list.names.size()))
                .arg(*list.count));
    if (list.names.size() * qsizetype(copied.size()) > MaxComparisons)
        return;
    // A package holds files no COPY copies (an SQL installer, a readme): only
    // what the script copies is asked of the list, by its source or where it
    // lands.
    QStringList notListed;
    for (const Copied& c : copied) {
        // By where it lands, or by where the package holds it: "x.php",
        // "admin/x.php", "root/admin/x.php", "mod-pack/x.php".
        const bool named = std::any_of(list.names.begin(), list.names.end(), [&](const QString& n) {
            const QString name = key(n);
            return stands(name, key(c.target)) || stands(name, key(c.source)) ||
                   name.endsWith(u'/' + key(c.target));
        });
        if (!named && !notListed.contains(c.target, Qt::CaseInsensitive))
            notListed << c.target;
    }
    if (!notListed.isEmpty())
        add(Rule::IncludedFiles, s.line,
            tr("\"Included Files\" does not list %1, which the script copies")
                .arg(notListed.join(QStringLiteral(", "))));
}

// A notice translated (French, Chinese) or written as a "#" comment is still
// there: told by its words in several languages, or by its place between the
// header's separators.
void HeaderCheck::notices()
{
    bool security = false;
    bool backup = false;
    const QString backupText = ModFormat::backupNotice();
    static const QRegularExpression securityWords(
        QStringLiteral("security purposes|phpbb\\.com/mods|phpbbhacks|sicherheit|s[ée]curit[ée]|"
                       "seguridad|sicurezza|veiligheid|s[äa]kerhet|bezpiecze|безопасност|安全"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression backupWords(
        QStringLiteral("back ?up|backup|sichern|gesichert|sicherung|sauvegard|copia de seguridad|"
                       "copie di sicurezza|reservekopie|s[äa]kerhetskopi|kopi[eę] zapasow|"
                       "резервн|備份|备份"),
        QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < m_end; ++i) {
        const QStringView l = line(i);
        security = security || securityWords.match(l).hasMatch();
        backup = backup || l.contains(backupText, Qt::CaseInsensitive) ||
                 backupWords.match(l).hasMatch();
    }
    // The backup notice is the header's last paragraph between separators: a
    // line or two of text, whatever its language.
    if (!backup) {
        const auto isSeparator = [this](int i) {
            const QStringView t = line(i).trimmed();
            return t.size() >= 10 &&
                   std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'#'; });
        };
        std::vector<std::pair<int, int>> paragraphs; // [first, last] between separator lines
        int start = -1;
        for (int i = 0; i <= m_end; ++i) {
            const bool edge = i == m_end || isSeparator(i);
            const QStringView t = i < m_end ? line(i).trimmed() : QStringView();
            const bool empty = t.isEmpty() || std::all_of(t.begin(), t.end(), [](QChar c) {
                                   return c == u'#' || c.isSpace();
                               });
            if (edge) {
                if (start >= 0)
                    paragraphs.emplace_back(start, i - 1);
                start = -1;
            } else if (start < 0 && !empty) {
                start = i;
            }
        }
        if (paragraphs.size() >= 3) {
            const auto [from, to] = paragraphs.back();
            int text = 0;
            bool labelled = false;
            for (int i = from; i <= to; ++i) {
                text += int(line(i).trimmed().size());
                labelled = labelled || readLabel(line(i));
            }
            backup = to - from <= 2 && !labelled && text >= 30;
        }
    }
    if (!security)
        add(Rule::SecurityNoticeMissing, 0,
            tr("The header has no security notice (\"For Security Purposes, Please Check: "
               "...\")"));
    if (!backup)
        add(Rule::BackupNoticeMissing, 0,
            tr("The header does not tell the reader to back up the files the MOD changes"));
}

void HeaderCheck::run()
{
    readFields();
    if (noHeader())
        return;
    fieldValues();
    if (m_actionsRead)
        lists();
    notices();
}

} // namespace

void checkHeader(const std::vector<QStringView>& lines, const ModReader::Script& script,
                 bool actionsRead, std::vector<Finding>& out)
{
    HeaderCheck(lines, script, actionsRead, out).run();
}

} // namespace Checker

} // namespace Quillwright
