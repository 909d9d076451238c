<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BerichtAusgabe</name>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.
Bitte richten Sie einen Drucker ein oder speichern Sie den Ausdruck in der Druckvorschau als PDF.</source>
        <translation>No printer is installed.
Please set up a printer or save the printout as PDF from the print preview.</translation>
    </message>
    <message>
        <source>Der Drucker %1 kann nicht drucken.</source>
        <translation>The printer %1 cannot print.</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Druckvorschau - %1</source>
        <translation>Print preview - %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf);;Alle Dateien (*)</source>
        <translation>PDF files (*.pdf);;All files (*)</translation>
    </message>
</context>
<context>
    <name>Einrichtung</name>
    <message>
        <source>Die Zahl der Anlagen muss zwischen 1 und 32 liegen.</source>
        <translation>The number of plants must be between 1 and 32.</translation>
    </message>
    <message>
        <source>Bitte die IP- Adresse oder den Netzwerknamen des Netzwerkadapters angeben.</source>
        <translation>Please give the IP address or the network name of the network adapter.</translation>
    </message>
    <message>
        <source>Die Adresse %1 ist keine gültige IP- Adresse und kein gültiger Netzwerkname.</source>
        <translation>The address %1 is neither a valid IP address nor a valid network name.</translation>
    </message>
    <message>
        <source>Die Port- Nummer muss zwischen 1 und 65535 liegen.</source>
        <translation>The port number must be between 1 and 65535.</translation>
    </message>
    <message>
        <source>Bitte eine serielle Schnittstelle wählen.</source>
        <translation>Please choose a serial port.</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 kann nicht in die Konfigurationsdatei geschrieben werden.</source>
        <translation>The port %1 cannot be written into the configuration file.</translation>
    </message>
    <message>
        <source>Bitte eine Übertragungsgeschwindigkeit wählen.</source>
        <translation>Please choose a transmission speed.</translation>
    </message>
    <message>
        <source>Bitte einen Ordner für die Messdatendateien angeben.</source>
        <translation>Please give a folder for the data files.</translation>
    </message>
    <message>
        <source>In den Ordner %1 kann nicht geschrieben werden. Bitte einen anderen Ordner für die Messdatendateien wählen.</source>
        <translation>The folder %1 cannot be written. Please choose another folder for the data files.</translation>
    </message>
    <message>
        <source>Bitte die drei Zeilen des Protokollkopfs angeben.</source>
        <translation>Please give the three lines of the report header.</translation>
    </message>
    <message>
        <source>Der Text „%1“ enthält Zeichen, die die Konfigurationsdatei nicht aufnehmen kann.</source>
        <translation>The text “%1” contains characters that the configuration file cannot hold.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Im Ordner %1 ist schon eine Installation eingerichtet.</source>
        <translation>The folder %1 already holds an installation.</translation>
    </message>
    <message>
        <source>Die Einrichtung konnte nicht gespeichert werden: %1</source>
        <translation>The setup could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>KompUtils</name>
    <message>
        <source>Der Pfad %1 enthält Zeichen (%2), die die Konfigurationsdatei und die Speicherdateien nicht aufnehmen können. Bitte einen Ordner ohne diese Zeichen wählen.</source>
        <translation>The path %1 contains characters (%2) that the configuration file and the data files cannot hold. Please choose a folder without these characters.</translation>
    </message>
    <message>
        <source>s %1°F[in]</source>
        <translation>s %1°F[in]</translation>
    </message>
    <message>
        <source>s %1°C[cm]</source>
        <translation>s %1°C[cm]</translation>
    </message>
</context>
<context>
    <name>MietenName</name>
    <message>
        <source>Name weicht von Anlage %1 ab: „%2“</source>
        <translation>Name differs from plant %1: “%2”</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TAlarmJournal</name>
    <message>
        <source>Das Alarmjournal %1 kann nicht geöffnet werden: %2</source>
        <translation>The alarm journal %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Das Alarmjournal %1 kann nicht geschrieben werden: %2</source>
        <translation>The alarm journal %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Das Alarmjournal %1 erreicht das Speichermedium nicht: %2</source>
        <translation>The alarm journal %1 does not reach the storage medium: %2</translation>
    </message>
</context>
<context>
    <name>TAlarmTexte</name>
    <message>
        <source>Es ist kein Mailserver eingestellt.</source>
        <translation>No mail server is set.</translation>
    </message>
    <message>
        <source>Die Absenderadresse &quot;%1&quot; ist ungültig.</source>
        <translation>The sender address &quot;%1&quot; is invalid.</translation>
    </message>
    <message>
        <source>Es ist keine Empfängeradresse eingestellt.</source>
        <translation>No recipient address is set.</translation>
    </message>
    <message>
        <source>Die Empfängeradresse &quot;%1&quot; ist ungültig.</source>
        <translation>The recipient address &quot;%1&quot; is invalid.</translation>
    </message>
    <message>
        <source>Die Mailbibliothek lässt sich nicht starten.</source>
        <translation>The mail library cannot be started.</translation>
    </message>
    <message>
        <source>Der Name des Mailservers &quot;%1&quot; ist ungültig.</source>
        <translation>The mail server name &quot;%1&quot; is invalid.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 ist unbekannt: sein Name lässt sich nicht auflösen.</source>
        <translation>The mail server %1 is unknown: its name cannot be resolved.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 nimmt auf Port %2 keine Verbindung an.</source>
        <translation>The mail server %1 accepts no connection on port %2.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 antwortet nicht (Zeitüberschreitung).</source>
        <translation>The mail server %1 does not answer (timeout).</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Anmeldung als %1 abgelehnt: Benutzername oder Kennwort stimmen nicht. Antwort des Servers: %2</source>
        <translation>The mail server refused the login as %1: the user name or password is wrong. Server reply: %2</translation>
    </message>
    <message>
        <source>Der Mailserver %1 bietet keine verschlüsselte Verbindung (STARTTLS) an.</source>
        <translation>The mail server %1 offers no encrypted connection (STARTTLS).</translation>
    </message>
    <message>
        <source>Das Zertifikat des Mailservers %1 ist nicht vertrauenswürdig: %2</source>
        <translation>The certificate of the mail server %1 is not trusted: %2</translation>
    </message>
    <message>
        <source>Die Zertifikatsdatei %1 kann nicht gelesen werden.</source>
        <translation>The certificate file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die verschlüsselte Verbindung zum Mailserver %1 ist fehlgeschlagen: %2</source>
        <translation>The encrypted connection to the mail server %1 failed: %2</translation>
    </message>
    <message>
        <source>Das Senden wurde abgebrochen.</source>
        <translation>Sending was cancelled.</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Nachricht abgelehnt: %1</source>
        <translation>The mail server refused the message: %1</translation>
    </message>
    <message>
        <source>Die Nachricht konnte nicht gesendet werden: %1</source>
        <translation>The message could not be sent: %1</translation>
    </message>
    <message>
        <source>Anlage antwortet nicht</source>
        <translation>Plant does not answer</translation>
    </message>
    <message>
        <source>Verbindung zu den Steuerungen unterbrochen</source>
        <translation>Connection to the controllers lost</translation>
    </message>
    <message>
        <source>Sauerstoff zu niedrig</source>
        <translation>Oxygen too low</translation>
    </message>
    <message>
        <source>Temperatur zu hoch</source>
        <translation>Temperature too high</translation>
    </message>
    <message>
        <source>Kern hat 55 °C nicht erreicht</source>
        <translation>Core has not reached 55 °C</translation>
    </message>
    <message>
        <source>Steuerungsspeicher fast voll</source>
        <translation>Controller memory nearly full</translation>
    </message>
    <message>
        <source>Auslesung fehlgeschlagen</source>
        <translation>Readout failed</translation>
    </message>
    <message>
        <source>Wenig Speicherplatz</source>
        <translation>Low disk space</translation>
    </message>
    <message>
        <source>Konfigurationsdatei kann nicht geschrieben werden</source>
        <translation>Configuration file cannot be written</translation>
    </message>
    <message>
        <source>Ereignisprotokoll kann nicht geschrieben werden</source>
        <translation>Event log cannot be written</translation>
    </message>
    <message>
        <source>Bedingung abgeschaltet</source>
        <translation>condition switched off</translation>
    </message>
    <message>
        <source>antwortet wieder</source>
        <translation>answers again</translation>
    </message>
    <message>
        <source>keine Antwort seit %1</source>
        <translation>no answer since %1</translation>
    </message>
    <message>
        <source>O2 %1 vol%, seit %2 unter %3 vol%</source>
        <translation>O2 %1 vol%, below %3 vol% since %2</translation>
    </message>
    <message>
        <source>O2 %1 vol%</source>
        <translation>O2 %1 vol%</translation>
    </message>
    <message>
        <source>Kern %1 °C, über %2 °C</source>
        <translation>core %1 °C, above %2 °C</translation>
    </message>
    <message>
        <source>Kern %1 °C</source>
        <translation>core %1 °C</translation>
    </message>
    <message>
        <source>Kern %1 °C erreicht</source>
        <translation>core reached %1 °C</translation>
    </message>
    <message>
        <source>Miete beendet</source>
        <translation>pile ended</translation>
    </message>
    <message>
        <source>Verbindung wiederhergestellt</source>
        <translation>connection restored</translation>
    </message>
    <message>
        <source>%1 Datensätze im Speicher der Steuerung (Grenze %2, Platz für 1000)</source>
        <translation>%1 records in the controller memory (limit %2, room for 1000)</translation>
    </message>
    <message>
        <source>%1 Datensätze im Speicher der Steuerung</source>
        <translation>%1 records in the controller memory</translation>
    </message>
    <message>
        <source>ausgelesen: %1 Datensätze</source>
        <translation>read out: %1 records</translation>
    </message>
    <message>
        <source>%1 Datensätze gelesen</source>
        <translation>%1 records read</translation>
    </message>
    <message>
        <source>%1 Datensätze gelesen: %2</source>
        <translation>%1 records read: %2</translation>
    </message>
    <message>
        <source>keine Verbindung seit %1</source>
        <translation>no connection since %1</translation>
    </message>
    <message>
        <source>nicht mehr gestört</source>
        <translation>no longer disturbed</translation>
    </message>
    <message>
        <source>höchste Kerntemperatur %1 °C, Miete seit %2</source>
        <translation>highest core temperature %1 °C, pile since %2</translation>
    </message>
    <message>
        <source>frei: %1 (Grenze %2 MB)</source>
        <translation>free: %1 (limit %2 MB)</translation>
    </message>
    <message>
        <source>mehr als %1 MB frei</source>
        <translation>more than %1 MB free</translation>
    </message>
    <message>
        <source>MQTT-Ausgang beschädigt</source>
        <translation>MQTT outbox damaged</translation>
    </message>
