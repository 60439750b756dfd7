// The players' panel (Panel3), in the players' room that arrives on demand (players.js brings it): the line that says
// whose turn it is, and a row a seat with its name, its pairs and attempts and the turn's mark, as the game's side
// tells it. It touches the panel and the document's data-seats, how many play together, by which the phones'
// arrangements make room for the panel.
const playersPanel = document.getElementById('Panel3');
const seatRows = [...playersPanel.querySelectorAll('.seat')];

// The turn's line (the words before the name, the name, the words after it), then each seat's name, score's line and
// row as a reader hears it, with an empty text after the last; `turn` is the seat to play.
function showPlayers(texts, turn) {
    const seats = Math.floor((texts.length - 3) / 3);
    playersPanel.hidden = !seats;
    if (seats) document.documentElement.dataset.seats = String(seats);
    else delete document.documentElement.dataset.seats;
    document.getElementById('TurnLine').querySelectorAll('span').forEach((part, i) => {
        part.textContent = texts[i];
    });
    seatRows.forEach((row, i) => {
        row.hidden = i >= seats;
        if (row.hidden) return;
        const [name, line, spoken] = texts.slice(3 + 3 * i);
        row.querySelector('.name').textContent = name;
        row.querySelector('.line').textContent = line;
        row.setAttribute('aria-label', spoken);
        row.classList.toggle('to-play', i === turn);
    });
}
