// The page in each of the system's browsers, as a user drives it from the keyboard.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, beforeEach, describe, test } from 'node:test';
import {
    activeId, axeViolations, browserNames, fill, launch, openPage, press, results, serveSite, siteDir,
    waitReady,
} from './harness.mjs';

const example = { team: ['500', '600', ''], opponents: ['550', '650', '700'] };
const exampleResults = [['510', '494'], ['610', '594'], ['', '']];

const refusals = [
    {
        name: 'letters in an opponent box',
        team: ['500', '600', ''], opponents: ['550', 'abc', '700'],
        message: 'You must enter a numeric value for rating', focus: 'opponents-1', ask: 'Enter', close: 'Enter',
    },
    {
        name: 'no team rating',
        team: ['', '', ''], opponents: ['550', '650', '700'],
        message: 'You must enter at least one player and one opponent', focus: 'team-0', ask: 'click', close: 'Escape',
    },
    {
        name: 'no opponent rating',
        team: ['500', '600', ''], opponents: ['', '', ''],
        message: 'You must enter at least one player and one opponent', focus: 'opponents-0', ask: 'Enter', close: 'Enter',
    },
    {
        name: 'a rating out of range',
        team: ['500', '600', '40000'], opponents: ['550', '650', '700'],
        message: 'You must enter a rating between -32768 and 32767', focus: 'team-2', ask: 'click', close: 'Escape',
    },
    {
        name: 'a new rating out of range',
        team: ['0', '32767', ''], opponents: ['32767', '', ''],
        message: 'The new rating would be outside the range -32768 to 32767', focus: 'team-1', ask: 'Enter', close: 'Enter',
    },
];

const tabOrder = [
    'team-0', 'team-1', 'team-2', 'opponents-0', 'opponents-1', 'opponents-2',
    'win-0', 'win-1', 'win-2', 'lose-0', 'lose-1', 'lose-2', 'calculate', 'reset', 'help',
];

async function calculateExample(page) {
    await fill(page, example.team, example.opponents);
    await page.focus('#opponents-2');
    await press(page, 'Enter');
    await page.waitForFunction(() => document.getElementById('win-0').textContent !== '');
}

