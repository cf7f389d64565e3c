#include "records/untCadAvaliados.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/untPrincipal.h"
#include "records/Conjunto.h"
#include "records/PesquisaCadastro.h"
#include "records/untDM.h"
#include "records/untNovoAvaliado.h"

namespace {

ConfiguracaoCadastro Configuracao() {
  ConfiguracaoCadastro c;
  c.nomeObjeto = QStringLiteral("frmCadAvaliados");
  c.titulo = QStringLiteral("Cadastro de Avaliados");
  c.campoChave = QStringLiteral("Avaliado");
  c.textoComAmostragens = QStringLiteral(
      "Existem Amostragens deste Avaliado\nVocê deve excluí-las primeiro.   \n\n"
      "    Exclusão Cancelada        ");
  return c;
}

}  // namespace

EstadoPesquisa& TfrmCadAvaliados::pesquisa() {
  static EstadoPesquisa estado;
  return estado;
}

TfrmCadAvaliados::TfrmCadAvaliados(TfrmPrincipal& principal, QWidget* pai)
    : Cadastro(principal, principal.dm().qAvaliados(), pesquisa(), Configuracao(), pai),
      frmNovoAvaliado(new TfrmNovoAvaliado(principal.dm().qAvaliados(), this)) {}

int TfrmCadAvaliados::ExecutarDialogo(bool inserindo) {
  TfrmNovoAvaliado& d = *frmNovoAvaliado;
  if (inserindo) {
    d.setWindowTitle(QStringLiteral("Novo Avaliado"));
    d.btInserir->setText(QStringLiteral("&Inserir"));
    d.cpNascimento->clear();
    d.cpSexo->setCurrentIndex(-1);
  } else {
    d.setWindowTitle(QStringLiteral("Alterar Avaliado"));
    d.btInserir->setText(QStringLiteral("&Alterar"));
    d.cpNascimento->setText(
        conjunto().dataHora(QStringLiteral("Nascimento")).toString(QStringLiteral("dd/MM/yyyy")));
    d.cpSexo->setCurrentText(conjunto().texto(QStringLiteral("Sexo")) == QLatin1String("F")
                                 ? QStringLiteral("FEMININO")
                                 : QStringLiteral("MASCULINO"));
  }
  return d.exec();
}
