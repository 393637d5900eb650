// Notices at the foot of the screen that ask for nothing: a closed sheet's undo, a new version
// ready, a backup due. Each stands under a name of its own, which a newer notice of the same
// name replaces; a screen reader hears each as it comes.

const area = () => document.getElementById('notices');
const timers = new Map();

// Shows the text with a button for each action ({caption, run}); each action hides the notice
// first. With `seconds`, the notice goes by itself after so long, and `expire` runs then.
export function showNotice(name, text, actions = [], { seconds = 0, expire = () => {} } = {}) {
    hideNotice(name);
    const notice = Object.assign(document.createElement('div'), { className: 'notice' });
    notice.dataset.notice = name;
    const buttons = actions.map(({ caption, run }) => {
        const button = Object.assign(document.createElement('button'), {
            type: 'button',
            textContent: caption,
        });
        button.addEventListener('click', () => {
            hideNotice(name);
            run();
        });
        return button;
    });
    notice.append(Object.assign(document.createElement('p'), { textContent: text }), ...buttons);
    area().append(notice);
    if (seconds) {
        timers.set(
            name,
            setTimeout(() => {
                hideNotice(name);
                expire();
            }, seconds * 1000),
        );
    }
}

export function hideNotice(name) {
    clearTimeout(timers.get(name));
    timers.delete(name);
    area().querySelector(`[data-notice="${name}"]`)?.remove();
}

// Fixed places belong to the layout viewport, which a phone makes as wide as the sheet: the
// notices follow the part of the page that is on the screen instead.
export function placeNotices() {
    const screen = window.visualViewport;
    if (!screen) return;
    const place = () => {
        Object.assign(area().style, {
            left: `${screen.offsetLeft + 8}px`,
            top: `calc(${screen.offsetTop + screen.height - 8}px - var(--foot, 0px))`,
            width: `${screen.width - 16}px`,
            right: 'auto',
            bottom: 'auto',
            transform: 'translateY(-100%)',
        });
    };
    screen.addEventListener('resize', place);
    screen.addEventListener('scroll', place);
    place();
}
