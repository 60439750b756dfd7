<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Pairfinder</name>
    <message numerus="yes">
        <source>%n Paare</source>
        <translation>
            <numerusform>%n pair</numerusform>
            <numerusform>%n pairs</numerusform>
        </translation>
    </message>
    <message>
        <source>Neues Spiel: %1</source>
        <translation>New game: %1</translation>
    </message>
    <message numerus="yes">
        <source>Eigenes Deck mit %n Bildern.</source>
        <translation>
            <numerusform>Own deck of %n picture.</numerusform>
            <numerusform>Own deck of %n pictures.</numerusform>
        </translation>
    </message>
    <message>
        <source>Das eigene Deck hat zu wenige Bilder</source>
        <translation>The own deck has too few pictures</translation>
    </message>
    <message>
        <source>Spielfeld: %1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <source>%1. %2 mit %3 Versuchen</source>
        <translation>%1. %2 with %3 attempts</translation>
    </message>
    <message>
        <source>Noch alles zu schaffen!</source>
        <translation>Still all to play for!</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: verdeckt</source>
        <translation>Row %1, column %2: face down</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: leer</source>
        <translation>Row %1, column %2: empty</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: %3</source>
        <translation>Row %1, column %2: %3</translation>
    </message>
    <message>
        <source>%1 und %2: kein Paar</source>
        <translation>%1 and %2: no pair</translation>
    </message>
    <message>
        <source>Zweimal %1: ein Paar</source>
        <translation>%1 twice: a pair</translation>
    </message>
    <message>
        <source>Zwei %1: ein Paar</source>
        <translation>Two %1: a pair</translation>
    </message>
    <message>
        <source>%1. Versuche: %2</source>
        <translation>%1. Attempts: %2</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>FERTIG!!</source>
        <translation>DONE!!</translation>
    </message>
    <message>
        <source>Namen für die Highsorce noch schnell eingeben:</source>
        <translation>Quickly enter your name for the highscore:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Leider reicht es für die Highscore nicht.</source>
        <translation>Sorry, not enough for the highscore.</translation>
    </message>
    <message>
        <source>&amp;MIX IT</source>
        <translation>&amp;MIX IT</translation>
    </message>
    <message>
        <source>&amp;END IT</source>
        <translation>&amp;END IT</translation>
    </message>
    <message>
        <source>Versuche:</source>
        <translation>Attempts:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Mix it</source>
        <translation>&amp;Mix it</translation>
    </message>
    <message>
        <source>&amp;Ferdisch</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Mitspieler</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Deckblatt</source>
        <translation>Card back</translation>
    </message>
    <message>
        <source>Deckblatt %1</source>
        <translation>Card back %1</translation>
    </message>
    <message>
        <source>Spieldeck</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation>Deck %1</translation>
    </message>
    <message>
        <source>Eigenes Deck</source>
        <translation>Own deck</translation>
    </message>
    <message>
        <source>Eigenes Deck zusammenstellen …</source>
        <translation>Compose own deck …</translation>
    </message>
    <message>
        <source>Eigenes Deck speichern …</source>
        <translation>Save own deck …</translation>
    </message>
    <message>
        <source>Eigenes Deck öffnen …</source>
        <translation>Open own deck …</translation>
    </message>
    <message>
        <source>&amp;Highscore</source>
        <translation>&amp;Highscore</translation>
    </message>
    <message>
        <source>Erster</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Zweiter</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Dritter</source>
        <translation>Third</translation>
    </message>
    <message>
        <source>Pfeiltasten, Pos1 und Ende wählen eine Karte, Eingabe oder Leertaste dreht sie um, F2 sagt den Spielstand.</source>
        <translation>Arrow keys, Home and End choose a card, Enter or Space turns it over, F2 says the score.</translation>
    </message>
    <message>
        <source>Stern</source>
        <translation>star</translation>
    </message>
    <message>
        <source>Sterne</source>
        <comment>zwei davon</comment>
        <translation>stars</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>heart</translation>
    </message>
    <message>
        <source>Herzen</source>
        <comment>zwei davon</comment>
        <translation>hearts</translation>
    </message>
    <message>
        <source>Mond</source>
        <translation>moon</translation>
    </message>
    <message>
        <source>Monde</source>
        <comment>zwei davon</comment>
        <translation>moons</translation>
    </message>
    <message>
        <source>Spirale</source>
        <translation>spiral</translation>
    </message>
    <message>
        <source>Spiralen</source>
        <comment>zwei davon</comment>
        <translation>spirals</translation>
    </message>
    <message>
        <source>Pfeil</source>
        <translation>arrow</translation>
    </message>
    <message>
        <source>Pfeile</source>
        <comment>zwei davon</comment>
        <translation>arrows</translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <translation>plus sign</translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <comment>zwei davon</comment>
        <translation>plus signs</translation>
    </message>
    <message>
        <source>Doppelring</source>
        <translation>double ring</translation>
    </message>
    <message>
        <source>Doppelringe</source>
        <comment>zwei davon</comment>
        <translation>double rings</translation>
    </message>
    <message>
        <source>Raute</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>Rauten</source>
        <comment>zwei davon</comment>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>Sechseck</source>
        <translation>hexagon</translation>
    </message>
    <message>
        <source>Sechsecke</source>
        <comment>zwei davon</comment>
        <translation>hexagons</translation>
    </message>
    <message>
        <source>Blitz</source>
        <translation>lightning bolt</translation>
    </message>
    <message>
        <source>Blitze</source>
        <comment>zwei davon</comment>
        <translation>lightning bolts</translation>
    </message>
    <message>
        <source>Tropfen</source>
        <translation>drop</translation>
    </message>
    <message>
        <source>Tropfen</source>
        <comment>zwei davon</comment>
        <translation>drops</translation>
    </message>
    <message>
        <source>Schlüsselloch</source>
        <translation>keyhole</translation>
    </message>
    <message>
        <source>Schlüssellöcher</source>
        <comment>zwei davon</comment>
        <translation>keyholes</translation>
    </message>
    <message>
        <source>Anker</source>
        <translation>anchor</translation>
    </message>
    <message>
        <source>Anker</source>
        <comment>zwei davon</comment>
        <translation>anchors</translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <translation>infinity sign</translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <comment>zwei davon</comment>
        <translation>infinity signs</translation>
    </message>
    <message>
        <source>Häkchen</source>
        <translation>check mark</translation>
    </message>
    <message>
        <source>Häkchen</source>
        <comment>zwei davon</comment>
        <translation>check marks</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>spade</translation>
    </message>
    <message>
        <source>Pik</source>
        <comment>zwei davon</comment>
        <translation>spades</translation>
    </message>
    <message>
        <source>Schild</source>
        <translation>shield</translation>
    </message>
    <message>
        <source>Schilde</source>
        <comment>zwei davon</comment>
        <translation>shields</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>crown</translation>
    </message>
    <message>
        <source>Kronen</source>
        <comment>zwei davon</comment>
        <translation>crowns</translation>
    </message>
    <message>
        <source>Zahnrad</source>
        <translation>gear</translation>
    </message>
    <message>
        <source>Zahnräder</source>
        <comment>zwei davon</comment>
        <translation>gears</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>target</translation>
    </message>
    <message>
        <source>Zielscheiben</source>
        <comment>zwei davon</comment>
        <translation>targets</translation>
    </message>
    <message>
        <source>Dreieck</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>Dreiecke</source>
        <comment>zwei davon</comment>
        <translation>triangles</translation>
    </message>
    <message>
        <source>Zickzacklinie</source>
        <translation>zigzag</translation>
    </message>
    <message>
        <source>Zickzacklinien</source>
        <comment>zwei davon</comment>
        <translation>zigzags</translation>
    </message>
    <message>
        <source>Kleeblatt</source>
        <translation>clover leaf</translation>
    </message>
    <message>
        <source>Kleeblätter</source>
        <comment>zwei davon</comment>
        <translation>clover leaves</translation>
    </message>
    <message>
        <source>Hashtag</source>
        <translation>hashtag</translation>
    </message>
    <message>
        <source>Hashtags</source>
        <comment>zwei davon</comment>
        <translation>hashtags</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>speech bubble</translation>
    </message>
    <message>
        <source>Sprechblasen</source>
        <comment>zwei davon</comment>
        <translation>speech bubbles</translation>
    </message>
    <message>
        <source>Sanduhr</source>
        <translation>hourglass</translation>
    </message>
    <message>
        <source>Sanduhren</source>
        <comment>zwei davon</comment>
        <translation>hourglasses</translation>
    </message>
    <message>
        <source>Blume</source>
        <translation>flower</translation>
    </message>
    <message>
        <source>Blumen</source>
        <comment>zwei davon</comment>
        <translation>flowers</translation>
    </message>
    <message>
        <source>Zylinder</source>
        <translation>top hat</translation>
    </message>
    <message>
        <source>Zylinder</source>
        <comment>zwei davon</comment>
        <translation>top hats</translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <translation>question mark</translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <comment>zwei davon</comment>
        <translation>question marks</translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <translation>double chevron</translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <comment>zwei davon</comment>
        <translation>double chevrons</translation>
    </message>
    <message>
        <source>Auge</source>
        <translation>eye</translation>
    </message>
    <message>
        <source>Augen</source>
        <comment>zwei davon</comment>
        <translation>eyes</translation>
    </message>
    <message>
        <source>Musiknote</source>
        <translation>musical note</translation>
    </message>
    <message>
        <source>Musiknoten</source>
        <comment>zwei davon</comment>
        <translation>musical notes</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>fish</translation>
    </message>
    <message>
        <source>Fische</source>
        <comment>zwei davon</comment>
        <translation>fish</translation>
    </message>
    <message>
        <source>Vogel</source>
        <translation>bird</translation>
    </message>
    <message>
        <source>Vögel</source>
        <comment>zwei davon</comment>
        <translation>birds</translation>
    </message>
    <message>
        <source>Schnecke</source>
        <translation>snail</translation>
    </message>
    <message>
        <source>Schnecken</source>
        <comment>zwei davon</comment>
        <translation>snails</translation>
    </message>
    <message>
        <source>Schmetterling</source>
        <translation>butterfly</translation>
    </message>
    <message>
        <source>Schmetterlinge</source>
        <comment>zwei davon</comment>
        <translation>butterflies</translation>
    </message>
    <message>
        <source>Katze</source>
        <translation>cat</translation>
    </message>
    <message>
        <source>Katzen</source>
        <comment>zwei davon</comment>
        <translation>cats</translation>
    </message>
    <message>
        <source>Eule</source>
        <translation>owl</translation>
    </message>
    <message>
        <source>Eulen</source>
        <comment>zwei davon</comment>
        <translation>owls</translation>
    </message>
    <message>
        <source>Schildkröte</source>
        <translation>turtle</translation>
    </message>
    <message>
        <source>Schildkröten</source>
        <comment>zwei davon</comment>
        <translation>turtles</translation>
    </message>
    <message>
        <source>Pilz</source>
        <translation>mushroom</translation>
    </message>
    <message>
        <source>Pilze</source>
        <comment>zwei davon</comment>
        <translation>mushrooms</translation>
    </message>
    <message>
        <source>Tulpe</source>
        <translation>tulip</translation>
    </message>
    <message>
        <source>Tulpen</source>
        <comment>zwei davon</comment>
        <translation>tulips</translation>
    </message>
    <message>
        <source>Gelbe Blume</source>
        <translation>yellow flower</translation>
    </message>
    <message>
        <source>Gelbe Blumen</source>
        <comment>zwei davon</comment>
        <translation>yellow flowers</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>tree</translation>
    </message>
    <message>
        <source>Bäume</source>
        <comment>zwei davon</comment>
        <translation>trees</translation>
    </message>
    <message>
        <source>Kaktus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>Kakteen</source>
        <comment>zwei davon</comment>
        <translation>cacti</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>leaf</translation>
    </message>
    <message>
        <source>Blätter</source>
        <comment>zwei davon</comment>
        <translation>leaves</translation>
    </message>
    <message>
        <source>Eichel</source>
        <translation>acorn</translation>
    </message>
    <message>
        <source>Eicheln</source>
        <comment>zwei davon</comment>
        <translation>acorns</translation>
    </message>
    <message>
        <source>Kirsche</source>
        <translation>cherry</translation>
    </message>
    <message>
        <source>Kirschen</source>
        <comment>zwei davon</comment>
        <translation>cherries</translation>
    </message>
    <message>
        <source>Apfel</source>
        <translation>apple</translation>
    </message>
    <message>
        <source>Äpfel</source>
        <comment>zwei davon</comment>
        <translation>apples</translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation>sun</translation>
    </message>
    <message>
        <source>Sonnen</source>
        <comment>zwei davon</comment>
        <translation>suns</translation>
    </message>
    <message>
        <source>Wolke</source>
        <translation>cloud</translation>
    </message>
    <message>
        <source>Wolken</source>
        <comment>zwei davon</comment>
        <translation>clouds</translation>
    </message>
    <message>
        <source>Regenwolke</source>
        <translation>rain cloud</translation>
    </message>
    <message>
        <source>Regenwolken</source>
        <comment>zwei davon</comment>
        <translation>rain clouds</translation>
    </message>
    <message>
        <source>Schneeflocke</source>
        <translation>snowflake</translation>
    </message>
    <message>
        <source>Schneeflocken</source>
        <comment>zwei davon</comment>
        <translation>snowflakes</translation>
    </message>
    <message>
        <source>Regenbogen</source>
        <translation>rainbow</translation>
    </message>
    <message>
        <source>Regenbögen</source>
        <comment>zwei davon</comment>
        <translation>rainbows</translation>
    </message>
    <message>
        <source>Berg</source>
        <translation>mountain</translation>
    </message>
    <message>
        <source>Berge</source>
        <comment>zwei davon</comment>
        <translation>mountains</translation>
    </message>
    <message>
        <source>Welle</source>
        <translation>wave</translation>
    </message>
    <message>
        <source>Wellen</source>
        <comment>zwei davon</comment>
        <translation>waves</translation>
    </message>
    <message>
        <source>Biene</source>
        <translation>bee</translation>
    </message>
    <message>
        <source>Bienen</source>
        <comment>zwei davon</comment>
        <translation>bees</translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <translation>ladybird</translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <comment>zwei davon</comment>
        <translation>ladybirds</translation>
    </message>
    <message>
        <source>Frosch</source>
        <translation>frog</translation>
    </message>
    <message>
        <source>Frösche</source>
        <comment>zwei davon</comment>
        <translation>frogs</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>mouse</translation>
    </message>
    <message>
        <source>Mäuse</source>
        <comment>zwei davon</comment>
        <translation>mice</translation>
    </message>
    <message>
        <source>Wal</source>
        <translation>whale</translation>
    </message>
    <message>
        <source>Wale</source>
        <comment>zwei davon</comment>
        <translation>whales</translation>
    </message>
    <message>
        <source>Muschel</source>
        <translation>shell</translation>
    </message>
    <message>
        <source>Muscheln</source>
        <comment>zwei davon</comment>
        <translation>shells</translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <translation>pine cone</translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <comment>zwei davon</comment>
        <translation>pine cones</translation>
    </message>
    <message>
        <source>Tasse</source>
        <translation>cup</translation>
    </message>
    <message>
        <source>Tassen</source>
        <comment>zwei davon</comment>
        <translation>cups</translation>
    </message>
    <message>
        <source>Teekanne</source>
        <translation>teapot</translation>
    </message>
    <message>
        <source>Teekannen</source>
        <comment>zwei davon</comment>
        <translation>teapots</translation>
    </message>
    <message>
        <source>Regenschirm</source>
        <translation>umbrella</translation>
    </message>
    <message>
        <source>Regenschirme</source>
        <comment>zwei davon</comment>
        <translation>umbrellas</translation>
    </message>
    <message>
        <source>Lampe</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>Lampen</source>
        <comment>zwei davon</comment>
        <translation>lamps</translation>
    </message>
    <message>
        <source>Stuhl</source>
        <translation>chair</translation>
    </message>
    <message>
        <source>Stühle</source>
        <comment>zwei davon</comment>
        <translation>chairs</translation>
    </message>
    <message>
        <source>Wecker</source>
        <translation>alarm clock</translation>
    </message>
    <message>
        <source>Wecker</source>
        <comment>zwei davon</comment>
        <translation>alarm clocks</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>key</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <comment>zwei davon</comment>
        <translation>keys</translation>
    </message>
    <message>
        <source>Schere</source>
        <translation>pair of scissors</translation>
    </message>
    <message>
        <source>Scheren</source>
        <comment>zwei davon</comment>
        <translation>pairs of scissors</translation>
    </message>
    <message>
        <source>Brille</source>
        <translation>pair of glasses</translation>
    </message>
    <message>
        <source>Brillen</source>
        <comment>zwei davon</comment>
        <translation>pairs of glasses</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>hat</translation>
    </message>
    <message>
        <source>Hüte</source>
        <comment>zwei davon</comment>
        <translation>hats</translation>
    </message>
    <message>
        <source>Socke</source>
        <translation>sock</translation>
    </message>
    <message>
        <source>Socken</source>
        <comment>zwei davon</comment>
        <translation>socks</translation>
    </message>
    <message>
        <source>T-Shirt</source>
        <translation>T-shirt</translation>
    </message>
    <message>
        <source>T-Shirts</source>
        <comment>zwei davon</comment>
        <translation>T-shirts</translation>
    </message>
    <message>
        <source>Schuh</source>
        <translation>shoe</translation>
    </message>
    <message>
        <source>Schuhe</source>
        <comment>zwei davon</comment>
        <translation>shoes</translation>
    </message>
    <message>
        <source>Buch</source>
        <translation>book</translation>
    </message>
    <message>
        <source>Bücher</source>
        <comment>zwei davon</comment>
        <translation>books</translation>
    </message>
    <message>
        <source>Bleistift</source>
        <translation>pencil</translation>
    </message>
    <message>
        <source>Bleistifte</source>
        <comment>zwei davon</comment>
        <translation>pencils</translation>
    </message>
    <message>
        <source>Brief</source>
        <translation>letter</translation>
    </message>
    <message>
        <source>Briefe</source>
        <comment>zwei davon</comment>
        <translation>letters</translation>
    </message>
    <message>
        <source>Glühbirne</source>
        <translation>light bulb</translation>
    </message>
    <message>
        <source>Glühbirnen</source>
        <comment>zwei davon</comment>
        <translation>light bulbs</translation>
    </message>
    <message>
        <source>Kerze</source>
        <translation>candle</translation>
    </message>
    <message>
        <source>Kerzen</source>
        <comment>zwei davon</comment>
        <translation>candles</translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation>bell</translation>
    </message>
    <message>
        <source>Glocken</source>
        <comment>zwei davon</comment>
        <translation>bells</translation>
    </message>
    <message>
        <source>Haus</source>
        <translation>house</translation>
    </message>
    <message>
        <source>Häuser</source>
        <comment>zwei davon</comment>
        <translation>houses</translation>
    </message>
    <message>
        <source>Tortenstück</source>
        <translation>slice of cake</translation>
    </message>
    <message>
        <source>Tortenstücke</source>
        <comment>zwei davon</comment>
        <translation>slices of cake</translation>
    </message>
    <message>
        <source>Eistüte</source>
        <translation>ice cream cone</translation>
    </message>
    <message>
        <source>Eistüten</source>
        <comment>zwei davon</comment>
        <translation>ice cream cones</translation>
    </message>
    <message>
        <source>Birne</source>
        <translation>pear</translation>
    </message>
    <message>
        <source>Birnen</source>
        <comment>zwei davon</comment>
        <translation>pears</translation>
    </message>
    <message>
        <source>Karotte</source>
        <translation>carrot</translation>
    </message>
    <message>
        <source>Karotten</source>
        <comment>zwei davon</comment>
        <translation>carrots</translation>
    </message>
    <message>
        <source>Brot</source>
        <translation>loaf of bread</translation>
    </message>
    <message>
        <source>Brote</source>
        <comment>zwei davon</comment>
        <translation>loaves of bread</translation>
    </message>
    <message>
        <source>Besteck</source>
        <translation>knife and fork</translation>
    </message>
    <message>
        <source>Bestecke</source>
        <comment>zwei davon</comment>
        <translation>knives and forks</translation>
    </message>
    <message>
        <source>Spiegelei</source>
        <translation>fried egg</translation>
    </message>
    <message>
        <source>Spiegeleier</source>
        <comment>zwei davon</comment>
        <translation>fried eggs</translation>
    </message>
    <message>
        <source>Donut</source>
        <translation>doughnut</translation>
    </message>
    <message>
        <source>Donuts</source>
        <comment>zwei davon</comment>
        <translation>doughnuts</translation>
    </message>
    <message>
        <source>Luftballon</source>
        <translation>balloon</translation>
    </message>
    <message>
        <source>Luftballons</source>
        <comment>zwei davon</comment>
        <translation>balloons</translation>
    </message>
    <message>
        <source>Geschenk</source>
        <translation>present</translation>
    </message>
    <message>
        <source>Geschenke</source>
        <comment>zwei davon</comment>
        <translation>presents</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>camera</translation>
    </message>
    <message>
        <source>Kameras</source>
        <comment>zwei davon</comment>
        <translation>cameras</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>telephone</translation>
    </message>
    <message>
        <source>Telefone</source>
        <comment>zwei davon</comment>
        <translation>telephones</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>car</translation>
    </message>
    <message>
        <source>Autos</source>
        <comment>zwei davon</comment>
        <translation>cars</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>bus</translation>
    </message>
    <message>
        <source>Busse</source>
        <comment>zwei davon</comment>
        <translation>buses</translation>
    </message>
    <message>
        <source>Fahrrad</source>
        <translation>bicycle</translation>
    </message>
    <message>
        <source>Fahrräder</source>
        <comment>zwei davon</comment>
        <translation>bicycles</translation>
    </message>
    <message>
        <source>Motorroller</source>
        <translation>motor scooter</translation>
    </message>
    <message>
        <source>Motorroller</source>
        <comment>zwei davon</comment>
        <translation>motor scooters</translation>
    </message>
    <message>
        <source>Lokomotive</source>
        <translation>locomotive</translation>
    </message>
    <message>
        <source>Lokomotiven</source>
        <comment>zwei davon</comment>
        <translation>locomotives</translation>
    </message>
    <message>
        <source>Straßenbahn</source>
        <translation>tram</translation>
    </message>
    <message>
        <source>Straßenbahnen</source>
        <comment>zwei davon</comment>
        <translation>trams</translation>
    </message>
    <message>
        <source>Segelboot</source>
        <translation>sailing boat</translation>
    </message>
    <message>
        <source>Segelboote</source>
        <comment>zwei davon</comment>
        <translation>sailing boats</translation>
    </message>
    <message>
        <source>Schiff</source>
        <translation>ship</translation>
    </message>
    <message>
        <source>Schiffe</source>
        <comment>zwei davon</comment>
        <translation>ships</translation>
    </message>
    <message>
        <source>Ruderboot</source>
        <translation>rowing boat</translation>
    </message>
    <message>
        <source>Ruderboote</source>
        <comment>zwei davon</comment>
        <translation>rowing boats</translation>
    </message>
    <message>
        <source>Flugzeug</source>
        <translation>aeroplane</translation>
    </message>
    <message>
        <source>Flugzeuge</source>
        <comment>zwei davon</comment>
        <translation>aeroplanes</translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <translation>helicopter</translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <comment>zwei davon</comment>
        <translation>helicopters</translation>
    </message>
    <message>
        <source>Heißluftballon</source>
        <translation>hot-air balloon</translation>
    </message>
    <message>
        <source>Heißluftballons</source>
        <comment>zwei davon</comment>
        <translation>hot-air balloons</translation>
    </message>
    <message>
        <source>Rakete</source>
        <translation>rocket</translation>
    </message>
    <message>
        <source>Raketen</source>
        <comment>zwei davon</comment>
        <translation>rockets</translation>
    </message>
    <message>
        <source>Traktor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <source>Traktoren</source>
        <comment>zwei davon</comment>
        <translation>tractors</translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <translation>dump truck</translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <comment>zwei davon</comment>
        <translation>dump trucks</translation>
    </message>
    <message>
        <source>Feuerwehrauto</source>
        <translation>fire engine</translation>
    </message>
    <message>
        <source>Feuerwehrautos</source>
        <comment>zwei davon</comment>
        <translation>fire engines</translation>
    </message>
    <message>
        <source>U-Boot</source>
        <translation>submarine</translation>
    </message>
    <message>
        <source>U-Boote</source>
        <comment>zwei davon</comment>
        <translation>submarines</translation>
    </message>
    <message>
        <source>Tretroller</source>
        <translation>kick scooter</translation>
    </message>
    <message>
        <source>Tretroller</source>
        <comment>zwei davon</comment>
        <translation>kick scooters</translation>
    </message>
    <message>
        <source>Schubkarre</source>
        <translation>wheelbarrow</translation>
    </message>
    <message>
        <source>Schubkarren</source>
        <comment>zwei davon</comment>
        <translation>wheelbarrows</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>hammer</translation>
    </message>
    <message>
        <source>Hämmer</source>
        <comment>zwei davon</comment>
        <translation>hammers</translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <translation>spanner</translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <comment>zwei davon</comment>
        <translation>spanners</translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <translation>screwdriver</translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <comment>zwei davon</comment>
        <translation>screwdrivers</translation>
    </message>
    <message>
        <source>Säge</source>
        <translation>saw</translation>
    </message>
    <message>
        <source>Sägen</source>
        <comment>zwei davon</comment>
        <translation>saws</translation>
    </message>
    <message>
        <source>Zange</source>
        <translation>pair of pliers</translation>
    </message>
    <message>
        <source>Zangen</source>
        <comment>zwei davon</comment>
        <translation>pairs of pliers</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>paintbrush</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <comment>zwei davon</comment>
        <translation>paintbrushes</translation>
    </message>
    <message>
        <source>Bohrmaschine</source>
        <translation>drill</translation>
    </message>
    <message>
        <source>Bohrmaschinen</source>
        <comment>zwei davon</comment>
        <translation>drills</translation>
    </message>
    <message>
        <source>Schaufel</source>
        <translation>shovel</translation>
    </message>
    <message>
        <source>Schaufeln</source>
        <comment>zwei davon</comment>
        <translation>shovels</translation>
    </message>
    <message>
        <source>Rechen</source>
        <translation>rake</translation>
    </message>
    <message>
        <source>Rechen</source>
        <comment>zwei davon</comment>
        <translation>rakes</translation>
    </message>
    <message>
        <source>Leiter</source>
        <translation>ladder</translation>
    </message>
    <message>
        <source>Leitern</source>
        <comment>zwei davon</comment>
        <translation>ladders</translation>
    </message>
    <message>
        <source>Axt</source>
        <translation>axe</translation>
    </message>
    <message>
        <source>Äxte</source>
        <comment>zwei davon</comment>
        <translation>axes</translation>
    </message>
    <message>
        <source>Eimer</source>
        <translation>bucket</translation>
    </message>
    <message>
        <source>Eimer</source>
        <comment>zwei davon</comment>
        <translation>buckets</translation>
    </message>
    <message>
        <source>Maßband</source>
        <translation>tape measure</translation>
    </message>
    <message>
        <source>Maßbänder</source>
        <comment>zwei davon</comment>
        <translation>tape measures</translation>
    </message>
    <message>
        <source>Gießkanne</source>
        <translation>watering can</translation>
    </message>
    <message>
        <source>Gießkannen</source>
        <comment>zwei davon</comment>
        <translation>watering cans</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>Quadrate</source>
        <translation>Squares</translation>
    </message>
    <message>
        <source>Blüten</source>
        <translation>Blossoms</translation>
    </message>
    <message>
        <source>Sterne</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>Die Datei ist kein Pairfinder-Deck.</source>
        <translation>The file is not a Pairfinder deck.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für ein Deck (über 110 MB).</source>
        <translation>The file is too large for a deck (over 110 MB).</translation>
    </message>
    <message>
        <source>Das Deck wäre entpackt zu groß (über 100 MB).</source>
        <translation>Unpacked, the deck would be too large (over 100 MB).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt und lässt sich nicht öffnen.</source>
        <translation>The file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>Das Deck ist verschlüsselt. Pairfinder öffnet nur Decks ohne Passwort.</source>
        <translation>The deck is encrypted. Pairfinder opens only decks without a password.</translation>
    </message>
    <message>
        <source>Das Deck enthält einen Dateinamen, der aus dem Deck hinausführt.</source>
        <translation>The deck holds a file name that leads out of the deck.</translation>
    </message>
    <message>
        <source>Dem Deck fehlt eines der Bilder, die es nennt.</source>
        <translation>The deck lacks one of the pictures it names.</translation>
    </message>
    <message>
        <source>Ein Bild des Decks ist beschädigt oder kein JPEG.</source>
        <translation>A picture of the deck is damaged or not a JPEG.</translation>
    </message>
    <message>
        <source>Die Deck-Datei konnte nicht geschrieben werden.</source>
        <translation>The deck file could not be written.</translation>
    </message>
    <message>
        <source>Deck-Dateien kann Pairfinder hier weder lesen noch schreiben: Die ZIP-Bibliothek %1 fehlt. Bitte libzip installieren.</source>
        <translation>Pairfinder can neither read nor write deck files here: the ZIP library %1 is missing. Please install libzip.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist zu groß.</source>
        <translation>The deck&apos;s list of names is damaged. It is too large.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON.</source>
        <translation>The deck&apos;s list of names is damaged. It is not valid JSON.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlt die Formatangabe.</source>
        <translation>The deck&apos;s list of names is damaged. It lacks its format.</translation>
    </message>
    <message>
        <source>Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format %1). Bitte Pairfinder aktualisieren, um es zu öffnen.</source>
        <translation>This deck was saved by a newer version of Pairfinder (format %1). Please update Pairfinder to open it.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlen der Name des Decks oder die Bilder.</source>
        <translation>The deck&apos;s list of names is damaged. It lacks the deck&apos;s name or its pictures.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ein Bild hat keine Datei oder keinen Namen.</source>
        <translation>The deck&apos;s list of names is damaged. A picture has no file or no name.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Der Dateiname „%1“ ist nicht erlaubt.</source>
        <translation>The deck&apos;s list of names is damaged. The file name “%1” is not allowed.</translation>
    </message>
    <message>
        <source>Bild %1 des Decks: %2</source>
        <translation>Picture %1 of the deck: %2</translation>
    </message>
    <message numerus="yes">
        <source>Ein Deck braucht mindestens %1 Bilder, hier sind nur %n brauchbare.</source>
        <translation>
            <numerusform>A deck needs at least %1 pictures, here only %n is usable.</numerusform>
            <numerusform>A deck needs at least %1 pictures, here only %n are usable.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Deck fasst höchstens %1 Bilder, hier sind %2.</source>
        <translation>A deck holds at most %1 pictures, here there are %2.</translation>
    </message>
    <message>
        <source>Diesen Namen trägt schon ein anderes Bild.</source>
        <translation>Another picture has this name already.</translation>
    </message>
    <message>
        <source>Kein Bild, das Pairfinder lesen kann.</source>
        <translation>Not a picture Pairfinder can read.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (über 50 MB).</source>
        <translation>The file is too large (over 50 MB).</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (über 100 Megapixel).</source>
        <translation>The picture is too large (over 100 megapixels).</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>The picture is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Dieses Bild ist schon im Deck.</source>
        <translation>This picture is in the deck already.</translation>
    </message>
    <message>
        <source>HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf „Maximale Kompatibilität“ stellen.</source>
        <translation>Pairfinder cannot read HEIC photos here. Please export the photo as JPEG, or set the phone to “Most Compatible”.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: %1</source>
        <translation>The own deck is damaged: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Die Namensliste fehlt.</source>
        <translation>The own deck is damaged: its list of names is missing.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ fehlt.</source>
        <translation>The own deck is damaged: the picture “%1” is missing.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ ist kein lesbares JPEG.</source>
        <translation>The own deck is damaged: the picture “%1” is no readable JPEG.</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>Höchstens %1 Zeichen, hier sind es %2.</source>
        <translation>At most %1 characters, here there are %2.</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Failed to get data for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Invalid data type for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Failed to set data for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid value %1 for &apos;%2&apos;</source>
        <translation>Invalid value %1 for &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Invalid value for &apos;%1&apos;</source>
        <translation>Invalid value for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The registry file &apos;%1&apos; is damaged at line %2: %3</source>
        <translation>The registry file &apos;%1&apos; is damaged at line %2: %3</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <comment>the language&apos;s own name</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Sprache: %1</source>
        <translation>Language: %1</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Diesen Namen hat schon ein anderer Mitspieler.</source>
        <translation>Another player has this name already.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name, then pairs and attempts</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <comment>the last two names of a list</comment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>names in a list</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dein Name</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>Name von Spieler %1</source>
        <translation>Player %1&apos;s name</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a player&apos;s pairs, then attempts</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Versuche</source>
        <translation>
            <numerusform>%n attempt</numerusform>
            <numerusform>%n attempts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, ist dran</source>
        <translation>%1: %2, their turn</translation>
    </message>
    <message>
        <source>%1 ist dran</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message numerus="yes">
        <source>%1 hat %n Paare</source>
        <translation>
            <numerusform>%1 has %n pair</numerusform>
            <numerusform>%1 has %n pairs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: Reihe %2, Spalte %3, %4</source>
        <translation>%1: row %2, column %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 gewinnt mit %n Paaren</source>
        <translation>
            <numerusform>%1 wins with %n pair</numerusform>
            <numerusform>%1 wins with %n pairs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unentschieden: %1 mit je %n Paaren</source>
        <translation>
            <numerusform>A draw: %1 with %n pair each</numerusform>
            <numerusform>A draw: %1 with %n pairs each</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Versuche: %1. %2 von %n Paaren gefunden</source>
        <translation>
            <numerusform>Attempts: %1. %2 of %n pair found</numerusform>
            <numerusform>Attempts: %1. %2 of %n pairs found</numerusform>
        </translation>
    </message>
    <message>
        <source>Allein</source>
        <translation>Alone</translation>
    </message>
    <message>
        <source>Zu zweit</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>Zu dritt</source>
        <translation>Three players</translation>
    </message>
    <message>
        <source>Zu viert</source>
        <translation>Four players</translation>
    </message>
    <message>
        <source>Gegen den Computer</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>Anfänger</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Fortgeschritten</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Meister</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Stufe</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>„%1“: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>Fotos gelesen</source>
        <translation>Photos read</translation>
    </message>
    <message>
        <source>Foto %1 von %2: %3</source>
        <translation>Photo %1 of %2: %3</translation>
    </message>
    <message>
        <source>Bild %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Bild &amp;%1</source>
        <translation>Picture &amp;%1</translation>
    </message>
    <message>
        <source>Name für Bild %1</source>
        <translation>Name for picture %1</translation>
    </message>
    <message>
        <source>Eigenes Deck zusammenstellen</source>
        <translation>Compose own deck</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Pairfinder-Deck (%1)</source>
        <translation>Pairfinder deck (%1)</translation>
    </message>
    <message>
        <source>Es gibt kein eigenes Deck.</source>
        <translation>There is no own deck.</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Eigenes Deck speichern</source>
        <translation>Save own deck</translation>
    </message>
    <message>
        <source>Das Deck konnte nicht gespeichert werden: %1</source>
        <translation>The deck could not be saved: %1</translation>
    </message>
    <message>
        <source>Eigenes Deck öffnen</source>
        <translation>Open own deck</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger: %1</source>
        <translation>No space left on the disk: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck konnte nicht gespeichert werden: %1</source>
        <translation>The own deck could not be saved: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck konnte nicht gespeichert werden: Bilder und Namen passen nicht zusammen.</source>
        <translation>The own deck could not be saved: its pictures and names do not match.</translation>
    </message>
    <message>
        <source>Der Dateiname „%1“ ist nicht erlaubt.</source>
        <translation>The file name “%1” is not allowed.</translation>
    </message>
    <message>
        <source>Die Mitspieler konnten nicht geladen werden. Bitte die Verbindung prüfen und es noch einmal versuchen.</source>
        <translation>The players could not be loaded. Please check the connection and try again.</translation>
    </message>
</context>
</TS>
