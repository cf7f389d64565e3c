// Reading the platform keys from the settings file, against QSettings reading the same INI file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include "AmbienteDeMedicao.h"
#include "app/ArquivoConfiguracao.h"
#include "app/ParametrosPlataformas.h"

namespace {

// A settings file as a lab's machine holds it after months of use: every key of the program.
QString ArquivoCompleto() {
  const QString caminho = CasaDeMedicao().path() + "/brivana.conf";
  if (QFile::exists(caminho)) return caminho;
  QFile f(caminho);
  if (!f.open(QIODevice::WriteOnly)) return caminho;
  f.write(
      "[Parametros]\nVersão=1.0.0.0\nP1Ativa=1\nP2Ativa=1\nHardP1COM=ttyUSB0\nHardP2COM=ttyUSB1\n"
      "SemPesoP1=120345,000\nSemPesoP2=118002,000\nComPesoP1=1520345,000\nComPesoP2=1490002,000\n"
      "CargaP1=20,000\nCargaP2=20,000\nTaraP1=0,000\nTaraP2=0,350\nIDCP1=70000,000\n"
      "IDCP2=68600,000\nbtTaraP1=Tara\nbtTaraP2=Remover Tara\nLateralP1=Direita\n"
      "LateralP2=Esquerda\nUltimaLateralP1=Direita\nUltimaLateralP2=Esquerda\nBackupCont=7\n"
      "ManterDados=1\nAvaliador=ANA SOUZA\nAvaliado=12\nPeso=72,5\nUtilizarMC=0\n"
      "SinalSonoroMC=1\nGrupo=3\nExercicio=CMJ\nObs=\nDuracaoTotal=1\nDuracaoTotalTempo=10\n"
      "TempoRegressivo=1\nTempoRegressivoTempo=5\nSinalSonoroTempoRegressivo=1\n"
      "ExportarAutoExcel=0\nPlanilhaModelo=0\nGraficoForca1N=1\nGraficoForca2N=1\n"
      "GraficoForca3N=1\nGraficoForca3kgf=0\nGraficoForcaResultante=0\nGraficoAceleracao=0\n"
      "GraficoVelocidade=0\nGraficoPosicaoM=0\nGraficoPosicaoCM=0\nGraficoPotencia=0\n"
      "GraficoGravidade=0\n");
  return caminho;
}

void BM_LerParametrosPlataformas(benchmark::State& estado) {
  const QString caminho = ArquivoCompleto();
  ParametrosPlataformas p;
  for (auto _ : estado) {
    LerParametrosPlataformas(ArquivoConfiguracao(caminho), &p);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_LerParametrosPlataformas);

// The same fourteen keys through QSettings (which cannot read the comma decimals as numbers, so
// they are taken as text), opened fresh each time as the program opens its file.
void BM_ReferenciaQSettings(benchmark::State& estado) {
  const QString caminho = ArquivoCompleto();
  const char* chaves[] = {"P1Ativa",   "HardP1COM", "SemPesoP1", "ComPesoP1", "TaraP1",
                          "IDCP1",     "LateralP1", "P2Ativa",   "HardP2COM", "SemPesoP2",
                          "ComPesoP2", "TaraP2",    "IDCP2",     "LateralP2"};
  for (auto _ : estado) {
    QSettings s(caminho, QSettings::IniFormat);
    s.beginGroup("Parametros");
    for (const char* chave : chaves) benchmark::DoNotOptimize(s.value(chave).toString());
  }
}
BENCHMARK(BM_ReferenciaQSettings);

// One key written to disk: re-read, replace atomically and flush to the device.
void BM_GravarUmaChave(benchmark::State& estado) {
  ArquivoConfiguracao a(ArquivoCompleto());
  int i = 0;
  for (auto _ : estado) benchmark::DoNotOptimize(a.gravarInteiro("BackupCont", ++i % 200));
}
BENCHMARK(BM_GravarUmaChave);

}  // namespace

int main(int argc, char** argv) {
  return ExecutarMedicoes<QCoreApplication>(argc, argv);
}