</context>
<context>
    <name>TAlarme</name>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Anlage %1</source>
        <translation>Plant %1</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Alarm beendet – %1: %2</source>
        <translation>Kompost-Leitstand: alarm cleared – %1: %2</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Alarm – %1: %2</source>
        <translation>Kompost-Leitstand: alarm – %1: %2</translation>
    </message>
    <message>
        <source>Alarm beendet: %1</source>
        <translation>Alarm cleared: %1</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>Zeit: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Gekommen: %1</source>
        <translation>Raised: %1</translation>
    </message>
    <message>
        <source>Anlage: %1 – %2</source>
        <translation>Plant: %1 – %2</translation>
    </message>
    <message>
        <source>Mietendatei: %1</source>
        <translation>Pile data file: %1</translation>
    </message>
    <message>
        <source>Anlage: %1</source>
        <translation>Plant: %1</translation>
    </message>
    <message>
        <source>Werte: %1</source>
        <translation>Values: %1</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Testnachricht</source>
        <translation>Kompost-Leitstand: test message</translation>
    </message>
    <message>
        <source>Diese Testnachricht zeigt, dass die Alarme des Kompost-Leitstands per E-Mail ankommen.</source>
        <translation>This test message shows that the alarms of Kompost-Leitstand arrive by e-mail.</translation>
    </message>
</context>
<context>
    <name>TBericht</name>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>TDataFile</name>
    <message>
        <source>Anlage %1 gibt es nicht.</source>
        <translation>Plant %1 does not exist.</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht geöffnet werden: %2</source>
        <translation>The data file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 hat nicht den Aufbau einer Speicherdatei; an sie wird nichts angehängt.</source>
        <translation>The file %1 does not have the structure of a data file; nothing is appended to it.</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht gelesen werden: %2</source>
        <translation>The data file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht beschrieben werden: %2</source>
        <translation>The data file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht angelegt werden: %2</source>
        <translation>The data file %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Der Datenträger nimmt keine weiteren Daten an (voll?).</source>
        <translation>The storage medium accepts no more data (full?).</translation>
    </message>
    <message>
        <source>Die Speicherdatei der Anlage %1 ist nicht geöffnet.</source>
        <translation>The data file of plant %1 is not open.</translation>
    </message>
    <message>
        <source>Die Speicherdatei %1 hat keine Datensatznummern mehr frei.</source>
        <translation>The data file %1 has no free record numbers left.</translation>
    </message>
    <message>
        <source>Datensatz %1 kann nicht in %2 geschrieben werden: %3</source>
        <translation>Record %1 cannot be written to %2: %3</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht geschlossen werden: %2</source>
        <translation>The data file %1 cannot be closed: %2</translation>
    </message>
    <message>
        <source>Zu wenig Platz in %1: %2 von %3 Datensätzen passen (frei sind %4 Bytes, es fehlen %5 Bytes).</source>
        <translation>Not enough space in %1: %2 of %3 records fit (%4 bytes are free, %5 bytes are missing).</translation>
    </message>
    <message>
        <source>Für die Anlage %1 ist keine Datendatei einer vorigen Miete eingetragen.</source>
        <translation>No data file of a previous pile is registered for plant %1.</translation>
    </message>
    <message>
        <source>Die Datendatei %1 gibt es nicht mehr.</source>
        <translation>The data file %1 no longer exists.</translation>
    </message>
    <message>
        <source>Die Liste der gehaltenen Datensätze kann nicht geschrieben werden; der gehaltene Datensatz wird erst danach in %1 geschrieben, damit er dort nicht doppelt steht:</source>
        <translation>The list of kept records cannot be written; the kept record is written into %1 only after that, so that it does not stand there twice:</translation>
    </message>
</context>
<context>
    <name>TDatenLesen</name>
    <message>
        <source>T5[°C]</source>
        <translation>T5[°C]</translation>
    </message>
    <message>
        <source>T4[°C]</source>
        <translation>T4[°C]</translation>
    </message>
    <message>
        <source>T3[°C]</source>
        <translation>T3[°C]</translation>
    </message>
    <message>
        <source>T2[°C]</source>
        <translation>T2[°C]</translation>
    </message>
    <message>
        <source>T1[°C]</source>
        <translation>T1[°C]</translation>
    </message>
    <message>
        <source>T5[°F]</source>
        <translation>T5[°F]</translation>
    </message>
    <message>
        <source>T4[°F]</source>
        <translation>T4[°F]</translation>
    </message>
    <message>
        <source>T3[°F]</source>
        <translation>T3[°F]</translation>
    </message>
    <message>
        <source>T2[°F]</source>
        <translation>T2[°F]</translation>
    </message>
    <message>
        <source>T1[°F]</source>
        <translation>T1[°F]</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>% O2</source>
        <translation>% O2</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Runtime</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Speicherdatei kann nicht geöffnet werden !</source>
        <translation>The data file cannot be opened!</translation>
    </message>
    <message>
        <source>Anzahl der Speicherdaten kann nicht ausgelesen werden !
Kommunikationsfehler !</source>
        <translation>The number of stored records cannot be read!
Communication error!</translation>
    </message>
    <message>
        <source>INFO Daten auslesen abgeschlossen.</source>
        <translation>INFO Data readout complete.</translation>
    </message>
    <message>
        <source>Daten wurden nicht korrekt gespeichert!!
Bitte Speichermedium überprüfen !!</source>
        <translation>The data were not stored correctly!!
Please check the storage medium!!</translation>
    </message>
    <message>
        <source>Werte in Datei gespeichert !</source>
        <translation>Values stored in the file!</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis dahin bleiben die neuen in der Steuerung:</source>
        <translation>Records kept for plant %1 cannot be written yet; until then the new ones stay in the controller:</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Anfrage nach Datensatz %1 von %2.</source>
        <translation>No reply to the request for record %1 of %2.</translation>
    </message>
    <message>
        <source>Anlage ist ausgeschaltet.
In der Steuerung sind keine Datensätze.</source>
        <translation>The plant is switched off.
There are no records in the controller.</translation>
    </message>
    <message>
        <source>In der Steuerung sind noch %1 Datensätze der vorigen Miete.</source>
        <translation>%1 records of the previous pile are still in the controller.</translation>
    </message>
    <message>
        <source>Sie bleiben in der Steuerung.</source>
        <translation>They stay in the controller.</translation>
    </message>
    <message>
        <source>Werte in Datei der vorigen Miete gespeichert: %1</source>
        <translation>Values saved in the previous pile&apos;s data file: %1</translation>
    </message>
    <message>
        <source>Daten auslesen abgebrochen.
%1 Datensätze in Datei gespeichert, %2 bleiben in der Steuerung und kommen mit der nächsten Auslesung.</source>
        <translation>Data readout cancelled.
%1 records saved in the file, %2 stay in the controller and come with the next readout.</translation>
    </message>
    <message>
        <source>Abgebrochen: %1 Datensätze gespeichert, %2 in der Steuerung</source>
        <translation>Cancelled: %1 records saved, %2 in the controller</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Einstellungen und Ereignisprotokolle in:
%1</source>
        <translation>Settings and event logs in:
%1</translation>
    </message>
</context>
<context>
    <name>TFAktiv</name>
    <message>
        <source>Humaro Aktiv !</source>
        <translation>Humaro busy!</translation>
    </message>
    <message>
        <source>Daten werden aus Steuerung geladen. Bitte etwas Geduld, Programm kann nicht unterbrochen werden !</source>
        <translation>Loading data from the controller. Please be patient, the program cannot be interrupted!</translation>
    </message>
    <message>
        <source>Daten werden aus Steuerung geladen. Bitte etwas Geduld. Ein Klick auf diesen Text bricht das Auslesen ab.</source>
        <translation>Loading data from the controller. Please be patient. A click on this text cancels the readout.</translation>
    </message>
    <message>
        <source>Auslesen wird abgebrochen …</source>
        <translation>Cancelling the readout …</translation>
    </message>
