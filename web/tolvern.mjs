// TOLVERN's engine in WebAssembly.
//
//   import createTolvern from './tolvern.mjs';
//   const tolvern = await createTolvern();
//   const result = tolvern.prove(text, { maxBells: 16, music: true });
//   result.verdict, result.changes, result.proof, ...
//
// `prove` returns the object `tolvern prove --json` writes. Its options:
// maxBells (12 to 16, default 16), music and work (default true), debug (a
// subset of ["parse", "symtab", "proof"]), maxChanges and maxIdle (as the
// command line's --max-changes and --max-idle). The page also passes:
//   rows: true      the result gains `rows`, the rows as the rows view draws
//                   them (rowsCap rows at most, default 200000);
//   onLines(page, text)  the pages as they are written, in batches of lines
//                   (each ended by "\n"); the object's pages are then null;
//   onChanges(n)    called every 65536 changes (after the lines so far are
//                   passed on); returning true stops the proof in order with
//                   "Proof stopped by the user", a string stops it with that line.
// `text` is a string, or the bytes of a composition file (Uint8Array), read
// as UTF-8 when valid, else as Latin-1.
//
// Methods by name, as `tolvern methods` finds them:
//   tolvern.searchMethods('stedman trip', { stage: 7, limit: 50 })
//                   -> { count, methods: [{ title, name, stage, classification,
//                      leadLength, leadHead, notation, siril, source }, ...] }
//   tolvern.loadMethodLibrary(bytes, 'CCCBR_methods.xml')
//                   the Central Council's methods library XML, searched from
//                   then on before the built-in set -> { added, skipped, error, ... }
//   tolvern.forgetMethodLibrary()   the built-in set alone again
//   tolvern.stageNames()            [{ bells, name }, ...]
import createTolvernCore from './tolvern_core.mjs';

const inNode = typeof process === 'object' && typeof process.versions?.node === 'string' &&
  typeof window === 'undefined' && typeof WorkerGlobalScope === 'undefined';

export default async function createTolvern(options = {}) {
  const coreOptions = { ...options };
  // Node's fetch does not read files: hand the module its bytes.
  if (inNode && !coreOptions.wasmBinary) {
    const { readFile } = await import('node:fs/promises');
    coreOptions.wasmBinary = await readFile(new URL('./tolvern_core.wasm', import.meta.url));
  }
  const core = await createTolvernCore(coreOptions);

  return {
    prove(text, proveOptions = {}) {
      const { onLines, onChanges, ...rest } = proveOptions;
      const passed = { ...rest };
      if (onLines) passed.onLines = (page, lines) => onLines(page, lines);
      if (onChanges) {
        passed.onChanges = (changes) => {
          const answer = onChanges(changes);
          return typeof answer === 'string' ? answer : answer === true;
        };
      }
      // A string goes in as UTF-8; bytes go in as they are.
      const answer = core.prove(text, passed);
      const result = JSON.parse(answer.json);
      if (answer.rows) result.rows = answer.rows;
      return result;
    },
    searchMethods(query, { stage = 0, limit = 100 } = {}) {
      return JSON.parse(core.searchMethods(String(query), stage, limit));
    },
    loadMethodLibrary(bytes, source = 'library') {
      return core.loadMethodLibrary(bytes, source);
    },
    forgetMethodLibrary() {
      core.forgetMethodLibrary();
    },
    stageNames() {
      return core.stageNames();
    },
  };

}
