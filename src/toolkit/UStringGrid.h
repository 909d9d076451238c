// A read-only grid of texts with a fixed title row and a fixed title column, in
// the manner of a classic string grid: cells are addressed (column, row), row 0
// is the title row and column 0 the title column; (0, 0) is the corner.
// The title row and column stay in place when the grid scrolls.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QTableWidget;

class TStringGrid : public QWidget {
    Q_OBJECT
public:
    // spalten and zeilen count the title column and the title row.
    explicit TStringGrid(int spalten = 2, int zeilen = 2, QWidget *parent = nullptr);

    void setSpaltenAnzahl(int spalten); // >= 1
    int spaltenAnzahl() const;
    void setZeilenAnzahl(int zeilen); // >= 1
    int zeilenAnzahl() const;

    // Text of a cell; outside the grid Cells() is empty and setCells() does nothing.
    QString Cells(int spalte, int zeile) const;
    void setCells(int spalte, int zeile, const QString &text);
    // Empties every cell but the titles (row 0 and column 0).
    void leereZellen();

    // Column widths and the height of every row (the title row included), in
    // pixels at the design size; TFormSkalierer scales them with the window.
    void setSpaltenBreite(int spalte, int breite);
    int spaltenBreite(int spalte) const;
    void setSpaltenBreiten(const QList<int> &breiten);
    void setZeilenHoehe(int hoehe);
    int zeilenHoehe() const;
    // Scales the design widths and heights (called by TFormSkalierer).
    void skalieren(double fx, double fy);

    // The table that shows the cells (for styling and tests).
    QTableWidget *tabelle() const { return m_tabelle; }

signals:
    // A click on a cell, a title, the corner, or (-1, -1) on the empty area.
    void geklickt(int spalte, int zeile);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void wendeGroessenAn();

    QTableWidget *m_tabelle;
    QString m_ecke;
    QList<int> m_breiten; // design widths per column
    int m_zeilenHoehe = 18;
    double m_fx = 1.0;
    double m_fy = 1.0;
};
