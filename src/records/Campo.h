#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Kinds of value a dataset field holds; each maps to one QVariant type (qlonglong, QString,
// QDateTime, double, QByteArray). A SQL NULL is an invalid QVariant.
enum class TipoCampo { Inteiro, Texto, DataHora, Real, Binario };

struct DefinicaoCampo {
  QString nome;
  TipoCampo tipo = TipoCampo::Texto;
  QString rotulo;   // column heading; the name when empty
  int largura = 0;  // display width in characters; 0 when not set
  QString formato;  // display format ("####0.00000", "dd/mm/yyyy"); empty when not set
  // Lookup or calculated: computed from other datasets, never read from or written to the table.
  bool derivado = false;
  bool obrigatorio = false;

  QString rotuloExibido() const { return rotulo.isEmpty() ? nome : rotulo; }
};

// Everything a dataset needs to read and write one table.
struct DefinicaoConjunto {
  QString nome;    // "qAvaliados"
  QString tabela;  // "AVALIADOS"
  QVector<DefinicaoCampo> campos;
  QStringList chave;  // fields that identify a row again after a re-read; empty when none
  QString selecao;
  QString insercao;
  QString atualizacao;
  QString exclusao;
};
