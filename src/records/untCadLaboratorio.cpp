#include "records/untCadLaboratorio.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

#include "app/ListasDeImagens.h"
#include "app/ServicoDialogos.h"
#include "app/untImagens.h"
#include "app/untPrincipal.h"
#include "calibration/CoresCalibracao.h"
#include "records/CamposDeDialogo.h"
#include "records/Conjunto.h"
#include "records/GradeDeConjunto.h"
#include "records/untDM.h"
#include "records/untNovoAvaliador.h"

namespace {

const QString kLogotipo = QStringLiteral("RelLogotipo.jpg");
const QString kLogotipoPadrao = QStringLiteral("RelLogotipoMarvoda.jpg");
constexpr int kAlturaRodape = 45;
constexpr int kLarguraBotao = 75;
constexpr int kAlturaBotao = 25;
constexpr int kEsquerdaCancelar = 250;

QLocale Local() {
  QLocale local(QLocale::Portuguese, QLocale::Brazil);
  local.setNumberOptions(QLocale::OmitGroupSeparator);
  return local;
}

// "%2.2f" with the decimal comma.
QString FormatarMargem(double valor) {
  return Local().toString(valor, 'f', 2);
}

bool EmEdicao(const Conjunto& conjunto) {
  return conjunto.state() == Conjunto::Estado::Insercao ||
         conjunto.state() == Conjunto::Estado::Edicao;
}

}  // namespace

TfrmCadLaboratorio::TfrmCadLaboratorio(TfrmPrincipal& principal, QWidget* pai)
    : QDialog(pai), principal_(principal) {
  setObjectName("frmCadLaboratorio");
  setWindowTitle(QStringLiteral("Cadastro do Laboratório"));
  PintarJanela(this);

  auto* conteudo = new QVBoxLayout;
  conteudo->setContentsMargins(9, 9, 9, 0);
  auto* imFundo = new QLabel(this);
  imFundo->setObjectName("imFundo");
  imFundo->setPixmap(FaixaDeMoldura(principal_.imagens()));
  conteudo->addWidget(imFundo);
  conteudo->addWidget(CriarLaboratorio());
  conteudo->addWidget(CriarAvaliadores(), 1);
  conteudo->addWidget(CriarRelatorio());
  auto* coluna = new QVBoxLayout(this);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->addLayout(conteudo, 1);
  coluna->addWidget(CriarRodapeDosBotoes());
  setMinimumWidth(kEsquerdaFechar * 2 + kLarguraBotao);

  frmNovoAvaliador = new TfrmNovoAvaliador(principal_.dm().qAvaliadores(), this);
  principal_.CentralizarJanela(frmNovoAvaliador);

  PreencherAvaliadorPadrao();
  HabilitarAvaliadores();
  CarregarLaboratorio();
  // Loading the boxes counts as changes; the window opens in close mode all the same.
  DefinirModo(false);
  dbAvaliadores->sincronizar();
}

TfrmCadLaboratorio::~TfrmCadLaboratorio() {
  Conjunto& laboratorio = principal_.dm().qLaboratorio();
  if (EmEdicao(laboratorio)) laboratorio.cancel();
}

QWidget* TfrmCadLaboratorio::CriarLaboratorio() {
  auto* grupo = new QGroupBox(QStringLiteral("Laboratório"), this);
  cpNome = new QLineEdit(grupo);
  cpNome->setObjectName("cpNome");
  cpNome->setMaxLength(255);
  CamposDeDialogo::EnterMudaFoco(cpNome);
  auto* campos = new QFormLayout(grupo);
  campos->addRow(QStringLiteral("Nome"), cpNome);
  connect(cpNome, &QLineEdit::textChanged, this, [this] { DefinirModo(true); });
  return grupo;
}

