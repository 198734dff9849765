<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>StartUp</name>
    <message>
        <source>The factory settings file does not exists</source>
        <translation>Die Datei mit den Werkseinstellungen fehlt</translation>
    </message>
</context>
</TS>