</context>
<context>
    <name>TFAlarmEinstellungen</name>
    <message>
        <source>Alarme einstellen</source>
        <translation>Set up alarms</translation>
    </message>
    <message>
        <source>Grenzwerte (0 schaltet eine Bedingung ab)</source>
        <translation>Limits (0 switches a condition off)</translation>
    </message>
    <message>
        <source>Anlage antwortet nicht seit</source>
        <translation>Plant does not answer for</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit</source>
        <translation>Connection lost for</translation>
    </message>
    <message>
        <source>Sauerstoff unter</source>
        <translation>Oxygen below</translation>
    </message>
    <message>
        <source>Sauerstoff zu niedrig seit</source>
        <translation>Oxygen too low for</translation>
    </message>
    <message>
        <source>Kerntemperatur über</source>
        <translation>Core temperature above</translation>
    </message>
    <message>
        <source>55 °C im Kern nicht erreicht nach</source>
        <translation>55 °C not reached in the core after</translation>
    </message>
    <message>
        <source>Datensätze im Steuerungsspeicher ab</source>
        <translation>Records in the controller memory from</translation>
    </message>
    <message>
        <source>Freier Speicherplatz unter</source>
        <translation>Free disk space below</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>vol%</source>
        <translation>vol%</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Tagen</source>
        <translation>days</translation>
    </message>
    <message>
        <source>von 1000</source>
        <translation>of 1000</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mailserver (leer: keine E-Mail)</source>
        <translation>Mail server (empty: no e-mail)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Verschlüsselung</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Kennwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Absender</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Empfänger (durch Komma getrennt)</source>
        <translation>Recipients (separated by commas)</translation>
    </message>
    <message>
        <source>Eigene Zertifizierungsstelle (PEM-Datei, wahlweise)</source>
        <translation>Own certificate authority (PEM file, optional)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS von Beginn an</source>
        <translation>TLS from the start</translation>
    </message>
    <message>
        <source>Testnachricht senden</source>
        <translation>Send test message</translation>
    </message>
    <message>
        <source>Die Testnachricht wird gesendet …</source>
        <translation>Sending the test message …</translation>
    </message>
    <message>
        <source>Befehl</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Läuft bei jedem Alarm, der kommt oder geht, ohne Shell, mit den Argumenten &quot;kommt&quot; oder &quot;geht&quot;, der Nummer der Anlage (0: der PC) und dem Text des Alarms.</source>
        <translation>Runs at every alarm raised or cleared, without a shell, with the arguments &quot;kommt&quot; or &quot;geht&quot;, the plant number (0: the PC) and the alarm text.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Absenderadresse &quot;%1&quot; ist ungültig.</source>
        <translation>The sender address &quot;%1&quot; is invalid.</translation>
    </message>
    <message>
        <source>Bitte mindestens eine Empfängeradresse angeben.</source>
        <translation>Please give at least one recipient address.</translation>
    </message>
    <message>
        <source>Die Empfängeradresse &quot;%1&quot; ist ungültig.</source>
        <translation>The recipient address &quot;%1&quot; is invalid.</translation>
    </message>
    <message>
        <source>Bitte zuerst den Mailserver angeben.</source>
        <translation>Please give the mail server first.</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Testnachricht an %1 angenommen.</source>
        <translation>The mail server has accepted the test message to %1.</translation>
    </message>
    <message>
        <source>Die Testnachricht konnte nicht gesendet werden:
%1</source>
        <translation>The test message could not be sent:
%1</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The settings could not be written to the configuration file:
%1</translation>
    </message>
</context>
<context>
    <name>TFAlarme</name>
    <message>
        <source>kommt</source>
        <translation>raised</translation>
    </message>
    <message>
        <source>geht</source>
        <translation>cleared</translation>
    </message>
    <message>
        <source>quittiert</source>
        <translation>acknowledged</translation>
    </message>
    <message>
        <source>Alarme</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Aktuelle Alarme</source>
        <translation>Current alarms</translation>
    </message>
    <message>
        <source>Verlauf (30 Tage)</source>
        <translation>History (30 days)</translation>
    </message>
    <message>
        <source>Seit</source>
        <translation>Since</translation>
    </message>
    <message>
        <source>Anlage</source>
        <translation>Plant</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keine Alarme.</source>
        <translation>No alarms.</translation>
    </message>
    <message>
        <source>&amp;Quittieren</source>
        <translation>&amp;Acknowledge</translation>
    </message>
    <message>
        <source>&amp;Alle quittieren</source>
        <translation>Acknowledge a&amp;ll</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>aktiv, quittiert</source>
        <translation>active, acknowledged</translation>
    </message>
    <message>
        <source>beendet %1</source>
        <translation>cleared %1</translation>
    </message>
</context>
<context>
    <name>TFAnlDatumSetup</name>
    <message>
        <source>Mess- Steuerung Setup</source>
        <translation>Controller setup</translation>
    </message>
    <message>
        <source>Aktuelle Anlagen-Datum/Zeit Einstellung:</source>
        <translation>Current plant date/time setting:</translation>
    </message>
    <message>
        <source>Datum/ Zeit neu Setzen</source>
        <translation>Set date/time</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>NO PLANT CONNECTED!!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>Connected PLANT is switched off!!</translation>
    </message>
    <message>
        <source>Die Steuerung antwortet nicht.</source>
        <translation>The controller does not answer.</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit der Anlage %1 gesetzt: %2</source>
        <translation>Date and time of plant %1 set: %2</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 antwortet nicht: ob Datum und Uhrzeit gesetzt wurden, ist nicht bekannt.</source>
        <translation>The controller of plant %1 does not answer: whether date and time were set is not known.</translation>
    </message>
    <message>
        <source>Datum %1  Zeit %2</source>
        <translation>Date %1  Time %2</translation>
    </message>
</context>
<context>
    <name>TFAnlageDaten</name>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Compost control centre</translation>
    </message>
    <message>
        <source>Anlage benennen</source>
        <translation>Name the plant</translation>
    </message>
    <message>
        <source>Anlagen- Nr.:</source>
        <translation>Plant no.:</translation>
    </message>
    <message>
        <source>Anlagen Text :</source>
        <translation>Plant name:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Daten Speicherpfad:</source>
        <translation>Data folder:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Speicherpfad wählen</source>
        <translation>Choose the data folder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vorgabepfad für Speicherdatei existiert nicht, setze neuen Pfad..</source>
        <translation>The default folder for the data file does not exist, choose a new one..</translation>
    </message>
    <message>
        <source>Die Anlagendaten konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The plant data could not be written to the configuration file:
%1</translation>
    </message>
    <message>
        <source>Geschlossene Anlage</source>
        <translation>Enclosed plant</translation>
    </message>
    <message>
        <source>Datendatei:</source>
        <translation>Data file:</translation>
    </message>
    <message>
        <source>Höchstens %1 Zeichen: A–Z, a–z, 0–9, „_“ und „-“ (keine Leerzeichen, keine Umlaute).</source>
        <translation>At most %1 characters: A–Z, a–z, 0–9, “_” and “-” (no spaces, no accented letters).</translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation>space</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Nicht übernommen: %1. Erlaubt sind A–Z, a–z, 0–9, „_“ und „-“.</source>
        <translation>Not taken: %1. Allowed are A–Z, a–z, 0–9, “_” and “-”.</translation>
    </message>
</context>
<context>
    <name>TFAnzeige</name>
    <message>
        <source>Kompost- Messwerterfassung</source>
        <translation>Compost data logging</translation>
    </message>
    <message>
        <source>Aktiv:</source>
        <translation>Active:</translation>
    </message>
    <message>
        <source>Aktueller Anlagenzustand:</source>
        <translation>Current state of the plants:</translation>
    </message>
    <message>
        <source>T100</source>
        <translation>T100</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>T 75</source>
        <translation>T 75</translation>
    </message>
    <message>
        <source>T 50</source>
        <translation>T 50</translation>
    </message>
    <message>
        <source>T 25</source>
        <translation>T 25</translation>
    </message>
    <message>
        <source>T  0</source>
        <translation>T  0</translation>
    </message>
    <message>
        <source>Tiefe 55°C</source>
        <translation>Depth 55°C</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>O2</source>
        <translation>O2</translation>
    </message>
    <message>
        <source>vol%</source>
        <translation>vol%</translation>
    </message>
    <message>
        <source>Steuerbetrieb</source>
        <translation>Fallback mode</translation>
    </message>
    <message>
        <source>Speicherstatus</source>
        <translation>Storage status</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Runtime</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Schaltzyklen</source>
        <translation>Switching cycles</translation>
    </message>
    <message>
        <source>Lüfter</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>%/O2</source>
        <translation>%/O2</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Stored values:</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Mieten- Verwaltung</source>
        <translation>&amp;Pile management</translation>
    </message>
    <message>
        <source>&amp;Offline Daten auslesen</source>
        <translation>Read data &amp;offline</translation>
    </message>
    <message>
        <source>Miete &amp;neu starten</source>
        <translation>Start &amp;new pile</translation>
    </message>
    <message>
        <source>Miete &amp;fortführen</source>
        <translation>&amp;Continue pile</translation>
    </message>
    <message>
        <source>Miete &amp;beenden</source>
        <translation>&amp;End pile</translation>
    </message>
    <message>
        <source>PC-Speicherstatus</source>
        <translation>PC storage status</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Einstell&amp;werte</source>
        <translation>Set &amp;values</translation>
    </message>
    <message>
        <source>&amp;Zeit/Datum setzen</source>
        <translation>Set &amp;time/date</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Anl </source>
        <translation>Plant </translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Fehler beim sichern!</source>
        <translation>Error while saving!</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>%1 in</source>
        <translation>%1 in</translation>
    </message>
    <message>
        <source>Manuell- AUS</source>
        <translation>Manual OFF</translation>
    </message>
    <message>
        <source>Manuell- EIN</source>
        <translation>Manual ON</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>O2-Regelung</source>
        <translation>O2 control</translation>
    </message>
    <message>
        <source>Lüfter AUS</source>
        <translation>Fan OFF</translation>
    </message>
    <message>
        <source>Lüfter EIN</source>
        <translation>Fan ON</translation>
    </message>
    <message>
        <source>Z2- Eduzivid</source>
        <translation>Z2- Eduzivid</translation>
    </message>
    <message>
        <source>Sicherung am </source>
        <translation>Saved on </translation>
    </message>
    <message>
        <source>Ergebnis OK !</source>
        <translation>Result OK!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>Connected PLANT is switched off!!</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>NO PLANT CONNECTED!!</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv)</source>
        <translation>EXCEL ( *.csv)</translation>
    </message>
    <message>
        <source>Gesichert, Konfiguration nicht geschrieben!</source>
        <translation>Saved, configuration not written!</translation>
    </message>
    <message>
        <source>A&amp;larme</source>
        <translation>A&amp;larms</translation>
    </message>
    <message>
        <source>Aktive Alarme: %1</source>
        <translation>Active alarms: %1</translation>
    </message>
    <message>
        <source>KEINE VERBINDUNG
Die Anzeige zeigt keine aktuellen Messwerte.</source>
        <translation>NO CONNECTION
The display shows no current readings.</translation>
    </message>
    <message>
        <source>nicht ausgelesen: ausgeschaltet</source>
        <translation>not read: switched off</translation>
    </message>
    <message>
        <source>nicht ausgelesen: antwortet nicht</source>
        <translation>not read: no answer</translation>
    </message>
    <message>
        <source>Die Anzeige zeigt keine aktuellen Messwerte.</source>
        <translation>The display shows no current readings.</translation>
    </message>
    <message>
        <source>Anlage %1: keine Antwort seit %2</source>
        <translation>Plant %1: no answer since %2</translation>
    </message>
