#include "data/errors.h"
#include "data/expression.h"
#include "testsupport.h"

namespace {

const ColumnSet kColumns({QStringLiteral("subId"), QStringLiteral("sortId"),
                          QStringLiteral("typeId"), QStringLiteral("info"),
                          QStringLiteral("errorTimes")});

QVector<Value> row(qint64 subId, qint64 sortId, qint64 typeId, const Value &info, qint64 errors)
{
    return {Value::integer(subId), Value::integer(sortId), Value::integer(typeId), info,
            Value::integer(errors)};
}

bool matches(const QString &filter, const QVector<Value> &r)
{
    return FilterExpression::parse(filter, kColumns).matches(r.constData());
}

} // namespace

class ExpressionTest : public QObject
{
    Q_OBJECT
private slots:
    void comparisonsOfIntegers_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("expected");
        // Row: subId 12, sortId 3, typeId 1, info "解析", errorTimes 40.
        QTest::newRow("equal") << "subid=12" << true;
        QTest::newRow("not equal") << "subId<>12" << false;
        QTest::newRow("less") << "errorTimes<41" << true;
        QTest::newRow("less or equal") << "errorTimes<=40" << true;
        QTest::newRow("greater") << "errorTimes>40" << false;
        QTest::newRow("greater or equal") << "errorTimes>=40" << true;
        QTest::newRow("negative literal") << "errorTimes>-1" << true;
        QTest::newRow("blanks") << "  sortId =  3 " << true;
        QTest::newRow("candidate filter") << "(sortid=3) and (typeId=1)" << true;
        QTest::newRow("candidate filter, other type") << "(sortid=3) and (typeId=2)" << false;
        QTest::newRow("or") << "sortId=4 or typeId=1" << true;
        QTest::newRow("and binds tighter than or") << "sortId=4 and typeId=2 or subId=12" << true;
        QTest::newRow("parentheses change it") << "sortId=4 and (typeId=2 or subId=12)" << false;
        QTest::newRow("keywords and names ignore case")
            << "SORTID=3 AND TypeID=1 Or SUBID=0" << true;
        QTest::newRow("quoted text") << "info='解析'" << true;
        QTest::newRow("quoted number against integer column") << "subId='12'" << true;
        QTest::newRow("bracketed name") << "[errorTimes]>=40" << true;
    }

    void comparisonsOfIntegers()
    {
        QFETCH(QString, filter);
        QFETCH(bool, expected);
        QCOMPARE(matches(filter, row(12, 3, 1, Value::text(QStringLiteral("解析")), 40)), expected);
    }

    void nullNeverMatches()
    {
        const auto r = row(1, 1, 1, Value::null(), 0);
        QVERIFY(!matches(QStringLiteral("info='NULL'"), r));
        QVERIFY(!matches(QStringLiteral("info<>'x'"), r));
        QVERIFY(matches(QString(), r));
    }

    void textComparesWithoutCase()
    {
        const auto r = row(1, 1, 1, Value::text(QStringLiteral("Abc")), 0);
        QVERIFY(matches(QStringLiteral("info='aBC'"), r));
        QVERIFY(matches(QStringLiteral("info='it''s' or info='abc'"), r));
    }

    void badTextIsQuotedInTheError_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("unknown column") << "nosuch=1";
        QTest::newRow("missing value") << "subId=";
        QTest::newRow("missing operator") << "subId 1";
        QTest::newRow("unbalanced parenthesis") << "(subId=1";
        QTest::newRow("trailing text") << "subId=1 subId=2";
        QTest::newRow("dangling and") << "subId=1 and";
        QTest::newRow("decimal number") << "subId=1.5";
        QTest::newRow("unterminated text") << "info='abc";
        QTest::newRow("sql injection") << "subId=1; DROP TABLE note";
        QTest::newRow("sql comment") << "subId=1 -- x";
        QTest::newRow("column compared with column") << "subId=sortId";
        QTest::newRow("keyword as column") << "and=1";
    }

    void badTextIsQuotedInTheError()
    {
        QFETCH(QString, filter);
        const QString message = errorText([&] { FilterExpression::parse(filter, kColumns); });
        QVERIFY2(message.contains(QStringLiteral("“%1”").arg(filter)), qPrintable(message));
        QVERIFY(message.startsWith(QStringLiteral("筛选条件")));
    }

    void orders()
    {
        auto keys = parseOrder(QStringLiteral("errorTimes DESC"), kColumns);
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys.at(0).column, 4);
        QVERIFY(keys.at(0).descending);

        keys = parseOrder(QStringLiteral("SORTID asc, subid Desc"), kColumns);
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys.at(0).column, 1);
        QVERIFY(!keys.at(0).descending);
        QVERIFY(keys.at(1).descending);

        QVERIFY(parseOrder(QString(), kColumns).isEmpty());
        for (const QString &bad : {QStringLiteral("nosuch"), QStringLiteral("subId,"),
                                   QStringLiteral("subId DESC DESC"), QStringLiteral("subId; x")}) {
            const QString message = errorText([&] { parseOrder(bad, kColumns); });
            QVERIFY2(message.contains(QStringLiteral("“%1”").arg(bad)), qPrintable(message));
        }
    }

    void valuesOrderNullsFirstAndNumbersBeforeText()
    {
        QVERIFY(compareValues(Value::null(), Value::integer(-5)) < 0);
        QVERIFY(compareValues(Value::integer(2), Value::integer(10)) < 0);
        QVERIFY(compareValues(Value::text(QStringLiteral("10")), Value::integer(9)) > 0);
        QVERIFY(compareValues(Value::integer(5), Value::text(QStringLiteral("a"))) < 0);
        QCOMPARE(
            compareValues(Value::text(QStringLiteral("ab")), Value::text(QStringLiteral("AB"))), 0);
    }
};

EXAM_TEST_MAIN(ExpressionTest)
#include "tst_expression.moc"
