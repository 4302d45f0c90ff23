// What a listener waits for: a 6 × 4-minute album published with the
// default options, opened in Chromium (playwright-core) through the preview
// server and through Apache with the published .htaccess, with the network
// throttled over the DevTools protocol. For Player.htm, embed.html and a
// plain <audio> page of the same MP3 it prints the time from navigation to
// the first audible sample, and the bytes on the wire and the encoding of
// each file, on a first visit (empty cache) and a repeat visit (a new
// navigation with the cache kept), and checks them against the link:
//   first visit:  first sound ≤ 1.3 × (bytes ÷ link rate) + the same page's
//                 first sound unthrottled; runtime ≤ 4.5 MB (brotli),
//                 ≤ 5.2 MB (gzip only)
//   repeat visit: no runtime or track-movie byte; first sound ≤ 0.35 × the
//                 first visit's
// Run by hand: NODE_PATH=node_modules node bench/listener_benchmark.js [BUILD]
'use strict';

const { execFileSync, spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const readline = require('node:readline');
const { chromium } = require('playwright-core');
const { startApache } = require('../tests/browser/apacheHost.js');
const { watchFirstSound } = require('../tests/browser/firstSound.js');

const build = path.resolve(process.argv[2] || path.join(__dirname, '../build'));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunemill-listener-'));
const Profiles = [
  { name: 'unthrottled', bitsPerSecond: 0, latency: 0 },
  { name: '20 Mbit/s 40 ms', bitsPerSecond: 20e6, latency: 40 },
  { name: '4 Mbit/s 150 ms', bitsPerSecond: 4e6, latency: 150 },
];
const Pages = ['Player.htm', 'embed.html', 'audio.html'];

function makeAlbum() {
  const tracks = [];
  for (let n = 1; n <= 6; ++n) {
    const wav = path.join(work, `${n}.wav`);
    const mp3 = path.join(work, `track${n}.mp3`);
    // Four minutes of two tones under noise: music-like enough that MP3 does
    // not shrink it to nothing.
    execFileSync('sox', ['-n', '-r', '44100', '-c', '2', '-b', '16', wav, 'synth', '240', 'sine', String(200 + 40 * n),
      'pinknoise', 'remix', '1,2', '1,2', 'vol', '0.5']);
    execFileSync('lame', ['--quiet', '--cbr', '-b', '128', wav, mp3]);
    fs.rmSync(wav);
    tracks.push(mp3);
  }
  execFileSync(path.join(build, 'tunemill-publish'), ['--folder', path.join(work, 'site'), ...tracks], { stdio: 'ignore' });
  const output = path.join(work, 'site/output');
  fs.copyFileSync(tracks[0], path.join(output, 'track1.mp3'));
  fs.writeFileSync(path.join(output, 'audio.html'),
    '<!DOCTYPE html><html><head><title>audio</title></head><body><audio src="track1.mp3" autoplay controls></audio></body></html>\n');
  return output;
}

async function servePreview(output) {
  const server = spawn(path.join(build, 'tunemill-publish'), ['--serve', '--folder', path.dirname(output)],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  const address = await new Promise((resolve) => readline.createInterface({ input: server.stdout }).once('line', resolve));
  return { base: new URL('/', address).href, stop: () => server.kill('SIGTERM') };
}

// One navigation: the first sound, and per file the bytes on the wire, the
// encoding and how it came (network, 304, cache).
async function visit(page, cdp, url) {
  const files = new Map();
  const byId = new Map();
  const onSent = ({ requestId, request }) => byId.set(requestId, path.basename(new URL(request.url).pathname));
  const onResponse = ({ requestId, response }) => {
    const name = byId.get(requestId);
    if (name === undefined) return;
    const coding = response.headers['content-encoding'] || response.headers['Content-Encoding'] || 'none';
    const how = response.fromDiskCache || response.fromMemoryCache ? 'cache' : String(response.status);
    files.set(name, { bytes: 0, coding, how });
  };
  const onFinished = ({ requestId, encodedDataLength }) => {
    const file = files.get(byId.get(requestId));
    if (file) file.bytes += encodedDataLength;
  };
  const onCached = ({ requestId }) => { const file = files.get(byId.get(requestId)); if (file) file.how = 'cache'; };
  // A revalidated file is reported with its cached 200; the wire said 304.
  const revalidated = new Set();
  const onExtra = ({ requestId, statusCode }) => { if (statusCode === 304) revalidated.add(requestId); };
  cdp.on('Network.requestWillBeSent', onSent);
  cdp.on('Network.responseReceived', onResponse);
  cdp.on('Network.loadingFinished', onFinished);
  cdp.on('Network.requestServedFromCache', onCached);
  cdp.on('Network.responseReceivedExtraInfo', onExtra);
  await page.goto(url);
  await page.waitForFunction(() => window.firstSoundAt !== undefined, null, { timeout: 120000, polling: 20 });
  const firstSound = await page.evaluate(() => window.firstSoundAt) / 1000;
  await page.waitForTimeout(300);
  for (const requestId of revalidated) {
    const file = files.get(byId.get(requestId));
    if (file) file.how = '304';
  }
  for (const [event, handler] of [['Network.requestWillBeSent', onSent], ['Network.responseReceived', onResponse],
    ['Network.loadingFinished', onFinished], ['Network.requestServedFromCache', onCached],
    ['Network.responseReceivedExtraInfo', onExtra]]) cdp.off(event, handler);
  return { firstSound, files };
}

async function openContext(browser, profile, accept) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  if (accept) await cdp.send('Network.setExtraHTTPHeaders', { headers: { 'Accept-Encoding': accept } });
  if (profile.bitsPerSecond)
    await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: profile.latency,
      downloadThroughput: profile.bitsPerSecond / 8, uploadThroughput: profile.bitsPerSecond / 8 });
  await page.addInitScript(watchFirstSound);
  return { context, page, cdp };
}

