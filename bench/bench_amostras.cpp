// Storing and reading back one full trial (144,000 sample rows), against plain SQLite doing the
// same inserts and reads with one prepared statement in one transaction.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <vector>

#include "AmbienteDeMedicao.h"
#include "records/untDM.h"

namespace {

constexpr int kAmostras = 144000;

std::vector<RegistroAmostra> Amostragem(qint64 avaliacao) {
  std::vector<RegistroAmostra> linhas(kAmostras);
  for (int i = 0; i < kAmostras; ++i) {
    RegistroAmostra& r = linhas[i];
    const double t = i / 600.0;
    r = {avaliacao, i + 1,   t,       700 + t,  690 - t, 1390.0,  141.7,
         700.0,     0.5 * t, 0.1 * t, 0.01 * t, t,       350 * t, 0.05 * t};
  }
  return linhas;
}

QString Banco(const char* nome) {
  const QString caminho = CasaDeMedicao().path() + '/' + nome;
  QFile::remove(caminho);
  return caminho;
}

void BM_GravarAmostragem(benchmark::State& estado) {
  TfrmDM dm(Banco("gravar.db"));
  qint64 avaliacao = 0;
  for (auto _ : estado) {
    const auto linhas = Amostragem(++avaliacao);
    if (!dm.qAvaliacoesDados().acrescentarLote(linhas) || !dm.Commit())
      estado.SkipWithError("gravação falhou");
  }
  estado.SetItemsProcessed(estado.iterations() * kAmostras);
}
BENCHMARK(BM_GravarAmostragem)->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_ReferenciaSqliteGravar(benchmark::State& estado) {
  TfrmDM criador(Banco("referencia.db"));  // same schema, then plain SQLite on the file
  const QByteArray caminho = criador.caminhoBanco().toUtf8();
  static_cast<void>(criador.FecharBanco());
  sqlite3* db = nullptr;
  sqlite3_open(caminho.constData(), &db);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO AVALIACOESDADOS VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1,
                     &insert, nullptr);
  qint64 avaliacao = 0;
  for (auto _ : estado) {
    const auto linhas = Amostragem(++avaliacao);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const RegistroAmostra& r : linhas) {
      sqlite3_bind_int64(insert, 1, r.Avaliacao);
      sqlite3_bind_int64(insert, 2, r.SeqAmostra);
      const double valores[] = {r.Tempo,    r.Forca1N,         r.Forca2N,    r.Forca3N,
                                r.ForcaKGF, r.ForcaResultante, r.Aceleracao, r.Velocidade,
                                r.PosicaoM, r.PosicaoCM,       r.PotenciaW,  r.Gravidade};
      for (int c = 0; c < 12; ++c) sqlite3_bind_double(insert, c + 3, valores[c]);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  }
  sqlite3_finalize(insert);
  sqlite3_close(db);
  estado.SetItemsProcessed(estado.iterations() * kAmostras);
}
BENCHMARK(BM_ReferenciaSqliteGravar)->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_LerAmostragem(benchmark::State& estado) {
  TfrmDM dm(Banco("ler.db"));
  if (!dm.qAvaliacoesDados().acrescentarLote(Amostragem(1)) || !dm.Commit())
    estado.SkipWithError("preparo falhou");
  dm.qAvaliacoesDados().definirParametro(QStringLiteral("AVALIACAO"), 1);
  for (auto _ : estado) {
    if (!dm.qAvaliacoesDados().refresh() || dm.qAvaliacoesDados().recordCount() != kAmostras)
      estado.SkipWithError("leitura falhou");
  }
  estado.SetItemsProcessed(estado.iterations() * kAmostras);
}
BENCHMARK(BM_LerAmostragem)->Unit(benchmark::kMillisecond);

void BM_ReferenciaSqliteLer(benchmark::State& estado) {
  TfrmDM dm(Banco("ler-referencia.db"));
  if (!dm.qAvaliacoesDados().acrescentarLote(Amostragem(1)) || !dm.Commit())
    estado.SkipWithError("preparo falhou");
  const QByteArray caminho = dm.caminhoBanco().toUtf8();
  static_cast<void>(dm.FecharBanco());
  sqlite3* db = nullptr;
  sqlite3_open(caminho.constData(), &db);
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(db, "select * from AVALIACOESDADOS where AVALIACAO = ?", -1, &select, nullptr);
  std::vector<RegistroAmostra> linhas;
  for (auto _ : estado) {
    linhas.clear();
    sqlite3_bind_int64(select, 1, 1);
    while (sqlite3_step(select) == SQLITE_ROW) {
      RegistroAmostra r;
      r.Avaliacao = sqlite3_column_int64(select, 0);
      r.SeqAmostra = sqlite3_column_int64(select, 1);
      double* destino[] = {&r.Tempo,    &r.Forca1N,         &r.Forca2N,    &r.Forca3N,
                           &r.ForcaKGF, &r.ForcaResultante, &r.Aceleracao, &r.Velocidade,
                           &r.PosicaoM, &r.PosicaoCM,       &r.PotenciaW,  &r.Gravidade};
      for (int c = 0; c < 12; ++c) *destino[c] = sqlite3_column_double(select, c + 2);
      linhas.push_back(r);
    }
    sqlite3_reset(select);
  }
  sqlite3_finalize(select);
  sqlite3_close(db);
  estado.SetItemsProcessed(estado.iterations() * kAmostras);
}
BENCHMARK(BM_ReferenciaSqliteLer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return ExecutarMedicoes<QCoreApplication>(argc, argv);
}
