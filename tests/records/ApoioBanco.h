#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <utility>

class Conjunto;

// Helpers of the data-module tests. The database file is checked through a connection of its
// own, so a fault of the module cannot hide behind itself.
namespace ApoioBanco {

// First column of the first row of a query on the file, or an invalid QVariant.
QVariant Consultar(const QString& caminho, const QString& sql);
qint64 Contar(const QString& caminho, const QString& tabela);
// "nome tipo pk" of each column, from PRAGMA table_info.
QStringList Colunas(const QString& caminho, const QString& tabela);

// Writes a database with the program's tables, less one table or one column ("TABELA.Coluna").
void CriarBancoIncompleto(const QString& caminho, const QString& omitido);

QByteArray ConteudoDoArquivo(const QString& caminho);

// Appends one row with these values and posts it.
using Valores = std::initializer_list<std::pair<const char*, QVariant>>;
[[nodiscard]] bool Acrescentar(Conjunto& conjunto, Valores valores);
// Edits the current row with these values and posts it.
[[nodiscard]] bool Alterar(Conjunto& conjunto, Valores valores);

}  // namespace ApoioBanco
