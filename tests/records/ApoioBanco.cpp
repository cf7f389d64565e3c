#include "ApoioBanco.h"

#include <QFile>

#include <SQLiteCpp/SQLiteCpp.h>

#include "records/Conjunto.h"

namespace ApoioBanco {

namespace {

const std::pair<const char*, const char*> kTabelas[] = {
    {"AVALIADOS",
     "Avaliado INTEGER PRIMARY KEY, Nome TEXT, Apelido TEXT, Nascimento TEXT, Sexo TEXT, "
     "Altura REAL, Modalidade TEXT, Posicao TEXT, Observacao TEXT"},
    {"GRUPOS", "Grupo INTEGER PRIMARY KEY, Nome TEXT, Temporada TEXT, Observacao TEXT"},
    {"AVALIADORES", "Avaliador INTEGER PRIMARY KEY, Nome TEXT, Observacao TEXT"},
    {"LABORATORIO",
     "Nome TEXT, AvaliadorPadrao INTEGER, RelLogo BLOB, RelMargemInf REAL, RelRodape TEXT"},
    {"AVALIACOES",
     "Avaliacao INTEGER PRIMARY KEY, Avaliado INTEGER, Grupo INTEGER, Data TEXT, Idade INTEGER, "
     "Sexo TEXT, Peso REAL, Avaliador TEXT, Exercicio TEXT, Observacao TEXT, LateralP1 TEXT, "
     "LateralP2 TEXT"},
    {"AVALIACOESDADOS",
     "Avaliacao INTEGER, SeqAmostra INTEGER, Tempo REAL, Forca1N REAL, Forca2N REAL, "
     "Forca3N REAL, ForcaKGF REAL, ForcaResultante REAL, Aceleracao REAL, Velocidade REAL, "
     "PosicaoM REAL, PosicaoCM REAL, PotenciaW REAL, Gravidade REAL"},
};

bool Definir(Conjunto& conjunto, Valores valores) {
  for (const auto& [campo, valor] : valores) {
    if (!conjunto.definir(QString::fromLatin1(campo), valor)) return false;
  }
  return true;
}

}  // namespace

QVariant Consultar(const QString& caminho, const QString& sql) {
  SQLite::Database banco(caminho.toStdString(), SQLite::OPEN_READONLY);
  SQLite::Statement consulta(banco, sql.toStdString());
  if (!consulta.executeStep() || consulta.isColumnNull(0)) return QVariant();
  const SQLite::Column coluna = consulta.getColumn(0);
  if (coluna.isInteger()) return QVariant::fromValue<qlonglong>(coluna.getInt64());
  if (coluna.isFloat()) return coluna.getDouble();
  if (coluna.isBlob())
    return QByteArray(static_cast<const char*>(coluna.getBlob()), coluna.getBytes());
  return QString::fromUtf8(coluna.getText());
}

qint64 Contar(const QString& caminho, const QString& tabela) {
  return Consultar(caminho, QStringLiteral("select count(*) from ") + tabela).toLongLong();
}

QStringList Colunas(const QString& caminho, const QString& tabela) {
  SQLite::Database banco(caminho.toStdString(), SQLite::OPEN_READONLY);
  SQLite::Statement info(banco, "PRAGMA table_info(" + tabela.toStdString() + ")");
  QStringList colunas;
  while (info.executeStep()) {
    colunas.append(QStringLiteral("%1 %2 %3")
                       .arg(QString::fromUtf8(info.getColumn(1).getText()),
                            QString::fromUtf8(info.getColumn(2).getText()))
                       .arg(info.getColumn(5).getInt()));
  }
  return colunas;
}

void CriarBancoIncompleto(const QString& caminho, const QString& omitido) {
  SQLite::Database banco(caminho.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
  const QString tabelaOmitida = omitido.section(u'.', 0, 0);
  const QString colunaOmitida = omitido.section(u'.', 1);
  for (const auto& [tabela, colunas] : kTabelas) {
    const QString nome = QString::fromLatin1(tabela);
    if (nome == tabelaOmitida && colunaOmitida.isEmpty()) continue;
    QStringList definicoes = QString::fromLatin1(colunas).split(QStringLiteral(", "));
    if (nome == tabelaOmitida) {
      definicoes.removeIf([&](const QString& d) { return d.startsWith(colunaOmitida + u' '); });
    }
    banco.exec(
        QStringLiteral("CREATE TABLE %1 (%2)").arg(nome, definicoes.join(u',')).toStdString());
  }
  banco.exec("INSERT INTO GRUPOS (Grupo, Nome) VALUES (0, 'INDIVIDUAL')");
}

QByteArray ConteudoDoArquivo(const QString& caminho) {
  QFile arquivo(caminho);
  return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

bool Acrescentar(Conjunto& conjunto, Valores valores) {
  if (conjunto.append() && Definir(conjunto, valores) && conjunto.post()) return true;
  conjunto.cancel();
  return false;
}

bool Alterar(Conjunto& conjunto, Valores valores) {
  if (conjunto.edit() && Definir(conjunto, valores) && conjunto.post()) return true;
  conjunto.cancel();
  return false;
}

}  // namespace ApoioBanco
