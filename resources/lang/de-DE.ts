<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name></name>
    <message id="101">
        <source>DALI Gerät</source>
        <translation>DALI Gerät</translation>
    </message>
    <message id="102">
        <source>Grundeinstellungen</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message id="103">
        <source>Szenen</source>
        <translation>Szenen</translation>
    </message>
    <message id="104">
        <source>Info / Status</source>
        <translation>Info / Status</translation>
    </message>
    <message id="105">
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message id="106">
        <source>Neu</source>
        <translation>Neu</translation>
    </message>
    <message id="107">
        <source>Adr: 00</source>
        <translation>Adr: 00</translation>
    </message>
    <message id="108">
        <source>00/64</source>
        <translation>00/64</translation>
    </message>
    <message id="109">
        <source>Wert setzten als</source>
        <translation>Wert setzten als</translation>
    </message>
    <message id="110">
        <source>          </source>
        <translation>          </translation>
    </message>
    <message id="111">
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message id="113">
        <source>Gruppenzugehörigkeit</source>
        <translation>Gruppenzugehörigkeit</translation>
    </message>
    <message id="114">
        <source>Dimmkurve</source>
        <translation>Dimmkurve</translation>
    </message>
    <message id="115">
        <source>Alle auswählen</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="116">
        <source>Nichts auswählen</source>
        <translation>Nichts auswählen</translation>
    </message>
    <message id="117">
        <source>Adresse entfernen</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message id="118">
        <source>Werkseinstellungen</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message id="119">
        <source>Identifizieren</source>
        <translation>Identifizieren</translation>
    </message>
    <message id="122">
        <source>Logaritmisch</source>
        <translation>Logaritmisch</translation>
    </message>
    <message id="127">
        <source>Gruppen (hinzufügen / entfernen)</source>
        <translation>Gruppen (hinzufügen / entfernen)</translation>
    </message>
    <message id="128">
        <source>Kelvane

Kelvane


Kelvane.Document
Kelvane.Document</source>
        <translation>Kelvane

Kelvane


Kelvane.Document
Kelvane.Document</translation>
    </message>
    <message id="129">
        <source>Szene 0</source>
        <translation>Szene 0</translation>
    </message>
    <message id="130">
        <source>Szene 1</source>
        <translation>Szene 1</translation>
    </message>
    <message id="131">
        <source>Szene 2</source>
        <translation>Szene 2</translation>
    </message>
    <message id="132">
        <source>Szene 3</source>
        <translation>Szene 3</translation>
    </message>
    <message id="133">
        <source>Szene 4</source>
        <translation>Szene 4</translation>
    </message>
    <message id="134">
        <source>Szene 5</source>
        <translation>Szene 5</translation>
    </message>
    <message id="135">
        <source>Szene 6</source>
        <translation>Szene 6</translation>
    </message>
    <message id="136">
        <source>Szene 7</source>
        <translation>Szene 7</translation>
    </message>
    <message id="137">
        <source>Szene 8</source>
        <translation>Szene 8</translation>
    </message>
    <message id="138">
        <source>Szene 9</source>
        <translation>Szene 9</translation>
    </message>
    <message id="139">
        <source>Szene 10</source>
        <translation>Szene 10</translation>
    </message>
    <message id="140">
        <source>Szene 11</source>
        <translation>Szene 11</translation>
    </message>
    <message id="141">
        <source>Szene 12</source>
        <translation>Szene 12</translation>
    </message>
    <message id="142">
        <source>Szene 13</source>
        <translation>Szene 13</translation>
    </message>
    <message id="143">
        <source>Szene 14</source>
        <translation>Szene 14</translation>
    </message>
    <message id="144">
        <source>Szene 15</source>
        <translation>Szene 15</translation>
    </message>
    <message id="145">
        <source>MASK wählen für entfernen</source>
        <translation>MASK wählen für entfernen</translation>
    </message>
    <message id="146">
        <source>ACTUAL level für Szene setzten</source>
        <translation>ACTUAL level für Szene setzten</translation>
    </message>
    <message id="147">
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message id="149">
        <source>Einstellungen</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="150">
        <source>Gerät</source>
        <translation>Gerät</translation>
    </message>
    <message id="152">
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="153">
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message id="154">
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message id="155">
        <source>Zurücksetzten</source>
        <translation>Zurücksetzten</translation>
    </message>
    <message id="156">
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message id="157">
        <source>Automatisch verbinden</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message id="163">
        <source>Es wurde Änderungen vorgenommen. Wollen Sie trotzdem fortfahren?</source>
        <translation>Es wurde Änderungen vorgenommen. Wollen Sie trotzdem fortfahren?</translation>
    </message>
    <message id="168">
        <source>Szene</source>
        <translation>Szene</translation>
    </message>
    <message id="171">
        <source>Wert</source>
        <translation>Wert</translation>
    </message>
    <message id="173">
        <source>Wählen Sie eine Szene aus, um diese zu ändern.</source>
        <translation>Wählen Sie eine Szene aus, um diese zu ändern.</translation>
    </message>
    <message id="174">
        <source>Szenenübersicht</source>
        <translation>Szenenübersicht</translation>
    </message>
    <message id="176">
        <source>Guppenübersicht</source>
        <translation>Guppenübersicht</translation>
    </message>
    <message id="177">
        <source>Lese Daten</source>
        <translation>Lese Daten</translation>
    </message>
    <message id="179">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="180">
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message id="181">
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="182">
        <source>Daten schreiben</source>
        <translation>Daten schreiben</translation>
    </message>
    <message id="186">
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message id="188">
        <source>Bitte warten, bis die Daten gelesen wurden.</source>
        <translation>Bitte warten, bis die Daten gelesen wurden.</translation>
    </message>
    <message id="189">
        <source>Suche nach Geräten</source>
        <translation>Suche nach Geräten</translation>
    </message>
    <message id="190">
        <source>Wollen Sie nach vorhandenen / adressierten DALI-Geräten suchen?</source>
        <translation>Wollen Sie nach vorhandenen / adressierten DALI-Geräten suchen?</translation>
    </message>
    <message id="191">
        <source>Keine DALI-Master</source>
        <translation>Keine DALI-Master</translation>
    </message>
    <message id="192">
        <source>Es wurden keine Quorrel gefunden.
Bitte prüfen Sie die USB-Verbindung und versuchen Sie es erneut.</source>
        <translation>Es wurden keine Quorrel gefunden.
Bitte prüfen Sie die USB-Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message id="197">
        <source>Es wurden kein DALI Gerät gefunden.</source>
        <translation>Es wurden kein DALI Gerät gefunden.</translation>
    </message>
    <message id="198">
        <source>Keine DALI-Geräte</source>
        <translation>Keine DALI-Geräte</translation>
    </message>
    <message id="199">
        <source>Bitte warten, bis die Suche beendet wurde.</source>
        <translation>Bitte warten, bis die Suche beendet wurde.</translation>
    </message>
    <message id="206">
        <source>Bitte warten, bis alle Daten geschrieben wurden</source>
        <translation>Bitte warten, bis alle Daten geschrieben wurden</translation>
    </message>
    <message id="207">
        <source>Geräteübersicht</source>
        <translation>Geräteübersicht</translation>
    </message>
    <message id="222">
        <source>Möchten Sie das aktuelle Projekt abspeichern?</source>
        <translation>Möchten Sie das aktuelle Projekt abspeichern?</translation>
    </message>
    <message id="223">
        <source>Projekt öffnen</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="224">
        <source>Projekt speichern</source>
        <translation>Projekt speichern</translation>
    </message>
    <message id="225">
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message id="226">
        <source>Gruppenübersicht</source>
        <translation>Gruppenübersicht</translation>
    </message>
    <message id="227">
        <source>Szenenübersicht</source>
        <translation>Szenenübersicht</translation>
    </message>
    <message id="228">
        <source>Geräte adressieren</source>
        <translation>Geräte adressieren</translation>
    </message>
    <message id="229">
        <source>Programmeinstellungen</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message id="230">
        <source>Geräteanzahl</source>
        <translation>Geräteanzahl</translation>
    </message>
    <message id="231">
        <source>Bitte wählen Sie nur ein einzelnes DALI-Gerät aus.</source>
        <translation>Bitte wählen Sie nur ein einzelnes DALI-Gerät aus.</translation>
    </message>
    <message id="232">
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message id="239">
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message id="240">
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message id="241">
        <source>Projekt speichern</source>
        <translation>Projekt speichern</translation>
    </message>
    <message id="242">
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message id="243">
        <source>Offline Modus</source>
        <translation>Offline Modus</translation>
    </message>
    <message id="244">
        <source>Sie befinden sich im Offline Modus. Sie können die Daten nur betrachten.</source>
        <translation>Sie befinden sich im Offline Modus. Sie können die Daten nur betrachten.</translation>
    </message>
    <message id="245">
        <source>000000000</source>
        <translation>000000000</translation>
    </message>
    <message id="246">
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message id="247">
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message id="248">
        <source>Sie befinden sie im Offline-Modus. Das Projekt wird geschlossen und eine Verbindung aufgebaut.</source>
        <translation>Sie befinden sie im Offline-Modus. Das Projekt wird geschlossen und eine Verbindung aufgebaut.</translation>
    </message>
    <message id="249">
        <source>Busfehler</source>
        <translation>Busfehler</translation>
    </message>
    <message id="250">
        <source>Es ist ein Fehler auf dem DALI Bus aufgetreten. Bitte überprüfen Sie den DALI-Bus.</source>
        <translation>Es ist ein Fehler auf dem DALI Bus aufgetreten. Bitte überprüfen Sie den DALI-Bus.</translation>
    </message>
    <message id="251">
        <source>Bus belegt</source>
        <translation>Bus belegt</translation>
    </message>
    <message id="252">
        <source>Der DALI Bus ist aktuell belegt / benutzt. Bitte versuchen Sie es später noch einmal.</source>
        <translation>Der DALI Bus ist aktuell belegt / benutzt. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message id="253">
        <source>Fortfahren</source>
        <translation>Fortfahren</translation>
    </message>
    <message id="255">
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message id="258">
        <source>DALI Gruppen</source>
        <translation>DALI Gruppen</translation>
    </message>
    <message id="259">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="261">
        <source>Gerät %d</source>
        <translation>Gerät %d</translation>
    </message>
    <message id="262">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="263">
        <source>Es wurden keine DALI-Geräte gefunden.
