#pragma once
// The shell's property sheet of a file, folder or drive.
#include <string>

// Opens the property sheet; when the shell cannot, a plain message box names the
// reason for the common failures (and nothing is shown for the others).
void ShowFileProperties(const std::string& path);
