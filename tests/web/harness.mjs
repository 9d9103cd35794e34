// What the browser tests share: a static server for the site on 127.0.0.1, the system's
// browsers driven headless, and small helpers that wait on the page's own state.
import { createReadStream, readFileSync, statSync } from 'node:fs';
import { mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, resolve, sep } from 'node:path';
import puppeteer from 'puppeteer-core';

const here = new URL('.', import.meta.url).pathname;

export const siteDir = resolve(process.env.VRC_SITE_DIR ?? join(here, '../../build-web/site'));

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.txt': 'text/plain; charset=utf-8',
    '.png': 'image/png',
    '.jpg': 'image/jpeg',
    '.svg': 'image/svg+xml',
};

// Serves `root` as a static host would, noting each file it serves in `served`. close()
// also drops open connections, so that the browser finds the network gone rather than a
// kept-alive socket.
export async function serveSite(folder = siteDir) {
    const root = resolve(folder);
    const sockets = new Set();
    const served = [];
    const server = createServer((request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        let file = resolve(root, `.${path.endsWith('/') ? `${path}index.html` : path}`);
        if (!file.startsWith(root + sep)) {
            file = '';
        }
        try {
            if (!statSync(file).isFile()) {
                throw new Error('not a file');
            }
        } catch {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, {
            'Content-Type': types[extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
        });
        served.push(file);
        createReadStream(file).pipe(response);
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        root,
        served,
        close: () =>
            new Promise((done) => {
                server.close(done);
                sockets.forEach((socket) => socket.destroy());
            }),
    };
}

export const browserNames = (process.env.VRC_BROWSERS ?? 'chromium,firefox').split(',');

// Starts Debian's browser headless with a fresh profile, in the given language and colour scheme.
export async function launch(name, { language = 'en-US', scheme = 'light' } = {}) {
    const profile = mkdtempSync(join(tmpdir(), `vrc-${name}-`));
    const common = { headless: true, userDataDir: profile, protocolTimeout: 60_000 };
    const browser =
        name === 'firefox'
            ? await puppeteer.launch({
                  ...common,
                  browser: 'firefox',
                  executablePath: '/usr/bin/firefox-esr',
                  extraPrefsFirefox: {
                      'intl.accept_languages': language,
                      'layout.css.prefers-color-scheme.content-override': scheme === 'dark' ? 0 : 1,
                  },
              })
            : await puppeteer.launch({
                  ...common,
                  browser: 'chrome',
                  executablePath: '/usr/bin/chromium',
                  args: [
                      '--no-sandbox',
                      '--disable-gpu',
                      '--disable-quic',
                      '--no-first-run',
                      '--disable-background-networking',
                      '--disable-component-update',
                      '--disable-sync',
                      `--accept-lang=${language}`,
                      ...(scheme === 'dark' ? ['--force-dark-mode'] : []),
                  ],
              });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

// Opens the page and waits until it can calculate.
export async function openPage(browser, url) {
    const page = await browser.newPage();
    await page.goto(url, { timeout: waitMs });
    await waitReady(page);
    return page;
}

// How long a wait on the page may take: a cold, loaded machine's first browser start and
// first page can take many seconds.
export const waitMs = 30_000;

// What the page is at: its language, the element with the focus, the dialogs open (with
// the Error dialog's message) and what the boxes hold; for a wait that ran out.
export async function pageState(page) {
    try {
        return await page.evaluate(() => {
            const focus = document.activeElement;
            const focused = !focus ? 'nothing'
                : `${focus.localName}${focus.id ? `#${focus.id}` : ''}` +
                    `${focus.localName === 'button' ? ` "${focus.textContent}"` : ''}` +
                    `${focus.closest('dialog') ? ` in dialog#${focus.closest('dialog').id}` : ''}`;
            const open = [...document.querySelectorAll('dialog[open]')].map((dialog) =>
                (dialog.id === 'error'
                    ? `#error ("${document.getElementById('error-message').textContent}")`
                    : `#${dialog.id}`));
            const boxes = [...document.querySelectorAll('input')].map((box) => box.value);
            return `page in "${document.documentElement.lang}", focus on ${focused}` +
                `${document.hasFocus() ? '' : ' (the page itself without focus)'}, ` +
                `dialogs open: ${open.join(', ') || 'none'}, boxes ${JSON.stringify(boxes)}`;
        });
    } catch (error) {
        return `the page's state could not be read: ${error.message}`;
    }
}

// Waits until `condition` (run in the page, given `argument`) holds; one that runs out says
// which condition did not come, and what the page was at instead.
export async function waitFor(page, condition, argument) {
    try {
        return await page.waitForFunction(condition, { timeout: waitMs }, argument);
    } catch (error) {
        const given = argument === undefined ? '' : ` given ${JSON.stringify(argument)}`;
        throw new Error(`${condition}${given} did not hold within ${waitMs} ms ` +
            `(${await pageState(page)}): ${error.message}`);
    }
}

// Presses `key` in the element `id` once no dialog is open and that element has the focus,
// so that the key lands there.
export async function pressIn(page, id, key) {
    await page.focus(`#${id}`);
    await waitFor(page, (box) =>
        !document.querySelector('dialog[open]') && document.activeElement?.id === box, id);
    await press(page, key);
}

export const waitReady = (page) =>
    waitFor(page, () => document.documentElement.dataset.engine === 'ready');

// Types the six boxes (team, then opponents) as a user would, replacing what they held.
export async function fill(page, team, opponents) {
    const boxes = [...team.map((text, row) => [`team-${row}`, text]),
        ...opponents.map((text, row) => [`opponents-${row}`, text])];
    for (const [id, text] of boxes) {
        await page.evaluate((box) => { document.getElementById(box).value = ''; }, id);
        if (text !== '') {
            await page.type(`#${id}`, text);
        }
    }
}

// The six results, win then loss of each row, as their text.
export const results = (page) =>
    page.evaluate(() => [0, 1, 2].map((row) => [
        document.getElementById(`win-${row}`).textContent,
        document.getElementById(`lose-${row}`).textContent,
    ]));

// The six boxes' texts, team then opponents.
export const typed = (page) =>
    page.evaluate(() => [...document.querySelectorAll('input')].map((box) => box.value));

export const activeId = (page) => page.evaluate(() => document.activeElement?.id ?? '');

export async function press(page, key, modifier) {
    if (modifier) {
        await page.keyboard.down(modifier);
    }
    await page.keyboard.press(key);
    if (modifier) {
        await page.keyboard.up(modifier);
    }
}

const axeSource = readFileSync(join(here, 'node_modules/axe-core/axe.min.js'), 'utf8');

// The rules axe-core breaks, with the markup at fault.
export async function axeViolations(page) {
    if (!(await page.evaluate(() => 'axe' in window))) {
        await page.evaluate(axeSource);
    }
    return page.evaluate(async () => {
        const { violations } = await window.axe.run(document);
        return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.html).join(' | ')}`);
    });
}
