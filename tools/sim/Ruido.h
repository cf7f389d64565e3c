#pragma once

#include <cmath>
#include <cstdint>
#include <random>

// Gaussian noise from a seeded generator. The normal deviate is made here (Box-Muller) rather
// than by std::normal_distribution, whose output differs between standard libraries, so a seed
// gives the same run everywhere.
class Ruido {
 public:
  Ruido(std::uint64_t semente, double desvioPadrao) : gerador_(semente), desvio_(desvioPadrao) {}

  double proximo() {
    if (desvio_ <= 0.0) return 0.0;
    if (guardado_) {
      guardado_ = false;
      return reserva_ * desvio_;
    }
    const double u1 = 1.0 - uniforme();  // (0, 1]: log stays finite
    const double u2 = uniforme();
    const double raio = std::sqrt(-2.0 * std::log(u1));
    const double angulo = 2.0 * 3.14159265358979323846 * u2;
    reserva_ = raio * std::sin(angulo);
    guardado_ = true;
    return raio * std::cos(angulo) * desvio_;
  }

 private:
  double uniforme() { return double(gerador_() >> 11) * 0x1.0p-53; }

  std::mt19937_64 gerador_;
  double desvio_;
  double reserva_ = 0.0;
  bool guardado_ = false;
};
