// The page: the composition in an editor, proved in a worker as the window
// proves it, and the pages, the verdict and the rows shown beside it.
import { EditorState } from '@codemirror/state';
import { EditorView, keymap, lineNumbers, highlightActiveLine, drawSelection, highlightSpecialChars } from '@codemirror/view';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { searchKeymap, highlightSelectionMatches } from '@codemirror/search';
import { lintGutter, setDiagnostics } from '@codemirror/lint';
import { siril } from './siril.js';
import { PageView } from './pageview.js';
import { drawRows, parseBells, pngBlob, svgText, occurrences, rowText } from './rows.js';
import { fragmentOf, textOfFragment } from './share.js';
import { Extensions, readComposition, compositionBytes, download } from './files.js';
import { setUpMethods } from './methods.js';
// The bundled example, shown when the page opens without a shared link.
import Example from '../examples/spliced-surprise-major.maj';

const UserStopLine = 'Proof stopped by the user';
const AsYouTypeStopLine = 'Proof stopped after a second while proving as you type: press Prove to prove it in full';
const AsYouTypeDelayMs = 300;

// The engine on the page's own thread too, for colouring the text as the
// reader reads it (proofs run in the worker). Loaded from beside the page.
const { default: createTolvern } = await import(new URL('./tolvern.mjs', import.meta.url).href);
const styler = await createTolvern();

const $ = (id) => document.getElementById(id);
const pages = {
  proof: new PageView($('proof'), { underline: true, onLineClick: goToLineOf }),
  compatible: new PageView($('siril')),
  progress: new PageView($('progress')),
};
let file = { name: 'composition.maj', encoding: 'utf-8', lineEnd: '\n', byteOrderMark: false };
let lastRows = null;
let highlighted = -1;
let typingTimer = 0;

// The editor.
const view = new EditorView({
  parent: $('editor'),
  state: EditorState.create({
    doc: '',
    extensions: [
      lineNumbers(), highlightSpecialChars(), history(), drawSelection(), highlightActiveLine(),
      highlightSelectionMatches(), lintGutter(), siril(styler),
      keymap.of([...defaultKeymap, ...historyKeymap, ...searchKeymap,
        { key: 'Mod-Enter', run: () => (prove(false), true) }, { key: 'Escape', run: () => (stop(), true) },
        { key: 'Mod-m', run: () => (methods.open(), true) }]),
      EditorView.contentAttributes.of({ 'aria-label': 'Input' }),
      EditorView.updateListener.of((update) => {
        if (!update.docChanged) return;
        for (const page of Object.values(pages)) page.setStale(true);
        $('rows').classList.add('stale');
        if ($('as-you-type').checked) {
          clearTimeout(typingTimer);
          typingTimer = setTimeout(() => prove(true), AsYouTypeDelayMs);
        }
      }),
    ],
  }),
});

// The prover, in a worker of its own; a new one replaces it after a Stop
// that could not be asked of it.
const shared = typeof SharedArrayBuffer === 'function' && globalThis.crossOriginIsolated;
let worker = null;
let running = null;  // {id, stop, asYouType, text}
let nextId = 1;
let queued = null;

function startWorker() {
  worker = new Worker(new URL('./worker.js', import.meta.url), { type: 'module' });
  worker.onmessage = ({ data }) => onWorkerMessage(data);
  worker.onerror = (event) => {
    event.preventDefault();
    finishStopped(`Proof stopped: ${event.message || 'the prover failed'}`);
  };
}

function onWorkerMessage(data) {
  if (data.type === 'ready' || !running || data.id !== running.id) return;
  if (data.type === 'lines') {
    const lines = data.lines.split('\n');
    lines.pop();
    pages[data.page].appendLines(lines);
  } else if (data.type === 'changes') {
    showCounter(data.changes);
  } else if (data.type === 'done') {
    const proved = running;
    running = null;
    showResult(data.result, proved, data.ms);
    runQueued();
  }
}

function proofOptions() {
  return { maxBells: Number($('max-bells').value), music: $('music').checked, work: $('work').checked };
}

function prove(asYouType) {
  clearTimeout(typingTimer);
  const text = view.state.doc.toString();
  const request = { asYouType, text };
  if (running) {
    // A newer text replaces the proof still running.
    queued = request;
    stop(running.asYouType || asYouType ? null : UserStopLine, true);
    return;
  }
  queued = request;
  runQueued();
}

