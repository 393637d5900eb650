// Draws the page's icons (web/icons/vexolan-192.png and -512.png) from the desktop's
// src/ui/icons/vexolan.svg with the installed Chromium. Run by hand after a change of the icon:
//   node scripts/make-web-icons.mjs
import { readFile, writeFile } from 'node:fs/promises';
import puppeteer from 'puppeteer-core';
import { CHROMIUM, CHROMIUM_FLAGS } from './headless-chromium.mjs';

const root = new URL('..', import.meta.url);
const svg = await readFile(new URL('src/ui/icons/vexolan.svg', root), 'utf8');
const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: CHROMIUM_FLAGS,
});
try {
    const page = await browser.newPage();
    for (const size of [192, 512]) {
        await page.setViewport({ width: size, height: size });
        const source = `data:image/svg+xml;base64,${Buffer.from(svg).toString('base64')}`;
        await page.setContent(
            `<body style="margin:0"><img src="${source}" width="${size}" height="${size}">`,
        );
        const picture = await page.screenshot({ omitBackground: true });
        await writeFile(new URL(`web/icons/vexolan-${size}.png`, root), picture);
    }
} finally {
    await browser.close();
}
