// The rating window of the web edition: reads the six boxes, asks the engine, shows the
// results or reports the refusal. Every rule, message and number reading is the engine's;
// the texts, in the reader's language, come from texts.js (VrcTexts), loaded before this.

const form = document.getElementById('rating-window');
const boxes = {
    team: [0, 1, 2].map((row) => document.getElementById(`team-${row}`)),
    opponents: [0, 1, 2].map((row) => document.getElementById(`opponents-${row}`)),
};
const results = [0, 1, 2].map((row) => ({
    win: document.getElementById(`win-${row}`),
    lose: document.getElementById(`lose-${row}`),
}));
const breakEven = document.getElementById('break-even');
const errorDialog = document.getElementById('error');
const errorMessage = document.getElementById('error-message');
const aboutDialog = document.getElementById('about');
const helpButton = document.getElementById('help');

// The engine loads once; a Calculate pressed before it is ready waits for it. The page is
// ready when it can calculate and shows its texts.
const engineReady = import('./engine.js').then((module) => module.loadEngine());
Promise.all([engineReady, VrcTexts.ready]).then(() => {
    document.documentElement.dataset.engine = 'ready';
    performance.mark('vrc-ready');
}, () => {});
// A failed load is reported when Calculate asks for the engine.
const engineSettled = engineReady.catch(() => {});

// Where the focus goes once the Error dialog is closed.
let boxToFix = null;

function showResults(rows) {
    rows.forEach((row, index) => {
        results[index].win.value = row ? String(row.win) : '';
        results[index].lose.value = row ? String(row.lose) : '';
    });
}

// The share in the reader's number format, to the tenth the engine rounded it to.
function showBreakEven(percent) {
    const share = new Intl.NumberFormat(navigator.language, {
        style: 'percent', minimumFractionDigits: 1, maximumFractionDigits: 1,
    }).format(percent / 100);
    breakEven.textContent = VrcTexts.breakEven(share);
}

// The dialog gives the focus back, as it closes, to whatever held it when it opened: the
// box to fix, with its text selected, holds it then, so that a key typed right after the
// dialog closes lands in the box.
function reportError(message, box) {
    boxToFix = box;
    box?.focus();
    box?.select();
    errorMessage.textContent = message;
    errorDialog.showModal();
}

async function calculate() {
    let engine;
    try {
        engine = await engineReady;
    } catch {
        reportError(VrcTexts.loadFailed(), null);
        return;
    }
    let answer;
    try {
        answer = engine.calculate(
            navigator.language,
            boxes.team.map((box) => box.value),
            boxes.opponents.map((box) => box.value),
        );
    } catch (fault) {
        // A fault in the engine, never an entry error: say so, and keep what is on the page.
        reportError(VrcTexts.calculationFailed(fault.message), null);
        return;
    }
    if (answer.ok) {
        showResults(answer.rows);
        showBreakEven(answer.breakEvenPercent);
    } else {
        reportError(VrcTexts.refusal(answer.message), boxes[answer.group][answer.row]);
    }
}

form.addEventListener('submit', (event) => {
    event.preventDefault();
    calculate();
});

// Calculate is the default button: Enter on a result calculates as well as in an entry box.
form.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && event.target instanceof HTMLOutputElement) {
        event.preventDefault();
        form.requestSubmit();
    }
});

// The form's own reset empties the boxes and the results; the caret then starts again at the top.
form.addEventListener('reset', () => {
    breakEven.textContent = '';
    boxes.team[0].focus();
});

// The close event comes a task after the dialog has closed, perhaps after the keys typed
// next: it only puts the focus in the box where a browser has not given it back.
errorDialog.addEventListener('close', () => {
    if (boxToFix && document.activeElement !== boxToFix) {
        boxToFix.focus();
        boxToFix.select();
    }
    boxToFix = null;
});

// The dialog gives the focus back to whatever held it when it opened.
helpButton.addEventListener('click', () => aboutDialog.showModal());
// F1 is Help's key, as on the desktop, in place of the browser's own help.
document.addEventListener('keydown', (event) => {
    if (event.key === 'F1' && !errorDialog.open && !aboutDialog.open) {
        event.preventDefault();
        aboutDialog.showModal();
    }
});

// Copying a focused result copies its number alone, unless the user has selected text.
function focusedResult() {
    const element = document.activeElement;
    return element instanceof HTMLOutputElement ? element : null;
}

document.addEventListener('copy', (event) => {
    const result = focusedResult();
    if (!result || !document.getSelection().isCollapsed || result.value === '') {
        return;
    }
    event.clipboardData.setData('text/plain', result.value);
    event.preventDefault();
});

if ('serviceWorker' in navigator) {
    // A page that came from an older version reloads once the new one has taken over,
    // unless that would throw away something the user has typed.
    const updating = navigator.serviceWorker.controller !== null;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
        const typed = [...boxes.team, ...boxes.opponents].some((box) => box.value !== '');
        if (updating && !typed && !errorDialog.open && !aboutDialog.open) {
            location.reload();
        }
    });
    // Not before the engine has loaded: the worker asks for every file of the site.
    engineSettled.then(() =>
        navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {}),
    );
}