function runQueued() {
  if (!queued || running) return;
  const { asYouType, text } = queued;
  queued = null;
  const id = nextId++;
  const stopFlag = shared ? new SharedArrayBuffer(4) : null;
  running = { id, stopFlag, asYouType, text };
  for (const page of Object.values(pages)) {
    page.setLines([]);
    page.setStale(false);
  }
  $('rows').classList.remove('stale');
  setBusy(true);
  showCounter(0);
  showVerdict('', '');
  worker.postMessage({
    id, text: compositionBytes(text, { encoding: file.encoding }), options: proofOptions(), stop: stopFlag,
    timeLimitMs: asYouType ? 1000 : 0, timeStopLine: AsYouTypeStopLine,
  });
}

// Stops the proof running: in order where the worker can be asked, else by
// ending the worker (what arrived stays, with the stop line).
function stop(line = UserStopLine, replacing = false) {
  if (!running) return;
  if (running.stopFlag) {
    Atomics.store(new Int32Array(running.stopFlag), 0, 1);
    return;
  }
  worker.terminate();
  startWorker();
  if (replacing) {
    running = null;
    runQueued();
  } else {
    finishStopped(line);
  }
}

function finishStopped(line) {
  if (!running) return;
  running = null;
  pages.proof.appendLines([line]);
  pages.progress.appendLines([line]);
  for (const page of Object.values(pages)) page.scrollToEnd();
  setBusy(false);
  showVerdict('stopped', line);
  runQueued();
}

function setBusy(busy) {
  $('prove').disabled = false;
  $('stop').disabled = !busy;
  document.body.classList.toggle('busy', busy);
}

function showCounter(changes) {
  $('counter').textContent = `${changes.toLocaleString('en-GB')} changes`;
}

function showVerdict(word, text) {
  const verdict = $('verdict');
  verdict.dataset.verdict = word;
  verdict.textContent = text;
}

function showResult(result, proved, ms) {
  setBusy(false);
  showCounter(result.changes);
  if (result.rows) {
    showVerdict(result.verdict, result.rows.verdict);
    lastRows = result.rows;
    highlighted = -1;
    $('row-status').textContent = '';
    redrawRows();
  } else {
    showVerdict(result.verdict, result.verdict);
  }
  $('timing').textContent = `${ms.toFixed(0)} ms`;
  markDiagnostics(result.diagnostics, proved.text);
  for (const page of Object.values(pages)) {
    page.setStale(proved.text !== view.state.doc.toString());
    // As in the window: Prove shows each page's end; a proof as you type
    // leaves every page where the ringer had it.
    if (proved.asYouType) page.render(true);
    else page.scrollToEnd();
  }
}

// Errors and warnings at their lines: the text a message quotes in [...]
// when it is on the line, else the whole line.
function markDiagnostics(diagnostics, text) {
  const doc = view.state.doc;
  const marks = [];
  if (text === doc.toString()) {
    for (const d of diagnostics) {
      if (!d.line || d.line > doc.lines) continue;
      const line = doc.line(d.line);
      let from = line.from;
      let to = line.to;
      const quoted = /\[([^\]]*)\]\s*$/.exec(d.detail);
      if (quoted && quoted[1]) {
        const at = line.text.indexOf(quoted[1]);
        if (at >= 0) {
          from = line.from + at;
          to = from + quoted[1].length;
        }
      }
      marks.push({ from, to: Math.max(to, from), severity: d.kind === 'error' ? 'error' : 'warning',
        message: `${d.header}\n${d.detail.trim()}` });
    }
  }
  view.dispatch(setDiagnostics(view.state, marks));
}

// A double click on a proof line that names a line of the text goes there.
function goToLineOf(index, text) {
  const match = /\bline (\d+)\b/i.exec(text || '');
  if (!match) return;
  const number = Math.min(Number(match[1]), view.state.doc.lines);
  const line = view.state.doc.line(Math.max(1, number));
  view.dispatch({ selection: { anchor: line.from }, scrollIntoView: true });
  view.focus();
}

