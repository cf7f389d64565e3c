#include "calibration/ModeloCalibracao.h"

#include <tuple>

#include "app/ArquivoConfiguracao.h"
#include "app/MonitorDePlataformas.h"
#include "device/untProtocolo.h"

double CargaCorrigida(double contagem, const ParametrosPlataforma& p) {
  const double indice = p.IDC == 0 ? 1.0 : p.IDC;
  return (contagem - p.SemPeso) / indice - p.Tara;
}

double ForcaNewtons(double contagem, const ParametrosPlataforma& p) {
  return static_cast<double>(static_cast<long double>(CargaCorrigida(contagem, p)) * kGravidade);
}

double IndiceDeCalibracao(double semPeso, double comPeso, double carga) {
  double diferenca = comPeso - semPeso;
  if (diferenca == 0) diferenca = 1;
  return diferenca / carga;
}

double TaraMedida(double media, const ParametrosPlataforma& p) {
  ParametrosPlataforma semTara = p;
  semTara.Tara = 0;
  return CargaCorrigida(media, semTara);
}

double IndiceDigitado(const QString& texto) {
  double indice = 0;
  if (!TextoParaDecimal(texto, &indice)) indice = 0;
  return indice == 0 ? 1 : indice;
}

std::optional<double> MedirContagemMedia(LinkSerial* link,
                                         const std::function<void(int)>& progresso) {
  double soma = 0;
  for (int i = 1; i <= kLeiturasPorMedicao; ++i) {
    std::ignore = LimparPorta(link);
    TQuadro quadro{};
    std::uint32_t contagem = kLimiteContagem;
    if (EnviarComando(link, cmdLerAmostra) && ReceberQuadro(link, quadro, 0, 1000))
      contagem = ContagemDoQuadro(quadro);
    if (!ContagemValidaNaMedicao(contagem)) return std::nullopt;
    soma += contagem;
    if (progresso) progresso(i);
  }
  return soma / kLeiturasPorMedicao;
}

FalhaPreparacao PrepararOperacao(MonitorDePlataformas& monitor, int plataforma, std::uint8_t modo) {
  LinkSerial* link = monitor.link(plataforma).get();
  const bool identificada =
      PrepararRapido(link) &&
      IdentificarDispositivo(link, 1000, !SistemaRecusaCodigosAntigos()) == plataforma;
  if (!identificada) return FalhaPreparacao::Identificacao;
  std::ignore = LimparPorta(link);
  if (!ConfigurarPlataforma(monitor.link(1), monitor.link(2), plataforma, modo))
    return FalhaPreparacao::Configuracao;
  return FalhaPreparacao::Nenhuma;
}

LeituraAoVivo LerPlataformaAoVivo(MonitorDePlataformas& monitor, int n) {
  LeituraAoVivo leitura;
  if (!monitor.identificada(n)) {
    if (monitor.NumPortas > 0) {
      FecharPorta(monitor.link(n));
      monitor.LocalizarPlataformas();
      if (monitor.identificada(n)) {
        std::ignore = LimparPorta(monitor.link(n).get());
        std::ignore = ConfigurarPlataforma(monitor.link(1), monitor.link(2), n, kModoCalibrar);
        leitura.reconectada = true;
      }
    }
    return leitura;
  }
  LinkSerial* link = monitor.link(n).get();
  std::ignore = LimparPorta(link);
  TQuadro quadro{};
  if (!EnviarComando(link, cmdLerAmostra) || !ReceberQuadro(link, quadro, 0, 1000)) {
    monitor.identificada(n) = false;
    return leitura;
  }
  leitura.contagem = ContagemDoQuadro(quadro);
  if (!ContagemValidaAoVivo(*leitura.contagem)) monitor.identificada(n) = false;
  return leitura;
}
