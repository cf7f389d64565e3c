#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Cenario.h"
#include "Dispositivo.h"
#include "Opcoes.h"

// Publishes the ports, prints the ground truth and runs the event loop until a signal.
class Simulador {
 public:
  explicit Simulador(const Opcoes& opcoes);
  ~Simulador();

  // Exit status of the run: 0 after a terminating signal, 1 when the ports cannot be set up.
  int executar();

 private:
  bool publicarPortas();
  void anunciar() const;
  void lerEntrada();
  void tratarLinha(const std::string& linha);
  void escreverLinhaBruta(const std::string& linha);
  void executarComando(const std::string& linha);
  Dispositivo* dispositivo(int numero);

  Opcoes opcoes_;
  Cenario cenario_;
  std::vector<std::unique_ptr<Dispositivo>> portas_;  // in port order
  std::vector<int> numerosDasPortas_;
  std::string entrada_;
  bool entradaAberta_ = true;
};