</context>
<context>
    <name>TFCSV_Lesen</name>
    <message>
        <source>Humaro Protokoll</source>
        <translation>Humaro report</translation>
    </message>
    <message>
        <source>Humaro Protokoll Gütegemeinschaft</source>
        <translation>Humaro quality association report</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Grafik drucken</source>
        <translation>Print graph</translation>
    </message>
    <message>
        <source>1 Wert/ Tag</source>
        <translation>1 value/ day</translation>
    </message>
    <message>
        <source>Hygienisierung</source>
        <translation>Hygienisation</translation>
    </message>
    <message>
        <source>Kriterium</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Based on</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Längste Spanne</source>
        <translation>Longest span</translation>
    </message>
    <message>
        <source>Pfad:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Stored values:</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>D&amp;rucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv) (*.csv *.CSV)</source>
        <translation>EXCEL ( *.csv) (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Invalid file structure
The file was not created by this software!</translation>
    </message>
</context>
<context>
    <name>TFDatenLesen1</name>
    <message>
        <source>Daten Offline lesen</source>
        <translation>Read data offline</translation>
    </message>
    <message>
        <source>Daten aus der Steuerung auslesen</source>
        <translation>Read the data from the controller</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Anzahl Datensätze:</source>
        <translation>Number of records:</translation>
    </message>
    <message>
        <source>Lese Datensatz:</source>
        <translation>Reading record:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>NO PLANT CONNECTED!!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>Connected PLANT is switched off!!</translation>
    </message>
    <message>
        <source>Werte ausgedruckt !</source>
        <translation>Values printed!</translation>
    </message>
</context>
<context>
    <name>TFErsteinrichtung</name>
    <message>
        <source>Ersteinrichtung</source>
        <translation>First setup</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Dieser PC ist noch nicht eingerichtet. Bitte die Anlagen, die Verbindung zu den Steuerungen, den Ordner der Messdaten und den Protokollkopf angeben. Alles lässt sich später unter „PC-Setup“ ändern.</source>
        <translation>This PC is not set up yet. Please give the plants, the connection to the controllers, the folder of the measurement data and the report header. Everything can be changed later under “PC setup”.</translation>
    </message>
    <message>
        <source>Die Einstellungen werden gespeichert in: %1</source>
        <translation>The settings are kept in: %1</translation>
    </message>
    <message>
        <source>Anlagen</source>
        <translation>Plants</translation>
    </message>
    <message>
        <source>Zahl der Anlagen:</source>
        <translation>Number of plants:</translation>
    </message>
    <message>
        <source>Anlagennummern ab 33 zählen</source>
        <translation>Number the plants from 33</translation>
    </message>
    <message>
        <source>Verbindung zu den Steuerungen</source>
        <translation>Connection to the controllers</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Netzwerkadapter</source>
        <translation>Network adapter</translation>
    </message>
    <message>
        <source>Schnittstelle:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>IP- Adresse oder Netzwerkname:</source>
        <translation>IP address or network name:</translation>
    </message>
    <message>
        <source>Port- Nummer:</source>
        <translation>Port number:</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Messdaten der Mieten</source>
        <translation>Measurement data of the piles</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Wählen...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Protokollkopf</source>
        <translation>Report header</translation>
    </message>
    <message>
        <source>Titeltext :</source>
        <translation>Title text:</translation>
    </message>
    <message>
        <source>2. Zeile :</source>
        <translation>Line 2:</translation>
    </message>
    <message>
        <source>3. Zeile :</source>
        <translation>Line 3:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Frage Anlage %1 von %2 ...</source>
        <translation>Asking plant %1 of %2 ...</translation>
    </message>
    <message>
        <source>Öffne die Verbindung ...</source>
        <translation>Opening the connection ...</translation>
    </message>
    <message>
        <source>Ordner der Messdaten wählen</source>
        <translation>Choose the folder of the measurement data</translation>
    </message>
</context>
<context>
    <name>TFGraphForm</name>
    <message>
        <source>Die Einstellungen der Grafik konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The graph settings could not be written to the configuration file:
%1</translation>
    </message>
    <message>
        <source>Humaro Graphik</source>
        <translation>Humaro graph</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Daten ausdrucken</source>
        <translation>Print data</translation>
    </message>
    <message>
        <source>Umweltdaten</source>
        <translation>Environmental data</translation>
    </message>
    <message>
        <source>Lüfterdaten</source>
        <translation>Fan data</translation>
    </message>
    <message>
        <source>T 40in</source>
        <translation>T 40in</translation>
    </message>
    <message>
        <source>T 30in</source>
        <translation>T 30in</translation>
    </message>
    <message>
        <source>T 20in</source>
        <translation>T 20in</translation>
    </message>
    <message>
        <source>T 10in</source>
        <translation>T 10in</translation>
    </message>
    <message>
        <source>T 0in</source>
        <translation>T 0in</translation>
    </message>
    <message>
        <source>T 100cm [°C]</source>
        <translation>T 100cm [°C]</translation>
    </message>
    <message>
        <source>T  75cm [°C]</source>
        <translation>T  75cm [°C]</translation>
    </message>
    <message>
        <source>T  50cm [°C]</source>
        <translation>T  50cm [°C]</translation>
    </message>
    <message>
        <source>T  25cm [°C]</source>
        <translation>T  25cm [°C]</translation>
    </message>
    <message>
        <source>T  0cm [°C]</source>
        <translation>T  0cm [°C]</translation>
    </message>
    <message>
        <source>Tiefe Referenz Marke</source>
        <translation>Reference depth mark</translation>
    </message>
    <message>
        <source>O2 Konzentration</source>
        <translation>O2 concentration</translation>
    </message>
    <message>
        <source>Lüfterlaufzeit</source>
        <translation>Fan runtime</translation>
    </message>
    <message>
        <source>Lüfterschaltzyklen</source>
        <translation>Fan switching cycles</translation>
    </message>
    <message>
        <source>1Wert/Tag</source>
        <translation>1 value/day</translation>
    </message>
    <message>
        <source>Pfad:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Stored values:</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv)</source>
        <translation>EXCEL ( *.csv)</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Invalid file structure
The file was not created by this software!</translation>
    </message>
    <message>
        <source>Es fehlt die Datendatei oder die PDF-Datei.</source>
        <translation>The data file or the PDF file is missing.</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>RIDIZO O2- Humaro NET</source>
        <translation>RIDIZO O2- Humaro NET</translation>
    </message>
    <message>
        <source>RIDIZO O2- Humaro</source>
        <translation>RIDIZO O2- Humaro</translation>
    </message>
    <message>
        <source>Z2- Eduzivid</source>
        <translation>Z2- Eduzivid</translation>
    </message>
    <message>
        <source>Version 3.0.3</source>
        <translation>Version 3.0.3</translation>
    </message>
    <message>
        <source>Assynchrone Messwertspeicherung und
Visualisierung in Zusammenarbeit mit</source>
        <translation>Asynchronous data storage and
visualisation in cooperation with</translation>
    </message>
    <message>
        <source>© RIDIZO Mess- und Regeltechnik · Alle Rechte vorbehalten</source>
        <translation>© RIDIZO Mess- und Regeltechnik · All rights reserved</translation>
    </message>
    <message>
        <source>Einlesen der Systemumgebung!!!
 Anlernen der angeschlossenen Steuerungen.</source>
        <translation>Reading the system environment!!!
 Learning the connected controllers.</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;PC-Setup</source>
        <translation>&amp;PC setup</translation>
    </message>
    <message>
        <source>Programm &amp;Setup</source>
        <translation>Program &amp;setup</translation>
    </message>
    <message>
        <source>Speicher&amp;zeit</source>
        <translation>Storage &amp;time</translation>
    </message>
    <message>
        <source>&amp;Firmendaten</source>
        <translation>&amp;Company data</translation>
    </message>
    <message>
        <source>&amp;Messung</source>
        <translation>&amp;Measurement</translation>
    </message>
    <message>
        <source>PC &amp;Anzeige</source>
        <translation>PC &amp;display</translation>
    </message>
    <message>
        <source>Anlagen einlernen</source>
        <translation>Learn plants</translation>
    </message>
    <message>
        <source>&amp;Offline Daten auslesen</source>
        <translation>Read data &amp;offline</translation>
    </message>
    <message>
        <source>&amp;Daten</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>Mess&amp;werte drucken</source>
        <translation>Print &amp;readings</translation>
    </message>
    <message>
        <source>&amp;Protokoll Gütegemeinschaft</source>
        <translation>&amp;Quality association report</translation>
    </message>
    <message>
        <source>&amp;Grafik erstellen</source>
        <translation>Create &amp;graph</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Der Name der neuen Messdatendatei konnte nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The name of the new data file could not be written to the configuration file:
%1</translation>
    </message>
    <message>
        <source>%1 gehaltene Datensätze aus %2 gelesen; sie werden bei der nächsten Auslesung ihrer Anlage geschrieben.</source>
        <translation>%1 kept records read from %2; they are written at the next readout of their plant.</translation>
    </message>
    <message>
        <source>Name der Messdatendatei nicht gespeichert!</source>
        <translation>Data file name not stored!</translation>
    </message>
    <message>
        <source>Anlage %1: die laufende Miete wird in ihrer Datei %2 fortgesetzt.</source>
        <translation>Plant %1: the running pile continues in its file %2.</translation>
    </message>
    <message>
        <source>Konfigurationsdatei nicht beschreibbar!</source>
        <translation>Configuration file not writable!</translation>
    </message>
    <message>
        <source>Kein Ereignisprotokoll!</source>
        <translation>No event log!</translation>
    </message>
    <message>
        <source>A&amp;larme einstellen</source>
        <translation>Set up a&amp;larms</translation>
    </message>
    <message>
        <source>A&amp;larme</source>
        <translation>A&amp;larms</translation>
    </message>
    <message>
        <source>Aktive Alarme: %1</source>
        <translation>Active alarms: %1</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze nicht gesichert!</source>
        <translation>Kept records not saved!</translation>
    </message>
