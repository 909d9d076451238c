// The program: sets the application title, builds the run for the home folder
// (--home DIR, else the program's folder or the system's place for its data,
// see UHeimordner.h), sets a new installation up ("Ersteinrichtung"), creates
// the main window and runs the message loop until the main window closes.
#include "shell/UMain.h"

#include "alarm/UAlarmFenster.h"
#include "alarm/UAlarmSetup.h"
#include "alarm/UAlarme.h"
#include "display/UAnlDatumSet.h"
#include "display/UAnlageDaten.h"
#include "display/UAnzeige.h"
#include "display/UDatenLesen1.h"
#include "display/UO2MessSetup.h"
#include "mqtt/UMqttSender.h"
#include "reports/UCSV_Lesen.h"
#include "reports/UGraphik.h"
#include "reports/UProtokollDruck.h"
#include "reports/UProtokollKopf.h"
#include "shell/KompUtils.h"
#include "shell/UAbout.h"
#include "shell/UEinrichtung.h"
#include "shell/UErsteinrichtung.h"
#include "shell/UHeimordner.h"
#include "shell/UInstallation.h"
#include "shell/UKonfiguration.h"
#include "shell/ULauf.h"
#include "shell/UMqttEinstellungen.h"
#include "shell/UPC_Setup.h"
#include "shell/UZeitSelect.h"
#include "toolkit/UAnlagenTabs.h"
#include "toolkit/UDialoge.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// --screenshot FILE: after the first learning pass (and a short while for
// the first polls) the main window saves a picture of itself and the program
// ends. Used to check the window's look without a screen.
void Bildschirmfoto(TFMain &main, const QString &datei, int nachMs) {
    auto speichern = [&main, datei] {
        const bool ok = main.grab().save(datei);
        std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "screenshot" : "cannot save screenshot",
                     qPrintable(datei));
        main.close();
    };
    QObject::connect(&main, &TFMain::LernenBeendet, &main,
                     [speichern, nachMs] { QTimer::singleShot(nachMs, speichern); });
    // Without a connection there is no learning pass: save it anyway.
    QTimer::singleShot(60000, &main, speichern);
}

// --display-screenshot FILE: after the first learning pass the live display
// opens; after the --screenshot-after delay it saves a picture of itself and
// the program ends.
void AnzeigeFoto(TFMain &main, const QString &datei, int nachMs) {
    QObject::connect(
        &main, &TFMain::LernenBeendet, &main,
        [&main, datei, nachMs] {
            QTimer::singleShot(nachMs, &main, [&main, datei] {
                QWidget *anzeige = main.LiveAnzeige.data();
                const bool ok = anzeige && anzeige->grab().save(datei);
                std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "screenshot" : "cannot save screenshot",
                             qPrintable(datei));
                if (anzeige)
                    anzeige->close();
                QTimer::singleShot(0, &main, &TFMain::close);
            });
            QTimer::singleShot(0, &main, &TFMain::AnzeigeClick);
        },
        Qt::SingleShotConnection);
}

// --setup-screenshot FILE: after the first learning pass the live display
// opens and then "Einstell&werte" of its current plant; after the
// --screenshot-after delay the set-values dialog saves a picture of itself
// and the program ends.
void SetupFoto(TFMain &main, const QString &datei, int nachMs) {
    QObject::connect(
        &main, &TFMain::LernenBeendet, &main,
        [&main, datei, nachMs] {
            QTimer::singleShot(nachMs, &main, [&main, datei] {
                auto *anzeige = qobject_cast<TFAnzeige *>(main.LiveAnzeige.data());
                if (!anzeige) {
                    std::fprintf(stderr, "cannot save screenshot %s\n", qPrintable(datei));
                    QTimer::singleShot(0, &main, &TFMain::close);
                    return;
                }
                // Once the dialog is up, take its picture and close both windows.
                auto *suche = new QTimer(anzeige);
                QObject::connect(suche, &QTimer::timeout, anzeige, [suche, anzeige, &main, datei] {
                    auto *dialog = qobject_cast<TFO2MessSetup *>(QApplication::activeModalWidget());
                    if (!dialog)
                        return;
                    suche->stop();
                    const bool ok = dialog->grab().save(datei);
                    std::fprintf(ok ? stdout : stderr, "%s %s\n",
                                 ok ? "screenshot" : "cannot save screenshot", qPrintable(datei));
                    dialog->reject();
                    QTimer::singleShot(0, anzeige, &TFAnzeige::close);
                    QTimer::singleShot(0, &main, &TFMain::close);
                });
                suche->start(200);
                anzeige->Einstellwerte1->trigger();
                // The plant did not answer: the message box stays; end all the same.
                QTimer::singleShot(0, &main, &TFMain::close);
            });
            QTimer::singleShot(0, &main, &TFMain::AnzeigeClick);
        },
        Qt::SingleShotConnection);
}

