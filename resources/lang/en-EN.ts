<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name></name>
    <message id="101">
        <source>DALI Gerät</source>
        <translation>DALI device</translation>
    </message>
    <message id="102">
        <source>Grundeinstellungen</source>
        <translation>Basic settings</translation>
    </message>
    <message id="103">
        <source>Szenen</source>
        <translation>Scenes</translation>
    </message>
    <message id="104">
        <source>Info / Status</source>
        <translation>Info / Status</translation>
    </message>
    <message id="105">
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message id="106">
        <source>Neu</source>
        <translation>New</translation>
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
        <translation>Set value as</translation>
    </message>
    <message id="110">
        <source>          </source>
        <translation>          </translation>
    </message>
    <message id="111">
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message id="113">
        <source>Gruppenzugehörigkeit</source>
        <translation>Group membership</translation>
    </message>
    <message id="114">
        <source>Dimmkurve</source>
        <translation>Dimming curve</translation>
    </message>
    <message id="115">
        <source>Alle auswählen</source>
        <translation>Select all</translation>
    </message>
    <message id="116">
        <source>Nichts auswählen</source>
        <translation>Select none</translation>
    </message>
    <message id="117">
        <source>Adresse entfernen</source>
        <translation>Remove address</translation>
    </message>
    <message id="118">
        <source>Werkseinstellungen</source>
        <translation>Factory settings</translation>
    </message>
    <message id="119">
        <source>Identifizieren</source>
        <translation>Identify</translation>
    </message>
    <message id="122">
        <source>Logaritmisch</source>
        <translation>Logarithmic</translation>
    </message>
    <message id="127">
        <source>Gruppen (hinzufügen / entfernen)</source>
        <translation>Groups (add / remove)</translation>
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
        <translation>Scene 0</translation>
    </message>
    <message id="130">
        <source>Szene 1</source>
        <translation>Scene 1</translation>
    </message>
    <message id="131">
        <source>Szene 2</source>
        <translation>Scene 2</translation>
    </message>
    <message id="132">
        <source>Szene 3</source>
        <translation>Scene 3</translation>
    </message>
    <message id="133">
        <source>Szene 4</source>
        <translation>Scene 4</translation>
    </message>
    <message id="134">
        <source>Szene 5</source>
        <translation>Scene 5</translation>
    </message>
    <message id="135">
        <source>Szene 6</source>
        <translation>Scene 6</translation>
    </message>
    <message id="136">
        <source>Szene 7</source>
        <translation>Scene 7</translation>
    </message>
    <message id="137">
        <source>Szene 8</source>
        <translation>Scene 8</translation>
    </message>
    <message id="138">
        <source>Szene 9</source>
        <translation>Scene 9</translation>
    </message>
    <message id="139">
        <source>Szene 10</source>
        <translation>Scene 10</translation>
    </message>
    <message id="140">
        <source>Szene 11</source>
        <translation>Scene 11</translation>
    </message>
    <message id="141">
        <source>Szene 12</source>
        <translation>Scene 12</translation>
    </message>
    <message id="142">
        <source>Szene 13</source>
        <translation>Scene 13</translation>
    </message>
    <message id="143">
        <source>Szene 14</source>
        <translation>Scene 14</translation>
    </message>
    <message id="144">
        <source>Szene 15</source>
        <translation>Scene 15</translation>
    </message>
    <message id="145">
        <source>MASK wählen für entfernen</source>
        <translation>Choose MASK to remove</translation>
    </message>
    <message id="146">
        <source>ACTUAL level für Szene setzten</source>
        <translation>Set ACTUAL level for scene</translation>
    </message>
    <message id="147">
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message id="149">
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message id="150">
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message id="152">
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message id="153">
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message id="154">
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message id="155">
        <source>Zurücksetzten</source>
        <translation>Reset</translation>
    </message>
    <message id="156">
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message id="157">
        <source>Automatisch verbinden</source>
        <translation>Connect automatically</translation>
    </message>
    <message id="163">
        <source>Es wurde Änderungen vorgenommen. Wollen Sie trotzdem fortfahren?</source>
        <translation>Changes have been made. Do you want to continue anyway?</translation>
    </message>
    <message id="168">
        <source>Szene</source>
        <translation>Scene</translation>
    </message>
    <message id="171">
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message id="173">
        <source>Wählen Sie eine Szene aus, um diese zu ändern.</source>
        <translation>Choose a scene to change it.</translation>
    </message>
    <message id="174">
        <source>Szenenübersicht</source>
        <translation>Scene overview</translation>
    </message>
    <message id="176">
        <source>Guppenübersicht</source>
        <translation>Group overview</translation>
    </message>
    <message id="177">
        <source>Lese Daten</source>
        <translation>Reading data</translation>
    </message>
    <message id="179">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="180">
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message id="181">
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message id="182">
        <source>Daten schreiben</source>
        <translation>Writing data</translation>
    </message>
    <message id="186">
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message id="188">
        <source>Bitte warten, bis die Daten gelesen wurden.</source>
        <translation>Please wait until the data have been read.</translation>
    </message>
    <message id="189">
        <source>Suche nach Geräten</source>
        <translation>Search for devices</translation>
    </message>
    <message id="190">
        <source>Wollen Sie nach vorhandenen / adressierten DALI-Geräten suchen?</source>
        <translation>Do you want to search for existing / addressed DALI devices?</translation>
    </message>
    <message id="191">
        <source>Keine DALI-Master</source>
        <translation>No DALI master</translation>
    </message>
    <message id="192">
        <source>Es wurden keine Quorrel gefunden.
Bitte prüfen Sie die USB-Verbindung und versuchen Sie es erneut.</source>
        <translation>No Quorrel interface was found.
Please check the USB connection and try again.</translation>
    </message>
    <message id="197">
        <source>Es wurden kein DALI Gerät gefunden.</source>
        <translation>No DALI device was found.</translation>
    </message>
    <message id="198">
        <source>Keine DALI-Geräte</source>
        <translation>No DALI devices</translation>
    </message>
    <message id="199">
        <source>Bitte warten, bis die Suche beendet wurde.</source>
        <translation>Please wait until the search has finished.</translation>
    </message>
    <message id="206">
        <source>Bitte warten, bis alle Daten geschrieben wurden</source>
        <translation>Please wait until all data have been written</translation>
    </message>
    <message id="207">
        <source>Geräteübersicht</source>
        <translation>Device overview</translation>
    </message>
    <message id="222">
        <source>Möchten Sie das aktuelle Projekt abspeichern?</source>
        <translation>Do you want to save the current project?</translation>
    </message>
    <message id="223">
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message id="224">
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message id="225">
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message id="226">
        <source>Gruppenübersicht</source>
        <translation>Group overview</translation>
    </message>
    <message id="227">
        <source>Szenenübersicht</source>
        <translation>Scene overview</translation>
    </message>
    <message id="228">
        <source>Geräte adressieren</source>
        <translation>Address devices</translation>
    </message>
    <message id="229">
        <source>Programmeinstellungen</source>
        <translation>Program settings</translation>
    </message>
    <message id="230">
        <source>Geräteanzahl</source>
        <translation>Number of devices</translation>
    </message>
    <message id="231">
        <source>Bitte wählen Sie nur ein einzelnes DALI-Gerät aus.</source>
        <translation>Please select one single DALI device only.</translation>
    </message>
    <message id="232">
        <source>Extras</source>
        <translation>Tools</translation>
    </message>
    <message id="239">
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message id="240">
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message id="241">
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message id="242">
        <source>OFFLINE</source>
        <translation>OFFLINE</translation>
    </message>
    <message id="243">
        <source>Offline Modus</source>
        <translation>Offline mode</translation>
    </message>
    <message id="244">
        <source>Sie befinden sich im Offline Modus. Sie können die Daten nur betrachten.</source>
        <translation>You are in offline mode. You can only view the data.</translation>
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
        <translation>You are in offline mode. The project will be closed and a connection will be established.</translation>
    </message>
    <message id="249">
        <source>Busfehler</source>
        <translation>Bus error</translation>
    </message>
    <message id="250">
        <source>Es ist ein Fehler auf dem DALI Bus aufgetreten. Bitte überprüfen Sie den DALI-Bus.</source>
        <translation>An error has occurred on the DALI bus. Please check the DALI bus.</translation>
    </message>
    <message id="251">
        <source>Bus belegt</source>
        <translation>Bus busy</translation>
    </message>
    <message id="252">
        <source>Der DALI Bus ist aktuell belegt / benutzt. Bitte versuchen Sie es später noch einmal.</source>
        <translation>The DALI bus is busy / in use at the moment. Please try again later.</translation>
    </message>
    <message id="253">
        <source>Fortfahren</source>
        <translation>Continue</translation>
    </message>
    <message id="255">
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message id="258">
        <source>DALI Gruppen</source>
        <translation>DALI groups</translation>
    </message>
    <message id="259">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="261">
        <source>Gerät %d</source>
        <translation>Device %d</translation>
    </message>
    <message id="262">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="263">
        <source>Es wurden keine DALI-Geräte gefunden.
