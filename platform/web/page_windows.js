// The page's windows: the elements that show the dialog manager's dialog
// and controls, laid out from the font the browser renders, and the page's
// word when the program ends.

mergeInto(LibraryManager.library, {
  // Windows' MulDiv arithmetic is the dialog manager's; the page only
  // measures the font, as the browser renders the dialog's text (a
  // minimum font size, text zoom or a user's text spacing included), so
  // that the dialog grows with it: half the rounded-up average width of
  // A-Z a-z, and the font's height, in CSS pixels. The height is the
  // font's ascent and descent, each rounded up, as Windows and Pango give
  // them (measured 100 times larger, because the browser rounds a small
  // font's metrics to whole pixels), or the height of a line if the user
  // asks for taller lines.
  $RgbhsvBaseUnits: function() {
    const probe = document.createElement('div');
    probe.className = 'probe';
    probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
    document.body.append(probe);
    const box = probe.getBoundingClientRect();
    const style = getComputedStyle(probe);
    const context = document.createElement('canvas').getContext('2d');
    context.font = parseFloat(style.fontSize) * 100 + 'px ' + style.fontFamily;
    probe.remove();  // the style read above is live
    const large = context.measureText('A');
    const height = Math.ceil(large.fontBoundingBoxAscent / 100) + Math.ceil(large.fontBoundingBoxDescent / 100);
    return [Math.floor((Math.floor(box.width) / 26 + 1) / 2), Math.max(height, Math.ceil(box.height))];
  },

  rgbhsv_measure_font__deps: ['$RgbhsvBaseUnits'],
  rgbhsv_measure_font: function(x, y) {
    const [bx, by] = RgbhsvBaseUnits();
    {{{ makeSetValue('x', 0, 'bx', 'i32') }}};
    {{{ makeSetValue('y', 0, 'by', 'i32') }}};
  },

  rgbhsv_make_dialog__deps: ['$RgbhsvPage'],
  rgbhsv_make_dialog: function(dialog, caption, width, height) {
    const page = RgbhsvPage;
    const frame = document.createElement('div');
    frame.className = 'window';
    frame.hidden = true;
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-label', UTF8ToString(caption));
    const bar = document.createElement('div');
    bar.className = 'titlebar';
    const icon = document.createElement('img');
    icon.className = 'icon';
    icon.alt = '';
    icon.hidden = true;
    const title = document.createElement('span');
    title.className = 'caption';
    title.textContent = UTF8ToString(caption);
    const close = document.createElement('button');
    close.className = 'close';
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u2715';
    close.addEventListener('click', () => page.post({kind: page.Event.Closed, window: dialog}));
    bar.append(icon, title, close);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    frame.append(bar, client);
    (document.getElementById('desktop') || document.body).append(frame);
    page.windows.set(dialog, {element: frame, title: title, icon: icon, client: client});
    page.open = dialog;
  },

  // kind: 0 button, 1 field, 2 text, 3 canvas.
  rgbhsv_make_control__deps: ['$RgbhsvPage'],
  rgbhsv_make_control: function(dialog, control, id, kind, text, x, y, width, height, clientWidth, clientHeight,
                                border, disabled, digits, name) {
    const page = RgbhsvPage;
    let element;
    if (kind === 0) {
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = UTF8ToString(text);
      element.addEventListener('click', () => page.post({kind: page.Event.Clicked, window: control}));
    } else if (kind === 1) {
      element = document.createElement('input');
      element.type = 'text';
      element.autocomplete = 'off';
      element.spellcheck = false;
      if (digits) element.inputMode = 'numeric';
      element.value = UTF8ToString(text);
      if (UTF8ToString(name)) element.setAttribute('aria-label', UTF8ToString(name));
      page.watchField(element, control);
    } else if (kind === 2) {
      element = document.createElement('div');
      element.className = 'text';
      element.textContent = UTF8ToString(text);
    } else {
      element = document.createElement('canvas');
      element.width = clientWidth;
      element.height = clientHeight;
      element.setAttribute('aria-hidden', 'true');  // the fields say the color
    }
    element.id = 'rgbhsv-' + control;
    element.dataset.id = id;
    if (kind <= 1) {
      element.tabIndex = -1;  // Tab is the dialog manager's
      element.addEventListener('focus', () => {
        page.focused = control;
        page.post({kind: page.Event.Focused, window: control});
      });
    }
    if (disabled) element.classList.add('disabled');
    if (border) element.classList.add('bordered');
    Object.assign(element.style, {left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px'});
    page.windows.get(dialog).client.append(element);
    page.windows.set(control, {element: element, kind: kind});
  },

  rgbhsv_show_element__deps: ['$RgbhsvPage'],
  rgbhsv_show_element: function(window, visible) { RgbhsvPage.windows.get(window).element.hidden = !visible; },

  rgbhsv_remove_element__deps: ['$RgbhsvPage'],
  rgbhsv_remove_element: function(window) {
    const page = RgbhsvPage;
    const shown = page.windows.get(window);
    if (shown) shown.element.remove();
    page.windows.delete(window);
    if (page.open === window) page.open = null;
  },

  rgbhsv_focus_element__deps: ['$RgbhsvPage'],
  rgbhsv_focus_element: function(window) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown) return;
    if (shown.kind !== undefined) RgbhsvPage.focused = window;
    if (document.activeElement !== shown.element) shown.element.focus({preventScroll: true});
  },

  rgbhsv_show_text__deps: ['$RgbhsvPage'],
  rgbhsv_show_text: function(window, text) {
    const shown = RgbhsvPage.windows.get(window);
    if (shown.title) shown.title.textContent = UTF8ToString(text);
    else shown.element.textContent = UTF8ToString(text);
  },

  rgbhsv_show_icon__deps: ['$RgbhsvPage'],
  rgbhsv_show_icon: function(dialog, ico, size) {
    const shown = RgbhsvPage.windows.get(dialog);
    const picture = new Blob([HEAPU8.slice(ico, ico + size)], {type: 'image/x-icon'});
    shown.icon.src = URL.createObjectURL(picture);
    shown.icon.hidden = false;
  },

  // A paste waits: never on the page, whose paste brings its text, but the
  // dialog says so as every implementation's does.
  rgbhsv_show_busy__deps: ['$RgbhsvPage'],
  rgbhsv_show_busy: function(dialog, busy) {
    RgbhsvPage.windows.get(dialog).element.setAttribute('aria-busy', busy ? 'true' : 'false');
  },

  // The page's word when the program ends.
  rgbhsv_show_end: function(code) {
    const end = document.getElementById('ended');
    if (!end) return;
    end.querySelector('.code').textContent = String(code);
    const again = end.querySelector('button');
    end.hidden = false;
    // The program's word in view, where the dialog's room was.
    const desktop = document.getElementById('desktop');
    if (desktop) desktop.hidden = true;
    if (again) {
      again.addEventListener('click', () => location.reload(), {once: true});
      again.focus();
    }
  },
});
