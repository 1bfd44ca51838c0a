// A minimal web page built like the program's: one field whose text is
// copied into a second one on every change, by WebAssembly waiting
// (Asyncify) for the page's input. It is what the web timings are measured
// against.
#include <emscripten.h>

#include <cstdlib>

// clang-format off
EM_JS(void, MakeFields, (), {
  const desktop = document.getElementById("desktop");
  for (const value of ["255", ""]) {
    const field = document.createElement("input");
    field.value = value;
    desktop.append(field);
  }
  window.pending = [];
  desktop.firstChild.addEventListener("input", (e) => {
    window.pending.push(e.target.value);
    if (window.wake) window.wake();
  });
});

EM_ASYNC_JS(char*, NextText, (), {
  if (window.pending.length === 0) await new Promise((resolve) => { window.wake = resolve; });
  window.wake = null;
  return allocateUTF8(window.pending.shift());
});

EM_JS(void, ShowText, (const char* text), { document.getElementById("desktop").lastChild.value = UTF8ToString(text); });
// clang-format on

int main() {
  MakeFields();
  for (;;) {
    char* text = NextText();
    ShowText(text);
    std::free(text);
  }
}
