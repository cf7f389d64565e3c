#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

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
