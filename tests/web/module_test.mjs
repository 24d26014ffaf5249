// The WebAssembly module against the native `tolvern`: every example, a few
// hostile texts and a few hundred generated compositions (the generator of
// scripts/compare_builds.py), each proved both ways with the same options;
// the objects must be equal, pages, verdict and tables alike. On the examples
// the object's pages are also held against the text pages.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const root = new URL('../..', import.meta.url).pathname;
const native = process.env.TOLVERN_BINARY || join(root, 'build/tolvern');
const { default: createTolvern } = await import(join(root, 'build-web/site/tolvern.mjs'));
const tolvern = await createTolvern();
const work = mkdtempSync(join(tmpdir(), 'tolvern-web-'));
const Generated = Number(process.env.TOLVERN_WEB_RANDOM || 300);

// The option sets, for the command line and for the module.
const optionSets = [
  { args: [], options: {} },
  { args: ['--no-music', '--no-work', '--max-changes', '5000'], options: { music: false, work: false, maxChanges: 5000 } },
  { args: ['--debug', 'parse,symtab,proof', '--max-changes', '300'], options: { debug: ['parse', 'symtab', 'proof'], maxChanges: 300 } },
];

function proveNative(path, args) {
  const run = spawnSync(native, ['prove', '--json', '--max-bells', '16', ...args, path], { maxBuffer: 1 << 30 });
  assert.ok(run.status <= 2, `${path}: exit ${run.status} ${run.stderr}`);
  return JSON.parse(run.stdout.toString('utf8'));
}

function compare(path, sets = optionSets) {
  const bytes = readFileSync(path);
  for (const { args, options } of sets) {
    const expected = proveNative(path, args);
    const got = tolvern.prove(bytes, { maxBells: 16, ...options });
    assert.deepEqual(got, expected, `${path} ${args.join(' ')}`);
  }
}

// A page's bytes as lines read as the window reads them.
function decodePage(bytes, utf8Text) {
  const lines = bytes.toString('latin1').split('\n');
  lines.pop();
  return lines.map((latin1) => {
    const raw = Buffer.from(latin1, 'latin1');
    if (utf8Text) {
      try {
        return new TextDecoder('utf-8', { fatal: true }).decode(raw);
      } catch { /* read as Latin-1 */ }
    }
    return latin1;
  });
}

const examples = readdirSync(join(root, 'examples')).map((name) => join(root, 'examples', name));

test('every example: the module and tolvern prove --json agree', () => {
  for (const path of examples) compare(path);
});

test('every example: the JSON pages are the text pages', () => {
  for (const path of examples) {
    const utf8 = (() => { try { new TextDecoder('utf-8', { fatal: true }).decode(readFileSync(path)); return true; } catch { return false; } })();
    const pages = { proof: join(work, 'p'), compatible: join(work, 'c'), progress: join(work, 'g') };
    spawnSync(native, ['prove', '--max-bells', '16', '--proof', pages.proof, '--compatible', pages.compatible, '--progress', pages.progress, path]);
    const json = proveNative(path, []);
    for (const [name, file] of Object.entries(pages)) assert.deepEqual(json[name], decodePage(readFileSync(file), utf8), `${path} ${name}`);
  }
});

test('hostile texts: both stop or refuse alike', () => {
  const texts = {
    junk: Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 7919 + 13) % 256)),
    'long-line': Buffer.from('6 BELLS\nA = ' + '&x16'.repeat(100000) + '\n'),
    huge: Buffer.from('6 BELLS\nT = 1000000000000 (&x16x16x16, +12)\n'),
    latin1: Buffer.from('6 BELLS\n"caf\xe9 @" , &x16x16x16, +12, "\xe9t\xe9 $$"\n', 'latin1'),
  };
  for (const [name, bytes] of Object.entries(texts)) {
    const path = join(work, `${name}.min`);
    writeFileSync(path, bytes);
    compare(path, [optionSets[0], optionSets[1]]);
  }
});

test(`${Generated} generated compositions: the module and tolvern agree`, () => {
  const folder = join(work, 'generated');
  execFileSync('python3', ['-c', `
import os, random, sys
sys.path.insert(0, ${JSON.stringify(join(root, 'scripts'))})
from compare_builds import random_composition
r = random.Random(21)
os.makedirs(sys.argv[1], exist_ok=True)
for i in range(int(sys.argv[2])):
    text = random_composition(r)
    # Half in Latin-1, half in UTF-8, as composition files come.
    with open(os.path.join(sys.argv[1], "%04d.sir" % i), "wb") as f:
        f.write(text.encode("latin-1" if i % 2 else "utf-8"))
`, folder, String(Generated)]);
  for (const name of readdirSync(folder)) compare(join(folder, name), [optionSets[0], optionSets[1]]);
});

test('the module colours a text as the window does, in UTF-16 offsets', () => {
  const lines = ['8 BELLS', 'C = "[Cambridge]", "Caf\u00e9 \u{1F514}@", &-38-14 / x', 'T = 2 C,', '  C'];
  const kinds = [];
  let state = -1;
  for (const line of lines) {
    const styled = tolvern.styleLine(line, state);
    let next = 0;
    for (let r = 0; r < styled.runs.length; r += 3) {
      assert.equal(styled.runs[r], next, line);
      next += styled.runs[r + 1];
      kinds.push([line.slice(styled.runs[r], next), styled.runs[r + 2]]);
    }
    assert.equal(next, line.length, line);
    state = styled.state;
  }
  const of = (style) => kinds.filter(([, s]) => s === style).map(([text]) => text);
  assert.deepEqual(of(7), ['8 BELLS']);
  assert.deepEqual(of(9), ['C', 'T']);  // definitions; the C of the continuation line is a reference
  assert.deepEqual(of(6), ['"[Cambridge]"']);
  assert.deepEqual(of(3), ['@']);
  assert.deepEqual(of(11), ['&-38-14']);
  assert.deepEqual(of(12), ['2']);
});