const megabytes = (bytes) => (bytes / 1e6).toFixed(2) + ' MB';
const isRuntime = (name) => /\.(js|wasm)$/.test(name);
// What the page needs before its first sound: B in the rule.
const isStartFile = (page, name) => name === page || isRuntime(name) ||
  ['Player.swf', 'music_list.xml', '1.swf', 'track1.mp3'].includes(name);

function printVisit(label, result) {
  console.log(`    ${label}: first sound ${result.firstSound.toFixed(2)} s`);
  for (const [name, file] of result.files)
    console.log(`      ${name.padEnd(40)} ${String(file.bytes).padStart(9)} B  ${file.coding.padEnd(5)} ${file.how}`);
}

async function measure(browser, base, pageName, profile, unthrottled, accept) {
  const { context, page, cdp } = await openContext(browser, profile, accept);
  const first = await visit(page, cdp, base + pageName);
  const repeat = await visit(page, cdp, base + pageName);
  await context.close();
  console.log(`  ${pageName}, ${profile.name}${accept ? `, Accept-Encoding: ${accept}` : ''}`);
  printVisit('first visit', first);
  printVisit('repeat visit', repeat);
  const startBytes = [...first.files].filter(([name]) => isStartFile(pageName, name)).reduce((sum, [, f]) => sum + f.bytes, 0);
  const runtimeBytes = [...first.files].filter(([name]) => isRuntime(name)).reduce((sum, [, f]) => sum + f.bytes, 0);
  // Bodies only: a 304's bytes are its headers.
  const repeatBytes = [...repeat.files].filter(([name]) => isRuntime(name) || /\.swf$|\.mp3$/.test(name))
    .reduce((sum, [, f]) => sum + (f.how === '304' || f.how === 'cache' ? 0 : f.bytes), 0);
  // The <audio> page is the reference: it streams, so its rules do not apply.
  if (profile.bitsPerSecond && unthrottled !== undefined && pageName !== 'audio.html') {
    const bound = 1.3 * (startBytes * 8 / profile.bitsPerSecond) + unthrottled;
    console.log(`    B ${megabytes(startBytes)}, runtime ${megabytes(runtimeBytes)}; first sound ${first.firstSound.toFixed(2)} s` +
      ` against 1.3 × B ÷ rate + C = ${bound.toFixed(2)} s (C ${unthrottled.toFixed(2)} s): ${first.firstSound <= bound ? 'holds' : 'MISSED'}`);
    console.log(`    repeat: ${repeatBytes} bytes of runtime and movie bodies; ${repeat.firstSound.toFixed(2)} s` +
      ` against 0.35 × first = ${(0.35 * first.firstSound).toFixed(2)} s: ${repeat.firstSound <= 0.35 * first.firstSound ? 'holds' : 'MISSED'}`);
  }
  return first.firstSound;
}

async function measureHost(browser, name, base) {
  console.log(`${name} (${base})`);
  for (const pageName of Pages) {
    const unthrottled = await measure(browser, base, pageName, Profiles[0]);
    for (const profile of Profiles.slice(1)) await measure(browser, base, pageName, profile, unthrottled);
    if (pageName === 'Player.htm') {
      const gzipOnly = await measure(browser, base, pageName, Profiles[0], undefined, 'gzip, deflate');
      await measure(browser, base, pageName, Profiles[1], gzipOnly, 'gzip, deflate');
    }
  }
}

(async () => {
  const output = makeAlbum();
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--disable-gpu', '--disable-quic', '--no-first-run'] });
  try {
    const preview = await servePreview(output);
    try { await measureHost(browser, 'preview server', preview.base); } finally { preview.stop(); }
    const apache = await startApache(path.join(work, 'apache'), output, 'All');
    try { await measureHost(browser, 'Apache with .htaccess', apache.base); } finally { await apache.stop(); }
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
})();
