#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Shared tools for drawing the program's pictograms. Glyphs are drawn in a 32 x 32 design space
// and scaled to the size asked for, so one drawing serves the 32, 22, 16 and 12 pixel buttons.
namespace desenho {

constexpr qreal kGrade = 32;

namespace paleta {
inline const QColor vinho{155, 65, 65};
inline const QColor vinhoClaro{205, 130, 130};
inline const QColor vermelhoEscuro{96, 0, 0};
inline const QColor vermelho{205, 40, 35};
inline const QColor azul{45, 110, 185};
inline const QColor azulClaro{150, 195, 235};
inline const QColor verde{40, 150, 65};
inline const QColor verdeExcel{30, 115, 70};
inline const QColor amarelo{240, 185, 45};
inline const QColor madeira{175, 120, 70};
inline const QColor aco{125, 138, 155};
inline const QColor cinza{150, 150, 155};
inline const QColor cinzaClaro{215, 215, 220};
inline const QColor contorno{60, 55, 55};
// Not pure white: the 48 x 48 icons treat pure white as transparent.
inline const QColor papel{250, 250, 247};
}  // namespace paleta

// A painter on a glyph plus the size of one target pixel in design units, so that thin strokes
// stay visible when a glyph is drawn small.
struct Pincel {
  QPainter& p;
  qreal pixel;

  [[nodiscard]] qreal traco(qreal largura) const;
  [[nodiscard]] QPen caneta(const QColor& cor, qreal largura) const;
  void preencher(const QPainterPath& forma, const QColor& cor, const QColor& borda,
                 qreal largura = 1);
  void linha(QPointF de, QPointF ate, const QColor& cor, qreal largura);
};

// Moves and scales the design space for a nested drawing until it goes out of scope.
class Deslocamento {
 public:
  Deslocamento(Pincel& k, QPointF origem, qreal fator);
  ~Deslocamento();
  Deslocamento(const Deslocamento&) = delete;
  Deslocamento& operator=(const Deslocamento&) = delete;

 private:
  Pincel& k_;
  qreal pixelAntes_;
};

using Glifo = void (*)(Pincel&);

[[nodiscard]] QImage NovaImagem(int largura, int altura);
[[nodiscard]] QImage DesenharGlifo(Glifo glifo, int lado);
// Grey and lighter, alpha kept: the look of a disabled button.
[[nodiscard]] QImage Acinzentar(const QImage& imagem);
// The glyph at the left and its greyed twin at the right, as two-glyph button bitmaps hold them.
[[nodiscard]] QImage TiraDeDoisGlifos(const QImage& glifo);
[[nodiscard]] QFont Fonte(qreal pixels, bool negrito);

// Shapes used by several glyphs, in design units.
void Pessoa(Pincel& k, QPointF cabeca, qreal escala, qreal base, const QColor& cor);
void Folha(Pincel& k, const QRectF& r, qreal dobra);
void LinhasDeTexto(Pincel& k, const QRectF& r, int linhas);
void Lupa(Pincel& k, QPointF centro, qreal raio, QPointF fimDoCabo);
void Porta(Pincel& k);
void Conector(Pincel& k);
void Grafico(Pincel& k, const QRectF& r);
void Engrenagem(Pincel& k, QPointF centro, qreal raio, const QColor& cor);
void Prancheta(Pincel& k, bool comVistos);
void Impressora(Pincel& k);
void Seta(Pincel& k, QPointF de, QPointF ate, const QColor& cor, qreal largura);
void Triangulo(Pincel& k, QPointF a, QPointF b, QPointF c, const QColor& cor);
void Selo(Pincel& k, QPointF centro, qreal raio, const QColor& cor);
void PlanilhaExcel(Pincel& k, const QRectF& folha, const QRectF& marca);
// The force of a countermovement jump over time, in body weights, t from 0 to 1.
[[nodiscard]] qreal CurvaDeForca(qreal t);

}  // namespace desenho
