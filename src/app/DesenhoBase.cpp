#include "app/DesenhoBase.h"

#include <QFont>
#include <QtMath>
#include <algorithm>
#include <array>
#include <utility>

namespace desenho {

namespace {

// Below about one pixel an antialiased line fades into the background.
constexpr qreal kTracoMinimo = 0.9;

QRectF Retangulo(qreal esquerda, qreal topo, qreal direita, qreal base) {
  return QRectF(QPointF(esquerda, topo), QPointF(direita, base));
}

QPainterPath Poligono(std::initializer_list<QPointF> pontos) {
  QPainterPath caminho;
  caminho.addPolygon(QPolygonF(QList<QPointF>(pontos)));
  caminho.closeSubpath();
  return caminho;
}

QPainterPath Circulo(QPointF centro, qreal raio) {
  QPainterPath caminho;
  caminho.addEllipse(centro, raio, raio);
  return caminho;
}

QPainterPath Arredondado(const QRectF& r, qreal raio) {
  QPainterPath caminho;
  caminho.addRoundedRect(r, raio, raio);
  return caminho;
}

}  // namespace

qreal Pincel::traco(qreal largura) const {
  return std::max(largura, kTracoMinimo * pixel);
}

QPen Pincel::caneta(const QColor& cor, qreal largura) const {
  QPen c(cor, traco(largura));
  c.setCapStyle(Qt::RoundCap);
  c.setJoinStyle(Qt::RoundJoin);
  return c;
}

void Pincel::preencher(const QPainterPath& forma, const QColor& cor, const QColor& borda,
                       qreal largura) {
  p.setPen(borda.isValid() ? caneta(borda, largura) : QPen(Qt::NoPen));
  p.setBrush(cor);
  p.drawPath(forma);
}

void Pincel::linha(QPointF de, QPointF ate, const QColor& cor, qreal largura) {
  p.setPen(caneta(cor, largura));
  p.drawLine(de, ate);
}

Deslocamento::Deslocamento(Pincel& k, QPointF origem, qreal fator) : k_(k), pixelAntes_(k.pixel) {
  k_.p.save();
  k_.p.translate(origem);
  k_.p.scale(fator, fator);
  k_.pixel = pixelAntes_ / fator;
}

Deslocamento::~Deslocamento() {
  k_.p.restore();
  k_.pixel = pixelAntes_;
}

QImage NovaImagem(int largura, int altura) {
  QImage imagem(largura, altura, QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::transparent);
  return imagem;
}

QImage DesenharGlifo(Glifo glifo, int lado) {
  QImage imagem = NovaImagem(lado, lado);
  QPainter p(&imagem);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  p.scale(lado / kGrade, lado / kGrade);
  Pincel k{p, kGrade / lado};
  glifo(k);
  return imagem;
}

QImage Acinzentar(const QImage& imagem) {
  QImage cinza = imagem.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < cinza.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(cinza.scanLine(y));
    for (int x = 0; x < cinza.width(); ++x) {
      const QRgb c = linha[x];
      const qreal luz = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
      const int v = qRound(255 - (255 - luz) * 0.55);
      linha[x] = qRgba(v, v, v, qAlpha(c));
    }
  }
  return cinza.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage TiraDeDoisGlifos(const QImage& glifo) {
  QImage tira = NovaImagem(glifo.width() * 2, glifo.height());
  QPainter p(&tira);
  p.drawImage(0, 0, glifo);
  p.drawImage(glifo.width(), 0, Acinzentar(glifo));
  return tira;
}

QFont Fonte(qreal pixels, bool negrito) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(std::max(1, qRound(pixels)));
  f.setBold(negrito);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void Pessoa(Pincel& k, QPointF cabeca, qreal s, qreal base, const QColor& cor) {
  const QColor borda = cor.darker(160);
  const qreal esquerda = cabeca.x() - 10 * s;
  const qreal direita = cabeca.x() + 10 * s;
  const qreal ombro = cabeca.y() + 6.5 * s;
  const qreal curva = 14 * s;
  QPainterPath corpo;
  corpo.moveTo(esquerda, base);
  corpo.lineTo(esquerda, ombro + curva / 2);
  corpo.arcTo(QRectF(esquerda, ombro, curva, curva), 180, -90);
  corpo.lineTo(direita - curva / 2, ombro);
  corpo.arcTo(QRectF(direita - curva, ombro, curva, curva), 90, -90);
  corpo.lineTo(direita, base);
  corpo.closeSubpath();
  k.preencher(corpo, cor, borda);
  k.preencher(Circulo(cabeca, 5 * s), cor.lighter(112), borda);
}

void Folha(Pincel& k, const QRectF& r, qreal dobra) {
  const QColor borda(115, 115, 120);
  k.preencher(Poligono({r.topLeft(), QPointF(r.right() - dobra, r.top()),
                        QPointF(r.right(), r.top() + dobra), r.bottomRight(), r.bottomLeft()}),
              paleta::papel, borda);
  k.preencher(
      Poligono({QPointF(r.right() - dobra, r.top()), QPointF(r.right() - dobra, r.top() + dobra),
                QPointF(r.right(), r.top() + dobra)}),
      paleta::cinzaClaro, borda);
}

void LinhasDeTexto(Pincel& k, const QRectF& r, int linhas) {
  const qreal passo = linhas > 1 ? r.height() / (linhas - 1) : 0;
  for (int i = 0; i < linhas; ++i) {
    const qreal y = r.top() + i * passo;
    // A shorter last line reads as a paragraph.
    const qreal fim = i == linhas - 1 ? r.left() + r.width() * 0.6 : r.right();
    k.linha(QPointF(r.left(), y), QPointF(fim, y), QColor(140, 140, 150), 1.4);
  }
}

void Lupa(Pincel& k, QPointF centro, qreal raio, QPointF fimDoCabo) {
  const QColor aro(65, 70, 85);
  QLineF cabo(centro, fimDoCabo);
  const QPointF inicio = cabo.pointAt(raio / cabo.length());
  k.linha(inicio, fimDoCabo, aro, std::max(3.2, raio * 0.5));
  QColor vidro = paleta::azulClaro;
  vidro.setAlpha(190);
  k.preencher(Circulo(centro, raio), vidro, aro, std::max(2.2, raio * 0.28));
  k.p.setPen(k.caneta(QColor(255, 255, 255, 220), std::max(1.2, raio * 0.16)));
  k.p.setBrush(Qt::NoBrush);
  const qreal r = raio * 0.6;
  k.p.drawArc(QRectF(centro.x() - r, centro.y() - r, 2 * r, 2 * r), 100 * 16, 70 * 16);
}

void Porta(Pincel& k) {
  k.preencher(Arredondado(Retangulo(6, 3, 20, 29), 0.8), QColor(70, 45, 45), paleta::contorno);
  k.preencher(Poligono({{6, 3}, {14.5, 6}, {14.5, 31}, {6, 29}}), paleta::vinho,
              paleta::vermelhoEscuro);
  k.preencher(Circulo({12.6, 18}, 1.1), paleta::amarelo, QColor());
  Seta(k, {17, 16}, {30, 16}, paleta::verde, 3.4);
}

void Conector(Pincel& k) {
  k.preencher(Arredondado(Retangulo(3, 6, 29, 20), 2.5), paleta::cinzaClaro, paleta::contorno);
  for (const qreal x : {6.0, 26.0}) {
    k.preencher(Circulo({x, 13}, 1.6), paleta::cinza, paleta::contorno, 0.8);
  }
  k.preencher(Poligono({{9, 8.5}, {23, 8.5}, {21.3, 17.5}, {10.7, 17.5}}), QColor(55, 65, 85),
              paleta::contorno);
  for (int i = 0; i < 5; ++i) {
    k.preencher(Circulo({11.5 + i * 2.25, 11.2}, 0.85), paleta::amarelo, QColor());
  }
  for (int i = 0; i < 4; ++i) {
    k.preencher(Circulo({12.6 + i * 2.25, 14.8}, 0.85), paleta::amarelo, QColor());
  }
  k.preencher(Poligono({{9.5, 20}, {22.5, 20}, {20, 26}, {12, 26}}), paleta::aco, paleta::contorno);
  k.p.setPen(QPen(QColor(50, 50, 55), k.traco(4), Qt::SolidLine, Qt::FlatCap));
  k.p.drawLine(QPointF(16, 26), QPointF(16, 32));
}

qreal CurvaDeForca(qreal t) {
  // Quiet standing, unweighting, propulsion, flight, landing impact, settling.
  static constexpr std::array<std::pair<qreal, qreal>, 13> kPontos{{{0.00, 1.00},
                                                                    {0.14, 1.00},
                                                                    {0.25, 0.40},
                                                                    {0.35, 2.30},
                                                                    {0.45, 0.00},
                                                                    {0.60, 0.00},
                                                                    {0.64, 3.10},
                                                                    {0.69, 0.60},
                                                                    {0.74, 1.40},
                                                                    {0.79, 0.85},
                                                                    {0.85, 1.08},
                                                                    {0.92, 1.00},
                                                                    {1.00, 1.00}}};
  t = std::clamp(t, 0.0, 1.0);
  for (std::size_t i = 1; i < kPontos.size(); ++i) {
    const auto [t1, f1] = kPontos[i];
    if (t <= t1) {
      const auto [t0, f0] = kPontos[i - 1];
      const qreal u = (t - t0) / (t1 - t0);
      return f0 + (f1 - f0) * (1 - qCos(u * M_PI)) / 2;
    }
  }
  return kPontos.back().second;
}

void Grafico(Pincel& k, const QRectF& r) {
  k.preencher(Arredondado(r, 1), paleta::papel, QColor(120, 120, 125));
  const QRectF area = r.adjusted(3.5, 3, -2.5, -3.5);
  for (int i = 1; i <= 2; ++i) {
    const qreal y = area.top() + area.height() * i / 3;
    k.linha({area.left(), y}, {area.right(), y}, QColor(215, 215, 222), 0.8);
  }
  k.linha(area.topLeft(), area.bottomLeft(), QColor(80, 80, 90), 1.2);
  k.linha(area.bottomLeft(), area.bottomRight(), QColor(80, 80, 90), 1.2);
  QPainterPath curva;
  const int passos = 48;
  for (int i = 0; i <= passos; ++i) {
    const qreal t = qreal(i) / passos;
    const QPointF ponto(area.left() + 1 + t * (area.width() - 1),
                        area.bottom() - 1 - CurvaDeForca(t) / 3.2 * (area.height() - 2));
    if (i == 0) {
      curva.moveTo(ponto);
    } else {
      curva.lineTo(ponto);
    }
  }
  k.p.setPen(k.caneta(paleta::vinho, 1.7));
  k.p.setBrush(Qt::NoBrush);
  k.p.drawPath(curva);
}

void Engrenagem(Pincel& k, QPointF centro, qreal raio, const QColor& cor) {
  const int dentes = 8;
  const qreal dentro = raio * 0.72;
  QPolygonF contorno;
  for (int i = 0; i < dentes; ++i) {
    const qreal meio = 360.0 / dentes * i;
    for (const auto& [grau, r] : {std::pair{meio - 13.0, dentro}, std::pair{meio - 8.0, raio},
                                  std::pair{meio + 8.0, raio}, std::pair{meio + 13.0, dentro}}) {
      const qreal a = qDegreesToRadians(grau);
      contorno << centro + QPointF(qCos(a) * r, qSin(a) * r);
    }
  }
  QPainterPath forma;
  forma.setFillRule(Qt::OddEvenFill);
  forma.addPolygon(contorno);
  forma.closeSubpath();
  forma.addEllipse(centro, raio * 0.32, raio * 0.32);
  k.preencher(forma, cor, cor.darker(170));
}

void Prancheta(Pincel& k, bool comVistos) {
  k.preencher(Arredondado(Retangulo(5, 4, 27, 30.5), 2.5), paleta::madeira,
              paleta::madeira.darker(150));
  QPainterPath papel;
  papel.addRect(Retangulo(8, 7.5, 24, 28));
  k.preencher(papel, paleta::papel, QColor(140, 140, 145), 0.8);
  k.preencher(Arredondado(Retangulo(11, 2, 21, 8.5), 1.5), paleta::cinza, paleta::contorno);
  k.preencher(Arredondado(Retangulo(14, 3.3, 18, 5.2), 0.8), QColor(80, 80, 85), QColor());
  if (comVistos) {
    for (const qreal y : {13.0, 18.0, 23.0}) {
      QPainterPath visto;
      visto.moveTo(10, y);
      visto.lineTo(11.6, y + 1.6);
      visto.lineTo(14, y - 1.6);
      k.p.setPen(k.caneta(paleta::verde, 1.6));
      k.p.setBrush(Qt::NoBrush);
      k.p.drawPath(visto);
      k.linha({16, y}, {21.5, y}, QColor(120, 120, 130), 1.4);
    }
  } else {
    LinhasDeTexto(k, Retangulo(10.5, 12, 21.5, 24), 4);
  }
}

void Impressora(Pincel& k) {
  QPainterPath entrada;
  entrada.addRect(Retangulo(9, 3, 23, 12));
  k.preencher(entrada, paleta::papel, QColor(130, 130, 135));
  k.preencher(Arredondado(Retangulo(3, 10, 29, 23.5), 3), QColor(135, 140, 150), paleta::contorno);
  k.preencher(Arredondado(Retangulo(6.5, 17.5, 25.5, 20.5), 1), QColor(60, 60, 65), QColor());
  QPainterPath saida;
  saida.addRect(Retangulo(8.5, 19, 23.5, 30));
  k.preencher(saida, paleta::papel, QColor(130, 130, 135));
  LinhasDeTexto(k, Retangulo(11, 23, 21, 27), 2);
  k.preencher(Circulo({25, 13.6}, 1.3), paleta::verde.lighter(130), QColor());
}

void Seta(Pincel& k, QPointF de, QPointF ate, const QColor& cor, qreal largura) {
  const QLineF linha(de, ate);
  const QPointF d = (ate - de) / linha.length();
  const QPointF n(-d.y(), d.x());
  const qreal cabeca = largura * 1.9;
  const qreal aba = largura * 1.5;
  k.p.setPen(QPen(cor, k.traco(largura), Qt::SolidLine, Qt::RoundCap));
  k.p.drawLine(de, ate - d * cabeca * 0.8);
  const QPointF base = ate - d * cabeca;
  QPainterPath ponta = Poligono({ate, base + n * aba, base - n * aba});
  k.p.setPen(k.caneta(cor, 0.8));
  k.p.setBrush(cor);
  k.p.drawPath(ponta);
}

void Triangulo(Pincel& k, QPointF a, QPointF b, QPointF c, const QColor& cor) {
  k.preencher(Poligono({a, b, c}), cor, cor.darker(140));
}

void Selo(Pincel& k, QPointF centro, qreal raio, const QColor& cor) {
  k.preencher(Circulo(centro, raio), cor, paleta::papel, 1.3);
}

void PlanilhaExcel(Pincel& k, const QRectF& folha, const QRectF& marca) {
  k.preencher(Arredondado(folha, 1.2), paleta::papel, QColor(120, 125, 120));
  const QColor grade(165, 205, 180);
  for (int i = 1; i < 4; ++i) {
    const qreal x = folha.left() + folha.width() * i / 4;
    k.linha({x, folha.top() + 2}, {x, folha.bottom() - 2}, grade, 0.8);
  }
  for (int i = 1; i < 5; ++i) {
    const qreal y = folha.top() + folha.height() * i / 5;
    k.linha({folha.left() + 2, y}, {folha.right() - 2, y}, grade, 0.8);
  }
  k.preencher(Arredondado(marca, marca.width() * 0.12), paleta::verdeExcel,
              paleta::verdeExcel.darker(140));
  const QRectF x = marca.adjusted(marca.width() * 0.27, marca.height() * 0.24,
                                  -marca.width() * 0.27, -marca.height() * 0.24);
  const qreal largura = marca.width() * 0.15;
  k.p.setPen(QPen(paleta::papel, k.traco(largura), Qt::SolidLine, Qt::FlatCap));
  k.p.drawLine(x.topLeft(), x.bottomRight());
  k.p.drawLine(x.topRight(), x.bottomLeft());
}

}  // namespace desenho
