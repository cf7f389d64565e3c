#pragma once

#include <QFrame>

#include <array>

#include "app/MonitorDePlataformas.h"
#include "app/untImagens.h"

class QLabel;

// Status panel of one platform in the toolbar: caption, port label and five stacked lamps of
// which one is visible. Platform 2's panel is the same code with number 2.
class PainelPlataforma : public QFrame {
  Q_OBJECT

 public:
  PainelPlataforma(int numero, const TfrmImagens& imagens, QWidget* pai);

  // Shows one lamp and hides the four others.
  void mostrarLampada(EstadoLampada estado);
  // The visible lamp, tested in the order black, grey, red, yellow, green; Nenhuma when none.
  EstadoLampada estado() const;

  QLabel* lbCOM;                                         // lbP1COM / lbP2COM
  std::array<QLabel*, TfrmImagens::kLampadas> lampadas;  // in the order of TfrmImagens::Lampada
};
