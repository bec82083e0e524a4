// The file commands the key table starts (open is with the navigation). Not built yet:
// each key already arrives here, under its condition, and starts nothing so far.
#include "filebrowser/FilelistView.h"

void TDqFilelistView28::ViewSelected() {}

void TDqFilelistView28::FindInDirectory() {}

void TDqFilelistView28::NewFolder() {}

void TDqFilelistView28::BeginRename() {}

void TDqFilelistView28::DeleteSelected() {}

bool TDqFilelistView28::DeleteSelectedPermanently() { return true; }

void TDqFilelistView28::CollectSelection(int) {}

void TDqFilelistView28::PasteFiles() {}