// --offline-screenshot FILE: after the first learning pass the offline
// readout window opens on the current plant and reads its stored records;
// the boxes it shows are confirmed, then it saves a picture of itself and
// the program ends.
void OfflineFoto(TFMain &main, const QString &datei, int nachMs) {
    QObject::connect(
        &main, &TFMain::LernenBeendet, &main,
        [&main, datei, nachMs] {
            QTimer::singleShot(nachMs, &main, [&main, datei] {
                auto *schritt = new QTimer(&main);
                auto gestartet = std::make_shared<bool>(false);
                QObject::connect(schritt, &QTimer::timeout, &main, [&main, datei, schritt, gestartet] {
                    QWidget *oben = QApplication::activeModalWidget();
                    if (auto *box = qobject_cast<QMessageBox *>(oben)) {
                        box->accept();
                        return;
                    }
                    auto *f = qobject_cast<TFDatenLesen1 *>(oben);
                    if (!f || f->Liest())
                        return;
                    if (!*gestartet) {
                        *gestartet = true;
                        QTimer::singleShot(0, f, &TFDatenLesen1::DatenAuslesen);
                        return;
                    }
                    schritt->stop();
                    const bool ok = f->grab().save(datei);
                    std::fprintf(ok ? stdout : stderr, "%s %s\n",
                                 ok ? "screenshot" : "cannot save screenshot", qPrintable(datei));
                    f->close();
                    QTimer::singleShot(0, &main, &TFMain::close);
                });
                schritt->start(200);
                main.OfflineClick();
            });
        },
        Qt::SingleShotConnection);
}

// --window-screenshot NAME=FILE (repeatable): after the first learning pass
// and the --screenshot-after delay the windows named are opened one after the
// other through the program's own menus, as the operator opens them, each
// saved as a picture once it has shown its values and closed again (the
// dialogs without taking anything); then the program ends. The names:
// main, setup, setup-mqtt, storage-time, company, alarm-settings, alarms,
// alarms-history, about (the main window's menus), display, set-values,
// clock, new-pile (the live display, its "Einstell&werte", "&Zeit/Datum
// setzen", and "Miete &neu starten" on the first plant that is connected and
// switched off). A name not known, or a window that does not appear within
// 30 s, is said on standard error and the program ends with exit code 1.
class TFensterFotos : public QObject {
public:
    struct Schritt {
        QString Name;
        QString Datei;
    };

    static QStringList Namen() {
        return {QStringLiteral("main"),       QStringLiteral("setup"),
                QStringLiteral("setup-mqtt"), QStringLiteral("storage-time"),
                QStringLiteral("company"),    QStringLiteral("alarm-settings"),
                QStringLiteral("alarms"),     QStringLiteral("alarms-history"),
                QStringLiteral("about"),      QStringLiteral("display"),
                QStringLiteral("set-values"), QStringLiteral("clock"),
                QStringLiteral("new-pile")};
    }

    TFensterFotos(TFMain &main, QList<Schritt> schritte, int nachMs)
        : QObject(&main), m_main(main), m_schritte(std::move(schritte)) {
        connect(
            &main, &TFMain::LernenBeendet, this,
            [this, nachMs] { QTimer::singleShot(nachMs, this, [this] { m_takt.start(100); }); },
            Qt::SingleShotConnection);
        connect(&m_takt, &QTimer::timeout, this, &TFensterFotos::takt);
    }

private:
    static bool AnzeigeSchritt(const QString &name) {
        return name.startsWith(QLatin1String("display")) || name == QLatin1String("set-values") ||
               name == QLatin1String("clock") || name == QLatin1String("new-pile");
    }

    TFAnzeige *anzeige() const { return qobject_cast<TFAnzeige *>(m_main.LiveAnzeige.data()); }

