#include "app/CentralizarJanela.h"

int MetadeArredondada(int comprimento) {
  const int metade = comprimento / 2;
  const bool meio = comprimento % 2 != 0;
  if (!meio) return metade;
  // comprimento / 2 truncates towards zero; step to the even neighbour of the exact half.
  const int vizinho = comprimento > 0 ? metade + 1 : metade - 1;
  return (metade % 2 == 0) ? metade : vizinho;
}

QPoint PosicaoCentralizada(const QRect& principal, int alturaBarra, const QSize& janela) {
  const int esquerda =
      principal.left() + MetadeArredondada(principal.width()) - MetadeArredondada(janela.width());
  const int topo = principal.top() + alturaBarra + MetadeArredondada(principal.height()) -
                   MetadeArredondada(janela.height());
  return {esquerda, topo};
}
