#include "tests/uifuzz/FuzzActions.h"

#include <sstream>

#include "tests/uifuzz/FuzzRandom.h"

namespace {
const char* const kKindNames[] = {"click", "reader", "key", "dropdown", "resize", "disk", "notify", "burst"};
const char* const kAnswerNames[] = {"yes", "no", "cancel", "then-yes", "then-no"};
const char* const kKeyNames[] = {"Up", "Down", "Home", "End", "Enter", "Backspace", "F2", "F4", "F5", "Delete",
                                 "Shift+Delete", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Ctrl+A", "Tab", "MenuKey",
                                 "Shift+Down", "Left", "Right", "Ctrl+W", "Ctrl+F", "Ctrl+B", "Ctrl+Alt+B",
                                 "Ctrl+Alt+R", "Ctrl+Alt+F", "Ctrl+Alt+D"};
const char* const kNameNames[] = {"a fresh name", "an invalid name", "an existing name", "its name in other case",
                                  "a blank name", "a non-ASCII name", "a name the mask hides", "Escape"};
const char* const kDiskNames[] = {"creates a file", "deletes a file", "renames a file", "creates a folder",
                                  "deletes a folder", "renames a folder", "rewrites a file, same length",
                                  "rewrites a file, new length", "holds a file open for writing",
                                  "closes the held file"};
static_assert(std::size(kKeyNames) == static_cast<std::size_t>(TFuzzKey::Count));
static_assert(std::size(kNameNames) == static_cast<std::size_t>(TFuzzName::Count));
static_assert(std::size(kDiskNames) == static_cast<std::size_t>(TDiskOp::Count));

TFuzzKey DrawKey(TFuzzRandom& rng) {
  // Up, Down, Home, End, Enter, Backspace, F2, F4, F5, Delete, Shift+Delete, Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A,
  // Tab, MenuKey, Shift+Down, Left, Right, Ctrl+W, Ctrl+F, Ctrl+B, Ctrl+Alt+B, Ctrl+Alt+R, Ctrl+Alt+F, Ctrl+Alt+D
  return static_cast<TFuzzKey>(rng.Weighted({6, 8, 2, 2, 4, 4, 6, 2, 4, 5, 5, 3, 3, 5, 2, 3, 3, 2, 1, 1, 2, 2, 4,
                                             1, 1, 8, 1}));
}
}  // namespace

const char* KeyName(TFuzzKey key) { return kKeyNames[static_cast<int>(key)]; }

TAction DrawAction(TFuzzRandom& rng, bool inner) {
  TAction a;
  // While a question is open mostly the disk and the shell act: the window takes no input.
  static const TActKind kInnerKinds[] = {TActKind::Click, TActKind::Key, TActKind::Disk, TActKind::Notify,
                                         TActKind::Burst};
  a.Kind = inner ? kInnerKinds[rng.Weighted({10, 10, 50, 20, 10})]
                 : static_cast<TActKind>(rng.Weighted({28, 7, 35, 6, 3, 12, 4, 5}));
  switch (a.Kind) {
    case TActKind::Click:
      a.A = rng.Int(12) - 1;
      a.B = rng.Weighted({60, 25, 15});
      a.C = rng.Int(8);
      break;
    case TActKind::Reader:
      a.A = rng.Int(8);
      a.B = rng.Weighted({40, 20, 25, 15});
      a.C = rng.Int(8);
      break;
    case TActKind::Key:
      a.A = static_cast<int>(DrawKey(rng));
      a.B = rng.Int(static_cast<int>(TFuzzName::Count));
      a.C = rng.Weighted({40, 25, 10, 25});
      break;
    case TActKind::DropDown:
      a.A = rng.Int(8);
      a.B = rng.Weighted({45, 25, 10, 10, 10});
      break;
    case TActKind::Resize:
      a.A = rng.Int(5);
      a.B = rng.Int(5);
      a.C = rng.Weighted({80, 10, 10});
      break;
    case TActKind::Disk:
      a.A = rng.Int(static_cast<int>(TDiskOp::Count));
      a.B = rng.Int(64);
      a.C = rng.Int(4);
      break;
    case TActKind::Notify:
      a.A = rng.Int(16);
      a.B = rng.Int(3);
      break;
    case TActKind::Burst:
      a.A = rng.Int(4);
      a.B = rng.Int(8);
      break;
  }
  if (inner) return a;
  a.Answer = static_cast<TAnswer>(rng.Weighted({40, 25, 10, 15, 10}));
  if (a.Answer == TAnswer::ThenYes || a.Answer == TAnswer::ThenNo)
    a.Inner = std::make_shared<TAction>(DrawAction(rng, true));
  return a;
}

