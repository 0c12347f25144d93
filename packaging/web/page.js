// The page around the game: the canvas fitted to the window in whole steps,
// the canvas's pointer and key events as the game reads them, the shot sound
// through Web Audio, a failure's one line, and another game once one ends.
// The game's side of this is src/shell/platform_browser.cpp.
'use strict';

(() => {
  const FRAME_WIDTH = 640;
  const FRAME_HEIGHT = 480;
  const FRAME_MS = 1000 / 60;
  const FRAME_SLACK_MS = 2; // frame times jitter; a 60 Hz frame must still count
  const PAGE_MARGIN = 16;
  const DATA_FILE = 'vellmora.data';
  const FAILURE_PREFIX = 'vellmora: ';
  const BUTTON_BITS = {0: 1, 2: 2}; // DOM button number to the game's bit
  const MODIFIER_KEYS = new Set(['Shift', 'Control', 'Alt', 'Meta', 'AltGraph', 'CapsLock']);
  // Keys that would scroll the page under the game.
  const SCROLL_KEYS = new Set([' ', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp',
    'PageDown', 'Home', 'End']);

  const canvas = document.getElementById('screen');
  const status = document.getElementById('status');
  const again = document.getElementById('again');
  const header = document.querySelector('header');
  const context = canvas.getContext('2d');
  const image = context.createImageData(FRAME_WIDTH, FRAME_HEIGHT);

  // What the game reads, sampled once a frame, so a press or an Esc shorter
  // than a frame still counts.
  class Input {
    constructor() {
      this.reset();
    }
    reset() {
      this.x = 0;
      this.y = 0;
      this.held = 0;
      this.pressed = 0;
      this.seen = 0;
      this.cleared = false;
      this.escHeld = false;
      this.escTapped = false;
      this.escSeen = false;
      this.keyWaiting = false;
    }
    take() {
      this.seen = this.held | this.pressed;
      this.pressed = 0;
      this.escSeen = this.escHeld || this.escTapped;
      this.escTapped = false;
    }
    buttons() {
      return this.cleared ? 0 : this.seen;
    }
    // As the library's mouse_b = 0: released until a button changes.
    clearButtons() {
      this.cleared = true;
    }
    escDown() {
      return this.escSeen || this.escHeld;
    }
    point(event) {
      const box = canvas.getBoundingClientRect();
      const x = Math.floor((event.clientX - box.left) * FRAME_WIDTH / box.width);
      const y = Math.floor((event.clientY - box.top) * FRAME_HEIGHT / box.height);
      this.x = Math.min(Math.max(x, 0), FRAME_WIDTH - 1);
      this.y = Math.min(Math.max(y, 0), FRAME_HEIGHT - 1);
    }
    button(event, down) {
      const bit = BUTTON_BITS[event.button] || 0;
      this.point(event);
      this.held = down ? this.held | bit : this.held & ~bit;
      if (down)
        this.pressed |= bit;
      this.cleared = false;
    }
    key(event, down) {
      if (event.key === 'Escape') {
        this.escHeld = down;
        this.escTapped = this.escTapped || down;
      }
      if (down && !MODIFIER_KEYS.has(event.key))
        this.keyWaiting = true;
    }
  }

  // The game's sounds by handle; they play once the page has been touched,
  // as browsers allow no sound before that.
  class Sound {
    constructor() {
      this.files = new Map();
      this.buffers = new Map();
      this.audio = null;
    }
    available() {
      return typeof (window.AudioContext || window.webkitAudioContext) === 'function';
    }
    reset() {
      this.files.clear();
      this.buffers.clear();
    }
    load(id, bytes) {
      this.files.set(id, bytes.slice());
      if (this.audio)
        this.decode(id);
    }
    forget(id) {
      this.files.delete(id);
      this.buffers.delete(id);
    }
    // Only a press or a key counts as the touch that allows sound.
    wake() {
      if (this.audio) {
        if (this.audio.state === 'suspended')
          this.audio.resume();
        return;
      }
      if (!this.available())
        return;
      this.audio = new (window.AudioContext || window.webkitAudioContext)();
      for (const id of this.files.keys())
        this.decode(id);
    }
    decode(id) {
      const bytes = this.files.get(id);
      this.audio.decodeAudioData(bytes.slice().buffer).then(buffer => {
        if (this.files.get(id) === bytes)
          this.buffers.set(id, buffer);
      }, () => {});
    }
    play(id, gain) {
      const buffer = this.buffers.get(id);
      if (!buffer)
        return;
      const source = this.audio.createBufferSource();
      const volume = this.audio.createGain();
      source.buffer = buffer;
      volume.gain.value = gain;
      source.connect(volume).connect(this.audio.destination);
      source.start();
    }
  }

  const input = new Input();
  const sound = new Sound();
  let lastFrame = -Infinity;

  // At most one frame each 1/60 s, whatever the display's own rate.
  function nextFrame() {
    return new Promise(resolve => {
      const wait = now => {
        if (now - lastFrame < FRAME_MS - FRAME_SLACK_MS)
          return requestAnimationFrame(wait);
        lastFrame = now;
        resolve();
      };
      requestAnimationFrame(wait);
    });
  }

  function fitCanvas() {
    const width = window.innerWidth - PAGE_MARGIN;
    const height = window.innerHeight - header.offsetHeight - PAGE_MARGIN;
    const scale = Math.max(1, Math.floor(Math.min(width / FRAME_WIDTH, height / FRAME_HEIGHT)));
    canvas.style.width = `${FRAME_WIDTH * scale}px`;
    canvas.style.height = `${FRAME_HEIGHT * scale}px`;
  }

  function openScreen(width, height) {
    if (width !== FRAME_WIDTH || height !== FRAME_HEIGHT)
      return false;
    canvas.hidden = false;
    status.hidden = true;
    fitCanvas();
    canvas.focus();
    return true;
  }

  function paint(rgba) {
    image.data.set(rgba);
    context.putImageData(image, 0, 0);
  }

  function say(line, failed) {
    status.textContent = line;
    status.className = failed ? 'failure' : '';
    status.hidden = false;
  }

  canvas.addEventListener('mousemove', event => input.point(event));
  canvas.addEventListener('mousedown', event => {
    sound.wake();
    canvas.focus();
    input.button(event, true);
  });
  canvas.addEventListener('mouseup', event => input.button(event, false));
  canvas.addEventListener('keydown', event => {
    sound.wake();
    input.key(event, true);
    if (SCROLL_KEYS.has(event.key))
      event.preventDefault();
  });
  canvas.addEventListener('keyup', event => input.key(event, false));
  canvas.addEventListener('contextmenu', event => event.preventDefault());
  window.addEventListener('resize', fitCanvas);

  let data = null;
  async function loadData() {
    if (!data) {
      const response = await fetch(DATA_FILE);
      if (!response.ok)
        throw new Error(`${DATA_FILE} cannot be loaded (${response.status} ${response.statusText}); it belongs beside index.html`);
      data = await response.arrayBuffer();
    }
    return data;
  }

  // One game from the title page to its end; main's result says how it ended.
  async function play() {
    again.hidden = true;
    input.reset();
    sound.reset();
    let failure = '';
    let lastLine = '';
    const game = await createVellmora({
      vellmoraPage: {input, sound, openScreen, paint, nextFrame},
      getPreloadedPackage: () => data,
      print: line => {
        lastLine = line;
        console.log(line);
      },
      printErr: line => {
        if (line.startsWith(FAILURE_PREFIX))
          failure = failure || line.slice(FAILURE_PREFIX.length);
        else
          console.warn(line);
      },
    });
    const result = await game.ccall('main', 'number', ['number', 'number'], [0, 0], {async: true});
    if (result !== 0)
      throw new Error(failure || lastLine || `the game ended with status ${result}`);
    say('The game has ended.', false);
    again.hidden = false;
    again.focus();
  }

  async function start() {
    try {
      if (typeof WebAssembly !== 'object')
        throw new Error('this browser cannot run WebAssembly, which the game needs');
      if (typeof createVellmora !== 'function')
        throw new Error('vellmora.js cannot be loaded; it belongs beside index.html');
      await loadData();
      await play();
    } catch (error) {
      canvas.hidden = true;
      say(`The game cannot go on: ${error.message || error}`, true);
    }
  }

  again.addEventListener('click', start);
  start();
})();
