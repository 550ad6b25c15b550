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
</TS>
