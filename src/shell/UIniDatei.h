// The configuration file O2_Tarvos.ini: the classic sectioned key=value text of
// existing installations, read and written by hand (Windows-1252, CR LF).
// Sections and keys match without regard to case; a missing or malformed value
// reads as its default. Every write reaches the disk at once, atomically, and
// keeps all other lines of the file as they were. A file that holds a
// password (a secret key with a value) is readable by its owner only.
#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class TIniDatei {
public:
    // locale gives the decimal separator of written reals.
    explicit TIniDatei(const QString &dateiName, const QLocale &locale = QLocale::system());

    const QString &DateiName() const { return m_dateiName; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    double ReadFloat(const QString &section, const QString &key, double def) const;

    // false when the file cannot be written or cannot hold the value (a
    // character outside Windows-1252); LetzterFehler() then says why and the
    // file is unchanged.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);
    bool WriteFloat(const QString &section, const QString &key, double value);

    QString LetzterFehler() const { return m_fehler; }

    // Told after every attempt to write the file: whether it was written, or
    // why not. The run reports a configuration that cannot be written (and
    // its return) through it.
    std::function<void(bool ok, const QString &fehler)> NachSchreiben;
    // A seam for tests: when set and it gives a reason, every write fails
    // with that reason and the file stays as it is.
    std::function<QString()> Schreibsperre;
    // The file holds a password (the mail server's [ALARM] SMTPPASS, the
    // broker's [MQTT] PASS): on systems with file modes it is then written
    // readable by its owner only.
    bool HaeltGeheimnis() const;

private:
    // One line of the file: its text (decoded, without line end) and the line
    // end it had ("\r\n", "\n" or empty for a last line without one), so that
    // a write gives back every untouched line byte for byte.
    struct Zeile {
        QString text;
        QByteArray ende;
        QByteArray roh; // the bytes read from the file; null for a line written since
    };

    QString m_dateiName;
    QLocale m_locale;
    QString m_fehler;
    // the file's lines as last read or written
    mutable QList<Zeile> m_zeilen;
    mutable bool m_geladen = false;
    // the file began with a UTF-8 byte-order mark: it is read and written as UTF-8
    mutable bool m_utf8 = false;
    // the file exists but could not be read: writes are refused, so that the
    // settings in it are not overwritten
    mutable bool m_lesefehler = false;
    mutable QString m_lesefehlerText;
    // what the file looked like when m_zeilen was taken from it
    mutable bool m_stempelDa = false;
    mutable qint64 m_stempelGroesse = -1;
    mutable qint64 m_stempelZeit = 0;

    void laden() const;
    bool stempelGleich() const;
    void stempelMerken() const;
    // index of the header line of the first section of that name, or -1
    qsizetype findeSektion(const QString &section) const;
    // index of the first line of the key inside the section starting at kopf, or -1
    qsizetype findeSchluessel(qsizetype kopf, const QString &key) const;
    // A secret key (a password) has a value in the file.
    bool haeltGeheimnis() const;
    bool schreibeWert(const QString &section, const QString &key, const QString &wert);
    bool speichern();
    bool gescheitert(const QString &fehler);
};
