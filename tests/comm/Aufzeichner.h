// Records what the protocol hands to its transport and its log.
#pragma once

#include "shell/USchnittstellen.h"

#include <QByteArrayList>
#include <QStringList>

struct TAufzeichner : ITransport, ILogSink {
    QByteArrayList geschrieben; // one entry per write call
    QStringList logZeilen;
    void Sende(const QByteArray &daten) override { geschrieben.append(daten); }
    void LogSchreiben(const QString &text) override { logZeilen.append(text); }
    QByteArray alles() const { return geschrieben.join(); }
    void leeren() {
        geschrieben.clear();
        logZeilen.clear();
    }
};
