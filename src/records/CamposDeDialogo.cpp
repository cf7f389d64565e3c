#include "records/CamposDeDialogo.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidget>

#include "records/Conjunto.h"

namespace {

class Maiusculas final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texto, int&) const override {
    texto = texto.toUpper();
    return Acceptable;
  }
};

class FiltroEnter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    auto* controle = static_cast<QWidget*>(objeto);
    QWidget* proximo = controle->nextInFocusChain();
    while (proximo && proximo != controle &&
           !(proximo->focusPolicy() & Qt::TabFocus && proximo->isEnabled() && proximo->isVisible()))
      proximo = proximo->nextInFocusChain();
    if (proximo) proximo->setFocus(Qt::TabFocusReason);
    return true;
  }
};

QLocale Local() {
  QLocale local(QLocale::Portuguese, QLocale::Brazil);
  local.setNumberOptions(QLocale::OmitGroupSeparator);
  return local;
}

}  // namespace

namespace CamposDeDialogo {

void ForcarMaiusculas(QLineEdit* caixa) {
  caixa->setValidator(new Maiusculas(caixa));
}

void EnterMudaFoco(QWidget* controle) {
  controle->installEventFilter(new FiltroEnter(controle));
}

void Carregar(QLineEdit* caixa, const Conjunto& conjunto, const QString& campo) {
  const QVariant valor = conjunto.valor(campo);
  if (!valor.isValid() || valor.isNull()) {
    caixa->clear();
    return;
  }
  switch (valor.typeId()) {
    case QMetaType::Double:
      caixa->setText(Local().toString(valor.toDouble(), 'g', 15));
      return;
    case QMetaType::LongLong:
      caixa->setText(QString::number(valor.toLongLong()));
      return;
    default:
      caixa->setText(valor.toString());
  }
}

bool Gravar(const QLineEdit* caixa, Conjunto& conjunto, const QString& campo) {
  const QString texto = caixa->text();
  if (texto.isEmpty()) return conjunto.definir(campo, QVariant());
  const int indice = conjunto.indiceCampo(campo);
  if (indice >= 0 && conjunto.campos()[indice].tipo == TipoCampo::Real) {
    bool ok = false;
    const double numero = Local().toDouble(texto, &ok);
    return conjunto.definir(campo, ok ? QVariant(numero) : QVariant());
  }
  return conjunto.definir(campo, texto);
}

double LerNumero(const QString& texto) {
  bool ok = false;
  const double numero = Local().toDouble(texto, &ok);
  return ok ? numero : -1;
}

BotoesDeDialogo MontarDialogo(QDialog* dialogo, QLayout* campos, int larguraMinima) {
  BotoesDeDialogo b{new QPushButton(QStringLiteral("&Inserir"), dialogo),
                    new QPushButton(QStringLiteral("C&ancelar"), dialogo)};
  b.confirmar->setObjectName("btInserir");
  b.cancelar->setObjectName("btCancelar");
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(b.confirmar);
  botoes->addWidget(b.cancelar);
  auto* coluna = new QVBoxLayout(dialogo);
  coluna->addLayout(campos);
  coluna->addLayout(botoes);
  dialogo->setMinimumWidth(larguraMinima);
  QObject::connect(b.cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
  return b;
}

}  // namespace CamposDeDialogo
