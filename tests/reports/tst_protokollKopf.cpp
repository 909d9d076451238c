// The company-data dialog: defaults on a fresh installation, OK writing only
// the lines the operator changed, "Ignorieren", the sample protocol with the
// typed lines (read back from its PDF), and "&Firmendaten" in the main window.
#include "BerichtPruefung.h"
#include "reports/UProtokollKopf.h"
#include "reports/UQRKompForm.h"
#include "shell/KompUtils.h"
#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UBerichtAusgabe.h"
#include "toolkit/UDiagrammAnzeige.h"
#include "toolkit/UDialoge.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace BerichtPruefung;

class TestProtokollKopf : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_heim;
    std::unique_ptr<TSkriptDialoge> m_dialoge;
    std::unique_ptr<TLauf> m_lauf;

    QString ini() const { return m_heim->filePath(QStringLiteral("O2_Tarvos.ini")); }
    QByteArray iniInhalt() const {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    // Opens the dialog, lets teste look at it, and ends it with the result.
    void mitDialog(const std::function<void(TFProtokKopf &)> &teste) {
        TFProtokKopf d(*m_lauf);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        teste(d);
    }

private slots:
    void init() {
        m_heim = std::make_unique<QTemporaryDir>();
        m_dialoge = std::make_unique<TSkriptDialoge>();
        m_lauf = std::make_unique<TLauf>(m_heim->path(), *m_dialoge);
    }
    void cleanup() {
        m_lauf.reset();
        m_dialoge.reset();
        m_heim.reset();
    }

    // A fresh installation shows the defaults; a new data file starts with them.
    void frischeInstallation() {
        mitDialog([&](TFProtokKopf &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Kompost Steuerung Kontroll- Center"));
            QCOMPARE(d.Edit1->text(), QStringLiteral("Firmen- Name"));
            QCOMPARE(d.Edit2->text(), QStringLiteral("* Text *"));
            QCOMPARE(d.Edit3->text(), QStringLiteral("* Text *"));
            QCOMPARE(d.size(), QSize(479, 233));
            if (!qEnvironmentVariableIsEmpty("KOMPOST_BERICHTE"))
                d.grab().save(ablage(QString(), QStringLiteral("firmendaten.png")));
            QCOMPARE(d.focusWidget(), d.CancelBtn);
            QVERIFY(d.OKBtn->isDefault());
            QCOMPARE(d.CancelBtn->text(), QStringLiteral("Ignorieren"));
            QCOMPARE(d.Button1->text(), QStringLiteral("Druck-Vorschau"));
            QVERIFY(d.Label1->text().startsWith(
                QStringLiteral("Die hier eingegebenen Daten werden in dem Ausdruck der Protokollwerte \n")));
        });
        tAnlageParameter &a = m_lauf->Zustand.Anlagen[1];
        a.Name = QStringLiteral("Miete 1");
        a.Pfad = m_heim->path();
        QVERIFY(m_lauf->Daten.OpenDataFile(1));
        QVERIFY(m_lauf->Daten.CloseDataFile(1));
        QFile f(a.Datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("Firmen- Name\r\n* Text *\r\n* Text *\r\n"));
    }

    // OK without an edit writes nothing; editing only the second line writes only "Zeile2".
    void okSchreibtNurGeaenderte() {
        QVERIFY(m_lauf->Ini.WriteString(QStringLiteral("Firma"), QStringLiteral("Titel"),
                                        QStringLiteral("Kompostwerk Nord")));
        const QByteArray vorher = iniInhalt();
        mitDialog([&](TFProtokKopf &d) {
            QCOMPARE(d.Edit1->text(), QStringLiteral("Kompostwerk Nord"));
            d.OKBtn->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        QCOMPARE(iniInhalt(), vorher);

        mitDialog([&](TFProtokKopf &d) {
            d.Edit2->selectAll();
            QTest::keyClicks(d.Edit2, QStringLiteral("Hauptstraße 5"));
            d.OKBtn->click();
        });
        const QByteArray nachher = iniInhalt();
        QVERIFY(nachher.contains("Titel=Kompostwerk Nord\r\n"));
        QVERIFY(nachher.contains("Zeile2=Hauptstra\xDF"
                                 "e 5\r\n"));
        QVERIFY(!nachher.contains("Zeile3"));
        QVERIFY(!nachher.contains("Firmen- Name"));
    }

    // "Ignorieren" and Esc close without writing.
    void ignorieren() {
        for (bool esc : {false, true}) {
            mitDialog([&](TFProtokKopf &d) {
                d.Edit1->setText(QStringLiteral("Neu"));
                d.Edit1->setModified(true);
                if (esc)
                    QTest::keyClick(&d, Qt::Key_Escape);
                else
                    d.CancelBtn->click();
                QCOMPARE(d.result(), TFProtokKopf::Ignorieren);
                QVERIFY(!d.isVisible());
            });
        }
        QVERIFY(!QFile::exists(ini()));
    }

    // The sample shows the typed, unsaved lines and 20 rows of a believable
    // pile of the current plant, every value in the program's own formats
    // (dates and decimal comma of the locale, whole degrees); nothing is written.
    void musterprotokoll() {
        TZustand &z = m_lauf->Zustand;
        z.Jetzt = [] { return QDateTime(QDate(2024, 12, 9), QTime(14, 35)); };
        z.Gebietsschema = QLocale(QLocale::German, QLocale::Germany);
        z.AktAnlage = 2;
        z.Anlagen[2].Name = QStringLiteral("Grüngut Halle 3");
        z.Anlagen[2].Komm = QStringLiteral("Strauchschnitt, 2. Umsetzen");
        z.Anlagen[2].Pfad = QStringLiteral("/daten/kompost/");
        KompUtils::BildeRefText(z);
        const QString pdf = ablage(m_heim->path(), QStringLiteral("muster.pdf"));
        mitDialog([&](TFProtokKopf &d) {
            d.Edit1->setText(QStringLiteral("Kompostwerk Süd GmbH"));
            d.Edit1->setModified(true);
            d.Edit3->setText(QStringLiteral("Telefon 0123/4567"));
            bool gezeigt = false;
            d.ZeigeBericht = [&](TBericht &b) {
                gezeigt = true;
                QVERIFY(!d.Button1->isEnabled());
                auto *form = dynamic_cast<TFQRKompForm *>(&b);
                QVERIFY(form);
                // 20 rows, the chart on a page of its own
                QCOMPARE(BerichtAusgabe::AlsPdf(b, pdf), 2);
                QCOMPARE(form->QRChart1->Diagramm().Serien().size(), 7);
                // a second run (as a preview may do) gives the same rows
                QCOMPARE(b.Planen().size(), size_t(2));
            };
            d.Button1->click();
            QVERIFY(gezeigt);
            QVERIFY(d.Button1->isEnabled());
            // the typed text stays after the preview
            QCOMPARE(d.Edit1->text(), QStringLiteral("Kompostwerk Süd GmbH"));
        });
        QVERIFY(!QFile::exists(ini()));
        QVERIFY(m_dialoge->Meldungen().isEmpty());

        const QString text = pdfText(pdf);
        for (const char *t : {"Humaro Messprotokoll", "Kompostwerk Süd GmbH", "* Text *", "Telefon 0123/4567",
                              "Anlagen- Name :", "Grüngut Halle 3", "Datei- Name :",
                              "/daten/kompost/Gr-ngut-Halle-3_19-11-2024.CSV", "Strauchschnitt, 2. Umsetzen",
                              "Erste Datensicherung : 19.11.2024", "T5[°C]", "T1[°C]",
                              "Temperatur an Messtelle", "s 55°C[cm]", "Druckdatum/-zeit :", "Seitennr. :"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
        // nothing of the placeholders of old
        for (const char *t : {"Anlagen- Name:", "DateiName", "K1", "K2", "1999", "52.0", "19.6"})
            QVERIFY2(!text.contains(QString::fromUtf8(t)), t);
        const QStringList zeilen = text.split(QLatin1Char('\n'));
        QStringList reihen;
        for (const QString &z : zeilen)
            if (z.contains(QStringLiteral("12:00")))
                reihen.append(z.simplified());
        QCOMPARE(reihen.size(), 20);
        QCOMPARE(reihen.first(), QStringLiteral("1 19.11.2024 12:00 38 36 33 27 18 17,8 310 51 100"));
        QCOMPARE(reihen.at(6), QStringLiteral("7 25.11.2024 12:00 69 67 64 58 49 16,4 244 40 16"));
        QCOMPARE(reihen.last(), QStringLiteral("20 08.12.2024 12:00 57 55 52 46 37 18,3 152 25 75"));
        // the page number beside its caption
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Seitennr\\. :\\s+1\\b"))));
    }

    // "&Firmendaten" opens the dialog once the program has registered it; the
    // run's guard is held while it is open.
    void hauptmenue() {
        TFMain fMain(*m_lauf);
        QVERIFY(!fMain.FirmendatenItem->isEnabled());
        fMain.SetzeOeffner(TFMain::Fenster::Firmendaten, ZeigeFirmendaten);
        QVERIFY(fMain.FirmendatenItem->isEnabled());
        bool offen = false;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<TFProtokKopf *>(QApplication::activeModalWidget());
            QVERIFY(d);
            offen = true;
            QVERIFY(m_lauf->Sperre.Belegt());
            d->CancelBtn->click();
        });
        fMain.FirmendatenItem->trigger();
        QVERIFY(offen);
        QVERIFY(!m_lauf->Sperre.Belegt());
    }
};

QTEST_MAIN(TestProtokollKopf)
#include "tst_protokollKopf.moc"
