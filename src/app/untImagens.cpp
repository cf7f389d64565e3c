#include "app/untImagens.h"

#include <array>

#include "app/Glifos.h"

using namespace desenho;

namespace {

// Glyphs in list order.
constexpr auto kGlifosComandos = std::to_array<Glifo>(
    {GlifoAvaliado, GlifoGrupo, GlifoProtocolos, GlifoNovaAvaliacao, GlifoVisualizarAvaliacao,
     GlifoComunicacao, GlifoParametros, GlifoConfigGrafico, GlifoBackup, GlifoSair, GlifoSobre});

constexpr auto kGlifos32x64 = std::to_array<Glifo>(
    {GlifoTesteSerial, GlifoImprimir, GlifoExcel, GlifoArquivoTexto, GlifoSair, GlifoPdf,
     GlifoSalvar, GlifoAreaDeTransferencia, GlifoConfigurarImpressao, GlifoZoomMelhorAjuste,
     GlifoZoomLargura, GlifoZoom100, GlifoConfigGrafico});

constexpr auto kGlifos22x44 = std::to_array<Glifo>({GlifoAbrir});

constexpr auto kGlifos16x32 = std::to_array<Glifo>(
    {GlifoNovo, GlifoEditar, GlifoFecharX, GlifoVisualizar, GlifoVisualizarMais, GlifoSair,
     GlifoExecutar, GlifoOk, GlifoCancelar, GlifoOk, GlifoCancelar, GlifoPrimeiro, GlifoUltimo,
     GlifoAnterior, GlifoProximo, GlifoAvaliado, GlifoGrupo, GlifoProtocolos, GlifoAvaliadores});

constexpr auto kGlifos12x24 = std::to_array<Glifo>({GlifoExecutar, GlifoPequeno});

constexpr auto kGlifos48x48 = std::to_array<Glifo>({GlifoExcelPastaNova, GlifoExcelModelo});

using T = TfrmImagens;
static_assert(kGlifosComandos.size() == T::kComandos && T::Sobre + 1 == T::kComandos);
static_assert(kGlifos32x64.size() == T::kBotoes32x64 &&
              int(T::Botao32x64::ConfigGrafico) + 1 == T::kBotoes32x64);
static_assert(kGlifos22x44.size() == T::kBotoes22x44 &&
              int(T::Botao22x44::Abrir) + 1 == T::kBotoes22x44);
static_assert(kGlifos16x32.size() == T::kBotoes16x32 &&
              int(T::Botao16x32::Avaliadores) + 1 == T::kBotoes16x32);
static_assert(kGlifos12x24.size() == T::kBotoes12x24 &&
              int(T::Botao12x24::Pequeno) + 1 == T::kBotoes12x24);
static_assert(kGlifos48x48.size() == T::kIcones48x48 &&
              int(T::Icone48x48::ExcelModelo) + 1 == T::kIcones48x48);
static_assert(T::Preto + 1 == T::kLampadas && int(T::Sensor::NaoEncontrado) + 1 == T::kSensores);

template <std::size_t N>
void Tiras(std::array<QImage, N>& destino, const std::array<Glifo, N>& glifos, int lado) {
  for (std::size_t i = 0; i < N; ++i) {
    destino[i] = TiraDeDoisGlifos(DesenharGlifo(glifos[i], lado));
  }
}

}  // namespace

TfrmImagens::TfrmImagens() {
  const QColor cores[kLampadas] = {
      {40, 190, 70}, {245, 200, 30}, {225, 45, 40}, {170, 172, 178}, {55, 55, 60}};
  for (int i = 0; i < kLampadas; ++i) {
    lampadas_[i] = DesenharLampada(16, cores[i], Simbolo::Nenhum);
  }
  sensores_[int(Sensor::Desativado)] = DesenharLampada(24, cores[Cinza], Simbolo::Traco);
  sensores_[int(Sensor::Ok)] = DesenharLampada(24, cores[Verde], Simbolo::Visto);
  sensores_[int(Sensor::NaoEncontrado)] = DesenharLampada(24, cores[Vermelho], Simbolo::Xis);

  for (int i = 0; i < kComandos; ++i) {
    habilitados_[i] = DesenharGlifo(kGlifosComandos[i], 32);
    desabilitados_[i] = Acinzentar(habilitados_[i]);
  }
  Tiras(b32_, kGlifos32x64, 32);
  Tiras(b22_, kGlifos22x44, 22);
  Tiras(b16_, kGlifos16x32, 16);
  Tiras(b12_, kGlifos12x24, 12);
  for (int i = 0; i < kIcones48x48; ++i) {
    icones_[i] = DesenharGlifo(kGlifos48x48[i], 48);
  }

  logotipo_ = Logotipo();
  logotipoBarra_ = LogotipoBarra();
  faixaBarra_ = FaixaBarra();
  fundoProgresso_ = FundoProgresso();
  molduraEsquerda_ = Moldura(ParteDaMoldura::Esquerda);
  molduraCentro_ = Moldura(ParteDaMoldura::Centro);
  molduraDireita_ = Moldura(ParteDaMoldura::Direita);
}
