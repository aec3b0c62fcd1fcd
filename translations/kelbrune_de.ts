<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>DiceTray</name>
    <message>
        <source>Saved Dice</source>
        <extracomment>Captions of the two rows of dice, 337 pixels wide: the dice set aside, and those rolled.</extracomment>
        <translation>Behaltene Würfel</translation>
    </message>
    <message>
        <source>Rolled Dice</source>
        <translation>Geworfene Würfel</translation>
    </message>
    <message>
        <source>Die %1: empty</source>
        <translation>Würfel %1: leer</translation>
    </message>
    <message>
        <source>Die %1: %2, held</source>
        <translation>Würfel %1: %2, behalten</translation>
    </message>
    <message>
        <source>Die %1: %2, on the table</source>
        <translation>Würfel %1: %2, auf dem Tisch</translation>
    </message>
    <message>
        <source>Press %1 to put it back.</source>
        <extracomment>How to move a die, told to a screen reader; %1 is the key, the die&apos;s number.</extracomment>
        <translation>Drücken Sie %1, um ihn zurückzulegen.</translation>
    </message>
    <message>
        <source>Press %1 to set it aside.</source>
        <translation>Drücken Sie %1, um ihn zur Seite zu legen.</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <extracomment>A die&apos;s box as a screen reader names it: %1 the die&apos;s number, %2 its face in words.</extracomment>
        <translation>Würfel %1: rollt</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Saved Games (*.sav)</source>
        <extracomment>The kind of file the Save and Load dialogs offer; keep &quot;(*.sav)&quot; as it is.</extracomment>
        <translation>Gespeicherte Spiele (*.sav)</translation>
    </message>
    <message>
        <source>Zero Score?</source>
        <translation>Null Punkte?</translation>
    </message>
    <message>
        <source>Do you want to enter a zero in the selected row?</source>
        <translation>Möchten Sie in der gewählten Zeile eine Null eintragen?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of the winners of a tied game: &quot;Ann and Bob&quot;, &quot;Ann and Bob and Cy&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>%1 names the winners; the number of them chooses the form.</extracomment>
        <translation>Spiel vorbei!</translation>
    </message>
    <message numerus="yes">
        <source>The game is over!
Congratulations to %1 who won the game!</source>
        <translation>
            <numerusform>Das Spiel ist aus!
Herzlichen Glückwunsch an %1 zum Sieg!</numerusform>
            <numerusform>Das Spiel ist aus!
Herzlichen Glückwunsch an %1 zum gemeinsamen Sieg!</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>The title of a message about the records of finished games.</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Game In Progress</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>There is a game in progress.
Do you still want a new game?</source>
        <translation>Es läuft noch ein Spiel.
Möchten Sie trotzdem ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>How Many Players? (1-6)</source>
        <translation>Wie viele Spieler? (1–6)</translation>
    </message>
    <message>
        <source>Please enter a name for Player #%1:</source>
        <translation>Bitte geben Sie einen Namen für Spieler %1 ein:</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>File Exists.</source>
        <translation>Datei vorhanden.</translation>
    </message>
    <message>
        <source>%1 already exists.
Overwrite?</source>
        <translation>%1 ist bereits vorhanden.
Überschreiben?</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason in a sentence.</extracomment>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The game in %1 could not be loaded.
Line %2: %3</source>
        <extracomment>%1 is the file&apos;s path, %2 the line of the file at fault, %3 the reason in a sentence.</extracomment>
        <translation>Das Spiel in %1 konnte nicht geladen werden.
Zeile %2: %3</translation>
    </message>
    <message>
        <source>The game in %1 could not be loaded.
%2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason in a sentence.</extracomment>
        <translation>Das Spiel in %1 konnte nicht geladen werden.
%2</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>A game is in progress.
Do you still want to quit?</source>
        <translation>Es läuft noch ein Spiel.
Möchten Sie trotzdem beenden?</translation>
    </message>
