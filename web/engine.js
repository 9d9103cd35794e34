// The rating engine the page calculates with: the desktop program's own C++ engine,
// compiled to WebAssembly. This module only turns its answers into JavaScript objects;
// every rule, rounding, message and number reading is the engine's.
import createEngineModule from './vrc_engine.js';

const ROWS = 3;
const PROBLEMS = ['NotNumeric', 'OutOfRange', 'NoRating', 'NewRatingOutOfRange'];
const GROUPS = ['team', 'opponents'];
// The answer's slots, in the order engine_exports.cpp fills them.
const OK = 0;
const PROBLEM = 1;
const GROUP = 2;
const ROW = 3;
const MESSAGE_TEXT = 4;
const MESSAGE_LENGTH = 5;
const TEAM_AVERAGE = 6;
const OPPONENT_AVERAGE = 7;
const DIFFERENCE = 8;
const WIN_CHANGE = 9;
const LOSS_CHANGE = 10;
const ROWS_SHOWN = 11;
const ROW_RESULTS = 12;

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
        answer = module.HEAP32.slice(slots, slots + ROW_RESULTS + 2 * ROWS);
    } finally {
        module._free(buffer);
        module._free(lengths);
    }

    if (!answer[OK]) {
        const text = answer[MESSAGE_TEXT] / 2;
        return {
            ok: false,
            problem: PROBLEMS[answer[PROBLEM]],
            message: String.fromCharCode(
                ...module.HEAPU16.subarray(text, text + answer[MESSAGE_LENGTH])),
            group: GROUPS[answer[GROUP]],
            row: answer[ROW],
        };
    }
    const rows = [];
    for (let row = 0; row < ROWS; ++row) {
        rows.push(answer[ROWS_SHOWN] & (1 << row)
            ? { win: answer[ROW_RESULTS + 2 * row], lose: answer[ROW_RESULTS + 2 * row + 1] }
            : null);
    }
    return {
        ok: true,
        rows,
        teamAverage: answer[TEAM_AVERAGE],
        opponentAverage: answer[OPPONENT_AVERAGE],
        difference: answer[DIFFERENCE],
        winChange: answer[WIN_CHANGE],
        lossChange: answer[LOSS_CHANGE],
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
