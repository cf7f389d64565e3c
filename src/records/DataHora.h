#pragma once

#include <QDateTime>
#include <QString>

// Date-times live in the database as ISO-8601 text; files written by the Windows toolkit hold
// them as day counts since 1899-12-30 with the time as the fraction, so readers take both.
namespace DataHora {

QString paraTexto(const QDateTime& valor);

// Invalid when the text is neither ISO-8601 nor a day count.
QDateTime deTexto(const QString& texto);

QDateTime deDias(double dias);

}  // namespace DataHora
