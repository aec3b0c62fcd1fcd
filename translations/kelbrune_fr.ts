<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DiceTray</name>
    <message>
        <source>Saved Dice</source>
        <extracomment>Captions of the two rows of dice, 337 pixels wide: the dice set aside, and those rolled.</extracomment>
        <translation>Dés gardés</translation>
    </message>
    <message>
        <source>Rolled Dice</source>
        <translation>Dés lancés</translation>
    </message>
    <message>
        <source>Die %1: empty</source>
        <translation>Dé %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>Die %1: %2, held</source>
        <translation>Dé %1&#xa0;: %2, gardé</translation>
    </message>
    <message>
        <source>Die %1: %2, on the table</source>
        <translation>Dé %1&#xa0;: %2, sur la table</translation>
    </message>
    <message>
        <source>Press %1 to put it back.</source>
        <extracomment>How to move a die, told to a screen reader; %1 is the key, the die&apos;s number.</extracomment>
        <translation>Appuyez sur %1 pour le remettre en jeu.</translation>
    </message>
    <message>
        <source>Press %1 to set it aside.</source>
        <translation>Appuyez sur %1 pour le mettre de côté.</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <extracomment>A die&apos;s box as a screen reader names it: %1 the die&apos;s number, %2 its face in words.</extracomment>
        <translation>Dé %1&#xa0;: en train de rouler</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Saved Games (*.sav)</source>
        <extracomment>The kind of file the Save and Load dialogs offer; keep &quot;(*.sav)&quot; as it is.</extracomment>
        <translation>Parties enregistrées (*.sav)</translation>
    </message>
    <message>
        <source>Zero Score?</source>
        <translation>Zéro point&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to enter a zero in the selected row?</source>
        <translation>Voulez-vous inscrire un zéro dans la ligne choisie&#xa0;?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of the winners of a tied game: &quot;Ann and Bob&quot;, &quot;Ann and Bob and Cy&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>%1 names the winners; the number of them chooses the form.</extracomment>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>The game is over!
Congratulations to %1 who won the game!</source>
        <translation>
            <numerusform>La partie est terminée&#xa0;!
Félicitations à %1, qui remporte la partie&#xa0;!</numerusform>
            <numerusform>La partie est terminée&#xa0;!
Félicitations à %1, qui remportent la partie&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>The title of a message about the records of finished games.</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Game In Progress</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>There is a game in progress.
Do you still want a new game?</source>
        <translation>Une partie est en cours.
Voulez-vous quand même commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>How Many Players? (1-6)</source>
        <translation>Combien de joueurs&#xa0;? (1-6)</translation>
    </message>
    <message>
        <source>Please enter a name for Player #%1:</source>
        <translation>Veuillez saisir un nom pour le joueur n°&#xa0;%1&#xa0;:</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>File Exists.</source>
        <translation>Le fichier existe.</translation>
    </message>
    <message>
        <source>%1 already exists.
Overwrite?</source>
        <translation>%1 existe déjà.
Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason in a sentence.</extracomment>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The game could not be saved to %1.
%2</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans %1.
%2</translation>
    </message>
    <message>
        <source>The game in %1 could not be loaded.
Line %2: %3</source>
        <extracomment>%1 is the file&apos;s path, %2 the line of the file at fault, %3 the reason in a sentence.</extracomment>
        <translation>La partie de %1 n&apos;a pas pu être chargée.
Ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The game in %1 could not be loaded.
%2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason in a sentence.</extracomment>
        <translation>La partie de %1 n&apos;a pas pu être chargée.
%2</translation>
    </message>
    <message>
        <source>Load Failed</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <source>Game in progress</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>A game is in progress.
Do you still want to quit?</source>
        <translation>Une partie est en cours.
