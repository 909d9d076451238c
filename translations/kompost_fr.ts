<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>BerichtAusgabe</name>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.
Bitte richten Sie einen Drucker ein oder speichern Sie den Ausdruck in der Druckvorschau als PDF.</source>
        <translation>Aucune imprimante n&apos;est installée.
Veuillez configurer une imprimante ou enregistrer l&apos;impression en PDF depuis l&apos;aperçu avant impression.</translation>
    </message>
    <message>
        <source>Der Drucker %1 kann nicht drucken.</source>
        <translation>L&apos;imprimante %1 ne peut pas imprimer.</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Druckvorschau - %1</source>
        <translation>Aperçu avant impression - %1</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf);;Alle Dateien (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>Einrichtung</name>
    <message>
        <source>Die Zahl der Anlagen muss zwischen 1 und 32 liegen.</source>
        <translation>Le nombre d&apos;installations doit être compris entre 1 et 32.</translation>
    </message>
    <message>
        <source>Bitte die IP- Adresse oder den Netzwerknamen des Netzwerkadapters angeben.</source>
        <translation>Veuillez indiquer l&apos;adresse IP ou le nom réseau de l&apos;adaptateur réseau.</translation>
    </message>
    <message>
        <source>Die Adresse %1 ist keine gültige IP- Adresse und kein gültiger Netzwerkname.</source>
        <translation>L&apos;adresse %1 n&apos;est ni une adresse IP valide ni un nom réseau valide.</translation>
    </message>
    <message>
        <source>Die Port- Nummer muss zwischen 1 und 65535 liegen.</source>
        <translation>Le numéro de port doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Bitte eine serielle Schnittstelle wählen.</source>
        <translation>Veuillez choisir un port série.</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 kann nicht in die Konfigurationsdatei geschrieben werden.</source>
        <translation>Le port %1 ne peut pas être écrit dans le fichier de configuration.</translation>
    </message>
    <message>
        <source>Bitte eine Übertragungsgeschwindigkeit wählen.</source>
        <translation>Veuillez choisir une vitesse de transmission.</translation>
    </message>
    <message>
        <source>Bitte einen Ordner für die Messdatendateien angeben.</source>
        <translation>Veuillez indiquer un dossier pour les fichiers de données.</translation>
    </message>
    <message>
        <source>In den Ordner %1 kann nicht geschrieben werden. Bitte einen anderen Ordner für die Messdatendateien wählen.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1. Veuillez choisir un autre dossier pour les fichiers de données.</translation>
    </message>
    <message>
        <source>Bitte die drei Zeilen des Protokollkopfs angeben.</source>
        <translation>Veuillez indiquer les trois lignes de l&apos;en-tête des rapports.</translation>
    </message>
    <message>
        <source>Der Text „%1“ enthält Zeichen, die die Konfigurationsdatei nicht aufnehmen kann.</source>
        <translation>Le texte « %1 » contient des caractères que le fichier de configuration ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Im Ordner %1 ist schon eine Installation eingerichtet.</source>
        <translation>Le dossier %1 contient déjà une installation.</translation>
    </message>
    <message>
        <source>Die Einrichtung konnte nicht gespeichert werden: %1</source>
        <translation>La configuration n&apos;a pas pu être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>KompUtils</name>
    <message>
        <source>Der Pfad %1 enthält Zeichen (%2), die die Konfigurationsdatei und die Speicherdateien nicht aufnehmen können. Bitte einen Ordner ohne diese Zeichen wählen.</source>
        <translation>Le chemin %1 contient des caractères (%2) que le fichier de configuration et les fichiers de données ne peuvent pas contenir. Veuillez choisir un dossier sans ces caractères.</translation>
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
        <translation>Le nom diffère de l&apos;installation %1 : « %2 »</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TAlarmJournal</name>
    <message>
        <source>Das Alarmjournal %1 kann nicht geöffnet werden: %2</source>
        <translation>Le journal des alarmes %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>Das Alarmjournal %1 kann nicht geschrieben werden: %2</source>
        <translation>Le journal des alarmes %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Das Alarmjournal %1 erreicht das Speichermedium nicht: %2</source>
        <translation>Le journal des alarmes %1 n&apos;atteint pas le support de stockage : %2</translation>
    </message>
</context>
<context>
    <name>TAlarmTexte</name>
    <message>
        <source>Es ist kein Mailserver eingestellt.</source>
        <translation>Aucun serveur de messagerie n&apos;est réglé.</translation>
    </message>
    <message>
        <source>Die Absenderadresse &quot;%1&quot; ist ungültig.</source>
        <translation>L&apos;adresse de l&apos;expéditeur « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Es ist keine Empfängeradresse eingestellt.</source>
        <translation>Aucune adresse de destinataire n&apos;est réglée.</translation>
    </message>
    <message>
        <source>Die Empfängeradresse &quot;%1&quot; ist ungültig.</source>
        <translation>L&apos;adresse du destinataire « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Die Mailbibliothek lässt sich nicht starten.</source>
        <translation>La bibliothèque de messagerie ne peut pas être démarrée.</translation>
    </message>
    <message>
        <source>Der Name des Mailservers &quot;%1&quot; ist ungültig.</source>
        <translation>Le nom du serveur de messagerie « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 ist unbekannt: sein Name lässt sich nicht auflösen.</source>
        <translation>Le serveur de messagerie %1 est inconnu : son nom ne peut pas être résolu.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 nimmt auf Port %2 keine Verbindung an.</source>
        <translation>Le serveur de messagerie %1 n&apos;accepte aucune connexion sur le port %2.</translation>
    </message>
    <message>
        <source>Der Mailserver %1 antwortet nicht (Zeitüberschreitung).</source>
        <translation>Le serveur de messagerie %1 ne répond pas (délai dépassé).</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Anmeldung als %1 abgelehnt: Benutzername oder Kennwort stimmen nicht. Antwort des Servers: %2</source>
        <translation>Le serveur de messagerie a refusé la connexion en tant que %1 : nom d&apos;utilisateur ou mot de passe incorrect. Réponse du serveur : %2</translation>
    </message>
    <message>
        <source>Der Mailserver %1 bietet keine verschlüsselte Verbindung (STARTTLS) an.</source>
        <translation>Le serveur de messagerie %1 ne propose pas de connexion chiffrée (STARTTLS).</translation>
    </message>
    <message>
        <source>Das Zertifikat des Mailservers %1 ist nicht vertrauenswürdig: %2</source>
        <translation>Le certificat du serveur de messagerie %1 n&apos;est pas digne de confiance : %2</translation>
    </message>
    <message>
        <source>Die Zertifikatsdatei %1 kann nicht gelesen werden.</source>
        <translation>Le fichier de certificat %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Die verschlüsselte Verbindung zum Mailserver %1 ist fehlgeschlagen: %2</source>
        <translation>La connexion chiffrée au serveur de messagerie %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Das Senden wurde abgebrochen.</source>
        <translation>L&apos;envoi a été interrompu.</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Nachricht abgelehnt: %1</source>
        <translation>Le serveur de messagerie a refusé le message : %1</translation>
    </message>
    <message>
        <source>Die Nachricht konnte nicht gesendet werden: %1</source>
        <translation>Le message n&apos;a pas pu être envoyé : %1</translation>
    </message>
    <message>
        <source>Anlage antwortet nicht</source>
        <translation>L&apos;installation ne répond pas</translation>
    </message>
    <message>
        <source>Verbindung zu den Steuerungen unterbrochen</source>
        <translation>Connexion aux régulateurs interrompue</translation>
    </message>
    <message>
        <source>Sauerstoff zu niedrig</source>
        <translation>Oxygène trop bas</translation>
    </message>
    <message>
        <source>Temperatur zu hoch</source>
        <translation>Température trop élevée</translation>
    </message>
    <message>
        <source>Kern hat 55 °C nicht erreicht</source>
        <translation>Le cœur n&apos;a pas atteint 55 °C</translation>
    </message>
    <message>
        <source>Steuerungsspeicher fast voll</source>
        <translation>Mémoire du régulateur presque pleine</translation>
    </message>
    <message>
        <source>Auslesung fehlgeschlagen</source>
        <translation>Échec de la lecture des données</translation>
    </message>
    <message>
        <source>Wenig Speicherplatz</source>
        <translation>Peu d&apos;espace disque</translation>
    </message>
    <message>
        <source>Konfigurationsdatei kann nicht geschrieben werden</source>
        <translation>Le fichier de configuration ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Ereignisprotokoll kann nicht geschrieben werden</source>
        <translation>Le journal des événements ne peut pas être écrit</translation>
    </message>
    <message>
        <source>Bedingung abgeschaltet</source>
        <translation>condition désactivée</translation>
    </message>
    <message>
        <source>antwortet wieder</source>
        <translation>répond de nouveau</translation>
    </message>
    <message>
        <source>keine Antwort seit %1</source>
        <translation>pas de réponse depuis %1</translation>
    </message>
    <message>
        <source>O2 %1 vol%, seit %2 unter %3 vol%</source>
        <translation>O2 %1 vol%, sous %3 vol% depuis %2</translation>
    </message>
    <message>
        <source>O2 %1 vol%</source>
        <translation>O2 %1 vol%</translation>
    </message>
    <message>
        <source>Kern %1 °C, über %2 °C</source>
        <translation>cœur %1 °C, au-dessus de %2 °C</translation>
    </message>
    <message>
        <source>Kern %1 °C</source>
        <translation>cœur %1 °C</translation>
    </message>
    <message>
        <source>Kern %1 °C erreicht</source>
        <translation>cœur à %1 °C atteint</translation>
    </message>
    <message>
        <source>Miete beendet</source>
        <translation>andain terminé</translation>
    </message>
    <message>
        <source>Verbindung wiederhergestellt</source>
        <translation>connexion rétablie</translation>
    </message>
    <message>
        <source>%1 Datensätze im Speicher der Steuerung (Grenze %2, Platz für 1000)</source>
        <translation>%1 enregistrements dans la mémoire du régulateur (limite %2, place pour 1000)</translation>
    </message>
    <message>
        <source>%1 Datensätze im Speicher der Steuerung</source>
        <translation>%1 enregistrements dans la mémoire du régulateur</translation>
    </message>
    <message>
        <source>ausgelesen: %1 Datensätze</source>
        <translation>lu : %1 enregistrements</translation>
    </message>
    <message>
        <source>%1 Datensätze gelesen</source>
        <translation>%1 enregistrements lus</translation>
    </message>
    <message>
        <source>%1 Datensätze gelesen: %2</source>
        <translation>%1 enregistrements lus : %2</translation>
    </message>
    <message>
        <source>keine Verbindung seit %1</source>
        <translation>pas de connexion depuis %1</translation>
    </message>
    <message>
        <source>nicht mehr gestört</source>
        <translation>plus de perturbation</translation>
    </message>
    <message>
        <source>höchste Kerntemperatur %1 °C, Miete seit %2</source>
        <translation>température du cœur la plus haute %1 °C, andain depuis %2</translation>
    </message>
    <message>
        <source>frei: %1 (Grenze %2 MB)</source>
        <translation>libre : %1 (limite %2 Mo)</translation>
    </message>
    <message>
        <source>mehr als %1 MB frei</source>
        <translation>plus de %1 Mo libres</translation>
    </message>
    <message>
        <source>MQTT-Ausgang beschädigt</source>
        <translation>Boîte d&apos;envoi MQTT endommagée</translation>
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
        <translation>Installation %1</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Alarm beendet – %1: %2</source>
        <translation>Kompost-Leitstand : fin d&apos;alarme – %1 : %2</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Alarm – %1: %2</source>
        <translation>Kompost-Leitstand : alarme – %1 : %2</translation>
    </message>
    <message>
        <source>Alarm beendet: %1</source>
        <translation>Fin d&apos;alarme : %1</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>Alarme : %1</translation>
    </message>
    <message>
        <source>Zeit: %1</source>
        <translation>Heure : %1</translation>
    </message>
    <message>
        <source>Gekommen: %1</source>
        <translation>Apparue : %1</translation>
    </message>
    <message>
        <source>Anlage: %1 – %2</source>
        <translation>Installation : %1 – %2</translation>
    </message>
    <message>
        <source>Mietendatei: %1</source>
        <translation>Fichier de l&apos;andain : %1</translation>
    </message>
    <message>
        <source>Anlage: %1</source>
        <translation>Installation : %1</translation>
    </message>
    <message>
        <source>Werte: %1</source>
        <translation>Valeurs : %1</translation>
    </message>
    <message>
        <source>Kompost-Leitstand: Testnachricht</source>
        <translation>Kompost-Leitstand : message de test</translation>
    </message>
    <message>
        <source>Diese Testnachricht zeigt, dass die Alarme des Kompost-Leitstands per E-Mail ankommen.</source>
        <translation>Ce message de test montre que les alarmes de Kompost-Leitstand arrivent par e-mail.</translation>
    </message>
</context>
<context>
    <name>TBericht</name>
    <message>
        <source>%1 von %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>TDataFile</name>
    <message>
        <source>Anlage %1 gibt es nicht.</source>
        <translation>L&apos;installation %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht geöffnet werden: %2</source>
        <translation>Le fichier de données %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>Die Datei %1 hat nicht den Aufbau einer Speicherdatei; an sie wird nichts angehängt.</source>
        <translation>Le fichier %1 n&apos;a pas la structure d&apos;un fichier de données ; rien n&apos;y est ajouté.</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier de données %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht beschrieben werden: %2</source>
        <translation>Le fichier de données %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht angelegt werden: %2</source>
        <translation>Le fichier de données %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>Der Datenträger nimmt keine weiteren Daten an (voll?).</source>
        <translation>Le support de stockage n&apos;accepte plus de données (plein ?).</translation>
    </message>
    <message>
        <source>Die Speicherdatei der Anlage %1 ist nicht geöffnet.</source>
        <translation>Le fichier de données de l&apos;installation %1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Die Speicherdatei %1 hat keine Datensatznummern mehr frei.</source>
        <translation>Le fichier de données %1 n&apos;a plus de numéros d&apos;enregistrement libres.</translation>
    </message>
    <message>
        <source>Datensatz %1 kann nicht in %2 geschrieben werden: %3</source>
        <translation>L&apos;enregistrement %1 ne peut pas être écrit dans %2 : %3</translation>
    </message>
    <message>
        <source>Speicherdatei %1 kann nicht geschlossen werden: %2</source>
        <translation>Le fichier de données %1 ne peut pas être fermé : %2</translation>
    </message>
    <message>
        <source>Zu wenig Platz in %1: %2 von %3 Datensätzen passen (frei sind %4 Bytes, es fehlen %5 Bytes).</source>
        <translation>Pas assez de place dans %1 : %2 enregistrements sur %3 tiennent (%4 octets libres, il manque %5 octets).</translation>
    </message>
    <message>
        <source>Für die Anlage %1 ist keine Datendatei einer vorigen Miete eingetragen.</source>
        <translation>Aucun fichier de données d&apos;un andain précédent n&apos;est enregistré pour l&apos;installation %1.</translation>
    </message>
    <message>
        <source>Die Datendatei %1 gibt es nicht mehr.</source>
        <translation>Le fichier de données %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Die Liste der gehaltenen Datensätze kann nicht geschrieben werden; der gehaltene Datensatz wird erst danach in %1 geschrieben, damit er dort nicht doppelt steht:</source>
        <translation>La liste des enregistrements retenus ne peut pas être écrite ; l&apos;enregistrement retenu ne sera écrit dans %1 qu&apos;ensuite, afin qu&apos;il n&apos;y figure pas deux fois :</translation>
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
        <translation>Durée</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Speicherdatei kann nicht geöffnet werden !</source>
        <translation>Le fichier de données ne peut pas être ouvert !</translation>
    </message>
    <message>
        <source>Anzahl der Speicherdaten kann nicht ausgelesen werden !
Kommunikationsfehler !</source>
        <translation>Impossible de lire le nombre d&apos;enregistrements !
Erreur de communication !</translation>
    </message>
    <message>
        <source>INFO Daten auslesen abgeschlossen.</source>
        <translation>INFO Lecture des données terminée.</translation>
    </message>
    <message>
        <source>Daten wurden nicht korrekt gespeichert!!
Bitte Speichermedium überprüfen !!</source>
        <translation>Les données n&apos;ont pas été enregistrées correctement !!
Veuillez vérifier le support de stockage !!</translation>
    </message>
    <message>
        <source>Werte in Datei gespeichert !</source>
        <translation>Valeurs enregistrées dans le fichier !</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis dahin bleiben die neuen in der Steuerung:</source>
        <translation>Les enregistrements retenus de l&apos;installation %1 ne peuvent pas encore être écrits ; d&apos;ici là, les nouveaux restent dans le régulateur :</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Anfrage nach Datensatz %1 von %2.</source>
        <translation>Pas de réponse à la requête de l&apos;enregistrement %1 sur %2.</translation>
    </message>
    <message>
        <source>Anlage ist ausgeschaltet.
In der Steuerung sind keine Datensätze.</source>
        <translation>L&apos;installation est désactivée.
Le régulateur ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>In der Steuerung sind noch %1 Datensätze der vorigen Miete.</source>
        <translation>Le régulateur contient encore %1 enregistrements de l&apos;andain précédent.</translation>
    </message>
    <message>
        <source>Sie bleiben in der Steuerung.</source>
        <translation>Ils restent dans le régulateur.</translation>
    </message>
    <message>
        <source>Werte in Datei der vorigen Miete gespeichert: %1</source>
        <translation>Valeurs enregistrées dans le fichier de l&apos;andain précédent : %1</translation>
    </message>
    <message>
        <source>Daten auslesen abgebrochen.
%1 Datensätze in Datei gespeichert, %2 bleiben in der Steuerung und kommen mit der nächsten Auslesung.</source>
        <translation>Lecture des données annulée.
%1 enregistrements sauvegardés dans le fichier, %2 restent dans le régulateur et viendront avec la prochaine lecture.</translation>
    </message>
    <message>
        <source>Abgebrochen: %1 Datensätze gespeichert, %2 in der Steuerung</source>
        <translation>Annulé : %1 enregistrements sauvegardés, %2 dans le régulateur</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Einstellungen und Ereignisprotokolle in:
%1</source>
        <translation>Réglages et journaux des événements dans :
%1</translation>
    </message>
</context>
<context>
    <name>TFAktiv</name>
    <message>
        <source>Humaro Aktiv !</source>
        <translation>Humaro occupé !</translation>
    </message>
    <message>
        <source>Daten werden aus Steuerung geladen. Bitte etwas Geduld, Programm kann nicht unterbrochen werden !</source>
        <translation>Chargement des données du régulateur. Veuillez patienter, le programme ne peut pas être interrompu !</translation>
    </message>
    <message>
        <source>Daten werden aus Steuerung geladen. Bitte etwas Geduld. Ein Klick auf diesen Text bricht das Auslesen ab.</source>
        <translation>Chargement des données du régulateur. Veuillez patienter. Un clic sur ce texte interrompt la lecture.</translation>
    </message>
    <message>
        <source>Auslesen wird abgebrochen …</source>
        <translation>Interruption de la lecture …</translation>
    </message>
</context>
<context>
    <name>TFAlarmEinstellungen</name>
    <message>
        <source>Alarme einstellen</source>
        <translation>Réglage des alarmes</translation>
    </message>
    <message>
        <source>Grenzwerte (0 schaltet eine Bedingung ab)</source>
        <translation>Seuils (0 désactive une condition)</translation>
    </message>
    <message>
        <source>Anlage antwortet nicht seit</source>
        <translation>L&apos;installation ne répond pas depuis</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit</source>
        <translation>Connexion interrompue depuis</translation>
    </message>
    <message>
        <source>Sauerstoff unter</source>
        <translation>Oxygène sous</translation>
    </message>
    <message>
        <source>Sauerstoff zu niedrig seit</source>
        <translation>Oxygène trop bas depuis</translation>
    </message>
    <message>
        <source>Kerntemperatur über</source>
        <translation>Température du cœur au-dessus de</translation>
    </message>
    <message>
        <source>55 °C im Kern nicht erreicht nach</source>
        <translation>55 °C non atteints au cœur après</translation>
    </message>
    <message>
        <source>Datensätze im Steuerungsspeicher ab</source>
        <translation>Enregistrements dans la mémoire du régulateur à partir de</translation>
    </message>
    <message>
        <source>Freier Speicherplatz unter</source>
        <translation>Espace disque libre sous</translation>
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
        <translation>jours</translation>
    </message>
    <message>
        <source>von 1000</source>
        <translation>sur 1000</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mailserver (leer: keine E-Mail)</source>
        <translation>Serveur de messagerie (vide : pas d&apos;e-mail)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Verschlüsselung</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Kennwort</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Absender</source>
        <translation>Expéditeur</translation>
    </message>
    <message>
        <source>Empfänger (durch Komma getrennt)</source>
        <translation>Destinataires (séparés par des virgules)</translation>
    </message>
    <message>
        <source>Eigene Zertifizierungsstelle (PEM-Datei, wahlweise)</source>
        <translation>Autorité de certification propre (fichier PEM, facultatif)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS von Beginn an</source>
        <translation>TLS dès le début</translation>
    </message>
    <message>
        <source>Testnachricht senden</source>
        <translation>Envoyer un message de test</translation>
    </message>
    <message>
        <source>Die Testnachricht wird gesendet …</source>
        <translation>Envoi du message de test …</translation>
    </message>
    <message>
        <source>Befehl</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Läuft bei jedem Alarm, der kommt oder geht, ohne Shell, mit den Argumenten &quot;kommt&quot; oder &quot;geht&quot;, der Nummer der Anlage (0: der PC) und dem Text des Alarms.</source>
        <translation>S&apos;exécute à chaque alarme qui apparaît ou disparaît, sans shell, avec les arguments « kommt » ou « geht », le numéro de l&apos;installation (0 : le PC) et le texte de l&apos;alarme.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Die Absenderadresse &quot;%1&quot; ist ungültig.</source>
        <translation>L&apos;adresse de l&apos;expéditeur « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Bitte mindestens eine Empfängeradresse angeben.</source>
        <translation>Veuillez indiquer au moins une adresse de destinataire.</translation>
    </message>
    <message>
        <source>Die Empfängeradresse &quot;%1&quot; ist ungültig.</source>
        <translation>L&apos;adresse du destinataire « %1 » n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Bitte zuerst den Mailserver angeben.</source>
        <translation>Veuillez d&apos;abord indiquer le serveur de messagerie.</translation>
    </message>
    <message>
        <source>Der Mailserver hat die Testnachricht an %1 angenommen.</source>
        <translation>Le serveur de messagerie a accepté le message de test pour %1.</translation>
    </message>
    <message>
        <source>Die Testnachricht konnte nicht gesendet werden:
%1</source>
        <translation>Le message de test n&apos;a pas pu être envoyé :
%1</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans le fichier de configuration :
%1</translation>
    </message>
</context>
<context>
    <name>TFAlarme</name>
    <message>
        <source>kommt</source>
        <translation>apparue</translation>
    </message>
    <message>
        <source>geht</source>
        <translation>disparue</translation>
    </message>
    <message>
        <source>quittiert</source>
        <translation>acquittée</translation>
    </message>
    <message>
        <source>Alarme</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Aktuelle Alarme</source>
        <translation>Alarmes en cours</translation>
    </message>
    <message>
        <source>Verlauf (30 Tage)</source>
        <translation>Historique (30 jours)</translation>
    </message>
    <message>
        <source>Seit</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Anlage</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keine Alarme.</source>
        <translation>Aucune alarme.</translation>
    </message>
    <message>
        <source>&amp;Quittieren</source>
        <translation>&amp;Acquitter</translation>
    </message>
    <message>
        <source>&amp;Alle quittieren</source>
        <translation>Tout a&amp;cquitter</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>aktiv, quittiert</source>
        <translation>active, acquittée</translation>
    </message>
    <message>
        <source>beendet %1</source>
        <translation>terminée %1</translation>
    </message>
</context>
<context>
    <name>TFAnlDatumSetup</name>
    <message>
        <source>Mess- Steuerung Setup</source>
        <translation>Configuration du régulateur</translation>
    </message>
    <message>
        <source>Aktuelle Anlagen-Datum/Zeit Einstellung:</source>
        <translation>Date/heure actuelle de l&apos;installation :</translation>
    </message>
    <message>
        <source>Datum/ Zeit neu Setzen</source>
        <translation>Régler la date/l&apos;heure</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>AUCUNE INSTALLATION CONNECTÉE !!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>L&apos;INSTALLATION connectée est désactivée !!</translation>
    </message>
    <message>
        <source>Die Steuerung antwortet nicht.</source>
        <translation>Le régulateur ne répond pas.</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit der Anlage %1 gesetzt: %2</source>
        <translation>Date et heure de l&apos;installation %1 réglées : %2</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 antwortet nicht: ob Datum und Uhrzeit gesetzt wurden, ist nicht bekannt.</source>
        <translation>Le régulateur de l&apos;installation %1 ne répond pas : on ne sait pas si la date et l&apos;heure ont été réglées.</translation>
    </message>
    <message>
        <source>Datum %1  Zeit %2</source>
        <translation>Date %1  Heure %2</translation>
    </message>
</context>
<context>
    <name>TFAnlageDaten</name>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Centre de contrôle du compostage</translation>
    </message>
    <message>
        <source>Anlage benennen</source>
        <translation>Nommer l&apos;installation</translation>
    </message>
    <message>
        <source>Anlagen- Nr.:</source>
        <translation>N° d&apos;installation :</translation>
    </message>
    <message>
        <source>Anlagen Text :</source>
        <translation>Nom de l&apos;installation :</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Daten Speicherpfad:</source>
        <translation>Dossier des données :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Speicherpfad wählen</source>
        <translation>Choisir le dossier des données</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vorgabepfad für Speicherdatei existiert nicht, setze neuen Pfad..</source>
        <translation>Le dossier par défaut du fichier de données n&apos;existe pas, choisissez-en un nouveau..</translation>
    </message>
    <message>
        <source>Die Anlagendaten konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>Les données de l&apos;installation n&apos;ont pas pu être écrites dans le fichier de configuration :
%1</translation>
    </message>
    <message>
        <source>Geschlossene Anlage</source>
        <translation>Installation fermée</translation>
    </message>
    <message>
        <source>Datendatei:</source>
        <translation>Fichier de données :</translation>
    </message>
    <message>
        <source>Höchstens %1 Zeichen: A–Z, a–z, 0–9, „_“ und „-“ (keine Leerzeichen, keine Umlaute).</source>
        <translation>%1 caractères au plus : A–Z, a–z, 0–9, « _ » et « - » (ni espaces, ni accents).</translation>
    </message>
    <message>
        <source>Leerzeichen</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Nicht übernommen: %1. Erlaubt sind A–Z, a–z, 0–9, „_“ und „-“.</source>
        <translation>Non repris : %1. Caractères permis : A–Z, a–z, 0–9, « _ » et « - ».</translation>
    </message>
</context>
<context>
    <name>TFAnzeige</name>
    <message>
        <source>Kompost- Messwerterfassung</source>
        <translation>Acquisition des mesures de compostage</translation>
    </message>
    <message>
        <source>Aktiv:</source>
        <translation>Actif :</translation>
    </message>
    <message>
        <source>Aktueller Anlagenzustand:</source>
        <translation>État actuel des installations :</translation>
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
        <translation>Prof. 55°C</translation>
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
        <translation>Mode secours</translation>
    </message>
    <message>
        <source>Speicherstatus</source>
        <translation>État d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Schaltzyklen</source>
        <translation>Cycles de commutation</translation>
    </message>
    <message>
        <source>Lüfter</source>
        <translation>Ventil.</translation>
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
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Valeurs enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Mieten- Verwaltung</source>
        <translation>&amp;Gestion des andains</translation>
    </message>
    <message>
        <source>&amp;Offline Daten auslesen</source>
        <translation>Lire les données hors &amp;ligne</translation>
    </message>
    <message>
        <source>Miete &amp;neu starten</source>
        <translation>Démarrer un &amp;nouvel andain</translation>
    </message>
    <message>
        <source>Miete &amp;fortführen</source>
        <translation>&amp;Poursuivre l&apos;andain</translation>
    </message>
    <message>
        <source>Miete &amp;beenden</source>
        <translation>&amp;Terminer l&apos;andain</translation>
    </message>
    <message>
        <source>PC-Speicherstatus</source>
        <translation>État d&apos;enregistrement PC</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Einstell&amp;werte</source>
        <translation>&amp;Consignes</translation>
    </message>
    <message>
        <source>&amp;Zeit/Datum setzen</source>
        <translation>Régler &amp;date/heure</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Anl </source>
        <translation>Inst. </translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>EIN</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>Fehler beim sichern!</source>
        <translation>Erreur de sauvegarde !</translation>
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
        <translation>Arrêt manuel</translation>
    </message>
    <message>
        <source>Manuell- EIN</source>
        <translation>Marche manuelle</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>O2-Regelung</source>
        <translation>Régulation O2</translation>
    </message>
    <message>
        <source>Lüfter AUS</source>
        <translation>Ventilateur ARRÊT</translation>
    </message>
    <message>
        <source>Lüfter EIN</source>
        <translation>Ventilateur MARCHE</translation>
    </message>
    <message>
        <source>Z2- Eduzivid</source>
        <translation>Z2- Eduzivid</translation>
    </message>
    <message>
        <source>Sicherung am </source>
        <translation>Sauvegarde du </translation>
    </message>
    <message>
        <source>Ergebnis OK !</source>
        <translation>Résultat OK !</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>L&apos;INSTALLATION connectée est désactivée !!</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>AUCUNE INSTALLATION CONNECTÉE !!</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv)</source>
        <translation>EXCEL ( *.csv)</translation>
    </message>
    <message>
        <source>Gesichert, Konfiguration nicht geschrieben!</source>
        <translation>Sauvegardé, configuration non écrite !</translation>
    </message>
    <message>
        <source>A&amp;larme</source>
        <translation>Ala&amp;rmes</translation>
    </message>
    <message>
        <source>Aktive Alarme: %1</source>
        <translation>Alarmes actives : %1</translation>
    </message>
    <message>
        <source>KEINE VERBINDUNG
