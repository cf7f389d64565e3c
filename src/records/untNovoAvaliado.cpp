#include "records/untNovoAvaliado.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/ServicoDialogos.h"
#include "calibration/CoresCalibracao.h"
#include "records/CamposDeDialogo.h"
#include "records/Conjunto.h"

namespace {

const QString kFeminino = QStringLiteral("FEMININO");
const QString kMasculino = QStringLiteral("MASCULINO");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

// The toolkit's masked box keeps its blanks; Qt strips them, so the blank box reads "//".
QDate LerData(const QString& texto) {
  return QDate::fromString(texto.trimmed(), kFormatoData);
}

struct Vinculo {
  QLineEdit* TfrmNovoAvaliado::*caixa;
  const char* campo;
};

constexpr Vinculo kVinculos[] = {
    {&TfrmNovoAvaliado::cpAvaliado, "Avaliado"},     {&TfrmNovoAvaliado::cpNome, "Nome"},
    {&TfrmNovoAvaliado::cpApelido, "Apelido"},       {&TfrmNovoAvaliado::cpAltura, "Altura"},
    {&TfrmNovoAvaliado::cpModalidade, "Modalidade"}, {&TfrmNovoAvaliado::cpPosicao, "Posicao"},
    {&TfrmNovoAvaliado::cpObservacao, "Observacao"},
};

}  // namespace

const QString TfrmNovoAvaliado::kNascimentoVazio = QStringLiteral("  /  /    ");

TfrmNovoAvaliado::TfrmNovoAvaliado(Conjunto& avaliados, QWidget* pai)
    : QDialog(pai), avaliados_(avaliados) {
  setObjectName("frmNovoAvaliado");
  setWindowTitle(QStringLiteral("Novo Avaliado..."));
  PintarJanela(this);

  const auto caixa = [this](const char* nome) {
    auto* c = new QLineEdit(this);
    c->setObjectName(nome);
    CamposDeDialogo::ForcarMaiusculas(c);
    CamposDeDialogo::EnterMudaFoco(c);
    return c;
  };
  cpAvaliado = caixa("cpAvaliado");
  cpAvaliado->setReadOnly(true);
  cpAvaliado->setFocusPolicy(Qt::NoFocus);
  cpNome = caixa("cpNome");
  cpNome->setMaxLength(50);
  cpApelido = caixa("cpApelido");
  cpApelido->setMaxLength(15);
  cpNascimento = new QLineEdit(this);
  cpNascimento->setObjectName("cpNascimento");
  cpNascimento->setInputMask(QStringLiteral("99/99/9999;_"));
  cpNascimento->setMaxLength(10);
  CamposDeDialogo::EnterMudaFoco(cpNascimento);
  cpNascimento->installEventFilter(this);
  cpSexo = new QComboBox(this);
  cpSexo->setObjectName("cpSexo");
  cpSexo->addItems({kFeminino, kMasculino});
  cpSexo->setCurrentIndex(-1);
  CamposDeDialogo::EnterMudaFoco(cpSexo);
  cpAltura = caixa("cpAltura");
  cpAltura->installEventFilter(this);
  cpModalidade = caixa("cpModalidade");
  cpModalidade->setMaxLength(50);
  cpPosicao = caixa("cpPosicao");
  cpPosicao->setMaxLength(50);
  cpObservacao = caixa("cpObservacao");
  cpObservacao->setMaxLength(255);

  auto* campos = new QFormLayout;
  campos->addRow(QStringLiteral("Avaliado"), cpAvaliado);
  campos->addRow(QStringLiteral("Nome"), cpNome);
  campos->addRow(QStringLiteral("Apelido"), cpApelido);
  campos->addRow(QStringLiteral("Nascimento"), cpNascimento);
  campos->addRow(QStringLiteral("Sexo"), cpSexo);
  campos->addRow(QStringLiteral("Altura (m)"), cpAltura);
  campos->addRow(QStringLiteral("Modalidade"), cpModalidade);
  campos->addRow(QStringLiteral("Posição"), cpPosicao);
  campos->addRow(QStringLiteral("Observação"), cpObservacao);
  const CamposDeDialogo::BotoesDeDialogo botoes = CamposDeDialogo::MontarDialogo(this, campos, 420);
  btInserir = botoes.confirmar;
  btCancelar = botoes.cancelar;

  QWidget::setTabOrder(cpNome, cpApelido);
  QWidget::setTabOrder(cpApelido, cpNascimento);
  QWidget::setTabOrder(cpNascimento, cpSexo);
  QWidget::setTabOrder(cpSexo, cpAltura);
  QWidget::setTabOrder(cpAltura, cpModalidade);
  QWidget::setTabOrder(cpModalidade, cpPosicao);
  QWidget::setTabOrder(cpPosicao, cpObservacao);
  QWidget::setTabOrder(cpObservacao, btInserir);
  QWidget::setTabOrder(btInserir, btCancelar);

  connect(btInserir, &QPushButton::clicked, this, &TfrmNovoAvaliado::btInserirClick);
}

