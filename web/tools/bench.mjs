// The web edition's speed and size, for the README and reviews; not a test. Usage:
//   node web/tools/bench.mjs build-web/site [rounds] [native build, for codec_bench]
//       [benchmark module's folder, build-web/bench]
// Sizes: the .wasm, and the gzipped bytes the first view fetches and the offline cache adds.
// Times: navigation to the first password shown, cold (new profile) and warm (second visit,
// service worker); a click to the new password painted; model calls per second in the page;
// the codec's encode and decode rates in the page against the native codec_bench, alternating;
// the codec's rates come from the benchmark's build of the module, which the site does not ship.
import { execFileSync } from 'node:child_process';
import { readFile, readdir } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { control, launchBrowser, openPage } from '../tests/browser.mjs';
import { startServer } from './serve.mjs';

const [site = 'build-web/site', roundsText = '5', nativeBuild = 'build', benchModule = join(dirname(site), 'bench')] =
    process.argv.slice(2);
const rounds = Number(roundsText);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const gzipped = async (file) => gzipSync(await readFile(file), { level: 9 }).length;

async function filesUnder(directory) {
    const entries = await readdir(directory, { withFileTypes: true });
    return (await Promise.all(entries.map((e) => (e.isDirectory() ? filesUnder(join(directory, e.name)) : [join(directory, e.name)])))).flat();
}

const server = await startServer(site, 0, { '/bench/': benchModule });
const url = `http://127.0.0.1:${server.address().port}/`;
const chromium = await launchBrowser();

const wasm = join(site, 'quandrel.wasm');
console.log(`quandrel.wasm: ${(await readFile(wasm)).length} bytes, ${await gzipped(wasm)} gzipped`);

// What the first view fetches, gzipped as a server would send it.
{
    const context = await chromium.browser.createBrowserContext();
    const page = await context.newPage();
    const fetched = new Set();
    page.on('request', (request) => fetched.add(new URL(request.url()).pathname));
    await page.goto(url, { waitUntil: 'networkidle0' });
    let firstView = 0;
    for (const path of fetched) firstView += await gzipped(join(site, path === '/' ? 'index.html' : path));
    let all = 0;
    for (const file of await filesUnder(site)) all += await gzipped(file);
    console.log(`first view: ${fetched.size} files, ${firstView} bytes gzipped; whole site (offline cache): ${all} bytes gzipped`);
    await context.close();
}

// Cold: a new context each round; warm: a second visit in the same context.
const cold = [];
const warm = [];
for (let i = 0; i < rounds; ++i) {
    const { page, context } = await openPage(chromium.browser, url);
    cold.push(await page.evaluate(() => performance.getEntriesByName('quandrel-first-password')[0].startTime));
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
    warm.push(await page.evaluate(() => performance.getEntriesByName('quandrel-first-password')[0].startTime));
    await context.close();
}
console.log(`navigation to first password: cold median ${median(cold).toFixed(1)} ms (${cold.map((t) => t.toFixed(0)).join(', ')}), warm median ${median(warm).toFixed(1)} ms (${warm.map((t) => t.toFixed(0)).join(', ')})`);

// Click to paint: from the click event to the frame after the new password is drawn.
{
    const { page, context } = await openPage(chromium.browser, url);
    await page.evaluate(() => {
        window.paintDelays = [];
        document.addEventListener('click', (event) => {
            requestAnimationFrame(() => setTimeout(() => window.paintDelays.push(performance.now() - event.timeStamp)));
        }, true);
    });
    // A person's pace, so that what the page defers until the clicks pause (the address) runs
    // between them as it would.
    for (let i = 0; i < 20; ++i) {
        await page.click(control(`Image4(${i % 30})`));
        await new Promise((resolve) => setTimeout(resolve, 400));
    }
    const delays = await page.evaluate(() => window.paintDelays);
    console.log(`click to paint: median ${median(delays).toFixed(1)} ms, worst ${Math.max(...delays).toFixed(1)} ms over ${delays.length} clicks`);

    // Model calls per second in the page: an object click (encode and assembly) and a typed
    // password entered (decode, encode and assembly), each through the page's own model module.
    const rates = await page.evaluate(async () => {
        const { loadModel } = await import('./model.js');
        const model = await loadModel();
        model.start();
        const rate = (work) => {
            const start = performance.now();
            let n = 0;
            while (performance.now() - start < 500) {
                work(n++);
            }
            return n / ((performance.now() - start) / 1000);
        };
        const password = model.password();
        return {
            click: rate((n) => model.click(`Image4(${n % 30})`)),
            enter: rate(() => model.enterPassword(password)),
            check: rate(() => model.checkPassword(password)),
        };
    });
    console.log(`in the page: ${rates.click.toFixed(0)} object clicks/s, ${rates.enter.toFixed(0)} passwords entered/s, ${rates.check.toFixed(0)} passwords checked/s`);
    await context.close();
}

// The codec in the page (the benchmark's module, encoding the state "Everything" shows into one
// buffer and decoding its password) against native codec_bench (EncodePasswordIntoBuffer and
// DecodePassword over random states), one of each a round.
{
    const { page, context } = await openPage(chromium.browser, url);
    // One module for every round, so that rounds after the first run the optimised code that
    // the engine tiers up to.
    const pageRates = () => page.evaluate(async () => {
        if (window.timeCodec === undefined) {
            const { default: createQuandrel } = await import('/bench/quandrel-bench.js');
            const module = await createQuandrel();
            module.cwrap('qp_start', null, [])();
            module.cwrap('qp_everything', null, [])();
            window.timeCodec = module.cwrap('qp_time_codec', 'number', ['number', 'number']);
        }
        // Doubled until a run lasts long enough for the clock.
        const rate = (decode) => {
            for (let count = 1000; ; count *= 2) {
                const ms = window.timeCodec(decode ? 1 : 0, count);
                if (ms >= 250) return count / (ms / 1000);
            }
        };
        return { encode: rate(false), decode: rate(true) };
    });
    const nativeRates = () => {
        const report = JSON.parse(execFileSync(join(nativeBuild, 'bench', 'codec_bench'), [
            '--benchmark_filter=^(EncodePasswordIntoBuffer|DecodePassword)$', '--benchmark_format=json',
            '--benchmark_min_time=0.25'], { encoding: 'utf8' }));
        const rateOf = (name) => report.benchmarks.find((b) => b.name === name)['passwords/s'];
        return { encode: rateOf('EncodePasswordIntoBuffer'), decode: rateOf('DecodePassword') };
    };
    const inPage = [];
    const native = [];
    // The service worker's first caching done, and the engine's optimised code in place.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await pageRates();
    await pageRates();
    for (let i = 0; i < rounds; ++i) {
        inPage.push(await pageRates());
        native.push(nativeRates());
    }
    for (const kind of ['encode', 'decode']) {
        const web = median(inPage.map((r) => r[kind]));
        const own = median(native.map((r) => r[kind]));
        const ratios = inPage.map((r, i) => (r[kind] / native[i][kind]).toFixed(2));
        console.log(`${kind}: page ${(web / 1e6).toFixed(2)} M/s, native ${(own / 1e6).toFixed(2)} M/s, page/native ${(web / own).toFixed(2)} (rounds ${ratios.join(', ')})`);
    }
    await context.close();
}

await chromium.close();
server.close();
