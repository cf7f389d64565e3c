#pragma once

#include <QImage>

#include "app/DesenhoBase.h"

// The pictures of the image holder, one drawing function each.
namespace desenho {

// Commands of the main window (GlifosComandos.cpp).
void GlifoAvaliado(Pincel& k);
void GlifoGrupo(Pincel& k);
void GlifoProtocolos(Pincel& k);
void GlifoNovaAvaliacao(Pincel& k);
void GlifoVisualizarAvaliacao(Pincel& k);
void GlifoComunicacao(Pincel& k);
void GlifoParametros(Pincel& k);
void GlifoConfigGrafico(Pincel& k);
void GlifoBackup(Pincel& k);
void GlifoSair(Pincel& k);
void GlifoSobre(Pincel& k);

// Buttons of the other windows (GlifosBotoes.cpp).
void GlifoTesteSerial(Pincel& k);
void GlifoImprimir(Pincel& k);
void GlifoExcel(Pincel& k);
void GlifoArquivoTexto(Pincel& k);
void GlifoPdf(Pincel& k);
void GlifoSalvar(Pincel& k);
void GlifoAreaDeTransferencia(Pincel& k);
void GlifoConfigurarImpressao(Pincel& k);
void GlifoZoomMelhorAjuste(Pincel& k);
void GlifoZoomLargura(Pincel& k);
void GlifoZoom100(Pincel& k);
void GlifoAbrir(Pincel& k);
void GlifoNovo(Pincel& k);
void GlifoEditar(Pincel& k);
void GlifoFecharX(Pincel& k);
void GlifoVisualizar(Pincel& k);
void GlifoVisualizarMais(Pincel& k);
void GlifoExecutar(Pincel& k);
void GlifoOk(Pincel& k);
void GlifoCancelar(Pincel& k);
void GlifoPrimeiro(Pincel& k);
void GlifoUltimo(Pincel& k);
void GlifoAnterior(Pincel& k);
void GlifoProximo(Pincel& k);
void GlifoAvaliadores(Pincel& k);
void GlifoPequeno(Pincel& k);
void GlifoExcelPastaNova(Pincel& k);
void GlifoExcelModelo(Pincel& k);

// Lamps and the larger pictures (DesenhoLogotipos.cpp).
enum class Simbolo { Nenhum, Traco, Visto, Xis };
[[nodiscard]] QImage DesenharLampada(int lado, const QColor& cor, Simbolo simbolo);
[[nodiscard]] QImage Logotipo();
[[nodiscard]] QImage LogotipoBarra();
[[nodiscard]] QImage FaixaBarra();
[[nodiscard]] QImage FundoProgresso();
enum class ParteDaMoldura { Esquerda, Centro, Direita };
[[nodiscard]] QImage Moldura(ParteDaMoldura parte);

}  // namespace desenho
