#include "records/Registros.h"

#include <QVariant>

#include <initializer_list>
#include <utility>

#include "records/Conjunto.h"

namespace {

QVariant DataOuNulo(const QDateTime& valor) {
  return valor.isValid() ? QVariant(valor) : QVariant();
}

QVariant BinarioOuNulo(const QByteArray& valor) {
  return valor.isNull() ? QVariant() : QVariant(valor);
}

bool DefinirTodos(Conjunto& conjunto,
                  std::initializer_list<std::pair<const char*, QVariant>> valores) {
  for (const auto& [campo, valor] : valores) {
    if (!conjunto.definir(QString::fromLatin1(campo), valor)) return false;
  }
  return true;
}

}  // namespace

RegistroAvaliado LerAvaliado(const Conjunto& c) {
  return {c.inteiro("Avaliado"),    c.texto("Nome"),    c.texto("Apelido"),
          c.dataHora("Nascimento"), c.texto("Sexo"),    c.real("Altura"),
          c.texto("Modalidade"),    c.texto("Posicao"), c.texto("Observacao")};
}

RegistroGrupo LerGrupo(const Conjunto& c) {
  return {c.inteiro("Grupo"), c.texto("Nome"), c.texto("Temporada"), c.texto("Observacao")};
}

RegistroAvaliador LerAvaliador(const Conjunto& c) {
  return {c.inteiro("Avaliador"), c.texto("Nome"), c.texto("Observacao")};
}

RegistroLaboratorio LerLaboratorio(const Conjunto& c) {
  return {c.texto("Nome"), c.inteiro("AvaliadorPadrao"), c.binario("RelLogo"),
          c.real("RelMargemInf"), c.texto("RelRodape")};
}

RegistroAvaliacao LerAvaliacao(const Conjunto& c) {
  return {c.inteiro("Avaliacao"), c.inteiro("Avaliado"), c.inteiro("Grupo"),
          c.dataHora("Data"),     c.inteiro("Idade"),    c.texto("Sexo"),
          c.real("Peso"),         c.texto("Avaliador"),  c.texto("Exercicio"),
          c.texto("Observacao"),  c.texto("LateralP1"),  c.texto("LateralP2")};
}

bool Preencher(Conjunto& c, const RegistroAvaliado& r) {
  return DefinirTodos(c, {{"Avaliado", r.Avaliado},
                          {"Nome", r.Nome},
                          {"Apelido", r.Apelido},
                          {"Nascimento", DataOuNulo(r.Nascimento)},
                          {"Sexo", r.Sexo},
                          {"Altura", r.Altura},
                          {"Modalidade", r.Modalidade},
                          {"Posicao", r.Posicao},
                          {"Observacao", r.Observacao}});
}

bool Preencher(Conjunto& c, const RegistroGrupo& r) {
  return DefinirTodos(c, {{"Grupo", r.Grupo},
                          {"Nome", r.Nome},
                          {"Temporada", r.Temporada},
                          {"Observacao", r.Observacao}});
}

bool Preencher(Conjunto& c, const RegistroAvaliador& r) {
  return DefinirTodos(c,
                      {{"Avaliador", r.Avaliador}, {"Nome", r.Nome}, {"Observacao", r.Observacao}});
}

bool Preencher(Conjunto& c, const RegistroLaboratorio& r) {
  return DefinirTodos(c, {{"Nome", r.Nome},
                          {"AvaliadorPadrao", r.AvaliadorPadrao},
                          {"RelLogo", BinarioOuNulo(r.RelLogo)},
                          {"RelMargemInf", r.RelMargemInf},
                          {"RelRodape", r.RelRodape}});
}

bool Preencher(Conjunto& c, const RegistroAvaliacao& r) {
  return DefinirTodos(c, {{"Avaliacao", r.Avaliacao},
                          {"Avaliado", r.Avaliado},
                          {"Grupo", r.Grupo},
                          {"Data", DataOuNulo(r.Data)},
                          {"Idade", r.Idade},
                          {"Sexo", r.Sexo},
                          {"Peso", r.Peso},
                          {"Avaliador", r.Avaliador},
                          {"Exercicio", r.Exercicio},
                          {"Observacao", r.Observacao},
                          {"LateralP1", r.LateralP1},
                          {"LateralP2", r.LateralP2}});
}
