// Reading in chunks gives what reading whole gives; the object pool never hands
// out a slot twice and keeps no memory once every object is gone.

#include "LxLibCompactText.h"
#include "LxLibParser.h"
#include "LxLibPool.h"
#include "LxLibTokenizer.h"
#include "lxlib.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <thread>
#include <vector>

using namespace lxlib;

namespace {

// What each line turned into, in a form two tokenizers can be compared by.
QStringList allLines(LxLibTokenizer& tokenizer)
{
    QStringList out;
    for (LxLibLine line; tokenizer.next(line);) {
        out << QStringLiteral("%1|%2|%3|%4|%5").arg(line.number).arg(line.error).arg(line.errorColumn)
                   .arg(line.opensBlock).arg(line.endColumn);
        for (const LxLibToken& t : line.tokens)
            out.last() += QStringLiteral("|%1:%2:%3").arg(int(t.kind)).arg(t.column).arg(QString::fromUtf8(t.text, t.length));
    }
    return out << QStringLiteral("end %1").arg(tokenizer.endLine());
}

QStringList streamed(const QByteArray& text, qint64 maxBytes = 1LL << 40)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    LxLibTokenizer tokenizer(buffer, maxBytes);
    QStringList lines = allLines(tokenizer);
    if (!tokenizer.sourceError().isEmpty())
        lines.append(tokenizer.sourceError());
    return lines;
}

QStringList whole(const QByteArray& text)
{
    LxLibTokenizer tokenizer(text);
    return allLines(tokenizer);
}

// A device that fails after handing out a given number of bytes.
class FailingDevice : public QBuffer
{
public:
    FailingDevice(const QByteArray& data, qint64 failAt)
    {
        setData(data.left(failAt));
        open(QIODevice::ReadOnly);
        setErrorString(QStringLiteral("the disk went away"));
    }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        const qint64 n = QBuffer::readData(out, max);
        return n > 0 ? n : -1;
    }
};

} // namespace

class TestLxLibStream : public QObject
{
    Q_OBJECT

private slots:
    void streamedLinesMatchWholeText()
    {
        // Lines of varied length, so that chunk borders fall inside words, strings,
        // escapes, multi-byte characters and between \r and \n.
        QRandomGenerator rng(7);
        QByteArray text = "\xEF\xBB\xBFmodel-format 1.2\n";
        const QByteArray pieces[] = {"vector \"HLLZ\\\"x\\u{e9}\" {", "  stuck OUT 12 SA0", "# comment only",
                                     "    ", "}", "name \"Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\"", "bad @ line",
                                     "unterminated \"string", "pin \"12\" \"A\" INPUT"};
        while (text.size() < 3 * LxLibTokenizer::ChunkSize + 1000) {
            text += pieces[rng.bounded(int(std::size(pieces)))];
            text += QByteArray(int(rng.bounded(40)), ' ');
            text += rng.bounded(3) == 0 ? "\r\n" : "\n";
        }
        const QStringList reference = whole(text);
        QVERIFY(reference.size() > 10000);
        QCOMPARE(streamed(text), reference);
        // Without a final newline, and cut at every offset around a chunk border.
        for (int cut = LxLibTokenizer::ChunkSize - 40; cut < LxLibTokenizer::ChunkSize + 40; ++cut)
            QCOMPARE(streamed(text.left(cut)), whole(text.left(cut)));
        QCOMPARE(streamed(QByteArray()), whole(QByteArray()));

        const QByteArray longWord(LxLibTokenizer::MaxLineLength + 10, 'a');
        for (const QByteArray& ending : {QByteArray(" {  \r\n"), QByteArray(" x\n"), QByteArray(" {")}) {
            const QByteArray text = "first\n" + longWord + ending + "after \"it\"\n";
            const QStringList s = streamed(text);
            QCOMPARE(s, whole(text));
            QVERIFY2(s.at(1).contains(QStringLiteral("line is longer than the limit")), qPrintable(s.at(1).left(200)));
        }
    }

