// The page on a phone, in Chromium's touch emulation: taps near targets act
// on them, a long press is the right button, a two-finger tap is Ctrl + click,
// the page asks to be turned when upright, installs, and plays offline.
// Used by browser_test.mjs, which passes its helpers.

const kAssistPx = 24;
const kButton = 1;
const kStoreRow = 2;
const kDropField = 3;
const kLetter = 4;
const kGameType = 5;
const kSlot = {exit: 5, ende: 6, spiel: 7, hilfe: 8, info: 9, sound: 10, licht: 11, start: 12,
               neu: 13, enter: 14, ja: 15};

// A small seeded generator, so a failing run can be repeated.
function random(seed) {
  let s = seed >>> 0;
  return () => {
    s = (Math.imul(s, 1664525) + 1013904223) >>> 0;
    return s / 4294967296;
  };
}

// CSS px from picture point p to the pixels the game counts as inside area a.
function distance(p, a, cssPerPixel) {
  const dx = Math.max(a.left + 1 - p.x, 0, p.x - a.right);
  const dy = Math.max(a.top + 1 - p.y, 0, p.y - a.bottom);
  return Math.hypot(dx, dy) * cssPerPixel;
}

function inside(a, x, y) {
  return a.left < x && x < a.right && a.top < y && y < a.bottom;
}

// A tap whose touch start and end are sent together: under load the two
// steps of page.touchscreen.tap() can lie 500 ms apart, which is a long press.
async function tap(session, x, y) {
  await Promise.all([
    session.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{x, y}]}),
    session.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []}),
  ]);
}

async function canvasBox(page) {
  return (await page.$('canvas')).boundingBox();
}

async function hitAreas(page) {
  return page.evaluate(() => window.klumpix.hitAreas());
}

// A whole CSS pixel within 24 CSS px of `target`'s box and nearer to it than
// to any other area (by a pixel at least, so rounding cannot tip it), on the
// canvas; sometimes inside the box.
function pointNear(target, areas, box, next) {
  const s = box.width / 800;
  const reach = kAssistPx / s;
  for (let tries = 0; tries < 100000; ++tries) {
    const x = Math.round(box.x + s * (target.left - reach + next() * (target.right - target.left + 2 * reach)));
    const y = Math.round(box.y + s * (target.top - reach + next() * (target.bottom - target.top + 2 * reach)));
    const p = {x: (x - box.x) / s, y: (y - box.y) / s};
    if (p.x < 0 || p.x >= 800 || p.y < 0 || p.y >= 600) continue;
    const d = distance(p, target, s);
    if (d > kAssistPx - 1) continue;
    const others = areas.filter((a) => a.kind !== target.kind || a.id !== target.id);
    if (others.every((a) => distance(p, a, s) > d + 1)) return {x, y, d};
  }
  throw new Error(`no point near target ${target.kind}/${target.id} is nearer to it than to all others`);
}

// A point more than 24 CSS px from every target.
function pointAwayFromAll(areas, box, next) {
  const s = box.width / 800;
  for (;;) {
    const x = Math.round(box.x + next() * box.width);
    const y = Math.round(box.y + next() * box.height);
    const p = {x: (x - box.x) / s, y: (y - box.y) / s};
    if (areas.every((a) => distance(p, a, s) > kAssistPx + 2)) return {x, y};
  }
}

