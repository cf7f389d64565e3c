#pragma once

#include "records/Cadastro.h"

class TfrmNovoGrupo;

// The groups register; the group 0 "INDIVIDUAL" is kept from its buttons.
class TfrmCadGrupos : public Cadastro {
  Q_OBJECT

 public:
  TfrmCadGrupos(TfrmPrincipal& principal, QWidget* pai);

  // The groups register's own search state, kept for the whole run.
  static EstadoPesquisa& pesquisa();

  TfrmNovoGrupo* frmNovoGrupo;

 protected:
  int ExecutarDialogo(bool inserindo) override;
};