</context>
<context>
    <name>GameSpeech</name>
    <message>
        <source>Aces</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Kelbrune</source>
        <translation>Kelbrune</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Die %1 is held.</source>
        <translation>Würfel %1 wird behalten.</translation>
    </message>
    <message>
        <source>Dice %1 are held.</source>
        <extracomment>%1 the held dice&apos;s numbers: &quot;1, 3&quot;.</extracomment>
        <translation>Würfel %1 werden behalten.</translation>
    </message>
    <message>
        <source>Roll %1 of %2 next.</source>
        <translation>Als Nächstes Wurf %1 von %2.</translation>
    </message>
    <message>
        <source>No rolls left: choose a category.</source>
        <translation>Kein Wurf mehr: Wählen Sie eine Kategorie.</translation>
    </message>
    <message>
        <source>%1 rolled %2.</source>
        <extracomment>%1 the player, %2 the five faces as figures: &quot;2, 2, 5, 5, 5&quot;.</extracomment>
        <translation>%1 hat %2 gewürfelt.</translation>
    </message>
    <message>
        <source>Die %1: %2, held.</source>
        <translation>Würfel %1: %2, behalten.</translation>
    </message>
    <message>
        <source>Die %1: %2, back on the table.</source>
        <translation>Würfel %1: %2, zurück auf dem Tisch.</translation>
    </message>
    <message>
        <source>%1: no dice rolled yet.</source>
        <translation>%1: noch nicht gewürfelt.</translation>
    </message>
    <message>
        <source>%1 is thinking.</source>
        <translation>%1 überlegt.</translation>
    </message>
    <message>
        <source>%1 scored %2 in %3.</source>
        <extracomment>%1 the player, %2 the points, %3 the row.</extracomment>
        <translation>%1 trägt %2 bei %3 ein.</translation>
    </message>
    <message>
        <source>Upper bonus of %1 earned.</source>
        <translation>Bonus von %1 im oberen Teil erreicht.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <extracomment>The player&apos;s grand total after an entry.</extracomment>
        <translation>Endsumme %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One player&apos;s final score in the list said at the game&apos;s end: name, then points.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Game over. Final scores: %1.</source>
        <translation>Spiel vorbei. Endstand: %1.</translation>
    </message>
    <message>
        <source>Entry taken back. %1&apos;s turn again.</source>
        <translation>Eintrag zurückgenommen. %1 ist wieder am Zug.</translation>
    </message>
    <message>
        <source>The dice show %1.</source>
        <translation>Die Würfel zeigen %1.</translation>
    </message>
    <message>
        <source>Players: %1.</source>
        <translation>Spieler: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s).</source>
        <extracomment>Told as the cursor reaches a row: %1 the row, %n what the dice would score there.</extracomment>
        <translation>
            <numerusform>%1, %n Punkt.</numerusform>
            <numerusform>%1, %n Punkte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>Hints</source>
        <extracomment>The caption of the frame of advice under the status line.</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>&lt;1 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>&lt;1 %</translation>
    </message>
    <message>
        <source>&gt;99 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>&gt;99 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Chance to beat your best of %1: %2</source>
        <extracomment>A solo player&apos;s chance to beat their best recorded score: %1 that score, %2 the chance in per cent.</extracomment>
        <translation>Chance, Ihre Bestleistung von %1 zu übertreffen: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A player&apos;s chance to win: %1 the name, %2 the chance in per cent (&quot;Ann 22 %&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Chance to win: %1</source>
        <extracomment>Each player&apos;s chance to win, one after the other: &quot;Ann 22 %, Bea 78 %&quot;.</extracomment>
        <translation>Siegchancen: %1</translation>
    </message>
</context>
<context>
    <name>MoveWords</name>
    <message>
        <source>one</source>
        <extracomment>A die&apos;s face as a word, as a screen reader says it.</extracomment>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>Working out the best moves…</source>
        <translation>Die besten Züge werden berechnet …</translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <extracomment>Advice to the player to move.</extracomment>
        <translation>Würfeln.</translation>
    </message>
    <message>
        <source>Roll all five again.</source>
        <extracomment>Advice to the player to move.</extracomment>
        <translation>Alle fünf neu würfeln.</translation>
    </message>
    <message>
        <source>Keep %1, roll again.</source>
        <translation>%1 behalten und neu würfeln.</translation>
    </message>
    <message numerus="yes">
        <source>Score %1 now for %n point(s).</source>
        <extracomment>Advice to the player to move, who may still roll; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>Jetzt %1 für %n Punkt eintragen.</numerusform>
            <numerusform>Jetzt %1 für %n Punkte eintragen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1 for %n point(s).</source>
        <extracomment>Advice to the player to move, who has no roll left; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>%1 für %n Punkt eintragen.</numerusform>
            <numerusform>%1 für %n Punkte eintragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Advice addressed to a player by name: %1 the name, %2 the advice.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Expected final score with best play: %1</source>
        <translation>Erwartete Endsumme bei bestem Spiel: %1</translation>
    </message>
    <message>
        <source>%1 rolls the dice.</source>
        <extracomment>What a computer player did; %1 is its name.</extracomment>
        <translation>%1 würfelt.</translation>
    </message>
    <message>
        <source>%1 rolls all five again.</source>
        <extracomment>What a computer player did; %1 is its name.</extracomment>
        <translation>%1 würfelt alle fünf neu.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and rolls again.</source>
        <extracomment>What a computer player did; %1 is its name, %2 the faces kept, as in &quot;6 6 3&quot;.</extracomment>
        <translation>%1 behält %2 und würfelt erneut.</translation>
    </message>
    <message numerus="yes">
        <source>%1 scores %2 for %n.</source>
        <extracomment>What a computer player did; %1 is its name, %2 a row of the card, %n the points.</extracomment>
        <translation>
            <numerusform>%1 trägt %2 für %n Punkt ein.</numerusform>
            <numerusform>%1 trägt %2 für %n Punkte ein.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>“%1”</source>
        <extracomment>A file&apos;s path in the quotation marks of the language.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used: %2.</source>
        <extracomment>%1 is the file&apos;s path in quotation marks; %2 a reason, such as &quot;another program is using it&quot;.</extracomment>
        <translation>Die Rekorddatei %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Kelbrune! is not allowed to write to it or to its folder</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>Kelbrune! darf weder in die Datei noch in ihren Ordner schreiben</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>ein anderes Programm verwendet sie</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk reported an error while reading or writing it</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>der Datenträger hat beim Lesen oder Schreiben einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>it could not be read or written (%1)</source>
        <extracomment>A reason, after a colon; %1 is the database&apos;s own words, in English.</extracomment>
        <translation>sie konnte nicht gelesen oder geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>A game with %1 seats cannot be recorded.</source>
        <extracomment>Never said with one seat: only none or more than six are refused.</extracomment>
        <translation>Ein Spiel mit %1 Plätzen kann nicht aufgezeichnet werden.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>ein Ordner gleichen Namens ist im Weg</translation>
    </message>
    <message>
        <source>its folder %1 cannot be created</source>
        <extracomment>A reason, after a colon; %1 is the folder&apos;s path in quotation marks.</extracomment>
        <translation>ihr Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it was written by a newer version of Kelbrune! and is left as it is</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>sie stammt von einer neueren Version von Kelbrune! und bleibt unverändert</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, so it has been kept as %2, but no new records file could be started: %3.</source>
        <extracomment>%1 and %2 are paths in quotation marks; %3 a reason, such as &quot;the disk is full&quot;.</extracomment>
        <translation>Die Rekorddatei %1 konnte nicht gelesen werden und wurde als %2 aufbewahrt, aber es konnte keine neue Rekorddatei angelegt werden: %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (Debian package libqt6sql6-sqlite)</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>der SQLite-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, and it could not be kept aside as %2, so it is left as it is.</source>
        <extracomment>%1 and %2 are paths in quotation marks.</extracomment>
        <translation>Die Rekorddatei %1 konnte nicht gelesen und auch nicht als %2 beiseitegelegt werden; sie bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, so it has been kept as %2 and a new, empty records file has been started.</source>
        <extracomment>%1 and %2 are paths in quotation marks.</extracomment>
        <translation>Die Rekorddatei %1 konnte nicht gelesen werden; sie wurde als %2 aufbewahrt, und eine neue, leere Rekorddatei wurde angelegt.</translation>
    </message>
    <message>
        <source>The records file %1 can be read but not written: %2.</source>
        <extracomment>%1 is the file&apos;s path in quotation marks; %2 a reason, such as &quot;the disk is full&quot;.</extracomment>
        <translation>Die Rekorddatei %1 kann gelesen, aber nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Kelbrune! closed before the game could be written to the records.</source>
        <translation>Kelbrune! wurde beendet, bevor das Spiel in die Rekorde geschrieben werden konnte.</translation>
    </message>
    <message>
        <source>%1 This game could not be kept in %2 either, so it is lost: %3.</source>
        <extracomment>%1 is why the records could not be written, in sentences; %2 a path in quotation marks; %3 the system&apos;s reason.</extracomment>
        <translation>%1 Dieses Spiel konnte auch nicht in %2 aufbewahrt werden und ist daher verloren: %3.</translation>
    </message>
    <message>
        <source>%1 This game is kept in %2 and will be added to the records the next time they can be written.</source>
        <extracomment>%1 is why the records could not be written, in sentences; %2 a path in quotation marks.</extracomment>
        <translation>%1 Dieses Spiel wird in %2 aufbewahrt und in die Rekorde übernommen, sobald sie wieder geschrieben werden können.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>This line should hold the number of players as a whole number.</source>
        <translation>Diese Zeile sollte die Anzahl der Spieler als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the colour of player %1&apos;s %2 cell as a whole number.</source>
        <extracomment>%2 is a row of the score card, such as Aces.</extracomment>
        <translation>Diese Zeile sollte die Farbe des Felds „%2“ von Spieler %1 als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the colour of player %1&apos;s %2 cell in the lower card as a whole number.</source>
        <translation>Diese Zeile sollte die Farbe des Felds „%2“ von Spieler %1 im unteren Teil als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the upper total of player %1 as a whole number.</source>
        <translation>Diese Zeile sollte die obere Summe von Spieler %1 als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the lower total of player %1 as a whole number.</source>
        <translation>Diese Zeile sollte die untere Summe von Spieler %1 als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the grand total of player %1 as a whole number.</source>
        <translation>Diese Zeile sollte die Endsumme von Spieler %1 als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the player to move as a whole number.</source>
        <translation>Diese Zeile sollte die Nummer des Spielers am Zug als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the number of rolls made this turn as a whole number.</source>
        <translation>Diese Zeile sollte die Anzahl der Würfe in diesem Zug als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold the round as a whole number.</source>
        <translation>Diese Zeile sollte die Runde als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>This line should hold die %1 as a whole number.</source>
        <translation>Diese Zeile sollte Würfel %1 als ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>The number of players must be from %1 to %2, not %3.</source>
        <translation>Die Anzahl der Spieler muss zwischen %1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>The colour of player %1&apos;s %2 cell must be from %3 to %4, not %5.</source>
        <extracomment>%2 is a row of the score card, such as Aces.</extracomment>
        <translation>Die Farbe des Felds „%2“ von Spieler %1 muss zwischen %3 und %4 liegen, nicht %5.</translation>
    </message>
    <message>
        <source>The colour of player %1&apos;s %2 cell in the lower card must be from %3 to %4, not %5.</source>
        <translation>Die Farbe des Felds „%2“ von Spieler %1 im unteren Teil muss zwischen %3 und %4 liegen, nicht %5.</translation>
    </message>
    <message>
        <source>The upper total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Die obere Summe von Spieler %1 muss zwischen %2 und %3 liegen, nicht %4.</translation>
    </message>
    <message>
        <source>The lower total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Die untere Summe von Spieler %1 muss zwischen %2 und %3 liegen, nicht %4.</translation>
    </message>
    <message>
        <source>The grand total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Die Endsumme von Spieler %1 muss zwischen %2 und %3 liegen, nicht %4.</translation>
    </message>
    <message>
        <source>The player to move must be from %1 to %2, not %3.</source>
        <translation>Die Nummer des Spielers am Zug muss zwischen %1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>The number of rolls made this turn must be from %1 to %2, not %3.</source>
        <translation>Die Anzahl der Würfe in diesem Zug muss zwischen %1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>The round must be from %1 to %2, not %3.</source>
        <translation>Die Runde muss zwischen %1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>Die %1 must be from %2 to %3, not %4.</source>
        <translation>Würfel %1 muss zwischen %2 und %3 liegen, nicht %4.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends before this line; this game needs %n lines.</source>
        <translation>
            <numerusform>Die Datei endet vor dieser Zeile; dieses Spiel braucht %n Zeile.</numerusform>
            <numerusform>Die Datei endet vor dieser Zeile; dieses Spiel braucht %n Zeilen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends before this line.</source>
        <translation>Die Datei endet vor dieser Zeile.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 should be empty or a score the dice can make there, not &quot;%3&quot;.</source>
        <extracomment>%2 is a row of the score card, such as Aces; %3 what the file holds there.</extracomment>
        <translation>Das Feld „%2“ von Spieler %1 sollte leer sein oder eine Punktzahl enthalten, die die Würfel dort erzielen können, nicht „%3“.</translation>
    </message>
    <message>
        <source>Player %1 is to move but has no free category left on the score card.</source>
        <translation>Spieler %1 ist am Zug, hat aber keine freie Kategorie mehr auf dem Spielzettel.</translation>
    </message>
    <message numerus="yes">
        <source>Player %1 has %n free categories left on the score card but %2.</source>
        <extracomment>%2 says how many turns, as in &quot;3 turns still to play&quot;.</extracomment>
        <translation>
            <numerusform>Spieler %1 hat noch %n freie Kategorie auf dem Spielzettel, aber %2.</numerusform>
            <numerusform>Spieler %1 hat noch %n freie Kategorien auf dem Spielzettel, aber %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turns still to play</source>
        <translation>
            <numerusform>noch %n Zug zu spielen</numerusform>
            <numerusform>noch %n Züge zu spielen</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1 is set aside, so it must show 1 to 6, not 0.</source>
        <translation>Würfel %1 ist beiseitegelegt und muss daher 1 bis 6 zeigen, nicht 0.</translation>
    </message>
    <message>
        <source>This line should say who plays seat %1: Human, Beginner, Casual, Strong or Perfect, not &quot;%2&quot;.</source>
        <extracomment>Human, Beginner, Casual, Strong and Perfect are the words the file holds: leave them in English.</extracomment>
        <translation>Diese Zeile sollte angeben, wer Platz %1 spielt: Human, Beginner, Casual, Strong oder Perfect, nicht „%2“.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is not an ordinary file, so it is left as it is.</source>
        <translation>Das ist keine gewöhnliche Datei; sie bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>The file is far too large to be a saved game.</source>
        <translation>Die Datei ist viel zu groß für ein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is a folder, not a saved game.</source>
        <translation>Das ist ein Ordner, kein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>This is not an ordinary file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreCardModel</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player who gave no name, by seat number.</extracomment>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>would score %1</source>
        <extracomment>Told to a screen reader of a free cell: what the dice would score there.</extracomment>
        <translation>brächte %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The value of a free category&apos;s cell, as a screen reader says it.</extracomment>
        <translation>frei</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The value of a total&apos;s cell that shows nothing yet, as a screen reader says it.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A cell as a screen reader names it: %1 the player, %2 the row, %3 the value (&quot;Ann, Full House, 25&quot;; &quot;Bob, Sixes, free&quot;).</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The heading of the card&apos;s column of row labels, for a screen reader.</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>No player</source>
        <extracomment>The heading of a column nobody plays, for a screen reader.</extracomment>
        <translation>Kein Spieler</translation>
    </message>
</context>
<context>
    <name>ScoreHistogram</name>
    <message>
        <source>Final scores</source>
        <extracomment>The chart of a player&apos;s final scores, as a screen reader names it; %1 is the player.</extracomment>
        <translation>Endergebnisse</translation>
    </message>
    <message>
        <source>Final scores of %1</source>
        <translation>Endergebnisse von %1</translation>
    </message>
    <message>
        <source>The line marks the Perfect computer&apos;s average, %1.</source>
        <extracomment>The chart described to a screen reader. &quot;Perfect&quot; is the computer&apos;s best strength; %1 its average final score.</extracomment>
        <translation>Die Linie zeigt den Durchschnitt des Computers der Stärke „Perfekt“: %1.</translation>
    </message>
    <message>
        <source>No games recorded. %1</source>
        <extracomment>%1 is the sentence on the Perfect computer&apos;s average.</extracomment>
        <translation>Keine Spiele aufgezeichnet. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n from %1 to %2</source>
        <extracomment>How many final scores fall in a bar of the chart, told to a screen reader: &quot;3 from 200 to 224&quot;.</extracomment>
        <translation>
            <numerusform>%n von %1 bis %2</numerusform>
            <numerusform>%n von %1 bis %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n final score(s): %1. %2 %3 of them above it.</source>
        <extracomment>The chart described to a screen reader: %1 the bars, as in &quot;3 from 200 to 224, 1 from 250 to 274&quot;; %2 the sentence on the Perfect computer&apos;s average; %3 how many scores are above it.</extracomment>
        <translation>
            <numerusform>%n Endergebnis: %1. %2 Davon %3 darüber.</numerusform>
            <numerusform>%n Endergebnisse: %1. %2 Davon %3 darüber.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <extracomment>The count of games of the chart&apos;s tallest bar, at the top of its axis.</extracomment>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect %1</source>
        <extracomment>The caption of the line of the Perfect computer&apos;s average; %1 is that average.</extracomment>
        <translation>Perfekt %1</translation>
    </message>
</context>
<context>
    <name>Seat</name>
    <message>
        <source>Human</source>
        <extracomment>Who plays a seat: a person, not the computer.</extracomment>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Beginner</source>
        <extracomment>The weakest of the computer&apos;s four strengths.</extracomment>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Casual</source>
        <extracomment>The computer&apos;s second strength, a casual player.</extracomment>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Strong</source>
        <extracomment>The computer&apos;s third strength.</extracomment>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Perfect</source>
        <extracomment>The computer&apos;s best strength: it always makes the best move.</extracomment>
        <translation>Perfekt</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Player%1</source>
        <extracomment>The name offered for a player not yet named, with no blank before the number.</extracomment>
        <translation>Spieler%1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The game is over.</source>
        <translation>Das Spiel ist aus.</translation>
    </message>
    <message>
        <source>No game in progress.</source>
        <translation>Kein Spiel im Gange.</translation>
    </message>
    <message>
        <source>The dice are rolling.</source>
        <translation>Die Würfel rollen.</translation>
    </message>
    <message>
        <source>%1 — rolling</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — würfelt</translation>
    </message>
    <message>
        <source>No rolls left: choose a category.</source>
        <translation>Kein Wurf mehr: Wählen Sie eine Kategorie.</translation>
    </message>
    <message>
        <source>%1 — choose a category</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — Kategorie wählen</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <extracomment>What Roll does now, told to a screen reader; %1 is the player&apos;s name.</extracomment>
        <translation>%1 spielt.</translation>
    </message>
    <message>
        <source>Roll %1 of %2</source>
        <extracomment>What Roll does now, told to a screen reader.</extracomment>
        <translation>Wurf %1 von %2</translation>
    </message>
    <message>
        <source>%1 — roll %2 of %3</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — Wurf %2 von %3</translation>
    </message>
</context>
<context>
    <name>card</name>
    <message>
        <source>Upper Section</source>
        <extracomment>Every label of the card is painted in a column 89 pixels wide: a translation must fit.</extracomment>
        <translation>Oberer Teil</translation>
    </message>
    <message>
        <source>Aces</source>
        <extracomment>The row of ones: the sum of the dice showing one.</extracomment>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The sum of the six upper rows, before the bonus.</extracomment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Summe oben</translation>
    </message>
    <message>
        <source>Lower Section</source>
        <translation>Unterer Teil</translation>
    </message>
    <message>
        <source>3 of  A Kind</source>
        <extracomment>Three dice alike. The English label has two blanks after &quot;of&quot;; blanks are folded wherever a sentence names the row.</extracomment>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>Three dice alike and two others alike.</extracomment>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Sm Straight</source>
        <extracomment>Small straight: four faces in a row.</extracomment>
        <translation>Kl. Straße</translation>
    </message>
    <message>
        <source>Lg Straight</source>
        <extracomment>Large straight: five faces in a row.</extracomment>
        <translation>Gr. Straße</translation>
    </message>
    <message>
        <source>Kelbrune</source>
        <extracomment>Five dice alike; the game&apos;s own name for it.</extracomment>
        <translation>Kelbrune</translation>
    </message>
    <message>
        <source>Chance</source>
        <extracomment>Any dice: the sum of all five.</extracomment>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Lower Total</source>
        <translation>Summe unten</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Endsumme</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>by</source>
        <extracomment>The About window: &quot;Kelbrune! by The Kelbrune! Crew&quot;.</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <source>The Kelbrune! Crew</source>
        <extracomment>The makers of the game, in a 48-point face on one line of 641 pixels.</extracomment>
        <translation>Das Kelbrune!-Team</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The title of the About window.</extracomment>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>On your turn, roll the five dice up to three times. Between rolls, set aside the dice you want to keep (&lt;b&gt;Saved Dice&lt;/b&gt;) and roll the rest again. Then enter the dice in one free row of your column of the score card; that ends your turn. A row that would score nothing asks first. After thirteen rounds the highest grand total wins.</source>
        <extracomment>&quot;Saved Dice&quot; is the caption of the row of dice set aside.</extracomment>
        <translation>Würfeln Sie in Ihrem Zug bis zu dreimal mit den fünf Würfeln. Legen Sie zwischen den Würfen die Würfel, die Sie behalten möchten, zur Seite (&lt;b&gt;Behaltene Würfel&lt;/b&gt;) und würfeln Sie mit den übrigen erneut. Tragen Sie die Würfel dann in eine freie Zeile Ihrer Spalte auf dem Spielzettel ein; damit endet Ihr Zug. Bei einer Zeile, die keine Punkte brächte, fragt das Spiel vorher nach. Nach dreizehn Runden gewinnt die höchste Endsumme.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Upper section&lt;/b&gt;: the sum of the dice showing that face. An upper sum of %1 or more earns a bonus of %2.&lt;br&gt;
&lt;b&gt;Lower section&lt;/b&gt;: three or four of a kind (the sum of all dice), full house (%3), small straight of four (%4), large straight of five (%5), Kelbrune &amp;mdash; five of a kind (%6) &amp;mdash; and chance (the sum of all dice).</source>
        <extracomment>%1 the upper sum that earns the bonus, %2 the bonus, %3 to %6 the points of a full house, a small and a large straight and a Kelbrune.</extracomment>
        <translation>&lt;b&gt;Oberer Teil&lt;/b&gt;: die Summe der Würfel mit dieser Augenzahl. Eine obere Summe von %1 oder mehr bringt einen Bonus von %2.&lt;br&gt;
&lt;b&gt;Unterer Teil&lt;/b&gt;: Dreier- oder Viererpasch (die Summe aller Würfel), Full House (%3), kleine Straße aus vier Würfeln (%4), große Straße aus fünf Würfeln (%5), Kelbrune &amp;ndash; fünf gleiche (%6) &amp;ndash; und Chance (die Summe aller Würfel).</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>The heading of the list of keys.</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;R&lt;/b&gt;</source>
        <extracomment>The keys that roll: the space bar, or the letter R.</extracomment>
        <translation>&lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;R&lt;/b&gt;</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>würfeln</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt; to &lt;b&gt;5&lt;/b&gt;</source>
        <translation>&lt;b&gt;1&lt;/b&gt; bis &lt;b&gt;5&lt;/b&gt;</translation>
    </message>
    <message>
        <source>set aside or put back that die</source>
        <translation>diesen Würfel zur Seite legen oder zurücklegen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>&lt;b&gt;Pfeil hoch&lt;/b&gt;, &lt;b&gt;Pfeil runter&lt;/b&gt;</translation>
    </message>
    <message>
        <source>move the cursor over your free rows</source>
        <translation>die Markierung über Ihre freien Zeilen bewegen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation>&lt;b&gt;Eingabe&lt;/b&gt;</translation>
    </message>
    <message>
        <source>score the row under the cursor</source>
        <translation>in die markierte Zeile eintragen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Z&lt;/b&gt;</source>
        <extracomment>Ctrl is the Control key; name it as the keyboards of the language print it.</extracomment>
        <translation>&lt;b&gt;Strg+Z&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;</source>
        <translation>&lt;b&gt;Strg+N&lt;/b&gt;, &lt;b&gt;Strg+O&lt;/b&gt;, &lt;b&gt;Strg+S&lt;/b&gt;</translation>
    </message>
    <message>
        <source>new game, load, save</source>
        <translation>neues Spiel, laden, speichern</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt;</source>
        <translation>&lt;b&gt;Strg+Q&lt;/b&gt;</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>this window</source>
        <translation>dieses Fenster</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;</source>
        <extracomment>Tab is the key; the card&apos;s arrows and Enter are those of the cells of the score card.</extracomment>
        <translation>&lt;b&gt;Tab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>into the score card and out: the arrows walk its cells, Enter scores the row of the cell</source>
        <translation>in den Spielzettel und wieder hinaus: die Pfeiltasten gehen durch seine Felder, Eingabe trägt in die Zeile des Feldes ein</translation>
    </message>
    <message>
        <source>undo your last entry, and the computer&apos;s moves since, until the next player rolls or your own turn comes round</source>
        <translation>den letzten Eintrag zurücknehmen, samt den Zügen des Computers seither, bis der nächste Spieler würfelt oder Sie wieder am Zug sind</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1 is thinking…</source>
        <translation>%1 überlegt …</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New Against &amp;Computer…</source>
        <translation>Neu gegen &amp;Computer…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Records…</source>
        <extracomment>Opens the window of the best scores and each player&apos;s figures.</extracomment>
        <translation>R&amp;ekorde…</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game…</source>
        <translation>Letztes Spiel &amp;auswerten…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Animate Die Rolls</source>
        <translation>Würfel &amp;animieren</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>&amp;Tipps anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Possible Scores</source>
        <extracomment>Shows, after each roll, what the dice would score in each free row.</extracomment>
        <translation>&amp;Mögliche Punkte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Upper section of the score card</source>
        <translation>Oberer Teil des Spielzettels</translation>
    </message>
    <message>
        <source>Lower section of the score card</source>
        <translation>Unterer Teil des Spielzettels</translation>
    </message>
    <message>
        <source>Roll!</source>
        <extracomment>The big button that throws the dice; it must fit its 337 pixels in an 18-point face.</extracomment>
        <translation>Würfeln!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player who gave no name, by seat number.</extracomment>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
</context>
<context>
    <name>frmRecords</name>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The average final score.</extracomment>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Best</source>
        <extracomment>The best final score.</extracomment>
        <translation>Bestes Ergebnis</translation>
    </message>
    <message>
        <source>Bonus earned</source>
        <extracomment>In how many games the upper section&apos;s bonus was earned.</extracomment>
        <translation>Bonus erreicht</translation>
    </message>
    <message>
        <source>Kelbrunes</source>
        <extracomment>How many times five alike were entered as a Kelbrune.</extracomment>
        <translation>Kelbrunes</translation>
    </message>
    <message>
        <source>Points given away</source>
        <extracomment>The expected points lost to decisions short of the best, by the advisor&apos;s reckoning.</extracomment>
        <translation>Verschenkte Punkte</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share in per cent, written as the language writes it (a blank before the sign, say).</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln games (%2)</source>
        <extracomment>In how many of a player&apos;s games the bonus was earned; %1 the games with the bonus, %2 their share in per cent: &quot;2 of 4 games (50%)&quot;.</extracomment>
        <translation>
            <numerusform>%1 von %Ln Spiel (%2)</numerusform>
            <numerusform>%1 von %Ln Spielen (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 a game</source>
        <extracomment>The average of the points given away, a game.</extracomment>
        <translation>%1 pro Spiel</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A computer seat in the records: %1 its name, %2 its strength, as in &quot;Computer 1 (Strong)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <extracomment>The figures of a player as a screen reader reads them, one after the other.</extracomment>
        <translation>
            <numerusform>%Ln Spiel</numerusform>
            <numerusform>%Ln Spiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wins</source>
        <translation>
            <numerusform>%Ln Sieg</numerusform>
            <numerusform>%Ln Siege</numerusform>
        </translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>%1 is the average final score.</extracomment>
        <translation>Durchschnitt %1</translation>
    </message>
    <message>
        <source>best %1</source>
        <extracomment>%1 is the best final score.</extracomment>
        <translation>bestes Ergebnis %1</translation>
    </message>
    <message numerus="yes">
        <source>bonus in %Ln games</source>
        <extracomment>In how many games the upper section&apos;s bonus was earned.</extracomment>
        <translation>
            <numerusform>Bonus in %Ln Spiel</numerusform>
            <numerusform>Bonus in %Ln Spielen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Kelbrunes</source>
        <extracomment>How many times five alike were entered as a Kelbrune.</extracomment>
        <translation>
            <numerusform>%Ln Kelbrune</numerusform>
            <numerusform>%Ln Kelbrunes</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>The window of the best scores and each player&apos;s figures.</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>&amp;Top Ten</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>Clea&amp;r Records…</source>
        <translation>Rekorde &amp;löschen…</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Rekorde löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game…</source>
        <translation>Letztes Spiel &amp;auswerten…</translation>
    </message>
    <message>
        <source>Ten best grand totals</source>
        <translation>Die zehn besten Endsummen</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>&quot;Kind&quot; heads the column of who played the seat: a person, or the computer&apos;s strength.</extracomment>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Gespielt von</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name on the Players page, followed by its value: &quot;Games:&quot;.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The game just finished</source>
        <translation>Das gerade beendete Spiel</translation>
    </message>
    <message>
        <source>The records cannot be shown.</source>
        <translation>Die Rekorde können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Es wurden noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>The ten best grand totals ever.</source>
        <translation>Die zehn besten Endsummen aller Zeiten.</translation>
    </message>
    <message>
        <source>The game just finished is highlighted.</source>
        <translation>Das gerade beendete Spiel ist hervorgehoben.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A file&apos;s path in the quotation marks of the language.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <source>%Ln finished games are kept in %1 until the records can be written.</source>
        <extracomment>%1 is a file&apos;s path in quotation marks.</extracomment>
        <translation>
            <numerusform>%Ln beendetes Spiel wird in %1 aufbewahrt, bis die Rekorde geschrieben werden können.</numerusform>
            <numerusform>%Ln beendete Spiele werden in %1 aufbewahrt, bis die Rekorde geschrieben werden können.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the records of every finished game? This cannot be undone.</source>
        <translation>Die Rekorde aller beendeten Spiele löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>rolled</source>
        <extracomment>A move in the review, as in &quot;with 6 6 3 2 1 rolled&quot;.</extracomment>
        <translation>gewürfelt</translation>
    </message>
    <message>
        <source>rolled all five again</source>
        <translation>alle fünf neu gewürfelt</translation>
    </message>
    <message>
        <source>kept all five and rolled anyway</source>
        <translation>alle fünf behalten und trotzdem gewürfelt</translation>
    </message>
    <message>
        <source>kept %1</source>
        <extracomment>A move in the review: %1 the faces kept, as in &quot;6 6 3&quot;.</extracomment>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>entered %1 for %2</source>
        <extracomment>A move in the review: %1 a row of the card, %2 the points.</extracomment>
        <translation>%1 für %2 eingetragen</translation>
    </message>
    <message>
        <source>Review of the Last Game</source>
        <translation>Auswertung des letzten Spiels</translation>
    </message>
    <message>
        <source>This game was loaded from a file part-way through: the review covers what was played after the load.</source>
        <translation>Dieses Spiel wurde mittendrin aus einer Datei geladen: Die Auswertung umfasst, was nach dem Laden gespielt wurde.</translation>
    </message>
    <message>
        <source>Every decision of the game was the best one the advisor knows.</source>
        <translation>Jede Entscheidung des Spiels war die beste, die der Ratgeber kennt.</translation>
    </message>
    <message>
        <source>The costliest decisions of the game:</source>
        <translation>Die teuersten Entscheidungen des Spiels:</translation>
    </message>
    <message>
        <source>%1. %2, round %3, roll %4: with %5 %6; %7 was better (%8 points given away).</source>
        <extracomment>One of the costliest decisions: %1 its place, %2 the player, %3 the round, %4 the roll, %5 the dice (&quot;6 6 3 2 1&quot;), %6 what the player did and %7 the best play (as in &quot;kept 6 6&quot;), %8 the expected points lost.</extracomment>
        <translation>%1. %2, Runde %3, Wurf %4: bei %5 „%6“; „%7“ wäre besser gewesen (%8 Punkte verschenkt).</translation>
    </message>
    <message>
        <source>No decision of %1&apos;s was seen.</source>
        <translation>Von %1 wurde keine Entscheidung gesehen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 played every one of %n decisions as well as it could be played.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 hat %n Entscheidung getroffen, und zwar bestmöglich.</numerusform>
            <numerusform>%1 hat alle %n Entscheidungen bestmöglich getroffen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gave away %2 expected points in %n decisions.</source>
        <extracomment>%1 is the player&apos;s name, %2 the expected points lost, as in &quot;12.5&quot;.</extracomment>
        <translation>
            <numerusform>%1 hat in %n Entscheidung %2 erwartete Punkte verschenkt.</numerusform>
            <numerusform>%1 hat in %n Entscheidungen %2 erwartete Punkte verschenkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decisions of %1</source>
        <translation>Entscheidungen von %1</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Points given away</source>
        <translation>Verschenkte Punkte</translation>
    </message>
    <message>
        <source>One of the three costliest decisions of the game</source>
        <translation>Eine der drei teuersten Entscheidungen des Spiels</translation>
    </message>
</context>
<context>
    <name>frmSeats</name>
    <message>
        <source>Computer %1</source>
        <extracomment>The name offered for a computer seat; %1 numbers the computers of the game.</extracomment>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>New Against Computer</source>
        <translation>Neues Spiel gegen den Computer</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Anzahl der Spieler</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The heading of the column of the seats&apos; names.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Played by</source>
        <extracomment>The heading of the column of who plays each seat: a person or the computer.</extracomment>
        <translation>Gespielt von</translation>
    </message>
    <message>
        <source>Seat &amp;%1</source>
        <extracomment>The &amp; before the number makes it the seat&apos;s key (Alt+1 to Alt+6).</extracomment>
        <translation>Platz &amp;%1</translation>
    </message>
    <message>
        <source>Seat %1 name</source>
        <translation>Name für Platz %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <extracomment>A computer seat&apos;s choice in the dialog; %1 is its strength, as in &quot;Strong&quot;.</extracomment>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Seat %1 played by</source>
        <translation>Platz %1 gespielt von</translation>
    </message>
</context>
</TS>
