#include <QApplication>
#include <QScreen>

#include <tuple>

#include "app/InstanciaUnica.h"
#include "app/Pastas.h"
#include "app/Traducoes.h"
#include "app/untPrincipal.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brivana"));

  // Without them the standard buttons speak English; the program itself still works.
  std::ignore = InstalarTraducoesQt();

  const Pastas pastas = MontarPastas(QCoreApplication::applicationDirPath());
  std::ignore = CriarPastaDeConfiguracao(pastas);
  InstanciaUnica instancia(pastas.configuracao);
  if (!instancia.adquirir()) return 0;

  TfrmPrincipal principal;
  if (principal.encerramentoSolicitado()) return 1;
  QObject::connect(&instancia, &InstanciaUnica::ativacaoPedida, &principal, [&principal] {
    principal.setWindowState(principal.windowState() & ~Qt::WindowMinimized);
    principal.raise();
    principal.activateWindow();
  });
  // Without a window manager "maximised" means nothing: start from the whole screen anyway.
  principal.setGeometry(principal.screen()->availableGeometry());
  principal.showMaximized();
  return QApplication::exec();
}
