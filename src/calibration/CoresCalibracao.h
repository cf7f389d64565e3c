#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

// Colours of the calibration and pre-collection windows.
inline const QColor kCorCreme(255, 251, 240);
inline const QColor kCorMarrom(128, 0, 0);
inline const QColor kCorVerde(0, 128, 0);
inline const QColor kCorJanela(155, 65, 65);

inline void PintarCampo(QWidget* campo, const QColor& fundo, const QColor& texto) {
  QPalette cores = campo->palette();
  cores.setColor(QPalette::Base, fundo);
  cores.setColor(QPalette::Text, texto);
  campo->setPalette(cores);
}

// Status texts sit on the cream of the display fields, where green and maroon read well.
inline void PintarTexto(QLabel* rotulo, const QColor& cor) {
  QPalette cores = rotulo->palette();
  cores.setColor(QPalette::WindowText, cor);
  cores.setColor(QPalette::Window, kCorCreme);
  rotulo->setPalette(cores);
  rotulo->setAutoFillBackground(true);
}

inline void PintarJanela(QWidget* janela) {
  QPalette cores = janela->palette();
  cores.setColor(QPalette::Window, kCorJanela);
  cores.setColor(QPalette::WindowText, Qt::white);
  janela->setPalette(cores);
  janela->setAutoFillBackground(true);
}
