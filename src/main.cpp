#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <tuple>

#include "app/InstanciaUnica.h"
#include "app/Pastas.h"
#include "app/untPrincipal.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brivana"));

  // Standard buttons and file dialogs speak the program's language.
  QTranslator traducaoQt;
  if (traducaoQt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traducaoQt);

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
