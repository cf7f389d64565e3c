#include "records/Cadastro.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/ListasDeImagens.h"
#include "app/ServicoDialogos.h"
#include "app/untImagens.h"
#include "app/untPrincipal.h"
#include "calibration/CoresCalibracao.h"
#include "records/Conjunto.h"
#include "records/GradeDeConjunto.h"
#include "records/PesquisaCadastro.h"
#include "records/untDM.h"

Cadastro::Cadastro(TfrmPrincipal& principal, Conjunto& conjunto, EstadoPesquisa& pesquisa,
                   ConfiguracaoCadastro configuracao, QWidget* pai)
    : QDialog(pai),
      principal_(principal),
      conjunto_(conjunto),
      pesquisa_(pesquisa),
      configuracao_(std::move(configuracao)) {
  setObjectName(configuracao_.nomeObjeto);
  setWindowTitle(configuracao_.titulo);
  PintarJanela(this);

  DBGrid = new GradeDeConjunto(conjunto_, "DBGrid", this);
  connect(DBGrid, &GradeDeConjunto::alterarPedido, this, &Cadastro::btAlterarClick);
  connect(DBGrid, &GradeDeConjunto::inserirPedido, this, &Cadastro::btInserirClick);
  connect(DBGrid, &GradeDeConjunto::excluirPedido, this, &Cadastro::btExcluirClick);
  connect(DBGrid, &GradeDeConjunto::localizarPedido, this, &Cadastro::btLocalizarClick);
  connect(DBGrid, &GradeDeConjunto::localizarProximoPedido, this,
          &Cadastro::btLocalizarProximoClick);
  DBGrid->setMinimumSize(640, 360);

  const QList<QPixmap>& figuras = principal_.listas().ImgListBtn16x32;
  const auto botao = [&](const char* nome, const char* texto, int figura) {
    return NovoBotaoComGlifo(this, nome, QString::fromUtf8(texto), figuras.value(figura));
  };
  btInserir = botao("btInserir", "&Inserir", 0);
  btAlterar = botao("btAlterar", "&Alterar", 1);
  btExcluir = botao("btExcluir", "&Excluir", 2);
  btLocalizar = botao("btLocalizar", "&Localizar", 3);
  btLocalizarProximo = botao("btLocalizarProximo", "Localizar &Próximo", 4);
  btFechar = botao("btFechar", "&Fechar", 5);
  for (QPushButton* b : {btAlterar, btExcluir, btLocalizar, btLocalizarProximo})
    b->setEnabled(false);

  auto* imFundo = new QLabel(this);
  imFundo->setObjectName("imFundo");
  imFundo->setPixmap(FaixaDeMoldura(principal_.imagens()));
  auto* botoes = new QVBoxLayout;
  botoes->addWidget(imFundo);
  for (QPushButton* b :
       {btInserir, btAlterar, btExcluir, btLocalizar, btLocalizarProximo, btFechar})
    botoes->addWidget(b);
  botoes->addStretch();
  auto* linha = new QHBoxLayout(this);
  linha->addLayout(botoes);
  linha->addWidget(DBGrid, 1);

  connect(btInserir, &QPushButton::clicked, this, &Cadastro::btInserirClick);
  connect(btAlterar, &QPushButton::clicked, this, &Cadastro::btAlterarClick);
  connect(btExcluir, &QPushButton::clicked, this, &Cadastro::btExcluirClick);
  connect(btLocalizar, &QPushButton::clicked, this, &Cadastro::btLocalizarClick);
  connect(btLocalizarProximo, &QPushButton::clicked, this, &Cadastro::btLocalizarProximoClick);
  connect(btFechar, &QPushButton::clicked, this, &QDialog::accept);
  // A click also ends a search's end-of-data, which changes the buttons.
  connect(DBGrid, &QTableView::clicked, this, &Cadastro::HabilitarBotoes);
  DBGrid->sincronizar();
}

Cadastro::~Cadastro() = default;

void Cadastro::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  HabilitarBotoes();
  DBGrid->setFocus(Qt::OtherFocusReason);
}

