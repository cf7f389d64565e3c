#include "app/ChavesConfiguracao.h"

#include <QHash>

namespace {

using enum TipoChave;

constexpr ChaveConfiguracao kChaves[] = {
    {u"Versão", Texto, u""},
    {u"P1Ativa", Booleano, u"1"},
    {u"P2Ativa", Booleano, u"0"},
    {u"HardP1COM", Texto, u""},
    {u"HardP2COM", Texto, u""},
    {u"SemPesoP1", Decimal, u"0,000"},
    {u"SemPesoP2", Decimal, u"0,000"},
    {u"ComPesoP1", Decimal, u"0,000"},
    {u"ComPesoP2", Decimal, u"0,000"},
    {u"CargaP1", Decimal, u"0,000"},
    {u"CargaP2", Decimal, u"0,000"},
    {u"TaraP1", Decimal, u"0,000"},
    {u"TaraP2", Decimal, u"0,000"},
    {u"IDCP1", Decimal, u"1,000"},
    {u"IDCP2", Decimal, u"1,000"},
    {u"btTaraP1", Texto, u"Tara"},
    {u"btTaraP2", Texto, u"Tara"},
    {u"LateralP1", Texto, u"Única"},
    {u"LateralP2", Texto, u"Inativa"},
    {u"UltimaLateralP1", Texto, u"Direita"},
    {u"UltimaLateralP2", Texto, u"Esquerda"},
    {u"BackupCont", Inteiro, u"0"},
    {u"ManterDados", Booleano, u"0"},
    {u"Avaliador", Texto, u""},
    {u"Avaliado", Texto, u""},
    {u"Peso", Texto, u""},
    {u"UtilizarMC", Booleano, u"0"},
    {u"SinalSonoroMC", Booleano, u"1"},
    {u"Grupo", Texto, u""},
    {u"Exercicio", Texto, u""},
    {u"Obs", Texto, u""},
    {u"DuracaoTotal", Booleano, u"0"},
    {u"DuracaoTotalTempo", Inteiro, u"5"},
    {u"TempoRegressivo", Booleano, u"1"},
    {u"TempoRegressivoTempo", Inteiro, u"5"},
    {u"SinalSonoroTempoRegressivo", Booleano, u"1"},
    {u"ExportarAutoExcel", Booleano, u"0"},
    {u"PlanilhaModelo", Inteiro, u"0"},
    {u"GraficoForca1N", Booleano, u"1"},
    {u"GraficoForca2N", Booleano, u"1"},
    {u"GraficoForca3N", Booleano, u"1"},
    {u"GraficoForca3kgf", Booleano, u"0"},
    {u"GraficoForcaResultante", Booleano, u"0"},
    {u"GraficoAceleracao", Booleano, u"0"},
    {u"GraficoVelocidade", Booleano, u"0"},
    {u"GraficoPosicaoM", Booleano, u"0"},
    {u"GraficoPosicaoCM", Booleano, u"0"},
    {u"GraficoPotencia", Booleano, u"0"},
    {u"GraficoGravidade", Booleano, u"0"},
};

}  // namespace

std::span<const ChaveConfiguracao> ChavesConfiguracao() {
  return kChaves;
}

const ChaveConfiguracao* ProcurarChave(QStringView nome) {
  static const QHash<QString, const ChaveConfiguracao*> indice = [] {
    QHash<QString, const ChaveConfiguracao*> porNome;
    for (const ChaveConfiguracao& chave : kChaves)
      porNome.insert(QString::fromUtf16(chave.nome).toLower(), &chave);
    return porNome;
  }();
  return indice.value(nome.toString().toLower(), nullptr);
}