void TfrmNovoAvaliado::showEvent(QShowEvent* evento) {
  // The bound boxes show the row the caller put in append or edit mode.
  for (const Vinculo& v : kVinculos)
    CamposDeDialogo::Carregar(this->*v.caixa, avaliados_, QString::fromLatin1(v.campo));
  QDialog::showEvent(evento);
  cpNome->setFocus(Qt::OtherFocusReason);
}

bool TfrmNovoAvaliado::NascimentoVazio() const {
  const QString texto = cpNascimento->text();
  return std::none_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.isDigit(); });
}

bool TfrmNovoAvaliado::FiltrarTeclaAltura(int tecla, const QString& texto) {
  if (tecla == Qt::Key_Backspace || tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab) return false;
  if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) return false;  // moved on by its filter
  const QString separador = QLocale(QLocale::Portuguese, QLocale::Brazil).decimalPoint();
  const bool passa = texto.size() == 1 && (texto[0].isDigit() || texto == separador);
  return !passa;
}

bool TfrmNovoAvaliado::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == cpAltura && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    return FiltrarTeclaAltura(tecla->key(), tecla->text());
  }
  if (objeto == cpNascimento && evento->type() == QEvent::FocusOut) {
    // Only a move to another control of this dialog leaves the box, not a window switch.
    const auto razao = static_cast<QFocusEvent*>(evento)->reason();
    if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason) cpNascimentoExit();
  }
  return QDialog::eventFilter(objeto, evento);
}

void TfrmNovoAvaliado::cpNascimentoExit() {
  if (conferindoData_ || NascimentoVazio() || LerData(cpNascimento->text()).isValid()) return;
  conferindoData_ = true;
  Mensagem(this, QStringLiteral("A data informada não é válida!"), QMessageBox::Critical);
  cpNascimento->setFocus(Qt::OtherFocusReason);
  conferindoData_ = false;
}

void TfrmNovoAvaliado::btInserirClick() {
  const auto recusar = [this](const char* texto, QMessageBox::Icon icone, QWidget* foco) {
    Mensagem(this, QString::fromUtf8(texto), icone);
    foco->setFocus(Qt::OtherFocusReason);
  };
  if (cpNome->text().isEmpty())
    return recusar("O Nome deve ser informado!", QMessageBox::Warning, cpNome);
  if (NascimentoVazio())
    return recusar("A Data de Nascimento deve ser informada!", QMessageBox::Warning, cpNascimento);
  if (cpSexo->currentIndex() < 0)
    return recusar("O Sexo deve ser informado!", QMessageBox::Warning, cpSexo);
  if (cpAltura->text().isEmpty())
    return recusar("A Altura deve ser informada!", QMessageBox::Warning, cpAltura);
  const double altura = CamposDeDialogo::LerNumero(cpAltura->text());
  if (altura < 1.0 || altura > 3.0)
    return recusar("A Altura informada não é válida!", QMessageBox::Critical, cpAltura);
  // A date still invalid here would be a conversion error: the dialog stays open.
  const QDate nascimento = LerData(cpNascimento->text());
  if (!nascimento.isValid())
    return recusar("A data informada não é válida!", QMessageBox::Critical, cpNascimento);

  bool gravado = true;
  for (const Vinculo& v : kVinculos) {
    if (v.caixa == &TfrmNovoAvaliado::cpAvaliado) continue;
    gravado = CamposDeDialogo::Gravar(this->*v.caixa, avaliados_, QString::fromLatin1(v.campo)) &&
              gravado;
  }
  gravado = avaliados_.definir(QStringLiteral("Nascimento"), QDateTime(nascimento, QTime(0, 0))) &&
            gravado;
  gravado = avaliados_.definir(QStringLiteral("Sexo"), cpSexo->currentText() == kFeminino
                                                           ? QStringLiteral("F")
                                                           : QStringLiteral("M")) &&
            gravado;
  if (!gravado) {
    Mensagem(this, avaliados_.ultimoErro(), QMessageBox::Critical);
    return;
  }
  accept();
}
