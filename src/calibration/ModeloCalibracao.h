#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "app/ParametrosPlataformas.h"

class LinkSerial;
class MonitorDePlataformas;

// Readings averaged by every measurement of a mean count.
inline constexpr int kLeiturasPorMedicao = 600;
// Counts above this did not come from a real reading (the largest 24-bit count is 16777215).
inline constexpr std::uint32_t kLimiteContagem = 16000000;
// Metres per second squared, from kilograms to newtons.
inline constexpr long double kGravidade = 9.81L;

// Corrected load in kg: (count − SemPeso) ÷ IDC − Tara, in that order, in floating point.
// An IDC of 0 (only a hand-edited settings file holds one) converts as 1.
double CargaCorrigida(double contagem, const ParametrosPlataforma& p);
// The corrected load × 9.81.
double ForcaNewtons(double contagem, const ParametrosPlataforma& p);

// IDC of a calibration with the load `carga` (kg) from the unloaded and loaded means; equal
// means give 1 ÷ carga. The caller refuses a load of 0 before measuring.
double IndiceDeCalibracao(double semPeso, double comPeso, double carga);
// Tara from the mean count with the object on the platform.
double TaraMedida(double media, const ParametrosPlataforma& p);
// The index typed by hand: a text that is not a number reads as 0, and 0 becomes 1.
double IndiceDigitado(const QString& texto);

// Valid counts: a measurement stops at the limit itself; a live reading passes it and stops only
// above it; a collection stores a count above it as 0.
inline bool ContagemValidaNaMedicao(std::uint32_t c) {
  return c < kLimiteContagem;
}
inline bool ContagemValidaAoVivo(std::uint32_t c) {
  return c <= kLimiteContagem;
}
inline std::uint32_t ContagemNaColeta(std::uint32_t c) {
  return c > kLimiteContagem ? 0 : c;
}

// The 600-reading measurement of a mean count on a prepared link; `progresso` gets the number
// of readings done after each one. Nothing when a reading fails or is out of range.
std::optional<double> MedirContagemMedia(LinkSerial* link,
                                         const std::function<void(int)>& progresso = {});

// What stopped the preparation of an operation.
enum class FalhaPreparacao { Nenhuma, Identificacao, Configuracao };
// Quick preparation and identification (1000 ms) of the platform's device, purge and configure
// with the operation's mode byte.
FalhaPreparacao PrepararOperacao(MonitorDePlataformas& monitor, int plataforma, std::uint8_t modo);

// One live reading of a platform, as the calibration window and the pre-collection check do it
// twice a second.
struct LeituraAoVivo {
  bool reconectada = false;               // found again by this tick's probe (and reconfigured)
  std::optional<std::uint32_t> contagem;  // the count read, also when it is over the limit
};
LeituraAoVivo LerPlataformaAoVivo(MonitorDePlataformas& monitor, int plataforma);
