// The restless user: random sequences of real actions against the main window, with
// the invariants checked after every action.
//   fuzz_ui [SECONDS] [SEED] [SEQUENCES]   sequences until the time or the count runs out
//   fuzz_ui --replay FILE                  one sequence, one action per line
// The last line reads "ui_sequences=N actions=M violations=K".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/uifuzz/FuzzRunner.h"
#include "tests/win/support/ScriptedModal.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
  TApplication app;
  app.Initialize();
  app.SetTitle("Scrivlet");
  ResetScripted();
  StartWatchdog(30);
  if (argc >= 3 && std::string(argv[1]) == "--replay") {
    std::ifstream in(argv[2]);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const std::vector<TAction> actions = ParseActions(lines);
    SetWatchdogContext("  replay of " + std::string(argv[2]) + "\n");
    const TOutcome outcome = RunSequence(actions);
    if (outcome.Violation)
      std::printf("violation of invariant %d: %s (after action %d)\n", outcome.Violation->Invariant,
                  outcome.Violation->Text.c_str(), outcome.Violation->Action + 1);
    std::printf("ui_sequences=1 actions=%d violations=%d\n", outcome.Actions, outcome.Violation ? 1 : 0);
    return outcome.Violation ? 1 : 0;
  }
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  const std::uint32_t seed =
      argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : static_cast<std::uint32_t>(GetTickCount64());
  const int sequences = argc > 3 ? std::atoi(argv[3]) : 0;
  std::printf("seed=%u\n", seed);
  std::fflush(stdout);
  const TRunSummary s = FuzzRun(seed, seconds, sequences);
  std::printf("seconds=%.1f actions_per_second=%.1f\n", s.Seconds, s.Seconds > 0 ? s.Actions / s.Seconds : 0.0);
  std::printf("questions=%d file_operations=%d error_boxes=%d file_clicks=%d popups=%d back_in_tree=%d input_refused=%d\n",
              s.Stats.Questions, s.Stats.FileOps, s.Stats.ErrorBoxes, s.Stats.FileClicks, s.Stats.Popups,
              s.Stats.Outside, s.Stats.Dropped);
  std::printf("ui_sequences=%d actions=%d violations=%d\n", s.Sequences, s.Actions, s.Violations);
  std::fflush(stdout);
  return s.Violations ? 1 : 0;
}
