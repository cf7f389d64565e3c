#include "SimuladorEmTeste.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

SimuladorEmTeste::~SimuladorEmTeste() {
  if (processo_.state() != QProcess::NotRunning) {
    processo_.kill();
    processo_.waitForFinished(5000);
  }
}

bool SimuladorEmTeste::iniciar(const QStringList& argumentos) {
  processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  processo_.start(QStringLiteral(BRIVANA_SIM), argumentos);
  if (!processo_.waitForStarted(5000)) return false;
  return esperarLinha(QStringLiteral("pronto")) == QStringLiteral("pronto");
}

bool SimuladorEmTeste::encerrar() {
  processo_.terminate();
  return processo_.waitForFinished(5000) && processo_.exitStatus() == QProcess::NormalExit &&
         processo_.exitCode() == 0;
}

QString SimuladorEmTeste::link(int porta) {
  return qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/brivana-sim/ttySIM") +
         QString::number(porta);
}

void SimuladorEmTeste::lerDisponivel() {
  parcial_ += processo_.readAllStandardOutput();
  qsizetype fim;
  while ((fim = parcial_.indexOf('\n')) >= 0) {
    linhas_ << QString::fromUtf8(parcial_.left(fim));
    parcial_.remove(0, fim + 1);
  }
}

QStringList SimuladorEmTeste::linhas() {
  lerDisponivel();
  return linhas_;
}

QString SimuladorEmTeste::esperarLinha(const QString& inicio, int timeoutMs) {
  return esperar(
      0, [&inicio](const QString& linha) { return linha.startsWith(inicio); }, timeoutMs);
}

QString SimuladorEmTeste::comandar(const QString& linha) {
  const qsizetype vistas = linhas().size();
  if (!escreverEntrada(linha.toUtf8() + '\n')) return {};
  const QString resposta = esperar(
      vistas, [&linha](const QString& l) { return l == "ok " + linha || l == "erro " + linha; },
      5000);
  return resposta.section(' ', 0, 0);
}

QString SimuladorEmTeste::esperar(qsizetype vistas,
                                  const std::function<bool(const QString&)>& procurada,
                                  int timeoutMs) {
  QElapsedTimer relogio;
  relogio.start();
  for (;;) {
    lerDisponivel();
    for (; vistas < linhas_.size(); ++vistas)
      if (procurada(linhas_[vistas])) return linhas_[vistas];
    const qint64 resta = timeoutMs - relogio.elapsed();
    if (resta <= 0 || processo_.state() == QProcess::NotRunning) return {};
    processo_.waitForReadyRead(int(resta));
  }
}

QByteArray SimuladorEmTeste::recebidos(int dispositivo) {
  const QString prefixo = QStringLiteral("rx %1: ").arg(dispositivo);
  QByteArray bytes;
  for (const QString& linha : linhas())
    if (linha.startsWith(prefixo))
      bytes += QByteArray::fromHex(linha.mid(prefixo.size()).toLatin1());
  return bytes;
}

bool SimuladorEmTeste::escreverEntrada(const QByteArray& texto) {
  return processo_.write(texto) == texto.size() && processo_.waitForBytesWritten(5000);
}

QJsonObject SimuladorEmTeste::verdade() {
  const QString linha = esperarLinha(QStringLiteral("verdade "));
  return QJsonDocument::fromJson(linha.mid(8).toUtf8()).object();
}

int QuadroLido::contagem() const {
  if (dados.size() != 3) return -1;
  return (quint8(dados[0]) << 16) | (quint8(dados[1]) << 8) | quint8(dados[2]);
}

PortaEmTeste::PortaEmTeste(const QString& caminho) {
  fd_ = ::open(caminho.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return;
  termios t{};
  tcgetattr(fd_, &t);
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  t.c_cflag |= CSTOPB | CLOCAL | CREAD;
  tcsetattr(fd_, TCSANOW, &t);
  tcflush(fd_, TCIOFLUSH);
}

PortaEmTeste::~PortaEmTeste() {
  if (fd_ >= 0) ::close(fd_);
}

bool PortaEmTeste::escrever(const QByteArray& bytes) {
  qsizetype feito = 0;
  while (feito < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.constData() + feito, size_t(bytes.size() - feito));
    if (n > 0) {
      feito += n;
    } else if (n < 0 && errno == EAGAIN) {
      pollfd p{fd_, POLLOUT, 0};
      ::poll(&p, 1, 1000);
    } else if (!(n < 0 && errno == EINTR)) {
      return false;
    }
  }
  return true;
}

void PortaEmTeste::limpar() {
  tcflush(fd_, TCIOFLUSH);
  lidos_.clear();
  posicao_ = 0;
}

bool PortaEmTeste::encher(int timeoutMs) {
  pollfd p{fd_, POLLIN, 0};
  if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN)) return false;
  char buffer[65536];
  const ssize_t n = ::read(fd_, buffer, sizeof buffer);
  if (n <= 0) return false;
  lidos_.remove(0, posicao_);
  posicao_ = 0;
  lidos_.append(buffer, n);
  return true;
}

bool PortaEmTeste::proximoByte(unsigned char& byte, int timeoutMs) {
  if (posicao_ >= lidos_.size() && !encher(timeoutMs)) return false;
  byte = quint8(lidos_[posicao_++]);
  return true;
}

std::optional<QuadroLido> PortaEmTeste::lerQuadro(int timeoutMs) {
  QuadroLido q;
  unsigned char byte = 0;
  for (;;) {
    if (!proximoByte(byte, timeoutMs)) return std::nullopt;
    if (byte == 0x0A) break;
    ++q.pulados;
  }
  QByteArray corpo;
  for (int i = 0; i < 4; ++i) {
    if (!proximoByte(byte, timeoutMs)) return std::nullopt;
    corpo += char(byte);
  }
  const int tamanho = quint8(corpo[3]);
  for (int i = 0; i < tamanho + 2; ++i) {
    if (!proximoByte(byte, timeoutMs)) return std::nullopt;
    corpo += char(byte);
  }
  quint8 soma = 0;
  for (int i = 0; i < 4 + tamanho; ++i) soma = quint8(soma + quint8(corpo[i]));
  q.funcao = quint8(corpo[2]);
  q.dados = corpo.mid(4, tamanho);
  q.valido = quint8(corpo[4 + tamanho]) == quint8(0x100 - soma) && corpo[5 + tamanho] == 0x0F;
  return q;
}

QByteArray PortaEmTeste::lerBytes(int n, int timeoutMs) {
  QByteArray bytes;
  unsigned char byte = 0;
  while (bytes.size() < n && proximoByte(byte, timeoutMs)) bytes += char(byte);
  return bytes;
}

bool PortaEmTeste::esperarDesligamento(int timeoutMs) {
  QElapsedTimer relogio;
  relogio.start();
  while (relogio.elapsed() < timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) continue;
    if (p.revents & (POLLHUP | POLLERR)) return true;
    char buffer[4096];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return true;
  }
  return false;
}