</context>
<context>
    <name>TFO2MessSetup</name>
    <message>
        <source>Mess- Steuerung Setup</source>
        <translation>Controller setup</translation>
    </message>
    <message>
        <source>Bereich 1-300min</source>
        <translation>Range 1-300min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>NO PLANT CONNECTED!!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>Connected PLANT is switched off!!</translation>
    </message>
    <message>
        <source>Setup gändert, in Steuerung laden?</source>
        <translation>Setup changed, load it into the controller?</translation>
    </message>
    <message>
        <source>O2-Einschaltwert:</source>
        <translation>O2 switch-on level:</translation>
    </message>
    <message>
        <source>[vol%]</source>
        <translation>[vol%]</translation>
    </message>
    <message>
        <source>Sauerstoffkonzentration, bei welcher der 
Luefter eingeschaltet wird.</source>
        <translation>Oxygen concentration at which the 
fan is switched on.</translation>
    </message>
    <message>
        <source>O2-Ausschaltwert:</source>
        <translation>O2 switch-off level:</translation>
    </message>
    <message>
        <source>Sauerstoffkonzentration, bei welcher der 
Luefter ausgeschaltet wird.</source>
        <translation>Oxygen concentration at which the 
fan is switched off.</translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation>Storage interval</translation>
    </message>
    <message>
        <source>[min]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Alle N- Minuten werden die aktuellen Mess-
werte in der Protokolldatei abgespeichert.</source>
        <translation>Every N minutes the current readings are
stored in the controller&apos;s memory.</translation>
    </message>
    <message>
        <source>Lüfter- EIN- Intervall</source>
        <translation>Fan ON interval</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Intervallbetrieb
eingeschaltet ist.</source>
        <translation>Time for which the fan is switched on
in interval mode.</translation>
    </message>
    <message>
        <source>Lüfter- AUS- Intervall</source>
        <translation>Fan OFF interval</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Intervallbetrieb
ausgeschaltet ist.</source>
        <translation>Time for which the fan is switched off
in interval mode.</translation>
    </message>
    <message>
        <source>Max Lüfter- EIN-Zeit</source>
        <translation>Max. fan ON time</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im maximal laufen
darf, bevor der Steuerbetrieb gestartet wird.</source>
        <translation>Maximum time for which the fan may run
before the fallback mode starts.</translation>
    </message>
    <message>
        <source>Max. Lüfter- AUS- Zeit</source>
        <translation>Max. fan OFF time</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter maximal abgeschaltet
sein darf, bevor der Steuerbetrieb gestartet wird.</source>
        <translation>Maximum time for which the fan may be switched
off before the fallback mode starts.</translation>
    </message>
    <message>
        <source>Steuer- EIN- Intervall</source>
        <translation>Fallback ON interval</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Steuerbetrieb
eingeschaltet ist.</source>
        <translation>Time for which the fan is switched on
in fallback mode.</translation>
    </message>
    <message>
        <source>Steuer- AUS- Intervall</source>
        <translation>Fallback OFF interval</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Steuerbetrieb
ausgeschaltet ist.</source>
        <translation>Time for which the fan is switched off
in fallback mode.</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 hat nicht alle Einstellwerte übernommen:</source>
        <translation>The controller of plant %1 did not accept all set values:</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 hat die Einstellwerte nicht zurückgemeldet:</source>
        <translation>The controller of plant %1 did not report the set values back:</translation>
    </message>
    <message>
        <source>%1: gesendet %2, gemeldet %3</source>
        <translation>%1: sent %2, reported %3</translation>
    </message>
    <message>
        <source>%1: gesendet %2, keine Antwort</source>
        <translation>%1: sent %2, no reply</translation>
    </message>
</context>
<context>
    <name>TFPC_Setup</name>
    <message>
        <source>4800 Baud</source>
        <translation>4800 Baud</translation>
    </message>
    <message>
        <source>9600 Baud</source>
        <translation>9600 Baud</translation>
    </message>
    <message>
        <source>19200 Baud</source>
        <translation>19200 Baud</translation>
    </message>
    <message>
        <source>2400 Baud</source>
        <translation>2400 Baud</translation>
    </message>
    <message>
        <source>PC- Setup</source>
        <translation>PC setup</translation>
    </message>
    <message>
        <source>Auswahl COM- Port:
Kommunikation läuft mit
8 Datenbits, 1Stopbit, 
Keine Parität</source>
        <translation>Select the COM port:
Communication runs with
8 data bits, 1 stop bit,
no parity</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>IP- Adresse oder Netzwerkname</source>
        <translation>IP address or network name</translation>
    </message>
    <message>
        <source>Port- Nummer</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>Seriell</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Anzeige: °F/in nicht aktiviert [°C/ cm]</source>
        <translation>Display in °F/in (not checked: °C/ cm)</translation>
    </message>
    <message>
        <source>Anzeige Tiefe Referenztemp. in Protokoll</source>
        <translation>Show reference temp. depth in reports</translation>
    </message>
    <message>
        <source>Auswahl derTemperatur
bei welcher die Referenztiefe
berechnet wird.</source>
        <translation>Temperature at which
the reference depth
is calculated.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The settings could not be written to the configuration file:
%1</translation>
    </message>
    <message>
        <source>Netzwerk-Dashboard (MQTT)</source>
        <translation>Network dashboard (MQTT)</translation>
    </message>
    <message>
        <source>Verbindung über</source>
        <translation>Connect via</translation>
    </message>
    <message>
        <source>Verbindung wechseln? Die Anlagen werden neu eingelernt.</source>
        <translation>Change the connection? The plants will be learned again.</translation>
    </message>
    <message>
        <source>Ping-Zeit [300ms- 600ms]</source>
        <translation>Ping time [300ms- 600ms]</translation>
    </message>
</context>
<context>
    <name>TFPfadsetzen</name>
    <message>
        <source>Pfad einstellen, in dem die Messdaten aus der Anlage gespeichert 
werden. In diesem Verzeichnis werden die Daten in Dateien mit der
Endung &quot;.CSV&quot; gespeichert.
Damit ist eine spätere Auswertung mit Standardprogrammen, z.B.  
EXCEL,  möglich</source>
        <translation>Set the folder in which the measured data of the plant are
stored. In this folder the data are saved in files with the
extension &quot;.CSV&quot;.
This allows a later evaluation with standard programs, e.g.
EXCEL.</translation>
    </message>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Compost control centre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFProtokKopf</name>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Compost control centre</translation>
    </message>
    <message>
        <source>Protokollkopf</source>
        <translation>Report header</translation>
    </message>
    <message>
        <source>Titeltext :</source>
        <translation>Title text:</translation>
    </message>
    <message>
        <source>2. Zeile :</source>
        <translation>Line 2:</translation>
    </message>
    <message>
        <source>3. Zeile :</source>
        <translation>Line 3:</translation>
    </message>
    <message>
        <source>Die hier eingegebenen Daten werden in dem Ausdruck der Protokollwerte <byte value="xd"/>
im Seitenkopf dargestellt. Sie dienen der Archivierung und Zuordnung der <byte value="xd"/>
Messprotokolle.</source>
        <translation>The data entered here appear in the page header of the printed <byte value="xd"/>
reports. They serve to archive and to identify the <byte value="xd"/>
measurement reports.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ignorieren</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The company data could not be written to the configuration file:
%1</translation>
    </message>
    <message>
        <source>Miete 1</source>
        <translation>Pile 1</translation>
    </message>
    <message>
        <source>Die Druck-Vorschau kann nicht erstellt werden:
%1</source>
        <translation>The print preview cannot be created:
%1</translation>
    </message>
</context>
<context>
    <name>TFQRGraphForm</name>
    <message>
        <source>TARVOS Messprotokoll</source>
        <translation>TARVOS measurement report</translation>
    </message>
    <message>
        <source>Anlagen- Name :</source>
        <translation>Plant name:</translation>
    </message>
    <message>
        <source>Datei- Name :</source>
        <translation>File name:</translation>
    </message>
</context>
<context>
    <name>TFQRKompForm</name>
    <message>
        <source>Druckdatum/-zeit :</source>
        <translation>Printed on:</translation>
    </message>
    <message>
        <source>Seitennr. :</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>Humaro Messprotokoll</source>
        <translation>Humaro measurement report</translation>
    </message>
    <message>
        <source>Anlagen- Name :</source>
        <translation>Plant name:</translation>
    </message>
    <message>
        <source>Datei- Name :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Nr.:</source>
        <translation>No.:</translation>
    </message>
    <message>
        <source>Datum/Zeit</source>
        <translation>Date/time</translation>
    </message>
    <message>
        <source>Temperatur an Messtelle</source>
        <translation>Temperature at sensor</translation>
    </message>
    <message>
        <source>T5[°C]</source>
        <translation>T5[°C]</translation>
    </message>
    <message>
        <source>T4[°C]</source>
        <translation>T4[°C]</translation>
    </message>
    <message>
        <source>T3[°C]</source>
        <translation>T3[°C]</translation>
    </message>
    <message>
        <source>T2[°C]</source>
        <translation>T2[°C]</translation>
    </message>
    <message>
        <source>T1[°C]</source>
        <translation>T1[°C]</translation>
    </message>
    <message>
        <source>O2[vol%]</source>
        <translation>O2[vol%]</translation>
    </message>
    <message>
        <source>Lüfter</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>Laufzeit[min]</source>
        <translation>Runtime[min]</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Tiefe</source>
        <translation>Depth</translation>
    </message>
</context>
<context>
    <name>TFQRKompProtokoll</name>
    <message>
        <source>Temperatur- Protokoll Eigenuntersuchung von Kompost</source>
        <translation>Temperature report – self-monitoring of compost</translation>
    </message>
    <message>
        <source>Betrieb:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Mieten-Nr:</source>
        <translation>Pile no.:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Rand </source>
        <translation>Edge </translation>
    </message>
    <message>
        <source>Kern </source>
        <translation>Core </translation>
    </message>
    <message>
        <source>Basis </source>
        <translation>Base </translation>
    </message>
    <message>
        <source>Bemerkung über Behandlungen und Witterung ( z.B. Umsetzen, Bewässern, Wetter, Aussentemperatur)</source>
        <translation>Remarks on treatment and weather (e.g. turning, watering, weather, outside temperature)</translation>
    </message>
    <message>
        <source>Prüfer/ Unterschrift</source>
        <translation>Inspector/ signature</translation>
    </message>
