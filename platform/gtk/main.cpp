// The native program's process start-up, which on Windows is the C
// runtime's: start the platform with the program's resources, call
// WinMain, end the platform, exit with WinMain's result.
#include "../../resources/program_resources.h"
#include "../win32_off_windows.h"
#include "win32_gtk.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);

int main(int argc, char** argv) {
  if (!StartGtk(&argc, &argv, kProgramResources, kProgramResourcesSize)) return 1;
  const int result = WinMain(GetModuleHandleA(nullptr), nullptr, argv[0], SW_SHOW);
  EndGtk();
  return result;
}
