// Driving the game's page as a player does, for the tests in headless
// Chromium: the game's state, waits on it, and the mouse over the picture.
// Every wait is on a condition of the game or the page, never on the clock.

export const kWait = {timeout: 120000, polling: 50};

export async function state(page) {
  return JSON.parse(await page.evaluate(() => window.klumpix.state()));
}

export async function waitForState(page, what, test) {
  const deadline = Date.now() + kWait.timeout;
  for (;;) {
    const s = await state(page);
    if (test(s)) return s;
    if (Date.now() > deadline) throw new Error(`still waiting at tick ${s.tick_count} until ${what}`);
    if (await page.evaluate(() => window.klumpix.stopped())) {
      throw new Error(`the page stopped at tick ${s.tick_count} before ${what}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

export async function firstPicture(page) {
  await page.waitForFunction(() => window.klumpix && window.klumpix.firstPictureMs !== null, kWait);
}

// The page point over picture pixel (x, y).
export async function pagePoint(page, x, y) {
  const box = await (await page.$('canvas')).boundingBox();
  return {x: box.x + (x + 0.5) * box.width / 800, y: box.y + (y + 0.5) * box.height / 600};
}

export function objectAt(s, slot) {
  return s.objects.find((o) => o.slot === slot);
}

export async function mouseAt(page, x, y) {
  const p = await pagePoint(page, x, y);
  await page.mouse.move(p.x, p.y);
}

// Holds the left button over (x, y) until `test` holds. The release raises a
// click wherever the pointer is at the next tick, so that tick is awaited
// before the pointer may move on.
export async function holdUntil(page, x, y, what, test) {
  await mouseAt(page, x, y);
  await page.mouse.down();
  const s = await waitForState(page, what, test);
  await page.mouse.up();
  const released = await page.evaluate(() => window.klumpix.tickCount());
  await waitForState(page, `${what}, and a tick after the release`, (t) => t.tick_count > released);
  return s;
}