    // Opens the step's window (posted: a dialog runs its own event loop).
    void oeffnen(const QString &name) {
        const auto spaeter = [this](QAction *a) { QTimer::singleShot(0, a, &QAction::trigger); };
        if (name == QLatin1String("setup") || name == QLatin1String("setup-mqtt"))
            spaeter(m_main.SetupItem);
        else if (name == QLatin1String("storage-time"))
            spaeter(m_main.SpeicherzeitItem);
        else if (name == QLatin1String("company"))
            spaeter(m_main.FirmendatenItem);
        else if (name == QLatin1String("alarm-settings"))
            spaeter(m_main.AlarmEinstellungenItem);
        else if (name == QLatin1String("alarms") || name == QLatin1String("alarms-history"))
            spaeter(m_main.AlarmeItem);
        else if (name == QLatin1String("about"))
            spaeter(m_main.InfoItem);
        else if (TFAnzeige *f = anzeige()) {
            if (name == QLatin1String("set-values"))
                spaeter(f->Einstellwerte1);
            else if (name == QLatin1String("clock"))
                spaeter(f->ZeitDatumsetzen1);
            else if (name == QLatin1String("new-pile")) {
                const TZustand &z = m_main.Lauf().Zustand;
                for (int n = 1; n <= z.AnlagenAnzahl; ++n) {
                    const tAnlageParameter &a = z.Anlagen[static_cast<size_t>(n)];
                    if (a.Angeschlossen != 0 && a.Eingeschaltet == 0) {
                        f->TabControl1->setCurrentIndex(n - 1);
                        break;
                    }
                }
                spaeter(f->Mieteneustarten1);
            }
        }
    }

    // The step's window once it is there and ready for its picture.
    QWidget *gefunden(const QString &name) const {
        if (name == QLatin1String("main"))
            return &m_main;
        QWidget *oben = QApplication::activeModalWidget();
        if (name == QLatin1String("display"))
            return oben == anzeige() ? oben : nullptr;
        if (name == QLatin1String("setup") || name == QLatin1String("setup-mqtt"))
            return qobject_cast<TFPC_Setup *>(oben);
        if (name == QLatin1String("storage-time"))
            return qobject_cast<TFZeitSelect *>(oben);
        if (name == QLatin1String("company"))
            return qobject_cast<TFProtokKopf *>(oben);
        if (name == QLatin1String("alarm-settings"))
            return qobject_cast<TFAlarmEinstellungen *>(oben);
        if (name == QLatin1String("alarms") || name == QLatin1String("alarms-history"))
            return qobject_cast<TFAlarme *>(oben);
        if (name == QLatin1String("about"))
            return qobject_cast<TFAbout *>(oben);
        if (name == QLatin1String("set-values"))
            return qobject_cast<TFO2MessSetup *>(oben);
        if (name == QLatin1String("clock")) {
            // once the controller's clock has been read
            auto *d = qobject_cast<TFAnlDatumSetup *>(oben);
            return d && d->SetBtn->isEnabled() ? d : nullptr;
        }
        if (name == QLatin1String("new-pile"))
            return qobject_cast<TFAnlageDaten *>(oben);
        return nullptr;
    }

    void vorbereiten(const QString &name, QWidget *w) {
        if (name == QLatin1String("setup-mqtt"))
            static_cast<TFPC_Setup *>(w)->PageControl1->setCurrentIndex(2);
        else if (name == QLatin1String("alarms-history"))
            static_cast<TFAlarme *>(w)->Seiten->setCurrentIndex(1);
    }

