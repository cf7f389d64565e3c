#pragma once

#include <optional>
#include <string>

// A line of standard input outside raw mode: a load a test puts on a platform while the
// simulator runs, or the scenario's own loads back.
struct Comando {
  int dispositivo = 0;            // 1 or 2; 0: every device
  std::optional<double> cargaKg;  // empty: the scenario's own load
};

// "carga <d> <kg>", "carga <d> vazio" or "cenario"; nullopt for anything else.
std::optional<Comando> LerComando(const std::string& linha);
