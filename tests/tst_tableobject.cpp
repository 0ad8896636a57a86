#include "data/errors.h"
#include "data/tableobject.h"
#include "testsupport.h"

#include <memory>

class TableObjectTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

    std::unique_ptr<TableObject> open(const QString &name, const QString &index = {})
    {
        auto table = std::make_unique<TableObject>(name);
        table->setConnectionString(m_folder->connectionString());
        if (!index.isEmpty())
            table->setIndexFieldName(index);
        table->open();
        return table;
    }

    QList<qint64> column(TableObject &t, const QString &name)
    {
        QList<qint64> out;
        for (t.first(); !t.eof(); t.next())
            out.append(t.asInteger(name));
        return out;
    }

private slots:
    void init() { m_folder = std::make_unique<ProgramFolder>(sampleBank(3, 4, 6)); }
    void cleanup() { m_folder.reset(); }

    void positionsCountWithinFilterAndOrder()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        QCOMPARE(subject->recordCount(), 30);
        QCOMPARE(subject->recNo(), 1);
        QCOMPARE(subject->asInteger(QStringLiteral("subId")), 1001);

        subject->setFilter(QStringLiteral("sortId=2"));
        QCOMPARE(subject->recordCount(), 30); // the text waits while the filter is off
        subject->setFiltered(true);
        QCOMPARE(subject->recordCount(), 10);
        QCOMPARE(subject->recNo(), 1);
        subject->moveBy(4);
        QCOMPARE(subject->recNo(), 5);
        QCOMPARE(subject->asInteger(QStringLiteral("subid")), 2005);

        subject->setFilter(QStringLiteral("sortId=3")); // filter on: takes effect at once
        QCOMPARE(subject->recordCount(), 10);
        QCOMPARE(subject->asInteger(QStringLiteral("SUBID")), 3001);

        subject->setFiltered(false);
        QCOMPARE(subject->recordCount(), 30);
        QCOMPARE(subject->filter(), QStringLiteral("sortId=3"));
        subject->setFiltered(true);
        QCOMPARE(subject->recordCount(), 10);
    }

    void movingPastTheLastRowStaysOnItAndSetsEnd()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        subject->setFilter(QStringLiteral("sortId=1 and typeId=1"));
        subject->setFiltered(true);
        QCOMPARE(subject->recordCount(), 4);
        QVERIFY(!subject->eof());
        QCOMPARE(subject->moveBy(3), 3);
        QVERIFY(!subject->eof()); // on the last row, not past it
        subject->next();
        QVERIFY(subject->eof());
        QCOMPARE(subject->recNo(), 4);
        QCOMPARE(subject->asInteger(QStringLiteral("subId")), 1004);

        subject->first();
        QCOMPARE(subject->moveBy(100), 3);
        QVERIFY(subject->eof());
        QCOMPARE(subject->moveBy(-2), -2);
        QVERIFY(!subject->eof());
        QCOMPARE(subject->moveBy(-10), -1);
        QVERIFY(subject->bof());
        QCOMPARE(subject->recNo(), 1);
    }

    void emptySetIsAtItsEnd()
    {
        auto subject = open(QStringLiteral("subject"));
        subject->setFilter(QStringLiteral("sortId=99"));
        subject->setFiltered(true);
        QVERIFY(subject->eof());
        QCOMPARE(subject->recordCount(), 0);
        QCOMPARE(subject->recNo(), 0);
        QCOMPARE(subject->moveBy(5), 0);
        const QString message = errorText([&] { subject->asInteger(QStringLiteral("subId")); });
        QVERIFY(message.contains(QStringLiteral("没有当前记录")));
    }

    void ordersAreStableAndDescending()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        subject->setSort(QStringLiteral("errorTimes DESC"));
        qint64 previous = std::numeric_limits<qint64>::max();
        qint64 previousId = 0;
        for (subject->first(); !subject->eof(); subject->next()) {
            const qint64 errors = subject->asInteger(QStringLiteral("errorTimes"));
            const qint64 id = subject->asInteger(QStringLiteral("subId"));
            QVERIFY(errors <= previous);
            if (errors == previous)
                QVERIFY2(id > previousId, "ties keep the index order");
            previous = errors;
            previousId = id;
        }
        subject->setSort(QStringLiteral("sortId DESC, subId"));
        subject->first();
        QCOMPARE(subject->asInteger(QStringLiteral("subId")), 3001);
    }

    void locateFindsFirstMatchWithinTheFilter()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        QVERIFY(subject->locate(QStringLiteral("subId"), 2007));
        QCOMPARE(subject->recNo(), 17);
        QCOMPARE(subject->asText(QStringLiteral("subtitle")), QStringLiteral("试题2007"));
        QVERIFY(!subject->locate(QStringLiteral("subId"), 9999));
        QCOMPARE(subject->recNo(), 17); // unchanged
        subject->setFilter(QStringLiteral("sortId=1"));
        subject->setFiltered(true);
        QVERIFY(!subject->locate(QStringLiteral("SUBID"), 2007));
    }

    void readingNullsAndMissingColumns()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        QVERIFY(subject->locate(QStringLiteral("subId"), 1005)); // every fifth has no explanation
        QVERIFY(subject->isNull(QStringLiteral("info")));
        QCOMPARE(subject->asText(QStringLiteral("info")), QString());
        QString message = errorText([&] { subject->asInteger(QStringLiteral("info")); });
        QVERIFY2(message.contains(QStringLiteral("空值")) &&
                     message.contains(QStringLiteral("info")),
                 qPrintable(message));
        message = errorText([&] { subject->asText(QStringLiteral("nosuch")); });
        QVERIFY2(message.contains(QStringLiteral("nosuch")), qPrintable(message));
        QVERIFY(subject->locate(QStringLiteral("subId"), 1001));
        message = errorText([&] { subject->asInteger(QStringLiteral("subtitle")); });
        QVERIFY2(message.contains(QStringLiteral("试题1001")), qPrintable(message));
    }

    void recordNumberMovesAndRejectsOutOfRange()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        subject->setRecNo(12);
        QCOMPARE(subject->asInteger(QStringLiteral("subId")), 2002);
        QVERIFY(!errorText([&] { subject->setRecNo(31); }).isEmpty());
        QVERIFY(!errorText([&] { subject->setRecNo(0); }).isEmpty());
        QCOMPARE(subject->recNo(), 12);
    }

    void appendedRowsGetDefaultsAndIncreasingKeys()
    {
        auto note = open(QStringLiteral("note"));
        note->setSort(QStringLiteral("noteId"));
        for (int id : {3001, 1002, 2003}) {
            note->append();
            note->setValue(QStringLiteral("subid"), id);
        }
        note->post();
        QCOMPARE(note->recordCount(), 3);
        QCOMPARE(column(*note, QStringLiteral("subId")), (QList<qint64>{3001, 1002, 2003}));
        QCOMPARE(column(*note, QStringLiteral("optionid")), (QList<qint64>{0, 0, 0}));
        QCOMPARE(column(*note, QStringLiteral("isright")), (QList<qint64>{0, 0, 0}));

        // Emptied row by row, then refilled: the keys go on increasing.
        const QList<qint64> before = column(*note, QStringLiteral("noteId"));
        for (note->first(); !note->eof();)
            note->deleteRecord();
        QCOMPARE(note->recordCount(), 0);
        note->append();
        note->setValue(QStringLiteral("subId"), 1001);
        note->post();
        QVERIFY(note->asInteger(QStringLiteral("noteId")) > before.last());
    }

    void changesAreInTheFileAtOnce()
    {
        auto note = open(QStringLiteral("note"));
        note->setSort(QStringLiteral("noteId"));
        for (int id : {1001, 1002, 1003}) {
            note->append();
            note->setValue(QStringLiteral("subId"), id);
            note->post();
        }
        note->setRecNo(2);
        note->edit();
        note->setValue(QStringLiteral("optionid"), 10022);
        note->setValue(QStringLiteral("ISRIGHT"), 1);
        note->post();

        auto second = open(QStringLiteral("note"));
        second->setSort(QStringLiteral("noteId"));
        QCOMPARE(column(*second, QStringLiteral("optionid")), (QList<qint64>{0, 10022, 0}));
        second->setFilter(QStringLiteral("isright=0"));
        second->setFiltered(true);
        QCOMPARE(column(*second, QStringLiteral("subId")), (QList<qint64>{1001, 1003}));

        // Answering again overwrites.
        note->setRecNo(2);
        note->edit();
        note->setValue(QStringLiteral("optionid"), 10024);
        note->setValue(QStringLiteral("isright"), 0);
        note->post();
        auto third = open(QStringLiteral("note"));
        third->setSort(QStringLiteral("noteId"));
        QCOMPARE(column(*third, QStringLiteral("optionid")), (QList<qint64>{0, 10024, 0}));

        // Deleting the middle row makes the next one current.
        note->setRecNo(2);
        note->deleteRecord();
        QCOMPARE(note->asInteger(QStringLiteral("subId")), 1003);
        note->deleteRecord();
        QCOMPARE(note->asInteger(QStringLiteral("subId")), 1001);
        auto fourth = open(QStringLiteral("note"));
        QCOMPARE(fourth->recordCount(), 1);
    }

    void pendingAppendIsStoredWhenMovingOn()
    {
        auto note = open(QStringLiteral("note"));
        note->append();
        note->setValue(QStringLiteral("subId"), 1001);
        QVERIFY(!note->locate(QStringLiteral("subId"), 1002)); // the search stores it first
        QVERIFY(!note->isEditing());
        auto second = open(QStringLiteral("note"));
        QCOMPARE(second->recordCount(), 1);
    }

    void settingAColumnOutsideEditIsAnError()
    {
        auto note = open(QStringLiteral("note"));
        const QString message = errorText([&] { note->setValue(QStringLiteral("subId"), 1); });
        QVERIFY(!message.isEmpty());
    }

    // Texts are kept side by side in blocks: every text reads back whole across block
    // boundaries, a text longer than a block included, and a change of one cell leaves the
    // others as they were, through a reordering and a removal too.
    void textsReadBackWholeWhateverTheirPlace()
    {
        TableCells cells;
        cells.setStride(2);
        QStringList texts;
        for (int r = 0; r < 3000; ++r) {
            texts.append(QStringLiteral("第%1题：机动车在道路上").arg(r).repeated(1 + r % 7));
            if (r == 1500)
                texts.last() = QString(70000, QChar(u'驾'));
            cells.appendInteger(r);
            cells.appendUtf8(texts.last().toUtf8());
        }
        cells.set(10, 1, Value::text(QStringLiteral("改过的")));
        texts[10] = QStringLiteral("改过的");
        cells.set(11, 1, Value::null());
        cells.removeRow(0);
        texts.removeFirst();
        QVector<int> order;
        for (int r = cells.rows() - 1; r >= 0; --r)
            order.append(r);
        cells.reorder(order);
        QCOMPARE(cells.rows(), 2999);
        for (int k = 0; k < cells.rows(); ++k) {
            const int r = 2998 - k;
            QCOMPARE(cells.at(k, 0).i, qint64(r + 1));
            if (r == 10)
                QVERIFY(cells.at(k, 1).isNull());
            else
                QCOMPARE(cells.at(k, 1).s.toString(), texts.at(r));
        }
    }

    // A text that is not valid UTF-8 reads as replacement characters and does not run into
    // the text after it.
    void brokenUtf8StaysInItsCell()
    {
        TableCells cells;
        cells.setStride(1);
        cells.appendUtf8(QByteArray("ab\xe9\xa9"));
        cells.appendUtf8(QByteArray("\xe9\xa9\xbe"));
        QCOMPARE(cells.at(0, 0).s.left(2).toString(), QStringLiteral("ab"));
        QVERIFY(cells.at(0, 0).s.contains(QChar::ReplacementCharacter));
        QCOMPARE(cells.at(1, 0).s.toString(), QStringLiteral("驾"));
    }

    void editedTextsReachTheFileAndTheView()
    {
        auto subject = open(QStringLiteral("subject"), QStringLiteral("subId"));
        const QString before = subject->asText(QStringLiteral("subtitle"));
        subject->setRecNo(2);
        subject->edit();
        subject->setValue(QStringLiteral("subtitle"), QStringLiteral("改写后的题目"));
        QCOMPARE(subject->asText(QStringLiteral("subtitle")), QStringLiteral("改写后的题目"));
        subject->post();
        QCOMPARE(subject->asText(QStringLiteral("subtitle")), QStringLiteral("改写后的题目"));
        subject->first();
        QCOMPARE(subject->asText(QStringLiteral("subtitle")), before);
        auto again = open(QStringLiteral("subject"), QStringLiteral("subId"));
        again->setRecNo(2);
        QCOMPARE(again->asText(QStringLiteral("subtitle")), QStringLiteral("改写后的题目"));
    }

    void badFilterAndOrderTextAreQuoted()
    {
        auto subject = open(QStringLiteral("subject"));
        subject->setFilter(QStringLiteral("sortId=="));
        QString message = errorText([&] { subject->setFiltered(true); });
        QVERIFY2(message.contains(QStringLiteral("“sortId==”")), qPrintable(message));
        QVERIFY(!subject->filtered());
        QCOMPARE(subject->recordCount(), 30);
        message = errorText([&] { subject->setSort(QStringLiteral("errorTimes DOWN")); });
        QVERIFY2(message.contains(QStringLiteral("“errorTimes DOWN”")), qPrintable(message));
    }
};

EXAM_TEST_MAIN(TableObjectTest)
#include "tst_tableobject.moc"