Soll das Programm im Offlinemodus fortgesetzt werden?</source>
        <translation>Es wurden keine DALI-Geräte gefunden.
Soll das Programm im Offlinemodus fortgesetzt werden?</translation>
    </message>
    <message id="265">
        <source>Warnung</source>
        <translation>Warnung</translation>
    </message>
    <message id="266">
        <source>Die gefundenen DALI Adressen entsprechen nicht denen in der Projektdatei. Der Vorgang wird abgebrochen.</source>
        <translation>Die gefundenen DALI Adressen entsprechen nicht denen in der Projektdatei. Der Vorgang wird abgebrochen.</translation>
    </message>
    <message id="267">
        <source>Die angezeigten Werte entspechen denen der Projektdaten, nicht denen, die wirklich im Geräte vorhanden sind.</source>
        <translation>Die angezeigten Werte entspechen denen der Projektdaten, nicht denen, die wirklich im Geräte vorhanden sind.</translation>
    </message>
    <message id="268">
        <source>Die Gerätedaten wurden erfolgreiche gespeichert.</source>
        <translation>Die Gerätedaten wurden erfolgreiche gespeichert.</translation>
    </message>
    <message id="269">
        <source>Bezeichnung</source>
        <translation>Bezeichnung</translation>
    </message>
    <message id="270">
        <source>Wert</source>
        <translation>Wert</translation>
    </message>
    <message id="271">
        <source>Lesen</source>
        <translation>Lesen</translation>
    </message>
    <message id="272">
        <source>In Szene hinterlegen</source>
        <translation>In Szene hinterlegen</translation>
    </message>
    <message id="273">
        <source>Bus zurücksetzten</source>
        <translation>Bus zurücksetzten</translation>
    </message>
    <message id="274">
        <source>Identify device</source>
        <translation>Identify device</translation>
    </message>
    <message id="275">
        <source>Alle Geräte Aus</source>
        <translation>Alle Geräte Aus</translation>
    </message>
    <message id="278">
        <source>Alle Gruppen entfernen</source>
        <translation>Alle Gruppen entfernen</translation>
    </message>
    <message id="280">
        <source>Alle Szenen entfernen</source>
        <translation>Alle Szenen entfernen</translation>
    </message>
    <message id="281">
        <source>
Neues Projekt</source>
        <translation>
Neues Projekt</translation>
    </message>
    <message id="282">
        <source>Projekt öffnen</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="283">
        <source>Projekt speichern</source>
        <translation>Projekt speichern</translation>
    </message>
    <message id="284">
        <source>Geräte Suchen</source>
        <translation>Geräte Suchen</translation>
    </message>
    <message id="285">
        <source>Senden</source>
        <translation>Senden</translation>
    </message>
    <message id="286">
        <source>Verbinden</source>
        <translation>Verbinden</translation>
    </message>
    <message id="287">
        <source>Auslesen</source>
        <translation>Auslesen</translation>
    </message>
    <message id="288">
        <source>Gruppenübersicht</source>
        <translation>Gruppenübersicht</translation>
    </message>
    <message id="289">
        <source>Szenenübersicht</source>
        <translation>Szenenübersicht</translation>
    </message>
    <message id="290">
        <source>Adressierung</source>
        <translation>Adressierung</translation>
    </message>
    <message id="291">
        <source>Gerätedaten speichern</source>
        <translation>Gerätedaten speichern</translation>
    </message>
    <message id="292">
        <source>Gerätedaten laden</source>
        <translation>Gerätedaten laden</translation>
    </message>
    <message id="293">
        <source>Verbindung trennen</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message id="294">
        <source>Alle Geräte auslesen</source>
        <translation>Alle Geräte auslesen</translation>
    </message>
    <message id="295">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="296">
        <source>Quorrel Seriennummer</source>
        <translation>Quorrel Seriennummer</translation>
    </message>
    <message id="297">
        <source>Gewähltes Gerät</source>
        <translation>Gewähltes Gerät</translation>
    </message>
    <message id="298">
        <source>Anzahl an Geräten</source>
        <translation>Anzahl an Geräten</translation>
    </message>
    <message id="301">
        <source>Sende Daten an Gerät %d von %d</source>
        <translation>Sende Daten an Gerät %d von %d</translation>
    </message>
    <message id="302">
        <source>Selektieren</source>
        <translation>Selektieren</translation>
    </message>
    <message id="304">
        <source>Nachfrage bei Adressänderung?</source>
        <translation>Nachfrage bei Adressänderung?</translation>
    </message>
    <message id="305">
        <source>Standardmäßig identifizieren</source>
        <translation>Standardmäßig identifizieren</translation>
    </message>
    <message id="306">
        <source>Aufrufen</source>
        <translation>Aufrufen</translation>
    </message>
    <message id="308">
        <source>Test Broadcast</source>
        <translation>Test Broadcast</translation>
    </message>
    <message id="309">
        <source>---</source>
        <translation>---</translation>
    </message>
    <message id="310">
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message id="311">
        <source>0.0.0.0</source>
        <translation>0.0.0.0</translation>
    </message>
    <message id="313">
        <source>Status: Zustand des Betriebsgerätes</source>
        <translation>Status: Zustand des Betriebsgerätes</translation>
    </message>
    <message id="314">
        <source>Status: Lampenfehler</source>
        <translation>Status: Lampenfehler</translation>
    </message>
    <message id="315">
        <source>Status: Lampenleistung ein</source>
        <translation>Status: Lampenleistung ein</translation>
    </message>
    <message id="316">
        <source>Status: Grenzwertfehler</source>
        <translation>Status: Grenzwertfehler</translation>
    </message>
    <message id="317">
        <source>Status: Überblendvorgang</source>
        <translation>Status: Überblendvorgang</translation>
    </message>
    <message id="318">
        <source>Status: RESET STATE</source>
        <translation>Status: RESET STATE</translation>
    </message>
    <message id="319">
        <source>Status: Kurzadresse fehlt</source>
        <translation>Status: Kurzadresse fehlt</translation>
    </message>
    <message id="320">
        <source>Status: POWER FAILURE</source>
        <translation>Status: POWER FAILURE</translation>
    </message>
    <message id="321">
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message id="322">
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message id="323">
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message id="324">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="325">
        <source>An</source>
        <translation>An</translation>
    </message>
    <message id="326">
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message id="344">
        <source>Sollen die geladenen Einstellungen übertragen werden?</source>
        <translation>Sollen die geladenen Einstellungen übertragen werden?</translation>
    </message>
    <message id="401">
        <source>Wollen Sie den kompletten DALI-Bus zurücksetzten?
Alle Einstellungen gehen verloren.</source>
        <translation>Wollen Sie den kompletten DALI-Bus zurücksetzten?
Alle Einstellungen gehen verloren.</translation>
    </message>
    <message id="402">
        <source>Änderungen nicht übertragen</source>
        <translation>Änderungen nicht übertragen</translation>
    </message>
    <message id="403">
        <source>Es wurden Einstellungen vorgenommen, aber nicht übertragen.</source>
        <translation>Es wurden Einstellungen vorgenommen, aber nicht übertragen.</translation>
    </message>
    <message id="404">
        <source>Adresse ändern</source>
        <translation>Adresse ändern</translation>
    </message>
    <message id="405">
        <source>Soll die Adresse wirklich geändert werden?</source>
        <translation>Soll die Adresse wirklich geändert werden?</translation>
    </message>
    <message id="406">
        <source>Nicht mehr anzeigen</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message id="407">
        <source>Keine freie Adress zum wechseln. Die Zieladresse wird entfernt und nach der Umadressierung wieder hinzugefügt.</source>
        <translation>Keine freie Adress zum wechseln. Die Zieladresse wird entfernt und nach der Umadressierung wieder hinzugefügt.</translation>
    </message>
    <message id="408">
        <source>Achtung: Alle ausgewählten Daten werden für alle ausgewählten Geräte überschrieben.</source>
        <translation>Achtung: Alle ausgewählten Daten werden für alle ausgewählten Geräte überschrieben.</translation>
    </message>
    <message id="409">
        <source>Auslesen</source>
        <translation>Auslesen</translation>
    </message>
    <message id="410">
        <source>Sollen alle DALI Geräte ausgelesen werden?
Dieser Vorgang kann einige Zeit in Anspruch nehmen.</source>
        <translation>Sollen alle DALI Geräte ausgelesen werden?
