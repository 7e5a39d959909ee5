// The browser panel end to end: merax-sim and zarel-station (its HTTPS and
// WebSocket server) on loopback, driven in headless Chromium.
//
//   node tests/browser/remote.test.mjs                 the checks
//   node tests/browser/remote.test.mjs --shots DIR     phone and laptop screenshots
//   node tests/browser/remote.test.mjs --press-to-wire N   click-to-datagram times
//
// Needs ZAREL_STATION_BIN and MERAX_SIM_BIN; CHROMIUM defaults to
// /usr/bin/chromium. Exits 77 when Chromium or node_modules is missing.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import https from 'node:https';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { performance } from 'node:perf_hooks';

const SKIP = 77;
const WAIT_MS = 10000;
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
const stationBin = process.env.ZAREL_STATION_BIN;
const simBin = process.env.MERAX_SIM_BIN;

function skip(why) {
  console.log(`SKIP: ${why}`);
  process.exit(SKIP);
}

if (!fs.existsSync(chromium)) {
  skip(`no Chromium at ${chromium} (scripts/install-deps.sh chromium)`);
}
let puppeteer;
try {
  puppeteer = (await import('puppeteer-core')).default;
} catch {
  skip('no node_modules: run npm ci in tests/browser');
}
if (!stationBin || !simBin) {
  skip('ZAREL_STATION_BIN or MERAX_SIM_BIN is not set');
}

const args = process.argv.slice(2);
const mode = args[0] === '--shots' ? 'shots' : args[0] === '--press-to-wire' ? 'wire' : 'checks';
const now = () => performance.timeOrigin + performance.now(); // epoch ms, as the page's

// A child whose standard output is kept line by line, each with the time it was read.
class Child {
  constructor(program, argv, options = {}) {
    this.lines = [];
    this.errors = '';
    this.waiters = new Set();
    this.proc = spawn(program, argv, { stdio: ['pipe', 'pipe', 'pipe'], ...options });
    let rest = '';
    this.proc.stdout.on('data', (chunk) => {
      const t = now();
      const parts = (rest + chunk).split('\n');
      rest = parts.pop();
      for (const text of parts) {
        this.lines.push({ text, t });
      }
      this.wake();
    });
    this.proc.stderr.on('data', (chunk) => {
      this.errors += chunk;
      this.wake();
    });
    this.failed = null;
    this.exited = new Promise((resolve) => {
      this.proc.on('exit', (code, signal) => resolve({ code, signal }));
      this.proc.on('error', (e) => {
        this.failed = e;
        resolve({ code: null, signal: null });
      });
    });
    this.exited.then(() => this.wake());
  }

  wake() {
    for (const w of this.waiters) {
      w();
    }
  }

  // The first line from index `from` on that matches, with its time.
  waitLine(pattern, from = 0, ms = WAIT_MS) {
    return new Promise((resolve, reject) => {
      const check = () => {
        const i = this.lines.findIndex((l, n) => n >= from && pattern.test(l.text));
        if (i >= 0) {
          done();
          resolve(this.lines[i]);
        } else if (this.proc.exitCode !== null || this.failed) {
          done();
          reject(new Error(`${this.failed?.message ?? 'ended'} before printing ${pattern}`));
        }
      };
      const timer = setTimeout(() => {
        done();
        reject(new Error(`no line ${pattern} within ${ms} ms`));
      }, ms);
      const done = () => {
        clearTimeout(timer);
        this.waiters.delete(check);
      };
      this.waiters.add(check);
      check();
    });
  }

  since(from) {
    return this.lines.slice(from).map((l) => l.text);
  }
}

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

