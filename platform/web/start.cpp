// Starting the web implementation, and the page's word when the program ends.
#include "web_internals.h"
#include "win32_web.h"

namespace {

// clang-format off
EM_JS(void, ShowEndOnPage, (int code), {
  const end = document.getElementById("ended");
  if (!end) return;
  end.querySelector(".code").textContent = String(code);
  end.hidden = false;
});
// clang-format on

}  // namespace

bool StartWeb(const uint8_t* resources, size_t resourcesSize) {
  return dialog_manager::UseResources(resources, resourcesSize);
}

void ShowEnd(int exitCode) { ShowEndOnPage(exitCode); }
