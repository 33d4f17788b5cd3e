<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Velka</source>
        <translation>Über Velka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>The logger&apos;s own limits</source>
        <translation>Eigene Grenzwerte des Loggers</translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 1</source>
        <translation>Transportindikator nach WHO PQS, Typ 1</translation>
    </message>
    <message>
        <source>WHO PQS shipping indicator, type 2</source>
        <translation>Transportindikator nach WHO PQS, Typ 2</translation>
    </message>
    <message>
        <source>USP controlled room temperature</source>
        <translation>Kontrollierte Raumtemperatur nach USP</translation>
    </message>
    <message>
        <source>%1 (ΔH %2)</source>
        <translation>%1 (ΔH %2)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>%1 in %2 event</source>
        <translation>%1 in %2 Ereignis</translation>
    </message>
    <message>
        <source>%1 in %2 events</source>
        <translation>%1 in %2 Ereignissen</translation>
    </message>
    <message>
        <source>Alarm: above %1 for %2 from %3</source>
        <translation>Alarm: über %1 für %2 ab %3</translation>
    </message>
    <message>
        <source>Alarm: below %1 for %2 from %3</source>
        <translation>Alarm: unter %1 für %2 ab %3</translation>
    </message>
    <message>
        <source>Alarm: MKT %1 above %2</source>
        <translation>Alarm: MKT %1 über %2</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>Kein Alarm</translation>
    </message>
    <message>
        <source>no alarm</source>
        <translation>kein Alarm</translation>
    </message>
    <message>
        <source>record shorter than 24 h</source>
        <translation>Aufzeichnung kürzer als 24 h</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>no delay</source>
        <translation>ohne Verzögerung</translation>
    </message>
    <message>
        <source>above</source>
        <translation>über</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unter</translation>
    </message>
    <message>
        <source>single event</source>
        <translation>Einzelereignis</translation>
    </message>
    <message>
        <source>cumulative</source>
        <translation>kumulativ</translation>
    </message>
    <message>
        <source>inclusive</source>
        <translation>einschließlich</translation>
    </message>
    <message>
        <source>strict</source>
        <translation>ausschließlich</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation>Alarmprofil</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Mean Kinetic Temperature</source>
        <translation>Mittlere kinetische Temperatur</translation>
    </message>
    <message>
        <source>Worst 24-hour MKT</source>
        <translation>Höchste 24-h-MKT</translation>
    </message>
    <message>
        <source>MKT Ceiling</source>
        <translation>MKT-Obergrenze</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1 (%2 samples, %3 apart)</source>
        <translation>%1 (%2 Messwerte im Abstand von %3)</translation>
    </message>
    <message>
        <source>Trip Length</source>
        <translation>Transportdauer</translation>
    </message>
    <message>
        <source>Highest Temperature</source>
        <translation>Höchsttemperatur</translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation>Tiefsttemperatur</translation>
    </message>
    <message>
        <source>The logger profile is this program&apos;s evaluation of the logger&apos;s limits and alarm delay; the logger&apos;s own alarm may differ.</source>
        <translation>Das Logger-Profil ist die Auswertung der Grenzwerte und der Alarmverzögerung des Loggers durch dieses Programm; der eigene Alarm des Loggers kann davon abweichen.</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Time Beyond</source>
        <translation>Zeit außerhalb</translation>
    </message>
    <message>
        <source>Longest Event</source>
        <translation>Längstes Ereignis</translation>
    </message>
    <message>
        <source>First Out</source>
        <translation>Erstmals außerhalb</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>This recording was changed after it was archived</source>
        <translation>Diese Aufzeichnung wurde nach der Archivierung verändert</translation>
    </message>
    <message>
        <source>the recording is in %1, but %2</source>
        <translation>die Aufzeichnung liegt in %1, aber %2</translation>
    </message>
    <message>
        <source>the archive folder %1 is in use by another program</source>
        <translation>der Archivordner %1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>the archive folder cannot be locked: %1</source>
        <translation>der Archivordner kann nicht gesperrt werden: %1</translation>
    </message>
    <message>
        <source>every name for this recording in %1 is taken</source>
        <translation>in %1 ist jeder Name für diese Aufzeichnung vergeben</translation>
    </message>