// The rows.
function redrawRows() {
  const holder = $('rows-picture');
  if (!lastRows || lastRows.count === 0) {
    holder.replaceChildren();
    return;
  }
  const columns = Math.max(1, Math.min(64, Number($('columns').value) || 8));
  const bells = parseBells($('bells').value, lastRows.stage);
  const title = `${lastRows.count - 1} changes. ${lastRows.verdict}`;
  holder.replaceChildren(drawRows(lastRows, { columns, bells, title, highlighted }));
}

$('rows-picture').addEventListener('click', (event) => {
  const target = event.target.closest('[data-row]');
  if (!target || !lastRows) return;
  const row = Number(target.dataset.row);
  if (!lastRows.falseRows[row]) {
    highlighted = -1;
    $('row-status').textContent = '';
  } else {
    highlighted = row;
    const changes = occurrences(lastRows, row);
    $('row-status').textContent = `${rowText(lastRows, row)} is rung at change${changes.length > 1 ? 's' : ''} ${changes.join(', ')}`;
  }
  redrawRows();
});
for (const id of ['columns', 'bells']) $(id).addEventListener('change', redrawRows);
$('download-svg').addEventListener('click', () => {
  const svg = $('rows-picture').querySelector('svg');
  if (svg) download(baseName() + '.svg', new Blob([svgText(svg)], { type: 'image/svg+xml' }));
});
$('download-png').addEventListener('click', async () => {
  const svg = $('rows-picture').querySelector('svg');
  if (svg) download(baseName() + '.png', await pngBlob(svg));
});

// Files and links.
function baseName() {
  return file.name.replace(/\.[^.]*$/, '') || 'composition';
}

function setText(text) {
  view.dispatch({ changes: { from: 0, to: view.state.doc.length, insert: text } });
}

$('open-file').setAttribute('accept', Extensions.join(','));
$('open').addEventListener('click', () => $('open-file').click());
$('open-file').addEventListener('change', async () => {
  const chosen = $('open-file').files[0];
  if (!chosen) return;
  const read = readComposition(new Uint8Array(await chosen.arrayBuffer()));
  file = { name: chosen.name, encoding: read.encoding, lineEnd: read.lineEnd, byteOrderMark: read.byteOrderMark };
  document.title = `${chosen.name} - TOLVERN`;
  setText(read.text);
  $('open-file').value = '';
  prove(false);
});
$('save').addEventListener('click', () => download(file.name, new Blob([compositionBytes(view.state.doc.toString(), file)])));
$('share').addEventListener('click', async () => {
  const fragment = await fragmentOf(view.state.doc.toString());
  window.history.replaceState(null, '', fragment);
  const link = location.href;
  $('share-link').value = link;
  $('share-link').hidden = false;
  $('share-link').select();
  try {
    await navigator.clipboard.writeText(link);
    $('share-status').textContent = 'Link copied';
  } catch {
    $('share-status').textContent = 'Copy the link';
  }
});

// Tabs and search.
for (const tab of document.querySelectorAll('[role=tab]')) {
  tab.addEventListener('click', () => {
    for (const other of document.querySelectorAll('[role=tab]')) {
      const selected = other === tab;
      other.setAttribute('aria-selected', String(selected));
      $(other.getAttribute('aria-controls')).hidden = !selected;
    }
    for (const page of Object.values(pages)) page.schedule(true);
  });
}
function activePage() {
  if (!$('proof-panel').hidden) return pages.proof;
  if (!$('siril-panel').hidden) return pages.compatible;
  return pages.progress;
}
$('find').addEventListener('keydown', (event) => {
  if (event.key !== 'Enter') return;
  const found = activePage().find($('find').value, event.shiftKey);
  $('find-status').textContent = found < 0 ? 'Not found' : `Line ${found + 1}`;
});

$('prove').addEventListener('click', () => prove(false));
$('stop').addEventListener('click', () => stop());
$('as-you-type').checked = localStorage.getItem('tolvern.asYouType') !== 'no';
$('as-you-type').addEventListener('change', () => localStorage.setItem('tolvern.asYouType', $('as-you-type').checked ? 'yes' : 'no'));

const methods = setUpMethods({ view, $ });
startWorker();
setBusy(false);
(async () => {
  const shared = await textOfFragment(location.hash);
  setText(shared ?? Example);
  prove(false);
})();
window.addEventListener('hashchange', async () => {
  const shared = await textOfFragment(location.hash);
  if (shared !== null && shared !== view.state.doc.toString()) {
    setText(shared);
    prove(false);
  }
});
