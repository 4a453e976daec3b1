// What a translated start-up adds: loading the embedded translation (and
// looking for Qt's own, which Debian's qt6-translations-l10n would bring),
// installing it for the windows and the game's texts, and the look-up of one
// caption, which the main window and the loading window make about sixty
// times as they are built.

#include "translate.h"
#include "translations.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void loadTranslation(benchmark::State& state)
{
    for (auto _ : state) {
        golexorb::useLanguage(QStringLiteral("de"));
        state.PauseTiming();
        golexorb::useLanguage(QString());
        state.ResumeTiming();
    }
}
BENCHMARK(loadTranslation)->Name("translation/load the German translation")->Unit(benchmark::kMicrosecond);

void lookUpCaption(benchmark::State& state)
{
    golexorb::useLanguage(QStringLiteral("de"));
    for (auto _ : state)
        benchmark::DoNotOptimize(QCoreApplication::translate("mainfrm", "Start Game"));
    golexorb::useLanguage(QString());
}
BENCHMARK(lookUpCaption)->Name("translation/a caption looked up in German");

void lookUpGameText(benchmark::State& state)
{
    golexorb::useLanguage(QStringLiteral("de"));
    for (auto _ : state)
        benchmark::DoNotOptimize(game::translate("mainfrm", "Your Word Here"));
    golexorb::useLanguage(QString());
}
BENCHMARK(lookUpGameText)->Name("translation/a text of the game looked up in German");

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
