#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "Cenario.h"
#include "Opcoes.h"
#include "PortaVirtual.h"
#include "Quadro.h"
#include "Ruido.h"

// One measuring device on its virtual port: answers the program's frames, streams samples of
// the scenario at the chosen rate and plays the faults it was asked for.
class Dispositivo {
 public:
  Dispositivo(int numero, std::unique_ptr<PortaVirtual> porta, const Cenario& cenario,
              const Opcoes& opcoes);

  int numero() const { return numero_; }
  int codigo() const { return codigo_; }
  const PortaVirtual& porta() const { return *porta_; }

  // Descriptor and events to wait on; -1 when there is nothing to wait for (gone, or resting
  // after a port error).
  int descritor(std::int64_t agora) const;
  short eventos() const;
  void aoEvento(short ocorridos, std::int64_t agora);

  // Sends what is due and plays the timed faults. Returns when it wants to run again (ns on the
  // monotonic clock), or -1 when only port events matter.
  std::int64_t avancar(std::int64_t agora);

  // Raw mode: the bytes go to the port as they are.
  void escreverBruto(const quadro::Bytes& bytes);

  // From the next reply on the platform holds kg, whatever the scenario says; empty: the
  // scenario's own load again.
  void definirCarga(std::optional<double> kg) { cargaPosta_ = kg; }
  // The n-th read-one-sample request from now on gets no answer.
  void falharLeitura(int n) { leiturasAteFalha_ = n; }

 private:
  void ler(std::int64_t agora);
  void aoLimpar(std::int64_t agora);
  void aoReceber(const std::uint8_t* bytes, std::size_t quantidade, std::int64_t agora);
  void tratar(const quadro::Recebido& recebido, std::int64_t agora);
  void iniciarTransmissao(std::int64_t agora);
  void encerrarTransmissao();
  void transmitirAmostra();
  std::int64_t prazoDaAmostra(std::int64_t amostra) const;
  // Count of streamed sample n, or of a single reading when empty; draws the noise.
  std::uint32_t contagem(std::optional<std::int64_t> amostra);
  // A transmitted sample is dropped when the port is full, as bytes on a wire nobody reads;
  // replies always go out.
  void enviar(const quadro::Bytes& q, bool amostraTransmitida);
  void escreverPendentes();
  void sumir();
  bool presente() const { return porta_->mestre() >= 0; }

  const int numero_;
  const int codigo_;
  std::unique_ptr<PortaVirtual> porta_;
  const Cenario& cenario_;
  const Opcoes& opcoes_;

  quadro::Leitor leitor_;
  quadro::Bytes fila_;
  Ruido ruido_;
  std::mt19937 lixo_;
  std::uint8_t modo_ = 0;
  std::optional<double> cargaPosta_;
  int leiturasAteFalha_ = 0;

  bool transmitindo_ = false;
  std::int64_t inicioNs_ = 0;
  std::int64_t primeiroInicioNs_ = -1;
  std::int64_t proximaAmostra_ = 0;
  std::int64_t descansoAte_ = 0;
};
