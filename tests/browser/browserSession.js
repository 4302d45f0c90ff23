// Serves a published folder on loopback and opens a page of it in Debian's
// chromium through the bundled SWF runtime; collects the runtime's traces and
// the requests the player makes.
'use strict';

const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');

const ContentTypes = {
  '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.swf': 'application/x-shockwave-flash', '.xml': 'text/xml',
};

// The flags this machine's closed network needs, besides headless running.
const ChromiumFlags = [
  '--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

function serveFolder(folder) {
  const requests = [];
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requests.push(name);
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': ContentTypes[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({ server, requests, port: server.address().port }));
  });
}

// A page that plays `movie` through the runtime and hands its traces to the
// test.
function probePage(movie, width, height) {
  return `<!DOCTYPE html><html><head><script src="ruffle/ruffle.js"></script></head>
<body style="margin:0"><div id="stage"></div><script>
window.addEventListener('load', () => {
  const player = window.RufflePlayer.newest().createPlayer();
  player.style.width = '${width}px';
  player.style.height = '${height}px';
  document.getElementById('stage').appendChild(player);
  const api = player.ruffle ? player.ruffle() : player;
  // The observer reaches the runtime's instance, which exists once loading
  // has begun.
  // The canvas renderer: with WebGL in software the runtime covers the stage
  // with a warning.
  Promise.resolve(api.load({ url: '${movie}', autoplay: 'on', unmuteOverlay: 'hidden', splashScreen: false,
    preferredRenderer: 'canvas', logLevel: 'warn' })).then(() => { player.traceObserver = (message) => window.reportTrace(message); });
});
</script></body></html>`;
}

async function openSession(folder) {
  const served = await serveFolder(folder);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ChromiumFlags });
  const context = await browser.newContext();
  const page = await context.newPage();
  const traces = [];
  await page.exposeFunction('reportTrace', (message) => traces.push(message));
  const base = `http://127.0.0.1:${served.port}/`;
  return {
    page, traces, requests: served.requests, base,
    async close() {
      await browser.close();
      await new Promise((resolve) => served.server.close(resolve));
    },
  };
}

// Waits until `predicate` holds for the traces or the requests.
async function waitFor(predicate, timeout = 45000) {
  const end = Date.now() + timeout;
  while (Date.now() < end) {
    if (predicate()) return true;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return false;
}

module.exports = { openSession, probePage, waitFor };
