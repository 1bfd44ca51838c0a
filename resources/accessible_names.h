// What a screen reader calls each field beyond its group's label ("RGB
// color:"): the number it holds. Windows' screen readers read a field by the
// text before it, and the template has nothing more; the Linux program and
// the page name each field in full from this one table.
#ifndef RGBHSV_RESOURCES_ACCESSIBLE_NAMES_H
#define RGBHSV_RESOURCES_ACCESSIBLE_NAMES_H

#include "resource.h"

struct FieldName {
  int id;
  const char* name;
};

constexpr FieldName kFieldNames[] = {
    {IDC_RED, "red"}, {IDC_GREEN, "green"},           {IDC_BLUE, "blue"},
    {IDC_HUE, "hue"}, {IDC_SATURATION, "saturation"}, {IDC_VALUE, "value"},
};

#endif
