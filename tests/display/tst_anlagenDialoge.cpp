// The plant dialogs of the live display: the plant data dialog (name filter,
// what OK stores, the folder), the folder dialog, and the clock dialog against
// the simulator with its own plant and the poll going on.
#include "../shell/ShellUmgebung.h"
#include "display/UAnlDatumSet.h"
#include "display/UAnlageDaten.h"
#include "display/UPfadsetzen.h"
#include "shell/UKonfiguration.h"
#include "toolkit/UAnlagenTabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>
#include <QtTest>

namespace {

// A run without a connection, plant 1 named Halle3 with its data folder.
struct TDatenUmgebung {
    QTemporaryDir heim;
    TSkriptDialoge dialoge;
    std::unique_ptr<TLauf> lauf;
    QString ordner;

    TDatenUmgebung() {
        lauf = std::make_unique<TLauf>(heim.path(), dialoge);
        TZustand &z = lauf->Zustand;
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z.Jetzt = [] { return QDateTime(QDate(1992, 6, 19), QTime(8, 0)); };
        z.AnlagenAnzahl = 2;
        z.AktAnlage = 1;
        QDir(heim.path()).mkdir(QStringLiteral("daten"));
        ordner = QDir::toNativeSeparators(heim.filePath(QStringLiteral("daten"))) + QDir::separator();
        tAnlageParameter &a = z.Anlagen[1];
        a.Angeschlossen = 1;
        a.Name = QStringLiteral("Halle3");
        a.Komm = QStringLiteral("alt");
        a.Pfad = ordner;
        a.Datei = ordner + QStringLiteral("Halle3_01-06-1992.CSV");
        a.Anzahl = 17;
    }
    tAnlageParameter &a() { return lauf->Zustand.Anlagen[1]; }
    QByteArray ini() const {
        QFile f(heim.filePath(QStringLiteral("O2_Tarvos.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Types text into a widget key by key, umlauts included.
void Tippe(QWidget *w, const QString &text) {
    for (QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress,
                        c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : 0, Qt::NoModifier,
                        QString(c));
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, druck.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &los);
    }
}

// The frames of a run, the polls left out (one may still be under way).
QStringList OhnePoll(const QStringList &rahmen) {
    QStringList l;
    for (const QString &r : rahmen)
        if (!r.endsWith(QLatin1Char('c')))
            l.append(r);
    return l;
}

} // namespace

class TestAnlagenDialoge : public QObject {
    Q_OBJECT

private slots:
    // --- plant data dialog ------------------------------------------------

    void texteUndStart() {
        TDatenUmgebung u;
        u.lauf->Zustand.OptAdressen33 = true;
        TFAnlageDaten d(*u.lauf);
        QCOMPARE(d.windowTitle(), QStringLiteral("Kompost Steuerung Kontroll- Center"));
        QCOMPARE(d.Ueberschrift->text(), QStringLiteral("Anlage benennen"));
        // The internal number, also with the address block.
        QCOMPARE(d.AnlNr->text(), QStringLiteral("1"));
        QCOMPARE(d.Edit1->text(), QStringLiteral("Halle3"));
        QCOMPARE(d.Edit2->text(), QStringLiteral("alt"));
        QCOMPARE(d.DirLabel->text(), u.ordner);
        QCOMPARE(d.Arbeitsordner(), u.ordner);
        QVERIFY(!d.OrdnerGeaendert());
        QCOMPARE(d.CheckGeschlossen->text(), QStringLiteral("Geschlossene Anlage"));
        QVERIFY(!d.CheckGeschlossen->isChecked());
        u.a().Geschlossen = true;
        TFAnlageDaten e(*u.lauf);
        QVERIFY(e.CheckGeschlossen->isChecked());
    }

    // Typed characters outside A-Z, a-z, 0-9, "-" and "_" are swallowed;
    // the field stops at 20; pasted text is cleaned the same way.
    void namensFilter_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("blank") << "Halle 3"
                               << "Halle3";
        QTest::newRow("umlaut") << "Grüngut"
                                << "Grngut";
        QTest::newRow("signs") << "a.b/c\\d;e-f_g"
                               << "abcde-f_g";
        QTest::newRow("21 characters") << "ABCDEFGHIJKLMNOPQRSTU"
                                       << "ABCDEFGHIJKLMNOPQRST";
    }
    void namensFilter() {
        QFETCH(QString, getippt);
        QFETCH(QString, ergebnis);
        TDatenUmgebung u;
        TFAnlageDaten d(*u.lauf);
        d.Edit1->clear();
        Tippe(d.Edit1, getippt);
        QCOMPARE(d.Edit1->text(), ergebnis);
        // Backspace is taken.
        QTest::keyClick(d.Edit1, Qt::Key_Backspace);
        QCOMPARE(d.Edit1->text(), ergebnis.chopped(1));
        // Pasted text as typed.
        d.Edit1->clear();
        d.Edit1->insert(QStringLiteral("x"));
        emit d.Edit1->textEdited(QStringLiteral("Halle 3ü"));
        QCOMPARE(d.Edit1->text(), QStringLiteral("Halle3"));
        QVERIFY(TFAnlageDaten::Edit1KeyPress(QLatin1Char('\b')));
        QVERIFY(!TFAnlageDaten::Edit1KeyPress(QChar(0x00e4)));
    }

    // The demo's plants carry names the name field takes as they stand, so
    // that a pile started there keeps its name.
    void demoNamen() {
        QFile f(QStringLiteral(KOMPOST_QUELLEN "/tools/demo.sh"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString skript = QString::fromUtf8(f.readAll()).replace(QStringLiteral("\\\n"), QString());
        const QRegularExpressionMatch schleife =
            QRegularExpression(QStringLiteral("for name in ([^;]*); do")).match(skript);
        QVERIFY(schleife.hasMatch());
        QStringList namen;
        for (auto it = QRegularExpression(QStringLiteral("\"([^\"]*)\"")).globalMatch(schleife.captured(1));
             it.hasNext();)
            namen.append(it.next().captured(1));
        QCOMPARE(namen.size(), 8);
        for (const QString &name : namen) {
            QVERIFY2(!name.isEmpty() && name.size() <= TFAnlageDaten::MaxNamenLaenge, qPrintable(name));
            for (const QChar c : name)
                QVERIFY2(TFAnlageDaten::Edit1KeyPress(c), qPrintable(name));
        }
    }

    // While typing, the hint under the name says which characters were not
    // taken, and the data file name the pile will get follows the name; the
    // next character that is taken brings the plain hint back.
    void namensHinweis() {
        TDatenUmgebung u;
        TFAnlageDaten d(*u.lauf);
        const QString regel = d.NameHinweis->text();
        QVERIFY2(regel.contains(QStringLiteral("A–Z, a–z, 0–9")) && regel.contains(QStringLiteral("20")),
                 qPrintable(regel));
        QCOMPARE(d.DateiName->text(), QStringLiteral("Halle3_19-06-1992.CSV"));
        d.Edit1->clear();
        Tippe(d.Edit1, QStringLiteral("Grü"));
        QCOMPARE(d.Edit1->text(), QStringLiteral("Gr"));
        QCOMPARE(d.NameHinweis->text(),
                 QStringLiteral("Nicht übernommen: „ü“. Erlaubt sind A–Z, a–z, 0–9, „_“ und „-“."));
        QCOMPARE(d.DateiName->text(), QStringLiteral("Gr_19-06-1992.CSV"));
        Tippe(d.Edit1, QStringLiteral("ngut"));
        QCOMPARE(d.NameHinweis->text(), regel);
        QCOMPARE(d.DateiName->text(), QStringLiteral("Grngut_19-06-1992.CSV"));
        Tippe(d.Edit1, QStringLiteral(" "));
        QCOMPARE(d.NameHinweis->text(),
                 QStringLiteral("Nicht übernommen: Leerzeichen. Erlaubt sind A–Z, a–z, 0–9, „_“ und „-“."));
        // pasted: every refused character once
        emit d.Edit1->textEdited(QStringLiteral("Grüngut Halle 3 ü"));
        QCOMPARE(d.Edit1->text(), QStringLiteral("GrngutHalle3"));
        QCOMPARE(d.NameHinweis->text(),
                 QStringLiteral("Nicht übernommen: „ü“, Leerzeichen. Erlaubt sind A–Z, "
                                "a–z, 0–9, „_“ und „-“."));
        QCOMPARE(d.DateiName->text(), QStringLiteral("GrngutHalle3_19-06-1992.CSV"));
        // the message is read whole, however many lines it takes
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        emit d.Edit1->textEdited(QStringLiteral("Grüngut Halle 3 ü.,;:#+*~öäßÖÄÜ"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QTRY_VERIFY(d.NameHinweis->height() >= d.NameHinweis->heightForWidth(d.NameHinweis->width()));
        QVERIFY(d.rect().contains(d.NameHinweis->geometry()));
        // an emptied name: OK would keep the stored one, and so its file
        d.Edit1->clear();
        QCOMPARE(d.DateiName->text(), QStringLiteral("Halle3_19-06-1992.CSV"));
        // and the file OK then gives the pile is the one shown; a pile of
        // that name began today already, so the new one gets a file of its own
        {
            QFile frueher(u.ordner + QStringLiteral("Miete-7_19-06-1992.CSV"));
            QVERIFY(frueher.open(QIODevice::WriteOnly));
        }
        Tippe(d.Edit1, QStringLiteral("Miete-7"));
        const QString gezeigt = d.DateiName->text();
        QCOMPARE(gezeigt, QStringLiteral("Miete-7_19-06-1992_2.CSV"));
        d.OKBtnClick();
        QCOMPARE(u.a().Datei, u.ordner + gezeigt);
    }

    // The data file name shown follows the chosen folder: where a pile of
    // that name began today already, the new one gets a file of its own.
    void dateiNameFolgtOrdner() {
        TDatenUmgebung u;
        {
            QFile frueher(u.ordner + QStringLiteral("Halle3_19-06-1992.CSV"));
            QVERIFY(frueher.open(QIODevice::WriteOnly));
        }
        const QString andererOrdner = u.heim.filePath(QStringLiteral("anders"));
        QVERIFY(QDir().mkpath(andererOrdner));
        TFAnlageDaten d(*u.lauf);
        QCOMPARE(d.DateiName->text(), QStringLiteral("Halle3_19-06-1992_2.CSV"));
        d.OrdnerWaehlen = [&](const QString &) { return andererOrdner; };
        d.PfadButton1Click();
        QCOMPARE(d.DateiName->text(), QStringLiteral("Halle3_19-06-1992.CSV"));
        d.OKBtnClick();
        QCOMPARE(u.a().Datei,
                 QDir::toNativeSeparators(andererOrdner) + QDir::separator() + d.DateiName->text());
    }

    // What OK stores, step by step.
    void ok_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("komm");
        QTest::addColumn<bool>("geschlossen"); // "Geschlossene Anlage" ticked
        QTest::addColumn<bool>("neuerOrdner");
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<bool>("neueDatei");
        QTest::addColumn<bool>("bleibtOffen");
        QTest::newRow("no edit") << "Halle3"
                                 << "alt" << false << false << false << false << false;
        QTest::newRow("only the comment") << "Halle3"
                                          << "neu" << false << false << true << false << false;
        QTest::newRow("only the plant type") << "Halle3"
                                             << "alt" << true << false << true << false << false;
        QTest::newRow("name") << "Halle4"
                              << "alt" << false << false << true << true << false;
        QTest::newRow("folder") << "Halle3"
                                << "alt" << false << true << true << true << false;
        QTest::newRow("name emptied") << ""
                                      << "alt" << false << false << false << false << true;
        QTest::newRow("name emptied, comment") << ""
                                               << "neu" << false << false << true << false << true;
    }
    void ok() {
        QFETCH(QString, name);
        QFETCH(QString, komm);
        QFETCH(bool, geschlossen);
        QFETCH(bool, neuerOrdner);
        QFETCH(bool, gespeichert);
        QFETCH(bool, neueDatei);
        QFETCH(bool, bleibtOffen);
        TDatenUmgebung u;
        const QString andererOrdner = u.heim.filePath(QStringLiteral("anders"));
        QVERIFY(QDir().mkpath(andererOrdner));
        TFAnlageDaten d(*u.lauf);
        d.OrdnerWaehlen = [&](const QString &) { return andererOrdner; };
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.Edit1->setText(name);
        d.Edit2->setText(komm);
        if (geschlossen)
            QTest::mouseClick(d.CheckGeschlossen, Qt::LeftButton, {},
                              QPoint(4, d.CheckGeschlossen->height() / 2));
        QCOMPARE(d.CheckGeschlossen->isChecked(), geschlossen);
        if (neuerOrdner)
            d.PfadButton1Click();
        QSignalSpy angenommen(&d, &QDialog::accepted);
        d.OKBtnClick();
        QCOMPARE(angenommen.count(), bleibtOffen ? 0 : 1);
        QCOMPARE(d.isVisible(), bleibtOffen);
        // An emptied name comes back.
        QCOMPARE(d.Edit1->text(), name.isEmpty() ? QStringLiteral("Halle3") : name);

        const tAnlageParameter &a = u.a();
        const QByteArray ini = u.ini();
        QCOMPARE(!ini.isEmpty(), gespeichert);
        if (!gespeichert) {
            QCOMPARE(a.Komm, QStringLiteral("alt"));
            QCOMPARE(a.Anzahl, 17);
            QVERIFY(!a.Geschlossen);
            return;
        }
        QCOMPARE(a.Name, name.isEmpty() ? QStringLiteral("Halle3") : name);
        QCOMPARE(a.Komm, komm);
        QCOMPARE(a.Geschlossen, geschlossen);
        QVERIFY(ini.contains(geschlossen ? "Geschlossen=1" : "Geschlossen=0"));
        // read back as the next learning pass reads it
        TZustand neu;
        LeseAnlage(neu, u.lauf->Ini, 1);
        QCOMPARE(neu.Anlagen[1].Geschlossen, geschlossen);
        QVERIFY(ini.contains("Komm=" + komm.toLatin1()));
        QVERIFY(ini.contains("Name=" + a.Name.toLatin1()));
        if (neueDatei) {
            const QString pfad =
                neuerOrdner ? QDir::toNativeSeparators(andererOrdner) + QDir::separator() : u.ordner;
            QCOMPARE(a.Pfad, pfad);
            QCOMPARE(a.Datei, pfad + a.Name + QStringLiteral("_19-06-1992.CSV"));
            QCOMPARE(a.Anzahl, 0);
            QVERIFY(ini.contains("Anzahl=0"));
        } else {
            QCOMPARE(a.Datei, u.ordner + QStringLiteral("Halle3_01-06-1992.CSV"));
            QCOMPARE(a.Anzahl, 17);
            QVERIFY(!ini.contains("Datei="));
        }
    }

    // The folder button: the same folder again is no change; cancelled is
    // no change; another one is shown and counts.
    void ordnerWahl() {
        TDatenUmgebung u;
        TFAnlageDaten d(*u.lauf);
        QStringList antworten{u.ordner.chopped(1), QString(), u.heim.path()};
        QStringList gefragt;
        d.OrdnerWaehlen = [&](const QString &o) {
            gefragt.append(o);
            return antworten.takeFirst();
        };
        d.PfadButton1Click();
        d.PfadButton1Click();
        QVERIFY(!d.OrdnerGeaendert());
        QCOMPARE(d.DirLabel->text(), u.ordner);
        d.PfadButton1Click();
        QVERIFY(d.OrdnerGeaendert());
        const QString neu = QDir::toNativeSeparators(u.heim.path()) + QDir::separator();
        QCOMPARE(d.DirLabel->text(), neu);
        QCOMPARE(d.Arbeitsordner(), neu);
        QCOMPARE(gefragt.first(), u.ordner);
    }

    // A folder whose name the configuration file cannot hold ("Łódź" is not
    // Windows-1252) is refused with a message; the previous folder stays and
    // OK stores nothing of it.
    void ordnerNichtDarstellbar() {
        TDatenUmgebung u;
        const QString lodz = u.heim.filePath(QStringLiteral("Łódź"));
        QVERIFY(QDir().mkpath(lodz));
        TFAnlageDaten d(*u.lauf);
        d.OrdnerWaehlen = [&](const QString &) { return lodz; };
        d.PfadButton1Click();
        QCOMPARE(u.dialoge.Meldungen().size(), 1);
        QVERIFY2(u.dialoge.Meldungen().at(0).contains(QStringLiteral("(Łź)")),
                 qPrintable(u.dialoge.Meldungen().at(0)));
        QVERIFY(!d.OrdnerGeaendert());
        QCOMPARE(d.DirLabel->text(), u.ordner);
        d.OKBtnClick();
        QCOMPARE(u.a().Pfad, u.ordner);
        QVERIFY(!u.ini().contains("Pfad="));
    }

    // A stored folder that does not exist: the message, the home folder as
    // working folder, the label unchanged, and OK without edits stores nothing.
    void fehlenderVorgabepfad() {
        TDatenUmgebung u;
        u.a().Pfad = u.heim.filePath(QStringLiteral("gibtsnicht/"));
        TFAnlageDaten d(*u.lauf);
        d.FormActivate();
        QCOMPARE(
            u.dialoge.Meldungen(),
            QStringList{QStringLiteral("Vorgabepfad für Speicherdatei existiert nicht, setze neuen Pfad..")});
        QCOMPARE(d.Arbeitsordner(), HeimordnerMitTrenner(u.lauf->Zustand));
        QCOMPARE(d.DirLabel->text(), u.a().Pfad);
        QVERIFY(!d.OrdnerGeaendert());
        // Once replaced, no further message.
        d.FormActivate();
        QCOMPARE(u.dialoge.Meldungen().size(), 1);
        d.OKBtnClick();
        QVERIFY(u.ini().isEmpty());
        // Shown, the dialog checks by itself.
        TDatenUmgebung v;
        v.a().Pfad = v.heim.filePath(QStringLiteral("weg/"));
        TFAnlageDaten e(*v.lauf);
        e.show();
        QTRY_COMPARE(v.dialoge.Meldungen().size(), 1);
    }

    // Abbruch stores nothing and is no OK.
    void abbruch() {
        TDatenUmgebung u;
        TFAnlageDaten d(*u.lauf);
        d.Edit1->setText(QStringLiteral("Neu"));
        QTimer::singleShot(0, d.AbbruchBtn, &QPushButton::click);
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QCOMPARE(u.a().Name, QStringLiteral("Halle3"));
        QVERIFY(u.ini().isEmpty());
    }

    // --- folder dialog ----------------------------------------------------

    void pfadsetzen() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("a/b")));
        TFPfadsetzen d(tmp.filePath(QStringLiteral("a")));
        QCOMPARE(d.windowTitle(), QStringLiteral("Kompost Steuerung Kontroll- Center"));
        const QStringList zeilen = d.Label1->text().split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 5);
        QCOMPARE(zeilen.at(0),
                 QStringLiteral("Pfad einstellen, in dem die Messdaten aus der Anlage gespeichert "));
        QCOMPARE(zeilen.at(2), QStringLiteral("Endung \".CSV\" gespeichert."));
        QCOMPARE(zeilen.at(4), QStringLiteral("EXCEL,  möglich"));
        QCOMPARE(d.Ordner(), QDir::toNativeSeparators(tmp.filePath(QStringLiteral("a"))));
        QCOMPARE(d.DirLabel->text(), d.Ordner());
        d.SetzeOrdner(tmp.filePath(QStringLiteral("a/b")));
        QCOMPARE(d.Ordner(), QDir::toNativeSeparators(tmp.filePath(QStringLiteral("a/b"))));
        QCOMPARE(d.DirLabel->text(), d.Ordner());
        QCOMPARE(d.OKBtn->text(), QStringLiteral("OK"));
        QCOMPARE(d.AbbruchBtn->text(), QStringLiteral("Abbruch"));
        // Shown, the list brings the selected folder into view once it is read.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTreeView *liste = d.DirectoryListBox1;
        QTRY_VERIFY_WITH_TIMEOUT(liste->viewport()->rect().contains(liste->visualRect(liste->currentIndex())),
                                 5000);
        QCOMPARE(liste->currentIndex().data().toString(), QStringLiteral("b"));
        // One root, no drive choice.
        QCOMPARE(d.DriveComboBox1->isVisibleTo(&d), QDir::drives().size() > 1);
    }

