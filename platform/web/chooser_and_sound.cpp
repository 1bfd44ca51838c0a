// The color chooser, an in-page <dialog> with the browser's own color
// picker and the run's custom colors, which the program waits for; and the
// warning tone.
#include "web_internals.h"

namespace {

// clang-format off
// Resolves with the chosen color (0xBBGGRR) or -1; the 16 custom colors
// are read from and written back to `custom`.
EM_ASYNC_JS(int, RunChooser, (int initial, uint32_t* custom), {
  const hex = (c) => "#" + [c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF].map((v) => v.toString(16).padStart(2, "0")).join("");
  const bgr = (h) => parseInt(h.slice(1, 3), 16) | parseInt(h.slice(3, 5), 16) << 8 | parseInt(h.slice(5, 7), 16) << 16;
  const dialog = document.createElement("dialog");
  dialog.className = "chooser";
  dialog.setAttribute("aria-label", "Color");
  const picker = document.createElement("input");
  picker.type = "color";
  picker.value = hex(initial);
  picker.setAttribute("aria-label", "Color");
  const cells = document.createElement("div");
  cells.className = "custom";
  const colors = Array.from(HEAPU32.subarray(custom >> 2, (custom >> 2) + 16));
  let next = 0;
  const draw = () => {
    cells.replaceChildren(...colors.map((c, i) => {
      const cell = document.createElement("button");
      cell.type = "button";
      cell.className = "cell";
      cell.style.background = hex(c);
      cell.setAttribute("aria-label", "Custom color " + (i + 1) + " " + hex(c));
      cell.addEventListener("click", () => { picker.value = hex(c); });
      return cell;
    }));
  };
  draw();
  const add = document.createElement("button");
  add.type = "button";
  add.textContent = "Add to Custom Colors";
  add.addEventListener("click", () => { colors[next] = bgr(picker.value); next = (next + 1) % 16; draw(); });
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = "OK";
  const cancel = document.createElement("button");
  cancel.type = "button";
  cancel.textContent = "Cancel";
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  buttons.append(ok, cancel);
  dialog.append(picker, cells, add, buttons);
  document.body.append(dialog);
  dialog.showModal();
  const chosen = await new Promise((resolve) => {
    ok.addEventListener("click", () => resolve(bgr(picker.value)));
    cancel.addEventListener("click", () => resolve(-1));
    dialog.addEventListener("cancel", (e) => { e.preventDefault(); resolve(-1); });  // Escape
  });
  dialog.close();
  dialog.remove();
  HEAPU32.set(colors, custom >> 2);
  return chosen;
});

EM_JS(void, Tone, (), { RgbhsvPage.beep(); });
// clang-format on

}  // namespace

namespace backend {

BOOL ChooseColor(CHOOSECOLORA& record) {
  const int chosen = RunChooser((record.Flags & CC_RGBINIT) ? static_cast<int>(record.rgbResult) : 0,
                                record.lpCustColors);
  if (chosen < 0) return FALSE;
  record.rgbResult = static_cast<COLORREF>(chosen);
  return TRUE;
}

void Beep(UINT) { Tone(); }

}  // namespace backend
