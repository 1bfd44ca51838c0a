// The warning beep: a short tone (Web Audio), never before the user's
// first key or click, as browsers require; and said (RgbhsvSaid).

mergeInto(LibraryManager.library, {
  $RgbhsvSound: {
    heard: false,  // the user has pressed a key or clicked
    audio: null,   // made at the first beep after that

    ready: function() {
      this.heard = true;
      if (this.audio && this.audio.state === 'suspended') this.audio.resume();
    },

    // The audio is made here rather than at the user's first key: making
    // it opens the audio device, tens of milliseconds that the first key's
    // digit would otherwise wait for. A beep comes from the program
    // handling a key or an edit, so a browser that wants a user's gesture
    // to start audio has one.
    beep: function() {
      RgbhsvSaid.warning();
      if (!this.heard) return;  // no sound before the user's first key or click
      if (!this.audio && typeof AudioContext !== 'undefined') this.audio = new AudioContext();
      if (!this.audio) return;
      if (this.audio.state === 'suspended') this.audio.resume();
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
