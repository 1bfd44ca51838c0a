// What the program's compiled resources must be, field by field. Used on
// the resources inside rgbhsv.exe and on the .res that windres writes for
// the programs off Windows, which also holds the fields' names for screen
// readers, in the string table's blocks for IDs 1008 and below and 1008 on.
#ifndef RGBHSV_TESTS_SUPPORT_CONVERTER_RESOURCES_H
#define RGBHSV_TESTS_SUPPORT_CONVERTER_RESOURCES_H

#include <string>
#include <vector>

#include "shared/resources.h"

// Every difference from the expected resources, one line each; empty when
// all agree.
enum class Carrier { Executable, OffWindows };
std::vector<std::string> CheckConverterResources(const std::vector<res::Resource>& resources, Carrier carrier);

#endif
