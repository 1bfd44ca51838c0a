// The page's windows: the elements that show the dialog manager's dialog
// and controls, where it laid them out.

mergeInto(LibraryManager.library, {
  // A dialog of a template. The page's HTML may show it already, drawn at
  // build time by this same code (prerender/): then it is taken over as it
  // stands, element by element, and nothing of it moves, so that neither
  // the focus nor the caret the user gave it is lost.
  rgbhsv_make_dialog__deps: ['$RgbhsvPage', '$RgbhsvInput'],
  rgbhsv_make_dialog: function(dialog, template, caption, width, height) {
    const page = RgbhsvPage;
    const there = document.getElementById('rgbhsv-dialog-' + template);
    const taken = there && there.hasAttribute('data-prerendered') ? there : null;
    const frame = taken || document.createElement('div');
    frame.id = 'rgbhsv-dialog-' + template;
    frame.className = 'window';
    if (!taken) frame.hidden = true;
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-label', UTF8ToString(caption));
    if (taken) frame.setAttribute('aria-busy', 'false');  // busy until now, for the module
    const bar = page.element(frame, 0, 'div', taken);
    bar.className = 'titlebar';
    const icon = page.element(bar, 0, 'img', taken);
    icon.className = 'icon';
    icon.alt = '';
    if (!taken) icon.hidden = true;
    const title = page.element(bar, 1, 'span', taken);
    title.className = 'caption';
    page.setText(title, UTF8ToString(caption));
    const close = page.element(bar, 2, 'button', taken);
    close.className = 'close';
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    page.setText(close, '\u2715');
    RgbhsvInput.watchClose(close, frame);
    const client = page.element(frame, 1, 'div', taken);
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    if (!taken) (document.getElementById('desktop') || document.body).append(frame);
    frame.rgbhsvWindow = dialog;
    page.windows.set(dialog, {element: frame, title: title, icon: icon, client: client, taken: taken, made: 0});
    page.open = dialog;
  },

  // A control from its record (web::Control).
  rgbhsv_make_control__deps: ['$RgbhsvPage', '$RgbhsvInput'],
  rgbhsv_make_control: function(record) {
    const page = RgbhsvPage;
    const Kind = page.Control;
    // No destructuring: Emscripten's minifier renames the names it
    // declares, but not their uses.
    const c = page.read(record, page.controlFields);
    const control = c.control, kind = c.kind;
    const text = UTF8ToString(c.text), name = UTF8ToString(c.name);
    const dialog = page.windows.get(c.dialog);
    const tag = {[Kind.Button]: 'button', [Kind.Field]: 'input', [Kind.Text]: 'div', [Kind.Canvas]: 'canvas'}[kind];
    const element = page.element(dialog.client, dialog.made++, tag, dialog.taken);
    const taken = element.rgbhsvTaken;
    if (kind === Kind.Button) {
      element.type = 'button';
      page.setText(element, text);
    } else if (kind === Kind.Field) {
      element.type = 'text';
      element.autocomplete = 'off';
      element.spellcheck = false;
      if (c.digits) element.inputMode = 'numeric';
      // What the user typed into a field taken over is the program's to
      // hear (RgbhsvInput.watchField), never to overwrite.
      if (!taken) element.value = text;
      if (name) element.setAttribute('aria-label', name);
    } else if (kind === Kind.Text) {
      element.className = 'text';
      page.setText(element, text);
    } else {  // a canvas, which the page's HTML leaves blank, its color behind it
      element.width = c.clientWidth;
      element.height = c.clientHeight;
      element.setAttribute('aria-hidden', 'true');  // the fields say the color
    }
    element.id = dialog.element.id + '-' + dialog.made;
    element.dataset.id = c.id;
    if (kind === Kind.Button || kind === Kind.Field) {
      element.tabIndex = -1;  // Tab is the dialog manager's
      RgbhsvInput.watchControl(element, kind === Kind.Field);
    }
    if (c.disabled) element.classList.add('disabled');
    if (c.border) element.classList.add('bordered');
    Object.assign(element.style, {left: c.x + 'px', top: c.y + 'px', width: c.width + 'px', height: c.height + 'px'});
    element.rgbhsvWindow = control;
    page.windows.set(control, {element: element, kind: kind});
  },

  rgbhsv_show_element__deps: ['$RgbhsvPage'],
  rgbhsv_show_element: function(window, visible) { RgbhsvPage.windows.get(window).element.hidden = !visible; },

  rgbhsv_place_element__deps: ['$RgbhsvPage'],
  rgbhsv_place_element: function(window, x, y, width, height, clientWidth, clientHeight) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown) return;
    if (shown.client) {
      Object.assign(shown.client.style, {width: clientWidth + 'px', height: clientHeight + 'px'});
      return;
    }
    Object.assign(shown.element.style, {left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px'});
    if (shown.element instanceof HTMLCanvasElement) {
      shown.element.width = clientWidth;
      shown.element.height = clientHeight;
    }
  },

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
    if (document.activeElement === shown.element) return;
    // The focus event this raises is not the user's press: handed on as one,
    // it would reach the dialog manager after input it had not yet read (a
    // press in the page's HTML before the program ran), which would move
    // the focus back, and each move would raise another.
    RgbhsvPage.focusing = true;
    shown.element.focus({preventScroll: true});
    RgbhsvPage.focusing = false;
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
    // A dialog taken over shows the icon group already: its build checked
    // that the page's icon is the same file.
    if (shown.taken && shown.icon.getAttribute('src')) return;
    const picture = new Blob([HEAPU8.slice(ico, ico + size)], {type: 'image/x-icon'});
    shown.icon.src = URL.createObjectURL(picture);
    shown.icon.hidden = false;
  },
});
