#include "Comando.h"

#include <QString>
#include <QStringList>

#include <cmath>

namespace {

// The same bounds as --carga.
constexpr double kCargaMaximaKg = 1e5;

}  // namespace

std::optional<Comando> LerComando(const std::string& linha) {
  const QStringList partes =
      QString::fromStdString(linha).simplified().split(' ', Qt::SkipEmptyParts);
  if (partes == QStringList{QStringLiteral("cenario")}) return Comando{};
  const bool falhar = partes.size() == 3 && partes[0] == QStringLiteral("falhar");
  if (partes.size() != 3 || (partes[0] != QStringLiteral("carga") && !falhar)) return std::nullopt;

  Comando comando;
  bool ok = false;
  comando.dispositivo = partes[1].toInt(&ok);
  if (!ok || (comando.dispositivo != 1 && comando.dispositivo != 2)) return std::nullopt;
  if (falhar) {
    comando.falharLeitura = partes[2].toInt(&ok);
    if (!ok || comando.falharLeitura < 1) return std::nullopt;
    return comando;
  }
  if (partes[2] == QStringLiteral("vazio")) {
    comando.cargaKg = 0.0;
    return comando;
  }
  const double kg = partes[2].toDouble(&ok);
  if (!ok || !std::isfinite(kg) || kg < 0.0 || kg > kCargaMaximaKg) return std::nullopt;
  comando.cargaKg = kg;
  return comando;
}
