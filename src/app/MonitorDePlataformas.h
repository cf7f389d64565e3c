#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

#include "app/ParametrosPlataformas.h"
#include "device/untProtocolo.h"

// Lamp kinds of a platform's status panel.
enum class EstadoLampada : int {
  Nenhuma = 0,
  Verde = 1,
  Amarelo = 2,
  Vermelho = 3,
  Cinza = 4,
  Preto = 5
};

// What one tick of the status monitor decided for the two panels; a label left empty is kept.
struct ResultadoVerificacao {
  std::array<EstadoLampada, 2> lampada{};
  std::array<std::optional<QString>, 2> rotulo;
  bool portasEncontradas = false;  // the tick saw at least one port: the timer slows to 3 s
};

// Watches the two platforms while the program is idle: finds on which serial port each device
// sits, keeps both platform links open on those ports and checks that each still answers. The two
// platforms are the same code with a platform number; platform 2 is platform 1's twin.
class MonitorDePlataformas {
 public:
  MonitorDePlataformas(ParametrosPlataformas& parametros, QString arquivoConfiguracao);
  ~MonitorDePlataformas();

  // One tick of the status timer; nothing while a port probe runs.
  std::optional<ResultadoVerificacao> Verificar();
  // Probes the listed ports for the devices not yet identified and binds their platform links.
  void LocalizarPlataformas();
  // Fills ListaPortas (sorted) and NumPortas from the machine's ports.
  void AtualizarPortas();

  SlotLink& link(int numero) { return links_[numero - 1]; }
  bool& identificada(int numero) { return identificada_[numero - 1]; }
  std::uint8_t& falhas(int numero) { return falhas_[numero - 1]; }
  // Failures count up to 255 and stay there: wrapping to 0 would show a dead platform as green.
  void contarFalha(int numero);

  QStringList ListaPortas;
  std::uint8_t NumPortas = 0;
  bool LocalizandoPortas = false;

 private:
  void VerificarPlataforma(int numero, ResultadoVerificacao& resultado,
                           std::array<bool, 2>& semPorta);
  bool Responde(int numeroDoLink, int dispositivoEsperado, bool limparAntes);

  ParametrosPlataformas& parametros_;
  QString arquivoConfiguracao_;
  std::array<SlotLink, 2> links_;
  std::array<bool, 2> identificada_{};
  std::array<std::uint8_t, 2> falhas_{};
};
