// Figures of the page in headless Chromium: time to the first picture (a new
// browser each run, so nothing is cached), and the CPU the page's main thread
// takes while a game waits to be started and while one is being played.
// usage: node measure_page.mjs SITE_DIR CHROMIUM [RUNS]
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [site, chromium, runs = '5'] = process.argv.slice(2);
const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm'};
const server = http.createServer((request, response) => {
  let name = new URL(request.url, 'http://localhost').pathname;
  if (name.endsWith('/')) name += 'index.html';
  fs.readFile(path.join(site, path.normalize(name)), (error, data) => {
    response.writeHead(error ? 404 : 200, {'content-type': types[path.extname(name)] || 'application/octet-stream'});
    response.end(error ? undefined : data);
  });
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const url = `http://127.0.0.1:${server.address().port}/`;

async function launch() {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${fs.mkdtempSync(path.join(os.tmpdir(), 'klumpix-measure-'))}`],
  });
}

const firsts = [];
for (let i = 0; i < Number(runs); ++i) {
  const browser = await launch();
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, {timeout: 60000});
  firsts.push(await page.evaluate(() => window.klumpix.firstPictureMs));
  await browser.close();
}
firsts.sort((a, b) => a - b);
console.log(`first picture after navigation start: median ${firsts[firsts.length >> 1].toFixed(0)} ms ` +
            `(runs: ${firsts.map((t) => t.toFixed(0)).join(', ')})`);

// CPU: the main thread's busy time over ten seconds, as a share of one core.
const browser = await launch();
const page = await browser.newPage();
await page.setViewport({width: 1000, height: 800});
await page.goto(url);
await page.waitForFunction(() => window.klumpix.firstPictureMs !== null, {timeout: 60000});
// Besides, the CPU of the page's whole renderer process: the main thread,
// the canvas's own thread and the browser's threads for the page.
const browserSession = await browser.target().createCDPSession();
async function rendererCpuSeconds() {
  const {processInfo} = await browserSession.send('SystemInfo.getProcessInfo');
  return processInfo.filter((p) => p.type === 'renderer').reduce((sum, p) => sum + p.cpuTime, 0);
}
async function busyShare(what) {
  const before = await page.metrics();
  const rendererBefore = await rendererCpuSeconds();
  const ticks = await page.evaluate(() => window.klumpix.tickCount());
  await new Promise((resolve) => setTimeout(resolve, 10000));
  const after = await page.metrics();
  const renderer = (await rendererCpuSeconds()) - rendererBefore;
  const played = await page.evaluate(() => window.klumpix.tickCount()) - ticks;
  console.log(`${what}: main thread busy ${(100 * (after.TaskDuration - before.TaskDuration) / 10).toFixed(1)} % ` +
              `of a core (the renderer process ${(100 * renderer / 10).toFixed(1)} %), ${played} ticks in 10 s`);
}
await busyShare('waiting for START');
const start = JSON.parse(await page.evaluate(() => window.klumpix.state())).objects.find((o) => o.slot === 12);
const box = await (await page.$('canvas')).boundingBox();
await page.mouse.move(box.x + (start.x + 0.5) * box.width / 800, box.y + (start.y + 0.5) * box.height / 600);
await page.mouse.down();
await page.waitForFunction(() => JSON.parse(window.klumpix.state()).game_running, {timeout: 60000});
await page.mouse.up();
await busyShare('a game running');
await browser.close();
server.close();
