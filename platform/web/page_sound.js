// The warning beep: a short tone (Web Audio), never before the user's
// first key or click, as browsers require; and said (RgbhsvSaid).

mergeInto(LibraryManager.library, {
  $RgbhsvSound: {
    audio: null,  // made at the user's first key or click

    ready: function() {
      if (!this.audio && typeof AudioContext !== 'undefined') this.audio = new AudioContext();
      if (this.audio && this.audio.state === 'suspended') this.audio.resume();
    },

    beep: function() {
      RgbhsvSaid.warning();
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
  $RgbhsvSound__deps: ['$RgbhsvSaid'],

  rgbhsv_tone__deps: ['$RgbhsvSound'],
  rgbhsv_tone: function() { RgbhsvSound.beep(); },
});