Dieser Vorgang kann einige Zeit in Anspruch nehmen.</translation>
    </message>
    <message id="411">
        <source>Entfernen</source>
        <translation>Entfernen</translation>
    </message>
    <message id="412">
        <source>Sollen alle Gruppen aller Geräte entfernt werden?</source>
        <translation>Sollen alle Gruppen aller Geräte entfernt werden?</translation>
    </message>
    <message id="413">
        <source>Sollen alle Szene entfernt werden?</source>
        <translation>Sollen alle Szene entfernt werden?</translation>
    </message>
    <message id="414">
        <source>DALI-Gerät entfernen</source>
        <translation>DALI-Gerät entfernen</translation>
    </message>
    <message id="415">
        <source>Soll die Adresse vom gewählten DALI-Gerät entfernt werden? Die Einstellungen bleiben erhalten.</source>
        <translation>Soll die Adresse vom gewählten DALI-Gerät entfernt werden? Die Einstellungen bleiben erhalten.</translation>
    </message>
    <message id="416">
        <source>DALI-Geräte zurücksetzten</source>
        <translation>DALI-Geräte zurücksetzten</translation>
    </message>
    <message id="417">
        <source>Das DALI-Gerät wird auf seine Werkseinstellungen zurückgesetzt. Die vergebene Adresse bleibt bestehen.</source>
        <translation>Das DALI-Gerät wird auf seine Werkseinstellungen zurückgesetzt. Die vergebene Adresse bleibt bestehen.</translation>
    </message>
    <message id="418">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="419">
        <source>Der Befehl wurde erfolgreich ausgefüht.</source>
        <translation>Der Befehl wurde erfolgreich ausgefüht.</translation>
    </message>
    <message id="420">
        <source>Es ist ein Fehler aufgetreten.</source>
        <translation>Es ist ein Fehler aufgetreten.</translation>
    </message>
    <message id="421">
        <source>Es wurde kein Gerät ausgewählt.</source>
        <translation>Es wurde kein Gerät ausgewählt.</translation>
    </message>
    <message id="422">
        <source>Die Adressierung wurde beendet.</source>
        <translation>Die Adressierung wurde beendet.</translation>
    </message>
    <message id="423">
        <source>Bitte Warten</source>
        <translation>Bitte Warten</translation>
    </message>
    <message id="424">
        <source>Bitte Warten bis der Vorgang angeschlossen ist.</source>
        <translation>Bitte Warten bis der Vorgang angeschlossen ist.</translation>
    </message>
    <message id="425">
        <source>Identifizieren</source>
        <translation>Identifizieren</translation>
    </message>
    <message id="426">
        <source>Das gewählte DALI-Gerät sollte jetzt blinken.</source>
        <translation>Das gewählte DALI-Gerät sollte jetzt blinken.</translation>
    </message>
    <message id="427">
        <source>Adressierung</source>
        <translation>Adressierung</translation>
    </message>
    <message id="428">
        <source>DALI-Geräte zur Installation hinzufügen oder alle Geräte neu adressieren.</source>
        <translation>DALI-Geräte zur Installation hinzufügen oder alle Geräte neu adressieren.</translation>
    </message>
    <message id="429">
        <source>Modus</source>
        <translation>Modus</translation>
    </message>
    <message id="430">
        <source>Neu adressieren</source>
        <translation>Neu adressieren</translation>
    </message>
    <message id="431">
        <source>Hinzufügen</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="432">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="433">
        <source>Modus: "Physical select" benutzen</source>
        <translation>Modus: "Physical select" benutzen</translation>
    </message>
    <message id="434">
        <source>Visuelle Bestätigung aktivieren</source>
        <translation>Visuelle Bestätigung aktivieren</translation>
    </message>
    <message id="435">
        <source>Fortschritt</source>
        <translation>Fortschritt</translation>
    </message>
    <message id="436">
        <source>Soll die Adressierung gestartet werden?</source>
        <translation>Soll die Adressierung gestartet werden?</translation>
    </message>
    <message id="437">
        <source>Soll die Adressierung unterbrochen werden?</source>
        <translation>Soll die Adressierung unterbrochen werden?</translation>
    </message>
    <message id="438">
        <source>Suche nach freien Adressen...</source>
        <translation>Suche nach freien Adressen...</translation>
    </message>
    <message id="439">
        <source>Adressierung läuft....</source>
        <translation>Adressierung läuft....</translation>
    </message>
    <message id="440">
        <source>Taste "Physical Select" auf dem Gerät betätigen...</source>
        <translation>Taste "Physical Select" auf dem Gerät betätigen...</translation>
    </message>
    <message id="441">
        <source>Adresse:</source>
        <translation>Adresse:</translation>
    </message>
    <message id="443">
        <source>Auf mindestens einer Adresse antworten mehrere Geräte unterschiedlich. Bitte adressieren Sie die Geräte neu.</source>
        <translation>Auf mindestens einer Adresse antworten mehrere Geräte unterschiedlich. Bitte adressieren Sie die Geräte neu.</translation>
    </message>
    <message id="444">
        <source>Keine freie Adresse mehr. Die übrigen Geräte wurden nicht adressiert.</source>
        <translation>Keine freie Adresse mehr. Die übrigen Geräte wurden nicht adressiert.</translation>
    </message>
    <message id="445">
        <source>Das Gerät der Zieladresse wurde nicht wiedergefunden und hat jetzt keine Adresse. Bitte fügen Sie es mit dem Adressierungsassistenten (Modus "Hinzufügen") wieder hinzu.</source>
        <translation>Das Gerät der Zieladresse wurde nicht wiedergefunden und hat jetzt keine Adresse. Bitte fügen Sie es mit dem Adressierungsassistenten (Modus "Hinzufügen") wieder hinzu.</translation>
    </message>
    <message id="446">
        <source>Die Datei konnte nicht gespeichert werden.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message id="447">
        <source>Bericht erstellen…</source>
        <translation>Bericht erstellen…</translation>
    </message>
    <message id="448">
        <source>Als CSV exportieren…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message id="449">
        <source>Mehrere Geräte haben dieselbe Zufallsadresse und konnten nicht getrennt werden. Sie bleiben ohne Adresse.</source>
        <translation>Mehrere Geräte haben dieselbe Zufallsadresse und konnten nicht getrennt werden. Sie bleiben ohne Adresse.</translation>
    </message>
    <message id="450">
        <source>Adresse %d: mehrere Geräte antworten. Die Adresse wird nicht vergeben.</source>
        <translation>Adresse %d: mehrere Geräte antworten. Die Adresse wird nicht vergeben.</translation>
    </message>
    <message id="451">
        <source>Mehrere Geräte ausgewählt. Bitte nur die Taste eines Gerätes betätigen.</source>
        <translation>Mehrere Geräte ausgewählt. Bitte nur die Taste eines Gerätes betätigen.</translation>
    </message>
    <message id="452">
        <source>Die Adresse konnte nicht geändert werden: ein Befehl kam nicht am Bus an. Die Matrix zeigt, wo die Geräte jetzt sind.</source>
        <translation>Die Adresse konnte nicht geändert werden: ein Befehl kam nicht am Bus an. Die Matrix zeigt, wo die Geräte jetzt sind.</translation>
    </message>
    <message id="453">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="459">
        <source>Die Gerätedatei konnte nicht gelesen werden.</source>
        <translation>Die Gerätedatei konnte nicht gelesen werden.</translation>
    </message>
    <message id="460">
        <source>Anlage prüfen</source>
        <translation>Anlage prüfen</translation>
    </message>
    <message id="461">
        <source>Bitte warten, bis der Bus mit dem Projekt verglichen wurde.</source>
        <translation>Bitte warten, bis der Bus mit dem Projekt verglichen wurde.</translation>
    </message>
    <message id="462">
        <source>Fehlt: im Projekt, antwortet nicht</source>
        <translation>Fehlt: im Projekt, antwortet nicht</translation>
    </message>
    <message id="463">
        <source>Unerwartet: antwortet, nicht im Projekt</source>
        <translation>Unerwartet: antwortet, nicht im Projekt</translation>
    </message>
    <message id="464">
        <source>Mehrere Geräte auf dieser Adresse</source>
        <translation>Mehrere Geräte auf dieser Adresse</translation>
    </message>
    <message id="465">
        <source>Mindestens ein Gerät ohne Kurzadresse</source>
        <translation>Mindestens ein Gerät ohne Kurzadresse</translation>
    </message>
    <message id="466">
        <source>Mehrere Geräte ohne Kurzadresse</source>
        <translation>Mehrere Geräte ohne Kurzadresse</translation>
    </message>
    <message id="467">
        <source>Status: Betriebsgerätefehler</source>
        <translation>Status: Betriebsgerätefehler</translation>
    </message>
    <message id="468">
        <source>Wert weicht ab</source>
        <translation>Wert weicht ab</translation>
    </message>
    <message id="469">
        <source>Keine klare Antwort</source>
        <translation>Keine klare Antwort</translation>
    </message>
    <message id="470">
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message id="471">
        <source>Befund</source>
        <translation>Befund</translation>
    </message>
    <message id="472">
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message id="473">
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message id="474">
        <source>Gerät auswählen</source>
        <translation>Gerät auswählen</translation>
    </message>
    <message id="475">
        <source>Projektwerte senden</source>
        <translation>Projektwerte senden</translation>
    </message>
    <message id="476">
        <source>Austausch starten</source>
        <translation>Austausch starten</translation>
    </message>
    <message id="478">
        <source>Keine Abweichungen: die Anlage entspricht dem Projekt.</source>
        <translation>Keine Abweichungen: die Anlage entspricht dem Projekt.</translation>
    </message>
    <message id="479">
        <source>Die Prüfung wurde nicht beendet: die Liste ist unvollständig.</source>
        <translation>Die Prüfung wurde nicht beendet: die Liste ist unvollständig.</translation>
    </message>
    <message id="480">
        <source>Gerät ersetzen</source>
        <translation>Gerät ersetzen</translation>
    </message>
    <message id="481">
        <source>Zum Ersetzen eines Gerätes muss ein Projekt mit Geräten geöffnet sein.</source>
        <translation>Zum Ersetzen eines Gerätes muss ein Projekt mit Geräten geöffnet sein.</translation>
    </message>
    <message id="482">
        <source>Alle Geräte des Projekts antworten. Es fehlt kein Gerät.</source>
        <translation>Alle Geräte des Projekts antworten. Es fehlt kein Gerät.</translation>
    </message>
    <message id="483">
        <source>Es wurde kein neues Gerät ohne Adresse gefunden.</source>
        <translation>Es wurde kein neues Gerät ohne Adresse gefunden.</translation>
    </message>
    <message id="484">
        <source>Soll das neue Gerät die Adresse %1 übernehmen? Es erhält alle Einstellungen dieser Adresse aus dem Projekt.</source>
        <translation>Soll das neue Gerät die Adresse %1 übernehmen? Es erhält alle Einstellungen dieser Adresse aus dem Projekt.</translation>
    </message>
    <message id="485">
        <source>Fehlende und neue Geräte werden gesucht...</source>
        <translation>Fehlende und neue Geräte werden gesucht...</translation>
    </message>
    <message id="486">
        <source>Fehlende Adressen: %1, neue Geräte: %2. Wie sollen die neuen Geräte erkannt werden?</source>
        <translation>Fehlende Adressen: %1, neue Geräte: %2. Wie sollen die neuen Geräte erkannt werden?</translation>
    </message>
    <message id="487">
        <source>Taste "Physical Select" am Gerät betätigen</source>
        <translation>Taste "Physical Select" am Gerät betätigen</translation>
    </message>
    <message id="488">
        <source>Gerät blinken lassen (Geräte ohne Taste)</source>
        <translation>Gerät blinken lassen (Geräte ohne Taste)</translation>
    </message>
    <message id="489">
        <source>Taste "Physical Select" am neuen Gerät betätigen...</source>
        <translation>Taste "Physical Select" am neuen Gerät betätigen...</translation>
    </message>
    <message id="490">
        <source>Welche Adresse soll das ausgewählte Gerät übernehmen?</source>
        <translation>Welche Adresse soll das ausgewählte Gerät übernehmen?</translation>
    </message>
    <message id="491">
        <source>Ein neues Gerät blinkt jetzt. Welche Adresse soll es übernehmen?</source>
        <translation>Ein neues Gerät blinkt jetzt. Welche Adresse soll es übernehmen?</translation>
    </message>
    <message id="492">
        <source>Überspringen</source>
        <translation>Überspringen</translation>
    </message>
    <message id="493">
        <source>Ergebnis:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message id="494">
        <source>Adresse %1: ersetzt, Einstellungen geschrieben und bestätigt.</source>
        <translation>Adresse %1: ersetzt, Einstellungen geschrieben und bestätigt.</translation>
    </message>
    <message id="495">
        <source>Adresse %1: ersetzt, aber das Gerät meldet andere Werte: %2</source>
        <translation>Adresse %1: ersetzt, aber das Gerät meldet andere Werte: %2</translation>
    </message>
    <message id="496">
        <source>Adresse %1: ein Gerät antwortet dort. Es wurde nichts geschrieben.</source>
        <translation>Adresse %1: ein Gerät antwortet dort. Es wurde nichts geschrieben.</translation>
    </message>
    <message id="497">
        <source>Adresse %1: das neue Gerät hat die Adresse nicht bestätigt. Es wurde nichts geschrieben.</source>
        <translation>Adresse %1: das neue Gerät hat die Adresse nicht bestätigt. Es wurde nichts geschrieben.</translation>
    </message>
    <message id="498">
        <source>Adresse %1: nicht ersetzt.</source>
        <translation>Adresse %1: nicht ersetzt.</translation>
    </message>
    <message id="499">
        <source>%1: %2 statt %3</source>
        <translation>%1: %2 statt %3</translation>
    </message>
    <message id="500">
        <source>Projektangaben…</source>
        <translation>Projektangaben…</translation>
    </message>
    <message id="501">
        <source>Projekt:</source>
        <translation>Projekt:</translation>
    </message>
    <message id="502">
        <source>Standort:</source>
        <translation>Standort:</translation>
    </message>
    <message id="503">
        <source>Errichter:</source>
        <translation>Errichter:</translation>
    </message>
    <message id="504">
        <source>Notizen:</source>
        <translation>Notizen:</translation>
    </message>
    <message id="505">
        <source>Projektangaben</source>
        <translation>Projektangaben</translation>
    </message>
    <message id="520">
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message id="521">
        <source>Farbtyp:</source>
        <translation>Farbtyp:</translation>
    </message>
    <message id="522">
        <source>Farbtemperatur (Tc)</source>
        <translation>Farbtemperatur (Tc)</translation>
    </message>
    <message id="523">
        <source>RGBWAF, %1 Kanäle</source>
        <translation>RGBWAF, %1 Kanäle</translation>
    </message>
    <message id="524">
        <source>Keine Farbsteuerung</source>
        <translation>Keine Farbsteuerung</translation>
    </message>
    <message id="525">
        <source>Aktuelle Farbtemperatur:</source>
        <translation>Aktuelle Farbtemperatur:</translation>
    </message>
    <message id="526">
        <source>%1 K (%2 mirek)</source>
        <translation>%1 K (%2 mirek)</translation>
    </message>
    <message id="527">
        <source>Farbtemperatur einstellen:</source>
        <translation>Farbtemperatur einstellen:</translation>
    </message>
    <message id="528">
        <source>Kälteste:</source>
        <translation>Kälteste:</translation>
    </message>
    <message id="529">
        <source>Wärmste:</source>
        <translation>Wärmste:</translation>
    </message>
    <message id="530">
        <source>Physikalisch: %1 K bis %2 K</source>
        <translation>Physikalisch: %1 K bis %2 K</translation>
    </message>
    <message id="531">
        <source>Einschaltfarbe:</source>
        <translation>Einschaltfarbe:</translation>
    </message>
    <message id="532">
        <source>Farbe bei Systemfehler:</source>
        <translation>Farbe bei Systemfehler:</translation>
    </message>
    <message id="533">
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message id="534">
        <source>Kanäle:</source>
        <translation>Kanäle:</translation>
    </message>
    <message id="535">
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message id="536">
        <source>Grün</source>
        <translation>Grün</translation>
    </message>
    <message id="537">
        <source>Blau</source>
        <translation>Blau</translation>
    </message>
    <message id="538">
        <source>Weiß</source>
        <translation>Weiß</translation>
    </message>
    <message id="539">
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message id="540">
        <source>Freie Farbe</source>
        <translation>Freie Farbe</translation>
    </message>
    <message id="541">
        <source>Senden</source>
        <translation>Senden</translation>
    </message>
    <message id="542">
        <source>unbekannt</source>
        <translation>unbekannt</translation>
    </message>
    <message id="543">
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message id="544">
        <source>Die Farbtemperaturgrenzen wurden nicht gesendet: die kälteste liegt über der wärmsten.</source>
        <translation>Die Farbtemperaturgrenzen wurden nicht gesendet: die kälteste liegt über der wärmsten.</translation>
    </message>
    <message id="545">
        <source>Einschalt- und Systemfehlerfarbe wurden nicht gesendet: die Pegel des Geräts sind nicht ausgelesen.</source>
        <translation>Einschalt- und Systemfehlerfarbe wurden nicht gesendet: die Pegel des Geräts sind nicht ausgelesen.</translation>
    </message>
    <message id="546">
        <source>Szenenfarben wurden nicht gesendet: die Szenenpegel sind nicht ausgelesen oder das Gerät gehört nicht zur Szene.</source>
        <translation>Szenenfarben wurden nicht gesendet: die Szenenpegel sind nicht ausgelesen oder das Gerät gehört nicht zur Szene.</translation>
    </message>
    <message id="547">
        <source>Nicht alle Farbbefehle wurden fehlerfrei übertragen.</source>
        <translation>Nicht alle Farbbefehle wurden fehlerfrei übertragen.</translation>
    </message>
    <message id="548">
        <source>Farbtemperatur</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message id="560">
        <source>Notlicht</source>
        <translation>Notlicht</translation>
    </message>
    <message id="561">
        <source>Funktionstest</source>
        <translation>Funktionstest</translation>
    </message>
    <message id="562">
        <source>Betriebsdauertest</source>
        <translation>Betriebsdauertest</translation>
    </message>
    <message id="563">
        <source>bestanden</source>
        <translation>bestanden</translation>
    </message>
    <message id="564">
        <source>nicht bestanden</source>
        <translation>nicht bestanden</translation>
    </message>
    <message id="565">
        <source>Zeit überschritten</source>
        <translation>Zeit überschritten</translation>
    </message>
    <message id="566">
        <source>abgebrochen</source>
        <translation>abgebrochen</translation>
    </message>
    <message id="567">
        <source>Schaltungsfehler</source>
        <translation>Schaltungsfehler</translation>
    </message>
    <message id="568">
        <source>Batteriedauer zu kurz</source>
        <translation>Batteriedauer zu kurz</translation>
    </message>
    <message id="569">
        <source>Batteriefehler</source>
        <translation>Batteriefehler</translation>
    </message>
    <message id="570">
        <source>Notlichtlampe defekt</source>
        <translation>Notlichtlampe defekt</translation>
    </message>
    <message id="571">
        <source>Funktionstest zu lange verzögert</source>
        <translation>Funktionstest zu lange verzögert</translation>
    </message>
    <message id="572">
        <source>Betriebsdauertest zu lange verzögert</source>
        <translation>Betriebsdauertest zu lange verzögert</translation>
    </message>
    <message id="573">
        <source>Funktionstest fehlgeschlagen</source>
        <translation>Funktionstest fehlgeschlagen</translation>
    </message>
    <message id="574">
        <source>Betriebsdauertest fehlgeschlagen</source>
        <translation>Betriebsdauertest fehlgeschlagen</translation>
    </message>
    <message id="575">
        <source>gesperrt</source>
        <translation>gesperrt</translation>
    </message>
    <message id="576">
        <source>Funktionstest erledigt</source>
        <translation>Funktionstest erledigt</translation>
    </message>
    <message id="577">
        <source>Betriebsdauertest erledigt</source>
        <translation>Betriebsdauertest erledigt</translation>
    </message>
    <message id="578">
        <source>Batterie voll geladen</source>
        <translation>Batterie voll geladen</translation>
    </message>
    <message id="579">
        <source>Funktionstest ausstehend</source>
        <translation>Funktionstest ausstehend</translation>
    </message>
    <message id="580">
        <source>Betriebsdauertest ausstehend</source>
        <translation>Betriebsdauertest ausstehend</translation>
    </message>
    <message id="581">
        <source>Identifikation läuft</source>
        <translation>Identifikation läuft</translation>
    </message>
    <message id="582">
        <source>physikalisch ausgewählt</source>
        <translation>physikalisch ausgewählt</translation>
    </message>
    <message id="583">
        <source>Ruhezustand</source>
        <translation>Ruhezustand</translation>
    </message>
    <message id="584">
        <source>Normalbetrieb</source>
        <translation>Normalbetrieb</translation>
    </message>
    <message id="585">
        <source>Notbetrieb</source>
        <translation>Notbetrieb</translation>
    </message>
    <message id="586">
        <source>verlängerter Notbetrieb</source>
        <translation>verlängerter Notbetrieb</translation>
    </message>
    <message id="587">
        <source>Funktionstest läuft</source>
        <translation>Funktionstest läuft</translation>
    </message>
    <message id="588">
        <source>Betriebsdauertest läuft</source>
        <translation>Betriebsdauertest läuft</translation>
    </message>
    <message id="589">
        <source>festverdrahtete Sperre aktiv</source>
        <translation>festverdrahtete Sperre aktiv</translation>
    </message>
    <message id="590">
        <source>festverdrahtet eingeschaltet</source>
        <translation>festverdrahtet eingeschaltet</translation>
    </message>
    <message id="591">
        <source>keine Fehler</source>
        <translation>keine Fehler</translation>
    </message>
    <message id="592">
        <source>unbekannt</source>
        <translation>unbekannt</translation>
    </message>
    <message id="593">
        <source>Datum (UTC)</source>
        <translation>Datum (UTC)</translation>
    </message>
    <message id="594">
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message id="595">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="596">
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message id="597">
        <source>Ergebnis</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="598">
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message id="599">
        <source>Erreichte Dauer (min)</source>
        <translation>Erreichte Dauer (min)</translation>
    </message>
    <message id="600">
        <source>Notlicht-Prüfbuch</source>
        <translation>Notlicht-Prüfbuch</translation>
    </message>
    <message id="601">
        <source>Betriebsart:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message id="602">
        <source>Zustand:</source>
        <translation>Zustand:</translation>
    </message>
    <message id="603">
        <source>Batterie %1, Nenndauer %2 min, letzter Betriebsdauertest %3 min</source>
        <translation>Batterie %1, Nenndauer %2 min, letzter Betriebsdauertest %3 min</translation>
    </message>
    <message id="604">
        <source>Lampe %1 h im Notbetrieb, %2 h insgesamt, Notlichtpegel %3</source>
        <translation>Lampe %1 h im Notbetrieb, %2 h insgesamt, Notlichtpegel %3</translation>
    </message>
    <message id="605">
        <source>Funktionstest alle %1 Tage, Betriebsdauertest alle %2 Wochen</source>
        <translation>Funktionstest alle %1 Tage, Betriebsdauertest alle %2 Wochen</translation>
    </message>
    <message id="606">
        <source>Test stoppen</source>
        <translation>Test stoppen</translation>
    </message>
    <message id="607">
        <source>Sperren</source>
        <translation>Sperren</translation>
    </message>
    <message id="608">
        <source>Wiederzünden</source>
        <translation>Wiederzünden</translation>
    </message>
    <message id="609">
        <source>Identifizieren</source>
        <translation>Identifizieren</translation>
    </message>
    <message id="610">
        <source>Kelvane – DALI-Anlagenbericht</source>
        <translation>Kelvane – DALI-Anlagenbericht</translation>
    </message>
    <message id="611">
        <source>Erstellt am %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message id="612">
        <source>Schnittstelle %1, Revision %2</source>
        <translation>Schnittstelle %1, Revision %2</translation>
    </message>
    <message id="613">
        <source>Offline, Projektdatei %1</source>
        <translation>Offline, Projektdatei %1</translation>
    </message>
    <message id="614">
        <source>Geräte: %1</source>
        <translation>Geräte: %1</translation>
    </message>
    <message id="615">
        <source>Gerätetyp %1: %2</source>
        <translation>Gerätetyp %1: %2</translation>
    </message>
    <message id="616">
        <source>unbekannt</source>
        <translation>unbekannt</translation>
    </message>
    <message id="617">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="618">
        <source>Gerätetyp</source>
        <translation>Gerätetyp</translation>
    </message>
    <message id="619">
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message id="620">
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message id="621">
        <source>Einschaltwert</source>
        <translation>Einschaltwert</translation>
    </message>
    <message id="622">
        <source>Systemfehlerwert</source>
        <translation>Systemfehlerwert</translation>
    </message>
    <message id="623">
        <source>%1 in %</source>
        <translation>%1 in %</translation>
    </message>
    <message id="624">
        <source>Überblendzeit (s)</source>
        <translation>Überblendzeit (s)</translation>
    </message>
    <message id="625">
        <source>Überblendrate (Schritte/s)</source>
        <translation>Überblendrate (Schritte/s)</translation>
    </message>
    <message id="626">
        <source>Schnelle Überblendzeit (ms)</source>
        <translation>Schnelle Überblendzeit (ms)</translation>
    </message>
    <message id="627">
        <source>Geräte</source>
        <translation>Geräte</translation>
    </message>
    <message id="628">
        <source>Gruppen</source>
        <translation>Gruppen</translation>
    </message>
    <message id="629">
        <source>Szenen</source>
        <translation>Szenen</translation>
    </message>
    <message id="630">
        <source>? = nicht ausgelesen</source>
        <translation>? = nicht ausgelesen</translation>
    </message>
    <message id="631">
        <source>— = MASK (kein Wert)</source>
        <translation>— = MASK (kein Wert)</translation>
    </message>
    <message id="632">
        <source>;</source>
        <translation>;</translation>
    </message>
    <message id="633">
        <source>,</source>
        <translation>,</translation>
    </message>
    <message id="634">
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message id="635">
        <source>Bericht erstellen</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message id="636">
        <source>Einige Geräte wurden noch nicht ausgelesen; der Bericht zeigt ihre Werte als „?“. Sollen zuerst alle Geräte ausgelesen werden?</source>
        <translation>Einige Geräte wurden noch nicht ausgelesen; der Bericht zeigt ihre Werte als „?“. Sollen zuerst alle Geräte ausgelesen werden?</translation>
    </message>
    <message id="637">
        <source>Farbgeräte</source>
        <translation>Farbgeräte</translation>
    </message>
    <message id="638">
        <source>Farbtyp</source>
        <translation>Farbtyp</translation>
    </message>
    <message id="639">
        <source>Aktuelle Farbe</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message id="660">
        <source>Notlicht-Testlauf</source>
        <translation>Notlicht-Testlauf</translation>
    </message>
    <message id="661">
        <source>Notlicht-Testlauf…</source>
        <translation>Notlicht-Testlauf…</translation>
    </message>
    <message id="662">
        <source>Notlicht-Prüfbuch…</source>
        <translation>Notlicht-Prüfbuch…</translation>
    </message>
    <message id="663">
        <source>Das Notlichtgerät hat nicht wie erwartet geantwortet.</source>
        <translation>Das Notlichtgerät hat nicht wie erwartet geantwortet.</translation>
    </message>
    <message id="664">
        <source>Bitte speichern Sie das Projekt zuerst: das Notlicht-Prüfbuch wird neben der Projektdatei geführt.</source>
        <translation>Bitte speichern Sie das Projekt zuerst: das Notlicht-Prüfbuch wird neben der Projektdatei geführt.</translation>
    </message>
    <message id="665">
        <source>Die Auswahl enthält keine Notlichtgeräte.</source>
        <translation>Die Auswahl enthält keine Notlichtgeräte.</translation>
    </message>
    <message id="666">
        <source>Die Notlichtgeräte werden nacheinander getestet.</source>
        <translation>Die Notlichtgeräte werden nacheinander getestet.</translation>
    </message>
    <message id="667">
        <source>%d von %d Notlichtgeräten fertig</source>
        <translation>%d von %d Notlichtgeräten fertig</translation>
    </message>
    <message id="668">
        <source>Ergebnisse (auch im Notlicht-Prüfbuch):</source>
        <translation>Ergebnisse (auch im Notlicht-Prüfbuch):</translation>
    </message>
    <message id="669">
        <source>Die Ergebnisse konnten nicht ins Notlicht-Prüfbuch geschrieben werden:</source>
        <translation>Die Ergebnisse konnten nicht ins Notlicht-Prüfbuch geschrieben werden:</translation>
    </message>
    <message id="670">
        <source>Test:</source>
        <translation>Test:</translation>
    </message>
    <message id="671">
        <source>Geräte:</source>
        <translation>Geräte:</translation>
    </message>
    <message id="672">
        <source>Alle Notlichtgeräte</source>
        <translation>Alle Notlichtgeräte</translation>
    </message>
    <message id="673">
        <source>Gruppe %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message id="674">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="675">
        <source>Das Notlicht-Prüfbuch konnte nicht gelesen werden:</source>
        <translation>Das Notlicht-Prüfbuch konnte nicht gelesen werden:</translation>
    </message>
    <message id="676">
        <source>%1 Einträge, %2 beschädigte Zeilen übersprungen</source>
        <translation>%1 Einträge, %2 beschädigte Zeilen übersprungen</translation>
    </message>
    <message id="677">
        <source>Als CSV exportieren…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message id="678">
        <source>Als PDF drucken…</source>
        <translation>Als PDF drucken…</translation>
    </message>
    <message id="679">
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message id="700">
        <source>Kälteste</source>
        <translation>Kälteste</translation>
    </message>
    <message id="701">
        <source>Wärmste</source>
        <translation>Wärmste</translation>
    </message>
    <message id="702">
        <source>Physikalisch</source>
        <translation>Physikalisch</translation>
    </message>
    <message id="703">
        <source>Einschaltfarbe</source>
        <translation>Einschaltfarbe</translation>
    </message>
    <message id="704">
        <source>Farbe bei Systemfehler</source>
        <translation>Farbe bei Systemfehler</translation>
    </message>
    <message id="705">
        <source>Notlicht: letzte Prüfungen</source>
        <translation>Notlicht: letzte Prüfungen</translation>
    </message>
    <message id="706">
        <source>Letzter Funktionstest (UTC)</source>
        <translation>Letzter Funktionstest (UTC)</translation>
    </message>
    <message id="707">
        <source>Letzter Betriebsdauertest (UTC)</source>
        <translation>Letzter Betriebsdauertest (UTC)</translation>
    </message>
    <message id="708">
        <source>nicht geprüft</source>
        <translation>nicht geprüft</translation>
    </message>
    <message id="709">
        <source>Das Prüfbuch kann nicht gelesen werden: %1</source>
        <translation>Das Prüfbuch kann nicht gelesen werden: %1</translation>
    </message>
    <message id="710">
        <source>grünes Eckquadrat = Notlichtgerät (Gerätetyp 1)</source>
        <translation>grünes Eckquadrat = Notlichtgerät (Gerätetyp 1)</translation>
    </message>
    <message id="711">
        <source>Nächster Funktionstest in %1, nächster Betriebsdauertest in %2</source>
        <translation>Nächster Funktionstest in %1, nächster Betriebsdauertest in %2</translation>
    </message>
    <message id="712">
        <source>jetzt</source>
        <translation>jetzt</translation>
    </message>
    <message id="713">
        <source>Adresse %1: ersetzt und beschrieben, aber das Gerät hat beim Zurücklesen nicht geantwortet. Seine Werte sind ungelesen.</source>
        <translation>Adresse %1: ersetzt und beschrieben, aber das Gerät hat beim Zurücklesen nicht geantwortet. Seine Werte sind ungelesen.</translation>
    </message>
    <message id="714">
        <source>Diese benannten Geräte antworten nicht mehr. Ihre Namen bleiben bei ihren Adressen, solange das Projekt offen ist; eine Projektdatei enthält nur antwortende Geräte.</source>
        <translation>Diese benannten Geräte antworten nicht mehr. Ihre Namen bleiben bei ihren Adressen, solange das Projekt offen ist; eine Projektdatei enthält nur antwortende Geräte.</translation>
    </message>
    <message id="715">
        <source>Diese Geräte haben nicht auf jede Abfrage geantwortet. Was fehlt, ist in der Projektdatei als ungelesen vermerkt, nicht als Wert.</source>
        <translation>Diese Geräte haben nicht auf jede Abfrage geantwortet. Was fehlt, ist in der Projektdatei als ungelesen vermerkt, nicht als Wert.</translation>
    </message>
    <message id="716">
        <source>Geprüft am %1</source>
        <translation>Geprüft am %1</translation>
    </message>
    <message id="717">
        <source>Veraltet: Die Anlage wurde seit dieser Prüfung geändert (Austausch, Adressänderung oder Suche). Bitte erneut prüfen.</source>
        <translation>Veraltet: Die Anlage wurde seit dieser Prüfung geändert (Austausch, Adressänderung oder Suche). Bitte erneut prüfen.</translation>
    </message>
    <message id="718">
        <source>verschoben: Akku wird geladen</source>
        <translation>verschoben: Akku wird geladen</translation>
    </message>
    <message id="719">
        <source>verschoben: anderer Test läuft</source>
        <translation>verschoben: anderer Test läuft</translation>
    </message>
    <message id="720">
        <source>verschoben</source>
        <translation>verschoben</translation>
    </message>
    <message id="721">
        <source>Seite %1 von %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="722">
        <source>Übergabe</source>
        <translation>Übergabe</translation>
    </message>
    <message id="723">
        <source>Datum: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message id="724">
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message id="725">
        <source>Unterschrift</source>
        <translation>Unterschrift</translation>
    </message>
    <message id="726">
        <source>keine (ungültig)</source>
        <translation>keine (ungültig)</translation>
    </message>
    <message id="727">
        <source>Adressen ohne klare Antwort (mehrere Geräte?): %1</source>
        <translation>Adressen ohne klare Antwort (mehrere Geräte?): %1</translation>
    </message>
    <message id="728">
        <source>kein automatischer Test</source>
        <translation>kein automatischer Test</translation>
    </message>
    <message id="729">
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message id="730">
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message id="731">
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message id="732">
        <source>Geräte-Identifikation (Speicherbank 0)</source>
        <translation>Geräte-Identifikation (Speicherbank 0)</translation>
    </message>
    <message id="733">
        <source>Kälteste Farbtemperatur</source>
        <translation>Kälteste Farbtemperatur</translation>
    </message>
    <message id="734">
        <source>Wärmste Farbtemperatur</source>
        <translation>Wärmste Farbtemperatur</translation>
    </message>
    <message id="735">
        <source>Farbe von %1</source>
        <translation>Farbe von %1</translation>
    </message>
    <message id="750">
        <source>Das Gerät hat die Farbtemperaturgrenzen nicht wie gesendet übernommen; angezeigt sind die Grenzen, die es meldet.</source>
        <translation>Das Gerät hat die Farbtemperaturgrenzen nicht wie gesendet übernommen; angezeigt sind die Grenzen, die es meldet.</translation>
    </message>
    <message id="770">
        <source>Aufruf: kelvane-cli [--interface SERIENNUMMER] [--lang de-DE|en-EN] [--quiet] BEFEHL ...
