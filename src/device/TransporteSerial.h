#pragma once

#include <QString>

#include <memory>

// The byte transport under a device link: the serial facility's operations and nothing more.
// Implementations: the operating system's serial port (QSerialPort, also for pseudo-terminals)
// and an in-memory one for tests and the fuzzer.
class TransporteSerial {
 public:
  virtual ~TransporteSerial() = default;

  // Opens the port by name with the line settings (115200 baud, 8 data bits, no parity, 2 stop
  // bits, no flow control, DTR and RTS high) and purges it. False when it cannot be opened,
  // including when another program holds it.
  [[nodiscard]] virtual bool abrir(const QString& porta) = 0;
  virtual void fechar() = 0;
  virtual bool aberta() const = 0;
  // Writes every byte; false on a failure.
  [[nodiscard]] virtual bool escrever(const char* dados, qsizetype quantidade) = 0;
  // One byte, waiting at most timeoutMs; bytes already read ahead are handed out first.
  // False when nothing arrived in time or the port failed.
  [[nodiscard]] virtual bool lerByte(unsigned char* byte, int timeoutMs) = 0;
  // Discards both queues and every byte held back in the read-ahead buffer.
  [[nodiscard]] virtual bool limpar() = 0;
  // False when the line cannot be set (a pseudo-terminal has none); callers ignore it.
  virtual bool definirDTR(bool alto) = 0;
  // 0 when the last operation succeeded.
  virtual int ultimoErro() const = 0;
};

std::unique_ptr<TransporteSerial> NovoTransporteDoSistema();
