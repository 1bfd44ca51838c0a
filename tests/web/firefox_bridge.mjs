// Firefox ESR driven over WebDriver BiDi by puppeteer-core (from this
// folder's node_modules), for engines.py: each command on standard input,
// one JSON line, is performed and answered with one JSON line.
import {createInterface} from 'node:readline';
import {createRequire} from 'node:module';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');

const browser = await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
  protocol: 'webDriverBiDi', args: ['--no-remote'],
  // Lets a test stand for another program on the clipboard; with --dark,
  // the user's dark scheme; with --no-script, the page's JavaScript off.
  extraPrefsFirefox: Object.assign({'dom.events.testing.asyncClipboard': true},
                                   process.argv.includes('--dark') ? {'layout.css.prefers-color-scheme.content-override': 0} : {},
                                   process.argv.includes('--no-script') ? {'javascript.enabled': false} : {})});
const page = await browser.newPage();
await page.setViewport({width: 800, height: 600});

// A script's body run in the page, as WebDriver's execute_script runs it.
const run = (script, args) => page.evaluate((body, args) => new Function(body)(...args), script, args);

const commands = {
  preload: async ({script}) => { if (script) await page.evaluateOnNewDocument(script); },
  goto: async ({url}) => { await page.goto(url); },
  reload: async () => { await page.reload(); },
  run: async ({script, args}) => run(script, args),
  run_async: async ({script, args}) => page.evaluate((body, args) => new Promise((done) => new Function(body)(...args, done)),
                                                     script, args),
  keys: async ({key, mods}) => {
    for (const mod of mods) await page.keyboard.down(mod);
    await page.keyboard.press(key);
    for (const mod of mods.slice().reverse()) await page.keyboard.up(mod);
  },
  pointer: async ({steps}) => {
    let count = 0;
    for (const [step, x, y] of steps) {
      await page.mouse.move(x, y);
      if (step === 'click') await page.mouse.click(x, y, {count: ++count});
      else if (step === 'down') await page.mouse.down();
      else if (step === 'up') await page.mouse.up();
    }
  },
  clipboard: async ({units}) => { await run('return navigator.clipboard.writeText(String.fromCharCode(...arguments[0]))', [units]); },
  screenshot: async () => page.screenshot({encoding: 'base64'}),
  close: async () => { await browser.close(); process.exit(0); },
};

for await (const line of createInterface({input: process.stdin})) {
  const command = JSON.parse(line);
  let answer;
  try {
    answer = {value: await commands[command.op](command)};
  } catch (e) {
    answer = {error: String(e && e.message || e)};
  }
  process.stdout.write(JSON.stringify(answer === undefined ? {} : answer) + '\n');
}
await browser.close();
