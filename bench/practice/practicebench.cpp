// One step of practice through the engine: the answer checked (right) and the
// next question shown, over a full list of 255 pairs in endless practice, in
// list order and in random order.
#include "summary.h"

#include "core/appstate.h"
#include "core/practiceengine.h"
#include "core/wordlist.h"

#include <benchmark/benchmark.h>

namespace {

// A fixed sequence, so that every run asks the same questions.
class SteppingRandom final : public RandomSource {
public:
    int below(int bound) override
    {
        m_value = m_value * 1103515245u + 12345u;
        return bound > 0 ? int((m_value >> 16) % unsigned(bound)) : 0;
    }

private:
    unsigned m_value = 1;
};

void answerAndNextQuestion(benchmark::State &bench)
{
    AppState state;
    state.applyStartDefaults();
    state.endlessPractice = true;
    state.practiceOrder = bench.range(0) == 0 ? PracticeOrder::List : PracticeOrder::Random;
    WordList grid;
    for (int i = 1; i <= WordList::MaxPairs; ++i)
        grid.append(QStringLiteral("ordet nummer %1").arg(i), QStringLiteral("word number %1").arg(i));
    PracticeState practice;
    SteppingRandom random;
    PracticeEngine engine(state, practice, grid, random);
    engine.start();

    for (auto _ : bench) {
        // What the user types: the other side of the pair asked.
        const WordPair asked = grid.pair(state.questionIndex);
        const QString answer = state.currentDirection == Direction::Swedish ? asked.english : asked.swedish;
        benchmark::DoNotOptimize(engine.checkAnswer(answer));
        engine.nextQuestion();
        benchmark::DoNotOptimize(engine.display().word.constData());
    }
    if (practice.correctCount <= 0)
        bench.SkipWithError("no answer was counted right");
}
BENCHMARK(answerAndNextQuestion)->ArgName("order")->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char *argv[])
{
    const BenchmarkResults results = runBenchmarks(argc, argv);
    const char *orders[] = {"list order", "random order"};
    for (int order = 0; order < 2; ++order) {
        const auto found = results.find("answerAndNextQuestion/order:" + std::to_string(order));
        if (found != results.end())
            printRow({std::string("Practice step, ") + orders[order] + " (ns)", found->second.nanoseconds});
    }
    return 0;
}
