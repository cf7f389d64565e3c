#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Conjunto;

// Typed copies of one row of each table, for callers that handle whole records. Reading takes
// the dataset's current row; NULL reads as 0, an empty text or an invalid date. Filling sets
// every column of the record being appended or edited; an invalid date and a null byte array
// are written as NULL.

struct RegistroAvaliado {
  qint64 Avaliado = 0;
  QString Nome;
  QString Apelido;
  QDateTime Nascimento;
  QString Sexo;
  double Altura = 0;
  QString Modalidade;
  QString Posicao;
  QString Observacao;
};

struct RegistroGrupo {
  qint64 Grupo = 0;
  QString Nome;
  QString Temporada;
  QString Observacao;
};

struct RegistroAvaliador {
  qint64 Avaliador = 0;
  QString Nome;
  QString Observacao;
};

struct RegistroLaboratorio {
  QString Nome;
  qint64 AvaliadorPadrao = 0;
  QByteArray RelLogo;
  double RelMargemInf = 0;
  QString RelRodape;
};

struct RegistroAvaliacao {
  qint64 Avaliacao = 0;
  qint64 Avaliado = 0;
  qint64 Grupo = 0;
  QDateTime Data;
  qint64 Idade = 0;
  QString Sexo;
  double Peso = 0;
  QString Avaliador;
  QString Exercicio;
  QString Observacao;
  QString LateralP1;
  QString LateralP2;
};

// One sample of a trial, columns in table order.
struct RegistroAmostra {
  qint64 Avaliacao = 0;
  qint64 SeqAmostra = 0;
  double Tempo = 0;
  double Forca1N = 0;
  double Forca2N = 0;
  double Forca3N = 0;
  double ForcaKGF = 0;
  double ForcaResultante = 0;
  double Aceleracao = 0;
  double Velocidade = 0;
  double PosicaoM = 0;
  double PosicaoCM = 0;
  double PotenciaW = 0;
  double Gravidade = 0;
};

RegistroAvaliado LerAvaliado(const Conjunto& conjunto);
RegistroGrupo LerGrupo(const Conjunto& conjunto);
RegistroAvaliador LerAvaliador(const Conjunto& conjunto);
RegistroLaboratorio LerLaboratorio(const Conjunto& conjunto);
RegistroAvaliacao LerAvaliacao(const Conjunto& conjunto);

[[nodiscard]] bool Preencher(Conjunto& conjunto, const RegistroAvaliado& registro);
[[nodiscard]] bool Preencher(Conjunto& conjunto, const RegistroGrupo& registro);
[[nodiscard]] bool Preencher(Conjunto& conjunto, const RegistroAvaliador& registro);
[[nodiscard]] bool Preencher(Conjunto& conjunto, const RegistroLaboratorio& registro);
[[nodiscard]] bool Preencher(Conjunto& conjunto, const RegistroAvaliacao& registro);
