// The games the page keeps in the browser's IndexedDB: the running session
// ('session') and the best game of each board ('best1' .. 'best8'), each as
// {text, tick, saved}: the recording, the tick_count it was taken at and
// when. They live apart from the winners table and the settings in local
// storage, so a long recording can never crowd those out. When the browser
// refuses the room for a write, the oldest other kept item is dropped and the
// write tried again.
(function () {
  'use strict';
  const kDatabase = 'klumpix';
  const kStore = 'games';

  // Runs `work` on the store in one transaction; resolves to the result of
  // the request `work` returns once the transaction is done.
  function run(db, mode, work) {
    return new Promise((resolve, reject) => {
      const transaction = db.transaction(kStore, mode);
      const request = work(transaction.objectStore(kStore));
      transaction.oncomplete = () => resolve(request.result);
      transaction.onabort = () => reject(transaction.error || new Error('the write was refused'));
    });
  }

  function refusedForRoom(error) {
    return error !== null && error.name === 'QuotaExceededError';
  }

  class KeptGames {
    constructor(db) {
      this.db = db;
    }

    get(key) {
      return run(this.db, 'readonly', (store) => store.get(key));
    }

    remove(key) {
      return run(this.db, 'readwrite', (store) => store.delete(key));
    }

    // Resolves once kept; rejects when the browser refuses even with
    // nothing else kept.
    async put(key, text, tick) {
      const record = {text, tick, saved: Date.now()};
      for (;;) {
        try {
          await run(this.db, 'readwrite', (store) => store.put(record, key));
          return;
        } catch (error) {
          const oldest = refusedForRoom(error) ? await this.oldestBesides(key) : null;
          if (oldest === null) throw error;
          await this.remove(oldest);
        }
      }
    }

    async oldestBesides(key) {
      const keys = await run(this.db, 'readonly', (store) => store.getAllKeys());
      const records = await run(this.db, 'readonly', (store) => store.getAll());
      let oldest = null;
      let oldestSaved = Infinity;
      keys.forEach((k, i) => {
        if (k !== key && records[i].saved < oldestSaved) {
          oldest = k;
          oldestSaved = records[i].saved;
        }
      });
      return oldest;
    }
  }

  // Resolves to the kept games, or to null where the browser keeps none
  // for this page (no IndexedDB, or it is refused).
  window.klumpixOpenKeptGames = function open() {
    return new Promise((resolve) => {
      let request;
      try {
        request = window.indexedDB.open(kDatabase, 1);
      } catch (e) {
        resolve(null);
        return;
      }
      request.onupgradeneeded = () => request.result.createObjectStore(kStore);
      request.onsuccess = () => resolve(new KeptGames(request.result));
      request.onerror = () => resolve(null);
      request.onblocked = () => resolve(null);
    });
  };
})();
