// Headless Chromium from the system, driven by puppeteer-core; never a downloaded browser.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const kChromium = process.env.QUANDREL_CHROMIUM ?? '/usr/bin/chromium';

export async function launchBrowser() {
    const profile = await mkdtemp(join(tmpdir(), 'quandrel-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: kChromium,
        headless: true,
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    });
    return {
        browser,
        async close() {
            await browser.close();
            await rm(profile, { recursive: true, force: true });
        },
    };
}

// A page of the site in a context of its own, so that storage starts empty; resolves once the
// model has drawn the window.
export async function openPage(browser, url, { viewport = { width: 1024, height: 768 }, context = null } = {}) {
    const owner = context ?? await browser.createBrowserContext();
    const page = await owner.newPage();
    await page.setViewport(viewport);
    page.on('pageerror', (error) => { throw error; });
    await page.goto(url);
    await page.waitForSelector('html[data-ready="true"]');
    return { page, context: owner };
}

export const control = (name) => `[data-control="${name}"]`;

// The password as the twelve display labels show it.
export async function shownPassword(page) {
    return page.$$eval('[data-control^="Label6("]', (labels) => labels
        .sort((a, b) => Number(a.dataset.control.slice(7, -1)) - Number(b.dataset.control.slice(7, -1)))
        .map((label) => label.textContent).join(''));
}
