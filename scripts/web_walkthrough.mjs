#!/usr/bin/env node
// Uses the page as a ringer would, in headless Chromium, at a wide and at a
// phone's width, and takes a picture at each step: the spliced example
// proved, a mistake proved (its line marked), an endless touch running (with
// how long the page took to answer a click meanwhile) and stopped, the rows,
// and a share link opened in a new page. Build the site first (./run web build).
//   node scripts/web_walkthrough.mjs [OUT_FOLDER]
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { root, serveSite, launchBrowser, typeInput, waitForVerdict } from '../tests/web/browser.mjs';

const out = process.argv[2] ?? 'web-walkthrough';
mkdirSync(out, { recursive: true });
const spliced = readFileSync(join(root, 'examples/spliced-surprise-major.maj'), 'latin1');
const endless = '16 BELLS\nT = 2147483647 A\nA = 2147483647 L\nL = &x1Dx1Dx1Dx1Dx1Dx1Dx1Dx1D,+78ET\nCONFLICT =\n';
const sizes = { wide: { width: 1400, height: 900 }, phone: { width: 390, height: 844, isMobile: true, hasTouch: true } };

const site = await serveSite();
const browser = await launchBrowser();
try {
  for (const [name, viewport] of Object.entries(sizes)) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
    const shot = async (step) => {
      await new Promise((resolve) => setTimeout(resolve, 300));
      const path = join(out, `${name}-${step}.png`);
      await page.screenshot({ path });
      console.log(path);
    };
    const prove = () => page.locator('::-p-aria(Prove[role="button"])').click();
    const tab = (label) => page.locator(`::-p-aria(${label}[role="tab"])`).click();

    await page.goto(site.url);
    await waitForVerdict(page);
    await typeInput(page, spliced);
    await prove();
    await waitForVerdict(page);
    await tab('Proof');
    await shot('1-proved');
    await tab('Rows');
    await shot('2-rows');

    await tab('Proof');
    await typeInput(page, spliced + 'X = +12, Missing\n');
    await prove();
    await waitForVerdict(page);
    await shot('3-mistake-marked');

    await typeInput(page, endless);
    await prove();
    await page.waitForFunction(() => parseInt(document.getElementById('counter').textContent.replace(/,/g, ''), 10) > 0)
      .catch(async (error) => { await shot('failed'); throw error; });
    // The page's own thread while the worker proves: the longest gap between
    // animation frames over two seconds, and a tab switched by a click.
    const answer = await page.evaluate(() => new Promise((resolve) => {
      let last = performance.now(), longest = 0;
      const started = last;
      const frame = (now) => {
        longest = Math.max(longest, now - last);
        last = now;
        if (now - started < 2000) requestAnimationFrame(frame);
        else resolve(longest);
      };
      requestAnimationFrame(frame);
      document.getElementById('siril-tab').click();
      document.getElementById('proof-tab').click();
    }));
    console.log(`${name}: while proving, the longest frame took ${answer.toFixed(0)} ms`);
    await shot('4-endless-running');
    await page.locator('::-p-aria(Stop[role="button"])').click();
    await waitForVerdict(page);
    await shot('5-stopped');

    await typeInput(page, spliced);
    await prove();
    await waitForVerdict(page);
    await page.locator('::-p-aria(Share[role="button"])').click();
    await page.waitForFunction(() => location.hash.startsWith('#c='));
    const link = await page.evaluate(() => location.href);
    const other = await browser.newPage();
    await other.setViewport(viewport);
    await other.goto(link);
    await waitForVerdict(other);
    await new Promise((resolve) => setTimeout(resolve, 300));
    await other.screenshot({ path: join(out, `${name}-6-shared.png`) });
    console.log(join(out, `${name}-6-shared.png`));
    await other.close();
    await page.close();
  }
} finally {
  await browser.close();
  site.close();
}
