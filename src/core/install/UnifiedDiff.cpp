#include "core/install/UnifiedDiff.h"

#include <algorithm>
#include <vector>

namespace Quillwright {

namespace Install {
namespace {

// Lines split after each LF, each keeping its bytes; a last line without
// one says so.
std::vector<QByteArrayView> splitLines(const QByteArray& bytes)
{
    std::vector<QByteArrayView> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            out.push_back(QByteArrayView(bytes).sliced(start, i + 1 - start));
            start = i + 1;
        }
    if (start < bytes.size())
        out.push_back(QByteArrayView(bytes).sliced(start));
    return out;
}

enum class Op : char { Same, Gone, Added };

// The shortest edit between a and b (Myers' algorithm) over what differs
// between their common start and end; past `limit` edits it gives up and
// replaces the whole middle, which is still a correct diff.
template <typename Line>
std::vector<Op> editScript(const std::vector<Line>& a, const std::vector<Line>& b)
{
    int head = 0;
    while (head < int(a.size()) && head < int(b.size()) && a[size_t(head)] == b[size_t(head)])
        ++head;
    int tail = 0;
    while (tail < int(a.size()) - head && tail < int(b.size()) - head &&
           a[a.size() - 1 - size_t(tail)] == b[b.size() - 1 - size_t(tail)])
        ++tail;
    const int n = int(a.size()) - head - tail;
    const int m = int(b.size()) - head - tail;
    std::vector<Op> middle;
    const int limit = 2000;
    const int maxD = std::min(n + m, limit);
    const int offset = maxD + 1;
    std::vector<int> v(size_t(2 * offset + 1), 0);
    std::vector<std::vector<int>> trace;
    int found = -1;
    for (int d = 0; d <= maxD && found < 0; ++d) {
        trace.push_back(v);
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[size_t(offset + k - 1)] < v[size_t(offset + k + 1)]))
                        ? v[size_t(offset + k + 1)]
                        : v[size_t(offset + k - 1)] + 1;
            int y = x - k;
            while (x < n && y < m && a[size_t(head + x)] == b[size_t(head + y)]) {
                ++x;
                ++y;
            }
            v[size_t(offset + k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0) {
        middle.assign(size_t(n), Op::Gone);
        middle.insert(middle.end(), size_t(m), Op::Added);
    } else {
        int x = n;
        int y = m;
        for (int d = found; d > 0; --d) {
            const std::vector<int>& pv = trace[size_t(d)];
            const int k = x - y;
            const bool down =
                k == -d || (k != d && pv[size_t(offset + k - 1)] < pv[size_t(offset + k + 1)]);
            const int prevK = down ? k + 1 : k - 1;
            const int prevX = pv[size_t(offset + prevK)];
            const int prevY = prevX - prevK;
            while (x > prevX && y > prevY) {
                middle.push_back(Op::Same);
                --x;
                --y;
            }
            middle.push_back(down ? Op::Added : Op::Gone);
            x = prevX;
            y = prevY;
        }
        while (x > 0 && y > 0) {
            middle.push_back(Op::Same);
            --x;
            --y;
        }
        std::reverse(middle.begin(), middle.end());
    }
    std::vector<Op> ops(size_t(head), Op::Same);
    ops.insert(ops.end(), middle.begin(), middle.end());
    ops.insert(ops.end(), size_t(tail), Op::Same);
    return ops;
}

// The stretches of ops shown: each change with `context` ops alike around
// it, two changes joined when no more than twice that lies between.
struct Hunk {
    size_t first = 0;
    size_t last = 0; // one past
    int oldStart = 0;
    int oldCount = 0;
    int newStart = 0;
    int newCount = 0;
};
std::vector<Hunk> hunks(const std::vector<Op>& ops, int context)
{
    std::vector<int> ia(ops.size() + 1);
    std::vector<int> ib(ops.size() + 1);
    for (size_t i = 0; i < ops.size(); ++i) {
        ia[i + 1] = ia[i] + (ops[i] != Op::Added ? 1 : 0);
        ib[i + 1] = ib[i] + (ops[i] != Op::Gone ? 1 : 0);
    }
    std::vector<Hunk> out;
    size_t i = 0;
    while (i < ops.size()) {
        while (i < ops.size() && ops[i] == Op::Same)
            ++i;
        if (i == ops.size())
            break;
        const size_t start = i >= size_t(context) ? i - size_t(context) : 0;
        size_t end = i;
        while (end < ops.size()) {
            size_t same = end;
            while (same < ops.size() && ops[same] == Op::Same)
                ++same;
            if (same == ops.size() || same - end > size_t(2 * context)) {
                end = std::min(ops.size(), end + size_t(context));
                break;
            }
            end = same;
            while (end < ops.size() && ops[end] != Op::Same)
                ++end;
        }
        out.push_back({start, end, ia[start], ia[end] - ia[start], ib[start], ib[end] - ib[start]});
        i = end;
    }
    return out;
}

void appendLine(QByteArray& out, char mark, QByteArrayView line)
{
    out += mark;
    out += line;
    if (!line.endsWith('\n'))
        out += "\n\\ No newline at end of file\n";
}

} // namespace

std::vector<DiffRow> diffRows(const QStringList& before, const QStringList& after, int context)
{
    const std::vector<QString> a(before.begin(), before.end());
    const std::vector<QString> b(after.begin(), after.end());
    const std::vector<Op> ops = editScript(a, b);
    std::vector<DiffRow> rows;
    for (const Hunk& h : hunks(ops, context)) {
        rows.push_back({DiffRow::Hunk, h.oldStart + 1, h.newStart + 1, QString()});
        int ia = h.oldStart;
        int ib = h.newStart;
        for (size_t k = h.first; k < h.last; ++k) {
            if (ops[k] == Op::Same) {
                rows.push_back({DiffRow::Same, ia + 1, ib + 1, a[size_t(ia)]});
                ++ia;
                ++ib;
            } else if (ops[k] == Op::Gone) {
                rows.push_back({DiffRow::Gone, ia + 1, 0, a[size_t(ia)]});
                ++ia;
            } else {
                rows.push_back({DiffRow::Added, 0, ib + 1, b[size_t(ib)]});
                ++ib;
            }
        }
    }
    return rows;
}

std::vector<LineChange> lineChanges(const QStringList& before, const QStringList& after)
{
    const std::vector<QString> a(before.begin(), before.end());
    const std::vector<QString> b(after.begin(), after.end());
    std::vector<LineChange> out;
    for (const Hunk& h : hunks(editScript(a, b), 0))
        out.push_back({h.oldStart, h.oldCount, h.newStart, h.newCount});
    return out;
}

QByteArray unifiedDiff(const QString& path, const std::optional<QByteArray>& before,
                       const QByteArray& after, int context)
{
    const QByteArray empty;
    const std::vector<QByteArrayView> a = splitLines(before ? *before : empty);
    const std::vector<QByteArrayView> b = splitLines(after);
    const std::vector<Op> ops = editScript(a, b);
    if (std::all_of(ops.begin(), ops.end(), [](Op o) { return o == Op::Same; }))
        return {};
    QByteArray out;
    const QByteArray name = path.toUtf8();
    out += before ? "--- a/" + name + "\n" : QByteArray("--- /dev/null\n");
    out += "+++ b/" + name + "\n";
    for (const Hunk& h : hunks(ops, context)) {
        const auto range = [](int first, int count) {
            return QByteArray::number(count == 0 ? first : first + 1) + "," +
                   QByteArray::number(count);
        };
        out +=
            "@@ -" + range(h.oldStart, h.oldCount) + " +" + range(h.newStart, h.newCount) + " @@\n";
        int ia = h.oldStart;
        int ib = h.newStart;
        for (size_t k = h.first; k < h.last; ++k) {
            if (ops[k] == Op::Same) {
                appendLine(out, ' ', a[size_t(ia++)]);
                ++ib;
            } else if (ops[k] == Op::Gone) {
                appendLine(out, '-', a[size_t(ia++)]);
            } else {
                appendLine(out, '+', b[size_t(ib++)]);
            }
        }
    }
    return out;
}

} // namespace Install

} // namespace Quillwright