Die Anzeige zeigt keine aktuellen Messwerte.</source>
        <translation>PAS DE CONNEXION
L&apos;affichage ne montre aucune mesure actuelle.</translation>
    </message>
    <message>
        <source>nicht ausgelesen: ausgeschaltet</source>
        <translation>non lu : désactivée</translation>
    </message>
    <message>
        <source>nicht ausgelesen: antwortet nicht</source>
        <translation>non lu : pas de réponse</translation>
    </message>
    <message>
        <source>Die Anzeige zeigt keine aktuellen Messwerte.</source>
        <translation>L&apos;affichage ne montre aucune mesure actuelle.</translation>
    </message>
    <message>
        <source>Anlage %1: keine Antwort seit %2</source>
        <translation>Installation %1 : pas de réponse depuis %2</translation>
    </message>
</context>
<context>
    <name>TFCSV_Lesen</name>
    <message>
        <source>Humaro Protokoll</source>
        <translation>Rapport Humaro</translation>
    </message>
    <message>
        <source>Humaro Protokoll Gütegemeinschaft</source>
        <translation>Rapport Humaro association qualité</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Grafik drucken</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>1 Wert/ Tag</source>
        <translation>1 valeur/ jour</translation>
    </message>
    <message>
        <source>Hygienisierung</source>
        <translation>Hygiénisation</translation>
    </message>
    <message>
        <source>Kriterium</source>
        <translation>Critère</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Längste Spanne</source>
        <translation>Plus longue période</translation>
    </message>
    <message>
        <source>Pfad:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Valeurs enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>D&amp;rucken</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv) (*.csv *.CSV)</source>
        <translation>EXCEL ( *.csv) (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Structure de fichier non valide
Le fichier n&apos;a pas été créé par ce logiciel !</translation>
    </message>
</context>
<context>
    <name>TFDatenLesen1</name>
    <message>
        <source>Daten Offline lesen</source>
        <translation>Lire les données hors ligne</translation>
    </message>
    <message>
        <source>Daten aus der Steuerung auslesen</source>
        <translation>Lire les données du régulateur</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Anzahl Datensätze:</source>
        <translation>Nombre d&apos;enregistrements :</translation>
    </message>
    <message>
        <source>Lese Datensatz:</source>
        <translation>Enregistrement lu :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>AUCUNE INSTALLATION CONNECTÉE !!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>L&apos;INSTALLATION connectée est désactivée !!</translation>
    </message>
    <message>
        <source>Werte ausgedruckt !</source>
        <translation>Valeurs imprimées !</translation>
    </message>
</context>
<context>
    <name>TFErsteinrichtung</name>
    <message>
        <source>Ersteinrichtung</source>
        <translation>Première configuration</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Dieser PC ist noch nicht eingerichtet. Bitte die Anlagen, die Verbindung zu den Steuerungen, den Ordner der Messdaten und den Protokollkopf angeben. Alles lässt sich später unter „PC-Setup“ ändern.</source>
        <translation>Ce PC n&apos;est pas encore configuré. Veuillez indiquer les installations, la connexion aux régulateurs, le dossier des données de mesure et l&apos;en-tête des rapports. Tout peut être modifié plus tard sous « Configuration PC ».</translation>
    </message>
    <message>
        <source>Die Einstellungen werden gespeichert in: %1</source>
        <translation>Les réglages sont enregistrés dans : %1</translation>
    </message>
    <message>
        <source>Anlagen</source>
        <translation>Installations</translation>
    </message>
    <message>
        <source>Zahl der Anlagen:</source>
        <translation>Nombre d&apos;installations :</translation>
    </message>
    <message>
        <source>Anlagennummern ab 33 zählen</source>
        <translation>Numéroter les installations à partir de 33</translation>
    </message>
    <message>
        <source>Verbindung zu den Steuerungen</source>
        <translation>Connexion aux régulateurs</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Netzwerkadapter</source>
        <translation>Adaptateur réseau</translation>
    </message>
    <message>
        <source>Schnittstelle:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>IP- Adresse oder Netzwerkname:</source>
        <translation>Adresse IP ou nom réseau :</translation>
    </message>
    <message>
        <source>Port- Nummer:</source>
        <translation>Numéro de port :</translation>
    </message>
    <message>
        <source>Verbindung prüfen</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Messdaten der Mieten</source>
        <translation>Données de mesure des andains</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Wählen...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Protokollkopf</source>
        <translation>En-tête des rapports</translation>
    </message>
    <message>
        <source>Titeltext :</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>2. Zeile :</source>
        <translation>Ligne 2 :</translation>
    </message>
    <message>
        <source>3. Zeile :</source>
        <translation>Ligne 3 :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Frage Anlage %1 von %2 ...</source>
        <translation>Interrogation de l&apos;installation %1 sur %2 ...</translation>
    </message>
    <message>
        <source>Öffne die Verbindung ...</source>
        <translation>Ouverture de la connexion ...</translation>
    </message>
    <message>
        <source>Ordner der Messdaten wählen</source>
        <translation>Choisir le dossier des données de mesure</translation>
    </message>
</context>
<context>
    <name>TFGraphForm</name>
    <message>
        <source>Die Einstellungen der Grafik konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>Les réglages du graphique n&apos;ont pas pu être écrits dans le fichier de configuration :
%1</translation>
    </message>
    <message>
        <source>Humaro Graphik</source>
        <translation>Graphique Humaro</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Daten ausdrucken</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Umweltdaten</source>
        <translation>Données d&apos;environnement</translation>
    </message>
    <message>
        <source>Lüfterdaten</source>
        <translation>Données du ventilateur</translation>
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
        <translation>Profondeur de référence</translation>
    </message>
    <message>
        <source>O2 Konzentration</source>
        <translation>Concentration O2</translation>
    </message>
    <message>
        <source>Lüfterlaufzeit</source>
        <translation>Temps de marche du ventilateur</translation>
    </message>
    <message>
        <source>Lüfterschaltzyklen</source>
        <translation>Cycles ventilateur</translation>
    </message>
    <message>
        <source>1Wert/Tag</source>
        <translation>1 valeur/jour</translation>
    </message>
    <message>
        <source>Pfad:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Anzahl Speicherwerte:</source>
        <translation>Valeurs enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>EXCEL ( *.csv)</source>
        <translation>EXCEL ( *.csv)</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Structure de fichier non valide
Le fichier n&apos;a pas été créé par ce logiciel !</translation>
    </message>
    <message>
        <source>Es fehlt die Datendatei oder die PDF-Datei.</source>
        <translation>Il manque le fichier de données ou le fichier PDF.</translation>
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
        <translation>Enregistrement asynchrone des mesures et
visualisation en coopération avec</translation>
    </message>
    <message>
        <source>© RIDIZO Mess- und Regeltechnik · Alle Rechte vorbehalten</source>
        <translation>© RIDIZO Mess- und Regeltechnik · Tous droits réservés</translation>
    </message>
    <message>
        <source>Einlesen der Systemumgebung!!!
 Anlernen der angeschlossenen Steuerungen.</source>
        <translation>Lecture de l&apos;environnement système !!!
 Détection des régulateurs connectés.</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;PC-Setup</source>
        <translation>Configuration &amp;PC</translation>
    </message>
    <message>
        <source>Programm &amp;Setup</source>
        <translation>&amp;Configuration du programme</translation>
    </message>
    <message>
        <source>Speicher&amp;zeit</source>
        <translation>&amp;Heure de sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Firmendaten</source>
        <translation>Données de l&apos;&amp;entreprise</translation>
    </message>
    <message>
        <source>&amp;Messung</source>
        <translation>&amp;Mesure</translation>
    </message>
    <message>
        <source>PC &amp;Anzeige</source>
        <translation>&amp;Affichage PC</translation>
    </message>
    <message>
        <source>Anlagen einlernen</source>
        <translation>Détecter les installations</translation>
    </message>
    <message>
        <source>&amp;Offline Daten auslesen</source>
        <translation>Lire les données hors &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Daten</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>Mess&amp;werte drucken</source>
        <translation>Imprimer les &amp;mesures</translation>
    </message>
    <message>
        <source>&amp;Protokoll Gütegemeinschaft</source>
        <translation>&amp;Rapport association qualité</translation>
    </message>
    <message>
        <source>&amp;Grafik erstellen</source>
        <translation>Créer un &amp;graphique</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Der Name der neuen Messdatendatei konnte nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>Le nom du nouveau fichier de données n&apos;a pas pu être écrit dans le fichier de configuration :
%1</translation>
    </message>
    <message>
        <source>%1 gehaltene Datensätze aus %2 gelesen; sie werden bei der nächsten Auslesung ihrer Anlage geschrieben.</source>
        <translation>%1 enregistrements retenus lus depuis %2 ; ils seront écrits à la prochaine lecture de leur installation.</translation>
    </message>
    <message>
        <source>Name der Messdatendatei nicht gespeichert!</source>
        <translation>Nom du fichier de données non enregistré !</translation>
    </message>
    <message>
        <source>Anlage %1: die laufende Miete wird in ihrer Datei %2 fortgesetzt.</source>
        <translation>Installation %1 : l&apos;andain en cours se poursuit dans son fichier %2.</translation>
    </message>
    <message>
        <source>Konfigurationsdatei nicht beschreibbar!</source>
        <translation>Fichier de configuration non inscriptible !</translation>
    </message>
    <message>
        <source>Kein Ereignisprotokoll!</source>
        <translation>Pas de journal des événements !</translation>
    </message>
    <message>
        <source>A&amp;larme einstellen</source>
        <translation>Réglage des a&amp;larmes</translation>
    </message>
    <message>
        <source>A&amp;larme</source>
        <translation>Ala&amp;rmes</translation>
    </message>
    <message>
        <source>Aktive Alarme: %1</source>
        <translation>Alarmes actives : %1</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze nicht gesichert!</source>
        <translation>Enregistrements retenus non sauvegardés !</translation>
    </message>
</context>
<context>
    <name>TFO2MessSetup</name>
    <message>
        <source>Mess- Steuerung Setup</source>
        <translation>Configuration du régulateur</translation>
    </message>
    <message>
        <source>Bereich 1-300min</source>
        <translation>Plage 1-300min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>KEINE ANLAGE ANGESCHLOSSEN!!</source>
        <translation>AUCUNE INSTALLATION CONNECTÉE !!</translation>
    </message>
    <message>
        <source>Angeschlossene ANLAGE ist abgeschaltet!!</source>
        <translation>L&apos;INSTALLATION connectée est désactivée !!</translation>
    </message>
    <message>
        <source>Setup gändert, in Steuerung laden?</source>
        <translation>Réglages modifiés, les charger dans le régulateur ?</translation>
    </message>
    <message>
        <source>O2-Einschaltwert:</source>
        <translation>Seuil O2 de marche :</translation>
    </message>
    <message>
        <source>[vol%]</source>
        <translation>[vol%]</translation>
    </message>
    <message>
        <source>Sauerstoffkonzentration, bei welcher der 
Luefter eingeschaltet wird.</source>
        <translation>Concentration d&apos;oxygène à laquelle le 
ventilateur est mis en marche.</translation>
    </message>
    <message>
        <source>O2-Ausschaltwert:</source>
        <translation>Seuil O2 d&apos;arrêt :</translation>
    </message>
    <message>
        <source>Sauerstoffkonzentration, bei welcher der 
Luefter ausgeschaltet wird.</source>
        <translation>Concentration d&apos;oxygène à laquelle le 
ventilateur est arrêté.</translation>
    </message>
    <message>
        <source>Speicherintervall</source>
        <translation>Intervalle d&apos;enregistrement</translation>
    </message>
    <message>
        <source>[min]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <source>Alle N- Minuten werden die aktuellen Mess-
werte in der Protokolldatei abgespeichert.</source>
        <translation>Toutes les N minutes, les mesures actuelles sont
enregistrées dans la mémoire du régulateur.</translation>
    </message>
    <message>
        <source>Lüfter- EIN- Intervall</source>
        <translation>Intervalle MARCHE ventilateur</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Intervallbetrieb
eingeschaltet ist.</source>
        <translation>Durée pendant laquelle le ventilateur est
en marche en mode intervalle.</translation>
    </message>
    <message>
        <source>Lüfter- AUS- Intervall</source>
        <translation>Intervalle ARRÊT ventilateur</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Intervallbetrieb
ausgeschaltet ist.</source>
        <translation>Durée pendant laquelle le ventilateur est
arrêté en mode intervalle.</translation>
    </message>
    <message>
        <source>Max Lüfter- EIN-Zeit</source>
        <translation>Durée max. MARCHE ventilateur</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im maximal laufen
darf, bevor der Steuerbetrieb gestartet wird.</source>
        <translation>Durée maximale de marche du ventilateur
avant le démarrage du mode secours.</translation>
    </message>
    <message>
        <source>Max. Lüfter- AUS- Zeit</source>
        <translation>Durée max. ARRÊT ventilateur</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter maximal abgeschaltet
sein darf, bevor der Steuerbetrieb gestartet wird.</source>
        <translation>Durée maximale d&apos;arrêt du ventilateur
avant le démarrage du mode secours.</translation>
    </message>
    <message>
        <source>Steuer- EIN- Intervall</source>
        <translation>Intervalle MARCHE secours</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Steuerbetrieb
eingeschaltet ist.</source>
        <translation>Durée pendant laquelle le ventilateur est
en marche en mode secours.</translation>
    </message>
    <message>
        <source>Steuer- AUS- Intervall</source>
        <translation>Intervalle ARRÊT secours</translation>
    </message>
    <message>
        <source>Zeit wie lange der Lüfter im Steuerbetrieb
ausgeschaltet ist.</source>
        <translation>Durée pendant laquelle le ventilateur est
arrêté en mode secours.</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 hat nicht alle Einstellwerte übernommen:</source>
        <translation>Le régulateur de l&apos;installation %1 n&apos;a pas accepté toutes les consignes :</translation>
    </message>
    <message>
        <source>Die Steuerung der Anlage %1 hat die Einstellwerte nicht zurückgemeldet:</source>
        <translation>Le régulateur de l&apos;installation %1 n&apos;a pas renvoyé les consignes :</translation>
    </message>
    <message>
        <source>%1: gesendet %2, gemeldet %3</source>
        <translation>%1 : envoyé %2, renvoyé %3</translation>
    </message>
    <message>
        <source>%1: gesendet %2, keine Antwort</source>
        <translation>%1 : envoyé %2, pas de réponse</translation>
    </message>
</context>
<context>
    <name>TFPC_Setup</name>
    <message>
        <source>4800 Baud</source>
        <translation>4800 bauds</translation>
    </message>
    <message>
        <source>9600 Baud</source>
        <translation>9600 bauds</translation>
    </message>
    <message>
        <source>19200 Baud</source>
        <translation>19200 bauds</translation>
    </message>
    <message>
        <source>2400 Baud</source>
        <translation>2400 bauds</translation>
    </message>
    <message>
        <source>PC- Setup</source>
        <translation>Configuration du PC</translation>
    </message>
    <message>
        <source>Auswahl COM- Port:
Kommunikation läuft mit
8 Datenbits, 1Stopbit, 
Keine Parität</source>
        <translation>Choix du port COM :
La communication utilise
8 bits de données, 1 bit d&apos;arrêt,
sans parité</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>IP- Adresse oder Netzwerkname</source>
        <translation>Adresse IP ou nom réseau</translation>
    </message>
    <message>
        <source>Port- Nummer</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Seriell</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Netzwerk</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Anzeige: °F/in nicht aktiviert [°C/ cm]</source>
        <translation>Affichage en °F/in (non coché : °C/ cm)</translation>
    </message>
    <message>
        <source>Anzeige Tiefe Referenztemp. in Protokoll</source>
        <translation>Profondeur de temp. de réf. dans les rapports</translation>
    </message>
    <message>
        <source>Auswahl derTemperatur
bei welcher die Referenztiefe
berechnet wird.</source>
        <translation>Température à laquelle
la profondeur de référence
est calculée.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
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
        <translation>Les réglages n&apos;ont pas pu être écrits dans le fichier de configuration :
%1</translation>
    </message>
    <message>
        <source>Netzwerk-Dashboard (MQTT)</source>
        <translation>Tableau de bord réseau (MQTT)</translation>
    </message>
    <message>
        <source>Verbindung über</source>
        <translation>Connexion par</translation>
    </message>
    <message>
        <source>Verbindung wechseln? Die Anlagen werden neu eingelernt.</source>
        <translation>Changer de connexion ? Les installations seront détectées à nouveau.</translation>
    </message>
    <message>
        <source>Ping-Zeit [300ms- 600ms]</source>
        <translation>Délai ping [300ms- 600ms]</translation>
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
        <translation>Choisissez le dossier où sont enregistrées les mesures de
l&apos;installation. Dans ce dossier, les données sont enregistrées
dans des fichiers d&apos;extension &quot;.CSV&quot;.
Elles peuvent ainsi être exploitées plus tard avec des
programmes courants, p. ex. EXCEL.</translation>
    </message>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Centre de contrôle du compostage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFProtokKopf</name>
    <message>
        <source>Kompost Steuerung Kontroll- Center</source>
        <translation>Centre de contrôle du compostage</translation>
    </message>
    <message>
        <source>Protokollkopf</source>
        <translation>En-tête des rapports</translation>
    </message>
    <message>
        <source>Titeltext :</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>2. Zeile :</source>
        <translation>2e ligne :</translation>
    </message>
    <message>
        <source>3. Zeile :</source>
        <translation>3e ligne :</translation>
    </message>
    <message>
        <source>Die hier eingegebenen Daten werden in dem Ausdruck der Protokollwerte <byte value="xd"/>
im Seitenkopf dargestellt. Sie dienen der Archivierung und Zuordnung der <byte value="xd"/>
Messprotokolle.</source>
        <translation>Les données saisies ici figurent dans l&apos;en-tête des rapports <byte value="xd"/>
imprimés. Elles servent à l&apos;archivage et à l&apos;identification des <byte value="xd"/>
rapports de mesures.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ignorieren</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>Les données de l&apos;entreprise n&apos;ont pas pu être écrites dans le fichier de configuration :
%1</translation>
    </message>
    <message>
        <source>Miete 1</source>
        <translation>Andain 1</translation>
    </message>
    <message>
        <source>Die Druck-Vorschau kann nicht erstellt werden:
%1</source>
        <translation>L&apos;aperçu avant impression ne peut pas être créé :
%1</translation>
    </message>
</context>
<context>
    <name>TFQRGraphForm</name>
    <message>
        <source>TARVOS Messprotokoll</source>
        <translation>Rapport de mesures TARVOS</translation>
    </message>
    <message>
        <source>Anlagen- Name :</source>
        <translation>Installation :</translation>
    </message>
    <message>
        <source>Datei- Name :</source>
        <translation>Fichier :</translation>
    </message>
</context>
<context>
    <name>TFQRKompForm</name>
    <message>
        <source>Druckdatum/-zeit :</source>
        <translation>Imprimé le :</translation>
    </message>
    <message>
        <source>Seitennr. :</source>
        <translation>Page :</translation>
    </message>
    <message>
        <source>Humaro Messprotokoll</source>
        <translation>Rapport de mesures Humaro</translation>
    </message>
    <message>
        <source>Anlagen- Name :</source>
        <translation>Installation :</translation>
    </message>
    <message>
        <source>Datei- Name :</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Nr.:</source>
        <translation>N° :</translation>
    </message>
    <message>
        <source>Datum/Zeit</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>Temperatur an Messtelle</source>
        <translation>Température aux sondes</translation>
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
        <translation>Ventilateur</translation>
    </message>
    <message>
        <source>Laufzeit[min]</source>
        <translation>Durée[min]</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Tiefe</source>
        <translation>Profondeur</translation>
    </message>
</context>
<context>
    <name>TFQRKompProtokoll</name>
    <message>
        <source>Temperatur- Protokoll Eigenuntersuchung von Kompost</source>
        <translation>Relevé de température – autocontrôle du compost</translation>
    </message>
    <message>
        <source>Betrieb:</source>
        <translation>Exploitant :</translation>
    </message>
    <message>
        <source>Mieten-Nr:</source>
        <translation>N° d&apos;andain :</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Rand </source>
        <translation>Bord </translation>
    </message>
    <message>
        <source>Kern </source>
        <translation>Cœur </translation>
    </message>
    <message>
        <source>Basis </source>
        <translation>Base </translation>
    </message>
    <message>
        <source>Bemerkung über Behandlungen und Witterung ( z.B. Umsetzen, Bewässern, Wetter, Aussentemperatur)</source>
        <translation>Remarques sur les traitements et la météo (p. ex. retournement, arrosage, temps, température extérieure)</translation>
    </message>
    <message>
        <source>Prüfer/ Unterschrift</source>
        <translation>Contrôleur/ signature</translation>
    </message>
</context>
<context>
    <name>TFZeitSelect</name>
    <message>
        <source>Speicherzeit auswählen</source>
        <translation>Choisir l&apos;heure de sauvegarde</translation>
    </message>
    <message>
        <source>Zeitvorgabe, wann 1mal täglich die Daten automatisch aus der Steuerung ausgelesen werden !</source>
        <translation>Heure à laquelle les données sont lues automatiquement dans le régulateur une fois par jour !</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>ARRÊT</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Die Speicherzeit konnte nicht in die Konfigurationsdatei geschrieben werden:
%1</source>
        <translation>L&apos;heure de sauvegarde n&apos;a pas pu être écrite dans le fichier de configuration :
%1</translation>
    </message>
</context>
<context>
    <name>TGehalten</name>
    <message>
        <source>%1 ist keine Datei gehaltener Datensätze oder nicht lesbar.</source>
        <translation>%1 n&apos;est pas un fichier d&apos;enregistrements retenus ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 Zeilen in %2 sind keine Datensätze und wurden übergangen.</source>
        <translation>%1 lignes de %2 ne sont pas des enregistrements et ont été ignorées.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Kein Ordner für die gehaltenen Datensätze.</source>
        <translation>Aucun dossier pour les enregistrements retenus.</translation>
    </message>
</context>
<context>
    <name>THygienisierung</name>
    <message>
        <source>Kern</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>alle Messstellen</source>
        <translation>toutes les sondes</translation>
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
        <translation>≥ %1 pendant %2 jours</translation>
    </message>
    <message>
        <source>, nur geschlossene Anlagen</source>
        <translation>, installations fermées uniquement</translation>
    </message>
    <message>
        <source>Nachweis der Hygienisierung (längste Spanne je Kriterium)</source>
        <translation>Preuve de l&apos;hygiénisation (plus longue période par critère)</translation>
    </message>
    <message>
        <source>%1 Tage %2 Std.</source>
        <translation>%1 jours %2 h</translation>
    </message>
    <message>
        <source>nie erreicht</source>
        <translation>jamais atteint</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>satisfait</translation>
    </message>
    <message>
        <source>nicht erfüllt</source>
        <translation>non satisfait</translation>
    </message>
    <message>
        <source>Lücke: %1 – %2</source>
        <translation>Lacune : %1 – %2</translation>
    </message>
    <message>
        <source>Nicht lesbare Zeilen, nicht ausgewertet: %1</source>
        <translation>Lignes illisibles, non évaluées : %1</translation>
    </message>
    <message>
        <source>Hygienisierung nachgewiesen: %1 im Kern</source>
        <translation>Hygiénisation prouvée : %1 au cœur</translation>
    </message>
    <message>
        <source>Hygienisierung nicht nachgewiesen</source>
        <translation>Hygiénisation non prouvée</translation>
    </message>
    <message>
        <source>Anlagenart: geschlossen</source>
        <translation>Type d&apos;installation : fermée</translation>
    </message>
    <message>
        <source>Anlagenart: offen</source>
        <translation>Type d&apos;installation : ouverte</translation>
    </message>
    <message>
        <source>nur geschlossene Anlagen</source>
        <translation>installations fermées uniquement</translation>
    </message>
    <message>
        <source>nur geschlossene Anlagen – nicht gewertet</source>
        <translation>installations fermées uniquement – non pris en compte</translation>
    </message>
    <message>
        <source>Uhrzeit zurückgestellt: %1 – %2</source>
        <translation>Horloge reculée : %1 – %2</translation>
    </message>
    <message>
        <source>Doppelte Datensätze, nicht gewertet: %1</source>
        <translation>Enregistrements en double, non pris en compte : %1</translation>
    </message>
    <message>
        <source>Unplausible Messwerte (über %1), nicht gewertet: %2</source>
        <translation>Mesures non plausibles (au-dessus de %1), non prises en compte : %2</translation>
    </message>
    <message>
        <source>An allen Messstellen nachgewiesen: %1</source>
        <translation>Prouvée à toutes les sondes : %1</translation>
    </message>
    <message>
        <source>An allen Messstellen nicht nachgewiesen</source>
        <translation>Non prouvée à toutes les sondes</translation>
    </message>
    <message>
        <source>Datendatei: %1</source>
        <translation>Fichier de données : %1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256 : %1</translation>
    </message>
    <message>
        <source>nicht gewertet</source>
        <translation>non pris en compte</translation>
    </message>
</context>
<context>
    <name>TIniDatei</name>
    <message>
        <source>Ungültiger Abschnitt oder Schlüssel &quot;%1&quot; / &quot;%2&quot; für die Konfigurationsdatei %3</source>
        <translation>Section ou clé non valide « %1 » / « %2 » pour le fichier de configuration %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; enthält Zeichen, die die Konfigurationsdatei %2 nicht aufnehmen kann (Windows-1252); der Wert wird nicht gespeichert.</source>
        <translation>« %1 » contient des caractères que le fichier de configuration %2 ne peut pas contenir (Windows-1252) ; la valeur n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>Die Konfigurationsdatei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier de configuration %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Die Konfigurationsdatei %1 kann nicht geschrieben werden: %2</source>
        <translation>Le fichier de configuration %1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>TLog</name>
    <message>
        <source>alle Namen des Tages sind vergeben</source>
        <translation>tous les noms du jour sont pris</translation>
    </message>
    <message>
        <source>Das Ereignisprotokoll kann in %1 nicht angelegt werden: %2</source>
        <translation>Le journal des événements ne peut pas être créé dans %1 : %2</translation>
    </message>
    <message>
        <source>Das Ereignisprotokoll %1 kann nicht geschrieben werden: %2</source>
        <translation>Le journal des événements %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Anlage %1: Auslesung unvollständig, %2 Datensätze gelesen</source>
        <translation>Installation %1 : lecture incomplète, %2 enregistrements lus</translation>
    </message>
    <message>
        <source>Anlage %1: Auslesung wieder vollständig</source>
        <translation>Installation %1 : lecture de nouveau complète</translation>
    </message>
    <message>
        <source>Störung: %1</source>
        <translation>Défaut : %1</translation>
    </message>
    <message>
        <source>Störung behoben: die Konfigurationsdatei wird wieder geschrieben</source>
        <translation>Défaut résolu : le fichier de configuration est de nouveau écrit</translation>
    </message>
    <message>
        <source>Störung behoben: das Ereignisprotokoll wird wieder geschrieben</source>
        <translation>Défaut résolu : le journal des événements est de nouveau écrit</translation>
    </message>
    <message>
        <source>Störung behoben: die Liste der gehaltenen Datensätze wird wieder geschrieben</source>
        <translation>Défaut résolu : la liste des enregistrements retenus est de nouveau écrite</translation>
    </message>
    <message>
        <source>Störung behoben: der MQTT-Ausgang ist beim Broker angekommen</source>
        <translation>Défaut résolu : la boîte d&apos;envoi MQTT est arrivée chez le broker</translation>
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
        <translation>Temps de marche</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist Zeile %2.</source>
        <translation>%1 ligne(s) du fichier illisible(s) et ignorée(s), la première est la ligne %2.</translation>
    </message>
    <message>
        <source>Messwert- Nr</source>
        <translation>N° de mesure</translation>
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
        <translation>Profondeur[in]</translation>
    </message>
    <message>
        <source>Tiefe[cm]</source>
        <translation>Profondeur[cm]</translation>
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
        <translation>Le fichier de données n&apos;existe pas ou
</translation>
    </message>
    <message>
        <source>Kein gültiger Dateiaufbau
Datei war nicht von dieser Software erzeugt!</source>
        <translation>Structure de fichier non valide
Le fichier n&apos;a pas été créé par ce logiciel !</translation>
    </message>
    <message>
        <source>Anlage ist NICHT eingeschaltet!!
Fehler beim Starten!</source>
        <translation>L&apos;installation n&apos;est PAS activée !!
Erreur au démarrage !</translation>
    </message>
    <message>
        <source>Nicht alle Daten wurden korrekt gespeichert!!
Trotzdem Anlage ausschalten???</source>
        <translation>Toutes les données n&apos;ont pas été enregistrées correctement !!
Désactiver quand même l&apos;installation ???</translation>
    </message>
    <message>
        <source>Anlage ist ausgeschaltet!!
Einschalten durch Start einer neuen Miete!</source>
        <translation>L&apos;installation est désactivée !!
Activation par le démarrage d&apos;un nouvel andain !</translation>
    </message>
    <message>
        <source>Anlage ist NICHT ausgeschaltet!!
Fehler bei der Übertragung!</source>
        <translation>L&apos;installation n&apos;est PAS désactivée !!
Erreur de transmission !</translation>
    </message>
    <message>
        <source>Anlage hat nicht eingeschaltet – Miete nicht gestartet</source>
        <translation>L&apos;installation ne s&apos;est pas activée – andain non démarré</translation>
    </message>
    <message>
        <source>Ob in der Steuerung noch Datensätze der vorigen Miete sind, kann nicht gelesen werden.</source>
        <translation>Impossible de savoir si le régulateur contient encore des enregistrements de l&apos;andain précédent.</translation>
    </message>
    <message>
        <source>In der Steuerung sind noch %1 Datensätze der vorigen Miete.</source>
        <translation>Le régulateur contient encore %1 enregistrements de l&apos;andain précédent.</translation>
    </message>
    <message>
        <source>Ihre Datei: %1</source>
        <translation>Leur fichier de données : %1</translation>
    </message>
    <message>
        <source>Beim Start kämen sie in die Datei der neuen Miete.
Miete trotzdem starten?</source>
        <translation>Au démarrage, ils iraient dans le fichier du nouvel andain.
Démarrer l&apos;andain quand même ?</translation>
    </message>
    <message>
        <source>Beim Fortführen kämen sie in die Datei %1.
Miete trotzdem fortführen?</source>
        <translation>En poursuivant, ils iraient dans le fichier %1.
Poursuivre l&apos;andain quand même ?</translation>
    </message>
    <message>
        <source>%1 Datensätze der vorigen Miete aus der Steuerung in ihre Datei gelesen:
%2</source>
        <translation>%1 enregistrements de l&apos;andain précédent lus du régulateur dans son fichier :
%2</translation>
    </message>
    <message>
        <source>Soll die Anlage %1 (Miete „%2“) ausgeschaltet werden ?
Es werden keine weiteren Messwerte gespeichert.
Einschalten durch Start einer neuen Miete!!</source>
        <translation>Désactiver l&apos;installation %1 (andain « %2 ») ?
Aucune autre mesure ne sera enregistrée.
Réactivation par le démarrage d&apos;un nouvel andain !!</translation>
    </message>
</context>
<context>
    <name>TMqttAusgang</name>
    <message>
        <source>Der Ausgang %1 kann nicht geöffnet werden: %2</source>
        <translation>La boîte d&apos;envoi %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>Der Ausgang %1 kann nicht geschrieben werden: %2</source>
        <translation>La boîte d&apos;envoi %1 ne peut pas être écrite : %2</translation>
    </message>
    <message>
        <source>Der Ausgang %1 kann nicht gelesen werden.</source>
        <translation>La boîte d&apos;envoi %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>%1: die Marke %2 ist unlesbar: %3</source>
        <translation>%1 : le repère %2 est illisible : %3</translation>
    </message>
    <message>
        <source>%1: %2 kann nicht gesendet werden (%3): %4</source>
        <translation>%1 : %2 ne peut pas être envoyée (%3) : %4</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1: Zeilen %2 bis %3 können nicht gesendet werden (%4): %5</source>
        <translation>%1 : les lignes %2 à %3 ne peuvent pas être envoyées (%4) : %5</translation>
    </message>
    <message>
        <source>%1: ab Zeile %2 nicht lesbar: %3</source>
        <translation>%1 : illisible à partir de la ligne %2 : %3</translation>
    </message>
    <message>
        <source>abgeschnitten</source>
        <translation>tronquée</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>trop longue</translation>
    </message>
    <message>
        <source>unlesbar</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Zeile %1 (Nachricht %2)</source>
        <translation>ligne %1 (message %2)</translation>
    </message>
    <message>
        <source>%1: die Marke %2 steht hinter dem Ende (Nachricht %3, die letzte ist %4)</source>
        <translation>%1 : le repère %2 se trouve après la fin (message %3, le dernier est %4)</translation>
    </message>
    <message>
        <source>%1: die Nummern der Nachrichten steigen nicht auf</source>
        <translation>%1 : les numéros des messages ne sont pas croissants</translation>
    </message>
    <message>
        <source>%1 Zeile(n) können nicht gesendet werden</source>
        <translation>%1 ligne(s) ne peuvent pas être envoyées</translation>
    </message>
    <message>
        <source>%1 Nachricht(en) werden noch einmal gesendet</source>
        <translation>%1 message(s) sont envoyés de nouveau</translation>
    </message>
    <message>
        <source>Zeile bei Byte %1</source>
        <translation>la ligne à l&apos;octet %1</translation>
    </message>
</context>
<context>
    <name>TMqttSeite</name>
    <message>
        <source>Broker (Adresse oder Name)</source>
        <translation>Broker (adresse ou nom)</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Verschlüsselt (TLS)</source>
        <translation>Chiffré (TLS)</translation>
    </message>
    <message>
        <source>CA- Datei</source>
        <translation>Fichier CA</translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Standort (in den Topics)</source>
        <translation>Site (dans les topics)</translation>
    </message>
    <message>
        <source>Keepalive</source>
        <translation>Keepalive</translation>
    </message>
    <message>
        <source>CA- Datei wählen</source>
        <translation>Choisir le fichier CA</translation>
    </message>
    <message>
        <source>Verbindung testen</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>leer: aus</source>
        <translation>vide : désactivé</translation>
    </message>
    <message>
        <source>Teste die Verbindung …</source>
        <translation>Test de la connexion …</translation>
    </message>
    <message>
        <source>Verbindung: die Einstellungen gelten ab dem nächsten Start.</source>
        <translation>Connexion : les réglages s&apos;appliquent au prochain démarrage.</translation>
    </message>
    <message>
        <source>Verbindung: %1</source>
        <translation>Connexion : %1</translation>
    </message>
    <message>
        <source>Ausgang: %1 Nachrichten warten auf die Bestätigung des Brokers (%2).</source>
        <translation>Boîte d&apos;envoi : %1 messages attendent l&apos;accusé de réception du broker (%2).</translation>
    </message>
    <message>
        <source>Zertifikate (*.pem *.crt);;Alle Dateien (*)</source>
        <translation>Certificats (*.pem *.crt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>TMqttSender</name>
    <message>
        <source>Aus: kein Broker eingetragen.</source>
        <translation>Désactivé : aucun broker indiqué.</translation>
    </message>
    <message>
        <source>Verbinde mit %1 …</source>
        <translation>Connexion à %1 …</translation>
    </message>
    <message>
        <source>Verbunden mit %1 (Standort %2).</source>
        <translation>Connecté à %1 (site %2).</translation>
    </message>
    <message>
        <source>%1 weist die Verbindung ab: %2</source>
        <translation>%1 refuse la connexion : %2</translation>
    </message>
    <message>
        <source>Keine Verbindung zu %1: %2</source>
        <translation>Pas de connexion à %1 : %2</translation>
    </message>
    <message>
        <source>Neuer Versuch in %1 s.</source>
        <translation>Nouvelle tentative dans %1 s.</translation>
    </message>
    <message>
        <source>Neuer Versuch läuft.</source>
        <translation>Nouvelle tentative en cours.</translation>
    </message>
    <message>
        <source>Der Broker antwortet nicht.</source>
        <translation>Le broker ne répond pas.</translation>
    </message>
    <message>
        <source>Die MQTT- Bibliothek kann nicht starten.</source>
        <translation>La bibliothèque MQTT ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>Für TLS fehlt die CA- Datei.</source>
        <translation>Le fichier CA manque pour TLS.</translation>
    </message>
    <message>
        <source>Die CA- Datei %1 kann nicht gelesen werden.</source>
        <translation>Le fichier CA %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Der Broker versteht MQTT 3.1.1 nicht.</source>
        <translation>Le broker ne comprend pas MQTT 3.1.1.</translation>
    </message>
    <message>
        <source>Der Broker weist die Kennung des Programms ab.</source>
        <translation>Le broker refuse l&apos;identifiant du programme.</translation>
    </message>
    <message>
        <source>Der Broker ist zur Zeit nicht bereit.</source>
        <translation>Le broker n&apos;est pas disponible pour le moment.</translation>
    </message>
    <message>
        <source>Benutzername oder Passwort ist falsch.</source>
        <translation>Nom d&apos;utilisateur ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Der Broker verweigert die Anmeldung: Benutzername oder Passwort falsch oder nicht berechtigt.</source>
        <translation>Le broker refuse la connexion : nom d&apos;utilisateur ou mot de passe incorrect, ou non autorisé.</translation>
    </message>
    <message>
        <source>Der Broker weist die Verbindung ab (Code %1).</source>
        <translation>Le broker refuse la connexion (code %1).</translation>
    </message>
    <message>
        <source>Die Verbindung wurde beendet.</source>
        <translation>La connexion a été fermée.</translation>
    </message>
    <message>
        <source>Unter %1 nimmt kein Broker Verbindungen an.</source>
        <translation>Aucun broker n&apos;accepte de connexion sur %1.</translation>
    </message>
    <message>
        <source>Das Netz zu %1 ist nicht erreichbar.</source>
        <translation>Le réseau vers %1 est inaccessible.</translation>
    </message>
    <message>
        <source>Der Broker hat die Verbindung abgebrochen.</source>
        <translation>Le broker a interrompu la connexion.</translation>
    </message>
    <message>
        <source>Netzwerkfehler: %1</source>
        <translation>Erreur réseau : %1</translation>
    </message>
    <message>
        <source>Der Rechnername %1 ist nicht bekannt.</source>
        <translation>Le nom d&apos;hôte %1 est inconnu.</translation>
    </message>
    <message>
        <source>Die TLS- Verbindung ist gescheitert: %1</source>
        <translation>La connexion TLS a échoué : %1</translation>
    </message>
    <message>
        <source>Der Broker antwortet nicht mehr.</source>
        <translation>Le broker ne répond plus.</translation>
    </message>
    <message>
        <source>Unter %1 antwortet kein MQTT- Broker.</source>
        <translation>Aucun broker MQTT ne répond sur %1.</translation>
    </message>
    <message>
        <source>Die Verbindung ist getrennt.</source>
        <translation>La connexion est coupée.</translation>
    </message>
    <message>
        <source>Die Einstellungen sind ungültig (Rechnername, Port).</source>
        <translation>Les réglages sont invalides (nom d&apos;hôte, port).</translation>
    </message>
    <message>
        <source>Verbindungsfehler: %1</source>
        <translation>Erreur de connexion : %1</translation>
    </message>
    <message>
        <source>Die Nachricht kann nicht gesendet werden.</source>
        <translation>Le message ne peut pas être envoyé.</translation>
    </message>
    <message>
        <source>Verbindung hergestellt: der Broker %1 nimmt die Anmeldung an.</source>
        <translation>Connexion établie : le broker %1 accepte la connexion.</translation>
    </message>
    <message>
        <source>Kein Broker eingetragen.</source>
        <translation>Aucun broker indiqué.</translation>
    </message>
</context>
<context>
    <name>TProtokoll</name>
    <message>
        <source>Leitung: %1 empfangene Bytes seit %2 nicht protokolliert (mehr als %3 Bytes in einer Minute)</source>
        <translation>Ligne : %1 octets reçus depuis %2 non journalisés (plus de %3 octets en une minute)</translation>
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
        <translation>Critère</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Längste Spanne</source>
        <translation>Plus longue période</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>%1: Kein gültiger Dateiaufbau, die Datei war nicht von dieser Software erzeugt.</source>
        <translation>%1 : structure de fichier non valide, le fichier n&apos;a pas été créé par ce logiciel.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: Die Datei enthält keine Messwerte; es wurde kein PDF geschrieben.</source>
        <translation>%1 : le fichier ne contient aucune mesure ; aucun PDF n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Das PDF %1 kann nicht geschrieben werden.</source>
        <translation>Le PDF %1 ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>TSpeicherung</name>
    <message>
        <source>Die Speicherdaten der Anlage %1 können jetzt nicht ausgelesen werden: eine andere Anfrage wartet noch.</source>
        <translation>Les enregistrements de l&apos;installation %1 ne peuvent pas être lus maintenant : une autre requête est en attente.</translation>
    </message>
    <message>
        <source>Speicherdatei kann nicht geöffnet werden !</source>
        <translation>Le fichier de données ne peut pas être ouvert !</translation>
    </message>
    <message>
        <source>Anzahl der Speicherdaten kann nicht ausgelesen werden !
Kommunikationsfehler !</source>
        <translation>Impossible de lire le nombre d&apos;enregistrements !
Erreur de communication !</translation>
    </message>
    <message>
        <source>Die Datensätze bleiben in der Steuerung, bis Platz geschaffen ist:</source>
        <translation>Les enregistrements restent dans le régulateur jusqu&apos;à ce que de la place soit libérée :</translation>
    </message>
    <message>
        <source>Keine Antwort auf die Anfrage nach Datensatz %1 von %2.</source>
        <translation>Pas de réponse à la requête de l&apos;enregistrement %1 sur %2.</translation>
    </message>
    <message>
        <source>Die Anfrage nach Datensatz %1 wurde abgewiesen: eine andere Anfrage wartet noch.</source>
        <translation>La requête de l&apos;enregistrement %1 a été refusée : une autre requête est en attente.</translation>
    </message>
    <message>
        <source>Daten wurden nicht korrekt gespeichert!!
Bitte Speichermedium überprüfen !!</source>
        <translation>Les données n&apos;ont pas été enregistrées correctement !!
Veuillez vérifier le support de stockage !!</translation>
    </message>
    <message>
        <source>Nur %1 von %2 Datensätzen haben Platz; %3 bleiben in der Steuerung, bis Platz geschaffen ist:</source>
        <translation>Seuls %1 enregistrements sur %2 tiennent ; %3 restent dans le régulateur jusqu&apos;à ce que de la place soit libérée :</translation>
    </message>
    <message>
        <source>Der Datensatz wird im Speicher gehalten und geschrieben, sobald der Datenträger ihn annimmt; bis dahin wird nichts mehr ausgelesen.</source>
        <translation>L&apos;enregistrement est retenu en mémoire et écrit dès que le support de stockage l&apos;accepte ; d&apos;ici là, plus rien n&apos;est lu.</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden:</source>
        <translation>Les enregistrements retenus de l&apos;installation %1 ne peuvent pas encore être écrits :</translation>
    </message>
    <message>
        <source>Gehaltene Datensätze der Anlage %1 können noch nicht geschrieben werden; bis dahin bleiben die neuen in der Steuerung:</source>
        <translation>Les enregistrements retenus de l&apos;installation %1 ne peuvent pas encore être écrits ; d&apos;ici là, les nouveaux restent dans le régulateur :</translation>
    </message>
    <message>
        <source>Die Auslesung wurde nach %1 von %2 Datensätzen beendet; die übrigen bleiben in der Steuerung.</source>
        <translation>La lecture s&apos;est terminée après %1 enregistrements sur %2 ; les autres restent dans le régulateur.</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Statuswert</source>
        <translation>valeur d&apos;état</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>année</translation>
    </message>
    <message>
        <source>Laufzeit</source>
        <translation>Temps de marche</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>Speicherzeit „%1“</source>
        <translation>heure d&apos;enregistrement « %1 »</translation>
    </message>
    <message>
        <source>Datensatz %1 mit unlesbaren Feldern (%2) wurde so gespeichert, wie er kam.</source>
        <translation>L&apos;enregistrement %1 aux champs illisibles (%2) a été sauvegardé tel quel.</translation>
    </message>
    <message>
        <source>Ein Datensatz mit unlesbaren Feldern (%1) wird gehalten, wie er kam.</source>
        <translation>Un enregistrement aux champs illisibles (%1) est retenu tel quel.</translation>
    </message>
    <message>
        <source>Anlage %1: %2</source>
        <translation>Installation %1 : %2</translation>
    </message>
    <message>
        <source>Die Steuerung meldet %1 gespeicherte Datensätze; möglich sind 0 bis 1000. Es wurde nichts ausgelesen.</source>
        <translation>Le régulateur annonce %1 enregistrements ; 0 à 1000 sont possibles. Rien n&apos;a été lu.</translation>
    </message>
</context>
<context>
    <name>TVerbindung</name>
    <message>
        <source>Baue Netzwerkverbindung auf......</source>
        <translation>Établissement de la connexion réseau......</translation>
    </message>
    <message>
        <source>Serielle Verbindung auf :</source>
        <translation>Connexion série sur : </translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der seriellen Schnittstelle !
Bitte überprüfen!!</source>
        <translation>Erreur à l&apos;ouverture du port série !
Veuillez vérifier !!</translation>
    </message>
    <message>
        <source>Keine Verbindung
Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>Pas de connexion
Veuillez vérifier le câble et les réglages du PC !</translation>
    </message>
    <message>
        <source>Schliesse Verbindung....</source>
        <translation>Fermeture de la connexion....</translation>
    </message>
    <message>
        <source>Netzwerkverbindung zu :</source>
        <translation>Connexion réseau vers : </translation>
    </message>
    <message>
        <source>Netzwerkverbindung ist inaktiv !</source>
        <translation>La connexion réseau est inactive !</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Netzerkverbindung!
Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>Erreur à l&apos;ouverture de la connexion réseau !
Veuillez vérifier le câble et les réglages du PC !</translation>
    </message>
    <message>
        <source>Asynchroner Socket-Fehler %1</source>
        <translation>Erreur de socket asynchrone %1</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit %1
Nächster Versuch um %2</source>
        <translation>Connexion interrompue depuis %1
Prochain essai à %2</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen seit %1 – nächster Versuch um %2</source>
        <translation>Connexion interrompue depuis %1 – prochain essai à %2</translation>
    </message>
    <message>
        <source>Keine Verbindung zu den Steuerungen!</source>
        <translation>Pas de connexion aux régulateurs !</translation>
    </message>
    <message>
        <source>Bitte Netzwerkadapter und PC- Einstellung überprüfen!</source>
        <translation>Veuillez vérifier l&apos;adaptateur réseau et les réglages du PC !</translation>
    </message>
    <message>
        <source>Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>Veuillez vérifier le câble et les réglages du PC !</translation>
    </message>
    <message>
        <source>TIMEOUT bei der Netzwerkverbindung!
Bitte Netzwerkadapter und PC- Einstellung überprüfen!</source>
        <translation>TIMEOUT de la connexion réseau !
Veuillez vérifier l&apos;adaptateur réseau et les réglages du PC !</translation>
    </message>
    <message>
        <source>TIMEOUT, bei der seriellen Kommunikation!
Bitte Kabel und PC- Einstellung überprüfen!Bitte Kabel und PC- Einstellung überprüfen!</source>
        <translation>TIMEOUT de la communication série !
Veuillez vérifier le câble et les réglages du PC !</translation>
    </message>
</context>
<context>
    <name>TVerbindungsPruefung</name>
    <message>
        <source>Der Netzwerkadapter hat die Verbindung nicht angenommen.</source>
        <translation>L&apos;adaptateur réseau n&apos;a pas accepté la connexion.</translation>
    </message>
    <message>
        <source>Keine serielle Schnittstelle gewählt.</source>
        <translation>Aucun port série choisi.</translation>
    </message>
    <message>
        <source>Die Verbindung konnte nicht geöffnet werden:</source>
        <translation>La connexion n&apos;a pas pu être ouverte :</translation>
    </message>
    <message>
        <source>Die Verbindung ist offen, aber keine der %1 Steuerungen hat geantwortet. Bitte Kabel, Geschwindigkeit und Zahl der Anlagen überprüfen.</source>
        <translation>La connexion est ouverte, mais aucun des %1 régulateurs n&apos;a répondu. Veuillez vérifier le câble, la vitesse et le nombre d&apos;installations.</translation>
    </message>
    <message>
        <source>%1 von %2 Steuerungen haben geantwortet: Anlage %3.</source>
        <translation>%1 régulateurs sur %2 ont répondu : installation %3.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--protocol verlangt measurement, quality oder graph.</source>
        <translation>--protocol exige measurement, quality ou graph.</translation>
    </message>
    <message>
        <source>Genau eine Datendatei angeben (FILE.CSV).</source>
        <translation>Indiquez exactement un fichier de données (FILE.CSV).</translation>
    </message>
    <message>
        <source>Leitstand für Kompostanlagen mit O2-Belüftungssteuerungen.</source>
        <translation>Poste de supervision des installations de compostage à régulateurs d&apos;aération O2.</translation>
    </message>
    <message>
        <source>Sprache dieses Laufs: de, en oder fr (wird nicht gespeichert).</source>
        <translation>Langue de cette exécution : de, en ou fr (non enregistrée).</translation>
    </message>
    <message>
        <source>Schreibt das Protokoll der Datendatei FILE.CSV als PDF, ohne Fenster.</source>
        <translation>Écrit le rapport du fichier de données FILE.CSV en PDF, sans fenêtre.</translation>
    </message>
    <message>
        <source>Mit --pdf: measurement (Messprotokoll), quality (Protokoll Gütegemeinschaft) oder graph (Grafik).</source>
        <translation>Avec --pdf : measurement (rapport de mesures), quality (rapport association qualité) ou graph (graphique).</translation>
    </message>
    <message>
        <source>Mit --pdf: ein Wert je Tag.</source>
        <translation>Avec --pdf : une valeur par jour.</translation>
    </message>
    <message>
        <source>Mit --pdf: mit Grafik.</source>
        <translation>Avec --pdf : avec graphique.</translation>
    </message>
    <message>
        <source>Mit --pdf: die Datendatei.</source>
        <translation>Avec --pdf : le fichier de données.</translation>
    </message>
    <message>
        <source>--language verlangt de, en oder fr.</source>
        <translation>--language exige de, en ou fr.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Rudevad Irivazared ededevo</source>
        <translation>Rudevad Irivazared ededevo</translation>
    </message>
    <message>
        <source>Mit --pdf: die Anlage ist geschlossen (Vorgabe: offen); gilt für den Nachweis der Hygienisierung.</source>
        <translation>Avec --pdf : l&apos;installation est fermée (par défaut : ouverte) ; s&apos;applique à la preuve de l&apos;hygiénisation.</translation>
    </message>
    <message>
        <source>Ordner mit O2_Tarvos.ini, Installation.ini, KompLogo.BMP und den Protokolldateien (Vorgabe: der Ordner des Programms, wenn er beschreibbar ist oder eine Installation enthält, sonst %1).</source>
        <translation>Dossier contenant O2_Tarvos.ini, Installation.ini, KompLogo.BMP et les journaux (par défaut : le dossier du programme s&apos;il est accessible en écriture ou contient une installation, sinon %1).</translation>
    </message>
</context>
</TS>
