// The subjects register with 10,000 subjects: opening it and searching through every row.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QWindow>

#include "AmbienteDeMedicao.h"
#include "app/untPrincipal.h"
#include "records/PesquisaCadastro.h"
#include "records/untCadAvaliados.h"
#include "records/untDM.h"

namespace {

constexpr int kAvaliados = 10000;

// A main window whose database holds 10,000 subjects.
TfrmPrincipal& PrincipalComAvaliados() {
  // Kept until the process ends: a window must not be destroyed after the application object.
  static TfrmPrincipal& principal = *new TfrmPrincipal;
  static const bool preenchido = [] {
    Conjunto& avaliados = principal.dm().qAvaliados();
    const bool ok =
        principal.dm().conexao().executar(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
            "INSERT INTO AVALIADOS (Avaliado, Nome, Apelido, Nascimento, Sexo, Altura, "
            "Modalidade, Posicao) SELECT i, 'AVALIADO ' || i, 'A' || i, "
            "'1990-03-15T00:00:00.000', 'F', 1.7, 'VOLEIBOL', 'LEVANTADORA' FROM n") &&
        principal.dm().Commit() && avaliados.refresh();
    return ok && avaliados.recordCount() == kAvaliados;
  }();
  if (!preenchido) qFatal("could not fill the subjects table");
  return principal;
}

// Created, shown and painted once: what the operator waits for after "&Avaliados".
void BM_AbrirCadastroDeAvaliados(benchmark::State& estado) {
  TfrmPrincipal& principal = PrincipalComAvaliados();
  for (auto _ : estado) {
    TfrmCadAvaliados cadastro(principal, nullptr);
    cadastro.show();
    while (!cadastro.windowHandle() || !cadastro.windowHandle()->isExposed())
      QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(cadastro.DBGrid->model()->rowCount());
  }
}
BENCHMARK(BM_AbrirCadastroDeAvaliados)->Unit(benchmark::kMillisecond);

// A word that only the last row holds: the search reads every row's text.
void BM_LocalizarNoUltimo(benchmark::State& estado) {
  Conjunto& avaliados = PrincipalComAvaliados().dm().qAvaliados();
  for (auto _ : estado) {
    avaliados.first();
    EstadoPesquisa pesquisa{QStringLiteral("AVALIADO 10000"), QString()};
    if (!LocalizarProximo(avaliados, pesquisa)) estado.SkipWithError("não achou");
  }
  estado.SetItemsProcessed(estado.iterations() * kAvaliados);
}
BENCHMARK(BM_LocalizarNoUltimo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return ExecutarMedicoes<QApplication>(argc, argv);
}