</context>
<context>
    <name>TFZeitSelect</name>
    <message>
        <source>Speicherzeit auswählen</source>
        <translation>Choose the storage time</translation>
    </message>
    <message>
        <source>Zeitvorgabe, wann 1mal täglich die Daten automatisch aus der Steuerung ausgelesen werden !</source>
        <translation>Time of day at which the data are read out of the controller automatically once a day!</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source> %1h</source>
        <translation> %1h</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1h</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Speicherzeit konnte nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>The storage time could not be written to the configuration file:
%1</translation>
    </message>
</context>
<context>
    <name>TGehalten</name>
    <message>
        <source>%1 ist keine Datei gehaltener Datensätze oder nicht lesbar.</source>
        <translation>%1 is not a file of kept records or cannot be read.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 Zeilen in %2 sind keine Datensätze und wurden übergangen.</source>
        <translation>%1 lines in %2 are not records and were skipped.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Kein Ordner für die gehaltenen Datensätze.</source>
        <translation>No folder for the kept records.</translation>
    </message>
</context>
<context>
    <name>THygienisierung</name>
    <message>
        <source>Kern</source>
        <translation>core</translation>
    </message>
    <message>
        <source>alle Messstellen</source>
        <translation>all sensors</translation>
    </message>
    <message>
        <source>%1 °F</source>
        <translation>%1 °F</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>≥ %1 über %2 Tage</source>
        <translation>≥ %1 for %2 days</translation>
    </message>
    <message>
        <source>, nur geschlossene Anlagen</source>
        <translation>, enclosed plants only</translation>
    </message>
    <message>
        <source>Nachweis der Hygienisierung (längste Spanne je Kriterium)</source>
        <translation>Proof of hygienisation (longest span per criterion)</translation>
    </message>
    <message>
        <source>%1 Tage %2 Std.</source>
        <translation>%1 days %2 h</translation>
    </message>
    <message>
        <source>nie erreicht</source>
        <translation>never reached</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>nicht erfüllt</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>Lücke: %1 – %2</source>
        <translation>Gap: %1 – %2</translation>
    </message>
    <message>
        <source>Nicht lesbare Zeilen, nicht ausgewertet: %1</source>
        <translation>Unreadable lines, not evaluated: %1</translation>
    </message>
    <message>
        <source>Hygienisierung nachgewiesen: %1 im Kern</source>
        <translation>Hygienisation proven: %1 in the core</translation>
    </message>
    <message>
        <source>Hygienisierung nicht nachgewiesen</source>
        <translation>Hygienisation not proven</translation>
    </message>
    <message>
        <source>Anlagenart: geschlossen</source>
        <translation>Plant type: enclosed</translation>
    </message>
    <message>
        <source>Anlagenart: offen</source>
        <translation>Plant type: open</translation>
    </message>
    <message>
        <source>nur geschlossene Anlagen</source>
        <translation>enclosed plants only</translation>
    </message>
    <message>
        <source>nur geschlossene Anlagen – nicht gewertet</source>
        <translation>enclosed plants only – not counted</translation>
    </message>
    <message>
        <source>Uhrzeit zurückgestellt: %1 – %2</source>
        <translation>Clock set back: %1 – %2</translation>
    </message>
    <message>
        <source>Doppelte Datensätze, nicht gewertet: %1</source>
        <translation>Duplicate records, not counted: %1</translation>
    </message>
    <message>
        <source>Unplausible Messwerte (über %1), nicht gewertet: %2</source>
        <translation>Implausible readings (above %1), not counted: %2</translation>
    </message>
    <message>
        <source>An allen Messstellen nachgewiesen: %1</source>
        <translation>Proven at all sensors: %1</translation>
    </message>
    <message>
        <source>An allen Messstellen nicht nachgewiesen</source>
        <translation>Not proven at all sensors</translation>
    </message>
    <message>
        <source>Datendatei: %1</source>
        <translation>Data file: %1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>nicht gewertet</source>
        <translation>not counted</translation>
    </message>
</context>
<context>
    <name>TIniDatei</name>
    <message>
        <source>Ungültiger Abschnitt oder Schlüssel &quot;%1&quot; / &quot;%2&quot; für die Konfigurationsdatei %3</source>
        <translation>Invalid section or key &quot;%1&quot; / &quot;%2&quot; for the configuration file %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; enthält Zeichen, die die Konfigurationsdatei %2 nicht aufnehmen kann (Windows-1252); der Wert wird nicht gespeichert.</source>
        <translation>&quot;%1&quot; contains characters that the configuration file %2 cannot hold (Windows-1252); the value is not stored.</translation>
    </message>
    <message>
        <source>Die Konfigurationsdatei %1 kann nicht gelesen werden: %2</source>
        <translation>The configuration file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Konfigurationsdatei %1 kann nicht geschrieben werden: %2</source>
        <translation>The configuration file %1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>TLog</name>
    <message>
        <source>alle Namen des Tages sind vergeben</source>
        <translation>all names of the day are taken</translation>
    </message>
    <message>
        <source>Das Ereignisprotokoll kann in %1 nicht angelegt werden: %2</source>
        <translation>The event log cannot be created in %1: %2</translation>
    </message>
    <message>
        <source>Das Ereignisprotokoll %1 kann nicht geschrieben werden: %2</source>
        <translation>The event log %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Anlage %1: Auslesung unvollständig, %2 Datensätze gelesen</source>
        <translation>Plant %1: readout incomplete, %2 records read</translation>
    </message>
    <message>
        <source>Anlage %1: Auslesung wieder vollständig</source>
        <translation>Plant %1: readout complete again</translation>
    </message>
    <message>
        <source>Störung: %1</source>
        <translation>Fault: %1</translation>
    </message>
    <message>
        <source>Störung behoben: die Konfigurationsdatei wird wieder geschrieben</source>
        <translation>Fault cleared: the configuration file is written again</translation>
    </message>
    <message>
        <source>Störung behoben: das Ereignisprotokoll wird wieder geschrieben</source>
        <translation>Fault cleared: the event log is written again</translation>
    </message>
    <message>
        <source>Störung behoben: die Liste der gehaltenen Datensätze wird wieder geschrieben</source>
        <translation>Fault cleared: the list of kept records is written again</translation>
    </message>
    <message>
        <source>Störung behoben: der MQTT-Ausgang ist beim Broker angekommen</source>
        <translation>Fault cleared: the MQTT outbox has reached the broker</translation>
    </message>
</context>
<context>
    <name>TMessDaten</name>
    <message>
        <source>T 100cm</source>
        <translation>T 100cm</translation>
    </message>
    <message>
        <source>T 75cm</source>
        <translation>T 75cm</translation>
    </message>
    <message>
        <source>T 50cm</source>
        <translation>T 50cm</translation>
    </message>
    <message>
        <source>T 25cm</source>
        <translation>T 25cm</translation>
    </message>
    <message>
        <source>T  0cm</source>
        <translation>T  0cm</translation>
    </message>
    <message>
        <source>T 40in</source>
        <translation>T 40in</translation>
    </message>
    <message>
        <source>T 30in</source>
        <translation>T 30in</translation>
    </message>
    <message>
        <source>T 20in</source>
        <translation>T 20in</translation>
    </message>
    <message>
        <source>T 10in</source>
        <translation>T 10in</translation>
    </message>
    <message>
        <source>T 0in</source>
        <translation>T 0in</translation>
    </message>
    <message>
        <source>O2</source>
        <translation>O2</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Runtime</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist Zeile %2.</source>
        <translation>%1 line(s) of the file unreadable and skipped, the first is line %2.</translation>
    </message>
    <message>
        <source>Messwert- Nr</source>
        <translation>Reading no.</translation>
    </message>
    <message>
        <source>T[°F]</source>
        <translation>T[°F]</translation>
    </message>
    <message>
        <source>T[°C]</source>
        <translation>T[°C]</translation>
    </message>
    <message>
        <source>O2/vol%</source>
        <translation>O2/vol%</translation>
    </message>
    <message>
        <source>t/min</source>
        <translation>t/min</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Tiefe[in]</source>
        <translation>Depth[in]</translation>
    </message>
    <message>
        <source>Tiefe[cm]</source>
        <translation>Depth[cm]</translation>
    </message>
</context>
<context>
    <name>TMietenBild</name>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
</context>
<context>
    <name>TMietenVerwaltung</name>
    <message>
        <source>Datendatei existiert nicht oder
</source>
        <translation>The data file does not exist or
</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Invalid file structure
The file was not created by this software!</translation>
    </message>
    <message>
        <source>Anlage ist NICHT eingeschaltet!!
Fehler beim Starten!</source>
        <translation>The plant is NOT switched on!!
Error while starting!</translation>
    </message>
    <message>
        <source>Nicht alle Daten wurden korrekt gespeichert!!
Trotzdem Anlage ausschalten???</source>
        <translation>Not all data were stored correctly!!
Switch off the plant anyway???</translation>
    </message>
    <message>
        <source>Anlage ist ausgeschaltet!!
Einschalten durch Start einer neuen Miete!</source>
        <translation>The plant is switched off!!
Switch it on by starting a new pile!</translation>
    </message>
    <message>
        <source>Anlage ist NICHT ausgeschaltet!!
Fehler bei der Übertragung!</source>
        <translation>The plant is NOT switched off!!
Transmission error!</translation>
    </message>
    <message>
        <source>Anlage hat nicht eingeschaltet – Miete nicht gestartet</source>
        <translation>The plant did not switch on – pile not started</translation>
    </message>
    <message>
        <source>Ob in der Steuerung noch Datensätze der vorigen Miete sind, kann nicht gelesen werden.</source>
        <translation>Whether records of the previous pile are still in the controller cannot be read.</translation>
    </message>
    <message>
        <source>In der Steuerung sind noch %1 Datensätze der vorigen Miete.</source>
        <translation>%1 records of the previous pile are still in the controller.</translation>
    </message>
    <message>
        <source>Ihre Datei: %1</source>
        <translation>Their data file: %1</translation>
    </message>
    <message>
        <source>Beim Start kämen sie in die Datei der neuen Miete.
