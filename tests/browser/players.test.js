// The published players in a real browser: each skin plays its playlist
// through the bundled SWF runtime with the options the user chose.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { openBrowser, openSession, probePage, waitFor } = require('./browserSession.js');

const build = process.env.TUNEMILL_BUILD || path.join(__dirname, '../../build');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunemill-browser-'));
test.after(() => fs.rmSync(work, { recursive: true, force: true }));

// Button centres in stage pixels, as skins/SkinDesign.cpp places them.
const Skins = {
  'wmp-like': { probe: 'probe12.swf', play: [32, 48], prev: [12, 48], next: [52, 48] },
  'real-like': { probe: 'probe38.swf', play: [29, 50], prev: [11, 50], next: [47, 50] },
  simple: { probe: 'probe12.swf', play: [30, 12], prev: [11, 12], next: [68, 12], stop: [49, 12] },
};

function makeTrack(name, frequency, seconds) {
  const wav = path.join(work, `${name}.wav`);
  const mp3 = path.join(work, `${name}.mp3`);
  execFileSync('sox', ['-n', '-r', '22050', '-c', '1', '-b', '16', wav, 'synth', String(seconds), 'sine',
    String(frequency)]);
  execFileSync('lame', ['--quiet', wav, mp3]);
  return mp3;
}

const tracks = [makeTrack('one', 440, 1.5), makeTrack('two', 550, 1.5), makeTrack('three', 660, 1.5)];
execFileSync(path.join(build, 'tests/browser_fixtures'), [work, makeTrack('long', 330, 4)]);

let folders = 0;
// Publishes the tracks with the command-line publisher and adds the probe.
function publish(skin, options = {}, files = tracks) {
  const folder = path.join(work, `site${++folders}`);
  const flags = { autostart: '1', autonext: '1', loop: '0', shuffle: '0', ...options };
  const args = ['--folder', folder, '--skin', skin, '--title', 'Test list'];
  for (const [name, value] of Object.entries(flags)) args.push(`--${name}`, value);
  execFileSync(path.join(build, 'tunemill-publish'), [...args, ...files], { stdio: 'ignore' });
  const output = path.join(folder, 'output');
  for (const movie of ['probe12.swf', 'probe38.swf', 'spectrum.swf'])
    fs.copyFileSync(path.join(work, movie), path.join(output, movie));
  return output;
}

function parseState(line) {
  const [, nCur, nCount, nPlayFrame, frame, frames, time, buffer, bar3, playShown, title] = line.split('|');
  return { nCur: Number(nCur), nCount: Number(nCount), nPlayFrame: Number(nPlayFrame), frame: Number(frame),
    frames: Number(frames), time, buffer, bar3: Number(bar3), playShown: playShown === 'true', title };
}

// Opens the published folder's player inside the probe and runs `check`.
async function withPlayer(skin, output, check) {
  const layout = Skins[skin];
  // The probe's stage is 300 × 60 with the player at its top left, so
  // stage pixels are page pixels for every skin.
  fs.writeFileSync(path.join(output, 'probe.htm'), probePage(layout.probe, 300, 60));
  const session = await openSession(output);
  try {
    await session.page.goto(session.base + 'probe.htm');
    // States from the frames after the player itself has started.
    const states = () => session.traces.filter((t) => t.startsWith('state|')).map(parseState)
      .filter((s) => !Number.isNaN(s.nCur));
    const last = () => states()[states().length - 1] || parseState('state|||||||||');
    const requested = (name) => session.requests.filter((r) => r === `/${name}`).length;
    const click = async (button) => {
      await waitFor(() => states().some((s) => s.nCount > 0), 10000);
      await session.page.mouse.click(layout[button][0], layout[button][1]);
    };
    await check({ session, states, last, requested, click });
  } finally {
    await session.close();
  }
}

for (const skin of Object.keys(Skins)) {
  test(`${skin}: autostart plays 1 → 2 → 3 and stops on the last without loop`, async () => {
    await withPlayer(skin, publish(skin), async ({ last, requested }) => {
      assert.ok(await waitFor(() => requested('3.swf') === 1), 'track 3 was requested');
      assert.ok(requested('1.swf') === 1 && requested('2.swf') === 1);
      assert.ok(await waitFor(() => last().nCur === 2 && last().frame === last().frames && last().frames > 0));
      await new Promise((resolve) => setTimeout(resolve, 1500));
      assert.strictEqual(requested('1.swf'), 1, 'no wrap to track 1 without loop');
      assert.strictEqual(last().nCur, 2);
      assert.strictEqual(last().title, 'Test list');
    });
  });
}

