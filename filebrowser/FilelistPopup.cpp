#include "filebrowser/FilelistPopup.h"

TDqFilelistView28PopUp::TDqFilelistView28PopUp(TComponent* owner) : TPopupMenu(owner) {}