Miete trotzdem starten?</source>
        <translation>If the pile is started, they go into the new pile&apos;s data file.
Start the pile anyway?</translation>
    </message>
    <message>
        <source>Beim Fortführen kämen sie in die Datei %1.
Miete trotzdem fortführen?</source>
        <translation>If the pile is continued, they go into the data file %1.
Continue the pile anyway?</translation>
    </message>
    <message>
        <source>%1 Datensätze der vorigen Miete aus der Steuerung in ihre Datei gelesen:
%2</source>
        <translation>%1 records of the previous pile read from the controller into its data file:
%2</translation>
    </message>
    <message>
        <source>Soll die Anlage %1 (Miete „%2“) ausgeschaltet werden ?
Es werden keine weiteren Messwerte gespeichert.
Einschalten durch Start einer neuen Miete!!</source>
        <translation>Switch off plant %1 (pile &quot;%2&quot;)?
No further readings will be stored.
Switch it on again by starting a new pile!!</translation>
    </message>
</context>
<context>
    <name>TMqttAusgang</name>
    <message>
        <source>Der Ausgang %1 kann nicht geöffnet werden: %2</source>
        <translation>The outbox %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der Ausgang %1 kann nicht geschrieben werden: %2</source>
        <translation>The outbox %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Der Ausgang %1 kann nicht gelesen werden.</source>
        <translation>The outbox %1 cannot be read.</translation>
    </message>
    <message>
        <source>%1: die Marke %2 ist unlesbar: %3</source>
        <translation>%1: the marker %2 is unreadable: %3</translation>
    </message>
    <message>
        <source>%1: %2 kann nicht gesendet werden (%3): %4</source>
        <translation>%1: %2 cannot be sent (%3): %4</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>%1: Zeilen %2 bis %3 können nicht gesendet werden (%4): %5</source>
        <translation>%1: lines %2 to %3 cannot be sent (%4): %5</translation>
    </message>
    <message>
        <source>%1: ab Zeile %2 nicht lesbar: %3</source>
        <translation>%1: cannot be read from line %2 on: %3</translation>
    </message>
    <message>
        <source>abgeschnitten</source>
        <translation>cut off</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>unlesbar</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Zeile %1 (Nachricht %2)</source>
        <translation>line %1 (message %2)</translation>
    </message>
    <message>
        <source>%1: die Marke %2 steht hinter dem Ende (Nachricht %3, die letzte ist %4)</source>
        <translation>%1: the marker %2 stands beyond the end (message %3, the last one is %4)</translation>
    </message>
    <message>
        <source>%1: die Nummern der Nachrichten steigen nicht auf</source>
        <translation>%1: the message numbers do not rise</translation>
    </message>
    <message>
        <source>%1 Zeile(n) können nicht gesendet werden</source>
        <translation>%1 line(s) cannot be sent</translation>
    </message>
    <message>
        <source>%1 Nachricht(en) werden noch einmal gesendet</source>
        <translation>%1 message(s) are sent again</translation>
    </message>
    <message>
        <source>Zeile bei Byte %1</source>
        <translation>the line at byte %1</translation>
    </message>