test('loop "1" wraps from the last track to the first', async () => {
  await withPlayer('wmp-like', publish('wmp-like', { loop: '1' }), async ({ requested, states }) => {
    assert.ok(await waitFor(() => requested('1.swf') === 2, 25000), 'track 1 again after track 3');
    const order = [];
    for (const s of states()) if (order[order.length - 1] !== s.nCur) order.push(s.nCur);
    assert.deepStrictEqual(order.slice(0, 4), [0, 1, 2, 0]);
  });
});

test('autostart "0" requests no track until Play is clicked', async () => {
  await withPlayer('real-like', publish('real-like', { autostart: '0' }), async ({ requested, click, last }) => {
    assert.ok(await waitFor(() => last().nCount === 3));
    await new Promise((resolve) => setTimeout(resolve, 2000));
    assert.strictEqual(requested('1.swf'), 0);
    assert.ok(last().playShown, 'Play is shown');
    await click('play');
    assert.ok(await waitFor(() => requested('1.swf') >= 1));
    assert.ok(await waitFor(() => !last().playShown), 'Pause replaces Play');
  });
});

test('autonext "0" leaves a finished track on its last frame', async () => {
  await withPlayer('wmp-like', publish('wmp-like', { autonext: '0' }), async ({ requested, last }) => {
    assert.ok(await waitFor(() => last().frames > 0 && last().frame === last().frames));
    await new Promise((resolve) => setTimeout(resolve, 1500));
    assert.strictEqual(requested('2.swf'), 0);
    assert.strictEqual(last().frame, last().frames);
  });
});

test('shuffle picks among the tracks', async () => {
  await withPlayer('wmp-like', publish('wmp-like', { shuffle: '1', loop: '1' }), async ({ session, states }) => {
    assert.ok(await waitFor(() => session.requests.filter((r) => /^\/\d\.swf$/.test(r)).length >= 4, 30000));
    for (const s of states()) assert.ok(s.nCur >= 0 && s.nCur < 3, `nCur ${s.nCur} is a track`);
  });
});

test('Next and Prev at both ends, with loop off and on', async () => {
  const options = { autostart: '0', autonext: '0' };
  await withPlayer('simple', publish('simple', { ...options, loop: '0' }), async ({ click, last }) => {
    await click('prev');
    assert.ok(await waitFor(() => last().frames > 0 && last().nCur === 0), 'Prev on the first stays there');
    await click('next');
    await click('next');
    assert.ok(await waitFor(() => last().nCur === 2));
    await click('next');
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.strictEqual(last().nCur, 2, 'Next on the last does nothing without loop');
  });
  await withPlayer('simple', publish('simple', { ...options, loop: '1' }), async ({ click, last }) => {
    await click('prev');
    assert.ok(await waitFor(() => last().nCur === 2), 'Prev on the first wraps to the last');
    await click('next');
    assert.ok(await waitFor(() => last().nCur === 0), 'Next on the last wraps to the first');
  });
});

test('Pause then Play resumes at the paused frame; Stop blanks the time', async () => {
  const long = path.join(work, 'long.mp3');
  await withPlayer('simple', publish('simple', {}, [long]), async ({ click, last, states }) => {
    assert.ok(await waitFor(() => last().frame > 20));
    await click('play'); // Pause sits where Play is
    assert.ok(await waitFor(() => last().playShown));
    const paused = last().nPlayFrame;
    assert.ok(paused > 0);
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.ok(Math.abs(last().frame - paused) <= 1, 'the track stays where it was paused');
    const seen = states().length;
    await click('play');
    assert.ok(await waitFor(() => states().slice(seen).some((s) => !s.playShown && s.frame > paused)));
    assert.ok(states().slice(seen).every((s) => s.frame >= paused - 1), 'resumed, not restarted');
    await click('stop');
    assert.ok(await waitFor(() => last().nPlayFrame === -1 && last().time === ''));
  });
});

