#include "app/Glifos.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

namespace desenho {

namespace {

QPainter& Preparar(QPainter& p) {
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  return p;
}

// The force curve as a line over [esquerda, direita]; zero force at `zero`, `escala` pixels per
// body weight.
QPainterPath CaminhoDaCurva(qreal esquerda, qreal direita, qreal zero, qreal escala) {
  QPainterPath curva;
  const int passos = 400;
  for (int i = 0; i <= passos; ++i) {
    const qreal t = qreal(i) / passos;
    const QPointF ponto(esquerda + t * (direita - esquerda), zero - CurvaDeForca(t) * escala);
    if (i == 0) {
      curva.moveTo(ponto);
    } else {
      curva.lineTo(ponto);
    }
  }
  return curva;
}

// A jumper in flight, drawn around its hips, `altura` pixels from head to feet.
void Saltador(QPainter& p, QPointF quadril, qreal altura, const QColor& cor) {
  const qreal u = altura / 24;
  auto em = [&](qreal x, qreal y) { return quadril + QPointF(x * u, y * u); };
  p.setPen(Qt::NoPen);
  p.setBrush(cor);
  p.drawEllipse(em(0, -15), 3.2 * u, 3.2 * u);
  QPen traco(cor, 2.8 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(traco);
  p.setBrush(Qt::NoBrush);
  QPainterPath corpo;
  corpo.moveTo(em(0, -10.5));
  corpo.lineTo(em(0, 0));
  corpo.moveTo(em(-7, -19));
  corpo.lineTo(em(-5, -13));
  corpo.lineTo(em(0, -9.5));
  corpo.lineTo(em(5, -13));
  corpo.lineTo(em(7, -19));
  corpo.moveTo(em(-5.5, 10));
  corpo.lineTo(em(-3, 4.5));
  corpo.lineTo(em(0, 0));
  corpo.lineTo(em(3, 4.5));
  corpo.lineTo(em(5.5, 10));
  p.drawPath(corpo);
}

}  // namespace

QImage DesenharLampada(int lado, const QColor& cor, Simbolo simbolo) {
  QImage imagem = NovaImagem(lado, lado);
  QPainter p(&imagem);
  Preparar(p);
  const qreal c = lado / 2.0;
  const qreal r = c - 0.6;
  QRadialGradient brilho(QPointF(c - r * 0.3, c - r * 0.35), r * 1.35);
  brilho.setColorAt(0, cor.lighter(145));
  brilho.setColorAt(0.55, cor);
  brilho.setColorAt(1, cor.darker(165));
  p.setPen(QPen(cor.darker(230), std::max(0.9, lado / 18.0)));
  p.setBrush(brilho);
  p.drawEllipse(QPointF(c, c), r, r);

  QLinearGradient reflexo(0, c - r * 0.85, 0, c - r * 0.1);
  reflexo.setColorAt(0, QColor(255, 255, 255, 210));
  reflexo.setColorAt(1, QColor(255, 255, 255, 15));
  p.setPen(Qt::NoPen);
  p.setBrush(reflexo);
  p.drawEllipse(QRectF(c - r * 0.58, c - r * 0.86, r * 1.16, r * 0.72));

  QPen traco(Qt::white, lado * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(traco);
  p.setBrush(Qt::NoBrush);
  const qreal s = r * 0.42;
  switch (simbolo) {
    case Simbolo::Nenhum:
      break;
    case Simbolo::Traco:
      p.drawLine(QPointF(c - s, c + r * 0.1), QPointF(c + s, c + r * 0.1));
      break;
    case Simbolo::Visto:
      p.drawPolyline(
          QPolygonF({{c - s, c + r * 0.08}, {c - s * 0.25, c + s * 0.8}, {c + s, c - s * 0.55}}));
      break;
    case Simbolo::Xis:
      p.drawLine(QPointF(c - s * 0.8, c - s * 0.7), QPointF(c + s * 0.8, c + s * 0.9));
      p.drawLine(QPointF(c + s * 0.8, c - s * 0.7), QPointF(c - s * 0.8, c + s * 0.9));
      break;
  }
  return imagem;
}

QImage Logotipo() {
  QImage imagem = NovaImagem(640, 360);
  QPainter p(&imagem);
  Preparar(p);

  const QString nome = QStringLiteral("Brivana");
  QFont fonte = Fonte(108, true);
  fonte.setLetterSpacing(QFont::PercentageSpacing, 96);
  p.setFont(fonte);
  const qreal largura = QFontMetricsF(fonte).horizontalAdvance(nome);
  QLinearGradient tinta(0, 60, 0, 160);
  tinta.setColorAt(0, paleta::vinho);
  tinta.setColorAt(1, paleta::vermelhoEscuro);
  QPainterPath letras;
  letras.addText(QPointF((640 - largura) / 2, 150), fonte, nome);
  p.setPen(Qt::NoPen);
  p.setBrush(tinta);
  p.drawPath(letras);

  // The force plate and the force it measured during one jump, with the jumper in the air.
  const qreal esquerda = 48, direita = 592, zero = 292, escala = 30;
  QPainterPath area = CaminhoDaCurva(esquerda, direita, zero, escala);
  area.lineTo(direita, zero);
  area.lineTo(esquerda, zero);
  area.closeSubpath();
  QLinearGradient sombra(0, zero - 3.1 * escala, 0, zero);
  sombra.setColorAt(0, QColor(155, 65, 65, 90));
  sombra.setColorAt(1, QColor(155, 65, 65, 10));
  p.setBrush(sombra);
  p.drawPath(area);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(paleta::vinho, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(CaminhoDaCurva(esquerda, direita, zero, escala));
  p.setPen(QPen(QColor(155, 65, 65, 120), 1.5, Qt::DashLine));
  p.drawLine(QPointF(esquerda, zero - escala), QPointF(direita, zero - escala));

  QLinearGradient placa(0, zero, 0, zero + 12);
  placa.setColorAt(0, QColor(150, 160, 175));
  placa.setColorAt(1, QColor(95, 105, 120));
  p.setPen(Qt::NoPen);
  p.setBrush(placa);
  p.drawRoundedRect(QRectF(esquerda - 8, zero + 1, direita - esquerda + 16, 11), 4, 4);

  const qreal voo = esquerda + 0.525 * (direita - esquerda);
  Saltador(p, QPointF(voo, zero - 56), 60, paleta::vermelhoEscuro);

  p.setFont(Fonte(21, false));
  p.setPen(QColor(105, 100, 100));
  p.drawText(QRectF(0, 318, 640, 36), Qt::AlignCenter,
             QStringLiteral("Saltos verticais em plataformas de força"));
  return imagem;
}

QImage LogotipoBarra() {
  QImage imagem = NovaImagem(156, 38);
  QPainter p(&imagem);
  Preparar(p);
  p.setPen(QPen(QColor(255, 225, 225), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(CaminhoDaCurva(5, 42, 29, 6));
  const QString nome = QStringLiteral("Brivana");
  const QFont fonte = Fonte(24, true);
  p.setFont(fonte);
  p.setPen(Qt::white);
  p.drawText(QRectF(44, 0, 110, 38), Qt::AlignLeft | Qt::AlignVCenter, nome);
  return imagem;
}

QImage FaixaBarra() {
  QImage imagem = NovaImagem(53, 38);
  QPainter p(&imagem);
  Preparar(p);
  QLinearGradient fundo(0, 0, 53, 0);
  fundo.setColorAt(0, paleta::vinho);
  fundo.setColorAt(1, paleta::vermelhoEscuro);
  p.fillRect(imagem.rect(), fundo);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    const qreal x = 10 + i * 14;
    p.setBrush(QColor(255, 255, 255, 46 - i * 12));
    p.drawPolygon(QPolygonF({{x, 38}, {x + 6, 38}, {x + 18, 0}, {x + 12, 0}}));
  }
  return imagem;
}

QImage FundoProgresso() {
  QImage imagem = NovaImagem(212, 70);
  QPainter p(&imagem);
  Preparar(p);
  QLinearGradient creme(0, 0, 0, 70);
  creme.setColorAt(0, QColor(252, 247, 233));
  creme.setColorAt(1, QColor(242, 231, 207));
  p.fillRect(imagem.rect(), creme);
  p.fillRect(QRectF(0, 0, 212, 4), paleta::vinho);
  p.setPen(QPen(QColor(155, 65, 65, 70), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(CaminhoDaCurva(8, 204, 67, 4.6));
  p.setPen(QPen(QColor(200, 180, 150), 1));
  p.drawRect(QRectF(0.5, 0.5, 211, 69));
  return imagem;
}

QImage Moldura(ParteDaMoldura parte) {
  // The three parts are cut from one strip so that they join without a seam.
  const int canto = 20, centro = 8, altura = 28;
  QImage tira = NovaImagem(2 * canto + centro, altura);
  {
    QPainter p(&tira);
    Preparar(p);
    QLinearGradient fundo(0, 0, 0, altura);
    fundo.setColorAt(0, QColor(180, 85, 85));
    fundo.setColorAt(0.5, QColor(140, 40, 40));
    fundo.setColorAt(1, paleta::vermelhoEscuro);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(0, 0, tira.width(), altura + 10), 9, 9);
    p.setClipRect(tira.rect());
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawPath(forma);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(8, 1.5), QPointF(tira.width() - 8, 1.5));
  }
  switch (parte) {
    case ParteDaMoldura::Esquerda:
      return tira.copy(0, 0, canto, altura);
    case ParteDaMoldura::Centro:
      return tira.copy(canto, 0, centro, altura);
    case ParteDaMoldura::Direita:
      return tira.copy(canto + centro, 0, canto, altura);
  }
  return {};
}

}  // namespace desenho
