// Starting the web implementation, and the page's word when the program ends.
#include "web_internals.h"
#include "win32_web.h"

bool StartWeb(const uint8_t* resources, size_t resourcesSize) {
#define RGBHSV_PAGE_NAME(name) #name ","
  rgbhsv_start_page(RGBHSV_INPUT_KINDS(RGBHSV_PAGE_NAME) RGBHSV_PAGE_OWN_EVENTS(RGBHSV_PAGE_NAME),
                    RGBHSV_PAGE_EVENT_FIELDS(RGBHSV_PAGE_NAME), RGBHSV_PAGE_CONTROL_FIELDS(RGBHSV_PAGE_NAME),
                    RGBHSV_PAGE_CONTROL_KINDS(RGBHSV_PAGE_NAME));
#undef RGBHSV_PAGE_NAME
  return dialog_manager::UseResources(resources, resourcesSize);
}

void ShowEnd(int exitCode) { rgbhsv_show_end(exitCode); }
