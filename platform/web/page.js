// The page's side of the Win32 dialog services in the browser, as an
// Emscripten JS library: the elements that show the dialog manager's
// windows, and the user's input, queued for the modal loop, which runs in
// WebAssembly and waits (Asyncify) for it. The page decides nothing about
// what a key does: it hands each key to the program, which answers
// whether the dialog took it.

mergeInto(LibraryManager.library, {
  $RgbhsvPage: {
    windows: null,       // window handle -> its elements and kind (a Map)
    queue: [],           // the user's input, oldest first
    wake: null,          // resolves the modal loop's wait
    audio: null,         // made at the user's first key or click, as browsers require
    paints: null,        // windows to paint at the next frame (a Set)
    open: null,          // the dialog that the user's keys go to
    focused: 0,          // the control the dialog manager last gave the focus
    Event: null,         // the input's kinds, by name, as the program numbers them
    answer: null,        // the program's answer to the key it was just given (rgbhsv_key_answer)
    copied: null,        // what the program put on the clipboard in the clipboard event being handled

    post: function(event) {
      if (event.kind === undefined) throw new Error('an input event of no known kind');
      this.queue.push(event);
      if (this.wake) {
        const wake = this.wake;
        this.wake = null;
        wake();
      }
    },

    // Windows' MulDiv arithmetic is the dialog manager's; the page only
    // measures the font, as the browser renders the dialog's text (a
    // minimum font size, text zoom or a user's text spacing included), so
    // that the dialog grows with it: half the rounded-up average width of
    // A-Z a-z, and the font's height, in CSS pixels. The height is the
    // font's ascent and descent, each rounded up, as Windows and Pango give
    // them (measured 100 times larger, because the browser rounds a small
    // font's metrics to whole pixels), or the height of a line if the user
    // asks for taller lines.
    baseUnits: function() {
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

    // The number of code points in a string's first `units` UTF-16 units.
    codePoints: function(text, units) { return Array.from(text.slice(0, units)).length; },
    units: function(text, points) { return Array.from(text).slice(0, points).join('').length; },
    selection: function(input) {
      return [this.codePoints(input.value, input.selectionStart || 0), this.codePoints(input.value, input.selectionEnd || 0)];
    },

    audioReady: function() {
      if (!this.audio && typeof AudioContext !== 'undefined') this.audio = new AudioContext();
      if (this.audio && this.audio.state === 'suspended') this.audio.resume();
    },

    // A warning beep is said too, with the value of the field it was about
    // once the program has written it.
    beep: function() {
      setTimeout(() => {
        const region = document.getElementById('said');
        const shown = this.windows.get(this.focused);
        if (!region || !shown || shown.kind !== 1) return;
        const words = 'Warning. ' + shown.element.getAttribute('aria-label') + ', ' + shown.element.value;
        // Said again when it is the same as last time.
        region.textContent = region.textContent === words ? words + '.' : words;
      });
      if (!this.audio) return;  // no sound before the user's first key or click
      const oscillator = this.audio.createOscillator();
      const gain = this.audio.createGain();
      oscillator.type = 'square';
      oscillator.frequency.value = 880;
      gain.gain.value = 0.05;
      oscillator.connect(gain).connect(this.audio.destination);
      oscillator.start();
      oscillator.stop(this.audio.currentTime + 0.12);
    },

    // The browser's name of a key as Windows names it (a virtual-key code);
    // 0 for keys Windows has no name for. Letters and digits by the key's
    // character, or else by its place (Ctrl+C on a layout without Latin
    // letters).
    virtualKey: function(e) {
      const named = {Backspace: 0x08, Tab: 0x09, Enter: 0x0D, Escape: 0x1B, ' ': 0x20, Spacebar: 0x20,
                     PageUp: 0x21, PageDown: 0x22, End: 0x23, Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26,
                     ArrowRight: 0x27, ArrowDown: 0x28, Insert: 0x2D, Delete: 0x2E}[e.key];
      if (named) return named;
      if (/^[a-zA-Z0-9]$/.test(e.key)) return e.key.toUpperCase().charCodeAt(0);
      const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(e.code || '');
      return place ? (place[1] || place[2]).charCodeAt(0) : 0;
    },

    // A key, wherever the page's focus is while the dialog is open, handed
    // to the program while the browser's event is still the page's: the
    // program answers whether the dialog took it (the browser then does
    // nothing with it) or whether it cuts, copies or pastes, which the
    // browser's clipboard events do, handed to the dialog in turn. The
    // rest (moving the caret, typing) are the browser's, and reach the
    // dialog as its input events. A key that comes while the program is
    // not waiting for input (the chooser is open, or it has ended) is the
    // browser's.
    key: function(e, down) {
      if (!this.open || e.isComposing || e.keyCode === 229) return;  // an input method's
      if (e.target instanceof Element && e.target.closest('dialog.chooser')) return;
      this.audioReady();
      if (down) this.focusField();  // what the key types goes into the dialog's field
      const virtualKey = this.virtualKey(e);
      if (!virtualKey || !this.wake) return;
      const focused = this.windows.get(this.focused);
      if (down && e.repeat && virtualKey === 0x20 && focused && focused.kind === 0) {
        e.preventDefault();  // Space clicks once
        return;
      }
      this.answer = null;
      this.post({kind: down ? this.Event.KeyDown : this.Event.KeyUp, key: virtualKey, shift: e.shiftKey,
                 control: e.ctrlKey, alt: e.altKey});
      const answer = this.answer;
      if (!answer) return;
      if (answer.command === 'cut' || answer.command === 'copy') {
        e.preventDefault();
        document.execCommand(answer.command);
      } else if (answer.command !== 'paste' && answer.taken) {
        e.preventDefault();
      }
    },

    // A cut or copy, by a key or the browser's menu: the program's WM_CUT
    // or WM_COPY, and what it put on the clipboard.
    clipboardEvent: function(e, kind, control, input) {
      e.preventDefault();
      if (!this.wake) return;
      this.copied = null;
      const [start, end] = this.selection(input);
      this.post({kind: kind, window: control, start: start, end: end});
      if (this.copied !== null && e.clipboardData) e.clipboardData.setData('text/plain', this.copied);
      this.copied = null;
    },

    focusField: function() {
      const shown = this.windows.get(this.focused);
      if (shown && document.activeElement !== shown.element) shown.element.focus({preventScroll: true});
    },

    // A field: what would change its text is stopped before it does, and
    // handed to the dialog manager as what it is: typing (keys, an input
    // method's commit, a phone's keyboard, dictation) under the typing
    // rules, a paste or a drop under the paste rules, a cut, an undo. What
    // changed it regardless is handed on as the text it left.
    watchField: function(input, control) {
      const post = (kind, more) => {
        const [start, end] = this.selection(input);
        this.post(Object.assign({kind: kind, window: control, start: start, end: end}, more || {}));
      };
      // A paste is let through to its beforeinput, which holds it to the
      // paste rules: a page that stops the paste event stops pasting.
      input.addEventListener('cut', (e) => this.clipboardEvent(e, this.Event.Cut, control, input));
      input.addEventListener('copy', (e) => this.clipboardEvent(e, this.Event.Copied, control, input));
      input.addEventListener('beforeinput', (e) => {
        const type = e.inputType || '';
        if (/Composition/.test(type)) return;  // the input method's, until it commits
        e.preventDefault();
        const data = e.data !== null && e.data !== undefined ? e.data :
                     e.dataTransfer ? e.dataTransfer.getData('text/plain') : '';
        if (type === 'insertText' || type === 'insertReplacementText') {
          post(this.Event.Typed, {text: data});
        } else if (type.startsWith('insertFrom')) {
          post(this.Event.Pasted, {text: data});
        } else if (type === 'deleteByCut') {
          post(this.Event.Cut);
        } else if (type === 'deleteByDrag') {
          post(this.Event.Cleared);
        } else if (type === 'historyUndo' || type === 'historyRedo') {
          post(this.Event.Undone);
        } else if (type.startsWith('delete')) {
          // A phone's keyboard deletes without keys: a word or a line as
          // Ctrl+Backspace and Ctrl+Delete do, a character as Backspace
          // and Delete.
          this.post({kind: this.Event.KeyDown, key: /Forward/.test(type) ? 0x2E : 0x08,
                     control: /Word|Line/.test(type)});
        }
      });
      // A tap of a finger selects the number, as Tab does: a phone has no
      // Tab key.
      input.addEventListener('pointerdown', (e) => { input.touched = e.pointerType === 'touch'; });
      input.addEventListener('click', () => {
        if (input.touched) this.post({kind: this.Event.Tapped, window: control});
        input.touched = false;
      });
      input.addEventListener('compositionstart', () => { input.composingFrom = this.selection(input); });
      input.addEventListener('compositionend', (e) => {
        const [start, end] = input.composingFrom || this.selection(input);
        input.composingFrom = null;
        this.post({kind: this.Event.Typed, window: control, start: start, end: end, text: e.data || ''});
      });
      input.addEventListener('input', (e) => {
        if (e.isComposing || /Composition/.test(e.inputType || '') || input.composingFrom) return;
        const [, end] = this.selection(input);
        this.post({kind: this.Event.Replaced, window: control, start: end, end: end, text: input.value,
                   pasted: (e.inputType || '').startsWith('insertFrom')});
      });
    },

    // A press of the mouse on what is not a control (a text, the swatch, the
    // caption, the page around the dialog) leaves the focus where it is, as
    // on Windows.
    keepFocus: function(e) {
      if (!this.open || !(e.target instanceof Element)) return;
      if (e.target.closest('input, button:not(.close), a, select, textarea, dialog.chooser, #ended')) return;
      e.preventDefault();
    },
  },

  // The page's start: the input's kinds named as the program numbers them,
  // and the keys listened to wherever the page's focus is.
  rgbhsv_start_page__deps: ['$RgbhsvPage'],
  rgbhsv_start_page: function(names) {
    RgbhsvPage.windows = new Map();
    RgbhsvPage.paints = new Set();
    RgbhsvPage.Event = {};
    UTF8ToString(names).split(',').filter((n) => n).forEach((name, i) => { RgbhsvPage.Event[name] = i + 1; });
    document.addEventListener('keydown', (e) => RgbhsvPage.key(e, true));
    document.addEventListener('keyup', (e) => RgbhsvPage.key(e, false));
    document.addEventListener('mousedown', (e) => { RgbhsvPage.audioReady(); RgbhsvPage.keepFocus(e); }, true);
  },

  rgbhsv_measure_font__deps: ['$RgbhsvPage'],
  rgbhsv_measure_font: function(x, y) {
    const [bx, by] = RgbhsvPage.baseUnits();
    HEAP32[x >> 2] = bx;
    HEAP32[y >> 2] = by;
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

  // Fields: the page's <input> shows the edit's text and selection; the
  // selection the user makes is read back, in characters.
  // A paste waits: never on the page, whose paste brings its text, but the
  // dialog says so as every implementation's does.
  rgbhsv_show_busy__deps: ['$RgbhsvPage'],
  rgbhsv_show_busy: function(dialog, busy) {
    RgbhsvPage.windows.get(dialog).element.setAttribute('aria-busy', busy ? 'true' : 'false');
  },

  rgbhsv_read_selection__deps: ['$RgbhsvPage'],
  rgbhsv_read_selection: function(edit, start, end) {
    const [from, to] = RgbhsvPage.selection(RgbhsvPage.windows.get(edit).element);
    HEAP32[start >> 2] = from;
    HEAP32[end >> 2] = to;
  },

  rgbhsv_show_input__deps: ['$RgbhsvPage'],
  rgbhsv_show_input: function(edit, text, start, end) {
    const input = RgbhsvPage.windows.get(edit).element;
    const value = UTF8ToString(text);
    if (input.value !== value) input.value = value;
    input.setSelectionRange(RgbhsvPage.units(value, start), RgbhsvPage.units(value, end));
  },

  // The modal loop's wait for the user's input.
  rgbhsv_wait_for_input__deps: ['$RgbhsvPage', '$Asyncify'],
  rgbhsv_wait_for_input: function() {
    return Asyncify.handleSleep((wakeUp) => {
      if (RgbhsvPage.queue.length > 0) wakeUp();
      else RgbhsvPage.wake = wakeUp;
    });
  },

  // The oldest event's fields into `fields` (window, key, shift, control,
  // alt, start, end, pasted), its text in a buffer of malloc's that the
  // caller frees; its kind, 0 if there is none.
  rgbhsv_take_input__deps: ['$RgbhsvPage'],
  rgbhsv_take_input: function(fields, text) {
    const event = RgbhsvPage.queue.shift();
    if (!event) return 0;
    [event.window, event.key, event.shift, event.control, event.alt, event.start, event.end, event.pasted]
        .forEach((value, i) => { HEAP32[(fields >> 2) + i] = Number(value || 0); });
    // A lone surrogate is U+FFFD, as everywhere else; the encoder would
    // join it with the next character.
    const wellFormed = (t) => t.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g,
                                        '\uFFFD');
    HEAP32[text >> 2] = event.text === undefined ? 0 : allocateUTF8(wellFormed(event.text));
    return event.kind;
  },

  // Whether the dialog took the key just handed to it, and the clipboard
  // command it is ("cut", "copy", "paste" or ""), told before the key is
  // handled.
  rgbhsv_key_answer__deps: ['$RgbhsvPage'],
  rgbhsv_key_answer: function(taken, command) {
    RgbhsvPage.answer = {taken: !!taken, command: UTF8ToString(command)};
  },

  // What the program put on the clipboard: the clipboard event being
  // handled gives it to the browser.
  rgbhsv_copied__deps: ['$RgbhsvPage'],
  rgbhsv_copied: function(text) { RgbhsvPage.copied = UTF8ToString(text); },

  // Painting on a static's canvas: a paint is asked for at the next frame.
  rgbhsv_paint_at_next_frame__deps: ['$RgbhsvPage'],
  rgbhsv_paint_at_next_frame: function(window) {
    const page = RgbhsvPage;
    const shown = page.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
    if (page.paints.size === 0) {
      requestAnimationFrame(() => {
        for (const w of page.paints) page.post({kind: page.Event.Painted, window: w});
        page.paints.clear();
      });
    }
    page.paints.add(window);
  },

  rgbhsv_fill_canvas__deps: ['$RgbhsvPage'],
  rgbhsv_fill_canvas: function(window, x, y, width, height, red, green, blue) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
    const context = shown.element.getContext('2d');
    context.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
    context.fillRect(x, y, width, height);
  },

  // For tests: what a canvas shows at a point, 0xBBGGRR, or -1.
  rgbhsv_canvas_pixel__deps: ['$RgbhsvPage'],
  rgbhsv_canvas_pixel: function(window, x, y) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return -1;
    const p = shown.element.getContext('2d').getImageData(x, y, 1, 1).data;
    return p[0] | p[1] << 8 | p[2] << 16;
  },

  // The color chooser, an in-page <dialog> with the browser's own color
  // picker and the run's custom colors, which the program waits for:
  // returns the chosen color (0xBBGGRR) or -1; the 16 custom colors are
  // read from and written back to `custom`.
  rgbhsv_run_chooser__deps: ['$Asyncify'],
  rgbhsv_run_chooser: function(initial, custom) {
    return Asyncify.handleSleep((wakeUp) => {
      const hex = (c) => '#' + [c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF].map((v) => v.toString(16).padStart(2, '0')).join('');
      const bgr = (h) => parseInt(h.slice(1, 3), 16) | parseInt(h.slice(3, 5), 16) << 8 | parseInt(h.slice(5, 7), 16) << 16;
      const dialog = document.createElement('dialog');
      dialog.className = 'chooser';
      dialog.setAttribute('aria-label', 'Color');
      const picker = document.createElement('input');
      picker.type = 'color';
      picker.value = hex(initial);
      picker.setAttribute('aria-label', 'Color');
      const cells = document.createElement('div');
      cells.className = 'custom';
      const colors = Array.from(HEAPU32.subarray(custom >> 2, (custom >> 2) + 16));
      let next = 0;
      const draw = () => {
        cells.replaceChildren(...colors.map((c, i) => {
          const cell = document.createElement('button');
          cell.type = 'button';
          cell.className = 'cell';
          cell.style.background = hex(c);
          cell.setAttribute('aria-label', 'Custom color ' + (i + 1) + ' ' + hex(c));
          // As in Windows' chooser, the cell clicked is the one "Add to
          // Custom Colors" fills next.
          cell.addEventListener('click', () => { picker.value = hex(c); next = i; });
          return cell;
        }));
      };
      draw();
      const add = document.createElement('button');
      add.type = 'button';
      add.textContent = 'Add to Custom Colors';
      add.addEventListener('click', () => { colors[next] = bgr(picker.value); next = (next + 1) % 16; draw(); });
      const ok = document.createElement('button');
      ok.type = 'button';
      ok.textContent = 'OK';
      const cancel = document.createElement('button');
      cancel.type = 'button';
      cancel.textContent = 'Cancel';
      const buttons = document.createElement('div');
      buttons.className = 'buttons';
      buttons.append(ok, cancel);
      dialog.append(picker, cells, add, buttons);
      document.body.append(dialog);
      dialog.showModal();
      let done = false;
      const finish = (chosen) => {
        if (done) return;
        done = true;
        dialog.close();
        dialog.remove();
        HEAPU32.set(colors, custom >> 2);
        wakeUp(chosen);
      };
      ok.addEventListener('click', () => finish(bgr(picker.value)));
      cancel.addEventListener('click', () => finish(-1));
      dialog.addEventListener('cancel', (e) => { e.preventDefault(); finish(-1); });  // Escape
    });
  },

  rgbhsv_tone__deps: ['$RgbhsvPage'],
  rgbhsv_tone: function() { RgbhsvPage.beep(); },

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
