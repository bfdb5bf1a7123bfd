#include "core/encoding/TextEncoding.h"
#include "core/encoding/Windows1252.h"
#include "core/text/LineStore.h"
#include "core/text/SortedLines.h"
#include "core/text/TextSearch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Quillwright;

namespace {

StyledText randomPiece(QRandomGenerator& rng)
{
    static const QStringList pieces = {"a", "bc", "\r\n", "x\r\ny", "", "\r\n\r\n", "OPEN "};
    StyledText t{pieces[rng.bounded(int(pieces.size()))], {}};
    if (!t.text.isEmpty() && rng.bounded(2))
        t.runs.push_back({0, int(t.text.size()), TextColor::rgb(0, 0, int(rng.bounded(3)))});
    return normalizedStyledText(t);
}

LineStore storeOf(const QString& text)
{
    LineStore s;
    s.assign(StyledText{text, {}});
    return s;
}

SearchOptions
optionsOf(const QString& flags) // c: match case, w: whole words, r: regular expression
{
    return {flags.contains(u'c'), flags.contains(u'w'), flags.contains(u'r')};
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
                // The whole text anew; a plain one as a file's lines are
                // made, those that read alike held once.
                const bool plain = insert.runs.empty() && rng.bounded(2);
                if (plain)
                    store.assignLines(LineStore::plainLines(insert.text));
                else
                    store.assign(insert);
                flat = insert;
                for (int i = 1; plain && i < store.lineCount(); ++i)
                    for (int j = 0; j < i; ++j)
                        QCOMPARE(store.lines()[i] == store.lines()[j],
                                 store.line(i).text == store.line(j).text);
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
    void encodingTheLines_givesTheBytesOfTheWholeText_data()
    {
        QTest::addColumn<QString>("early"); // on a line of the first half
        QTest::addColumn<QString>("late");  // on a line of the second half
        QTest::newRow("ASCII") << ""
                               << "";
        QTest::newRow("letters of the code page in both halves")
            << QStringLiteral("caf\u00e9") << QStringLiteral("na\u00efve \u20ac");
        QTest::newRow("a surrogate pair in the first half, one \"?\" for two characters")
            << QStringLiteral("x\U0001F600y") << QStringLiteral("\u00e9");
        QTest::newRow("pairs in both halves")
            << QStringLiteral("\U0001F600\U0001F601") << QStringLiteral("\U0001F602");
        QTest::newRow("a character the code page lacks only in the second half")
            << "" << QStringLiteral("\u03a9");
    }

    void encodingTheLines_givesTheBytesOfTheWholeText()
    {
        QFETCH(QString, early);
        QFETCH(QString, late);
        // Big enough to be encoded as two halves at once.
        QStringList lines;
        for (int i = 0; i < 60000; ++i)
            lines << QStringLiteral("$line_%1 = 'some text of a line';").arg(i);
        lines[100] += early;
        lines[55000] += late;
        const QString text = lines.join(QStringLiteral("\r\n"));
        LineStore store;
        store.assignLines(LineStore::plainLines(text));
        QVERIFY(store.length() >= (1 << 20) && store.lines().chunkCount() >= 2);
        const EncodedText got = encodeLines(store, TextEncoding::Windows1252);
        const Windows1252::Encoded want = Windows1252::encode(text);
        QCOMPARE(got.bytes, want.bytes);
        QCOMPARE(got.unmappable, want.unmappable);
        QCOMPARE(got.firstUnmappable, want.firstUnmappable);
    }

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

    // Runs of neighbouring entries (a paste read top down) and single ones
    // anywhere, taken out one by one or by stretches, and lines moving: the
    // set must answer as a sorted vector wherever its gap has got to.
    void sortedLines_answerAsASortedVector()
    {
        QRandomGenerator rng(29);
        SortedLines set;
        std::vector<int> plain;
        for (int step = 0; step < 3000; ++step) {
            const int line = int(rng.bounded(5000));
            switch (rng.bounded(5)) {
            case 0:
                for (int k = 0; k < int(rng.bounded(40)); ++k) {
                    const int place = set.insert(line + 3 * k);
                    const auto at = std::lower_bound(plain.begin(), plain.end(), line + 3 * k);
                    QCOMPARE(place, int(at - plain.begin()));
                    if (at == plain.end() || *at != line + 3 * k)
                        plain.insert(at, line + 3 * k);
                }
                break;
            case 1:
                set.erase(line);
                std::erase(plain, line);
                break;
            case 2: {
                const int last = line + int(rng.bounded(300));
                const auto gone =
                    std::erase_if(plain, [&](int v) { return v >= line && v < last; });
                QCOMPARE(set.eraseRange(line, last), int(gone));
                break;
            }
            case 3: {
                // Lines move back only over a stretch emptied first.
                const int delta = int(rng.bounded(200)) - 100;
                if (delta < 0) {
                    set.eraseRange(line + delta, line);
                    std::erase_if(plain, [&](int v) { return v >= line + delta && v < line; });
                }
                set.shift(line, delta);
                for (int& v : plain)
                    if (v >= line)
                        v += delta;
                break;
            }
            default:
                QCOMPARE(set.contains(line), std::binary_search(plain.begin(), plain.end(), line));
                QCOMPARE(set.lowerBound(line),
                         int(std::lower_bound(plain.begin(), plain.end(), line) - plain.begin()));
            }
            QCOMPARE(set.size(), int(plain.size()));
            if (step % 100 == 0) {
                QCOMPARE(set.values(), plain);
                std::vector<int> walked;
                for (int v : set)
                    walked.push_back(v);
                QCOMPARE(walked, plain);
            }
        }
    }

    void search_findsStepsCountsAndReplaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("scopeStart"); // -1: the whole text
        QTest::addColumn<int>("scopeEnd");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");     // start of the next match from `from`; -1: none
        QTest::addColumn<int>("previous"); // start of the last match before `from`
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("replaced");
        const QString t = "OPEN index.php\r\nopen Reopen\r\n#-----[ OPEN ]";
        QTest::newRow("any case, inside words") << t << "open"
                                                << "" << -1 << -1 << 1 << 16 << 0 << 4 << "X"
                                                << "X index.php\r\nX ReX\r\n#-----[ X ]";
        QTest::newRow("match case") << t << "open"
                                    << "c" << -1 << -1 << 0 << 16 << -1 << 2 << "X"
                                    << "OPEN index.php\r\nX ReX\r\n#-----[ OPEN ]";
        QTest::newRow("whole words") << t << "open"
                                     << "w" << -1 << -1 << 17 << 37 << 16 << 3 << "X"
                                     << "X index.php\r\nX Reopen\r\n#-----[ X ]";
        QTest::newRow("a word ends at an underscore's other side")
            << "a_b a b b_"
            << "b"
            << "w" << -1 << -1 << 0 << 6 << -1 << 1 << "c"
            << "a_b a c b_";
        QTest::newRow("regular expression with captures")
            << "## MOD Version: 1.2.3\r\n## MOD Version: 0.9"
            << "(\\d+)\\.(\\d+)"
            << "r" << -1 << -1 << 0 << 16 << -1 << 2 << "\\2.\\1"
            << "## MOD Version: 2.1.3\r\n## MOD Version: 9.0";
        QTest::newRow("an empty match is a place, an empty line too")
            << "ab\r\n\r\ncd"
            << "x*"
            << "r" << -1 << -1 << 0 << 0 << -1 << 7 << "y"
            << "yayby\r\ny\r\nycydy";
        QTest::newRow("line starts") << "ab\r\n\r\ncd"
                                     << "^"
                                     << "r" << -1 << -1 << 1 << 4 << 0 << 3 << "## "
                                     << "## ab\r\n## \r\n## cd";
        QTest::newRow("\\n in the replacement breaks the line")
            << "a;b;c"
            << ";"
            << "r" << -1 << -1 << 0 << 1 << -1 << 2 << "\\n"
            << "a\r\nb\r\nc";
        QTest::newRow("a match never crosses a line break")
            << "ab\r\ncd"
            << "b.c"
            << "r" << -1 << -1 << 0 << -1 << -1 << 0 << "x"
            << "ab\r\ncd";
        QTest::newRow("in a selection only") << "x x x x"
                                             << "x"
                                             << "" << 2 << 5 << 0 << 2 << -1 << 2 << "y"
                                             << "x y y x";
        QTest::newRow("a match must end inside the selection")
            << "abab"
            << "ab"
            << "" << 0 << 3 << 0 << 0 << -1 << 1 << "-"
            << "-ab";
        QTest::newRow("stepping back from the end") << "a\r\na\r\na"
                                                    << "A"
                                                    << "" << -1 << -1 << 8 << -1 << 6 << 3 << "bb"
                                                    << "bb\r\nbb\r\nbb";
        QTest::newRow("an invalid regular expression finds nothing")
            << "a(b"
            << "("
            << "r" << -1 << -1 << 0 << -1 << -1 << 0 << "x"
            << "a(b";
        QTest::newRow("the same text escaped as plain text")
            << "a(b"
            << "("
            << "" << -1 << -1 << 0 << 1 << -1 << 1 << "x"
            << "axb";
    }
    void search_findsStepsCountsAndReplaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, flags);
        QFETCH(int, scopeStart);
        QFETCH(int, scopeEnd);
        QFETCH(int, from);
        QFETCH(int, next);
        QFETCH(int, previous);
        QFETCH(int, count);
        QFETCH(QString, with);
        QFETCH(QString, replaced);
        const LineStore lines = storeOf(text);
        const TextRange scope =
            scopeStart < 0 ? TextRange::whole(lines) : TextRange{scopeStart, scopeEnd};
        const TextSearch search(pattern, optionsOf(flags));
        QCOMPARE(search.next(lines, from, scope).start, next);
        QCOMPARE(search.previous(lines, from, scope).start, previous);
        const std::vector<TextMatch> all = search.all(lines, scope);
        QCOMPARE(int(all.size()), count);
        // Every match found stepping forward is one of all, in order.
        int at = scope.start;
        for (const TextMatch& m : all) {
            QCOMPARE(search.next(lines, at, scope), m);
            QCOMPARE(lines.content().text.mid(m.start, m.length).contains(u'\n'), false);
            at = m.start + std::max(m.length, 1); // past an empty match's place
        }
        const TextSearch::Replaced r = search.replaceAll(lines, scope, with);
        QCOMPARE(r.count, count);
        QCOMPARE(r.lines.content().text, replaced);
        if (count > 0) {
            // The caret goes after the last replacement.
            const TextMatch last = all.back();
            const int lastEnd =
                int(replaced.size()) - (int(text.size()) - last.start - last.length);
            QCOMPARE(r.last.start, lastEnd);
        }
    }

    void replaceAll_keepsTheColoursAroundTheMatches_andSharesUntouchedLines()
    {
        LineStore lines;
        lines.assign(
            StyledText{"#-----[ OPEN ]\r\nindex.php\r\nkeep",
                       {{0, 8, TextColor::rgb(0, 0, 255)}, {8, 4, TextColor::rgb(0, 128, 0)}}});
        const TextSearch::Replaced r =
            TextSearch("OPEN", {}).replaceAll(lines, TextRange::whole(lines), "COPY");
        QCOMPARE(r.lines.line(0).text, QString("#-----[ COPY ]"));
        QCOMPARE(r.lines.line(0).runs, (std::vector<ColorRun>{{0, 8, TextColor::rgb(0, 0, 255)}}));
        QVERIFY(r.lines.lines()[1] == lines.lines()[1]);
        QVERIFY(r.lines.lines()[2] == lines.lines()[2]);
    }
};

QTEST_GUILESS_MAIN(TestLineStore)
#include "tst_linestore.moc"
