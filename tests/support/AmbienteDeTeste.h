#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Every test runs in a throw-away HOME so that no test touches a real user's settings or data.
namespace AmbienteDeTeste {

// Points HOME and the XDG folders at a fresh, empty temporary folder (the previous one is removed)
// and hides the machine's own serial ports from port discovery.
void novaCasa();

// The current temporary HOME.
QString casa();

// Settings folder and data folder the program derives from the current HOME.
QString pastaConfiguracao();
QString pastaDados();

// The program's settings file in the current HOME.
QString arquivoConfiguracao();
// Writes keys into it (creating the folder) as a test's starting point; false on failure.
[[nodiscard]] bool configurar(const QList<QPair<QString, QString>>& valores);
// A key as the program would read it, with its own default.
QString conf(const QString& chave);

}  // namespace AmbienteDeTeste

// Main for a test class that needs no window system; locale and temporary HOME are set first.
#define BRIVANA_TEST_MAIN(Classe)                                       \
  int main(int argc, char** argv) {                                     \
    AmbienteDeTeste::novaCasa();                                        \
    QCoreApplication app(argc, argv);                                   \
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); \
    Classe teste;                                                       \
    return QTest::qExec(&teste, argc, argv);                            \
  }
