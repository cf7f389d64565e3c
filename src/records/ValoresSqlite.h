#pragma once

#include <QVariant>

#include "records/Campo.h"

namespace SQLite {
class Column;
class Statement;
}  // namespace SQLite

// Conversions between SQLite values and the QVariant kinds of the dataset fields. The binding
// functions may throw SQLite::Exception; their callers catch it.
namespace ValoresSqlite {

QVariant LerColuna(const SQLite::Column& coluna, TipoCampo tipo);

// Binds a value already normalised to the field's kind; an invalid QVariant binds NULL.
void Vincular(SQLite::Statement& comando, int indice, const QVariant& valor, TipoCampo tipo);

// Binds a query parameter by the QVariant's own type.
void VincularParametro(SQLite::Statement& comando, int indice, const QVariant& valor);

// Converts a value given by a caller to the field's kind; false when it cannot be.
[[nodiscard]] bool Normalizar(const QVariant& entrada, TipoCampo tipo, QVariant& saida);

}  // namespace ValoresSqlite
