// Games the page keeps and watches:
//  1. a game in progress goes on after a reload at the same tick and state,
//     and the session the page stored replays natively to that state; a
//     damaged stored game is dropped with a message;
//  2. a native recording opened through the file chooser watches to the
//     state the native game ends in, while the player's game stands still; a
//     dropped file that is no recording is named beside the button;
//  3. kept games make room for a new one by dropping the oldest other.
// Used by browser_test.mjs, which passes its helpers.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

const kReplayDir = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'replay');

// The native game's state dump at tick_count `ticks` of `script`, run in a
// folder of its own so no winners table of ours is read or written.
function nativeState(klumpix, scratch, name, script, ticks) {
  const dir = fs.mkdtempSync(path.join(scratch, `${name}-`));
  fs.writeFileSync(path.join(dir, 'input.txt'), script);
  execFileSync(klumpix, ['--headless', '--input', 'input.txt', '--ticks', String(ticks),
                         '--state', 'state.json'], {cwd: dir});
  return fs.readFileSync(path.join(dir, 'state.json'), 'utf8');
}

function expectSameState(got, want, what) {
  if (got === want) return;
  const a = JSON.parse(got);
  const b = JSON.parse(want);
  const differing = Object.keys(b).filter((k) => JSON.stringify(a[k]) !== JSON.stringify(b[k]));
  throw new Error(`${what}: the states differ in ${differing.join(', ')}`);
}

export async function gameGoesOnAfterAReload(browser, server, helpers) {
  const {openPage, startAndSetDownARow, state, kWait, klumpix, scratch} = helpers;
  const context = await browser.createBrowserContext();
  const page = await openPage(context, server, '');
  const placed = await startAndSetDownARow(page, false);
  // Another page in front: this one loses the focus and its game stands still.
  const front = await context.newPage();
  await front.bringToFront();
  await page.waitForFunction(async () => {
    const stored = await window.klumpix.storedSession();
    return stored !== undefined && stored.tick === window.klumpix.tickCount();
  }, kWait);
  const before = await page.evaluate(() => window.klumpix.state());
  const stored = await page.evaluate(() => window.klumpix.storedSession());

  await page.reload();
  // The stored game caught up with: a game in progress, at the tick it was left at.
  await page.waitForFunction(() => window.klumpix && window.klumpix.running &&
                                   window.klumpix.session() !== '', kWait);
  expectSameState(await page.evaluate(() => window.klumpix.state()), before, 'after the reload');
  await page.bringToFront();
  await page.waitForFunction((t) => window.klumpix.tickCount() > t + 5, kWait, stored.tick);
  // Live again, and the same session: its recording goes on from the stored one.
  if (!(await page.evaluate(() => window.klumpix.session())).startsWith(stored.text)) {
    throw new Error('after the reload the session\'s recording does not go on from the stored one');
  }
  expectSameState(nativeState(klumpix, scratch, 'session', stored.text, stored.tick), before,
                  'the stored game replayed natively');

  // A damaged stored game is dropped with a message, and a new game starts.
  // The visit that damages it has a seed of its own, so it stores nothing.
  await page.close();
  const damaging = await openPage(context, server, '?seed=1');
  await damaging.evaluate(async () => {
    const kept = await window.klumpixOpenKeptGames();
    await kept.put('session', 'seed 1\nno event here\n', 400);
  });
  await damaging.close();
  const fresh = await openPage(context, server, '');
  const said = await fresh.$eval('#status', (e) => e.textContent);
  if (!said.includes('the stored game:2:') || (await state(fresh)).game_running) {
    throw new Error(`after a damaged stored game the page says '${said}'`);
  }
  await context.close();
  console.log(`reload: the game went on at tick ${stored.tick} with ${JSON.parse(before).stones_placed} ` +
              `stones placed (${placed.stones_placed} set down); its recording replays natively`);
}

// A file of `text` dropped onto the page, as a browser hands it over.
async function drop(page, name, text) {
  await page.evaluate((n, t) => {
    const data = new DataTransfer();
    data.items.add(new File([t], n, {type: 'text/plain'}));
    document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));
  }, name, text);
}

async function choose(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-recording')]);
  await chooser.accept([file]);
}

export async function watchingARecording(browser, server, helpers) {
  const {openPage, pagePoint, kWait, klumpix, scratch} = helpers;
  const context = await browser.createBrowserContext();
  const page = await openPage(context, server, '');

  await drop(page, 'not-a-recording.txt', 'seed 1\nthis is no event\n');
  await page.waitForFunction(() => !document.getElementById('recording-message').hidden, kWait);
  const said = await page.$eval('#recording-message', (e) => e.textContent);
  if (!said.startsWith('not-a-recording.txt:2:')) throw new Error(`for a bad file the page says '${said}'`);
  if (await page.evaluate(() => window.klumpix.watching())) throw new Error('a bad file is watched');

  const script = path.join(kReplayDir, 'name_entry.txt');
  await choose(page, script);
  await page.waitForFunction(() => window.klumpix.watching(), kWait);
  const still = await page.evaluate(() => window.klumpix.tickCount());
  await page.keyboard.press('End');
  await page.waitForFunction(() => JSON.parse(window.klumpix.watchState()).tick_count > 0, kWait);
  const watched = await page.evaluate(() => window.klumpix.watchState());
  const end = JSON.parse(watched).tick_count;
  expectSameState(watched, nativeState(klumpix, scratch, 'watched', fs.readFileSync(script), end),
                  'the watched recording');
  if (await page.evaluate(() => window.klumpix.tickCount()) !== still) {
    throw new Error('the player\'s game went on while a recording was watched');
  }
  // "close", offered at the end.
  const close = await pagePoint(page, 500, 300);
  await page.mouse.click(close.x, close.y);
  await page.waitForFunction(() => !window.klumpix.watching(), kWait);
  await page.waitForFunction((t) => window.klumpix.tickCount() > t, kWait, still);
  await context.close();
  console.log(`watch: a bad file dropped was named; name_entry.txt chosen and watched to its end at tick ${end}, ` +
              'state as native; closed, the game went on');
}

export async function keptGamesMakeRoom(browser, server, helpers) {
  const {openPage} = helpers;
  const context = await browser.createBrowserContext();
  // A seed of its own: this visit stores no session beside what it keeps.
  const page = await openPage(context, server, '?seed=1');
  const left = await page.evaluate(async () => {
    const kept = await window.klumpixOpenKeptGames();
    for (const key of ['best1', 'session', 'best2']) {
      await kept.put(key, key, 0);
      await new Promise((resolve) => setTimeout(resolve, 5));  // each later than the one before
    }
    // The browser refuses the next write once, as when it is out of room.
    const put = IDBObjectStore.prototype.put;
    let refusals = 1;
    IDBObjectStore.prototype.put = function (...args) {
      if (refusals-- > 0) throw new DOMException('out of room', 'QuotaExceededError');
      return put.apply(this, args);
    };
    await kept.put('best1', 'best1 anew', 0);  // itself the oldest: the next oldest goes
    IDBObjectStore.prototype.put = put;
    const keys = ['best1', 'session', 'best2'];
    return Promise.all(keys.map(async (key) => [key, await kept.get(key)]));
  });
  const got = left.map(([key, record]) => `${key} ${record ? record.text : 'none'}`).join(', ');
  if (got !== 'best1 best1 anew, session none, best2 best2') throw new Error(`after a refusal: ${got}`);
  await context.close();
  console.log('room: a refused write dropped the oldest kept game and was kept');
}
