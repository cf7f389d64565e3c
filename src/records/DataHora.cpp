#include "records/DataHora.h"

#include <cmath>

namespace DataHora {

namespace {
constexpr qint64 kMilissegundosPorDia = 86400000;
}

QString paraTexto(const QDateTime& valor) {
  return valor.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"));
}

QDateTime deTexto(const QString& texto) {
  const QString limpo = texto.trimmed();
  QDateTime valor = QDateTime::fromString(limpo, Qt::ISODateWithMs);
  if (valor.isValid()) return valor;
  bool numero = false;
  const double dias = limpo.toDouble(&numero);
  return numero ? deDias(dias) : QDateTime();
}

QDateTime deDias(double dias) {
  if (!std::isfinite(dias) || std::fabs(dias) > 3.0e6) return QDateTime();
  // The toolkit keeps the time as the fraction's magnitude, also before the base date.
  const double inteiro = std::trunc(dias);
  qint64 milissegundos = std::llround(std::fabs(dias - inteiro) * kMilissegundosPorDia);
  QDate data = QDate(1899, 12, 30).addDays(static_cast<qint64>(inteiro));
  if (milissegundos >= kMilissegundosPorDia) {
    data = data.addDays(1);
    milissegundos = 0;
  }
  return QDateTime(data, QTime::fromMSecsSinceStartOfDay(static_cast<int>(milissegundos)));
}

}  // namespace DataHora
