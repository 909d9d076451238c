#include "TSimOptionen.h"

#include <QCommandLineParser>
#include <QTimer>

#include <algorithm>

namespace KompostSim {

bool LiesAnlagenListe(const QString &text, QList<int> &liste, QString &fehler) {
    liste.clear();
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        for (int i = 1; i <= TSimulator::MaxAnlagen; ++i)
            liste.append(i);
        return true;
    }
    const QStringList teile = t.split(QLatin1Char(','));
    for (const QString &roh : teile) {
        const QString teil = roh.trimmed();
        const QStringList grenzen = teil.split(QLatin1Char('-'));
        bool ok1 = false;
        bool ok2 = false;
        int von = 0;
        int bis = 0;
        if (grenzen.size() == 1) {
            von = bis = grenzen[0].trimmed().toInt(&ok1);
            ok2 = ok1;
        } else if (grenzen.size() == 2) {
            von = grenzen[0].trimmed().toInt(&ok1);
            bis = grenzen[1].trimmed().toInt(&ok2);
        }
        if (!ok1 || !ok2 || von < 1 || bis > TSimulator::MaxAnlagen || von > bis) {
            fehler =
                QStringLiteral("bad plant list \"%1\": use numbers 1..32, ranges like 1-8, commas, or all")
                    .arg(text);
            liste.clear();
            return false;
        }
        for (int i = von; i <= bis; ++i) {
            if (!liste.contains(i))
                liste.append(i);
        }
    }
    std::sort(liste.begin(), liste.end());
    return true;
}

QString AnlagenListeText(const QList<int> &eingabe) {
    QList<int> liste = eingabe;
    std::sort(liste.begin(), liste.end());
    QStringList teile;
    for (int i = 0; i < liste.size();) {
        int j = i;
        while (j + 1 < liste.size() && liste[j + 1] == liste[j] + 1)
            ++j;
        teile.append(j > i ? QStringLiteral("%1-%2").arg(liste[i]).arg(liste[j]) : QString::number(liste[i]));
        i = j + 1;
    }
    return teile.isEmpty() ? QStringLiteral("none") : teile.join(QLatin1Char(','));
}

namespace {

// Splits "VALUE@LIST" into the value text and the plant list (empty when
// there is no "@").
bool TrenneAnlagen(const QString &text, QString &wert, QList<int> &anlagen, QString &fehler) {
    const qsizetype at = text.lastIndexOf(QLatin1Char('@'));
    anlagen.clear();
    if (at < 0) {
        wert = text;
        return true;
    }
    wert = text.left(at);
    return LiesAnlagenListe(text.mid(at + 1), anlagen, fehler);
}

template <typename T, typename Umwandlung>
bool LiesFuerAnlagen(const QCommandLineParser &p, const QString &name,
                     QList<TSimOptionen::FuerAnlagen<T>> &ziel, QString &fehler, Umwandlung umwandeln) {
    for (const QString &eintrag : p.values(name)) {
        TSimOptionen::FuerAnlagen<T> f;
        QString wert;
        if (!TrenneAnlagen(eintrag, wert, f.Anlagen, fehler))
            return false;
        if (!umwandeln(wert.trimmed(), f.Wert)) {
            fehler = QStringLiteral("bad value for --%1: \"%2\"").arg(name, eintrag);
            return false;
        }
        ziel.append(f);
    }
    return true;
}

bool GanzeZahl(const QString &text, int &wert, int min, int max) {
    bool ok = false;
    wert = text.toInt(&ok);
    return ok && wert >= min && wert <= max;
}

// A reply text from the command line: \r, \n, \0, \\ and \xNN stand for those bytes.
bool TextMitZeichen(const QString &text, QByteArray &bytes) {
    const QByteArray t = text.toLatin1();
    bytes.clear();
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) != '\\') {
            bytes += t.at(i);
            continue;
        }
        if (++i >= t.size())
            return false;
        switch (t.at(i)) {
        case 'r':
            bytes += '\r';
            break;
        case 'n':
            bytes += '\n';
            break;
        case '0':
            bytes += '\0';
            break;
        case '\\':
            bytes += '\\';
            break;
        case 'x': {
            bool ok = false;
            const int wert = t.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || t.mid(i + 1, 2).size() != 2)
                return false;
            bytes += static_cast<char>(wert);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

bool LiesListe(const QCommandLineParser &p, const QString &name, QList<int> &ziel, QString &fehler) {
    if (!p.isSet(name))
        return true;
    QList<int> gesamt;
    for (const QString &eintrag : p.values(name)) {
        QList<int> liste;
        if (!LiesAnlagenListe(eintrag, liste, fehler)) {
            fehler = QStringLiteral("--%1: %2").arg(name, fehler);
            return false;
        }
        for (int n : liste) {
            if (!gesamt.contains(n))
                gesamt.append(n);
        }
    }
    std::sort(gesamt.begin(), gesamt.end());
    ziel = gesamt;
    return true;
}

// The plants that a value without "@LIST" applies to.
QList<int> Alle() {
    QList<int> liste;
    for (int i = 1; i <= TSimulator::MaxAnlagen; ++i)
        liste.append(i);
    return liste;
}

} // namespace

