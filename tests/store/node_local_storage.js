// Node has no localStorage: the store's tests get one that keeps its items in memory. A test may make it
// refuse writes, as a full storage does, or every use, as a storage that the browser blocks for the page;
// peek and poke reach the items past any refusal, as the browser's own tools do.
globalThis.localStorage = (() => {
    const items = new Map();
    const refused = (name) => new DOMException('the storage is ' + (storage.refuse === 'all' ? 'blocked' : 'full'),
                                               name);
    const storage = {
        refuse: '',
        getItem(name) {
            if (storage.refuse === 'all') throw refused('SecurityError');
            return items.has(name) ? items.get(name) : null;
        },
        setItem(name, value) {
            if (storage.refuse) throw refused(storage.refuse === 'all' ? 'SecurityError' : 'QuotaExceededError');
            items.set(name, String(value));
        },
        clear() { items.clear(); },
        peek(name) { return items.has(name) ? items.get(name) : null; },
        poke(name, value) { items.set(name, String(value)); },
    };
    return storage;
})();