    void takt() {
        if (m_index >= m_schritte.size()) {
            ende(0);
            return;
        }
        const Schritt &s = m_schritte.at(m_index);
        if (!Namen().contains(s.Name)) {
            std::fprintf(stderr, "unknown window %s\n", qPrintable(s.Name));
            ende(1);
            return;
        }
        if (!m_geoeffnet) {
            m_geoeffnet = true;
            m_uhr.start();
            m_gesehen = -1;
            // the live display first, where the window opens from it
            if (AnzeigeSchritt(s.Name) && !anzeige()) {
                QTimer::singleShot(0, &m_main, &TFMain::AnzeigeClick);
                m_anzeigeOeffnen = true;
                return;
            }
            if (s.Name != QLatin1String("display"))
                oeffnen(s.Name);
            return;
        }
        if (m_anzeigeOeffnen) {
            // the live display is up and has shown its plants once: now the window from it
            if (!anzeige() || QApplication::activeModalWidget() != anzeige() || m_uhr.elapsed() < 1500)
                return;
            m_anzeigeOeffnen = false;
            m_uhr.restart();
            if (s.Name != QLatin1String("display"))
                oeffnen(s.Name);
            return;
        }
        QWidget *w = gefunden(s.Name);
        if (!w) {
            if (m_uhr.elapsed() > 30000) {
                std::fprintf(stderr, "cannot save screenshot %s: the window %s did not appear\n",
                             qPrintable(s.Datei), qPrintable(s.Name));
                ende(1);
            }
            return;
        }
        if (m_gesehen < 0) {
            m_gesehen = m_uhr.elapsed();
            vorbereiten(s.Name, w);
            return;
        }
        // a moment for the values to arrive and be shown
        if (m_uhr.elapsed() - m_gesehen < 1500)
            return;
        const bool ok = w->grab().save(s.Datei);
        std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "screenshot" : "cannot save screenshot",
                     qPrintable(s.Datei));
        if (!ok) {
            ende(1);
            return;
        }
        if (w != &m_main && w != anzeige()) {
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            else
                w->close();
        }
        ++m_index;
        m_geoeffnet = false;
    }

    void ende(int code) {
        m_takt.stop();
        // whatever is still open above the main window closes first
        if (QWidget *oben = QApplication::activeModalWidget(); oben && oben != anzeige()) {
            if (auto *d = qobject_cast<QDialog *>(oben))
                d->reject();
        }
        QTimer::singleShot(0, this, [this, code] {
            if (TFAnzeige *f = anzeige())
                f->close();
            QTimer::singleShot(0, &m_main, [this, code] {
                m_main.close();
                QCoreApplication::exit(code);
            });
        });
    }

    TFMain &m_main;
    QList<Schritt> m_schritte;
    QTimer m_takt;
    QElapsedTimer m_uhr;
    qsizetype m_index = 0;
    bool m_geoeffnet = false;
    bool m_anzeigeOeffnen = false;
    qint64 m_gesehen = -1;
};

// --viewer-screenshot OUT.png [--protocol quality] FILE.CSV: a picture of the
// protocol viewer ("Daten → Messwerte drucken", with --protocol quality
// "Daten → Protokoll Gütegemeinschaft") with the data file opened on the tab
// of the current plant, then the program ends. Needs no connection.
int ProtokollFoto(TLauf &lauf, const QString &bild, int art) {
    TZustand &z = lauf.Zustand;
    z.AnlagenAnzahl = static_cast<quint16>(qBound(1, z.OptAnlagenAnzahl, MaxAnlagen));
    for (int n = 1; n <= z.AnlagenAnzahl; ++n)
        LeseAnlage(z, lauf.Ini, n);
    LeseComEinstellungen(z, lauf.Ini);
    KompUtils::BildeRefText(z);
    TFCSV_Lesen f(lauf);
    f.ProtokollArt = static_cast<quint8>(art);
    f.show();
    QCoreApplication::processEvents();
    f.OpenButtonClick();
    QCoreApplication::processEvents();
    const bool ok = f.StatusText(2).isEmpty() ? false : f.grab().save(bild);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "screenshot" : "cannot save screenshot",
                 qPrintable(bild));
    return ok ? 0 : 1;
}

// --pdf OUT.pdf --protocol measurement|quality|graph [--per-day] [--chart]
// [--closed] FILE.CSV: the protocol of a data file as PDF, without any window.
// Returns the exit code.
int ProtokollOhneFenster(const QCommandLineParser &parser, const QString &heim, const QString &pdf,
                         const QString &sprache) {
    const auto fehler = [](const QString &text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); };
    const QString art = parser.value(QStringLiteral("protocol"));
    if (art != QLatin1String("measurement") && art != QLatin1String("quality") &&
        art != QLatin1String("graph")) {
        fehler(QCoreApplication::translate("main", "--protocol verlangt measurement, quality oder graph."));
        return 1;
    }
    if (parser.positionalArguments().size() != 1) {
        fehler(QCoreApplication::translate("main", "Genau eine Datendatei angeben (FILE.CSV)."));
        return 1;
    }
    // The settings of the home folder's configuration: °F/inch, depth display, reference temperature.
    TSkriptDialoge keineDialoge;
    TLauf lauf(heim, keineDialoge);
    lauf.Sprache.Starte(sprache);
    LeseComEinstellungen(lauf.Zustand, lauf.Ini);
    KompUtils::BildeRefText(lauf.Zustand);
    QString meldung;
    // The hygienisation verdict evaluates an open plant unless --closed says otherwise.
    const TAnlagenArt anlagenArt =
        parser.isSet(QStringLiteral("closed")) ? TAnlagenArt::Geschlossen : TAnlagenArt::Offen;
    const int ergebnis =
        art == QLatin1String("graph")
            ? GraphAlsPdf(lauf, parser.positionalArguments().constFirst(), pdf, meldung)
            : ProtokollAlsPdf(lauf.Zustand, parser.positionalArguments().constFirst(),
                              art == QLatin1String("quality") ? 1 : 0,
                              parser.isSet(QStringLiteral("per-day")), parser.isSet(QStringLiteral("chart")),
                              anlagenArt, pdf, meldung);
    if (!meldung.isEmpty())
        fehler(meldung);
    return ergebnis;
}

