// The site served from build-web/site on a local port, and Debian's Chromium
// driven headless by puppeteer-core: for the page's tests and its picture.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const root = new URL('../..', import.meta.url).pathname;
const require = createRequire(join(root, 'web/package.json'));
const puppeteer = require('puppeteer-core');

// Starts `python3 -m http.server` (as ./run web does) on a free port.
export async function serveSite() {
  const port = 18000 + (process.pid % 2000);
  const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', join(root, 'build-web/site')],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; ++i) {
    try {
      if ((await fetch(url)).ok) return { url, close: () => server.kill() };
    } catch { /* not up yet */ }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  server.kill();
  throw new Error('the site server did not start');
}

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'tolvern-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Types `text` into the Input editor, replacing what it holds.
export async function typeInput(page, text) {
  const input = await page.locator('::-p-aria(Input[role="textbox"])').waitHandle();
  await input.click();
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  await page.keyboard.press('Backspace');
  // Typed as keys would be, but in one insertion: the editor does not indent
  // or pair what it is given so.
  await page.keyboard.sendCharacter(text);
}

// The lines a page region shows (whole, for a page short enough to be
// held in the document at once).
export function regionLines(page, name) {
  return page.$eval(`::-p-aria(${name}[role="region"])`, (region) => [...region.querySelectorAll('.line')].map((line) => line.textContent.replace(/\u200b/g, '')));
}

export async function waitForVerdict(page) {
  await page.waitForFunction(() => document.getElementById('stop').disabled && document.getElementById('verdict').textContent !== '');
}

// The last lines a page region shows once scrolled to its end (a long page
// holds only the lines in sight in the document).
export async function lastLines(page, name) {
  await page.$eval(`::-p-aria(${name}[role="region"])`, (region) => { region.scrollTop = region.scrollHeight; });
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  return regionLines(page, name);
}
