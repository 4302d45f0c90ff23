// What the published players show beyond playing: timed lyrics in the
// Real-like skin, the page made for framing, and text that fits its box in
// every skin at device scales 1 and 2.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { openSession, probePage, waitFor } = require('./browserSession.js');

const build = process.env.TUNEMILL_BUILD || path.join(__dirname, '../../build');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunemill-extras-'));
test.after(() => fs.rmSync(work, { recursive: true, force: true }));
const shots = path.join(build, 'screenshots');
fs.mkdirSync(shots, { recursive: true });

function makeTrack(name, seconds) {
  const wav = path.join(work, `${name}.wav`);
  const mp3 = path.join(work, `${name}.mp3`);
  execFileSync('sox', ['-n', '-r', '22050', '-c', '1', '-b', '16', wav, 'synth', String(seconds), 'sine', '440']);
  execFileSync('lame', ['--quiet', wav, mp3]);
  return mp3;
}

const sung = makeTrack('sung', 3);
fs.writeFileSync(path.join(work, 'sung.lrc'), '[00:00.30]Morning, gypsy, jump quietly\n[00:02.50]\n');
const plain = makeTrack('plain', 3);
execFileSync(path.join(build, 'tests/browser_fixtures'), [work, plain]);

const LongTitle = 'Morning gypsy jogging quietly by the jetty, typing lyrics for a long, long playlist';

let folders = 0;
function publish(skin, files, options = []) {
  const folder = path.join(work, `site${++folders}`);
  const said = execFileSync(path.join(build, 'tunemill-publish'),
    ['--folder', folder, '--skin', skin, '--title', LongTitle, '--autonext', '1', '--loop', '0', ...options, ...files],
    { stdio: ['ignore', 'pipe', 'ignore'] }).toString();
  const output = path.join(folder, 'output');
  for (const movie of ['probe12.swf', 'probe38.swf', 'probeText.swf'])
    fs.copyFileSync(path.join(work, movie), path.join(output, movie));
  return { output, said };
}

async function withProbe(output, probe, width, height, contextOptions, check) {
  fs.writeFileSync(path.join(output, 'probe.htm'), probePage(probe, width, height));
  const session = await openSession(output, contextOptions);
  try {
    await session.page.goto(session.base + 'probe.htm');
    await check(session);
  } finally {
    await session.close();
  }
}

test('real-like: a track with lyrics shows its lines, the next track without lyrics clears them', async () => {
  const { output } = publish('real-like', [`${sung}=${LongTitle}`, plain]);
  await withProbe(output, 'probe38.swf', 300, 60, {}, async (session) => {
    const states = () => session.traces.filter((t) => t.startsWith('state|')).map((t) => t.split('|'));
    // nCur is field 1, the lyric the last one.
    const lyricOf = (track) => states().filter((s) => s[1] === String(track)).map((s) => s[s.length - 1]);
    assert.ok(await waitFor(() => lyricOf(0).includes('Morning, gypsy, jump quietly')), 'the line is shown');
    await session.page.screenshot({ path: path.join(shots, 'lyrics.png'), clip: { x: 0, y: 0, width: 300, height: 60 } });
    assert.ok(await waitFor(() => lyricOf(1).length > 5), 'the second track plays');
    assert.ok(lyricOf(1).slice(2).every((line) => line === ''), `no line left over: ${lyricOf(1)}`);
  });
});

test('embed.html plays the player at its size, without margins or scroll bars, and the snippet frames it', async () => {
  const { output, said } = publish('simple', [plain], ['--embed-base', 'https://example.org/music']);
  assert.strictEqual(said, `<iframe src="https://example.org/music/embed.html" width="205" height="25" title="${LongTitle}" style="border:0"></iframe>\n`);
  const session = await openSession(output);
  try {
    // The size the snippet's frame gives it.
    await session.page.setViewportSize({ width: 205, height: 25 });
    await session.page.goto(session.base + 'embed.html');
    const loaded = await session.page.waitForFunction(() => {
      const player = document.querySelector('ruffle-object, ruffle-embed, ruffle-player');
      return player && player.readyState === 2;
    }, null, { timeout: 30000 }).then(() => true, () => false);
    assert.ok(loaded, 'the runtime loaded Player.swf');
    assert.ok(await waitFor(() => session.requests.includes('/1.swf')), 'the player asked for its track');
    const layout = await session.page.evaluate(() => {
      const player = document.querySelector('ruffle-object, ruffle-embed, ruffle-player').getBoundingClientRect();
      return { x: player.x, y: player.y, width: player.width, height: player.height,
        scrollWidth: document.documentElement.scrollWidth, scrollHeight: document.documentElement.scrollHeight };
    });
    assert.deepStrictEqual(layout, { x: 0, y: 0, width: 205, height: 25, scrollWidth: 205, scrollHeight: 25 });
  } finally {
    await session.close();
  }
});

