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
#include "shell/UErsteinrichtung.h"
#include "shell/UPC_Setup.h"
#include "shell/USprache.h"
#include "shell/UZeitSelect.h"
#include "toolkit/UAnzeigeElemente.h"
#include "toolkit/UStringGrid.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
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

// A widget that the operator sees: shown in the window and not the inside
// of a scrolled area (table cells, rows of a list), whose place is scrolled.
bool Pruefbar(const QWidget *w, const QWidget *fenster) {
    if (!w->isVisibleTo(fenster) || w->width() <= 0 || w->height() <= 0)
        return false;
    for (const QWidget *e = w->parentWidget(); e && e != fenster; e = e->parentWidget())
        if (const auto *s = qobject_cast<const QAbstractScrollArea *>(e->parentWidget());
            s && s->viewport() == e)
            return false;
    return true;
}

QString Name(const QWidget *w) {
    QString text;
    if (const auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text.left(40));
}

// What is cut at the window's present size: a caption (label, check box,
// radio button, push button, group box, tab, column title, menu bar)
// narrower or lower than its text needs, and a widget reaching past its
// parent or the window.
QStringList Abgeschnitten(QWidget *fenster) {
    QStringList fehler;
    const auto melde = [&](const QWidget *w, const QString &was) {
        fehler << Name(w) + QStringLiteral(": ") + was;
    };
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!Pruefbar(w, fenster))
            continue;
        const QSize ist = w->size();
        // inside its parent and inside the window
        if (QWidget *eltern = w->parentWidget(); eltern && !w->isWindow()) {
            if (!eltern->rect().contains(w->geometry()))
                melde(w, QStringLiteral("reaches past its parent (%1 in %2x%3)")
                             .arg(QStringLiteral("%1,%2 %3x%4")
                                      .arg(w->x())
                                      .arg(w->y())
                                      .arg(w->width())
                                      .arg(w->height()))
                             .arg(eltern->width())
                             .arg(eltern->height()));
            const QRect imFenster(w->mapTo(fenster, QPoint(0, 0)), ist);
            if (!fenster->rect().contains(imFenster))
                melde(w, QStringLiteral("reaches past the window"));
        }
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->text().isEmpty() || !l->pixmap().isNull())
                continue;
            if (l->wordWrap()) {
                if (ist.height() < l->heightForWidth(ist.width()))
                    melde(w, QStringLiteral("%1 high, needs %2")
                                 .arg(ist.height())
                                 .arg(l->heightForWidth(ist.width())));
            } else {
                const QSize noetig = l->sizeHint();
                if (ist.width() < noetig.width() || ist.height() < noetig.height())
                    melde(w, QStringLiteral("%1x%2, needs %3x%4")
                                 .arg(ist.width())
                                 .arg(ist.height())
                                 .arg(noetig.width())
                                 .arg(noetig.height()));
            }
        } else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            const auto *b = static_cast<QAbstractButton *>(w);
            if (!b->text().isEmpty() && ist.width() < b->sizeHint().width())
                melde(w, QStringLiteral("%1 wide, needs %2").arg(ist.width()).arg(b->sizeHint().width()));
        } else if (auto *b = qobject_cast<QPushButton *>(w)) {
            if (b->text().isEmpty())
                continue;
            // the text and the margins, as the style sizes a button; its least
            // button width does not count
            const QStyle *st = b->style();
            const int noetig =
                b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) +
                st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            if (ist.width() < noetig)
                melde(w, QStringLiteral("%1 wide, needs %2").arg(ist.width()).arg(noetig));
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            const int noetig = g->fontMetrics().horizontalAdvance(g->title()) + 16;
            if (!g->title().isEmpty() && ist.width() < noetig)
                melde(w, QStringLiteral("title: %1 wide, needs %2").arg(ist.width()).arg(noetig));
        } else if (auto *t = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i) &&
                    t->tabRect(i).width() < t->fontMetrics().horizontalAdvance(t->tabText(i)))
                    melde(w, QStringLiteral("tab \"%1\" cut").arg(t->tabText(i)));
        } else if (auto *h = qobject_cast<QHeaderView *>(w)) {
            if (h->orientation() != Qt::Horizontal || !h->model())
                continue;
            // a column past the right edge is cut unless the table scrolls to it
            const auto *tabelle = qobject_cast<const QAbstractScrollArea *>(h->parentWidget());
            const bool rollt = tabelle && tabelle->horizontalScrollBar()->isVisible();
            for (int c = 0; c < h->count(); ++c) {
                if (h->isSectionHidden(c))
                    continue;
                const QString titel = h->model()->headerData(c, Qt::Horizontal).toString();
                if (!titel.isEmpty() && h->sectionSize(c) < h->fontMetrics().horizontalAdvance(titel) + 4)
                    melde(w, QStringLiteral("column \"%1\" %2 wide").arg(titel).arg(h->sectionSize(c)));
                if (!titel.isEmpty() && !rollt &&
                    h->sectionViewportPosition(c) + h->sectionSize(c) > h->viewport()->width())
                    melde(w, QStringLiteral("column \"%1\" past the edge (%2 + %3 > %4)")
                                 .arg(titel)
                                 .arg(h->sectionViewportPosition(c))
                                 .arg(h->sectionSize(c))
                                 .arg(h->viewport()->width()));
            }
        } else if (auto *tab = qobject_cast<QTableWidget *>(w)) {
            // a cell narrower than its text, or past the visible area: to the
            // right whether or not the table scrolls, below only where it cannot
            const QFontMetrics schrift(tab->font());
            const int rand = 2 * (tab->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tab) + 1);
            const QSize sicht = tab->viewport()->size();
            for (int r = 0; r < tab->rowCount(); ++r)
                for (int c = 0; c < tab->columnCount(); ++c) {
                    const QTableWidgetItem *zelle = tab->item(r, c);
                    if (!zelle || zelle->text().isEmpty() || tab->isRowHidden(r) || tab->isColumnHidden(c))
                        continue;
                    const QRect feld = tab->visualItemRect(zelle);
                    const int noetig = schrift.horizontalAdvance(zelle->text()) + rand;
                    if (feld.width() < noetig)
                        melde(w, QStringLiteral("cell \"%1\" %2 wide, needs %3")
                                     .arg(zelle->text())
                                     .arg(feld.width())
                                     .arg(noetig));
                    else if (feld.right() >= sicht.width())
                        melde(w, QStringLiteral("cell \"%1\" past the edge (%2 > %3)")
                                     .arg(zelle->text())
                                     .arg(feld.right())
                                     .arg(sicht.width()));
                    else if (!tab->verticalScrollBar()->isVisible() && feld.bottom() >= sicht.height())
                        melde(w, QStringLiteral("cell \"%1\" below the edge").arg(zelle->text()));
                }
        } else if (auto *m = qobject_cast<QMenuBar *>(w)) {
            // a menu bar too narrow for its menus shows its extension button
            for (QWidget *k : m->findChildren<QWidget *>(QStringLiteral("qt_menubar_ext_button")))
                if (k->isVisible())
                    melde(w, QStringLiteral("menus cut"));
        }
    }
    return fehler;
}

