#pragma once
// Runs sequences of the restless user, shortens a failing one and reports it; a
// watchdog of its own ends the process when an action does not return.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/uifuzz/FuzzActions.h"
#include "tests/uifuzz/FuzzSession.h"

struct TOutcome {
  std::optional<TViolation> Violation;
  int Actions = 0;
  TFuzzStats Stats;
};

// A fresh session runs the actions until the first violation.
TOutcome RunSequence(const std::vector<TAction>& actions);
// Drops actions while the same invariant still fails; at most `attempts` replays.
std::vector<TAction> Shrink(std::vector<TAction> actions, int invariant, int attempts);
// Parses one action per line; blank lines and lines starting with '#' are skipped.
std::vector<TAction> ParseActions(const std::vector<std::string>& lines);

// What the watchdog prints when an action hangs or the process crashes.
void SetWatchdogContext(const std::string& context);
// Starts the watchdog: an action that runs longer than `seconds` ends the process.
void StartWatchdog(int seconds);
// The bound counts from here; `false` stops counting.
void ArmWatchdog(bool armed);

struct TRunSummary {
  int Sequences = 0;
  int Actions = 0;
  int Violations = 0;
  double Seconds = 0;
  TFuzzStats Stats;
};
// Sequences drawn from the seed until the time or the count runs out, each checked and
// each failure shortened and printed.
TRunSummary FuzzRun(std::uint32_t seed, double seconds, int maxSequences);
