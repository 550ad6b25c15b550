<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</context>
</TS>
