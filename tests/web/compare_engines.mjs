// The engine compiled to WebAssembly, through engine.js, must answer every calculation
// exactly as the native engine does: on the engine's own test tables and on a large
// random sample, in several locales. The native answers come from the oracle program.
//
//     node compare_engines.mjs ORACLE SITE_DIR
import { readFile } from 'node:fs/promises';
import { isDeepStrictEqual } from 'node:util';
import { pathToFileURL } from 'node:url';
import { nativeAnswers, randomCases, tableCases } from './engine_cases.mjs';

const [oracle, site] = process.argv.slice(2);

// The module fetches its .wasm beside it as a browser would; node's fetch has no files.
const networkFetch = globalThis.fetch;
globalThis.fetch = async (url, init) => {
    const target = new URL(url);
    if (target.protocol !== 'file:') {
        return networkFetch(url, init);
    }
    return new Response(await readFile(target),
        { headers: { 'Content-Type': 'application/wasm' } });
};
const { loadEngine } = await import(pathToFileURL(`${site}/engine.js`).href);
const engine = await loadEngine();

let passed = 0;
let failed = 0;
function check(name, ok, detail) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        if (failed <= 20) {
            console.log(`FAIL ${name}: ${detail}`);
        }
    }
}

// What the page relies on beyond agreeing with the native engine: the contract's shape.
const wrongShapes = [
    [undefined, ['', '', ''], ['', '', '']], ['en', ['1', '2'], ['', '', '']],
    ['en', '500', ['', '', '']], ['en', [500, '', ''], ['', '', '']], ['en', ['', '', ''], null],
];
for (const args of wrongShapes) {
    let thrown;
    try {
        engine.calculate(...args);
    } catch (error) {
        thrown = error;
    }
    check(`TypeError for ${JSON.stringify(args)}`, thrown instanceof TypeError, `threw ${thrown}`);
}
const known = [
    ['en-US', ['500', '600', ''], ['550', '650', '700'],
        { ok: true, rows: [{ old: 500, win: 510, lose: 494 }, { old: 600, win: 610, lose: 594 },
            null], breakEven: 0.39625, breakEvenPercent: 39.6 }],
    ['de-DE', ['1.500,5'], ['1.000'], { ok: true, teamAverage: 1500, opponentAverage: 1000 }],
    ['ar-EG', ['\u0665\u0660\u0660'], ['500'], { ok: true, teamAverage: 500 }],
    ['en', ['500', 'x'], [''], { ok: false, problem: 'NotNumeric', group: 'team', row: 1,
        message: 'You must enter a numeric value for rating' }],
    ['en', ['500'], ['', '', ''], { ok: false, problem: 'NoRating', group: 'opponents', row: 0,
        message: 'You must enter at least one player and one opponent' }],
    ['en', ['', '', ''], ['', '', ''], { ok: false, problem: 'NoRating', group: 'team', row: 0 }],
    ['en', ['500'], ['', '', '40000'], { ok: false, problem: 'OutOfRange', group: 'opponents',
        row: 2, message: 'You must enter a rating between -32768 and 32767' }],
    ['en', ['500', '32760'], ['32767'], { ok: false, problem: 'NewRatingOutOfRange',
        group: 'team', row: 1,
        message: 'The new rating would be outside the range -32768 to 32767' }],
];
for (const [locale, team, opponents, wanted] of known) {
    const pad = (boxes) => [0, 1, 2].map((row) => boxes[row] ?? '');
    const answer = engine.calculate(locale, pad(team), pad(opponents));
    check(`${locale} ${team} / ${opponents}`,
        Object.entries(wanted).every(([key, value]) => isDeepStrictEqual(answer[key], value)),
        JSON.stringify(answer));
}

const cases = [...tableCases(), ...randomCases(40000)];
const expected = await nativeAnswers(oracle, cases);
check('the oracle answered every case', expected.length === cases.length,
    `${expected.length} answers to ${cases.length} cases`);
const outcomes = new Map();
cases.forEach((c, i) => {
    const answer = engine.calculate(c.locale, c.team, c.opponents);
    check(JSON.stringify(c), isDeepStrictEqual(answer, expected[i]),
        `wasm ${JSON.stringify(answer)}, native ${JSON.stringify(expected[i])}`);
    const outcome = expected[i].ok ? 'results' : expected[i].problem;
    outcomes.set(outcome, (outcomes.get(outcome) ?? 0) + 1);
});
// The sample must reach every outcome often enough to mean something.
for (const outcome of ['results', 'NotNumeric', 'OutOfRange', 'NoRating', 'NewRatingOutOfRange']) {
    check(`sample holds ${outcome}`, (outcomes.get(outcome) ?? 0) >= 200,
        `${outcomes.get(outcome) ?? 0} cases`);
}
console.log('outcomes:', JSON.stringify(Object.fromEntries(outcomes)));
console.log(`${passed} passed, ${failed} failed`);
process.exitCode = failed === 0 ? 0 : 1;
