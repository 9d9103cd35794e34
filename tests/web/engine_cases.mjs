// The calculations the web engine and the JavaScript package are checked on against the
// native engine: the engine's own test tables and a fixed random sample, in several
// locales, and the native answers to them from the oracle program.
import { spawn } from 'node:child_process';

export const LOCALES = ['en-US', 'de-DE', 'ar-EG', 'fr-FR', 'xx-YY'];
const entry = (team, opponents) => ({
    team: [0, 1, 2].map((row) => String(team[row] ?? '')),
    opponents: [0, 1, 2].map((row) => String(opponents[row] ?? '')),
});

// The entries of the engine's tests (tests/engine), read in every locale.
export function tableCases() {
    const cases = [
        [[], []], [[], ['', 'abc']], [['x'], ['y']], [['500', 'x'], ['y']],
        [['500', '600', '700'], []], [['500', ' '], ['500']], [['500'], ['', '', '40000']],
        [['', '40000'], ['', 'abc']], [['', '-40000'], ['abc']], [['32768'], []],
        [['1', '2', '3'], ['4', '5', '  ']],
        [['', '', '700'], ['650']], [[' 500 ', '500.5', '501.5'], ['-20']],
        [['400', '', '600'], ['', '500', '']],
        [['20000', '20000', '20000'], ['-32768', '-32768', '-32768']],
        [['32767'], ['-32768']], [['1.500', '500,5'], ['1.000,25']], [['500.5'], ['500']],
        [[500, 600], [550, 650, 700]], [[500], [500]], [[500, 500], [525, 525]],
        [[500, 500], [575, 575]], [[400, 500, 600], [500]], [[900, 900, 900], [400, 400, 400]],
        [[500, 500, 500], [900, 900, 900]], [[800], [400]], [[501, 502], [500]], [[-100], [100]],
        [[525, 525], [500]], [[800, 800], [400]], [[503, 504], [504]],
        [[20000, 20000, 20000], [-32768]], [[500, 32760, 32767], [32767, 32767, 32767]],
        [[-32768], [32767]],
    ].map(([team, opponents]) => entry(team, opponents));
    // Every difference from -1000 to 1000 for every team size.
    for (let count = 1; count <= 3; ++count) {
        for (let difference = -1000; difference <= 1000; ++difference) {
            cases.push(entry(Array(count).fill(0), [difference]));
        }
    }
    return LOCALES.flatMap((locale) => cases.map((c) => ({ locale, ...c })));
}

// A fixed-seed generator, so that every run checks the same sample.
function random(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}
const next = random(20);
const pick = (items) => items[Math.floor(next() * items.length)];
const between = (low, high) => low + Math.floor(next() * (high - low + 1));

// Pieces of numbers as people in these locales type them, and things that are none.
const DIGITS = ['0123456789', '٠١٢٣٤٥٦٧٨٩'];
const SEPARATORS = ['.', ',', '٫', '٬', '\u00a0', '\u202f', ' ', "'"];
const SIGNS = ['', '', '', '-', '+', '\u2212', '\u061c-', '\u200e-'];
const JUNK = ['abc', 'nan', 'inf', '-inf', '1e400', '-1e400', '1e-400', '0x10', '', ' ', '1 2',
    '١e٣', '½', '𝟙', '--1', '1-', '.', ',', '1e', 'e5', '\t5', '5\n', '\u0000'];

function writeNumber(value) {
    const digits = pick(DIGITS);
    let text = String(Math.abs(value)).replace(/[0-9]/g, (d) => digits[d]);
    if (next() < 0.3 && text.length > 3) {
        text = text.slice(0, -3) + pick(SEPARATORS) + text.slice(-3);
    }
    if (next() < 0.3) {
        text += pick(SEPARATORS) + digits[between(0, 9)] + (next() < 0.5 ? digits[5] : '');
    }
    if (next() < 0.1) {
        text += pick(['e', 'E', 'e+', 'e-']) + digits[between(0, 3)];
    }
    const sign = value < 0 ? pick(['-', '\u2212', '\u061c-', '\u200e-']) : pick(SIGNS);
    const blanks = next() < 0.1 ? ' ' : '';
    return blanks + sign + text + blanks;
}

function box(kind) {
    switch (kind) {
    case 'plain':
        return next() < 0.2 ? '' : String(between(-2000, 3000));
    case 'edge':
        return String(pick(
            [between(32700, 32767), between(-32768, -32700), between(-32768, 32767)]));
    case 'written':
        return next() < 0.15 ? '' : writeNumber(between(-40000, 40000));
    default:
        return pick(JUNK);
    }
}

export function randomCases(count) {
    const cases = [];
    for (let i = 0; i < count; ++i) {
        const kind = pick(['plain', 'plain', 'edge', 'written', 'written', 'junk']);
        const boxes = () => [0, 1, 2].map(
            () => (kind === 'junk' && next() < 0.6 ? box('plain') : box(kind)));
        const c = { locale: pick(LOCALES), team: boxes(), opponents: boxes() };
        if (next() < 0.05) {
            c[pick(['team', 'opponents'])] = ['', '', ''];
        }
        cases.push(c);
    }
    return cases;
}

export function nativeAnswers(oracle, cases) {
    return new Promise((resolve, reject) => {
        // A tag QLocale does not know reads as its default locale: C in the browser, which
        // has no system locale for Qt, and so C for the native engine too.
        const child = spawn(oracle, [],
            { stdio: ['pipe', 'pipe', 'inherit'], env: { ...process.env, LC_ALL: 'C' } });
        let output = '';
        child.stdout.setEncoding('utf8');
        child.stdout.on('data', (chunk) => { output += chunk; });
        child.on('error', reject);
        child.on('close', (status) => (status === 0
            ? resolve(output.trimEnd().split('\n').map((line) => JSON.parse(line)))
            : reject(new Error(`the oracle exited with ${status}`))));
        child.stdin.end(cases.map((c) => JSON.stringify(c)).join('\n') + '\n');
    });
}

