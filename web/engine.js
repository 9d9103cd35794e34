// The rating engine the page calculates with: the desktop program's own C++ engine,
// compiled to WebAssembly. This module only turns its answers into JavaScript objects;
// every rule, rounding, message and number reading is the engine's.
import createEngineModule from './vrc_engine.js';

const ROWS = 3;
const PROBLEMS = ['NotNumeric', 'OutOfRange', 'NoRating', 'NewRatingOutOfRange'];
const GROUPS = ['team', 'opponents'];
// The answer's slots, in the order engine_exports.cpp fills them.
const SLOT = Object.fromEntries([
    'ok', 'problem', 'group', 'row', 'messageText', 'messageLength', 'teamAverage',
    'opponentAverage', 'difference', 'winChange', 'lossChange', 'breakEvenNumerator',
    'breakEvenDenominator', 'breakEvenTenths', 'rowsShown', 'rowResults',
].map((name, index) => [name, index]));
const AMOUNTS = ['teamAverage', 'opponentAverage', 'difference', 'winChange', 'lossChange'];

function requireBoxes(name, boxes) {
    if (!Array.isArray(boxes) || boxes.length !== ROWS ||
        !boxes.every((text) => typeof text === 'string')) {
        throw new TypeError(`${name} must be an array of ${ROWS} strings`);
    }
}

function calculateWith(module, locale, team, opponents) {
    if (typeof locale !== 'string') {
        throw new TypeError('locale must be a string');
    }
    requireBoxes('team', team);
    requireBoxes('opponents', opponents);

    const texts = [locale, ...team, ...opponents];
    const units = texts.reduce((sum, text) => sum + text.length, 0);
    const lengths = module._malloc(4 * texts.length);
    const buffer = module._malloc(2 * Math.max(units, 1));
    let answer;
    try {
        let unit = buffer / 2;
        texts.forEach((text, index) => {
            module.HEAP32[lengths / 4 + index] = text.length;
            for (let i = 0; i < text.length; ++i) {
                module.HEAPU16[unit++] = text.charCodeAt(i);
            }
        });
        const slots = module._vrc_calculate(buffer, lengths) / 4;
        // Read only now: the call may have grown memory and replaced the views.
        answer = module.HEAP32.slice(slots, slots + SLOT.rowResults + 3 * ROWS);
    } finally {
        module._free(buffer);
        module._free(lengths);
    }

    if (!answer[SLOT.ok]) {
        const text = answer[SLOT.messageText] / 2;
        return {
            ok: false,
            problem: PROBLEMS[answer[SLOT.problem]],
            message: String.fromCharCode(
                ...module.HEAPU16.subarray(text, text + answer[SLOT.messageLength])),
            group: GROUPS[answer[SLOT.group]],
            row: answer[SLOT.row],
        };
    }
    const rows = [];
    for (let row = 0; row < ROWS; ++row) {
        const results = SLOT.rowResults + 2 * row;
        rows.push(answer[SLOT.rowsShown] & (1 << row)
            ? { old: answer[SLOT.rowResults + 2 * ROWS + row], win: answer[results],
                lose: answer[results + 1] }
            : null);
    }
    return {
        ok: true,
        rows,
        ...Object.fromEntries(AMOUNTS.map((name) => [name, answer[SLOT[name]]])),
        // The share to win to hold the rating: the double nearest the exact fraction, and
        // in percent to a tenth, rounded from the fraction.
        breakEven: answer[SLOT.breakEvenNumerator] / answer[SLOT.breakEvenDenominator],
        breakEvenPercent: answer[SLOT.breakEvenTenths] / 10,
    };
}

let loading;

// Loads the engine once; every call answers from the same instance. A failed load (the
// network gone before the module was cached) is tried again on the next call.
export async function loadEngine() {
    loading ??= createEngineModule().then(
        (module) => Object.freeze({
            calculate: (locale, team, opponents) => calculateWith(module, locale, team, opponents),
        }),
        (error) => {
            loading = undefined;
            throw error;
        });
    return loading;
}
