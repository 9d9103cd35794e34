// Calculations a second through the JavaScript package, as a bot rating many games
// calls it: from numbers, and from texts read in a locale.
//
//     node bench/package_bench.mjs build-web/package      # the unpacked package
import { pathToFileURL } from 'node:url';
import { resolve } from 'node:path';

const folder = resolve(process.argv[2] ?? 'build-web/package');
const { calculate } = await import(pathToFileURL(`${folder}/node.js`).href);

// A season's worth of different games, so that nothing is answered from a cache.
const GAMES = 4096;
const games = Array.from({ length: GAMES }, (_, i) => {
    const rating = (k) => 1000 + ((i * 7919 + k * 104729) % 1200);
    return { team: [rating(1), rating(2), rating(3)], opponents: [rating(4), rating(5)] };
});
const texts = games.map(({ team, opponents }) => ({
    team: team.map((r) => r.toLocaleString('de-DE')),
    opponents: opponents.map((r) => `${r},5`),
}));

function perSecond(name, inputs, options) {
    let cpu = 0;
    const run = (calls) => {
        const start = process.hrtime.bigint();
        const startCpu = process.cpuUsage();
        for (let i = 0; i < calls; ++i) {
            calculate(inputs[i % GAMES], options);
        }
        const used = process.cpuUsage(startCpu);
        cpu = (used.user + used.system) / 1e6;
        return Number(process.hrtime.bigint() - start) / 1e9;
    };
    run(20000); // warm-up
    let calls = 20000;
    let seconds = run(calls);
    while (seconds < 1) {
        calls *= 2;
        seconds = run(calls);
    }
    // Calls a second of the clock, and of the processor's time: on a busy machine the two
    // part, as bench_engine's Time and CPU columns do.
    const rate = calls / seconds;
    const format = (value) => Math.round(value).toLocaleString('en-US').padStart(12);
    console.log(`${name.padEnd(16)} ${format(rate)} calls/s, ${format(calls / cpu)} per CPU second`);
}

perSecond('numbers', games);
perSecond('texts, de-DE', texts, { locale: 'de-DE' });
