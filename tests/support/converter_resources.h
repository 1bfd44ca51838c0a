// What the program's compiled resources must be, field by field. Used on
// the .res that windres writes and on the resources inside rgbhsv.exe.
#ifndef RGBHSV_TESTS_SUPPORT_CONVERTER_RESOURCES_H
#define RGBHSV_TESTS_SUPPORT_CONVERTER_RESOURCES_H

#include <string>
#include <vector>

#include "shared/resources.h"

// Every difference from the expected resources, one line each; empty when
// all agree.
std::vector<std::string> CheckConverterResources(const std::vector<res::Resource>& resources);

#endif
