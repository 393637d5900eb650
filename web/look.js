// The page's look: light, dark, or the system's, chosen in View and kept with the sheets, so
// that the next visit comes back in it. The colours themselves are the style sheet's.

const SYSTEM = 'System';
// The View menu's choices, as their entries read; the look each one names.
export const LOOKS = new Map([
    ['Light', 'light'],
    ['Dark', 'dark'],
    [SYSTEM, null],
]);
const NOTE = 'look';

export class Look {
    // `keeping` holds the storage the choice is kept in, once it is open.
    constructor(keeping) {
        this.keeping = keeping;
        this.choice = SYSTEM;
        this.system = matchMedia('(prefers-color-scheme: dark)');
        this.system.addEventListener('change', () => this.apply());
        this.apply();
    }

    // The choice kept at the last visit; one the page no longer offers leaves the system's.
    async restore() {
        const kept = await this.keeping.keeper?.note(NOTE).catch(() => null);
        if (LOOKS.has(kept)) this.choice = kept;
        this.apply();
    }

    choose(choice) {
        this.choice = choice;
        this.apply();
        this.keeping.keeper?.setNote(NOTE, choice).catch(() => {});
    }

    // The look on the page at once, and the choice ticked in every sheet's View menu.
    apply() {
        const look = LOOKS.get(this.choice) ?? (this.system.matches ? 'dark' : 'light');
        document.documentElement.dataset.look = look;
        this.tick(document);
    }

    // Ticks the choice among the entries within `root`: a menu bar made for a new sheet too.
    tick(root) {
        for (const item of root.querySelectorAll('[data-look-choice]')) {
            item.ariaChecked = String(item.dataset.lookChoice === this.choice);
        }
    }
}
