// How the tests and the benchmark start the installed Chromium: headless, as root, and without
// the background connections that a machine with no network refuses many at a time.
export const CHROMIUM = '/usr/bin/chromium';
export const CHROMIUM_FLAGS = [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];
