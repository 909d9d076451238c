// A panel of toggle buttons in rows, of which at most one is down and all may be
// up: pressing a button puts it down and raises the others, pressing the button
// that is down raises it. Buttons are numbered from 0, row by row.
#pragma once

#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QGridLayout;

class TSchalterFeld : public QWidget {
    Q_OBJECT
public:
    explicit TSchalterFeld(QWidget *parent = nullptr);

    // zeilen x spalten buttons filled row by row with the captions; positions
    // without a caption stay empty, captions beyond zeilen * spalten are ignored.
    void setSchalter(int zeilen, int spalten, const QStringList &beschriftungen);
    // One caption list per row; rows may differ in length (left-aligned).
    void setSchalterZeilen(const QList<QStringList> &zeilen);

    int anzahl() const { return static_cast<int>(m_schalter.size()); }
    QString beschriftung(int index) const;
    // The button, for styling or tests; nullptr outside 0..anzahl()-1.
    QAbstractButton *schalter(int index) const;

    // The button that is down, or -1 when all are up.
    int aktuellerIndex() const { return m_index; }
    // Puts button index down and raises the others; -1 (or any index outside
    // the panel) raises all.
    void setAktuellerIndex(int index);

    // Size of one button and the gap between buttons at the design size.
    void setSchalterGroesse(const QSize &groesse);
    QSize schalterGroesse() const { return m_groesse; }
    void setAbstand(int abstand);

signals:
    // The button that is down changed, by the operator or by setAktuellerIndex;
    // -1 when all are up.
    void indexGeaendert(int index);

private:
    void baue(const QList<QStringList> &zeilen);
    void schalterGeklickt(int index, bool unten);

    QGridLayout *m_layout;
    QList<QAbstractButton *> m_schalter;
    QSize m_groesse{30, 24};
    int m_index = -1;
};
