#include "app/Glifos.h"

namespace desenho {

void GlifoAvaliado(Pincel& k) {
  Pessoa(k, {16, 9}, 1, 30, paleta::azul);
}

void GlifoGrupo(Pincel& k) {
  const QColor atras(115, 150, 195);
  Pessoa(k, {8.5, 7.5}, 0.72, 27, atras);
  Pessoa(k, {23.5, 7.5}, 0.72, 27, atras);
  Pessoa(k, {16, 12.5}, 0.9, 31, paleta::vinho);
}

void GlifoProtocolos(Pincel& k) {
  Prancheta(k, true);
}

void GlifoNovaAvaliacao(Pincel& k) {
  QPainterPath plataforma;
  plataforma.addRoundedRect(QRectF(3, 26.5, 26, 4.5), 1.5, 1.5);
  k.preencher(plataforma, paleta::aco, paleta::contorno);
  k.linha({5, 27.6}, {27, 27.6}, paleta::azulClaro, 0.9);

  // A countermovement jump caught in flight, arms swung up.
  const QColor corpo = paleta::vinho;
  QPainterPath cabeca;
  cabeca.addEllipse(QPointF(16, 6), 3, 3);
  k.preencher(cabeca, corpo, QColor());
  QPainterPath figura;
  figura.moveTo(16, 10);
  figura.lineTo(16, 17);
  figura.moveTo(9.5, 2.5);
  figura.lineTo(11.5, 7.5);
  figura.lineTo(16, 10.5);
  figura.lineTo(20.5, 7.5);
  figura.lineTo(22.5, 2.5);
  figura.moveTo(11, 24.5);
  figura.lineTo(13.2, 20.5);
  figura.lineTo(16, 17);
  figura.lineTo(18.8, 20.5);
  figura.lineTo(21, 24.5);
  k.p.setPen(k.caneta(corpo, 2.7));
  k.p.setBrush(Qt::NoBrush);
  k.p.drawPath(figura);
}

void GlifoVisualizarAvaliacao(Pincel& k) {
  Grafico(k, QRectF(2, 2, 23, 22));
  Lupa(k, {20.5, 19.5}, 6, {29.5, 29});
}

void GlifoComunicacao(Pincel& k) {
  Conector(k);
}

void GlifoParametros(Pincel& k) {
  const qreal cursores[3] = {21, 10, 16};
  for (int i = 0; i < 3; ++i) {
    const qreal y = 7 + i * 9;
    const qreal x = cursores[i];
    k.linha({4, y}, {28, y}, paleta::cinza, 2.6);
    k.linha({4, y}, {x, y}, paleta::vinho, 2.6);
    QPainterPath botao;
    botao.addRoundedRect(QRectF(x - 2.8, y - 4.2, 5.6, 8.4), 1.6, 1.6);
    k.preencher(botao, paleta::cinzaClaro, paleta::contorno);
  }
}

void GlifoConfigGrafico(Pincel& k) {
  Grafico(k, QRectF(2, 3, 25, 22));
  Engrenagem(k, {23, 23}, 8, paleta::cinza);
}

void GlifoBackup(Pincel& k) {
  const QRectF topo(4, 3, 19, 7);
  const qreal base = 24;
  QPainterPath corpo;
  corpo.addRect(QRectF(topo.left(), topo.center().y(), topo.width(), base - topo.center().y()));
  corpo.addEllipse(QRectF(topo.left(), base - topo.height() / 2, topo.width(), topo.height()));
  k.preencher(corpo.simplified(), paleta::vinho, paleta::vermelhoEscuro);
  k.p.setPen(k.caneta(paleta::vermelhoEscuro, 1));
  k.p.setBrush(Qt::NoBrush);
  for (const qreal y : {12.5, 18.0}) {
    k.p.drawArc(QRectF(topo.left(), y - topo.height() / 2, topo.width(), topo.height()), 180 * 16,
                180 * 16);
  }
  QPainterPath tampa;
  tampa.addEllipse(topo);
  k.preencher(tampa, paleta::vinhoClaro, paleta::vermelhoEscuro);

  // Round-trip arrows: a copy goes out and can come back.
  const QPointF centro(23, 23);
  Selo(k, centro, 8, paleta::verde);
  const qreal r = 4.4;
  k.p.setPen(k.caneta(paleta::papel, 1.8));
  k.p.drawArc(QRectF(centro.x() - r, centro.y() - r, 2 * r, 2 * r), 100 * 16, 250 * 16);
  const QPointF ponta = centro + QPointF(-0.8, -r);
  Triangulo(k, ponta + QPointF(2.6, 0), ponta + QPointF(-0.6, -2.6), ponta + QPointF(-0.6, 2.6),
            paleta::papel);
}

void GlifoSair(Pincel& k) {
  Porta(k);
}

void GlifoSobre(Pincel& k) {
  QPainterPath circulo;
  circulo.addEllipse(QPointF(16, 16), 14, 14);
  k.preencher(circulo, paleta::azul, paleta::azul.darker(150));
  QPainterPath letra;
  letra.addEllipse(QPointF(16, 9.5), 2.3, 2.3);
  letra.addRoundedRect(QRectF(14, 13.5, 4, 11.5), 1.2, 1.2);
  k.preencher(letra, paleta::papel, QColor());
}

}  // namespace desenho
