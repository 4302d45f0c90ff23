// The published player as hosts serve it: Apache reading the published
// .htaccess (AllowOverride All, FileInfo, None) and the preview server,
// each sending the runtime in brotli, gzip or as it is; the page plays in
// Chromium through each, and fetches no file twice.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const { execFileSync, spawn, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const readline = require('node:readline');
const { chromium } = require('playwright-core');
const { startApache } = require('./apacheHost.js');
const { watchFirstSound } = require('./firstSound.js');

const build = process.env.TUNEMILL_BUILD || path.join(__dirname, '../../build');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunemill-hosting-'));
test.after(() => fs.rmSync(work, { recursive: true, force: true }));

const wav = path.join(work, 'tune.wav');
const mp3 = path.join(work, 'tune.mp3');
execFileSync('sox', ['-n', '-r', '44100', '-c', '2', '-b', '16', wav, 'synth', '20', 'sine', '440']);
execFileSync('lame', ['--quiet', '-b', '128', wav, mp3]);
execFileSync(path.join(build, 'tunemill-publish'), ['--folder', path.join(work, 'site'), mp3], { stdio: 'ignore' });
const output = path.join(work, 'site/output');
const runtime = fs.readdirSync(path.join(output, 'ruffle'));
const wasm = runtime.find((name) => name.endsWith('.wasm'));
const core = runtime.find((name) => name.startsWith('core.ruffle.') && name.endsWith('.js'));

function get(base, file, headers = {}) {
  return new Promise((resolve, reject) => {
    http.get(new URL(file, base), { headers }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
    }).once('error', reject);
  });
}

function bytesOf(file) { return fs.readFileSync(path.join(output, file)); }

// What a host that reads the .htaccess, or the preview server, must send.
async function checkHeaders(base) {
  const year = 'public, max-age=31536000, immutable';
  for (const [accept, coding, suffix] of [['gzip, deflate, br', 'br', '.br'], ['gzip, br;q=0', 'gzip', '.gz'], ['', undefined, '']]) {
    for (const file of [`ruffle/${wasm}`, `ruffle/${core}`, 'ruffle/ruffle.js']) {
      const got = await get(base, file, accept ? { 'Accept-Encoding': accept } : {});
      assert.strictEqual(got.status, 200, `${file} ${accept}`);
      assert.strictEqual(got.headers['content-encoding'], coding, `${file} ${accept}`);
      assert.deepStrictEqual(got.body, bytesOf(file + suffix), `${file} ${accept}`);
      assert.match(got.headers['content-type'], file.endsWith('.wasm') ? /^application\/wasm/ : /^text\/javascript/);
      assert.match(got.headers.vary || '', /Accept-Encoding/i, file);
      assert.strictEqual(got.headers['cache-control'], file.endsWith('ruffle.js') ? 'no-cache' : year, file);
    }
  }
  for (const file of ['Player.htm', 'embed.html', 'Player.swf', 'music_list.xml', '1.swf']) {
    const got = await get(base, file);
    assert.strictEqual(got.headers['cache-control'], 'no-cache', file);
    assert.strictEqual((await get(base, file, { 'If-None-Match': got.headers.etag })).status, 304, file);
    assert.strictEqual((await get(base, file, { 'If-Modified-Since': got.headers['last-modified'] })).status, 304, file);
  }
  const part = await get(base, `ruffle/${wasm}`, { 'Accept-Encoding': 'br, gzip', Range: 'bytes=0-99' });
  assert.strictEqual(part.status, 206);
  assert.strictEqual(part.headers['content-encoding'], undefined);
  assert.deepStrictEqual(part.body, bytesOf(`ruffle/${wasm}`).subarray(0, 100));
}

