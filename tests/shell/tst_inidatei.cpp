// The configuration file: reading with defaults, case-insensitive names,
// numbers in both decimal notations, writes that keep every other line byte
// for byte, atomic replacement and the refusal of unwritable files.
#include "shell/UCp1252.h"
#include "shell/UIniDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray lies(const QString &pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<fehlt>");
    return f.readAll();
}

void schreibe(const QString &pfad, const QByteArray &daten) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(daten), daten.size());
}

const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QLocale Englisch(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestIniDatei : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString pfad() const { return m_dir.filePath(QStringLiteral("O2_Tarvos.ini")); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QFile::remove(pfad());
    }

    void ohneDateiGeltenDieVorgaben() {
        const TIniDatei ini(pfad(), Deutsch);
        QCOMPARE(ini.ReadString("COM", "NETADR", "vorgabe"), QStringLiteral("vorgabe"));
        QCOMPARE(ini.ReadInteger("COM", "NETPORT", 8000), 8000);
        QCOMPARE(ini.ReadBool("COM", "SHOWREF", true), true);
        QCOMPARE(ini.ReadBool("COM", "Metric", false), false);
        QCOMPARE(ini.ReadFloat("COM", "REFTEMP", 55.0), 55.0);
        QVERIFY(!QFile::exists(pfad())); // reading never creates the file
    }

    void lesen_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("sektion");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("erwartet");

        const QByteArray com = "[COM]\r\nLAYER=0\r\nNETADR=10.0.0.5\r\n[Firma]\r\nTitel=Kompostwerk\r\n";
        QTest::newRow("plain") << com << "COM"
                               << "NETADR"
                               << "10.0.0.5";
        QTest::newRow("section case") << com << "com"
                                      << "NETADR"
                                      << "10.0.0.5";
        QTest::newRow("key case") << com << "Com"
                                  << "netadr"
                                  << "10.0.0.5";
        QTest::newRow("key of another section") << com << "COM"
                                                << "Titel"
                                                << "<def>";
        QTest::newRow("missing section") << com << "1"
                                         << "Name"
                                         << "<def>";
        QTest::newRow("LF only") << QByteArray("[1]\nName=Miete Nord\nPfad=/k/\n") << "1"
                                 << "Pfad"
                                 << "/k/";
        QTest::newRow("no final line end") << QByteArray("[1]\r\nName=Ende") << "1"
                                           << "Name"
                                           << "Ende";
        QTest::newRow("blanks around key, value and section")
            << QByteArray("  [ Firma ]  \r\n  Titel  =  Kompost Werk  \r\n") << "Firma"
            << "Titel"
            << "Kompost Werk";
        QTest::newRow("equals sign inside the value") << QByteArray("[X]\r\nA=b=c\r\n") << "X"
                                                      << "A"
                                                      << "b=c";
        QTest::newRow("quotes are kept") << QByteArray("[X]\r\nA=\"q\"\r\n") << "X"
                                         << "A"
                                         << "\"q\"";
        QTest::newRow("empty value") << QByteArray("[X]\r\nA=\r\n") << "X"
                                     << "A"
                                     << "";
        QTest::newRow("comment line holds no key") << QByteArray("[X]\r\n;A=1\r\n") << "X"
                                                   << "A"
                                                   << "<def>";
        QTest::newRow("key before any section") << QByteArray("A=1\r\n[X]\r\n") << "X"
                                                << "A"
                                                << "<def>";
        QTest::newRow("first of two keys") << QByteArray("[X]\r\nA=1\r\nA=2\r\n") << "X"
                                           << "A"
                                           << "1";
        QTest::newRow("first of two sections") << QByteArray("[X]\r\nA=1\r\n[x]\r\nA=2\r\n") << "X"
                                               << "A"
                                               << "1";
        QTest::newRow("Windows-1252 umlaut") << QByteArray("[1]\r\nKomm=Gr\xFCnschnitt\r\n") << "1"
                                             << "Komm"
                                             << "Grünschnitt";
        QTest::newRow("section 33 is not section 3") << QByteArray("[3]\r\nName=drei\r\n") << "33"
                                                     << "Name"
                                                     << "<def>";
    }

    void lesen() {
        QFETCH(QByteArray, datei);
        QFETCH(QString, sektion);
        QFETCH(QString, schluessel);
        QFETCH(QString, erwartet);
        schreibe(pfad(), datei);
        const TIniDatei ini(pfad(), Deutsch);
        QCOMPARE(ini.ReadString(sektion, schluessel, QStringLiteral("<def>")), erwartet);
    }

    void zahlen_data() {
        QTest::addColumn<QByteArray>("wert");
        QTest::addColumn<int>("ganz");    // ReadInteger with default -1
        QTest::addColumn<bool>("wahr");   // ReadBool with default true
        QTest::addColumn<double>("real"); // ReadFloat with default -1.0

        QTest::newRow("42") << QByteArray("42") << 42 << true << 42.0;
        QTest::newRow("0") << QByteArray("0") << 0 << false << 0.0;
        QTest::newRow("blanks") << QByteArray("  7  ") << 7 << true << 7.0;
        QTest::newRow("negative") << QByteArray("-12") << -12 << true << -12.0;
        QTest::newRow("2 is true") << QByteArray("2") << 2 << true << 2.0;
        QTest::newRow("decimal comma") << QByteArray("55,5") << -1 << true << 55.5;
        QTest::newRow("decimal point") << QByteArray("55.5") << -1 << true << 55.5;
        QTest::newRow("trailing letters") << QByteArray("12abc") << -1 << true << -1.0;
        QTest::newRow("word") << QByteArray("ja") << -1 << true << -1.0;
        QTest::newRow("empty") << QByteArray("") << -1 << true << -1.0;
        QTest::newRow("overflow") << QByteArray("99999999999") << -1 << true << 99999999999.0;
        QTest::newRow("grouped") << QByteArray("1.234,5") << -1 << true << -1.0;
        QTest::newRow("not a number") << QByteArray("nan") << -1 << true << -1.0;
        QTest::newRow("infinite") << QByteArray("1e999") << -1 << true << -1.0;
    }

    void zahlen() {
        QFETCH(QByteArray, wert);
        QFETCH(int, ganz);
        QFETCH(bool, wahr);
        QFETCH(double, real);
        schreibe(pfad(), "[COM]\r\nWERT=" + wert + "\r\n");
        for (const QLocale &loc : {Deutsch, Englisch}) {
            const TIniDatei ini(pfad(), loc);
            QCOMPARE(ini.ReadInteger("COM", "WERT", -1), ganz);
            QCOMPARE(ini.ReadBool("COM", "WERT", true), wahr);
            QCOMPARE(ini.ReadFloat("COM", "WERT", -1.0), real);
        }
    }

    void schreibenLegtDateiAn() {
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(ini.WriteInteger("COM", "ZEIT", 6));
        QVERIFY(ini.WriteBool("COM", "Metric", false));
        QVERIFY(ini.WriteString("1", "Name", "Miete Nord"));
        QVERIFY(ini.LetzterFehler().isEmpty());
        QCOMPARE(lies(pfad()), QByteArray("[COM]\r\nZEIT=6\r\nMetric=0\r\n[1]\r\nName=Miete Nord\r\n"));
        // on disk at once: a second object sees it
        const TIniDatei andere(pfad(), Deutsch);
        QCOMPARE(andere.ReadInteger("com", "zeit", 0), 6);
    }

    void realSchreiben_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("de 55.5") << Deutsch << 55.5 << QByteArray("55,5");
        QTest::newRow("de 55.0") << Deutsch << 55.0 << QByteArray("55");
        QTest::newRow("de 1234.25") << Deutsch << 1234.25 << QByteArray("1234,25");
        QTest::newRow("de -0.1") << Deutsch << -0.1 << QByteArray("-0,1");
        QTest::newRow("en 55.5") << Englisch << 55.5 << QByteArray("55.5");
        QTest::newRow("en 1234.25") << Englisch << 1234.25 << QByteArray("1234.25");
    }

    void realSchreiben() {
        QFETCH(QLocale, locale);
        QFETCH(double, wert);
        QFETCH(QByteArray, text);
        TIniDatei ini(pfad(), locale);
        QVERIFY(ini.WriteFloat("COM", "REFTEMP", wert));
        QCOMPARE(lies(pfad()), "[COM]\r\nREFTEMP=" + text + "\r\n");
        for (const QLocale &loc : {Deutsch, Englisch})
            QCOMPARE(TIniDatei(pfad(), loc).ReadFloat("COM", "REFTEMP", 0.0), wert);
    }

    // A write changes only its own line; comments, unknown sections and keys,
    // odd spacing, LF-only lines, 8-bit text and a missing final line end stay.
    void schreibenBehaeltAlleAnderenZeilen_data() {
        QTest::addColumn<QString>("sektion");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QByteArray>("nachher");

        const QByteArray datei = "; Einstellungen\r\n"
                                 "[COM]\r\n"
                                 "LAYER=0\r\n"
                                 "  ZEIT = 6\r\n"
                                 "Metric=0\n"
                                 "UNBEKANNT=x y\r\n"
                                 "\r\n"
                                 "; Firmendaten\r\n"
                                 "[Firma]\r\n"
                                 "Titel=Kompostwerk M\xFCller\r\n"
                                 "[Fremd]\r\n"
                                 "irgendwas\r\n"
                                 "Z=1";
        QTest::newRow("existing key")
            << "COM"
            << "ZEIT"
            << "18" << datei << QByteArray(datei).replace("  ZEIT = 6\r\n", "  ZEIT =18\r\n");
        QTest::newRow("existing key, other case, LF line")
            << "com"
            << "METRIC"
            << "1" << datei << QByteArray(datei).replace("Metric=0\n", "Metric=1\n");
        QTest::newRow("new key at the end of its section")
            << "COM"
            << "SHOWREF"
            << "1" << datei
            << QByteArray(datei).replace("UNBEKANNT=x y\r\n", "UNBEKANNT=x y\r\nSHOWREF=1\r\n");
        QTest::newRow("new key in the last section without final line end")
            << "Fremd"
            << "Neu"
            << "2" << datei << datei + "\r\nNeu=2\r\n";
        QTest::newRow("new section at the end") << "1"
                                                << "Name"
                                                << "Miete Süd" << datei
                                                << datei + "\r\n[1]\r\nName=Miete S\xFC"
                                                           "d\r\n";
        QTest::newRow("new key in an empty section") << "Leer"
                                                     << "A"
                                                     << "1" << QByteArray("[Leer]\r\n\r\n[B]\r\nA=0\r\n")
                                                     << QByteArray("[Leer]\r\nA=1\r\n\r\n[B]\r\nA=0\r\n");
        QTest::newRow("same value, same bytes") << "COM"
                                                << "LAYER"
                                                << "0" << datei << datei;
    }

    void schreibenBehaeltAlleAnderenZeilen() {
        QFETCH(QString, sektion);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        QFETCH(QByteArray, vorher);
        QFETCH(QByteArray, nachher);
        schreibe(pfad(), vorher);
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(ini.WriteString(sektion, schluessel, wert));
        QCOMPARE(lies(pfad()), nachher);
        QCOMPARE(ini.ReadString(sektion, schluessel, QString()), wert);
    }

    // A line break in a value would start a section or a key of its own.
    void zeilenumbruchImWert() {
        schreibe(pfad(), "[Firma]\r\nTitel=alt\r\n[COM]\r\nZEIT=6\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(ini.WriteString("Firma", "Titel", "A\r\n[COM]\r\nZEIT=0\nB\rC"));
        QCOMPARE(lies(pfad()), QByteArray("[Firma]\r\nTitel=A [COM] ZEIT=0 B C\r\n[COM]\r\nZEIT=6\r\n"));
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", -1), 6);
        QCOMPARE(ini.ReadString("Firma", "Titel", ""), QStringLiteral("A [COM] ZEIT=0 B C"));
    }

    void ungueltigeNamenWerdenAbgelehnt_data() {
        QTest::addColumn<QString>("sektion");
        QTest::addColumn<QString>("schluessel");
        QTest::newRow("empty section") << ""
                                       << "A";
        QTest::newRow("bracket in section") << "A]B"
                                            << "A";
        QTest::newRow("line break in section") << "A\nB"
                                               << "A";
        QTest::newRow("empty key") << "A"
                                   << " ";
        QTest::newRow("equals in key") << "A"
                                       << "B=C";
        QTest::newRow("comment key") << "A"
                                     << ";B";
    }

    void ungueltigeNamenWerdenAbgelehnt() {
        QFETCH(QString, sektion);
        QFETCH(QString, schluessel);
        schreibe(pfad(), "[A]\r\nX=1\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(!ini.WriteString(sektion, schluessel, "v"));
        QVERIFY(!ini.LetzterFehler().isEmpty());
        QCOMPARE(lies(pfad()), QByteArray("[A]\r\nX=1\r\n"));
    }

    // The folder of the file is a regular file: nothing can be created there,
    // also not by root.
    void nichtSchreibbar() {
        const QString sperre = m_dir.filePath(QStringLiteral("keinOrdner"));
        schreibe(sperre, "x");
        const QString ziel = sperre + QStringLiteral("/O2_Tarvos.ini");
        TIniDatei ini(ziel, Deutsch);
        QVERIFY(!ini.WriteInteger("COM", "ZEIT", 6));
        QVERIFY2(ini.LetzterFehler().contains(QDir::toNativeSeparators(ziel)),
                 qPrintable(ini.LetzterFehler()));
        QVERIFY2(ini.LetzterFehler().contains(QStringLiteral("kann nicht geschrieben werden")),
                 qPrintable(ini.LetzterFehler()));
        // the value in memory has changed all the same
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", 0), 6);
        // a later successful write clears the message
        TIniDatei gut(pfad(), Deutsch);
        QVERIFY(gut.WriteInteger("COM", "ZEIT", 6));
        QVERIFY(gut.LetzterFehler().isEmpty());
    }

    // Every write tells whether it reached the file (the run reports a
    // configuration that cannot be written until it can again); the seam of
    // the tests refuses writes with a reason and leaves the file as it is.
    void nachSchreiben() {
        schreibe(pfad(), "[COM]\r\nZEIT=6\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QStringList gemeldet;
        ini.NachSchreiben = [&gemeldet](bool ok, const QString &fehler) {
            gemeldet.append(ok ? QStringLiteral("ok") : fehler);
        };
        ini.Schreibsperre = [] { return QStringLiteral("Schreibgeschützt"); };
        QVERIFY(!ini.WriteInteger("COM", "ZEIT", 12));
        QCOMPARE(lies(pfad()), QByteArray("[COM]\r\nZEIT=6\r\n"));
        QCOMPARE(gemeldet.size(), 1);
        QVERIFY2(gemeldet.at(0).contains(QDir::toNativeSeparators(pfad())) &&
                     gemeldet.at(0).contains(QStringLiteral("Schreibgeschützt")),
                 qPrintable(gemeldet.at(0)));
        QCOMPARE(ini.LetzterFehler(), gemeldet.at(0));
        // a value the file cannot hold is no failure of the file
        QVERIFY(!ini.WriteString("1", "Pfad", QStringLiteral("Łódź")));
        QCOMPARE(gemeldet.size(), 1);
        ini.Schreibsperre = nullptr;
        QVERIFY(ini.WriteInteger("COM", "ZEIT", 12));
        QCOMPARE(gemeldet, QStringList({gemeldet.at(0), QStringLiteral("ok")}));
    }

    // A configuration file that may be written, in a folder where no file may
    // be created (no room for the temporary file): the file is written in place.
    void nichtSchreibbarerOrdner() {
#ifdef Q_OS_UNIX
        const QString ordner = m_dir.filePath(QStringLiteral("nurlesen"));
        QVERIFY(QDir().mkpath(ordner));
        const QString ziel = ordner + QStringLiteral("/O2_Tarvos.ini");
        schreibe(ziel, "[COM]\r\nZEIT=6\r\n[Firma]\r\nTitel=Kompostwerk\r\n");
        const auto alles = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        bool ok = false;
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            TIniDatei ini(ziel, Deutsch);
            ok = ini.WriteInteger("COM", "ZEIT", 12);
            QFile::setPermissions(ordner, alles);
        } else {
            // root may write anywhere: the write runs as "nobody" in a child
            // process, for whom the folder is closed and the file open
            const auto durch = QFileDevice::ReadOther | QFileDevice::ExeOther;
            QVERIFY(QFile::setPermissions(m_dir.path(), alles | durch));
            QVERIFY(QFile::setPermissions(ordner, alles | durch));
            QVERIFY(QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadOther | QFileDevice::WriteOther));
            const pid_t kind = ::fork();
            if (kind == 0) {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(3);
                TIniDatei ini(ziel, Deutsch);
                ::_exit(ini.WriteInteger("COM", "ZEIT", 12) ? 0 : 1);
            }
            int status = 0;
            QVERIFY(kind > 0 && ::waitpid(kind, &status, 0) == kind);
            QFile::setPermissions(m_dir.path(), alles);
            QVERIFY(WIFEXITED(status));
            QVERIFY2(WEXITSTATUS(status) != 3, "cannot become \"nobody\"");
            ok = WEXITSTATUS(status) == 0;
        }
        QVERIFY(ok);
        QCOMPARE(lies(ziel), QByteArray("[COM]\r\nZEIT=12\r\n[Firma]\r\nTitel=Kompostwerk\r\n"));
        QCOMPARE(QDir(ordner).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("O2_Tarvos.ini")});
#else
        QSKIP("needs POSIX permissions");
#endif
    }

    // A file holding the mail server's password is readable by its owner only,
    // from its first write on and whoever writes it afterwards; without a
    // password the mode is left as it is.
    void kennwortNurFuerEigentuemer() {
#ifdef Q_OS_UNIX
        const auto fremd = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                           QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        const auto offen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                           QFileDevice::ReadOther;
        schreibe(pfad(), "[COM]\r\nZEIT=6\r\n");
        QVERIFY(QFile::setPermissions(pfad(), offen));
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(ini.WriteInteger("COM", "ZEIT", 7));
        QVERIFY(!ini.HaeltGeheimnis());
        QCOMPARE(QFile::permissions(pfad()) & fremd, QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QVERIFY(ini.WriteString("ALARM", "SMTPUSER", "kompost"));
        QCOMPARE(QFile::permissions(pfad()) & fremd, QFileDevice::ReadGroup | QFileDevice::ReadOther);

        QVERIFY(ini.WriteString("ALARM", "SMTPPASS", "geheim"));
        QVERIFY(ini.HaeltGeheimnis());
        QCOMPARE(QFile::permissions(pfad()) & fremd, QFileDevice::Permissions());
        // Another writer of the file (another window's object) keeps the mode.
        TIniDatei anderer(pfad(), Deutsch);
        QVERIFY(anderer.WriteInteger("COM", "ZEIT", 8));
        QCOMPARE(QFile::permissions(pfad()) & fremd, QFileDevice::Permissions());
        QCOMPARE(lies(pfad()),
                 QByteArray("[COM]\r\nZEIT=8\r\n[ALARM]\r\nSMTPUSER=kompost\r\nSMTPPASS=geheim\r\n"));

        // A new file whose first write is the password.
        QFile::remove(pfad());
        TIniDatei neu(pfad(), Deutsch);
        QVERIFY(neu.WriteString("alarm", "smtppass", "geheim"));
        QCOMPARE(QFile::permissions(pfad()) & fremd, QFileDevice::Permissions());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("O2_Tarvos.ini*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("O2_Tarvos.ini")});
#else
        QSKIP("needs POSIX permissions");
#endif
    }

    // A value the Windows-1252 file cannot hold is refused, not written as "?".
    void wertAusserhalbDerCodepage() {
        schreibe(pfad(), "[1]\r\nPfad=C:\\Daten\\\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(!ini.WriteString("1", "Pfad", QStringLiteral("C:\\Łódź\\")));
        QVERIFY2(ini.LetzterFehler().contains(QStringLiteral("Łódź")), qPrintable(ini.LetzterFehler()));
        QCOMPARE(lies(pfad()), QByteArray("[1]\r\nPfad=C:\\Daten\\\r\n"));
        QCOMPARE(ini.ReadString("1", "Pfad", QString()), QStringLiteral("C:\\Daten\\"));
        // what the code page holds is written as before
        QVERIFY(ini.WriteString("1", "Pfad", QStringLiteral("C:\\Müll€\\")));
        QCOMPARE(lies(pfad()), QByteArray("[1]\r\nPfad=C:\\M\xFCll\x80\\\r\n"));
    }

    // A file saved by an editor as UTF-8 with a byte-order mark: its first
    // section is found, a write changes only the value and keeps the file UTF-8.
    void utf8MitBom() {
        schreibe(pfad(), "\xEF\xBB\xBF[COM]\r\nZEIT=6\r\n[Firma]\r\nTitel=Kompostwerk M\xC3\xBCller\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", 0), 6);
        QCOMPARE(ini.ReadString("Firma", "Titel", QString()), QStringLiteral("Kompostwerk Müller"));
        QVERIFY(ini.WriteInteger("COM", "ZEIT", 12));
        QVERIFY(ini.WriteString("Firma", "Zeile2", QStringLiteral("Straße 1")));
        QCOMPARE(lies(pfad()), QByteArray("\xEF\xBB\xBF[COM]\r\nZEIT=12\r\n[Firma]\r\nTitel=Kompostwerk "
                                          "M\xC3\xBCller\r\nZeile2=Stra\xC3\x9F"
                                          "e 1\r\n"));
    }

    // The write of the new file fails half-way (the file size limit stops it,
    // for root as well): the old file is still there, whole, and no temporary
    // file is left behind.
    void atomar() {
#ifdef Q_OS_UNIX
        const QByteArray alt = "[COM]\r\nZEIT=6\r\n[Firma]\r\nTitel=Kompostwerk\r\n";
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString datei = ordner.filePath(QStringLiteral("O2_Tarvos.ini"));
        schreibe(datei, alt);
        TIniDatei ini(datei, Deutsch);
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", 0), 6);

        struct rlimit vorher {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
        auto *alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit grenze = vorher;
        grenze.rlim_cur = static_cast<rlim_t>(alt.size() + 16);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
        const bool ok = ini.WriteString("Firma", "Titel", QString(4000, QLatin1Char('x')));
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alterHandler);

        QVERIFY(!ok);
        QVERIFY2(ini.LetzterFehler().contains(QDir::toNativeSeparators(datei)),
                 qPrintable(ini.LetzterFehler()));
        QCOMPARE(lies(datei), alt);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("O2_Tarvos.ini")});
#else
        QSKIP("needs a file size limit");
#endif
    }

    // The object keeps the file's lines, but a file changed behind its back
    // is read again.
    void geaenderteDateiWirdNeuGelesen() {
        schreibe(pfad(), "[COM]\r\nZEIT=6\r\n");
        TIniDatei ini(pfad(), Deutsch);
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", 0), 6);
        schreibe(pfad(), "[COM]\r\nZEIT=18\r\nCOM=2\r\n");
        QCOMPARE(ini.ReadInteger("COM", "ZEIT", 0), 18);
        QVERIFY(ini.WriteInteger("COM", "LAYER", 1));
        QCOMPARE(lies(pfad()), QByteArray("[COM]\r\nZEIT=18\r\nCOM=2\r\nLAYER=1\r\n"));
    }

    // A password in the file: only its owner may read the file; the other
    // keys leave the permissions as they were.
    void passwortNurFuerEigentuemer() {
        schreibe(pfad(), "[COM]\r\nZEIT=6\r\n");
        QFile::setPermissions(pfad(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
        TIniDatei ini(pfad(), Deutsch);
        QVERIFY(ini.WriteString("MQTT", "HOST", "broker.werk"));
        QVERIFY(QFileInfo(pfad()).permissions() & QFileDevice::ReadOther);
        QVERIFY(ini.WriteString("MQTT", "PASS", QString()));
        QVERIFY(QFileInfo(pfad()).permissions() & QFileDevice::ReadOther);
        QVERIFY(ini.WriteString("mqtt", "pass", "geheim"));
        const QFileDevice::Permissions rechte = QFileInfo(pfad()).permissions();
        QVERIFY(rechte & QFileDevice::ReadOwner);
        QVERIFY(!(rechte & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                            QFileDevice::WriteOther)));
        QVERIFY(ini.WriteInteger("COM", "ZEIT", 7));
        QVERIFY(!(QFileInfo(pfad()).permissions() & QFileDevice::ReadOther));
        QCOMPARE(lies(pfad()),
                 QByteArray("[COM]\r\nZEIT=7\r\n[MQTT]\r\nHOST=broker.werk\r\nPASS=geheim\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniDatei)
#include "tst_inidatei.moc"
