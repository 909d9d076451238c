// kompost-bildklein: makes a picture of a window small enough for the user
// guide. It cuts out a part (--ausschnitt), scales it down to a width
// (--breite), reduces its colours to a palette of at most N (--farben, by
// median cut over the picture's own colours, without dithering, so that the
// flat areas of a window stay flat) and writes it as a palette PNG with the
// strongest compression.
//
//   kompost-bildklein [--ausschnitt X,Y,B,H] [--breite PX] [--farben N] IN.png OUT.png
#include "UBildklein.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kompost-bildklein"));
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Cuts, scales and reduces the colours of a window picture for "
                                               "the user guide and writes it as a palette PNG."));
    p.addHelpOption();
    const QCommandLineOption ausschnitt(QStringLiteral("ausschnitt"),
                                        QStringLiteral("The part X,Y,WIDTH,HEIGHT (pixels) to keep."),
                                        QStringLiteral("X,Y,B,H"));
    const QCommandLineOption breite(QStringLiteral("breite"),
                                    QStringLiteral("Scale down to at most this width (never up)."),
                                    QStringLiteral("PX"));
    const QCommandLineOption farben(QStringLiteral("farben"), QStringLiteral("At most N colours, 2..256."),
                                    QStringLiteral("N"), QStringLiteral("64"));
    p.addOption(ausschnitt);
    p.addOption(breite);
    p.addOption(farben);
    p.addPositionalArgument(QStringLiteral("IN.png"), QStringLiteral("The picture."));
    p.addPositionalArgument(QStringLiteral("OUT.png"), QStringLiteral("The small picture."));
    p.process(app);
    const auto fehler = [](const QString &text) {
        std::fprintf(stderr, "kompost-bildklein: %s\n", qPrintable(text));
        return 1;
    };
    if (p.positionalArguments().size() != 2)
        return fehler(QStringLiteral("name IN.png and OUT.png"));

    const QString ein = p.positionalArguments().at(0);
    const QString aus = p.positionalArguments().at(1);
    QImage bild(ein);
    if (bild.isNull())
        return fehler(QStringLiteral("%1 is no picture").arg(ein));

    if (p.isSet(ausschnitt)) {
        const QStringList teile = p.value(ausschnitt).split(QLatin1Char(','));
        QList<int> zahlen;
        for (const QString &t : teile) {
            bool ok = false;
            zahlen.append(t.trimmed().toInt(&ok));
            if (!ok)
                return fehler(QStringLiteral("--ausschnitt wants X,Y,WIDTH,HEIGHT"));
        }
        if (zahlen.size() != 4)
            return fehler(QStringLiteral("--ausschnitt wants X,Y,WIDTH,HEIGHT"));
        const QRect teil = QRect(zahlen[0], zahlen[1], zahlen[2], zahlen[3]).intersected(bild.rect());
        if (teil.isEmpty())
            return fehler(QStringLiteral("--ausschnitt lies outside the picture"));
        bild = bild.copy(teil);
    }
    if (p.isSet(breite)) {
        bool ok = false;
        const int b = p.value(breite).toInt(&ok);
        if (!ok || b < 16)
            return fehler(QStringLiteral("--breite wants a width of at least 16 pixels"));
        bild = Bildklein::Verkleinert(bild, b);
    }
    bool ok = false;
    const int n = p.value(farben).toInt(&ok);
    if (!ok || n < 2 || n > 256)
        return fehler(QStringLiteral("--farben wants 2..256"));

    const QImage klein = Bildklein::MitPalette(bild, n);
    QImageWriter schreiber(aus, "png");
    schreiber.setQuality(0); // the strongest compression
    if (!schreiber.write(klein))
        return fehler(QStringLiteral("cannot write %1: %2").arg(aus, schreiber.errorString()));
    return 0;
}
