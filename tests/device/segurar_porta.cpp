// Holds a serial port from a process of its own: opens it, says "aberta" or "falhou", and keeps
// it until its standard input closes.
#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

#include "device/TransporteSerial.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    return 2;
  }
  auto transporte = NovoTransporteDoSistema();
  const bool aberta = transporte->abrir(QString::fromLocal8Bit(argv[1]));
  std::cout << (aberta ? "aberta" : "falhou") << std::endl;
  std::string linha;
  while (std::getline(std::cin, linha)) {
  }
  transporte->fechar();
  return 0;
}
