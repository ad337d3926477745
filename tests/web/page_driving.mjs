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

// From the play screen: ENDE, `name` pressed letter by letter on the name
// entry, ENTER. Returns the state the name entry opened with.
export async function enterName(page, name) {
  const kSlotEnde = 6;
  const kSlotEnter = 14;
  const ende = objectAt(await state(page), kSlotEnde);
  const s = await holdUntil(page, ende.x, ende.y, 'the name entry', (t) => t.screen_mode === 4);
  for (let i = 0; i < name.length; ++i) {
    // Letter k of the row stands at x 95 + 20k .. 115 + 20k, y 360 .. 380.
    await mouseAt(page, 105 + 20 * (name.charCodeAt(i) - 65), 370);
    await page.mouse.down();
    await page.mouse.up();
    await waitForState(page, `letter ${i + 1}`, (t) => t.entry_name_length === i + 1);
    // Letters stand close together: two presses within the double-click time
    // would be one double click, whose second press gives no click.
    await new Promise((resolve) => setTimeout(resolve, 600));
  }
  const enter = objectAt(await state(page), kSlotEnter);
  await holdUntil(page, enter.x, enter.y, 'the save', (t) => t.screen_mode === 1);
  return s;
}
