// Serves a published folder on loopback with the command line's own server
// and opens a page of it in Debian's chromium through the bundled SWF
// runtime; collects the runtime's traces and the requests the player makes.
'use strict';

const { spawn } = require('node:child_process');
const path = require('node:path');
const readline = require('node:readline');
const { chromium } = require('playwright-core');

const build = process.env.TUNEMILL_BUILD || path.join(__dirname, '../../build');

// The flags this machine's closed network needs, besides headless running.
const ChromiumFlags = [
  '--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// Serves `output` (a published output folder) the way users do:
// `tunemill-publish --serve`, on a free loopback port.
function serveFolder(output) {
  const server = spawn(path.join(build, 'tunemill-publish'), ['--serve', '--folder', path.dirname(output)],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  const lines = readline.createInterface({ input: server.stdout });
  return new Promise((resolve, reject) => {
    server.once('exit', (code) => reject(new Error(`tunemill-publish --serve ended with ${code}`)));
    lines.once('line', (address) => {
      server.removeAllListeners('exit');
      resolve({ server, base: new URL('/', address).href });
    });
  });
}

function stopServing(server) {
  return new Promise((resolve) => {
    server.once('exit', resolve);
    server.kill('SIGTERM');
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

// `contextOptions` are the browser context's, for example a device scale.
async function openSession(folder, contextOptions = {}) {
  const served = await serveFolder(folder);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ChromiumFlags });
  const context = await browser.newContext(contextOptions);
  const page = await context.newPage();
  const traces = [];
  const requests = [];
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (url.origin === new URL(served.base).origin) requests.push(decodeURIComponent(url.pathname));
  });
  await page.exposeFunction('reportTrace', (message) => traces.push(message));
  return {
    page, traces, requests, base: served.base,
    async close() {
      await browser.close();
      await stopServing(served.server);
    },
  };
}

// A browser with no server, for pages opened from disk.
async function openBrowser() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ChromiumFlags });
  const page = await (await browser.newContext()).newPage();
  return { page, close: () => browser.close() };
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

module.exports = { openSession, openBrowser, probePage, waitFor };