</context>
<context>
    <name>Central</name>
    <message>
        <source>Central archive: up to date</source>
        <translation>Zentralarchiv: aktuell</translation>
    </message>
    <message>
        <source>Central archive: uploading…</source>
        <translation>Zentralarchiv: wird hochgeladen…</translation>
    </message>
    <message>
        <source>Central archive: server unreachable since %1</source>
        <translation>Zentralarchiv: Server seit %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>Central archive: 1 recording waiting — server unreachable since %1</source>
        <translation>Zentralarchiv: 1 Aufzeichnung wartet — Server seit %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>Central archive: %1 recordings waiting — server unreachable since %2</source>
        <translation>Zentralarchiv: %1 Aufzeichnungen warten — Server seit %2 nicht erreichbar</translation>
    </message>
    <message>
        <source>Central archive: not in use: %1</source>
        <translation>Zentralarchiv: nicht in Betrieb: %1</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>MKT</source>
        <translation>MKT</translation>
    </message>
    <message>
        <source>Above Limit</source>
        <translation>Über Grenzwert</translation>
    </message>
    <message>
        <source>Below Limit</source>
        <translation>Unter Grenzwert</translation>
    </message>
    <message>
        <source>Longest Excursion</source>
        <translation>Längste Abweichung</translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1 (Profil %2)</translation>
    </message>
    <message>
        <source>Check Result</source>
        <translation>Prüfergebnis</translation>
    </message>
</context>
<context>
    <name>ChartPage</name>
    <message>
        <source><byte value="xd"/>
</source>
        <translation><byte value="xd"/>
</translation>
    </message>
    <message>
        <source>
</source>
        <translation>
