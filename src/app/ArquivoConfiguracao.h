#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The settings file: one [Parametros] section of key=value lines.
// An object reads the file when it is created and is meant to live for one use; every write
// re-reads the file, changes one key and replaces the file atomically, so the file on disk is
// always the only place where settings live between uses and an interrupted write loses nothing.
class ArquivoConfiguracao {
 public:
  explicit ArquivoConfiguracao(QString caminho);

  // Reads with the key's own default (see ChavesConfiguracao.h).
  QString lerTexto(const QString& chave) const;
  bool lerBooleano(const QString& chave) const;
  int lerInteiro(const QString& chave) const;
  double lerDecimal(const QString& chave) const;

  // Reads with a default of the caller's.
  QString lerTexto(const QString& chave, const QString& padrao) const;
  // Any integer other than 0 is true; a missing or non-numeric value gives the default.
  bool lerBooleano(const QString& chave, bool padrao) const;
  int lerInteiro(const QString& chave, int padrao) const;
  // The comma is the only decimal separator: "1.000" is unparsable and gives the default.
  double lerDecimal(const QString& chave, double padrao) const;

  using Valores = QList<QPair<QString, QString>>;
  // Several keys in one replacement of the file: all of them land, or none.
  [[nodiscard]] bool gravar(const Valores& valores);
  [[nodiscard]] bool gravarTexto(const QString& chave, const QString& valor);
  [[nodiscard]] bool gravarBooleano(const QString& chave, bool valor);
  [[nodiscard]] bool gravarInteiro(const QString& chave, int valor);
  // Written as the calibration values are: three decimals with a comma ("1,000").
  [[nodiscard]] bool gravarDecimal(const QString& chave, double valor);

  const QString& caminho() const { return caminho_; }

 private:
  void carregar();
  void indexar();
  void aplicar(const QString& chave, const QString& valor);
  bool valor(const QString& chave, QString* saida) const;

  QString caminho_;
  QStringList linhas_;
  QHash<QString, qsizetype> chaves_;  // lower-case key of [Parametros] -> its line
  qsizetype fimSecao_ = -1;           // where a new key goes; -1 without the section
};

// Conversions shared with the windows that show calibration numbers.
QString DecimalParaTexto(double valor, int casas = 3);
inline QString BooleanoParaTexto(bool valor) {
  return valor ? QStringLiteral("1") : QStringLiteral("0");
}
bool TextoParaDecimal(const QString& texto, double* valor);
bool TextoParaInteiro(const QString& texto, int* valor);

// Decodes settings-file bytes: UTF-8 when valid, otherwise Windows-1252.
QString DecodificarTextoConfiguracao(const QByteArray& bytes);
