// What a screen reader hears of the page, as Chromium's accessibility tree gives it, where the
// keyboard goes, and what axe-core finds against WCAG 2.2 A and AA (the targets' size with it).
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { test } from 'node:test';
import {
    armed,
    byFinger,
    control,
    onAPage,
    openQuillfen,
    pressWith,
    rangeOn,
    takeMessage,
    tap,
} from './page_support.mjs';

// Every node of the page as role and name, with the names of the groups it lies in.
async function tree(page) {
    const nodes = [];
    const walk = (node, groups) => {
        nodes.push({ role: node.role, name: node.name, groups: groups.join('/') });
        const inGroups = node.role === 'group' ? [...groups, node.name] : groups;
        for (const child of node.children ?? []) walk(child, inGroups);
    };
    walk(await page.accessibility.snapshot({ interestingOnly: false }), []);
    return nodes;
}

// The groups each control lies in, by its role and name, once for each time it is heard.
const heardIn = (nodes, role, name) =>
    nodes.filter((node) => node.role === role && node.name === name).map((node) => node.groups);

// The panels a player sees at a time: the setup panel over the attacker's, then, after Done, the
// attacker's and the target's; each with controls heard in their groups, and one behind it that
// is out of the tree.
const ARRANGEMENTS = [
    {
        name: 'before Done',
        arrange: async () => {},
        heard: [
            ['radio', 'Inner Sphere', 'SETUP/Mech Type (Required)'],
            ['radio', 'Clan', 'SETUP/Mech Type (Required)'],
            ['textbox', 'Mech Model', 'SETUP'],
            ['combobox', 'Gunnery Skill (Required)', 'SETUP'],
            ['checkbox', 'LB-X Cluster Munitions', 'SETUP'],
            ['button', 'Done', 'SETUP'],
            ['combobox', 'Weapon 1', ''],
            ['combobox', 'Location 12', ''],
            ['textbox', 'To-Hit 1', ''],
            ['textbox', 'Min 12', ''],
            ['checkbox', 'Check to Declare 1', ''],
            ['combobox', 'Light Woods', 'Intervening Terrain'],
            ['textbox', 'Total Heat', ''],
            ['button', 'Calculate', ''],
        ],
        behind: ['radio', 'Walked'],
    },
    {
        name: 'after Done',
        arrange: (page) => tap(page, 'doneButton'),
        heard: [
            ['radio', 'Walked', 'ATTACKER/Movement'],
            ['checkbox', 'In Lvl 1 Water', 'ATTACKER/Movement'],
            ['checkbox', 'Right Arm Shoulder', 'ATTACKER/Damage'],
            ['checkbox', 'Left Arm Lower Actuator', 'ATTACKER/Damage'],
            ['radio', '24+', 'ATTACKER/Heat Level'],
            ['slider', 'Range to Target', 'ATTACKER/Range to Target'],
            ['radio', '3-4', 'TARGET/Movement'],
            ['radio', 'In Open Hex', 'TARGET/Position'],
        ],
        behind: ['radio', 'Clan'],
    },
];

for (const { name, arrange, heard, behind } of ARRANGEMENTS) {
    test(`${name}: controls heard in their groups and by their labels, the panel behind not`, () =>
        onAPage(async ({ page }) => {
            await arrange(page);
            const nodes = await tree(page);
            for (const [role, name, ...groups] of [...heard, behind])
                assert.deepEqual(heardIn(nodes, role, name), groups, `${role} "${name}"`);
        }));
}

const AXE = new URL('../../node_modules/axe-core/axe.min.js', import.meta.url);
const WCAG_22_AA = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];

// axe-core's violations on the page as it stands, one line per rule and element.
async function violations(page) {
    return page.evaluate(async (tags) => {
        const { violations } = await window.axe.run(document, {
            runOnly: { type: 'tag', values: tags },
        });
        return violations.flatMap(({ id, help, nodes }) =>
            nodes.map(
                (node) => `${id} (${help}): ${node.target.join(' ')}: ${node.failureSummary}`,
            ),
        );
    }, WCAG_22_AA);
}

// Where the sheet and its menus lie on a small screen is not what these tests are about.
const press = (page, name) => page.$eval(control(name), (button) => button.click());
const runEntry = (page, caption) =>
    page.$$eval(
        '.sheet-tab:not([hidden]) [role="menuitem"]',
        (items, caption) => items.find((item) => item.textContent === caption).click(),
        caption,
    );

const SIZES = [
    ['a phone', byFinger(360, 740)],
    ['a tablet', byFinger(768, 1024)],
    ['a desktop', { width: 1366, height: 768 }],
];

