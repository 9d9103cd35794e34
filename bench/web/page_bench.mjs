// The web page's weight and speed, in headless Chromium on 127.0.0.1, for readers of
// English, German and Arabic:
//   node bench/web/page_bench.mjs [site folder: build-web/site] [languages: en,de,ar]
// 1. everything a first visit downloads (the page and what its service worker keeps), gzipped;
// 2. time from navigation until the page can calculate, first and repeat visits;
// 3. Lighthouse's Performance, Accessibility and Best Practices scores, median of three runs.
// Needs `npm ci` here and in tests/web. Prints figures against the targets; asserts nothing.
import { execFile } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { relative } from 'node:path';
import { promisify } from 'node:util';
import { gzipSync } from 'node:zlib';
import { launch, serveSite, siteDir, waitReady } from '../../tests/web/harness.mjs';

const visits = 10;
const here = new URL('.', import.meta.url).pathname;
const folder = process.argv[2] ?? siteDir;
const languages = (process.argv[3] ?? 'en,de,ar').split(',');

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

// Milliseconds from navigation start to the page's own ready mark.
async function timeToReady(page, url) {
    await page.goto(url);
    await waitReady(page);
    return page.evaluate(() => performance.getEntriesByName('vrc-ready')[0].startTime);
}

async function weightAndSpeed(language) {
    const site = await serveSite(folder);
    const browser = await launch('chromium', { language });
    try {
        const first = await browser.newPage();
        await timeToReady(first, site.url);
        await first.waitForFunction(() => navigator.serviceWorker.controller !== null);
        let total = 0;
        console.log(`${'downloaded on a first visit'.padEnd(40)} ${'gzip bytes'.padStart(10)}`);
        for (const file of [...new Set(site.served)].sort()) {
            const size = gzipSync(readFileSync(file), { level: 9 }).length;
            total += size;
            console.log(`${relative(site.root, file).padEnd(40)} ${String(size).padStart(10)}`);
        }
        console.log(`${'total'.padEnd(40)} ${String(total).padStart(10)}  (target <= 1000000)\n`);

        const cold = [];
        for (let visit = 0; visit < visits; ++visit) {
            const context = await browser.createBrowserContext();
            cold.push(await timeToReady(await context.newPage(), site.url));
            await context.close();
        }
        const warm = [];
        for (let visit = 0; visit < visits; ++visit) {
            warm.push(await timeToReady(first, site.url));
        }
        const ms = (value) => `${value.toFixed(0)} ms`;
        console.log(`ready to calculate, ${visits} visits each (target <= 1000 ms):`);
        console.log(`  first visit:  median ${ms(median(cold))}, slowest ${ms(Math.max(...cold))}`);
        console.log(
            `  repeat visit: median ${ms(median(warm))}, slowest ${ms(Math.max(...warm))}\n`);
    } finally {
        await browser.close();
        await site.close();
    }
}

// Lighthouse's scores vary from run to run on a busy machine: the median of three, as its
// documentation advises. Run asynchronously: the site is served from this very process.
async function lighthouse(language) {
    const site = await serveSite(folder);
    const runs = [];
    try {
        for (let run = 0; run < 3; ++run) {
            const { stdout } = await promisify(execFile)(
                `${here}node_modules/.bin/lighthouse`,
                [site.url, '--quiet', '--output=json', '--output-path=stdout',
                    '--only-categories=performance,accessibility,best-practices',
                    `--chrome-flags=--headless=new --no-sandbox --disable-gpu --disable-quic ` +
                    `--lang=${language} --accept-lang=${language}`],
                { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 64 << 20 },
            );
            const report = JSON.parse(stdout);
            runs.push(Object.values(report.categories));
            // Lighthouse keeps the browser's own language only if the language file came.
            const files = report.audits['network-requests'].details.items
                .map((item) => item.url).filter((url) => url.includes('/i18n/'));
            const expected = language === 'en' ? [] : [`i18n/${language}.json`];
            if (files.map((url) => url.slice(url.indexOf('i18n/'))).join() !== expected.join()) {
                throw new Error(`Lighthouse's page did not load ${expected}: ${files}`);
            }
        }
    } finally {
        await site.close();
    }
    console.log('Lighthouse, median of 3 runs (mobile defaults; target >= 95 each):');
    runs[0].forEach((category, index) => {
        const scores = runs.map((categories) => Math.round(categories[index].score * 100));
        const runsText = scores.join(', ');
        console.log(`  ${category.title.padEnd(16)} ${median(scores)}  (runs: ${runsText})`);
    });
}

for (const language of languages) {
    console.log(`=== a reader of '${language}'\n`);
    await weightAndSpeed(language);
    await lighthouse(language);
    console.log();
}