    void sourceFailures()
    {
        const QByteArray text = "model-format 1.2\n" + QByteArray(3 * LxLibTokenizer::ChunkSize, '\n') + "component {\n";
        // Too large while reading: nothing past the limit is taken apart.
        const QStringList limited = streamed(text, 100);
        QCOMPARE(limited.last(), QStringLiteral("the file is larger than the limit of 100 bytes"));
        QCOMPARE(limited.size(), 2);

        // A read error is one message at the line reached, and reading stops.
        const qint64 failAt = LxLibTokenizer::ChunkSize + 5;
        FailingDevice device(text, failAt);
        LxLibInfo info(QStringLiteral("m.model"));
        QStringList messages;
        connect(&info, &LxLibInfo::message, [&](const Message& m) { messages.append(m.text); });
        LxLibParser parser(info, device, 1LL << 30, QStringLiteral("m.model"), true, false);
        int lines = 0;
        while (parser.nextLine())
            ++lines;
        QCOMPARE(lines, 1);
        QVERIFY(!parser.nextLine());
        QCOMPARE(messages, QStringList{QStringLiteral("m.model:%1:1: cannot read the file: the disk went away")
                                           .arg(text.left(failAt).count('\n') + 1)});
        QCOMPARE(parser.errorCount(), 1);
    }