</context>
<context>
    <name>TMqttSeite</name>
    <message>
        <source>Broker (Adresse oder Name)</source>
        <translation>Broker (address or name)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Verschlüsselt (TLS)</source>
        <translation>Encrypted (TLS)</translation>
    </message>
    <message>
        <source>CA- Datei</source>
        <translation>CA file</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Standort (in den Topics)</source>
        <translation>Site (in the topics)</translation>
    </message>
    <message>
        <source>Keepalive</source>
        <translation>Keepalive</translation>
    </message>
    <message>
        <source>CA- Datei wählen</source>
        <translation>Choose the CA file</translation>
    </message>
    <message>
        <source>Verbindung testen</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>leer: aus</source>
        <translation>empty: off</translation>
    </message>
    <message>
        <source>Teste die Verbindung …</source>
        <translation>Testing the connection …</translation>
    </message>
    <message>
        <source>Verbindung: die Einstellungen gelten ab dem nächsten Start.</source>
        <translation>Connection: the settings take effect at the next start.</translation>
    </message>
    <message>
        <source>Verbindung: %1</source>
        <translation>Connection: %1</translation>
    </message>
    <message>
        <source>Ausgang: %1 Nachrichten warten auf die Bestätigung des Brokers (%2).</source>
        <translation>Outbox: %1 messages waiting for the broker&apos;s acknowledgement (%2).</translation>
    </message>
    <message>
        <source>Zertifikate (*.pem *.crt);;Alle Dateien (*)</source>
        <translation>Certificates (*.pem *.crt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>TMqttSender</name>
    <message>
        <source>Aus: kein Broker eingetragen.</source>
        <translation>Off: no broker entered.</translation>
    </message>
    <message>
        <source>Verbinde mit %1 …</source>
        <translation>Connecting to %1 …</translation>
    </message>
    <message>
        <source>Verbunden mit %1 (Standort %2).</source>
        <translation>Connected to %1 (site %2).</translation>
    </message>
    <message>
        <source>%1 weist die Verbindung ab: %2</source>
        <translation>%1 refuses the connection: %2</translation>
    </message>
    <message>
        <source>Keine Verbindung zu %1: %2</source>
        <translation>No connection to %1: %2</translation>
    </message>
    <message>
        <source>Neuer Versuch in %1 s.</source>
        <translation>Next attempt in %1 s.</translation>
    </message>
    <message>
        <source>Neuer Versuch läuft.</source>
        <translation>Trying again now.</translation>
    </message>
    <message>
        <source>Der Broker antwortet nicht.</source>
        <translation>The broker does not answer.</translation>
    </message>
    <message>
        <source>Die MQTT- Bibliothek kann nicht starten.</source>
        <translation>The MQTT library cannot start.</translation>
    </message>
    <message>
        <source>Für TLS fehlt die CA- Datei.</source>
        <translation>TLS needs a CA file.</translation>
    </message>
    <message>
        <source>Die CA- Datei %1 kann nicht gelesen werden.</source>
        <translation>The CA file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Der Broker versteht MQTT 3.1.1 nicht.</source>
        <translation>The broker does not speak MQTT 3.1.1.</translation>
    </message>
    <message>
        <source>Der Broker weist die Kennung des Programms ab.</source>
        <translation>The broker refuses the program&apos;s client id.</translation>
    </message>
    <message>
        <source>Der Broker ist zur Zeit nicht bereit.</source>
        <translation>The broker is not available at the moment.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>User name or password is wrong.</translation>
    </message>
    <message>
        <source>Der Broker verweigert die Anmeldung: Benutzername oder Passwort falsch oder nicht berechtigt.</source>
        <translation>The broker refuses the login: user name or password wrong, or not authorised.</translation>
    </message>
    <message>
        <source>Der Broker weist die Verbindung ab (Code %1).</source>
        <translation>The broker refuses the connection (code %1).</translation>
    </message>
    <message>
        <source>Die Verbindung wurde beendet.</source>
        <translation>The connection was closed.</translation>
    </message>
    <message>
        <source>Unter %1 nimmt kein Broker Verbindungen an.</source>
        <translation>No broker accepts connections at %1.</translation>
    </message>
    <message>
        <source>Das Netz zu %1 ist nicht erreichbar.</source>
        <translation>The network to %1 cannot be reached.</translation>
    </message>
    <message>
        <source>Der Broker hat die Verbindung abgebrochen.</source>
        <translation>The broker broke off the connection.</translation>
    </message>
    <message>
        <source>Netzwerkfehler: %1</source>
        <translation>Network error: %1</translation>
    </message>
    <message>
        <source>Der Rechnername %1 ist nicht bekannt.</source>
        <translation>The host name %1 is unknown.</translation>
    </message>
    <message>
        <source>Die TLS- Verbindung ist gescheitert: %1</source>
        <translation>The TLS connection failed: %1</translation>
    </message>
    <message>
        <source>Der Broker antwortet nicht mehr.</source>
        <translation>The broker no longer answers.</translation>
    </message>
    <message>
        <source>Unter %1 antwortet kein MQTT- Broker.</source>
        <translation>No MQTT broker answers at %1.</translation>
    </message>
    <message>
        <source>Die Verbindung ist getrennt.</source>
        <translation>The connection is down.</translation>
    </message>
    <message>
        <source>Die Einstellungen sind ungültig (Rechnername, Port).</source>
        <translation>The settings are invalid (host name, port).</translation>
    </message>
    <message>
        <source>Verbindungsfehler: %1</source>
        <translation>Connection error: %1</translation>
    </message>
    <message>
        <source>Die Nachricht kann nicht gesendet werden.</source>
        <translation>The message cannot be sent.</translation>
    </message>
    <message>
        <source>Verbindung hergestellt: der Broker %1 nimmt die Anmeldung an.</source>
        <translation>Connected: the broker %1 accepts the login.</translation>
    </message>
    <message>
        <source>Kein Broker eingetragen.</source>
        <translation>No broker entered.</translation>
    </message>
</context>
<context>
    <name>TProtokoll</name>
    <message>
        <source>Leitung: %1 empfangene Bytes seit %2 nicht protokolliert (mehr als %3 Bytes in einer Minute)</source>
        <translation>Line: %1 received bytes since %2 not logged (more than %3 bytes in one minute)</translation>
    </message>
</context>
<context>
    <name>TProtokollDruck</name>
    <message>
        <source>T5[°F]</source>
        <translation>T5[°F]</translation>
    </message>
    <message>
        <source>T4[°F]</source>
        <translation>T4[°F]</translation>
    </message>
    <message>
        <source>T3[°F]</source>
        <translation>T3[°F]</translation>
    </message>
    <message>
        <source>T2[°F]</source>
        <translation>T2[°F]</translation>
    </message>
    <message>
        <source>T1[°F]</source>
        <translation>T1[°F]</translation>
    </message>
    <message>
        <source>[in]</source>
        <translation>[in]</translation>
    </message>
    <message>
        <source>[cm]</source>
        <translation>[cm]</translation>
    </message>
    <message>
        <source>[°F]</source>
        <translation>[°F]</translation>
    </message>
    <message>
        <source>[°C]</source>
        <translation>[°C]</translation>
    </message>
    <message>
        <source>Kriterium</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Based on</translation>
    </message>
    <message>
        <source>Längste Spanne</source>
        <translation>Longest span</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>%1: Kein gültiger Dateiaufbau, die Datei war nicht von dieser Software erzeugt.</source>
        <translation>%1: Invalid file structure, the file was not created by this software.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: Die Datei enthält keine Messwerte; es wurde kein PDF geschrieben.</source>
        <translation>%1: The file contains no readings; no PDF was written.</translation>
    </message>
    <message>
        <source>Das PDF %1 kann nicht geschrieben werden.</source>
        <translation>The PDF %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>TSpeicherung</name>
    <message>
        <source>Die Speicherdaten der Anlage %1 können jetzt nicht ausgelesen werden: eine andere Anfrage wartet noch.</source>
        <translation>The stored records of plant %1 cannot be read now: another request is still waiting.</translation>
    </message>
    <message>
        <source>Speicherdatei kann nicht geöffnet werden !</source>
        <translation>The data file cannot be opened!</translation>
    </message>
    <message>
        <source>Anzahl der Speicherdaten kann nicht ausgelesen werden !
Kommunikationsfehler !</source>
        <translation>The number of stored records cannot be read!
Communication error!</translation>
    </message>
    <message>
        <source>Die Datensätze bleiben in der Steuerung, bis Platz geschaffen ist:</source>
        <translation>The records stay in the controller until space is made:</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Anfrage nach Datensatz %1 von %2.</source>
        <translation>No reply to the request for record %1 of %2.</translation>
    </message>
    <message>
        <source>Die Anfrage nach Datensatz %1 wurde abgewiesen: eine andere Anfrage wartet noch.</source>
        <translation>The request for record %1 was refused: another request is still waiting.</translation>
    </message>
    <message>
        <source>Daten wurden nicht korrekt gespeichert!!
Bitte Speichermedium überprüfen !!</source>
        <translation>The data were not stored correctly!!
Please check the storage medium!!</translation>
    </message>
    <message>
        <source>Nur %1 von %2 Datensätzen haben Platz; %3 bleiben in der Steuerung, bis Platz geschaffen ist:</source>
        <translation>Only %1 of %2 records fit; %3 stay in the controller until space is made:</translation>
    </message>
    <message>
        <source>Der Datensatz wird im Speicher gehalten und geschrieben, sobald der Datenträger ihn annimmt; bis dahin wird nichts mehr ausgelesen.</source>
        <translation>The record is kept in memory and written as soon as the storage medium accepts it; until then nothing more is read.</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden:</source>
        <translation>Records kept for plant %1 cannot be written yet:</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis dahin bleiben die neuen in der Steuerung:</source>
        <translation>Records kept for plant %1 cannot be written yet; until then the new ones stay in the controller:</translation>
    </message>
    <message>
        <source>Die Auslesung wurde nach %1 von %2 Datensätzen beendet; die übrigen bleiben in der Steuerung.</source>
        <translation>The readout ended after %1 of %2 records; the others stay in the controller.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Statuswert</source>
        <translation>status value</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>day</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>year</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Runtime</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>Speicherzeit „%1“</source>
        <translation>storage time “%1”</translation>
    </message>
    <message>
        <source>Datensatz %1 mit unlesbaren Feldern (%2) wurde so gespeichert, wie er kam.</source>
        <translation>Record %1 with unreadable fields (%2) was saved as it came.</translation>
    </message>
    <message>
        <source>Ein Datensatz mit unlesbaren Feldern (%1) wird gehalten, wie er kam.</source>
        <translation>A record with unreadable fields (%1) is kept as it came.</translation>
    </message>
    <message>
        <source>Anlage %1: %2</source>
        <translation>Plant %1: %2</translation>
    </message>
    <message>
        <source>Die Steuerung meldet %1 gespeicherte Datensätze; möglich sind 0 bis 1000. Es wurde nichts ausgelesen.</source>
        <translation>The controller reports %1 stored records; 0 to 1000 are possible. Nothing was read.</translation>
    </message>
</context>
<context>
    <name>TVerbindung</name>
    <message>
        <source>Baue Netzwerkverbindung auf......</source>
        <translation>Establishing the network connection......</translation>
    </message>
    <message>
        <source>Serielle Verbindung auf :</source>
        <translation>Serial connection on: </translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der seriellen Schnittstelle !
Bitte überprüfen!!</source>
        <translation>Error opening the serial port!
Please check!!</translation>
    </message>
    <message>
        <source>Keine Verbindung
Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>No connection
Please check the cable and the PC settings!</translation>
    </message>
    <message>
        <source>Schliesse Verbindung....</source>
        <translation>Closing the connection....</translation>
    </message>
    <message>
        <source>Netzwerkverbindung zu :</source>
        <translation>Network connection to: </translation>
    </message>
    <message>
        <source>Netzwerkverbindung ist inaktiv !</source>
        <translation>The network connection is inactive!</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Netzerkverbindung!
Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>Error opening the network connection!
Please check the cable and the PC settings!</translation>
    </message>
    <message>
        <source>Asynchroner Socket-Fehler %1</source>
        <translation>Asynchronous socket error %1</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit %1
Nächster Versuch um %2</source>
        <translation>Connection lost since %1
Next attempt at %2</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit %1 – nächster Versuch um %2</source>
        <translation>Connection lost since %1 – next attempt at %2</translation>
    </message>
    <message>
        <source>Keine Verbindung zu den Steuerungen!</source>
        <translation>No connection to the controllers!</translation>
    </message>
    <message>
        <source>Bitte Netzwerkadapter und PC- Einstellung überprüfen!</source>
        <translation>Please check the network adapter and the PC settings!</translation>
    </message>
    <message>
        <source>Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>Please check the cable and the PC settings!</translation>
    </message>
    <message>
        <source>TIMEOUT bei der Netzwerkverbindung!
Bitte Netzwerkadapter und PC- Einstellung überprüfen!</source>
        <translation>TIMEOUT on the network connection!
Please check the network adapter and the PC settings!</translation>
    </message>
    <message>
        <source>TIMEOUT, bei der seriellen Kommunikation!
Bitte Kabel und PC- Einstellung überprüfen!Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>TIMEOUT in the serial communication!
Please check the cable and the PC settings!</translation>
    </message>
</context>
<context>
    <name>TVerbindungsPruefung</name>
    <message>
        <source>Der Netzwerkadapter hat die Verbindung nicht angenommen.</source>
        <translation>The network adapter did not accept the connection.</translation>
    </message>
    <message>
        <source>Keine serielle Schnittstelle gewählt.</source>
        <translation>No serial port chosen.</translation>
    </message>
    <message>
        <source>Die Verbindung konnte nicht geöffnet werden:</source>
        <translation>The connection could not be opened:</translation>
    </message>
    <message>
        <source>Die Verbindung ist offen, aber keine der %1 Steuerungen hat geantwortet. Bitte Kabel, Geschwindigkeit und Zahl der Anlagen überprüfen.</source>
        <translation>The connection is open, but none of the %1 controllers answered. Please check the cable, the speed and the number of plants.</translation>
    </message>
    <message>
        <source>%1 von %2 Steuerungen haben geantwortet: Anlage %3.</source>
        <translation>%1 of %2 controllers answered: plant %3.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--protocol verlangt measurement, quality oder graph.</source>
        <translation>--protocol requires measurement, quality or graph.</translation>
    </message>
    <message>
        <source>Genau eine Datendatei angeben (FILE.CSV).</source>
        <translation>Give exactly one data file (FILE.CSV).</translation>
    </message>
    <message>
        <source>Leitstand für Kompostanlagen mit O2-Belüftungssteuerungen.</source>
        <translation>Control station for composting plants with O2 aeration controllers.</translation>
    </message>
    <message>
        <source>Sprache dieses Laufs: de, en oder fr (wird nicht gespeichert).</source>
        <translation>Language of this run: de, en or fr (not stored).</translation>
    </message>
    <message>
        <source>Schreibt das Protokoll der Datendatei FILE.CSV als PDF, ohne Fenster.</source>
        <translation>Writes the report of the data file FILE.CSV as PDF, without a window.</translation>
    </message>
    <message>
        <source>Mit --pdf: measurement (Messprotokoll), quality (Protokoll Gütegemeinschaft) oder graph (Grafik).</source>
        <translation>With --pdf: measurement (measurement report), quality (quality association report) or graph (graph).</translation>
    </message>
    <message>
        <source>Mit --pdf: ein Wert je Tag.</source>
        <translation>With --pdf: one value per day.</translation>
    </message>
    <message>
        <source>Mit --pdf: mit Grafik.</source>
        <translation>With --pdf: with graph.</translation>
    </message>
    <message>
        <source>Mit --pdf: die Datendatei.</source>
        <translation>With --pdf: the data file.</translation>
    </message>
    <message>
        <source>--language verlangt de, en oder fr.</source>
        <translation>--language requires de, en or fr.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Rudevad Irivazared ededevo</source>
        <translation>Rudevad Irivazared ededevo</translation>
    </message>
    <message>
        <source>Mit --pdf: die Anlage ist geschlossen (Vorgabe: offen); gilt für den Nachweis der Hygienisierung.</source>
        <translation>With --pdf: the plant is enclosed (default: open); applies to the proof of hygienisation.</translation>
    </message>
    <message>
        <source>Ordner mit O2_Tarvos.ini, Installation.ini, KompLogo.BMP und den Protokolldateien (Vorgabe: der Ordner des Programms, wenn er beschreibbar ist oder eine Installation enthält, sonst %1).</source>
        <translation>Folder with O2_Tarvos.ini, Installation.ini, KompLogo.BMP and the log files (default: the program&apos;s folder when it can be written or holds an installation, else %1).</translation>
    </message>
</context>
</TS>