    // --- clock dialog -----------------------------------------------------

    // From plant 1 to plant 2, then "Datum/ Zeit neu Setzen": plant 2's clock
    // is set and read back; AktAnlage stays 1.
    void uhrAndereAnlage() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.netz(3));
        QVERIFY(u.starte());
        u.fMain->StopTimer();
        TZustand &z = u.z();
        z.Jetzt = [] { return QDateTime(QDate(2009, 12, 31), QTime(8, 4, 5)); };
        z.AktAnlage = 1;
        u.sim.LoescheRahmen();

        TFAnlDatumSetup d(*u.lauf);
        QCOMPARE(d.windowTitle(), QStringLiteral("Mess- Steuerung Setup"));
        QCOMPARE(d.Anlage(), 1);
        QCOMPARE(d.TabControl1->count(), 3);
        QCOMPARE(d.TabControl1->currentIndex(), 0);
        QVERIFY(z.UhrText.startsWith(QStringLiteral("T Datum ")));
        QCOMPARE(d.Edit1->text(), TFAnlDatumSetup::UhrAnzeige(z.UhrText, z.Gebietsschema));
        QVERIFY(d.Edit1->text().startsWith(QStringLiteral("Datum ")));
        QCOMPARE(OhnePoll(u.rahmen()), QStringList{QStringLiteral("16")});

