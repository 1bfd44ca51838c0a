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
    Event: null,          // the events' kinds, by name, as the program numbers them
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

    post: function(event) {
      if (event.kind === undefined) throw new Error('an input event of no known kind');
      this.queue.push(event);
      if (this.wake) {
        const wake = this.wake;
        this.wake = null;
        wake();
      }
    },
  },

  rgbhsv_start_page__deps: ['$RgbhsvPage', '$RgbhsvInput'],
  rgbhsv_start_page: function(eventKinds, eventFields, controlFields, controlKinds) {
    const page = RgbhsvPage;
    page.windows = new Map();
    page.Event = page.numbered(eventKinds, 1);
    page.eventFields = page.offsets(eventFields);
    page.controlFields = page.offsets(controlFields);
    page.Control = page.numbered(controlKinds, 0);
    RgbhsvInput.listen();
  },
});
