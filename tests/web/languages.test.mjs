// Which translation the page starts in, from the browser's languages: the choice the
// page and its service worker share.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { runInNewContext } from 'node:vm';
import { siteDir } from './harness.mjs';

// The site's own script, as assembled, with no page around it.
const { choose, translated } = runInNewContext(
    `${readFileSync(join(siteDir, 'texts.js'), 'utf8')}; VrcTexts`, {});

// The rows the desktop program and the installer are tested against too.
const table = readFileSync(
    join(dirname(fileURLToPath(import.meta.url)), '..', 'common', 'language_choice.txt'), 'utf8')
    .split('\n')
    .filter((line) => line.trim() && !line.startsWith('#'))
    .map((line) => {
        const [tags, chosen] = line.split('->');
        return [tags.trim().split(/\s+/).filter(Boolean), chosen.trim()];
    });

test('the first of the reader\'s languages with a translation wins; English otherwise', () => {
    assert.deepEqual([...translated].sort(),
        ['ar', 'de', 'es', 'fr', 'it', 'ja', 'pl', 'pt_BR', 'ru', 'zh_CN']);
    assert.ok(table.length > 0);
    for (const [languages, expected] of table) {
        assert.equal(choose(languages), expected, languages.join(','));
    }
});