Voulez-vous quand même quitter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GameSpeech</name>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
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
        <translation>À %1 de jouer.</translation>
    </message>
    <message>
        <source>Die %1 is held.</source>
        <translation>Le dé %1 est gardé.</translation>
    </message>
    <message>
        <source>Dice %1 are held.</source>
        <extracomment>%1 the held dice&apos;s numbers: &quot;1, 3&quot;.</extracomment>
        <translation>Les dés %1 sont gardés.</translation>
    </message>
    <message>
        <source>Roll %1 of %2 next.</source>
        <translation>Prochain lancer&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>No rolls left: choose a category.</source>
        <translation>Plus de lancer&#xa0;: choisissez une catégorie.</translation>
    </message>
    <message>
        <source>%1 rolled %2.</source>
        <extracomment>%1 the player, %2 the five faces as figures: &quot;2, 2, 5, 5, 5&quot;.</extracomment>
        <translation>%1 a obtenu %2.</translation>
    </message>
    <message>
        <source>Die %1: %2, held.</source>
        <translation>Dé %1&#xa0;: %2, gardé.</translation>
    </message>
    <message>
        <source>Die %1: %2, back on the table.</source>
        <translation>Dé %1&#xa0;: %2, remis sur la table.</translation>
    </message>
    <message>
        <source>%1: no dice rolled yet.</source>
        <translation>%1&#xa0;: aucun dé lancé pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1 is thinking.</source>
        <translation>%1 réfléchit.</translation>
    </message>
    <message>
        <source>%1 scored %2 in %3.</source>
        <extracomment>%1 the player, %2 the points, %3 the row.</extracomment>
        <translation>%1 inscrit %2 en %3.</translation>
    </message>
    <message>
        <source>Upper bonus of %1 earned.</source>
        <translation>Prime de %1 de la partie haute obtenue.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <extracomment>The player&apos;s grand total after an entry.</extracomment>
        <translation>Total général&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One player&apos;s final score in the list said at the game&apos;s end: name, then points.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Game over. Final scores: %1.</source>
        <translation>Partie terminée. Scores finaux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Entry taken back. %1&apos;s turn again.</source>
        <translation>Inscription annulée. À %1 de jouer à nouveau.</translation>
    </message>
    <message>
        <source>The dice show %1.</source>
        <translation>Les dés montrent %1.</translation>
    </message>
    <message>
        <source>Players: %1.</source>
        <translation>Joueurs&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n point(s).</source>
        <extracomment>Told as the cursor reaches a row: %1 the row, %n what the dice would score there.</extracomment>
        <translation>
            <numerusform>%1, %n point.</numerusform>
            <numerusform>%1, %n points.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HintPanel</name>
    <message>
        <source>Hints</source>
        <extracomment>The caption of the frame of advice under the status line.</extracomment>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>&lt;1 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>&lt;1&#xa0;%</translation>
    </message>
    <message>
        <source>&gt;99 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>&gt;99&#xa0;%</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A chance to win in per cent, as the language writes a percentage.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Chance to beat your best of %1: %2</source>
        <extracomment>A solo player&apos;s chance to beat their best recorded score: %1 that score, %2 the chance in per cent.</extracomment>
        <translation>Chances de battre votre record de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A player&apos;s chance to win: %1 the name, %2 the chance in per cent (&quot;Ann 22 %&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Chance to win: %1</source>
        <extracomment>Each player&apos;s chance to win, one after the other: &quot;Ann 22 %, Bea 78 %&quot;.</extracomment>
        <translation>Chances de victoire&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MoveWords</name>
    <message>
        <source>one</source>
        <extracomment>A die&apos;s face as a word, as a screen reader says it.</extracomment>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Working out the best moves…</source>
        <translation>Calcul des meilleurs coups…</translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <extracomment>Advice to the player to move.</extracomment>
        <translation>Lancez les dés.</translation>
    </message>
    <message>
        <source>Roll all five again.</source>
        <extracomment>Advice to the player to move.</extracomment>
        <translation>Relancez les cinq dés.</translation>
    </message>
    <message>
        <source>Keep %1, roll again.</source>
        <translation>Gardez %1 et relancez.</translation>
    </message>
    <message numerus="yes">
        <source>Score %1 now for %n point(s).</source>
        <extracomment>Advice to the player to move, who may still roll; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>Inscrivez maintenant %1 pour %n point.</numerusform>
            <numerusform>Inscrivez maintenant %1 pour %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1 for %n point(s).</source>
        <extracomment>Advice to the player to move, who has no roll left; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>Inscrivez %1 pour %n point.</numerusform>
            <numerusform>Inscrivez %1 pour %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Advice addressed to a player by name: %1 the name, %2 the advice.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Expected final score with best play: %1</source>
        <translation>Score final attendu en jouant au mieux&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 rolls the dice.</source>
        <extracomment>What a computer player did; %1 is its name.</extracomment>
        <translation>%1 lance les dés.</translation>
    </message>
    <message>
        <source>%1 rolls all five again.</source>
        <extracomment>What a computer player did; %1 is its name.</extracomment>
        <translation>%1 relance les cinq dés.</translation>
    </message>
    <message>
        <source>%1 keeps %2 and rolls again.</source>
        <extracomment>What a computer player did; %1 is its name, %2 the faces kept, as in &quot;6 6 3&quot;.</extracomment>
        <translation>%1 garde %2 et relance.</translation>
    </message>
    <message numerus="yes">
        <source>%1 scores %2 for %n.</source>
        <extracomment>What a computer player did; %1 is its name, %2 a row of the card, %n the points.</extracomment>
        <translation>
            <numerusform>%1 inscrit %2 pour %n point.</numerusform>
            <numerusform>%1 inscrit %2 pour %n points.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>“%1”</source>
        <extracomment>A file&apos;s path in the quotation marks of the language.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used: %2.</source>
        <extracomment>%1 is the file&apos;s path in quotation marks; %2 a reason, such as &quot;another program is using it&quot;.</extracomment>
        <translation>Le fichier des records %1 ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Kelbrune! is not allowed to write to it or to its folder</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>Kelbrune! n&apos;a le droit d&apos;écrire ni dans ce fichier ni dans son dossier</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>un autre programme l&apos;utilise</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk reported an error while reading or writing it</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>le disque a signalé une erreur pendant la lecture ou l&apos;écriture</translation>
    </message>
    <message>
        <source>it could not be read or written (%1)</source>
        <extracomment>A reason, after a colon; %1 is the database&apos;s own words, in English.</extracomment>
        <translation>il n&apos;a pas pu être lu ou écrit (%1)</translation>
    </message>
    <message>
        <source>A game with %1 seats cannot be recorded.</source>
        <extracomment>Never said with one seat: only none or more than six are refused.</extracomment>
        <translation>Une partie à %1 places ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>un dossier du même nom occupe la place</translation>
    </message>
    <message>
        <source>its folder %1 cannot be created</source>
        <extracomment>A reason, after a colon; %1 is the folder&apos;s path in quotation marks.</extracomment>
        <translation>son dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it was written by a newer version of Kelbrune! and is left as it is</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>il a été écrit par une version plus récente de Kelbrune! et reste tel quel</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, so it has been kept as %2, but no new records file could be started: %3.</source>
        <extracomment>%1 and %2 are paths in quotation marks; %3 a reason, such as &quot;the disk is full&quot;.</extracomment>
        <translation>Le fichier des records %1 n&apos;a pas pu être lu, il a donc été conservé sous %2, mais aucun nouveau fichier des records n&apos;a pu être créé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (Debian package libqt6sql6-sqlite)</source>
        <extracomment>A reason, after a colon: &quot;The records file … cannot be used: &lt;reason&gt;.&quot;</extracomment>
        <translation>le pilote SQLite de Qt n&apos;est pas installé (paquet Debian libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, and it could not be kept aside as %2, so it is left as it is.</source>
        <extracomment>%1 and %2 are paths in quotation marks.</extracomment>
        <translation>Le fichier des records %1 n&apos;a pas pu être lu, ni être mis de côté sous %2&#xa0;; il reste donc tel quel.</translation>
    </message>
    <message>
        <source>The records file %1 could not be read, so it has been kept as %2 and a new, empty records file has been started.</source>
        <extracomment>%1 and %2 are paths in quotation marks.</extracomment>
        <translation>Le fichier des records %1 n&apos;a pas pu être lu&#xa0;; il a été conservé sous %2 et un nouveau fichier des records, vide, a été créé.</translation>
    </message>
    <message>
        <source>The records file %1 can be read but not written: %2.</source>
        <extracomment>%1 is the file&apos;s path in quotation marks; %2 a reason, such as &quot;the disk is full&quot;.</extracomment>
        <translation>Le fichier des records %1 peut être lu, mais pas écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Kelbrune! closed before the game could be written to the records.</source>
        <translation>Kelbrune! a été fermé avant que la partie puisse être ajoutée aux records.</translation>
    </message>
    <message>
        <source>%1 This game could not be kept in %2 either, so it is lost: %3.</source>
        <extracomment>%1 is why the records could not be written, in sentences; %2 a path in quotation marks; %3 the system&apos;s reason.</extracomment>
        <translation>%1 Cette partie n&apos;a pas pu non plus être conservée dans %2, elle est donc perdue&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 This game is kept in %2 and will be added to the records the next time they can be written.</source>
        <extracomment>%1 is why the records could not be written, in sentences; %2 a path in quotation marks.</extracomment>
        <translation>%1 Cette partie est conservée dans %2 et sera ajoutée aux records dès qu&apos;ils pourront être écrits.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>This line should hold the number of players as a whole number.</source>
        <translation>Cette ligne devrait contenir le nombre de joueurs sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the colour of player %1&apos;s %2 cell as a whole number.</source>
        <extracomment>%2 is a row of the score card, such as Aces.</extracomment>
        <translation>Cette ligne devrait contenir la couleur de la case «&#xa0;%2&#xa0;» du joueur %1 sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the colour of player %1&apos;s %2 cell in the lower card as a whole number.</source>
        <translation>Cette ligne devrait contenir la couleur de la case «&#xa0;%2&#xa0;» du joueur %1 dans la partie basse sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the upper total of player %1 as a whole number.</source>
        <translation>Cette ligne devrait contenir le total du haut du joueur %1 sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the lower total of player %1 as a whole number.</source>
        <translation>Cette ligne devrait contenir le total du bas du joueur %1 sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the grand total of player %1 as a whole number.</source>
        <translation>Cette ligne devrait contenir le total général du joueur %1 sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the player to move as a whole number.</source>
        <translation>Cette ligne devrait contenir le numéro du joueur dont c&apos;est le tour sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the number of rolls made this turn as a whole number.</source>
        <translation>Cette ligne devrait contenir le nombre de lancers faits pendant ce tour sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold the round as a whole number.</source>
        <translation>Cette ligne devrait contenir la manche sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>This line should hold die %1 as a whole number.</source>
        <translation>Cette ligne devrait contenir le dé %1 sous forme de nombre entier.</translation>
    </message>
    <message>
        <source>The number of players must be from %1 to %2, not %3.</source>
        <translation>Le nombre de joueurs doit être compris entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>The colour of player %1&apos;s %2 cell must be from %3 to %4, not %5.</source>
        <extracomment>%2 is a row of the score card, such as Aces.</extracomment>
        <translation>La couleur de la case «&#xa0;%2&#xa0;» du joueur %1 doit être comprise entre %3 et %4, et non %5.</translation>
    </message>
    <message>
        <source>The colour of player %1&apos;s %2 cell in the lower card must be from %3 to %4, not %5.</source>
        <translation>La couleur de la case «&#xa0;%2&#xa0;» du joueur %1 dans la partie basse doit être comprise entre %3 et %4, et non %5.</translation>
    </message>
    <message>
        <source>The upper total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Le total du haut du joueur %1 doit être compris entre %2 et %3, et non %4.</translation>
    </message>
    <message>
        <source>The lower total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Le total du bas du joueur %1 doit être compris entre %2 et %3, et non %4.</translation>
    </message>
    <message>
        <source>The grand total of player %1 must be from %2 to %3, not %4.</source>
        <translation>Le total général du joueur %1 doit être compris entre %2 et %3, et non %4.</translation>
    </message>
    <message>
        <source>The player to move must be from %1 to %2, not %3.</source>
        <translation>Le numéro du joueur dont c&apos;est le tour doit être compris entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>The number of rolls made this turn must be from %1 to %2, not %3.</source>
        <translation>Le nombre de lancers faits pendant ce tour doit être compris entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>The round must be from %1 to %2, not %3.</source>
        <translation>La manche doit être comprise entre %1 et %2, et non %3.</translation>
    </message>
    <message>
        <source>Die %1 must be from %2 to %3, not %4.</source>
        <translation>Le dé %1 doit être compris entre %2 et %3, et non %4.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends before this line; this game needs %n lines.</source>
        <translation>
            <numerusform>Le fichier se termine avant cette ligne&#xa0;; cette partie a besoin de %n ligne.</numerusform>
            <numerusform>Le fichier se termine avant cette ligne&#xa0;; cette partie a besoin de %n lignes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file ends before this line.</source>
        <translation>Le fichier se termine avant cette ligne.</translation>
    </message>
    <message>
        <source>Player %1&apos;s %2 should be empty or a score the dice can make there, not &quot;%3&quot;.</source>
        <extracomment>%2 is a row of the score card, such as Aces; %3 what the file holds there.</extracomment>
        <translation>La case «&#xa0;%2&#xa0;» du joueur %1 devrait être vide ou contenir un score que les dés peuvent y faire, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Player %1 is to move but has no free category left on the score card.</source>
        <translation>C&apos;est au tour du joueur %1, mais il n&apos;a plus aucune catégorie libre sur sa feuille de score.</translation>
    </message>
    <message numerus="yes">
        <source>Player %1 has %n free categories left on the score card but %2.</source>
        <extracomment>%2 says how many turns, as in &quot;3 turns still to play&quot;.</extracomment>
        <translation>
            <numerusform>Il reste au joueur %1 %n catégorie libre sur sa feuille de score, mais %2.</numerusform>
            <numerusform>Il reste au joueur %1 %n catégories libres sur sa feuille de score, mais %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turns still to play</source>
        <translation>
            <numerusform>encore %n tour à jouer</numerusform>
            <numerusform>encore %n tours à jouer</numerusform>
        </translation>
    </message>
    <message>
        <source>Die %1 is set aside, so it must show 1 to 6, not 0.</source>
        <translation>Le dé %1 est mis de côté, il doit donc montrer de 1 à 6, et non 0.</translation>
    </message>
    <message>
        <source>This line should say who plays seat %1: Human, Beginner, Casual, Strong or Perfect, not &quot;%2&quot;.</source>
        <extracomment>Human, Beginner, Casual, Strong and Perfect are the words the file holds: leave them in English.</extracomment>
        <translation>Cette ligne devrait indiquer qui joue à la place %1&#xa0;: Human, Beginner, Casual, Strong ou Perfect, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Ceci est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is not an ordinary file, so it is left as it is.</source>
        <translation>Ceci n&apos;est pas un fichier ordinaire, il reste donc tel quel.</translation>
    </message>
    <message>
        <source>The file is far too large to be a saved game.</source>
        <translation>Le fichier est bien trop gros pour être une partie enregistrée.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is a folder, not a saved game.</source>
        <translation>Ceci est un dossier, pas une partie enregistrée.</translation>
    </message>
    <message>
        <source>This is not an ordinary file.</source>
        <translation>Ceci n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ScoreCardModel</name>
    <message>
        <source>Player %1</source>
        <extracomment>A player who gave no name, by seat number.</extracomment>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>would score %1</source>
        <extracomment>Told to a screen reader of a free cell: what the dice would score there.</extracomment>
        <translation>rapporterait %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The value of a free category&apos;s cell, as a screen reader says it.</extracomment>
        <translation>libre</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The value of a total&apos;s cell that shows nothing yet, as a screen reader says it.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A cell as a screen reader names it: %1 the player, %2 the row, %3 the value (&quot;Ann, Full House, 25&quot;; &quot;Bob, Sixes, free&quot;).</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>The heading of the card&apos;s column of row labels, for a screen reader.</extracomment>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>No player</source>
        <extracomment>The heading of a column nobody plays, for a screen reader.</extracomment>
        <translation>Aucun joueur</translation>
    </message>
</context>
<context>
    <name>ScoreHistogram</name>
    <message>
        <source>Final scores</source>
        <extracomment>The chart of a player&apos;s final scores, as a screen reader names it; %1 is the player.</extracomment>
        <translation>Scores finaux</translation>
    </message>
    <message>
        <source>Final scores of %1</source>
        <translation>Scores finaux de %1</translation>
    </message>
    <message>
        <source>The line marks the Perfect computer&apos;s average, %1.</source>
        <extracomment>The chart described to a screen reader. &quot;Perfect&quot; is the computer&apos;s best strength; %1 its average final score.</extracomment>
        <translation>La ligne indique la moyenne de l&apos;ordinateur «&#xa0;Parfait&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No games recorded. %1</source>
        <extracomment>%1 is the sentence on the Perfect computer&apos;s average.</extracomment>
        <translation>Aucune partie enregistrée. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n from %1 to %2</source>
        <extracomment>How many final scores fall in a bar of the chart, told to a screen reader: &quot;3 from 200 to 224&quot;.</extracomment>
        <translation>
            <numerusform>%n de %1 à %2</numerusform>
            <numerusform>%n de %1 à %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n final score(s): %1. %2 %3 of them above it.</source>
        <extracomment>The chart described to a screen reader: %1 the bars, as in &quot;3 from 200 to 224, 1 from 250 to 274&quot;; %2 the sentence on the Perfect computer&apos;s average; %3 how many scores are above it.</extracomment>
        <translation>
            <numerusform>%n score final&#xa0;: %1. %2 Dont %3 au-dessus.</numerusform>
            <numerusform>%n scores finaux&#xa0;: %1. %2 Dont %3 au-dessus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <extracomment>The count of games of the chart&apos;s tallest bar, at the top of its axis.</extracomment>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Perfect %1</source>
        <extracomment>The caption of the line of the Perfect computer&apos;s average; %1 is that average.</extracomment>
        <translation>Parfait %1</translation>
    </message>
</context>
<context>
    <name>Seat</name>
    <message>
        <source>Human</source>
        <extracomment>Who plays a seat: a person, not the computer.</extracomment>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Beginner</source>
        <extracomment>The weakest of the computer&apos;s four strengths.</extracomment>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Casual</source>
        <extracomment>The computer&apos;s second strength, a casual player.</extracomment>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Strong</source>
        <extracomment>The computer&apos;s third strength.</extracomment>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Perfect</source>
        <extracomment>The computer&apos;s best strength: it always makes the best move.</extracomment>
        <translation>Parfait</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Player%1</source>
        <extracomment>The name offered for a player not yet named, with no blank before the number.</extracomment>
        <translation>Joueur%1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>The game is over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>No game in progress.</source>
        <translation>Aucune partie en cours.</translation>
    </message>
    <message>
        <source>The dice are rolling.</source>
        <translation>Les dés roulent.</translation>
    </message>
    <message>
        <source>%1 — rolling</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — les dés roulent</translation>
    </message>
    <message>
        <source>No rolls left: choose a category.</source>
        <translation>Plus de lancer&#xa0;: choisissez une catégorie.</translation>
    </message>
    <message>
        <source>%1 — choose a category</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — choisir une catégorie</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <extracomment>What Roll does now, told to a screen reader; %1 is the player&apos;s name.</extracomment>
        <translation>%1 joue.</translation>
    </message>
    <message>
        <source>Roll %1 of %2</source>
        <extracomment>What Roll does now, told to a screen reader.</extracomment>
        <translation>Lancer %1 sur %2</translation>
    </message>
    <message>
        <source>%1 — roll %2 of %3</source>
        <extracomment>The status line under Roll, 337 pixels wide; %1 is the player&apos;s name.</extracomment>
        <translation>%1 — lancer %2 sur %3</translation>
    </message>
</context>
<context>
    <name>card</name>
    <message>
        <source>Upper Section</source>
        <extracomment>Every label of the card is painted in a column 89 pixels wide: a translation must fit.</extracomment>
        <translation>Partie haute</translation>
    </message>
    <message>
        <source>Aces</source>
        <extracomment>The row of ones: the sum of the dice showing one.</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The sum of the six upper rows, before the bonus.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Prime</translation>
    </message>
    <message>
        <source>Upper Total</source>
        <translation>Total haut</translation>
    </message>
    <message>
        <source>Lower Section</source>
        <translation>Partie basse</translation>
    </message>
    <message>
        <source>3 of  A Kind</source>
        <extracomment>Three dice alike. The English label has two blanks after &quot;of&quot;; blanks are folded wherever a sentence names the row.</extracomment>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <extracomment>Three dice alike and two others alike.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Sm Straight</source>
        <extracomment>Small straight: four faces in a row.</extracomment>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Lg Straight</source>
        <extracomment>Large straight: five faces in a row.</extracomment>
        <translation>Grande suite</translation>
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
        <translation>Total bas</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Total général</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>by</source>
        <extracomment>The About window: &quot;Kelbrune! by The Kelbrune! Crew&quot;.</extracomment>
        <translation>par</translation>
    </message>
    <message>
        <source>The Kelbrune! Crew</source>
        <extracomment>The makers of the game, in a 48-point face on one line of 641 pixels.</extracomment>
        <translation>L&apos;équipe Kelbrune!</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The title of the About window.</extracomment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>On your turn, roll the five dice up to three times. Between rolls, set aside the dice you want to keep (&lt;b&gt;Saved Dice&lt;/b&gt;) and roll the rest again. Then enter the dice in one free row of your column of the score card; that ends your turn. A row that would score nothing asks first. After thirteen rounds the highest grand total wins.</source>
        <extracomment>&quot;Saved Dice&quot; is the caption of the row of dice set aside.</extracomment>
        <translation>À votre tour, lancez les cinq dés jusqu&apos;à trois fois. Entre deux lancers, mettez de côté les dés que vous voulez garder (&lt;b&gt;Dés gardés&lt;/b&gt;) et relancez les autres. Inscrivez ensuite les dés dans une ligne libre de votre colonne sur la feuille de score&#xa0;; votre tour est alors terminé. Pour une ligne qui ne rapporterait rien, le jeu demande d&apos;abord confirmation. Après treize manches, le plus haut total général l&apos;emporte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Upper section&lt;/b&gt;: the sum of the dice showing that face. An upper sum of %1 or more earns a bonus of %2.&lt;br&gt;
&lt;b&gt;Lower section&lt;/b&gt;: three or four of a kind (the sum of all dice), full house (%3), small straight of four (%4), large straight of five (%5), Kelbrune &amp;mdash; five of a kind (%6) &amp;mdash; and chance (the sum of all dice).</source>
        <extracomment>%1 the upper sum that earns the bonus, %2 the bonus, %3 to %6 the points of a full house, a small and a large straight and a Kelbrune.</extracomment>
        <translation>&lt;b&gt;Partie haute&lt;/b&gt;&#xa0;: la somme des dés montrant cette face. Un total du haut de %1 ou plus rapporte une prime de %2.&lt;br&gt;
&lt;b&gt;Partie basse&lt;/b&gt;&#xa0;: brelan ou carré (la somme de tous les dés), full (%3), petite suite de quatre (%4), grande suite de cinq (%5), Kelbrune &amp;mdash; cinq dés identiques (%6) &amp;mdash; et chance (la somme de tous les dés).</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>The heading of the list of keys.</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;R&lt;/b&gt;</source>
        <extracomment>The keys that roll: the space bar, or the letter R.</extracomment>
        <translation>&lt;b&gt;Espace&lt;/b&gt; ou &lt;b&gt;R&lt;/b&gt;</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>lancer</translation>
    </message>
    <message>
        <source>&lt;b&gt;1&lt;/b&gt; to &lt;b&gt;5&lt;/b&gt;</source>
        <translation>&lt;b&gt;1&lt;/b&gt; à &lt;b&gt;5&lt;/b&gt;</translation>
    </message>
    <message>
        <source>set aside or put back that die</source>
        <translation>mettre ce dé de côté ou le remettre en jeu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;</source>
        <extracomment>The arrow keys.</extracomment>
        <translation>&lt;b&gt;Flèche haut&lt;/b&gt;, &lt;b&gt;Flèche bas&lt;/b&gt;</translation>
    </message>
    <message>
        <source>move the cursor over your free rows</source>
        <translation>déplacer le curseur sur vos lignes libres</translation>
    </message>
    <message>
        <source>&lt;b&gt;Enter&lt;/b&gt;</source>
        <translation>&lt;b&gt;Entrée&lt;/b&gt;</translation>
    </message>
    <message>
        <source>score the row under the cursor</source>
        <translation>inscrire les dés dans la ligne du curseur</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Z&lt;/b&gt;</source>
        <extracomment>Ctrl is the Control key; name it as the keyboards of the language print it.</extracomment>
        <translation>&lt;b&gt;Ctrl+Z&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;</translation>
    </message>
    <message>
        <source>new game, load, save</source>
        <translation>nouvelle partie, charger, enregistrer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ctrl+Q&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ctrl+Q&lt;/b&gt;</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>this window</source>
        <translation>cette fenêtre</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt;</source>
        <extracomment>Tab is the key; the card&apos;s arrows and Enter are those of the cells of the score card.</extracomment>
        <translation>&lt;b&gt;Tab&lt;/b&gt;</translation>
    </message>
    <message>
        <source>into the score card and out: the arrows walk its cells, Enter scores the row of the cell</source>
        <translation>entrer dans la feuille de score et en sortir&#xa0;: les flèches parcourent ses cases, Entrée inscrit les dés dans la ligne de la case</translation>
    </message>
    <message>
        <source>undo your last entry, and the computer&apos;s moves since, until the next player rolls or your own turn comes round</source>
        <translation>annuler votre dernière inscription, et les coups de l&apos;ordinateur depuis, tant que le joueur suivant n&apos;a pas lancé ou que votre tour n&apos;est pas revenu</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1 is thinking…</source>
        <translation>%1 réfléchit…</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>New Against &amp;Computer…</source>
        <translation>Nouvelle contre l&apos;&amp;ordinateur…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Records…</source>
        <extracomment>Opens the window of the best scores and each player&apos;s figures.</extracomment>
        <translation>&amp;Records…</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game…</source>
        <translation>Re&amp;voir la dernière partie…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Animate Die Rolls</source>
        <translation>&amp;Animer les lancers</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Afficher les &amp;conseils</translation>
    </message>
    <message>
        <source>Show &amp;Possible Scores</source>
        <extracomment>Shows, after each roll, what the dice would score in each free row.</extracomment>
        <translation>Afficher les scores &amp;possibles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Upper section of the score card</source>
        <translation>Partie haute de la feuille de score</translation>
    </message>
    <message>
        <source>Lower section of the score card</source>
        <translation>Partie basse de la feuille de score</translation>
    </message>
    <message>
        <source>Roll!</source>
        <extracomment>The big button that throws the dice; it must fit its 337 pixels in an 18-point face.</extracomment>
        <translation>Lancer&#xa0;!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player who gave no name, by seat number.</extracomment>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Contraste é&amp;levé</translation>
    </message>
</context>
<context>
    <name>frmRecords</name>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The average final score.</extracomment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best</source>
        <extracomment>The best final score.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Bonus earned</source>
        <extracomment>In how many games the upper section&apos;s bonus was earned.</extracomment>
        <translation>Prime obtenue</translation>
    </message>
    <message>
        <source>Kelbrunes</source>
        <extracomment>How many times five alike were entered as a Kelbrune.</extracomment>
        <translation>Kelbrunes</translation>
    </message>
    <message>
        <source>Points given away</source>
        <extracomment>The expected points lost to decisions short of the best, by the advisor&apos;s reckoning.</extracomment>
        <translation>Points perdus</translation>
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
            <numerusform>%1 sur %Ln partie (%2)</numerusform>
            <numerusform>%1 sur %Ln parties (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 a game</source>
        <extracomment>The average of the points given away, a game.</extracomment>
        <translation>%1 par partie</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
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
            <numerusform>%Ln partie</numerusform>
            <numerusform>%Ln parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wins</source>
        <translation>
            <numerusform>%Ln victoire</numerusform>
            <numerusform>%Ln victoires</numerusform>
        </translation>
    </message>
    <message>
        <source>average %1</source>
        <extracomment>%1 is the average final score.</extracomment>
        <translation>moyenne %1</translation>
    </message>
    <message>
        <source>best %1</source>
        <extracomment>%1 is the best final score.</extracomment>
        <translation>meilleur score %1</translation>
    </message>
    <message numerus="yes">
        <source>bonus in %Ln games</source>
        <extracomment>In how many games the upper section&apos;s bonus was earned.</extracomment>
        <translation>
            <numerusform>prime dans %Ln partie</numerusform>
            <numerusform>prime dans %Ln parties</numerusform>
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
        <translation>Records</translation>
    </message>
    <message>
        <source>&amp;Top Ten</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>Clea&amp;r Records…</source>
        <translation>&amp;Effacer les records…</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Effacer les records</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game…</source>
        <translation>Re&amp;voir la dernière partie…</translation>
    </message>
    <message>
        <source>Ten best grand totals</source>
        <translation>Les dix meilleurs totaux</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>&quot;Kind&quot; heads the column of who played the seat: a person, or the computer&apos;s strength.</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Joué par</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name on the Players page, followed by its value: &quot;Games:&quot;.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>The game just finished</source>
        <translation>La partie qui vient de se terminer</translation>
    </message>
    <message>
        <source>The records cannot be shown.</source>
        <translation>Les records ne peuvent pas être affichés.</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Aucune partie n&apos;a encore été enregistrée.</translation>
    </message>
    <message>
        <source>The ten best grand totals ever.</source>
        <translation>Les dix meilleurs totaux de tous les temps.</translation>
    </message>
    <message>
        <source>The game just finished is highlighted.</source>
        <translation>La partie qui vient de se terminer est mise en évidence.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A file&apos;s path in the quotation marks of the language.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%Ln finished games are kept in %1 until the records can be written.</source>
        <extracomment>%1 is a file&apos;s path in quotation marks.</extracomment>
        <translation>
            <numerusform>%Ln partie terminée est conservée dans %1 jusqu&apos;à ce que les records puissent être écrits.</numerusform>
            <numerusform>%Ln parties terminées sont conservées dans %1 jusqu&apos;à ce que les records puissent être écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the records of every finished game? This cannot be undone.</source>
        <translation>Effacer les records de toutes les parties terminées&#xa0;? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>rolled</source>
        <extracomment>A move in the review, as in &quot;with 6 6 3 2 1 rolled&quot;.</extracomment>
        <translation>lancé</translation>
    </message>
    <message>
        <source>rolled all five again</source>
        <translation>relancé les cinq dés</translation>
    </message>
    <message>
        <source>kept all five and rolled anyway</source>
        <translation>gardé les cinq dés et relancé quand même</translation>
    </message>
    <message>
        <source>kept %1</source>
        <extracomment>A move in the review: %1 the faces kept, as in &quot;6 6 3&quot;.</extracomment>
        <translation>gardé %1</translation>
    </message>
    <message>
        <source>entered %1 for %2</source>
        <extracomment>A move in the review: %1 a row of the card, %2 the points.</extracomment>
        <translation>inscrit %1 pour %2</translation>
    </message>
    <message>
        <source>Review of the Last Game</source>
        <translation>Revue de la dernière partie</translation>
    </message>
    <message>
        <source>This game was loaded from a file part-way through: the review covers what was played after the load.</source>
        <translation>Cette partie a été chargée depuis un fichier en cours de route&#xa0;: la revue porte sur ce qui a été joué après le chargement.</translation>
    </message>
    <message>
        <source>Every decision of the game was the best one the advisor knows.</source>
        <translation>Chaque décision de la partie était la meilleure que connaisse le conseiller.</translation>
    </message>
    <message>
        <source>The costliest decisions of the game:</source>
        <translation>Les décisions les plus coûteuses de la partie&#xa0;:</translation>
    </message>
    <message>
        <source>%1. %2, round %3, roll %4: with %5 %6; %7 was better (%8 points given away).</source>
        <extracomment>One of the costliest decisions: %1 its place, %2 the player, %3 the round, %4 the roll, %5 the dice (&quot;6 6 3 2 1&quot;), %6 what the player did and %7 the best play (as in &quot;kept 6 6&quot;), %8 the expected points lost.</extracomment>
        <translation>%1. %2, manche %3, lancer %4&#xa0;: avec %5, «&#xa0;%6&#xa0;»&#xa0;; «&#xa0;%7&#xa0;» était mieux (%8 points perdus).</translation>
    </message>
    <message>
        <source>No decision of %1&apos;s was seen.</source>
        <translation>Aucune décision de %1 n&apos;a été vue.</translation>
    </message>
    <message numerus="yes">
        <source>%1 played every one of %n decisions as well as it could be played.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 a pris %n décision, et au mieux.</numerusform>
            <numerusform>%1 a pris chacune de ses %n décisions au mieux.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gave away %2 expected points in %n decisions.</source>
        <extracomment>%1 is the player&apos;s name, %2 the expected points lost, as in &quot;12.5&quot;.</extracomment>
        <translation>
            <numerusform>%1 a perdu %2 points espérés en %n décision.</numerusform>
            <numerusform>%1 a perdu %2 points espérés en %n décisions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decisions of %1</source>
        <translation>Décisions de %1</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Points given away</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>One of the three costliest decisions of the game</source>
        <translation>L&apos;une des trois décisions les plus coûteuses de la partie</translation>
    </message>
</context>
<context>
    <name>frmSeats</name>
    <message>
        <source>Computer %1</source>
        <extracomment>The name offered for a computer seat; %1 numbers the computers of the game.</extracomment>
        <translation>Ordi %1</translation>
    </message>
    <message>
        <source>New Against Computer</source>
        <translation>Nouvelle partie contre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Number of players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The heading of the column of the seats&apos; names.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Played by</source>
        <extracomment>The heading of the column of who plays each seat: a person or the computer.</extracomment>
        <translation>Joué par</translation>
    </message>
    <message>
        <source>Seat &amp;%1</source>
        <extracomment>The &amp; before the number makes it the seat&apos;s key (Alt+1 to Alt+6).</extracomment>
        <translation>Place &amp;%1</translation>
    </message>
    <message>
        <source>Seat %1 name</source>
        <translation>Nom de la place %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <extracomment>A computer seat&apos;s choice in the dialog; %1 is its strength, as in &quot;Strong&quot;.</extracomment>
        <translation>Ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Seat %1 played by</source>
        <translation>Place %1 jouée par</translation>
    </message>
</context>
</TS>