// Plays the page with the browser taking `accept`; the encodings the
// runtime's files came with, by file.
async function playThrough(base, accept) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--disable-gpu', '--disable-quic', '--no-first-run'] });
  try {
    const page = await (await browser.newContext()).newPage();
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.setExtraHTTPHeaders', { headers: { 'Accept-Encoding': accept } });
    const asked = new Map();
    const codings = {};
    cdp.on('Network.requestWillBeSent', ({ request }) => asked.set(request.url, (asked.get(request.url) || 0) + 1));
    cdp.on('Network.responseReceived', ({ response }) => {
      codings[path.basename(new URL(response.url).pathname)] = response.headers['content-encoding'] || response.headers['Content-Encoding'] || 'none';
    });
    await page.addInitScript(watchFirstSound);
    await page.goto(new URL('Player.htm', base).href);
    await page.waitForFunction(() => window.firstSoundAt !== undefined, null, { timeout: 60000 });
    for (const [url, times] of asked) assert.strictEqual(times, 1, `${url} fetched ${times} times`);
    return codings;
  } finally {
    await browser.close();
  }
}

async function checkPlaying(base) {
  for (const [accept, coding] of [['gzip, deflate, br', 'br'], ['gzip, deflate', 'gzip'], ['identity', 'none']]) {
    const codings = await playThrough(base, accept);
    const chosen = Object.keys(codings).filter((name) => name.endsWith('.wasm'));
    assert.strictEqual(chosen.length, 1, JSON.stringify(codings));
    assert.strictEqual(codings[chosen[0]], coding, `${accept}: ${JSON.stringify(codings)}`);
    assert.strictEqual(codings['1.swf'], 'none');
  }
}

test('Apache with AllowOverride All or FileInfo sends what the .htaccess asks, and the page plays', async () => {
  assert.ok(fs.readFileSync(path.join(output, '.htaccess'), 'utf8').startsWith('# Written by Tunemill'));
  for (const allowOverride of ['All', 'FileInfo']) {
    const apache = await startApache(path.join(work, `apache-${allowOverride}`), output, allowOverride);
    try {
      await checkHeaders(apache.base);
      if (allowOverride === 'All') await checkPlaying(apache.base);
    } finally {
      await apache.stop();
    }
  }
});

test('Apache that reads no .htaccess still serves the player as it is', async () => {
  const apache = await startApache(path.join(work, 'apache-None'), output, 'None');
  try {
    const got = await get(apache.base, `ruffle/${wasm}`, { 'Accept-Encoding': 'br, gzip' });
    assert.strictEqual(got.status, 200);
    assert.strictEqual(got.headers['content-encoding'], undefined);
    assert.deepStrictEqual(got.body, bytesOf(`ruffle/${wasm}`));
    assert.strictEqual((await get(apache.base, 'Player.htm')).status, 200);
  } finally {
    await apache.stop();
  }
});

test('the preview server sends what Apache does, and the page plays through it', async () => {
  const server = spawn(path.join(build, 'tunemill-publish'), ['--serve', '--folder', path.dirname(output)],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  try {
    const address = await new Promise((resolve) => readline.createInterface({ input: server.stdout }).once('line', resolve));
    const base = new URL('/', address).href;
    await checkHeaders(base);
    await checkPlaying(base);
  } finally {
    server.kill('SIGTERM');
  }
});

test('a user\'s own .htaccess is kept, and said so in one line', () => {
  const folder = path.join(work, 'own');
  fs.mkdirSync(path.join(folder, 'output'), { recursive: true });
  fs.writeFileSync(path.join(folder, 'output/.htaccess'), 'Options -Indexes\n');
  const publish = spawnSync(path.join(build, 'tunemill-publish'), ['--folder', folder, mp3]);
  assert.strictEqual(publish.status, 0);
  const said = publish.stdout.toString() + publish.stderr.toString();
  assert.strictEqual(fs.readFileSync(path.join(folder, 'output/.htaccess'), 'utf8'), 'Options -Indexes\n');
  const lines = said.split('\n').filter((line) => line.includes('.htaccess'));
  assert.strictEqual(lines.length, 1, said);
  assert.match(lines[0], /Kept your own .*output\/\.htaccess/);
  execFileSync(path.join(build, 'tunemill-publish'), ['--folder', path.join(work, 'off'), '--htaccess', '0', mp3], { stdio: 'ignore' });
  assert.ok(!fs.existsSync(path.join(work, 'off/output/.htaccess')));
});
