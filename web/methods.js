// Insert Method on the page: the window's dialog in a <dialog>. Each key
// stroke asks the methods worker (its own, so a proof never holds a search
// up); Insert puts the definition line at the editor's caret.

// The stage of the text's first statement, `n BELLS`, or 0.
export function stageOfText(text) {
  for (const line of text.split(/\r\n?|\n/)) {
    const trimmed = line.trim();
    if (trimmed === '' || trimmed.startsWith('/')) continue;
    const match = /^(\d+)\s*bells\s*(\/.*)?$/i.exec(trimmed);
    return match ? Number(match[1]) : 0;
  }
  return 0;
}

// `insert` as a line of its own at `at` in `text`: the change to dispatch.
export function lineAt(text, at, insert) {
  const lineStart = text.lastIndexOf('\n', at - 1) + 1;
  let lineEnd = text.indexOf('\n', at);
  if (lineEnd < 0) lineEnd = text.length;
  const line = (at > lineStart ? '\n' : '') + insert + (at < lineEnd ? '\n' : '');
  return { from: at, insert: line };
}

export function setUpMethods({ view, $ }) {
  const worker = new Worker(new URL('./methods_worker.js', import.meta.url), { type: 'module' });
  const dialog = $('method-dialog');
  const search = $('method-search');
  const stage = $('method-stage');
  const list = $('method-list');
  let found = [];
  let chosen = -1;
  let asked = 0;
  let library = null;

  function say(id, text) { $(id).textContent = text; }

  function ask() {
    worker.postMessage({ type: 'search', id: ++asked, query: search.value, stage: Number(stage.value) });
  }

  function choose(index) {
    chosen = found.length === 0 ? -1 : Math.max(0, Math.min(found.length - 1, index));
    for (const [i, option] of [...list.children].entries()) option.setAttribute('aria-selected', String(i === chosen));
    const option = list.children[chosen];
    if (option) {
      option.scrollIntoView({ block: 'nearest' });
      list.setAttribute('aria-activedescendant', option.id);
    } else {
      list.removeAttribute('aria-activedescendant');
    }
    say('method-line', chosen < 0 ? '' : definition(found[chosen]));
    $('method-insert').disabled = chosen < 0;
  }

  function definition(method) { return `${method.name} = ${method.siril}`; }

  function show({ count, methods }) {
    found = methods;
    list.replaceChildren(...methods.map((method, i) => {
      const option = document.createElement('div');
      option.id = `method-${i}`;
      option.setAttribute('role', 'option');
      for (const [text, kind] of [[method.title, 'title'], [method.classification, 'class'], [method.leadHead, 'head']]) {
        const cell = document.createElement('span');
        cell.className = kind;
        cell.textContent = text;
        option.append(cell);
      }
      option.addEventListener('click', () => choose(i));
      option.addEventListener('dblclick', () => insert());
      return option;
    }));
    const shown = count > methods.length ? ` (the first ${methods.length} shown)` : '';
    say('method-status', count === 0 ? (search.value.trim() ? 'No method found' : '')
      : `${count.toLocaleString('en-GB')} method${count === 1 ? '' : 's'} found${shown}`);
    choose(0);
  }

  function showLibrary(answer) {
    library = answer.name;
    $('method-forget').hidden = !library;
    if (answer.error) say('method-library-status', answer.error);
    else if (!library) say('method-library-status', 'The built-in set of the most rung methods');
    else {
      const skipped = answer.skipped ? `; ${answer.skipped} passed over (the first: ${answer.firstSkipped})` : '';
      const methods = `${answer.added.toLocaleString('en-GB')} method${answer.added === 1 ? '' : 's'}`;
      say('method-library-status', `${library}: ${methods}${skipped}` +
        (answer.notKept ? '; this browser does not keep it' : ', kept in this browser'));
    }
    if (dialog.open) ask();
  }

  worker.onmessage = ({ data }) => {
    if (data.type === 'ready') {
      for (const { bells, name } of data.stages) stage.add(new Option(`${name} (${bells})`, String(bells)));
    } else if (data.type === 'found') {
      if (data.id === asked) show(data);
    } else if (data.type === 'library') {
      showLibrary(data);
    }
  };
  say('method-library-status', 'The built-in set of the most rung methods');

  function insert() {
    if (chosen < 0) return;
    const method = found[chosen];
    const textStage = stageOfText(view.state.doc.toString());
    if (textStage && textStage !== method.stage &&
        !window.confirm(`${method.title} is rung on ${method.stage} bells, and the composition is on ${textStage}.\n\nInsert it all the same?`)) return;
    const at = view.state.selection.main.head;
    const change = lineAt(view.state.doc.toString(), at, definition(method));
    view.dispatch({ changes: change, selection: { anchor: at + change.insert.length }, scrollIntoView: true, userEvent: 'input' });
    dialog.close();
    view.focus();
  }

  function open() {
    const textStage = stageOfText(view.state.doc.toString());
    stage.value = [...stage.options].some((option) => Number(option.value) === textStage) ? String(textStage) : '0';
    if (!dialog.open) dialog.showModal();
    search.select();
    ask();
  }

  search.addEventListener('input', ask);
  stage.addEventListener('change', ask);
  // The arrows move through the matches from the search box too; Enter inserts.
  const keys = (event) => {
    const step = { ArrowDown: 1, ArrowUp: -1, PageDown: 10, PageUp: -10 }[event.key];
    if (step) choose(chosen + step);
    else if (event.key === 'Enter') insert();
    else return;
    event.preventDefault();
  };
  search.addEventListener('keydown', keys);
  list.addEventListener('keydown', keys);
  $('method-insert').addEventListener('click', insert);
  $('method-close').addEventListener('click', () => dialog.close());
  $('method-library').addEventListener('change', async () => {
    const file = $('method-library').files[0];
    if (!file) return;
    say('method-library-status', `Reading ${file.name}...`);
    const bytes = await file.arrayBuffer();
    worker.postMessage({ type: 'library', name: file.name, bytes }, [bytes]);
    $('method-library').value = '';
  });
  $('method-forget').addEventListener('click', () => worker.postMessage({ type: 'forget' }));
  $('methods').addEventListener('click', open);
  return { open };
}
