#include "Cenario.h"

#include <algorithm>
#include <cmath>

using salto::kAmostrasPorSegundo;
using salto::kGravidade;

Cenario::Cenario(const ParametrosCenario& parametros)
    : p_(parametros), amostraInicio_(std::llround(parametros.inicioS * kAmostrasPorSegundo)) {
  switch (p_.tipo) {
    case TipoCenario::Cmj:
      montarSalto(salto::Tipo::Contramovimento);
      break;
    case TipoCenario::Sj:
      montarSalto(salto::Tipo::Agachado);
      break;
    case TipoCenario::Dj:
      montarSalto(salto::Tipo::Queda);
      break;
    default:
      break;
  }
}

void Cenario::montarSalto(salto::Tipo tipo) {
  contato_ = salto::FaseDeContato(tipo);
  amostraDecolagem_ = amostraInicio_ + std::int64_t(contato_.size()) - 1;
  const double dt = 1.0 / kAmostrasPorSegundo;

  // Integrate the samples as they go out, by the trapezoid rule. From standing, the program's
  // first state is at rest (acceleration and velocity 0 before sample 1); the drop jump starts
  // from the touch-down, whose speed the platform cannot see.
  VerdadeDoSalto v;
  double velocidade = 0.0;
  std::int64_t primeira = 1;
  double anterior = 0.0;
  if (tipo == salto::Tipo::Queda) {
    v.instanteContato = double(amostraInicio_) / kAmostrasPorSegundo;
    v.velocidadeContato = salto::VelocidadeDeContatoDaQueda();
    velocidade = -v.velocidadeContato;
    primeira = amostraInicio_ + 1;
    anterior = aceleracaoEnviada(amostraInicio_);
  }
  for (std::int64_t n = primeira; n <= amostraDecolagem_; ++n) {
    const double atual = aceleracaoEnviada(n);
    velocidade += (anterior + atual) / 2.0 * dt;
    anterior = atual;
  }
  v.velocidadeDecolagem = velocidade;
  v.tempoVoo = 2.0 * velocidade / kGravidade;
  v.alturaSalto = velocidade * velocidade / (2.0 * kGravidade);
  v.instanteDecolagem = double(amostraDecolagem_) / kAmostrasPorSegundo;
  v.instanteAterrissagem = v.instanteDecolagem + v.tempoVoo;
  verdade_ = v;
}

double Cenario::pesosEmRepouso() const {
  switch (p_.tipo) {
    case TipoCenario::Dj:
    case TipoCenario::Vazio:
      return 0.0;
    default:
      return 1.0;
  }
}

double Cenario::pesosCorporais(std::int64_t amostra) const {
  if (contato_.empty() || amostra < amostraInicio_) return pesosEmRepouso();
  if (amostra <= amostraDecolagem_) return contato_[std::size_t(amostra - amostraInicio_)];
  if (!verdade_) return 0.0;  // the flight is not known while the contact is being integrated
  const double tempo = double(amostra) / kAmostrasPorSegundo;
  return salto::PesosCorporaisNaAterrissagem(tempo - verdade_->instanteAterrissagem,
                                             verdade_->velocidadeDecolagem);
}

double Cenario::cargaKg(int dispositivo, double pesosCorporais) const {
  if (p_.tipo == TipoCenario::Carga) return p_.cargaKg;
  if (p_.tipo == TipoCenario::Vazio) return 0.0;
  const double parte = p_.dispositivos == 1 ? 1.0
                       : dispositivo == 1   ? p_.divisao
                                            : 1.0 - p_.divisao;
  return p_.massaKg * pesosCorporais * parte;
}

std::uint32_t Cenario::contagemDaCarga(double kg) const {
  const double contagem = std::round(p_.zero + kg * p_.contagensPorKg);
  return std::uint32_t(std::clamp(contagem, 0.0, double(kContagemMaxima)));
}

std::uint32_t Cenario::contagem(int dispositivo, std::int64_t amostra, double ruidoKg) const {
  return contagemDaCarga(cargaKg(dispositivo, pesosCorporais(amostra)) + ruidoKg);
}

std::uint32_t Cenario::contagemEmRepouso(int dispositivo, double ruidoKg) const {
  return contagemDaCarga(cargaKg(dispositivo, pesosEmRepouso()) + ruidoKg);
}

double Cenario::aceleracaoEnviada(std::int64_t amostra) const {
  double kg = 0.0;
  for (int d = 1; d <= p_.dispositivos; ++d)
    kg += (double(contagem(d, amostra, 0.0)) - p_.zero) / p_.contagensPorKg;
  return kg * kGravidade / p_.massaKg - kGravidade;
}
