// The protocol viewer: opening a data file (folder rules, invalid and
// unreadable files), the check boxes and their [COM] keys, the plant tabs,
// the hygienisation summary; and the rows of the printed protocols (row
// counter, formats, missing points, the depth mark) and the chart series of
// each kind.
#include "reports/UCSV_Lesen.h"
#include "reports/UProtokollZeilen.h"
#include "reports/UQRKompForm.h"
#include "reports/UQRKompProtokoll.h"
#include "shell/KompUtils.h"
#include "shell/ULauf.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"

#include "toolkit/UAnlagenTabs.h"
#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

const QByteArray Kopf =
    "Kompostwerk M\xFCller\r\n* Text *\r\n* Text *\r\n\r\nAnlagen- Name: Miete1\r\n"
    "Datei  - Name: C:\\Daten\\Miete1_01-06-2026.CSV\r\nGr\xFCnschnitt\r\n"
    "Erste Datensicherung : 01.06.2026\r\n"
    " ;Speicherzeit;T5;T4;T3;T2;T1;RefMarke; O2[vol%];Betriebsart;Luefterlaufzeit;LuefterZyklen\r\n";

QByteArray satz(int nr, const char *zeit, const char *temperaturen, const char *o2 = "15,2") {
    return QByteArray::number(nr) + ";" + zeit + ";" + temperaturen + ";   44; " + o2 + ";3;   12;    4;\r\n";
}

// A run of a layout as data: the bands printed and the texts of every named field, in order.
struct TLauf1 {
    int seiten = 0;
    QStringList baender;
    QMap<QString, QStringList> felder;
};
TLauf1 planen(TBericht &b) {
    TLauf1 l;
    const std::vector<TSeite> seiten = b.Planen();
    l.seiten = static_cast<int>(seiten.size());
    for (const TSeite &s : seiten)
        for (const TGesetztesBand &band : s.Baender) {
            l.baender.append(band.Band->Name);
            for (const TGesetztesFeld &f : band.Felder)
                if (f.Feld->Art == TFeldArt::Text)
                    l.felder[f.Feld->Name].append(f.Text);
        }
    return l;
}

// The label's text as it reads.
QString Klartext(const QLabel *l) {
    return QTextDocumentFragment::fromHtml(l->text()).toPlainText().replace(QChar(0xa0), QLatin1Char(' '));
}

// The cells of a table that do not show their text whole: narrower than the
// text and the item's margins, or reaching past the table's visible area.
QStringList AbgeschnitteneZellen(const QTableWidget *t) {
    QStringList l;
    const QFontMetrics schrift(t->font());
    const int rand = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1);
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c) {
            const QTableWidgetItem *zelle = t->item(r, c);
            if (!zelle || zelle->text().isEmpty())
                continue;
            const QRect feld = t->visualItemRect(zelle);
            if (feld.width() < schrift.horizontalAdvance(zelle->text()) + rand ||
                feld.right() >= t->viewport()->width() || feld.bottom() >= t->viewport()->height() ||
                feld.height() < schrift.height())
                l << QStringLiteral("%1,%2 \"%3\" in %4x%5")
                         .arg(r)
                         .arg(c)
                         .arg(zelle->text())
                         .arg(feld.width())
                         .arg(feld.height());
        }
    return l;
}

} // namespace

class TstCsvLesen : public QObject {
    Q_OBJECT

    QTemporaryDir m_heim;
    TSkriptDialoge m_dialoge;
    std::unique_ptr<TLauf> m_lauf;
    int m_nr = 0;

