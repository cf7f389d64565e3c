#pragma once

#include <QDialog>
#include <QStringList>

class MonitorDePlataformas;
class QLabel;
class QPushButton;
class QShowEvent;
class QTreeWidget;
class TfrmPrincipal;

// The communication window: the machine's serial ports with their availability, and the test
// that finds which port holds device 1 and which device 2.
class TfrmConfCOM : public QDialog {
  Q_OBJECT

 public:
  TfrmConfCOM(TfrmPrincipal& principal, QWidget* pai);

  // Ports found by the last test; read by the main window after the window closes.
  const QString& portaDispositivo1() const { return portaDispositivo1_; }
  const QString& portaDispositivo2() const { return portaDispositivo2_; }

  QTreeWidget* lbPortas;
  QLabel* stLocalizando;
  QPushButton* btTeste;
  QPushButton* btConfirmar;
  QPushButton* btCancelar;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void ListarPortas();
  void btTesteClick();
  void InformarResultado(int encontrados);

  TfrmPrincipal& principal_;
  QStringList portas_;
  QString portaDispositivo1_;
  QString portaDispositivo2_;
  bool listada_ = false;
};
