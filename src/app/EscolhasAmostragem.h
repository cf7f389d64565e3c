#pragma once

#include <QString>

#include <optional>

class ArquivoConfiguracao;

// The set-up choices a new trial can keep for the next one ("Manter dados").
struct EscolhasAmostragem {
  QString Avaliador;  // evaluator name
  QString Avaliado;   // subject code, as shown
  QString Peso;       // body mass, as typed
  bool UtilizarMC = false;
  bool SinalSonoroMC = true;
  QString Grupo;
  QString Exercicio;
  QString Obs;
  bool DuracaoTotal = false;
  int DuracaoTotalTempo = 5;
  bool TempoRegressivo = true;
  int TempoRegressivoTempo = 5;
  bool SinalSonoroTempoRegressivo = true;
  bool ExportarAutoExcel = false;
  int PlanilhaModelo = 0;  // position in the template list
};

bool LerManterDados(const ArquivoConfiguracao& arquivo);

// The remembered choices, with the defaults for missing keys.
EscolhasAmostragem LerEscolhasAmostragem(const ArquivoConfiguracao& arquivo);

// Writes ManterDados and, only when it is set, every choice; with it unset the file keeps the
// choices of the last trial that kept them.
[[nodiscard]] bool GravarEscolhasAmostragem(ArquivoConfiguracao* arquivo, bool manterDados,
                                            const EscolhasAmostragem& escolhas);
