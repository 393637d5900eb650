// Measures the browser version, by hand (no test runs it), after both builds:
//   node scripts/web-benchmark.mjs [build-web] [build]
// - what a first visit transfers, gzip-compressed, the help guide aside;
// - from navigation to a sheet that takes input, against an empty page, in fresh browser
//   contexts of headless Chromium on a local server, alternating, median of 10 each;
// - Calculate of the twelve-row attack as WebAssembly under node against the native program;
// - a tap on a damage box to the updated page, median of 51.
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, readdir, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { CHROMIUM, CHROMIUM_FLAGS } from './headless-chromium.mjs';
import { serve } from './serve-web.mjs';

const [webBuild = 'build-web', nativeBuild = 'build'] = process.argv.slice(2);
const pageDir = join(webBuild, 'page');
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

async function filesUnder(folder) {
    const entries = await readdir(folder, { recursive: true, withFileTypes: true });
    return entries
        .filter((entry) => entry.isFile())
        .map((entry) => join(entry.parentPath ?? entry.path, entry.name));
}

// Every file the page and its service worker fetch on a first visit is in the folder.
async function firstVisitSize() {
    let total = 0;
    for (const file of await filesUnder(pageDir)) {
        const name = relative(pageDir, file);
        if (name === 'Vexo.html') continue;
        const size = gzipSync(await readFile(file), { level: 9 }).length;
        console.log(`  ${name.padEnd(24)} ${kib(size)}`);
        total += size;
    }
    return total;
}

async function loadTimes(browser, url, emptyUrl) {
    const sheet = [];
    const empty = [];
    for (let run = 0; run < 11; ++run) {
        for (const [target, times] of [
            [url, sheet],
            [emptyUrl, empty],
        ]) {
            const context = await browser.createBrowserContext();
            const page = await context.newPage();
            await page.goto(target, { waitUntil: 'load' });
            if (target === url) await page.waitForSelector('html[data-ready]');
            const took = await page.evaluate(() => {
                const ready = performance.getEntriesByName('vexolan-ready')[0];
                return ready
                    ? ready.startTime
                    : performance.getEntriesByType('navigation')[0].loadEventEnd;
            });
            if (run > 0) times.push(took); // the first of each warms the server and the disk
            await context.close();
        }
    }
    return { sheet: median(sheet), empty: median(empty) };
}

// From the tap's event to the page redrawn from the model's answer, layout included.
async function tapTime(browser, url) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForSelector('html[data-ready]');
    await page.click('#s1-doneButton');
    const times = await page.evaluate(() => {
        const box = document.getElementById('s1-rightShoulderBox');
        const taken = [];
        for (let tap = 0; tap < 51; ++tap) {
            const start = performance.now();
            box.click();
            void document.body.offsetHeight;
            taken.push(performance.now() - start);
        }
        return taken;
    });
    await page.close();
    return median(times);
}

// In turn, so that both meet the machine in the same moods.
function calculateTimes() {
    const run = (command, args) => Number(execFileSync(command, args, { encoding: 'utf8' }));
    const wasm = [];
    const native = [];
    for (let round = 0; round < 9; ++round) {
        wasm.push(run(process.execPath, [join(webBuild, 'bin', 'calculate_timing.js')]));
        native.push(run(join(nativeBuild, 'bin', 'calculate_timing'), []));
    }
    return { wasm: median(wasm), native: median(native) };
}

console.log('First visit, gzip -9, help guide aside:');
const size = await firstVisitSize();
console.log(`  total ${kib(size)} (at most 256 KiB)`);

const server = await serve(pageDir);
const emptyDir = await mkdtemp(join(tmpdir(), 'vexolan-empty-'));
await writeFile(join(emptyDir, 'index.html'), '<!doctype html><title>Empty</title>');
const emptyServer = await serve(emptyDir);
const profile = await mkdtemp(join(tmpdir(), 'vexolan-bench-'));
const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: CHROMIUM_FLAGS,
});
try {
    const url = `http://127.0.0.1:${server.address().port}/`;
    const load = await loadTimes(browser, url, `http://127.0.0.1:${emptyServer.address().port}/`);
    console.log(
        `Navigation to a sheet taking input: ${load.sheet.toFixed(1)} ms; ` +
            `empty page ${load.empty.toFixed(1)} ms; ` +
            `ratio ${(load.sheet / load.empty).toFixed(2)} (at most 2, and 150 ms)`,
    );
    const tap = await tapTime(browser, url);
    console.log(`Tap on a damage box to the updated page: ${tap.toFixed(2)} ms (under 4 ms)`);
} finally {
    await browser.close();
    server.close();
    emptyServer.close();
    await rm(profile, { recursive: true, force: true });
    await rm(emptyDir, { recursive: true, force: true });
}
const calculate = calculateTimes();
console.log(
    `Calculate, twelve rows: WebAssembly ${calculate.wasm.toFixed(2)} µs, ` +
        `native ${calculate.native.toFixed(2)} µs, ` +
        `ratio ${(calculate.wasm / calculate.native).toFixed(2)} (at most 2)`,
);
