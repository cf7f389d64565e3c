#pragma once

#include <vector>

// Force curves of the jumps, in body weights (force ÷ m·g, so 1 is standing still and 0 is an
// empty platform). Each contact phase is built from the body's acceleration, smooth lobes whose
// areas give the intended velocity changes; the ground truth is then taken from the samples
// actually sent, not from these targets.
namespace salto {

constexpr double kGravidade = 9.81;
constexpr double kAmostrasPorSegundo = 600.0;
// Box height of the drop jump.
constexpr double kAlturaDaQuedaM = 0.30;

enum class Tipo { Contramovimento, Agachado, Queda };

// One value per sample from the first sample of the movement to the take-off sample, which is
// 0 exactly. The countermovement and squat jumps start from standing (1); the drop jump starts
// at the instant the feet touch the platform (0).
std::vector<double> FaseDeContato(Tipo tipo);

// Downward speed on touching the platform after the drop (m/s).
double VelocidadeDeContatoDaQueda();

// Body weights tau seconds after touching down from a flight that took off at
// velocidadeDecolagem: from 0 up through an impact peak and back to standing, which holds from
// the end of the landing on. Stops the body (the velocity change equals the take-off velocity).
double PesosCorporaisNaAterrissagem(double tau, double velocidadeDecolagem);

}  // namespace salto