// What a player has on screen, one after the other on the same page: a new sheet, a message,
// the sheet with its numbers, the range chart, the lance and About; the violations of each.
async function scenes(page) {
    // The page's own policy allows no script but its own files: axe comes in by the debugger's
    // hand, not as a script element.
    await page.evaluate(await readFile(AXE, 'utf8'));
    const found = {};
    const seen = async (scene, selector) => {
        await page.waitForSelector(selector);
        found[scene] = await violations(page);
    };
    await seen('a new sheet', '.sheet-tab:not([hidden]) .sheet');
    await openQuillfen(page);
    await press(page, 'calculateButton');
    await seen('a message', '#message[open]');
    await takeMessage(page);
    await rangeOn(page, 5);
    await press(page, 'calculateButton');
    await page.waitForFunction((to) => document.querySelector(to).value, {}, control('toHit(0)'));
    await seen('the sheet with its numbers', control('toHit(0)'));
    await pressWith(page, 'Control', 'r');
    await seen('the range chart', '.sheet-tab:not([hidden]) .chart table');
    await pressWith(page, 'Control', 'l');
    await seen('the lance', '.lance tbody tr');
    await runEntry(page, 'About Vexolan');
    await seen('About', '#about[open]');
    return found;
}

for (const [size, viewport] of SIZES) {
    for (const look of ['light', 'dark']) {
        test(`axe-core finds nothing against WCAG 2.2 AA on ${size} in the ${look} look`, () =>
            onAPage({ viewport }, async ({ page }) => {
                await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: look }]);
                const found = await scenes(page);
                const none = Object.fromEntries(Object.keys(found).map((scene) => [scene, []]));
                assert.deepEqual(found, none);
            }));
    }
}

// Where the keyboard is: a control by its id, a chart's cell by its line and range, else by its
// text; nowhere once it left the page.
const focused = (page) =>
    page.evaluate(() => {
        const at = document.activeElement;
        if (at === document.body) return 'nowhere';
        if (at.id) return at.id;
        if (at.matches('td')) {
            const range = at.closest('table').tHead.rows[0].cells[at.cellIndex].textContent;
            return `${at.parentElement.cells[0].textContent} at ${range}: ${at.ariaLabel}`;
        }
        return at.textContent;
    });

// The keyboard on an armed sheet at the control the selector names; a sheet with its chart.
const at = (selector) => async (page) => {
    await armed(page);
    await page.focus(selector);
};
const charted = (page) => armed(page, 3, true);
const twoTabs = async (page) => {
    await runEntry(page, 'New Mech');
    await page.focus('#s2-tab');
};

// Keys pressed, blank-separated, and where the keyboard is then.
const KEYS = {
    "Tab past the sheet's last stop leaves the page": [at(control('toHit(11)')), 'Tab', 'nowhere'],
    'Tab from the tabs: the menu bar, one stop, then the sheet': [
        at('#s1-tab'),
        'Tab Tab',
        's1-rangeSlider',
    ],
    "Shift+Tab before the sheet's first stop goes to the menu bar": [armed, 'Shift+Tab', 'File'],
    "the menu bar's stop is its last entry used": [
        at('.menubar > .menu:last-child > button'),
        'Tab Shift+Tab',
        'Help',
    ],
    'Ctrl+R takes the keyboard to the chart, at its first cell': [
        charted,
        '',
        '1 MLaser at 1: 4, 33/36 (91.7%)',
    ],
    'the arrow keys go from cell to cell': [
        charted,
        'ArrowRight ArrowRight ArrowDown ArrowRight ArrowLeft',
        '2 LRM20 at 3: 8, 15/36 (41.7%)',
    ],
    'the arrow keys stop at the edges, End goes to the last range': [
        charted,
        'ArrowLeft ArrowUp ArrowDown ArrowDown ArrowDown End ArrowRight',
        'Expected damage at 24: 0.0 expected damage',
    ],
    'the chart is one stop: Tab leaves its grid': [
        charted,
        'ArrowRight Tab Shift+Tab',
        '1 MLaser at 2: 4, 33/36 (91.7%)',
    ],
    'Shift+Tab from the chart goes back to where the sheet ends': [
        charted,
        'Shift+Tab Shift+Tab Shift+Tab',
        's1-toHit_11_',
    ],
    'Escape closes the chart, the keyboard goes back': [
        charted,
        'ArrowDown Shift+Tab Escape',
        's1-rangeSlider',
    ],
    'Delete on a tab closes its sheet': [twoTabs, 'Delete', 's1-tab'],
};

for (const [name, [arrange, keys, expected]] of Object.entries(KEYS)) {
    test(`the keyboard: ${name}`, () =>
        onAPage(async ({ page }) => {
            await arrange(page);
            for (const key of keys.split(' ').filter(Boolean)) {
                if (key.startsWith('Shift+')) await pressWith(page, 'Shift', key.slice(6));
                else await page.keyboard.press(key);
            }
            assert.equal(await focused(page), expected);
        }));
}
