// The players' form, in the players' room that arrives on demand (players.js brings it): a field for each person with
// the name offered, and against the computer its level and pace. Enter or its take button has the rules judge the
// names, each fault beside its field, and presses the company's menu item with the answer; Escape or its cancel
// button leaves everything as it was. It touches the form (the PlayersForm dialog) alone, and reaches the page only
// through what players.js hands the room (page). The room is made once, with the panel's showing (players_panel.js).
window.PairfinderPlayers = (page) => {
    const dialog = document.getElementById('PlayersForm');
    const fields = [...dialog.querySelectorAll('.field')].map((row) => ({
        row,
        input: row.querySelector('input'),
        label: row.querySelector('label'),
        fault: row.querySelector('.fault'),
    }));
    const computer = document.getElementById('Computer');
    // The company's menu item, pressed with the answer; where the keyboard focus was before the form took it.
    let chooser = null;
    let focusBefore = null;

    function showFault(field, fault) {
        field.fault.textContent = fault;
        field.fault.hidden = !fault;
        if (fault) {
            field.input.setAttribute('aria-invalid', 'true');
            field.input.setAttribute('aria-describedby', field.fault.id);
        } else {
            field.input.removeAttribute('aria-invalid');
            field.input.removeAttribute('aria-describedby');
        }
    }

    // The choice of a group by the number from 1 its radio button carries, and back.
    const choose = (group, number) => dialog.querySelectorAll('[name="' + group + '"]').forEach((radio) => {
        radio.checked = radio.value === String(number);
    });
    const chosen = (group) => Number(dialog.querySelector('[name="' + group + '"]:checked').value);

    // Each person's name offered and its field's label in turn (`texts`, an empty text after the last), whether the
    // computer plays, and its level and pace.
    function ask(item, texts, againstComputer, level, pace) {
        page.closeMenus(false);
        chooser = item;
        fields.forEach((field, i) => {
            field.row.hidden = 2 * i + 1 >= texts.length;
            field.input.value = field.row.hidden ? '' : texts[2 * i];
            field.label.textContent = field.row.hidden ? '' : texts[2 * i + 1];
            showFault(field, '');
        });
        computer.hidden = !againstComputer;
        choose('level', level);
        choose('pace', pace);
        if (!dialog.open) {
            focusBefore = document.activeElement;
            dialog.showModal();
        }
        fields[0].input.focus();
        fields[0].input.select();
    }

    function close() {
        dialog.close();
        const back = focusBefore;
        focusBefore = null;
        if (back && document.contains(back) && !back.closest('[hidden]')) back.focus();
    }

    function take() {
        const shown = fields.filter((field) => !field.row.hidden);
        const answer = page.answer(shown.map((field) => field.input.value), chosen('level'), chosen('pace'));
        if (answer.startsWith('\n')) {
            const faults = answer.slice(1).split('\n');
            shown.forEach((field, i) => showFault(field, faults[i]));
            shown[faults.findIndex(Boolean)].input.focus();
            return;
        }
        close();
        page.take(chooser, answer);
    }

    dialog.querySelector('form').addEventListener('submit', (event) => {
        event.preventDefault();
        take();
    });
    // Enter takes the form from its choices too, as it does from a field.
    dialog.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.target.type !== 'radio') return;
        event.preventDefault();
        take();
    });
    document.getElementById('PlayersCancel').addEventListener('click', close);
    dialog.addEventListener('cancel', (event) => {
        event.preventDefault();
        close();
    });
    return { ask, show: showPlayers };
};
