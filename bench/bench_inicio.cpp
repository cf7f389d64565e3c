// Start-up to the first showing of the main window (offscreen), against an empty Qt main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include "AmbienteDeMedicao.h"
#include "app/Pastas.h"
#include "app/untPrincipal.h"

namespace {

void MostrarEEsperar(QWidget& janela) {
  janela.show();
  while (!janela.windowHandle() || !janela.windowHandle()->isExposed())
    QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

// Usual start: settings folder, settings file and database already there.
void BM_InicioAtePrimeiraExibicao(benchmark::State& estado) {
  { TfrmPrincipal preparo; }  // creates the folder, the file and the database once
  for (auto _ : estado) {
    TfrmPrincipal principal;
    MostrarEEsperar(principal);
  }
}
BENCHMARK(BM_InicioAtePrimeiraExibicao)->Unit(benchmark::kMillisecond);

// First run on a clean account: the folder, the settings file and the database are created.
void BM_PrimeiraExecucao(benchmark::State& estado) {
  const QString pasta = MontarPastas(QString()).configuracao;
  for (auto _ : estado) {
    estado.PauseTiming();
    QDir(pasta).removeRecursively();
    estado.ResumeTiming();
    TfrmPrincipal principal;
    MostrarEEsperar(principal);
  }
}
BENCHMARK(BM_PrimeiraExecucao)->Unit(benchmark::kMillisecond);

// Qt's own floor: a main window with a menu and a label.
void BM_ReferenciaJanelaQt(benchmark::State& estado) {
  for (auto _ : estado) {
    QMainWindow janela;
    janela.setCentralWidget(new QLabel(QStringLiteral("Brivana")));
    janela.resize(1280, 800);
    MostrarEEsperar(janela);
  }
}
BENCHMARK(BM_ReferenciaJanelaQt)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return ExecutarMedicoes<QApplication>(argc, argv);
}
