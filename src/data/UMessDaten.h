// The per-pile data file and the measurement series model.
//
// A data file is 8-bit Windows-1252 text, every line ending in CR LF: nine
// header lines (company lines, plant name, file name, comment, date of the
// first storage, column titles), then one ";"-terminated record line per
// measurement record read out of a controller, numbers with a decimal comma
// whatever the user's locale:
//
//   1;09.12.2024  14:30;   62;   65;   58;   45;   30;   44; 15,2;3;   12;    4;
//
// TDataFile names, creates, appends to and closes the data file of a plant;
// TMessDaten reads a data file (also the earlier layout with eight header
// lines and O2 in tenths) and turns it into the nine chart series of the graph
// window and the printed protocols. A file that an editor saved as UTF-8 (with
// a byte-order mark, or valid UTF-8 with non-ASCII bytes) is read as UTF-8; a
// data file is never rewritten. Record times are the controller's clock, plain
// calendar times that no time zone of the PC shifts. Qt Core only.
#pragma once

#include "data/UDiagramm.h"
#include "data/UGehalten.h"
#include "shell/UEreignisse.h"
#include "shell/UZustand.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class TIniDatei;

// ---------------------------------------------------------------- writer

// The writer of the data files. It holds the one file handle of the program:
// at most one data file is open at any time. Plants are numbered 1..32.
// Calling order within one readout: OpenDataFile, any number of
// WriteDataRecord, CloseDataFile, all for the same plant.
//
// A record whose line the disk does not take is never dropped: the
// controller has already forgotten it. It is kept (Gehalten()) and written,
// in order and numbered on, before anything newer of its plant: by
// GehalteneSchreiben, which a readout calls before it asks for more, or by
// the next WriteDataRecord into its file.
class TDataFile {
public:
    TDataFile(TZustand &z, TIniDatei &ini);
    ~TDataFile(); // closes an open file (its "Anzahl" is then not written)
    TDataFile(const TDataFile &) = delete;
    TDataFile &operator=(const TDataFile &) = delete;

    // Chooses a new data file name for the plant: Pfad + Name + "_" + today's
    // short date, every character other than A-Z, a-z, 0-9, "_" and "-"
    // replaced by "-", + ".CSV" (with "_2", "_3", ... before ".CSV" where
    // that file exists: FreierDateiName). Pfad gets a trailing directory
    // separator if it has none. Sets Datei, sets Anzahl to 0 and writes "Anzahl" = 0 and
    // "Datei" to the plant's section. Creates no file. false when the name
    // holds a character the configuration cannot (outside Windows-1252; then
    // nothing is changed) or the configuration file could not be written
    // (the plant record has been changed all the same); LastError says why.
    bool NewDataFileName(int plant);
    // The file name (without folder) NewDataFileName gives a pile of that
    // name on that day in a folder without it: name + "_" + short date, every character other than
    // A-Z, a-z, 0-9, "_" and "-" replaced by "-", + ".CSV".
    static QString DateiNameFuer(const QString &name, const QDate &datum, const QLocale &locale);
    // The file name NewDataFileName gives in folder `ordner` (native
    // separators or not): DateiNameFuer, or where a file of that name is
    // there already (a pile of the same name began that day), the first
    // free one with "_2", "_3", ... before ".CSV", so that a new pile never
    // goes on in another pile's file.
    static QString FreierDateiName(const QString &ordner, const QString &name, const QDate &datum,
                                   const QLocale &locale);

    // The newest data file of the plant's pile in its folder Pfad: a file
    // named as NewDataFileName names the plant's files (on any day) that
    // begins with the header of a data file of that plant name; the one
    // written last. Empty when there is none. For a running pile whose file
    // name the configuration could not keep.
    // letzteNummer (when given) gets the number of its last record line.
    QString NeuesteDatendatei(int plant, qint32 *letzteNummer = nullptr) const;
    // For a running pile whose file name the configuration could not keep:
    // its newest data file (NeuesteDatendatei) goes on, numbered on after its
    // last record, rather than a second file of today splitting the pile;
    // Datei and Anzahl are set and written to the plant's section, and
    // fortgesetzt names the file. Without such a file a new name is chosen
    // (NewDataFileName; fortgesetzt stays empty). false when the
    // configuration could not be written; LastError says why.
    bool LaufendeMieteFortsetzen(int plant, QString &fortgesetzt);

