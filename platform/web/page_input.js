// The user's input on the page: each key handed to the program in the
// key's own event, the browser's clipboard events, and what would change a
// field, each posted to the modal loop's queue (RgbhsvPage) as the input
// it is, in the dialog manager's words. What an input does, a key's
// included, is the program's to decide.

mergeInto(LibraryManager.library, {
  $RgbhsvInput: {
    // The number of code points in a string's first `units` UTF-16 units.
    codePoints: function(text, units) { return Array.from(text.slice(0, units)).length; },
    units: function(text, points) { return Array.from(text).slice(0, points).join('').length; },
    selection: function(input) {
      return [this.codePoints(input.value, input.selectionStart || 0), this.codePoints(input.value, input.selectionEnd || 0)];
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
      const page = RgbhsvPage;
      if (e.isComposing || e.keyCode === 229) return;  // an input method's
      if (!page.windows) return this.earlyKey(e, down);
      if (!page.open) return;
      if (e.target instanceof Element && e.target.closest('dialog.chooser')) return;
      if (down) this.focusField();  // what the key types goes into the dialog's field
      const virtualKey = this.virtualKey(e);
      if (!virtualKey || !page.wake) return;
      page.answer = null;
      page.post({kind: down ? 'KeyDown' : 'KeyUp', key: virtualKey, shift: e.shiftKey,
                 control: e.ctrlKey, alt: e.altKey, repeat: e.repeat});
      const answer = page.answer;
      if (!answer) return;
      if (answer.command === 'cut' || answer.command === 'copy') {
        e.preventDefault();
        document.execCommand(answer.command);
      } else if (answer.command !== 'paste' && answer.taken) {
        e.preventDefault();
      }
    },

    // A key before the program runs, in the dialog of the page's HTML: the
    // program's to handle once it runs, with the character it types; the
    // browser does nothing with it. But for the keys of the browser's
    // clipboard events, which the browser must act on (the program's
    // choice of them, dialog_manager::UseOf, in short): the program hears
    // the events.
    earlyKey: function(e, down) {
      const virtualKey = this.virtualKey(e);
      if (!virtualKey || !document.querySelector('[data-prerendered]')) return;
      const field = document.activeElement instanceof HTMLInputElement ? document.activeElement : null;
      const control = e.ctrlKey && !e.altKey;
      const clipboard = (control && (virtualKey === 0x43 || virtualKey === 0x56 || virtualKey === 0x58)) ||
                        (virtualKey === 0x2D && (e.shiftKey || e.ctrlKey)) ||
                        (virtualKey === 0x2E && e.shiftKey && !e.ctrlKey && field && field.selectionStart !== field.selectionEnd);
      if (clipboard && field) return;
      e.preventDefault();
      this.earlySelection();
      const points = Array.from(e.key);
      const character = down && points.length === 1 && !e.ctrlKey && !e.altKey ? points[0].codePointAt(0) : 0;
      RgbhsvPage.post({kind: down ? 'KeyDown' : 'KeyUp', key: virtualKey, character: character, shift: e.shiftKey,
                       control: e.ctrlKey, alt: e.altKey, repeat: e.repeat});
    },

    // Before the program runs, a press that puts the focus in a field tells
    // the program where its selection was then; what the user selects in
    // it after (a drag, a double click) raises no event the program hears.
    // So before a key, and when the program starts, a field's selection
    // that has changed since is told as a press again: the key types over
    // what the user sees selected.
    earlyPress: function(control) {
      const [start, end] = this.selection(control);
      control.rgbhsvPressed = start + ',' + end;
      RgbhsvPage.post({kind: 'Pressed', window: control, start: start, end: end});
    },
    earlySelection: function() {
      const field = document.activeElement;
      if (!(field instanceof HTMLInputElement) || !field.closest('[data-prerendered]')) return;
      if (field.rgbhsvPressed !== this.selection(field).join(',')) this.earlyPress(field);
    },

    // A cut or copy, by a key or the browser's menu: the program's WM_CUT
    // or WM_COPY, and what it put on the clipboard. Before the program
    // runs, the browser's own: a cut's deletion then reaches the program as
    // the field's input.
    clipboardEvent: function(e, kind, input) {
      const page = RgbhsvPage;
      if (!page.windows) return;
      e.preventDefault();
      if (!page.wake) return;
      page.copied = null;
      const [start, end] = this.selection(input);
      page.post({kind: kind, window: input, start: start, end: end});
      if (page.copied !== null && e.clipboardData) e.clipboardData.setData('text/plain', page.copied);
      page.copied = null;
    },

    focusField: function() {
      const shown = RgbhsvPage.windows.get(RgbhsvPage.focused);
      if (shown && document.activeElement !== shown.element) shown.element.focus({preventScroll: true});
    },

    // A button or a field, from the program or from the page's HTML: the
    // user's press (the focus, with whatever the user has selected since;
    // before the program runs, what is selected now), a button's click, a
    // field's changes.
    watchControl: function(element, field) {
      const page = RgbhsvPage;
      page.listen(element, 'focus', () => {
        if (element.rgbhsvWindow) page.focused = element.rgbhsvWindow;
        if (page.focusing) return;  // the dialog manager's own SetFocus
        if (!page.windows) return this.earlyPress(element);
        page.post({kind: 'Pressed', window: element, start: -1, end: -1});
      });
      if (field) {
        this.watchField(element);
      } else {
        page.listen(element, 'click', () => page.post({kind: 'Clicked', window: element}));
      }
    },

    // A dialog's close box.
    watchClose: function(close, frame) {
      RgbhsvPage.listen(close, 'click', () => RgbhsvPage.post({kind: 'Closed', window: frame}));
    },

    // A field: what would change its text is stopped before it does, and
    // handed to the dialog manager as what it is: typing (keys, an input
    // method's commit, a phone's keyboard, dictation) under the typing
    // rules, a paste or a drop under the paste rules, a cut, an undo. What
    // changed it regardless is handed on as the text it left.
    watchField: function(input) {
      const page = RgbhsvPage;
      const post = (kind, more) => {
        const [start, end] = this.selection(input);
        page.post(Object.assign({kind: kind, window: input, start: start, end: end}, more || {}));
      };
      const listen = (type, listener) => page.listen(input, type, listener);
      // A paste is let through to its beforeinput, which holds it to the
      // paste rules: a page that stops the paste event stops pasting.
      listen('cut', (e) => this.clipboardEvent(e, 'Cut', input));
      listen('copy', (e) => this.clipboardEvent(e, 'Copied', input));
      listen('beforeinput', (e) => {
        const type = e.inputType || '';
        if (/Composition/.test(type)) return;  // the input method's, until it commits
        e.preventDefault();
        const data = e.data !== null && e.data !== undefined ? e.data :
                     e.dataTransfer ? e.dataTransfer.getData('text/plain') : '';
        if (type === 'insertText' || type === 'insertReplacementText') {
          post('Typed', {text: data});
        } else if (type.startsWith('insertFrom')) {
          post('Pasted', {text: data});
        } else if (type === 'deleteByCut') {
          post('Cut');
        } else if (type === 'deleteByDrag') {
          post('Deleted');
        } else if (type === 'historyUndo' || type === 'historyRedo') {
          post('Undone');
        } else if (type.startsWith('delete')) {
          // A phone's keyboard deletes without keys.
          page.post({kind: 'Erased', forward: /Forward/.test(type), words: /Word|Line/.test(type)});
        }
      });
      // A tap of a finger selects the number, as Tab does: a phone has no
      // Tab key.
      listen('pointerdown', (e) => { input.touched = e.pointerType === 'touch'; });
      listen('click', () => {
        if (input.touched) page.post({kind: 'Tapped', window: input});
        input.touched = false;
      });
      listen('compositionstart', () => { input.composingFrom = this.selection(input); });
      listen('compositionend', (e) => {
        const [start, end] = input.composingFrom || this.selection(input);
        input.composingFrom = null;
        page.post({kind: 'Typed', window: input, start: start, end: end, text: e.data || ''});
      });
      const replaced = (pasted) => {
        const [, end] = this.selection(input);
        page.post({kind: 'Replaced', window: input, start: -1, end: end, text: input.value, pasted: pasted});
      };
      listen('input', (e) => {
        if (e.isComposing || /Composition/.test(e.inputType || '') || input.composingFrom) return;
        replaced((e.inputType || '').startsWith('insertFrom'));
      });
      // Typed into before this script ran: the text it was left with.
      if (!page.windows && input.value !== input.defaultValue) replaced(false);
    },

    // From the script's start: the page's keys, and the dialog its HTML
    // shows, if it shows one, heard until the program takes it over.
    early: function() {
      this.listen();
      for (const frame of document.querySelectorAll('[data-prerendered]')) {
        const close = frame.querySelector('.close');
        if (close) this.watchClose(close, frame);
        for (const control of frame.querySelectorAll('.client button, .client input')) {
          this.watchControl(control, control.localName === 'input');
          // Where the user put the focus before this script ran, as a press.
          if (control === document.activeElement) this.earlyPress(control);
        }
      }
    },

    // A press of the mouse on what is not a control (a text, the swatch, the
    // caption, the page around the dialog) leaves the focus where it is, as
    // on Windows.
    keepFocus: function(e) {
      if (!RgbhsvPage.open || !(e.target instanceof Element)) return;
      if (e.target.closest('input, button:not(.close), a, select, textarea, dialog.chooser, #ended')) return;
      e.preventDefault();
    },

    // The keys, wherever the page's focus is; and the first key or press
    // lets the tone sound.
    listen: function() {
      document.addEventListener('keydown', () => RgbhsvSound.ready(), true);
      document.addEventListener('keydown', (e) => this.key(e, true));
      document.addEventListener('keyup', (e) => this.key(e, false));
      document.addEventListener('mousedown', (e) => { RgbhsvSound.ready(); this.keepFocus(e); }, true);
    },
  },
  $RgbhsvInput__deps: ['$RgbhsvPage', '$RgbhsvSound'],
  $RgbhsvInput__postset: 'RgbhsvInput.early();',


  // Fields: the page's <input> shows the edit's text and selection; the
  // selection the user makes is read back, in characters.
  rgbhsv_read_selection__deps: ['$RgbhsvPage', '$RgbhsvInput'],
  rgbhsv_read_selection: function(edit, start, end) {
    const [from, to] = RgbhsvInput.selection(RgbhsvPage.windows.get(edit).element);
    {{{ makeSetValue('start', 0, 'from', 'i32') }}};
    {{{ makeSetValue('end', 0, 'to', 'i32') }}};
  },

  rgbhsv_show_input__deps: ['$RgbhsvPage', '$RgbhsvInput'],
  rgbhsv_show_input: function(edit, text, start, end) {
    const input = RgbhsvPage.windows.get(edit).element;
    const value = UTF8ToString(text);
    if (input.value !== value) input.value = value;
    input.setSelectionRange(RgbhsvInput.units(value, start), RgbhsvInput.units(value, end));
  },

  // The modal loop's wait for the user's input.
  rgbhsv_wait_for_input__deps: ['$RgbhsvPage', '$Asyncify'],
  rgbhsv_wait_for_input: function() {
    return Asyncify.handleSleep((wakeUp) => {
      if (RgbhsvPage.queue.length > 0) wakeUp();
      else RgbhsvPage.wake = wakeUp;
    });
  },

  // The oldest event into the record `event`, its text copied to memory of
  // malloc's that the program frees; its kind, 0 if there is none.
  rgbhsv_take_input__deps: ['$RgbhsvPage', '$stringToNewUTF8'],
  rgbhsv_take_input: function(record) {
    const page = RgbhsvPage;
    const event = page.queue.shift();
    if (!event) return 0;
    // A lone surrogate is U+FFFD, as everywhere else; the encoder would
    // join it with the next character.
    const wellFormed = (t) => t.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g,
                                        '\uFFFD');
    const kind = page.Event[event.kind];
    if (!kind) throw new Error('an input event of no known kind: ' + event.kind);
    const w = event.window;
    const window = w && typeof w === 'object' ? w.rgbhsvWindow || 0 : w || 0;
    const text = event.text === undefined ? 0 : stringToNewUTF8(wellFormed(event.text));
    page.write(record, page.eventFields, Object.assign({}, event, {kind: kind, window: window, text: text}));
    return kind;
  },

  // A wake the program asked for, posted as an event after `ms`.
  rgbhsv_wake_after__deps: ['$RgbhsvPage'],
  rgbhsv_wake_after: function(ms) {
    setTimeout(() => RgbhsvPage.post({kind: 'Woken'}), ms);
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
});
