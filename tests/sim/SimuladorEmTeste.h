#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The simulator as a child process: started, waited on until "pronto", and read line by line.
class SimuladorEmTeste {
 public:
  ~SimuladorEmTeste();

  // Starts brivana-sim with the arguments and waits for "pronto". False when it never came.
  [[nodiscard]] bool iniciar(const QStringList& argumentos);
  // Sends SIGTERM and waits for the exit; true when it exited normally with status 0.
  [[nodiscard]] bool encerrar();

  // The link of a port in the virtual-port folder of the test's runtime folder.
  static QString link(int porta);

  // Lines printed so far (the start-up lines included), reading whatever has arrived.
  QStringList linhas();
  // Waits for a line equal to, or starting with, the text; empty when none came in time.
  QString esperarLinha(const QString& inicio, int timeoutMs = 5000);
  // The bytes of every "rx <d>:" line so far, concatenated.
  QByteArray recebidos(int dispositivo);
  QJsonObject verdade();
  // Writes to its standard input and waits until the bytes are handed over.
  bool escreverEntrada(const QByteArray& texto);
  // Sends one command line and waits for its answer: "ok", "erro", or empty when none came.
  QString comandar(const QString& linha);
  // Ends its standard input.
  void fecharEntrada() { processo_.closeWriteChannel(); }

 private:
  void lerDisponivel();
  // The first line from index vistas on that passes the test; empty when none came in time.
  QString esperar(qsizetype vistas, const std::function<bool(const QString&)>& procurada,
                  int timeoutMs);

  QProcess processo_;
  QStringList linhas_;
  QByteArray parcial_;
};

struct QuadroLido {
  int funcao = 0;
  QByteArray dados;
  bool valido = false;  // checksum and end byte right
  int pulados = 0;      // bytes skipped before its start byte
  int contagem() const;
};

// The program's end of a virtual port, opened as the program does (raw, 115200 8N2).
class PortaEmTeste {
 public:
  explicit PortaEmTeste(const QString& caminho);
  ~PortaEmTeste();
  PortaEmTeste(const PortaEmTeste&) = delete;
  PortaEmTeste& operator=(const PortaEmTeste&) = delete;

  bool aberta() const { return fd_ >= 0; }
  int descritor() const { return fd_; }
  bool escrever(const QByteArray& bytes);
  // Both queues and whatever was read ahead.
  void limpar();
  // The next frame, whole or not, within timeoutMs per wait for bytes.
  std::optional<QuadroLido> lerQuadro(int timeoutMs = 1000);
  // Exactly n bytes, or what came before the timeout.
  QByteArray lerBytes(int n, int timeoutMs = 1000);
  // True once the far end is gone (read reports hang-up or an error) within the timeout.
  bool esperarDesligamento(int timeoutMs);

 private:
  bool encher(int timeoutMs);
  bool proximoByte(unsigned char& byte, int timeoutMs);

  int fd_ = -1;
  QByteArray lidos_;
  int posicao_ = 0;
};
