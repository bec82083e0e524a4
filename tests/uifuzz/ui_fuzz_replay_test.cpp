// The restless user's checks catch what they are for, and every fault it found stays
// fixed: each kept action list is replayed and must break no invariant.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Unit1.h"
#include "tests/uifuzz/FuzzRandom.h"
#include "tests/uifuzz/FuzzRunner.h"
#include "toolkit/Utf.h"

namespace {
std::optional<TViolation> Replay(const std::vector<std::string>& lines) {
  const std::vector<TAction> actions = ParseActions(lines);
  EXPECT_EQ(actions.size(), lines.size()) << "a line did not parse";
  const TOutcome outcome = RunSequence(actions);
  if (!outcome.Violation) {
    EXPECT_EQ(outcome.Actions, static_cast<int>(actions.size()));
  }
  return outcome.Violation;
}

std::string Text(const std::optional<TViolation>& v) { return v ? v->Text : ""; }
}  // namespace

TEST(UiFuzzActions, EveryDrawnActionReadsBackFromItsLine) {
  TFuzzRandom rng(7);
  for (const TAction& a : DrawSequence(rng, 400)) {
    const std::optional<TAction> back = ParseAction(ActionText(a));
    ASSERT_TRUE(back) << ActionText(a);
    EXPECT_EQ(ActionText(*back), ActionText(a));
  }
  EXPECT_FALSE(ParseAction("key 99 0 0 yes"));
  EXPECT_FALSE(ParseAction("hover 1 2 3 yes"));
  EXPECT_FALSE(ParseAction("click 1 2 3 maybe"));
}

TEST(UiFuzzActions, ASeedDrawsTheSameSequenceEveryTime) {
  TFuzzRandom a(SequenceSeed(5, 3)), b(SequenceSeed(5, 3)), c(SequenceSeed(5, 4));
  std::string first, second, other;
  for (const TAction& x : DrawSequence(a, 50)) first += ActionText(x) + "\n";
  for (const TAction& x : DrawSequence(b, 50)) second += ActionText(x) + "\n";
  for (const TAction& x : DrawSequence(c, 50)) other += ActionText(x) + "\n";
  EXPECT_EQ(first, second);
  EXPECT_NE(first, other);
}

// Each check is broken on purpose behind the window's back; the next action reports it.
TEST(UiFuzzChecks, EachInvariantCatchesItsBreak) {
  const TAction harmless = *ParseAction("resize 2 2 0 yes");
  {
    TFuzzSession s;
    DeleteFileW(Widen(s.World().Root() + "crlf.txt").c_str());
    EXPECT_FALSE(s.Run(harmless));
    ASSERT_TRUE(s.Violation());
    EXPECT_EQ(s.Violation()->Invariant, 1) << s.Violation()->Text;
  }
  {
    TFuzzSession s;
    s.Form().ReadText->SetText("not what was clicked");
    EXPECT_FALSE(s.Run(harmless));
    ASSERT_TRUE(s.Violation());
    EXPECT_EQ(s.Violation()->Invariant, 3) << s.Violation()->Text;
  }
  {
    TFuzzSession s;
    s.Form().BrowseFiles->SetDirectory(s.World().Root() + "dotted.dir\\");
    EXPECT_FALSE(s.Run(harmless));
    ASSERT_TRUE(s.Violation());
    EXPECT_EQ(s.Violation()->Invariant, 2) << s.Violation()->Text;
  }
  {
    TFuzzSession s;
    EnableWindow(s.Form().Handle(), FALSE);
    EXPECT_FALSE(s.Run(*ParseAction("disk 9 0 0 yes")));
    ASSERT_TRUE(s.Violation());
    EXPECT_EQ(s.Violation()->Invariant, 4) << s.Violation()->Text;
  }
}

TEST(UiFuzzChecks, ConfirmedCommandsAndTheOtherProgramExplainTheirChanges) {
  // A click and Delete answered Yes (the shell deletes), a click and Shift+Delete answered
  // Yes, and the other program deleting a file while the next delete's question is open.
  const TOutcome outcome =
      RunSequence(ParseActions({"key 9 3 3 yes", "key 10 4 3 yes", "key 9 5 3 then-yes / disk 1 3 0 yes"}));
  EXPECT_EQ(Text(outcome.Violation), "");
  EXPECT_EQ(outcome.Actions, 3);
  EXPECT_EQ(outcome.Stats.FileOps, 2);
  EXPECT_EQ(outcome.Stats.Questions, 3);
}

// ---- faults the restless user found, kept as it found them -------------------------------

// The drop-down closed by Escape, by the list taking the focus or by Tab kept the node the
// keys had moved to selected, so Enter on the box would list a folder never picked.
TEST(UiFuzzFound, ADropDownClosedWithoutAPickKeepsTheShownFolderSelected) {
  EXPECT_EQ(Text(Replay({"dropdown 1 3 0 yes"})), "");
  EXPECT_EQ(Text(Replay({"dropdown 7 4 0 no", "click 2 0 5 yes"})), "");
  EXPECT_EQ(Text(Replay({"dropdown 1 2 0 yes", "key 15 6 0 yes"})), "");
}

// A folder another program removed, picked in the drop-down that still listed it: the box
// named the gone folder while the list stayed where it was.
TEST(UiFuzzFound, APickOfAGoneFolderLeavesBoxAndListTogether) {
  EXPECT_EQ(Text(Replay({"dropdown 4 1 0 yes", "burst 2 0 0 yes", "disk 4 52 0 yes", "dropdown 2 0 0 yes"})), "");
}

// In the drives view a folder notification (or F5) rebuilt the drop-down and left no node
// selected: "Drives" is no folder to show. The drop-down is built first, then Backspace in
// the list climbs from the tree's folder to the drives, with presses to spare.
TEST(UiFuzzFound, TheDrivesViewKeepsTheComputerSelectedThroughARebuild) {
  std::vector<std::string> actions{"dropdown 0 3 0 yes"};
  actions.insert(actions.end(), 16, "key 5 0 1 yes");
  actions.push_back("notify 11 1 0 no");
  EXPECT_EQ(Text(Replay(actions)), "");
}

// Not a fault: the listed folder renamed away stays the list's folder after F5, and the
// rebuilt drop-down has no node for it. The check asked for one.
TEST(UiFuzzFound, AListedFolderRenamedAwayKeepsTheListThere) {
  EXPECT_EQ(Text(Replay({"key 25 7 0 yes", "dropdown 4 1 0 yes", "click 10 1 0 no", "disk 5 54 2 no",
                         "burst 1 2 0 yes"})),
            "");
}
