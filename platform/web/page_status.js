// What the page says of the dialog beyond its windows: that it is busy,
// what a warning beep was about (a polite live region), and that the
// program has ended.

mergeInto(LibraryManager.library, {
  $RgbhsvSaid: {
    // A warning beep is said too, with the field it was about and the
    // value the program has written into it by then.
    warning: function() {
      setTimeout(() => {
        const region = document.getElementById('said');
        const shown = RgbhsvPage.windows.get(RgbhsvPage.focused);
        if (!region || !shown || shown.kind !== RgbhsvPage.Control.Field) return;
        const words = 'Warning. ' + shown.element.getAttribute('aria-label') + ', ' + shown.element.value;
        // Said again when it is the same as last time.
        region.textContent = region.textContent === words ? words + '.' : words;
      });
    },
  },
  $RgbhsvSaid__deps: ['$RgbhsvPage'],

  // A paste waits: never on the page, whose paste brings its text, but the
  // dialog says so as every implementation's does.
  rgbhsv_show_busy__deps: ['$RgbhsvPage'],
  rgbhsv_show_busy: function(dialog, busy) {
    RgbhsvPage.windows.get(dialog).element.setAttribute('aria-busy', busy ? 'true' : 'false');
  },

  // The page's word when the program ends, with its exit code, in view
  // where the dialog was, and the focus on the button that starts it again.
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
