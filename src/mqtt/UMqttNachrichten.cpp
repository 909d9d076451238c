#include "mqtt/UMqttNachrichten.h"

#include <QRegularExpression>

namespace MqttNachrichten {

namespace {

// A JSON object written key by key, in the order the keys are added.
class TObjekt {
public:
    TObjekt &Text(const char *key, const QString &wert) {
        schluessel(key);
        zeichenkette(wert);
        return *this;
    }
    TObjekt &Zahl(const char *key, qint64 wert) {
        schluessel(key);
        m_json += QByteArray::number(wert);
        return *this;
    }
    // O2 in tenths of vol% as vol% with one decimal: 209 -> 20.9.
    TObjekt &Zehntel(const char *key, qint64 zehntel) {
        schluessel(key);
        if (zehntel < 0) {
            m_json += '-';
            zehntel = -zehntel;
        }
        m_json += QByteArray::number(zehntel / 10) + '.' + QByteArray::number(zehntel % 10);
        return *this;
    }
    TObjekt &Wahr(const char *key, bool wert) {
        schluessel(key);
        m_json += wert ? "true" : "false";
        return *this;
    }
    TObjekt &Temperaturen(const char *key, const std::array<qint32, 6> &t) {
        schluessel(key);
        m_json += '[';
        for (size_t k = 1; k <= 5; ++k) {
            if (k > 1)
                m_json += ',';
            m_json += QByteArray::number(t[k]);
        }
        m_json += ']';
        return *this;
    }
    QByteArray Fertig() const { return m_json + '}'; }

private:
    void schluessel(const char *key) {
        m_json += m_json.isEmpty() ? "{\"" : ",\"";
        m_json += key;
        m_json += "\":";
    }
    void zeichenkette(const QString &text) {
        m_json += '"';
        for (const char c : text.toUtf8()) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                m_json += '\\';
                m_json += c;
            } else if (b < 0x20) {
                switch (c) {
                case '\n':
                    m_json += "\\n";
                    break;
                case '\r':
                    m_json += "\\r";
                    break;
                case '\t':
                    m_json += "\\t";
                    break;
                default:
                    m_json += "\\u00";
                    m_json += QByteArray::number(b, 16).rightJustified(2, '0');
                }
            } else {
                m_json += c;
            }
        }
        m_json += '"';
    }

    QByteArray m_json;
};

} // namespace

QByteArray AnlagenThema(int anzeigeNummer, const char *was) {
    return "anlage/" + QByteArray::number(anzeigeNummer) + '/' + was;
}

QByteArray Thema(const QString &standort, const QByteArray &unterThema) {
    return "kompost/" + standort.toUtf8() + '/' + unterThema;
}

QString Zeit(const QDateTime &zeit) {
    return zeit.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString DatensatzZeit(const QString &zeit) {
    static const QRegularExpression muster(QStringLiteral(
        "^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    const QRegularExpressionMatch m = muster.match(zeit);
    if (m.hasMatch()) {
        const QDate datum(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        const QTime uhr(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (datum.isValid() && uhr.isValid())
            return Zeit(QDateTime(datum, uhr));
    }
    return zeit;
}

QString DateiName(const QString &pfad) {
    const qsizetype schnitt =
        std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
    return pfad.mid(schnitt + 1);
}

QByteArray Zustand(const tAnlageParameter &a, bool verbindung) {
    return TObjekt()
        .Text("name", a.Name)
        .Wahr("angeschlossen", a.Angeschlossen != 0)
        .Wahr("eingeschaltet", a.Eingeschaltet != 0)
        .Text("datei", DateiName(a.Datei))
        .Zahl("betriebsart", a.Betriebsart)
        .Wahr("verbindung", verbindung)
        .Fertig();
}

QByteArray Messwerte(const tAnlageMesswerte &w, const QDateTime &zeit) {
    return TObjekt()
        .Text("zeit", Zeit(zeit))
        .Temperaturen("t", w.T)
        .Zehntel("o2", w.O2)
        .Zahl("betriebsart", w.Betriebsart)
        .Zahl("laufzeit", w.Laufzeit)
        .Zahl("zyklen", w.Zyklen)
        .Zahl("refmarke", w.RefMarke)
        .Fertig();
}

QByteArray Ungueltig(const QDateTime &zeit) {
    return TObjekt().Text("zeit", Zeit(zeit)).Wahr("gueltig", false).Fertig();
}

QByteArray Datensatz(const QString &datei, qint32 nr, const QString &zeit, const tAnlageMesswerte &w) {
    return TObjekt()
        .Text("datei", DateiName(datei))
        .Zahl("nr", nr)
        .Text("zeit", DatensatzZeit(zeit))
        .Temperaturen("t", w.T)
        .Zehntel("o2", w.O2)
        .Zahl("betriebsart", w.Betriebsart)
        .Zahl("laufzeit", w.Laufzeit)
        .Zahl("zyklen", w.Zyklen)
        .Zahl("refmarke", w.RefMarke)
        .Fertig();
}

QByteArray Alarm(const tAlarmEreignis &a, int anzeigeNummer) {
    return TObjekt()
        .Text("zeit", Zeit(a.Zeit))
        .Zahl("anlage", anzeigeNummer)
        .Text("text", a.Text)
        .Text("zustand", a.Zustand)
        .Fertig();
}

} // namespace MqttNachrichten
