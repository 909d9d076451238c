// The records a readout received but could not write into their data file (a
// full or failing disk). The controller forgets a record once it has sent it,
// so such a record is kept here, in the order the records came, until a write
// succeeds again; the writer (TDataFile) then writes it, numbered on, before
// anything newer of its plant.
//
// The list is also kept on the disk, so that neither the end of the program
// nor a crash right after a record was kept loses it: each change writes the
// whole list, synced, to "Gehaltene_Datensaetze.CSV" in the first of the
// folders that takes it (the home folder, then a second folder), and the file
// goes again when the list is empty. At the next start the file of the
// latest "Stand" among the folders is read back. The file is Windows-1252
// text with CR LF:
//
//   Gehaltene Datensaetze;Stand;7
//   Anlage;Speicherzeit;T5;T4;T3;T2;T1;RefMarke;O2[0,1vol%];Betriebsart;Luefter;Statuswert;Luefterlaufzeit;LuefterZyklen;Nummer;Roh;Datei
//   3;09.12.2024  14:30;62;65;58;45;30;44;152;3;1;0;12;4;144;;C:\Kompost\Miete Nord_12-05-2007.CSV
//
// one line per record: the plant, the storage time as the record line holds
// it, the values as the controller sent them (O2 in tenths of vol%), the
// record number it is to have in its file (0: not known yet), for a record
// whose fields could not all be read its line as it goes into the file
// (after the number, its ";" written as tabs; empty for the others), and last
// the full path of the data file it belongs to (so a ";" in it needs no
// care). Files of the layout without "Nummer" and "Roh" are read as well.
//
// Writing a kept record out and taking it off the list are two steps on two
// files; a crash or a list the disk refuses between them leaves the record
// in the list although it is in its file. So every record carries the number
// it is to have there, the list holding that number before the record is
// written: a record whose number the file has already, with the same line,
// is in the file and only goes off the list (TDataFile).
// "Stand" counts up with every write, so that a stale copy left in another
// folder is never read back in place of the newer one.
#pragma once

#include "shell/UZustand.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct tGehaltenerDatensatz {
    int Anlage = 0;
    QString Datei; // full path of the data file it belongs to
    QString Zeit;  // storage time as the record line writes it ("09.12.2024  14:30")
    tAnlageMesswerte Werte;
    // The record line after its number, for a record whose fields could not
    // all be read (written as it stands); empty: the line is made of Werte.
    QString Roh;
    // The number the record is to have in its file; 0 while not known.
    qint32 Nummer = 0;
};

class TGehalten {
public:
    static constexpr char DateiName[] = "Gehaltene_Datensaetze.CSV";

    // The folders for the file, the first that takes it is used (empty ones are skipped).
    void SetzeOrdner(const QStringList &ordner);
    QStringList Ordner() const { return m_ordner; }

    // Reads back the file of the latest "Stand" from the folders; the records
    // are added after those in memory. false when a file could not be read
    // or held lines that are no record (Fehler() says so); what could be read
    // is taken all the same.
    bool Laden();

    // Keeps a record at the end of the list and writes the list.
    void Behalten(const tGehaltenerDatensatz &d);
    // The records kept for a plant, oldest first.
    QList<tGehaltenerDatensatz> VonAnlage(int anlage) const;
    qsizetype Anzahl(int anlage) const;
    qsizetype Anzahl() const { return m_liste.size(); }
    bool Leer() const { return m_liste.isEmpty(); }
    // Takes the oldest record of the plant for that data file off the list
    // (it is in the file now) and writes the list; false when the list
    // could not be written (Fehler() says why).
    bool ErstenEntfernen(int anlage, const QString &datei);
    // Gives the oldest record of the plant for that data file the number it
    // is to have there and writes the list; false when the list could not be
    // written (the record keeps its number then, in memory as on the disk).
    bool ErstemNummerGeben(int anlage, const QString &datei, qint32 nummer);

    // Writes the list to the first folder that takes it (an empty list
    // removes the file). false when none did (Fehler() says why); the next
    // change or Sichern() tries again.
    bool Sichern();
    // The list could not be written at its last change.
    bool Ungesichert() const { return m_ungesichert; }
    // Full path of the file last written (empty when none is).
    QString Datei() const { return m_datei; }
    QString Fehler() const { return m_fehler; }

    // A seam for tests: a write of the list the disk refuses, with the
    // reason (empty: it is written).
    std::function<QString(const QString &pfad)> Schreibsperre;

    // One record as a line of the file (without line end), and back.
    static QString Zeile(const tGehaltenerDatensatz &d);
    // mitNummer: the line has the columns "Nummer" and "Roh" (the layout
    // written now); without, the earlier one.
    static bool ZeileLesen(const QString &zeile, tGehaltenerDatensatz &d, bool mitNummer = true);

private:
    bool schreibeIn(const QString &ordner, const QByteArray &inhalt, QString &fehler);

    QStringList m_ordner;
    QList<tGehaltenerDatensatz> m_liste;
    qint64 m_stand = 0;
    bool m_ungesichert = false;
    QString m_datei;
    QString m_fehler;
};
