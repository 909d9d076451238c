// The plant tab bars: one tab per plant, captioned with the plant's displayed
// number. Tab index i (from 0) always belongs to plant number i + 1.
//
// TAnlagenTabs is the one plant tab bar of every window with plant tabs. Its
// tabs wrap into as many rows as the width needs, so all plants are visible at
// once and there are no scroll arrows. The tabs share one width: 33 pixels at
// the font the bar was built with (scaled with its font), or wider when a
// caption needs it, so every caption stays readable. Rows keep their order
// (the first row holds the first plants).
//
// Its interface follows QTabBar's where they overlap (count, currentIndex,
// setCurrentIndex, tabText, currentChanged), so a window uses it as it would a
// tab bar. Windows laid out with absolute geometry ask hoeheFuerBreite() for
// the height the rows need and place the controls below the bar after it.
#pragma once

#include <QStringList>
#include <QWidget>

class TAnlagenTabs : public QWidget {
    Q_OBJECT
public:
    explicit TAnlagenTabs(QWidget *parent = nullptr);

    int count() const { return static_cast<int>(m_texte.size()); }
    // The selected tab, -1 while there is none.
    int currentIndex() const { return m_aktuell; }
    // Selects a tab; currentChanged is emitted when the selection changes.
    // An index out of range is ignored.
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    // Appends a tab; the first tab added becomes the selected one.
    int addTab(const QString &text);
    // Deletes every tab (the selection becomes -1).
    void clear();
    // Marks a tab (a plant with an active alarm): its caption in red with a
    // red dot in its corner. An index out of range is ignored.
    void setMarkiert(int index, bool markiert);
    bool markiert(int index) const;
    // A hint on a tab (a plant that does not answer): the tab hatched, the
    // text its tool tip; empty removes it. An index out of range is ignored.
    void setHinweis(int index, const QString &text);
    QString hinweis(int index) const;

    // Width and height of one tab at the present font.
    QSize tabGroesse() const;
    // Tabs in one row and number of rows at the width w (at least 1 each).
    int tabsProReihe(int w) const;
    int reihen(int w) const;
    // The height all rows need at the width w.
    int hoeheFuerBreite(int w) const;
    // Where tab index lies at the present size; an empty rect for a bad index.
    QRect tabRect(int index) const;
    // The tab at pos, -1 where there is none.
    int tabAt(const QPoint &pos) const;

    // The size of all rows: at the fixed width, if the bar has one, else for
    // up to 16 tabs in a row.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return hoeheFuerBreite(w); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The selected tab changed (by the operator or by setCurrentIndex).
    void currentChanged(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QStringList m_texte;
    QList<bool> m_markiert;
    QStringList m_hinweise;
    int m_aktuell = -1;
    int m_ueber = -1;
    double m_designPunkte = 0;
};

// Deletes every tab of tabs and adds n tabs captioned start .. start + n - 1,
// where start is 33 with the address-block option (adressen33), else 1. The
// first tab is selected afterwards; filling emits no currentChanged: the window
// selects its plant's tab itself.
void FuelleAnlagenTabs(TAnlagenTabs &tabs, int n, bool adressen33);
