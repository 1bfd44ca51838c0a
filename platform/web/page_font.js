// The dialog's font as the browser renders it, for the dialog manager's
// layout: the dialog grows with the browser's zoom, its minimum font size
// and a user's text spacing.

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

  // A dialog that the page's HTML shows already was laid out at build time
  // for the page's font, which its style gives as --units: no measuring
  // before the first frame, which would lay the page out first.
  rgbhsv_measure_font__deps: ['$RgbhsvBaseUnits', '$RgbhsvPage'],
  rgbhsv_measure_font: function(template, x, y) {
    const shown = document.getElementById('rgbhsv-dialog-' + template);
    const laidOut = shown && shown.hasAttribute('data-prerendered') ?
      getComputedStyle(shown).getPropertyValue('--units').trim().split(/\s+/).map(Number) : [];
    const prerendered = laidOut.length === 2 && laidOut[0] > 0 && laidOut[1] > 0;
    const [bx, by] = prerendered ? laidOut : RgbhsvBaseUnits();
    // Measured once the page is drawn, and laid out again if the browser's
    // font is not the one the page's HTML was laid out for (a minimum
    // font size, another font).
    if (prerendered) {
      requestAnimationFrame(() => setTimeout(() => {
        const [x, y] = RgbhsvBaseUnits();
        if (x !== bx || y !== by) RgbhsvPage.post({kind: 'Remeasured', window: shown, start: x, end: y});
      }));
    }
    {{{ makeSetValue('x', 0, 'bx', 'i32') }}};
    {{{ makeSetValue('y', 0, 'by', 'i32') }}};
  },
});
