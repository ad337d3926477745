// The page on a phone and as an installed app: the full-screen control, the
// hint to turn a phone held upright, the page's own words in the page's
// language, and the service worker that keeps the page for offline play.
(function () {
  'use strict';
  const kWords = {
    de: {
      fullScreen: 'Vollbild',
      leaveFullScreen: 'Vollbild beenden',
      turn: 'Telefon quer halten: so wird das Bild größer.',
      again: 'Neu starten',
      canvas: 'klumpix: das Spielfeld, mit Maus oder Finger gespielt',
    },
    en: {
      fullScreen: 'Full screen',
      leaveFullScreen: 'Leave full screen',
      turn: 'Turn your phone sideways for a bigger picture.',
      again: 'Start again',
      canvas: 'klumpix: the game board, played with mouse or finger',
    },
  };

  const canvas = document.getElementById('screen');
  const fullScreenButton = document.getElementById('fullscreen');
  const turnHint = document.getElementById('turn-hint');
  const againButton = document.getElementById('again');
  const touchDevice = navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches;
  const portrait = matchMedia('(orientation: portrait)');

  // The page's language as the page has chosen it, else the browser's first.
  function words() {
    const chosen = document.documentElement.lang ||
                   (navigator.languages && navigator.languages[0]) || navigator.language || '';
    return kWords[chosen.toLowerCase().startsWith('de') ? 'de' : 'en'];
  }

  function showWords() {
    const w = words();
    fullScreenButton.textContent = document.fullscreenElement ? w.leaveFullScreen : w.fullScreen;
    turnHint.textContent = w.turn;
    againButton.textContent = w.again;
    canvas.setAttribute('aria-label', w.canvas);
  }

  function showTurnHint() {
    turnHint.hidden = !(touchDevice && portrait.matches);
  }

  // Full screen, and on a phone the picture turned sideways where the
  // browser lets a page lock it.
  function enterFullScreen() {
    return document.documentElement.requestFullscreen({navigationUI: 'hide'})
        .then(() => screen.orientation && screen.orientation.lock('landscape'))
        .catch(() => {});
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else {
      enterFullScreen();
    }
  }

  fullScreenButton.hidden = !document.fullscreenEnabled;
  fullScreenButton.addEventListener('click', toggleFullScreen);
  document.addEventListener('fullscreenchange', () => {
    document.body.classList.toggle('full', document.fullscreenElement !== null);
    showWords();
    window.dispatchEvent(new Event('resize'));  // the picture fills what there is now
  });

  // On a touch device the first touch on the picture asks for full screen.
  let askedForFullScreen = false;
  canvas.addEventListener('pointerdown', (e) => {
    if (askedForFullScreen || e.pointerType !== 'touch' || !document.fullscreenEnabled) return;
    askedForFullScreen = true;
    if (!document.fullscreenElement) enterFullScreen();
  });

  againButton.addEventListener('click', () => window.location.reload());
  new MutationObserver(showWords).observe(document.documentElement,
                                           {attributes: true, attributeFilter: ['lang']});
  portrait.addEventListener('change', showTurnHint);
  showWords();
  showTurnHint();

  // After the game has loaded, so the worker's downloads do not slow it.
  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch((e) => console.warn('no offline play: ' + e.message));
    });
  }
})();
