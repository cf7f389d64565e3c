#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>

#include "records/Conjunto.h"
#include "records/Registros.h"

// The samples of one trial (parameter AVALIACAO). A trial holds up to 144,000 rows, so each row
// is kept as a plain struct, and whole trials are written and removed through fast paths. Like
// every change to samples, these have no commit of their own: the trial row's commit makes them
// permanent, and closing without one discards them.
class ConjuntoAmostras final : public Conjunto {
  Q_OBJECT

 public:
  using Progresso = std::function<void(qsizetype gravadas)>;

  ConjuntoAmostras(Conexao& conexao, DefinicaoConjunto definicao);

  // Inserts the rows through one prepared statement bound by position. All or nothing: on a
  // failure none of these rows remain. Rows of the trial currently loaded also join the dataset.
  [[nodiscard]] bool acrescentarLote(std::span<const RegistroAmostra> amostras,
                                     const Progresso& progresso = {});
  // Deletes every sample of the trial in the parameter AVALIACAO with one statement.
  [[nodiscard]] bool excluirTodas();

  // Typed access for readers that walk a whole trial; NULL reads as 0.
  RegistroAmostra amostra(int linha) const;

 protected:
  int linhasArmazenadas() const override { return static_cast<int>(linhas_.size()); }
  QVariant lerArmazenado(int linha, int coluna) const override;
  void limparArmazenamento() override { linhas_.clear(); }
  void armazenarNoFim(const QVector<QVariant>& valores) override;
  void substituirArmazenado(int linha, const QVector<QVariant>& valores) override;
  void removerArmazenado(int linha) override { linhas_.erase(linhas_.begin() + linha); }
  void carregar(SQLite::Statement& consulta, const QVector<int>& colunaDoResultado) override;

 private:
  struct Linha {
    RegistroAmostra valores;
    std::uint16_t nulos = 0;  // bit c set: column c is NULL
  };
  static Linha paraLinha(const QVector<QVariant>& valores);

  std::deque<Linha> linhas_;
};
