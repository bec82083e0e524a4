#include "tests/uifuzz/FuzzRunner.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>

#include "tests/uifuzz/FuzzRandom.h"

namespace {
const char* const kInvariantNames[] = {"",
                                       "nothing lost",
                                       "the views agree",
                                       "the reader tells the truth",
                                       "questions are modal",
                                       "only known messages",
                                       "no crash and no hang"};

// The watchdog's state: written by the UI thread, read by the watchdog's own thread.
struct TWatch {
  std::mutex Lock;
  std::string Header;
  std::string Context;
  std::atomic<ULONGLONG> Since{0};
  int Seconds = 60;
  bool Started = false;
};
TWatch& Watch() {
  static TWatch watch;
  return watch;
}

void PrintContextAndEnd(const char* why, UINT code) {
  std::string context;
  {
    std::lock_guard<std::mutex> lock(Watch().Lock);
    context = Watch().Context;
  }
  std::printf("violation of invariant 6 (no crash and no hang): %s\n%s", why, context.c_str());
  std::printf("ui_sequences=? actions=? violations=1\n");
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), code);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
  char why[96];
  std::snprintf(why, sizeof why, "the process crashed (exception 0x%08lX)",
                info ? static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode) : 0ul);
  PrintContextAndEnd(why, 4);
  return EXCEPTION_EXECUTE_HANDLER;
}

std::string Listing(const std::vector<TAction>& actions, int upTo = -1) {
  std::string text;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    text += "    " + ActionText(actions[i]);
    text += std::string(std::max<std::size_t>(1, 34 - ActionText(actions[i]).size() % 34), ' ');
    text += "# " + Describe(actions[i]);
    if (static_cast<int>(i) == upTo) text += "   <- running";
    text += "\n";
  }
  return text;
}
}  // namespace

void SetWatchdogContext(const std::string& context) {
  std::lock_guard<std::mutex> lock(Watch().Lock);
  Watch().Header = context;
  Watch().Context = context;
}

void StartWatchdog(int seconds) {
  TWatch& w = Watch();
  if (w.Started) return;
  w.Started = true;
  w.Seconds = seconds;
  SetUnhandledExceptionFilter(OnCrash);
  std::thread([&w] {
    for (;;) {
      Sleep(250);
      const ULONGLONG since = w.Since.load();
      if (since && GetTickCount64() - since > static_cast<ULONGLONG>(w.Seconds) * 1000) {
        char why[80];
        std::snprintf(why, sizeof why, "an action did not return within %d s", w.Seconds);
        PrintContextAndEnd(why, 3);
      }
    }
  }).detach();
}

void ArmWatchdog(bool armed) { Watch().Since = armed ? GetTickCount64() : 0; }

TOutcome RunSequence(const std::vector<TAction>& actions) {
  TOutcome outcome;
  TFuzzSession session;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const TAction& action = actions[i];
    {
      std::lock_guard<std::mutex> lock(Watch().Lock);
      Watch().Context = Watch().Header + Listing(actions, static_cast<int>(i));
    }
    ArmWatchdog(true);
    bool ok = true;
    try {
      ok = session.Run(action);
    } catch (const std::exception& e) {
      outcome.Violation = TViolation{6, std::string("an exception left the action: ") + e.what(), session.ActionsRun()};
      ok = false;
    }
    ArmWatchdog(false);
    if (!ok) break;
  }
  outcome.Actions = session.ActionsRun();
  outcome.Stats = session.Stats();
  if (!outcome.Violation) outcome.Violation = session.Violation();
  return outcome;
}

std::vector<TAction> Shrink(std::vector<TAction> actions, int invariant, int attempts) {
  auto fails = [&](const std::vector<TAction>& candidate, int& at) {
    if (attempts-- <= 0) return false;
    const TOutcome o = RunSequence(candidate);
    if (!o.Violation || o.Violation->Invariant != invariant) return false;
    at = o.Violation->Action;
    return true;
  };
  int at = 0;
  for (std::size_t chunk = std::max<std::size_t>(1, actions.size() / 2); chunk >= 1 && attempts > 0;) {
    bool removed = false;
    for (std::size_t start = 0; start < actions.size() && attempts > 0;) {
      std::vector<TAction> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
      if (start + chunk < actions.size())
        candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(start + chunk), actions.end());
      if (!candidate.empty() && fails(candidate, at)) {
        candidate.resize(std::min(candidate.size(), static_cast<std::size_t>(at) + 1));
        actions = std::move(candidate);
        removed = true;
      } else {
        start += chunk;
      }
    }
    if (!removed) {
      if (chunk == 1) break;
      chunk /= 2;
    }
  }
  // Plain answers where the action inside a question is not needed.
  for (std::size_t i = 0; i < actions.size() && attempts > 0; ++i) {
    if (!actions[i].Inner) continue;
    std::vector<TAction> candidate = actions;
    candidate[i].Inner.reset();
    candidate[i].Answer = candidate[i].Answer == TAnswer::ThenYes ? TAnswer::Yes : TAnswer::No;
    if (fails(candidate, at)) actions = std::move(candidate);
  }
  return actions;
}

std::vector<TAction> ParseActions(const std::vector<std::string>& lines) {
  std::vector<TAction> actions;
  for (std::string line : lines) {
    const std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.resize(hash);
    if (line.find_first_not_of(" \t\r\n") == std::string::npos) continue;
    if (auto a = ParseAction(line)) actions.push_back(*a);
  }
  return actions;
}

TRunSummary FuzzRun(std::uint32_t seed, double seconds, int maxSequences) {
  TRunSummary summary;
  const ULONGLONG start = GetTickCount64();
  auto elapsed = [&] { return static_cast<double>(GetTickCount64() - start) / 1000.0; };
  for (std::uint32_t n = 0; (maxSequences <= 0 || summary.Sequences < maxSequences) && elapsed() < seconds; ++n) {
    TFuzzRandom rng(SequenceSeed(seed, n));
    const std::vector<TAction> actions = DrawSequence(rng, 10 + rng.Int(31));
    SetWatchdogContext("  seed=" + std::to_string(seed) + " sequence=" + std::to_string(n) + "\n");
    const TOutcome outcome = RunSequence(actions);
    ++summary.Sequences;
    summary.Actions += outcome.Actions;
    summary.Stats += outcome.Stats;
    if (!outcome.Violation) continue;
    ++summary.Violations;
    const TViolation& v = *outcome.Violation;
    std::printf("violation of invariant %d (%s): %s\n  seed=%u sequence=%u, after action %d of %zu\n", v.Invariant,
                kInvariantNames[v.Invariant], v.Text.c_str(), seed, n, v.Action + 1, actions.size());
    std::fflush(stdout);
    std::vector<TAction> failing(actions.begin(), actions.begin() + std::min<std::ptrdiff_t>(
                                                                      v.Action + 1, static_cast<std::ptrdiff_t>(actions.size())));
    const std::vector<TAction> shortest = Shrink(failing, v.Invariant, 150);
    std::printf("  shortened to %zu actions (replay: fuzz/ui --replay FILE):\n%s", shortest.size(),
                Listing(shortest).c_str());
    std::fflush(stdout);
  }
  summary.Seconds = elapsed();
  return summary;
}
