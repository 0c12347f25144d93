// The browser build played in Debian's Chromium, headless, from the unzipped
// package on a local static server. Each screen must equal, pixel for pixel,
// the frame the native game drew for the same presses (desktop_frames.cpp).
'use strict';
const {test, before, after} = require('node:test');
const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const [fs, http, path] = ['fs', 'http', 'path'].map(name => require(`node:${name}`));
const puppeteer = require('puppeteer-core');

const root = path.resolve(__dirname, '../..');
const build = path.resolve(root, process.env.BUILD || 'build');
const work = path.resolve(root, process.env.WEB_BUILD || 'build-web', 'test');
const version = fs.readFileSync(path.join(root, 'packaging/VERSION'), 'utf8').trim();
const site = path.join(work, 'site');
const frames = path.join(work, 'desktop');
const presses = fs.readFileSync(path.join(__dirname, 'presses.txt'), 'utf8').split('\n')
  .filter(line => /^\w/.test(line)).map(line => line.split(/\s+/))
  .map(([screen, what, x, y]) => ({screen, what, x: Number(x), y: Number(y)}));
const WIDTH = 640, HEIGHT = 480, SCALE = 2;
const SCREEN_WAIT_MS = 60000; // a screen not reached by then never comes
const TYPES = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream'};

let server, browser, base;

before(async () => {
  fs.rmSync(work, {recursive: true, force: true});
  fs.mkdirSync(work, {recursive: true});
  execFileSync('unzip', ['-q', path.join(root, `dist/vellmora-${version}-web.zip`), '-d', site]);
  execFileSync(path.join(build, 'tests/web_desktop_frames'),
    [path.join(build, 'game'), path.join(__dirname, 'presses.txt'), frames]);
  // The package is flat: every file sits beside index.html.
  server = http.createServer((request, response) => {
    const file = path.basename(new URL(request.url, base).pathname) || 'index.html';
    fs.readFile(path.join(site, file), (error, body) => {
      response.writeHead(error ? 404 : 200, {'Content-Type': TYPES[path.extname(file)]});
      response.end(error ? '' : body);
    });
  });
  await new Promise(done => server.listen(0, '127.0.0.1', done));
  base = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: false,
    userDataDir: path.join(work, 'chromium'), // a fresh profile: work is emptied first
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

after(() => Promise.all([browser?.close(), server?.close()]));

// A page whose console errors and uncaught exceptions are kept.
async function openPage(prepare = async () => {}) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('console', message => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', error => page.errors.push(error.message));
  await page.setViewport({width: WIDTH * SCALE + 100, height: HEIGHT * SCALE + 150});
  await prepare(page);
  await page.goto(base);
  return page;
}

// Polls the canvas until it shows the desktop's frame; else says how far off it was.
async function awaitScreen(page, screen) {
  const rgb = fs.readFileSync(path.join(frames, `${screen}.ppm`)).subarray(-WIDTH * HEIGHT * 3);
  await page.evaluate(expected => {
    const want = Uint8Array.from(atob(expected), c => c.charCodeAt(0));
    window.pixelsOff = () => {
      const have = document.getElementById('screen').getContext('2d').getImageData(0, 0, 640, 480).data;
      let count = 0;
      for (let i = 0, j = 0; i < want.length; i += 3, j += 4)
        count += want[i] !== have[j] || want[i + 1] !== have[j + 1] || want[i + 2] !== have[j + 2];
      return count;
    };
  }, rgb.toString('base64'));
  try {
    await page.waitForFunction('pixelsOff() === 0', {polling: 100, timeout: SCREEN_WAIT_MS});
  } catch {
    assert.fail(`the ${screen} screen differs from the desktop's in ${await page.evaluate('pixelsOff()')} pixels`);
  }
}

async function give(page, {what, x, y}) {
  if (what === 'key')
    return page.keyboard.press('Space');
  const box = await (await page.$('#screen')).boundingBox();
  const at = [box.x + (x + 0.5) * box.width / WIDTH, box.y + (y + 0.5) * box.height / HEIGHT];
  return what === 'point' ? page.mouse.move(...at) : page.mouse.click(...at, {button: what});
}

test('plays as the desktop build does, ends on Esc and starts again', async () => {
  const page = await openPage();
  await page.waitForSelector('#screen:not([hidden])');
  const box = await (await page.$('#screen')).boundingBox();
  assert.deepEqual([box.width, box.height], [WIDTH * SCALE, HEIGHT * SCALE]);
  for (const press of presses) {
    await give(page, press);
    await awaitScreen(page, press.screen);
  }
  await page.keyboard.press('Escape');
  await (await page.waitForSelector('#again:not([hidden])')).click();
  await give(page, presses[0]);
  await awaitScreen(page, presses[0].screen);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Answers the request for one of the package's files with the response given.
const replace = (file, response) => async page => {
  await page.setRequestInterception(true);
  page.on('request', request => request.url().endsWith(`/${file}`)
    ? request.respond({contentType: TYPES[path.extname(file)], ...response}) : request.continue());
};

test('a failure shows its cause in place of the game', async t => {
  const failures = {
    'no WebAssembly': [page => page.evaluateOnNewDocument(() => delete window.WebAssembly),
      'this browser cannot run WebAssembly'],
    'no data package': [replace('vellmora.data', {status: 404, body: ''}), 'vellmora.data cannot be loaded (404'],
    // The game's own line, for a picture its package lacks.
    'a missing picture': [replace('vellmora.js', {body: fs.readFileSync(path.join(site, 'vellmora.js'), 'utf8')
      .replace('"/Data/Images/main.bmp"', '"/Data/Images/gone.bmp"')}), './/Data//Images//main.bmp is missing'],
  };
  for (const [name, [prepare, cause]] of Object.entries(failures))
    await t.test(name, async () => {
      const page = await openPage(prepare);
      const status = await page.waitForSelector('#screen[hidden] ~ #status.failure');
      assert.ok((await status.evaluate(e => e.textContent)).includes(cause));
      await page.close();
    });
});
