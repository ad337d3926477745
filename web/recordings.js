// Watching a recording on the page: the button below the picture with its
// file chooser, a file dropped anywhere on the page, and the watcher's keys.
// What cannot be watched is said beside the button; nothing else changes.
(function () {
  'use strict';
  const kWords = {
    de: {open: 'Aufnahme öffnen', tooLarge: 'zu groß für eine Aufnahme'},
    en: {open: 'Open a recording', tooLarge: 'too large for a recording'},
  };
  const kMaxBytes = 16 << 20;  // as the module's kMaxRecordingBytes
  // The keys as window.klumpix.watchKey() numbers them; = is + without Shift.
  const kKeys = {' ': 0, 'ArrowRight': 1, '+': 2, '=': 2, '-': 3, 'Home': 4, 'End': 5};

  const button = document.getElementById('open-recording');
  const chooser = document.getElementById('recording-file');
  const message = document.getElementById('recording-message');

  // The page's language as the page has chosen it, else the browser's first.
  function words() {
    const chosen = document.documentElement.lang ||
                   (navigator.languages && navigator.languages[0]) || navigator.language || '';
    return kWords[chosen.toLowerCase().startsWith('de') ? 'de' : 'en'];
  }

  function say(text) {
    message.textContent = text;
    message.hidden = text === '';
  }

  async function open(file) {
    const game = window.klumpix;
    if (!game) return;
    if (file.size > kMaxBytes) {
      say(`${file.name}: ${words().tooLarge}`);
      return;
    }
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (e) {
      say(`${file.name}: ${e.message}`);
      return;
    }
    say(game.openRecording(bytes, file.name));
  }

  button.addEventListener('click', () => {
    button.blur();  // Space pauses the watched game, it does not press the button again
    chooser.click();
  });
  chooser.addEventListener('change', () => {
    if (chooser.files.length > 0) open(chooser.files[0]);
    chooser.value = '';  // the same file chosen again opens again
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer && e.dataTransfer.files[0];
    if (file) open(file);
  });

  document.addEventListener('keydown', (e) => {
    const game = window.klumpix;
    if (!game || !game.running || !game.watching() || !(e.key in kKeys)) return;
    e.preventDefault();
    game.watchKey(kKeys[e.key]);
  });

  function showWords() {
    button.textContent = words().open;
  }
  new MutationObserver(showWords).observe(document.documentElement,
                                           {attributes: true, attributeFilter: ['lang']});
  showWords();
})();
