// Starting the web implementation, and the page's word when the program ends.
#include "web_internals.h"
#include "win32_web.h"

bool StartWeb(const uint8_t* resources, size_t resourcesSize) {
#define RGBHSV_EVENT_NAME(name) #name ","
  rgbhsv_start_page(RGBHSV_PAGE_EVENTS(RGBHSV_EVENT_NAME));
#undef RGBHSV_EVENT_NAME
  return dialog_manager::UseResources(resources, resourcesSize);
}

void ShowEnd(int exitCode) { rgbhsv_show_end(exitCode); }