    // Opens the plant's data file for appending, creating it with its nine
    // header lines when it does not exist (choosing a name first when the
    // plant has none). An existing empty file gets its header first; an
    // existing file that does not begin with the header of a data file is
    // never appended to. The numbering goes on after the file's last record
    // number (a new file starts at 1), and Anzahl is set to match. Nothing of
    // the plant ("Datei", "Anzahl", Pfad) changes unless this succeeds.
    // false: no file is open (LastError says why). A configuration that
    // cannot be written does not stop it (KonfigurationsFehler says so).
    bool OpenDataFile(int plant);
    // Opens an earlier data file of the plant for appending, one that is not
    // its Datei: the file of a pile that has ended, for records the
    // controller still held when it was switched off. The file must exist
    // and begin with the header of a data file (it is never created, nor
    // given a header); the numbering goes on after its last record. Nothing
    // of the plant changes: CloseDataFile then writes "Anzahl" only where the
    // configuration's "Datei" names this file. false: no file is open
    // (LastError says why, in words for the operator).
    bool OpenEarlierDataFile(int plant, const QString &datei);
    // The data file the configuration names for the plant ("Datei" of its
    // section): once its pile has ended (Datei emptied), the last pile's file.
    QString LetzteDatei(int plant) const;

    // How many of `datensaetze` more record lines the open file has room
    // for: on its volume, keeping Reserve bytes free, and below the system's
    // file size limit, each line reckoned at Zeilenbedarf. Fewer than asked:
    // LastError names how much room is missing. All when the free space
    // cannot be told.
    qint32 PlatzFuer(qint32 datensaetze);
    // The room reckoned for one record line numbered `nummer`: the line of a
    // record whose values fill their columns, plus ZeilenZuschlag for values
    // wider than their columns.
    static qint64 Zeilenbedarf(qint32 nummer);
    static constexpr qint64 ZeilenZuschlag = 24;
    // Bytes left free on a volume (the last blocks a file system hands out
    // are no place for records).
    static constexpr qint64 Reserve = 16 * 1024;

    // Appends one record line, numbered after the last one in the file, and
    // increases the plant's Anzahl; the line is on the disk when this returns
    // true. zeit is the storage time as the controller gave it ("09.12.2024
    // 14:30"); w supplies T[1..5] (whole °C), RefMarke (cm), O2 (tenths of
    // vol%), Betriebsart, Laufzeit and Zyklen. Records kept for this file go
    // first. false: the line was not written (a partly written line is taken
    // back); the record is kept and Anzahl is as before.
    //
    // roh: for a record whose fields could not all be read, the line after
    // its number as it is to stand (the fields as the controller sent them,
    // without control characters and ";" in a field); every reader counts
    // such a line as unreadable. Empty: the line is made of w.
    bool WriteDataRecord(int plant, const QString &zeit, const tAnlageMesswerte &w,
                         const QString &roh = QString());

    // Closes the file, then writes "Anzahl" to the plant's section (for an
    // earlier data file only where the configuration names it). false
    // when the file could not be written out or closed (then "Anzahl" is not
    // written); LastError says why. A configuration that cannot be written
    // does not make it fail, since the records are on the disk:
    // KonfigurationsFehler says so.
    bool CloseDataFile(int plant);

    // Writes the records kept for the plant into the files they belong to,
    // oldest first, each numbered on after the last record of its file; no
    // file may be open. A kept record whose number its file has already,
    // with the same line (it was written, but the list could not be
    // rewritten before a crash or a refused write), only goes off the list. true when none is left for the
    // plant; false when the disk still refuses one (that one and those after it stay kept; LastError says
    // why).
    bool GehalteneSchreiben(int plant);
    TGehalten &Gehalten() { return m_gehalten; }
    const TGehalten &Gehalten() const { return m_gehalten; }
    // Where the kept records are written when the home folder cannot take
    // them (empty: nowhere else).
    void SetzeAusweichordner(const QString &ordner);
    // Reads back the records kept by an earlier run (home folder and second
    // folder). false when a file could not be read (Gehalten().Fehler()).
    bool GehalteneLaden();

    // Why the configuration could not be written during the last
    // OpenDataFile, CloseDataFile or GehalteneSchreiben (empty when it was).
    QString KonfigurationsFehler() const { return m_konfigFehler; }

