// Proportional resizing of a window laid out with absolute geometry: the resizer
// remembers the design geometry of the window's controls and their fonts, and
// when the window is resized it scales every control's position and size by the
// window's width and height ratios and the fonts by the smaller of the two.
// The window cannot be made smaller than its design size (or a given minimum).
//
// Controls placed by a layout are left to their layout; containers (plain
// widgets, frames, group boxes, the pages of tab and stacked widgets) are
// scaled together with the controls on them. String grids also get their
// column widths and row heights scaled.
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class TFormSkalierer : public QObject {
    Q_OBJECT
public:
    // Remembers the window as it is now as its design. mindestGroesse: the
    // smallest size of the window; an invalid size means the design size.
    explicit TFormSkalierer(QWidget *fenster, const QSize &mindestGroesse = QSize());

    // Leaves a control (and the controls on it) out of the scaling. Call before Merken().
    void Ausnehmen(QWidget *control);
    // Remembers the window's present layout as its design (after controls were
    // added); the window should be at its design size.
    void Merken();
    // Scales the controls to the window's present size (done on every resize).
    void Anwenden();

    QSize designGroesse() const { return m_design; }
    QSize mindestGroesse() const;
    // Present ratios of the window's size to its design size.
    double faktorX() const;
    double faktorY() const;

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    struct TKind {
        QPointer<QWidget> widget;
        QRect design;
    };
    struct TBehaelter {
        QPointer<QWidget> widget;
        QSize design;
        QList<TKind> kinder;
    };
    struct TSchrift {
        QPointer<QWidget> widget;
        QFont design;
    };

    void erfasse(QWidget *behaelter);
    void erfasseKind(TBehaelter &eintrag, QWidget *kind);
    void skaliereKinder(const TBehaelter &eintrag);
    void erfasseSchriften(QWidget *w);
    void skaliereSchriften();
    bool istBehaelter(QWidget *w) const;

    QPointer<QWidget> m_fenster;
    QSize m_design;
    QSize m_mindest;
    QList<QPointer<QWidget>> m_ausgenommen;
    QList<TBehaelter> m_behaelter;
    QList<TSchrift> m_schriften;
    bool m_aktiv = false;
};
