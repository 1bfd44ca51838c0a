// The contract suite on the real Win32 dialog manager: the program's
// resources are linked into the suite's executable.
#include "contract.h"

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
