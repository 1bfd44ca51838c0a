// Identifiers shared by the resource script and the dialog code.
#ifndef RGBHSV_RESOURCES_RESOURCE_H
#define RGBHSV_RESOURCES_RESOURCE_H

// The dialog template and the application icon group.
#define IDD_CONVERTER 101
#define IDI_APP 102

// The dialog's controls.
#define IDC_SELECT 1001
#define IDC_SWATCH 1002
#define IDC_RED 1003
#define IDC_GREEN 1004
#define IDC_BLUE 1005
#define IDC_HUE 1006
#define IDC_SATURATION 1007
#define IDC_VALUE 1008

#endif
