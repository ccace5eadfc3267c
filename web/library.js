// The library of games, kept in the browser's IndexedDB: every game played here, finished or not
// (each tab plays its own), with its date, result, levels, rule and players, and the whole tree of
// its lines. Each game has its own id, which its tree carries once kept, so that later changes (a
// move, a report, a side line) update the same entry.
import { Game, heightOf } from './game.js';
import { Levels } from './levels.js';

const Database = 'orvane';
const Store = 'games';

let opening = null;
let keeping = Promise.resolve(); // the games being kept, one after the other

// Keeps `tree` once a move of its main line was played here (a record or a link opened is not kept
// until it is played on), and keeps it up to date once it is kept; `onKept(tree)` hears when it is.
// A library that cannot be written is only warned of: the game goes on.
export function keepGame(tree, onKept) {
  const main = tree.mainLine;
  if (tree.libraryId === null && main.every((move) => move.fromRecord)) return;
  keeping = keeping
    .then(() => keepTree(tree))
    .then((id) => {
      tree.libraryId = id;
      onKept(tree);
    })
    .catch((error) => console.warn(`The library did not keep the game: ${error.message}`));
}

// Keeps `tree` (a GameTree), under its own id when it has one, with the date it was first kept (or
// `date`, an ISO date, for a game of a record); resolves to its id. An id that is no longer in the
// library (a game deleted meanwhile) is kept again under a new one.
export async function keepTree(tree, date = new Date().toISOString()) {
  const game = Game.replay(tree.start, tree.mainLine);
  const used = new Set(tree.mainLine.map((move) => move.answer?.level));
  const entry = {
    date,
    result: game.winner ?? (game.isOver ? 'draw' : null),
    levels: Levels.filter((level) => used.has(level)),
    rule: tree.start.rule,
    size: tree.start.size,
    height: heightOf(tree.start),
    players: tree.players,
    moves: game.moves.length,
    tree: { ...tree.toJSON(), libraryId: null },
  };
  return request('readwrite', (store, done) => {
    if (tree.libraryId === null) {
      store.add(entry).onsuccess = (event) => done(event.target.result);
      return;
    }
    store.get(tree.libraryId).onsuccess = (event) => {
      const kept = event.target.result;
      const put = kept ? store.put({ ...entry, id: kept.id, date: kept.date }) : store.add(entry);
      put.onsuccess = (putEvent) => done(putEvent.target.result);
    };
  });
}

// Every kept game, the latest first.
export async function listGames() {
  const games = await request('readonly', (store, done) => {
    store.getAll().onsuccess = (event) => done(event.target.result);
  });
  return games.sort((a, b) => b.date.localeCompare(a.date) || b.id - a.id);
}

export async function deleteGame(id) {
  return request('readwrite', (store, done) => {
    store.delete(id).onsuccess = () => done();
  });
}

// Puts back `entry`, a game as listGames() gave it before it was deleted, under its own id.
export async function restoreGame(entry) {
  return request('readwrite', (store, done) => {
    store.put(entry).onsuccess = () => done();
  });
}

// Runs `operation(store, done)` in a transaction of `mode` on the games; resolves, once the
// transaction has completed, to what the operation handed to done().
async function request(mode, operation) {
  const database = await open();
  return new Promise((resolve, reject) => {
    const transaction = database.transaction(Store, mode);
    let result;
    operation(transaction.objectStore(Store), (value) => {
      result = value;
    });
    transaction.oncomplete = () => resolve(result);
    transaction.onerror = transaction.onabort = () =>
      reject(transaction.error ?? new Error('the library did not answer'));
  });
}

function open() {
  opening ??= new Promise((resolve, reject) => {
    if (typeof indexedDB === 'undefined') {
      reject(new Error('this browser keeps no library (IndexedDB is missing)'));
      return;
    }
    const opened = indexedDB.open(Database, 1);
    opened.onupgradeneeded = () =>
      opened.result.createObjectStore(Store, { keyPath: 'id', autoIncrement: true });
    opened.onsuccess = () => resolve(opened.result);
    opened.onerror = () => reject(opened.error);
    opened.onblocked = () => reject(new Error('another tab holds an older library open'));
  }).catch((error) => {
    opening = null;
    throw error;
  });
  return opening;
}
