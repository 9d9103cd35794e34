// Which translation the page starts in, from the browser's languages: the choice the
// page and its service worker share.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { runInNewContext } from 'node:vm';
import { siteDir } from './harness.mjs';

// The site's own script, as assembled, with no page around it.
const { choose, translated } = runInNewContext(
    `${readFileSync(join(siteDir, 'texts.js'), 'utf8')}; VrcTexts`, {});

test('the first of the reader\'s languages with a translation wins; English otherwise', () => {
    assert.deepEqual([...translated].sort(),
        ['ar', 'de', 'es', 'fr', 'it', 'ja', 'pl', 'pt_BR', 'ru', 'zh_CN']);
    const cases = [
        [['de-DE'], 'de'],
        [['de-AT', 'fr'], 'de'],
        [['sv-SE', 'fr-CA', 'de'], 'fr'],
        [['en-GB', 'de'], 'en'],
        [['ar-EG'], 'ar'],
        [['pt-BR'], 'pt_BR'],
        [['pt'], 'pt_BR'],
        [['pt-PT', 'es'], 'es'],
        [['zh-CN'], 'zh_CN'],
        [['zh-Hans-SG'], 'zh_CN'],
        [['zh_CN'], 'zh_CN'],
        [['zh-TW', 'ja-JP'], 'ja'],
        [['zh-Hant-HK'], 'en'],
        [['sv', 'nb'], 'en'],
        [[], 'en'],
    ];
    for (const [languages, expected] of cases) {
        assert.equal(choose(languages), expected, languages.join(','));
    }
});