function run(program, argv, input, env) {
  return new Promise((resolve) => {
    const child = spawn(program, argv, { env, stdio: ['pipe', 'pipe', 'pipe'] });
    let output = '';
    child.stdout.on('data', (d) => (output += d));
    child.stderr.on('data', (d) => (output += d));
    const timer = setTimeout(() => child.kill('SIGKILL'), WAIT_MS);
    child.on('exit', (code) => {
      clearTimeout(timer);
      resolve({ code, output });
    });
    child.on('error', (e) => resolve({ code: -1, output: e.message }));
    child.stdin.end(input);
  });
}

function get(port, pathName) {
  return new Promise((resolve, reject) => {
    const request = https.get({ host: '127.0.0.1', port, path: pathName, rejectUnauthorized: false }, (answer) => {
      answer.resume();
      answer.on('end', () => resolve(answer.statusCode));
    });
    request.on('error', reject);
    request.setTimeout(2000, () => request.destroy(new Error('timed out')));
  });
}

async function until(what, condition, ms = WAIT_MS) {
  const deadline = Date.now() + ms;
  for (;;) {
    try {
      if (await condition()) {
        return;
      }
    } catch {
      // not yet
    }
    if (Date.now() > deadline) {
      throw new Error(`${what}: not within ${ms} ms`);
    }
    await new Promise((r) => setTimeout(r, 50));
  }
}

// Every file of the profile beside the station: settings, users, journal.
const profile = `browsertest${process.pid}`;
const stationDir = path.dirname(path.resolve(stationBin));
function removeProfileFiles() {
  for (const name of fs.readdirSync(stationDir)) {
    if (name.includes(profile)) {
      fs.rmSync(path.join(stationDir, name), { recursive: true, force: true });
    }
  }
}

const home = fs.mkdtempSync(path.join(os.tmpdir(), 'zarel-browser-'));
const sendFile = path.join(home, 'send');
const env = { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, 'config'), LANG: 'C.UTF-8' };
for (const name of ['DISPLAY', 'WAYLAND_DISPLAY', 'QT_QPA_PLATFORM']) {
  delete env[name];
}
const PASSWORD = 'correct horse 4';
const VIEWER_PASSWORD = 'viewer battery 7';
let sim;
let station;
let browser;

async function cleanUp() {
  await browser?.close().catch(() => {});
  if (station && station.proc.exitCode === null && !station.failed) {
    station.proc.kill('SIGTERM');
    const t = setTimeout(() => station.proc.kill('SIGKILL'), 3000);
    await station.exited;
    clearTimeout(t);
  }
  if (sim && sim.proc.exitCode === null && !sim.failed) {
    sim.proc.stdin.write('quit\n');
    const t = setTimeout(() => sim.proc.kill('SIGKILL'), 3000);
    await sim.exited;
    clearTimeout(t);
  }
  removeProfileFiles();
  fs.rmSync(home, { recursive: true, force: true });
}

async function start() {
  sim = new Child(simBin, [
    '--stdin-commands', '--listen', '127.0.0.1', '--port', '0', '--log',
    '--initial-antenna', '1', '--refuse-antenna', '7', '--send-file', sendFile,
  ]);
  const simPort = Number((await sim.waitLine(/^listening on 127\.0\.0\.1:\d+$/)).text.split(':').pop());
  const port = await freePort();
  const ini = [
    '[General]', 'IP=127.0.0.1', `PORT=${simPort}`, 'IPdir=true', 'ConnectAtStart=true', 'ID=BROWSER TEST',
    ...['160M DIPOL', '80M INV-V', '40M VERT', '20M YAGI', '15M YAGI', '10M YAGI', 'RX LOOP', 'BEV NE', 'BEV SW',
      'LOG PER', 'DUMMY LOAD', 'SPARE'].map((c, i) => `K${i + 1}=${c}`),
    ...['DOOR', 'RAIN', 'LIMIT', 'PTT', 'ALARM', 'TEMP', 'WIND', 'MAINS'].map((c, i) => `GPI${i + 1}=${c}`),
    ...['AMP', 'FAN', 'LIGHT', 'PRE AMP', 'TUNER', 'HEAT', 'BEEP', 'AUX'].map((c, i) => `GPO${i + 1}=${c}`),
    // The operator's own keys wait for the end of a transmission.
    '[BandFollow]', 'HoldManual=true',
    '[Remote]', 'Enabled=true', 'Listen=127.0.0.1', `Port=${port}`, '',
  ];
  fs.writeFileSync(path.join(stationDir, `settings${profile}.ini`), ini.join('\n'));
  for (const [argv, input] of [
    [[profile, '--add-user', 'anna'], PASSWORD],
    [[profile, '--add-user', 'vic', '--viewer'], VIEWER_PASSWORD],
  ]) {
    const added = await run(stationBin, argv, input + '\n', env);
    if (added.code !== 0) {
      throw new Error(`${argv.join(' ')} exited ${added.code}: ${added.output}`);
    }
  }
  station = new Child(stationBin, ['--lang', 'en', profile], { env });
  await until('the station answers HTTPS', async () => (await get(port, '/')) === 200, 15000);
  browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    acceptInsecureCerts: true,
    args: ['--no-sandbox', '--ignore-certificate-errors', '--disable-gpu', '--no-first-run'],
  });
  return `https://127.0.0.1:${port}`;
}

