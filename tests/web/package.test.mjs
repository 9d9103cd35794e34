// The JavaScript package as a user gets it: installed from its tarball into an empty
// folder, imported by its name, and answering as the native engine does, refusals
// included, for texts in several locales and for numbers.
//
//     VRC_PACKAGE=<tarball> VRC_ORACLE=<vrc_engine_oracle> VRC_LANGUAGE_DIR=<i18n> node --test
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { nativeAnswers, randomCases, tableCases } from './engine_cases.mjs';

const { VRC_PACKAGE: tarball, VRC_ORACLE: oracle, VRC_LANGUAGE_DIR: languages } = process.env;
const folder = mkdtempSync(join(tmpdir(), 'vrc-package-'));
let calculate;

before(() => {
    // A local tarball needs no network; the user's npm cache and settings stay out.
    execFileSync('npm', ['install', '--offline', '--no-audit', '--no-fund', '--silent', tarball], {
        cwd: folder,
        env: { ...process.env, npm_config_cache: join(folder, '.npm'),
            npm_config_userconfig: join(folder, '.npmrc') },
        stdio: ['ignore', 'inherit', 'inherit'],
    });
    // Imported by its name, as the user's own module would.
    writeFileSync(join(folder, 'probe.mjs'), "export * from 'vornratingcalc-engine';\n");
    return import(pathToFileURL(join(folder, 'probe.mjs')).href).then((module) => {
        ({ calculate } = module);
    });
});
after(() => rmSync(folder, { recursive: true, force: true }));

// The native answer in the package's shape: --json's, with the refusal's row from 1.
function expectedOf(native, message = native.message) {
    if (!native.ok) {
        return { ok: false, problem: native.problem, side: native.group,
            row: native.problem === 'NoRating' ? null : native.row + 1, message };
    }
    return {
        ok: true,
        teamAverage: native.teamAverage,
        opponentAverage: native.opponentAverage,
        difference: native.difference,
        winChange: native.winChange,
        lossChange: native.lossChange,
        breakEven: native.breakEven,
        rows: native.rows.flatMap((row, index) => (row ? [{ position: index + 1, ...row }] : [])),
    };
}

// Every disagreement, not just the first, up to a readable few.
function assertAllAgree(answers, expected, cases) {
    const wrong = [];
    answers.forEach((answer, i) => {
        try {
            assert.deepStrictEqual(answer, expected[i]);
        } catch {
            wrong.push(`${JSON.stringify(cases[i])}: ${JSON.stringify(answer)}, native ` +
                JSON.stringify(expected[i]));
        }
    });
    assert.equal(wrong.length, 0, `${wrong.length} of ${answers.length} differ:\n` +
        wrong.slice(0, 10).join('\n'));
}

// A call that throws is a disagreement too: bad ratings are answered.
const answer = (ratings, options) => {
    try {
        return calculate(ratings, options);
    } catch (error) {
        return { threw: String(error) };
    }
};

test('texts: the same answers as the native engine, refusals included', async () => {
    const cases = [...tableCases(), ...randomCases(20000)];
    const native = await nativeAnswers(oracle, cases);
    // The refusals in English here: the locale of these calls is the reading one, and the
    // messages come in its language, checked below.
    const answers = cases.map((c) => answer({ team: c.team, opponents: c.opponents },
        { locale: c.locale }));
    const english = (c, i) => (native[i].ok ? undefined : translate(c.locale, native[i].message));
    assertAllAgree(answers, native.map((n, i) => expectedOf(n, english(cases[i], i))), cases);
    const outcomes = new Set(native.map((n) => (n.ok ? 'results' : n.problem)));
    assert.deepEqual([...outcomes].sort(),
        ['NewRatingOutOfRange', 'NoRating', 'NotNumeric', 'OutOfRange', 'results']);
});