bool Cadastro::ChaveProtegida() const {
  return configuracao_.protegeChaveZero && conjunto_.inteiro(configuracao_.campoChave) <= 0;
}

void Cadastro::HabilitarBotoes() {
  const bool temLinhas = conjunto_.active() && !conjunto_.isEmpty();
  const bool alteravel = temLinhas && !ChaveProtegida();
  btAlterar->setEnabled(alteravel);
  btExcluir->setEnabled(alteravel);
  btLocalizar->setEnabled(temLinhas);
  btLocalizarProximo->setEnabled(temLinhas);
}

void Cadastro::Reabrir() {
  conjunto_.close();
  if (!conjunto_.open())
    Mensagem(this,
             QStringLiteral("Não foi possível reabrir o cadastro:\n") + conjunto_.ultimoErro(),
             QMessageBox::Critical);
  DBGrid->sincronizar();
}

void Cadastro::Concluir(bool confirmado) {
  if (confirmado && !conjunto_.post()) {
    Mensagem(this, QStringLiteral("Não foi possível gravar o registro:\n") + conjunto_.ultimoErro(),
             QMessageBox::Critical);
  }
  // After a refused post the row is still pending: nothing of it may stay behind.
  conjunto_.cancel();
  Reabrir();
}

void Cadastro::btInserirClick() {
  const qint64 chave = ProximaChave(conjunto_, configuracao_.campoChave);
  if (!conjunto_.append() || !conjunto_.definir(configuracao_.campoChave, chave)) {
    Mensagem(this, conjunto_.ultimoErro(), QMessageBox::Critical);
    conjunto_.cancel();
    return;
  }
  Concluir(ExecutarDialogo(true) == QDialog::Accepted);
  HabilitarBotoes();
}

void Cadastro::btAlterarClick() {
  if (conjunto_.isEmpty()) return;
  if (!conjunto_.edit()) {
    Mensagem(this, conjunto_.ultimoErro(), QMessageBox::Critical);
    return;
  }
  Concluir(ExecutarDialogo(false) == QDialog::Accepted);
}

bool Cadastro::TemAmostragens() const {
  const Conjunto& avaliacoes = principal_.dm().qAvaliacoes();
  const int campo = avaliacoes.indiceCampo(configuracao_.campoChave);
  const qint64 chave = conjunto_.inteiro(configuracao_.campoChave);
  for (int linha = 0; linha < avaliacoes.recordCount(); ++linha) {
    const QVariant valor = avaliacoes.valorNaLinha(linha, campo);
    if (valor.isValid() && valor.toLongLong() == chave) return true;
  }
  return false;
}

void Cadastro::btExcluirClick() {
  if (configuracao_.protegeChaveZero && !conjunto_.isEmpty() && ChaveProtegida()) return;
  if (!conjunto_.eof() &&
      Mensagem(this, QStringLiteral("Confirma a exclusão?"), QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    if (TemAmostragens()) {
      Mensagem(this, configuracao_.textoComAmostragens, QMessageBox::Critical);
    } else if (!conjunto_.remove()) {
      Mensagem(this,
               QStringLiteral("Não foi possível excluir o registro:\n") + conjunto_.ultimoErro(),
               QMessageBox::Critical);
      Reabrir();
    }
    DBGrid->sincronizar();
  }
  HabilitarBotoes();
}

void Cadastro::btLocalizarClick() {
  const std::optional<QString> resposta = Dialogos().entrada(
      this, QStringLiteral("Palavra a localizar:"), QStringLiteral("Pesquisar"), pesquisa_.palavra);
  pesquisa_.palavra = resposta.value_or(pesquisa_.palavra).toUpper();
  conjunto_.first();
  pesquisa_.ultimoAchado.clear();
  btLocalizarProximoClick();
}

void Cadastro::btLocalizarProximoClick() {
  DBGrid->setUpdatesEnabled(false);
  LocalizarProximo(conjunto_, pesquisa_);
  DBGrid->setUpdatesEnabled(true);
  DBGrid->sincronizar();
}
