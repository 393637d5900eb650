// The page's JavaScript, its browser tests and the node scripts: ESLint's recommended rules, each
// file with the globals of where it runs.
import js from '@eslint/js';
import globals from 'globals';

export default [
    // The service worker is a template until the build writes the files it caches into it.
    { ignores: ['build*/', 'node_modules/', 'out/', 'docs/', 'web/service_worker.js'] },
    js.configs.recommended,
    {
        files: ['web/**/*.js'],
        languageOptions: { globals: globals.browser },
    },
    {
        // A test's callbacks to page.evaluate() run in the page.
        files: ['tests/web/**/*.mjs'],
        languageOptions: { globals: { ...globals.node, ...globals.browser } },
    },
    {
        files: ['scripts/**/*.mjs'],
        languageOptions: { globals: globals.node },
    },
    {
        // The benchmark's callbacks to page.evaluate() run in the page.
        files: ['scripts/web-benchmark.mjs'],
        languageOptions: { globals: { ...globals.node, ...globals.browser } },
    },
];