        d.TabControl1->setCurrentIndex(1);
        QCOMPARE(d.Anlage(), 2);
        QVERIFY(d.SetBtn->isEnabled());
        u.sim.LoescheRahmen();
        d.SetBtnClick();
        QCOMPARE(OhnePoll(u.rahmen()), QStringList({"2D", "2Z", "26"}));
        QCOMPARE(u.sim.Anlage(2).Uhr().date(), QDate(2009, 12, 31));
        QVERIFY2(d.Edit1->text().startsWith(QStringLiteral("Datum 31.12.2009  Zeit 08:0")),
                 qPrintable(d.Edit1->text()));
        QCOMPARE(z.AktAnlage, quint16(1));
        // confirmed with what was set
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::Information);
        QCOMPARE(u.dialoge.Protokoll.at(0).text,
                 QStringLiteral("Datum und Uhrzeit der Anlage 2 gesetzt: 31.12.2009 08:04:05"));
        QVERIFY(d.Hinweis->isHidden());

        // Plant 3 is not connected: no request, the text emptied, no setting.
        u.sim.LoescheRahmen();
        d.TabControl1->setCurrentIndex(2);
        QCOMPARE(d.MieteName->text(), QStringLiteral("KEINE ANLAGE ANGESCHLOSSEN!!"));
        QVERIFY(d.Edit1->text().isEmpty());
        QVERIFY(!d.SetBtn->isEnabled());
        QVERIFY(OhnePoll(u.rahmen()).isEmpty());
        QCOMPARE(z.AktAnlage, quint16(1));
    }

    // The controller's clock text in the operator's language and date
    // format; a text of another form is shown as it came.
    void uhrAnzeige_data() {
        QTest::addColumn<QString>("roh");
        QTest::addColumn<QLocale>("ort");
        QTest::addColumn<QString>("angezeigt");
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("de") << QStringLiteral("T Datum 31.12.09 Zeit 08:04:05") << de
                            << QStringLiteral("Datum 31.12.2009  Zeit 08:04:05");
        QTest::newRow("britisches Datum") << QStringLiteral("T Datum 09.05.07 Zeit 07:05:09")
                                          << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                          << QStringLiteral("Datum 09/05/2007  Zeit 07:05:09");
        QTest::newRow("anderer Aufbau")
            << QStringLiteral("T 31.12.09 08:04:05 Uhr") << de << QStringLiteral("T 31.12.09 08:04:05 Uhr");
        QTest::newRow("kein Datum") << QStringLiteral("T Datum 31.02.09 Zeit 08:04:05") << de
                                    << QStringLiteral("T Datum 31.02.09 Zeit 08:04:05");
    }
    void uhrAnzeige() {
        QFETCH(QString, roh);
        QFETCH(QLocale, ort);
        QFETCH(QString, angezeigt);
        QCOMPARE(TFAnlDatumSetup::UhrAnzeige(roh, ort), angezeigt);
    }

    // Switched to English and French while open: the clock's words follow.
    void uhrInSprache() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        u.fMain->StopTimer();
        TFAnlDatumSetup d(*u.lauf);
        QVERIFY(d.Edit1->text().startsWith(QStringLiteral("Datum ")));
        for (const auto &[sprache, anfang, zeit] :
             {std::tuple<QString, QString, QString>{QStringLiteral("en"), QStringLiteral("Date "),
                                                    QStringLiteral("  Time ")},
              {QStringLiteral("fr"), QStringLiteral("Date "), QStringLiteral("  Heure ")},
              {QStringLiteral("de"), QStringLiteral("Datum "), QStringLiteral("  Zeit ")}}) {
            QVERIFY(u.lauf->Sprache.Setze(sprache, false));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QVERIFY2(d.Edit1->text().startsWith(anfang) && d.Edit1->text().contains(zeit),
                     qPrintable(d.Edit1->text()));
            QVERIFY(!d.Edit1->text().startsWith(QStringLiteral("T ")));
        }
    }

    // A controller that does not answer the clock request: the text is
    // emptied, and the dialog says that the controller does not answer; a
    // setting then is not confirmed but reported as unknown, with a warning.
    void uhrOhneAntwort() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1});
        QVERIFY(u.netz(1));
        QVERIFY(u.starte());
        u.fMain->StopTimer();
        u.sim.Stoerung(1).Ignoriert = "6";
        u.sim.LoescheRahmen();
        TFAnlDatumSetup d(*u.lauf);
        QVERIFY(d.Edit1->text().isEmpty());
        QVERIFY(d.SetBtn->isEnabled());
        QVERIFY(!d.Hinweis->isHidden());
        QCOMPARE(d.Hinweis->text(), QStringLiteral("Die Steuerung antwortet nicht."));
        QVERIFY(u.dialoge.Meldungen().isEmpty());
        QCOMPARE(OhnePoll(u.rahmen()), QStringList({"16", "16"}));

        u.z().OptAdressen33 = true;
        d.SetBtnClick();
        QCOMPARE(u.dialoge.Protokoll.size(), 1);
        QCOMPARE(u.dialoge.Protokoll.at(0).art, TSkriptDialoge::Art::Warnung);
        QVERIFY2(u.dialoge.Protokoll.at(0).text.startsWith(
                     QStringLiteral("Die Steuerung der Anlage 33 antwortet nicht: ob Datum und Uhrzeit "
                                    "gesetzt wurden, ist nicht bekannt.\n")),
                 qPrintable(u.dialoge.Protokoll.at(0).text));
        QVERIFY(!d.Hinweis->isHidden());
    }

    // With the poll on, the clock request of a slow controller waits for its
    // reply: no poll goes out meanwhile, and the clock text arrives.
    void pollSchweigtWaehrendUhr() {
        TShellUmgebung u;
        u.sim.SetAnlagen({1, 2});
        QVERIFY(u.netz(2));
        QVERIFY(u.starte());
        TZustand &z = u.z();
        z.TimeoutMittel = 3000;
        z.AktAnlage = 2;
        QVERIFY(u.fMain->Lauf().Komm.Abfrage.TimerLaeuft());
        QTest::qWait(600);
        u.sim.Stoerung(2).VerzoegerungMs = 1400;
        QStringList folge;
        QObject::connect(&u.sim, &KompostSim::TSimulator::RahmenEmpfangen, &u.sim,
                         [&](const KompostSim::TSimRahmen &r) {
                             folge.append(QStringLiteral("R") + QChar::fromLatin1(r.Befehl));
                         });
        QObject::connect(&u.sim, &KompostSim::TSimulator::AntwortGesendet, &u.sim,
                         [&](int, const QByteArray &antwort) {
                             folge.append(QStringLiteral("A") + QChar::fromLatin1(antwort.at(0)));
                         });
        TFAnlDatumSetup d(*u.lauf);
        QVERIFY(d.Edit1->text().startsWith(QStringLiteral("Datum ")));
        const qsizetype von = folge.indexOf(QStringLiteral("R6"));
        const qsizetype bis = folge.indexOf(QStringLiteral("AT"));
        QVERIFY2(von >= 0 && bis > von, qPrintable(folge.join(QLatin1Char(' '))));
        QVERIFY2(!folge.mid(von, bis - von).contains(QStringLiteral("Rc")),
                 qPrintable(folge.join(QLatin1Char(' '))));
        // The poll goes on afterwards.
        QTRY_VERIFY_WITH_TIMEOUT(folge.lastIndexOf(QStringLiteral("Rc")) > bis, 3000);
        u.fMain->StopTimer();
    }

    // With KOMPOST_BILDER=<folder> set: pictures of the three dialogs with 32
    // plants numbered from 33, for a look at them.
    void bilder() {
        const QString ordner = qEnvironmentVariable("KOMPOST_BILDER");
        if (ordner.isEmpty())
            QSKIP("KOMPOST_BILDER not set");
        TDatenUmgebung u;
        TZustand &z = u.lauf->Zustand;
        z.AnlagenAnzahl = 32;
        z.OptAdressen33 = true;
        u.a().Eingeschaltet = 1;
        TFAnlageDaten daten(*u.lauf);
        daten.Edit2->setText(QStringLiteral("Grüngut, Mischung B"));
        daten.show();
        QVERIFY(QTest::qWaitForWindowExposed(&daten));
        QVERIFY(daten.grab().save(ordner + QStringLiteral("/anlagedaten.png")));
        // with a character just refused
        Tippe(daten.Edit1, QStringLiteral(" ü"));
        QVERIFY(daten.grab().save(ordner + QStringLiteral("/anlagedaten_abgelehnt.png")));
        TFPfadsetzen pfad(u.ordner);
        pfad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pfad));
        QTest::qWait(1500);
        QVERIFY(pfad.grab().save(ordner + QStringLiteral("/pfadsetzen.png")));
        u.a().Angeschlossen = 0; // no controller behind this run: nothing is asked
        z.AktAnlage = 1;
        TFAnlDatumSetup uhr(*u.lauf);
        u.a().Angeschlossen = 1;
        uhr.MieteName->setText(u.a().Name);
        uhr.SetBtn->setEnabled(true);
        uhr.Edit1->setText(QStringLiteral("T 10.12.26 13:45:07 Do        "));
        uhr.show();
        QVERIFY(QTest::qWaitForWindowExposed(&uhr));
        QVERIFY(uhr.grab().save(ordner + QStringLiteral("/uhr.png")));
    }
};

QTEST_MAIN(TestAnlagenDialoge)
#include "tst_anlagenDialoge.moc"
