// At build time the dialog is laid out for the base units given: the page's
// font as a browser renders it, which the page measures after its first
// frame (page_font.js).
mergeInto(LibraryManager.library, {
  rgbhsv_measure_font: function(template, x, y) {
    {{{ makeSetValue('x', 0, 'prerender.units[0]', 'i32') }}};
    {{{ makeSetValue('y', 0, 'prerender.units[1]', 'i32') }}};
  },
});
