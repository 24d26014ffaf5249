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
    // One line coloured as the window's Input page colours it: the runs
    // [start, length, style, ...] in UTF-16 offsets of `line`, and the state
    // the next line starts in (-1 for the first line). Styles are numbered as
    // the engine's SirilStyle: 0 plain, 1 comment, 2 string, 3 a string's
    // special symbol, 4 an escaped character, 5 a halt ($$), 6 a marker,
    // 7 the stage line, 8 END, 9 a definition's name, 10 a predefined name,
    // 11 place notation, 12 a count.
    styleLine(line, state = -1, maxBells = 16) {
      const styled = core.styleLine(line, state, maxBells);
      return { runs: utf16Runs(line, styled.runs), state: styled.state };
    },

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
    // For the benchmark: the text proved as the native benchmark proves it
    // (lines split beforehand, pages counted and dropped): the changes, the
    // seconds of the ringing stage alone, and of `runs` whole proofs after.
    // Null for a text with errors.
    timeProof(text, { maxBells = 16, runs = 0 } = {}) {
      return core.timeProof(text, maxBells, runs);
    },
  };

}

// Byte offsets in a line's UTF-8 turned into offsets in its UTF-16 string.
function utf16Runs(line, runs) {
  if (!/[^\x00-\x7f]/.test(line)) return runs;
  const at = new Int32Array(line.length * 3 + 1);  // UTF-8 byte -> UTF-16 offset
  let byte = 0;
  for (let i = 0; i < line.length; ) {
    const code = line.codePointAt(i);
    const units = code > 0xffff ? 2 : 1;
    const bytes = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    for (let b = 0; b < bytes; ++b) at[byte + b] = i;
    byte += bytes;
    i += units;
  }
  at[byte] = line.length;
  const out = new Int32Array(runs.length);
  for (let r = 0; r < runs.length; r += 3) {
    const start = at[runs[r]];
    out[r] = start;
    out[r + 1] = at[runs[r] + runs[r + 1]] - start;
    out[r + 2] = runs[r + 2];
  }
  return out;
}
