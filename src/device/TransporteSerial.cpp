#include "device/TransporteSerial.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QSocketNotifier>

#include <poll.h>
#include <sys/file.h>

#include "device/PortasDoSistema.h"

namespace {

// Longest a send may take: a few frames at 115200 baud need about a millisecond each.
constexpr int kPrazoEscritaMs = 1000;
// Bytes drained after a purge; a device streaming without pause must not keep the purge going.
constexpr qsizetype kMaiorDrenagem = 64 * 1024;

class TransporteDoSistema final : public TransporteSerial {
 public:
  TransporteDoSistema() {
    QObject::connect(&porta_, &QSerialPort::errorOccurred, &porta_,
                     [this](QSerialPort::SerialPortError erro) {
                       if (erro == QSerialPort::ReadError || erro == QSerialPort::ResourceError) {
                         pararAvisosSeSumiu();
                       }
                     });
  }
  ~TransporteDoSistema() override { fechar(); }

  bool abrir(const QString& porta) override {
    fechar();
    // The canonical path names the lock file, so a symbolic link and the device it points to
    // share one lock.
    const QString caminho = CaminhoDaPorta(porta);
    const QString canonico = QFileInfo(caminho).canonicalFilePath();
    porta_.setPortName(canonico.isEmpty() ? caminho : canonico);
    porta_.setBaudRate(QSerialPort::Baud115200);
    porta_.setDataBits(QSerialPort::Data8);
    porta_.setParity(QSerialPort::NoParity);
    porta_.setStopBits(QSerialPort::TwoStop);
    porta_.setFlowControl(QSerialPort::NoFlowControl);
    porta_.setReadBufferSize(8192);
    porta_.clearError();
    if (!porta_.open(QIODevice::ReadWrite)) {
      return falhar(porta_.error());
    }
    // TIOCEXCL does not stop root, and the lock file binds only programs that look for it; an
    // advisory lock on the device itself also stops holders that lock it with flock.
    if (::flock(static_cast<int>(porta_.handle()), LOCK_EX | LOCK_NB) != 0) {
      porta_.close();
      return falhar(QSerialPort::PermissionError);
    }
    // A pseudo-terminal has no modem lines; the error is expected there and ignored.
    porta_.setDataTerminalReady(true);
    porta_.setRequestToSend(true);
    porta_.clearError();
    if (!porta_.clear(QSerialPort::AllDirections)) {
      return falhar(porta_.error());
    }
    erro_ = 0;
    return true;
  }

  void fechar() override {
    if (porta_.isOpen()) {
      porta_.close();
    }
    porta_.clearError();
    descartarLeitura();
  }

  bool aberta() const override { return porta_.isOpen(); }

  bool escrever(const char* dados, qsizetype quantidade) override {
    if (!porta_.isOpen()) {
      return falhar(QSerialPort::NotOpenError);
    }
    porta_.clearError();
    // Waiting for the write also reads incoming bytes into the port's buffer; moving them out
    // first keeps that buffer from filling up and stalling the write.
    guardarRecebidos();
    if (porta_.write(dados, quantidade) != quantidade) {
      return falhar(erroOu(QSerialPort::WriteError));
    }
    const QDeadlineTimer prazo(kPrazoEscritaMs);
    while (porta_.bytesToWrite() > 0) {
      if (!porta_.waitForBytesWritten(static_cast<int>(prazo.remainingTime()))) {
        return falhar(erroDeEntradaSaida(QSerialPort::TimeoutError));
      }
    }
    erro_ = 0;
    return true;
  }

  bool lerByte(unsigned char* byte, int timeoutMs) override {
    if (posicao_ >= lidos_.size() && !encherLeitura(timeoutMs)) {
      return false;
    }
    *byte = static_cast<unsigned char>(lidos_[posicao_++]);
    erro_ = 0;
    return true;
  }

