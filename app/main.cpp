// Program entry: the application object, its title, the main window, the message loop.
#include <windows.h>

#include "app/Unit1.h"
#include "toolkit/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  TApplication app;
  app.SetTitle("Scrivlet");
  // Last resort: a failure that no handler caught is shown before the program ends.
  try {
    app.Initialize();
    app.CreateForm<TForm1>();
    app.Run(showCommand);
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  } catch (...) {
    app.ShowException("Unexpected failure");
    return 1;
  }
  return 0;
}