    // Who hears of every record line written (none when null); a line kept
    // as it came (roh) is not told, as it holds no readings.
    void SetzeEreignisse(IEreignisse *ereignisse) { m_ereignisse = ereignisse; }
    // Told after each change of the kept records' list whether it could be
    // written to the disk (false, with the reason) or not.
    std::function<void(bool ok, const QString &fehler)> GehalteneGesichert;

    // Seams of the file layer, for tests (unset: the system's own figures):
    // the bytes free on the volume of a data file, -1 when unknown; and a
    // write the disk refuses, with the reason (empty: it is written).
    std::function<qint64(const QString &datei)> Platzabfrage;
    std::function<QString(const QString &datei, const QByteArray &bytes)> Schreibsperre;

    bool IsOpen() const { return m_datei.isOpen(); }
    // The plant whose file is open, 0 when none is.
    int OpenPlant() const { return m_offenePlant; }
    // The number of the last record line in the open file (0: none yet).
    qint32 LetzteNummer() const { return m_nummer; }
    QString LastError() const { return m_fehler; }

    // The nine header lines of a data file, each with CR LF in Windows-1252:
    // the three company lines, an empty line, the plant's name, the file's
    // name, the comment, the date of the first storage and the column titles.
    static QByteArray Kopf(const QStringList &firma, const QString &anlage, const QString &datei,
                           const QString &komm, const QDate &erster, const QLocale &locale);
    // The record line of one record, with CR LF, as written to the file.
    static QByteArray RecordLine(qint32 nummer, const QString &zeit, const tAnlageMesswerte &w,
                                 const QString &roh = QString());
    // The line with record number `nummer` of a data file, without its line
    // end (searched from the end, where kept records are); false when there is none.
    static bool ZeileMitNummer(const QString &pfad, qint32 nummer, QByteArray &zeile);
    // The column-title line (header line 8), without line end.
    static QString ColumnTitles();

    // What an existing data file looks like before records are appended.
    struct TKopf {
        enum Zustand { Leer, Gueltig, Ungueltig } zustand = Ungueltig;
        qint32 letzteNummer = 0; // record number of the last record line, 0 when there is none
        QString fehler;          // why the file could not be read
    };
    static TKopf KopfPruefen(const QString &pfad);
    // The record number at the start of a line: digits up to the first semicolon.
    static bool RecordNumber(QByteArrayView zeile, qint32 &nummer);
    static constexpr qint32 MaxNummer = 999999999;

private:
    // Free bytes on the open file's volume (-1 when unknown).
    qint64 volumenFrei() const;
    // Bytes the open file may still grow by under the system's file size
    // limit (-1 when there is none).
    qint64 grenzeRest() const;
    bool gueltig(int plant);
    QString neuerName(int plant);
    // Opens the file `name` of the plant for appending (see OpenDataFile);
    // aktuell: it is the plant's own Datei, whose Anzahl follows it.
    bool oeffnen(int plant, const QString &name, bool aktuell);
    bool kopfSchreiben(const tAnlageParameter &a, const QString &name);
    bool schreiben(const QByteArray &bytes);
    // One record line into the open file; false leaves the file as it was.
    bool zeileSchreiben(int plant, const QString &zeit, const tAnlageMesswerte &w, const QString &roh);
    // Keeps a record and tells whether the list could be written.
    void behalten(const tGehaltenerDatensatz &d);
    void gehalteneMelden();
    // The records kept for the open file, before anything newer goes in.
    bool gehalteneInOffene(int plant);
    bool aufDiskBringen();
    void schliessenOhneZaehler();
    void konfiguration(bool ok);
    void ordnerSetzen();

    TZustand &m_z;
    TIniDatei &m_ini;
    QFile m_datei;
    int m_offenePlant = 0;
    bool m_aktuell = false; // the open file is the plant's Datei
    qint32 m_nummer = 0;    // number of the last record line in the open file
    QString m_fehler;
    QString m_grund; // why the last write or flush failed
    QString m_konfigFehler;
    QString m_ausweichordner;
    TGehalten m_gehalten;
    IEreignisse *m_ereignisse = nullptr;
};

// ---------------------------------------------------------------- model

