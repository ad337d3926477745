// The page around the game module: the canvas, the pointer, Web Audio, the
// files kept in the browser's storage, the running game and the best games
// kept in its IndexedDB (kept_games.js), watching a recording, and the page's
// functions for tests and bug reports (window.klumpix).
(function () {
  'use strict';
  const kWidth = 800;
  const kHeight = 600;
  const kMaxCopies = 32;        // sounds playing at once, as the desktop mixer's channels
  const kDoubleClickMs = 500;   // presses this close in time and place count as one run
  const kDoubleClickPx = 32;
  const kStorePrefix = 'klumpix/';
  const kStoredFiles = ['groar.dat', 'settings'];

  const kKeepSessionMs = 500;   // the stored session is at most about this far behind
  const statusLine = document.getElementById('status');
  const againButton = document.getElementById('again');
  const canvas = document.getElementById('screen');
  const below = document.getElementById('below');
  let notice = '';  // a lasting note, shown once the game runs

  function fitCanvas() {
    const full = document.body.classList.contains('full');
    const height = window.innerHeight - (full ? 0 : canvas.offsetTop + below.offsetHeight);
    const scale = Math.max(0, Math.min(window.innerWidth / kWidth, height / kHeight));
    canvas.style.width = Math.floor(kWidth * scale) + 'px';
    canvas.style.height = Math.floor(kHeight * scale) + 'px';
  }

  function showStatus(text) {
    statusLine.textContent = text;
    statusLine.hidden = text === '';
    fitCanvas();
  }

  // The end of the page's game: the message and a way to start again.
  let messageShown = false;  // a message replaces the game for good
  function showMessage(text) {
    messageShown = true;
    canvas.hidden = true;
    againButton.hidden = false;
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    showStatus(text);
  }

  window.addEventListener('resize', fitCanvas);
  fitCanvas();
  if (typeof WebAssembly !== 'object') {
    showMessage('This browser cannot run WebAssembly, which klumpix needs.');
    return;
  }

  // --- files: groar.dat and the settings live in localStorage, as base64 ---
  // Storage that refuses writes (full to its quota) is still read: the kept
  // table and settings show, and only what changes from now on is lost.
  const kStorageFull = 'storage full: new winners and settings will not be kept';
  const kRetryAfterRefusalMs = 1000;
  let storage = null;
  let writesRefused = false;
  try {
    storage = window.localStorage;
    storage.getItem(kStorePrefix + 'probe');
  } catch (e) {
    storage = null;
  }
  if (storage !== null) {
    try {
      storage.setItem(kStorePrefix + 'probe', '1');
      storage.removeItem(kStorePrefix + 'probe');
    } catch (e) {
      writesRefused = true;
    }
  }
  const storedStamp = {};
  let refusedAtMs = -Infinity;

  // The lasting note under the game, shown once the game runs.
  function setNotice(text) {
    if (text === notice) return;
    notice = text;
    if (api.firstPictureMs !== null) showStatus(notice);
  }

  function bytesToBase64(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; ++i) text += String.fromCharCode(bytes[i]);
    return btoa(text);
  }

  function base64ToBytes(text) {
    const raw = atob(text);
    const bytes = new Uint8Array(raw.length);
    for (let i = 0; i < raw.length; ++i) bytes[i] = raw.charCodeAt(i);
    return bytes;
  }

  // A file's identity and age: a save writes a fresh file and renames it.
  // Looked up in the folder's own node rather than by path, and a file not
  // saved yet found missing in the folder's list rather than by an error:
  // this runs after every tick, and either costs more than the tick itself.
  let dataFolder = null;
  function stamp(path) {
    try {
      dataFolder = dataFolder || Module.FS.lookupPath('/data').node;
      const name = path.slice('/data/'.length);
      const listed = dataFolder.contents;
      if (listed !== null && typeof listed === 'object' && !(name in listed)) return null;
      const node = Module.FS.lookupNode(dataFolder, name);
      const st = node.node_ops.getattr(node);
      return st.ino + ' ' + st.mtime.getTime() + ' ' + st.size;
    } catch (e) {
      return null;
    }
  }

  // Before main(): the stored files are laid into /data. Without storage the
  // folder is not made, so a save fails on the game's screen.
  function loadStoredFiles() {
    if (storage === null) {
      notice = 'This browser keeps no storage for this page: the winners table and the settings will not be kept.';
      return;
    }
    if (writesRefused) notice = kStorageFull;
    Module.FS.mkdir('/data');
    for (const name of kStoredFiles) {
      const text = storage.getItem(kStorePrefix + name);
      if (text === null) continue;
      try {
        Module.FS.writeFile('/data/' + name, base64ToBytes(text));
      } catch (e) {
        continue;  // not base64: the game starts as without the file
      }
      storedStamp[name] = stamp('/data/' + name);
    }
  }

  // Stores each file the game saved since. A refused write is tried again a
  // little later, so the note goes once the storage has room again.
  function keepStoredFiles() {
    if (storage === null || performance.now() - refusedAtMs < kRetryAfterRefusalMs) return;
    let refusal = null;
    let stored = false;
    for (const name of kStoredFiles) {
      const path = '/data/' + name;
      const now = stamp(path);
      if (now === null || now === storedStamp[name]) continue;
      try {
        storage.setItem(kStorePrefix + name, bytesToBase64(Module.FS.readFile(path)));
        storedStamp[name] = now;
        stored = true;
      } catch (e) {
        refusal = e.name === 'QuotaExceededError' ? kStorageFull
                                                  : 'The browser did not keep ' + name + ': ' + e.message;
      }
    }
    if (refusal !== null) {
      refusedAtMs = performance.now();
      setNotice(refusal);
    } else if (stored && writesRefused) {
      setNotice('');
    }
    if (refusal !== null || stored) writesRefused = refusal !== null;
  }

  // --- the running game and the best games, kept in IndexedDB ---
  let kept = null;             // the kept games, once opened (kept_games.js)
  let stored = null;           // the session stored before this load: {text, tick}
  let keepingSession = false;  // this visit stores its session as it goes
  let keptSession = null;      // its tick and text as last stored ('' none, null not known)
  let sessionWrite = null;     // the write under way

  // A visit with ?seed, ?ticks or ?lang asks for a game of its own: it
  // neither goes on with the stored session nor replaces it.
  function ownGame() {
    return ['seed', 'ticks', 'lang'].some((name) => query.has(name));
  }

  async function openKeptGames() {
    kept = await window.klumpixOpenKeptGames();
    if (kept === null || ownGame()) return;
    keepingSession = true;
    let record;
    try {
      record = await kept.get('session');
    } catch (e) {
      record = undefined;
    }
    if (record === undefined) return;
    if (record !== null && typeof record.text === 'string' && Number.isInteger(record.tick)) {
      stored = record;
    } else {
      dropStoredSession('klumpix: the stored game is damaged');
    }
  }

  // Before main(): the stored session, where the module looks for it. The
  // module loads meanwhile; main() waits until the session is known.
  let keptGamesOpened = null;
  function layStoredSession() {
    Module.addRunDependency('kept games');
    keptGamesOpened.then(() => {
      if (stored !== null) {
        Module.FS.mkdir('/session');
        Module.FS.writeFile('/session/running.txt', stored.text);
      }
      Module.removeRunDependency('kept games');
    });
  }

  function dropStoredSession(why) {
    stored = null;
    kept.remove('session').catch(() => {});
    setNotice(why + '. A new game starts.');
  }

  // Stores the session when it changed; `force` also while a write is
  // under way, as the page goes away. A quit session is forgotten instead.
  function keepSession(force) {
    if (!keepingSession || !api.running) return;
    // Also when the stored game was quit before it was stored again: it
    // would end at every load.
    if (Module._klumpix_quit() !== 0) {
      forgetSession();
      return;
    }
    if (api.firstPictureMs === null || (sessionWrite !== null && !force)) return;
    const tick = api.tickCount();
    const text = api.session();  // '' while no game is in progress: nothing to keep
    const now = text === '' ? '' : tick + '\n' + text;
    if (now === keptSession) return;
    const write = (now === '' ? kept.remove('session') : kept.put('session', text, tick))
        .then(() => { keptSession = now; },
              (e) => console.warn('klumpix: the game was not stored: ' + e.message));
    sessionWrite = write;
    write.finally(() => { if (sessionWrite === write) sessionWrite = null; });
  }

  // From now on nothing is stored, and the stored session is gone.
  async function forgetSession() {
    keepingSession = false;
    if (kept !== null) await kept.remove('session').catch(() => {});
  }

  function keepBestGame(type, text) {
    kept.put('best' + type, text, api.tickCount())
        .catch((e) => console.warn('klumpix: the best game was not kept: ' + e.message));
  }

  async function watchKeptGame(type) {
    let record;
    try {
      record = await kept.get('best' + type);
    } catch (e) {
      record = undefined;
    }
    if (!record || typeof record.text !== 'string') return;  // none kept for this board
    const error = api.openRecording(new TextEncoder().encode(record.text), 'the kept game of board ' + type);
    if (error !== '') console.warn('klumpix: kept game skipped: ' + error);
  }

  window.addEventListener('pagehide', () => keepSession(true));
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) keepSession(true);
  });

  // --- sound: decoded on the first press, when the browser allows audio ---
  const wavs = [];
  const buffers = [];
  let audio = null;
  let copiesPlaying = 0;

  function startAudio() {
    if (audio !== null) return;
    const AudioContextClass = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextClass) return;
    audio = new AudioContextClass();
    wavs.forEach((bytes, id) => {
      audio.decodeAudioData(bytes.slice().buffer).then((b) => { buffers[id] = b; }, () => {});
    });
  }

  function playSound(id, volume, left, right) {
    if (audio === null || !buffers[id] || copiesPlaying >= kMaxCopies) return;
    const source = audio.createBufferSource();
    source.buffer = buffers[id];
    const merger = audio.createChannelMerger(2);
    [left, right].forEach((side, channel) => {
      const gain = audio.createGain();
      gain.gain.value = volume * side;
      source.connect(gain);
      gain.connect(merger, 0, channel);
    });
    merger.connect(audio.destination);
    ++copiesPlaying;
    source.onended = () => { --copiesPlaying; };
    source.start();
  }

  // --- the picture ---
  // Where the browser can, the canvas is painted on a thread of its own
  // (painter.js) and the main thread only copies what changed out of the
  // module. The canvas is handed over once the painter has started: a
  // painter that cannot be loaded leaves the canvas to the main thread.
  // Meanwhile the pictures wait in the module, and the painter or the main
  // thread starts with the latest whole.
  let painter = null;        // the worker, while it may paint
  let painterPaints = false;  // the canvas is the painter's
  let context = null;        // the main thread's, when it paints
  let image = null;
  let picture = null;        // where the module keeps its picture, once presented
  let firstPicture = false;  // the start-up tick's picture was presented
  const pixelRequests = [];  // answers awaited from the painter

  function startPainter() {
    if (typeof canvas.transferControlToOffscreen !== 'function' || typeof Worker !== 'function' ||
        typeof OffscreenCanvasRenderingContext2D !== 'function') {
      return false;
    }
    try {
      painter = new Worker('painter.js');
    } catch (e) {
      return false;
    }
    painter.onmessage = (e) => {
      if (e.data.started) handOverCanvas();
      if (e.data.shown) pictureShown();
      if (e.data.pixels) pixelRequests.shift()(new Uint8ClampedArray(e.data.pixels));
    };
    painter.onerror = (e) => {
      if (painterPaints) {
        showMessage('klumpix stopped with an error (see the console).');
      } else {
        e.preventDefault();
        paintHere();
      }
    };
    return true;
  }

  function handOverCanvas() {
    try {
      const offscreen = canvas.transferControlToOffscreen();
      painter.postMessage({canvas: offscreen}, [offscreen]);
    } catch (e) {
      paintHere();
      return;
    }
    painterPaints = true;
    catchUp();
  }

  function paintHere() {
    if (painter !== null) painter.terminate();
    painter = null;
    context = canvas.getContext('2d', {alpha: false});
    catchUp();
  }

  // The latest picture, whole, once the canvas has a painter.
  function catchUp() {
    if (picture !== null) present(picture, 0, 0, kWidth, kHeight);
    if (firstPicture) showFirstPicture();
  }

  // The first picture is shown once it is on the canvas; the painter says so.
  function showFirstPicture() {
    if (painterPaints) {
      painter.postMessage({shown: true});
    } else if (context !== null) {
      pictureShown();
    }
  }

  function pictureShown() {
    showLanguage(api.language());
    api.firstPictureMs = performance.now();
    showStatus(notice);
  }

  // Puts the rectangle of the picture that changed on the canvas. The
  // painter gets the whole rows it spans, copied out of the module at once.
  function present(pointer, left, top, right, bottom) {
    picture = pointer;
    const heap = Module.HEAPU8;
    if (painterPaints) {
      const band = heap.slice(pointer + top * kWidth * 4, pointer + bottom * kWidth * 4).buffer;
      painter.postMessage({band, top, left, right, width: kWidth}, [band]);
      return;
    }
    if (context === null) return;  // the painter is starting
    if (image === null || image.data.buffer !== heap.buffer || image.data.byteOffset !== pointer) {
      image = new ImageData(new Uint8ClampedArray(heap.buffer, pointer, kWidth * kHeight * 4),
                            kWidth, kHeight);
    }
    context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
  }

  if (!startPainter()) context = canvas.getContext('2d', {alpha: false});

  // --- the pointer: mouse, touch and pen alike ---
  const kButtonBits = [[1, 0], [4, 1], [2, 2]];  // DOM `buttons` bit and `button` number
  let held = 0;
  let lastPoint = null;
  let lastPress = {time: -Infinity, x: 0, y: 0, button: -1, clicks: 0};

  function picturePoint(e) {
    const r = canvas.getBoundingClientRect();
    return {x: Math.floor((e.clientX - r.left) * kWidth / r.width),
            y: Math.floor((e.clientY - r.top) * kHeight / r.height)};
  }

  function clickCount(e, button, now) {
    const quick = button === lastPress.button && now - lastPress.time <= kDoubleClickMs &&
        Math.abs(e.clientX - lastPress.x) <= kDoubleClickPx &&
        Math.abs(e.clientY - lastPress.y) <= kDoubleClickPx;
    lastPress = {time: now, x: e.clientX, y: e.clientY, button,
                 clicks: quick ? lastPress.clicks + 1 : 1};
    return lastPress.clicks;
  }

  function moveTo(p) {
    if (lastPoint === null || p.x !== lastPoint.x || p.y !== lastPoint.y) {
      lastPoint = p;
      Module._klumpix_pointer_move(p.x, p.y);
    }
  }

  // A release reaches the game; a left click on the first place's name
  // watches that board's kept game besides.
  function release(button, ctrl, over) {
    const type = Module._klumpix_pointer_up(button, ctrl ? 1 : 0, over ? 1 : 0);
    if (type > 0) watchKeptGame(type);
  }

  // While a recording is watched a left press goes to its controls; the
  // player's game sees nothing of the pointer, nor later the release of a
  // button pressed meanwhile.
  let watchHeld = 0;
  function watchPress(p) {
    startAudio();
    Module._klumpix_watch_press(Math.floor(p.x), Math.floor(p.y));
  }

  // Mouse and pen; touch has gestures of its own (touch.js).
  function onPointer(e) {
    if (!e.isPrimary || !api.running || e.pointerType === 'touch') return;
    const p = picturePoint(e);
    const buttons = e.type === 'pointercancel' ? 0 : e.buttons;
    if (api.watching()) {
      if ((buttons & 1) && !(held & 1)) watchPress(p);
      held = watchHeld = buttons;
      return;
    }
    moveTo(p);
    const ctrl = e.ctrlKey ? 1 : 0;
    for (const [bit, button] of kButtonBits) {
      if ((buttons & bit) && !(held & bit)) {
        startAudio();
        if (e.type === 'pointerdown') canvas.setPointerCapture(e.pointerId);
        Module._klumpix_pointer_down(button, clickCount(e, button, performance.now()), ctrl);
      } else if (!(buttons & bit) && (held & bit) && !(watchHeld & bit)) {
        release(button, ctrl, p.x >= 0 && p.x < kWidth && p.y >= 0 && p.y < kHeight);
      }
    }
    held = buttons;
    watchHeld &= buttons;
  }

  for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel']) {
    canvas.addEventListener(type, onPointer);
  }
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());

  // --- the language: ?lang for this visit, else the settings' `language`
  // line, which the switch writes, else the browser's first language (the
  // game reads it from its locale). The game says which it chose. ---
  const kLanguages = ['de', 'en'];
  const languageSwitch = document.getElementById('language');

  function showLanguage(language) {
    document.documentElement.lang = language;
    for (const button of languageSwitch.querySelectorAll('button')) {
      button.setAttribute('aria-pressed', String(button.dataset.language === language));
    }
  }

  // Keeps the choice in the stored settings and starts the page anew in it,
  // with a new game: a stored one would go on in the language it began in.
  // Without storage the query carries it.
  async function chooseLanguage(language) {
    await forgetSession();
    const url = new URL(window.location.href);
    url.searchParams.delete('lang');
    if (storage === null) {
      url.searchParams.set('lang', language);
    } else {
      let text = '';
      try {
        text = atob(storage.getItem(kStorePrefix + 'settings') || '');
      } catch (e) {
        text = '';  // not base64: the game would read it as no settings
      }
      const lines = text.split('\n').filter((line) => line.trim() !== '' &&
                                                       line.trim().split(/\s+/)[0] !== 'language');
      lines.push('language ' + language);
      storage.setItem(kStorePrefix + 'settings', btoa(lines.join('\n') + '\n'));
    }
    window.location.replace(url.href);
  }

  languageSwitch.addEventListener('click', (e) => {
    const language = e.target.dataset && e.target.dataset.language;
    if (language && language !== document.documentElement.lang) chooseLanguage(language);
  });

  // Touch presses only left, right, or Ctrl + left; every tap is one press
  // of its own (clicks 1), so tapping letters in a row spells them all.
  let touchWatchPoint = null;
  let touchWatchHeld = false;
  window.klumpixTouch(canvas, {
    running: () => api.running && !canvas.hidden,
    hitAreas: () => api.hitAreas(),
    picturePoint(clientX, clientY) {
      const r = canvas.getBoundingClientRect();
      return {x: (clientX - r.left) * kWidth / r.width, y: (clientY - r.top) * kHeight / r.height};
    },
    cssPerPixel: () => canvas.getBoundingClientRect().width / kWidth,
    // The player's game stands still while a recording is watched: no
    // gesture waits for its ticks then.
    tickCount: () => (api.watching() ? Infinity : api.tickCount()),
    move(x, y) {
      if (api.watching()) {
        touchWatchPoint = {x, y};
      } else {
        moveTo({x, y});
      }
    },
    press(button, ctrl) {
      startAudio();
      if (api.watching()) {
        if (button === 0 && touchWatchPoint !== null) watchPress(touchWatchPoint);
        touchWatchHeld = true;
        return;
      }
      Module._klumpix_pointer_down(button, 1, ctrl ? 1 : 0);
    },
    release(button, ctrl, over) {
      if (api.watching() || touchWatchHeld) {
        touchWatchHeld = false;
        return;
      }
      release(button, ctrl, over);
    },
  });

  // --- the page's functions ---
  const api = window.klumpix = {
    running: false,
    firstPictureMs: null,  // performance.now() when the first picture was shown
    tickCount: () => Module._klumpix_tick_count(),
    stopped: () => Module._klumpix_stopped() !== 0,
    recording: () => Module.UTF8ToString(Module._klumpix_recording()),
    // The game whose name entry was last confirmed, once: {name, type, score,
    // recording} (the session's recording up to it), or null.
    confirmedGame() {
      const text = Module.UTF8ToString(Module._klumpix_confirmed_game());
      return text === '' ? null : JSON.parse(text);
    },
    gameType: () => Module._klumpix_game_type(),
    // Resolves to the canvas's RGBA pixels, as the player sees them.
    canvasPixels() {
      if (context !== null) return Promise.resolve(context.getImageData(0, 0, kWidth, kHeight).data);
      if (!painterPaints) return new Promise((resolve) => setTimeout(resolve, 50)).then(api.canvasPixels);
      return new Promise((resolve) => {
        pixelRequests.push(resolve);
        painter.postMessage({read: true});
      });
    },
    state: () => Module.UTF8ToString(Module._klumpix_state()),
    language: () => Module.UTF8ToString(Module._klumpix_language()),
    // What the screen acts on now: {kind, id, left, top, right, bottom, x, y}
    // in picture pixels, inside meaning strictly between the bounds; (x, y)
    // is the centre. Kinds: 1 button, 2 store row, 3 drop field, 4 letter,
    // 5 game type.
    hitAreas() {
      const at = Module._klumpix_hit_areas() >> 2;
      const ints = Module.HEAP32;
      const areas = [];
      for (let i = 0; i < ints[at]; ++i) {
        const [kind, id, left, top, right, bottom, x, y] = ints.subarray(at + 1 + 8 * i, at + 9 + 8 * i);
        areas.push({kind, id, left, top, right, bottom, x, y});
      }
      return areas;
    },
    // The session as the page stores it, whether or not it records.
    session: () => Module.UTF8ToString(Module._klumpix_session()),
    // Resolves to the stored session {text, tick, saved}, or undefined.
    storedSession: () => (kept === null ? Promise.resolve(undefined) : kept.get('session')),
    watching: () => Module._klumpix_watching() !== 0,
    // The watched game's state dump; '' while none is watched.
    watchState: () => Module.UTF8ToString(Module._klumpix_watch_state()),
    // Watches the recording in `bytes` (a Uint8Array), called `name` in what
    // is said about it. Returns '' when it is shown, else why not.
    openRecording(bytes, name) {
      if (!api.running || api.firstPictureMs === null) return name + ': the game is not running yet';
      if (messageShown) return name + ': the game has ended';
      if (!Module.FS.analyzePath('/watch').exists) Module.FS.mkdir('/watch');
      Module.FS.writeFile('/watch/recording', bytes);
      const error = Module.ccall('klumpix_watch_open', 'string', ['string'], [name]);
      Module.FS.unlink('/watch/recording');
      return error;
    },
    // A watcher's key: 0 Space, 1 Right, 2 +, 3 -, 4 Home, 5 End.
    watchKey: (key) => Module._klumpix_watch_key(key),
    // Offers the recording as a file, for a bug report.
    saveRecording() {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([api.recording()], {type: 'text/plain'}));
      link.download = 'klumpix-input.txt';
      link.click();
    },
  };

  // The query's options: ?seed=N, ?record, ?ticks=N, ?lang=de|en.
  const query = new URLSearchParams(window.location.search);
  const args = [];
  if (query.has('seed')) args.push('--seed', query.get('seed'));
  if (query.has('record')) args.push('--record');
  if (query.has('ticks')) args.push('--ticks', query.get('ticks'));
  if (kLanguages.includes(query.get('lang'))) args.push('--language', query.get('lang'));

  const Module = window.Module = {
    arguments: args,
    preRun: [loadStoredFiles, layStoredSession],
    onRuntimeInitialized: () => {
      api.running = true;
      setInterval(() => keepSession(false), kKeepSessionMs);
    },
    setStatus: (text) => {
      if (api.firstPictureMs !== null || messageShown) return;
      showStatus(text || (stored !== null ? 'Restoring the game …' : 'Starting …'));
    },
    onAbort: () => showMessage('klumpix stopped with an error (see the console).'),
    klumpix: {
      present,
      loadSound: (id, pointer, size) => { wavs[id] = Module.HEAPU8.slice(pointer, pointer + size); },
      playSound,
      paintsOffThread: () => painterPaints,
      paused: () => document.hidden || !document.hasFocus(),
      afterTick(first) {
        keepStoredFiles();
        // A game just over is forgotten at once: a reload soon after must
        // not bring it back.
        if (keptSession && Module._klumpix_game_in_progress() === 0) keepSession(true);
        if (first) {
          firstPicture = true;
          showFirstPicture();
        }
      },
      showMessage(text) {
        showMessage(text);
        keepSession(true);
      },
      storedSessionTick: () => (stored === null ? -1 : stored.tick),
      dropStoredSession,
      keepsGames: () => kept !== null,
      keepBestGame,
    },
  };

  const script = document.createElement('script');
  script.src = 'klumpix.js';
  script.onerror = () => showMessage('The game could not be loaded.');
  // Without IndexedDB the game starts as a page that keeps no games.
  keptGamesOpened = openKeptGames().catch(() => {
    kept = null;
    keepingSession = false;
    stored = null;
  });
  document.body.appendChild(script);
})();
