// Touch on the canvas. One finger: a short tap is a left click, a touch that
// moves is a left-button drag, a touch held still is the right button. Two
// fingers tapping together are Ctrl + click (sound on/off). A touch that
// begins just outside every target, nearest to one, is aimed at that target's
// centre, so the game, its recording and a replay all see the centre.
// The game names its targets (window.klumpix.hitAreas()); nothing here knows
// where they stand.
(function () {
  'use strict';
  const kAssistPx = 24;  // how far outside a target a touch still finds it, in CSS px
  const kHoldMs = 500;   // a touch held still this long becomes the right button
  const kSlopPx = 10;    // a touch that moves farther is a drag

  // game: {running(), hitAreas(), picturePoint(clientX, clientY), cssPerPixel(),
  //        tickCount(), move(x, y), press(button, ctrl), release(button, ctrl, over)}
  window.klumpixTouch = function attach(canvas, game) {
    const touches = new Map();  // pointerId -> {x, y} where it is now, in CSS px
    // The gesture of the touch that began it: null while no finger is down.
    let gesture = null;
    // Calls that must wait until a tick has seen the press (see send()).
    const queue = [];
    let gateTick = -1;

    // The left press of a drag must meet a tick at its start point before the
    // pointer moves on, or the game would see the press where the finger is
    // by then; the calls after it wait for the next tick.
    function send(call) {
      queue.push(call);
      flush();
    }
    function flush() {
      while (queue.length > 0 && game.tickCount() > gateTick) {
        const call = queue.shift();
        call();
      }
      if (queue.length > 0) requestAnimationFrame(flush);
    }
    function holdUntilNextTick() {
      gateTick = game.tickCount();
    }

    // Distance in CSS px from picture point p to the pixels the game counts
    // as inside box a (the open rectangle between its bounds).
    function distance(p, a) {
      const dx = Math.max(a.left + 1 - p.x, 0, p.x - a.right);
      const dy = Math.max(a.top + 1 - p.y, 0, p.y - a.bottom);
      return Math.hypot(dx, dy) * game.cssPerPixel();
    }

    // Where a touch at picture point p acts: p itself inside a target or far
    // from all, else the centre of the one target clearly nearest.
    function aim(p) {
      const at = {x: Math.floor(p.x), y: Math.floor(p.y)};
      let best = null;
      let bestDistance = Infinity;
      let secondDistance = Infinity;
      for (const a of game.hitAreas()) {
        if (a.left < at.x && at.x < a.right && a.top < at.y && at.y < a.bottom) return at;
        const d = distance(p, a);
        if (d < bestDistance) {
          secondDistance = bestDistance;
          bestDistance = d;
          best = a;
        } else if (d < secondDistance) {
          secondDistance = d;
        }
      }
      if (best === null || bestDistance > kAssistPx || bestDistance === secondDistance) return at;
      return {x: best.x, y: best.y};
    }

    function pictureOf(t) {
      const p = game.picturePoint(t.x, t.y);
      return {x: Math.floor(p.x), y: Math.floor(p.y)};
    }

    function over(p) {
      return p.x >= 0 && p.x < 800 && p.y >= 0 && p.y < 600;
    }

    function startHold() {
      if (gesture === null || gesture.kind !== 'undecided') return;
      gesture.kind = 'hold';
      const start = gesture.start;
      send(() => {
        game.move(start.x, start.y);
        game.press(2, false);
      });
    }

    function startDrag(now) {
      clearTimeout(gesture.timer);
      gesture.kind = 'drag';
      const start = gesture.start;
      send(() => {
        game.move(start.x, start.y);
        game.press(0, false);
        holdUntilNextTick();
      });
      const p = pictureOf(now);
      send(() => game.move(p.x, p.y));
    }

    function onDown(e) {
      e.preventDefault();
      touches.set(e.pointerId, {x: e.clientX, y: e.clientY});
      if (gesture === null) {
        const p = game.picturePoint(e.clientX, e.clientY);
        gesture = {kind: 'undecided', id: e.pointerId, began: {x: e.clientX, y: e.clientY},
                   time: performance.now(), start: aim(p), timer: setTimeout(startHold, kHoldMs)};
      } else if (gesture.kind === 'undecided' && touches.size === 2) {
        clearTimeout(gesture.timer);
        gesture.kind = 'two';
      }
    }

    function onMove(e) {
      const t = touches.get(e.pointerId);
      if (!t || gesture === null) return;
      t.x = e.clientX;
      t.y = e.clientY;
      const moved = Math.hypot(t.x - gesture.began.x, t.y - gesture.began.y);
      if (gesture.kind === 'undecided' && moved > kSlopPx) {
        startDrag(t);
      } else if (gesture.kind === 'two' && e.pointerId === gesture.id && moved > kSlopPx) {
        gesture.kind = 'ignored';  // two fingers moving: a pinch or a scroll, nothing for the game
      } else if ((gesture.kind === 'drag' || gesture.kind === 'hold') && e.pointerId === gesture.id) {
        const p = pictureOf(t);
        send(() => game.move(p.x, p.y));
      }
    }

    function onUp(e) {
      const t = touches.get(e.pointerId);
      if (!t) return;
      touches.delete(e.pointerId);
      if (gesture === null) return;
      const cancelled = e.type === 'pointercancel';
      const p = pictureOf(t);
      const g = gesture;
      if (g.kind === 'undecided' && !cancelled) {
        // A tap: press and release together; the quick-click rule lets the
        // next tick see the press.
        send(() => {
          game.move(g.start.x, g.start.y);
          game.press(0, false);
          game.release(0, false, true);
        });
      } else if (g.kind === 'drag' && e.pointerId === g.id) {
        send(() => {
          game.move(p.x, p.y);
          game.release(0, false, !cancelled && over(p));
        });
      } else if (g.kind === 'hold' && e.pointerId === g.id) {
        send(() => game.release(2, false, !cancelled && over(p)));
      } else if (g.kind === 'two' && touches.size === 0 && !cancelled &&
                 performance.now() - g.time < kHoldMs) {
        send(() => {
          game.press(0, true);
          game.release(0, true, true);
        });
      }
      clearTimeout(g.timer);
      if (g.kind !== 'two' && g.kind !== 'ignored' && e.pointerId === g.id) g.kind = 'done';
      if (touches.size === 0) gesture = null;
    }

    function touchOnly(handler) {
      return (e) => {
        if (e.pointerType === 'touch' && game.running()) handler(e);
      };
    }
    canvas.addEventListener('pointerdown', touchOnly(onDown));
    canvas.addEventListener('pointermove', touchOnly(onMove));
    canvas.addEventListener('pointerup', touchOnly(onUp));
    canvas.addEventListener('pointercancel', touchOnly(onUp));
  };
})();
