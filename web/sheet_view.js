// One combat sheet drawn from the layout table with the browser's own controls, placed where the
// desktop places its widgets. The user's input goes to the model through `act`; what the model
// then says changed is all that is redrawn, and a control the model did not follow is put back.

import { showTip, hideTip } from './dialogs.js';
import { make } from './elements.js';
import { arrange, gatherPieces, markStaying } from './sheet_arrangement.js';

// The range slider's steps beside it, for a finger: each as a drag of one hex.
const RANGE_STEPS = [
    [-1, '\u2212', 'One hex nearer'],
    [1, '+', 'One hex farther'],
];

export class SheetView {
    // `act(action, codeName, argument)` passes the user's input on and returns once the model has
    // answered and the page has been updated.
    constructor(layout, id, act) {
        this.layout = layout;
        this.id = id;
        this.act = act;
        this.controls = layout.controls;
        this.boxes = []; // the placed element of each place
        this.inputs = []; // the element that holds each place's state
        this.states = [];
        this.element = make('div', { className: 'sheet' });
        this.element.style.setProperty('--width', `${layout.width}px`);
        this.element.style.setProperty('--height', `${layout.height}px`);
        this.headings = new Set(this.controls.map((c) => c.headedBy).filter((p) => p >= 0));
        this.controls.forEach((control, place) => this.build(control, place));
        this.pieces = gatherPieces(
            this.element,
            layout.arrangement.pieces,
            this.boxes,
            this.controls,
        );
        // The notices at the foot of the screen stand over the bar that stays there.
        const foot = new ResizeObserver(() => {
            if (this.element.offsetParent === null) return;
            const bar = this.element.querySelector('.staying')?.getBoundingClientRect();
            const notices = document.getElementById('notices');
            notices.style.setProperty('--foot', `${bar?.height ?? 0}px`);
        });
        this.pieces.forEach((piece) => foot.observe(piece));
        this.tabStops = layout.tabOrder.map((place) => this.inputs[place]);
        this.element.addEventListener('keydown', (event) => this.onKey(event));
    }

    idOf(place) {
        return `${this.id}-${this.controls[place].codeName.replace(/[()]/g, '_')}`;
    }

    containerOf(control) {
        if (control.headedBy >= 0) {
            return this.boxes[control.headedBy].parentElement;
        }
        return control.in >= 0 ? this.boxes[control.in] : this.element;
    }

    build(control, place) {
        const { box, input } = this.makeControl(control, place);
        box.classList.add('placed');
        // Where the desktop's form places it; a narrow window's arrangement lets it flow.
        box.style.setProperty('--left', `${control.left}px`);
        box.style.setProperty('--top', `${control.top}px`);
        box.style.setProperty('--w', `${control.width}px`);
        box.style.setProperty('--h', `${control.height}px`);
        if (control.underlined) box.classList.add('underlined');
        if (control.shaded) box.classList.add('shaded');
        if (input !== box || !box.parentElement) this.containerOf(control).append(box);
        if (control.kind === 'slider') this.addSteps(input);
        this.boxes[place] = box;
        this.inputs[place] = input;
        if (input.matches('input, select, textarea, button')) {
            input.id ||= this.idOf(place);
            input.tabIndex = this.layout.tabOrder.includes(place) ? 0 : -1;
            input.addEventListener('focus', () => this.showTipOf(input));
            input.addEventListener('blur', hideTip);
            box.addEventListener('pointerenter', () => this.showTipOf(input));
            box.addEventListener('pointerleave', hideTip);
        }
    }

