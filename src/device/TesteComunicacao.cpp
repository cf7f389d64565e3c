#include "device/TesteComunicacao.h"

#include <QThread>

#include <tuple>

#include "app/MonitorDePlataformas.h"

ResultadoTesteComunicacao TestarComunicacao(MonitorDePlataformas& monitor, bool ativaP1,
                                            bool ativaP2, const QStringList& portas) {
  ResultadoTesteComunicacao resultado;
  for (int n = 1; n <= 2; ++n) {
    monitor.identificada(n) = false;
    FecharPorta(monitor.link(n));  // a repeated test starts from the same state as the first
  }
  if (!ativaP1 && !ativaP2) return resultado;
  QString* portaDe[3] = {nullptr, &resultado.portaDispositivo1, &resultado.portaDispositivo2};
  for (const QString& porta : portas) {
    if (!resultado.portaDispositivo1.isEmpty() && !resultado.portaDispositivo2.isEmpty()) break;
    SlotLink sonda;
    if (!AbrirPorta(sonda, porta)) {
      FecharPorta(sonda);
      continue;
    }
    PrepararSondagem(sonda.get());
    DefinirDTR(sonda.get(), true);
    const Dispositivo d = IdentificarDispositivo(sonda.get(), 500, !SistemaRecusaCodigosAntigos());
    FecharPorta(sonda);
    if (d == kNenhumDispositivo || !AbrirPorta(monitor.link(d), porta)) continue;
    *portaDe[d] = porta;
    QThread::msleep(100);
    std::ignore = LimparPorta(monitor.link(d).get());
    monitor.identificada(d) = true;
    DefinirDTR(monitor.link(d).get(), true);
    ++resultado.encontrados;
  }
  return resultado;
}