QWidget* TfrmCadLaboratorio::CriarAvaliadores() {
  auto* grupo = new QGroupBox(QStringLiteral("Avaliadores"), this);
  dbAvaliadores = new GradeDeConjunto(principal_.dm().qAvaliadores(), "dbAvaliadores", grupo);
  connect(dbAvaliadores, &GradeDeConjunto::alterarPedido, this,
          &TfrmCadLaboratorio::btAlterarClick);
  connect(dbAvaliadores, &GradeDeConjunto::inserirPedido, this,
          &TfrmCadLaboratorio::btInserirClick);
  connect(dbAvaliadores, &GradeDeConjunto::excluirPedido, this,
          &TfrmCadLaboratorio::btExcluirClick);
  dbAvaliadores->setMinimumHeight(200);

  const QList<QPixmap>& figuras = principal_.listas().ImgListBtn16x32;
  const auto botao = [&](const char* nome, const char* texto, int figura) {
    return NovoBotaoComGlifo(grupo, nome, QString::fromUtf8(texto), figuras.value(figura));
  };
  btInserir = botao("btInserir", "&Inserir", 0);
  btAlterar = botao("btAlterar", "&Alterar", 1);
  btExcluir = botao("btExcluir", "&Excluir", 2);
  btAlterar->setEnabled(false);
  btExcluir->setEnabled(false);

  cpAvaliadorPadrao = new QComboBox(grupo);
  cpAvaliadorPadrao->setObjectName("cpAvaliadorPadrao");
  cpAvaliadorPadrao->setEditable(false);

  auto* botoes = new QHBoxLayout;
  botoes->addWidget(btInserir);
  botoes->addWidget(btAlterar);
  botoes->addWidget(btExcluir);
  botoes->addStretch();
  auto* padrao = new QFormLayout;
  padrao->addRow(QStringLiteral("Avaliador Padrão"), cpAvaliadorPadrao);
  auto* coluna = new QVBoxLayout(grupo);
  coluna->addWidget(dbAvaliadores, 1);
  coluna->addLayout(botoes);
  coluna->addLayout(padrao);

  connect(btInserir, &QPushButton::clicked, this, &TfrmCadLaboratorio::btInserirClick);
  connect(btAlterar, &QPushButton::clicked, this, &TfrmCadLaboratorio::btAlterarClick);
  connect(btExcluir, &QPushButton::clicked, this, &TfrmCadLaboratorio::btExcluirClick);
  connect(cpAvaliadorPadrao, &QComboBox::activated, this, [this] { DefinirModo(true); });
  return grupo;
}

QWidget* TfrmCadLaboratorio::CriarRelatorio() {
  pnRelatorio = new QWidget(this);
  pnRelatorio->setObjectName("pnRelatorio");
  cpRodape = new QLineEdit(pnRelatorio);
  cpRodape->setObjectName("cpRodape");
  cpRodape->setMaxLength(255);
  CamposDeDialogo::EnterMudaFoco(cpRodape);
  imLogotipo = new QLabel(pnRelatorio);
  imLogotipo->setObjectName("imLogotipo");
  cpMargemInf = new QLineEdit(QStringLiteral("10,00"), pnRelatorio);
  cpMargemInf->setObjectName("cpMargemInf");
  // The key filter is installed before the ENTER one, which therefore sees ENTER first.
  cpMargemInf->installEventFilter(this);
  CamposDeDialogo::EnterMudaFoco(cpMargemInf);
  auto* campos = new QFormLayout(pnRelatorio);
  campos->addRow(QStringLiteral("Rodapé"), cpRodape);
  campos->addRow(QStringLiteral("Logotipo"), imLogotipo);
  campos->addRow(QStringLiteral("Margem Inferior (10,00 a 21,00 mm)"), cpMargemInf);
  connect(cpRodape, &QLineEdit::textChanged, this, [this] { DefinirModo(true); });
  connect(cpMargemInf, &QLineEdit::textChanged, this, [this] { DefinirModo(true); });
  // Kept out of sight, yet its boxes are loaded, checked and saved with the row.
  pnRelatorio->setEnabled(false);
  pnRelatorio->hide();
  return pnRelatorio;
}

