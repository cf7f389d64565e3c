#pragma once

#include <QString>

#include "records/Conexao.h"
#include "records/ConjuntoAmostras.h"
#include "records/ConjuntoTabela.h"

// What opening or closing the database came to. The module shows no message: the window tells
// the user, "Erro ao ativar sessão do banco de dados!" when falhaNaConexao and
// "Erro ao desativar sessão do banco de dados!" when falhaNaDesconexao.
struct ResultadoBanco {
  bool ok = false;
  bool falhaNaConexao = false;
  bool falhaNaDesconexao = false;
  QString detalhe;
};

// The data module: the single connection to brivana.db and one dataset per table. Every change
// becomes permanent at a commit: after each post on subjects, groups, trials, laboratory and
// evaluators, after each delete of a subject, group, trial or evaluator, and at Commit().
// Sample rows have no commit of their own.
class TfrmDM {
 public:
  // DataModuleCreate: opens the database at once; bancoDisponivel() tells how that went.
  explicit TfrmDM(const QString& caminhoBanco);
  // DataModuleDestroy: closes the datasets and the connection, discarding uncommitted work.
  ~TfrmDM();
  TfrmDM(const TfrmDM&) = delete;
  TfrmDM& operator=(const TfrmDM&) = delete;

  int VersaoBanco() const { return versaoBanco_; }
  bool bancoDisponivel() const { return disponivel_; }
  const ResultadoBanco& resultadoAbertura() const { return resultadoAbertura_; }
  const QString& caminhoBanco() const { return caminhoBanco_; }

  // Connects (creating a missing file with the full schema) and opens the six datasets.
  [[nodiscard]] ResultadoBanco AbrirBanco();
  // Closes the six datasets and disconnects; work no commit covered is discarded.
  [[nodiscard]] ResultadoBanco FecharBanco();
  // Brings a database of an older layout up to this one; the layout has not changed yet.
  void AtualizarBanco(int versaoAnterior);
  // Makes every change so far permanent.
  [[nodiscard]] bool Commit();

  Conexao& conexao() { return conexao_; }

  Conjunto& qAvaliados() { return qAvaliados_; }
  Conjunto& qGrupos() { return qGrupos_; }
  Conjunto& qAvaliacoes() { return qAvaliacoes_; }
  ConjuntoAmostras& qAvaliacoesDados() { return qAvaliacoesDados_; }
  Conjunto& qLaboratorio() { return qLaboratorio_; }
  Conjunto& qAvaliadores() { return qAvaliadores_; }

 private:
  QString ZConnectionAfterPost(Conjunto& conjunto);
  QString qAvaliadosAfterDelete(Conjunto& conjunto);
  QString qGruposAfterOpen(Conjunto& grupos);
  QVariant CalcularAvaliacao(const Conjunto& avaliacoes, int linha, const QString& campo) const;
  QVariant CalcularLaboratorio(const Conjunto& laboratorio, int linha, const QString& campo) const;
  QVector<Conjunto*> conjuntosEmOrdem();

  QString caminhoBanco_;
  int versaoBanco_ = 0;
  bool disponivel_ = false;
  ResultadoBanco resultadoAbertura_;
  Conexao conexao_;
  ConjuntoTabela qAvaliados_;
  ConjuntoTabela qGrupos_;
  ConjuntoTabela qAvaliacoes_;
  ConjuntoAmostras qAvaliacoesDados_;
  ConjuntoTabela qLaboratorio_;
  ConjuntoTabela qAvaliadores_;
};

// Code for a new row: the key of the key-ordered dataset's last row (to which it moves) plus 1;
// 1 for an empty dataset.
qint64 ProximaChave(Conjunto& conjunto, const QString& campoChave);
