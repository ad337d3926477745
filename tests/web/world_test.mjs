// The world table on the page, served by a real klumpix-server: the panel
// shows beside the picture, a player who says yes to sending plays a game,
// enters a name, finds it first in the world table, and its recording (the
// "watch" link) replays natively and on the page to that very entry.
// usage: node world_test.mjs SITE_DIR KLUMPIX_SERVER KLUMPIX_EXECUTABLE CHROMIUM
// Every wait is on a condition of the game or the page, never on the clock.
import {execFileSync, spawn} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {enterName, firstPicture, holdUntil, kWait, objectAt, state, waitForState} from './page_driving.mjs';

const [site, klumpixServer, klumpix, chromium] = process.argv.slice(2);
const kSlotStart = 12;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'klumpix-world-'));

// The server on a free port of 127.0.0.1, serving the page beside its API.
function startServer() {
  const server = spawn(klumpixServer, ['--db', `sqlite:${scratch}/world.db`, '--site', site,
                                       '--listen', '127.0.0.1:0'], {stdio: ['ignore', 'pipe', 'inherit']});
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /listening on 127\.0\.0\.1:(\d+)/.exec(said);
      if (port) resolve({server, port: Number(port[1])});
    });
    server.on('exit', (code) => reject(new Error(`klumpix-server ended with ${code}: ${said}`)));
  });
}

// START, one row set down, ENDE, the name spelt, ENTER.
async function playAndEnter(page, name) {
  let s = await state(page);
  const start = objectAt(s, kSlotStart);
  await holdUntil(page, start.x, start.y, 'the game started', (t) => t.game_running);
  s = await waitForState(page, 'a store row filled', (t) => t.store.some((row) => row[1] > 0));
  const row = s.store.find((r) => r[1] > 0);
  const middle = objectAt(s, row[1]);
  await holdUntil(page, middle.x, middle.y, 'the row was taken', (t) => t.carried[0] > 0);
  const drop = s.objects.find((o) => o.kind === 4 && o.image === 1 && o.tag === 1 &&
                                     (o.variant === 8 || o.variant === 7));
  await holdUntil(page, drop.x, drop.y, 'the stones were set down', (t) => t.carried[0] === 0);
  return enterName(page, name);
}

const {server, port} = await startServer();
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', `--user-data-dir=${path.join(scratch, 'profile')}`],
});
let failed = false;
try {
  const page = await browser.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  await page.setViewport({width: 1000, height: 800});
  await page.goto(`http://127.0.0.1:${port}/`);
  await firstPicture(page);
  // A winners table of nothing but zeros, so that any score enters it.
  await page.evaluate(() => {
    const table = new Uint8Array(8 * 5 * 16);
    for (let i = 0; i < table.length; i += 16) table[i] = 1, table[i + 1] = 0x2d;
    localStorage.setItem('klumpix/groar.dat', btoa(String.fromCharCode(...table)));
  });
  await page.waitForSelector('#world:not([hidden])', kWait);
  const empty = await page.$eval('#world tbody', (t) => t.textContent);
  if (empty !== 'no games yet') throw new Error(`a new world table shows "${empty}"`);

  // Saying yes is all it takes: the page keeps every session's recording.
  await page.click('#world input');
  // The zeros table is read when the page starts.
  await page.reload();
  await firstPicture(page);
  await page.waitForSelector('#world:not([hidden])', kWait);
  if (!(await page.$eval('#world input', (box) => box.checked))) throw new Error('the yes was forgotten');
  const entered = await playAndEnter(page, 'WORLD');
  await page.waitForFunction(() => !['', 'Sending …'].includes(document.querySelector('#world p').textContent),
                             kWait);
  const answer = await page.$eval('#world p', (p) => p.textContent);
  if (answer !== 'Sent: place 1 in the world.') throw new Error(`the page says "${answer}"`);
  await page.waitForFunction(() => document.querySelector('#world tbody').textContent.includes('WORLD'),
                             kWait);
  const first = await page.$eval('#world tbody tr', (row) => [...row.cells].map((c) => c.textContent));
  if (first[0] !== '1.' || first[1] !== 'WORLD' || first[2] !== String(entered.score)) {
    throw new Error(`the world table's first row is ${first.join(' ')}`);
  }

  // Watching: the kept recording replays natively to that entry.
  const href = await page.$eval('#world tbody a', (a) => a.href);
  const recording = await (await fetch(href)).text();
  fs.writeFileSync(path.join(scratch, 'world.txt'), recording);
  execFileSync(klumpix, ['--headless', '--input', path.join(scratch, 'world.txt'),
                         '--state', path.join(scratch, 'world.json')]);
  const replayed = JSON.parse(fs.readFileSync(path.join(scratch, 'world.json'), 'utf8'));
  const names = replayed.winner_name[entered.game_type - 1];
  if (names[0] !== 'WORLD') throw new Error(`the watched recording ends with ${names.join(', ')}`);

  // And on the page: "watch" opens it, and its end shows the entry.
  await page.click('#world tbody a');
  await page.waitForFunction(() => window.klumpix.watching(), kWait);
  await page.evaluate(() => window.klumpix.watchKey(5));  // End
  const watched = JSON.parse(await page.evaluate(() => window.klumpix.watchState()));
  if (watched.winner_name[entered.game_type - 1][0] !== 'WORLD') {
    throw new Error(`watched on the page, the game ends with ${watched.winner_name[entered.game_type - 1]}`);
  }
  console.log(`world: WORLD sent from the page, first in the world table with ${entered.score}, ` +
              'its recording replayed natively and watched on the page');
} catch (error) {
  console.error(`FAILED: ${error.message}`);
  failed = true;
} finally {
  await browser.close();
  server.kill('SIGTERM');
  fs.rmSync(scratch, {recursive: true, force: true});
}
process.exit(failed ? 1 : 0);
