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
    <name>MainWindow</name>
    <message>
        <source>Язык / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Программа будет говорить по-английски со следующего запуска.</source>
        <translation>The program will speak English from its next start.</translation>
    </message>
    <message>
        <source>Программа будет говорить по-русски со следующего запуска.</source>
        <translation>The program will speak Russian from its next start.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Круговик</source>
        <translation>Krugovik</translation>
    </message>
</context>
<context>
    <name>QCocoaTheme</name>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Don&apos;t Save</translation>
    </message>
</context>
</TS>
