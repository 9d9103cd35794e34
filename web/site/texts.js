// The page in its reader's language. A plain script rather than a module: Qt's lupdate,
// which reads the qsTranslate() calls below into translations/*.ts, cannot parse modules.
// The build turns those files into i18n/<code>.json, one per language; English, the
// language the page is written in, needs none. The service worker loads this script too,
// for choose() alone.
'use strict';

const VrcTexts = (() => {
    // Stamped by the site's assembly: the languages that have a translation.
    const translated = '@LANGUAGES@'.split(' ').filter((code) => /^[a-z]+(_[A-Z]+)?$/.test(code));
    const rightToLeft = ['ar', 'fa', 'he', 'ur'];
    // Who reads a regional translation beyond its own region: by script where the
    // language has more than one, and by the regions that write it the same way.
    // Simplified Chinese; Taiwan, Hong Kong and Macau write traditional Chinese.
    // Brazilian Portuguese is read in Brazil alone.
    const readers = { zh_CN: { scripts: ['hans'], regions: ['sg', 'my'] } };

    // A language tag's parts, lower case: "zh-Hant-TW", "pt_PT", "de_DE.UTF-8@euro".
    function split(tag) {
        const [language = '', ...subtags] =
            String(tag).split(/[.@]/)[0].toLowerCase().split(/[-_]/);
        const parts = { language, script: '', region: '' };
        for (const subtag of subtags) {
            if (subtag.length === 1) {
                break; // an extension or private use: nothing about the script or region
            }
            if (subtag.length === 4 && !parts.script && !parts.region) {
                parts.script = subtag;
            } else if ((subtag.length === 2 || /^[0-9]{3}$/.test(subtag)) && !parts.region) {
                parts.region = subtag;
            }
        }
        return parts;
    }

    // The first of the reader's languages that has a translation; English otherwise, and
    // for a reader who puts English first. A regional translation is refused to readers of
    // its language elsewhere (pt-PT, zh-TW), and then to a bare tag of that language
    // later in the list (browsers send "zh-TW, zh"). The desktop program and the
    // installer choose by the same rules.
    function choose(tags) {
        const refused = new Set();
        for (const tag of tags ?? []) {
            const parts = split(tag);
            if (parts.language === 'en') {
                return 'en';
            }
            for (const code of translated) {
                const [language, region = ''] = code.toLowerCase().split('_');
                if (language !== parts.language) {
                    continue;
                }
                if (!region) {
                    return code;
                }
                const { scripts = [], regions = [] } = readers[code] ?? {};
                let reads;
                if (parts.script && scripts.length > 0) {
                    reads = scripts.includes(parts.script);
                } else if (parts.region) {
                    reads = parts.region === region || regions.includes(parts.region);
                } else {
                    reads = !refused.has(language);
                }
                if (reads) {
                    return code;
                }
                refused.add(language);
            }
        }
        return 'en';
    }

    const languageFile = (code) => `i18n/${code}.json`;

    let table = {};
    // The name lupdate looks for; the reader's translation of `source`, English without one.
    function qsTranslate(context, source) {
        const translation = table[context]?.[source];
        return typeof translation === 'string' && translation !== '' ? translation : source;
    }
    // As QString::arg; a value is taken as it is, "$&" and all.
    const arg = (text, ...values) => values.reduce(
        (result, value, index) => result.replaceAll(`%${index + 1}`, () => String(value)), text);

    // Each text of the page: where it goes (a selector, and an attribute or its text), and
    // what it says. The texts the desktop windows share come from their contexts.
    const pageTexts = (version) => [
        ['meta[name="description"]', 'content', qsTranslate('WebPage',
            "Work out each player's new rating after a win and after a loss from the ratings of both teams.")],
        ['title', '', `Kestrix ${qsTranslate('vrc::ui::AboutWindow', 'Vorn Rating Calculator')} - TQX`],
        ['h1 .product', '', qsTranslate('vrc::ui::AboutWindow', 'Vorn Rating Calculator')],
        ['.old', '', qsTranslate('vrc::ui::FrmVornRating', 'Old Ratings')],
        ['.team legend', '', qsTranslate('vrc::ui::FrmVornRating', 'Your Team')],
        ['.opponents legend', '', qsTranslate('vrc::ui::FrmVornRating', 'Opponents')],
        ['.win .heading', '', qsTranslate('vrc::ui::FrmVornRating', 'You Win')],
        ['.lose .heading', '', qsTranslate('vrc::ui::FrmVornRating', 'You Lose')],
        ...[1, 2, 3].flatMap((player) => [
            [`label[for="team-${player - 1}"]`, '',
                arg(qsTranslate('WebPage', 'Player %1 rating'), player)],
            [`label[for="opponents-${player - 1}"]`, '',
                arg(qsTranslate('vrc::ui::FrmVornRating', 'Opponent %1 rating'), player)],
            [`label[for="win-${player - 1}"]`, '', arg(
                qsTranslate('vrc::ui::FrmVornRating', 'Player %1 rating after a win'), player)],
            [`label[for="lose-${player - 1}"]`, '', arg(
                qsTranslate('vrc::ui::FrmVornRating', 'Player %1 rating after a loss'), player)],
        ]),
        ['.picture', 'alt', qsTranslate('vrc::ui::FrmVornRating',
            'A balance weighing your team against the opponents')],
        ['#calculate', '', qsTranslate('vrc::ui::FrmVornRating', 'Calculate')],
        ['#reset', '', qsTranslate('vrc::ui::FrmVornRating', 'Reset')],
        ['#help', '', qsTranslate('vrc::ui::FrmVornRating', 'Help')],
        ['#error-title', '', qsTranslate('vrc::ui::FrmVornRating', 'Error')],
        ['#error button', '', qsTranslate('vrc::ui::AboutWindow', 'OK')],
        ['#about img', 'alt', qsTranslate('vrc::ui::AboutWindow',
            'Two teams on blocks as tall as their ratings')],
        ['#about-title .product', '',
            qsTranslate('vrc::ui::AboutWindow', 'Vorn Rating Calculator')],
        ['#about .version', '',
            arg(qsTranslate('vrc::ui::AboutWindow', 'Version: Solvane %1.%2'), ...version)],
        ['#about .credits', '', qsTranslate('vrc::ui::AboutWindow',
            'Written by the Kestrix tools team, 2026')],
        ['#about .licence', '', qsTranslate('vrc::ui::AboutWindow',
            'Free software under the MIT licence: copy it and pass it on.')],
        ['#about .instruction', '', qsTranslate('vrc::ui::AboutWindow',
            'Enter the rating of players on your team and the opponent team in the labelled boxes.  Click the calculate button to determine the new ratings for a win or a loss for each player on your team.')],
        ['#about .buttons a', '', qsTranslate('WebPage', 'Licences')],
        ['#about button', '', qsTranslate('vrc::ui::AboutWindow', 'OK')],
    ];

    function showTexts() {
        const version = document.querySelector('#about .version').dataset.version.split('.');
        for (const [selector, attribute, text] of pageTexts(version)) {
            for (const element of document.querySelectorAll(selector)) {
                if (attribute) {
                    element.setAttribute(attribute, text);
                } else {
                    element.textContent = text;
                }
            }
        }
    }

    // The page's language from the first moment, so that it is laid out once, in its
    // direction; it stays hidden until its texts are in (a page that changes under the
    // reader's eyes is worse than one that appears a moment later), but not for long: a
    // slow file leaves it in English meanwhile. Without its file (the network gone before
    // it was kept) the page is English.
    function start() {
        const root = document.documentElement;
        const code =
            choose(navigator.languages?.length ? navigator.languages : [navigator.language]);
        const setLanguage = (language) => {
            root.lang = language.replace('_', '-');
            root.dir = rightToLeft.includes(language.split('_')[0]) ? 'rtl' : 'ltr';
        };
        const parsed = new Promise((done) => {
            if (document.readyState === 'loading') {
                document.addEventListener('DOMContentLoaded', done, { once: true });
            } else {
                done();
            }
        });
        if (code === 'en') {
            return parsed;
        }
        setLanguage(code);
        // The name and description an installed page shows, in the same language.
        document.querySelector('link[rel="manifest"]')
            ?.setAttribute('href', `manifest-${code}.webmanifest`);
        root.classList.add('translating');
        const english = () => {
            setLanguage('en');
            root.classList.remove('translating');
        };
        const slow = setTimeout(english, 3000);
        const loaded = fetch(languageFile(code))
            .then((response) => {
                if (!response.ok) {
                    throw new Error(`${languageFile(code)}: ${response.status}`);
                }
                return response.json();
            })
            .then((texts) => {
                table = texts;
            });
        return Promise.all([loaded, parsed]).then(() => {
            setLanguage(code);
            showTexts();
        }, () => {
            table = {};
            english();
            return parsed;
        }).finally(() => {
            clearTimeout(slow);
            root.classList.remove('translating');
        });
    }

    const page = typeof document === 'undefined' ? null : start();

    return Object.freeze({
        choose,
        languageFile,
        translated,
        // Settles once the page shows its texts in its language.
        ready: page,
        // The engine's refusal, which it words in English, in the page's language.
        refusal: (message) => qsTranslate('vrc::engine::RefusalMessages', message),
        loadFailed: () => qsTranslate('WebPage',
            'The calculator could not be loaded. Reload the page to try again.'),
        // The share of games to win to hold the rating, already in the reader's format.
        breakEven: (share) => arg(qsTranslate('WebPage',
            'To hold its rating, your team must win %1 of such games.'), share),
        calculationFailed: (detail) =>
            arg(qsTranslate('WebPage', 'The calculation failed: %1'), detail),
    });
})();
