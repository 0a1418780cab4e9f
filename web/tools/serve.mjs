// A static file server for the built site, on 127.0.0.1 only: `node serve.mjs DIR [PORT]`.
// Browsers give service workers and the clipboard to 127.0.0.1 as to any secure origin.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.gif': 'image/gif',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.webmanifest': 'application/manifest+json',
    '.txt': 'text/plain; charset=utf-8',
};

// `mounts` serves more folders under paths of their own: {'/bench/': 'build-web/bench'}.
export function startServer(directory, port = 0, mounts = {}) {
    const folders = Object.entries(mounts).map(([prefix, folder]) => [prefix, resolve(folder)]);
    const server = createServer(async (request, response) => {
        const requested = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        const [prefix, root] = folders.find(([p]) => requested.startsWith(p)) ?? ['/', resolve(directory)];
        const path = requested.slice(prefix.length - 1);
        const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
        if (file !== root && !file.startsWith(root + sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const [directory = '.', port = '8080'] = process.argv.slice(2);
    const server = await startServer(directory, Number(port));
    console.log(`Serving ${resolve(directory)} at http://127.0.0.1:${server.address().port}/`);
}
