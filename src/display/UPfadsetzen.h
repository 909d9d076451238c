// The folder dialog "Kompost Steuerung Kontroll- Center" of the plant data
// dialog: an explanation, the folder list, the drive choice (where the system
// has drives) and a label that always shows the selected folder. It has no
// behaviour beyond choosing a folder; the caller reads Ordner() after OK.
#pragma once

#include <QDialog>
#include <QTimer>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

class TFPfadsetzen : public QDialog {
    Q_OBJECT
public:
    // ordner: the folder selected at first (the home folder when it does not exist).
    explicit TFPfadsetzen(const QString &ordner, QWidget *parent = nullptr);

    // The selected folder, in the system's spelling, without a trailing separator.
    QString Ordner() const { return m_ordner; }
    void SetzeOrdner(const QString &ordner);

    // The explanation at the top.
    static QString ErklaerungsText();

    QLabel *Label1 = nullptr; // explanation
    QTreeView *DirectoryListBox1 = nullptr;
    QComboBox *DriveComboBox1 = nullptr;
    QLabel *DirLabel = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *AbbruchBtn = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    void SetzeTexte();
    void ordnerGewaehlt();

    QFileSystemModel *m_modell = nullptr;
    QString m_ordner;
    QTimer m_folgen;
    bool m_bedient = false;
};
