// The native program's process start-up, which on Windows is the C
// runtime's: start the platform, call WinMain, exit with its result.
#include "../win32_off_windows.h"
#include "start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);

int main(int argc, char** argv) {
  if (!StartGtk(&argc, &argv)) return 1;
  return WinMain(GetModuleHandleA(nullptr), nullptr, argv[0], SW_SHOW);
}
