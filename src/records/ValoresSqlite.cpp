#include "records/ValoresSqlite.h"

#include <QDateTime>

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include "records/DataHora.h"

namespace ValoresSqlite {

namespace {

QString TextoDaColuna(const SQLite::Column& coluna) {
  return QString::fromUtf8(coluna.getText(), coluna.getBytes());
}

void VincularTexto(SQLite::Statement& comando, int indice, const QString& texto) {
  const QByteArray utf8 = texto.toUtf8();
  comando.bind(indice, std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

void VincularBinario(SQLite::Statement& comando, int indice, const QByteArray& dados) {
  // A null pointer would bind NULL; an empty blob must stay an empty blob.
  static const char kVazio[1] = {0};
  comando.bind(indice, dados.isEmpty() ? static_cast<const void*>(kVazio) : dados.constData(),
               static_cast<int>(dados.size()));
}

bool EhNulo(const QVariant& valor) {
  return !valor.isValid() || valor.isNull();
}

}  // namespace

QVariant LerColuna(const SQLite::Column& coluna, TipoCampo tipo) {
  if (coluna.isNull()) return QVariant();
  switch (tipo) {
    case TipoCampo::Inteiro:
      return QVariant::fromValue<qlonglong>(coluna.getInt64());
    case TipoCampo::Texto:
      return TextoDaColuna(coluna);
    case TipoCampo::Real:
      return coluna.getDouble();
    case TipoCampo::Binario:
      return QByteArray(static_cast<const char*>(coluna.getBlob()), coluna.getBytes());
    case TipoCampo::DataHora: {
      const QDateTime valor = (coluna.isInteger() || coluna.isFloat())
                                  ? DataHora::deDias(coluna.getDouble())
                                  : DataHora::deTexto(TextoDaColuna(coluna));
      return valor.isValid() ? QVariant(valor) : QVariant();
    }
  }
  return QVariant();
}

void Vincular(SQLite::Statement& comando, int indice, const QVariant& valor, TipoCampo tipo) {
  if (EhNulo(valor)) {
    comando.bind(indice);
    return;
  }
  switch (tipo) {
    case TipoCampo::Inteiro:
      comando.bind(indice, static_cast<int64_t>(valor.toLongLong()));
      return;
    case TipoCampo::Texto:
      VincularTexto(comando, indice, valor.toString());
      return;
    case TipoCampo::Real:
      comando.bind(indice, valor.toDouble());
      return;
    case TipoCampo::Binario:
      VincularBinario(comando, indice, valor.toByteArray());
      return;
    case TipoCampo::DataHora: {
      const QDateTime dataHora = valor.toDateTime();
      if (dataHora.isValid()) {
        VincularTexto(comando, indice, DataHora::paraTexto(dataHora));
      } else {
        comando.bind(indice);
      }
      return;
    }
  }
}

void VincularParametro(SQLite::Statement& comando, int indice, const QVariant& valor) {
  if (EhNulo(valor)) {
    comando.bind(indice);
    return;
  }
  switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Bool:
      comando.bind(indice, static_cast<int64_t>(valor.toLongLong()));
      return;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
      comando.bind(indice, valor.toDouble());
      return;
    case QMetaType::QByteArray:
      VincularBinario(comando, indice, valor.toByteArray());
      return;
    case QMetaType::QDateTime:
      VincularTexto(comando, indice, DataHora::paraTexto(valor.toDateTime()));
      return;
    default:
      VincularTexto(comando, indice, valor.toString());
      return;
  }
}

bool Normalizar(const QVariant& entrada, TipoCampo tipo, QVariant& saida) {
  if (EhNulo(entrada)) {
    saida = QVariant();
    return true;
  }
  bool ok = true;
  switch (tipo) {
    case TipoCampo::Inteiro:
      saida = QVariant::fromValue<qlonglong>(entrada.toLongLong(&ok));
      return ok;
    case TipoCampo::Real:
      saida = entrada.toDouble(&ok);
      return ok;
    case TipoCampo::Texto:
      if (!entrada.canConvert<QString>()) return false;
      saida = entrada.toString();
      return true;
    case TipoCampo::Binario:
      if (!entrada.canConvert<QByteArray>()) return false;
      saida = entrada.toByteArray();
      return true;
    case TipoCampo::DataHora: {
      QDateTime valor;
      if (entrada.typeId() == QMetaType::QDate) {
        valor = QDateTime(entrada.toDate(), QTime(0, 0));
      } else if (entrada.typeId() == QMetaType::QString) {
        valor = DataHora::deTexto(entrada.toString());
      } else {
        valor = entrada.toDateTime();
      }
      if (!valor.isValid()) return false;
      saida = valor;
      return true;
    }
  }
  return false;
}

}  // namespace ValoresSqlite