Befehle:
  interfaces [--json]                   die angeschlossenen Interfaces: Seriennummer, Produkt-ID, Revision
  scan [--json]                         die antwortenden Kurzadressen, Gerätetypen, unklare Adressen
  read [ADR...] [--json]                die Datensätze der Geräte (ohne ADR alle vorhandenen)
  send ADR EINTRAG=WERT...              Einträge: max, min, poweron, failure, fadetime, faderate,
                                        curve (log, linear), fastfade, groups (0,4 oder none), scene0 ... scene15
  command ADR off|max|min|identify|reset [--yes]
  apply PROJEKT.prj [--yes]             das Projekt auf den Bus, von dem es stammt
  save PROJEKT.prj                      alle Geräte auslesen, dann ins Projekt schreiben
  check PROJEKT.prj [--json | --csv]    den Bus mit dem Projekt vergleichen
  report PROJEKT.prj --pdf DATEI [--csv DATEI] [--offline]
                                        der Anlagenbericht: alle Geräte gelesen, ohne Interface oder mit
                                        --offline aus der Projektdatei
  address --new | --add [--yes] [--json]   Zufallsadressierung aller Geräte oder nur der neuen
  emergency-test --function | --duration [--group N] PROJEKT.prj [--json]
                                        der gestaffelte Testlauf, Ergebnisse ins Prüfbuch des Projekts