QWidget* TfrmCadLaboratorio::CriarRodapeDosBotoes() {
  // No layout here: the confirm button's place tells the window's mode.
  auto* rodape = new QWidget(this);
  rodape->setFixedHeight(kAlturaRodape);
  btSalvar = new QPushButton(rodape);
  btSalvar->setObjectName("btSalvar");
  btSalvar->setAutoDefault(false);
  btSalvar->resize(kLarguraBotao, kAlturaBotao);
  btCancelar = new QPushButton(QStringLiteral("C&ancelar"), rodape);
  btCancelar->setObjectName("btCancelar");
  btCancelar->setAutoDefault(false);
  btCancelar->setGeometry(kEsquerdaCancelar, 10, kLarguraBotao, kAlturaBotao);
  connect(btSalvar, &QPushButton::clicked, this, &TfrmCadLaboratorio::btSalvarClick);
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
  return rodape;
}

void TfrmCadLaboratorio::DefinirModo(bool salvar) {
  modoSalvar_ = salvar;
  btSalvar->setText(salvar ? QStringLiteral("&Salvar") : QStringLiteral("F&echar"));
  btSalvar->move(salvar ? kEsquerdaSalvar : kEsquerdaFechar, 10);
  btCancelar->setVisible(salvar);
}

void TfrmCadLaboratorio::CarregarLaboratorio() {
  Conjunto& laboratorio = principal_.dm().qLaboratorio();
  if (laboratorio.isEmpty()) {
    if (!laboratorio.append()) Mensagem(this, laboratorio.ultimoErro(), QMessageBox::Critical);
    return;
  }
  laboratorio.first();
  if (!laboratorio.edit()) Mensagem(this, laboratorio.ultimoErro(), QMessageBox::Critical);
  cpNome->setText(laboratorio.texto("Nome"));
  CarregarLogotipo();
  cpRodape->setText(laboratorio.texto("RelRodape"));
  cpMargemInf->setText(FormatarMargem(laboratorio.real("RelMargemInf")));
  SelecionarAvaliador(laboratorio.valor("AvaliadorPadrao"));
  principal_.dm().qAvaliadores().first();
}

void TfrmCadLaboratorio::CarregarLogotipo() {
  const QString& pasta = principal_.pastas().configuracao;
  for (const QString& nome : {kLogotipo, kLogotipoPadrao}) {
    if (!QFile::exists(pasta + nome)) continue;
    // A picture that cannot be read leaves the logo empty.
    if (!logotipo_.load(pasta + nome)) logotipo_ = QImage();
    break;
  }
  imLogotipo->setPixmap(QPixmap::fromImage(logotipo_));
}

bool TfrmCadLaboratorio::Concluir(int resultado) {
  Conjunto& laboratorio = principal_.dm().qLaboratorio();
  if (resultado != kResultadoSalvar) {
    laboratorio.cancel();
    return true;
  }
  bool gravado =
      laboratorio.definir("Nome", cpNome->text()) &&
      laboratorio.definir("RelMargemInf", CamposDeDialogo::LerNumero(cpMargemInf->text())) &&
      laboratorio.definir("RelRodape", cpRodape->text());
  // The empty entry names nobody, so it keeps the previous default evaluator.
  const QString escolhido = cpAvaliadorPadrao->currentText();
  const Conjunto& avaliadores = principal_.dm().qAvaliadores();
  for (int linha = 0; gravado && !escolhido.isEmpty() && linha < avaliadores.recordCount();
       ++linha) {
    if (avaliadores.valorNaLinha(linha, "Nome")
            .toString()
            .compare(escolhido, Qt::CaseInsensitive) == 0) {
      gravado =
          laboratorio.definir("AvaliadorPadrao", avaliadores.valorNaLinha(linha, "Avaliador"));
      break;
    }
  }
  if (!gravado || !laboratorio.post()) {
    Mensagem(this,
             QStringLiteral("Não foi possível gravar o registro:\n") + laboratorio.ultimoErro(),
             QMessageBox::Critical);
    laboratorio.cancel();
    return false;
  }
  // The logo is a copy for the reports; failing to write it is not worth a message.
  if (!logotipo_.isNull())
    std::ignore = logotipo_.save(principal_.pastas().configuracao + kLogotipo, "JPG");
  return true;
}

