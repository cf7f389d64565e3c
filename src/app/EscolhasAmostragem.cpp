#include "app/EscolhasAmostragem.h"

#include "app/ArquivoConfiguracao.h"

bool LerManterDados(const ArquivoConfiguracao& arquivo) {
  return arquivo.lerBooleano("ManterDados");
}

EscolhasAmostragem LerEscolhasAmostragem(const ArquivoConfiguracao& a) {
  EscolhasAmostragem e;
  e.Avaliador = a.lerTexto("Avaliador");
  e.Avaliado = a.lerTexto("Avaliado");
  e.Peso = a.lerTexto("Peso");
  e.UtilizarMC = a.lerBooleano("UtilizarMC");
  e.SinalSonoroMC = a.lerBooleano("SinalSonoroMC");
  e.Grupo = a.lerTexto("Grupo");
  e.Exercicio = a.lerTexto("Exercicio");
  e.Obs = a.lerTexto("Obs");
  e.DuracaoTotal = a.lerBooleano("DuracaoTotal");
  e.DuracaoTotalTempo = a.lerInteiro("DuracaoTotalTempo");
  e.TempoRegressivo = a.lerBooleano("TempoRegressivo");
  e.TempoRegressivoTempo = a.lerInteiro("TempoRegressivoTempo");
  e.SinalSonoroTempoRegressivo = a.lerBooleano("SinalSonoroTempoRegressivo");
  e.ExportarAutoExcel = a.lerBooleano("ExportarAutoExcel");
  e.PlanilhaModelo = a.lerInteiro("PlanilhaModelo");
  return e;
}

bool GravarEscolhasAmostragem(ArquivoConfiguracao* a, bool manterDados,
                              const EscolhasAmostragem& e) {
  ArquivoConfiguracao::Valores valores = {{"ManterDados", BooleanoParaTexto(manterDados)}};
  if (manterDados) {
    valores += {{"Avaliador", e.Avaliador},
                {"Avaliado", e.Avaliado},
                {"Peso", e.Peso},
                {"UtilizarMC", BooleanoParaTexto(e.UtilizarMC)},
                {"SinalSonoroMC", BooleanoParaTexto(e.SinalSonoroMC)},
                {"Grupo", e.Grupo},
                {"Exercicio", e.Exercicio},
                {"Obs", e.Obs},
                {"DuracaoTotal", BooleanoParaTexto(e.DuracaoTotal)},
                {"DuracaoTotalTempo", QString::number(e.DuracaoTotalTempo)},
                {"TempoRegressivo", BooleanoParaTexto(e.TempoRegressivo)},
                {"TempoRegressivoTempo", QString::number(e.TempoRegressivoTempo)},
                {"SinalSonoroTempoRegressivo", BooleanoParaTexto(e.SinalSonoroTempoRegressivo)},
                {"ExportarAutoExcel", BooleanoParaTexto(e.ExportarAutoExcel)},
                {"PlanilhaModelo", QString::number(e.PlanilhaModelo)}};
  }
  return a->gravar(valores);
}