export async function phoneChecks(browser, server, helpers, viewport, seed) {
  const {state, waitForState, kWait} = helpers;
  const next = random(seed);
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  await page.setViewport({...viewport, deviceScaleFactor: 3, isMobile: true, hasTouch: true});
  const session = await page.createCDPSession();
  const url = `http://127.0.0.1:${server.address().port}/`;
  await page.goto(url);
  // A winners table of zeros, so that any score enters it.
  await page.evaluate(() => {
    const table = new Uint8Array(8 * 5 * 16);
    for (let i = 0; i < table.length; i += 16) table[i] = 1, table[i + 1] = 0x2d;
    localStorage.setItem('klumpix/groar.dat', btoa(String.fromCharCode(...table)));
  });
  await page.reload();
  await page.bringToFront();  // the game pauses in a page without focus
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
  const name = `${viewport.width} x ${viewport.height}`;

  const upright = viewport.height > viewport.width;
  const hint = await page.$eval('#turn-hint', (e) => !e.hidden && e.textContent.length > 0);
  if (hint !== upright) throw new Error(`${name}: the hint to turn the phone is ${hint ? 'shown' : 'not shown'}`);

  // The first touch may take the page to full screen: one away from every
  // target, then the layout it leads to.
  const away = pointAwayFromAll(await hitAreas(page), await canvasBox(page), next);
  await tap(session, away.x, away.y);
  await page.waitForFunction(() => document.fullscreenElement !== null, {timeout: 3000}).catch(() => {});
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));

  // One tap near `target`; the next tick must see the pointer in its box.
  let taps = 0;
  async function tapNear(target) {
    const point = pointNear(target, await hitAreas(page), await canvasBox(page), next);
    const before = await state(page);
    await tap(session, point.x, point.y);
    // Ticks may have run between `before` and the tap: a tick after the tap.
    const sent = await page.evaluate(() => window.klumpix.tickCount());
    const after = await waitForState(page, `tap ${taps + 1}`, (t) => t.tick_count > sent + 1);
    if (!inside(target, after.mouse_x, after.mouse_y)) {
      throw new Error(`${name}: a tap ${point.d.toFixed(1)} CSS px from target ${target.kind}/${target.id} ` +
                      `left the pointer at ${after.mouse_x}, ${after.mouse_y}`);
    }
    ++taps;
    return {before, after};
  }

  function pick(areas, test) {
    const fitting = areas.filter(test);
    return fitting.length === 0 ? null : fitting[Math.floor(next() * fitting.length)];
  }
  const isButton = (...slots) => (a) => a.kind === kButton && slots.includes(a.id);

  // Between games: the type menu and the screen and setting buttons.
  for (let i = 0; i < 14; ++i) {
    const target = pick(await hitAreas(page), (a) => a.kind === kGameType ||
        isButton(kSlot.spiel, kSlot.hilfe, kSlot.info, kSlot.sound, kSlot.licht)(a));
    const {before, after} = await tapNear(target);
    if (target.kind === kGameType && after.game_type !== target.id) {
      throw new Error(`${name}: a tap near game type ${target.id} chose ${after.game_type} (${JSON.stringify([before.tick_count, after.tick_count, after.right_button_down])})`);
    }
    if (isButton(kSlot.sound)(target) && after.sound_volume !== Math.min(before.sound_volume + 100, 50000)) {
      throw new Error(`${name}: a tap near SOUND made the volume ${after.sound_volume}`);
    }
  }
  // The zeros above stand for the first five types' columns only.
  await tapNear(pick(await hitAreas(page), (a) => a.kind === kGameType && a.id <= 5));
  await tapNear(pick(await hitAreas(page), isButton(kSlot.spiel)));
  await tapNear(pick(await hitAreas(page), isButton(kSlot.start)));
  await waitForState(page, 'the game started', (t) => t.game_running);
  // The store fills on its countdowns: the taps begin with stones to take.
  await page.waitForFunction((kind) => window.klumpix.hitAreas().some((a) => a.kind === kind), kWait, kStoreRow);

  // A game: rows taken onto the pointer and set down on drop fields.
  for (let i = 0; i < 50; ++i) {
    const s = await state(page);
    const areas = await hitAreas(page);
    const carrying = s.carried[0] > 0;
    const target = pick(areas, (a) => a.kind === (carrying ? kDropField : kStoreRow)) ||
                   pick(areas, (a) => a.kind === kDropField || isButton(kSlot.sound, kSlot.licht)(a));
    const {after} = await tapNear(target);
    if (target.kind === kStoreRow && after.carried[0] === s.carried[0]) {
      throw new Error(`${name}: a tap near store row ${target.id} took nothing`);
    }
  }
  let s = await state(page);
  if (s.stones_placed === 0) throw new Error(`${name}: no stones were set down`);

  // ENDE, and a name spelt on the letters.
  await tapNear(pick(await hitAreas(page), isButton(kSlot.ende)));
  await waitForState(page, 'the name entry', (t) => t.screen_mode === 4);
  for (let i = 0; i < 31; ++i) {
    const {before, after} = await tapNear(pick(await hitAreas(page),
                                               (a) => a.kind === kLetter || isButton(kSlot.neu)(a)));
    const grown = after.entry_name_length === Math.min(before.entry_name_length + 1, 7);
    if (!grown && after.entry_name_length !== 0) {
      throw new Error(`${name}: after a tap the name is ${after.entry_name_length} letters long`);
    }
  }
  await tapNear(pick(await hitAreas(page), isButton(kSlot.enter)));
  await waitForState(page, 'the board after the name', (t) => t.screen_mode === 1);

  // A long press on SOUND is the right button: quieter while it is held.
  const sound = (await hitAreas(page)).find(isButton(kSlot.sound));
  const box = await canvasBox(page);
  const at = {x: box.x + (sound.x + 0.5) * box.width / 800, y: box.y + (sound.y + 0.5) * box.height / 600};
  const loud = (await state(page)).sound_volume;
  const finger = await page.touchscreen.touchStart(at.x, at.y);
  await waitForState(page, 'a quieter sound', (t) => t.sound_volume < loud);
  await finger.end();
  await waitForState(page, 'the right button released', (t) => !t.right_button_down);

  // Two fingers tapping together: Ctrl + click turns the sound off.
  if (!(await state(page)).sound_on) throw new Error(`${name}: the sound is off before the two-finger tap`);
  const rest = pointAwayFromAll(await hitAreas(page), box, next);
  await Promise.all([
    session.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{...rest, id: 0}]}),
    session.send('Input.dispatchTouchEvent', {
      type: 'touchStart', touchPoints: [{...rest, id: 0}, {x: box.x + box.width / 2, y: box.y + box.height / 2, id: 1}]}),
    session.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []}),
  ]);
  await waitForState(page, 'the sound turned off', (t) => !t.sound_on);
  console.log(`phone ${name}: ${taps} taps near targets acted on them; long press quieter; ` +
              `two fingers sound off${upright ? '; turn hint shown' : ''}`);
  await context.close();
  return taps;
}

