#pragma once

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "device/untProtocolo.h"

// Benchmarks run in a throw-away HOME, like the tests: no real user's data is touched.
inline QTemporaryDir& CasaDeMedicao() {
  static QTemporaryDir casa(QDir::tempPath() + "/brivana-bench-XXXXXX");
  static const bool preparada = [] {
    const QString raiz = casa.path();
    QDir().mkpath(raiz + "/config");
    qputenv("HOME", raiz.toUtf8());
    qputenv("XDG_CONFIG_HOME", (raiz + "/config").toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    // The simulator publishes its ports in the runtime folder: one of our own.
    QDir().mkpath(raiz + "/runtime");
    QFile::setPermissions(raiz + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (raiz + "/runtime").toUtf8());
    // The machine's own serial ports are never probed by a measurement.
    DefinirFontePortasDoSistema([] { return QStringList(); });
    return true;
  }();
  static_cast<void>(preparada);
  return casa;
}

// Main of every benchmark program: temporary HOME first, then the Qt application App.
template <class App>
int ExecutarMedicoes(int argc, char** argv) {
  CasaDeMedicao();
  App app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
