// Painting a static's canvas: a paint is asked for at the next frame, as
// the modal loop's input, and the program fills rectangles.

mergeInto(LibraryManager.library, {
  $RgbhsvPaints: 'new Set()',  // windows to paint at the next frame

  // Painting on a static's canvas: a paint is asked for at the next frame.
  rgbhsv_paint_at_next_frame__deps: ['$RgbhsvPage', '$RgbhsvPaints'],
  rgbhsv_paint_at_next_frame: function(window) {
    const page = RgbhsvPage;
    const shown = page.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
    if (RgbhsvPaints.size === 0) {
      requestAnimationFrame(() => {
        for (const w of RgbhsvPaints) page.post({kind: 'Painted', window: w});
        RgbhsvPaints.clear();
      });
    }
    RgbhsvPaints.add(window);
  },

  rgbhsv_fill_canvas__deps: ['$RgbhsvPage'],
  rgbhsv_fill_canvas: function(window, x, y, width, height, red, green, blue) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return;
    const context = shown.element.getContext('2d');
    context.fillStyle = 'rgb(' + red + ',' + green + ',' + blue + ')';
    context.fillRect(x, y, width, height);
  },
});
