#pragma once

#include <vector>

#include "records/Conjunto.h"

// A dataset whose rows are kept as they come, one QVariant per column: for the small tables.
class ConjuntoTabela final : public Conjunto {
  Q_OBJECT

 public:
  using Conjunto::Conjunto;

 protected:
  int linhasArmazenadas() const override { return static_cast<int>(linhas_.size()); }
  QVariant lerArmazenado(int linha, int coluna) const override { return linhas_[linha][coluna]; }
  void limparArmazenamento() override { linhas_.clear(); }
  void armazenarNoFim(const QVector<QVariant>& valores) override { linhas_.push_back(valores); }
  void substituirArmazenado(int linha, const QVector<QVariant>& valores) override {
    linhas_[linha] = valores;
  }
  void removerArmazenado(int linha) override { linhas_.erase(linhas_.begin() + linha); }

 private:
  std::vector<QVector<QVariant>> linhas_;
};
