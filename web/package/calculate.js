// One calculation as a program asks for it: numbers or texts in, the answer or the
// refusal out as a plain object. Every rule, rounding and number reading is the engine's
// (the desktop program's C++ engine in WebAssembly); this module only moves values in and
// out of its memory and words refusals in the caller's language.
import messages from './messages.js';

const ROWS = 3;
const BOXES = 2 * ROWS;
const PROBLEMS = ['NotNumeric', 'OutOfRange', 'NoRating', 'NewRatingOutOfRange'];
const SIDES = ['team', 'opponents'];
// The answer's slots, in the order engine_exports.cpp fills them.
const SLOT = Object.fromEntries([
    'ok', 'problem', 'group', 'row', 'messageText', 'messageLength', 'teamAverage',
    'opponentAverage', 'difference', 'winChange', 'lossChange', 'breakEvenNumerator',
    'breakEvenDenominator', 'breakEvenTenths', 'rowsShown', 'rowResults',
].map((name, index) => [name, index]));
const ROW_OLD = SLOT.rowResults + 2 * ROWS;
// How vrc_calculate_boxes is told a box holds a number, or nothing.
const NUMBER_BOX = -1;
const EMPTY_BOX = -2;

// Translations by code (de, pt_BR); a locale tag reads the first that fits, as the web
// page chooses its language: the region decides only where the translation has one.
function messageTable(locale) {
    const [language, ...subtags] = locale.toLowerCase().replace(/_/g, '-').split('-');
    const code = Object.keys(messages).find((candidate) => {
        const [codeLanguage, region] = candidate.toLowerCase().split('_');
        if (codeLanguage !== language || !region || subtags.length === 0) {
            return codeLanguage === language;
        }
        return subtags.includes(region) || (candidate === 'zh_CN' && subtags.includes('hans'));
    });
    return code === undefined ? {} : messages[code];
}

function requireSide(name, boxes) {
    if (!Array.isArray(boxes) || boxes.length > ROWS) {
        throw new TypeError(`${name} must be an array of at most ${ROWS} ratings`);
    }
    for (const box of boxes) {
        if (box !== null && box !== undefined && typeof box !== 'number' &&
            typeof box !== 'string') {
            throw new TypeError(`${name} holds ${typeof box}: a rating is a number or a text`);
        }
    }
}

export function engineCalls(module) {
    // Memory for the texts' call, grown as texts need it and never given back: one call
    // runs at a time.
    let textUnits = 0;
    let textBuffer = 0;
    const lengths = module._malloc(4 * (1 + BOXES));
    const numbers = module._malloc(8 * BOXES);

    function answerAt(address, locale) {
        const slots = module.HEAP32;
        const at = address / 4;
        if (slots[at + SLOT.ok] === 0) {
            const text = slots[at + SLOT.messageText] / 2;
            const english = String.fromCharCode(...module.HEAPU16.subarray(
                text, text + slots[at + SLOT.messageLength]));
            const problem = PROBLEMS[slots[at + SLOT.problem]];
            return {
                ok: false,
                problem,
                side: SIDES[slots[at + SLOT.group]],
                // A missing side has no row to name.
                row: problem === 'NoRating' ? null : slots[at + SLOT.row] + 1,
                message: messageTable(locale)[english] || english,
            };
        }
        const rows = [];
        for (let row = 0; row < ROWS; ++row) {
            if (slots[at + SLOT.rowsShown] & (1 << row)) {
                const results = at + SLOT.rowResults + 2 * row;
                rows.push({ position: row + 1, old: slots[at + ROW_OLD + row],
                    win: slots[results], lose: slots[results + 1] });
            }
        }
        return {
            ok: true,
            teamAverage: slots[at + SLOT.teamAverage],
            opponentAverage: slots[at + SLOT.opponentAverage],
            difference: slots[at + SLOT.difference],
            winChange: slots[at + SLOT.winChange],
            lossChange: slots[at + SLOT.lossChange],
            // The double nearest the exact share: a division of two exact integers is.
            breakEven: slots[at + SLOT.breakEvenNumerator] / slots[at + SLOT.breakEvenDenominator],
            rows,
        };
    }

    function calculateNumbers(team, opponents) {
        const box = (boxes, row) => {
            const value = boxes[row];
            return value === null || value === undefined ? 0 : value;
        };
        let present = 0;
        for (let row = 0; row < ROWS; ++row) {
            if (typeof team[row] === 'number') {
                present |= 1 << row;
            }
            if (typeof opponents[row] === 'number') {
                present |= 1 << (ROWS + row);
            }
        }
        return module._vrc_calculate_numbers(present, box(team, 0), box(team, 1), box(team, 2),
            box(opponents, 0), box(opponents, 1), box(opponents, 2));
    }

    function calculateTexts(locale, team, opponents) {
        const boxes = [0, 1, 2].map((row) => team[row]).concat(
            [0, 1, 2].map((row) => opponents[row]));
        const texts = [locale, ...boxes.filter((box) => typeof box === 'string')];
        const units = texts.reduce((sum, text) => sum + text.length, 0);
        if (units > textUnits) {
            module._free(textBuffer);
            textUnits = Math.max(units, 2 * textUnits, 64);
            textBuffer = module._malloc(2 * textUnits);
        }
        let unit = textBuffer / 2;
        const write = (text) => {
            for (let i = 0; i < text.length; ++i) {
                module.HEAPU16[unit++] = text.charCodeAt(i);
            }
            return text.length;
        };
        module.HEAP32[lengths / 4] = write(locale);
        boxes.forEach((box, index) => {
            let length = EMPTY_BOX;
            if (typeof box === 'string') {
                length = write(box);
            } else if (typeof box === 'number') {
                length = NUMBER_BOX;
                module.HEAPF64[numbers / 8 + index] = box;
            }
            module.HEAP32[lengths / 4 + 1 + index] = length;
        });
        return module._vrc_calculate_boxes(textBuffer, lengths, numbers);
    }

    // Bad ratings are answered, never thrown: only a call of the wrong shape throws.
    function calculate(ratings, options = {}) {
        if (ratings === null || typeof ratings !== 'object') {
            throw new TypeError('calculate needs { team, opponents }');
        }
        const { team, opponents } = ratings;
        const locale = options?.locale ?? 'en';
        if (typeof locale !== 'string') {
            throw new TypeError('locale must be a text such as "de-DE"');
        }
        requireSide('team', team);
        requireSide('opponents', opponents);
        const texts = team.some((box) => typeof box === 'string') ||
            opponents.some((box) => typeof box === 'string');
        return answerAt(texts ? calculateTexts(locale, team, opponents)
            : calculateNumbers(team, opponents), locale);
    }

    return Object.freeze({ calculate });
}