QVariant TfrmCadLaboratorio::AvaliadorPadraoDoLaboratorio() const {
  const Conjunto& laboratorio = principal_.dm().qLaboratorio();
  if (EmEdicao(laboratorio)) return laboratorio.valor("AvaliadorPadrao");
  if (laboratorio.recordCount() > 0) return laboratorio.valorNaLinha(0, "AvaliadorPadrao");
  return {};
}

void TfrmCadLaboratorio::SelecionarAvaliador(const QVariant& codigo) {
  const Conjunto& avaliadores = principal_.dm().qAvaliadores();
  int indice = -1;
  for (int linha = 0; codigo.isValid() && linha < avaliadores.recordCount(); ++linha) {
    const QVariant avaliador = avaliadores.valorNaLinha(linha, "Avaliador");
    if (avaliador.isValid() && avaliador.toLongLong() == codigo.toLongLong()) {
      indice = cpAvaliadorPadrao->findText(avaliadores.valorNaLinha(linha, "Nome").toString(),
                                           Qt::MatchFixedString);
      break;
    }
  }
  cpAvaliadorPadrao->setCurrentIndex(indice);
}

void TfrmCadLaboratorio::PreencherAvaliadorPadrao() {
  const Conjunto& avaliadores = principal_.dm().qAvaliadores();
  QStringList nomes{QString()};
  for (int linha = 0; linha < avaliadores.recordCount(); ++linha)
    nomes << avaliadores.valorNaLinha(linha, "Nome").toString();
  std::stable_sort(nomes.begin(), nomes.end(), [](const QString& a, const QString& b) {
    return QString::localeAwareCompare(a.toUpper(), b.toUpper()) < 0;
  });
  cpAvaliadorPadrao->clear();
  cpAvaliadorPadrao->addItems(nomes);
  if (avaliadores.recordCount() == 1) {
    cpAvaliadorPadrao->setCurrentIndex(cpAvaliadorPadrao->findText(
        avaliadores.valorNaLinha(0, "Nome").toString(), Qt::MatchFixedString));
  } else if (avaliadores.recordCount() > 1) {
    SelecionarAvaliador(AvaliadorPadraoDoLaboratorio());
  } else {
    cpAvaliadorPadrao->setCurrentIndex(-1);
  }
}

void TfrmCadLaboratorio::HabilitarAvaliadores() {
  const Conjunto& avaliadores = principal_.dm().qAvaliadores();
  if (avaliadores.isEmpty()) return;
  const bool alteravel = avaliadores.inteiro("Avaliador") > 0;
  btAlterar->setEnabled(alteravel);
  btExcluir->setEnabled(alteravel);
}

void TfrmCadLaboratorio::ReabrirAvaliadores() {
  Conjunto& avaliadores = principal_.dm().qAvaliadores();
  avaliadores.close();
  if (!avaliadores.open())
    Mensagem(this,
             QStringLiteral("Não foi possível reabrir o cadastro:\n") + avaliadores.ultimoErro(),
             QMessageBox::Critical);
  dbAvaliadores->sincronizar();
}

void TfrmCadLaboratorio::ConcluirAvaliador(bool confirmado) {
  Conjunto& avaliadores = principal_.dm().qAvaliadores();
  if (confirmado && !avaliadores.post()) {
    Mensagem(this,
             QStringLiteral("Não foi possível gravar o registro:\n") + avaliadores.ultimoErro(),
             QMessageBox::Critical);
  }
  // After a refused post the row is still pending: nothing of it may stay behind.
  avaliadores.cancel();
  ReabrirAvaliadores();
}

