#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <functional>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "device/PortasDoSistema.h"
#include "device/untProtocolo.h"

namespace {

// Legacy UART ports are listed by the kernel whether or not a chip answers behind them; probing
// them would only cost time. The sysfs attribute tells without opening the device.
bool PortaLegadaSemHardware(const QSerialPortInfo& info) {
  const auto pelaPasta = PortaTemHardwareNoSysfs("/sys/class/tty/" + info.portName());
  if (pelaPasta) {
    return !*pelaPasta;
  }
  if (!info.portName().startsWith("ttyS")) {
    return false;
  }
  const int descritor =
      ::open(QFile::encodeName(info.systemLocation()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (descritor < 0) {
    return errno == EIO || errno == ENXIO || errno == ENODEV;
  }
  serial_struct serial{};
  const bool semHardware =
      ::ioctl(descritor, TIOCGSERIAL, &serial) == 0 && serial.type == PORT_UNKNOWN;
  ::close(descritor);
  return semHardware;
}

std::function<QStringList()>& FontePortasDoSistema() {
  static std::function<QStringList()> fonte;
  return fonte;
}

// The kernel's own console: a probe would write device frames onto it, and no platform sits there.
bool ConsoleDoSistema(const QSerialPortInfo& info) {
  QFile console("/sys/class/tty/" + info.portName() + "/console");
  return console.open(QIODevice::ReadOnly) && console.readAll().trimmed() == "Y";
}

QStringList NomesDoSistema() {
  if (FontePortasDoSistema()) {
    return FontePortasDoSistema()();
  }
  QStringList nomes;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    if (!PortaLegadaSemHardware(info) && !ConsoleDoSistema(info)) {
      nomes << info.portName();
    }
  }
  return nomes;
}

bool PrecisaDeAspas(const QString& nome) {
  return std::any_of(nome.begin(), nome.end(),
                     [](QChar c) { return c.unicode() <= u' ' || c == u',' || c == u'"'; });
}

}  // namespace

std::optional<bool> PortaTemHardwareNoSysfs(const QString& pastaTty) {
  QFile tipo(pastaTty + "/type");
  if (!tipo.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  bool numero = false;
  const int valor = tipo.readAll().trimmed().toInt(&numero);
  if (!numero) {
    return std::nullopt;
  }
  return valor != PORT_UNKNOWN;
}

void DefinirFontePortasDoSistema(std::function<QStringList()> fonte) {
  FontePortasDoSistema() = std::move(fonte);
}

QString PastaPortasVirtuais() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) {
    return runtime + "/brivana-sim";
  }
  return QDir::tempPath() + "/brivana-sim-" + QString::number(::getuid());
}

QString CaminhoDaPorta(const QString& porta) {
  if (porta.startsWith('/')) {
    return porta;
  }
  const QString virtual_ = PastaPortasVirtuais() + '/' + porta;
  if (!porta.contains('/') && QFileInfo(virtual_).exists()) {
    return virtual_;
  }
  return "/dev/" + porta;
}

QString TextoVirgulas(const QStringList& nomes) {
  QStringList partes;
  partes.reserve(nomes.size());
  for (const QString& nome : nomes) {
    if (PrecisaDeAspas(nome)) {
      QString dobrado = nome;
      partes << '"' + dobrado.replace(u'"', QStringLiteral("\"\"")) + '"';
    } else {
      partes << nome;
    }
  }
  return partes.join(u',');
}

QStringList PortasOrdenadas(const QString& textoVirgulas) {
  // Read as a string list reads its comma text: blanks outside quotes separate names too.
  QStringList nomes;
  const QString& t = textoVirgulas;
  const qsizetype fim = t.size();
  const auto branco = [&t](qsizetype i) { return t[i].unicode() <= u' '; };
  qsizetype i = 0;
  while (i < fim && branco(i)) {
    ++i;
  }
  while (i < fim) {
    QString nome;
    if (t[i] == u'"') {
      for (++i; i < fim; ++i) {
        if (t[i] == u'"') {
          if (i + 1 < fim && t[i + 1] == u'"') {
            ++i;
          } else {
            ++i;
            break;
          }
        }
        nome += t[i];
      }
    } else {
      while (i < fim && !branco(i) && t[i] != u',') {
        nome += t[i++];
      }
    }
    if (!nome.isEmpty()) {
      nomes << nome;
    }
    while (i < fim && branco(i)) {
      ++i;
    }
    if (i < fim && t[i] == u',') {
      ++i;
      while (i < fim && branco(i)) {
        ++i;
      }
    }
  }
  std::stable_sort(nomes.begin(), nomes.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  return nomes;
}

QString ListarPortasSeriais() {
  QStringList nomes;
  for (const QString& nome : NomesDoSistema()) {
    if (!nomes.contains(nome)) {
      nomes << nome;
    }
  }
  // A link whose simulator has gone is left out: nothing would answer on it.
  const QFileInfoList virtuais =
      QDir(PastaPortasVirtuais())
          .entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QFileInfo& virtual_ : virtuais) {
    if (virtual_.exists() && !virtual_.isDir() && !nomes.contains(virtual_.fileName())) {
      nomes << virtual_.fileName();
    }
  }
  return TextoVirgulas(nomes);
}
