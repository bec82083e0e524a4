#pragma once
// Where a start's time goes. When the environment variable SCRIVLET_START_TRACE names a
// file, each mark notes how long after the process's creation a phase ended, and the
// first idle moment of the message loop writes them there, one "<phase> <ms>" a line:
// "first idle" when the loop first found nothing to do, then the phases of the work put
// off until then, and "idle" when that work is done.
// Without the variable a mark is one test of a flag. Phases are literals, kept by pointer.
#include <string>
#include <vector>

class TStartTrace {
 public:
  TStartTrace();
  // The variable named with the given file instead (tests).
  explicit TStartTrace(std::wstring file);

  bool Pending() const { return !file_.empty(); }
  void Mark(const char* phase) {
    if (Pending()) Note(phase);
  }
  // Marks "idle" and writes the phases, once; later calls do nothing.
  void Finish();

 private:
  void Note(const char* phase);

  std::wstring file_;
  std::vector<std::pair<const char*, double>> marks_;
};
