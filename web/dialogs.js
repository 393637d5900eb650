// The page's own dialogs: messages, questions, the About box and tips. One dialog at a time,
// in the order asked, as the desktop's modal boxes come one after another.

// Looked up when used, so that importing the module touches no document.
const byId = (id) => document.getElementById(id);
let queue = Promise.resolve();

// Shows the text with a button for each answer and gives the one chosen; Esc gives the last.
export function ask(text, answers = ['OK'], field = null) {
    const asked = queue.then(
        () =>
            new Promise((resolve) => {
                const message = byId('message');
                byId('messageText').textContent = text;
                const buttons = message.querySelector('.answers');
                buttons.replaceChildren(
                    ...answers.map((answer) =>
                        Object.assign(document.createElement('button'), {
                            value: answer,
                            textContent: answer,
                        }),
                    ),
                );
                message.querySelector('input')?.remove();
                if (field) buttons.before(field);
                message.returnValue = answers.at(-1);
                message.addEventListener(
                    'close',
                    () => resolve(message.returnValue || answers.at(-1)),
                    { once: true },
                );
                hideTip();
                message.showModal();
                (field ?? buttons.firstElementChild).focus();
            }),
    );
    queue = asked;
    return asked;
}

export const showMessage = (text) => ask(text);

// A name for a file, with the suggestion filled in; null when the user cancels.
export async function askName(question, suggested, saveCaption, cancelCaption) {
    const field = Object.assign(document.createElement('input'), {
        type: 'text',
        value: suggested,
        ariaLabel: question,
    });
    field.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') {
            event.preventDefault();
            byId('message').close(saveCaption);
        }
    });
    const answer = await ask(question, [saveCaption, cancelCaption], field);
    return answer === saveCaption && field.value.trim() ? field.value.trim() : null;
}

export function showAbout(about) {
    const texts = {
        aboutCaption: about.caption,
        aboutTitle: about.title,
        aboutVersion: about.version,
        aboutCopyright: about.copyright,
        aboutDisclaimer: about.disclaimer,
        aboutWarning: about.warning,
        aboutOk: about.ok,
    };
    for (const [id, text] of Object.entries(texts)) byId(id).textContent = text;
    const box = byId('about');
    queue = queue.then(
        () =>
            new Promise((resolve) => {
                box.addEventListener('close', resolve, { once: true });
                box.showModal();
            }),
    );
    return queue;
}

// A number's breakdown beside its field, on hover and on tap: below it, or above where the
// screen has no room below, and inside the screen's width; a breakdown taller than the screen
// scrolls at its top.
const MARGIN = 8;

export function showTip(element, text) {
    const tip = byId('tip');
    tip.textContent = text;
    tip.hidden = false;
    tip.style.left = '0';
    tip.style.top = '0';
    const place = element.getBoundingClientRect();
    const { offsetWidth: width, offsetHeight: height } = tip;
    const screen = document.documentElement.clientWidth;
    const left = Math.max(MARGIN, Math.min(place.left, screen - width - MARGIN));
    let top = place.bottom + 4;
    if (top + height > innerHeight) top = place.top - 4 - height;
    if (top < 0) top = MARGIN;
    tip.style.left = `${left + scrollX}px`;
    tip.style.top = `${top + scrollY}px`;
}

export function hideTip() {
    byId('tip').hidden = true;
}