test('the time display counts true seconds of a 38 frames per second track', async () => {
  const long = path.join(work, 'long.mp3');
  await withPlayer('wmp-like', publish('wmp-like', {}, [long]), async ({ last }) => {
    assert.ok(await waitFor(() => last().frame > 60 && last().frames > 0));
    const state = last();
    const expected = `0:${Math.floor(state.frame / 38)} / 0:${Math.floor(state.frames / 38)}`;
    assert.ok(Math.abs(state.frames / 38 - 4) < 0.3, `${state.frames} frames last about 4 s`);
    assert.match(state.time, /^0:\d \/ 0:[34]$/);
    assert.ok(state.time === expected || state.time.endsWith(expected.split(' / ')[1]), state.time);
  });
});

for (const [skin, frame] of [['real-like', 25], ['wmp-like', 20]]) {
  test(`${skin}: a spectrum value of 12.5 on bar 3 shows frame ${frame}`, async () => {
    const output = publish(skin);
    fs.copyFileSync(path.join(output, 'spectrum.swf'), path.join(output, '1.swf'));
    await withPlayer(skin, output, async ({ last }) => {
      assert.ok(await waitFor(() => last().nCur === 0 && last().bar3 === frame), `bar 3 at ${last().bar3}`);
    });
  });
}

test('an empty playlist shows its title and requests nothing', async () => {
  const output = publish('wmp-like');
  fs.writeFileSync(path.join(output, 'music_list.xml'),
    '<data title="Nothing yet" autostart="1" autonext="1" looplist="1" shufflelist="0"></data>');
  await withPlayer('wmp-like', output, async ({ session, last }) => {
    assert.ok(await waitFor(() => last() && last().title === 'Nothing yet'));
    await new Promise((resolve) => setTimeout(resolve, 1500));
    assert.deepStrictEqual(session.requests.filter((r) => /\.swf$/.test(r) && /^\/\d/.test(r)), []);
    assert.strictEqual(last().nCount, 0);
  });
});

test('dragging the seek thumb moves playback to that share of the track', async () => {
  const long = path.join(work, 'long.mp3');
  // wmp-like: slot at x 66, 120 wide, centre line y 48; thumb 8 wide.
  await withPlayer('wmp-like', publish('wmp-like', {}, [long]), async ({ session, last, click }) => {
    assert.ok(await waitFor(() => last().frame > 5 && last().frames > 0));
    // Paused, the thumb stays where the test aims.
    await click('play');
    assert.ok(await waitFor(() => last().playShown));
    await new Promise((resolve) => setTimeout(resolve, 300));
    const state = last();
    const thumbX = 66 + Math.floor((state.frame * (120 - 12)) / state.frames) + 4;
    await session.page.mouse.move(thumbX, 48);
    await session.page.mouse.down();
    await session.page.mouse.move(66 + 56 + 4, 48, { steps: 5 });
    await session.page.mouse.up();
    assert.ok(await waitFor(() => Math.abs(last().nPlayFrame - state.frames / 2) < state.frames / 10, 10000),
      `resumed at ${last().nPlayFrame} of ${state.frames}`);
    assert.ok(await waitFor(() => last().frame >= last().nPlayFrame && !last().playShown, 10000));
  });
});

test('the published page plays when served and explains itself when opened from disk', async () => {
  const output = publish('real-like');
  const served = await openSession(output);
  try {
    await served.page.goto(served.base + 'Player.htm');
    const loaded = await served.page.waitForFunction(() => {
      const player = document.querySelector('ruffle-object, ruffle-embed, ruffle-player');
      return player && player.readyState === 2;
    }, null, { timeout: 30000 }).then(() => true, () => false);
    assert.ok(loaded, 'the runtime loaded Player.swf');
    assert.ok(await waitFor(() => served.requests.includes('/1.swf')), 'the player asked for the first track');
  } finally {
    await served.close();
  }

  const browser = await openBrowser();
  try {
    await browser.page.goto('file://' + path.join(output, 'Player.htm'));
    const note = await browser.page.waitForSelector('#ServeNote', { timeout: 10000 });
    assert.match(await note.textContent(), /works only from a web server.*tunemill-publish --serve/);
    assert.strictEqual(await browser.page.$('ruffle-object, ruffle-embed, ruffle-player'), null);
  } finally {
    await browser.close();
  }
});
