// The page around the program, set up before it starts. Opened from a file,
// most browsers refuse to let the page load its WebAssembly, and refuse it
// quietly: the page says how to serve it instead until the program has
// started. Served, its files are kept by a service worker, so that after
// one visit it opens without a network.
// The page names its script and module with their digest, so that
// it is served the files of its own release, never a newer module under an
// older script: the module is asked for with the script's own query.
const rgbhsvRelease = document.currentScript ? new URL(document.currentScript.src).search : '';
Module['locateFile'] = (path, prefix) => prefix + path + (path.endsWith('.wasm') ? rgbhsvRelease : '');
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
