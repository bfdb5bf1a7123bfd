#include "core/colouring/LineIndex.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/outline/ActionOutline.h"

#include <QRandomGenerator>

#include <QTest>

using namespace Quillwright;

using namespace ActionOutline;

namespace {
QString block(const QString& keyword, const QString& body)
{
    return "#\r\n#-----[ " + keyword + " ]------------------------------------------\r\n#\r\n" +
           body + "\r\n";
}
} // namespace

class TestOutline : public QObject {
    Q_OBJECT
private slots:
    void scan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("three builder blocks") << "header\r\n" + block("OPEN", "index.php") +
                                                     block("FIND", "x") + block("AFTER, ADD", "y")
                                              << QStringList{"OPEN", "FIND", "AFTER, ADD"};
        QTest::newRow("banner without # line before") << "x\r\n#-----[ OPEN ]---\r\n"
                                                      << QStringList{};
        QTest::newRow("keyword not trimmed") << "#\r\n#-----[  OPEN  ]---" << QStringList{" OPEN "};
        QTest::newRow("closing missing runs to the next one")
            << "#\r\n#-----[ OPEN\r\nabc\r\n#\r\n#-----[ FIND ]---"
            << QStringList{"OPEN\r\nabc\r\n#\r\n#-----[ FIND", "FIND"};
        QTest::newRow("unclosed at the end runs into the sentinel")
            << "#\r\n#-----[ OPEN" << QStringList{"OPEN#\r\n#-----[ "};
        QTest::newRow("lf line ends find nothing") << "#\n#-----[ OPEN ]---\n" << QStringList{};
        QTest::newRow("none") << "## Mod Title: x" << QStringList{};
    }

    void scan()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keywords);
        QCOMPARE(scanKeywords(text), keywords);
        QCOMPARE(countBanners(text), keywords.size());
        // Read from the banner lines a line index lists, the same.
        MemoryRichTextControl c;
        c.setText(text);
        if (c.text() != text)
            return; // LF line ends: the control makes them CR LF
        LineIndex index({"Mod Title:"});
        index.update(c);
        QCOMPARE(index.bannerCount(), keywords.size());
        QCOMPARE(keywordsOnLines(c, index.bannerLines()), keywords);
    }

    // Edited anywhere, the index's banner lines give the whole text's
    // keywords, and the model's list of changed nodes rebuilds a copy.
    void bannerLines_followEdits_andTheModelSaysWhatChanged()
    {
        QRandomGenerator rng(12);
        const QStringList pieces = {"#\r\n#-----[ OPEN ]---\r\n",
                                    "#\r\n#-----[ FIND ]---\r\n",
                                    "x\r\n",
                                    "#",
                                    "\r\n",
                                    "#-----[ ",
                                    " ]---",
                                    "COPY",
                                    "#\r\n"};
        MemoryRichTextControl c;
        LineIndex index({"Mod Title:"});
        Model model;
        Model fromChanges;
        std::vector<QString> shown; // a copy kept up to date by the changes alone
        for (int step = 0; step < 2000; ++step) {
            const int length = c.textLength();
            c.setSelStart(int(rng.bounded(length + 1)));
            c.setSelLength(rng.bounded(3) == 0 ? int(rng.bounded(20)) : 0);
            c.setSelText(pieces[rng.bounded(pieces.size())]);
            index.update(c);
            const QString text = c.text();
            QCOMPARE(index.bannerCount(), countBanners(text));
            QCOMPARE(keywordsOnLines(c, index.bannerLines()), scanKeywords(text));
            bool readOn = false;
            const QStringList known = index.bannerKeywords(&readOn);
            if (!readOn)
                QCOMPARE(known, scanKeywords(text));
            // Two models: one from the whole list, one from the index's changes.
            const bool force = step % 5 == 0;
            const LineChanges banners = index.takeBannerChanges();
            const bool whole = model.refresh(
                index.bannerCount(), [&] { return keywordsOnLines(c, index.bannerLines()); },
                force);
            const bool changes = fromChanges.refresh(
                index.bannerCount(), banners.splices,
                banners.everything || index.anyKeywordReadsOn(),
                [&](int b) {
                    return keywordsOnLines(c, {index.bannerLines()[size_t(b)]}).value(0);
                },
                force);
            QCOMPARE(fromChanges.nodes(), model.nodes());
            QCOMPARE(changes, whole);
            if (changes) {
                // What the changes say brings a copy of the list up to date.
                for (const NodeChange& ch : fromChanges.lastChanges()) {
                    shown.erase(shown.begin() + ch.line, shown.begin() + ch.line + ch.removed);
                    shown.insert(shown.begin() + ch.line, size_t(ch.added), QString());
                }
                for (size_t i = 0; i < shown.size(); ++i)
                    if (shown[i].isNull())
                        shown[i] = fromChanges.nodes()[i].text;
            }
            QCOMPARE(shown.size(), model.nodes().size());
            for (size_t i = 0; i < shown.size(); ++i)
                QCOMPARE(shown[i], model.nodes()[i].text);
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("picture");
        QTest::newRow("OPEN") << "OPEN" << 14;
        QTest::newRow("SAVE/CLOSE") << "SAVE/CLOSE ALL FILES" << 14;
        QTest::newRow("FIND") << "FIND" << 15;
        QTest::newRow("IN-LINE FIND") << "IN-LINE FIND" << 15;
        QTest::newRow("AFTER, ADD") << "AFTER, ADD" << 16;
        QTest::newRow("IN-LINE AFTER, ADD") << "IN-LINE AFTER, ADD" << 16;
        QTest::newRow("BEFORE, ADD") << "BEFORE, ADD" << 17;
        QTest::newRow("IN-LINE BEFORE, ADD") << "IN-LINE BEFORE, ADD" << 17;
        QTest::newRow("REPLACE") << "REPLACE" << 18;
        QTest::newRow("REPLACE WITH") << "REPLACE WITH" << 0;
        QTest::newRow("lower case") << "open" << 0;
        QTest::newRow("SQL") << "SQL" << 0;
    }

    void pictures()
    {
        QFETCH(QString, keyword);
        QFETCH(int, picture);
        QCOMPARE(keywordPicture(keyword), picture);
    }

    void model_rebuildsOnlyWhenTheBannerCountChanges()
    {
        Model m;
        QString text = block("OPEN", "a") + block("FIND", "b") + block("AFTER, ADD", "c");
        QVERIFY(m.refresh(text));
        QCOMPARE(m.nodes().size(), size_t(3));
        QCOMPARE(m.nodes()[1], (Node{"FIND", 15}));
        QCOMPARE(m.nodes()[2], (Node{"AFTER, ADD", 16}));

        text.replace("FIND", "REPLACE WITH");
        QVERIFY(!m.refresh(text));
        QCOMPARE(m.nodes()[1].text, QString("FIND"));

        text += block("OPEN", "d");
        QVERIFY(m.refresh(text));
        QCOMPARE(m.nodes().size(), size_t(4));
        QCOMPARE(m.nodes()[1], (Node{"REPLACE WITH", 0}));

        QVERIFY(m.refresh("no banners"));
        QVERIFY(m.nodes().empty());
    }
};

QTEST_GUILESS_MAIN(TestOutline)
#include "tst_outline.moc"