    QString datei(const QByteArray &inhalt) {
        const QString pfad = m_heim.filePath(QStringLiteral("Miete%1.CSV").arg(++m_nr));
        QFile f(pfad);
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
        return pfad;
    }
    QString guteDatei() {
        return datei(Kopf + satz(1, "01.06.2026  08:00", "   70;   60;   50;   40;   30") +
                     satz(2, "01.06.2026  20:00", "   56;   56;   56;   56;   56") +
                     satz(3, "02.06.2026  08:00", "   50;   48;   40;   30;   20", "20,0"));
    }
    QByteArray ini() const {
        QFile f(m_heim.filePath(QStringLiteral("O2_Tarvos.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<TFCSV_Lesen> fenster(int art) {
        auto f = std::make_unique<TFCSV_Lesen>(*m_lauf);
        f->ProtokollArt = static_cast<quint8>(art);
        f->FormActivate();
        return f;
    }
    // Opens the file through the scripted open dialog.
    void oeffne(TFCSV_Lesen &f, const QString &pfad) {
        m_dialoge.Dateien = {pfad};
        f.OpenButtonClick();
    }

private slots:
    void init() {
        m_dialoge.Protokoll.clear();
        QFile::remove(m_heim.filePath(QStringLiteral("O2_Tarvos.ini")));
        m_lauf = std::make_unique<TLauf>(m_heim.path(), m_dialoge);
        TZustand &z = m_lauf->Zustand;
        z.AnlagenAnzahl = 4;
        z.AktAnlage = 2;
        for (int i = 1; i <= 4; ++i)
            z.Anlagen[static_cast<size_t>(i)].Name = QStringLiteral("Miete %1").arg(i);
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        KompUtils::BildeRefText(z);
    }

    void erzeugen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Messwerte") << 0 << QStringLiteral("Humaro Protokoll");
        QTest::newRow("Gütegemeinschaft") << 1 << QStringLiteral("Humaro Protokoll Gütegemeinschaft");
    }
    void erzeugen() {
        QFETCH(int, art);
        QFETCH(QString, titel);
        auto f = fenster(art);
        QCOMPARE(f->windowTitle(), titel);
        QCOMPARE(f->TabControl1->count(), 4);
        QCOMPARE(f->TabControl1->currentIndex(), 1);
        QCOMPARE(f->MieteName->text(), QStringLiteral("Miete 2"));
        QVERIFY(!f->PreviewButton->isEnabled());
        QVERIFY(!f->PrintButton->isEnabled());
        QCOMPARE(f->StatusText(1), QStringLiteral("Pfad:"));
        QCOMPARE(f->StatusText(3), QStringLiteral("Anzahl Speicherwerte:"));
        QCOMPARE(f->Oeffnen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(f->Schliessen1->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(f->Ende2->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(f->Druckvorschau1->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
        QCOMPARE(f->Drucken2->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        QCOMPARE(f->Oeffnen1->text(), QStringLiteral("Ö&ffnen"));
    }

    // The boxes come from [COM] of their kind; the keys are written at
    // destruction only after a click, then both of them.
    void einstellungen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("graph");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Messwerte") << 0 << QStringLiteral("PGRAPH") << QStringLiteral("PTAG");
        QTest::newRow("Gütegemeinschaft") << 1 << QStringLiteral("GGRAPH") << QStringLiteral("GTAG");
    }
    void einstellungen() {
        QFETCH(int, art);
        QFETCH(QString, graph);
        QFETCH(QString, tag);
        QVERIFY(m_lauf->Ini.WriteBool(QStringLiteral("COM"), tag, true));
        const QByteArray vorher = ini();
        {
            auto f = fenster(art);
            QVERIFY(!f->CheckGraph->isChecked());
            QVERIFY(f->CheckTag->isChecked());
        }
        QCOMPARE(ini(), vorher); // no click: untouched
        {
            auto f = fenster(art);
            f->CheckGraph->click();
            f->CheckGraph->click(); // back to its old state
            QVERIFY(f->EinstellungenGeaendert());
        }
        const QString text = QString::fromLatin1(ini());
        QVERIFY2(text.contains(graph + QStringLiteral("=0")), qPrintable(text));
        QVERIFY2(text.contains(tag + QStringLiteral("=1")), qPrintable(text));
        {
            auto f = fenster(art);
            f->CheckGraph->click();
        }
        QVERIFY(m_lauf->Ini.ReadBool(QStringLiteral("COM"), graph, false));
        // the other kind's keys stay as they were
        const QString fremd = art == 0 ? QStringLiteral("GGRAPH") : QStringLiteral("PGRAPH");
        QVERIFY(!QString::fromLatin1(ini()).contains(fremd));
    }

    void oeffnen() {
        auto f = fenster(1);
        QList<bool> aufrufe;
        f->Ausgabe = [&aufrufe](TBericht &, bool vorschau) { aufrufe.append(vorschau); };
        oeffne(*f, guteDatei());
        QVERIFY(m_dialoge.Meldungen().isEmpty());
        QVERIFY(f->PreviewButton->isEnabled());
        QVERIFY(f->PrintButton->isEnabled());
        QCOMPARE(f->StatusText(2), QStringLiteral(" C:\\Daten\\Miete1_01-06-2026.CSV"));
        QCOMPARE(f->StatusText(4), QStringLiteral("3")); // the records, right after loading
        QVERIFY2(f->HygieneAnzeigeText().contains(QStringLiteral("Hygienisierung nicht nachgewiesen")),
                 qPrintable(f->HygieneAnzeigeText()));
        f->PreviewButtonClick();
        f->PrintButtonClick();
        QCOMPARE(aufrufe, (QList<bool>{true, false}));
        QVERIFY(!m_lauf->Sperre.Belegt());

        // "&Schliessen" disables the buttons, the data stay
        f->Schliessen1Click();
        QVERIFY(!f->PreviewButton->isEnabled());
        QCOMPARE(f->Daten().LineCount(), 3);

        // a cancelled dialog disables them too
        oeffne(*f, guteDatei());
        QVERIFY(f->PreviewButton->isEnabled());
        m_dialoge.Dateien.clear();
        f->OpenButtonClick();
        QVERIFY(!f->PreviewButton->isEnabled());
    }

    void ungueltigeDatei_data() {
        QTest::addColumn<QByteArray>("inhalt");
        // record 1 on neither line 9 nor line 10
        QTest::newRow("Satz 1 in Zeile 11")
            << QByteArray(Kopf + "\r\n" + satz(1, "01.06.2026  08:00", "   70;   60;   50;   40;   30"));
        QTest::newRow("Satz 2 zuerst")
            << QByteArray(Kopf + satz(2, "01.06.2026  08:00", "   70;   60;   50;   40;   30"));
        QTest::newRow("leer") << QByteArray();
    }
    void ungueltigeDatei() {
        QFETCH(QByteArray, inhalt);
        auto f = fenster(0);
        oeffne(*f, guteDatei());
        QVERIFY(f->PreviewButton->isEnabled());
        oeffne(*f, datei(inhalt));
        QCOMPARE(m_dialoge.Meldungen(),
                 QStringList{QStringLiteral(
                     "Kein gültiger Dateiaufbau\nDatei war nicht von dieser Software erzeugt!")});
        QVERIFY(!f->PreviewButton->isEnabled());
        QVERIFY(!f->PrintButton->isEnabled());
        QVERIFY(f->HygieneAnzeigeText().isEmpty());
    }

    void nichtLesbareDatei() {
        auto f = fenster(0);
        const QString pfad = m_heim.filePath(QStringLiteral("weg.CSV"));
        oeffne(*f, pfad);
        QCOMPARE(m_dialoge.Meldungen().size(), 1);
        QVERIFY(m_dialoge.Meldungen().at(0).contains(pfad));
        QVERIFY(m_dialoge.Meldungen().at(0).contains(QStringLiteral("kann nicht gelesen werden")));
        QVERIFY(!f->PreviewButton->isEnabled());
    }

    // The dialog starts in the plant's folder, else in the program's folder.
    void ordner() {
        TZustand &z = m_lauf->Zustand;
        z.Anlagen[2].Pfad = m_heim.filePath(QStringLiteral("daten2"));
        QVERIFY(QDir().mkpath(z.Anlagen[2].Pfad));
        z.Anlagen[3].Pfad = m_heim.filePath(QStringLiteral("gibtsnicht"));
        auto f = fenster(0);
        f->OpenButtonClick();
        f->TabControl1->setCurrentIndex(2);
        f->OpenButtonClick();
        QCOMPARE(m_dialoge.Protokoll.size(), 2);
        QCOMPARE(m_dialoge.Protokoll.at(0).ordner, z.Anlagen[2].Pfad);
        QCOMPARE(m_dialoge.Protokoll.at(1).ordner, QDir::toNativeSeparators(z.Heimordner));
        QVERIFY(m_dialoge.Protokoll.at(0).filter.contains(QStringLiteral("EXCEL ( *.csv)")));
        QCOMPARE(m_dialoge.Protokoll.at(0).ausgeblendet, QStringList{"Komp_LOG_*.CSV"});
    }

    // Another tab keeps the file loaded, under its own name and with its file
    // name; the hint says that it is not the name of the plant now selected.
    void reiterBehaeltDatei() {
        auto f = fenster(0);
        oeffne(*f, guteDatei());
        f->TabControl1->setCurrentIndex(3);
        QCOMPARE(f->AusgewaehlteAnlage(), 4);
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete1   Name weicht von Anlage 4 ab: „Miete 4“"));
        QCOMPARE(f->StatusText(2), QStringLiteral(" C:\\Daten\\Miete1_01-06-2026.CSV"));
        QVERIFY(f->PreviewButton->isEnabled());
        QCOMPARE(f->Daten().LineCount(), 3);
        QCOMPARE(f->Daten().PlantName(), QStringLiteral(" Miete1"));
    }

    // The name above an open file is the one in its header: the plant's own
    // file shows it alone; another plant's file (or an older pile's) says
    // that the name differs, naming the plant as its tab does. Without a
    // file, or after a file that could not be read, the plant's name again.
    void nameAusDerDatei() {
        TZustand &z = m_lauf->Zustand;
        z.Anlagen[1].Name = QStringLiteral("Miete1");
        z.Anlagen[3].Name.clear();
        auto f = fenster(0);
        QCOMPARE(f->AusgewaehlteAnlage(), 2);
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete 2"));
        oeffne(*f, guteDatei());
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete1   Name weicht von Anlage 2 ab: „Miete 2“"));
        f->TabControl1->setCurrentIndex(0);
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete1"));
        // a plant without a name has nothing to compare with
        f->TabControl1->setCurrentIndex(2);
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete1"));
        // a header name that looks like markup is shown as it is
        QByteArray kopf = Kopf;
        kopf.replace("Anlagen- Name: Miete1", "Anlagen- Name: <b>Halle</b>");
        oeffne(*f, datei(kopf + satz(1, "01.06.2026  08:00", "   70;   60;   50;   40;   30")));
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("<b>Halle</b>"));
        // with the address block the plant is named as its tab
        f->TabControl1->setCurrentIndex(0);
        QVERIFY(Klartext(f->MieteName).endsWith(QStringLiteral("Name weicht von Anlage 1 ab: „Miete1“")));
        oeffne(*f, datei("kein Datenfile\r\n"));
        QCOMPARE(Klartext(f->MieteName), QStringLiteral("Miete1"));
        z.OptAdressen33 = true;
        auto g = fenster(0);
        oeffne(*g, guteDatei());
        QCOMPARE(Klartext(g->MieteName), QStringLiteral("Miete1   Name weicht von Anlage 34 ab: „Miete 2“"));
    }

    // The verdict table shows every text whole, in German, English and
    // French: at the window's design size, and when the window is enlarged,
    // its font with it, the columns follow the texts and share the room.
    void hygieneTabelleLesbar_data() {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("de") << QStringLiteral("de");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("fr") << QStringLiteral("fr");
    }
    void hygieneTabelleLesbar() {
        QFETCH(QString, sprache);
        QVERIFY(m_lauf->Sprache.Setze(sprache, false));
        QCoreApplication::sendPostedEvents();
        const QByteArray inhalt = Kopf + satz(1, "13.11.2026 08:00", "   70;   70;   70;   70;   70") +
                                  satz(2, "20.11.2026 08:00", "   70;   70;   70;   70;   70") +
                                  satz(3, "27.11.2026 08:00", "   70;   70;   70;   70;   70");
        auto f = fenster(1);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        oeffne(*f, datei(inhalt));
        QTableWidget *t = f->HygieneTabelle;
        QVERIFY(t->item(0, 4)->text().contains(QStringLiteral("13.11.2026 08:00")));
        const QFont vorher = t->font();
        for (const double faktor : {1.0, 1.5}) {
            f->resize(f->minimumSize() * faktor);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
            const QStringList cut = AbgeschnitteneZellen(t);
            QVERIFY2(cut.isEmpty(), qPrintable(QString::number(faktor) + QStringLiteral(": ") +
                                               cut.join(QStringLiteral("\n  "))));
            QVERIFY(!t->horizontalScrollBar()->isVisible());
            // the columns fill the table
            int summe = 0;
            for (int c = 0; c < t->columnCount(); ++c)
                summe += t->columnWidth(c);
            QVERIFY2(std::abs(summe - t->viewport()->width()) <= 2,
                     qPrintable(QStringLiteral("%1 of %2").arg(summe).arg(t->viewport()->width())));
        }
        QVERIFY(t->font().pointSizeF() > vorher.pointSizeF() * 1.3);
        QVERIFY(m_lauf->Sprache.Setze(QStringLiteral("de"), false));
    }

    // The verdict follows the type of the plant whose tab is selected: a core
    // at 62 °C for 8 days proves nothing for an open windrow and proves
    // hygienisation for a closed plant; the printout says which type it used.
    void anlagenartDesReiters() {
        TZustand &z = m_lauf->Zustand;
        z.Anlagen[3].Geschlossen = true;
        QByteArray inhalt = Kopf;
        for (int i = 0; i <= 32; ++i) // every 6 hours for 8 days
            inhalt += satz(i + 1,
                           QDateTime(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC)
                               .addSecs(i * 6 * 3600)
                               .toString(QStringLiteral("dd.MM.yyyy  hh:mm"))
                               .toLatin1()
                               .constData(),
                           "   62;   62;   62;   62;   62");
        const QString pfad = datei(inhalt);
        auto f = fenster(1);
        oeffne(*f, pfad); // plant 2: open
        QCOMPARE(f->HygieneArt->text(), QStringLiteral("Anlagenart: offen"));
        QCOMPARE(f->HygieneSchluss->text(), QStringLiteral("Hygienisierung nicht nachgewiesen"));
        QCOMPARE(f->HygieneSchlussAlle->text(), QStringLiteral("An allen Messstellen nicht nachgewiesen"));
        QVERIFY(
            f->HygieneAnzeigeText().contains(QStringLiteral("nur geschlossene Anlagen – nicht gewertet")));

        f->TabControl1->setCurrentIndex(2); // plant 3: closed
        QCOMPARE(f->HygieneArt->text(), QStringLiteral("Anlagenart: geschlossen"));
        QCOMPARE(f->HygieneSchluss->text(),
                 QStringLiteral("Hygienisierung nachgewiesen: ≥ 60 °C über 7 Tage im "
                                "Kern, nur geschlossene Anlagen"));
        QCOMPARE(f->HygieneSchlussAlle->text(),
                 QStringLiteral(
                     "An allen Messstellen nachgewiesen: ≥ 60 °C über 7 Tage, nur geschlossene Anlagen"));
        QVERIFY(!f->HygieneAnzeigeText().contains(QStringLiteral("nicht gewertet")));
        // the data file's name and fingerprint among the notes
        QFile d(pfad);
        QVERIFY(d.open(QIODevice::ReadOnly));
        const QString summe =
            QString::fromLatin1(QCryptographicHash::hash(d.readAll(), QCryptographicHash::Sha256).toHex());
        QVERIFY(f->HygieneHinweise->toPlainText().contains(QStringLiteral("Datendatei: ") +
                                                           QFileInfo(pfad).fileName()));
        QVERIFY(f->HygieneHinweise->toPlainText().contains(QStringLiteral("SHA-256: ") + summe));

        // the printout: the verdict of the plant selected
        TLauf1 lauf;
        f->Ausgabe = [&lauf](TBericht &b, bool) { lauf = planen(b); };
        f->PrintButtonClick();
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneArt")),
                 QStringList{QStringLiteral("Anlagenart: geschlossen")});
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneSchlussText")),
                 QStringList{f->HygieneSchluss->text()});
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneSchlussAlle")),
                 QStringList{f->HygieneSchlussAlle->text()});
        QCOMPARE(lauf.felder.value(QStringLiteral("HygienePruefsumme")),
                 QStringList{QStringLiteral("SHA-256: ") + summe});
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneVermerk5")),
                 QStringList{QStringLiteral("nur geschlossene Anlagen")});

        f->TabControl1->setCurrentIndex(0); // plant 1: open again
        QCOMPARE(f->HygieneSchluss->text(), QStringLiteral("Hygienisierung nicht nachgewiesen"));
        f->PrintButtonClick();
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneArt")),
                 QStringList{QStringLiteral("Anlagenart: offen")});
        QCOMPARE(lauf.felder.value(QStringLiteral("HygieneVermerk5")),
                 QStringList{QStringLiteral("nur geschlossene Anlagen – nicht gewertet")});
        QCOMPARE(lauf.felder.value(QStringLiteral("Hygiene5_1")),
                 QStringList{QStringLiteral("≥ 60 °C über 7 Tage")});
    }

