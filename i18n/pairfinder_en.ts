<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Pairfinder</name>
    <message numerus="yes">
        <source>%n Paare</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Neues Spiel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Eigenes Deck mit %n Bildern.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Das eigene Deck hat zu wenige Bilder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielfeld: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 mit %3 Versuchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch alles zu schaffen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: verdeckt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 und %2: kein Paar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zweimal %1: ein Paar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwei %1: ein Paar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Versuche: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FERTIG!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namen für die Highsorce noch schnell eingeben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leider reicht es für die Highscore nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MIX IT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;END IT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versuche:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mix it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ferdisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitspieler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deckblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deckblatt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spieldeck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigenes Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigenes Deck zusammenstellen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigenes Deck speichern …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigenes Deck öffnen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zweiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dritter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeiltasten, Pos1 und Ende wählen eine Karte, Eingabe oder Leertaste dreht sie um, F2 sagt den Spielstand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sterne</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herzen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monde</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spirale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiralen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeile</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelringe</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rauten</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sechseck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sechsecke</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blitz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blitze</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tropfen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlüsselloch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlüssellöcher</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anker</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Häkchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Häkchen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pik</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schilde</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kronen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahnrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahnräder</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zielscheiben</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreieck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreiecke</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zickzacklinie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zickzacklinien</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kleeblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kleeblätter</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hashtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hashtags</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprechblasen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sanduhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sanduhren</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blumen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zylinder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zylinder</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musiknote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musiknoten</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fische</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vogel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vögel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnecken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schmetterling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schmetterlinge</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Katze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Katzen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eulen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schildkröte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schildkröten</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pilz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pilze</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tulpe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tulpen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelbe Blume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelbe Blumen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bäume</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaktus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kakteen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blätter</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eichel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eicheln</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirsche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirschen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apfel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Äpfel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wolke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wolken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenwolke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenwolken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schneeflocke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schneeflocken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenbogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenbögen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berge</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wellen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bienen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frosch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frösche</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mäuse</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wale</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muschel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muscheln</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tassen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teekanne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teekannen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenschirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenschirme</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lampe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lampen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuhl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stühle</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wecker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wecker</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheren</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brillen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hüte</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Shirt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Shirts</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schuh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schuhe</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bücher</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleistift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bleistifte</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Briefe</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glühbirne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glühbirnen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kerzen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glocken</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Häuser</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tortenstück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tortenstücke</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eistüte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eistüten</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birnen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karotte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karotten</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brote</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Besteck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestecke</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiegelei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiegeleier</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donuts</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luftballon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luftballons</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschenk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschenke</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kameras</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefone</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autos</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busse</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrrad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrräder</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorroller</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokomotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokomotiven</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straßenbahn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straßenbahnen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segelboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segelboote</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schiff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schiffe</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruderboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruderboote</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flugzeug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flugzeuge</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heißluftballon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heißluftballons</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rakete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raketen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traktor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traktoren</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuerwehrauto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuerwehrautos</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U-Boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U-Boote</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tretroller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tretroller</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schubkarre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schubkarren</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hämmer</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Säge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sägen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zangen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinsel</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrmaschine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohrmaschinen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaufel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaufeln</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leitern</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Äxte</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eimer</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maßband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maßbänder</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gießkanne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gießkannen</source>
        <comment>zwei davon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blüten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sterne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist kein Pairfinder-Deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für ein Deck (über 110 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Deck wäre entpackt zu groß (über 100 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt und lässt sich nicht öffnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Deck ist verschlüsselt. Pairfinder öffnet nur Decks ohne Passwort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Deck enthält einen Dateinamen, der aus dem Deck hinausführt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dem Deck fehlt eines der Bilder, die es nennt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Bild des Decks ist beschädigt oder kein JPEG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Deck-Datei konnte nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck-Dateien kann Pairfinder hier weder lesen noch schreiben: Die ZIP-Bibliothek %1 fehlt. Bitte libzip installieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlt die Formatangabe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format %1). Bitte Pairfinder aktualisieren, um es zu öffnen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlen der Name des Decks oder die Bilder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ein Bild hat keine Datei oder keinen Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Der Dateiname „%1“ ist nicht erlaubt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild %1 des Decks: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Ein Deck braucht mindestens %1 Bilder, hier sind nur %n brauchbare.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Deck fasst höchstens %1 Bilder, hier sind %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diesen Namen trägt schon ein anderes Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Bild, das Pairfinder lesen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (über 50 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (über 100 Megapixel).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Bild ist schon im Deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf „Maximale Kompatibilität“ stellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Die Namensliste fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ ist kein lesbares JPEG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höchstens %1 Zeichen, hier sind es %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value %1 for &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The registry file &apos;%1&apos; is damaged at line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