Soll das Programm im Offlinemodus fortgesetzt werden?</source>
        <translation>No DALI devices were found.
Do you want to continue in offline mode?</translation>
    </message>
    <message id="265">
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message id="266">
        <source>Die gefundenen DALI Adressen entsprechen nicht denen in der Projektdatei. Der Vorgang wird abgebrochen.</source>
        <translation>The DALI addresses found do not match those in the project file. The operation is cancelled.</translation>
    </message>
    <message id="267">
        <source>Die angezeigten Werte entspechen denen der Projektdaten, nicht denen, die wirklich im Geräte vorhanden sind.</source>
        <translation>The values shown are those of the project data, not those actually stored in the devices.</translation>
    </message>
    <message id="268">
        <source>Die Gerätedaten wurden erfolgreiche gespeichert.</source>
        <translation>The device data have been saved successfully.</translation>
    </message>
    <message id="269">
        <source>Bezeichnung</source>
        <translation>Description</translation>
    </message>
    <message id="270">
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message id="271">
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message id="272">
        <source>In Szene hinterlegen</source>
        <translation>Store in scene</translation>
    </message>
    <message id="273">
        <source>Bus zurücksetzten</source>
        <translation>Reset bus</translation>
    </message>
    <message id="274">
        <source>Identify device</source>
        <translation>Identify device</translation>
    </message>
    <message id="275">
        <source>Alle Geräte Aus</source>
        <translation>All devices off</translation>
    </message>
    <message id="278">
        <source>Alle Gruppen entfernen</source>
        <translation>Remove all groups</translation>
    </message>
    <message id="280">
        <source>Alle Szenen entfernen</source>
        <translation>Remove all scenes</translation>
    </message>
    <message id="281">
        <source>
Neues Projekt</source>
        <translation>
New project</translation>
    </message>
    <message id="282">
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message id="283">
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message id="284">
        <source>Geräte Suchen</source>
        <translation>Search devices</translation>
    </message>
    <message id="285">
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message id="286">
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message id="287">
        <source>Auslesen</source>
        <translation>Read</translation>
    </message>
    <message id="288">
        <source>Gruppenübersicht</source>
        <translation>Group overview</translation>
    </message>
    <message id="289">
        <source>Szenenübersicht</source>
        <translation>Scene overview</translation>
    </message>
    <message id="290">
        <source>Adressierung</source>
        <translation>Addressing</translation>
    </message>
    <message id="291">
        <source>Gerätedaten speichern</source>
        <translation>Save device data</translation>
    </message>
    <message id="292">
        <source>Gerätedaten laden</source>
        <translation>Load device data</translation>
    </message>
    <message id="293">
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message id="294">
        <source>Alle Geräte auslesen</source>
        <translation>Read all devices</translation>
    </message>
    <message id="295">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="296">
        <source>Quorrel Seriennummer</source>
        <translation>Quorrel serial number</translation>
    </message>
    <message id="297">
        <source>Gewähltes Gerät</source>
        <translation>Selected device</translation>
    </message>
    <message id="298">
        <source>Anzahl an Geräten</source>
        <translation>Number of devices</translation>
    </message>
    <message id="301">
        <source>Sende Daten an Gerät %d von %d</source>
        <translation>Sending data to device %d of %d</translation>
    </message>
    <message id="302">
        <source>Selektieren</source>
        <translation>Select</translation>
    </message>
    <message id="304">
        <source>Nachfrage bei Adressänderung?</source>
        <translation>Ask before changing an address?</translation>
    </message>
    <message id="305">
        <source>Standardmäßig identifizieren</source>
        <translation>Identify by default</translation>
    </message>
    <message id="306">
        <source>Aufrufen</source>
        <translation>Recall</translation>
    </message>
    <message id="308">
        <source>Test Broadcast</source>
        <translation>Broadcast test</translation>
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
        <translation>Status: control gear</translation>
    </message>
    <message id="314">
        <source>Status: Lampenfehler</source>
        <translation>Status: lamp failure</translation>
    </message>
    <message id="315">
        <source>Status: Lampenleistung ein</source>
        <translation>Status: lamp power on</translation>
    </message>
    <message id="316">
        <source>Status: Grenzwertfehler</source>
        <translation>Status: limit error</translation>
    </message>
    <message id="317">
        <source>Status: Überblendvorgang</source>
        <translation>Status: fade running</translation>
    </message>
    <message id="318">
        <source>Status: RESET STATE</source>
        <translation>Status: RESET STATE</translation>
    </message>
    <message id="319">
        <source>Status: Kurzadresse fehlt</source>
        <translation>Status: short address missing</translation>
    </message>
    <message id="320">
        <source>Status: POWER FAILURE</source>
        <translation>Status: POWER FAILURE</translation>
    </message>
    <message id="321">
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message id="322">
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message id="323">
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message id="324">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="325">
        <source>An</source>
        <translation>On</translation>
    </message>
    <message id="326">
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message id="344">
        <source>Sollen die geladenen Einstellungen übertragen werden?</source>
        <translation>Do you want to send the loaded settings to the devices?</translation>
    </message>
    <message id="401">
        <source>Wollen Sie den kompletten DALI-Bus zurücksetzten?
Alle Einstellungen gehen verloren.</source>
        <translation>Do you want to reset the entire DALI bus?
All settings will be lost.</translation>
    </message>
    <message id="402">
        <source>Änderungen nicht übertragen</source>
        <translation>Changes not sent</translation>
    </message>
    <message id="403">
        <source>Es wurden Einstellungen vorgenommen, aber nicht übertragen.</source>
        <translation>Settings have been changed but not sent.</translation>
    </message>
    <message id="404">
        <source>Adresse ändern</source>
        <translation>Change address</translation>
    </message>
    <message id="405">
        <source>Soll die Adresse wirklich geändert werden?</source>
        <translation>Do you really want to change the address?</translation>
    </message>
    <message id="406">
        <source>Nicht mehr anzeigen</source>
        <translation>Do not show again</translation>
    </message>
    <message id="407">
        <source>Keine freie Adress zum wechseln. Die Zieladresse wird entfernt und nach der Umadressierung wieder hinzugefügt.</source>
        <translation>No free address for the exchange. The target address will be removed and assigned again after the readdressing.</translation>
    </message>
    <message id="408">
        <source>Achtung: Alle ausgewählten Daten werden für alle ausgewählten Geräte überschrieben.</source>
        <translation>Attention: all selected data will be overwritten in all selected devices.</translation>
    </message>
    <message id="409">
        <source>Auslesen</source>
        <translation>Read devices</translation>
    </message>
    <message id="410">
        <source>Sollen alle DALI Geräte ausgelesen werden?
Dieser Vorgang kann einige Zeit in Anspruch nehmen.</source>
        <translation>Do you want to read all DALI devices?
