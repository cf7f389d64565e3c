#include "PortaVirtual.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string Falha(const std::string& oque) {
  return oque + ": " + std::strerror(errno);
}

bool ConfigurarLinha(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  t.c_cflag &= ~tcflag_t(CSIZE | PARENB | CRTSCTS);
  t.c_cflag |= CS8 | CSTOPB | CLOCAL | CREAD;
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

std::unique_ptr<PortaVirtual> PortaVirtual::Criar(const std::string& link, std::string& erro) {
  std::unique_ptr<PortaVirtual> porta(new PortaVirtual);
  porta->mestre_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (porta->mestre_ < 0) {
    erro = Falha("posix_openpt");
    return nullptr;
  }
  char nome[256];
  if (grantpt(porta->mestre_) != 0 || unlockpt(porta->mestre_) != 0 ||
      ptsname_r(porta->mestre_, nome, sizeof nome) != 0) {
    erro = Falha("pseudo-terminal");
    return nullptr;
  }
  porta->escravo_ = nome;
  int pacotes = 1;
  if (ioctl(porta->mestre_, TIOCPKT, &pacotes) != 0) {
    erro = Falha("TIOCPKT");
    return nullptr;
  }
  const int flags = fcntl(porta->mestre_, F_GETFL);
  if (flags < 0 || fcntl(porta->mestre_, F_SETFL, flags | O_NONBLOCK) != 0) {
    erro = Falha("O_NONBLOCK");
    return nullptr;
  }
  porta->escravoAberto_ = open(nome, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (porta->escravoAberto_ < 0 || !ConfigurarLinha(porta->escravoAberto_)) {
    erro = Falha(porta->escravo_);
    return nullptr;
  }

  struct stat existente {};
  if (lstat(link.c_str(), &existente) == 0) {
    if (!S_ISLNK(existente.st_mode)) {
      erro = link + " existe e nao e um link simbolico";
      return nullptr;
    }
    if (unlink(link.c_str()) != 0) {
      erro = Falha(link);
      return nullptr;
    }
  }
  if (symlink(nome, link.c_str()) != 0) {
    erro = Falha(link);
    return nullptr;
  }
  porta->link_ = link;
  return porta;
}

PortaVirtual::~PortaVirtual() {
  fechar();
}

void PortaVirtual::fechar() {
  if (!link_.empty()) {
    // Another run may have taken the name over since; its link is not ours to remove.
    char alvo[256];
    const ssize_t n = readlink(link_.c_str(), alvo, sizeof alvo - 1);
    if (n >= 0 && std::string(alvo, std::size_t(n)) == escravo_) unlink(link_.c_str());
    link_.clear();
  }
  if (mestre_ >= 0) close(mestre_);
  if (escravoAberto_ >= 0) close(escravoAberto_);
  mestre_ = escravoAberto_ = -1;
}
