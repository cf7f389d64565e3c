#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Half of a length rounded to the nearest integer, halves to even (813 gives 406, 815 gives 408).
int MetadeArredondada(int comprimento);

// Where a window of `janela` size goes so that its centre is the main window's centre shifted down
// by the toolbar height; `principal` is the main window's frame.
QPoint PosicaoCentralizada(const QRect& principal, int alturaBarra, const QSize& janela);
