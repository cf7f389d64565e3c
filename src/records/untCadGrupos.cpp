#include "records/untCadGrupos.h"

#include <QPushButton>

#include "app/untPrincipal.h"
#include "records/PesquisaCadastro.h"
#include "records/untDM.h"
#include "records/untNovoGrupo.h"

namespace {

ConfiguracaoCadastro Configuracao() {
  ConfiguracaoCadastro c;
  c.nomeObjeto = QStringLiteral("frmCadGrupos");
  c.titulo = QStringLiteral("Cadastro de Grupos");
  c.campoChave = QStringLiteral("Grupo");
  c.textoComAmostragens = QStringLiteral(
      "Existem Amostragens deste Grupo\nVocê deve excluí-las primeiro.   \n\n"
      "  Exclusão Cancelada        ");
  c.protegeChaveZero = true;
  return c;
}

}  // namespace

EstadoPesquisa& TfrmCadGrupos::pesquisa() {
  static EstadoPesquisa estado;
  return estado;
}

TfrmCadGrupos::TfrmCadGrupos(TfrmPrincipal& principal, QWidget* pai)
    : Cadastro(principal, principal.dm().qGrupos(), pesquisa(), Configuracao(), pai),
      frmNovoGrupo(new TfrmNovoGrupo(principal.dm().qGrupos(), this)) {}

int TfrmCadGrupos::ExecutarDialogo(bool inserindo) {
  frmNovoGrupo->setWindowTitle(inserindo ? QStringLiteral("Novo Grupo")
                                         : QStringLiteral("Alterar Grupo"));
  frmNovoGrupo->btInserir->setText(inserindo ? QStringLiteral("&Inserir")
                                             : QStringLiteral("&Alterar"));
  return frmNovoGrupo->exec();
}
