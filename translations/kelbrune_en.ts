<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>GameCommands</name>
    <message numerus="yes">
        <source>The game is over!
Congratulations to %1 who won the game!</source>
        <translation>
            <numerusform>The game is over!
Congratulations to %1 who won the game!</numerusform>
            <numerusform>The game is over!
Congratulations to %1 who won the game!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSpeech</name>
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
    <name>MoveWords</name>
    <message numerus="yes">
        <source>Score %1 now for %n point(s).</source>
        <extracomment>Advice to the player to move, who may still roll; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>Score %1 now for %n point.</numerusform>
            <numerusform>Score %1 now for %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score %1 for %n point(s).</source>
        <extracomment>Advice to the player to move, who has no roll left; %1 is a row of the card.</extracomment>
        <translation>
            <numerusform>Score %1 for %n point.</numerusform>
            <numerusform>Score %1 for %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 scores %2 for %n.</source>
        <extracomment>What a computer player did; %1 is its name, %2 a row of the card, %n the points.</extracomment>
        <translation>
            <numerusform>%1 scores %2 for %n.</numerusform>
            <numerusform>%1 scores %2 for %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message numerus="yes">
        <source>The file ends before this line; this game needs %n lines.</source>
        <translation>
            <numerusform>The file ends before this line; this game needs %n line.</numerusform>
            <numerusform>The file ends before this line; this game needs %n lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player %1 has %n free categories left on the score card but %2.</source>
        <extracomment>%2 says how many turns, as in &quot;3 turns still to play&quot;.</extracomment>
        <translation>
            <numerusform>Player %1 has %n free category left on the score card but %2.</numerusform>
            <numerusform>Player %1 has %n free categories left on the score card but %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n turns still to play</source>
        <translation>
            <numerusform>%n turn still to play</numerusform>
            <numerusform>%n turns still to play</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreHistogram</name>
    <message numerus="yes">
        <source>%n from %1 to %2</source>
        <extracomment>How many final scores fall in a bar of the chart, told to a screen reader: &quot;3 from 200 to 224&quot;.</extracomment>
        <translation>
            <numerusform>%n from %1 to %2</numerusform>
            <numerusform>%n from %1 to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n final score(s): %1. %2 %3 of them above it.</source>
        <extracomment>The chart described to a screen reader: %1 the bars, as in &quot;3 from 200 to 224, 1 from 250 to 274&quot;; %2 the sentence on the Perfect computer&apos;s average; %3 how many scores are above it.</extracomment>
        <translation>
            <numerusform>%n final score: %1. %2 %3 of them above it.</numerusform>
            <numerusform>%n final scores: %1. %2 %3 of them above it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n game(s)</source>
        <extracomment>The count of games of the chart&apos;s tallest bar, at the top of its axis.</extracomment>
        <translation>
            <numerusform>%n game</numerusform>
            <numerusform>%n games</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmRecords</name>
    <message numerus="yes">
        <source>%1 of %Ln games (%2)</source>
        <extracomment>In how many of a player&apos;s games the bonus was earned; %1 the games with the bonus, %2 their share in per cent: &quot;2 of 4 games (50%)&quot;.</extracomment>
        <translation>
            <numerusform>%1 of %Ln game (%2)</numerusform>
            <numerusform>%1 of %Ln games (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <extracomment>The figures of a player as a screen reader reads them, one after the other.</extracomment>
        <translation>
            <numerusform>%Ln game</numerusform>
            <numerusform>%Ln games</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wins</source>
        <translation>
            <numerusform>%Ln win</numerusform>
            <numerusform>%Ln wins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>bonus in %Ln games</source>
        <extracomment>In how many games the upper section&apos;s bonus was earned.</extracomment>
        <translation>
            <numerusform>bonus in %Ln game</numerusform>
            <numerusform>bonus in %Ln games</numerusform>
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
    <message numerus="yes">
        <source>%Ln finished games are kept in %1 until the records can be written.</source>
        <extracomment>%1 is a file&apos;s path in quotation marks.</extracomment>
        <translation>
            <numerusform>%Ln finished game is kept in %1 until the records can be written.</numerusform>
            <numerusform>%Ln finished games are kept in %1 until the records can be written.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message numerus="yes">
        <source>%1 played every one of %n decisions as well as it could be played.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 played %n decision as well as it could be played.</numerusform>
            <numerusform>%1 played every one of %n decisions as well as it could be played.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gave away %2 expected points in %n decisions.</source>
        <extracomment>%1 is the player&apos;s name, %2 the expected points lost, as in &quot;12.5&quot;.</extracomment>
        <translation>
            <numerusform>%1 gave away %2 expected points in %n decision.</numerusform>
            <numerusform>%1 gave away %2 expected points in %n decisions.</numerusform>
        </translation>
    </message>
</context>
</TS>
