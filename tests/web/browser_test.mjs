// The page in headless Chromium, played with real pointer events:
//  1. a played game, stopped at a fixed tick, replays natively to the same
//     state and the same picture, shown again whole after a recording was
//     watched over it;
//  2. without its painter (the canvas's own thread) the page paints the same
//     picture on its main thread; a touch tap on START starts a game;
//  3. a name entered after a game is in the winners column after a reload;
//     its game is kept, and a click on the name watches it;
//  4. with the storage full the kept table still shows, the page says new
//     saves will not be kept, and says no more once the storage has room;
//  5. a bad query names what is wrong with it instead of starting;
//  6. the page speaks the browser's language, ?lang=de overrides it, and the
//     language switch is remembered;
//  7. on a phone, upright and sideways: taps near targets, a long press, a
//     two-finger tap, the hint to turn it (phone_test.mjs);
//  8. the page installs, plays offline, and ends cleanly (phone_test.mjs);
//  9. a game in progress goes on after a reload, and a native recording is
//     watched on the page to the native end (keeping_test.mjs).
// usage: node browser_test.mjs SITE_DIR KLUMPIX_EXECUTABLE CHROMIUM
// Every wait is on a condition of the game, never on the clock.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';
import {gameGoesOnAfterAReload, keptGamesMakeRoom, watchingARecording} from './keeping_test.mjs';
import {installChecks, phoneChecks} from './phone_test.mjs';
import {enterName, holdUntil, kWait, mouseAt, objectAt, pagePoint, state, waitForState} from './page_driving.mjs';

const [site, klumpix, chromium] = process.argv.slice(2);
const kStopTick = 900;
const kSlotStart = 12;
const kReplayDir = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'replay');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'klumpix-browser-'));