// A fresh context (its own cookies) logged in, the panel live.
async function logIn(base, user, password, viewport = { width: 1280, height: 800 }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  page.on('pageerror', (e) => console.log(`page error (${user}): ${e.message}`));
  page.on('console', (m) => m.type() === 'error' && console.log(`console (${user}): ${m.text()} ${m.location()?.url ?? ''}`));
  await page.goto(base + '/');
  await page.type('#user', user);
  await page.type('#password', password);
  const [answer] = await Promise.all([page.waitForNavigation(), page.click('button[type="submit"]')]);
  if (password !== PASSWORD && password !== VIEWER_PASSWORD) {
    return { context, page, answer };
  }
  await page.waitForSelector('#panel:not(.down) #k-ant1[aria-label]', { timeout: WAIT_MS });
  return { context, page, answer };
}

const antennaCommand = (n) => new RegExp(`-> FE 02 ${(n - 1).toString(16).toUpperCase().padStart(2, '0')} FD`);
const confirmed = (page, n) =>
  page.waitForSelector(`#k-ant${n}[aria-pressed="true"][data-look="selected"]`, { timeout: WAIT_MS });
const lastText = (page, region) => page.$eval(region, (el) => el.lastElementChild?.textContent ?? '');

let passed = 0;
async function checks(base) {
  const ok = (what) => {
    ++passed;
    console.log(`ok ${passed} - ${what}`);
  };
  const assert = (condition, what) => {
    if (!condition) {
      throw new Error(what);
    }
  };

  const anna = await logIn(base, 'anna', PASSWORD);
  const page = anna.page;
  // The page's socket is its own: its close code is kept across the page's loads.
  await page.evaluateOnNewDocument(() => {
    const Native = window.WebSocket;
    window.WebSocket = function (...a) {
      const ws = new Native(...a);
      ws.addEventListener('close', (e) => sessionStorage.setItem('closeCode', String(e.code)));
      return ws;
    };
    window.WebSocket.prototype = Native.prototype;
  });
  await page.reload();
  await page.waitForSelector('#panel:not(.down) #k-ant1[aria-pressed]', { timeout: WAIT_MS });
  assert((await page.$eval('#who', (el) => el.textContent)).includes('anna'), 'the user is shown');
  ok('logged in: the panel is live');

  let mark = sim.lines.length;
  await page.click('#k-ant4');
  await sim.waitLine(antennaCommand(4), mark);
  await confirmed(page, 4);
  assert(await page.$('#k-ant1[aria-pressed="false"]'), 'Ant 1 is no longer pressed');
  ok('Ant 4 pressed, sent and confirmed');

  mark = sim.lines.length;
  await page.click('#k-ant7');
  await sim.waitLine(/-> FE 02 06 FD .*\(refused\)/, mark);
  await page.waitForFunction(
    () => [...document.querySelectorAll('#notices p')].some((p) => /not confirmed/.test(p.textContent)),
    { timeout: WAIT_MS },
  );
  assert(await page.$('#k-ant7[aria-pressed="false"]'), 'the refused antenna is not shown pressed');
  await confirmed(page, 4);
  ok(`a refused switch is told: "${await lastText(page, '#notices')}"`);

  fs.writeFileSync(sendFile, '');
  await sim.waitLine(/^send on$/);
  await page.waitForSelector('#k-send[data-look="alarm"]', { timeout: WAIT_MS });
  mark = sim.lines.length;
  await page.click('#k-ant5');
  const waiting = await page.waitForSelector('#k-ant5[data-look="waiting"]', { timeout: WAIT_MS });
  const name = await waiting.evaluate((el) => el.getAttribute('aria-label'));
  assert(/waits for the end of the transmission/.test(name), `the waiting key's name: ${name}`);
  assert(!(await page.$('#k-ant5[aria-pressed="true"]')), 'a waiting antenna is not pressed');
  assert(!sim.since(mark).some((l) => antennaCommand(5).test(l)), 'no switch while SEND is on');
  fs.rmSync(sendFile);
  const made = await sim.waitLine(antennaCommand(5), mark);
  assert(!/on air/.test(made.text), `switched on the air: ${made.text}`);
  await confirmed(page, 5);
  ok(`a switch held by SEND waits ("${name}"), then is made`);

  const vic = await logIn(base, 'vic', VIEWER_PASSWORD);
  await confirmed(vic.page, 5);
  mark = sim.lines.length;
  await page.click('#k-ant2');
  await sim.waitLine(antennaCommand(2), mark);
  await confirmed(vic.page, 2);
  ok('a second browser sees the first one\'s switch');

  assert(await vic.page.$('#k-ant3[aria-disabled="true"]'), 'a viewer\'s key is not switchable');
  mark = sim.lines.length;
  await vic.page.click('#k-ant3');
  await vic.page.waitForFunction(
    () => /Viewers cannot switch/.test(document.querySelector('#alerts').textContent),
    { timeout: WAIT_MS },
  );
  // Past the page's own guard: the station must refuse the press itself.
  const refused = await vic.page.evaluate(
    () =>
      new Promise((resolve) => {
        const ws = new WebSocket(`wss://${location.host}/ws`);
        const timer = setTimeout(() => resolve('no answer'), 5000);
        ws.onopen = () => ws.send(JSON.stringify({ type: 'press', key: 'ant3' }));
        ws.onmessage = (e) => {
          const msg = JSON.parse(e.data);
          if (msg.type === 'refused') {
            clearTimeout(timer);
            ws.close();
            resolve(msg.text);
          }
        };
      }),
  );
  assert(refused !== 'no answer', 'the station refuses a viewer\'s press');
  const polls = (await sim.since(mark)).filter((l) => /-> FE 01 FD/.test(l)).length;
  await until('polls go on', () => sim.since(mark).filter((l) => /-> FE 01 FD/.test(l)).length > polls + 3);
  assert(!sim.since(mark).some((l) => antennaCommand(3).test(l)), 'a viewer switched the antenna');
  assert(await vic.page.$('#k-ant2[aria-pressed="true"]'), 'the viewer still sees Ant 2');
  ok(`a viewer's press changes nothing on the wire ("${refused}")`);

  const wrong = await logIn(base, 'anna', 'not the password');
  assert(wrong.answer.status() === 401, `a wrong password answers ${wrong.answer.status()}`);
  const error = await wrong.page.$eval('#login-error', (el) => el.textContent);
  assert(/wrong/.test(error) && !(await wrong.page.$('#panel')), `a wrong password: "${error}"`);
  ok(`a wrong password is refused: "${error}"`);

  // Logged out in another tab of the same session: this page's socket is closed.
  const other = await anna.context.newPage();
  await other.goto(base + '/');
  await other.waitForSelector('#panel:not(.down)', { timeout: WAIT_MS });
  await Promise.all([other.waitForNavigation(), other.click('.logout button')]);
  await other.waitForSelector('#login-error', { timeout: WAIT_MS });
  await page.waitForSelector('#user', { timeout: WAIT_MS });
  const code = await page.evaluate(() => sessionStorage.getItem('closeCode'));
  assert(code === '4001', `the socket closed with ${code}`);
  await page.reload();
  assert((await page.$('#user')) && !(await page.$('#panel')), 'a new load shows the login page');
  ok('logged out: the socket closes with 4001, a new load shows the login page');
}

