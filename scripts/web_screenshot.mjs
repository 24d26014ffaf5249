#!/usr/bin/env node
// A picture of the page: the site (build it first: ./run web build) served
// locally and opened in headless Chromium with COMPOSITION (default the
// spliced example) proved, on TAB (Proof, SIRIL or Rows).
//   node scripts/web_screenshot.mjs [OUT.png] [COMPOSITION] [TAB]
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { root, serveSite, launchBrowser, typeInput, waitForVerdict } from '../tests/web/browser.mjs';

const [out = 'web-screenshot.png', composition = join(root, 'examples/spliced-surprise-major.maj'), tab = 'Proof'] = process.argv.slice(2);
const site = await serveSite();
const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1400, height: 900 });
  page.on('console', (message) => console.error(`page: ${message.text()}`));
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  await page.goto(site.url);
  await waitForVerdict(page);
  await typeInput(page, readFileSync(composition, 'latin1'));
  await page.locator('::-p-aria(Prove[role="button"])').click();
  await waitForVerdict(page);
  await page.locator(`::-p-aria(${tab}[role="tab"])`).click();
  await new Promise((resolve) => setTimeout(resolve, 300));
  await page.screenshot({ path: out });
  console.log(out);
} finally {
  await browser.close();
  site.close();
}
