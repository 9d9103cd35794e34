// The page in each of the system's browsers, as a user drives it from the keyboard.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, beforeEach, describe, test } from 'node:test';
import {
    activeId, axeViolations, browserNames, fill, launch, openPage, press, pressIn, results,
    serveSite, siteDir, typed, waitFor, waitReady,
} from './harness.mjs';

const example = { team: ['500', '600', ''], opponents: ['550', '650', '700'] };
const exampleResults = [['510', '494'], ['610', '594'], ['', '']];

const notNumeric = 'You must enter a numeric value for rating';
const noRating = 'You must enter at least one player and one opponent';
// `ask`: Enter in a box or a click on Calculate; `close`: the key that answers the dialog.
const refusals = [
    {
        team: ['500', '600', ''], opponents: ['550', 'abc', '700'],
        message: notNumeric, focus: 'opponents-1', ask: 'Enter', close: 'Enter',
    },
    {
        team: ['', '', ''], opponents: ['550', '650', '700'],
        message: noRating, focus: 'team-0', ask: 'click', close: 'Escape',
    },
    {
        team: ['500', '600', ''], opponents: ['', '', ''],
        message: noRating, focus: 'opponents-0', ask: 'Enter', close: 'Enter',
    },
    {
        team: ['500', '600', '40000'], opponents: ['550', '650', '700'],
        message: 'You must enter a rating between -32768 and 32767',
        focus: 'team-2', ask: 'click', close: 'Escape',
    },
    {
        team: ['0', '32767', ''], opponents: ['32767', '', ''],
        message: 'The new rating would be outside the range -32768 to 32767',
        focus: 'team-1', ask: 'Enter', close: 'Enter',
    },
];

const tabOrder = [
    'team-0', 'team-1', 'team-2', 'opponents-0', 'opponents-1', 'opponents-2',
    'win-0', 'win-1', 'win-2', 'lose-0', 'lose-1', 'lose-2', 'calculate', 'reset', 'help',
];

const resultsShown = (page) => waitFor(page, () => document.getElementById('win-0').textContent);

async function calculateExample(page, enterIn = 'opponents-2') {
    await fill(page, example.team, example.opponents);
    await pressIn(page, enterIn, 'Enter');
    await resultsShown(page);
}

// axe-core's findings with results shown, then with the Error dialog open.
async function accessibilityFaults(page) {
    await calculateExample(page);
    const faults = await axeViolations(page);
    await fill(page, ['abc', '', ''], ['1', '', '']);
    await page.click('#calculate');
    await waitFor(page, () => document.getElementById('error').open);
    faults.push(...(await axeViolations(page)));
    await press(page, 'Escape');
    return faults;
}

// The page in its reader's language: the browser's languages, then what the page shows;
// `keeps`: the texts its translation writes as English does, besides the address.
const readers = [
    { accept: 'de-DE', lang: 'de', dir: 'ltr', mirrored: false, keeps: /^(OK|Version: .*)$/ },
    { accept: 'ar', lang: 'ar', dir: 'rtl', mirrored: true, keeps: /^$/ },
    // A translation for one region: its file and its tag are written differently.
    { accept: 'zh-CN', lang: 'zh-CN', dir: 'ltr', mirrored: false, keeps: /^$/ },
];
const languageTable = (lang) =>
    JSON.parse(readFileSync(join(siteDir, 'i18n', `${lang.replace('-', '_')}.json`), 'utf8'));

// Every text the page shows or gives a screen reader, dialogs' included, in document order.
const pageTexts = (page) =>
    page.evaluate(() => [
        ...[...document.querySelectorAll(
            'h1, .heading, label, button, h2, dialog p:not(.message), dialog a')]
            .map((element) => element.textContent.trim()),
        ...[...document.querySelectorAll('img')].map((image) => image.alt),
        document.querySelector('meta[name="description"]').content,
    ]);

// Where the pieces the reader sees side by side stand, and how numbers run in their boxes.
const layout = (page) =>
    page.evaluate(() => {
        const left = (id) => document.getElementById(id).getBoundingClientRect().left;
        // The direction the browser lays the text of a box out in (CSS alone does not set it).
        const direction = (id) =>
            (document.getElementById(id).matches(':dir(ltr)') ? 'ltr' : 'rtl');
        return {
            lang: document.documentElement.lang,
            dir: document.documentElement.dir,
            teamRightOfResults: left('team-0') > left('win-0'),
            calculateRightOfHelp: left('calculate') > left('help'),
            numbers: [direction('team-0'), direction('win-0')],
        };
    });

