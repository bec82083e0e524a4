#pragma once
// Folders of the shell and the system the controls look up.
#include <string>

enum TSpecialFolder {
  sfDesktop,
  sfFavorites,
  sfNetHood,
  sfPersonal,
  sfPrograms,
  sfSendTo,
  sfStartMenu,
  sfStartUp,
  sfWindows,
  sfSystem,
};

// The folder with one trailing backslash, or empty when the user's "Shell Folders"
// key has no such value (or cannot be opened).
std::string GetSpecialFolder(TSpecialFolder folder);
