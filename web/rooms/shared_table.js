// The highscore table, shared with the page's other tabs: a command that stores it waits for every other tab to be
// done with it, and a table another tab stored is read again. It touches localStorage's numbering of saves and the
// browser's locks; the press itself is board.js's.

// A press waits for the highscore table's lock, which every tab of the page takes to store it.
const TABLE_LOCK = 'pairfinder-highscores';
let locked = false;
// Another tab stored the table since this one last read it.
let tableStored = false;

function tableLocked() {
    return locked;
}

// Runs `store` once no other tab stores the table, and the presses made meanwhile after it; false where the browser
// has no locks, and the caller stores at once.
function inTurnWithOtherTabs(store) {
    if (!navigator.locks) return false;
    locked = true;
    navigator.locks.request(TABLE_LOCK, () => storeInTurn(store)).finally(() => {
        locked = false;
        playWaiting();
    });
    return true;
}

// Each tab keeps localStorage in a copy of its own, which learns of another tab's write a little later: the lock alone
// would let a tab rank into a table one save old. So every save is numbered: the saver writes its number beside the
// table and holds a shared lock named by it, which the lock manager shows the next saver at once; that one waits
// until its copy holds the number, and with it the table written before it.
const SAVED = TABLE_LOCK + ' saved';
let releaseSaved = () => undefined;

function savedNumber() {
    try {
        return Number(localStorage.getItem(SAVED)) || 0;
    } catch (error) {
        return 0;
    }
}

async function storeInTurn(store) {
    const { held, pending } = await navigator.locks.query();
    const latest = Math.max(0, ...[...held, ...pending].map((lock) => lock.name)
        .filter((name) => name.startsWith(SAVED + ' ')).map((name) => Number(name.slice(SAVED.length + 1))));
    // A tab that closed right after its save takes its lock with it: the wait is bounded.
    for (let waited = 0; savedNumber() < latest && waited < 2000; waited += 10) {
        await new Promise((resolve) => setTimeout(resolve, 10));
    }
    store();
    const number = Math.max(latest, savedNumber()) + 1;
    try {
        localStorage.setItem(SAVED, String(number));
    } catch (error) {
        return;
    }
    releaseSaved();
    // Held before the table's lock goes, so that the next saver cannot miss it.
    await new Promise((held) => navigator.locks.request(SAVED + ' ' + number, { mode: 'shared' },
        () => new Promise((resolve) => {
            releaseSaved = resolve;
            held();
        })));
}

// Another tab stored the table: it is read once the error box is closed, however often it was stored meanwhile, so
// that what is wrong with it is said once.
function readTable() {
    if (!tableStored || errorBox.open || ended || stopped) return;
    tableStored = false;
    _pf_table_changed();
}

// Another tab of the page stored the highscore table: this one reads it again at once, so that its menu shows it and
// its next save ranks into it.
window.addEventListener('storage', (event) => {
    if (!started || event.storageArea !== window.localStorage) return;
    tableStored = true;
    readTable();
});
