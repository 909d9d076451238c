#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kompost"));
    QMessageBox::information(nullptr, QStringLiteral("Kompost"),
                             QCoreApplication::translate("main", "Noch nichts anzuzeigen."));
    return 0;
}
