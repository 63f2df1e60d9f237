#include "common/Clock.h"
#include "common/Fonts.h"
#include "diary/widgets/LunarCalendar.h"
#include "diary/widgets/MoxCalendar.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

const QDate First(1900, 1, 1);
const QDate Last(2100, 12, 31);

void SolarToLunarEveryDay(benchmark::State& state)
{
    for (auto _ : state) {
        for (QDate day = First; day <= Last; day = day.addDays(1))
            benchmark::DoNotOptimize(SolarToLunar(day));
    }
    state.SetItemsProcessed(state.iterations() * (First.daysTo(Last) + 1));
}
BENCHMARK(SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

void CellLunarTextEveryDay(benchmark::State& state)
{
    const bool stemBranch = state.range(0) != 0;
    for (auto _ : state) {
        for (QDate day = First; day <= Last; day = day.addDays(1))
            benchmark::DoNotOptimize(CellLunarText(day, stemBranch));
    }
    state.SetItemsProcessed(state.iterations() * (First.daysTo(Last) + 1));
}
BENCHMARK(CellLunarTextEveryDay)->ArgName("stemBranch")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void FullPaint(benchmark::State& state)
{
    Clock clock;
    TMoxCalendar cal(clock);
    cal.setCalStyle(static_cast<TMoxCalStyle>(state.range(0)));
    cal.resize(370, 221);
    cal.setDate(QDate(2024, 2, 10));
    QImage image(cal.size(), QImage::Format_ARGB32_Premultiplied);
    cal.render(&image);
    for (auto _ : state) {
        cal.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullPaint)->ArgName("style")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
