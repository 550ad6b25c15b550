<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FewestMovesNote</name>
    <message numerus="yes">
        <source>Solved: %n tiles moved; the fewest possible was %1.</source>
        <translation>
            <numerusform>Solved: %n tile moved; the fewest possible was %1.</numerusform>
            <numerusform>Solved: %n tiles moved; the fewest possible was %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved: %n swaps; the fewest possible was %1.</source>
        <translation>
            <numerusform>Solved: %n swap; the fewest possible was %1.</numerusform>
            <numerusform>Solved: %n swaps; the fewest possible was %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message numerus="yes">
        <source>Moves made : %n</source>
        <translation>
            <numerusform>Moves made : %n</numerusform>
            <numerusform>Moves made : %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <translation>
            <numerusform>Moves: %n</numerusform>
            <numerusform>Moves: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HintFlow</name>
    <message numerus="yes">
        <source>Best: %n swaps to go</source>
        <translation>
            <numerusform>Best: %n swap to go</numerusform>
            <numerusform>Best: %n swaps to go</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %n tile moves to go</source>
        <translation>
            <numerusform>Best: %n tile move to go</numerusform>
            <numerusform>Best: %n tile moves to go</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerProgress</name>
    <message numerus="yes">
        <source>Daily puzzle of %1: the fewest possible is %n tile move(s).</source>
        <translation>
            <numerusform>Daily puzzle of %1: the fewest possible is %n tile move.</numerusform>
            <numerusform>Daily puzzle of %1: the fewest possible is %n tile moves.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved, %3</source>
        <translation>
            <numerusform>Tilora daily %1: %2 × %2, %n tile moved, %3</numerusform>
            <numerusform>Tilora daily %1: %2 × %2, %n tiles moved, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4</source>
        <translation>
            <numerusform>Tilora daily %1: %2 × %2, %n tile moved (fewest %3), %4</numerusform>
            <numerusform>Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n day in a row</numerusform>
            <numerusform>%n days in a row</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message numerus="yes">
        <source>%n game(s) in your history.</source>
        <translation>
            <numerusform>%n game in your history.</numerusform>
            <numerusform>%n games in your history.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the history could not be read; they are left in the file as they are.</source>
        <translation>
            <numerusform>%n line of the history could not be read; it is left in the file as it is.</numerusform>
            <numerusform>%n lines of the history could not be read; they are left in the file as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Times of the last %n game(s) of %1</source>
        <translation>
            <numerusform>Time of the last game of %1</numerusform>
            <numerusform>Times of the last %n games of %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message numerus="yes">
        <source>Last %n game(s) of %1: fastest %2, slowest %3, mean %4, latest %5.</source>
        <translation>
            <numerusform>Last game of %1: fastest %2, slowest %3, mean %4, latest %5.</numerusform>
            <numerusform>Last %n games of %1: fastest %2, slowest %3, mean %4, latest %5.</numerusform>
        </translation>
    </message>
</context>
</TS>
