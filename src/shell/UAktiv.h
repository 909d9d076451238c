// The busy window: shown over a window while records are loaded from a
// controller, with a progress bar the caller steps. Clicking its text asks
// the caller to stop (Abbruch); its text says whether the caller heeds that.
// It exists for the whole run and is never modal.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

class TFAktiv : public QWidget {
    Q_OBJECT
public:
    explicit TFAktiv(QWidget *parent = nullptr);

    // Places the window over F (its centre 100/50 pixels left of and above
    // F's centre), sets the bar to 1 of M, clears Abbruch and shows it.
    // abbrechbar: the caller stops when the text is clicked, and the text
    // says so; otherwise it says that the loading cannot be interrupted.
    void Zeige(QWidget *F, int M, bool abbrechbar = false);
    bool Abbrechbar() const { return m_abbrechbar; }

    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Text = nullptr;
    // Set when the operator clicked the text.
    bool Abbruch = false;

    // Sets the texts in the current language: when it is built and again on
    // a language change.
    void SetzeTexte();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void changeEvent(QEvent *ereignis) override;
    void paintEvent(QPaintEvent *ereignis) override;

private:
    bool m_abbrechbar = false;
};
