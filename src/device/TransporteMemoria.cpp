#include "device/TransporteMemoria.h"

#include <QSerialPort>

TransporteMemoria::TransporteMemoria(QByteArray entrada) : entrada_(std::move(entrada)) {}

bool TransporteMemoria::abrir(const QString&) {
  aberta_ = true;
  erro_ = 0;
  return true;
}

void TransporteMemoria::fechar() {
  aberta_ = false;
}

bool TransporteMemoria::escrever(const char* dados, qsizetype quantidade) {
  if (!aberta_) {
    erro_ = QSerialPort::NotOpenError;
    return false;
  }
  escritos_.append(dados, quantidade);
  erro_ = 0;
  return true;
}

bool TransporteMemoria::lerByte(unsigned char* byte, int) {
  if (!aberta_) {
    erro_ = QSerialPort::NotOpenError;
    return false;
  }
  if (posicao_ >= entrada_.size()) {
    erro_ = QSerialPort::TimeoutError;
    return false;
  }
  *byte = static_cast<unsigned char>(entrada_[posicao_++]);
  erro_ = 0;
  return true;
}

bool TransporteMemoria::limpar() {
  if (!aberta_) {
    erro_ = QSerialPort::NotOpenError;
    return false;
  }
  posicao_ = entrada_.size();
  erro_ = 0;
  return true;
}

bool TransporteMemoria::definirDTR(bool alto) {
  if (!aberta_) {
    erro_ = QSerialPort::NotOpenError;
    return false;
  }
  historicoDTR_ << alto;
  erro_ = 0;
  return true;
}
