// Methods by name off the page's thread, so that a search never waits for a
// proof: the module's search over the built-in set and over the methods
// library XML the user chose. That file is kept in this browser (IndexedDB)
// for next time and never leaves it.
//   page -> worker: {type: 'search', id, query, stage}
//                   {type: 'library', name, bytes}   a file chosen
//                   {type: 'forget'}
//   worker -> page: {type: 'ready', stages}
//                   {type: 'found', id, count, methods}
//                   {type: 'library', name, methods, added, skipped, firstSkipped, error}
//                   (name null: the built-in set alone)
import createTolvern from './tolvern.mjs';

const ShownAtMost = 200;
const Store = { db: 'tolvern', objects: 'files', key: 'methodLibrary' };

function openStore() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(Store.db, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(Store.objects);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function storeCall(mode, call) {
  const db = await openStore();
  try {
    return await new Promise((resolve, reject) => {
      const request = call(db.transaction(Store.objects, mode).objectStore(Store.objects));
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  } finally {
    db.close();
  }
}

const kept = {
  get: () => storeCall('readonly', (store) => store.get(Store.key)),
  put: (value) => storeCall('readwrite', (store) => store.put(value, Store.key)),
  remove: () => storeCall('readwrite', (store) => store.delete(Store.key)),
};

function load(tolvern, name, bytes) {
  const read = tolvern.loadMethodLibrary(new Uint8Array(bytes), name);
  return { type: 'library', name: read.error ? null : name, methods: read.methods, added: read.added,
    skipped: read.skipped, firstSkipped: read.firstSkipped, error: read.error };
}

const ready = (async () => {
  const tolvern = await createTolvern();
  postMessage({ type: 'ready', stages: tolvern.stageNames() });
  // The library chosen last time, if the browser kept it.
  try {
    const stored = await kept.get();
    if (stored) postMessage(load(tolvern, stored.name, stored.bytes));
  } catch { /* no storage here (a private window): the built-in set alone */ }
  return tolvern;
})();

onmessage = async ({ data }) => {
  const tolvern = await ready;
  if (data.type === 'search') {
    const found = tolvern.searchMethods(data.query, { stage: data.stage, limit: ShownAtMost });
    postMessage({ type: 'found', id: data.id, count: found.count, methods: found.methods });
  } else if (data.type === 'library') {
    const answer = load(tolvern, data.name, data.bytes);
    if (!answer.error) {
      try {
        await kept.put({ name: data.name, bytes: data.bytes });
      } catch { answer.notKept = true; }
    }
    postMessage(answer);
  } else if (data.type === 'forget') {
    tolvern.forgetMethodLibrary();
    try { await kept.remove(); } catch { /* nothing was kept */ }
    postMessage({ type: 'library', name: null });
  }
};