function serve(dir) {
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                 '.webmanifest': 'application/manifest+json', '.png': 'image/png'};
  const server = http.createServer((request, response) => {
    let name = new URL(request.url, 'http://localhost').pathname;
    if (name.endsWith('/')) name += 'index.html';
    fs.readFile(path.join(dir, path.normalize(name)), (error, data) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {'content-type': types[path.extname(name)] || 'application/octet-stream'});
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// A page in `browser`, or in a context of its own when given one.
async function openPage(browser, server, query, languages = null) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  if (languages !== null) {
    await page.evaluateOnNewDocument((list) => {
      Object.defineProperty(navigator, 'languages', {get: () => list});
    }, languages);
  }
  await page.setViewport({width: 1000, height: 800});
  await page.goto(`http://127.0.0.1:${server.address().port}/${query}`);
  await page.bringToFront();
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
  return page;
}

// Starts a game with a quick click on START (released before a tick can see
// it), or by holding the button until the game runs.
async function startAndSetDownARow(page, quick) {
  let s = await state(page);
  const start = objectAt(s, kSlotStart);
  if (quick) {
    await mouseAt(page, start.x, start.y);
    await page.mouse.down();
    await page.mouse.up();
  } else {
    await holdUntil(page, start.x, start.y, 'the game started', (t) => t.game_running);
  }
  s = await waitForState(page, 'the game started', (t) => t.game_running);
  s = await waitForState(page, 'a store row filled', (t) => t.store.some((row) => row[1] > 0));
  const row = s.store.find((r) => r[1] > 0);
  const middle = objectAt(s, row[1]);
  await holdUntil(page, middle.x, middle.y, 'the row was taken', (t) => t.carried[0] > 0);
  const drop = s.objects.find((o) => o.kind === 4 && o.image === 1 && o.tag === 1 &&
                                     (o.variant === 8 || o.variant === 7));
  return holdUntil(page, drop.x, drop.y, 'the stones were set down', (t) => t.carried[0] === 0);
}

function readBmpPixels(file) {
  const bmp = fs.readFileSync(file);
  const rgb = Buffer.alloc(800 * 600 * 3);
  for (let y = 0; y < 600; ++y) {
    for (let x = 0; x < 800; ++x) {
      const at = 54 + (599 - y) * 2400 + 3 * x;
      rgb.set([bmp[at + 2], bmp[at + 1], bmp[at]], 3 * (y * 800 + x));
    }
  }
  return rgb;
}

// The canvas's pixels, RGB, as the player sees them.
async function canvasRgb(page) {
  return Buffer.from(await page.evaluate(async () => {
    const data = await window.klumpix.canvasPixels();
    let text = '';
    for (let i = 0; i < data.length; i += 4) text += String.fromCharCode(data[i], data[i + 1], data[i + 2]);
    return btoa(text);
  }), 'base64');
}

// The page's recording replayed natively to `ticks`: the same state dump and
// the picture `canvas`, pixel for pixel.
function expectNativeReplay(recording, ticks, browserState, canvas) {
  fs.writeFileSync(path.join(scratch, 'page.txt'), recording);
  execFileSync(klumpix, ['--headless', '--input', 'page.txt', '--ticks', String(ticks),
                         '--state', 'native.json', '--screenshot', 'native.bmp'], {cwd: scratch});
  const nativeState = fs.readFileSync(path.join(scratch, 'native.json'), 'utf8');
  if (nativeState !== browserState) {
    const a = JSON.parse(browserState);
    const b = JSON.parse(nativeState);
    const differing = Object.keys(b).filter((k) => JSON.stringify(a[k]) !== JSON.stringify(b[k]));
    throw new Error(`the replay's state differs in ${differing.join(', ')}`);
  }
  const native = readBmpPixels(path.join(scratch, 'native.bmp'));
  let differ = 0;
  for (let i = 0; i < 800 * 600; ++i) {
    if (native[3 * i] !== canvas[3 * i] || native[3 * i + 1] !== canvas[3 * i + 1] ||
        native[3 * i + 2] !== canvas[3 * i + 2]) ++differ;
  }
  if (differ !== 0) throw new Error(`${differ} pixels differ between the canvas and the replay`);
}

async function playedGameReplaysNatively(browser, server) {
  const page = await openPage(browser, server, `?seed=4711&record&ticks=${kStopTick}`);
  const placed = await startAndSetDownARow(page, true);
  if (placed.stones_placed === 0) throw new Error('no stones were set down');
  await page.waitForFunction(() => window.klumpix.stopped(), kWait);
  const browserState = await page.evaluate(() => window.klumpix.state());
  const recording = await page.evaluate(() => window.klumpix.recording());
  // Then a recording watched over the stopped game and closed at its end
  // (the click that closes it moves the stopped game's pointer, hence the
  // state first): the canvas shows the player's picture again, all of it.
  const watched = fs.readFileSync(path.join(kReplayDir, 'name_entry.txt'), 'utf8');
  const why = await page.evaluate((text) => window.klumpix.openRecording(new TextEncoder().encode(text), 'watched'),
                                  watched);
  if (why !== '') throw new Error(`the recording was not watched: ${why}`);
  await page.keyboard.press('End');
  await page.waitForFunction(() => JSON.parse(window.klumpix.watchState()).tick_count > 0, kWait);
  const close = await pagePoint(page, 500, 300);
  await page.mouse.click(close.x, close.y);
  await page.waitForFunction(() => !window.klumpix.watching(), kWait);
  const canvas = await canvasRgb(page);
  await page.close();
  expectNativeReplay(recording, kStopTick, browserState, canvas);
  console.log(`replay: tick ${kStopTick}, ${placed.stones_placed} stones placed, state equal, 0 pixels differ ` +
              'after a recording was watched over it');
}

// A page whose painter (the canvas's own thread) cannot be loaded paints on
// its main thread: the same game, the same picture.
async function aPageWithoutItsPainterStillPaints(browser, server) {
  // A context of its own: no offline cache there to serve the painter.
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url().endsWith('/painter.js') ? request.abort() : request.continue()));
  await page.setViewport({width: 1000, height: 800});
  await page.goto(`http://127.0.0.1:${server.address().port}/?seed=4712&record&ticks=200`);
  await page.bringToFront();
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
  await page.waitForFunction(() => window.klumpix.stopped(), kWait);
  if (await page.evaluate(() => window.Module.klumpix.paintsOffThread())) {
    throw new Error('a page without its painter says the painter paints');
  }
  const browserState = await page.evaluate(() => window.klumpix.state());
  const recording = await page.evaluate(() => window.klumpix.recording());
  expectNativeReplay(recording, 200, browserState, await canvasRgb(page));
  await context.close();
  console.log('painter: without painter.js the main thread painted tick 200 as the native replay');
}

