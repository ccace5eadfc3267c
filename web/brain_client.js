// The page's side of the brain's worker: sends protocol commands, one batch at a time, and
// resolves with the reply lines of each command.
export class BrainClient {
  #worker = new Worker('brain_worker.js');
  #pending = new Map();
  #nextId = 0;

  constructor() {
    this.#worker.onmessage = (event) => {
      const { id, replies, error } = event.data;
      const { resolve, reject } = this.#pending.get(id);
      this.#pending.delete(id);
      if (error === undefined) resolve(replies);
      else reject(new Error(error));
    };
    // A worker that fails (its script did not load, say) answers nothing more.
    this.#worker.onerror = (event) => {
      for (const { reject } of this.#pending.values()) reject(new Error(event.message));
      this.#pending.clear();
    };
  }

  send(commands) {
    const id = this.#nextId++;
    return new Promise((resolve, reject) => {
      this.#pending.set(id, { resolve, reject });
      this.#worker.postMessage({ id, commands });
    });
  }
}
