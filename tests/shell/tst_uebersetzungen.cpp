// The translation files against the sources: lupdate run over today's
// sources into a copy of each .ts file leaves no entry unfinished (a text
// new or changed in the sources, or not translated yet), none vanished or
// obsolete (a text gone from the sources) and none empty.
//
// This check fails until the English and French translations are complete.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

class TestUebersetzungen : public QObject {
    Q_OBJECT

private slots:
    void uebersetzungenVollstaendig_data() {
        QTest::addColumn<QString>("datei");
        QTest::newRow("en") << QStringLiteral("kompost_en.ts");
        QTest::newRow("fr") << QStringLiteral("kompost_fr.ts");
    }
    void uebersetzungenVollstaendig() {
        QFETCH(QString, datei);
        QTemporaryDir ordner;
        const QString kopie = ordner.filePath(datei);
        QVERIFY(QFile::copy(QStringLiteral(KOMPOST_QUELLEN "/translations/") + datei, kopie));
        QFile::setPermissions(kopie, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(KOMPOST_LUPDATE),
                      {QStringLiteral(KOMPOST_QUELLEN "/src"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h"), QStringLiteral("-source-language"), QStringLiteral("de"),
                       QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"), kopie});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile f(kopie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString kontext, quelle;
        QStringList offen;
        int eintraege = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                kontext = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("source"))
                quelle = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("translation")) {
                ++eintraege;
                const QString art = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!art.isEmpty() || text.isEmpty())
                    offen << QStringLiteral("%1 [%2] %3").arg(kontext, art.isEmpty() ? "leer" : art, quelle);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(eintraege > 300);
        QVERIFY2(
            offen.isEmpty(),
            qPrintable(QStringLiteral("%1 of %2 entries not done, e.g.:\n").arg(offen.size()).arg(eintraege) +
                       offen.mid(0, 15).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestUebersetzungen)
#include "tst_uebersetzungen.moc"
