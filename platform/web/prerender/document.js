// The page's HTML, drawn by the program itself: run once under Node at
// build time, the page's own libraries make the dialog's elements in this
// document of their own, as they would in a browser's; when the program
// waits for the user's input, with nothing left to do, the dialog is
// written out as HTML and its layout as CSS (the page's policy allows no
// style in the HTML). The page's script takes these elements over
// (page_windows.js).
//
//   node rgbhsv_prerender.js UNITS-X UNITS-Y ICON-FILE
//
// prints {"html": ..., "css": ...}. The layout is the dialog manager's for
// the base units given (those of the page's font); the title bar shows
// ICON-FILE (favicon.ico), which must be the program's icon group itself.
const prerender = {units: process.argv.slice(2, 4).map(Number), icon: process.argv[4], blobs: new Map()};
// Node's fetch takes no file names: the module is read from its file.
Module['wasmBinary'] = require('fs').readFileSync(require('path').join(__dirname, 'rgbhsv_prerender.wasm'));

class Element {
  constructor(tag) {
    Object.assign(this, {localName: tag, attributes: new Map(), children: [], parentNode: null, style: {},
                         dataset: {}, text: null});
    this.classList = {add: (name) => { this.className = this.className ? this.className + ' ' + name : name; }};
  }
  setAttribute(name, value) { this.attributes.set(name, String(value)); }
  getAttribute(name) { return this.attributes.has(name) ? this.attributes.get(name) : null; }
  hasAttribute(name) { return this.attributes.has(name); }
  append(...nodes) {
    for (const node of nodes) {
      if (node.parentNode) node.remove();
      node.parentNode = this;
      this.children.push(node);
    }
  }
  remove() {
    if (!this.parentNode) return;
    this.parentNode.children.splice(this.parentNode.children.indexOf(this), 1);
    this.parentNode = null;
  }
  get textContent() { return this.text === null ? '' : this.text; }
  set textContent(text) {
    this.children = [];
    this.text = String(text);
  }
  addEventListener() {}
  focus() { document.activeElement = this; }
  setSelectionRange() {}
  querySelectorAll() { return []; }
  querySelector() { return null; }
  // A canvas: what was filled last over the whole of it.
  getContext() {
    const canvas = this;
    return {fillRect(x, y, width, height) {
      if (x <= 0 && y <= 0 && x + width >= canvas.width && y + height >= canvas.height) canvas.filled = this.fillStyle;
    }};
  }
}
// The properties the page sets that are attributes in HTML.
for (const [property, attribute] of Object.entries({id: 'id', className: 'class', type: 'type', alt: 'alt', src: 'src',
    value: 'value', tabIndex: 'tabindex', autocomplete: 'autocomplete', spellcheck: 'spellcheck',
    inputMode: 'inputmode', width: 'width', height: 'height'})) {
  Object.defineProperty(Element.prototype, property, {
    get() { return this.getAttribute(attribute) || ''; },
    set(value) { this.setAttribute(attribute, value); },
  });
}
Object.defineProperty(Element.prototype, 'hidden', {
  get() { return this.hasAttribute('hidden'); },
  set(hidden) { if (hidden) this.setAttribute('hidden', ''); else this.attributes.delete('hidden'); },
});
class HTMLCanvasElement extends Element {}
class HTMLInputElement extends Element {}
const document = {
  activeElement: null,
  body: new Element('body'),
  createElement: (tag) => tag === 'canvas' ? new HTMLCanvasElement(tag) : tag === 'input' ? new HTMLInputElement(tag) :
                          new Element(tag),
  getElementById: (id) => {
    const find = (e) => e.id === id ? e : e.children.map(find).find((found) => found) || null;
    return find(document.body);
  },
  querySelectorAll: () => [],
  querySelector: () => null,
  addEventListener() {},
};
const desktop = new Element('main');
desktop.id = 'desktop';
document.body.append(desktop);
Object.assign(globalThis, {document, Element, HTMLCanvasElement, HTMLInputElement,
                           requestAnimationFrame: (callback) => setTimeout(callback, 0)});
URL.createObjectURL = (blob) => {
  const name = 'blob:' + prerender.blobs.size;
  prerender.blobs.set(name, blob);
  return name;
};

// The dialog as it stands, written out: the HTML of its elements, marked
// as the page's to take over and busy until then, the focus where the
// program put it; the CSS of their places and of the swatch's color.
prerender.write = async function() {
  const frame = desktop.children[0];
  if (!frame) throw new Error('the program made no dialog');
  frame.setAttribute('data-prerendered', '');
  frame.setAttribute('aria-busy', 'true');
  if (document.activeElement) document.activeElement.setAttribute('autofocus', '');
  const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  const rules = [`#${frame.id}{--units:${prerender.units.join(' ')}}`];
  const html = async (e) => {
    const src = e.getAttribute('src');
    if (src && prerender.blobs.has(src)) {
      const shown = Buffer.from(await prerender.blobs.get(src).arrayBuffer());
      if (!shown.equals(require('fs').readFileSync(prerender.icon))) {
        throw new Error(`the title bar's icon is not ${prerender.icon}`);
      }
      e.setAttribute('src', require('path').basename(prerender.icon));
    }
    // A canvas's buffer is the page's to size: its color is behind it.
    if (e instanceof HTMLCanvasElement) ['width', 'height'].forEach((name) => e.attributes.delete(name));
    const style = Object.entries(e.style).map(([name, value]) => name + ':' + value);
    if (e.filled) style.push('background:' + e.filled);
    if (style.length > 0) {
      const selector = e.id ? '#' + e.id : `#${e.parentNode.id}>.${e.className.split(' ')[0]}`;
      rules.push(`${selector}{${style.join(';')}}`);
    }
    Object.keys(e.dataset).forEach((name) => e.setAttribute('data-' + name, e.dataset[name]));  // lower-case names only
    const attributes = Array.from(e.attributes, ([name, value]) => value === '' ? ' ' + name : ` ${name}="${escape(value)}"`);
    const inner = e.text !== null ? escape(e.text) : (await Promise.all(e.children.map(html))).join('');
    return `<${e.localName}${attributes.join('')}>` + (e.localName === 'img' || e.localName === 'input' ? '' :
                                                        inner + `</${e.localName}>`);
  };
  const written = await html(frame);
  process.stdout.write(JSON.stringify({html: written, css: rules.join('\n')}) + '\n');
};
// Node's loop runs dry once the program waits for input that never comes.
process.once('beforeExit', () => prerender.write().then(() => process.exit(0), (error) => {
  console.error('prerender: ' + error.message);
  process.exit(1);
}));
