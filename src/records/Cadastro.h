#pragma once

#include <QDialog>
#include <QString>

#include "records/GradeDeConjunto.h"

class Conjunto;
class QPushButton;
class TfrmPrincipal;
struct EstadoPesquisa;

// What tells one register from another.
struct ConfiguracaoCadastro {
  QString nomeObjeto;  // "frmCadAvaliados"
  QString titulo;      // "Cadastro de Avaliados"
  QString campoChave;  // key of the dataset and the trials' field that refers to it
  // The refusal shown when trials refer to the current row.
  QString textoComAmostragens;
  // The row with key 0 may be neither altered through its button nor deleted.
  bool protegeChaveZero = false;
};

// The register window shared by subjects and groups: the dataset's grid, the six buttons and
// their enable rule, insertion and alteration through the record dialog, deletion refused while
// trials refer to the row, and the search with its Find next. Every change is committed by the
// data module when it is posted or deleted; a failed one is told to the user.
class Cadastro : public QDialog {
  Q_OBJECT

 public:
  Cadastro(TfrmPrincipal& principal, Conjunto& conjunto, EstadoPesquisa& pesquisa,
           ConfiguracaoCadastro configuracao, QWidget* pai);
  ~Cadastro() override;

  GradeDeConjunto* DBGrid;
  QPushButton* btInserir;
  QPushButton* btAlterar;
  QPushButton* btExcluir;
  QPushButton* btLocalizar;
  QPushButton* btLocalizarProximo;
  QPushButton* btFechar;

  void btInserirClick();
  void btAlterarClick();
  void btExcluirClick();
  void btLocalizarClick();
  void btLocalizarProximoClick();
  void HabilitarBotoes();

 protected:
  // Runs the record dialog on the row the dataset is appending or editing, after setting its
  // captions and unbound boxes; returns the dialog's result.
  virtual int ExecutarDialogo(bool inserindo) = 0;

  Conjunto& conjunto() const { return conjunto_; }
  void showEvent(QShowEvent* evento) override;

 private:
  void Concluir(bool confirmado);
  void Reabrir();
  bool TemAmostragens() const;
  bool ChaveProtegida() const;

  TfrmPrincipal& principal_;
  Conjunto& conjunto_;
  EstadoPesquisa& pesquisa_;
  ConfiguracaoCadastro configuracao_;
};