</translation>
    </message>
    <message>
        <source>Lateral Reduction</source>
        <translation>Horizontal verkleinern</translation>
    </message>
    <message>
        <source>Lateral Magnification</source>
        <translation>Horizontal vergrößern</translation>
    </message>
    <message>
        <source>Overall Magnification</source>
        <translation>Gesamt vergrößern</translation>
    </message>
    <message>
        <source>Overall Reduction</source>
        <translation>Gesamt verkleinern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Alarm Profile：</source>
        <translation>Alarmprofil:</translation>
    </message>
    <message>
        <source>Alarm Profile</source>
        <translation>Alarmprofil</translation>
    </message>
    <message>
        <source>MKT Activation Energy：</source>
        <translation>MKT-Aktivierungsenergie:</translation>
    </message>
    <message>
        <source>MKT Activation Energy</source>
        <translation>MKT-Aktivierungsenergie</translation>
    </message>
    <message>
        <source> kJ/mol</source>
        <translation> kJ/mol</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>The logger is in use by another program</source>
        <translation>Der Logger wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>reading the logger</source>
        <translation>Lesen des Loggers</translation>
    </message>
    <message>
        <source>writing the settings</source>
        <translation>Schreiben der Einstellungen</translation>
    </message>
    <message>
        <source>reading the status block</source>
        <translation>Lesen des Statusblocks</translation>
    </message>
    <message>
        <source>clearing the status block</source>
        <translation>Leeren des Statusblocks</translation>
    </message>
    <message>
        <source>reading the logger back</source>
        <translation>erneutes Lesen des Loggers</translation>
    </message>
    <message>
        <source>emptying the record</source>
        <translation>Leeren der Aufzeichnung</translation>
    </message>
    <message>
        <source>writing the settings back</source>
        <translation>Zurückschreiben der Einstellungen</translation>
    </message>
    <message>
        <source>the final command</source>
        <translation>der abschließende Befehl</translation>
    </message>
    <message>
        <source>the transfer</source>
        <translation>die Übertragung</translation>
    </message>
    <message>
        <source>final command not acknowledged: %1</source>
        <translation>abschließender Befehl nicht bestätigt: %1</translation>
    </message>
    <message>
        <source>%1 failed at block %2 of %3: %4</source>
        <translation>%1 fehlgeschlagen bei Block %2 von %3: %4</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>success</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>the logger is not open</source>
        <translation>der Logger ist nicht geöffnet</translation>
    </message>
    <message>
        <source>no logger was found</source>
        <translation>es wurde kein Logger gefunden</translation>
    </message>
    <message>
        <source>the logger did not answer in time</source>
        <translation>der Logger hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the logger was unplugged during the transfer</source>
        <translation>der Logger wurde während der Übertragung abgezogen</translation>
    </message>
    <message>
        <source>the logger gave a malformed answer</source>
        <translation>der Logger hat eine fehlerhafte Antwort gegeben</translation>
    </message>
    <message>
        <source>the reference tables cannot be used</source>
        <translation>die Referenztabellen sind nicht verwendbar</translation>
    </message>
    <message>
        <source>the write was refused</source>
        <translation>das Schreiben wurde abgelehnt</translation>
    </message>
    <message>
        <source>system error: %1</source>
        <translation>Systemfehler: %1</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>Fehlercode %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The data folder %1 cannot be used: %2</source>
        <translation>Der Datenordner %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>not a complete logger image</source>
        <translation>kein vollständiges Logger-Abbild</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>The reference tables in %1 cannot be used: %2</source>
        <translation>Die Referenztabellen in %1 sind nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1 of %2 rows</source>
        <translation>%1 von %2 Zeilen</translation>
    </message>
    <message>
        <source>%1 is a link that another user made in the shared folder %2, which is not followed</source>
        <translation>%1 ist eine Verknüpfung, die ein anderer Benutzer im gemeinsamen Ordner %2 angelegt hat; ihr wird nicht gefolgt</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stoppzeit</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufzeichnungen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>&lt;&lt; Home page</source>
        <translation>&lt;&lt; Anfang</translation>
    </message>
    <message>
        <source>&lt; Previous page</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next page &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Last page &gt;&gt;</source>
        <translation>Ende &gt;&gt;</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Start Query Time：</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>End Query Time：</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Query text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scanning … %1 of %2</source>
        <translation>Durchsuchen … %1 von %2</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Not in the central archive yet: it is uploaded when the server answers</source>
        <translation>Noch nicht im Zentralarchiv: wird hochgeladen, sobald der Server antwortet</translation>
    </message>
    <message>
        <source>central archive (%1)</source>
        <translation>Zentralarchiv (%1)</translation>
    </message>
    <message>
        <source>Local archive</source>
        <translation>Lokales Archiv</translation>
    </message>
    <message>
        <source>Central archive</source>
        <translation>Zentralarchiv</translation>
    </message>
    <message>
        <source>Fetching the recording …</source>
        <translation>Aufzeichnung wird geholt …</translation>
    </message>
    <message>
        <source>Asking the central archive …</source>
        <translation>Zentralarchiv wird abgefragt …</translation>
    </message>
    <message>
        <source>The central archive did not answer: %1</source>
        <translation>Das Zentralarchiv hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>Central archive: %1 recordings found</source>
        <translation>Zentralarchiv: %1 Aufzeichnungen gefunden</translation>
    </message>
    <message>
        <source>The central archive could not give the recording: %1</source>
        <translation>Das Zentralarchiv konnte die Aufzeichnung nicht liefern: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Save PDF report</source>
        <translation>PDF-Bericht speichern</translation>
    </message>
    <message>
        <source>Save Excel workbook</source>
        <translation>Excel-Arbeitsmappe speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>&amp;About Velka...</source>
        <translation>&amp;Über Velka...</translation>
    </message>
    <message>
        <source>Unplug demo logger</source>
        <translation>Demo-Logger trennen</translation>
    </message>
    <message>
        <source>Plug in demo logger</source>
        <translation>Demo-Logger anschließen</translation>
    </message>
    <message>
        <source>New demo recording</source>
        <translation>Neue Demo-Aufzeichnung</translation>
    </message>
    <message>
        <source>Application is already running, please do not open again!</source>
        <translation>Das Programm läuft bereits, bitte nicht erneut öffnen!</translation>
    </message>
    <message>
        <source>Temperature data logger</source>
        <translation>Temperaturdatenlogger</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Page count</source>
        <translation>Seitenanzahl</translation>
    </message>
