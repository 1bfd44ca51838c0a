// The page's side of the Win32 dialog services in the browser: the elements
// that show the dialog manager's windows, and the user's input, queued for
// the modal loop, which runs in WebAssembly and waits (Asyncify) for it.
var RgbhsvPage = {
  windows: new Map(),  // window handle -> its elements
  queue: [],           // the user's input, oldest first
  wake: null,          // resolves the modal loop's wait
  clipboard: '',       // the text a paste brings in
  audio: null,         // made at the user's first key or click, as browsers require
  paints: new Set(),   // windows to paint at the next frame

  post(event) {
    this.queue.push(event);
    if (this.wake) {
      const wake = this.wake;
      this.wake = null;
      wake();
    }
  },

  // Windows' MulDiv arithmetic is the dialog manager's; the page only
  // measures the font: half the rounded-up average width of A-Z a-z, and
  // the font's height, in CSS pixels.
  // The height is the font's ascent and descent, each rounded up, as
  // Windows and Pango give them: measured 100 times larger, because the
  // browser rounds a small font's metrics to whole pixels.
  baseUnits(pixels, families) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = pixels + 'px ' + families;
    const m = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    context.font = pixels * 100 + 'px ' + families;
    const large = context.measureText('A');
    const height = Math.ceil(large.fontBoundingBoxAscent / 100) + Math.ceil(large.fontBoundingBoxDescent / 100);
    return [Math.floor((Math.floor(m.width) / 26 + 1) / 2), height];
  },

  // The number of code points in a string's first `units` UTF-16 units.
  codePoints(text, units) { return Array.from(text.slice(0, units)).length; },
  units(text, points) { return Array.from(text).slice(0, points).join('').length; },

  audioReady() {
    if (!this.audio && typeof AudioContext !== 'undefined') this.audio = new AudioContext();
    if (this.audio && this.audio.state === 'suspended') this.audio.resume();
  },

  beep() {
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

  // Keys through the dialog manager, typed characters to the focused
  // field: as the modal loop of a Windows dialog hands them on. What the
  // page would do with them itself is prevented.
  keyDown(e, dialog) {
    this.audioReady();
    const field = e.target instanceof HTMLInputElement;
    const key = {Tab: 0x09, Escape: 0x1B, Enter: 0x0D}[e.key];
    if (e.ctrlKey || e.metaKey) {
      if (!field || e.altKey) return;
      const k = e.key.toLowerCase();
      if (k === 'z') {
        e.preventDefault();
        this.post({kind: 3, a: 0x1A});
      }
      return;  // copy, paste, cut and select all arrive as the page's own events
    }
    if (key !== undefined) {
      e.preventDefault();
      this.post({kind: 1, a: key, b: e.shiftKey ? 1 : 0});
    } else if (e.key === ' ' && !field) {
      e.preventDefault();
      if (!e.repeat) this.post({kind: 1, a: 0x20});
    } else if (field && e.key === 'Backspace') {
      e.preventDefault();
      this.post({kind: 3, a: 8});
    } else if (field && e.key === 'Delete') {
      e.preventDefault();
      this.post({kind: 6});
    } else if (field && !e.isComposing && e.key.length === 1 && e.key.charCodeAt(0) >= 0x20) {
      e.preventDefault();
      if (e.key.charCodeAt(0) < 0x7F) this.post({kind: 3, a: e.key.charCodeAt(0)});
    }
  },

  keyUp(e) {
    if (e.key === ' ' && !(e.target instanceof HTMLInputElement)) {
      e.preventDefault();
      this.post({kind: 2, a: 0x20});
    }
  },

  // A field: the paste and the cut go to the edit rules; whatever else
  // changes its text (a drop, the context menu, an input method, autofill)
  // is put back and handed to the edit rules as the change it was.
  watchField(input, control) {
    input.addEventListener('paste', (e) => {
      e.preventDefault();
      this.post({kind: 4, window: control, text: e.clipboardData ? e.clipboardData.getData('text/plain') : ''});
    });
    input.addEventListener('cut', (e) => {
      e.preventDefault();
      const selected = input.value.slice(input.selectionStart, input.selectionEnd);
      if (e.clipboardData && selected) e.clipboardData.setData('text/plain', selected);
      this.post({kind: 7, window: control});
    });
    input.addEventListener('beforeinput', (e) => {
      if (e.inputType === 'historyUndo') {
        e.preventDefault();
        this.post({kind: 3, a: 0x1A});
      }
    });
    input.addEventListener('input', (e) => {
      if (e.isComposing) return;  // the input method's text counts once it is committed
      this.post({kind: 5, window: control, text: input.value});
    });
    input.addEventListener('compositionend', () => this.post({kind: 5, window: control, text: input.value}));
  },
};