Fortschritt auf der Standardfehlerausgabe, Ergebnisse auf der Standardausgabe; Strg+C hält nach dem laufenden Gerät an.
Rückgabewert: 0 fertig, 1 Aufruf falsch, 2 kein oder kein eindeutiges Interface, 3 Unterschiede gefunden,
4 Busfehler, 5 Dateifehler, 130 abgebrochen.</source>
        <translation>Aufruf: kelvane-cli [--interface SERIENNUMMER] [--lang de-DE|en-EN] [--quiet] BEFEHL ...
Befehle:
  interfaces [--json]                   die angeschlossenen Interfaces: Seriennummer, Produkt-ID, Revision
  scan [--json]                         die antwortenden Kurzadressen, Gerätetypen, unklare Adressen
  read [ADR...] [--json]                die Datensätze der Geräte (ohne ADR alle vorhandenen)
  send ADR EINTRAG=WERT...              Einträge: max, min, poweron, failure, fadetime, faderate,
                                        curve (log, linear), fastfade, groups (0,4 oder none), scene0 ... scene15
  command ADR off|max|min|identify|reset [--yes]
  apply PROJEKT.prj [--yes]             das Projekt auf den Bus, von dem es stammt
  save PROJEKT.prj                      alle Geräte auslesen, dann ins Projekt schreiben
  check PROJEKT.prj [--json | --csv]    den Bus mit dem Projekt vergleichen
  report PROJEKT.prj --pdf DATEI [--csv DATEI] [--offline]
                                        der Anlagenbericht: alle Geräte gelesen, ohne Interface oder mit
                                        --offline aus der Projektdatei
  address --new | --add [--yes] [--json]   Zufallsadressierung aller Geräte oder nur der neuen
  emergency-test --function | --duration [--group N] PROJEKT.prj [--json]
                                        der gestaffelte Testlauf, Ergebnisse ins Prüfbuch des Projekts
