#include "support/Simulador.h"

#include <QElapsedTimer>

Simulador::~Simulador() {
  parar();
}

bool Simulador::iniciar(const QStringList& opcoes) {
  processo_.setProcessChannelMode(QProcess::SeparateChannels);
  processo_.start(QStringLiteral(BRIVANA_SIM), opcoes);
  if (!processo_.waitForStarted(5000)) return false;
  QElapsedTimer relogio;
  relogio.start();
  while (relogio.elapsed() < 10000) {
    processo_.waitForReadyRead(100);
    saida_ += QString::fromUtf8(processo_.readAllStandardOutput());
    if (saida_.contains(QStringLiteral("pronto\n"))) {
      for (const QString& linha : saida_.split('\n')) {
        const QStringList partes = linha.split(' ', Qt::SkipEmptyParts);
        if (partes.size() >= 3 && partes[0] == QLatin1String("porta")) portas_.append(partes[2]);
      }
      return true;
    }
    if (processo_.state() == QProcess::NotRunning) return false;
  }
  return false;
}

void Simulador::parar() {
  if (processo_.state() == QProcess::NotRunning) return;
  processo_.terminate();
  if (!processo_.waitForFinished(5000)) processo_.kill();
  processo_.waitForFinished(1000);
}

QString Simulador::saida() {
  saida_ += QString::fromUtf8(processo_.readAllStandardOutput());
  return saida_;
}

bool Simulador::comando(const QString& linha) {
  const QString confirmacao = QStringLiteral("ok ") + linha + '\n';
  const qsizetype antes = saida().size();
  processo_.write((linha + '\n').toUtf8());
  return esperar(confirmacao, antes);
}

bool Simulador::esperar(const QString& texto, qsizetype desde) {
  QElapsedTimer relogio;
  relogio.start();
  while (relogio.elapsed() < 5000) {
    if (saida().indexOf(texto, desde) >= 0) return true;
    processo_.waitForReadyRead(50);
  }
  return false;
}