  bool limpar() override {
    if (!porta_.isOpen()) {
      return falhar(QSerialPort::NotOpenError);
    }
    porta_.clearError();
    const bool limpa = porta_.clear(QSerialPort::AllDirections);
    const int erro = porta_.error();
    descartarLeitura();
    qsizetype drenados = 0;
    while (drenados < kMaiorDrenagem && prontoParaLer(0) && porta_.waitForReadyRead(0)) {
      drenados += porta_.readAll().size();
    }
    porta_.clearError();
    if (!limpa) {
      return falhar(erro);
    }
    erro_ = 0;
    return true;
  }

  bool definirDTR(bool alto) override {
    if (!porta_.isOpen()) {
      return falhar(QSerialPort::NotOpenError);
    }
    porta_.clearError();
    if (!porta_.setDataTerminalReady(alto)) {
      // The port keeps no error state behind, so the next operation is judged on its own.
      const int erro = porta_.error();
      porta_.clearError();
      return falhar(erro);
    }
    erro_ = 0;
    return true;
  }

  int ultimoErro() const override { return erro_; }

 private:
  bool falhar(int erro) {
    erro_ = erro == QSerialPort::NoError ? QSerialPort::UnknownError : erro;
    return false;
  }

  int erroOu(int alternativo) const {
    return porta_.error() == QSerialPort::NoError ? alternativo : porta_.error();
  }

  // A read or write that failed on a device that went away (pseudo-terminal closed, adapter
  // unplugged) reports a resource error, whatever the port made of the errno.
  int erroDeEntradaSaida(int alternativo) const {
    return dispositivoSumiu() ? int(QSerialPort::ResourceError) : erroOu(alternativo);
  }

  bool dispositivoSumiu() const {
    pollfd estado{static_cast<int>(porta_.handle()), POLLIN, 0};
    return ::poll(&estado, 1, 0) > 0 && (estado.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
  }

  // A device that went away keeps its descriptor readable for ever; while the event loop runs,
  // the port's read notifier would fire and fail without pause and hold the user-interface thread
  // at full load until the link is closed. The link reads synchronously and needs no notifier.
  void pararAvisosSeSumiu() {
    if (!porta_.isOpen() || !dispositivoSumiu()) {
      return;
    }
    for (QSocketNotifier* aviso : porta_.findChildren<QSocketNotifier*>()) {
      if (aviso->type() == QSocketNotifier::Read) {
        aviso->setEnabled(false);
      }
    }
  }

  bool prontoParaLer(int timeoutMs) const {
    pollfd estado{static_cast<int>(porta_.handle()), POLLIN, 0};
    return ::poll(&estado, 1, timeoutMs) > 0 && (estado.revents & POLLIN) != 0;
  }

  void descartarLeitura() {
    lidos_.clear();
    posicao_ = 0;
  }

  void guardarRecebidos() {
    if (porta_.bytesAvailable() > 0) {
      lidos_.remove(0, posicao_);
      posicao_ = 0;
      lidos_.append(porta_.readAll());
    }
  }

  bool encherLeitura(int timeoutMs) {
    descartarLeitura();
    if (!porta_.isOpen()) {
      return falhar(QSerialPort::NotOpenError);
    }
    porta_.clearError();
    if (porta_.bytesAvailable() == 0 && !porta_.waitForReadyRead(timeoutMs)) {
      const int erro = erroDeEntradaSaida(QSerialPort::TimeoutError);
      porta_.clearError();
      return falhar(erro);
    }
    lidos_ = porta_.readAll();
    if (lidos_.isEmpty()) {
      const int erro = erroDeEntradaSaida(QSerialPort::ReadError);
      porta_.clearError();
      return falhar(erro);
    }
    return true;
  }

  QSerialPort porta_;
  QByteArray lidos_;
  qsizetype posicao_ = 0;
  int erro_ = 0;
};

}  // namespace

std::unique_ptr<TransporteSerial> NovoTransporteDoSistema() {
  return std::make_unique<TransporteDoSistema>();
}
