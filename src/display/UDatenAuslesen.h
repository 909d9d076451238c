// The offline readout of one plant: asks the controller how many records it
// holds, requests as many as the disk has room for one by one (the fetching
// and the room check are the other readouts' own, TDatensatzAbruf), appends
// each to the plant's data file and hands each to the window as a table row.
// The operator can cancel it from the busy window; the record whose reply has
// already arrived is still written and shown then, because the controller
// may already have forgotten it (so is a record the disk refuses: the writer
// keeps it for the next readout).
// No widgets: the window implements IDatenLesenAnzeige, tests record it.
#pragma once

#include "comm/UKommunikation.h"
#include "data/UMessDaten.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class TStoerungsStand;

// What the readout shows while it runs.
class IDatenLesenAnzeige {
public:
    virtual ~IDatenLesenAnzeige() = default;
    // An information box with an OK button.
    virtual void Meldung(const QString &text) = 0;
    // A warning box with an OK button.
    virtual void Warnung(const QString &text) = 0;
    // The table emptied (titles in row 0, `zeilen` rows in all) and both counters "0".
    virtual void TabelleZuruecksetzen(int zeilen) = 0;
    // The table gets this many rows (the title row included).
    virtual void ZeilenAnzahl(int zeilen) = 0;
    // The counters "Anzahl Datensätze:" and "Lese Datensatz:".
    virtual void AnzahlZeigen(const QString &text) = 0;
    virtual void DatensatzNrZeigen(const QString &text) = 0;
    // Row nr (from 1) of the table: its 12 cells, column 0 the row number;
    // the row is selected so that it is in view.
    virtual void ZeileZeigen(int nr, const QStringList &zellen) = 0;
    // The second panel of the status bar.
    virtual void StatusZeigen(const QString &text) = 0;
    // The busy window: shown with its bar at 1 of `maximum`, stepped, asked
    // whether the operator clicked its text, hidden.
    virtual void FortschrittZeigen(int maximum) = 0;
    virtual void FortschrittSchritt() = 0;
    virtual bool Abgebrochen() = 0;
    virtual void FortschrittVerbergen() = 0;
};

class TDatenLesen {
public:
    static constexpr int Spalten = 12;
    // Rows of an empty table, the title row included.
    static constexpr int LeereZeilen = 20;

    TDatenLesen(TKommunikation &komm, TDataFile &datei, IDatenLesenAnzeige &anzeige);

    // The readout of plant AktAnlage: table reset, then, for a plant with a
    // running pile, the count, the records into the data file and the table,
    // the closing messages and the status text. A plant that is switched off
    // may still hold records of its pile that ended before all were read:
    // they go the same way into that pile's data file (the one the
    // configuration names, TDataFile::OpenEarlierDataFile); with none
    // waiting, or no such file, the operator hears so. The poll timer is
    // stopped while the controller is asked and started again afterwards.
    // Returns the number of rows read.
    int DatenAuslesen();
    // The data file the last readout wrote into (empty when none).
    QString Datei() const { return m_dateiGelesen; }

    // The messages of a plant that is switched off.
    static QString TextAusgeschaltetLeer();
    static QString TextAusgeschaltetOhneDatei(qint32 anzahl, const QString &grund);
    static QString TextVorigeMieteGespeichert(const QString &datei);
    // The operator cancelled: how many records are in the file and how many
    // wait in the controller (box and status panel).
    static QString TextAbgebrochen(qint32 gespeichert, qint32 verbleibend);
    static QString TextAbgebrochenStatus(qint32 gespeichert, qint32 verbleibend);
    // The last readout was cancelled by the operator.
    bool Abgebrochen() const { return m_abgebrochen; }

    // Who hears of the controller's record count and of each readout's end
    // (none when null), and where a failed readout is reported as a
    // disturbance of its plant until a readout of it succeeds again.
    void SetzeEreignisse(IEreignisse *ereignisse) { m_ereignisse = ereignisse; }
    void SetzeStoerungen(TStoerungsStand *stoerungen) { m_stoerungen = stoerungen; }

    // Empties the rows read and the window's table.
    void Zuruecksetzen();

    // The rows read by the last readout, each with its 12 cells.
    const QList<QStringList> &Zeilen() const { return m_zeilen; }
    int GeleseneZeilen() const { return static_cast<int>(m_zeilen.size()); }

    // The 12 cells of table row nr for the record just read (DatensatzWerte
    // and the five date texts), in °F and inch with Metric.
    static QStringList Zellen(const TZustand &z, int nr);
    // The storage time of the record just read; the date-time zero point
    // (30.12.1899 00:00) when a text is not a number or the date or time is impossible.
    static QDateTime Speicherzeit(const TZustand &z);
    // The column titles of row 0 and the design widths of the columns.
    static QStringList Spaltentitel(const TZustand &z);
    static QList<int> Spaltenbreiten();

private:
    // The readout itself: the rows read, -1 when nothing was asked; ok when
    // every announced record is in the file, else grund says why (where known).
    int auslesen(bool &ok, QString &grund);

    TKommunikation &m_komm;
    TDataFile &m_datei;
    IDatenLesenAnzeige &m_anzeige;
    QList<QStringList> m_zeilen;
    QString m_dateiGelesen;
    bool m_abgebrochen = false;
    IEreignisse *m_ereignisse = nullptr;
    TStoerungsStand *m_stoerungen = nullptr;
};
