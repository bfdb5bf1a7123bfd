#include "document/LineStore.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

StyledText randomPiece(QRandomGenerator& rng)
{
    static const QStringList pieces = {"a", "bc", "\r\n", "x\r\ny", "", "\r\n\r\n", "OPEN "};
    StyledText t{pieces[rng.bounded(int(pieces.size()))], {}};
    if (!t.text.isEmpty() && rng.bounded(2))
        t.runs.push_back({0, int(t.text.size()), TextColor::rgb(0, 0, int(rng.bounded(3)))});
    return normalizedStyledText(t);
}

} // namespace

// The store must answer as the whole text would.
class TestLineStore : public QObject {
    Q_OBJECT
private slots:
    void randomEdits_answerAsTheWholeTextWould()
    {
        QRandomGenerator rng(31);
        LineStore store;
        StyledText flat;
        for (int step = 0; step < 3000; ++step) {
            const int length = int(flat.text.size());
            QCOMPARE(store.length(), length);
            int start = int(rng.bounded(length + 1));
            if (start > 0 && start < length && flat.text[start] == u'\n')
                --start; // positions never fall between CR and LF
            int end = std::min(start + int(rng.bounded(6)), length);
            if (end > 0 && end < length && flat.text[end] == u'\n')
                --end;
            end = std::max(end, start);
            const StyledText insert = randomPiece(rng);
            if (rng.bounded(10) == 0) {
                store.assign(insert);
                flat = insert;
            } else {
                store.replace(start, end - start, insert);
                flat = splicedStyledText(flat, start, end - start, insert);
            }
            flat.runs = canonicalRuns(flat.runs);
            const StyledText all = store.content();
            QCOMPARE(all.text, flat.text);
            QCOMPARE(all.runs, flat.runs);
            const int probe = int(rng.bounded(int(flat.text.size()) + 1));
            const int span = int(rng.bounded(5));
            const StyledText part = store.slice(probe, span);
            const StyledText expected = slicedStyledText(flat, probe, span);
            QCOMPARE(part.text, expected.text);
            QCOMPARE(canonicalRuns(part.runs), canonicalRuns(expected.runs));
            QCOMPARE(store.rangeColor(probe, span), rangeColor(flat, probe, span));
            const int line = int(QStringView(flat.text).first(probe).count(u'\n'));
            QCOMPARE(store.lineAt(probe), line);
            const int lineStart = line == 0 ? 0 : int(flat.text.lastIndexOf(u'\n', probe - 1)) + 1;
            QCOMPARE(store.lineStart(line), lineStart);
        }
    }

    // Replacing stretches anywhere, the chunks must answer as one vector.
    void chunkedVector_answersAsOneVector()
    {
        QRandomGenerator rng(17);
        ChunkedVector<int> chunked([](const int& v) { return v; });
        std::vector<int> plain;
        int fresh = 1;
        for (int step = 0; step < 4000; ++step) {
            const int n = int(plain.size());
            const int at = int(rng.bounded(n + 1));
            const int count = std::min(int(rng.bounded(step % 500 == 0 ? 2000 : 5)), n - at);
            std::vector<int> items(size_t(rng.bounded(step % 700 == 0 ? 1500 : 4)));
            for (int& v : items)
                v = fresh++ % 9;
            if (rng.bounded(20) == 0 && n > 0) {
                const int i = int(rng.bounded(n));
                chunked.set(i, 5);
                plain[size_t(i)] = 5;
            } else {
                chunked.replace(at, count, items);
                plain.erase(plain.begin() + at, plain.begin() + at + count);
                plain.insert(plain.begin() + at, items.begin(), items.end());
            }
            QCOMPARE(chunked.size(), int(plain.size()));
            if (plain.empty())
                continue;
            const int probe = int(rng.bounded(int(plain.size())));
            QCOMPARE(chunked[probe], plain[size_t(probe)]);
            int before = 0;
            for (int i = 0; i < probe; ++i)
                before += plain[size_t(i)];
            QCOMPARE(chunked.weightBefore(probe), before);
            // The element a weight falls in: the first whose end passes it.
            int expected = 0;
            int sum = 0;
            while (expected + 1 < int(plain.size()) && sum + plain[size_t(expected)] <= before)
                sum += plain[size_t(expected++)];
            QCOMPARE(chunked.indexAtWeight(before), expected);
        }
    }

    // A copy brought up to date by aligning only the changed stretches must
    // equal the lines themselves.
    void changedStretches_bringACopyUpToDate()
    {
        QRandomGenerator rng(5);
        const auto lineOf = [](int n) {
            return std::make_shared<const StyledText>(StyledText{QString::number(n % 7), {}});
        };
        std::vector<LinePtr> copy;
        for (int i = 0; i < 40; ++i)
            copy.push_back(lineOf(i));
        std::vector<LinePtr> lines = copy;
        int fresh = 100;
        for (int round = 0; round < 300; ++round) {
            ChangedLines changed;
            for (int k = int(rng.bounded(6)); k >= 0; --k) {
                const int n = int(lines.size());
                const int at = int(rng.bounded(n));
                const int removed = std::min(int(rng.bounded(4)), n - at);
                const int added = int(rng.bounded(4));
                if (n - removed + added == 0)
                    continue;
                lines.erase(lines.begin() + at, lines.begin() + at + removed);
                for (int a = 0; a < added; ++a)
                    lines.insert(lines.begin() + at, lineOf(fresh++));
                changed.add({at, removed, added});
            }
            // Top down, so the copy is already renumbered above each stretch.
            for (const ChangedLines::Stretch& s : changed.stretches()) {
                const int from = s.start;
                for (const LineSplice& sp :
                     alignLines(copy, from, s.replaced, lines, s.start, s.length)) {
                    const int at = sp.line - s.start + from;
                    copy.erase(copy.begin() + at, copy.begin() + at + sp.removed);
                    copy.insert(copy.begin() + at, lines.begin() + sp.line,
                                lines.begin() + sp.line + sp.added);
                }
            }
            QCOMPARE(copy.size(), lines.size());
            for (size_t i = 0; i < lines.size(); ++i)
                QCOMPARE(copy[i]->text, lines[i]->text);
        }
    }
};

QTEST_GUILESS_MAIN(TestLineStore)
#include "tst_linestore.moc"