// The lines of a loaded file, kept as the file's bytes with an index, so that
// a large file costs little more memory than its size. at() decodes one line.
class TZeilenListe {
public:
    qint32 count() const { return static_cast<qint32>(m_index.size()); }
    qint32 size() const { return count(); }
    bool isEmpty() const { return m_index.isEmpty(); }
    QString at(qint32 i) const;
    QString operator[](qint32 i) const { return at(i); }
    // The line's bytes (Windows-1252, or UTF-8), valid as long as the list is unchanged.
    QByteArrayView Bytes(qint32 i) const;
    // Line number (from 1) of line i in the file it was read from.
    qint32 FileLine(qint32 i) const { return m_index.at(i).zeile; }
    QStringList toStringList() const;

    void clear();
    void removeAt(qint32 i) { m_index.removeAt(i); }
    void removeFirst(qint32 n) { m_index.remove(0, qMin<qsizetype>(n, m_index.size())); }

private:
    friend class TMessDaten;
    struct Eintrag {
        qsizetype start;
        qint32 laenge;
        qint32 zeile;
    };
    QByteArray m_daten;
    QList<Eintrag> m_index;
    bool m_utf8 = false; // the lines are UTF-8, else Windows-1252
    // Splits bytes into lines at CR LF, a lone LF or a lone CR; a line end at
    // the very end opens no further line. A UTF-8 byte-order mark at the
    // start is no part of the first line and makes the lines UTF-8, as does
    // text that is valid UTF-8 with non-ASCII bytes.
    void setzen(QByteArray bytes);
};

// The time labels of the plotted records: entry k-1 belongs to point k of
// every series. Kept as times and formatted on access.
class TZeitMarken {
public:
    qint32 count() const { return static_cast<qint32>(m_zeiten.size()); }
    qint32 size() const { return count(); }
    bool isEmpty() const { return m_zeiten.isEmpty(); }
    // The user's short date, two blanks, hour and minute with the user's time separator.
    QString at(qint32 i) const;
    QString operator[](qint32 i) const { return at(i); }
    // The controller's clock: a calendar time kept as Qt::UTC, never shifted by a time zone.
    QDateTime Zeit(qint32 i) const;
    QStringList toStringList() const;

private:
    friend class TMessDaten;
    QList<qint64> m_zeiten; // Julian day * 1440 + minute of the day
    QLocale m_locale;
    QString m_datumFormat;
    QString m_zeitFormat;
};

// The measurement series model: loads one data file and turns its record
// lines into nine series plus one time label per plotted record. Point 0 of
// every series is a placeholder (value 0, red, never drawn); the records
// follow as points 1..PointCount(). Values are in display units: °C or, with
// Metric, °F; reference depth in cm or inch (on a depth scale of its own, at
// the right); O2 in vol%; fan time in minutes; cycles.
class TMessDaten : public QObject {
    Q_OBJECT
public:
    // The series titles follow z.Metric and z.RefText as they are now.
    explicit TMessDaten(const TZustand &z, QObject *owner = nullptr);
    ~TMessDaten() override;

    // Reads the file and recognises its layout. false: the file could not be
    // read at all (LastError says why; Valid() is false, no lines). true: it
    // was read; Valid() tells whether its layout was recognised. An
    // unrecognised file leaves the header members as they were and Lines()
    // holding the whole file.
    bool Load(const QString &fileName);

    // Fills the nine series and the labels from the record lines (with
    // onePerDay only the last record of each calendar day), then sets up
    // chart (may be null). A day-end record (23:59) that repeats the date of
    // the day-end record before it, from the third line on, is collapsed for
    // good (day-end records of different dates all stay). A record line whose date and time
    // or whose temperatures cannot be read (a line torn by a crash, a time or
    // a temperature sent as text) is skipped, never plotted as 0 °C, and the
    // lines after it are still plotted: SkippedLines() counts them,
    // FirstSkippedLine() is the first one's line number in the file and
    // SkippedText() (also LastError()) says so for the windows and printouts.
    // Empty lines are no records and are not counted. Always true.
    bool BuildSeries(bool onePerDay, TDiagramm *chart);
    qint32 SkippedLines() const { return m_skipped; }
    qint32 FirstSkippedLine() const { return m_firstSkipped; }
    // "n Zeile(n) ... übersprungen, die erste ist Zeile m." or empty when none was skipped.
    QString SkippedText() const;
    // Titles, foot, axes of the current page, bottom axis and legend.
    void SetupChart(TDiagramm *chart);
    // The series' titles in the current language (the depths in the units of
    // the [COM] settings, the reference depth's RefText).
    void SetzeSerienTitel();
    // Axis scales, formats and titles of the current page, bottom axis maximum.
    void SetAxes(TDiagramm *chart);
    // Only the vertical scales of the current page.
    void ResetAxes(TDiagramm *chart);
    // Shows all nine series on chart (moving them from where they are shown);
    // with null, takes them off any chart. The series stay the model's.
    void AttachSeries(TDiagramm *chart);

