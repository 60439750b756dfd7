<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>Pairfinder</name>
    <message numerus="yes">
        <source>%n Paare</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Neues Spiel: %1</source>
        <translation>Neues Spiel: %1</translation>
    </message>
    <message numerus="yes">
        <source>Eigenes Deck mit %n Bildern.</source>
        <translation>
            <numerusform>Eigenes Deck mit %n Bild.</numerusform>
            <numerusform>Eigenes Deck mit %n Bildern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Das eigene Deck hat zu wenige Bilder</source>
        <translation>Das eigene Deck hat zu wenige Bilder</translation>
    </message>
    <message>
        <source>Spielfeld: %1</source>
        <translation>Spielfeld: %1</translation>
    </message>
    <message>
        <source>%1. %2 mit %3 Versuchen</source>
        <translation>%1. %2 mit %3 Versuchen</translation>
    </message>
    <message>
        <source>Noch alles zu schaffen!</source>
        <translation>Noch alles zu schaffen!</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: verdeckt</source>
        <translation>Reihe %1, Spalte %2: verdeckt</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: leer</source>
        <translation>Reihe %1, Spalte %2: leer</translation>
    </message>
    <message>
        <source>Reihe %1, Spalte %2: %3</source>
        <translation>Reihe %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>%1 und %2: kein Paar</source>
        <translation>%1 und %2: kein Paar</translation>
    </message>
    <message>
        <source>Zweimal %1: ein Paar</source>
        <translation>Zweimal %1: ein Paar</translation>
    </message>
    <message>
        <source>Zwei %1: ein Paar</source>
        <translation>Zwei %1: ein Paar</translation>
    </message>
    <message>
        <source>%1. Versuche: %2</source>
        <translation>%1. Versuche: %2</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>FERTIG!!</source>
        <translation>FERTIG!!</translation>
    </message>
    <message>
        <source>Namen für die Highsorce noch schnell eingeben:</source>
        <translation>Namen für die Highsorce noch schnell eingeben:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Leider reicht es für die Highscore nicht.</source>
        <translation>Leider reicht es für die Highscore nicht.</translation>
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
        <translation>Versuche:</translation>
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
        <translation>&amp;Ferdisch</translation>
    </message>
    <message>
        <source>Mitspieler</source>
        <translation>Mitspieler</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Deckblatt</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>Deckblatt %1</source>
        <translation>Deckblatt %1</translation>
    </message>
    <message>
        <source>Spieldeck</source>
        <translation>Spieldeck</translation>
    </message>
    <message>
        <source>Deck %1</source>
        <translation>Deck %1</translation>
    </message>
    <message>
        <source>Eigenes Deck</source>
        <translation>Eigenes Deck</translation>
    </message>
    <message>
        <source>Eigenes Deck zusammenstellen …</source>
        <translation>Eigenes Deck zusammenstellen …</translation>
    </message>
    <message>
        <source>Eigenes Deck speichern …</source>
        <translation>Eigenes Deck speichern …</translation>
    </message>
    <message>
        <source>Eigenes Deck öffnen …</source>
        <translation>Eigenes Deck öffnen …</translation>
    </message>
    <message>
        <source>&amp;Highscore</source>
        <translation>&amp;Highscore</translation>
    </message>
    <message>
        <source>Erster</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Zweiter</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Dritter</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Pfeiltasten, Pos1 und Ende wählen eine Karte, Eingabe oder Leertaste dreht sie um, F2 sagt den Spielstand.</source>
        <translation>Pfeiltasten, Pos1 und Ende wählen eine Karte, Eingabe oder Leertaste dreht sie um, F2 sagt den Spielstand.</translation>
    </message>
    <message>
        <source>Stern</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Sterne</source>
        <comment>zwei davon</comment>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Herzen</source>
        <comment>zwei davon</comment>
        <translation>Herzen</translation>
    </message>
    <message>
        <source>Mond</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Monde</source>
        <comment>zwei davon</comment>
        <translation>Monde</translation>
    </message>
    <message>
        <source>Spirale</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <source>Spiralen</source>
        <comment>zwei davon</comment>
        <translation>Spiralen</translation>
    </message>
    <message>
        <source>Pfeil</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Pfeile</source>
        <comment>zwei davon</comment>
        <translation>Pfeile</translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Pluszeichen</source>
        <comment>zwei davon</comment>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Doppelring</source>
        <translation>Doppelring</translation>
    </message>
    <message>
        <source>Doppelringe</source>
        <comment>zwei davon</comment>
        <translation>Doppelringe</translation>
    </message>
    <message>
        <source>Raute</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Rauten</source>
        <comment>zwei davon</comment>
        <translation>Rauten</translation>
    </message>
    <message>
        <source>Sechseck</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Sechsecke</source>
        <comment>zwei davon</comment>
        <translation>Sechsecke</translation>
    </message>
    <message>
        <source>Blitz</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Blitze</source>
        <comment>zwei davon</comment>
        <translation>Blitze</translation>
    </message>
    <message>
        <source>Tropfen</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Tropfen</source>
        <comment>zwei davon</comment>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Schlüsselloch</source>
        <translation>Schlüsselloch</translation>
    </message>
    <message>
        <source>Schlüssellöcher</source>
        <comment>zwei davon</comment>
        <translation>Schlüssellöcher</translation>
    </message>
    <message>
        <source>Anker</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Anker</source>
        <comment>zwei davon</comment>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <translation>Unendlichzeichen</translation>
    </message>
    <message>
        <source>Unendlichzeichen</source>
        <comment>zwei davon</comment>
        <translation>Unendlichzeichen</translation>
    </message>
    <message>
        <source>Häkchen</source>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>Häkchen</source>
        <comment>zwei davon</comment>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Pik</source>
        <comment>zwei davon</comment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Schild</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Schilde</source>
        <comment>zwei davon</comment>
        <translation>Schilde</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Kronen</source>
        <comment>zwei davon</comment>
        <translation>Kronen</translation>
    </message>
    <message>
        <source>Zahnrad</source>
        <translation>Zahnrad</translation>
    </message>
    <message>
        <source>Zahnräder</source>
        <comment>zwei davon</comment>
        <translation>Zahnräder</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>Zielscheibe</translation>
    </message>
    <message>
        <source>Zielscheiben</source>
        <comment>zwei davon</comment>
        <translation>Zielscheiben</translation>
    </message>
    <message>
        <source>Dreieck</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Dreiecke</source>
        <comment>zwei davon</comment>
        <translation>Dreiecke</translation>
    </message>
    <message>
        <source>Zickzacklinie</source>
        <translation>Zickzacklinie</translation>
    </message>
    <message>
        <source>Zickzacklinien</source>
        <comment>zwei davon</comment>
        <translation>Zickzacklinien</translation>
    </message>
    <message>
        <source>Kleeblatt</source>
        <translation>Kleeblatt</translation>
    </message>
    <message>
        <source>Kleeblätter</source>
        <comment>zwei davon</comment>
        <translation>Kleeblätter</translation>
    </message>
    <message>
        <source>Hashtag</source>
        <translation>Hashtag</translation>
    </message>
    <message>
        <source>Hashtags</source>
        <comment>zwei davon</comment>
        <translation>Hashtags</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Sprechblase</translation>
    </message>
    <message>
        <source>Sprechblasen</source>
        <comment>zwei davon</comment>
        <translation>Sprechblasen</translation>
    </message>
    <message>
        <source>Sanduhr</source>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>Sanduhren</source>
        <comment>zwei davon</comment>
        <translation>Sanduhren</translation>
    </message>
    <message>
        <source>Blume</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>Blumen</source>
        <comment>zwei davon</comment>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Zylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Zylinder</source>
        <comment>zwei davon</comment>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>Fragezeichen</source>
        <comment>zwei davon</comment>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <translation>Doppelwinkel</translation>
    </message>
    <message>
        <source>Doppelwinkel</source>
        <comment>zwei davon</comment>
        <translation>Doppelwinkel</translation>
    </message>
    <message>
        <source>Auge</source>
        <translation>Auge</translation>
    </message>
    <message>
        <source>Augen</source>
        <comment>zwei davon</comment>
        <translation>Augen</translation>
    </message>
    <message>
        <source>Musiknote</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Musiknoten</source>
        <comment>zwei davon</comment>
        <translation>Musiknoten</translation>
    </message>
    <message>
        <source>Fisch</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Fische</source>
        <comment>zwei davon</comment>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Vogel</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Vögel</source>
        <comment>zwei davon</comment>
        <translation>Vögel</translation>
    </message>
    <message>
        <source>Schnecke</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>Schnecken</source>
        <comment>zwei davon</comment>
        <translation>Schnecken</translation>
    </message>
    <message>
        <source>Schmetterling</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Schmetterlinge</source>
        <comment>zwei davon</comment>
        <translation>Schmetterlinge</translation>
    </message>
    <message>
        <source>Katze</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Katzen</source>
        <comment>zwei davon</comment>
        <translation>Katzen</translation>
    </message>
    <message>
        <source>Eule</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Eulen</source>
        <comment>zwei davon</comment>
        <translation>Eulen</translation>
    </message>
    <message>
        <source>Schildkröte</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Schildkröten</source>
        <comment>zwei davon</comment>
        <translation>Schildkröten</translation>
    </message>
    <message>
        <source>Pilz</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Pilze</source>
        <comment>zwei davon</comment>
        <translation>Pilze</translation>
    </message>
    <message>
        <source>Tulpe</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>Tulpen</source>
        <comment>zwei davon</comment>
        <translation>Tulpen</translation>
    </message>
    <message>
        <source>Gelbe Blume</source>
        <translation>Gelbe Blume</translation>
    </message>
    <message>
        <source>Gelbe Blumen</source>
        <comment>zwei davon</comment>
        <translation>Gelbe Blumen</translation>
    </message>
    <message>
        <source>Baum</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Bäume</source>
        <comment>zwei davon</comment>
        <translation>Bäume</translation>
    </message>
    <message>
        <source>Kaktus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Kakteen</source>
        <comment>zwei davon</comment>
        <translation>Kakteen</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Blätter</source>
        <comment>zwei davon</comment>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Eichel</source>
        <translation>Eichel</translation>
    </message>
    <message>
        <source>Eicheln</source>
        <comment>zwei davon</comment>
        <translation>Eicheln</translation>
    </message>
    <message>
        <source>Kirsche</source>
        <translation>Kirsche</translation>
    </message>
    <message>
        <source>Kirschen</source>
        <comment>zwei davon</comment>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Apfel</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Äpfel</source>
        <comment>zwei davon</comment>
        <translation>Äpfel</translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Sonnen</source>
        <comment>zwei davon</comment>
        <translation>Sonnen</translation>
    </message>
    <message>
        <source>Wolke</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Wolken</source>
        <comment>zwei davon</comment>
        <translation>Wolken</translation>
    </message>
    <message>
        <source>Regenwolke</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <source>Regenwolken</source>
        <comment>zwei davon</comment>
        <translation>Regenwolken</translation>
    </message>
    <message>
        <source>Schneeflocke</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Schneeflocken</source>
        <comment>zwei davon</comment>
        <translation>Schneeflocken</translation>
    </message>
    <message>
        <source>Regenbogen</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Regenbögen</source>
        <comment>zwei davon</comment>
        <translation>Regenbögen</translation>
    </message>
    <message>
        <source>Berg</source>
        <translation>Berg</translation>
    </message>
    <message>
        <source>Berge</source>
        <comment>zwei davon</comment>
        <translation>Berge</translation>
    </message>
    <message>
        <source>Welle</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Wellen</source>
        <comment>zwei davon</comment>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Biene</source>
        <translation>Biene</translation>
    </message>
    <message>
        <source>Bienen</source>
        <comment>zwei davon</comment>
        <translation>Bienen</translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Marienkäfer</source>
        <comment>zwei davon</comment>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Frosch</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Frösche</source>
        <comment>zwei davon</comment>
        <translation>Frösche</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Mäuse</source>
        <comment>zwei davon</comment>
        <translation>Mäuse</translation>
    </message>
    <message>
        <source>Wal</source>
        <translation>Wal</translation>
    </message>
    <message>
        <source>Wale</source>
        <comment>zwei davon</comment>
        <translation>Wale</translation>
    </message>
    <message>
        <source>Muschel</source>
        <translation>Muschel</translation>
    </message>
    <message>
        <source>Muscheln</source>
        <comment>zwei davon</comment>
        <translation>Muscheln</translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <translation>Tannenzapfen</translation>
    </message>
    <message>
        <source>Tannenzapfen</source>
        <comment>zwei davon</comment>
        <translation>Tannenzapfen</translation>
    </message>
    <message>
        <source>Tasse</source>
        <translation>Tasse</translation>
    </message>
    <message>
        <source>Tassen</source>
        <comment>zwei davon</comment>
        <translation>Tassen</translation>
    </message>
    <message>
        <source>Teekanne</source>
        <translation>Teekanne</translation>
    </message>
    <message>
        <source>Teekannen</source>
        <comment>zwei davon</comment>
        <translation>Teekannen</translation>
    </message>
    <message>
        <source>Regenschirm</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Regenschirme</source>
        <comment>zwei davon</comment>
        <translation>Regenschirme</translation>
    </message>
    <message>
        <source>Lampe</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Lampen</source>
        <comment>zwei davon</comment>
        <translation>Lampen</translation>
    </message>
    <message>
        <source>Stuhl</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>Stühle</source>
        <comment>zwei davon</comment>
        <translation>Stühle</translation>
    </message>
    <message>
        <source>Wecker</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Wecker</source>
        <comment>zwei davon</comment>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <comment>zwei davon</comment>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Schere</source>
        <translation>Schere</translation>
    </message>
    <message>
        <source>Scheren</source>
        <comment>zwei davon</comment>
        <translation>Scheren</translation>
    </message>
    <message>
        <source>Brille</source>
        <translation>Brille</translation>
    </message>
    <message>
        <source>Brillen</source>
        <comment>zwei davon</comment>
        <translation>Brillen</translation>
    </message>
    <message>
        <source>Hut</source>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Hüte</source>
        <comment>zwei davon</comment>
        <translation>Hüte</translation>
    </message>
    <message>
        <source>Socke</source>
        <translation>Socke</translation>
    </message>
    <message>
        <source>Socken</source>
        <comment>zwei davon</comment>
        <translation>Socken</translation>
    </message>
    <message>
        <source>T-Shirt</source>
        <translation>T-Shirt</translation>
    </message>
    <message>
        <source>T-Shirts</source>
        <comment>zwei davon</comment>
        <translation>T-Shirts</translation>
    </message>
    <message>
        <source>Schuh</source>
        <translation>Schuh</translation>
    </message>
    <message>
        <source>Schuhe</source>
        <comment>zwei davon</comment>
        <translation>Schuhe</translation>
    </message>
    <message>
        <source>Buch</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Bücher</source>
        <comment>zwei davon</comment>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>Bleistift</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Bleistifte</source>
        <comment>zwei davon</comment>
        <translation>Bleistifte</translation>
    </message>
    <message>
        <source>Brief</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Briefe</source>
        <comment>zwei davon</comment>
        <translation>Briefe</translation>
    </message>
    <message>
        <source>Glühbirne</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>Glühbirnen</source>
        <comment>zwei davon</comment>
        <translation>Glühbirnen</translation>
    </message>
    <message>
        <source>Kerze</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>Kerzen</source>
        <comment>zwei davon</comment>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Glocke</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Glocken</source>
        <comment>zwei davon</comment>
        <translation>Glocken</translation>
    </message>
    <message>
        <source>Haus</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Häuser</source>
        <comment>zwei davon</comment>
        <translation>Häuser</translation>
    </message>
    <message>
        <source>Tortenstück</source>
        <translation>Tortenstück</translation>
    </message>
    <message>
        <source>Tortenstücke</source>
        <comment>zwei davon</comment>
        <translation>Tortenstücke</translation>
    </message>
    <message>
        <source>Eistüte</source>
        <translation>Eistüte</translation>
    </message>
    <message>
        <source>Eistüten</source>
        <comment>zwei davon</comment>
        <translation>Eistüten</translation>
    </message>
    <message>
        <source>Birne</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>Birnen</source>
        <comment>zwei davon</comment>
        <translation>Birnen</translation>
    </message>
    <message>
        <source>Karotte</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>Karotten</source>
        <comment>zwei davon</comment>
        <translation>Karotten</translation>
    </message>
    <message>
        <source>Brot</source>
        <translation>Brot</translation>
    </message>
    <message>
        <source>Brote</source>
        <comment>zwei davon</comment>
        <translation>Brote</translation>
    </message>
    <message>
        <source>Besteck</source>
        <translation>Besteck</translation>
    </message>
    <message>
        <source>Bestecke</source>
        <comment>zwei davon</comment>
        <translation>Bestecke</translation>
    </message>
    <message>
        <source>Spiegelei</source>
        <translation>Spiegelei</translation>
    </message>
    <message>
        <source>Spiegeleier</source>
        <comment>zwei davon</comment>
        <translation>Spiegeleier</translation>
    </message>
    <message>
        <source>Donut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Donuts</source>
        <comment>zwei davon</comment>
        <translation>Donuts</translation>
    </message>
    <message>
        <source>Luftballon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>Luftballons</source>
        <comment>zwei davon</comment>
        <translation>Luftballons</translation>
    </message>
    <message>
        <source>Geschenk</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Geschenke</source>
        <comment>zwei davon</comment>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Kameras</source>
        <comment>zwei davon</comment>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Telefone</source>
        <comment>zwei davon</comment>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Autos</source>
        <comment>zwei davon</comment>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Busse</source>
        <comment>zwei davon</comment>
        <translation>Busse</translation>
    </message>
    <message>
        <source>Fahrrad</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Fahrräder</source>
        <comment>zwei davon</comment>
        <translation>Fahrräder</translation>
    </message>
    <message>
        <source>Motorroller</source>
        <translation>Motorroller</translation>
    </message>
    <message>
        <source>Motorroller</source>
        <comment>zwei davon</comment>
        <translation>Motorroller</translation>
    </message>
    <message>
        <source>Lokomotive</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <source>Lokomotiven</source>
        <comment>zwei davon</comment>
        <translation>Lokomotiven</translation>
    </message>
    <message>
        <source>Straßenbahn</source>
        <translation>Straßenbahn</translation>
    </message>
    <message>
        <source>Straßenbahnen</source>
        <comment>zwei davon</comment>
        <translation>Straßenbahnen</translation>
    </message>
    <message>
        <source>Segelboot</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Segelboote</source>
        <comment>zwei davon</comment>
        <translation>Segelboote</translation>
    </message>
    <message>
        <source>Schiff</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Schiffe</source>
        <comment>zwei davon</comment>
        <translation>Schiffe</translation>
    </message>
    <message>
        <source>Ruderboot</source>
        <translation>Ruderboot</translation>
    </message>
    <message>
        <source>Ruderboote</source>
        <comment>zwei davon</comment>
        <translation>Ruderboote</translation>
    </message>
    <message>
        <source>Flugzeug</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Flugzeuge</source>
        <comment>zwei davon</comment>
        <translation>Flugzeuge</translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Hubschrauber</source>
        <comment>zwei davon</comment>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Heißluftballon</source>
        <translation>Heißluftballon</translation>
    </message>
    <message>
        <source>Heißluftballons</source>
        <comment>zwei davon</comment>
        <translation>Heißluftballons</translation>
    </message>
    <message>
        <source>Rakete</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Raketen</source>
        <comment>zwei davon</comment>
        <translation>Raketen</translation>
    </message>
    <message>
        <source>Traktor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Traktoren</source>
        <comment>zwei davon</comment>
        <translation>Traktoren</translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <translation>Kipplaster</translation>
    </message>
    <message>
        <source>Kipplaster</source>
        <comment>zwei davon</comment>
        <translation>Kipplaster</translation>
    </message>
    <message>
        <source>Feuerwehrauto</source>
        <translation>Feuerwehrauto</translation>
    </message>
    <message>
        <source>Feuerwehrautos</source>
        <comment>zwei davon</comment>
        <translation>Feuerwehrautos</translation>
    </message>
    <message>
        <source>U-Boot</source>
        <translation>U-Boot</translation>
    </message>
    <message>
        <source>U-Boote</source>
        <comment>zwei davon</comment>
        <translation>U-Boote</translation>
    </message>
    <message>
        <source>Tretroller</source>
        <translation>Tretroller</translation>
    </message>
    <message>
        <source>Tretroller</source>
        <comment>zwei davon</comment>
        <translation>Tretroller</translation>
    </message>
    <message>
        <source>Schubkarre</source>
        <translation>Schubkarre</translation>
    </message>
    <message>
        <source>Schubkarren</source>
        <comment>zwei davon</comment>
        <translation>Schubkarren</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Hämmer</source>
        <comment>zwei davon</comment>
        <translation>Hämmer</translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <translation>Schraubenschlüssel</translation>
    </message>
    <message>
        <source>Schraubenschlüssel</source>
        <comment>zwei davon</comment>
        <translation>Schraubenschlüssel</translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <translation>Schraubenzieher</translation>
    </message>
    <message>
        <source>Schraubenzieher</source>
        <comment>zwei davon</comment>
        <translation>Schraubenzieher</translation>
    </message>
    <message>
        <source>Säge</source>
        <translation>Säge</translation>
    </message>
    <message>
        <source>Sägen</source>
        <comment>zwei davon</comment>
        <translation>Sägen</translation>
    </message>
    <message>
        <source>Zange</source>
        <translation>Zange</translation>
    </message>
    <message>
        <source>Zangen</source>
        <comment>zwei davon</comment>
        <translation>Zangen</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Pinsel</source>
        <comment>zwei davon</comment>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Bohrmaschine</source>
        <translation>Bohrmaschine</translation>
    </message>
    <message>
        <source>Bohrmaschinen</source>
        <comment>zwei davon</comment>
        <translation>Bohrmaschinen</translation>
    </message>
    <message>
        <source>Schaufel</source>
        <translation>Schaufel</translation>
    </message>
    <message>
        <source>Schaufeln</source>
        <comment>zwei davon</comment>
        <translation>Schaufeln</translation>
    </message>
    <message>
        <source>Rechen</source>
        <translation>Rechen</translation>
    </message>
    <message>
        <source>Rechen</source>
        <comment>zwei davon</comment>
        <translation>Rechen</translation>
    </message>
    <message>
        <source>Leiter</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>Leitern</source>
        <comment>zwei davon</comment>
        <translation>Leitern</translation>
    </message>
    <message>
        <source>Axt</source>
        <translation>Axt</translation>
    </message>
    <message>
        <source>Äxte</source>
        <comment>zwei davon</comment>
        <translation>Äxte</translation>
    </message>
    <message>
        <source>Eimer</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>Eimer</source>
        <comment>zwei davon</comment>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>Maßband</source>
        <translation>Maßband</translation>
    </message>
    <message>
        <source>Maßbänder</source>
        <comment>zwei davon</comment>
        <translation>Maßbänder</translation>
    </message>
    <message>
        <source>Gießkanne</source>
        <translation>Gießkanne</translation>
    </message>
    <message>
        <source>Gießkannen</source>
        <comment>zwei davon</comment>
        <translation>Gießkannen</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Quadrate</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blüten</source>
        <translation>Blüten</translation>
    </message>
    <message>
        <source>Sterne</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Die Datei ist kein Pairfinder-Deck.</source>
        <translation>Die Datei ist kein Pairfinder-Deck.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für ein Deck (über 110 MB).</source>
        <translation>Die Datei ist zu groß für ein Deck (über 110 MB).</translation>
    </message>
    <message>
        <source>Das Deck wäre entpackt zu groß (über 100 MB).</source>
        <translation>Das Deck wäre entpackt zu groß (über 100 MB).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt und lässt sich nicht öffnen.</source>
        <translation>Die Datei ist beschädigt und lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Das Deck ist verschlüsselt. Pairfinder öffnet nur Decks ohne Passwort.</source>
        <translation>Das Deck ist verschlüsselt. Pairfinder öffnet nur Decks ohne Passwort.</translation>
    </message>
    <message>
        <source>Das Deck enthält einen Dateinamen, der aus dem Deck hinausführt.</source>
        <translation>Das Deck enthält einen Dateinamen, der aus dem Deck hinausführt.</translation>
    </message>
    <message>
        <source>Dem Deck fehlt eines der Bilder, die es nennt.</source>
        <translation>Dem Deck fehlt eines der Bilder, die es nennt.</translation>
    </message>
    <message>
        <source>Ein Bild des Decks ist beschädigt oder kein JPEG.</source>
        <translation>Ein Bild des Decks ist beschädigt oder kein JPEG.</translation>
    </message>
    <message>
        <source>Die Deck-Datei konnte nicht geschrieben werden.</source>
        <translation>Die Deck-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Deck-Dateien kann Pairfinder hier weder lesen noch schreiben: Die ZIP-Bibliothek %1 fehlt. Bitte libzip installieren.</source>
        <translation>Deck-Dateien kann Pairfinder hier weder lesen noch schreiben: Die ZIP-Bibliothek %1 fehlt. Bitte libzip installieren.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist zu groß.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Sie ist zu groß.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Sie ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlt die Formatangabe.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Ihr fehlt die Formatangabe.</translation>
    </message>
    <message>
        <source>Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format %1). Bitte Pairfinder aktualisieren, um es zu öffnen.</source>
        <translation>Dieses Deck wurde mit einer neueren Version von Pairfinder gespeichert (Format %1). Bitte Pairfinder aktualisieren, um es zu öffnen.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ihr fehlen der Name des Decks oder die Bilder.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Ihr fehlen der Name des Decks oder die Bilder.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Ein Bild hat keine Datei oder keinen Namen.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Ein Bild hat keine Datei oder keinen Namen.</translation>
    </message>
    <message>
        <source>Die Namensliste des Decks ist beschädigt. Der Dateiname „%1“ ist nicht erlaubt.</source>
        <translation>Die Namensliste des Decks ist beschädigt. Der Dateiname „%1“ ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>Bild %1 des Decks: %2</source>
        <translation>Bild %1 des Decks: %2</translation>
    </message>
    <message numerus="yes">
        <source>Ein Deck braucht mindestens %1 Bilder, hier sind nur %n brauchbare.</source>
        <translation>
            <numerusform>Ein Deck braucht mindestens %1 Bilder, hier ist nur %n brauchbares.</numerusform>
            <numerusform>Ein Deck braucht mindestens %1 Bilder, hier sind nur %n brauchbare.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Deck fasst höchstens %1 Bilder, hier sind %2.</source>
        <translation>Ein Deck fasst höchstens %1 Bilder, hier sind %2.</translation>
    </message>
    <message>
        <source>Diesen Namen trägt schon ein anderes Bild.</source>
        <translation>Diesen Namen trägt schon ein anderes Bild.</translation>
    </message>
    <message>
        <source>Kein Bild, das Pairfinder lesen kann.</source>
        <translation>Kein Bild, das Pairfinder lesen kann.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (über 50 MB).</source>
        <translation>Die Datei ist zu groß (über 50 MB).</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (über 100 Megapixel).</source>
        <translation>Das Bild ist zu groß (über 100 Megapixel).</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Das Bild ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Dieses Bild ist schon im Deck.</source>
        <translation>Dieses Bild ist schon im Deck.</translation>
    </message>
    <message>
        <source>HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf „Maximale Kompatibilität“ stellen.</source>
        <translation>HEIC-Fotos kann Pairfinder hier nicht lesen. Bitte das Foto als JPEG exportieren oder das Handy auf „Maximale Kompatibilität“ stellen.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: %1</source>
        <translation>Das eigene Deck ist beschädigt: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Die Namensliste fehlt.</source>
        <translation>Das eigene Deck ist beschädigt: Die Namensliste fehlt.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ fehlt.</source>
        <translation>Das eigene Deck ist beschädigt: Das Bild „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Das eigene Deck ist beschädigt: Das Bild „%1“ ist kein lesbares JPEG.</source>
        <translation>Das eigene Deck ist beschädigt: Das Bild „%1“ ist kein lesbares JPEG.</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>Höchstens %1 Zeichen, hier sind es %2.</source>
        <translation>Höchstens %1 Zeichen, hier sind es %2.</translation>
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
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Sprache: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Diesen Namen hat schon ein anderer Mitspieler.</source>
        <translation>Diesen Namen hat schon ein anderer Mitspieler.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name, then pairs and attempts</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <comment>the last two names of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>names in a list</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Dein Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Name von Spieler %1</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a player&apos;s pairs, then attempts</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Versuche</source>
        <translation>
            <numerusform>%n Versuch</numerusform>
            <numerusform>%n Versuche</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, ist dran</source>
        <translation>%1: %2, ist dran</translation>
    </message>
    <message>
        <source>%1 ist dran</source>
        <translation>%1 ist dran</translation>
    </message>
    <message numerus="yes">
        <source>%1 hat %n Paare</source>
        <translation>
            <numerusform>%1 hat %n Paar</numerusform>
            <numerusform>%1 hat %n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: Reihe %2, Spalte %3, %4</source>
        <translation>%1: Reihe %2, Spalte %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 gewinnt mit %n Paaren</source>
        <translation>
            <numerusform>%1 gewinnt mit %n Paar</numerusform>
            <numerusform>%1 gewinnt mit %n Paaren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unentschieden: %1 mit je %n Paaren</source>
        <translation>
            <numerusform>Unentschieden: %1 mit je %n Paar</numerusform>
            <numerusform>Unentschieden: %1 mit je %n Paaren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Versuche: %1. %2 von %n Paaren gefunden</source>
        <translation>
            <numerusform>Versuche: %1. %2 von %n Paar gefunden</numerusform>
            <numerusform>Versuche: %1. %2 von %n Paaren gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Allein</source>
        <translation>Allein</translation>
    </message>
    <message>
        <source>Zu zweit</source>
        <translation>Zu zweit</translation>
    </message>
    <message>
        <source>Zu dritt</source>
        <translation>Zu dritt</translation>
    </message>
    <message>
        <source>Zu viert</source>
        <translation>Zu viert</translation>
    </message>
    <message>
        <source>Gegen den Computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Anfänger</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Fortgeschritten</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Meister</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Stufe</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>„%1“: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>Fotos gelesen</source>
        <translation>Fotos gelesen</translation>
    </message>
    <message>
        <source>Foto %1 von %2: %3</source>
        <translation>Foto %1 von %2: %3</translation>
    </message>
    <message>
        <source>Bild %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Bild &amp;%1</source>
        <translation>Bild &amp;%1</translation>
    </message>
    <message>
        <source>Name für Bild %1</source>
        <translation>Name für Bild %1</translation>
    </message>
    <message>
        <source>Eigenes Deck zusammenstellen</source>
        <translation>Eigenes Deck zusammenstellen</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pairfinder-Deck (%1)</source>
        <translation>Pairfinder-Deck (%1)</translation>
    </message>
    <message>
        <source>Es gibt kein eigenes Deck.</source>
        <translation>Es gibt kein eigenes Deck.</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Eigenes Deck speichern</source>
        <translation>Eigenes Deck speichern</translation>
    </message>
    <message>
        <source>Das Deck konnte nicht gespeichert werden: %1</source>
        <translation>Das Deck konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Eigenes Deck öffnen</source>
        <translation>Eigenes Deck öffnen</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger: %1</source>
        <translation>Kein Platz mehr auf dem Datenträger: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck konnte nicht gespeichert werden: %1</source>
        <translation>Das eigene Deck konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Das eigene Deck konnte nicht gespeichert werden: Bilder und Namen passen nicht zusammen.</source>
        <translation>Das eigene Deck konnte nicht gespeichert werden: Bilder und Namen passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Der Dateiname „%1“ ist nicht erlaubt.</source>
        <translation>Der Dateiname „%1“ ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>Die Mitspieler konnten nicht geladen werden. Bitte die Verbindung prüfen und es noch einmal versuchen.</source>
        <translation>Die Mitspieler konnten nicht geladen werden. Bitte die Verbindung prüfen und es noch einmal versuchen.</translation>
    </message>
</context>
</TS>