std::vector<TAction> DrawSequence(TFuzzRandom& rng, int length) {
  std::vector<TAction> actions;
  // Half the sequences start by showing folders, so the list walks the tree itself.
  if (rng.Percent(50)) actions.push_back(TAction{TActKind::Key, static_cast<int>(TFuzzKey::CtrlAltF), 0, 0, TAnswer::Yes, {}});
  for (int i = 0; i < length; ++i) actions.push_back(DrawAction(rng));
  return actions;
}

std::string ActionText(const TAction& action) {
  std::ostringstream out;
  out << kKindNames[static_cast<int>(action.Kind)] << ' ' << action.A << ' ' << action.B << ' ' << action.C << ' '
      << kAnswerNames[static_cast<int>(action.Answer)];
  if (action.Inner) out << " / " << ActionText(*action.Inner);
  return out.str();
}

std::optional<TAction> ParseAction(const std::string& text) {
  std::istringstream in(text);
  std::string kind, answer;
  TAction a;
  if (!(in >> kind >> a.A >> a.B >> a.C >> answer)) return std::nullopt;
  int k = 0;
  for (; k < static_cast<int>(std::size(kKindNames)) && kind != kKindNames[k]; ++k) {
  }
  if (k == static_cast<int>(std::size(kKindNames))) return std::nullopt;
  a.Kind = static_cast<TActKind>(k);
  int n = 0;
  for (; n < static_cast<int>(std::size(kAnswerNames)) && answer != kAnswerNames[n]; ++n) {
  }
  if (n == static_cast<int>(std::size(kAnswerNames))) return std::nullopt;
  a.Answer = static_cast<TAnswer>(n);
  std::string rest;
  std::getline(in, rest);
  const std::size_t slash = rest.find('/');
  if (slash != std::string::npos) {
    auto inner = ParseAction(rest.substr(slash + 1));
    if (!inner) return std::nullopt;
    a.Inner = std::make_shared<TAction>(*inner);
  }
  if (a.Kind == TActKind::Key && (a.A < 0 || a.A >= static_cast<int>(TFuzzKey::Count))) return std::nullopt;
  if (a.Kind == TActKind::Disk && (a.A < 0 || a.A >= static_cast<int>(TDiskOp::Count))) return std::nullopt;
  return a;
}

std::string Describe(const TAction& action) {
  std::ostringstream out;
  const int a = action.A, b = action.B;
  static const char* const kButtons[] = {"click", "double click", "right click", "drag"};
  static const char* const kDropEnds[] = {"Enter", "click the node", "click its button", "Escape", "left open"};
  static const char* const kBurstKeys[] = {"Down", "F5", "Backspace", "Enter"};
  switch (action.Kind) {
    case TActKind::Click:
      out << kButtons[b % 3] << " on list entry " << a;
      if (b == 2) out << ", pick " << action.C;
      break;
    case TActKind::Reader:
      out << kButtons[b % 4] << " in the reader at " << a;
      if (b == 2) out << ", pick " << action.C;
      break;
    case TActKind::Key:
      out << KeyName(static_cast<TFuzzKey>(a));
      if (static_cast<TFuzzKey>(a) == TFuzzKey::F2) out << " typing " << kNameNames[b % 8];
      if (static_cast<TFuzzKey>(a) == TFuzzKey::MenuKey) out << ", pick " << b;
      out << (action.C == 1   ? " in the list"
              : action.C == 2 ? " in the reader"
              : action.C == 3 ? " after a click on list entry " + std::to_string(b)
                              : std::string());
      break;
    case TActKind::DropDown:
      out << "drop-down, " << a << " down, "
          << kDropEnds[b % 5];
      break;
    case TActKind::Resize:
      out << "resize " << a << "x" << b << (action.C == 1 ? " maximised" : action.C == 2 ? " minimised" : "");
      break;
    case TActKind::Disk:
      out << "another program " << kDiskNames[a] << " (" << b << ")"
          << ((action.C & 1) ? ", shell told" : "") << ((action.C & 2) ? ", time kept" : "");
      break;
    case TActKind::Notify:
      out << "shell notification " << b << " for folder " << a;
      break;
    case TActKind::Burst:
      out << "queued: mouse move, "
          << kBurstKeys[a % 4] << ", click on entry " << b;
      break;
  }
  out << ", answers " << kAnswerNames[static_cast<int>(action.Answer)];
  if (action.Inner) out << " after [" << Describe(*action.Inner) << "]";
  return out.str();
}