Fortschritt auf der Standardfehlerausgabe, Ergebnisse auf der Standardausgabe; Strg+C hält nach dem laufenden Gerät an.
Rückgabewert: 0 fertig, 1 Aufruf falsch, 2 kein oder kein eindeutiges Interface, 3 Unterschiede gefunden,
4 Busfehler, 5 Dateifehler, 130 abgebrochen.</translation>
    </message>
    <message id="771">
        <source>Unbekannter Befehl: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message id="772">
        <source>Unbekannte Option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message id="773">
        <source>Adresse nicht zwischen 0 und 63: %1</source>
        <translation>Adresse nicht zwischen 0 und 63: %1</translation>
    </message>
    <message id="774">
        <source>Wert außerhalb des Bereichs: %1</source>
        <translation>Wert außerhalb des Bereichs: %1</translation>
    </message>
    <message id="775">
        <source>Projektdatei nicht lesbar: %1</source>
        <translation>Projektdatei nicht lesbar: %1</translation>
    </message>
    <message id="776">
        <source>Kein Interface angeschlossen.</source>
        <translation>Kein Interface angeschlossen.</translation>
    </message>
    <message id="777">
        <source>Mehrere Interfaces angeschlossen (%1): eines mit --interface SERIENNUMMER wählen.</source>
        <translation>Mehrere Interfaces angeschlossen (%1): eines mit --interface SERIENNUMMER wählen.</translation>
    </message>
    <message id="778">
        <source>Kein Interface mit der Seriennummer %1.</source>
        <translation>Kein Interface mit der Seriennummer %1.</translation>
    </message>
    <message id="779">
        <source>Auf dem Interface %1 antwortet kein Bus-Baustein.</source>
        <translation>Auf dem Interface %1 antwortet kein Bus-Baustein.</translation>
    </message>
    <message id="780">
        <source>Abgebrochen.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message id="781">
        <source>Kein Gerät antwortet an Adresse %1.</source>
        <translation>Kein Gerät antwortet an Adresse %1.</translation>
    </message>
    <message id="782">
        <source>Nicht ausgeführt: die Frage braucht --yes.</source>
        <translation>Nicht ausgeführt: die Frage braucht --yes.</translation>
    </message>
    <message id="784">
        <source>Datei nicht schreibbar: %1</source>
        <translation>Datei nicht schreibbar: %1</translation>
    </message>
    <message id="785">
        <source>Argument fehlt: %1</source>
        <translation>Argument fehlt: %1</translation>
    </message>
    <message id="786">
        <source>Kein Befehl angegeben; kelvane-cli --help listet sie.</source>
        <translation>Kein Befehl angegeben; kelvane-cli --help listet sie.</translation>
    </message>
    <message id="787">
        <source>Unbekannter Eintrag: %1</source>
        <translation>Unbekannter Eintrag: %1</translation>
    </message>
    <message id="788">
        <source>Zu viele Argumente: %1</source>
        <translation>Zu viele Argumente: %1</translation>
    </message>
    <message id="789">
        <source>Unbekannter Gerätebefehl: %1 (off, max, min, identify, reset)</source>
        <translation>Unbekannter Gerätebefehl: %1 (off, max, min, identify, reset)</translation>
    </message>
    <message id="790">
        <source>Leuchtendaten</source>
        <translation>Leuchtendaten</translation>
    </message>
    <message id="791">
        <source>Energie</source>
        <translation>Energie</translation>
    </message>
    <message id="792">
        <source>Zustand</source>
        <translation>Zustand</translation>
    </message>
    <message id="793">
        <source>Wartung</source>
        <translation>Wartung</translation>
    </message>
    <message id="794">
        <source>Speicherbank %1</source>
        <translation>Speicherbank %1</translation>
    </message>
    <message id="795">
        <source>nicht vorhanden</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message id="796">
        <source>nicht verfügbar</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message id="797">
        <source>unbekannt</source>
        <translation>unbekannt</translation>
    </message>
    <message id="798">
        <source>Hersteller-GTIN der Leuchte</source>
        <translation>Hersteller-GTIN der Leuchte</translation>
    </message>
    <message id="799">
        <source>Leuchten-ID</source>
        <translation>Leuchten-ID</translation>
    </message>
    <message id="800">
        <source>Herstellungsjahr</source>
        <translation>Herstellungsjahr</translation>
    </message>
    <message id="801">
        <source>Herstellungswoche</source>
        <translation>Herstellungswoche</translation>
    </message>
    <message id="802">
        <source>Nennleistung</source>
        <translation>Nennleistung</translation>
    </message>
    <message id="803">
        <source>Leistung bei minimaler Dimmstufe</source>
        <translation>Leistung bei minimaler Dimmstufe</translation>
    </message>
    <message id="804">
        <source>Netzspannung min.</source>
        <translation>Netzspannung min.</translation>
    </message>
    <message id="805">
        <source>Netzspannung max.</source>
        <translation>Netzspannung max.</translation>
    </message>
    <message id="806">
        <source>Lichtstrom</source>
        <translation>Lichtstrom</translation>
    </message>
    <message id="807">
        <source>Farbwiedergabeindex (CRI)</source>
        <translation>Farbwiedergabeindex (CRI)</translation>
    </message>
    <message id="808">
        <source>Farbtemperatur</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message id="809">
        <source>Lichtverteilung</source>
        <translation>Lichtverteilung</translation>
    </message>
    <message id="810">
        <source>Leuchtenfarbe</source>
        <translation>Leuchtenfarbe</translation>
    </message>
    <message id="811">
        <source>Leuchtenbezeichnung</source>
        <translation>Leuchtenbezeichnung</translation>
    </message>
    <message id="812">
        <source>Wirkenergie</source>
        <translation>Wirkenergie</translation>
    </message>
    <message id="813">
        <source>Wirkleistung</source>
        <translation>Wirkleistung</translation>
    </message>
    <message id="814">
        <source>Scheinenergie</source>
        <translation>Scheinenergie</translation>
    </message>
    <message id="815">
        <source>Scheinleistung</source>
        <translation>Scheinleistung</translation>
    </message>
    <message id="816">
        <source>Wirkenergie lastseitig</source>
        <translation>Wirkenergie lastseitig</translation>
    </message>
    <message id="817">
        <source>Wirkleistung lastseitig</source>
        <translation>Wirkleistung lastseitig</translation>
    </message>
    <message id="818">
        <source>Betriebsgerät: %1</source>
        <translation>Betriebsgerät: %1</translation>
    </message>
    <message id="819">
        <source>Lichtquelle: %1</source>
        <translation>Lichtquelle: %1</translation>
    </message>
    <message id="820">
        <source>Betriebszeit</source>
        <translation>Betriebszeit</translation>
    </message>
    <message id="821">
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message id="822">
        <source>Versorgungsspannung</source>
        <translation>Versorgungsspannung</translation>
    </message>
    <message id="823">
        <source>Netzfrequenz</source>
        <translation>Netzfrequenz</translation>
    </message>
    <message id="824">
        <source>Leistungsfaktor</source>
        <translation>Leistungsfaktor</translation>
    </message>
    <message id="825">
        <source>Fehler gesamt</source>
        <translation>Fehler gesamt</translation>
    </message>
    <message id="826">
        <source>Unterspannung</source>
        <translation>Unterspannung</translation>
    </message>
    <message id="827">
        <source>Überspannung</source>
        <translation>Überspannung</translation>
    </message>
    <message id="828">
        <source>Leistungsbegrenzung</source>
        <translation>Leistungsbegrenzung</translation>
    </message>
    <message id="829">
        <source>Thermische Leistungsreduzierung</source>
        <translation>Thermische Leistungsreduzierung</translation>
    </message>
    <message id="830">
        <source>Thermische Abschaltung</source>
        <translation>Thermische Abschaltung</translation>
    </message>
    <message id="831">
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message id="832">
        <source>Ausgangsstrom</source>
        <translation>Ausgangsstrom</translation>
    </message>
    <message id="833">
        <source>Spannung</source>
        <translation>Spannung</translation>
    </message>
    <message id="834">
        <source>Strom</source>
        <translation>Strom</translation>
    </message>
    <message id="835">
        <source>Kurzschluss</source>
        <translation>Kurzschluss</translation>
    </message>
    <message id="836">
        <source>Leerlauf</source>
        <translation>Leerlauf</translation>
    </message>
    <message id="837">
        <source>Nennlebensdauer der Leuchte</source>
        <translation>Nennlebensdauer der Leuchte</translation>
    </message>
    <message id="838">
        <source>Referenztemperatur des Betriebsgeräts</source>
        <translation>Referenztemperatur des Betriebsgeräts</translation>
    </message>
    <message id="839">
        <source>Nenn-Lichtquellenstarts</source>
        <translation>Nenn-Lichtquellenstarts</translation>
    </message>
    <message id="840">
        <source>ja, %1-mal</source>
        <translation>ja, %1-mal</translation>
    </message>
    <message id="841">
        <source>nein, %1-mal</source>
        <translation>nein, %1-mal</translation>
    </message>
    <message id="842">
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message id="843">
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message id="844">
        <source>Typ %1</source>
        <translation>Typ %1</translation>
    </message>
    <message id="845">
        <source>nicht angegeben</source>
        <translation>nicht angegeben</translation>
    </message>
    <message id="846">
        <source>nicht implementiert</source>
        <translation>nicht implementiert</translation>
    </message>
    <message id="847">
        <source>Leuchtendaten und Betrieb</source>
        <translation>Leuchtendaten und Betrieb</translation>
    </message>
    <message id="848">
        <source>%1-Wartung</source>
        <translation>%1-Wartung</translation>
    </message>
    <message id="850">
        <source>Grundriss</source>
        <translation>Grundriss</translation>
    </message>
    <message id="851">
        <source>Grundriss laden…</source>
        <translation>Grundriss laden…</translation>
    </message>
    <message id="852">
        <source>Einpassen</source>
        <translation>Einpassen</translation>
    </message>
    <message id="853">
        <source>Vom Grundriss entfernen</source>
        <translation>Vom Grundriss entfernen</translation>
    </message>
    <message id="854">
        <source>%1 Zeilen des Grundrisses wurden übersprungen (außerhalb des Bildes, doppelt, Adresse über 63 oder ohne Grundriss).</source>
        <translation>%1 Zeilen des Grundrisses wurden übersprungen (außerhalb des Bildes, doppelt, Adresse über 63 oder ohne Grundriss).</translation>
    </message>
    <message id="855">
        <source>Die Datei ist kein lesbares Bild: %1</source>
        <translation>Die Datei ist kein lesbares Bild: %1</translation>
    </message>
    <message id="856">
        <source>Das Bild ist zu groß (mehr als 100 Megapixel): %1</source>
        <translation>Das Bild ist zu groß (mehr als 100 Megapixel): %1</translation>
    </message>
    <message id="857">
        <source>Diese Grundrisse können nicht gelesen werden; ihre Markierungen bleiben erhalten:</source>
        <translation>Diese Grundrisse können nicht gelesen werden; ihre Markierungen bleiben erhalten:</translation>
    </message>
    <message id="858">
        <source>Grundriss: %1</source>
        <translation>Grundriss: %1</translation>
    </message>
    <message id="859">
        <source>Bilder (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message id="870">
        <source>Speicherbänke…</source>
        <translation>Speicherbänke…</translation>
    </message>
    <message id="871">
        <source>Speicherbänke</source>
        <translation>Speicherbänke</translation>
    </message>
    <message id="872">
        <source>Speicherbank</source>
        <translation>Speicherbank</translation>
    </message>
    <message id="873">
        <source>Stelle</source>
        <translation>Stelle</translation>
    </message>
    <message id="874">
        <source>Bedeutung</source>
        <translation>Bedeutung</translation>
    </message>
    <message id="875">
        <source>Schreiben…</source>
        <translation>Schreiben…</translation>
    </message>
    <message id="876">
        <source>Letzte Speicherstelle</source>
        <translation>Letzte Speicherstelle</translation>
    </message>
    <message id="877">
        <source>Sperrbyte</source>
        <translation>Sperrbyte</translation>
    </message>
    <message id="878">
        <source>%1 (Skalierung)</source>
        <translation>%1 (Skalierung)</translation>
    </message>
    <message id="879">
        <source>%1 (Zähler)</source>
        <translation>%1 (Zähler)</translation>
    </message>
    <message id="880">
        <source>Gerät %1, Speicherbank %2: Stelle 0x%3 auf 0x%4 setzen? Das Gerät speichert den Wert sofort.</source>
        <translation>Gerät %1, Speicherbank %2: Stelle 0x%3 auf 0x%4 setzen? Das Gerät speichert den Wert sofort.</translation>
    </message>
    <message id="881">
        <source>Speicherbank %1 ist bei diesem Gerät nicht vorhanden.</source>
        <translation>Speicherbank %1 ist bei diesem Gerät nicht vorhanden.</translation>
    </message>
    <message id="882">
        <source>Geschrieben und zurückgelesen: Stelle 0x%1 enthält 0x%2.</source>
        <translation>Geschrieben und zurückgelesen: Stelle 0x%1 enthält 0x%2.</translation>
    </message>
    <message id="883">
        <source>Diese Stelle ist nicht beschreibbar (Speicherbank 0, zählende Speicherbänke, Stellen 0 bis 2). Es wurde nichts gesendet.</source>
        <translation>Diese Stelle ist nicht beschreibbar (Speicherbank 0, zählende Speicherbänke, Stellen 0 bis 2). Es wurde nichts gesendet.</translation>
    </message>
    <message id="884">
        <source>Die Stelle liegt hinter der letzten Stelle der Speicherbank. Es wurde nichts geschrieben.</source>
        <translation>Die Stelle liegt hinter der letzten Stelle der Speicherbank. Es wurde nichts geschrieben.</translation>
    </message>
    <message id="885">
        <source>Die Speicherbank ist gesperrt: das Gerät hat den Wert nicht angenommen.</source>
        <translation>Die Speicherbank ist gesperrt: das Gerät hat den Wert nicht angenommen.</translation>
    </message>
    <message id="886">
        <source>Das Gerät hat den Wert nicht angenommen: die Stelle ist nur lesbar.</source>
        <translation>Das Gerät hat den Wert nicht angenommen: die Stelle ist nur lesbar.</translation>
    </message>
    <message id="887">
        <source>Der Wert stimmt nicht: gesendet 0x%1, Antwort %2, zurückgelesen %3.</source>
        <translation>Der Wert stimmt nicht: gesendet 0x%1, Antwort %2, zurückgelesen %3.</translation>
    </message>
    <message id="888">
        <source>Die Stelle gab beim Zurücklesen keine Antwort; ob der Wert gespeichert ist, ist unklar.</source>
        <translation>Die Stelle gab beim Zurücklesen keine Antwort; ob der Wert gespeichert ist, ist unklar.</translation>
    </message>
    <message id="889">
        <source>Die Übertragung ist fehlgeschlagen; ob der Wert gespeichert ist, ist unklar.</source>
        <translation>Die Übertragung ist fehlgeschlagen; ob der Wert gespeichert ist, ist unklar.</translation>
    </message>
    <message id="890">
        <source>Letzte Speicherbank</source>
        <translation>Letzte Speicherbank</translation>
    </message>
    <message id="891">
        <source>Hardware-Version</source>
        <translation>Hardware-Version</translation>
    </message>
    <message id="892">
        <source>Version 101 (System)</source>
        <translation>Version 101 (System)</translation>
    </message>
    <message id="893">
        <source>Version 102 (Betriebsgeräte)</source>
        <translation>Version 102 (Betriebsgeräte)</translation>
    </message>
    <message id="894">
        <source>Version 103 (Eingabegeräte)</source>
        <translation>Version 103 (Eingabegeräte)</translation>
    </message>
    <message id="895">
        <source>Logische Eingabegeräte</source>
        <translation>Logische Eingabegeräte</translation>
    </message>
    <message id="896">
        <source>Logische Betriebsgeräte</source>
        <translation>Logische Betriebsgeräte</translation>
    </message>
    <message id="897">
        <source>Index dieses Betriebsgeräts</source>
        <translation>Index dieses Betriebsgeräts</translation>
    </message>
    <message id="898">
        <source>Die Übertragung ist fehlgeschlagen; die Speicherbank wurde nicht gelesen.</source>
        <translation>Die Übertragung ist fehlgeschlagen; die Speicherbank wurde nicht gelesen.</translation>
    </message>
    <message id="57344">
        <source>Orvent Kelvane</source>
        <translation>Orvent Kelvane</translation>
    </message>
</context>
</TS>
