// brivana-sim: virtual force-platform devices on pseudo-terminals. See --help.
#include <QStringList>

#include <cstdio>

#include "Opcoes.h"
#include "Saida.h"
#include "Simulador.h"

int main(int argc, char** argv) {
  QStringList argumentos;
  for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
  const LeituraDeOpcoes leitura = LerOpcoes(argumentos);
  if (!leitura.erro.isEmpty()) {
    EscreverErro(leitura.erro.toStdString() + " (veja --help)");
    return 2;
  }
  if (!leitura.opcoes) {
    std::fputs(TextoDeAjuda().toLocal8Bit().constData(), stdout);
    return 0;
  }
  Simulador simulador(*leitura.opcoes);
  return simulador.executar();
}
