// What brings the players' room: the players' panel and form are a script of their own (pairfinder-players.js, the
// rooms players_panel.js and players_form.js), fetched the first time the game shows players together or asks who
// plays, so that a player who never plays together never fetches them. What the game tells of the players waits for
// the room, in the order told. It touches nothing of the page itself; the room reaches the page only through
// playersPage.
const playersPage = {
    closeMenus,
    // What is wrong with each name, a line each after a line break; else the answer the company's item carries.
    answer: (names, level, pace) => withTexts(names,
        (pointers) => text(_pf_players_answer(pointers, names.length, level, pace))),
    // The company's item, named by the game when it asked, is pressed with the form's answer.
    take: (chooser, answer) => press(byId(chooser), answer),
};
const playersRoom = arrival('pairfinder-players.js', () => PairfinderPlayers(playersPage));

function withPlayersRoom(use) {
    whenArrived(playersRoom, byId('PlayersForm'), use);
}
