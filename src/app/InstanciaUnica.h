#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// Lets only one copy of the program run per user: a lock file in the settings folder, and a local
// socket through which a second copy asks the running one to come to the front.
class InstanciaUnica : public QObject {
  Q_OBJECT

 public:
  explicit InstanciaUnica(const QString& pastaConfiguracao);

  // True when this copy is the only one; otherwise the running copy has been asked to show itself.
  [[nodiscard]] bool adquirir();

 signals:
  void ativacaoPedida();

 private:
  QLockFile trava_;
  QString nomeServidor_;
  QLocalServer servidor_;
};
