// The dialog as elements of the page, placed where the dialog manager laid
// it out, and what a window's change means for its elements.
#include "web_internals.h"

namespace {

// clang-format off
EM_JS(void, MeasureFont, (int* x, int* y), {
  const [bx, by] = RgbhsvPage.baseUnits(11, "Liberation Sans, Arial, Helvetica, sans-serif");
  HEAP32[x >> 2] = bx;
  HEAP32[y >> 2] = by;
});

EM_JS(void, MakeDialogElement, (HWND dialog, const char* caption, int width, int height), {
  const page = RgbhsvPage;
  const frame = document.createElement("div");
  frame.className = "window";
  frame.hidden = true;
  frame.setAttribute("role", "dialog");
  frame.setAttribute("aria-label", UTF8ToString(caption));
  const bar = document.createElement("div");
  bar.className = "titlebar";
  const icon = document.createElement("img");
  icon.className = "icon";
  icon.alt = "";
  icon.hidden = true;
  const title = document.createElement("span");
  title.className = "caption";
  title.textContent = UTF8ToString(caption);
  const close = document.createElement("button");
  close.className = "close";
  close.type = "button";
  close.tabIndex = -1;
  close.setAttribute("aria-label", "Close");
  close.textContent = "\u2715";
  close.addEventListener("click", () => { page.audioReady(); page.post({kind: 9, window: dialog}); });
  bar.append(icon, title, close);
  const client = document.createElement("div");
  client.className = "client";
  client.style.width = width + "px";
  client.style.height = height + "px";
  frame.append(bar, client);
  frame.addEventListener("keydown", (e) => page.keyDown(e, dialog), true);
  frame.addEventListener("keyup", (e) => page.keyUp(e), true);
  frame.addEventListener("mousedown", () => page.audioReady(), true);
  (document.getElementById("desktop") || document.body).append(frame);
  page.windows.set(dialog, {element: frame, title: title, icon: icon, client: client});
});

// kind: 0 button, 1 field, 2 text, 3 canvas.
EM_JS(void, MakeControlElement, (HWND dialog, HWND control, int id, int kind, const char* text, int x, int y, int width,
                                 int height, int clientWidth, int clientHeight, int border, int disabled,
                                 int digits, HWND label), {
  const page = RgbhsvPage;
  let element;
  if (kind === 0) {
    element = document.createElement("button");
    element.type = "button";
    element.textContent = UTF8ToString(text);
    element.addEventListener("click", () => { page.audioReady(); page.post({kind: 8, window: control}); });
  } else if (kind === 1) {
    element = document.createElement("input");
    element.type = "text";
    element.autocomplete = "off";
    element.spellcheck = false;
    if (digits) element.inputMode = "numeric";
    element.value = UTF8ToString(text);
    if (label) element.setAttribute("aria-labelledby", "rgbhsv-" + label);
    page.watchField(element, control);
  } else if (kind === 2) {
    element = document.createElement("div");
    element.className = "text";
    element.textContent = UTF8ToString(text);
  } else {
    element = document.createElement("canvas");
    element.width = clientWidth;
    element.height = clientHeight;
  }
  element.id = "rgbhsv-" + control;
  element.dataset.id = id;
  element.tabIndex = -1;  // Tab is the dialog manager's
  if (disabled) element.classList.add("disabled");
  if (border) element.classList.add("bordered");
  Object.assign(element.style, {left: x + "px", top: y + "px", width: width + "px", height: height + "px"});
  element.addEventListener("focus", () => page.post({kind: 10, window: control}));
  page.windows.get(dialog).client.append(element);
  page.windows.set(control, {element: element});
});

EM_JS(void, ShowElement, (HWND window, int visible), { RgbhsvPage.windows.get(window).element.hidden = !visible; });

EM_JS(void, RemoveElement, (HWND window), {
  const shown = RgbhsvPage.windows.get(window);
  if (shown) shown.element.remove();
  RgbhsvPage.windows.delete(window);
});

EM_JS(void, FocusElement, (HWND window), {
  const shown = RgbhsvPage.windows.get(window);
  if (shown && document.activeElement !== shown.element) shown.element.focus({preventScroll: true});
});

EM_JS(void, ShowElementText, (HWND window, const char* text), {
  const shown = RgbhsvPage.windows.get(window);
  if (shown.title) shown.title.textContent = UTF8ToString(text);
  else shown.element.textContent = UTF8ToString(text);
});

EM_JS(void, ShowIconPicture, (HWND dialog, const uint8_t* ico, int size), {
  const shown = RgbhsvPage.windows.get(dialog);
  const picture = new Blob([HEAPU8.slice(ico, ico + size)], {type: "image/x-icon"});
  shown.icon.src = URL.createObjectURL(picture);
  shown.icon.hidden = false;
});
// clang-format on

int KindOf(HWND control) {
  switch (control->kind) {
    case WindowKind::Button: return 0;
    case WindowKind::Edit: return 1;
    default: return dialog_manager::ShowsText(control) ? 2 : 3;
  }
}

}  // namespace

namespace backend {

BaseUnits DialogBaseUnits(const res::DialogTemplate&) {
  BaseUnits units{0, 0};
  MeasureFont(&units.x, &units.y);
  return units;
}

void MakeNativeWindows(HWND dialog) {
  MakeDialogElement(dialog, dialog->text.c_str(), dialog->frame.right, dialog->frame.bottom);
  for (HWND control : dialog->children) {
    const RECT& f = control->frame;
    RECT client;
    GetClientRect(control, &client);
    MakeControlElement(dialog, control, control->id, KindOf(control), control->text.c_str(), f.left, f.top,
                       f.right - f.left, f.bottom - f.top, client.right, client.bottom,
                       (control->style & WS_BORDER) != 0, (control->style & WS_DISABLED) != 0,
                       (control->style & ES_NUMBER) != 0, dialog_manager::LabelOf(control));
    ShowElement(control, control->visible);
  }
}

// The focus given while the dialog was hidden (WM_INITDIALOG's) is given
// again once it shows: a hidden element cannot take it.
void ShowNative(HWND window, bool visible) {
  ShowElement(window, visible);
  HWND focus = GetFocus();
  if (visible && focus && focus->parent == window) FocusNative(focus);
}

void DestroyNative(HWND window) {
  for (HWND child : window->children) RemoveElement(child);
  RemoveElement(window);
}

// A field keeps the dialog manager's selection: the browser would put the
// caret at the end.
void FocusNative(HWND control) {
  FocusElement(control);
  if (control->kind == WindowKind::Edit) ShowEdit(control);
}

void ShowText(HWND window) { ShowElementText(window, window->text.c_str()); }

void ShowIcon(HWND dialog) {
  HICON icon = dialog->smallIcon ? dialog->smallIcon : dialog->bigIcon;
  if (!icon) return;
  const auto found = dialog_manager::Resources().icons.find(icon->resource);
  if (found != dialog_manager::Resources().icons.end()) {
    ShowIconPicture(dialog, found->second.data(), static_cast<int>(found->second.size()));
  }
}

NativeIcon* LoadNativeIcon(const std::vector<uint8_t>&) {
  static NativeIcon shown;  // the page shows the icon group's own .ico
  return &shown;
}

}  // namespace backend