async function shots(base, dir) {
  fs.mkdirSync(dir, { recursive: true });
  const views = [
    ['remote-phone.png', { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true }],
    ['remote-laptop.png', { width: 1280, height: 800 }],
  ];
  let first = true;
  for (const [file, viewport] of views) {
    const { page } = await logIn(base, 'anna', PASSWORD, viewport);
    if (first) {
      const mark = sim.lines.length;
      await page.click('#k-ant4');
      await sim.waitLine(antennaCommand(4), mark);
      first = false;
    }
    await confirmed(page, 4);
    await page.screenshot({ path: path.join(dir, file) });
    console.log(path.join(dir, file));
  }
}

async function pressToWire(base, count) {
  const { page } = await logIn(base, 'anna', PASSWORD);
  await page.evaluate(() => {
    window.clickedAt = [];
    document.addEventListener('click', () => window.clickedAt.push(performance.timeOrigin + performance.now()), true);
  });
  const times = [];
  for (let i = 0; i < count; ++i) {
    const n = i % 2 ? 3 : 2;
    const mark = sim.lines.length;
    await page.click(`#k-ant${n}`);
    const line = await sim.waitLine(antennaCommand(n), mark);
    const clicked = await page.evaluate(() => window.clickedAt.at(-1));
    times.push(line.t - clicked);
    await confirmed(page, n);
  }
  times.sort((a, b) => a - b);
  const at = (q) => times[Math.min(times.length - 1, Math.ceil(q * times.length) - 1)];
  console.log(`press to wire over ${count} presses: median ${at(0.5).toFixed(1)} ms, p90 ${at(0.9).toFixed(1)} ms`);
  console.log('(from the click event in the page to the moment merax-sim\'s log line was read: it has no timestamp)');
}

