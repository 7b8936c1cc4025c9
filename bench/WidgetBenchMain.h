// The main of a benchmark program that needs a widget application (offscreen unless told otherwise).
#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>

#define ORVANTA_WIDGET_BENCHMARK_MAIN()                                                                      \
    int main(int argc, char** argv) {                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication app(argc, argv);                                                                        \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
