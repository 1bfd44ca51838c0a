// The page around the program, set up before it starts. Opened from a file,
// most browsers refuse to let the page load its WebAssembly, and refuse it
// quietly: the page says how to serve it instead until the program has
// started. Served, its files are kept by a service worker, so that after
// one visit it opens without a network.
if (location.protocol === 'file:') {
  const note = document.getElementById('from-disk');
  if (note) {
    note.hidden = false;
    Module['onRuntimeInitialized'] = () => { note.hidden = true; };
  }
} else if ('serviceWorker' in navigator) {
  addEventListener('load', () => {
    // Refused on an insecure origin (plain http to another host): the page
    // works as well, only not offline.
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
