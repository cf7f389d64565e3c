#pragma once

#include "records/Cadastro.h"

class TfrmNovoAvaliado;

// The subjects register.
class TfrmCadAvaliados : public Cadastro {
  Q_OBJECT

 public:
  TfrmCadAvaliados(TfrmPrincipal& principal, QWidget* pai);

  // Search word and last found row, kept from one opening of the register to the next.
  static EstadoPesquisa& pesquisa();

  TfrmNovoAvaliado* frmNovoAvaliado;

 protected:
  int ExecutarDialogo(bool inserindo) override;
};