const watchdog = setTimeout(() => {
  console.log('FAIL: the test ran out of time');
  process.exitCode = 1;
  cleanUp().finally(() => process.exit(1));
}, 100000);

let status = 0;
const begun = Date.now();
try {
  const base = await start();
  if (mode === 'shots') {
    await shots(base, args[1] || 'shots');
  } else if (mode === 'wire') {
    await pressToWire(base, Math.max(1, Number(args[1]) || 20));
  } else {
    await checks(base);
    console.log(`${passed} passed, 0 failed`);
  }
} catch (e) {
  status = 1;
  console.log(`not ok - ${e.message}`);
  console.log(`merax-sim, last lines:\n${sim?.lines.slice(-15).map((l) => l.text).join('\n')}`);
  console.log(`zarel-station's errors:\n${station?.errors.slice(-3000) ?? ''}`);
  if (station && station.proc.exitCode !== null) {
    console.log(`zarel-station ended: ${station.proc.exitCode ?? station.proc.signalCode}`);
  } else if (station?.proc.signalCode) {
    console.log(`zarel-station ended on ${station.proc.signalCode}`);
  }
  if (mode === 'checks') {
    console.log(`${passed} passed, 1 failed`);
  }
} finally {
  clearTimeout(watchdog);
  await cleanUp();
  console.log(`took ${((Date.now() - begun) / 1000).toFixed(1)} s`);
}
process.exit(status);
