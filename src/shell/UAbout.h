// The about box "Info": the maker's logo and the product texts of the main window.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class TFMain;

class TFAbout : public QDialog {
    Q_OBJECT
public:
    // Copies the main window's logo and its product, version, comment and
    // notice texts.
    explicit TFAbout(TFMain &main);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QLabel *Copyright = nullptr;
    // The home folder: where the configuration, the installation options and
    // the event logs are kept.
    QLabel *HeimLabel = nullptr;
    QPushButton *OKButton = nullptr;

    // Sets every text of the box in the current language: when it is built
    // and again on a language change.
    void SetzeTexte();

protected:
    void changeEvent(QEvent *ereignis) override;

private:
    QString m_heimordner;
};
