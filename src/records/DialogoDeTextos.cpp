#include "records/DialogoDeTextos.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/ServicoDialogos.h"
#include "calibration/CoresCalibracao.h"
#include "records/CamposDeDialogo.h"
#include "records/Conjunto.h"

DialogoDeTextos::DialogoDeTextos(Conjunto& conjunto, const char* nome, const QString& titulo,
                                 std::initializer_list<Caixa> caixas, QWidget* pai)
    : QDialog(pai), conjunto_(conjunto) {
  setObjectName(nome);
  setWindowTitle(titulo);
  PintarJanela(this);

  auto* campos = new QFormLayout;
  for (const Caixa& c : caixas) {
    auto* caixa = new QLineEdit(this);
    caixa->setObjectName(QStringLiteral("cp") + QString::fromLatin1(c.campo));
    caixa->setMaxLength(c.tamanho);
    CamposDeDialogo::ForcarMaiusculas(caixa);
    CamposDeDialogo::EnterMudaFoco(caixa);
    campos->addRow(c.rotulo, caixa);
    vinculos_.append({caixa, QString::fromLatin1(c.campo)});
  }
  // The code is the dataset's to choose.
  vinculos_.first().caixa->setReadOnly(true);
  vinculos_.first().caixa->setFocusPolicy(Qt::NoFocus);

  const CamposDeDialogo::BotoesDeDialogo botoes = CamposDeDialogo::MontarDialogo(this, campos, 400);
  btInserir = botoes.confirmar;
  btCancelar = botoes.cancelar;
  connect(btInserir, &QPushButton::clicked, this, &DialogoDeTextos::btInserirClick);
}

QLineEdit* DialogoDeTextos::caixa(const char* campo) const {
  for (const Vinculo& v : vinculos_)
    if (v.campo == QLatin1String(campo)) return v.caixa;
  return nullptr;
}

void DialogoDeTextos::showEvent(QShowEvent* evento) {
  for (const Vinculo& v : vinculos_) CamposDeDialogo::Carregar(v.caixa, conjunto_, v.campo);
  QDialog::showEvent(evento);
  caixa("Nome")->setFocus(Qt::OtherFocusReason);
}

void DialogoDeTextos::btInserirClick() {
  QLineEdit* nome = caixa("Nome");
  if (nome->text().isEmpty()) {
    Mensagem(this, QStringLiteral("O Nome deve ser informado!"), QMessageBox::Warning);
    nome->setFocus(Qt::OtherFocusReason);
    return;
  }
  bool gravado = true;
  for (const Vinculo& v : vinculos_.mid(1))
    gravado = CamposDeDialogo::Gravar(v.caixa, conjunto_, v.campo) && gravado;
  if (!gravado) {
    Mensagem(this, conjunto_.ultimoErro(), QMessageBox::Critical);
    return;
  }
  accept();
}
