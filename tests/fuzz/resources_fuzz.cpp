// libFuzzer: any bytes given to the resource reader as a .res file must end
// in a result, without reading out of bounds, overflowing or looping.
#include <cstddef>
#include <cstdint>

#include "shared/resources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  res::ProgramResources program;
  res::ReadProgramResources(bytes, size, &program);
  return 0;
}
