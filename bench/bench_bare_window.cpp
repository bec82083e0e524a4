// The least a windowed start costs: a process that registers a class, shows one empty
// window, paints it and waits for input. bench_phases times it beside the viewer.
#include "bench/BenchWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return RunBenchWindow(instance, showCommand, L"Bare");
}
