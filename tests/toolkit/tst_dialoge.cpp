// The real open-file dialog of the adapter: files matching a pattern to be
// left out are not offered (the event logs beside the data files), folders
// stay, and the name column shows the longest name whole.
#include "toolkit/UDialoge.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

class TestDialoge : public QObject {
    Q_OBJECT

private slots:
    void datenDateienOhneLogs() {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QStringList namen{"Gruengut-Halle-3_09-12-2024.CSV", "Miete1_09-12-2024.CSV",
                                "Komp_LOG_09-12-2024A.CSV", "komp_log_10-12-2024B.csv"};
        for (const QString &n : namen) {
            QFile f(ordner.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("Komp_LOG_Ordner")));

        TQtDialoge dialoge;
        QStringList gezeigt;
        int spalte = 0, noetig = 0;
        bool gefunden = false;
        QTimer suche;
        suche.setInterval(20);
        QElapsedTimer uhr;
        uhr.start();
        connect(&suche, &QTimer::timeout, this, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!d) {
                if (uhr.elapsed() > 10000)
                    suche.stop();
                return;
            }
            auto *liste = d->findChild<QTreeView *>(QStringLiteral("treeView"));
            if (!liste || !liste->model())
                return;
            const QAbstractItemModel *m = liste->model();
            const QModelIndex wurzel = liste->rootIndex();
            gezeigt.clear();
            for (int r = 0; r < m->rowCount(wurzel); ++r)
                gezeigt << m->index(r, 0, wurzel).data().toString();
            // wait until the folder is read and the column fitted
            if (!gezeigt.contains(namen.at(1)) && uhr.elapsed() < 10000)
                return;
            suche.stop();
            QTest::qWait(200);
            const QModelIndex jetzt = liste->rootIndex(); // the model may have moved meanwhile
            gezeigt.clear();
            for (int r = 0; r < m->rowCount(jetzt); ++r)
                gezeigt << m->index(r, 0, jetzt).data().toString();
            spalte = liste->columnWidth(0);
            noetig = liste->fontMetrics().horizontalAdvance(namen.first());
            gefunden = true;
            d->reject();
        });
        suche.start();
        const QString datei = dialoge.DateiOeffnen(nullptr, QStringLiteral("Öffnen"), ordner.path(),
                                                   QStringLiteral("EXCEL ( *.csv) (*.csv *.CSV)"),
                                                   {QStringLiteral("Komp_LOG_*.CSV")});
        QVERIFY(gefunden);
        QVERIFY(datei.isEmpty());
        gezeigt.sort();
        QCOMPARE(gezeigt, (QStringList{"Gruengut-Halle-3_09-12-2024.CSV", "Komp_LOG_Ordner",
                                       "Miete1_09-12-2024.CSV"}));
        QVERIFY2(spalte > noetig, qPrintable(QStringLiteral("%1 %2").arg(spalte).arg(noetig)));
    }
};

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"
