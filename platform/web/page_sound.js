// The warning beep: a short tone (Web Audio), never before the user's
// first key or click, as browsers require, and its words in a polite live
// region.

mergeInto(LibraryManager.library, {
  $RgbhsvSound: {
    audio: null,  // made at the user's first key or click

    ready: function() {
      if (!this.audio && typeof AudioContext !== 'undefined') this.audio = new AudioContext();
      if (this.audio && this.audio.state === 'suspended') this.audio.resume();
    },

    // A warning beep is said too, with the value of the field it was about
    // once the program has written it.
    beep: function() {
      setTimeout(() => {
        const region = document.getElementById('said');
        const shown = RgbhsvPage.windows.get(RgbhsvPage.focused);
        if (!region || !shown || shown.kind !== 1) return;
        const words = 'Warning. ' + shown.element.getAttribute('aria-label') + ', ' + shown.element.value;
        // Said again when it is the same as last time.
        region.textContent = region.textContent === words ? words + '.' : words;
      });
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
  },
  $RgbhsvSound__deps: ['$RgbhsvPage'],

  rgbhsv_tone__deps: ['$RgbhsvSound'],
  rgbhsv_tone: function() { RgbhsvSound.beep(); },
});
