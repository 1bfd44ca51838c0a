// The compiled resources (rgbhsv.res), built into native test programs.
#ifndef RGBHSV_RESOURCES_PROGRAM_RESOURCES_H
#define RGBHSV_RESOURCES_PROGRAM_RESOURCES_H

#include <cstddef>

extern const unsigned char kProgramResources[];
extern const size_t kProgramResourcesSize;

#endif