// Installability, offline play from the service worker's cache, and EXIT
// then JA leaving an ended page with a way back.
export async function installChecks(browser, helpers) {
  const {waitForState, kWait, serve} = helpers;
  // The browser's own profile (an incognito context cannot install), on a
  // server of its own, so this origin is new and its server can go away.
  const server = await serve();
  const page = await browser.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  const url = `http://127.0.0.1:${server.address().port}/`;
  await page.goto(url);
  await page.bringToFront();
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
  const session = await page.createCDPSession();
  const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
  if (installabilityErrors.length > 0) {
    throw new Error(`installability errors: ${installabilityErrors.map((e) => e.errorId).join(', ')}`);
  }
  const caches = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return caches.keys();
  });
  if (caches.length !== 1 || !/^klumpix-\d+\.\d+\.\d+$/.test(caches[0])) {
    throw new Error(`the offline caches are ${caches.join(', ')}`);
  }

  // The server gone: the reload must come from the cache.
  server.closeAllConnections();
  await new Promise((resolve) => server.close(resolve));
  const response = await page.reload();
  if (!response.fromServiceWorker()) throw new Error('offline, the page did not come from the service worker');
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
  const tick = await page.evaluate(() => window.klumpix.tickCount());
  await page.waitForFunction((t) => window.klumpix.tickCount() > t + 10, kWait, tick);

  // EXIT, then JA: the game ends and the page says so, with nothing frozen.
  const press = async (slot) => {
    const area = (await page.evaluate(() => window.klumpix.hitAreas())).find((a) => a.kind === kButton && a.id === slot);
    const box = await canvasBox(page);
    await page.mouse.click(box.x + (area.x + 0.5) * box.width / 800, box.y + (area.y + 0.5) * box.height / 600);
  };
  await press(kSlot.exit);
  await waitForState(page, 'the confirm box', (t) => t.confirm_open);
  await press(kSlot.ja);
  await page.waitForFunction(() => document.getElementById('again').offsetParent !== null, kWait);
  const shown = await page.$eval('canvas', (c) => getComputedStyle(c).display);
  if (shown !== 'none') throw new Error(`after JA the canvas is still displayed (${shown})`);
  console.log(`install: no installability errors, cache ${caches[0]}; offline reload played; ` +
              'EXIT, JA: an ended page with a way to start again');
  await page.close();
}
