// What only the web implementation's tests call: a canvas's pixel.

mergeInto(LibraryManager.library, {
  // For tests: what a canvas shows at a point, 0xBBGGRR, or -1.
  rgbhsv_canvas_pixel__deps: ['$RgbhsvPage'],
  rgbhsv_canvas_pixel: function(window, x, y) {
    const shown = RgbhsvPage.windows.get(window);
    if (!shown || !(shown.element instanceof HTMLCanvasElement)) return -1;
    const p = shown.element.getContext('2d').getImageData(x, y, 1, 1).data;
    return p[0] | p[1] << 8 | p[2] << 16;
  },
});
