// The page's state that its parts share (RgbhsvPage): the elements of each
// window, the user's input queued for the modal loop, and the names the
// program gave at the start for what crosses between the two: the events'
// and the controls' kinds, and the fields of their records, read and
// written by name where the program laid them out (web_internals.h).

mergeInto(LibraryManager.library, {
  $RgbhsvPage: {
    windows: null,        // window handle -> its elements and kind (a Map)
    queue: [],            // the user's input, oldest first
    wake: null,           // resolves the modal loop's wait
    open: null,           // the dialog that the user's keys go to
    focused: 0,           // the control the dialog manager last gave the focus
    focusing: false,      // while the dialog manager moves the focus itself
    Event: null,          // the events' kinds: their numbers, by name, as the program numbers them
    Control: null,        // the controls' kinds, by name
    eventFields: null,    // each field of an event's record: its offset, by name
    controlFields: null,  // and of a control's
    answer: null,         // the program's answer to the key it was just given (rgbhsv_key_answer)
    copied: null,         // what the program put on the clipboard in the clipboard event being handled

    // Names in a list of the program's ("A,B,C,"), numbered from `first`.
    numbered: function(list, first) {
      const named = {};
      UTF8ToString(list).split(',').filter((n) => n).forEach((name, i) => { named[name] = first + i; });
      return named;
    },

    // A record's fields: 32-bit words in the order named.
    offsets: function(list) {
      const offsets = this.numbered(list, 0);
      for (const name in offsets) offsets[name] *= 4;
      return offsets;
    },
    read: function(record, fields) {
      const values = {};
      for (const name in fields) values[name] = {{{ makeGetValue('record', 'fields[name]', 'i32') }}};
      return values;
    },
    write: function(record, fields, values) {
      for (const name in fields) {{{ makeSetValue('record', 'fields[name]', 'Number(values[name] || 0)', 'i32') }}};
    },

    // The page's child `index` of `parent`, if `taken` (a dialog drawn by
    // the page's HTML) holds it, as a `tag`; a new one appended otherwise.
    element: function(parent, index, tag, taken) {
      const there = taken && parent.children[index];
      if (there && there.localName === tag) {
        there.rgbhsvTaken = true;
        return there;
      }
      const made = document.createElement(tag);
      parent.append(made);
      return made;
    },

    // An element's text, left as it is if it is already the same: a dialog
    // taken over is not drawn again.
    setText: function(element, text) {
      if (element.textContent !== text) element.textContent = text;
    },

    // A listener of an element's, once: a dialog taken over has its
    // listeners from before the program ran.
    listen: function(element, type, listener) {
      element.rgbhsvListens = element.rgbhsvListens || new Set();
      if (element.rgbhsvListens.has(type)) return;
      element.rgbhsvListens.add(type);
      element.addEventListener(type, listener);
    },

    // The user's input, by its kind's name, for the window of the element
    // (or the handle) given. Before the program runs (a dialog of the
    // page's HTML) it is marked as let go of: the page has done nothing
    // with it, and the program does all of it. Its text then goes where
    // the program's caret will be by then, after what came before it.
    post: function(event) {
      if (typeof event.kind !== 'string') throw new Error('an input event of no known kind');
      if (!this.windows) {
        event.early = true;
        if (event.kind === 'Typed' || event.kind === 'Pasted') event.start = event.end = -1;
      }
      this.queue.push(event);
      if (this.wake) {
        const wake = this.wake;
        this.wake = null;
        wake();
      }
    },
  },

  rgbhsv_start_page__deps: ['$RgbhsvPage', '$RgbhsvInput'],  // which listens from the start
  rgbhsv_start_page: function(eventKinds, eventFields, controlFields, controlKinds) {
    const page = RgbhsvPage;
    RgbhsvInput.earlySelection();  // what the user selected last, before the program's first look
    page.windows = new Map();
    page.Event = page.numbered(eventKinds, 1);
    page.eventFields = page.offsets(eventFields);
    page.controlFields = page.offsets(controlFields);
    page.Control = page.numbered(controlKinds, 0);
  },
});
