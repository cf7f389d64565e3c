#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

#include "Cenario.h"

struct Opcoes {
  int dispositivos = 2;
  bool trocar = false;
  QString nome = QStringLiteral("ttySIM");
  QString pasta;  // the virtual-port folder, already resolved
  int codigos[2] = {111, 112};
  QString nomeDoCenario = QStringLiteral("quieto");
  ParametrosCenario cenario;
  double ruidoKg = 0.05;
  std::uint64_t semente = 1;
  double taxaHz = 600.0;  // 0: as fast as the port takes them
  bool bruto = false;
  bool eco = false;

  bool lixo = false;
  int checksumErrado = 0;  // every Nth streamed frame; 0 = never
  int perder = 0;          // every Nth streamed frame; 0 = never
  bool silencio = false;
  double sumirAposS = -1.0;  // < 0 = never
  bool acimaDoLimite = false;
};

struct LeituraDeOpcoes {
  std::optional<Opcoes> opcoes;  // empty when the run must stop: after --help, or on an error
  QString erro;                  // set on an error
};

// Parses the command line (argv[0] first). The virtual-port folder defaults to
// $XDG_RUNTIME_DIR/brivana-sim, or /tmp/brivana-sim-<uid> without a runtime folder.
LeituraDeOpcoes LerOpcoes(const QStringList& argumentos);

QString TextoDeAjuda();