// The same on every page of the window's tab widgets (each shown in turn).
QStringList AufAllenSeitenAbgeschnitten(QWidget *fenster) {
    QStringList fehler = Abgeschnitten(fenster);
    for (QTabWidget *t : fenster->findChildren<QTabWidget *>()) {
        if (!Pruefbar(t, fenster))
            continue;
        const int vorher = t->currentIndex();
        for (int i = 0; i < t->count(); ++i) {
            if (i == vorher || !t->isTabVisible(i))
                continue;
            {
                const QSignalBlocker still(t);
                t->setCurrentIndex(i);
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (const QString &f : Abgeschnitten(fenster))
                fehler << t->tabText(i) + QStringLiteral(": ") + f;
        }
        const QSignalBlocker still(t);
        t->setCurrentIndex(vorher);
    }
    fehler.removeDuplicates();
    return fehler;
}

// The smallest size the window can be given.
void Kleinstmoeglich(QWidget *w) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    w->setWindowState(Qt::WindowNoState);
    w->resize(1, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

// The posted language-change events reach every window.
void Zustellen() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A data file of a pile "Halle3" in the folder: eight days at 70 °C, whose
// verdict fills every cell of the viewer's table with the longest texts.
QString Datendatei(const QString &ordner) {
    QByteArray inhalt = "Kompostwerk Nord\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Halle3\r\n"
                        "Datei  - Name: C:\\Daten\\Halle3_13-11-2026.CSV\r\nGruenschnitt\r\n"
                        "Erste Datensicherung : 13.11.2026\r\n"
                        " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;"
                        "LuefterZyklen\r\n";
    const QDateTime start(QDate(2026, 11, 13), QTime(8, 0));
    for (int i = 0; i <= 16; ++i)
        inhalt += QByteArray::number(i + 1) + ";" +
                  start.addSecs(i * 12 * 3600).toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1() +
                  ";   70;   70;   70;   70;   70;   44; 15,2;3;   12;    4;\r\n";
    const QString pfad = ordner + QStringLiteral("/Halle3_13-11-2026.CSV");
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhalt);
    return pfad;
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
        // the busy window of a readout that a click cancels
        {QStringLiteral("FAktivAbbrechbar"),
         [](TUmgebung &u) -> QWidget * {
             u.fMain->Aktiv().Zeige(u.fMain.get(), 10, true);
             return &u.fMain->Aktiv();
         }},
        {QStringLiteral("FPC_Setup"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFPC_Setup(*u.lauf, u.fMain.get())); }},
        {QStringLiteral("FErsteinrichtung"),
         [](TUmgebung &u) -> QWidget * { return &u.behalte(new TFErsteinrichtung(*u.lauf, u.fMain.get())); }},
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
        // with a data file of another plant open: the verdict table filled, the name's hint
        {QStringLiteral("FCSV_LesenMitDatei"),
         [](TUmgebung &u) -> QWidget * {
             auto *f = new TFCSV_Lesen(*u.lauf, u.fMain.get());
             f->ProtokollArt = 1;
             f->FormActivate();
             u.dialoge.Dateien = {Datendatei(u.heim.path())};
             f->OpenButtonClick();
             return &u.behalte(f);
         }},
        // the live display while the connection is lost
        {QStringLiteral("FAnzeigeGetrennt"),
         [](TUmgebung &u) -> QWidget * {
             QSignalSpy verloren(&u.lauf->Komm.Verbindung, &TVerbindung::Verloren);
             u.sim.SetTcpGesperrt(true);
             verloren.wait(5000);
             return &u.behalte(new TFAnzeige(*u.fMain));
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
        // the ping time's range as the field takes it: 300 to 600 ms
        const QStringList pc{"PC- Setup", "Seriell", "Abbrechen", "IP- Adresse oder Netzwerkname",
                             "Ping-Zeit [300ms- 600ms]"};
        zeile("FPC_Setup", "en",
              {"PC setup", "Serial", "Cancel", "IP address or network name", "Ping time [300ms- 600ms]"}, pc);
        zeile("FPC_Setup", "fr",
              {"Configuration du PC", "Série", "Annuler", "Adresse IP ou nom réseau",
               "Délai ping [300ms- 600ms]"},
              pc);
        const QStringList ein{"Ersteinrichtung", "Verbindung prüfen", "Serielle Schnittstelle", "Abbrechen"};
        zeile("FErsteinrichtung", "en", {"First setup", "Test connection", "Serial port", "Cancel"}, ein);
        zeile("FErsteinrichtung", "fr",
              {"Première configuration", "Tester la connexion", "Port série", "Annuler"}, ein);
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

    // With KOMPOST_BILDER=<folder> set: a picture of every window opened in
    // German, English and French, as it opens (NAME_de.png), with each further
    // page of its tab widgets (NAME_de_S2.png) and at its smallest size
    // (NAME_de_min.png), for a look at cut texts. The main window is switched
    // to French and back first, as the operator switches it.
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        for (const QString &sprache : {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")}) {
            for (const auto &[name, bauen] : Fenster()) {
                TUmgebung u;
                QVERIFY(u.lerne());
                if (name == QLatin1String("FMain"))
                    QVERIFY(u.lauf->Sprache.Setze(QStringLiteral("fr"), false));
                QVERIFY(u.lauf->Sprache.Setze(sprache, false));
                Zustellen();
                QWidget *w = bauen(u);
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                Zustellen();
                const QString datei = ordner + QLatin1Char('/') + name + QLatin1Char('_') + sprache;
                QVERIFY(w->grab().save(datei + QStringLiteral(".png")));
                // the other pages of its tab widgets (NAME_de_S2.png: page 2)
                for (QTabWidget *t : w->findChildren<QTabWidget *>()) {
                    const int vorher = t->currentIndex();
                    for (int i = 0; i < t->count(); ++i) {
                        if (i == vorher || !t->isTabVisible(i))
                            continue;
                        {
                            const QSignalBlocker still(t);
                            t->setCurrentIndex(i);
                        }
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                        QVERIFY(w->grab().save(datei + QStringLiteral("_S%1.png").arg(i + 1)));
                    }
                    const QSignalBlocker still(t);
                    t->setCurrentIndex(vorher);
                }
                Kleinstmoeglich(w);
                QVERIFY(w->grab().save(datei + QStringLiteral("_min.png")));
                w->hide();
            }
        }
    }

    // Every window opened in German, English and French (the other windows
    // are modal over the main window, so their language is the one they open
    // in), at its smallest size: no caption is cut and no control reaches
    // past its window, on any page of its tab widgets.
    void nichtsAbgeschnitten_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("sprache");
        for (const char *sprache : {"de", "en", "fr"})
            for (const auto &[name, bauen] : Fenster())
                QTest::addRow("%s %s", qPrintable(name), sprache) << name << QString::fromLatin1(sprache);
    }
    void nichtsAbgeschnitten() {
        QFETCH(QString, fenster);
        QFETCH(QString, sprache);
        TUmgebung u;
        QVERIFY(u.lerne());
        QVERIFY(u.lauf->Sprache.Setze(sprache, false));
        Zustellen();
        QWidget *w = Fenster().at(fenster)(u);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        Kleinstmoeglich(w);
        const QStringList cut = AufAllenSeitenAbgeschnitten(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n  "))));
    }

    // Switched while open, German, English, French and German again: still
    // nothing cut at the smallest size, and a window that sizes itself to
    // its texts (the main window as large as its panel and menu, the dialogs
    // of fixed size) is as large in German again as before, with no grey
    // strip left by French. The live display is left out: modal over the main
    // window, it never sees the language change, and fits its columns when it
    // opens.
    void wechselImOffenenFenster_data() {
        QTest::addColumn<QString>("fenster");
        for (const auto &[name, bauen] : Fenster())
            if (!name.startsWith(QLatin1String("FAnzeige")))
                QTest::newRow(qPrintable(name)) << name;
    }
    void wechselImOffenenFenster() {
        QFETCH(QString, fenster);
        TUmgebung u;
        QVERIFY(u.lerne());
        QWidget *w = Fenster().at(fenster)(u);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize geoeffnet = w->size();
        const bool selbst = w->minimumSize() == w->maximumSize() || fenster == QLatin1String("FMain");
        for (const QString &sprache : {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")}) {
            QVERIFY(u.lauf->Sprache.Setze(sprache, false));
            Zustellen();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (selbst)
            QCOMPARE(w->size(), geoeffnet);

        for (const QString &sprache : {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")}) {
            QVERIFY(u.lauf->Sprache.Setze(sprache, false));
            Zustellen();
            Kleinstmoeglich(w);
            const QStringList cut = AufAllenSeitenAbgeschnitten(w);
            QVERIFY2(cut.isEmpty(),
                     qPrintable(sprache + QStringLiteral(": ") + cut.join(QStringLiteral("\n  "))));
        }
    }

    // French keeps the fan's running time apart from its ON state: "Marche"
    // names the state (the tab, the grid) and never the running time.
    void laufzeitNichtMarche() {
        TSprache s(Schluessel);
        QVERIFY(s.Setze(QStringLiteral("fr"), false));
        const auto fr = [](const char *kontext, const char *text) {
            return QCoreApplication::translate(kontext, text);
        };
        QCOMPARE(fr("TFAnzeige", "EIN"), QStringLiteral("MARCHE"));
        QVERIFY(fr("TFAnzeige", "Lüfter EIN").contains(QStringLiteral("MARCHE")));
        const QStringList laufzeit{fr("TDatenLesen", "Laufzeit"), fr("TFAnzeige", "Laufzeit"),
                                   fr("TFQRKompForm", "Laufzeit[min]"), fr("TMessDaten", "Laufzeit"),
                                   fr("TFGraphForm", "Lüfterlaufzeit")};
        for (const QString &t : laufzeit) {
            QVERIFY2(!t.startsWith(QStringLiteral("Marche"), Qt::CaseInsensitive) &&
                         !t.contains(QStringLiteral("MARCHE")),
                     qPrintable(t));
            QVERIFY2(t != QStringLiteral("Laufzeit"), "not translated");
        }
        QCOMPARE(laufzeit.at(1), QStringLiteral("Durée"));
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
