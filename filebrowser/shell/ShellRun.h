#pragma once
// Running a shell verb on a file, with the user told when it fails.
#include <string>

// ShellExecute with the main window as owner. On failure (32 or less) an error box
// reads "ERROR - Can't <verb> file <file>" in the list's language. Texts of any
// length are passed whole. Returns the platform's result.
int ShellExecuteWithMessage(const std::string& verb, const std::string& file, const std::string& parameters,
                            const std::string& directory, int showCommand);
