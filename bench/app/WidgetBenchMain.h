// The main of the benchmarks that show widgets: offscreen unless a platform is chosen, and the
// settings in scratch hives, since the view reads and writes them.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline int RunWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string scratch = (std::filesystem::temp_directory_path() / "varnex-bench-").string();
    setenv("TAMSEL_USER_HIVE", (scratch + "user.reg").c_str(), 1);
    setenv("TAMSEL_MACHINE_HIVE", (scratch + "machine.reg").c_str(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