This may take some time.</translation>
    </message>
    <message id="411">
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message id="412">
        <source>Sollen alle Gruppen aller Geräte entfernt werden?</source>
        <translation>Do you want to remove all devices from all groups?</translation>
    </message>
    <message id="413">
        <source>Sollen alle Szene entfernt werden?</source>
        <translation>Do you want to remove all scenes?</translation>
    </message>
    <message id="414">
        <source>DALI-Gerät entfernen</source>
        <translation>Remove DALI device</translation>
    </message>
    <message id="415">
        <source>Soll die Adresse vom gewählten DALI-Gerät entfernt werden? Die Einstellungen bleiben erhalten.</source>
        <translation>Do you want to remove the address of the selected DALI device? Its settings are kept.</translation>
    </message>
    <message id="416">
        <source>DALI-Geräte zurücksetzten</source>
        <translation>Reset DALI devices</translation>
    </message>
    <message id="417">
        <source>Das DALI-Gerät wird auf seine Werkseinstellungen zurückgesetzt. Die vergebene Adresse bleibt bestehen.</source>
        <translation>The DALI device will be reset to its factory settings. Its short address is kept.</translation>
    </message>
    <message id="418">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="419">
        <source>Der Befehl wurde erfolgreich ausgefüht.</source>
        <translation>The command was carried out successfully.</translation>
    </message>
    <message id="420">
        <source>Es ist ein Fehler aufgetreten.</source>
        <translation>An error has occurred.</translation>
    </message>
    <message id="421">
        <source>Es wurde kein Gerät ausgewählt.</source>
        <translation>No device has been selected.</translation>
    </message>
    <message id="422">
        <source>Die Adressierung wurde beendet.</source>
        <translation>Addressing has finished.</translation>
    </message>
    <message id="423">
        <source>Bitte Warten</source>
        <translation>Please wait</translation>
    </message>
    <message id="424">
        <source>Bitte Warten bis der Vorgang angeschlossen ist.</source>
        <translation>Please wait until the operation has finished.</translation>
    </message>
    <message id="425">
        <source>Identifizieren</source>
        <translation>Identifying</translation>
    </message>
    <message id="426">
        <source>Das gewählte DALI-Gerät sollte jetzt blinken.</source>
        <translation>The selected DALI device should be flashing now.</translation>
    </message>
    <message id="427">
        <source>Adressierung</source>
        <translation>Addressing</translation>
    </message>
    <message id="428">
        <source>DALI-Geräte zur Installation hinzufügen oder alle Geräte neu adressieren.</source>
        <translation>Add DALI devices to the installation or readdress all devices.</translation>
    </message>
    <message id="429">
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message id="430">
        <source>Neu adressieren</source>
        <translation>Readdress all</translation>
    </message>
    <message id="431">
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message id="432">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="433">
        <source>Modus: "Physical select" benutzen</source>
        <translation>Mode: use "Physical select"</translation>
    </message>
    <message id="434">
        <source>Visuelle Bestätigung aktivieren</source>
        <translation>Enable visual confirmation</translation>
    </message>
    <message id="435">
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message id="436">
        <source>Soll die Adressierung gestartet werden?</source>
        <translation>Do you want to start the addressing?</translation>
    </message>
    <message id="437">
        <source>Soll die Adressierung unterbrochen werden?</source>
        <translation>Do you want to interrupt the addressing?</translation>
    </message>
    <message id="438">
        <source>Suche nach freien Adressen...</source>
        <translation>Searching for free addresses...</translation>
    </message>
    <message id="439">
        <source>Adressierung läuft....</source>
        <translation>Addressing in progress....</translation>
    </message>
    <message id="440">
        <source>Taste "Physical Select" auf dem Gerät betätigen...</source>
        <translation>Press the "Physical Select" key on the device...</translation>
    </message>
    <message id="441">
        <source>Adresse:</source>
        <translation>Address:</translation>
    </message>
    <message id="443">
        <source>Auf mindestens einer Adresse antworten mehrere Geräte unterschiedlich. Bitte adressieren Sie die Geräte neu.</source>
        <translation>Several devices answer differently on at least one address. Please readdress the devices.</translation>
    </message>
    <message id="444">
        <source>Keine freie Adresse mehr. Die übrigen Geräte wurden nicht adressiert.</source>
        <translation>No free address left. The remaining devices were not addressed.</translation>
    </message>
    <message id="445">
        <source>Das Gerät der Zieladresse wurde nicht wiedergefunden und hat jetzt keine Adresse. Bitte fügen Sie es mit dem Adressierungsassistenten (Modus "Hinzufügen") wieder hinzu.</source>
        <translation>The device of the target address was not found again and now has no address. Please add it again with the addressing assistant (mode "Add").</translation>
    </message>
    <message id="446">
        <source>Die Datei konnte nicht gespeichert werden.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message id="447">
        <source>Bericht erstellen…</source>
        <translation>Create report…</translation>
    </message>
    <message id="448">
        <source>Als CSV exportieren…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message id="449">
        <source>Mehrere Geräte haben dieselbe Zufallsadresse und konnten nicht getrennt werden. Sie bleiben ohne Adresse.</source>
        <translation>Several devices share one random address and could not be told apart. They remain without an address.</translation>
    </message>
    <message id="450">
        <source>Adresse %d: mehrere Geräte antworten. Die Adresse wird nicht vergeben.</source>
        <translation>Address %d: several devices answer. The address is not given out.</translation>
    </message>
    <message id="451">
        <source>Mehrere Geräte ausgewählt. Bitte nur die Taste eines Gerätes betätigen.</source>
        <translation>Several devices selected. Please press the key of one device only.</translation>
    </message>
    <message id="452">
        <source>Die Adresse konnte nicht geändert werden: ein Befehl kam nicht am Bus an. Die Matrix zeigt, wo die Geräte jetzt sind.</source>
        <translation>The address could not be changed: a command did not reach the bus. The matrix shows where the devices are now.</translation>
    </message>
    <message id="453">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="459">
        <source>Die Gerätedatei konnte nicht gelesen werden.</source>
        <translation>The device file could not be read.</translation>
    </message>
    <message id="460">
        <source>Anlage prüfen</source>
        <translation>Check installation</translation>
    </message>
    <message id="461">
        <source>Bitte warten, bis der Bus mit dem Projekt verglichen wurde.</source>
        <translation>Please wait while the bus is compared with the project.</translation>
    </message>
    <message id="462">
        <source>Fehlt: im Projekt, antwortet nicht</source>
        <translation>Missing: in the project, does not answer</translation>
    </message>
    <message id="463">
        <source>Unerwartet: antwortet, nicht im Projekt</source>
        <translation>Unexpected: answers, not in the project</translation>
    </message>
    <message id="464">
        <source>Mehrere Geräte auf dieser Adresse</source>
        <translation>Several gear on this address</translation>
    </message>
    <message id="465">
        <source>Mindestens ein Gerät ohne Kurzadresse</source>
        <translation>At least one gear without a short address</translation>
    </message>
    <message id="466">
        <source>Mehrere Geräte ohne Kurzadresse</source>
        <translation>Several gear without a short address</translation>
    </message>
    <message id="467">
        <source>Status: Betriebsgerätefehler</source>
        <translation>Status: control gear failure</translation>
    </message>
    <message id="468">
        <source>Wert weicht ab</source>
        <translation>Value differs</translation>
    </message>
    <message id="469">
        <source>Keine klare Antwort</source>
        <translation>No clear answer</translation>
    </message>
    <message id="470">
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message id="471">
        <source>Befund</source>
        <translation>Finding</translation>
    </message>
    <message id="472">
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message id="473">
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message id="474">
        <source>Gerät auswählen</source>
        <translation>Select gear</translation>
    </message>
    <message id="475">
        <source>Projektwerte senden</source>
        <translation>Send project values</translation>
    </message>
    <message id="476">
        <source>Austausch starten</source>
        <translation>Start replacement</translation>
    </message>
    <message id="478">
        <source>Keine Abweichungen: die Anlage entspricht dem Projekt.</source>
        <translation>No differences: the installation matches the project.</translation>
    </message>
    <message id="479">
        <source>Die Prüfung wurde nicht beendet: die Liste ist unvollständig.</source>
        <translation>The check did not finish: the list is incomplete.</translation>
    </message>
    <message id="480">
        <source>Gerät ersetzen</source>
        <translation>Replace device</translation>
    </message>
    <message id="481">
        <source>Zum Ersetzen eines Gerätes muss ein Projekt mit Geräten geöffnet sein.</source>
        <translation>To replace a device, a project with devices must be open.</translation>
    </message>
    <message id="482">
        <source>Alle Geräte des Projekts antworten. Es fehlt kein Gerät.</source>
        <translation>All devices of the project answer. No device is missing.</translation>
    </message>
    <message id="483">
        <source>Es wurde kein neues Gerät ohne Adresse gefunden.</source>
        <translation>No new device without an address was found.</translation>
    </message>
    <message id="484">
        <source>Soll das neue Gerät die Adresse %1 übernehmen? Es erhält alle Einstellungen dieser Adresse aus dem Projekt.</source>
        <translation>Shall the new device take address %1? It receives all settings of this address from the project.</translation>
    </message>
    <message id="485">
        <source>Fehlende und neue Geräte werden gesucht...</source>
        <translation>Searching for missing and new devices...</translation>
    </message>
    <message id="486">
        <source>Fehlende Adressen: %1, neue Geräte: %2. Wie sollen die neuen Geräte erkannt werden?</source>
        <translation>Missing addresses: %1, new devices: %2. How shall the new devices be identified?</translation>
    </message>
    <message id="487">
        <source>Taste "Physical Select" am Gerät betätigen</source>
        <translation>Press the "Physical Select" key on the device</translation>
    </message>
    <message id="488">
        <source>Gerät blinken lassen (Geräte ohne Taste)</source>
        <translation>Let the device flash (devices without a key)</translation>
    </message>
    <message id="489">
        <source>Taste "Physical Select" am neuen Gerät betätigen...</source>
        <translation>Press the "Physical Select" key on the new device...</translation>
    </message>
    <message id="490">
        <source>Welche Adresse soll das ausgewählte Gerät übernehmen?</source>
        <translation>Which address shall the selected device take?</translation>
    </message>
    <message id="491">
        <source>Ein neues Gerät blinkt jetzt. Welche Adresse soll es übernehmen?</source>
        <translation>A new device is flashing now. Which address shall it take?</translation>
    </message>
    <message id="492">
        <source>Überspringen</source>
        <translation>Skip</translation>
    </message>
    <message id="493">
        <source>Ergebnis:</source>
        <translation>Result:</translation>
    </message>
    <message id="494">
        <source>Adresse %1: ersetzt, Einstellungen geschrieben und bestätigt.</source>
        <translation>Address %1: replaced, settings written and confirmed.</translation>
    </message>
    <message id="495">
        <source>Adresse %1: ersetzt, aber das Gerät meldet andere Werte: %2</source>
        <translation>Address %1: replaced, but the device reports other values: %2</translation>
    </message>
    <message id="496">
        <source>Adresse %1: ein Gerät antwortet dort. Es wurde nichts geschrieben.</source>
        <translation>Address %1: a device answers there. Nothing was written.</translation>
    </message>
    <message id="497">
        <source>Adresse %1: das neue Gerät hat die Adresse nicht bestätigt. Es wurde nichts geschrieben.</source>
        <translation>Address %1: the new device did not confirm the address. Nothing was written.</translation>
    </message>
    <message id="498">
        <source>Adresse %1: nicht ersetzt.</source>
        <translation>Address %1: not replaced.</translation>
    </message>
    <message id="499">
        <source>%1: %2 statt %3</source>
        <translation>%1: %2 instead of %3</translation>
    </message>
    <message id="500">
        <source>Projektangaben…</source>
        <translation>Project details…</translation>
    </message>
    <message id="501">
        <source>Projekt:</source>
        <translation>Project:</translation>
    </message>
    <message id="502">
        <source>Standort:</source>
        <translation>Site:</translation>
    </message>
    <message id="503">
        <source>Errichter:</source>
        <translation>Installer:</translation>
    </message>
    <message id="504">
        <source>Notizen:</source>
        <translation>Notes:</translation>
    </message>
    <message id="505">
        <source>Projektangaben</source>
        <translation>Project details</translation>
    </message>
    <message id="520">
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message id="521">
        <source>Farbtyp:</source>
        <translation>Colour type:</translation>
    </message>
    <message id="522">
        <source>Farbtemperatur (Tc)</source>
        <translation>Colour temperature (Tc)</translation>
    </message>
    <message id="523">
        <source>RGBWAF, %1 Kanäle</source>
        <translation>RGBWAF, %1 channels</translation>
    </message>
    <message id="524">
        <source>Keine Farbsteuerung</source>
        <translation>No colour control</translation>
    </message>
    <message id="525">
        <source>Aktuelle Farbtemperatur:</source>
        <translation>Current colour temperature:</translation>
    </message>
    <message id="526">
        <source>%1 K (%2 mirek)</source>
        <translation>%1 K (%2 mirek)</translation>
    </message>
    <message id="527">
        <source>Farbtemperatur einstellen:</source>
        <translation>Set colour temperature:</translation>
    </message>
    <message id="528">
        <source>Kälteste:</source>
        <translation>Coolest:</translation>
    </message>
    <message id="529">
        <source>Wärmste:</source>
        <translation>Warmest:</translation>
    </message>
    <message id="530">
        <source>Physikalisch: %1 K bis %2 K</source>
        <translation>Physical: %1 K to %2 K</translation>
    </message>
    <message id="531">
        <source>Einschaltfarbe:</source>
        <translation>Power-on colour:</translation>
    </message>
    <message id="532">
        <source>Farbe bei Systemfehler:</source>
        <translation>System failure colour:</translation>
    </message>
    <message id="533">
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message id="534">
        <source>Kanäle:</source>
        <translation>Channels:</translation>
    </message>
    <message id="535">
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message id="536">
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message id="537">
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message id="538">
        <source>Weiß</source>
        <translation>White</translation>
    </message>
    <message id="539">
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message id="540">
        <source>Freie Farbe</source>
        <translation>Freecolour</translation>
    </message>
    <message id="541">
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message id="542">
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message id="543">
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message id="544">
        <source>Die Farbtemperaturgrenzen wurden nicht gesendet: die kälteste liegt über der wärmsten.</source>
        <translation>The colour temperature limits were not sent: the coolest is above the warmest.</translation>
    </message>
    <message id="545">
        <source>Einschalt- und Systemfehlerfarbe wurden nicht gesendet: die Pegel des Geräts sind nicht ausgelesen.</source>
        <translation>The power-on and system-failure colours were not sent: the gear's levels have not been read.</translation>
    </message>
    <message id="546">
        <source>Szenenfarben wurden nicht gesendet: die Szenenpegel sind nicht ausgelesen oder das Gerät gehört nicht zur Szene.</source>
        <translation>Scene colours were not sent: the scene levels have not been read or the gear is not in the scene.</translation>
    </message>
    <message id="547">
        <source>Nicht alle Farbbefehle wurden fehlerfrei übertragen.</source>
        <translation>Not all colour commands were transmitted without error.</translation>
    </message>
    <message id="548">
        <source>Farbtemperatur</source>
        <translation>Colour temperature</translation>
    </message>
    <message id="560">
        <source>Notlicht</source>
        <translation>Emergency</translation>
    </message>
    <message id="561">
        <source>Funktionstest</source>
        <translation>Function test</translation>
    </message>
    <message id="562">
        <source>Betriebsdauertest</source>
        <translation>Duration test</translation>
    </message>
    <message id="563">
        <source>bestanden</source>
        <translation>passed</translation>
    </message>
    <message id="564">
        <source>nicht bestanden</source>
        <translation>failed</translation>
    </message>
    <message id="565">
        <source>Zeit überschritten</source>
        <translation>timed out</translation>
    </message>
    <message id="566">
        <source>abgebrochen</source>
        <translation>cancelled</translation>
    </message>
    <message id="567">
        <source>Schaltungsfehler</source>
        <translation>circuit failure</translation>
    </message>
    <message id="568">
        <source>Batteriedauer zu kurz</source>
        <translation>battery duration too short</translation>
    </message>
    <message id="569">
        <source>Batteriefehler</source>
        <translation>battery failure</translation>
    </message>
    <message id="570">
        <source>Notlichtlampe defekt</source>
        <translation>emergency lamp failure</translation>
    </message>
    <message id="571">
        <source>Funktionstest zu lange verzögert</source>
        <translation>function test delayed too long</translation>
    </message>
    <message id="572">
        <source>Betriebsdauertest zu lange verzögert</source>
        <translation>duration test delayed too long</translation>
    </message>
    <message id="573">
        <source>Funktionstest fehlgeschlagen</source>
        <translation>function test failed</translation>
    </message>
    <message id="574">
        <source>Betriebsdauertest fehlgeschlagen</source>
        <translation>duration test failed</translation>
    </message>
    <message id="575">
        <source>gesperrt</source>
        <translation>inhibited</translation>
    </message>
    <message id="576">
        <source>Funktionstest erledigt</source>
        <translation>function test done</translation>
    </message>
    <message id="577">
        <source>Betriebsdauertest erledigt</source>
        <translation>duration test done</translation>
    </message>
    <message id="578">
        <source>Batterie voll geladen</source>
        <translation>battery fully charged</translation>
    </message>
    <message id="579">
        <source>Funktionstest ausstehend</source>
        <translation>function test pending</translation>
    </message>
    <message id="580">
        <source>Betriebsdauertest ausstehend</source>
        <translation>duration test pending</translation>
    </message>
    <message id="581">
        <source>Identifikation läuft</source>
        <translation>identification running</translation>
    </message>
    <message id="582">
        <source>physikalisch ausgewählt</source>
        <translation>physically selected</translation>
    </message>
    <message id="583">
        <source>Ruhezustand</source>
        <translation>rest mode</translation>
    </message>
    <message id="584">
        <source>Normalbetrieb</source>
        <translation>normal mode</translation>
    </message>
    <message id="585">
        <source>Notbetrieb</source>
        <translation>emergency mode</translation>
    </message>
    <message id="586">
        <source>verlängerter Notbetrieb</source>
        <translation>extended emergency mode</translation>
    </message>
    <message id="587">
        <source>Funktionstest läuft</source>
        <translation>function test running</translation>
    </message>
    <message id="588">
        <source>Betriebsdauertest läuft</source>
        <translation>duration test running</translation>
    </message>
    <message id="589">
        <source>festverdrahtete Sperre aktiv</source>
        <translation>hardwired inhibit active</translation>
    </message>
    <message id="590">
        <source>festverdrahtet eingeschaltet</source>
        <translation>hardwired switch on</translation>
    </message>
    <message id="591">
        <source>keine Fehler</source>
        <translation>no failures</translation>
    </message>
    <message id="592">
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message id="593">
        <source>Datum (UTC)</source>
        <translation>Date (UTC)</translation>
    </message>
    <message id="594">
        <source>Adresse</source>
        <translation>Address</translation>
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
        <translation>Result</translation>
    </message>
    <message id="598">
        <source>Fehler</source>
        <translation>Failures</translation>
    </message>
    <message id="599">
        <source>Erreichte Dauer (min)</source>
        <translation>Duration reached (min)</translation>
    </message>
    <message id="600">
        <source>Notlicht-Prüfbuch</source>
        <translation>Emergency test logbook</translation>
    </message>
    <message id="601">
        <source>Betriebsart:</source>
        <translation>Mode:</translation>
    </message>
    <message id="602">
        <source>Zustand:</source>
        <translation>Status:</translation>
    </message>
    <message id="603">
        <source>Batterie %1, Nenndauer %2 min, letzter Betriebsdauertest %3 min</source>
        <translation>Battery %1, rated duration %2 min, last duration test %3 min</translation>
    </message>
    <message id="604">
        <source>Lampe %1 h im Notbetrieb, %2 h insgesamt, Notlichtpegel %3</source>
        <translation>Lamp %1 h in emergency operation, %2 h in total, emergency level %3</translation>
    </message>
    <message id="605">
        <source>Funktionstest alle %1 Tage, Betriebsdauertest alle %2 Wochen</source>
        <translation>Function test every %1 days, duration test every %2 weeks</translation>
    </message>
    <message id="606">
        <source>Test stoppen</source>
        <translation>Stop test</translation>
    </message>
    <message id="607">
        <source>Sperren</source>
        <translation>Inhibit</translation>
    </message>
    <message id="608">
        <source>Wiederzünden</source>
        <translation>Re-light</translation>
    </message>
    <message id="609">
        <source>Identifizieren</source>
        <translation>Identify</translation>
    </message>
    <message id="610">
        <source>Kelvane – DALI-Anlagenbericht</source>
        <translation>Kelvane – DALI installation report</translation>
    </message>
    <message id="611">
        <source>Erstellt am %1</source>
        <translation>Made on %1</translation>
    </message>
    <message id="612">
        <source>Schnittstelle %1, Revision %2</source>
        <translation>Interface %1, revision %2</translation>
    </message>
    <message id="613">
        <source>Offline, Projektdatei %1</source>
        <translation>Offline, project file %1</translation>
    </message>
    <message id="614">
        <source>Geräte: %1</source>
        <translation>Gear: %1</translation>
    </message>
    <message id="615">
        <source>Gerätetyp %1: %2</source>
        <translation>Device type %1: %2</translation>
    </message>
    <message id="616">
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message id="617">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="618">
        <source>Gerätetyp</source>
        <translation>Device type</translation>
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
        <translation>Power-on level</translation>
    </message>
    <message id="622">
        <source>Systemfehlerwert</source>
        <translation>System failure level</translation>
    </message>
    <message id="623">
        <source>%1 in %</source>
        <translation>%1 in %</translation>
    </message>
    <message id="624">
        <source>Überblendzeit (s)</source>
        <translation>Fade time (s)</translation>
    </message>
    <message id="625">
        <source>Überblendrate (Schritte/s)</source>
        <translation>Fade rate (steps/s)</translation>
    </message>
    <message id="626">
        <source>Schnelle Überblendzeit (ms)</source>
        <translation>Fast fade time (ms)</translation>
    </message>
    <message id="627">
        <source>Geräte</source>
        <translation>Gear</translation>
    </message>
    <message id="628">
        <source>Gruppen</source>
        <translation>Groups</translation>
    </message>
    <message id="629">
        <source>Szenen</source>
        <translation>Scenes</translation>
    </message>
    <message id="630">
        <source>? = nicht ausgelesen</source>
        <translation>? = not read</translation>
    </message>
    <message id="631">
        <source>— = MASK (kein Wert)</source>
        <translation>— = MASK (no value)</translation>
    </message>
    <message id="632">
        <source>;</source>
        <translation>,</translation>
    </message>
    <message id="633">
        <source>,</source>
        <translation>.</translation>
    </message>
    <message id="634">
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message id="635">
        <source>Bericht erstellen</source>
        <translation>Create report</translation>
    </message>
    <message id="636">
        <source>Einige Geräte wurden noch nicht ausgelesen; der Bericht zeigt ihre Werte als „?“. Sollen zuerst alle Geräte ausgelesen werden?</source>
        <translation>Some gear have not been read yet; the report shows their values as “?”. Read all gear first?</translation>
    </message>
    <message id="637">
        <source>Farbgeräte</source>
        <translation>Colour gear</translation>
    </message>
    <message id="638">
        <source>Farbtyp</source>
        <translation>Colour type</translation>
    </message>
    <message id="639">
        <source>Aktuelle Farbe</source>
        <translation>Current colour</translation>
    </message>
    <message id="660">
        <source>Notlicht-Testlauf</source>
        <translation>Emergency test run</translation>
    </message>
    <message id="661">
        <source>Notlicht-Testlauf…</source>
        <translation>Emergency test run…</translation>
    </message>
    <message id="662">
        <source>Notlicht-Prüfbuch…</source>
        <translation>Emergency logbook…</translation>
    </message>
    <message id="663">
        <source>Das Notlichtgerät hat nicht wie erwartet geantwortet.</source>
        <translation>The emergency unit did not answer as expected.</translation>
    </message>
    <message id="664">
        <source>Bitte speichern Sie das Projekt zuerst: das Notlicht-Prüfbuch wird neben der Projektdatei geführt.</source>
        <translation>Please save the project first: the emergency logbook is kept beside the project file.</translation>
    </message>
    <message id="665">
        <source>Die Auswahl enthält keine Notlichtgeräte.</source>
        <translation>There are no emergency units in this choice.</translation>
    </message>
    <message id="666">
        <source>Die Notlichtgeräte werden nacheinander getestet.</source>
        <translation>The emergency units are tested one after the other.</translation>
    </message>
    <message id="667">
        <source>%d von %d Notlichtgeräten fertig</source>
        <translation>%d of %d emergency units done</translation>
    </message>
    <message id="668">
        <source>Ergebnisse (auch im Notlicht-Prüfbuch):</source>
        <translation>Results (also in the emergency logbook):</translation>
    </message>
    <message id="669">
        <source>Die Ergebnisse konnten nicht ins Notlicht-Prüfbuch geschrieben werden:</source>
        <translation>The results could not be written to the emergency logbook:</translation>
    </message>
    <message id="670">
        <source>Test:</source>
        <translation>Test:</translation>
    </message>
    <message id="671">
        <source>Geräte:</source>
        <translation>Units:</translation>
    </message>
    <message id="672">
        <source>Alle Notlichtgeräte</source>
        <translation>All emergency units</translation>
    </message>
    <message id="673">
        <source>Gruppe %1</source>
        <translation>Group %1</translation>
    </message>
    <message id="674">
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message id="675">
        <source>Das Notlicht-Prüfbuch konnte nicht gelesen werden:</source>
        <translation>The emergency logbook could not be read:</translation>
    </message>
    <message id="676">
        <source>%1 Einträge, %2 beschädigte Zeilen übersprungen</source>
        <translation>%1 entries, %2 damaged lines skipped</translation>
    </message>
    <message id="677">
        <source>Als CSV exportieren…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message id="678">
        <source>Als PDF drucken…</source>
        <translation>Print as PDF…</translation>
    </message>
    <message id="679">
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message id="700">
        <source>Kälteste</source>
        <translation>Coolest</translation>
    </message>
    <message id="701">
        <source>Wärmste</source>
        <translation>Warmest</translation>
    </message>
    <message id="702">
        <source>Physikalisch</source>
        <translation>Physical</translation>
    </message>
    <message id="703">
        <source>Einschaltfarbe</source>
        <translation>Power-on colour</translation>
    </message>
    <message id="704">
        <source>Farbe bei Systemfehler</source>
        <translation>System failure colour</translation>
    </message>
    <message id="705">
        <source>Notlicht: letzte Prüfungen</source>
        <translation>Emergency lighting: last tests</translation>
    </message>
    <message id="706">
        <source>Letzter Funktionstest (UTC)</source>
        <translation>Last function test (UTC)</translation>
    </message>
    <message id="707">
        <source>Letzter Betriebsdauertest (UTC)</source>
        <translation>Last duration test (UTC)</translation>
    </message>
    <message id="708">
        <source>nicht geprüft</source>
        <translation>not tested</translation>
    </message>
    <message id="709">
        <source>Das Prüfbuch kann nicht gelesen werden: %1</source>
        <translation>The logbook cannot be read: %1</translation>
    </message>
    <message id="710">
        <source>grünes Eckquadrat = Notlichtgerät (Gerätetyp 1)</source>
        <translation>green corner square = emergency luminaire (device type 1)</translation>
    </message>
    <message id="711">
        <source>Nächster Funktionstest in %1, nächster Betriebsdauertest in %2</source>
        <translation>Next function test in %1, next duration test in %2</translation>
    </message>
    <message id="712">
        <source>jetzt</source>
        <translation>now</translation>
    </message>
    <message id="713">
        <source>Adresse %1: ersetzt und beschrieben, aber das Gerät hat beim Zurücklesen nicht geantwortet. Seine Werte sind ungelesen.</source>
        <translation>Address %1: replaced and written, but the gear did not answer the read-back. Its values are unread.</translation>
    </message>
    <message id="714">
        <source>Diese benannten Geräte antworten nicht mehr. Ihre Namen bleiben bei ihren Adressen, solange das Projekt offen ist; eine Projektdatei enthält nur antwortende Geräte.</source>
        <translation>These named gear no longer answer. Their names stay with their addresses while the project is open; a project file holds answering gear only.</translation>
    </message>
    <message id="715">
        <source>Diese Geräte haben nicht auf jede Abfrage geantwortet. Was fehlt, ist in der Projektdatei als ungelesen vermerkt, nicht als Wert.</source>
        <translation>These gear did not answer every query. What is missing is marked unread in the project file, not saved as a value.</translation>
    </message>
    <message id="716">
        <source>Geprüft am %1</source>
        <translation>Checked on %1</translation>
    </message>
    <message id="717">
        <source>Veraltet: Die Anlage wurde seit dieser Prüfung geändert (Austausch, Adressänderung oder Suche). Bitte erneut prüfen.</source>
        <translation>Outdated: the installation changed after this check (replacement, address change or search). Please check again.</translation>
    </message>
    <message id="718">
        <source>verschoben: Akku wird geladen</source>
        <translation>postponed: battery charging</translation>
    </message>
    <message id="719">
        <source>verschoben: anderer Test läuft</source>
        <translation>postponed: another test running</translation>
    </message>
    <message id="720">
        <source>verschoben</source>
        <translation>postponed</translation>
    </message>
    <message id="721">
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message id="722">
        <source>Übergabe</source>
        <translation>Handover</translation>
    </message>
    <message id="723">
        <source>Datum: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message id="724">
        <source>Kunde:</source>
        <translation>Customer:</translation>
    </message>
    <message id="725">
        <source>Unterschrift</source>
        <translation>Signature</translation>
    </message>
    <message id="726">
        <source>keine (ungültig)</source>
        <translation>none (invalid)</translation>
    </message>
    <message id="727">
        <source>Adressen ohne klare Antwort (mehrere Geräte?): %1</source>
        <translation>Addresses without a clear answer (several gear?): %1</translation>
    </message>
    <message id="728">
        <source>kein automatischer Test</source>
        <translation>no automatic test</translation>
    </message>
    <message id="729">
        <source>Seriennummer</source>
        <translation>Serial number</translation>
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
        <translation>Gear identification (memory bank 0)</translation>
    </message>
    <message id="733">
        <source>Kälteste Farbtemperatur</source>
        <translation>Coolest colour temperature</translation>
    </message>
    <message id="734">
        <source>Wärmste Farbtemperatur</source>
        <translation>Warmest colour temperature</translation>
    </message>
    <message id="735">
        <source>Farbe von %1</source>
        <translation>Colour of %1</translation>
    </message>
    <message id="750">
        <source>Das Gerät hat die Farbtemperaturgrenzen nicht wie gesendet übernommen; angezeigt sind die Grenzen, die es meldet.</source>
        <translation>The device did not take the colour temperature limits as sent; the limits it reports are shown.</translation>
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
        <translation>Usage: kelvane-cli [--interface SERIAL] [--lang de-DE|en-EN] [--quiet] COMMAND ...