    void pool()
    {
        // Each thread keeps a window of live objects and checks that none of them
        // was overwritten by another thread's use of the same slot.
        std::vector<std::thread> threads;
        std::vector<int> damagedBy(4, 0);
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([t, &damagedBy] {
                std::vector<std::unique_ptr<LxLibDiagRuleStuckAt>> window(64);
                for (int i = 0; i < 200000; ++i) {
                    auto& slot = window[size_t(i % 64)];
                    if (slot && slot->GetSignalType() != t)
                        ++damagedBy[size_t(t)];
                    slot.reset(new LxLibDiagRuleStuckAt(t, i, 0));
                }
            });
        for (std::thread& th : threads)
            th.join();
        QCOMPARE(damagedBy, std::vector<int>(4, 0));
        QCOMPARE(LxLibPool::liveCount(), std::size_t(0));
        QCOMPARE(LxLibPool::blockCount(), std::size_t(0));

        if (LxLibPool::bypassed())
            QSKIP("the pool hands every object to the general allocator in this build");
        {
            std::vector<std::unique_ptr<LxLibObject>> objects;
            std::set<const void*> addresses;
            // A text longer than fits into its object has a slot of its own.
            const QString longVector(int(LxLibCompactText::InlineCapacity) + 1, QLatin1Char('H'));
            std::size_t texts = 0;
            for (int i = 0; i < 50000; ++i) {
                texts += i % 3 == 2;
                if (i % 3 == 0)
                    objects.emplace_back(new LxLibTruthTableRecord(QString::number(i)));
                else if (i % 3 == 1)
                    objects.emplace_back(new LxLibDiagRuleStuckAt(1, i, 0));
                else
                    objects.emplace_back(new LxLibLogicStatement_testVector(longVector));
                addresses.insert(objects.back().get());
            }
            QCOMPARE(addresses.size(), objects.size());
            QCOMPARE(LxLibPool::liveCount(), objects.size() + texts);
            QVERIFY(LxLibPool::blockCount() > 0);
            // Freed slots are handed out again before new blocks are cut.
            const std::size_t blocks = LxLibPool::blockCount();
            std::size_t replaced = 0;
            for (size_t i = 1; i < objects.size(); i += 3) {
                objects[i].reset();
                objects[i].reset(new LxLibDiagRuleStuckAt(2, int(i), 1));
                replaced += 1 - addresses.count(objects[i].get());
            }
            QCOMPARE(replaced, std::size_t(0));
            QCOMPARE(LxLibPool::blockCount(), blocks);
            QCOMPARE(static_cast<LxLibDiagRuleStuckAt*>(objects[4].get())->GetSignalBit(), 4);
            QCOMPARE(static_cast<LxLibTruthTableRecord*>(objects[3].get())->GetVector(), QStringLiteral("3"));
            // Objects too large for a slot come from the general allocator.
            struct Big : LxLibObject { char bytes[LxLibPool::MaxPooled] = {}; };
            const std::unique_ptr<Big> big(new Big);
            QVERIFY(sizeof(Big) > LxLibPool::MaxPooled);
            QCOMPARE(LxLibPool::liveCount(), objects.size() + texts);
            // The array of a short list has a slot too.
            LxLibList<LxLibDiagRuleStuckAt> list;
            list.append(new LxLibDiagRuleStuckAt(1, 1, 0));
            QCOMPARE(LxLibPool::liveCount(), objects.size() + texts + 2);
        }
        QCOMPARE(LxLibPool::liveCount(), std::size_t(0));
        QCOMPARE(LxLibPool::blockCount(), std::size_t(0));

        // Enough slots to need several blocks, small ones and the slots of list
        // arrays; no slot may overlap its neighbours, which its first and last
        // byte show.
        std::vector<std::pair<unsigned char*, std::size_t>> cut;
        const auto fill = [&cut](std::size_t size, int count) {
            // The whole slot is usable, and it wastes little.
            const std::size_t slot = LxLibPool::slotSize(size);
            QVERIFY2(slot >= size && slot <= size + size / 4 + 16, qPrintable(QString::number(size)));
            for (int i = 0; i < count; ++i) {
                auto* p = static_cast<unsigned char*>(LxLibPool::allocate(size));
                std::memset(p, int(cut.size() & 0xff), slot);
                cut.emplace_back(p, slot);
            }
        };
        fill(16, 300000);
        for (const std::size_t size : {LxLibPool::MaxSlot + 1, std::size_t(160), std::size_t(161), std::size_t(256),
                                       std::size_t(257), std::size_t(70000), LxLibPool::MaxPooled})
            fill(size, 20);
        QVERIFY(LxLibPool::blockCount() >= 3);
        QCOMPARE(LxLibPool::liveCount(), cut.size());
        int damaged = 0;
        for (size_t i = 0; i < cut.size(); ++i)
            damaged += cut[i].first[0] != (i & 0xff) || cut[i].first[cut[i].second - 1] != (i & 0xff);
        QCOMPARE(damaged, 0);
        for (const auto& [p, slot] : cut)
            LxLibPool::release(p, slot);
        QCOMPARE(LxLibPool::liveCount(), std::size_t(0));
        QCOMPARE(LxLibPool::blockCount(), std::size_t(0));

        // Objects outliving the thread that made them, and objects freed by a
        // thread that did not make them while their maker goes on: counted
        // exactly, slots reused, and every block given back after the last one.
        std::vector<std::unique_ptr<LxLibDiagRuleStuckAt>> made(1000);
        std::thread([&made] {
            for (std::size_t i = 0; i < made.size(); ++i)
                made[i].reset(new LxLibDiagRuleStuckAt(1, int(i), 0));
        }).join();
        QCOMPARE(LxLibPool::liveCount(), made.size());
        std::vector<std::unique_ptr<LxLibDiagRuleStuckAt>> mine(1000);
        for (std::size_t i = 0; i < mine.size(); ++i)
            mine[i].reset(new LxLibDiagRuleStuckAt(2, int(i), 0));
        made.clear();
        QCOMPARE(LxLibPool::liveCount(), mine.size());
        std::thread([&mine] {
            for (std::size_t i = 0; i < mine.size(); i += 2)
                mine[i].reset();
        }).join();
        QCOMPARE(LxLibPool::liveCount(), mine.size() / 2);
        const std::size_t blocks = LxLibPool::blockCount();
        for (std::size_t i = 0; i < mine.size(); i += 2)
            mine[i].reset(new LxLibDiagRuleStuckAt(3, int(i), 0));
        QCOMPARE(LxLibPool::blockCount(), blocks);
        QCOMPARE(LxLibPool::liveCount(), mine.size());
        QCOMPARE(mine[998]->GetSignalType(), 3);
        QCOMPARE(mine[999]->GetSignalType(), 2);
        mine.clear();
        QCOMPARE(LxLibPool::liveCount(), std::size_t(0));
        QCOMPARE(LxLibPool::blockCount(), std::size_t(0));
    }

