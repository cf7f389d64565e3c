#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "app/ArquivoConfiguracao.h"

class QTimer;
class QWidget;
class TfrmPrincipal;

// The operations on one platform's calibration, with their prompts and messages: zeroing,
// calibration with a load, tare and its removal, and the index typed by hand. The calibration
// window and the pre-collection check run the same code. Each operation stops the window's live
// reading for its whole length and restarts it on every way out; values are stored in memory and
// in the settings file the moment an operation succeeds.
class OperacoesCalibracao {
 public:
  OperacoesCalibracao(QWidget* janela, TfrmPrincipal& principal, int plataforma, QTimer* tmLeitura);

  bool Zerar();
  // textoCarga: the load field as shown ("50,00").
  bool Calibrar(const QString& textoCarga);
  bool Tara();
  void RemoverTara();
  bool Editar();

 private:
  bool Preparar(std::uint8_t modo);
  // Prompt, measurement with the progress window, and the cancel and failure messages.
  std::optional<double> Medir(const QString& pergunta, const QString& legenda,
                              const QString& cancelado, const QString& falha,
                              const QString& legendaFalha);
  bool Perguntar(const QString& texto, const QString& legenda);
  void Informar(const QString& texto, const QString& legenda);
  void Gravar(const ArquivoConfiguracao::Valores& valores);
  QString Legenda(const QString& operacao) const;
  QString Chave(const char* nome) const;

  QWidget* janela_;
  TfrmPrincipal& principal_;
  int n_;
  QTimer* tmLeitura_;
};
