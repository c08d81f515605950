// The program's entry: the registry, the window system and the application,
// then the main window and its message loop.

#include <windows.h>

#include "Forms.h"
#include "Unit1.h"
#include "Win32Backend.h"
#include "Win32RegistryStore.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  reg::TWin32Store registry;
  TWin32Backend backend;
  TApplication application(backend, registry);
  try {
    application.Initialize();
    application.SetTitle("Orvik for Quendle");
    application.CreateForm(Form1);
    application.Run();
  } catch (const Exception& e) {
    application.ShowException(e);
  } catch (...) {
    // Nothing of ours: there is no message worth showing, and the exit
    // code stays 0 all the same.
  }
  return 0;
}