async function touchTapStartsAGame(browser, server) {
  // A context of its own: the game it leaves running would go on at the
  // next test's first load.
  const context = await browser.createBrowserContext();
  const page = await openPage(context, server, '');
  await page.setViewport({width: 1000, height: 800, hasTouch: true, isMobile: true});
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  const start = objectAt(await state(page), kSlotStart);
  const p = await pagePoint(page, start.x, start.y);
  await page.touchscreen.tap(p.x, p.y);
  await waitForState(page, 'a tap started the game', (t) => t.game_running);
  await context.close();
  console.log('touch: a tap on START started a game');
}

async function savedNameSurvivesAReload(browser, server) {
  let page = await openPage(browser, server, '');
  // A winners table of nothing but zeros, so that any score enters it.
  await page.evaluate(() => {
    const table = new Uint8Array(8 * 5 * 16);
    for (let i = 0; i < table.length; i += 16) table[i] = 1, table[i + 1] = 0x2d;
    localStorage.setItem('klumpix/groar.dat', btoa(String.fromCharCode(...table)));
  });
  await page.reload();
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  await startAndSetDownARow(page, false);
  const name = 'KLUMP';
  await enterName(page, name);
  // A quick right click on SOUND turns it down a step; the page keeps that too.
  await mouseAt(page, 450, 27);
  await page.mouse.down({button: 'right'});
  await page.mouse.up({button: 'right'});
  await waitForState(page, 'the quieter sound', (t) => t.sound_volume === 34900);
  await watchTheKeptGame(page, name);
  await page.reload();
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  const s = await state(page);
  if (s.winner_name[s.game_type - 1][0] !== name) {
    throw new Error(`after the reload the winners are ${s.winner_name[s.game_type - 1].join(', ')}`);
  }
  if (s.sound_volume !== 34900) throw new Error(`after the reload the volume is ${s.sound_volume}`);
  await page.close();
  console.log(`storage: ${name} is first in the winners column after a reload; its kept game watched`);
}

// The first place just taken keeps its game; a click on the name watches it
// to the end, where the name is saved, and "close" leads back.
async function watchTheKeptGame(page, name) {
  const type = (await state(page)).game_type;
  await page.waitForFunction(async (t) => {
    const kept = await window.klumpixOpenKeptGames();
    return (await kept.get(`best${t}`)) !== undefined;
  }, kWait, type);
  const shown = (await state(page)).texts.find((t) => t[4] === name);
  await mouseAt(page, shown[0] + 20, shown[1] + 4);
  await page.mouse.down();
  await page.mouse.up();
  await page.waitForFunction(() => window.klumpix.watching(), kWait);
  await page.keyboard.press('End');
  await page.waitForFunction((t, n) => JSON.parse(window.klumpix.watchState()).winner_name[t - 1][0] === n,
                             kWait, type, name);
  await mouseAt(page, 500, 300);
  await page.mouse.down();
  await page.mouse.up();
  await page.waitForFunction(() => !window.klumpix.watching(), kWait);
}

