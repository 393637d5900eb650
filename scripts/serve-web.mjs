// Serves the built page (a folder of static files) on the loopback address, as any static
// host would: `node scripts/serve-web.mjs FOLDER [PORT]`. The tests and the benchmark start it
// from their own code with serve().
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.vexmech': 'application/x-vexolan-mech',
};

// Resolves to the listening server; port 0 takes any free port.
export function serve(root, port = 0, host = '127.0.0.1') {
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://here').pathname);
        const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
        if (!file.startsWith(normalize(root + sep)) || request.method !== 'GET') {
            response.writeHead(404).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, host, () => resolve(server));
    });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const [root, port = '8080'] = process.argv.slice(2);
    const server = await serve(root, Number(port));
    console.log(
        `Vexolan is served at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops it)`,
    );
}
