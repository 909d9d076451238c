// The localisation: every window switches its texts at run time between
// German, English and French and back; a message box shown after the switch is
// in the new language; the choice is kept under the language key and comes back
// at the next start, while a language for one run (--language) is not kept;
// and what is data (data file, configuration file, event log) never follows
// the language.
#include "ShellUmgebung.h"
#include "display/UAnlDatumSet.h"
#include "display/UAnlageDaten.h"
#include "display/UAnzeige.h"
#include "display/UDatenLesen1.h"
#include "display/UO2MessSetup.h"
#include "display/UPfadsetzen.h"
#include "reports/UCSV_Lesen.h"
#include "reports/UGraphik.h"
#include "reports/UProtokollKopf.h"
#include "shell/UAbout.h"
#include "shell/UAktiv.h"
#include "shell/UPC_Setup.h"
#include "shell/USprache.h"
#include "shell/UZeitSelect.h"
#include "toolkit/UAnzeigeElemente.h"
#include "toolkit/UStringGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>
#include <map>

namespace {

// Every text a window shows: title, menus, labels, buttons, group boxes,
// tabs, grid cells and table headers, instrument captions, hints; the
// accelerator marks taken out.
QStringList Texte(QWidget *w) {
    QStringList t{w->windowTitle()};
    for (QAction *a : w->findChildren<QAction *>())
        t << a->text() << a->toolTip();
    for (QMenu *m : w->findChildren<QMenu *>())
        t << m->title();
    for (QLabel *l : w->findChildren<QLabel *>())
        t << l->text();
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        t << b->text();
    for (QGroupBox *g : w->findChildren<QGroupBox *>())
        t << g->title();
    for (QTabBar *b : w->findChildren<QTabBar *>())
        for (int i = 0; i < b->count(); ++i)
            t << b->tabText(i);
    for (TStringGrid *g : w->findChildren<TStringGrid *>())
        for (int r = 0; r < g->zeilenAnzahl(); ++r)
            for (int c = 0; c < g->spaltenAnzahl(); ++c)
                t << g->Cells(c, r);
    for (QTableWidget *tab : w->findChildren<QTableWidget *>())
        for (int c = 0; c < tab->columnCount(); ++c)
            if (QTableWidgetItem *k = tab->horizontalHeaderItem(c))
                t << k->text();
    for (TLedInstrument *i : w->findChildren<TLedInstrument *>())
        t << i->beschriftung();
    for (TLampe *l : w->findChildren<TLampe *>())
        t << l->beschriftung();
    for (QWidget *k : w->findChildren<QWidget *>())
        t << k->toolTip();
    for (QString &s : t)
        s.remove(QLatin1Char('&'));
    t.removeAll(QString());
    return t;
}

// The posted language-change events reach every window.
void Zustellen() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A run on the simulator (two plants answering), learned, with a main window.
struct TUmgebung : TShellUmgebung {
    std::vector<std::unique_ptr<QWidget>> fenster;

    ~TUmgebung() {
        // The windows go before the main window they may belong to.
        while (!fenster.empty())
            fenster.pop_back();
    }

