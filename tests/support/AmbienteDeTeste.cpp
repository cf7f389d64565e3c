#include "AmbienteDeTeste.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include "app/ArquivoConfiguracao.h"
#include "app/Pastas.h"
#include "device/untProtocolo.h"

namespace {
std::unique_ptr<QTemporaryDir> g_casa;
}

namespace AmbienteDeTeste {

void novaCasa() {
  g_casa = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/brivana-teste-XXXXXX");
  const QString raiz = g_casa->path();
  QDir().mkpath(raiz + "/config");
  QDir().mkpath(raiz + "/data");
  QDir().mkpath(raiz + "/runtime");
  QFile::setPermissions(raiz + "/runtime",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("HOME", raiz.toUtf8());
  qputenv("XDG_CONFIG_HOME", (raiz + "/config").toUtf8());
  qputenv("XDG_DATA_HOME", (raiz + "/data").toUtf8());
  qputenv("XDG_RUNTIME_DIR", (raiz + "/runtime").toUtf8());
  qunsetenv("XDG_DOCUMENTS_DIR");
  // Only simulated ports: a test never probes the machine's own (a serial console, say).
  DefinirFontePortasDoSistema([] { return QStringList(); });
}

QString casa() {
  return g_casa ? g_casa->path() : QString();
}

QString pastaConfiguracao() {
  return MontarPastas(QString()).configuracao;
}

QString pastaDados() {
  return MontarPastas(QString()).dados;
}

QString arquivoConfiguracao() {
  return MontarPastas(QString()).arquivoConfiguracao;
}

bool configurar(const QList<QPair<QString, QString>>& valores) {
  return QDir().mkpath(pastaConfiguracao()) &&
         ArquivoConfiguracao(arquivoConfiguracao()).gravar(valores);
}

QString conf(const QString& chave) {
  return ArquivoConfiguracao(arquivoConfiguracao()).lerTexto(chave);
}

}  // namespace AmbienteDeTeste
