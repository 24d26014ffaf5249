// Proofs off the page's thread. The page sends {id, text, options, stop?};
// the worker answers with the lines as they come ({lines}), the changes rung
// every tenth of a second or so ({changes}), and at the end the result
// ({done}). When the page is cross-origin isolated it passes a shared flag
// that Stop raises and the proof reads, so the proof stops in order; without
// one the page ends the worker and starts another.
import createTolvern from './tolvern.mjs';

const ready = createTolvern();
ready.then(() => postMessage({ type: 'ready' }), (error) => postMessage({ type: 'failed', message: String(error) }));

onmessage = async ({ data }) => {
  const tolvern = await ready;
  const { id, text, options, stop, timeLimitMs, timeStopLine } = data;
  const started = performance.now();
  let shown = started;
  const flag = stop ? new Int32Array(stop) : null;
  const result = tolvern.prove(text, {
    ...options,
    rows: true,
    onLines: (page, lines) => postMessage({ type: 'lines', id, page, lines }),
    onChanges: (changes) => {
      const now = performance.now();
      if (now - shown >= 100) {
        shown = now;
        postMessage({ type: 'changes', id, changes });
      }
      if (flag && Atomics.load(flag, 0) !== 0) return true;
      if (timeLimitMs && now - started > timeLimitMs) return timeStopLine;
      return false;
    },
  });
  postMessage({ type: 'done', id, result, ms: performance.now() - started });
};
