#include "app/Glifos.h"

#include <QFont>

namespace desenho {

namespace {

void Visto(Pincel& k, QPointF a, QPointF b, QPointF c, const QColor& cor, qreal largura) {
  QPainterPath visto;
  visto.moveTo(a);
  visto.lineTo(b);
  visto.lineTo(c);
  k.p.setPen(k.caneta(cor, largura));
  k.p.setBrush(Qt::NoBrush);
  k.p.drawPath(visto);
}

void Texto(Pincel& k, const QRectF& r, const QString& texto, qreal pixels, const QColor& cor) {
  k.p.setFont(Fonte(pixels, true));
  k.p.setPen(cor);
  k.p.drawText(r, Qt::AlignCenter, texto);
}

void Cantoneira(Pincel& k, QPointF canto, qreal dx, qreal dy) {
  QPainterPath l;
  l.moveTo(canto + QPointF(dx, 0));
  l.lineTo(canto);
  l.lineTo(canto + QPointF(0, dy));
  k.p.setPen(k.caneta(paleta::vinho, 2.2));
  k.p.setBrush(Qt::NoBrush);
  k.p.drawPath(l);
}

void SeloMais(Pincel& k, QPointF centro, qreal raio, const QColor& cor) {
  Selo(k, centro, raio, cor);
  const qreal braco = raio * 0.52;
  k.linha(centro - QPointF(braco, 0), centro + QPointF(braco, 0), paleta::papel, raio * 0.32);
  k.linha(centro - QPointF(0, braco), centro + QPointF(0, braco), paleta::papel, raio * 0.32);
}

}  // namespace

void GlifoTesteSerial(Pincel& k) {
  {
    Deslocamento menor(k, {0, 0}, 0.8);
    Conector(k);
  }
  Selo(k, {23.5, 23.5}, 8, paleta::verde);
  Visto(k, {19.6, 23.8}, {22.5, 26.7}, {27.3, 20.6}, paleta::papel, 2.2);
}

void GlifoImprimir(Pincel& k) {
  Impressora(k);
}

void GlifoExcel(Pincel& k) {
  PlanilhaExcel(k, QRectF(10, 3, 19, 26), QRectF(3, 8, 16, 16));
}

void GlifoArquivoTexto(Pincel& k) {
  Folha(k, QRectF(6, 2, 20, 28), 6);
  LinhasDeTexto(k, QRectF(9.5, 11, 13, 14), 5);
}

void GlifoPdf(Pincel& k) {
  Folha(k, QRectF(9, 2, 19, 28), 6);
  LinhasDeTexto(k, QRectF(12, 8.5, 9, 4), 2);
  QPainterPath faixa;
  faixa.addRoundedRect(QRectF(3, 15.5, 20, 10), 1.5, 1.5);
  k.preencher(faixa, paleta::vermelho, paleta::vermelho.darker(150));
  Texto(k, QRectF(3, 15.5, 20, 10), QStringLiteral("PDF"), 8, paleta::papel);
  LinhasDeTexto(k, QRectF(12, 27.5, 11, 0), 1);
}

void GlifoSalvar(Pincel& k) {
  QPainterPath disco;
  disco.addPolygon(QPolygonF({{4, 4}, {24.5, 4}, {28, 7.5}, {28, 28}, {4, 28}}));
  disco.closeSubpath();
  k.preencher(disco, paleta::azul.darker(115), paleta::azul.darker(180));
  QPainterPath protecao;
  protecao.addRect(QRectF(9, 4, 13.5, 8.5));
  k.preencher(protecao, paleta::cinzaClaro, paleta::contorno, 0.8);
  QPainterPath janela;
  janela.addRect(QRectF(17.5, 5.5, 3, 5.5));
  k.preencher(janela, paleta::azul.darker(160), QColor());
  QPainterPath etiqueta;
  etiqueta.addRoundedRect(QRectF(7.5, 16, 17, 12), 1, 1);
  k.preencher(etiqueta, paleta::papel, paleta::azul.darker(180), 0.8);
  LinhasDeTexto(k, QRectF(10, 19.5, 12, 4.5), 2);
}

void GlifoAreaDeTransferencia(Pincel& k) {
  Prancheta(k, false);
}

void GlifoConfigurarImpressao(Pincel& k) {
  {
    Deslocamento menor(k, {0, 0}, 0.82);
    Impressora(k);
  }
  Engrenagem(k, {23.5, 23.5}, 8, paleta::amarelo.darker(110));
}

void GlifoZoomMelhorAjuste(Pincel& k) {
  Cantoneira(k, {3, 3}, 6, 6);
  Cantoneira(k, {29, 3}, -6, 6);
  Cantoneira(k, {3, 29}, 6, -6);
  Cantoneira(k, {29, 29}, -6, -6);
  Lupa(k, {14.5, 14.5}, 6.5, {22.5, 22.5});
}

void GlifoZoomLargura(Pincel& k) {
  Lupa(k, {14, 11}, 7, {22.5, 19.5});
  Seta(k, {16, 27}, {30, 27}, paleta::vinho, 2.2);
  Seta(k, {16, 27}, {2, 27}, paleta::vinho, 2.2);
}

void GlifoZoom100(Pincel& k) {
  Lupa(k, {13, 13}, 10.5, {29, 29});
  Texto(k, QRectF(3, 7, 20, 12), QStringLiteral("1:1"), 8.5, paleta::vermelhoEscuro);
}

void GlifoAbrir(Pincel& k) {
  const QColor borda = paleta::amarelo.darker(190);
  QPainterPath fundo;
  fundo.addPolygon(QPolygonF({{3, 6}, {11, 6}, {13.5, 9}, {27, 9}, {27, 26}, {3, 26}}));
  fundo.closeSubpath();
  k.preencher(fundo, paleta::amarelo.darker(125), borda);
  QPainterPath folha;
  folha.addRect(QRectF(6.5, 11, 17, 10));
  k.preencher(folha, paleta::papel, QColor(130, 130, 135), 0.8);
  QPainterPath frente;
  frente.addPolygon(QPolygonF({{7, 14.5}, {30.5, 14.5}, {27, 26}, {3, 26}}));
  frente.closeSubpath();
  k.preencher(frente, paleta::amarelo, borda);
}

void GlifoNovo(Pincel& k) {
  Folha(k, QRectF(5, 2, 18, 26), 6);
  SeloMais(k, {22.5, 22.5}, 8.5, paleta::verde);
}

void GlifoEditar(Pincel& k) {
  k.p.save();
  k.p.translate(17.4, 14.6);
  k.p.rotate(-45);
  const QColor madeiraClara(235, 205, 160);
  QPainterPath corpo;
  corpo.addRect(QRectF(-10, -4, 18, 8));
  k.preencher(corpo, paleta::amarelo, paleta::amarelo.darker(180));
  QPainterPath borracha;
  borracha.addRoundedRect(QRectF(8, -4, 5, 8), 1.2, 1.2);
  k.preencher(borracha, paleta::vinhoClaro, paleta::vinho.darker(130));
  Triangulo(k, {-10, -4}, {-10, 4}, {-17, 0}, madeiraClara);
  Triangulo(k, {-14.4, -1.5}, {-14.4, 1.5}, {-17, 0}, paleta::contorno);
  k.p.restore();
}

void GlifoFecharX(Pincel& k) {
  QPainterPath circulo;
  circulo.addEllipse(QPointF(16, 16), 13.5, 13.5);
  k.preencher(circulo, paleta::vermelho, paleta::vermelho.darker(150));
  k.linha({11, 11}, {21, 21}, paleta::papel, 3.6);
  k.linha({21, 11}, {11, 21}, paleta::papel, 3.6);
}

void GlifoVisualizar(Pincel& k) {
  Lupa(k, {13, 13}, 9, {28, 28});
}

void GlifoVisualizarMais(Pincel& k) {
  Lupa(k, {11.5, 13.5}, 8.5, {25, 27.5});
  Triangulo(k, {22.5, 2}, {31, 8.5}, {22.5, 15}, paleta::verde);
}

void GlifoExecutar(Pincel& k) {
  Triangulo(k, {8, 4.5}, {27.5, 16}, {8, 27.5}, paleta::verde);
}

void GlifoOk(Pincel& k) {
  Visto(k, {5, 16.5}, {12.5, 24}, {27, 8.5}, paleta::verde, 5);
}

void GlifoCancelar(Pincel& k) {
  k.linha({7, 7}, {25, 25}, paleta::vermelho, 5);
  k.linha({25, 7}, {7, 25}, paleta::vermelho, 5);
}

void GlifoPrimeiro(Pincel& k) {
  QPainterPath barra;
  barra.addRoundedRect(QRectF(5, 6, 4.5, 20), 1, 1);
  k.preencher(barra, paleta::vinho, paleta::vinho.darker(140));
  Triangulo(k, {27, 6}, {11.5, 16}, {27, 26}, paleta::vinho);
}

void GlifoUltimo(Pincel& k) {
  QPainterPath barra;
  barra.addRoundedRect(QRectF(22.5, 6, 4.5, 20), 1, 1);
  k.preencher(barra, paleta::vinho, paleta::vinho.darker(140));
  Triangulo(k, {5, 6}, {20.5, 16}, {5, 26}, paleta::vinho);
}

void GlifoAnterior(Pincel& k) {
  Triangulo(k, {24, 5}, {8, 16}, {24, 27}, paleta::vinho);
}

void GlifoProximo(Pincel& k) {
  Triangulo(k, {8, 5}, {24, 16}, {8, 27}, paleta::vinho);
}

void GlifoAvaliadores(Pincel& k) {
  Pessoa(k, {11.5, 9}, 0.85, 30, paleta::vinho);
  Deslocamento menor(k, {15, 13}, 0.55);
  Prancheta(k, false);
}

void GlifoPequeno(Pincel& k) {
  QPainterPath quadrado;
  quadrado.addRoundedRect(QRectF(9, 9, 14, 14), 2, 2);
  k.preencher(quadrado, paleta::vinho, paleta::vinho.darker(140));
}

void GlifoExcelPastaNova(Pincel& k) {
  PlanilhaExcel(k, QRectF(11, 2, 19, 27), QRectF(2, 9, 15, 15));
  SeloMais(k, {25, 25}, 6.5, paleta::azul);
}

void GlifoExcelModelo(Pincel& k) {
  QPainterPath atras;
  atras.addRoundedRect(QRectF(13, 0.5, 18.5, 26), 1.2, 1.2);
  k.preencher(atras, paleta::cinzaClaro, QColor(120, 125, 120));
  PlanilhaExcel(k, QRectF(11, 3, 18.5, 27), QRectF(2, 10, 15, 15));
  QPainterPath cabecalho;
  cabecalho.addRect(QRectF(17.5, 5, 10.5, 3.5));
  k.preencher(cabecalho, paleta::vinho, QColor());
}

}  // namespace desenho
