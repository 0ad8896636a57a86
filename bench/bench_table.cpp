// Table-object figures on generated banks of 1,500 and 100,000 questions.
//
//   build/bench/bench_table

#include "data/bank.h"
#include "data/connection.h"
#include "data/tableobject.h"
#include "data/workgroup.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// Six categories; questions spread over them and both types, errorTimes with a long tail.
Bank generatedBank(int questions)
{
    Bank bank;
    for (int s = 1; s <= 6; ++s)
        bank.categories.append({s, QStringLiteral("分类%1").arg(s), {20, 20, 20}, {}});
    for (int n = 1; n <= questions; ++n) {
        BankQuestion q;
        q.subId = n;
        q.sortId = 1 + n % 6;
        q.typeId = n % 5 < 2 ? 1 : 2;
        q.errorTimes = (n * 7919) % 1000 < 900 ? (n * 31) % 120 : (n * 13) % 600;
        q.text = QStringLiteral("第%1道生成的试题，题目文字长度与真实试题相当，用于测量。").arg(n);
        q.info = QStringLiteral("解析%1").arg(n);
        const int options = q.typeId == 1 ? 2 : 4;
        for (int k = 0; k < options; ++k)
            q.options.append({QStringLiteral("选项%1").arg(k + 1), k == n % options});
        bank.questions.append(q);
    }
    return bank;
}

// One generated program folder per bank size, made once for the run.
const QString &bankFolder(int questions)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    static std::map<int, QString> connections;
    auto &dir = folders[questions];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        writeBankDatabase(generatedBank(questions), dir->filePath(QStringLiteral("data.mdb")), 1);
        workgroup::create(dir->filePath(QStringLiteral("Security.mdw")), kBankUser, kBankPassword);
        connections[questions] = buildConnectionString(dir->path() + QLatin1Char('/'));
    }
    return connections[questions];
}

std::unique_ptr<TableObject> openTable(const QString &name, int questions)
{
    auto table = std::make_unique<TableObject>(name);
    table->setConnectionString(bankFolder(questions));
    table->open();
    return table;
}

void BM_OpenSharedTables(benchmark::State &state)
{
    const int questions = int(state.range(0));
    bankFolder(questions);
    for (auto _ : state) {
        auto subject = std::make_unique<TableObject>(QStringLiteral("subject"));
        subject->setIndexFieldName(QStringLiteral("subId"));
        subject->setConnectionString(bankFolder(questions));
        subject->open();
        auto sort = openTable(QStringLiteral("sort"), questions);
        sort->setSort(QStringLiteral("sortId"));
        auto options = openTable(QStringLiteral("options"), questions);
        benchmark::DoNotOptimize(options->recordCount());
    }
}
BENCHMARK(BM_OpenSharedTables)->Arg(1500)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FilterOnOff(benchmark::State &state)
{
    auto subject = openTable(QStringLiteral("subject"), int(state.range(0)));
    subject->setFilter(QStringLiteral("(sortid=3) and (typeId=1)"));
    for (auto _ : state) {
        subject->setFiltered(true);
        benchmark::DoNotOptimize(subject->recordCount());
        subject->setFiltered(false);
    }
}
BENCHMARK(BM_FilterOnOff)->Arg(1500)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_OptionsOfOneQuestion(benchmark::State &state)
{
    auto options = openTable(QStringLiteral("options"), int(state.range(0)));
    int id = 0;
    for (auto _ : state) {
        options->setFiltered(false);
        options->setFilter(QStringLiteral("subid=%1").arg(1 + (id++ * 7) % int(state.range(0))));
        options->setFiltered(true);
        benchmark::DoNotOptimize(options->recordCount());
    }
}
BENCHMARK(BM_OptionsOfOneQuestion)->Arg(1500)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_OrderByErrorTimes(benchmark::State &state)
{
    auto subject = openTable(QStringLiteral("subject"), int(state.range(0)));
    for (auto _ : state) {
        subject->setSort(QStringLiteral("errorTimes DESC"));
        subject->setSort(QString());
    }
}
BENCHMARK(BM_OrderByErrorTimes)->Arg(1500)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MoveBy(benchmark::State &state)
{
    auto subject = openTable(QStringLiteral("subject"), int(state.range(0)));
    const int rows = subject->recordCount();
    int n = 0;
    for (auto _ : state) {
        subject->first();
        subject->moveBy((n++ * 7919) % rows);
        benchmark::DoNotOptimize(subject->asInteger(QStringLiteral("subId")));
    }
}
BENCHMARK(BM_MoveBy)->Arg(1500)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_Locate(benchmark::State &state)
{
    auto subject = openTable(QStringLiteral("subject"), int(state.range(0)));
    const int rows = subject->recordCount();
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(subject->locate(QStringLiteral("subId"), 1 + (n++ * 7919) % rows));
}
BENCHMARK(BM_Locate)->Arg(1500)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
