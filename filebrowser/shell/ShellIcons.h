#pragma once
// Indexes into the shell's system small-icon image list.
#include <string>

int SmallIconIndex(const std::string& path);
// The opened-folder picture, used for expanded tree nodes.
int SmallOpenIconIndex(const std::string& path);
// Both pictures at once; false when the shell gave none for the path.
bool SmallIconIndexes(const std::string& path, int& normal, int& open);
// The shell's picture of any plain folder, asked without reading one: some shells read a
// folder whole to answer for its path.
int PlainFolderIconIndex();