void TfrmCadLaboratorio::btInserirClick() {
  Conjunto& avaliadores = principal_.dm().qAvaliadores();
  frmNovoAvaliador->setWindowTitle(QStringLiteral("Novo Avaliador"));
  frmNovoAvaliador->btInserir->setText(QStringLiteral("&Inserir"));
  const qint64 chave = ProximaChave(avaliadores, QStringLiteral("Avaliador"));
  if (!avaliadores.append() || !avaliadores.definir("Avaliador", chave)) {
    Mensagem(this, avaliadores.ultimoErro(), QMessageBox::Critical);
    avaliadores.cancel();
    return;
  }
  ConcluirAvaliador(frmNovoAvaliador->exec() == QDialog::Accepted);
  HabilitarAvaliadores();
  PreencherAvaliadorPadrao();
}

void TfrmCadLaboratorio::btAlterarClick() {
  Conjunto& avaliadores = principal_.dm().qAvaliadores();
  if (!avaliadores.isEmpty()) {
    frmNovoAvaliador->setWindowTitle(QStringLiteral("Alterar Avaliado"));
    frmNovoAvaliador->btInserir->setText(QStringLiteral("&Alterar"));
    if (avaliadores.edit())
      ConcluirAvaliador(frmNovoAvaliador->exec() == QDialog::Accepted);
    else
      Mensagem(this, avaliadores.ultimoErro(), QMessageBox::Critical);
  }
  PreencherAvaliadorPadrao();
}

bool TfrmCadLaboratorio::TemAmostragens(qint64 avaliador) const {
  // Trials keep the evaluator's code as decimal text.
  const Conjunto& avaliacoes = principal_.dm().qAvaliacoes();
  const QString codigo = QString::number(avaliador);
  for (int linha = 0; linha < avaliacoes.recordCount(); ++linha) {
    if (avaliacoes.valorNaLinha(linha, "Avaliador")
            .toString()
            .compare(codigo, Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

void TfrmCadLaboratorio::btExcluirClick() {
  Conjunto& avaliadores = principal_.dm().qAvaliadores();
  if (!avaliadores.eof() &&
      Mensagem(this, QStringLiteral("Confirma a exclusão?"), QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    if (TemAmostragens(avaliadores.inteiro("Avaliador"))) {
      Mensagem(this,
               QStringLiteral("Existem Amostragens deste Avaliador\nVocê deve excluí-las "
                              "primeiro.   \n\n    Exclusão Cancelada        "),
               QMessageBox::Critical);
    } else if (!avaliadores.remove()) {
      Mensagem(this,
               QStringLiteral("Não foi possível excluir o registro:\n") + avaliadores.ultimoErro(),
               QMessageBox::Critical);
      ReabrirAvaliadores();
    }
    dbAvaliadores->sincronizar();
  }
  HabilitarAvaliadores();
  PreencherAvaliadorPadrao();
}

void TfrmCadLaboratorio::btSalvarClick() {
  const double margem = CamposDeDialogo::LerNumero(cpMargemInf->text());
  if (margem < 10.0 || margem > 21.0) {
    Mensagem(this, QStringLiteral("A Margem Inferior informada não é válida!"),
             QMessageBox::Critical);
    return;
  }
  done(modoSalvar_ ? kResultadoSalvar : QDialog::Accepted);
}

bool TfrmCadLaboratorio::FiltrarMargem(QEvent* evento) {
  if (evento->type() == QEvent::FocusOut) {
    bool ok = false;
    const double numero = Local().toDouble(cpMargemInf->text(), &ok);
    cpMargemInf->setText(FormatarMargem(ok ? numero : 0));
    return false;
  }
  if (evento->type() != QEvent::KeyPress) return false;
  const QString texto = static_cast<QKeyEvent*>(evento)->text();
  if (texto.isEmpty()) return false;
  const QChar c = texto.front();
  const bool passa =
      c.isDigit() || texto == Local().decimalPoint() || c == QChar('\b') || c == QChar('\t');
  return !passa;
}

bool TfrmCadLaboratorio::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == cpMargemInf) return FiltrarMargem(evento);
  return QDialog::eventFilter(objeto, evento);
}
