// The web program's start-up, which on Windows is the C runtime's: start
// the platform with the program's resources, call WinMain, and show its
// result on the page.
#include "../../resources/program_resources.h"
#include "../win32_off_windows.h"
#include "win32_web.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

int main() {
  if (!StartWeb(kProgramResources, kProgramResourcesSize)) return 1;
  const int result = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOW);
  ShowEnd(result);
  return result;
}
