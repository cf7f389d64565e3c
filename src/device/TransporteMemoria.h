#pragma once

#include <QByteArray>
#include <QList>

#include "device/TransporteSerial.h"

// A transport with no device behind it: it serves the bytes it was given, one by one, and keeps
// every byte written. A read past the end fails at once as a timeout, without waiting. For tests
// and the fuzzer.
class TransporteMemoria final : public TransporteSerial {
 public:
  explicit TransporteMemoria(QByteArray entrada = {});

  bool abrir(const QString& porta) override;
  void fechar() override;
  bool aberta() const override { return aberta_; }
  bool escrever(const char* dados, qsizetype quantidade) override;
  bool lerByte(unsigned char* byte, int timeoutMs) override;
  bool limpar() override;
  bool definirDTR(bool alto) override;
  int ultimoErro() const override { return erro_; }

  // More bytes for the reader, as if they had just arrived.
  void receber(const QByteArray& bytes) { entrada_.append(bytes); }
  const QByteArray& escritos() const { return escritos_; }
  // Bytes handed to the reader so far.
  qsizetype consumidos() const { return posicao_; }
  // Every DTR level set, in order.
  const QList<bool>& historicoDTR() const { return historicoDTR_; }

 private:
  QByteArray entrada_;
  QByteArray escritos_;
  QList<bool> historicoDTR_;
  qsizetype posicao_ = 0;
  bool aberta_ = true;
  int erro_ = 0;
};