// A query the option reader refuses is shown on the page instead of a game.
async function badQueriesAreNamed(browser, server) {
  const queries = {'?seed=abc': '--seed needs a whole number', '?ticks=': '--ticks needs a whole number',
                   '?ticks=-5': '--ticks needs a whole number'};
  for (const [query, message] of Object.entries(queries)) {
    const page = await browser.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/${query}`);
    await page.waitForFunction((m) => document.getElementById('status').textContent.includes(m),
                               kWait, message);
    await page.close();
  }
  console.log('query: bad options are named on the page');
}

async function fullStorageStillShowsTheKeptTable(browser, server) {
  const kFull = 'storage full: new winners and settings will not be kept';
  const page = await openPage(browser, server, '');
  await page.evaluate(() => {
    const table = new Uint8Array(8 * 5 * 16);
    for (let i = 0; i < table.length; i += 16) table[i] = 1, table[i + 1] = 0x51;  // "Q"
    localStorage.setItem('klumpix/groar.dat', btoa(String.fromCharCode(...table)));
    // No settings kept, so their first save needs room the storage lacks.
    localStorage.removeItem('klumpix/settings');
    // Fill the page's storage to the last character it takes.
    for (let size = 1 << 20, i = 0; size >= 1;) {
      try {
        localStorage.setItem(`filler/${i}`, 'x'.repeat(size));
        ++i;
      } catch (e) {
        size >>= 1;
      }
    }
  });
  await page.reload();
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  const status = () => page.evaluate(() => {
    const line = document.getElementById('status');
    return line.hidden ? '' : line.textContent;
  });
  const before = await waitForState(page, 'the menu', (t) => t.tick_count > 12);
  if (before.winner_name[before.game_type - 1][0] !== 'Q') {
    throw new Error(`with the storage full the winners are ${before.winner_name[before.game_type - 1].join(', ')}`);
  }
  if (await status() !== kFull) throw new Error(`with the storage full the page says '${await status()}'`);

  // A quieter sound cannot be kept yet; once there is room it is, and the note goes.
  await mouseAt(page, 450, 27);
  await page.mouse.down({button: 'right'});
  await page.mouse.up({button: 'right'});
  const quieter = before.sound_volume - 100;
  await waitForState(page, 'the quieter sound', (t) => t.sound_volume === quieter);
  if (await status() !== kFull) throw new Error(`after a refused save the page says '${await status()}'`);
  await page.evaluate(() => {
    for (const key of Object.keys(localStorage)) if (key.startsWith('filler/')) localStorage.removeItem(key);
  });
  await page.waitForFunction(() => document.getElementById('status').hidden, kWait);
  await page.reload();
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  const after = await state(page);
  if (after.sound_volume !== quieter) throw new Error(`once there was room the volume kept is ${after.sound_volume}`);
  await page.close();
  console.log('storage full: the kept table showed, the note went once a save was kept');
}

// The page's <html lang> and whether the frame's first button says EXIT or QUIT.
async function spoken(page) {
  const s = await state(page);
  const label = s.texts.find((t) => t[4] === 'EXIT' || t[4] === 'QUIT');
  return `${await page.evaluate(() => document.documentElement.lang)} ${label ? label[4] : 'none'}`;
}

async function expectSpoken(page, want, what) {
  const got = await spoken(page);
  if (got !== want) throw new Error(`${what}: the page speaks '${got}', not '${want}'`);
}

async function languageFollowsTheBrowserTheQueryAndTheSwitch(browser, server) {
  const english = ['en-US', 'de'];
  const page = await openPage(browser, server, '', english);
  await expectSpoken(page, 'en QUIT', 'an en-US browser');
  const asked = await openPage(browser, server, '?lang=de', english);
  await expectSpoken(asked, 'de EXIT', '?lang=de');
  await asked.close();

  await Promise.all([page.waitForNavigation(), page.click('button[data-language="de"]')]);
  await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  await expectSpoken(page, 'de EXIT', 'after the switch');
  await page.close();
  const again = await openPage(browser, server, '', english);
  await expectSpoken(again, 'de EXIT', 'a later visit');
  await Promise.all([again.waitForNavigation(), again.click('button[data-language="en"]')]);
  await again.waitForFunction(() => window.klumpix.firstPictureMs !== null, kWait);
  await expectSpoken(again, 'en QUIT', 'switched back');
  await again.close();
  console.log('language: en-US English, ?lang=de German, the switch kept across visits');
}

if (!fs.existsSync(path.join(site, 'klumpix.wasm'))) {
  console.error(`FAILED: no page in ${site}: run make web`);
  process.exit(1);
}
const server = await serve(site);
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         `--user-data-dir=${path.join(scratch, 'profile')}`],
});
let failed = false;
try {
  await playedGameReplaysNatively(browser, server);
  await aPageWithoutItsPainterStillPaints(browser, server);
  await touchTapStartsAGame(browser, server);
  await savedNameSurvivesAReload(browser, server);
  await fullStorageStillShowsTheKeptTable(browser, server);
  await badQueriesAreNamed(browser, server);
  await languageFollowsTheBrowserTheQueryAndTheSwitch(browser, server);
  const helpers = {state, waitForState, kWait, serve: () => serve(site), openPage, pagePoint,
                   startAndSetDownARow, klumpix, scratch};
  await gameGoesOnAfterAReload(browser, server, helpers);
  await watchingARecording(browser, server, helpers);
  await keptGamesMakeRoom(browser, server, helpers);
  let taps = 0;
  taps += await phoneChecks(browser, server, helpers, {width: 844, height: 390}, 20);
  taps += await phoneChecks(browser, server, helpers, {width: 390, height: 844}, 21);
  console.log(`phone: ${taps} taps in all`);
  await installChecks(browser, helpers);
} catch (error) {
  console.error(`FAILED: ${error.message}`);
  failed = true;
} finally {
  await browser.close();
  server.close();
  fs.rmSync(scratch, {recursive: true, force: true});
}
process.exit(failed ? 1 : 0);
