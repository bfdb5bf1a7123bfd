#include "core/text/LineStore.h"

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

    // Replacing stretches anywhere, the chunks must answer as one vector; a
    // copy taken along the way keeps its elements and knows how much of its
    // start and end it still has in common with the original.
    void chunkedVector_answersAsOneVector()
    {
        QRandomGenerator rng(17);
        ChunkedVector<int> chunked([](const int& v) { return v; });
        std::vector<int> plain;
        ChunkedVector<int> copy = chunked;
        std::vector<int> copied;
        int fresh = 1;
        for (int step = 0; step < 4000; ++step) {
            if (step % 50 == 0) {
                copy = chunked;
                copied = plain;
            }
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
            QCOMPARE(copy.size(), int(copied.size()));
            for (int i = 0; i < copy.size(); i += 1 + copy.size() / 64)
                QCOMPARE(copy[i], copied[size_t(i)]);
            // Putting the other's stretches in, from the last up, makes the copy.
            std::vector<int> made = plain;
            const auto differences = chunked.differences(copy, std::equal_to<int>());
            int lastEnd = -1;
            for (const auto& d : differences) {
                QVERIFY(d.at > lastEnd || (d.at == 0 && lastEnd < 0));
                lastEnd = d.at + d.removed;
            }
            for (auto d = differences.rbegin(); d != differences.rend(); ++d) {
                made.erase(made.begin() + d->at, made.begin() + d->at + d->removed);
                made.insert(made.begin() + d->at, copied.begin() + d->otherAt,
                            copied.begin() + d->otherAt + d->added);
            }
            QCOMPARE(made, copied);
            // A change costs its own stretch: nothing differs where they agree.
            if (plain == copied)
                QVERIFY(differences.empty());
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
};

QTEST_GUILESS_MAIN(TestLineStore)
#include "tst_linestore.moc"
