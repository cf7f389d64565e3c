#pragma once

#include <QByteArray>
#include <QString>

// The device side of a pseudo-terminal, played by the test itself: the program opens the slave
// path as its port, the test writes the device's bytes to the master and reads what the program
// sent.
class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool valido() const { return mestre_ >= 0; }
  QString caminhoEscravo() const { return escravo_; }
  void escrever(const QByteArray& bytes);
  // Everything the program sends until nothing more comes for quietoMs.
  QByteArray receber(int quietoMs = 100);
  // The device goes away: later reads on the slave fail.
  void fechar();
  int descritor() const { return mestre_; }

 private:
  int mestre_ = -1;
  QString escravo_;
};

// Hex text of bytes, for readable comparisons ("0A C0 D0").
QString Hex(const QByteArray& bytes);
// Bytes of a hex text.
QByteArray DeHex(const char* texto);
