// The color chooser.

mergeInto(LibraryManager.library, {
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
});
