// The WebAssembly module in Node against the native prover on the same
// workloads (bench/workloads.cpp), run in turn so that a busy machine slows
// both alike:
//   *peal*: whole proofs of a peal, as tolvern_bench times them (the lines
//   split beforehand, the pages counted): proofs per second;
//   *repeats*: the ringing stage alone of a touch whose rows repeat, as
//   tolvern_bench times it: changes per second.
// The targets (peal at least half the native rate, repeats at least a third)
// are judged on that like-for-like work. What the page pays on top, a proof
// from the text to the JSON object read back in JavaScript (`prove`), is
// printed beside it.
//   node bench/web_bench.mjs   (./run bench web builds what it needs)
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';

const root = new URL('..', import.meta.url).pathname;
const bench = join(root, 'build/tolvern_bench');
const { default: createTolvern } = await import(join(root, 'build-web/site/tolvern.mjs'));
const tolvern = await createTolvern();
const text = (workload) => execFileSync(bench, ['text', workload]);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const nativeFigure = (workload, pattern) => {
  const out = execFileSync(bench, [workload, '--runs', workload === 'repeats' ? '25' : '5']).toString();
  return Number(pattern.exec(out)[1]);
};
const batches = (count, measure) => median(Array.from({ length: count }, measure));
const seconds = (run) => {
  const start = process.hrtime.bigint();
  run();
  return Number(process.hrtime.bigint() - start) / 1e9;
};

const peal = text('peal');
const repeats = text('repeats');
if (tolvern.prove(peal).verdict !== 'true') throw new Error('the peal is not true');
const repeatChanges = tolvern.timeProof(repeats).changes;
const figures = {};
const add = (name, value) => (figures[name] ??= []).push(value);
for (let round = 0; round < 3; ++round) {
  add('peal native', nativeFigure('peal', /proofs per second\s+([\d.]+)/));
  add('peal module', batches(5, () => 100 / tolvern.timeProof(peal, { runs: 100 }).runSeconds));
  add('peal prove', batches(5, () => 100 / seconds(() => { for (let i = 0; i < 100; ++i) tolvern.prove(peal); })));
  add('repeats native', nativeFigure('repeats', /changes per second\s+([\d.]+) million \(proving alone\)/) * 1e6);
  add('repeats module', batches(9, () => repeatChanges / tolvern.timeProof(repeats).proveSeconds));
  add('repeats prove', batches(5, () => (3 * repeatChanges) / seconds(() => { for (let i = 0; i < 3; ++i) tolvern.prove(repeats); })));
}
const line = (name, unit, scale, target) => {
  const [native, wasm, page] = ['native', 'module', 'prove'].map((side) => median(figures[`${name} ${side}`]));
  const ratio = wasm / native;
  const figure = (value) => (value / scale).toFixed(1).padStart(8);
  console.log(`${name.padEnd(8)} native ${figure(native)} ${unit}   module ${figure(wasm)} ${unit}` +
    `   ratio ${ratio.toFixed(2)} (target >= ${target.toFixed(2)}: ${ratio >= target ? 'met' : 'NOT met'})`);
  console.log(`${''.padEnd(8)} the page's prove(), text to JSON object: ${figure(page)} ${unit}, ratio ${(page / native).toFixed(2)}`);
};
console.log('WebAssembly module in Node ' + process.version + ' against build/tolvern_bench, medians of 3 rounds in turn');
line('peal', 'proofs/s', 1, 1 / 2);
line('repeats', 'M changes/s', 1e6, 1 / 3);
