// The pile name the protocol viewer and the graph window show above an open
// data file: the name in the file's own header, with a hint in red where it
// is not the name of the plant whose tab is selected (the file may belong to
// another plant).
#pragma once

#include <QString>

class TMessDaten;

namespace MietenName {

// The name in the file's header line "Anlagen- Name: ...", without the
// blanks around it.
QString AusDatei(const TMessDaten &daten);

// The hint when the file's name is not the plant's (empty when they are the
// same, or the plant has no name to compare with). nummer: the plant as its
// tab shows it.
QString Hinweis(const QString &dateiName, const QString &anlagenName, const QString &nummer);

// Rich text for the name label: the file's name, and the hint in red beside it.
QString Anzeige(const QString &dateiName, const QString &anlagenName, const QString &nummer);

} // namespace MietenName
