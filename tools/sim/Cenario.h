#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Salto.h"

enum class TipoCenario { Quieto, Cmj, Sj, Dj, Vazio, Carga };

struct ParametrosCenario {
  TipoCenario tipo = TipoCenario::Quieto;
  double massaKg = 70.0;
  double divisao = 0.5;  // share of the body on device 1
  int dispositivos = 2;
  double zero = 100000.0;
  double contagensPorKg = 1000.0;
  double inicioS = 3.0;
  double cargaKg = 20.0;
};

// What a program integrating the sent samples should find, scenario time in seconds.
struct VerdadeDoSalto {
  double velocidadeDecolagem = 0.0;
  double tempoVoo = 0.0;
  double alturaSalto = 0.0;
  double instanteDecolagem = 0.0;
  double instanteAterrissagem = 0.0;
  // Drop jump only: the instant and speed of touching the platform after the drop.
  double instanteContato = 0.0;
  double velocidadeContato = 0.0;
};

// The load on each platform over scenario time (sample n streamed is at n/600 s) and the count
// each device reports for it.
class Cenario {
 public:
  static constexpr std::uint32_t kContagemMaxima = 0xFFFFFF;

  explicit Cenario(const ParametrosCenario& parametros);

  // Count of device 1 or 2 at streamed sample n, with a load error of ruidoKg.
  std::uint32_t contagem(int dispositivo, std::int64_t amostra, double ruidoKg) const;
  // What an idle device reads: the scenario before any movement.
  std::uint32_t contagemEmRepouso(int dispositivo, double ruidoKg) const;
  // Count any device reports for kg on its platform, within the 24-bit range.
  std::uint32_t contagemDaCarga(double kg) const;

  const ParametrosCenario& parametros() const { return p_; }
  const std::optional<VerdadeDoSalto>& salto() const { return verdade_; }

 private:
  double pesosCorporais(std::int64_t amostra) const;
  double pesosEmRepouso() const;
  double cargaKg(int dispositivo, double pesosCorporais) const;
  // Total force ÷ mass − g, from the counts sent without noise: what the program integrates.
  double aceleracaoEnviada(std::int64_t amostra) const;
  void montarSalto(salto::Tipo tipo);

  ParametrosCenario p_;
  std::int64_t amostraInicio_ = 0;
  std::vector<double> contato_;
  std::int64_t amostraDecolagem_ = -1;
  std::optional<VerdadeDoSalto> verdade_;
};