for (const browserName of browserNames) {
    describe(browserName, () => {
        let browser;
        let site;
        let page;

        before(async () => {
            site = await serveSite();
            browser = await launch(browserName);
            page = await openPage(browser, site.url);
        });
        after(async () => {
            await browser?.close();
            await site?.close();
        });
        // Each test starts from a freshly loaded page, whatever the one before left open.
        beforeEach(async () => {
            await page.goto(site.url);
            await waitReady(page);
        });

        test('Enter in an entry or a result box calculates the worked example', async () => {
            for (const box of ['team-2', 'opponents-0', 'lose-2']) {
                await page.reload();
                await waitReady(page);
                await calculateExample(page, box);
                assert.deepEqual(await results(page), exampleResults, box);
            }
        });

        test('a refusal: its message, results and typing kept, the box to fix selected',
            async () => {
                for (const refusal of refusals) {
                    const name = `${refusal.message} (${refusal.focus})`;
                    await calculateExample(page);
                    await fill(page, refusal.team, refusal.opponents);
                    if (refusal.ask === 'Enter') {
                        await pressIn(page, 'team-0', 'Enter');
                    } else {
                        await page.click('#calculate');
                    }
                    await waitFor(page, () => document.getElementById('error').open);
                    const shown = await page.evaluate(() => ({
                        title: document.getElementById('error-title').textContent,
                        message: document.getElementById('error-message').textContent,
                        focus: document.activeElement.textContent,
                    }));
                    const expected = { title: 'Error', message: refusal.message, focus: 'OK' };
                    assert.deepEqual(shown, expected, name);

                    await press(page, refusal.close);
                    await waitFor(page, (id) => document.activeElement.id === id, refusal.focus);
                    const selected = await page.evaluate(() => {
                        const box = document.activeElement;
                        return [box.selectionStart, box.selectionEnd];
                    });
                    const texts = [...refusal.team, ...refusal.opponents];
                    const [group, row] = refusal.focus.split('-');
                    const fixed = texts[(group === 'team' ? 0 : 3) + Number(row)];
                    assert.deepEqual(selected, [0, fixed.length], name);
                    assert.deepEqual(await typed(page), texts, name);
                    assert.deepEqual(await results(page), exampleResults, name);
                }
            });

        test('the box to fix holds the focus as the Error dialog closes; a key typed right ' +
            'after stays', async () => {
            await fill(page, ['500', 'abc', ''], ['550', '', '']);
            await page.click('#calculate');
            await waitFor(page, () => document.getElementById('error').open);
            // Closed and typed into in one task, before the dialog's close event comes.
            const seen = await page.evaluate(async () => {
                const dialog = document.getElementById('error');
                const box = document.getElementById('team-1');
                const closed = new Promise((done) => dialog.addEventListener('close', done));
                dialog.close();
                const atClose = [document.activeElement.id, box.selectionStart, box.selectionEnd];
                box.setRangeText('7', box.selectionStart, box.selectionEnd, 'end');
                await closed;
                return [...atClose, document.activeElement.id, box.value, box.selectionStart,
                    box.selectionEnd];
            });
            assert.deepEqual(seen, ['team-1', 0, 3, 'team-1', '7', 1, 1]);
        });

        test('Tab goes through the team, the opponents, the results, then the buttons',
            async () => {
                await page.focus('#team-0');
                const visited = [await activeId(page)];
                for (let step = 1; step < tabOrder.length; ++step) {
                    await press(page, 'Tab');
                    visited.push(await activeId(page));
                }
                assert.deepEqual(visited, tabOrder);
            });

        test('the copy keys on a focused result copy its number alone', async () => {
            await calculateExample(page);
            for (const key of ['c', 'Insert']) {
                await page.focus('#win-1');
                await press(page, key, 'Control');
                await fill(page, ['', '', ''], ['', '', '']);
                await page.focus('#team-2');
                await press(page, 'v', 'Control');
                assert.deepEqual(await typed(page), ['', '', '610', '', '', ''], key);
            }
        });

        test('the share to win to break even: under the results, read out with them, ' +
            'cleared by Reset', async () => {
            const shown = () => page.evaluate(() => {
                const line = document.getElementById('break-even');
                const box = (id) => document.getElementById(id).getBoundingClientRect();
                return {
                    text: line.textContent,
                    role: line.getAttribute('role'),
                    underResults: box('break-even').top >= box('lose-2').bottom &&
                        box('break-even').bottom <= box('opponents-0').top,
                };
            });
            await calculateExample(page);
            assert.deepEqual(await shown(), {
                text: 'To hold its rating, your team must win 39.6% of such games.',
                role: 'status', underResults: true,
            });
            await page.click('#reset');
            await waitFor(page, () => document.activeElement.id === 'team-0');
            assert.equal((await shown()).text, '');
        });

        test('Reset empties every box and puts the caret in the top team box', async () => {
            await calculateExample(page);
            await page.click('#reset');
            await waitFor(page, () => document.activeElement.id === 'team-0');
            assert.deepEqual(await typed(page), ['', '', '', '', '', '']);
            assert.deepEqual(await results(page), [['', ''], ['', ''], ['', '']]);
        });

        test('Help shows the About text; Esc or OK closes it and gives the focus back',
            async () => {
                // Help by its button, or by F1 from an entry box; the focus comes back to either.
                const ways = [['help', 'Enter', 'Escape'], ['team-1', 'F1', 'Enter']];
                for (const [from, open, close] of ways) {
                    await page.focus(`#${from}`);
                    await press(page, open);
                    await waitFor(page, () => document.getElementById('about').open);
                    const about = await page.evaluate(async () => ({
                        focus: document.activeElement.textContent,
                        version: document.querySelector('#about .version').textContent,
                        licences: (await fetch(document.querySelector('#about a').href)).ok,
                    }));
                    assert.match(about.version, /^Version: Solvane \d+\.\d+$/, close);
                    assert.deepEqual([about.focus, about.licences], ['OK', true], close);
                    await press(page, close);
                    await waitFor(page, () => !document.getElementById('about').open);
                    assert.equal(await activeId(page), from, close);
                }
            });

        test('axe-core finds no violation with results shown, nor with the Error dialog open',
            async () => {
                assert.deepEqual(await accessibilityFaults(page), []);
            });

        test('on a phone 360 pixels wide: no sideways scrolling, touch targets of 24 pixels',
            async () => {
                const phone = await browser.newPage();
                await phone.setViewport({ width: 360, height: 740 });
                await phone.goto(site.url);
                const measured = await phone.evaluate(() => ({
                    width: document.documentElement.scrollWidth,
                    small: [...document.querySelectorAll('input, output, button')]
                        .filter((element) => element.checkVisibility())
                        .map((element) => element.getBoundingClientRect())
                        .filter((box) => box.width < 24 || box.height < 24).length,
                }));
                await phone.close();
                assert.deepEqual(measured, { width: 360, small: 0 });
            });

        test('German and dark: "1.500,5" read as German writes it, no axe-core violation',
            async () => {
                const german = await launch(browserName, { language: 'de-DE', scheme: 'dark' });
                try {
                    const dePage = await openPage(german, site.url);
                    assert.ok(await dePage.evaluate(
                        () => matchMedia('(prefers-color-scheme: dark)').matches));
                    await fill(dePage, ['1.500,5', '', ''], ['1.500', '', '']);
                    await pressIn(dePage, 'opponents-0', 'Enter');
                    await resultsShown(dePage);
                    assert.deepEqual(await results(dePage), [['1516', '1484'], ['', ''], ['', '']]);
                    assert.equal(await dePage.evaluate(
                        () => document.getElementById('break-even').textContent),
                    'Um seine Wertung zu halten, muss Ihr Team 50,0\u00a0% solcher Spiele gewinnen.');
                    assert.deepEqual(await accessibilityFaults(dePage), []);
                } finally {
                    await german.close();
                }
            });

        test('in German, Arabic and Chinese: every text translated, mirrored in Arabic, the ' +
            'refusals in the language, no axe-core violation, offline in the language',
        async () => {
            const english = await pageTexts(page);
            for (const reader of readers) {
                const local = await launch(browserName, { language: reader.accept });
                const host = await serveSite();
                try {
                    const visit = await openPage(local, host.url);
                    assert.deepEqual(await layout(visit), {
                        lang: reader.lang, dir: reader.dir, teamRightOfResults: reader.mirrored,
                        calculateRightOfHelp: reader.mirrored, numbers: ['ltr', 'ltr'],
                    }, reader.lang);
                    const shown = await pageTexts(visit);
                    assert.equal(shown.length, english.length, reader.lang);
                    // Each text in the language, none lost on the way.
                    const untranslated = english.filter((text, index) => shown[index] === '' ||
                        (shown[index] === text && !reader.keeps.test(text) &&
                            text !== 'vornratingcalc@example.org'));
                    assert.deepEqual(untranslated, [], reader.lang);

                    const table = languageTable(reader.lang);
                    for (const refusal of refusals) {
                        await fill(visit, refusal.team, refusal.opponents);
                        await visit.click('#calculate');
                        await waitFor(visit, () => document.getElementById('error').open);
                        const message = await visit.evaluate(
                            () => document.getElementById('error-message').textContent);
                        const expected = table['vrc::engine::RefusalMessages'][refusal.message];
                        assert.ok(expected && expected !== refusal.message, refusal.message);
                        assert.equal(message, expected, `${reader.lang}: ${refusal.message}`);
                        await press(visit, 'Escape');
                        await waitFor(visit, (id) => !document.getElementById('error').open &&
                            document.activeElement.id === id, refusal.focus);
                    }
                    assert.deepEqual(await accessibilityFaults(visit), [], reader.lang);

                    // A first visit fetches its own language's file alone; the page keeps it.
                    await waitFor(visit, () => navigator.serviceWorker.controller !== null);
                    const languageFiles = [...new Set(host.served)]
                        .filter((file) => file.startsWith(join(host.root, 'i18n')))
                        .map((file) => file.slice(host.root.length + 1));
                    assert.deepEqual(languageFiles,
                        [join('i18n', `${reader.lang.replace('-', '_')}.json`)], reader.lang);
                    await host.close();
                    await visit.reload();
                    await waitReady(visit);
                    assert.deepEqual(await pageTexts(visit), shown, `${reader.lang}, offline`);
                } finally {
                    await local.close();
                    await host.close();
                }
            }
        });

        test('without its language file the page shows itself in English', async () => {
            const copy = mkdtempSync(join(tmpdir(), 'vrc-site-'));
            cpSync(siteDir, copy, { recursive: true });
            rmSync(join(copy, 'i18n', 'de.json'));
            const host = await serveSite(copy);
            const german = await launch(browserName, { language: 'de-DE' });
            try {
                const visit = await openPage(german, host.url);
                const shown = await visit.evaluate(() => ({
                    lang: document.documentElement.lang,
                    visible: document.getElementById('calculate').checkVisibility({
                        visibilityProperty: true,
                    }),
                    calculate: document.getElementById('calculate').textContent,
                }));
                assert.deepEqual(shown, { lang: 'en', visible: true, calculate: 'Calculate' });
            } finally {
                await german.close();
                await host.close();
                rmSync(copy, { recursive: true, force: true });
            }
        });

        test('Chromium finds it installable as an app', { skip: browserName !== 'chromium' },
            async () => {
                await waitFor(page, () => navigator.serviceWorker.controller !== null);
                const devtools = await page.createCDPSession();
                const { installabilityErrors } =
                    await devtools.send('Page.getInstallabilityErrors');
                assert.deepEqual(installabilityErrors, []);
            });

        test('offline after a first visit; a new version replaces the old on the next visit',
            async () => {
                const copy = mkdtempSync(join(tmpdir(), 'vrc-site-'));
                cpSync(siteDir, copy, { recursive: true });
                const host = await serveSite(copy);
                const edition = () => document.querySelector('h1').dataset.edition;
                const edit = (file, from, to) => {
                    const path = join(copy, file);
                    writeFileSync(path, readFileSync(path, 'utf8').replace(from, to));
                };
                try {
                    const visit = await openPage(browser, host.url);
                    await waitFor(visit, () => navigator.serviceWorker.controller !== null);

                    edit('index.html', '<h1>', '<h1 data-edition="next">');
                    edit('sw.js', /siteVersion = '([^']*)'/, "siteVersion = '$1-next'");
                    await visit.reload();
                    await waitFor(visit, edition);

                    await host.close();
                    await visit.reload();
                    await waitReady(visit);
                    await calculateExample(visit);
                    assert.deepEqual(await results(visit), exampleResults);
                    assert.equal(await visit.evaluate(edition), 'next');
                    await visit.close();
                } finally {
                    await host.close();
                    rmSync(copy, { recursive: true, force: true });
                }
            });
    });
}
