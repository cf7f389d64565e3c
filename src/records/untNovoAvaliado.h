#pragma once

#include <QDialog>

class Conjunto;
class QComboBox;
class QLineEdit;
class QPushButton;

// The subject dialog. Contract, shared by the subjects register and the trial set-up: the caller
// puts the subjects dataset in append or edit mode on the row to fill, sets the caption, the
// confirm button's text, cpNascimento's text and cpSexo's choice, and runs exec(). Accepted
// means the row holds valid values and the caller posts it; rejected means the caller cancels
// the row. The dialog never posts or cancels by itself.
class TfrmNovoAvaliado : public QDialog {
  Q_OBJECT

 public:
  TfrmNovoAvaliado(Conjunto& avaliados, QWidget* pai);

  // The text an empty birth-date box shows.
  static const QString kNascimentoVazio;

  QLineEdit* cpAvaliado;
  QLineEdit* cpNome;
  QLineEdit* cpApelido;
  QLineEdit* cpNascimento;
  QComboBox* cpSexo;
  QLineEdit* cpAltura;
  QLineEdit* cpModalidade;
  QLineEdit* cpPosicao;
  QLineEdit* cpObservacao;
  QPushButton* btInserir;
  QPushButton* btCancelar;

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void btInserirClick();
  void cpNascimentoExit();
  bool NascimentoVazio() const;
  bool FiltrarTeclaAltura(int tecla, const QString& texto);

  Conjunto& avaliados_;
  bool conferindoData_ = false;
};
