#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>

class TfrmImagens;

// The main window's image lists. Other windows take their button pictures from them by
// position, so the order of each list (the order of the matching TfrmImagens enum) is fixed.
struct ListasDeImagens {
  QList<QPixmap> ImgListEnabled;    // 32 x 32, commands 0..9 (CadAvaliados .. Fechar)
  QList<QPixmap> ImgListDisabled;   // 32 x 32, the same ten greyed
  QList<QPixmap> ImgListBtn32x64;   // 64 x 32, TfrmImagens::Botao32x64
  QList<QPixmap> ImgListBtn22x44;   // 44 x 22, TfrmImagens::Botao22x44
  QList<QPixmap> ImgListBtn16x32;   // 32 x 16, TfrmImagens::Botao16x32
  QList<QPixmap> ImgListBtn12x24;   // 24 x 12, TfrmImagens::Botao12x24
  QList<QPixmap> ImgListIcon48x48;  // 48 x 48, TfrmImagens::Icone48x48
};

// Builds every list from the holder's pictures: each picture is painted over a bitmap of its own
// size filled with the button face colour (white for the entries meant for white buttons); the
// 48 x 48 icons go on white, and white is then made transparent.
[[nodiscard]] ListasDeImagens MontarImagens(const TfrmImagens& imagens, const QColor& faceDeBotao);

class QAbstractButton;
class QPushButton;
class QWidget;

// Puts a two-glyph strip of the button lists on a button: the left glyph for the enabled button,
// the right, greyed one for the disabled button.
void AplicarGlifo(QAbstractButton* botao, const QPixmap& tira);

// A push button of the record windows: caption, glyph strip, and no default-button behaviour
// (ENTER belongs to the grid and the dialogs' focus chain).
QPushButton* NovoBotaoComGlifo(QWidget* pai, const char* nome, const QString& texto,
                               const QPixmap& tira);
