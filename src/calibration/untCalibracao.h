#pragma once

#include <QDialog>
#include <QGroupBox>

#include <array>
#include <memory>

#include "app/ParametrosPlataformas.h"
#include "calibration/OperacoesCalibracao.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TfrmPrincipal;

// One platform's half of the calibration window; platform 2's is the same code with number 2.
class MetadeCalibracao : public QGroupBox {
  Q_OBJECT

 public:
  MetadeCalibracao(int numero, QWidget* pai);

  // Side list, fields and the four buttons follow the platform's state.
  void habilitarControles(bool habilitar);
  // The reading fields as the live reading leaves them.
  void mostrarPerdida(const QString& porta);
  void mostrarLeitura(const QString& porta, std::uint32_t contagem, const ParametrosPlataforma& p);

  const int numero;
  QCheckBox* cbAtiva;
  QComboBox* cpLateral;
  QLabel* lbComunicacaoStatus;
  QLineEdit* cpLeitura;
  QLineEdit* cpCarga;
  QLineEdit* cpTara;
  QLineEdit* cpCargaCorrigida;
  QLineEdit* cpIC;
  QPushButton* btCalibrar;
  QPushButton* btTara;
  QPushButton* btZerar;
  QPushButton* btEditar;
};

// The calibration window: activation and sides of both platforms, their calibration operations
// and a live reading twice a second.
class TfrmCalibracao : public QDialog {
  Q_OBJECT

 public:
  TfrmCalibracao(TfrmPrincipal& principal, QWidget* pai);

  std::array<MetadeCalibracao*, 2> metade;
  QPushButton* btConfirmar;
  QPushButton* btCancelar;
  QTimer* tmLeitura;

 protected:
  // No live reading once the window has closed.
  void done(int resultado) override;

 private:
  void AtivaClick(int numero);
  void LateralEscolhida(int numero);
  void CargaEditada(int numero);
  void TaraClick(int numero);
  void ConfirmarClick();
  void tmLeituraTimer();
  MetadeCalibracao& outra(int numero) { return *metade[2 - numero]; }

  TfrmPrincipal& principal_;
  std::array<QString, 2> ultimaLateral_;
  std::array<std::unique_ptr<OperacoesCalibracao>, 2> operacoes_;
};
