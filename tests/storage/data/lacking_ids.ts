<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name></name>
    <message id="179">
        <source>OK</source>
        <translation>Okay</translation>
    </message>
    <message id="228">
        <source>Geräte adressieren</source>
        <translation>Address gear</translation>
    </message>
</context>
</TS>