void TSimOptionen::RichteEin(QCommandLineParser &p) {
    p.setApplicationDescription(QStringLiteral(
        "Simulates up to 32 aeration controllers of composting plants, with their compost piles,\n"
        "on TCP (like a network adapter) and/or on a pseudo-terminal (like a serial line).\n"
        "\n"
        "It prints where it listens on its first lines, e.g. \"tcp 127.0.0.1:8000\" and\n"
        "\"pty /dev/pts/5\", and runs until SIGINT or SIGTERM.\n"
        "\n"
        "LIST is a plant list: numbers and ranges 1..32 separated by commas (\"1-5,8\") or \"all\".\n"
        "Options written VALUE[@LIST] apply to the listed plants, without @LIST to all plants;\n"
        "they may be given several times, later ones win (--bad-field entries add up).\n"
        "\n"
        "A controller stores a record at every storage interval while its pile runs and forgets\n"
        "a record once 'G' has delivered it; 'r' counts the records waiting.\n"
        "\n"
        "Without plant options plants 1 to 8 run a pile and hold 12 stored records each.\n"
        "Example (five running piles, two plants switched off, one silent):\n"
        "  kompost-sim --tcp 127.0.0.1:8000 --off 6,7 --silent 8"));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {QStringLiteral("tcp"),
         QStringLiteral("Listen on TCP at HOST:PORT (port 0 takes a free one; HOST may be omitted). "
                        "Default 127.0.0.1:8000 when --pty is not given. One client at a time; a new "
                        "client replaces the old one."),
         QStringLiteral("HOST:PORT")},
        {QStringLiteral("pty"),
         QStringLiteral("Open a pseudo-terminal in raw mode and make PATH a symbolic link to its "
                        "device (\"-\": no link). The link is removed at exit."),
         QStringLiteral("PATH")},
        {QStringLiteral("plants"), QStringLiteral("Plants that are present (default 1-8)."),
         QStringLiteral("LIST")},
        {QStringLiteral("off"), QStringLiteral("Plants that are present but switched off (no running pile)."),
         QStringLiteral("LIST")},
        {QStringLiteral("silent"), QStringLiteral("Plants that are present but never answer."),
         QStringLiteral("LIST")},
        {QStringLiteral("records"),
         QStringLiteral("Records stored in the memory at start, one storage interval apart up to now. "
                        "Without @LIST for every running plant (default 12); with @LIST switched-off "
                        "plants may hold records, too."),
         QStringLiteral("N[@LIST]")},
        {QStringLiteral("memory"),
         QStringLiteral("Records a controller's memory holds; when full the oldest is overwritten "
                        "(default 1000)."),
         QStringLiteral("N")},
        {QStringLiteral("mode"),
         QStringLiteral("Operating mode at start: 0 fan off, 1 fan on, 2 interval, 3 O2 control "
                        "(default 3 for odd, 2 for even plants)."),
         QStringLiteral("M[@LIST]")},
        {QStringLiteral("interval"), QStringLiteral("Storage interval in minutes (default 15)."),
         QStringLiteral("MIN[@LIST]")},
        {QStringLiteral("age"),
         QStringLiteral("Age of the pile in days where its readings begin: at the first record of "
                        "--records, else now (default 2 to 9, each pile its own). 0 is a fresh pile that "
                        "heats up over its first days."),
         QStringLiteral("DAYS[@LIST]")},
        {QStringLiteral("time-factor"),
         QStringLiteral("Simulated time (controller clocks, piles, storing) runs F times as fast as "
                        "real time, up to 100000 (default 1; 0 stops it)."),
         QStringLiteral("F")},
        {QStringLiteral("clock"),
         QStringLiteral("Controller clocks at start, e.g. 2024-12-09T14:30:00 (default the PC's time)."),
         QStringLiteral("DATETIME")},
        {QStringLiteral("seed"),
         QStringLiteral("Seed of the pile readings and of the random faults (default 1)."),
         QStringLiteral("N")},
        {QStringLiteral("mute"),
         QStringLiteral("Command letters that are ignored and never answered, e.g. S@4 (plant 4 answers "
                        "'B' but not 'S')."),
         QStringLiteral("LETTERS[@LIST]")},
        {QStringLiteral("stays-on"), QStringLiteral("Plants that stay switched on after 'A'."),
         QStringLiteral("LIST")},
        {QStringLiteral("stays-off"),
         QStringLiteral("Plants that stay switched off after 'F' (a pile start the controller refuses)."),
         QStringLiteral("LIST")},
        {QStringLiteral("count"),
         QStringLiteral("'r' reports N instead of the real number of stored records (e.g. 1001 or -1)."),
         QStringLiteral("N[@LIST]")},
        {QStringLiteral("o2"),
         QStringLiteral("The live reply 'c' reports this O2 in tenths of vol% instead of the pile's "
                        "(e.g. 30 for an anaerobic pile)."),
         QStringLiteral("TENTHS[@LIST]")},
        {QStringLiteral("core"),
         QStringLiteral("The live reply 'c' reports this core temperature (T100) in tenths of °C instead "
                        "of the pile's (e.g. 900 for an overheated pile)."),
         QStringLiteral("TENTHS[@LIST]")},
        {QStringLiteral("delay"), QStringLiteral("Delay before each reply in milliseconds."),
         QStringLiteral("MS[@LIST]")},
        {QStringLiteral("drop"), QStringLiteral("Share of replies that are not sent, 0..1 (e.g. 0.2)."),
         QStringLiteral("SHARE[@LIST]")},
        {QStringLiteral("split"),
         QStringLiteral("Plants whose replies are written in 2 to 5 random pieces a few milliseconds apart."),
         QStringLiteral("LIST")},
        {QStringLiteral("noise"),
         QStringLiteral("Up to N noise bytes (line ends, '?', '*', 0x00, 0xFF ...) before each reply."),
         QStringLiteral("N[@LIST]")},
        {QStringLiteral("bad-field"),
         QStringLiteral("Field K (from 1) of reply L is sent as TEXT instead of a number (default \"x\"), "
                        "e.g. c:3 makes the third temperature of the 'c' reply \"x\". With a number N after "
                        "the letter only the Nth such reply of each plant (G3:9:xx: the minute of the third "
                        "record). TEXT may hold \\r, \\n, \\0, \\\\ and \\xNN."),
         QStringLiteral("L[N]:K[:TEXT][@LIST]")},
        {QStringLiteral("babble"),
         QStringLiteral("A babbling line: N random bytes per second (any byte value) towards the PC, "
                        "between and inside the replies."),
         QStringLiteral("N")},
        {QStringLiteral("disconnect-after"),
         QStringLiteral(
             "Drop the TCP connection after N replies on it (every new connection counts afresh)."),
         QStringLiteral("N")},
        {QStringLiteral("outage"),
         QStringLiteral("An outage of the network adapter: AT seconds after the start the TCP connection "
                        "is dropped and new ones are refused for FOR seconds."),
         QStringLiteral("AT:FOR")},
        {QStringLiteral("verbose"), QStringLiteral("Print every frame, reply and fault on stderr.")},
    });
}

