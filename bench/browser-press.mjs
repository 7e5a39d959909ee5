// bench_remote's browser: headless Chromium logged in to the browser panel at
// URL; for every line "antN" on standard input it clicks that key and prints
// "clicked MICROSECONDS" (the click event's time, on the wall clock).
//
//   node bench/browser-press.mjs URL USER PASSWORD
import { createRequire } from 'node:module';
import path from 'node:path';
import readline from 'node:readline';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, '../tests/browser/package.json'));
const puppeteer = require('puppeteer-core');
const [url, user, password] = process.argv.slice(2);

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  acceptInsecureCerts: true,
  args: ['--no-sandbox', '--disable-gpu'],
});
const page = await browser.newPage();
await page.goto(url);
await page.type('#user', user);
await page.type('#password', password);
await Promise.all([page.waitForNavigation(), page.click('button[type="submit"]')]);
await page.waitForSelector('#panel:not(.down) #k-ant1[aria-label]', { timeout: 15000 });
await page.evaluate(() => {
  window.clickedAt = [];
  document.addEventListener('click', () => window.clickedAt.push(performance.timeOrigin + performance.now()), true);
});
console.log('ready');

const lines = readline.createInterface({ input: process.stdin });
for await (const line of lines) {
  const key = line.trim();
  if (!/^ant([1-9]|1[0-2])$/.test(key)) {
    continue;
  }
  await page.click(`#k-${key}`);
  const at = await page.evaluate(() => window.clickedAt.at(-1));
  console.log(`clicked ${Math.round(at * 1000)}`);
}
await browser.close();
