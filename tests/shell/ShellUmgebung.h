// A run of the program on a temporary home folder with scripted message
// boxes, and the controller simulator in the test's own event loop, reached
// over loopback TCP or its pseudo-terminal.
#pragma once

#include "kompost-sim/TSimulator.h"
#include "shell/UIniDatei.h"
#include "shell/ULauf.h"
#include "shell/UMain.h"
#include "toolkit/UDialoge.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

struct TShellUmgebung {
    QTemporaryDir heim;
    TSkriptDialoge dialoge;
    KompostSim::TSimulator sim{11};
    std::unique_ptr<TLauf> lauf;
    std::unique_ptr<TFMain> fMain;

    TShellUmgebung() { sim.SetAnlagen({}); }
    ~TShellUmgebung() {
        if (fMain)
            fMain->close();
        fMain.reset();
        lauf.reset();
        sim.Stoppe();
    }

    QString pfad(const QString &name) const { return heim.filePath(name); }

    // Writes a file of the home folder with CR LF line ends.
    void schreibe(const QString &name, QByteArray inhalt) const {
        inhalt.replace("\n", "\r\n");
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray lies(const QString &name) const {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray ini() const { return lies(QStringLiteral("O2_Tarvos.ini")); }
    TIniDatei iniDatei() const { return TIniDatei(pfad(QStringLiteral("O2_Tarvos.ini"))); }

    // Installation.ini: the plant count and the options given as extra lines.
    void installation(int anlagen, const QByteArray &mehr = {}) const {
        schreibe(QStringLiteral("Installation.ini"),
                 "[Installation]\nAnlagen=" + QByteArray::number(anlagen) + "\n" + mehr);
    }

    // The simulator listening on loopback; Installation.ini with the network
    // and O2_Tarvos.ini pointing at it, followed by the extra lines.
    bool netz(int anlagen, const QByteArray &iniMehr = {}, const QByteArray &installationMehr = {}) {
        if (!sim.StarteTcp(QHostAddress::LocalHost, 0))
            return false;
        installation(anlagen, "Netzwerk=1\n" + installationMehr);
        schreibe(QStringLiteral("O2_Tarvos.ini"), "[COM]\nLAYER=1\nNETADR=127.0.0.1\nNETPORT=" +
                                                      QByteArray::number(sim.TcpPort()) + "\n" + iniMehr);
        return true;
    }

    // The simulator's pseudo-terminal as the device of serial port n.
    bool ptyAlsPort(int n, int anlagen, const QByteArray &installationMehr = {}) {
        if (!sim.StartePty())
            return false;
        installation(anlagen, installationMehr + "[Ports]\nCOM" + QByteArray::number(n) + "=" +
                                  sim.PtyGeraet().toUtf8() + "\n");
        return true;
    }

    void baue() {
        lauf = std::make_unique<TLauf>(heim.path(), dialoge);
        fMain = std::make_unique<TFMain>(*lauf);
    }

    // Builds the run and the main window, starts it and waits for the first
    // learning pass.
    bool starte(int timeoutMs = 15000) {
        baue();
        QSignalSpy gelernt(fMain.get(), &TFMain::LernenBeendet);
        fMain->Starte();
        return gelernt.count() > 0 || gelernt.wait(timeoutMs);
    }

    TZustand &z() { return lauf->Zustand; }
    tAnlageParameter &anlage(int n) { return lauf->Zustand.Anlagen[static_cast<size_t>(n)]; }

    // The letters of the frames the simulator received, per plant, as "1B 1S 2B".
    QStringList rahmen() const {
        QStringList l;
        for (const auto &r : sim.Rahmen())
            l.append(QString::number(static_cast<quint8>(r.Bytes.at(0))) + QChar::fromLatin1(r.Bytes.at(1)));
        return l;
    }
};

// Runs aktion on the modal dialog of type T as soon as it is shown (from a
// timer, while the code under test is inside exec()).
template <typename T> void MitDialog(std::function<void(T &)> aktion, int timeoutMs = 5000) {
    auto *suche = new QTimer;
    auto *ende = new QElapsedTimer;
    ende->start();
    suche->setInterval(10);
    QObject::connect(suche, &QTimer::timeout, [suche, ende, aktion, timeoutMs] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget())) {
            suche->stop();
            suche->deleteLater();
            delete ende;
            aktion(*d);
            // A failed check leaves the dialog open: close it so that exec() returns.
            if (d->isVisible())
                d->reject();
        } else if (ende->elapsed() > timeoutMs) {
            suche->stop();
            suche->deleteLater();
            delete ende;
            QFAIL("the dialog did not appear");
        }
    });
    suche->start();
}
