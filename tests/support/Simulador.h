#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// brivana-sim run for one test: started with the given options in the test's own runtime
// folder, stopped (its ports removed) when the object goes.
class Simulador {
 public:
  Simulador() = default;
  ~Simulador();
  Simulador(const Simulador&) = delete;
  Simulador& operator=(const Simulador&) = delete;

  // Starts and waits for "pronto"; false when it did not get there.
  [[nodiscard]] bool iniciar(const QStringList& opcoes);
  void parar();

  // Port name published for port k (1 or 2), as the program lists it.
  QString porta(int k) const { return portas_.value(k - 1); }
  // Sends a command line ("carga 1 50") and waits until the simulator has applied it.
  [[nodiscard]] bool comando(const QString& linha);
  // Waits (up to 5 s) until its output from position `desde` on holds `texto`.
  [[nodiscard]] bool esperar(const QString& texto, qsizetype desde = 0);
  // Everything it printed so far (ground truth, "rx" lines with --eco).
  QString saida();

 private:
  QProcess processo_;
  QStringList portas_;
  QString saida_;
};
