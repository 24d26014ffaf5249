// The page in headless Chromium: the spliced example typed in and proved,
// its Proof and Progress as the native pages; Stop during an endless touch;
// a share link proving the same text in a new page; a method inserted by name.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { root, serveSite, launchBrowser, typeInput, regionLines, lastLines, waitForVerdict } from './browser.mjs';

const native = process.env.TOLVERN_BINARY || join(root, 'build/tolvern');
let site;
let browser;

before(async () => {
  site = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  site?.close();
});

async function openPage(hash = '') {
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 1000 });
  page.on('pageerror', (error) => assert.fail(`page error: ${error.message}`));
  await page.goto(site.url + hash);
  await waitForVerdict(page);
  await page.$eval('#as-you-type', (box) => { if (box.checked) box.click(); });
  return page;
}

function changesShown(page) {
  return page.$eval('#counter', (counter) => counter.textContent.replace(/\D/g, ''));
}

function nativePages(path) {
  const out = mkdtempSync(join(tmpdir(), 'tolvern-pages-'));
  spawnSync(native, ['prove', '--max-bells', '16', '--proof', join(out, 'p'), '--progress', join(out, 'g'), path]);
  const lines = (file) => readFileSync(join(out, file), 'utf8').split('\n').slice(0, -1);
  return { proof: lines('p').map((line) => line.split('"_').join('')), progress: lines('g') };
}

test('the spliced example typed into Input and proved shows the native pages', async () => {
  const path = join(root, 'examples/spliced-surprise-major.maj');
  const page = await openPage();
  await typeInput(page, readFileSync(path, 'utf8'));
  await page.locator('::-p-aria(Prove[role="button"])').click();
  await waitForVerdict(page);
  const expected = nativePages(path);
  assert.deepEqual(await regionLines(page, 'Proof'), expected.proof);
  assert.deepEqual(await regionLines(page, 'Progress'), expected.progress);
  assert.equal(await page.$eval('#verdict', (v) => v.textContent), 'Touch is True');
  await page.close();
});

test('Stop ends an endless touch in order, with no verdict', async () => {
  const page = await openPage();
  // Sixteen bells: billions of changes before it could come round.
  await typeInput(page, '16 BELLS\nT = 2147483647 A\nA = 2147483647 L\nL = &x1Dx1Dx1Dx1Dx1Dx1Dx1Dx1D,+78ET\nCONFLICT =\n');
  await page.locator('::-p-aria(Prove[role="button"])').click();
  // The counter shows changes rung while it runs.
  await page.waitForFunction(() => parseInt(document.getElementById('counter').textContent.replace(/,/g, ''), 10) > 0);
  await page.locator('::-p-aria(Stop[role="button"])').click();
  await waitForVerdict(page);
  // What arrived before the Stop, then the stop line; no verdict.
  const progress = await lastLines(page, 'Progress');
  assert.ok(progress.length > 1 && progress.at(-2).startsWith('ROUNDS found after'), progress.at(-2));
  assert.ok(['Proof stopped by the user', `Number changes generated=${await changesShown(page)}`].includes(progress.at(-1)));
  assert.ok(progress.includes('Proof stopped by the user'));
  assert.ok((await lastLines(page, 'Proof')).includes('Proof stopped by the user'));
  assert.equal(await page.$eval('#verdict', (v) => v.dataset.verdict), 'stopped');
  await page.close();
});

test('a share link opened in a new page proves the same text', async () => {
  const text = readFileSync(join(root, 'examples/plain-bob-minor.min'), 'utf8');
  const page = await openPage();
  await typeInput(page, text);
  await page.locator('::-p-aria(Prove[role="button"])').click();
  await waitForVerdict(page);
  await page.locator('::-p-aria(Share[role="button"])').click();
  await page.waitForFunction(() => location.hash.startsWith('#c='));
  const link = await page.evaluate(() => location.href);
  const first = await regionLines(page, 'Proof');
  const other = await openPage(link.slice(link.indexOf('#')));
  assert.deepEqual(await regionLines(other, 'Proof'), first);
  const shown = await other.$$eval('.cm-line', (lines) => lines.map((line) => line.textContent).join('\n'));
  assert.equal(shown, text.replace(/\r\n?/g, '\n').replace(/\n$/, '\n'));
  await page.close();
  await other.close();
});

test('Insert Method puts Stedman Triples, found by name, at the caret, and the touch proves true', async () => {
  const page = await openPage();
  await typeInput(page, '7 BELLS\nTouch = 7 StedmanTriples\n');
  await page.locator('::-p-aria(Insert Method[role="button"])').click();
  await page.locator('::-p-aria(Search methods)').fill('stedman trip');
  await page.waitForFunction(() => document.querySelector('#method-list [aria-selected=true] .title')?.textContent === 'Stedman Triples');
  await page.locator('::-p-aria(Insert[role="button"])').click();
  const shown = await page.$$eval('.cm-line', (lines) => lines.map((line) => line.textContent));
  assert.deepEqual(shown, ['7 BELLS', 'Touch = 7 StedmanTriples', 'StedmanTriples = &3.1.7.3.1.3, +1']);
  await page.locator('::-p-aria(Prove[role="button"])').click();
  await waitForVerdict(page);
  assert.equal(await page.$eval('#verdict', (v) => v.textContent), 'Touch is True');
  await page.close();
});