bool TSimOptionen::Lies(const QStringList &argumente, QString &fehler) {
    QCommandLineParser p;
    RichteEin(p);
    if (!p.parse(QStringList{QStringLiteral("kompost-sim")} + argumente)) {
        fehler = p.errorText();
        return false;
    }
    return Lies(p, fehler);
}

bool TSimOptionen::Lies(const QCommandLineParser &p, QString &fehler) {
    if (!p.positionalArguments().isEmpty()) {
        fehler = QStringLiteral("unexpected argument \"%1\"").arg(p.positionalArguments().first());
        return false;
    }

    if (p.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        Seed = p.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok) {
            fehler = QStringLiteral("bad value for --seed: \"%1\"").arg(p.value(QStringLiteral("seed")));
            return false;
        }
    }

    Pty = p.isSet(QStringLiteral("pty"));
    if (Pty) {
        PtyLink = p.value(QStringLiteral("pty"));
        if (PtyLink == QLatin1String("-"))
            PtyLink.clear();
    }
    Tcp = p.isSet(QStringLiteral("tcp")) || !Pty;
    if (p.isSet(QStringLiteral("tcp"))) {
        const QString text = p.value(QStringLiteral("tcp")).trimmed();
        const qsizetype doppelpunkt = text.lastIndexOf(QLatin1Char(':'));
        QString host = doppelpunkt < 0 ? QString() : text.left(doppelpunkt);
        const QString port = doppelpunkt < 0 ? text : text.mid(doppelpunkt + 1);
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        int portZahl = 0;
        if (!GanzeZahl(port, portZahl, 0, 65535)) {
            fehler = QStringLiteral("bad port in --tcp \"%1\"").arg(text);
            return false;
        }
        TcpPort = static_cast<quint16>(portZahl);
        if (host.isEmpty() || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
            TcpAdresse = QHostAddress(QHostAddress::LocalHost);
        } else if (host == QLatin1String("*")) {
            TcpAdresse = QHostAddress(QHostAddress::Any);
        } else if (!TcpAdresse.setAddress(host)) {
            fehler = QStringLiteral("bad address in --tcp \"%1\" (use an IP address)").arg(text);
            return false;
        }
    }
    Ausfuehrlich = p.isSet(QStringLiteral("verbose"));

    if (!LiesListe(p, QStringLiteral("plants"), Anlagen, fehler) ||
        !LiesListe(p, QStringLiteral("off"), Ausgeschaltet, fehler) ||
        !LiesListe(p, QStringLiteral("silent"), Stumm, fehler) ||
        !LiesListe(p, QStringLiteral("stays-on"), BleibtEingeschaltet, fehler) ||
        !LiesListe(p, QStringLiteral("stays-off"), BleibtAusgeschaltet, fehler) ||
        !LiesListe(p, QStringLiteral("split"), Zerteilen, fehler))
        return false;

    auto ganz = [](int min, int max) {
        return [min, max](const QString &t, int &w) { return GanzeZahl(t, w, min, max); };
    };
    if (!LiesFuerAnlagen<int>(p, QStringLiteral("records"), Datensaetze, fehler, ganz(0, 100000)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("mode"), Betriebsart, fehler, ganz(0, 3)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("interval"), Speicherintervall, fehler, ganz(0, 9999)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("delay"), Verzoegerung, fehler, ganz(0, 600000)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("noise"), Rauschen, fehler, ganz(0, 1000)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("o2"), O2Erzwungen, fehler, ganz(0, 1000)) ||
        !LiesFuerAnlagen<int>(p, QStringLiteral("core"), KernErzwungen, fehler, ganz(-999, 9999)))
        return false;
    if (!LiesFuerAnlagen<qint64>(p, QStringLiteral("count"), AnzahlErzwungen, fehler,
                                 [](const QString &t, qint64 &w) {
                                     bool ok = false;
                                     w = t.toLongLong(&ok);
                                     return ok;
                                 }))
        return false;
    if (!LiesFuerAnlagen<double>(p, QStringLiteral("age"), Alter, fehler, [](const QString &t, double &w) {
            bool ok = false;
            w = t.toDouble(&ok);
            return ok && w >= 0.0 && w <= 3650.0;
        }))
        return false;
    if (!LiesFuerAnlagen<double>(p, QStringLiteral("drop"), Verlust, fehler, [](const QString &t, double &w) {
            bool ok = false;
            w = t.toDouble(&ok);
            return ok && w >= 0.0 && w <= 1.0;
        }))
        return false;
    if (!LiesFuerAnlagen<QByteArray>(p, QStringLiteral("mute"), Ignoriert, fehler,
                                     [](const QString &t, QByteArray &w) {
                                         w = t.toLatin1();
                                         for (const char c : w) {
                                             if (TSimRahmenLeser::ArgumentLaenge(c) < 0)
                                                 return false;
                                         }
                                         return !w.isEmpty();
                                     }))
        return false;
    if (!LiesFuerAnlagen<TSimFeldFehler>(
            p, QStringLiteral("bad-field"), FeldFehler, fehler, [](const QString &t, TSimFeldFehler &w) {
                const QStringList teile = t.split(QLatin1Char(':'));
                if (teile.size() < 2 || teile[0].isEmpty() ||
                    !QByteArrayLiteral("BRrScG").contains(teile[0].at(0).toLatin1()))
                    return false;
                w.Buchstabe = teile[0].at(0).toLatin1();
                if (teile[0].size() > 1 && !GanzeZahl(teile[0].mid(1), w.Nur, 1, 1000000))
                    return false;
                if (!GanzeZahl(teile[1], w.Feld, 1, 15))
                    return false;
                if (teile.size() <= 2) {
                    w.Text = QByteArray("x");
                    return true;
                }
                return TextMitZeichen(teile.mid(2).join(QLatin1Char(':')), w.Text);
            }))
        return false;

    if (p.isSet(QStringLiteral("babble")) &&
        !GanzeZahl(p.value(QStringLiteral("babble")), Geplapper, 0, 10000000)) {
        fehler = QStringLiteral("bad value for --babble: \"%1\"").arg(p.value(QStringLiteral("babble")));
        return false;
    }
    if (p.isSet(QStringLiteral("memory")) &&
        !GanzeZahl(p.value(QStringLiteral("memory")), SpeicherGroesse, 0, 1000000)) {
        fehler = QStringLiteral("bad value for --memory: \"%1\"").arg(p.value(QStringLiteral("memory")));
        return false;
    }
    if (p.isSet(QStringLiteral("disconnect-after")) &&
        !GanzeZahl(p.value(QStringLiteral("disconnect-after")), TrennenNach, 0, 1000000000)) {
        fehler = QStringLiteral("bad value for --disconnect-after: \"%1\"")
                     .arg(p.value(QStringLiteral("disconnect-after")));
        return false;
    }
    if (p.isSet(QStringLiteral("outage"))) {
        const QStringList teile = p.value(QStringLiteral("outage")).split(QLatin1Char(':'));
        if (teile.size() != 2 || !GanzeZahl(teile[0], AusfallNach, 0, 1000000) ||
            !GanzeZahl(teile[1], AusfallDauer, 0, 1000000)) {
            fehler = QStringLiteral("bad value for --outage: \"%1\" (use AT:FOR in seconds, e.g. 10:30)")
                         .arg(p.value(QStringLiteral("outage")));
            AusfallNach = -1;
            return false;
        }
    }
    if (p.isSet(QStringLiteral("time-factor"))) {
        bool ok = false;
        Zeitfaktor = p.value(QStringLiteral("time-factor")).toDouble(&ok);
        if (!ok || Zeitfaktor < 0 || Zeitfaktor > TSimulator::MaxZeitfaktor) {
            fehler = QStringLiteral("bad value for --time-factor: \"%1\" (0..100000)")
                         .arg(p.value(QStringLiteral("time-factor")));
            return false;
        }
    }
    if (p.isSet(QStringLiteral("clock"))) {
        QString text = p.value(QStringLiteral("clock")).trimmed();
        text.replace(QLatin1Char(' '), QLatin1Char('T'));
        Uhr = QDateTime::fromString(text, Qt::ISODate);
        if (!Uhr.isValid()) {
            fehler = QStringLiteral("bad value for --clock: \"%1\" (use e.g. 2024-12-09T14:30:00)")
                         .arg(p.value(QStringLiteral("clock")));
            return false;
        }
    }
    return true;
}

