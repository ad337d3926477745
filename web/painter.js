// The canvas's own thread: it says it has started, the page hands it the
// canvas and then each band of rows that changed, and it puts them on the
// canvas. The page's main thread keeps nothing of a picture's way to the
// screen but the copy.
'use strict';
let context = null;

self.onmessage = (e) => {
  const m = e.data;
  if (m.canvas) {
    context = m.canvas.getContext('2d', {alpha: false});
  } else if (m.band) {
    const rows = m.band.byteLength / (4 * m.width);
    const image = new ImageData(new Uint8ClampedArray(m.band), m.width, rows);
    context.putImageData(image, 0, m.top, m.left, 0, m.right - m.left, rows);
  } else if (m.shown) {
    self.postMessage({shown: true});  // every band sent before this one is on the canvas
  } else if (m.read) {
    const data = context.getImageData(0, 0, context.canvas.width, context.canvas.height).data;
    self.postMessage({read: m.read, pixels: data.buffer}, [data.buffer]);
  }
};

// Only now is the canvas handed over: a painter that could not be loaded
// leaves it to the page.
self.postMessage({started: true});