    bool lerne() {
        sim.SetAnlagen({1, 2});
        if (!netz(2, "[1]\nName=Miete Nord\n"))
            return false;
        return starte();
    }
    template <typename T> T &behalte(T *w) {
        fenster.emplace_back(w);
        return *w;
    }
};

// The windows of the table, each built on a learned run.
using TBauer = std::function<QWidget *(TUmgebung &)>;
const std::map<QString, TBauer> &Fenster() {
    static const std::map<QString, TBauer> fenster{
        {QStringLiteral("FMain"), [](TUmgebung &u) -> QWidget * { return u.fMain.get(); }},
        {QStringLiteral("FAbout"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFAbout(*u.fMain)); }},
        {QStringLiteral("FAktiv"), [](TUmgebung &u) -> QWidget * { return &u.fMain->Aktiv(); }},
        {QStringLiteral("FPC_Setup"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFPC_Setup(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FZeitSelect"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFZeitSelect(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FAnzeige"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFAnzeige(*u.fMain)); }},
        {QStringLiteral("FO2MessSetup"),
         [](TUmgebung &u) -> QWidget * {
             auto &anzeige = u.behalte(new TFAnzeige(*u.fMain));
             return &u.behalte(new TFO2MessSetup(*u.lauf, anzeige, &anzeige));
         }},
        {QStringLiteral("FAnlDatumSetup"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFAnlDatumSetup(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FAnlageDaten"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFAnlageDaten(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FPfadsetzen"),
         [](TUmgebung &u) -> QWidget * {
             return &u.behalte(new TFPfadsetzen(u.heim.path(), u.fMain.get()));
         }},
        {QStringLiteral("FDatenLesen1"),
         [](TUmgebung &u) -> QWidget * {
             return &u.behalte(new TFDatenLesen1(*u.lauf, u.fMain->Aktiv(), u.fMain.get()));
         }},
        {QStringLiteral("FCSV_Lesen"),
         [](TUmgebung &u) -> QWidget * {
             auto *f = new TFCSV_Lesen(*u.lauf, u.fMain.get());
             f->FormActivate(); // its texts are complete from the first activation on
             return &u.behalte(f);
         }},
        {QStringLiteral("FGraphForm"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFGraphForm(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FProtokKopf"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFProtokKopf(*u.lauf, u.fMain.get())); }},
    };
    return fenster;
}

const QString Schluessel = QString::fromLatin1(TSprache::Schluessel);

QString Gespeichert() {
    const QSettings s(QStringLiteral("O2-Humaro"), QStringLiteral("Locales"));
    return s.value(QLatin1String(TSprache::Wert)).toString();
}

// Marks every text that goes through the translation, for as long as it lives.
class TMarkierer : public QTranslator {
public:
    TMarkierer() { QCoreApplication::installTranslator(this); }
    ~TMarkierer() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *quelle, const char *, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(quelle) + QLatin1Char(']');
    }
};

QByteArray Lies(const QString &pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nicht lesbar>");
}

} // namespace

class TestSprache : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The choice goes to a settings file of the test mode, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QFile::exists(QStringLiteral(":/i18n/kompost_en.qm")));
        QVERIFY(QFile::exists(QStringLiteral(":/i18n/kompost_fr.qm")));
    }
    void init() { QSettings(QStringLiteral("O2-Humaro"), QStringLiteral("Locales")).clear(); }

    void sprachListe() {
        QStringList ist;
        for (const TSprache::Eintrag &e : TSprache::Sprachen())
            ist << e.Kuerzel + QLatin1Char('=') + e.Name;
        QCOMPARE(ist, (QStringList{"de=Deutsch", "en=English", "fr=Français"}));
        QVERIFY(TSprache::Bekannt(QStringLiteral("fr")));
        QVERIFY(!TSprache::Bekannt(QStringLiteral("FR")));
        QVERIFY(!TSprache::Bekannt(QString()));
    }

    // Each window, switched while it is open: a few characteristic texts in
    // the new language, none of their German sources left, and German again
    // after switching back.
    void fensterWechseln_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("soll");    // shown after the switch
        QTest::addColumn<QStringList>("deutsch"); // shown before, gone after it
        const auto zeile = [](const char *f, const char *s, QStringList soll, QStringList deutsch) {
            QTest::addRow("%s %s", f, s)
                << QString::fromLatin1(f) << QString::fromLatin1(s) << soll << deutsch;
        };
        const QStringList main{"Sprache", "Messung", "Netzwerkverbindung zu :127.0.0.1"};
        zeile("FMain", "en", {"Language", "Measurement", "Network connection to: 127.0.0.1"}, main);
        zeile("FMain", "fr", {"Langue", "Mesure", "Connexion réseau vers : 127.0.0.1"}, main);
        zeile("FAbout", "en", {"About"}, {"Info"});
        zeile("FAbout", "fr", {"À propos"}, {"Info"});
        zeile("FAktiv", "en", {"Humaro busy!"}, {"Humaro Aktiv !"});
        zeile("FAktiv", "fr", {"Humaro occupé !"}, {"Humaro Aktiv !"});
        const QStringList pc{"PC- Setup", "Seriell", "Abbrechen", "IP- Adresse oder Netzwerkname"};
        zeile("FPC_Setup", "en", {"PC setup", "Serial", "Cancel", "IP address or network name"}, pc);
        zeile("FPC_Setup", "fr", {"Configuration du PC", "Série", "Annuler", "Adresse IP ou nom réseau"}, pc);
        const QStringList zeit{"Speicherzeit auswählen", "Abbruch"};
        zeile("FZeitSelect", "en", {"Choose the storage time", "Cancel"}, zeit);
        zeile("FZeitSelect", "fr", {"Choisir l'heure de sauvegarde", "Annuler"}, zeit);
        // title, a menu, a label, a grid title, a row title, an instrument
        const QStringList anzeige{
            "Kompost- Messwerterfassung", "Optionen", "Aktiv:", "Betriebsart", "Anl 1", "Lüfter"};
        zeile("FAnzeige", "en", {"Compost data logging", "Options", "Active:", "Mode", "Plant 1", "Fan"},
              anzeige);
        zeile("FAnzeige", "fr",
              {"Acquisition des mesures de compostage", "Options", "Actif :", "Mode", "Inst. 1", "Ventil."},
              anzeige);
        const QStringList setup{"Mess- Steuerung Setup", "Abbrechen"};
        zeile("FO2MessSetup", "en", {"Controller setup", "Cancel"}, setup);
        zeile("FO2MessSetup", "fr", {"Configuration du régulateur", "Annuler"}, setup);
        const QStringList datum{"Mess- Steuerung Setup", "Datum/ Zeit neu Setzen"};
        zeile("FAnlDatumSetup", "en", {"Controller setup", "Set date/time"}, datum);
        zeile("FAnlDatumSetup", "fr", {"Configuration du régulateur", "Régler la date/l'heure"}, datum);
        zeile("FAnlageDaten", "en", {"Name the plant"}, {"Anlage benennen"});
        zeile("FAnlageDaten", "fr", {"Nommer l'installation"}, {"Anlage benennen"});
        const QStringList pfad{"Kompost Steuerung Kontroll- Center", "Abbruch"};
        zeile("FPfadsetzen", "en", {"Compost control centre", "Cancel"}, pfad);
        zeile("FPfadsetzen", "fr", {"Centre de contrôle du compostage", "Annuler"}, pfad);
        const QStringList lesen{"Daten Offline lesen", "Anzahl Datensätze:", "Betriebsart"};
        zeile("FDatenLesen1", "en", {"Read data offline", "Number of records:", "Mode"}, lesen);
        zeile("FDatenLesen1", "fr", {"Lire les données hors ligne", "Nombre d'enregistrements :", "Mode"},
              lesen);
        const QStringList csv{"Humaro Protokoll", "Hygienisierung", "Kriterium"};
        zeile("FCSV_Lesen", "en", {"Humaro report", "Hygienisation", "Criterion"}, csv);
        zeile("FCSV_Lesen", "fr", {"Rapport Humaro", "Hygiénisation", "Critère"}, csv);
        const QStringList grafik{"Humaro Graphik", "Umweltdaten"};
        zeile("FGraphForm", "en", {"Humaro graph", "Environmental data"}, grafik);
        zeile("FGraphForm", "fr", {"Graphique Humaro", "Données d'environnement"}, grafik);
        const QStringList kopf{"Kompost Steuerung Kontroll- Center", "Protokollkopf"};
        zeile("FProtokKopf", "en", {"Compost control centre", "Report header"}, kopf);
        zeile("FProtokKopf", "fr", {"Centre de contrôle du compostage", "En-tête des rapports"}, kopf);
    }
    void fensterWechseln() {
        QFETCH(QString, fenster);
        QFETCH(QString, sprache);
        QFETCH(QStringList, soll);
        QFETCH(QStringList, deutsch);
        TUmgebung u;
        QVERIFY(u.lerne());
        QWidget *w = Fenster().at(fenster)(u);
        Zustellen();
        for (const QString &text : deutsch)
            QVERIFY2(Texte(w).contains(text), qPrintable(text + " / " + Texte(w).join(" | ")));

        QVERIFY(u.lauf->Sprache.Setze(sprache, false));
        Zustellen();
        const QStringList neu = Texte(w);
        for (const QString &text : soll)
            QVERIFY2(neu.contains(text), qPrintable(text + " / " + neu.join(" | ")));
        for (const QString &text : deutsch)
            QVERIFY2(!neu.contains(text), qPrintable(text));

        QVERIFY(u.lauf->Sprache.Setze(QStringLiteral("de"), false));
        Zustellen();
        for (const QString &text : deutsch)
            QVERIFY2(Texte(w).contains(text), qPrintable(text));
    }

    // With KOMPOST_BILDER=<folder> set: a picture of every window after it was
    // switched to English and to French while open, for a look at cut texts.
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        for (const QString &sprache : {QStringLiteral("en"), QStringLiteral("fr")}) {
            for (const auto &[name, bauen] : Fenster()) {
                TUmgebung u;
                QVERIFY(u.lerne());
                QWidget *w = bauen(u);
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                QVERIFY(u.lauf->Sprache.Setze(sprache, false));
                Zustellen();
                QVERIFY(w->grab().save(ordner + QLatin1Char('/') + name + QLatin1Char('_') + sprache +
                                       QStringLiteral(".png")));
                w->hide();
            }
        }
    }

    // The "Sprache" menu: the three languages under their own names, the
    // current one checked; choosing one switches at once and keeps it.
    void menue() {
        TUmgebung u;
        u.baue();
        QStringList namen;
        QAction *franzoesisch = nullptr;
        for (QAction *a : u.fMain->SpracheMenu->actions()) {
            namen << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
            if (a->data().toString() == QLatin1String("fr"))
                franzoesisch = a;
        }
        QCOMPARE(namen, (QStringList{"Deutsch *", "English", "Français"}));
        QVERIFY(franzoesisch);
        franzoesisch->trigger();
        Zustellen();
        QCOMPARE(u.lauf->Sprache.Aktuell(), QStringLiteral("fr"));
        QCOMPARE(Gespeichert(), QStringLiteral("fr"));
        QVERIFY(franzoesisch->isChecked());
        QCOMPARE(u.fMain->SpracheMenu->title(), QStringLiteral("Langue"));
        // The names stay each language's own.
        QCOMPARE(u.fMain->SpracheMenu->actions().at(0)->text(), QStringLiteral("Deutsch"));
        QCOMPARE(u.fMain->SpracheMenu->actions().at(0)->isChecked(), false);
    }

    // A message box shown after the switch, through the dialog adapter.
    void meldungFranzoesisch() {
        TUmgebung u;
        u.baue();
        u.lauf->Zustand.Anlagen[1].Pfad = u.pfad(QStringLiteral("gibt-es-nicht/"));
        u.lauf->Sprache.Setze(QStringLiteral("fr"), false);
        Zustellen();
        TFAnlageDaten &f = u.behalte(new TFAnlageDaten(*u.lauf, u.fMain.get()));
        f.FormActivate();
        QCOMPARE(u.dialoge.Meldungen(),
                 QStringList{"Le dossier par défaut du fichier de données n'existe pas, choisissez-en un "
                             "nouveau.."});
        // The boxes' caption is the main window's title in the new language.
        QCOMPARE(u.dialoge.Titel(), u.fMain->windowTitle());
    }

    // The choice is kept under the key and comes back at the next start;
    // a language for one run is used but not kept; an unknown one is refused.
    void merkenUndWiederherstellen() {
        {
            TSprache s(Schluessel);
            QVERIFY(s.Starte());
            QCOMPARE(s.Aktuell(), QStringLiteral("de"));
            QVERIFY(s.Setze(QStringLiteral("en")));
            QCOMPARE(QCoreApplication::translate("TFMain", "Sprache"), QStringLiteral("Language"));
        }
        // The translators left with the object.
        QCOMPARE(QCoreApplication::translate("TFMain", "Sprache"), QStringLiteral("Sprache"));
        QCOMPARE(Gespeichert(), QStringLiteral("en"));
        {
            TSprache s(Schluessel);
            QVERIFY(s.Starte());
            QCOMPARE(s.Aktuell(), QStringLiteral("en"));
            QCOMPARE(QCoreApplication::translate("TFMain", "Sprache"), QStringLiteral("Language"));
        }
        {
            // --language fr: this run only.
            TSprache s(Schluessel);
            QVERIFY(s.Starte(QStringLiteral("fr")));
            QCOMPARE(s.Aktuell(), QStringLiteral("fr"));
            QCOMPARE(QCoreApplication::translate("TFMain", "Sprache"), QStringLiteral("Langue"));
        }
        QCOMPARE(Gespeichert(), QStringLiteral("en"));
        {
            TSprache s(Schluessel);
            QVERIFY(!s.Starte(QStringLiteral("xx")));
            QCOMPARE(s.Aktuell(), QStringLiteral("en"));
            QVERIFY(!s.Setze(QStringLiteral("xx")));
            QCOMPARE(s.Aktuell(), QStringLiteral("en"));
        }
        // Something unknown stored by hand: German.
        QSettings(QStringLiteral("O2-Humaro"), QStringLiteral("Locales"))
            .setValue(QLatin1String(TSprache::Wert), QStringLiteral("tlh"));
        TSprache s(Schluessel);
        QVERIFY(s.Starte());
        QCOMPARE(s.Aktuell(), QStringLiteral("de"));
    }

    // Numbers and dates keep following the system's locale.
    void gebietsschemaBleibt() {
        const QLocale vorher;
        TSprache s(Schluessel);
        QVERIFY(s.Setze(QStringLiteral("fr"), false));
        QCOMPARE(QLocale(), vorher);
    }

    // Data never follows the language: the data file, the configuration file
    // and the event log are the same byte for byte in German, in English and
    // with every translated text marked.
    void datenOhneSprache() {
        const auto schreibe = [](const QString &sprache, bool markieren) {
            QTemporaryDir heim;
            TSkriptDialoge dialoge;
            TLauf lauf(heim.path(), dialoge);
            lauf.Sprache.Setze(sprache, false);
            std::unique_ptr<TMarkierer> markierer;
            if (markieren)
                markierer = std::make_unique<TMarkierer>();
            TZustand &z = lauf.Zustand;
            z.Jetzt = [] { return QDateTime(QDate(2024, 12, 9), QTime(14, 35)); };
            z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
            tAnlageParameter &a = z.Anlagen[1];
            a.Name = QStringLiteral("Miete Süd");
            a.Komm = QStringLiteral("Grünschnitt");
            a.Pfad = heim.path() + QLatin1Char('/');
            lauf.Log.LogOeffnen();
            tAnlageMesswerte w;
            w.T = {0, 62, 65, 58, 45, 30};
            w.RefMarke = 44;
            w.O2 = 152;
            w.Betriebsart = 3;
            QByteArray alles;
            if (!lauf.Daten.NewDataFileName(1) || !lauf.Daten.OpenDataFile(1) ||
                !lauf.Daten.WriteDataRecord(1, QStringLiteral("09.12.2024  14:30"), w) ||
                !lauf.Daten.CloseDataFile(1))
                return QByteArray("<nicht geschrieben> ") + lauf.Daten.LastError().toUtf8();
            lauf.Log.LogSchliessen();
            QDirIterator it(heim.path(), QDir::Files, QDirIterator::Subdirectories);
            QStringList dateien;
            while (it.hasNext())
                dateien << it.next();
            dateien.sort();
            for (const QString &d : dateien)
                alles += QDir(heim.path()).relativeFilePath(d).toUtf8() + "\n" + Lies(d) + "\n";
            // The folder's own name differs from run to run.
            return alles.replace(QDir::toNativeSeparators(heim.path()).toLatin1(), "HEIM");
        };
        const QByteArray deutsch = schreibe(QStringLiteral("de"), false);
        QVERIFY(deutsch.contains("Anlagen- Name: Miete S\xFC"
                                 "d"));
        QCOMPARE(schreibe(QStringLiteral("en"), false), deutsch);
        QCOMPARE(schreibe(QStringLiteral("fr"), true), deutsch);
    }
};

QTEST_MAIN(TestSprache)
#include "tst_sprache.moc"