// axe-core's findings with results shown, then with the Error dialog open.
async function accessibilityFaults(page) {
    await calculateExample(page);
    const faults = await axeViolations(page);
    await fill(page, ['abc', '', ''], ['1', '', '']);
    await page.click('button[type=submit]');
    await page.waitForFunction(() => document.getElementById('error').open);
    faults.push(...(await axeViolations(page)));
    await press(page, 'Escape');
    return faults;
}

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

        test('Enter in a box calculates the worked example', async () => {
            await calculateExample(page);
            assert.deepEqual(await results(page), exampleResults);
        });

        test('each refusal shows its message, keeps results and typing, and selects the box to fix', async () => {
            for (const refusal of refusals) {
                await calculateExample(page);
                await fill(page, refusal.team, refusal.opponents);
                if (refusal.ask === 'Enter') {
                    await page.focus('#team-0');
                    await press(page, 'Enter');
                } else {
                    await page.click('#calculate');
                }
                await page.waitForFunction(() => document.getElementById('error').open);
                const shown = await page.evaluate(() => ({
                    title: document.getElementById('error-title').textContent,
                    message: document.getElementById('error-message').textContent,
                    focus: document.activeElement.textContent,
                }));
                assert.deepEqual(shown, { title: 'Error', message: refusal.message, focus: 'OK' }, refusal.name);

                await press(page, refusal.close);
                await page.waitForFunction((id) => document.activeElement.id === id, {}, refusal.focus);
                const after = await page.evaluate((id) => {
                    const box = document.getElementById(id);
                    return {
                        selected: [box.selectionStart, box.selectionEnd],
                        typed: [0, 1, 2].map((row) => document.getElementById(`team-${row}`).value)
                            .concat([0, 1, 2].map((row) => document.getElementById(`opponents-${row}`).value)),
                    };
                }, refusal.focus);
                const text = [...refusal.team, ...refusal.opponents];
                const row = Number(refusal.focus.slice(-1));
                const fixed = text[(refusal.focus.startsWith('team') ? 0 : 3) + row];
                assert.deepEqual(after, { selected: [0, fixed.length], typed: text }, refusal.name);
                assert.deepEqual(await results(page), exampleResults, refusal.name);
            }
        });

        test('Tab goes through the team, the opponents, the results, then the buttons', async () => {
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
            for (const [key, modifier] of [['c', 'Control'], ['Insert', 'Control']]) {
                await page.focus('#win-1');
                await press(page, key, modifier);
                await fill(page, ['', '', ''], ['', '', '']);
                await page.focus('#team-2');
                await press(page, 'v', 'Control');
                assert.equal(await page.evaluate(() => document.getElementById('team-2').value), '610', key);
            }
        });

        test('Reset empties every box and puts the caret in the top team box', async () => {
            await calculateExample(page);
            await page.click('button[type=reset]');
            await page.waitForFunction(() => document.activeElement.id === 'team-0');
            const boxes = await page.evaluate(() =>
                [...document.querySelectorAll('input, output')].map((box) => box.value).join(''));
            assert.equal(boxes, '');
        });

        test('Help shows the About text; Esc or OK closes it and gives the focus back', async () => {
            for (const close of ['Escape', 'Enter']) {
                await page.focus('#help');
                await press(page, 'Enter');
                await page.waitForFunction(() => document.getElementById('about').open);
                const about = await page.evaluate(async () => ({
                    focus: document.activeElement.textContent,
                    version: /Version: Solvane \d+\.\d+$/.test(document.querySelector('#about .version').textContent),
                    licences: (await fetch(document.querySelector('#about a').href)).ok,
                }));
                assert.deepEqual(about, { focus: 'OK', version: true, licences: true }, close);
                await press(page, close);
                await page.waitForFunction(() => !document.getElementById('about').open);
                assert.equal(await activeId(page), 'help', close);
            }
        });

        test('axe-core finds no violation with results shown, nor with the Error dialog open', async () => {
            assert.deepEqual(await accessibilityFaults(page), []);
        });

        test('on a phone 360 pixels wide: no sideways scrolling, touch targets of 24 pixels', async () => {
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

        test('a German browser in the dark reads "1.500,5" as German writes it, with no axe-core violation', async () => {
            const german = await launch(browserName, { language: 'de-DE', scheme: 'dark' });
            try {
                const dePage = await openPage(german, site.url);
                assert.equal(await dePage.evaluate(() => matchMedia('(prefers-color-scheme: dark)').matches), true);
                await fill(dePage, ['1.500,5', '', ''], ['1.500', '', '']);
                await press(dePage, 'Enter');
                await dePage.waitForFunction(() => document.getElementById('win-0').textContent !== '');
                assert.deepEqual(await results(dePage), [['1516', '1484'], ['', ''], ['', '']]);
                assert.deepEqual(await accessibilityFaults(dePage), []);
            } finally {
                await german.close();
            }
        });

        test('Chromium finds it installable as an app', { skip: browserName !== 'chromium' }, async () => {
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
            const devtools = await page.createCDPSession();
            const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
            assert.deepEqual(installabilityErrors, []);
        });

        test('after the first visit it works offline, and a new version replaces the old on the next visit', async () => {
            const copy = mkdtempSync(join(tmpdir(), 'vrc-site-'));
            cpSync(siteDir, copy, { recursive: true });
            const host = await serveSite(copy);
            try {
                const visit = await openPage(browser, host.url);
                await visit.waitForFunction(() => navigator.serviceWorker.controller !== null);

                const edit = (file, from, to) =>
                    writeFileSync(join(copy, file), readFileSync(join(copy, file), 'utf8').replace(from, to));
                edit('index.html', '<h1>', '<h1 data-edition="next">');
                edit('sw.js', /siteVersion = '([^']*)'/, "siteVersion = '$1-next'");
                await visit.reload();
                await visit.waitForFunction(() => document.querySelector('h1').dataset.edition === 'next');

                await host.close();
                await visit.reload();
                await waitReady(visit);
                await calculateExample(visit);
                assert.deepEqual(await results(visit), exampleResults);
                assert.equal(await visit.evaluate(() => document.querySelector('h1').dataset.edition), 'next');
                await visit.close();
            } finally {
                await host.close();
                rmSync(copy, { recursive: true, force: true });
            }
        });
    });
}