QList<int> TSimOptionen::Vorhanden() const {
    QList<int> liste = Anlagen;
    for (const QList<int> *weitere : {&Ausgeschaltet, &Stumm}) {
        for (int n : *weitere) {
            if (!liste.contains(n))
                liste.append(n);
        }
    }
    std::sort(liste.begin(), liste.end());
    return liste;
}

void TSimOptionen::Anwenden(TSimulator &sim) const {
    sim.SetZeitfaktor(Zeitfaktor);
    if (Uhr.isValid())
        sim.SetUhr(Uhr);
    sim.SetTrennenNach(TrennenNach);
    if (AusfallNach >= 0) {
        const int dauer = AusfallDauer * 1000;
        QTimer::singleShot(AusfallNach * 1000, &sim, [&sim, dauer] { sim.TcpAusfall(dauer); });
    }

    const QList<int> vorhanden = Vorhanden();
    sim.SetAnlagen(vorhanden);
    for (int n = 1; n <= TSimulator::MaxAnlagen; ++n) {
        TSimAnlage &a = sim.Anlage(n);
        a.SetSpeicherGroesse(SpeicherGroesse);
        a.SetEingeschaltet(vorhanden.contains(n) && !Ausgeschaltet.contains(n));
    }

    auto fuer = [](const QList<int> &anlagen, const QList<int> &standard) {
        return anlagen.isEmpty() ? standard : anlagen;
    };
    for (const auto &f : Speicherintervall) {
        for (int n : fuer(f.Anlagen, Alle())) {
            TSimSollwerte s = sim.Anlage(n).Sollwerte();
            s.Speicherintervall = f.Wert;
            sim.Anlage(n).SetSollwerte(s);
        }
    }
    // The mode is taken while the plant is switched on, as the command would.
    for (const auto &f : Betriebsart) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Anlage(n).SetBetriebsart(f.Wert);
    }

    // The pile's age, before its stored records are made.
    for (const auto &f : Alter) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Anlage(n).SetAlter(f.Wert);
    }

    // Stored records: by default every running plant holds some.
    std::array<int, TSimulator::MaxAnlagen + 1> datensaetze{};
    QList<int> laufende;
    for (int n : vorhanden) {
        if (!Ausgeschaltet.contains(n)) {
            laufende.append(n);
            datensaetze[n] = StandardDatensaetze;
        }
    }
    for (const auto &f : Datensaetze) {
        for (int n : fuer(f.Anlagen, laufende))
            datensaetze[n] = f.Wert;
    }
    for (int n = 1; n <= TSimulator::MaxAnlagen; ++n) {
        if (datensaetze[n] > 0)
            sim.Anlage(n).FuelleSpeicher(datensaetze[n]);
    }

    for (int n = 1; n <= TSimulator::MaxAnlagen; ++n)
        sim.Stoerung(n) = TSimStoerung();
    for (int n : Stumm)
        sim.Stoerung(n).Stumm = true;
    for (int n : BleibtEingeschaltet)
        sim.Stoerung(n).BleibtEingeschaltet = true;
    for (int n : BleibtAusgeschaltet)
        sim.Stoerung(n).BleibtAusgeschaltet = true;
    for (int n : Zerteilen)
        sim.Stoerung(n).Zerteilen = true;
    for (const auto &f : Ignoriert) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).Ignoriert = f.Wert;
    }
    for (const auto &f : AnzahlErzwungen) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).AnzahlErzwungen = f.Wert;
    }
    for (const auto &f : O2Erzwungen) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).O2Erzwungen = f.Wert;
    }
    for (const auto &f : KernErzwungen) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).KernErzwungen = f.Wert;
    }
    for (const auto &f : Verzoegerung) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).VerzoegerungMs = f.Wert;
    }
    for (const auto &f : Verlust) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).Verlustanteil = f.Wert;
    }
    for (const auto &f : Rauschen) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).Rauschen = f.Wert;
    }
    for (const auto &f : FeldFehler) {
        for (int n : fuer(f.Anlagen, Alle()))
            sim.Stoerung(n).FeldFehler.append(f.Wert);
    }
    sim.SetGeplapper(Geplapper);
}

} // namespace KompostSim
