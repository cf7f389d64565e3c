#include "records/untNovoGrupo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ServicoDialogos.h"
#include "calibration/CoresCalibracao.h"
#include "records/CamposDeDialogo.h"
#include "records/Conjunto.h"

namespace {

struct Vinculo {
  QLineEdit* TfrmNovoGrupo::*caixa;
  const char* campo;
};

constexpr Vinculo kVinculos[] = {
    {&TfrmNovoGrupo::cpGrupo, "Grupo"},
    {&TfrmNovoGrupo::cpNome, "Nome"},
    {&TfrmNovoGrupo::cpTemporada, "Temporada"},
    {&TfrmNovoGrupo::cpObservacao, "Observacao"},
};

}  // namespace

TfrmNovoGrupo::TfrmNovoGrupo(Conjunto& grupos, QWidget* pai) : QDialog(pai), grupos_(grupos) {
  setObjectName("frmNovoGrupo");
  setWindowTitle(QStringLiteral("Novo Grupo"));
  PintarJanela(this);

  const auto caixa = [this](const char* nome, int tamanho) {
    auto* c = new QLineEdit(this);
    c->setObjectName(nome);
    c->setMaxLength(tamanho);
    CamposDeDialogo::ForcarMaiusculas(c);
    CamposDeDialogo::EnterMudaFoco(c);
    return c;
  };
  cpGrupo = caixa("cpGrupo", 20);
  cpGrupo->setReadOnly(true);
  cpGrupo->setFocusPolicy(Qt::NoFocus);
  cpNome = caixa("cpNome", 50);
  cpTemporada = caixa("cpTemporada", 50);
  cpObservacao = caixa("cpObservacao", 255);
  btInserir = new QPushButton(QStringLiteral("&Inserir"), this);
  btInserir->setObjectName("btInserir");
  btCancelar = new QPushButton(QStringLiteral("C&ancelar"), this);
  btCancelar->setObjectName("btCancelar");

  auto* campos = new QFormLayout;
  campos->addRow(QStringLiteral("Grupo"), cpGrupo);
  campos->addRow(QStringLiteral("Nome"), cpNome);
  campos->addRow(QStringLiteral("Temporada"), cpTemporada);
  campos->addRow(QStringLiteral("Observação"), cpObservacao);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(btInserir);
  botoes->addWidget(btCancelar);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(campos);
  coluna->addLayout(botoes);
  setMinimumWidth(400);

  connect(btInserir, &QPushButton::clicked, this, &TfrmNovoGrupo::btInserirClick);
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNovoGrupo::showEvent(QShowEvent* evento) {
  for (const Vinculo& v : kVinculos)
    CamposDeDialogo::Carregar(this->*v.caixa, grupos_, QString::fromLatin1(v.campo));
  QDialog::showEvent(evento);
  cpNome->setFocus(Qt::OtherFocusReason);
}

void TfrmNovoGrupo::btInserirClick() {
  if (cpNome->text().isEmpty()) {
    Mensagem(this, QStringLiteral("O Nome deve ser informado!"), QMessageBox::Warning);
    return;
  }
  bool gravado = true;
  for (const Vinculo& v : kVinculos) {
    if (v.caixa == &TfrmNovoGrupo::cpGrupo) continue;
    gravado =
        CamposDeDialogo::Gravar(this->*v.caixa, grupos_, QString::fromLatin1(v.campo)) && gravado;
  }
  if (!gravado) {
    Mensagem(this, grupos_.ultimoErro(), QMessageBox::Critical);
    return;
  }
  accept();
}
