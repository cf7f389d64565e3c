#pragma once

#include <optional>
#include <string>

// A line of standard input outside raw mode: a load a test puts on a platform while the
// simulator runs, the scenario's own loads back, or a reading that will go unanswered.
struct Comando {
  int dispositivo = 0;            // 1 or 2; 0: every device
  std::optional<double> cargaKg;  // empty: the scenario's own load
  int falharLeitura = 0;  // n > 0: the n-th read-one-sample request from now goes unanswered
};

// "carga <d> <kg>", "carga <d> vazio", "falhar <d> <n>" or "cenario"; nullopt for anything else.
std::optional<Comando> LerComando(const std::string& linha);