    makeControl(control, place) {
        const caption = control.caption ?? '';
        const named = (input) => {
            if (!this.controls.some((c) => c.labelFor === place)) input.ariaLabel = control.name;
            return { box: input, input };
        };
        switch (control.kind) {
            case 'panel': {
                const box = make('fieldset', { className: 'panel' });
                if (caption) box.append(make('legend', { textContent: caption }));
                return { box, input: box };
            }
            case 'label': {
                if (this.headings.has(place)) {
                    // The heading of an option group that shares its panel with other controls:
                    // the group is a fieldset of its own, without a frame, headed by the label.
                    const group = make('fieldset', { className: 'group' });
                    this.containerOf(control).append(group);
                    const box = make('legend', { textContent: caption });
                    group.append(box);
                    return { box, input: box };
                }
                const box = make(control.labelFor >= 0 ? 'label' : 'span', {
                    textContent: caption,
                });
                if (control.labelFor >= 0) box.htmlFor = this.idOf(control.labelFor);
                return { box, input: box };
            }
            case 'line':
                return { box: make('span', { className: 'line' }), input: make('span') };
            case 'text':
                return named(
                    this.listen(make('input', { type: 'text', spellcheck: false }), place),
                );
            case 'multiline':
                return named(this.listen(make('textarea', { spellcheck: false }), place));
            case 'list':
                return named(
                    control.editable
                        ? this.editableList(control, place)
                        : this.list(control, place),
                );
            case 'slider':
                return named(
                    this.listen(
                        make('input', {
                            type: 'range',
                            min: control.minimum,
                            max: control.maximum,
                        }),
                        place,
                    ),
                );
            case 'button': {
                const button = this.listen(
                    make('button', { type: 'button', textContent: caption }),
                    place,
                );
                return { box: button, input: button };
            }
            case 'barecheck': {
                // The whole of the row's box is the target, not just the small square.
                const { input } = named(this.listen(make('input', { type: 'checkbox' }), place));
                const box = make('label', { className: 'bare' });
                box.append(input);
                return { box, input };
            }
            case 'check':
            case 'option': {
                const input = make('input', {
                    type: control.kind === 'check' ? 'checkbox' : 'radio',
                });
                if (control.kind === 'option') {
                    const head = control.headedBy >= 0 ? control.headedBy : control.in;
                    input.name = `${this.id}-${this.controls[head].codeName}`;
                }
                const box = make('label', { className: control.kind });
                // A box shows its caption; a screen reader may hear more ("Right Arm Shoulder").
                if (control.name !== caption.trim()) input.ariaLabel = control.name;
                box.append(this.listen(input, place), make('span', { textContent: caption }));
                return { box, input };
            }
        }
        return { box: make('span'), input: make('span') };
    }

    addSteps(slider) {
        slider.steps = RANGE_STEPS.map(([by, caption, name]) => {
            const button = make('button', {
                type: 'button',
                className: 'range-step',
                textContent: caption,
                ariaLabel: name,
                tabIndex: -1,
            });
            button.addEventListener('click', () => {
                const before = slider.value;
                slider.value = slider.valueAsNumber + by;
                if (slider.value !== before) slider.dispatchEvent(new Event('input'));
            });
            return button;
        });
        slider.before(slider.steps[0]);
        slider.after(slider.steps[1]);
    }

    // Stands the sheet's pieces as the arrangement says for a window that high.
    arrange(arrangement, height) {
        if (this.arrangement !== arrangement) {
            this.arrangement = arrangement;
            arrange(this.element, this.pieces, arrangement);
        }
        markStaying(this.pieces, arrangement, height);
    }

    list(control, place) {
        const select = make('select');
        for (const item of control.items) select.append(make('option', { textContent: item }));
        return this.listen(select, place);
    }

    editableList(control, place) {
        const input = make('input', { type: 'text', spellcheck: false, className: 'editable' });
        const choices = make('datalist', { id: `${this.idOf(place)}-choices` });
        for (const item of control.items) choices.append(make('option', { value: item }));
        input.setAttribute('list', choices.id);
        this.element.append(choices);
        return this.listen(input, place);
    }

    // The user's own input, and only that, goes to the model's entry points.
    listen(input, place) {
        const codeName = this.controls[place].codeName;
        const after = () => this.putBack(place);
        if (input.type === 'checkbox' || input.tagName === 'BUTTON') {
            input.addEventListener('click', () => this.act('click', codeName).then(after));
        } else if (input.type === 'radio') {
            input.addEventListener('change', () => this.act('click', codeName).then(after));
        } else if (input.tagName === 'SELECT') {
            input.addEventListener('change', () =>
                this.act('pick', codeName, input.selectedIndex).then(after),
            );
        } else if (input.type === 'range') {
            input.addEventListener('input', () =>
                this.act('move', codeName, input.valueAsNumber).then(after),
            );
        } else {
            input.addEventListener('input', () => {
                const typed = input.value;
                const behindCursor = typed.length - input.selectionEnd;
                this.act('type', codeName, typed).then(() => {
                    after();
                    // What the model left out of the edit was typed before the cursor: the
                    // cursor stays where the user left it, before the same text as before.
                    if (input.value !== typed) {
                        const at = Math.max(input.value.length - behindCursor, 0);
                        input.setSelectionRange(at, at);
                    }
                });
            });
        }
        return input;
    }

