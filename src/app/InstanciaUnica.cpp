#include "app/InstanciaUnica.h"

#include <QCryptographicHash>
#include <QLocalSocket>

InstanciaUnica::InstanciaUnica(const QString& pastaConfiguracao)
    : trava_(pastaConfiguracao + "brivana.lock"),
      nomeServidor_("brivana-" +
                    QCryptographicHash::hash(pastaConfiguracao.toUtf8(), QCryptographicHash::Sha1)
                        .toHex()
                        .left(16)) {
  trava_.setStaleLockTime(0);  // a copy that crashed leaves a lock only its PID check can clear
  connect(&servidor_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* cliente = servidor_.nextPendingConnection()) {
      connect(cliente, &QLocalSocket::disconnected, cliente, &QObject::deleteLater);
      emit ativacaoPedida();
    }
  });
}

bool InstanciaUnica::adquirir() {
  if (trava_.tryLock(0)) {
    QLocalServer::removeServer(nomeServidor_);  // left behind by a copy that crashed
    servidor_.listen(nomeServidor_);
    return true;
  }
  QLocalSocket socket;
  socket.connectToServer(nomeServidor_);
  if (socket.waitForConnected(1000)) socket.disconnectFromServer();
  return false;
}
