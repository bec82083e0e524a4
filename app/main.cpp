// Program entry: the application object, its title, the main window, the message loop.
#include <windows.h>

#include "app/Unit1.h"
#include "toolkit/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  TApplication app;
  app.Initialize();
  app.SetTitle("Scrivlet");
  app.CreateForm<TForm1>();
  app.Run(showCommand);
  return 0;
}
