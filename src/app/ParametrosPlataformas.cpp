#include "app/ParametrosPlataformas.h"

#include <algorithm>

#include "app/ArquivoConfiguracao.h"

QString ChavePlataforma(const QString& nome, int numero) {
  const QString sufixo = 'P' + QString::number(numero);
  if (nome == QLatin1String("HardCOM")) return "Hard" + sufixo + "COM";
  if (nome == QLatin1String("Ativa")) return sufixo + "Ativa";
  return nome + sufixo;
}

namespace {

void LerPlataforma(const ArquivoConfiguracao& a, int n, bool comLateral, ParametrosPlataforma* p) {
  p->Ativa = a.lerBooleano(ChavePlataforma("Ativa", n));
  p->HardCOM = a.lerTexto(ChavePlataforma("HardCOM", n));
  p->SemPeso = a.lerDecimal(ChavePlataforma("SemPeso", n));
  p->ComPeso = a.lerDecimal(ChavePlataforma("ComPeso", n));
  p->Tara = a.lerDecimal(ChavePlataforma("Tara", n));
  p->IDC = a.lerDecimal(ChavePlataforma("IDC", n));
  if (comLateral) p->Lateral = a.lerTexto(ChavePlataforma("Lateral", n));
}

}  // namespace

void LerParametrosInicio(const ArquivoConfiguracao& arquivo, ParametrosPlataformas* parametros) {
  for (int n = 1; n <= 2; ++n) LerPlataforma(arquivo, n, false, &parametros->plataforma(n));
  parametros->BackupCont = BackupContDoArquivo(arquivo.lerInteiro("BackupCont"));
}

void LerParametrosPlataformas(const ArquivoConfiguracao& arquivo,
                              ParametrosPlataformas* parametros) {
  for (int n = 1; n <= 2; ++n) LerPlataforma(arquivo, n, true, &parametros->plataforma(n));
}

void ContarAmostragemSalva(ParametrosPlataformas* parametros) {
  if (parametros->BackupCont < 255) ++parametros->BackupCont;
}

std::uint8_t BackupContDoArquivo(int valor) {
  return static_cast<std::uint8_t>(std::clamp(valor, 0, 255));
}
