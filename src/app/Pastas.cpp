#include "app/Pastas.h"

#include <QDir>

#include "app/untTiposFuncoes.h"

namespace {

QString ComSeparador(const QString& pasta) {
  return pasta.endsWith('/') ? pasta : pasta + '/';
}

}  // namespace

Pastas MontarPastas(const QString& pastaDoExecutavel) {
  Pastas p;
  // An unavailable special folder gives an empty text and so a path from the root, as designed.
  p.configuracao = PastaEspecial(CSIDL_APPDATA) + '/' + kSubpastaPrograma;
  p.arquivoConfiguracao = p.configuracao + "brivana.conf";
  p.bancoDeDados = p.configuracao + "brivana.db";
  p.dados = PastaEspecial(CSIDL_PERSONAL) + '/' + kSubpastaPrograma;
  QString executavel = pastaDoExecutavel;
  while (executavel.endsWith('/') && executavel.size() > 1) executavel.chop(1);
  p.modelos = ComSeparador(executavel + "/Modelos/");
  return p;
}

bool CriarPastaDeConfiguracao(const Pastas& pastas) {
  return QDir().mkpath(pastas.configuracao);
}