    void compactText()
    {
        const QString latin = QStringLiteral("HLZX01\u00e9\u00ff");
        const QString wide = QStringLiteral("H\u20acL\U0001F600");
        const QString longer = QString(300, QChar('Z')) + QChar(0x263A);
        const QString fits(int(LxLibCompactText::InlineCapacity), QChar(0xE9));
        const QString overflows = fits + QLatin1Char('Z');
        for (const QString& s : {QString(), latin, wide, longer, fits, overflows}) {
            LxLibCompactText t(s);
            QCOMPARE(t.toString(), s);
            QCOMPARE(t.size(), s.size());
            LxLibCompactText copy(t);
            LxLibCompactText assigned(QStringLiteral("old"));
            assigned = t;
            LxLibCompactText moved(std::move(copy));
            QCOMPARE(assigned.toString(), s);
            QCOMPARE(moved.toString(), s);
            QVERIFY(copy.isEmpty());
            t.assign(latin);
            QCOMPARE(t.toString(), latin);
            QCOMPARE(moved.toString(), s);
        }
        // The character test reads both widths; a character above Latin-1 is never in a set,
        // though 0x130 folds onto '0' as a byte.
        const LxLibCharacterSet vectorSet(QStringLiteral("01HLZX\u00e9\u20ac"));
        for (const auto& [text, allowed] : QList<std::pair<QString, bool>>{{QStringLiteral("HL01\u00e9"), true},
                                                                          {QString(), true},
                                                                          {QStringLiteral("HL2"), false},
                                                                          {QStringLiteral("HL\u00ff"), false},
                                                                          {QStringLiteral("HL\u20ac"), false},
                                                                          {QStringLiteral("HL\u0130"), false}})
            QCOMPARE(LxLibCompactText(text).consistsOf(vectorSet), allowed);
        // Characters are taken several at a time: a stranger at any place of a short
        // or a held text, inside a group or in the rest after the last one, is found.
        for (const int length : {1, 3, 4, 7, 8, 9, 23, 40}) {
            const QString good(length, QLatin1Char('H'));
            QVERIFY(LxLibCompactText(good).consistsOf(vectorSet));
            int missed = 0;
            for (int i = 0; i < length; ++i) {
                QString bad = good;
                bad[i] = QLatin1Char('2');
                missed += LxLibCompactText(bad).consistsOf(vectorSet);
            }
            QCOMPARE(missed, 0);
        }
        LxLibCompactText ascii(latin);
        ascii.assignAscii("ZZ01", 4);
        QCOMPARE(ascii.toString(), QStringLiteral("ZZ01"));
        ascii.assignAscii("", 0);
        QVERIFY(ascii.isEmpty());

        {
            // Vectors read from a file: plain ASCII goes straight into the pool, the rest decoded.
            LxLibInfo info(QStringLiteral("v.model"));
            QVERIFY(info.readFromData("model-format 1.2\ncomponent \"C\" {\n  logic \"L\" {\n    sequence \"S\" {\n      vector \"01\"\n"
                                      "      vector \"0\\\"1\"\n      vector \"\xc3\xa9" "1\xe2\x82\xac\"\n      vector \"\"\n"
                                      "    }\n  }\n}\n",
                                      false, false));
            QStringList vectors;
            const auto* logic = static_cast<const LxLibLogic*>(info.GetComponent()->GetDescriptorList().first());
            for (const LxLibLogicStatement* st : logic->GetStatementListsList().first()->GetStatementList())
                vectors << static_cast<const LxLibLogicStatement_testVector*>(st)->GetVector();
            QCOMPARE(vectors, QStringList({"01", "0\"1", QStringLiteral("\u00e91\u20ac"), ""}));
        }
        // Every slot went back: nothing of the texts above outlives them.
        QCOMPARE(LxLibPool::liveCount(), std::size_t(0));
        LxLibLogicStatement_testVector v(wide);
        std::unique_ptr<LxLibLogicStatement_testVector> c(v.clone());
        v.SetVector(latin);
        QCOMPARE(c->GetVector(), wide);
        QCOMPARE(v.GetVector(), latin);
    }
};

QTEST_GUILESS_MAIN(TestLxLibStream)
#include "tst_lxlibstream.moc"
