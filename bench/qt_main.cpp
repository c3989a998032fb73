// main() for benchmarks that need a QApplication (offscreen unless told otherwise).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <cstdio>

#include "platform/memory.h"

int main(int argc, char** argv) {
  velmora::platform::ShareOnePool();  // as the window does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory: %ld KB\n", usage.ru_maxrss);
  return 0;
}