function overlaps(a, b) {
  return a.xMin < b.xMax && b.xMin < a.xMax && a.yMin < b.yMax && b.yMin < a.yMax;
}

// The runtime's own measure of each text field: where its glyphs are drawn
// (inside the field's gutter, cut at the field) must hold them whole in
// height, single words whole in width, and touch no other element.
for (const [skin, width, height] of [['real-like', 300, 60], ['wmp-like', 300, 60], ['simple', 205, 25]]) {
  for (const scale of [1, 2]) {
    test(`${skin} at device scale ${scale}: every text is whole inside its box`, async () => {
      const lrc = path.join(work, 'long.lrc');
      fs.copyFileSync(sung, path.join(work, 'long.mp3'));
      fs.writeFileSync(lrc, `[00:00.00]${LongTitle}\n`);
      const { output } = publish(skin, [`${path.join(work, 'long.mp3')}=${LongTitle}`], ['--autonext', '0']);
      await withProbe(output, 'probeText.swf', width, height, { deviceScaleFactor: scale }, async (session) => {
        const boxes = () => {
          const latest = {};
          for (const t of session.traces.filter((line) => line.startsWith('box|'))) {
            const [, name, xMin, yMin, xMax, yMax, textWidth, textHeight, text, x, y, w, h] = t.split('|');
            latest[name] = Number.isNaN(+xMin)
              ? { name, xMin: +x, yMin: +y, xMax: +x + +w, yMax: +y + +h, textWidth: +textWidth,
                textHeight: +textHeight, text }
              : { name, xMin: +xMin, yMin: +yMin, xMax: +xMax, yMax: +yMax, x: +x, y: +y };
          }
          // The logo's mark is placed inside the logo button.
          const mark = latest.txtMark, logo = latest.btnLogo;
          if (mark && logo)
            Object.assign(mark, { xMin: mark.xMin + logo.x, xMax: mark.xMax + logo.x, yMin: mark.yMin + logo.y,
              yMax: mark.yMax + logo.y });
          return latest;
        };
        const filled = (b) => b.txtTitle && b.txtTitle.text === LongTitle && b.txtTime && /\d:\d+ \/ \d/.test(b.txtTime.text)
          && (!b.txtBuffer || b.txtBuffer.text === LongTitle) && (!b.txtLyric || b.txtLyric.text === LongTitle);
        assert.ok(await waitFor(() => filled(boxes()), 30000), JSON.stringify(boxes()));
        await session.page.screenshot({ path: path.join(shots, `skin-${skin}-x${scale}.png`),
          clip: { x: 0, y: 0, width, height } });
        const all = Object.values(boxes());
        const texts = all.filter((b) => b.name.startsWith('txt'));
        const others = all.filter((b) => !b.name.startsWith('txt'));
        const gutter = 2;
        for (const field of texts) {
          const fieldHeight = field.yMax - field.yMin - 2 * gutter;
          assert.ok(field.textHeight <= fieldHeight, `${field.name}: text ${field.textHeight} px high in ${fieldHeight}`);
          if (!field.text.includes(LongTitle))
            assert.ok(field.textWidth <= field.xMax - field.xMin - 2 * gutter,
              `${field.name}: "${field.text}" ${field.textWidth} px wide in ${field.xMax - field.xMin - 2 * gutter}`);
          // Across, a long text reaches the field's edge, where it is cut.
          const ink = { xMin: field.xMin, yMin: field.yMin + gutter, xMax: field.xMax,
            yMax: field.yMin + gutter + field.textHeight };
          assert.ok(ink.xMin >= 1 && ink.xMax <= width - 1 && ink.yMin >= 0 && ink.yMax <= height,
            `${field.name} stays on the stage, inside its border`);
          for (const other of others.filter((o) => !(field.name === 'txtMark' && o.name === 'btnLogo')))
            assert.ok(!overlaps(ink, other), `${field.name} ${JSON.stringify(ink)} runs under ${other.name} ${JSON.stringify(other)}`);
        }
      });
    });
  }
}