// Whether the command line asks for a PDF (before the application object exists).
bool PdfGewuenscht(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--pdf" || a.startsWith("--pdf="))
            return true;
    }
    return false;
}

// Whether the command line asks only for the version or the options, which
// need no display either.
bool NurAuskunft(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--version" || a == "-v" || a == "--help" || a == "-h" || a == "-?" || a == "--help-all")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv) {
    // Protocols to PDF, the version and the options need no display: the
    // offscreen platform, unless one is chosen.
    const bool nurPdf = PdfGewuenscht(argc, argv);
    if ((nurPdf || NurAuskunft(argc, argv)) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (nurPdf) // standard error carries only the program's own one-line message
        qInstallMessageHandler([](QtMsgType art, const QMessageLogContext &, const QString &text) {
            if (art == QtCriticalMsg || art == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kompost"));
    QApplication::setApplicationVersion(QStringLiteral(KOMPOST_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Leitstand für Kompostanlagen mit O2-Belüftungssteuerungen."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption heimOption(
        QStringLiteral("home"),
        QCoreApplication::translate("main",
                                    "Ordner mit O2_Tarvos.ini, Installation.ini, KompLogo.BMP und den "
                                    "Protokolldateien (Vorgabe: der Ordner des Programms, wenn er "
                                    "beschreibbar ist oder eine Installation enthält, sonst %1).")
            .arg(QDir::toNativeSeparators(
                Heimordner::Plattform(QCoreApplication::applicationDirPath()).Datenordner)),
        QStringLiteral("DIR"));
    QCommandLineOption fotoOption(QStringLiteral("screenshot"), QString(), QStringLiteral("FILE"));
    fotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption fotoNachOption(QStringLiteral("screenshot-after"), QString(), QStringLiteral("MS"),
                                      QStringLiteral("2500"));
    fotoNachOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(heimOption);
    const QCommandLineOption spracheOption(
        QStringLiteral("language"),
        QCoreApplication::translate("main", "Sprache dieses Laufs: de, en oder fr (wird nicht gespeichert)."),
        QStringLiteral("LANG"));
    parser.addOption(spracheOption);
    parser.addOption(fotoOption);
    parser.addOption(fotoNachOption);
    QCommandLineOption anzeigeFotoOption(QStringLiteral("display-screenshot"), QString(),
                                         QStringLiteral("FILE"));
    anzeigeFotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(anzeigeFotoOption);
    QCommandLineOption setupFotoOption(QStringLiteral("setup-screenshot"), QString(), QStringLiteral("FILE"));
    setupFotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(setupFotoOption);
    QCommandLineOption offlineFotoOption(QStringLiteral("offline-screenshot"), QString(),
                                         QStringLiteral("FILE"));
    offlineFotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(offlineFotoOption);
    QCommandLineOption fensterFotoOption(QStringLiteral("window-screenshot"), QString(),
                                         QStringLiteral("NAME=FILE"));
    fensterFotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(fensterFotoOption);
    QCommandLineOption protokollFotoOption(QStringLiteral("viewer-screenshot"), QString(),
                                           QStringLiteral("FILE"));
    protokollFotoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(protokollFotoOption);
    const QCommandLineOption pdfOption(
        QStringLiteral("pdf"),
        QCoreApplication::translate("main",
                                    "Schreibt das Protokoll der Datendatei FILE.CSV als PDF, ohne Fenster."),
        QStringLiteral("OUT.pdf"));
    const QCommandLineOption artOption(
        QStringLiteral("protocol"),
        QCoreApplication::translate("main", "Mit --pdf: measurement (Messprotokoll), quality (Protokoll "
                                            "Gütegemeinschaft) oder graph (Grafik)."),
        QStringLiteral("KIND"), QStringLiteral("measurement"));
    const QCommandLineOption tagOption(QStringLiteral("per-day"),
                                       QCoreApplication::translate("main", "Mit --pdf: ein Wert je Tag."));
    const QCommandLineOption grafikOption(QStringLiteral("chart"),
                                          QCoreApplication::translate("main", "Mit --pdf: mit Grafik."));
    const QCommandLineOption geschlossenOption(
        QStringLiteral("closed"),
        QCoreApplication::translate("main",
                                    "Mit --pdf: die Anlage ist geschlossen (Vorgabe: offen); gilt für "
                                    "den Nachweis der Hygienisierung."));
    parser.addOption(pdfOption);
    parser.addOption(artOption);
    parser.addOption(tagOption);
    parser.addOption(grafikOption);
    parser.addOption(geschlossenOption);
    parser.addPositionalArgument(QStringLiteral("FILE.CSV"),
                                 QCoreApplication::translate("main", "Mit --pdf: die Datendatei."));
    QCommandLineOption grafikFotoOption(QStringLiteral("graph-screenshot"), QString(),
                                        QStringLiteral("FILE"));
    QCommandLineOption grafikSeiteOption(QStringLiteral("graph-page"), QString(), QStringLiteral("N"),
                                         QStringLiteral("1"));
    QCommandLineOption grafikZoomOption(QStringLiteral("graph-zoom"), QString(), QStringLiteral("FROM:TO"));
    for (QCommandLineOption *o : {&grafikFotoOption, &grafikSeiteOption, &grafikZoomOption}) {
        o->setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(*o);
    }
    parser.process(app);

    // --home DIR, an installation or a writable folder of the program's own,
    // else the system's place for the program's data.
    const QString heim = Heimordner::Bestimme(parser.isSet(heimOption) ? parser.value(heimOption) : QString(),
                                              Heimordner::Plattform(QCoreApplication::applicationDirPath()))
                             .Ordner;
    const QString sprache = parser.value(spracheOption);
    if (!sprache.isEmpty() && !TSprache::Bekannt(sprache)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "--language verlangt de, en oder fr.")));
        return 1;
    }
    if (nurPdf)
        return ProtokollOhneFenster(parser, heim, parser.value(pdfOption), sprache);
    if (!QDir().mkpath(heim)) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("main", "Der Ordner %1 kann nicht angelegt werden.")
                           .arg(QDir::toNativeSeparators(heim))));
        return 1;
    }

    TQtDialoge dialoge;
    TLauf lauf(heim, dialoge);
    // The stored language, or the one of the command line for this run only.
    lauf.Sprache.Starte(sprache);
    dialoge.SetzeTitel(QCoreApplication::translate("main", "Rudevad Irivazared ededevo"));
    // --graph-screenshot FILE [--graph-page 2] [--graph-zoom FROM:TO] FILE.CSV:
    // a picture of the graph window with the data file, then the program ends.
    if (parser.isSet(grafikFotoOption))
        return GrafikFoto(lauf, parser.positionalArguments().value(0), parser.value(grafikFotoOption),
                          parser.value(grafikSeiteOption).toInt(), parser.value(grafikZoomOption));
    // --viewer-screenshot FILE [--protocol quality] FILE.CSV: the protocol
    // viewer with the data file, opened through a scripted open dialog.
    if (parser.isSet(protokollFotoOption)) {
        TSkriptDialoge skript;
        skript.Dateien = {parser.positionalArguments().value(0)};
        TLauf betrachter(heim, skript);
        betrachter.Sprache.Starte(sprache);
        return ProtokollFoto(betrachter, parser.value(protokollFotoOption),
                             parser.value(QStringLiteral("protocol")) == QLatin1String("quality") ? 1 : 0);
    }
    // A new installation is set up before anything else: the line, the plants,
    // the data folder, the company lines. "Abbrechen" leaves the folder as it
    // was and ends the program. The picture options never ask.
    const bool bild = parser.isSet(fotoOption) || parser.isSet(anzeigeFotoOption) ||
                      parser.isSet(setupFotoOption) || parser.isSet(offlineFotoOption) ||
                      parser.isSet(fensterFotoOption);
    if (!bild && Einrichtung::Noetig(lauf.Zustand.Heimordner)) {
        TFErsteinrichtung einrichtung(lauf);
        if (einrichtung.exec() != QDialog::Accepted)
            return 0;
        LeseInstallation(lauf.Zustand);
    }
    // Records received but not written (a full disk) are kept in a file of
    // the home folder, or here when the home folder cannot take it.
    lauf.Daten.SetzeAusweichordner(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    // A home folder the configuration cannot name leads every data file astray.
    if (const QString meldung = KompUtils::PfadMeldung(lauf.Zustand.Heimordner); !meldung.isEmpty())
        dialoge.Warnung(nullptr, meldung);
    // The site network's publisher listens to the run's events; it ends after
    // the main window, so that the readings' last word reaches the broker.
    TMqttSender mqtt(lauf.Zustand, &lauf.Log);
    mqtt.SetzeStoerungen(&lauf.Stoerungen);
    lauf.Ereignisse.Anmelden(&mqtt);
    lauf.Mqtt = &mqtt;
    const auto abmelden = qScopeGuard([&lauf, &mqtt] {
        lauf.Ereignisse.Abmelden(&mqtt);
        lauf.Mqtt = nullptr;
    });
    TFMain fMain(lauf);
    mqtt.Starte(LeseMqttEinstellungen(lauf.Ini));
    fMain.SetzeOeffner(TFMain::Fenster::Anzeige, ZeigeLiveAnzeige);
    fMain.SetzeOeffner(TFMain::Fenster::Firmendaten, ZeigeFirmendaten);
    fMain.SetzeOeffner(TFMain::Fenster::Offline, [](TFMain &m) { ZeigeDatenLesen1(m, &m); });
    fMain.SetzeOeffner(TFMain::Fenster::MesswerteDrucken, [](TFMain &m) { ZeigeProtokollViewer(m, 0); });
    fMain.SetzeOeffner(TFMain::Fenster::ProtokollGG, [](TFMain &m) { ZeigeProtokollViewer(m, 1); });
    fMain.SetzeOeffner(TFMain::Fenster::Grafik, ZeigeGrafik);
    // The alarms listen to the run from here on; their windows open over the
    // live display while it is shown.
    TAlarme alarme(lauf.Zustand, lauf.Ini, lauf.Log, lauf.Ereignisse, lauf.Alarmstand);
    // What went wrong while the main window started (a configuration or an
    // event log that cannot be written) is under way already.
    lauf.Stoerungen.Nachmelden(alarme);
    fMain.SetzeOeffner(TFMain::Fenster::Alarme, [&alarme](TFMain &m) {
        ZeigeAlarme(m.Lauf(), alarme, m.LiveAnzeige ? m.LiveAnzeige.data() : &m);
    });
    fMain.SetzeOeffner(TFMain::Fenster::AlarmEinstellungen,
                       [&alarme](TFMain &m) { ZeigeAlarmEinstellungen(m.Lauf(), alarme, &m); });
    if (parser.isSet(anzeigeFotoOption))
        AnzeigeFoto(fMain, parser.value(anzeigeFotoOption), parser.value(fotoNachOption).toInt());
    if (parser.isSet(setupFotoOption))
        SetupFoto(fMain, parser.value(setupFotoOption), parser.value(fotoNachOption).toInt());
    if (parser.isSet(offlineFotoOption))
        OfflineFoto(fMain, parser.value(offlineFotoOption), parser.value(fotoNachOption).toInt());
    if (parser.isSet(fotoOption))
        Bildschirmfoto(fMain, parser.value(fotoOption), parser.value(fotoNachOption).toInt());
    if (parser.isSet(fensterFotoOption)) {
        QList<TFensterFotos::Schritt> schritte;
        for (const QString &wert : parser.values(fensterFotoOption)) {
            const qsizetype gleich = wert.indexOf(QLatin1Char('='));
            schritte.append({wert.left(gleich), gleich < 0 ? QString() : wert.mid(gleich + 1)});
        }
        new TFensterFotos(fMain, schritte, parser.value(fotoNachOption).toInt());
    }
    fMain.Starte();
    const int ergebnis = QApplication::exec();
    // "offline" on the broker, then the connection ends.
    mqtt.Beenden();
    return ergebnis;
}