    // The model's answer to an action: the state of each place that changed, and the place the
    // keyboard goes to when another panel came to the front.
    apply(changed, focus = null) {
        for (const [place, state] of changed) {
            this.states[place] = state;
            this.show(place, state);
        }
        if (focus !== null) this.inputs[focus].focus();
    }

    // A radio button the browser checked takes its group's others with it.
    putBack(place) {
        const input = this.inputs[place];
        const group =
            input.type === 'radio'
                ? this.inputs.filter((other) => other?.name === input.name)
                : [input];
        for (const member of group) {
            const at = this.inputs.indexOf(member);
            if (this.states[at]) this.show(at, this.states[at]);
        }
    }

    show(place, state) {
        const box = this.boxes[place];
        const input = this.inputs[place] ?? box;
        box.hidden = !state.visible;
        if (this.controls[place].kind === 'panel') return;
        input.disabled = !state.enabled;
        if (state.toolTip) {
            input.dataset.tip = state.toolTip;
        } else if (input.dataset.tip) {
            delete input.dataset.tip;
            if (document.activeElement === input) hideTip();
        }
        // A result that no longer holds says so before whatever else it says.
        input.classList.toggle('stale', Boolean(state.stale));
        input.ariaDescription = [state.stale, state.toolTip].filter(Boolean).join('\n') || null;
        switch (input.type) {
            case 'checkbox':
                input.checked = state.value === 1;
                input.indeterminate = state.value === 2;
                break;
            case 'radio':
                input.checked = state.value === 1;
                break;
            case 'range':
                input.value = state.value;
                for (const step of input.steps) step.disabled = input.disabled;
                break;
            case 'select-one':
                input.selectedIndex = state.value;
                break;
            default:
                if ('readOnly' in input) input.readOnly = state.readOnly;
                if ('value' in input && input.value !== state.text) input.value = state.text;
        }
    }

    // A value too wide for its field shows whole in the tip, before what the tip says of it.
    showTipOf(input) {
        const clipped = input.type === 'text' && input.scrollWidth > input.clientWidth;
        const tip = [clipped && input.value, input.dataset.tip].filter(Boolean).join('\n');
        if (tip) showTip(input, tip);
    }

    // Tab follows the desktop's keyboard order; it enters an option group at its chosen
    // button, and the arrow keys move within the group as the browser does. Past the order's
    // last stop, or before its first, Tab leaves the sheet for what the page has around it.
    onKey(event) {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
        const from = this.tabStops.indexOf(event.target);
        if (from < 0) return;
        const step = event.shiftKey ? -1 : 1;
        for (let at = from + step; at >= 0 && at < this.tabStops.length; at += step) {
            const stop = this.tabStops[at];
            if (
                !this.reachable(stop) ||
                (stop.type === 'radio' &&
                    stop.name === event.target.name &&
                    event.target.type === 'radio')
            )
                continue;
            event.preventDefault();
            this.chosen(stop).focus();
            return;
        }
        this.leave(event.target);
    }

    // The stop itself, or the chosen button of the option group it is in.
    chosen(stop) {
        if (stop.type !== 'radio') return stop;
        return this.element.querySelector(`input[name="${stop.name}"]:checked`) ?? stop;
    }

    // Tab from outside the sheet lands where the desktop's order begins, Shift+Tab where it
    // ends, whatever field the browser's own order reached first.
    enter(step) {
        const stops = this.tabStops.filter((stop) => this.reachable(stop));
        const stop = step > 0 ? stops[0] : stops.at(-1);
        if (stop) this.chosen(stop).focus();
    }

    // The browser moves the keyboard on from the field it leaves, in the order of the page,
    // once the sheet's other fields are out of that order; they are back in it at once after.
    leave(field) {
        const others = this.tabStops.filter((stop) => stop !== field && stop.tabIndex === 0);
        for (const stop of others) stop.tabIndex = -1;
        field.addEventListener('blur', () => others.forEach((stop) => (stop.tabIndex = 0)), {
            once: true,
        });
    }

    reachable(input) {
        return !input.disabled && input.offsetParent !== null;
    }

    // A new sheet takes the keyboard at its first field.
    focusFirst() {
        this.tabStops.find((stop) => this.reachable(stop))?.focus();
    }

    // The element of the control the code calls so, for the page's own use.
    inputOf(codeName) {
        return this.inputs[this.controls.findIndex((c) => c.codeName === codeName)];
    }
}
