#pragma once

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "support/AmbienteDeTeste.h"

// Main for a window test: temporary HOME first, then a QApplication on the offscreen platform.
#define BRIVANA_GUI_TEST_MAIN(Classe)        \
  int main(int argc, char** argv) {          \
    AmbienteDeTeste::novaCasa();             \
    QApplication app(argc, argv);            \
    Classe teste;                            \
    return QTest::qExec(&teste, argc, argv); \
  }

// Runs `passos` on the next modal window of type T once it is open, while whoever opened it
// holds it in its own event loop.
template <typename T>
void NaJanela(std::function<void(T&)> passos) {
  auto* espera = new QTimer;
  espera->setInterval(10);
  QObject::connect(espera, &QTimer::timeout, [espera, passos] {
    auto* janela = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!janela || !janela->isVisible()) return;
    espera->stop();
    espera->deleteLater();
    passos(*janela);
  });
  espera->start();
}

// Saves a picture of a window when BRIVANA_CAPTURAS names a folder, for a person to look at.
inline void Capturar(QWidget& janela, const QString& nome) {
  const QString pasta = qEnvironmentVariable("BRIVANA_CAPTURAS");
  if (!pasta.isEmpty()) janela.grab().save(pasta + '/' + nome + ".png");
}
