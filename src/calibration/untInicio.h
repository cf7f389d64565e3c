#pragma once

#include <QDialog>
#include <QWidget>

#include <array>
#include <memory>

#include "calibration/OperacoesCalibracao.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TfrmPrincipal;

// One platform's half of the pre-collection check; platform 2's is the same code with number 2.
class MetadeInicio : public QWidget {
  Q_OBJECT

 public:
  MetadeInicio(int numero, QWidget* pai);

  const int numero;
  QLabel* lbComunicacaoStatus;
  QLabel* imSensor;
  QLineEdit* cpCargaCorrigida;
  QPushButton* btZerar;
};

// The check shown before every collection: whether each active platform answers and the load
// it measures now, with a last zeroing; "&Iniciar" only while every active platform answers.
class TfrmInicio : public QDialog {
  Q_OBJECT

 public:
  TfrmInicio(TfrmPrincipal& principal, QWidget* pai);

  std::array<MetadeInicio*, 2> metade;
  QWidget* pnBtIniciar;
  QPushButton* btIniciar;
  QPushButton* btCancelar;
  QTimer* tmLeitura;

 protected:
  // No live reading once the window has closed.
  void done(int resultado) override;

 private:
  void tmLeituraTimer();
  void CancelarClick();

  TfrmPrincipal& principal_;
  std::array<std::unique_ptr<OperacoesCalibracao>, 2> operacoes_;
};
