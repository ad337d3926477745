// The world's winners table beside the picture, when the page is served by
// klumpix-server: the best ten of the board being played, each to watch,
// and after a name entry the game sent to the table, if the player said so.
// A page served without the server shows none of it. The game's own table,
// in the picture, stays the local one.
(() => {
  const kHere = 'klumpix-world-here';  // this page's server answered once
  const kSend = 'klumpix-world-send';  // the player's yes to sending games
  const kShown = 10;
  const kLook = 500;  // ms between looks at the game's state
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

  // A game is sent with its recording, so a player who said yes plays
  // recorded. The page reads the query when it starts, after this script.
  function recordingInQuery() {
    return new URLSearchParams(window.location.search).has('record');
  }
  if (remembered(kSend) && !recordingInQuery()) {
    const url = new URL(window.location.href);
    url.searchParams.set('record', '');
    window.history.replaceState(null, '', url.href);
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

  sendBox.addEventListener('change', () => {
    remember(kSend, sendBox.checked);
    // Only a recorded session can be sent: the page starts once more, recording.
    if (sendBox.checked && !recordingInQuery()) {
      const url = new URL(window.location.href);
      url.searchParams.set('record', '');
      window.location.replace(url.href);
    }
  });

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
      const watch = document.createElement('a');
      watch.href = `api/recordings/${entry.id}`;
      watch.download = `klumpix-world-${entry.id}.txt`;
      watch.title = 'the recording, to watch with klumpix --watch';
      watch.textContent = 'watch';
      cell(row, '').appendChild(watch);
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
    const recording = window.klumpix.recording();
    if (recording === '') {
      said.textContent = 'This game was not recorded, so it cannot be sent.';
      return;
    }
    said.textContent = 'Sending …';
    try {
      const answer = await fetch('api/scores', {
        method: 'POST',
        headers: {'Content-Type': 'application/json'},
        body: JSON.stringify({name: game.name, type: game.type, score: game.score, recording}),
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

  // A name entry ends when ENTER has put the name into the table; the game
  // it entered is what the recording proves.
  let entry = null;
  function look() {
    const api = window.klumpix;
    if (!api || !api.running) return;
    const s = JSON.parse(api.state());
    if (s.game_type !== board) refresh(s.game_type);
    if (s.screen_mode === 4) {
      entry = {type: s.game_type, score: s.score, place: s.winner_place};
      return;
    }
    if (entry !== null && entry.place >= 1) {
      const game = {type: entry.type, score: entry.score,
                    name: s.winner_name[entry.type - 1][entry.place - 1]};
      if (panel.hidden) {
        // No world table here.
      } else if (sendBox.checked) {
        send(game);
      } else {
        said.textContent = 'Tick "send my games" to send your next games to the world table.';
      }
    }
    entry = null;
  }

  setInterval(look, kLook);
  setInterval(() => { if (board > 0) refresh(board); }, 30000);
})();
