#pragma once

#include <QDialog>

class Conjunto;
class QLineEdit;
class QPushButton;

// The group dialog, under the same contract as the subject dialog: the caller puts the groups
// dataset in append or edit mode, sets the caption and the confirm button's text and runs
// exec(); accepted means the caller posts the row, rejected that it cancels it.
class TfrmNovoGrupo : public QDialog {
  Q_OBJECT

 public:
  TfrmNovoGrupo(Conjunto& grupos, QWidget* pai);

  QLineEdit* cpGrupo;
  QLineEdit* cpNome;
  QLineEdit* cpTemporada;
  QLineEdit* cpObservacao;
  QPushButton* btInserir;
  QPushButton* btCancelar;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void btInserirClick();

  Conjunto& grupos_;
};
