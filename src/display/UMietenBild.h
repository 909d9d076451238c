// The pictures of the live display: the cross-section of a compost pile with
// its measuring lance, on which the window places its instruments, and the
// aeration fan shown while the fan runs.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

// A compost pile in cross-section: sky, the pile as a rounded trapezoid in
// earthy browns on the ground, the aeration pipe under it, a temperature lance
// from the surface down to 100 cm with a sensor at each measuring depth, and a
// dashed depth line from the left edge to each sensor. Everything is drawn in
// proportion to the widget's size, so controls placed on it at the heights of
// TiefenAnteil() stay on their lines when the window is scaled.
class TMietenBild : public QWidget {
    Q_OBJECT
public:
    explicit TMietenBild(QWidget *parent = nullptr);

    // The measuring depths, surface first: 0, 25, 50, 75 and 100 cm.
    static constexpr int Tiefen[5] = {0, 25, 50, 75, 100};
    // Height of the line of depth tiefeCm (0..100) as a fraction of the picture's height.
    static double TiefenAnteil(int tiefeCm);
    // Ground level and the pile's left and right foot, as fractions of height and width.
    static constexpr double BodenAnteil = 0.855;
    static constexpr double FussLinks = 0.52;
    static constexpr double FussRechts = 0.905;
    // The lance's horizontal position as a fraction of the width.
    static constexpr double LanzeAnteil = 0.712;
    // Where the depth lines begin, as a fraction of the width.
    void setLinienAnfang(double anteil);

    // Labels of the five depths beside the lance ("0 cm" ... "100 cm").
    void setTiefenTexte(const QStringList &texte);
    QStringList tiefenTexte() const { return m_tiefenTexte; }

    // Air rising from the aeration pipe (while the fan runs).
    void setBelueftet(bool an);
    bool belueftet() const { return m_belueftet; }

    QSize sizeHint() const override { return QSize(468, 436); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_tiefenTexte;
    double m_linienAnfang = 0.0;
    bool m_belueftet = false;
};

// The aeration fan: a round housing with a four-bladed impeller. While it is
// shown the impeller turns.
class TLuefterBild : public QWidget {
    Q_OBJECT
public:
    explicit TLuefterBild(QWidget *parent = nullptr);

    // The impeller's angle in degrees.
    double drehung() const { return m_drehung; }

    QSize sizeHint() const override { return QSize(48, 48); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer m_takt;
    double m_drehung = 0.0;
};
