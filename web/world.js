// The world's winners table beside the picture, when the page is served by
// klumpix-server: the best ten of the board being played, each to watch,
// and after a name entry the game sent to the table, if the player said so.
// A page served without the server shows none of it. The game's own table,
// in the picture, stays the local one.
(() => {
  const kHere = 'klumpix-world-here';  // this page's server answered once
  const kSend = 'klumpix-world-send';  // the player's yes to sending games
  const kShown = 10;
  const kLook = 500;  // ms between looks for a confirmed game
  const panel = document.getElementById('world');

  function remembered(key) {
    try {
      return window.localStorage.getItem(key) === '1';
    } catch (e) {
      return false;
    }
  }
  function remember(key, yes) {
    try {
      if (yes) window.localStorage.setItem(key, '1'); else window.localStorage.removeItem(key);
    } catch (e) {
      // No storage: the choice lasts as long as the page.
    }
  }

  const style = document.createElement('style');
  style.textContent = `
    #world { position: fixed; right: 8px; top: 40px; width: 190px; padding: 6px 8px;
             background: rgba(20, 20, 20, 0.9); border: 1px solid #555; font: 12px sans-serif; }
    #world h2 { margin: 0 0 4px; font-size: 13px; font-weight: normal; }
    #world table { width: 100%; border-collapse: collapse; }
    #world td { padding: 1px 2px; }
    #world td.score { text-align: right; }
    #world a { color: #9cf; }
    #world label { display: block; margin-top: 6px; }
    #world p { margin: 4px 0 0; }
    body.full #world { display: none; }`;
  document.head.appendChild(style);

  panel.innerHTML = '<h2>World table</h2><table><tbody></tbody></table>' +
      '<label><input type="checkbox"> send my games to the world table</label><p></p>';
  const rows = panel.querySelector('tbody');
  const sendBox = panel.querySelector('input');
  const said = panel.querySelector('p');
  sendBox.checked = remembered(kSend);

  sendBox.addEventListener('change', () => remember(kSend, sendBox.checked));

  // Watches a game of the table here on the page, as any recording is.
  async function watch(entry) {
    try {
      const answer = await fetch(`api/recordings/${entry.id}`, {cache: 'no-store'});
      if (!answer.ok) throw new Error(String(answer.status));
      const bytes = new Uint8Array(await answer.arrayBuffer());
      const why = window.klumpix.openRecording(bytes, `${entry.name} ${entry.score}`);
      said.textContent = why;
    } catch (e) {
      said.textContent = 'The world table cannot be reached.';
    }
  }

  function cell(row, text, className) {
    const td = row.insertCell();
    td.textContent = text;
    if (className) td.className = className;
    return td;
  }

  function show(scores) {
    rows.replaceChildren();
    for (const entry of scores.slice(0, kShown)) {
      const row = rows.insertRow();
      cell(row, `${entry.place}.`);
      cell(row, entry.name);
      cell(row, String(entry.score), 'score');
      const link = document.createElement('a');
      link.href = `api/recordings/${entry.id}`;
      link.title = 'watch this game here (the link itself is its recording)';
      link.textContent = 'watch';
      link.addEventListener('click', (event) => {
        event.preventDefault();
        watch(entry);
      });
      cell(row, '').appendChild(link);
    }
    if (scores.length === 0) cell(rows.insertRow(), 'no games yet');
  }

  let board = 0;

  // Asks the server afresh (the service worker never keeps /api/).
  async function refresh(type) {
    board = type;
    let answer;
    try {
      answer = await fetch(`api/scores?type=${type}`, {cache: 'no-store'});
    } catch (e) {
      // Offline, or the server is down: say so where the table was seen before.
      if (remembered(kHere)) {
        panel.hidden = false;
        rows.replaceChildren();
        said.textContent = 'The world table cannot be reached.';
      }
      return;
    }
    let table = null;
    try {
      table = answer.ok ? await answer.json() : null;
    } catch (e) {
      table = null;
    }
    if (!table || !Array.isArray(table.scores)) {
      // A page served without the server.
      remember(kHere, false);
      panel.hidden = true;
      return;
    }
    remember(kHere, true);
    panel.hidden = false;
    if (said.textContent === 'The world table cannot be reached.') said.textContent = '';
    show(table.scores);
  }

  async function send(game) {
    said.textContent = 'Sending …';
    try {
      const answer = await fetch('api/scores', {
        method: 'POST',
        headers: {'Content-Type': 'application/json'},
        body: JSON.stringify(game),
      });
      const result = await answer.json();
      said.textContent = result.accepted ? `Sent: place ${result.place} in the world.` :
                                           `Not kept: ${result.reason}.`;
    } catch (e) {
      said.textContent = 'The world table cannot be reached.';
      return;
    }
    refresh(game.type);
  }

  // A game whose name entry is confirmed is what the session's recording
  // proves; the page hands it over once.
  function look() {
    const api = window.klumpix;
    if (!api || !api.running) return;
    const type = api.gameType();
    if (type !== board) refresh(type);
    const game = api.confirmedGame();
    if (game === null || panel.hidden) return;
    if (sendBox.checked) {
      send(game);
    } else {
      said.textContent = 'Tick "send my games" to send your next games to the world table.';
    }
  }

  setInterval(look, kLook);
  setInterval(() => { if (board > 0) refresh(board); }, 30000);
})();
