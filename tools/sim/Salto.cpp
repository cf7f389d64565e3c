#include "Salto.h"

#include <cmath>
#include <numbers>

namespace salto {

namespace {

constexpr double kPi = std::numbers::pi;

// Durations in samples, so the take-off falls exactly on a sample.
constexpr int kAlivio = 210;        // unweighting of the countermovement, 0.35 s
constexpr int kImpulsoCmj = 270;    // braking and propulsion, 0.45 s
constexpr int kImpulsoSj = 240;     // propulsion of the squat jump, 0.40 s
constexpr int kSoltura = 48;        // force falling from body weight to 0 before take-off, 0.08 s
constexpr int kContatoQueda = 168;  // whole contact of the drop jump, 0.28 s
constexpr double kAterrissagemS = 0.35;

constexpr double kAceleracaoAlivio = 0.6 * kGravidade;
constexpr double kDecolagemCmj = 2.5;
constexpr double kDecolagemSj = 2.3;
constexpr double kDecolagemQueda = 2.2;

double Segundos(int amostras) {
  return amostras / kAmostrasPorSegundo;
}

// Half-sine lobe of the given duration: area 2·pico·T/π.
double Lobo(double tau, double duracao, double pico) {
  return pico * std::sin(kPi * tau / duracao);
}

// Acceleration of the release: from 0 down to -g over the duration, area -g·T/2.
double Soltura(double tau) {
  const double t = Segundos(kSoltura);
  return -kGravidade * (1.0 - std::cos(kPi * tau / t)) / 2.0;
}

// Braking plus propulsion, appended to the acceleration samples so far (none for a jump that
// starts from rest): a lobe and the release that together gain `ganho` m/s.
std::vector<double> Impulso(int amostrasLobo, double ganho, std::vector<double> aceleracoes) {
  const double duracao = Segundos(amostrasLobo);
  const double pico = (ganho + kGravidade * Segundos(kSoltura) / 2.0) * kPi / (2.0 * duracao);
  if (aceleracoes.empty()) aceleracoes.push_back(0.0);
  for (int k = 1; k <= amostrasLobo; ++k) aceleracoes.push_back(Lobo(Segundos(k), duracao, pico));
  for (int k = 1; k <= kSoltura; ++k) aceleracoes.push_back(Soltura(Segundos(k)));
  return aceleracoes;
}

std::vector<double> EmPesosCorporais(const std::vector<double>& aceleracoes) {
  std::vector<double> pesos;
  pesos.reserve(aceleracoes.size());
  for (const double a : aceleracoes) pesos.push_back(1.0 + a / kGravidade);
  pesos.back() = 0.0;
  return pesos;
}

}  // namespace

double VelocidadeDeContatoDaQueda() {
  return std::sqrt(2.0 * kGravidade * kAlturaDaQuedaM);
}

std::vector<double> FaseDeContato(Tipo tipo) {
  switch (tipo) {
    case Tipo::Contramovimento: {
      const double duracao = Segundos(kAlivio);
      std::vector<double> aceleracoes;
      for (int k = 0; k <= kAlivio; ++k)
        aceleracoes.push_back(-Lobo(Segundos(k), duracao, kAceleracaoAlivio));
      const double perda = 2.0 * kAceleracaoAlivio * duracao / kPi;
      return EmPesosCorporais(Impulso(kImpulsoCmj, kDecolagemCmj + perda, aceleracoes));
    }
    case Tipo::Agachado:
      return EmPesosCorporais(Impulso(kImpulsoSj, kDecolagemSj, {}));
    case Tipo::Queda: {
      // One half-sine force pulse from touch-down to take-off: it stops the fall and throws the
      // body up again. Area in body weights: 2·pico·T/π; the velocity change adds -g·T.
      const double duracao = Segundos(kContatoQueda);
      const double ganho = VelocidadeDeContatoDaQueda() + kDecolagemQueda;
      const double pico = (ganho / kGravidade + duracao) * kPi / (2.0 * duracao);
      std::vector<double> pesos;
      for (int k = 0; k <= kContatoQueda; ++k) pesos.push_back(Lobo(Segundos(k), duracao, pico));
      pesos.back() = 0.0;
      return pesos;
    }
  }
  return {0.0};
}

double PesosCorporaisNaAterrissagem(double tau, double velocidadeDecolagem) {
  if (tau >= kAterrissagemS) return 1.0;
  if (tau < 0.0) return 0.0;
  // From -g (no contact) to 0 (standing), plus a lobe that takes the landing speed away.
  const double fase = kPi * tau / kAterrissagemS;
  const double pico =
      (velocidadeDecolagem + kGravidade * kAterrissagemS / 2.0) * kPi / (2.0 * kAterrissagemS);
  const double aceleracao = -kGravidade * (1.0 + std::cos(fase)) / 2.0 + pico * std::sin(fase);
  return 1.0 + aceleracao / kGravidade;
}

}  // namespace salto