</context>
<context>
    <name>ParameterPage</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Parameter setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Transport Information</source>
        <translation>Transportdaten</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Shows the stored recording %1; Write goes to its logger only</source>
        <translation>Zeigt die gespeicherte Aufzeichnung %1; Schreiben wirkt nur auf deren Logger</translation>
    </message>
    <message>
        <source>Write Success</source>
        <translation>Erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>Write FAILED</source>
        <translation>Schreiben FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Produktdaten</translation>
    </message>
    <message>
        <source>Unit: the logger keeps %1 characters</source>
        <translation>Einheit: max. %1 Zeichen im Logger</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Please select Product Information first</source>
        <translation>Bitte zuerst einen Produkteintrag auswählen</translation>
    </message>
    <message>
        <source>* For Required Projects</source>
        <translation>* Pflichtfelder</translation>
    </message>
</context>
<context>
    <name>Products</name>
    <message>
        <source>Add Success</source>
        <translation>Erfolgreich hinzugefügt</translation>
    </message>
    <message>
        <source>Update FAILED - Overrun Capacity!</source>
        <translation>Ändern FEHLGESCHLAGEN - Kapazität überschritten!</translation>
    </message>
    <message>
        <source>Update success</source>
        <translation>Erfolgreich geändert</translation>
    </message>
    <message>
        <source>Product Information Upper Limit is 10, reach the upper limit!</source>
        <translation>Höchstens 10 Produkteinträge möglich, Obergrenze erreicht!</translation>
    </message>
    <message>
        <source>Please Add Product Information</source>
        <translation>Bitte Produktdaten hinzufügen</translation>
    </message>
    <message>
        <source>Add Failed - Overrun the capacity</source>
        <translation>Hinzufügen fehlgeschlagen - Kapazität überschritten</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Record time</source>
        <translation>Messzeitpunkt</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>RecordTablePage</name>
    <message>
        <source>Query Time</source>
        <translation>Zeitabfrage</translation>
    </message>
    <message>
        <source>Temperature Query</source>
        <translation>Temperaturabfrage</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>&lt;&lt; Home Page</source>
        <translation>&lt;&lt; Anfang</translation>
    </message>
    <message>
        <source>&lt; previous Page</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next Page &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Last Page &gt;&gt;</source>
        <translation>Ende &gt;&gt;</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Query by time</source>
        <translation>Nach Zeit abfragen</translation>
    </message>
    <message>
        <source>Query Start Time：</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Query End time：</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Query by temperature</source>
        <translation>Nach Temperatur abfragen</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Temperature Max</source>
        <translation>Max. Temperatur</translation>
    </message>
    <message>
        <source>Temperature Min</source>
        <translation>Min. Temperatur</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>ReferenceTables</name>
    <message>
        <source>row %1 holds a temperature that is not a number</source>
        <translation>Zeile %1 enthält eine Temperatur, die keine Zahl ist</translation>
    </message>
    <message>
        <source>row %1 holds a resistance that is not a number</source>
        <translation>Zeile %1 enthält einen Widerstand, der keine Zahl ist</translation>
    </message>
    <message>
        <source>row %1 holds no resistance</source>
        <translation>Zeile %1 enthält keinen Widerstand</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>above</source>
        <translation>über</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unter</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Manual mode</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>lower Limit Alarm</source>
        <translation>Untere Alarmgrenze</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Excel Export Success</source>
        <translation>Excel-Export erfolgreich</translation>
    </message>
    <message>
        <source>Excel Export FAILED</source>
        <translation>Excel-Export FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Batch Number</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Period of</source>
        <translation>Verwendbar</translation>
    </message>
    <message>
        <source>validity</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>PDF save success</source>
        <translation>PDF erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>PDF save FAILED</source>
        <translation>PDF-Speichern FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>Temperature information</source>
        <translation>Temperaturbericht</translation>
    </message>
    <message>
        <source>Report Date</source>
        <translation>Berichtsdatum</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Logging Summary</source>
        <translation>Aufzeichnungsübersicht</translation>
    </message>
    <message>
        <source>Data Chart</source>
        <translation>Datendiagramm</translation>
    </message>
    <message>
        <source>Please Insert Device</source>
        <translation>Bitte Gerät anschließen</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>times in %1</source>
        <translation>Zeiten in %1</translation>
    </message>
    <message>
        <source>not archived</source>
        <translation>nicht archiviert</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>a file could not be read or written</source>
        <translation>eine Datei konnte nicht gelesen oder geschrieben werden</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>eine Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>compressing the document failed</source>
        <translation>das Komprimieren des Dokuments ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>the report font file is damaged or not a TrueType font</source>
        <translation>die Schriftdatei des Berichts ist beschädigt oder keine TrueType-Schrift</translation>
    </message>
    <message>
        <source>the report font does not allow embedding</source>
        <translation>die Schrift des Berichts erlaubt kein Einbetten</translation>
    </message>
    <message>
        <source>the PDF library met an unexpected state</source>
        <translation>die PDF-Bibliothek ist in einen unerwarteten Zustand geraten</translation>
    </message>
    <message>
        <source>the report font %1 is damaged</source>
        <translation>die Schrift des Berichts %1 ist beschädigt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1 is %2, which a report never replaces</source>
        <translation>%1 ist %2; ein Bericht ersetzt das nie</translation>
    </message>
    <message>
        <source>a stored logger image</source>
        <translation>ein gespeichertes Logger-Abbild</translation>
    </message>
    <message>
        <source>in the archive folder %1</source>
        <translation>im Archivordner %1</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>die Einstellungsdatei</translation>
    </message>
    <message>
        <source>a reference table</source>
        <translation>eine Referenztabelle</translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>Save PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>Save Excel</source>
        <translation>Excel speichern</translation>
    </message>
    <message>
        <source>Report path</source>
        <translation>Berichtspfad</translation>
    </message>
    <message>
        <source>The report is signed as %1</source>
        <translation>Der Bericht wurde als %1 signiert</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Detection of device insertion, data reading...</source>
        <translation>Gerät erkannt, Daten werden gelesen...</translation>
    </message>
    <message>
        <source>Data reading</source>
        <translation>Daten werden gelesen</translation>
    </message>
    <message>
        <source>Detection of device insertion, Data read completed</source>
        <translation>Gerät erkannt, Daten vollständig gelesen</translation>
    </message>
    <message>
        <source>Data read completed</source>
        <translation>Lesen abgeschlossen</translation>
    </message>
    <message>
        <source>Data read FAILED</source>
        <translation>Lesen der Daten FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Archive save FAILED</source>
        <translation>Archivieren FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Erase FAILED</source>
        <translation>Löschen FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Load FAILED</source>
        <translation>Laden FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Data erased</source>
        <translation>Daten gelöscht</translation>
    </message>
    <message>
        <source>Please make sure device is connected correctly</source>
        <translation>Bitte prüfen, ob das Gerät richtig angeschlossen ist</translation>
    </message>
    <message>
        <source>Plug it in again.</source>
        <translation>Bitte erneut anschließen.</translation>
    </message>
    <message>
        <source>Close the program that is using it.</source>
        <translation>Bitte das Programm schließen, das ihn verwendet.</translation>
    </message>
    <message>
        <source>The logger at %1 cannot be opened: %2. %3</source>
        <translation>Der Logger an %1 kann nicht geöffnet werden: %2. %3</translation>
    </message>
    <message>
        <source>the record was erased and the settings written back</source>
        <translation>die Aufzeichnung wurde gelöscht und die Einstellungen wurden zurückgeschrieben</translation>
    </message>
    <message>
        <source>the record was erased</source>
        <translation>die Aufzeichnung wurde gelöscht</translation>
    </message>
    <message>
        <source>the record is partly erased</source>
        <translation>die Aufzeichnung ist teilweise gelöscht</translation>
    </message>
    <message>
        <source>the status block was cleared, so the record&apos;s start time is lost, but its samples are still on the logger</source>
        <translation>der Statusblock wurde geleert, daher ist die Startzeit der Aufzeichnung verloren, ihre Messwerte sind aber noch auf dem Logger</translation>
    </message>
    <message>
        <source>nothing on the logger was changed</source>
        <translation>am Logger wurde nichts geändert</translation>
    </message>
    <message>
        <source>settings and limits</source>
        <translation>Einstellungen und Grenzwerte</translation>
    </message>
    <message>
        <source>transport details</source>
        <translation>Transportdaten</translation>
    </message>
    <message>
        <source>product list</source>
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>%1 not written</source>
        <translation>%1 nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 partly written</source>
        <translation>%1 teilweise geschrieben</translation>
    </message>
    <message>
        <source>%1: write again</source>
        <translation>%1: bitte erneut schreiben</translation>
    </message>
    <message>
        <source>The logger plugged in (serial number %1) is not the one these settings are for (serial number %2), so nothing was written</source>
        <translation>Der angeschlossene Logger (Seriennummer %1) ist nicht der, für den diese Einstellungen bestimmt sind (Seriennummer %2), daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1; the record is kept in the archive as %2</source>
        <translation>%1; die Aufzeichnung bleibt im Archiv als %2 erhalten</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so nothing was written</source>
        <translation>Der Logger enthält %1 Messwerte, die nicht archiviert werden können (er wurde nie eingerichtet), daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that cannot be archived (it was never set up), so it was not erased</source>
        <translation>Der Logger enthält %1 Messwerte, die nicht archiviert werden können (er wurde nie eingerichtet), daher wurde er nicht gelöscht</translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so nothing was written</source>
        <translation>Der Logger enthält %1 Messwerte, deren archivierte Kopie nicht geprüft werden kann (%2), daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The logger holds %1 samples whose archived copy cannot be checked (%2), so it was not erased</source>
        <translation>Der Logger enthält %1 Messwerte, deren archivierte Kopie nicht geprüft werden kann (%2), daher wurde er nicht gelöscht</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so nothing was written. Plug it in again to archive them first</source>
        <translation>Der Logger enthält %1 Messwerte, die nicht im Archiv sind, daher wurde nichts geschrieben. Bitte den Logger erneut anschließen, um sie zuerst zu archivieren</translation>
    </message>
    <message>
        <source>The logger holds %1 samples that are not in the archive, so it was not erased. Plug it in again to archive them first</source>
        <translation>Der Logger enthält %1 Messwerte, die nicht im Archiv sind, daher wurde er nicht gelöscht. Bitte den Logger erneut anschließen, um sie zuerst zu archivieren</translation>
    </message>
    <message>
        <source>the archive folder %1 cannot be created</source>
        <translation>der Archivordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>no logger is connected</source>
        <translation>kein Logger ist angeschlossen</translation>
    </message>
    <message>
        <source>The udev rule %1 gives access; once it is there, run &quot;%2&quot; and plug the logger in again.</source>
        <translation>Die udev-Regel %1 gewährt den Zugriff; sobald sie vorhanden ist, führen Sie &quot;%2&quot; aus und stecken Sie den Logger erneut ein.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Manual Button</source>
        <translation>Manuell per Taste</translation>
    </message>
    <message>
        <source>Device S/N</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Shutdown Mode</source>
        <translation>Stoppmodus</translation>
    </message>
    <message>
        <source>Start Delay</source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <source>Alarm Delay</source>
        <translation>Alarmverzögerung</translation>
    </message>
    <message>
        <source>Upper Limit Alarm</source>
        <translation>Obere Alarmgrenze</translation>
    </message>
    <message>
        <source>Lower Limit Alarm</source>
        <translation>Untere Alarmgrenze</translation>
    </message>
    <message>
        <source>Log Interval</source>
        <translation>Messintervall</translation>
    </message>
    <message>
        <source>Log Cycle</source>
        <translation>Aufzeichnungsdauer</translation>
    </message>
    <message>
        <source>Delivery Company</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Receiving Company</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Transport Company</source>
        <translation>Spediteur</translation>
    </message>
    <message>
        <source>Transport Number</source>
        <translation>Transportnummer</translation>
    </message>
    <message>
        <source>Date Of Delivery</source>
        <translation>Lieferdatum</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Specification Model</source>
        <translation>Typ/Ausführung</translation>
    </message>
    <message>
        <source>Product Batch Number</source>
        <translation>Chargennummer</translation>
    </message>
    <message>
        <source>Period of validity</source>
        <translation>Verwendbar bis</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Shipment Number</source>
        <translation>Sendungsnummer</translation>
    </message>
    <message>
        <source>%1 must not hold a NUL character</source>
        <translation>%1 darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <source>Product %1: %2 must not hold a NUL character</source>
        <translation>Produkt %1: %2 darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <source>Please input %1</source>
        <translation>Bitte %1 eingeben</translation>
    </message>
    <message>
        <source>%1 must be below %2</source>
        <translation>%1 muss kleiner als %2 sein</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>Product %1: </source>
        <translation>Produkt %1: </translation>
    </message>
    <message>
        <source>%1 must be between 0 and %2</source>
        <translation>%1 muss zwischen 0 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>SignDialog</name>
    <message>
        <source>Sign…</source>
        <translation>Signieren…</translation>
    </message>
    <message>
        <source>Sign the report with the certificate &quot;%1&quot;.</source>
        <translation>Den Bericht mit dem Zertifikat „%1“ signieren.</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Signieren</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>Signing</name>
    <message>
        <source>Signing FAILED</source>
        <translation>Signieren FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>this run already uses the NSS database %1; start the program again to sign with %2</source>
        <translation>dieser Programmlauf verwendet bereits die NSS-Datenbank %1; bitte das Programm neu starten, um mit %2 zu signieren</translation>
    </message>
    <message>
        <source>no NSS certificate database in %1</source>
        <translation>keine NSS-Zertifikatsdatenbank in %1</translation>
    </message>
    <message>
        <source>this build of poppler cannot sign (no NSS support)</source>
        <translation>diese poppler-Version kann nicht signieren (keine NSS-Unterstützung)</translation>
    </message>
    <message>
        <source>the password of the NSS database %1 is wrong</source>
        <translation>das Passwort der NSS-Datenbank %1 ist falsch</translation>
    </message>
    <message>
        <source>the NSS database %1 needs a password</source>
        <translation>die NSS-Datenbank %1 benötigt ein Passwort</translation>
    </message>
    <message>
        <source>no signing certificate &quot;%1&quot; in %2 (it holds none)</source>
        <translation>kein Signaturzertifikat „%1“ in %2 (sie enthält keines)</translation>
    </message>
    <message>
        <source>no signing certificate &quot;%1&quot; in %2 (it holds %3)</source>
        <translation>kein Signaturzertifikat „%1“ in %2 (sie enthält %3)</translation>
    </message>
    <message>
        <source>the certificate &quot;%1&quot; is not valid before %2</source>
        <translation>das Zertifikat „%1“ ist erst ab %2 gültig</translation>
    </message>
    <message>
        <source>the certificate &quot;%1&quot; expired on %2</source>
        <translation>das Zertifikat „%1“ ist am %2 abgelaufen</translation>
    </message>
    <message>
        <source>%1 is not a PDF that can be signed</source>
        <translation>%1 ist kein PDF, das signiert werden kann</translation>
    </message>
    <message>
        <source>signing failed: the key of &quot;%1&quot; could not be used</source>
        <translation>Signieren fehlgeschlagen: der Schlüssel von „%1“ konnte nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Highest Temperature</source>
        <translation>Höchsttemperatur</translation>
    </message>
    <message>
        <source>Average Temperature</source>
        <translation>Mittlere Temperatur</translation>
    </message>
    <message>
        <source>Lowest Temperature</source>
        <translation>Tiefsttemperatur</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stoppzeit</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>Temperature Unit：</source>
        <translation>Temperatureinheit:</translation>
    </message>
    <message>
        <source>Temperature Unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty all data of the logger</source>
        <translation>Alle Daten im Logger löschen</translation>
    </message>
    <message>
        <source>The user guide cannot be opened: %1</source>
        <translation>Die Bedienungsanleitung kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Empty All Data?</source>
        <translation>Alle Daten löschen?</translation>
    </message>
    <message>
        <source>Velka temperature data logger software</source>
        <translation>Velka-Software für Temperaturdatenlogger</translation>
    </message>
    <message>
        <source>Version %1  Copyright (C) 2026 the Velka developers</source>
        <translation>Version %1  Copyright (C) 2026 die Velka-Entwickler</translation>
    </message>
    <message>
        <source>Temperature data logger companion</source>
        <translation>Begleiter für Temperaturdatenlogger</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>day</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
</context>
</TS>