    // With KOMPOST_BILDER=<folder> set: the viewer with a file whose verdict
    // lists a gap, a clock step, a repeat and an implausible reading, for an
    // open plant (tab 2) and a closed one (tab 3), and enlarged, for a look at them.
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        m_lauf->Zustand.Anlagen[3].Geschlossen = true;
        QByteArray inhalt = Kopf;
        const QDateTime start(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC);
        int nr = 0;
        for (int i = 0; i < 40; ++i) {
            QDateTime t = start.addSecs(i * 6 * 3600);
            if (i == 20)
                t = t.addSecs(-6 * 3600 - 1800); // the clock set back
            if (i >= 36)
                t = t.addSecs(30 * 3600); // a gap
            inhalt += satz(++nr, t.toString(QStringLiteral("dd.MM.yyyy  hh:mm")).toLatin1().constData(),
                           i == 12 ? "  150;   61;   60;   58;   45" : "   62;   61;   60;   58;   45");
        }
        inhalt += QByteArray::number(++nr) + inhalt.mid(inhalt.lastIndexOf("\n40;") + 3); // appended twice
        auto f = fenster(1);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        oeffne(*f, datei(inhalt));
        QVERIFY(f->grab().save(ordner + QStringLiteral("/protokoll-offen.png")));
        f->TabControl1->setCurrentIndex(2);
        QVERIFY(f->grab().save(ordner + QStringLiteral("/protokoll-geschlossen.png")));
        // enlarged: the font and the table's columns with it
        f->resize(f->minimumSize() * 1.4);
        QTest::qWait(200);
        QVERIFY(f->grab().save(ordner + QStringLiteral("/protokoll-gross.png")));
    }

    // The filled layouts of both kinds: rows, column titles, the depth
    // column, the chart and its series, the verdict of kind 1.
    void drucken_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("grafik");
        QTest::addColumn<bool>("showRef");
        QTest::addColumn<bool>("metric");
        QTest::newRow("Messwerte") << 0 << true << true << false;
        QTest::newRow("Messwerte ohne Grafik, ohne Tiefe") << 0 << false << false << false;
        QTest::newRow("Messwerte °F") << 0 << true << true << true;
        QTest::newRow("Gütegemeinschaft") << 1 << true << true << false;
        QTest::newRow("Gütegemeinschaft ohne Tiefe") << 1 << true << false << false;
        QTest::newRow("Gütegemeinschaft ohne Grafik, °F") << 1 << false << true << true;
    }
    void drucken() {
        QFETCH(int, art);
        QFETCH(bool, grafik);
        QFETCH(bool, showRef);
        QFETCH(bool, metric);
        TZustand &z = m_lauf->Zustand;
        z.ShowRef = showRef;
        z.Metric = metric;
        KompUtils::BildeRefText(z);
        auto f = fenster(art);
        f->CheckGraph->setChecked(grafik);
        oeffne(*f, guteDatei());
        TLauf1 lauf;
        QStringList serien;
        bool aufgerufen = false;
        f->Ausgabe = [&](TBericht &b, bool) {
            aufgerufen = true;
            QVERIFY(m_lauf->Sperre.Belegt());
            TDiagrammAnzeige *chart = art == 0 ? static_cast<TFQRKompForm &>(b).QRChart1.get()
                                               : static_cast<TFQRKompProtokoll &>(b).QRChart1.get();
            for (const TMessSerie *s : chart->Diagramm().Serien())
                serien.append(s->Titel());
            lauf = planen(b);
        };
        f->PrintButtonClick();
        QVERIFY(aufgerufen);
        QVERIFY(m_dialoge.Meldungen().isEmpty());
        QCOMPARE(lauf.seiten, art == 1 && grafik ? 2 : 1); // verdict and chart need two pages
        QCOMPARE(lauf.felder.value(QStringLiteral("QRDat")),
                 (QStringList{QStringLiteral("01.06.2026  08:00"), QStringLiteral("01.06.2026  20:00"),
                              QStringLiteral("02.06.2026  08:00")}));
        QCOMPARE(f->StatusText(4), QStringLiteral("3"));
        QCOMPARE(lauf.baender.contains(QStringLiteral("SummaryBand1")), grafik);
        if (grafik) {
            QStringList erwartet;
            for (const TMessSerie *s : ProtokollSerien(f->Daten(), art, showRef))
                erwartet.append(s->Titel());
            QCOMPARE(serien, erwartet);
        }
        // the series are the model's again
        for (const TMessSerie *s : f->Daten().AllSeries())
            QVERIFY(!s->Diagramm());
        QVERIFY(!m_lauf->Sperre.Belegt());

        const QStringList ref = lauf.felder.value(QStringLiteral("QR55Gr"));
        QCOMPARE(ref.size(), 3);
        if (showRef)
            QCOMPARE(ref.at(0), metric ? QStringLiteral("  24") : QStringLiteral("  62"));
        else
            QCOMPARE(ref, (QStringList{QString(), QString(), QString()}));
        const QString einheit = metric ? QStringLiteral("[°F]") : QStringLiteral("[°C]");
        if (art == 0) {
            QCOMPARE(lauf.felder.value(QStringLiteral("QRLabel6")).value(0), showRef ? z.RefText : QString());
            QCOMPARE(lauf.felder.value(QStringLiteral("QRLabel7")).value(0),
                     showRef ? QStringLiteral("Tiefe") : QString());
            QCOMPARE(lauf.felder.value(QStringLiteral("QRTemp1")).value(0), QStringLiteral("T5") + einheit);
            QCOMPARE(lauf.felder.value(QStringLiteral("QRTemp5")).value(0), QStringLiteral("T1") + einheit);
            QCOMPARE(lauf.felder.value(QStringLiteral("QRNr")), (QStringList{"1", "2", "3"}));
            QCOMPARE(lauf.felder.value(QStringLiteral("QRO2")).value(2), QStringLiteral("20,0"));
            QCOMPARE(lauf.felder.value(QStringLiteral("QRT1")).value(0),
                     metric ? QStringLiteral(" 158") : QStringLiteral("  70"));
            QVERIFY(!lauf.baender.contains(QStringLiteral("HygieneBand1")));
        } else {
            QCOMPARE(lauf.felder.value(QStringLiteral("QRTemp1")).value(0),
                     showRef ? (metric ? QStringLiteral("Rand [in]") : QStringLiteral("Rand [cm]"))
                             : QString());
            QCOMPARE(lauf.felder.value(QStringLiteral("QRTemp2")).value(0),
                     QStringLiteral("Kern ") + einheit);
            QCOMPARE(lauf.felder.value(QStringLiteral("QRTemp3")).value(0),
                     QStringLiteral("Basis ") + einheit);
            QCOMPARE(lauf.felder.value(QStringLiteral("QRT5")).value(2),
                     metric ? QStringLiteral("  68") : QStringLiteral("  20"));
            // the verdict below the rows, before the chart
            const qsizetype rows = lauf.baender.lastIndexOf(QStringLiteral("DetailBand1"));
            const qsizetype hygiene = lauf.baender.indexOf(QStringLiteral("HygieneBand1"));
            QVERIFY(hygiene > rows);
            if (grafik)
                QVERIFY(lauf.baender.indexOf(QStringLiteral("SummaryBand1")) > hygiene);
            QCOMPARE(lauf.felder.value(QStringLiteral("HygieneSchlussText")),
                     QStringList{QStringLiteral("Hygienisierung nicht nachgewiesen")});
            QCOMPARE(lauf.felder.value(QStringLiteral("Hygiene1_1")).value(0),
                     metric ? QStringLiteral("≥ 131 °F über 14 Tage")
                            : QStringLiteral("≥ 55 °C über 14 Tage"));
        }
    }

    // "1 Wert/ Tag": the last record of each day; the status panel shows the rows.
    void druckenEinWertJeTag() {
        auto f = fenster(0);
        f->CheckTag->setChecked(true);
        oeffne(*f, datei(Kopf + satz(1, "01.06.2026  08:00", "   60;   60;   60;   60;   60") +
                         satz(2, "01.06.2026  20:00", "   61;   60;   60;   60;   60") +
                         satz(3, "02.06.2026  08:00", "   62;   60;   60;   60;   60") +
                         satz(4, "03.06.2026  08:00", "   63;   60;   60;   60;   60") +
                         satz(5, "03.06.2026  16:00", "   64;   60;   60;   60;   60")));
        QCOMPARE(f->StatusText(4), QStringLiteral("5"));
        TLauf1 lauf;
        f->Ausgabe = [&](TBericht &b, bool) { lauf = planen(b); };
        f->PreviewButtonClick();
        QCOMPARE(lauf.felder.value(QStringLiteral("QRT1")),
                 (QStringList{QStringLiteral("  61"), QStringLiteral("  62"), QStringLiteral("  64")}));
        QCOMPARE(f->StatusText(4), QStringLiteral("3"));
    }

    // A record whose date cannot be read and a line torn by a crash are left
    // out; the records after them are still printed, and the printout names
    // how many lines were skipped and the first one's line number.
    void druckenMitUnlesbarenZeilen() {
        auto f = fenster(1);
        oeffne(*f, datei(Kopf + satz(1, "01.06.2026  08:00", "   60;   60;   60;   60;   60") +
                         satz(2, "32.13.2026  20:00", "   61;   60;   60;   60;   60") +
                         satz(3, "02.06.2026  09:x", "   62;   60;   60;   60;   60") +
                         satz(4, "02.06.2026  20:00", "   63;   60;   60;   60;   60") + "5;03.06"));
        // said once when the file is opened, before anything is printed
        const QString text =
            QStringLiteral("3 Zeile(n) der Datei nicht lesbar und übersprungen, die erste ist Zeile 11.");
        QCOMPARE(m_dialoge.Meldungen(), QStringList{text});
        QVERIFY(f->PrintButton->isEnabled());
        TLauf1 lauf;
        f->Ausgabe = [&](TBericht &b, bool) { lauf = planen(b); };
        f->PrintButtonClick();
        QCOMPARE(lauf.felder.value(QStringLiteral("QRT1")),
                 (QStringList{QStringLiteral("  60"), QStringLiteral("  63")}));
        QCOMPARE(lauf.felder.value(QStringLiteral("UebersprungenText")), QStringList{text});
        QVERIFY(lauf.baender.contains(QStringLiteral("UebersprungenBand")));
        QVERIFY(!m_lauf->Sperre.Belegt());
    }

    // Depth marks 0, 100 and 62, formats, the row counter and missing points.
    void zeilen() {
        TZustand &z = m_lauf->Zustand;
        TMessDaten d(z);
        QVERIFY(d.Load(datei(Kopf + satz(1, "01.06.2026  08:00", "   70;   60;   50;   40;   30") +
                             satz(2, "01.06.2026  20:00", "   56;   56;   56;   56;   56") +
                             satz(3, "02.06.2026  08:00", "   50;   48;   40;   30;   20", "20,0"))));
        QVERIFY(d.BuildSeries(false, nullptr));
        TProtokollZeilen zeilen(d, true, z.Gebietsschema);
        QStringList ref, o2, nr;
        while (zeilen.NeedData()) {
            ref.append(zeilen.Text(TProtokollZeilen::TFeld::Ref));
            o2.append(zeilen.Text(TProtokollZeilen::TFeld::O2));
            nr.append(zeilen.Text(TProtokollZeilen::TFeld::Nr));
        }
        QCOMPARE(zeilen.Zeile(), 0);
        QCOMPARE(ref, (QStringList{QStringLiteral("  62"), QStringLiteral("   0"), QStringLiteral(" 100")}));
        QCOMPARE(o2, (QStringList{QStringLiteral("15,2"), QStringLiteral("15,2"), QStringLiteral("20,0")}));
        QCOMPARE(nr, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::T1, 1), QStringLiteral("  70"));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::T5, 3), QStringLiteral("  20"));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::Laufzeit, 1), QStringLiteral("  12"));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::Zyklen, 1), QStringLiteral("   4"));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::Datum, 1), QStringLiteral("01.06.2026  08:00"));
        // no point 4: "-*-"
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::T1, 4), QStringLiteral("-*-"));
        QCOMPARE(zeilen.Text(TProtokollZeilen::TFeld::O2, 4), QStringLiteral("-*-"));
        // US locale: the decimal point
        TProtokollZeilen us(d, true, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(us.Text(TProtokollZeilen::TFeld::O2, 1), QStringLiteral("15.2"));
        // without the depth display the depth cells stay empty
        TProtokollZeilen ohne(d, false, z.Gebietsschema);
        QVERIFY(ohne.Text(TProtokollZeilen::TFeld::Ref, 1).isEmpty());
    }

    // "1 Wert/ Tag" over three days: three rows, each the last record of its day.
    void einWertJeTag() {
        TZustand &z = m_lauf->Zustand;
        TMessDaten d(z);
        QVERIFY(d.Load(datei(Kopf + satz(1, "01.06.2026  08:00", "   60;   60;   60;   60;   60") +
                             satz(2, "01.06.2026  20:00", "   61;   60;   60;   60;   60") +
                             satz(3, "02.06.2026  08:00", "   62;   60;   60;   60;   60") +
                             satz(4, "03.06.2026  08:00", "   63;   60;   60;   60;   60") +
                             satz(5, "03.06.2026  16:00", "   64;   60;   60;   60;   60"))));
        QVERIFY(d.BuildSeries(true, nullptr));
        TProtokollZeilen zeilen(d, true, z.Gebietsschema);
        QStringList datum, kern;
        while (zeilen.NeedData()) {
            datum.append(zeilen.Text(TProtokollZeilen::TFeld::Datum));
            kern.append(zeilen.Text(TProtokollZeilen::TFeld::T1));
        }
        QCOMPARE(datum, (QStringList{QStringLiteral("01.06.2026  20:00"), QStringLiteral("02.06.2026  08:00"),
                                     QStringLiteral("03.06.2026  16:00")}));
        QCOMPARE(kern, (QStringList{QStringLiteral("  61"), QStringLiteral("  62"), QStringLiteral("  64")}));
    }

    void serienJeArt_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("showRef");
        QTest::addColumn<QStringList>("titel");
        QTest::newRow("Messwerte") << 0 << true << QStringList{"T 100cm", "T 75cm", "T 50cm", "T 25cm",
                                                               "T  0cm",  "REF",    "O2"};
        QTest::newRow("Messwerte ohne Tiefe")
            << 0 << false << QStringList{"T 100cm", "T 75cm", "T 50cm", "T 25cm", "T  0cm", "O2"};
        QTest::newRow("Gütegemeinschaft") << 1 << true << QStringList{"T 100cm", "T  0cm", "REF"};
        QTest::newRow("Gütegemeinschaft ohne Tiefe") << 1 << false << QStringList{"T 100cm", "T  0cm"};
    }
    void serienJeArt() {
        QFETCH(int, art);
        QFETCH(bool, showRef);
        QFETCH(QStringList, titel);
        TZustand z;
        z.RefText = QStringLiteral("REF");
        TMessDaten d(z);
        QStringList ist;
        for (const TMessSerie *s : ProtokollSerien(d, art, showRef))
            ist.append(s->Titel());
        QCOMPARE(ist, titel);
    }
};

QTEST_MAIN(TstCsvLesen)
#include "tst_csvLesen.moc"