    bool Valid() const { return m_valid; }
    bool NewLayout() const { return m_newLayout; }
    bool FanPage() const { return m_fanPage; }
    void SetFanPage(bool fanPage) { m_fanPage = fanPage; }

    QString PlantName() const { return m_plantName; }
    QString Comment1() const { return m_comment1; }
    QString Comment2() const { return m_comment2; }
    QString FileName() const { return m_fileName; }
    QString Header1() const { return m_header1; }
    QString Header2() const { return m_header2; }
    QString Header3() const { return m_header3; }

    // Record lines of a recognised file (0 when the layout was not recognised).
    qint32 LineCount() const { return m_lineCount; }
    qint32 PointCount() const { return m_pointCount; }
    const TZeilenListe &Lines() const { return m_lines; }
    const TZeitMarken &Labels() const { return m_labels; }

    // i = 1..5: 100, 75, 50, 25 and 0 cm.
    TMessSerie &TempSeries(int i) { return *m_temp.at(static_cast<size_t>(i - 1)); }
    const TMessSerie &TempSeries(int i) const { return *m_temp.at(static_cast<size_t>(i - 1)); }
    TMessSerie &RefSeries() { return *m_ref; }
    TMessSerie &O2Series() { return *m_o2; }
    TMessSerie &FanTimeSeries() { return *m_fanTime; }
    TMessSerie &FanCyclesSeries() { return *m_fanCycles; }
    // All nine, in the order TempSeries 1..5, RefSeries, O2Series, FanTimeSeries, FanCyclesSeries.
    QList<TMessSerie *> AllSeries() const;

    QString LastError() const { return m_fehler; }

    // Whether a storage time as a record line holds it ("09.12.2024  14:30")
    // can be read by the rules every record line is read by.
    static bool ZeitLesbar(const QString &zeit);

    // The storage time and the five temperatures of record line zeile, read
    // by the same rules as the series (for evaluations over every record).
    struct TSatz {
        QDateTime
            Zeit; // the controller's clock: a calendar time kept as Qt::UTC, never shifted by a time zone
        bool TemperaturenLesbar = false;
        std::array<qint32, 6> T{}; // whole °C, T[1] at 100 cm ... T[5] at 0 cm
        QByteArray Rest;           // the fields after the temperatures, as written
    };
    // false: the line has no readable storage time.
    bool Satz(qint32 zeile, TSatz &satz) const;

    // The file the last Load read (as given), and the SHA-256 of its bytes
    // as they were read: 64 lowercase hex digits (computed when first asked
    // for); both empty when it could not be read.
    QString Pfad() const { return m_pfad; }
    QString Sha256() const;
    // The last file read was UTF-8 (with a byte-order mark, or valid UTF-8
    // with non-ASCII bytes) rather than Windows-1252.
    bool Utf8() const { return m_lines.m_utf8; }

private:
    struct Datensatz;
    bool datensatzLesen(qint32 zeile, Datensatz &d) const;
    void plot(const Datensatz &d);
    void tagesendenZusammenfassen();

    const TZustand &m_z;
    bool m_newLayout = true;
    bool m_fanPage = false;
    QString m_plantName, m_comment1, m_comment2, m_fileName, m_header1, m_header2, m_header3;
    qint32 m_lineCount = 0;
    qint32 m_pointCount = 0;
    qint32 m_skipped = 0;
    qint32 m_firstSkipped = 0;
    bool m_valid = false;
    TZeilenListe m_lines;
    TZeitMarken m_labels;
    std::array<TMessSerie *, 5> m_temp{};
    TMessSerie *m_ref = nullptr;
    TMessSerie *m_o2 = nullptr;
    TMessSerie *m_fanTime = nullptr;
    TMessSerie *m_fanCycles = nullptr;
    QString m_fehler;
    QString m_pfad;
    mutable QString m_sha256;
};
