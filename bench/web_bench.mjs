// The WebAssembly module in Node against the native prover on the same
// workloads (bench/workloads.cpp): *peal*, whole proofs from the text (the
// module's include writing the JSON object and reading it back), and
// *repeats*, changes per second. Native and module are run in turn, so a
// busy machine slows both alike. Targets: peal at least half the native
// rate, repeats at least a third.
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
  const out = execFileSync(bench, [workload, '--runs', '5']).toString();
  return Number(pattern.exec(out)[1]);
};

function moduleRate(bytes, perBatch, options = {}) {
  const rates = [];
  for (let batch = 0; batch < 5; ++batch) {
    const start = process.hrtime.bigint();
    for (let i = 0; i < perBatch; ++i) tolvern.prove(bytes, options);
    rates.push(perBatch / (Number(process.hrtime.bigint() - start) / 1e9));
  }
  return median(rates);
}

const peal = text('peal');
const repeats = text('repeats');
const check = tolvern.prove(peal);
if (check.verdict !== 'true') throw new Error(`the peal proved ${check.verdict}`);
const rounds = { peal: { native: [], module: [] }, repeats: { native: [], module: [] } };
for (let round = 0; round < 3; ++round) {
  rounds.peal.native.push(nativeFigure('peal', /proofs per second\s+([\d.]+)/));
  rounds.peal.module.push(moduleRate(peal, 100));
  rounds.repeats.native.push(nativeFigure('repeats', /changes per second\s+([\d.]+) million \(proving alone\)/) * 1e6);
  rounds.repeats.module.push(moduleRate(repeats, 3) * 1020000);
}
const line = (name, unit, scale, target) => {
  const native = median(rounds[name].native);
  const wasm = median(rounds[name].module);
  const ratio = wasm / native;
  console.log(`${name.padEnd(8)} native ${(native / scale).toFixed(1).padStart(8)} ${unit}   module ${(wasm / scale).toFixed(1).padStart(8)} ${unit}` +
    `   ratio ${ratio.toFixed(2)} (target >= ${target.toFixed(2)}: ${ratio >= target ? 'met' : 'NOT met'})`);
};
console.log('WebAssembly module in Node ' + process.version + ' against build/tolvern_bench, medians of 3 rounds in turn');
line('peal', 'proofs/s', 1, 1 / 2);
line('repeats', 'M changes/s', 1e6, 1 / 3);
