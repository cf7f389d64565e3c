#pragma once

#include "records/DialogoDeTextos.h"

// The group dialog.
class TfrmNovoGrupo : public DialogoDeTextos {
  Q_OBJECT

 public:
  TfrmNovoGrupo(Conjunto& grupos, QWidget* pai);

  QLineEdit* cpGrupo;
  QLineEdit* cpNome;
  QLineEdit* cpTemporada;
  QLineEdit* cpObservacao;
};
