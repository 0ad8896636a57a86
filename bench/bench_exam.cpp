// Exam figures: drawing a paper on the shipped bank and on a generated 100,000-question bank,
// and showing a question in the exam window.
//
//   build/bench/bench_exam

#include "app/application.h"
#include "app/startup.h"
#include "data/F_ado.h"
#include "data/bank.h"
#include "data/examgroups.h"
#include "data/paper.h"
#include "data/programfolder.h"
#include "data/tableobject.h"
#include "data/workgroup.h"
#include "forms/F_ksxz.h"
#include "forms/F_mnks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A bank of `questions` questions in six categories whose shares make a 100-question paper.
Bank generatedBank(int questions)
{
    Bank bank;
    const int shares[] = {30, 25, 25, 20, 0, 0};
    for (int s = 1; s <= 6; ++s)
        bank.categories.append({s, QStringLiteral("分类%1").arg(s), {shares[s - 1], 20, 20}, {}});
    for (int n = 1; n <= questions; ++n) {
        BankQuestion q;
        q.subId = n;
        q.sortId = 1 + n % 6;
        q.typeId = n % 5 < 2 ? 1 : 2;
        q.errorTimes = n % 300;
        q.text = QStringLiteral("第%1道生成的试题。").arg(n);
        const int options = q.typeId == 1 ? 2 : 4;
        for (int k = 0; k < options; ++k)
            q.options.append({QStringLiteral("选项%1").arg(k + 1), k == n % options});
        bank.questions.append(q);
    }
    return bank;
}

// A program folder with the window set started on it; one at a time.
class ProgramRun
{
public:
    explicit ProgramRun(int generatedQuestions)
    {
        if (generatedQuestions > 0) {
            writeBankDatabase(generatedBank(generatedQuestions), m_dir.filePath("data.mdb"), 1);
            workgroup::create(m_dir.filePath("Security.mdw"), kBankUser, kBankPassword);
        } else {
            buildBank(QStringLiteral(EXAM_SOURCE_DIR "/bank"), m_dir.path());
        }
        setProgramFolder(m_dir.path());
        createWindowSet();
        createForm(exam::ksxz);
    }
    ~ProgramRun() { destroyWindowSet(); }

private:
    QTemporaryDir m_dir;
};

void drawPapers(benchmark::State &state, int generatedQuestions)
{
    ProgramRun run(generatedQuestions);
    for (auto _ : state) {
        paper::drawPaper(*exam::ado->subject, *exam::ado->sort, *exam::ksxz->ADO_note,
                         paperRandom(), 0, vehicleclass::groupName(0));
    }
}

void BM_DrawPaperShippedBank(benchmark::State &state)
{
    drawPapers(state, 0);
}
BENCHMARK(BM_DrawPaperShippedBank)->Unit(benchmark::kMillisecond);

void BM_DrawPaper100000(benchmark::State &state)
{
    drawPapers(state, 100000);
}
BENCHMARK(BM_DrawPaper100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ShowQuestion(benchmark::State &state)
{
    ProgramRun run(0);
    paper::drawPaper(*exam::ado->subject, *exam::ado->sort, *exam::ksxz->ADO_note, paperRandom(), 0,
                     vehicleclass::groupName(0));
    Tmnks *window = createForm(exam::mnks);
    int n = 0;
    for (auto _ : state) {
        window->CurrentNo = 1 + (n++ * 37) % 100;
        window->ShowQuestion();
    }
}
BENCHMARK(BM_ShowQuestion)->Unit(benchmark::kMillisecond);

// Arg 1: as the program answers, every post synced to the disk with its folder; arg 0, the
// baseline of what that costs: the same with syncing switched off on every connection.
void BM_AnswerQuestion(benchmark::State &state)
{
    ProgramRun run(0);
    paper::drawPaper(*exam::ado->subject, *exam::ado->sort, *exam::ksxz->ADO_note, paperRandom(), 0,
                     vehicleclass::groupName(0));
    Tmnks *window = createForm(exam::mnks);
    if (state.range(0) == 0)
        for (const QString &name : QSqlDatabase::connectionNames())
            QSqlQuery(QSqlDatabase::database(name)).exec(QStringLiteral("PRAGMA synchronous = OFF"));
    for (auto _ : state) {
        if (window->CurrentNo == 100)
            window->CurrentNo = 1;
        window->opt1Click();
    }
}
BENCHMARK(BM_AnswerQuestion)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
