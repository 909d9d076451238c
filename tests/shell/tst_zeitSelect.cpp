// The storage-time dialog: the button of the current hour is down when it
// opens; OK writes "ZEIT" only when the hour changed, keeps the hour with no
// button down; "Abbruch" writes nothing.
#include "ShellUmgebung.h"
#include "shell/UZeitSelect.h"
#include "toolkit/USchalterFeld.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class TestZeitSelect : public QObject {
    Q_OBJECT

private slots:
    void knoepfe() {
        TShellUmgebung u;
        u.baue();
        TFZeitSelect d(*u.lauf);
        QCOMPARE(d.windowTitle(), QStringLiteral("Speicherzeit auswählen"));
        QCOMPARE(d.ZeitFeld->anzahl(), 25);
        QCOMPARE(d.Schalter(1)->text(), QStringLiteral("AUS"));
        QCOMPARE(d.Schalter(2)->text(), QStringLiteral(" 1h"));
        QCOMPARE(d.Schalter(10)->text(), QStringLiteral(" 9h"));
        QCOMPARE(d.Schalter(11)->text(), QStringLiteral("10h"));
        QCOMPARE(d.Schalter(25)->text(), QStringLiteral("24h"));
        QCOMPARE(d.GedrueckterSchalter(), 1); // no hour set: "AUS"
        QVERIFY(d.OKButton->isDefault());
    }

    void knoepfeUebersetzt() {
        // The hour captions go through the translation like every other text.
        struct TMarkierer : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *quelle, const char *, int) const override {
                return QLatin1Char('[') + QString::fromUtf8(quelle) + QLatin1Char(']');
            }
        } markierer;
        QCoreApplication::installTranslator(&markierer);
        TShellUmgebung u;
        u.baue();
        TFZeitSelect d(*u.lauf);
        QCoreApplication::removeTranslator(&markierer);
        QCOMPARE(d.Schalter(1)->text(), QStringLiteral("[AUS]"));
        QCOMPARE(d.Schalter(2)->text(), QStringLiteral("[ 1h]"));
        QCOMPARE(d.Schalter(25)->text(), QStringLiteral("[24h]"));
    }

    void ok_data() {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("klick"); // button clicked, 0: none
        QTest::addColumn<int>("nachher");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("gleiche Stunde") << 6 << 0 << 6 << false;
        QTest::newRow("6 auf 18") << 6 << 19 << 18 << true;
        QTest::newRow("AUS auf 24") << 0 << 25 << 24 << true;
        QTest::newRow("auf AUS") << 6 << 1 << 0 << true;
        QTest::newRow("keiner unten") << 6 << 7 << 6 << false; // clicking the hour that is down raises it
    }

    void ok() {
        QFETCH(int, vorher);
        QFETCH(int, klick);
        QFETCH(int, nachher);
        QFETCH(bool, geschrieben);
        TShellUmgebung u;
        u.schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nZEIT=" + QByteArray::number(vorher) + "\n");
        u.baue();
        QCOMPARE(u.z().SpeicherStunde, vorher);
        const QByteArray inhalt = u.ini();
        u.z().Jetzt = [] { return QDateTime(QDate(2024, 5, 10), QTime(10, 0)); };

        TFZeitSelect d(*u.lauf, u.fMain.get());
        QCOMPARE(d.GedrueckterSchalter(), vorher + 1);
        if (klick != 0)
            QTest::mouseClick(d.Schalter(klick), Qt::LeftButton);
        d.OKButton->click();

        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(u.z().SpeicherStunde, nachher);
        QCOMPARE(u.z().SpeicherAktiv, nachher != 0);
        if (geschrieben) {
            QCOMPARE(u.iniDatei().ReadInteger(QStringLiteral("COM"), QStringLiteral("ZEIT"), -1), nachher);
            if (nachher == 18)
                QCOMPARE(u.z().NaechsteSpeicherzeit, QDateTime(QDate(2024, 5, 10), QTime(18, 0)));
        } else {
            QCOMPARE(u.ini(), inhalt);
        }
        QVERIFY(u.dialoge.Protokoll.isEmpty());
    }

    void abbruchUndPlatz() {
        TShellUmgebung u;
        u.schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nZEIT=6\n");
        u.baue();
        u.fMain->setEnabled(true);
        u.fMain->move(150, 120);
        u.fMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(u.fMain.get()));
        const QByteArray inhalt = u.ini();
        QPoint ort;
        MitDialog<TFZeitSelect>([&](TFZeitSelect &d) {
            ort = d.pos();
            QTest::mouseClick(d.Schalter(20), Qt::LeftButton);
            d.AbbruchButton->click();
        });
        u.fMain->SpeicherzeitItem->trigger();
        QCOMPARE(ort, u.fMain->pos() + QPoint(100, 50));
        QCOMPARE(u.z().SpeicherStunde, 6);
        QCOMPARE(u.ini(), inhalt);
    }
};

QTEST_MAIN(TestZeitSelect)
#include "tst_zeitSelect.moc"
