#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() {
  mestre_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (mestre_ < 0 || ::grantpt(mestre_) != 0 || ::unlockpt(mestre_) != 0) {
    fechar();
    return;
  }
  escravo_ = QString::fromLocal8Bit(::ptsname(mestre_));
}

PseudoTerminal::~PseudoTerminal() {
  fechar();
}

void PseudoTerminal::escrever(const QByteArray& bytes) {
  qsizetype feitos = 0;
  while (feitos < bytes.size()) {
    const ssize_t n =
        ::write(mestre_, bytes.constData() + feitos, static_cast<size_t>(bytes.size() - feitos));
    if (n < 0 && errno != EINTR) {
      return;
    }
    feitos += n > 0 ? n : 0;
  }
}

QByteArray PseudoTerminal::receber(int quietoMs) {
  QByteArray recebidos;
  pollfd estado{mestre_, POLLIN, 0};
  while (::poll(&estado, 1, quietoMs) > 0 && (estado.revents & POLLIN) != 0) {
    char bloco[4096];
    const ssize_t n = ::read(mestre_, bloco, sizeof bloco);
    if (n <= 0) {
      break;
    }
    recebidos.append(bloco, n);
  }
  return recebidos;
}

void PseudoTerminal::fechar() {
  if (mestre_ >= 0) {
    ::close(mestre_);
    mestre_ = -1;
  }
}

QString Hex(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QByteArray DeHex(const char* texto) {
  return QByteArray::fromHex(QByteArray(texto).replace(' ', ""));
}
