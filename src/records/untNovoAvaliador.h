#pragma once

#include "records/DialogoDeTextos.h"

// The evaluator dialog.
class TfrmNovoAvaliador : public DialogoDeTextos {
  Q_OBJECT

 public:
  TfrmNovoAvaliador(Conjunto& avaliadores, QWidget* pai);

  QLineEdit* cpAvaliador;
  QLineEdit* cpNome;
  QLineEdit* cpObservacao;
};