Commands:
  interfaces [--json]                   the attached interfaces: serial, product id, revision
  scan [--json]                         the short addresses that answer, device types, unclear addresses
  read [ADDR...] [--json]               the records of the gear (all present gear without ADDR)
  send ADDR ITEM=VALUE...               items: max, min, poweron, failure, fadetime, faderate,
                                        curve (log, linear), fastfade, groups (0,4 or none), scene0 ... scene15
  command ADDR off|max|min|identify|reset [--yes]
  apply PROJECT.prj [--yes]             the project onto the bus it was made from
  save PROJECT.prj                      every gear read, then written into the project
  check PROJECT.prj [--json | --csv]    the bus against the project
  report PROJECT.prj --pdf FILE [--csv FILE] [--offline]
                                        the installation report: every gear read, without an interface or
                                        with --offline from the project file
  address --new | --add [--yes] [--json]   random addresses for all gear, or for the new gear only
  emergency-test --function | --duration [--group N] PROJECT.prj [--json]
                                        the staggered test run, results into the project's logbook
Progress goes to standard error, results to standard output; Ctrl-C stops after the gear in progress.
Exit status: 0 done, 1 usage, 2 no or no single interface, 3 differences found, 4 bus error,
5 file error, 130 cancelled.</translation>
    </message>
    <message id="771">
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message id="772">
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message id="773">
        <source>Adresse nicht zwischen 0 und 63: %1</source>
        <translation>Address not between 0 and 63: %1</translation>
    </message>
    <message id="774">
        <source>Wert außerhalb des Bereichs: %1</source>
        <translation>Value out of range: %1</translation>
    </message>
    <message id="775">
        <source>Projektdatei nicht lesbar: %1</source>
        <translation>Project file cannot be read: %1</translation>
    </message>
    <message id="776">
        <source>Kein Interface angeschlossen.</source>
        <translation>No interface attached.</translation>
    </message>
    <message id="777">
        <source>Mehrere Interfaces angeschlossen (%1): eines mit --interface SERIENNUMMER wählen.</source>
        <translation>Several interfaces attached (%1): choose one with --interface SERIAL.</translation>
    </message>
    <message id="778">
        <source>Kein Interface mit der Seriennummer %1.</source>
        <translation>No interface with the serial number %1.</translation>
    </message>
    <message id="779">
        <source>Auf dem Interface %1 antwortet kein Bus-Baustein.</source>
        <translation>No bus chip answers on interface %1.</translation>
    </message>
    <message id="780">
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
    <message id="781">
        <source>Kein Gerät antwortet an Adresse %1.</source>
        <translation>No gear answers at address %1.</translation>
    </message>
    <message id="782">
        <source>Nicht ausgeführt: die Frage braucht --yes.</source>
        <translation>Not done: the question needs --yes.</translation>
    </message>
    <message id="784">
        <source>Datei nicht schreibbar: %1</source>
        <translation>File cannot be written: %1</translation>
    </message>
    <message id="785">
        <source>Argument fehlt: %1</source>
        <translation>Missing argument: %1</translation>
    </message>
    <message id="786">
        <source>Kein Befehl angegeben; kelvane-cli --help listet sie.</source>
        <translation>No command given; kelvane-cli --help lists them.</translation>
    </message>
    <message id="787">
        <source>Unbekannter Eintrag: %1</source>
        <translation>Unknown item: %1</translation>
    </message>
    <message id="788">
        <source>Zu viele Argumente: %1</source>
        <translation>Too many arguments: %1</translation>
    </message>
    <message id="789">
        <source>Unbekannter Gerätebefehl: %1 (off, max, min, identify, reset)</source>
        <translation>Unknown gear command: %1 (off, max, min, identify, reset)</translation>
    </message>
    <message id="790">
        <source>Leuchtendaten</source>
        <translation>Luminaire data</translation>
    </message>
    <message id="791">
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message id="792">
        <source>Zustand</source>
        <translation>Condition</translation>
    </message>
    <message id="793">
        <source>Wartung</source>
        <translation>Maintenance</translation>
    </message>
    <message id="794">
        <source>Speicherbank %1</source>
        <translation>Memory bank %1</translation>
    </message>
    <message id="795">
        <source>nicht vorhanden</source>
        <translation>not present</translation>
    </message>
    <message id="796">
        <source>nicht verfügbar</source>
        <translation>not available</translation>
    </message>
    <message id="797">
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message id="798">
        <source>Hersteller-GTIN der Leuchte</source>
        <translation>Luminaire manufacturer GTIN</translation>
    </message>
    <message id="799">
        <source>Leuchten-ID</source>
        <translation>Luminaire ID</translation>
    </message>
    <message id="800">
        <source>Herstellungsjahr</source>
        <translation>Year of manufacture</translation>
    </message>
    <message id="801">
        <source>Herstellungswoche</source>
        <translation>Week of manufacture</translation>
    </message>
    <message id="802">
        <source>Nennleistung</source>
        <translation>Nominal input power</translation>
    </message>
    <message id="803">
        <source>Leistung bei minimaler Dimmstufe</source>
        <translation>Power at minimum dim level</translation>
    </message>
    <message id="804">
        <source>Netzspannung min.</source>
        <translation>Mains voltage min.</translation>
    </message>
    <message id="805">
        <source>Netzspannung max.</source>
        <translation>Mains voltage max.</translation>
    </message>
    <message id="806">
        <source>Lichtstrom</source>
        <translation>Light output</translation>
    </message>
    <message id="807">
        <source>Farbwiedergabeindex (CRI)</source>
        <translation>Colour rendering index (CRI)</translation>
    </message>
    <message id="808">
        <source>Farbtemperatur</source>
        <translation>Colour temperature</translation>
    </message>
    <message id="809">
        <source>Lichtverteilung</source>
        <translation>Light distribution</translation>
    </message>
    <message id="810">
        <source>Leuchtenfarbe</source>
        <translation>Luminaire colour</translation>
    </message>
    <message id="811">
        <source>Leuchtenbezeichnung</source>
        <translation>Luminaire identification</translation>
    </message>
    <message id="812">
        <source>Wirkenergie</source>
        <translation>Active energy</translation>
    </message>
    <message id="813">
        <source>Wirkleistung</source>
        <translation>Active power</translation>
    </message>
    <message id="814">
        <source>Scheinenergie</source>
        <translation>Apparent energy</translation>
    </message>
    <message id="815">
        <source>Scheinleistung</source>
        <translation>Apparent power</translation>
    </message>
    <message id="816">
        <source>Wirkenergie lastseitig</source>
        <translation>Load-side active energy</translation>
    </message>
    <message id="817">
        <source>Wirkleistung lastseitig</source>
        <translation>Load-side active power</translation>
    </message>
    <message id="818">
        <source>Betriebsgerät: %1</source>
        <translation>Control gear: %1</translation>
    </message>
    <message id="819">
        <source>Lichtquelle: %1</source>
        <translation>Light source: %1</translation>
    </message>
    <message id="820">
        <source>Betriebszeit</source>
        <translation>Operating time</translation>
    </message>
    <message id="821">
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message id="822">
        <source>Versorgungsspannung</source>
        <translation>Supply voltage</translation>
    </message>
    <message id="823">
        <source>Netzfrequenz</source>
        <translation>Supply frequency</translation>
    </message>
    <message id="824">
        <source>Leistungsfaktor</source>
        <translation>Power factor</translation>
    </message>
    <message id="825">
        <source>Fehler gesamt</source>
        <translation>Overall failure</translation>
    </message>
    <message id="826">
        <source>Unterspannung</source>
        <translation>Undervoltage</translation>
    </message>
    <message id="827">
        <source>Überspannung</source>
        <translation>Overvoltage</translation>
    </message>
    <message id="828">
        <source>Leistungsbegrenzung</source>
        <translation>Power limitation</translation>
    </message>
    <message id="829">
        <source>Thermische Leistungsreduzierung</source>
        <translation>Thermal derating</translation>
    </message>
    <message id="830">
        <source>Thermische Abschaltung</source>
        <translation>Thermal shutdown</translation>
    </message>
    <message id="831">
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message id="832">
        <source>Ausgangsstrom</source>
        <translation>Output current</translation>
    </message>
    <message id="833">
        <source>Spannung</source>
        <translation>Voltage</translation>
    </message>
    <message id="834">
        <source>Strom</source>
        <translation>Current</translation>
    </message>
    <message id="835">
        <source>Kurzschluss</source>
        <translation>Short circuit</translation>
    </message>
    <message id="836">
        <source>Leerlauf</source>
        <translation>Open circuit</translation>
    </message>
    <message id="837">
        <source>Nennlebensdauer der Leuchte</source>
        <translation>Rated median useful life</translation>
    </message>
    <message id="838">
        <source>Referenztemperatur des Betriebsgeräts</source>
        <translation>Control gear reference temperature</translation>
    </message>
    <message id="839">
        <source>Nenn-Lichtquellenstarts</source>
        <translation>Rated light source starts</translation>
    </message>
    <message id="840">
        <source>ja, %1-mal</source>
        <translation>yes, %1 times</translation>
    </message>
    <message id="841">
        <source>nein, %1-mal</source>
        <translation>no, %1 times</translation>
    </message>
    <message id="842">
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message id="843">
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message id="844">
        <source>Typ %1</source>
        <translation>Type %1</translation>
    </message>
    <message id="845">
        <source>nicht angegeben</source>
        <translation>not specified</translation>
    </message>
    <message id="846">
        <source>nicht implementiert</source>
        <translation>not implemented</translation>
    </message>
    <message id="847">
        <source>Leuchtendaten und Betrieb</source>
        <translation>Luminaire data and operation</translation>
    </message>
    <message id="848">
        <source>%1-Wartung</source>
        <translation>%1-maintenance</translation>
    </message>
    <message id="850">
        <source>Grundriss</source>
        <translation>Floor plan</translation>
    </message>
    <message id="851">
        <source>Grundriss laden…</source>
        <translation>Load floor plan…</translation>
    </message>
    <message id="852">
        <source>Einpassen</source>
        <translation>Fit</translation>
    </message>
    <message id="853">
        <source>Vom Grundriss entfernen</source>
        <translation>Remove from the floor plan</translation>
    </message>
    <message id="854">
        <source>%1 Zeilen des Grundrisses wurden übersprungen (außerhalb des Bildes, doppelt, Adresse über 63 oder ohne Grundriss).</source>
        <translation>%1 floor plan lines were skipped (outside the image, duplicate, address above 63 or without a plan).</translation>
    </message>
    <message id="855">
        <source>Die Datei ist kein lesbares Bild: %1</source>
        <translation>The file is not a readable image: %1</translation>
    </message>
    <message id="856">
        <source>Das Bild ist zu groß (mehr als 100 Megapixel): %1</source>
        <translation>The image is too large (more than 100 megapixels): %1</translation>
    </message>
    <message id="857">
        <source>Diese Grundrisse können nicht gelesen werden; ihre Markierungen bleiben erhalten:</source>
        <translation>These floor plans cannot be read; their markers are kept:</translation>
    </message>
    <message id="858">
        <source>Grundriss: %1</source>
        <translation>Floor plan: %1</translation>
    </message>
    <message id="859">
        <source>Bilder (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message id="870">
        <source>Speicherbänke…</source>
        <translation>Memory banks…</translation>
    </message>
    <message id="871">
        <source>Speicherbänke</source>
        <translation>Memory banks</translation>
    </message>
    <message id="872">
        <source>Speicherbank</source>
        <translation>Memory bank</translation>
    </message>
    <message id="873">
        <source>Stelle</source>
        <translation>Location</translation>
    </message>
    <message id="874">
        <source>Bedeutung</source>
        <translation>Meaning</translation>
    </message>
    <message id="875">
        <source>Schreiben…</source>
        <translation>Write…</translation>
    </message>
    <message id="876">
        <source>Letzte Speicherstelle</source>
        <translation>Last accessible location</translation>
    </message>
    <message id="877">
        <source>Sperrbyte</source>
        <translation>Lock byte</translation>
    </message>
    <message id="878">
        <source>%1 (Skalierung)</source>
        <translation>%1 (scale)</translation>
    </message>
    <message id="879">
        <source>%1 (Zähler)</source>
        <translation>%1 (counter)</translation>
    </message>
    <message id="880">
        <source>Gerät %1, Speicherbank %2: Stelle 0x%3 auf 0x%4 setzen? Das Gerät speichert den Wert sofort.</source>
        <translation>Gear %1, memory bank %2: set location 0x%3 to 0x%4? The gear stores the value at once.</translation>
    </message>
    <message id="881">
        <source>Speicherbank %1 ist bei diesem Gerät nicht vorhanden.</source>
        <translation>This gear has no memory bank %1.</translation>
    </message>
    <message id="882">
        <source>Geschrieben und zurückgelesen: Stelle 0x%1 enthält 0x%2.</source>
        <translation>Written and read back: location 0x%1 holds 0x%2.</translation>
    </message>
    <message id="883">
        <source>Diese Stelle ist nicht beschreibbar (Speicherbank 0, zählende Speicherbänke, Stellen 0 bis 2). Es wurde nichts gesendet.</source>
        <translation>This location cannot be written (memory bank 0, counting memory banks, locations 0 to 2). Nothing was sent.</translation>
    </message>
    <message id="884">
        <source>Die Stelle liegt hinter der letzten Stelle der Speicherbank. Es wurde nichts geschrieben.</source>
        <translation>The location lies past the memory bank's last location. Nothing was written.</translation>
    </message>
    <message id="885">
        <source>Die Speicherbank ist gesperrt: das Gerät hat den Wert nicht angenommen.</source>
        <translation>The memory bank is locked: the gear did not take the value.</translation>
    </message>
    <message id="886">
        <source>Das Gerät hat den Wert nicht angenommen: die Stelle ist nur lesbar.</source>
        <translation>The gear did not take the value: the location is read-only.</translation>
    </message>
    <message id="887">
        <source>Der Wert stimmt nicht: gesendet 0x%1, Antwort %2, zurückgelesen %3.</source>
        <translation>The value does not match: sent 0x%1, answer %2, read back %3.</translation>
    </message>
    <message id="888">
        <source>Die Stelle gab beim Zurücklesen keine Antwort; ob der Wert gespeichert ist, ist unklar.</source>
        <translation>The location did not answer when read back; whether the value is stored is unclear.</translation>
    </message>
    <message id="889">
        <source>Die Übertragung ist fehlgeschlagen; ob der Wert gespeichert ist, ist unklar.</source>
        <translation>The transmission failed; whether the value is stored is unclear.</translation>
    </message>
    <message id="890">
        <source>Letzte Speicherbank</source>
        <translation>Last accessible memory bank</translation>
    </message>
    <message id="891">
        <source>Hardware-Version</source>
        <translation>Hardware version</translation>
    </message>
    <message id="892">
        <source>Version 101 (System)</source>
        <translation>Version 101 (system)</translation>
    </message>
    <message id="893">
        <source>Version 102 (Betriebsgeräte)</source>
        <translation>Version 102 (control gear)</translation>
    </message>
    <message id="894">
        <source>Version 103 (Eingabegeräte)</source>
        <translation>Version 103 (control devices)</translation>
    </message>
    <message id="895">
        <source>Logische Eingabegeräte</source>
        <translation>Logical control device units</translation>
    </message>
    <message id="896">
        <source>Logische Betriebsgeräte</source>
        <translation>Logical control gear units</translation>
    </message>
    <message id="897">
        <source>Index dieses Betriebsgeräts</source>
        <translation>Index of this control gear unit</translation>
    </message>
    <message id="898">
        <source>Die Übertragung ist fehlgeschlagen; die Speicherbank wurde nicht gelesen.</source>
        <translation>The transmission failed; the memory bank was not read.</translation>
    </message>
    <message id="57344">
        <source>Orvent Kelvane</source>
        <translation>Orvent Kelvane</translation>
    </message>
</context>
</TS>
