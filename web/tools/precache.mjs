// Writes the service worker for a built site: `node precache.mjs SITE_DIR TEMPLATE`. The worker
// keeps every file of the site, under a cache name taken from their contents, so that a changed
// site replaces the old cache at the next visit.
import { createHash } from 'node:crypto';
import { readFile, readdir, writeFile } from 'node:fs/promises';
import { join, relative } from 'node:path';

const [site, template] = process.argv.slice(2);

async function filesUnder(directory) {
    const entries = await readdir(directory, { withFileTypes: true });
    const files = await Promise.all(entries.map((entry) => {
        const path = join(directory, entry.name);
        return entry.isDirectory() ? filesUnder(path) : [path];
    }));
    return files.flat();
}

const files = (await filesUnder(site)).map((path) => relative(site, path)).filter((path) => path !== 'sw.js').sort();
const hash = createHash('sha256');
for (const file of files) {
    hash.update(file);
    hash.update(await readFile(join(site, file)));
}
const worker = (await readFile(template, 'utf8'))
    .replace('@CACHE_NAME@', `quandrel-${hash.digest('hex').slice(0, 16)}`)
    .replace('@FILES@', JSON.stringify(['./', ...files], null, 4));
await writeFile(join(site, 'sw.js'), worker);
