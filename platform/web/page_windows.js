// The page's windows: the elements that show the dialog manager's dialog
// and controls, where it laid them out.

mergeInto(LibraryManager.library, {
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
    let element;
    if (kind === Kind.Button) {
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = text;
      element.addEventListener('click', () => page.post({kind: page.Event.Clicked, window: control}));
    } else if (kind === Kind.Field) {
      element = document.createElement('input');
      element.type = 'text';
      element.autocomplete = 'off';
      element.spellcheck = false;
      if (c.digits) element.inputMode = 'numeric';
      element.value = text;
      if (name) element.setAttribute('aria-label', name);
      RgbhsvInput.watchField(element, control);
    } else if (kind === Kind.Text) {
      element = document.createElement('div');
      element.className = 'text';
      element.textContent = text;
    } else {
      element = document.createElement('canvas');
      element.width = c.clientWidth;
      element.height = c.clientHeight;
      element.setAttribute('aria-hidden', 'true');  // the fields say the color
    }
    element.id = 'rgbhsv-' + control;
    element.dataset.id = c.id;
    if (kind === Kind.Button || kind === Kind.Field) {
      element.tabIndex = -1;  // Tab is the dialog manager's
      // The user's press, with whatever the user has selected since.
      element.addEventListener('focus', () => {
        page.focused = control;
        page.post({kind: page.Event.Pressed, window: control, start: -1, end: -1});
      });
    }
    if (c.disabled) element.classList.add('disabled');
    if (c.border) element.classList.add('bordered');
    Object.assign(element.style, {left: c.x + 'px', top: c.y + 'px', width: c.width + 'px', height: c.height + 'px'});
    page.windows.get(c.dialog).client.append(element);
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
});
