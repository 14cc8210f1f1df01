<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <comment>ISO 639-1 code of the language of this translation</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Круговик</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCocoaTheme</name>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>krugovik::HelpViewer</name>
    <message>
        <source>Руководство судьи</source>
        <translation>Director&apos;s handbook</translation>
    </message>
    <message>
        <source>Назад</source>
        <comment>back to the page shown before</comment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Оглавление</source>
        <comment>the handbook&apos;s table of contents</comment>
        <translation>Contents</translation>
    </message>
    <message>
        <source># Руководство не найдено

Руководство ставится вместе с программой в папку `share/doc/krugovik/handbook`; там его нет.</source>
        <translation># Handbook not found

The handbook is installed with the program in the folder `share/doc/krugovik/handbook`; it is not there.</translation>
    </message>
</context>
</TS>
