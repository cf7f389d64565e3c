#pragma once

#include <QString>
#include <QStringList>

class MonitorDePlataformas;

// What the communication test found.
struct ResultadoTesteComunicacao {
  QString portaDispositivo1;
  QString portaDispositivo2;
  int encontrados = 0;
};

// The communication test: forgets both platform links, then probes the listed ports (in order,
// each at most once, until both devices are found) and binds each device found to its platform's
// link, whether or not that platform is active. `portas` is the sorted list probed.
ResultadoTesteComunicacao TestarComunicacao(MonitorDePlataformas& monitor, bool ativaP1,
                                            bool ativaP2, const QStringList& portas);
