#include "app/EscolhasAmostragem.h"

#include "app/ArquivoConfiguracao.h"

bool LerManterDados(const ArquivoConfiguracao& arquivo) {
  return arquivo.lerBooleano("ManterDados", false);
}

EscolhasAmostragem LerEscolhasAmostragem(const ArquivoConfiguracao& a) {
  const EscolhasAmostragem padrao;
  EscolhasAmostragem e;
  e.Avaliador = a.lerTexto("Avaliador", padrao.Avaliador);
  e.Avaliado = a.lerTexto("Avaliado", padrao.Avaliado);
  e.Peso = a.lerTexto("Peso", padrao.Peso);
  e.UtilizarMC = a.lerBooleano("UtilizarMC", padrao.UtilizarMC);
  e.SinalSonoroMC = a.lerBooleano("SinalSonoroMC", padrao.SinalSonoroMC);
  e.Grupo = a.lerTexto("Grupo", padrao.Grupo);
  e.Exercicio = a.lerTexto("Exercicio", padrao.Exercicio);
  e.Obs = a.lerTexto("Obs", padrao.Obs);
  e.DuracaoTotal = a.lerBooleano("DuracaoTotal", padrao.DuracaoTotal);
  e.DuracaoTotalTempo = a.lerInteiro("DuracaoTotalTempo", padrao.DuracaoTotalTempo);
  e.TempoRegressivo = a.lerBooleano("TempoRegressivo", padrao.TempoRegressivo);
  e.TempoRegressivoTempo = a.lerInteiro("TempoRegressivoTempo", padrao.TempoRegressivoTempo);
  e.SinalSonoroTempoRegressivo =
      a.lerBooleano("SinalSonoroTempoRegressivo", padrao.SinalSonoroTempoRegressivo);
  e.ExportarAutoExcel = a.lerBooleano("ExportarAutoExcel", padrao.ExportarAutoExcel);
  e.PlanilhaModelo = a.lerInteiro("PlanilhaModelo", padrao.PlanilhaModelo);
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
