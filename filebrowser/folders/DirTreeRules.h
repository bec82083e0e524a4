#pragma once
// Captions and paths of the folder trees' nodes. A node stores no path: its path is
// made again from the captions along its branch, so the captions follow these rules.
#include <string>
#include <string_view>
#include <vector>

// The drives token: the path of the computer node.
inline constexpr char kDrivesToken[] = "Drives";
// The token in any case ("Drives", "DRIVES"): the file list's rule, ASCII letters only,
// whatever the user's locale says about case.
bool IsDrivesToken(std::string_view path);

// The caption of a drive, in the file list and as a tree node: " (C:)  " followed by the
// display name up to its first "(" (nothing when it has none).
std::string DriveCaption(char letter, std::string_view displayName);
// Drive nodes have these captions: the letter and the colon stand at the third and
// fourth characters.
// What a drive node matches in a path: its letter, the colon and "\" ("C:\").
std::string DriveSegment(std::string_view caption);
// The path of a node from the captions of its branch, top-level node first: the top
// level adds nothing, the second level is a drive, deeper levels are folders. A drive
// gives its root ("C:\"), a folder its path without a trailing "\", the top level
// "Drives".
std::string NodePath(const std::vector<std::string>& captions);
// Splits off the text up to and including the first "\" into `segment`; false (and
// nothing changed) when `rest` holds no "\".
bool SplitFirstSegment(std::string& rest, std::string& segment);
