#include "toolkit/ControlCanvas.h"

#include "toolkit/Control.h"

HWND TControlCanvas::Window() const { return control_.Handle(); }
