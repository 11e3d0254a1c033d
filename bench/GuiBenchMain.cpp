#include <QApplication>

#include <benchmark/benchmark.h>

// main() for the benchmarks of widgets: a QApplication on the offscreen platform unless a
// display is chosen, then every registered benchmark.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