test('numbers: the same answers as the same numbers typed', async () => {
    // Plain integers and empty boxes of the tables, as numbers and null.
    const cases = tableCases().filter((c) => c.locale === 'en-US' &&
        [...c.team, ...c.opponents].every((box) => /^(-?\d+)?$/.test(box)));
    const native = await nativeAnswers(oracle, cases);
    const number = (box) => (box === '' ? null : Number(box));
    const answers = cases.map((c) => answer(
        { team: c.team.map(number), opponents: c.opponents.map(number) }));
    assertAllAgree(answers, native.map((n) => expectedOf(n)), cases);
    assert.ok(cases.length > 6000, `${cases.length} cases`);
});

// What only numbers can say, and the shapes a program may send.
test('numbers as the engine takes them: halves to even, NaN, infinities, short sides', () => {
    const cases = [
        [{ team: [500.5], opponents: [501.5] }, { ok: true, teamAverage: 500, opponentAverage: 502 }],
        [{ team: [NaN], opponents: [500] }, { ok: false, problem: 'NotNumeric', side: 'team', row: 1 }],
        [{ team: [500], opponents: [null, Infinity] },
            { ok: false, problem: 'OutOfRange', side: 'opponents', row: 2 }],
        [{ team: [500], opponents: [32767.5] },
            { ok: false, problem: 'OutOfRange', side: 'opponents', row: 1 }],
        [{ team: [], opponents: [500] }, { ok: false, problem: 'NoRating', side: 'team', row: null }],
        [{ team: [undefined, 700], opponents: [''] },
            { ok: false, problem: 'NoRating', side: 'opponents', row: null }],
        [{ team: [500, '', 600], opponents: ['550', 650, '700'] }, { ok: true, breakEven: 0.39625,
            rows: [{ position: 1, old: 500, win: 510, lose: 494 },
                { position: 3, old: 600, win: 610, lose: 594 }] }],
        [{ team: [500], opponents: [900] }, { ok: true, breakEven: 0.030303030303030304 }],
        [{ team: [500, 32760], opponents: [32767] },
            { ok: false, problem: 'NewRatingOutOfRange', side: 'team', row: 2 }],
    ];
    for (const [ratings, wanted] of cases) {
        const got = answer(ratings);
        for (const [key, value] of Object.entries(wanted)) {
            assert.deepStrictEqual(got[key], value, `${JSON.stringify(ratings)}: ${JSON.stringify(got)}`);
        }
    }
});

// The refusal's message in the caller's language, from the same translations as the page.
const languageFiles = new Map();
function translate(locale, english) {
    const code = { 'de-DE': 'de', 'ar-EG': 'ar', 'fr-FR': 'fr' }[locale];
    if (!code) {
        return english;
    }
    if (!languageFiles.has(code)) {
        languageFiles.set(code,
            JSON.parse(readFileSync(join(languages, `${code}.json`), 'utf8')));
    }
    return languageFiles.get(code)['vrc::engine::RefusalMessages'][english];
}

test('refusals in the locale\'s language, English without a translation', () => {
    const ratings = { team: ['abc'], opponents: ['500'] };
    const cases = [
        [undefined, 'You must enter a numeric value for rating'],
        ['de-DE', 'Sie müssen einen Zahlenwert als Wertung eingeben'],
        ['de', 'Sie müssen einen Zahlenwert als Wertung eingeben'],
        ['pt-BR', 'Você deve digitar um valor numérico para a pontuação'],
        ['pt-PT', 'You must enter a numeric value for rating'],
        ['zh-Hans-CN', '请输入数值作为积分'],
        ['sv-SE', 'You must enter a numeric value for rating'],
    ];
    for (const [locale, message] of cases) {
        assert.equal(answer(ratings, { locale }).message, message, String(locale));
    }
    // Numbers too: the locale names the language even where nothing is read.
    assert.equal(answer({ team: [500], opponents: [] }, { locale: 'de-DE' }).message,
        'Sie müssen mindestens einen Spieler und einen Gegner eingeben');
});

test('only a call of the wrong shape throws', () => {
    for (const ratings of [null, {}, { team: 500, opponents: [] }, { team: [1, 2, 3, 4], opponents: [1] },
        { team: [true], opponents: [1] }]) {
        assert.throws(() => calculate(ratings), TypeError, JSON.stringify(ratings));
    }
    assert.throws(() => calculate({ team: [1], opponents: [1] }, { locale: 7 }), TypeError);
});
