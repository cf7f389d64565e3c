#include "app/untPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include <tuple>

#include "app/ArquivoConfiguracao.h"
#include "app/CentralizarJanela.h"
#include "app/PainelPlataforma.h"
#include "app/ServicoDialogos.h"
#include "app/untImagens.h"
#include "app/untProgBar.h"
#include "app/untTiposFuncoes.h"
#include "calibration/untCalibracao.h"
#include "device/untConfCOM.h"
#include "records/untCadAvaliados.h"
#include "records/untCadGrupos.h"
#include "records/untCadLaboratorio.h"
#include "records/untDM.h"

namespace {

const QColor kCorJanela(155, 65, 65);
const QColor kCorFundo(96, 0, 0);
const QColor kCorTextoColeta(128, 0, 0);

// Width of the toolbar's fixed part right of the spacer, as designed: the status panels, the
// logo, the separators and the band all fit in it.
constexpr int kLarguraFixaDireita = 445;
constexpr int kLarguraSeparador = 8;
constexpr int kSeparadoresDireita = 3;
constexpr int kLarguraLogoBarra = 156;
constexpr int kLarguraFaixa =
    kLarguraFixaDireita - 2 * 90 - kLarguraLogoBarra - 2 * kSeparadoresDireita * kLarguraSeparador;

QPalette PaletaCom(QPalette paleta, QPalette::ColorRole papel, const QColor& cor) {
  paleta.setColor(papel, cor);
  return paleta;
}

QWidget* Separador(QWidget* pai) {
  auto* separador = new QFrame(pai);
  separador->setFrameShape(QFrame::VLine);
  separador->setFrameShadow(QFrame::Sunken);
  separador->setFixedSize(kLarguraSeparador, 34);
  return separador;
}

}  // namespace

TfrmPrincipal::TfrmPrincipal(QWidget* pai) : QMainWindow(pai) {
  setObjectName("frmPrincipal");

  pastas_ = MontarPastas(QCoreApplication::applicationDirPath());
  std::ignore = CriarPastaDeConfiguracao(pastas_);  // a missing folder surfaces as a database error
  IniciarBanco();

  imagens_ = std::make_unique<TfrmImagens>();
  faceDeBotao_ = QApplication::palette().color(QPalette::Button);
  setPalette(PaletaCom(palette(), QPalette::Window, kCorJanela));
  listas_ = ::MontarImagens(*imagens_, faceDeBotao_);

  CriarComandos();
  CriarMenu();
  CriarBarra();
  CriarCentro();
  AplicarImagensNosBotoes();
  setMinimumSize(812, 560);

  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

  const QString versao = VersaoDoPrograma();
  setWindowTitle(TituloComVersao(QString::fromLatin1(kTituloPrograma), versao));

  ArquivoConfiguracao configuracao(pastas_.arquivoConfiguracao);
  std::ignore = configuracao.gravarTexto(QStringLiteral("Versão"), versao);
  LerParametrosInicio(configuracao, &parametros_);

  monitor_ = std::make_unique<MonitorDePlataformas>(parametros_, pastas_.arquivoConfiguracao);
  tmSensor = new QTimer(this);
  tmSensor->setObjectName("tmSensor");
  tmSensor->setInterval(100);
  connect(tmSensor, &QTimer::timeout, this, &TfrmPrincipal::tmSensorTimer);

  MostrarLogotipo();

  frmProgBar_ = new TfrmProgBar(*imagens_, this);
  CentralizarJanela(frmProgBar_);
}

TfrmPrincipal::~TfrmPrincipal() {
  // Shut-down order: platform 1's link, platform 2's, the database, the pictures, the progress
  // window.
  monitor_.reset();
  dm_.reset();
  imagens_.reset();
  delete frmProgBar_;
}

void TfrmPrincipal::IniciarBanco() {
  dm_ = std::make_unique<TfrmDM>(pastas_.bancoDeDados);
  if (dm_->bancoDisponivel()) return;
  if (dm_->resultadoAbertura().falhaNaConexao)
    Mensagem(this, QStringLiteral("Erro ao ativar sessão do banco de dados!"),
             QMessageBox::Critical);
  Mensagem(
      this,
      QStringLiteral("Ocorreu um erro ao acessar o Banco de Dados!\nO programa será encerrado."),
      QMessageBox::Critical);
  encerrar_ = true;  // the remaining start-up still runs; the program entry then ends the run
}

void TfrmPrincipal::CriarComandos() {
  struct Definicao {
    QAction* TfrmPrincipal::*acao;
    const char* nome;
    QString legenda;
    QString dica;
    QKeySequence atalho;
  };
  const Definicao definicoes[] = {
      {&TfrmPrincipal::CadAvaliados, "CadAvaliados", "&Avaliados", "Cadastro de Avaliados",
       QKeySequence("Ctrl+Shift+A")},
      {&TfrmPrincipal::CadGrupos, "CadGrupos", "&Grupos", "Cadastro de Grupos",
       QKeySequence("Ctrl+Shift+G")},
      {&TfrmPrincipal::CadProtocolos, "CadProtocolos", "&Protocolos", "Cadastro de Protocolos",
       QKeySequence("Ctrl+Shift+P")},
      {&TfrmPrincipal::CadLaboratorio, "CadLaboratorio", "&Laboratório", QString(),
       QKeySequence("Ctrl+Shift+L")},
      {&TfrmPrincipal::NovaAvaliacao, "NovaAvaliacao", "&Nova", "Nova Amostragem",
       QKeySequence("Ctrl+Alt+N")},
      {&TfrmPrincipal::VisualizarAvaliacao, "VisualizarAvaliacao", "&Visualizar",
       "Visualizar Amostragens", QKeySequence("Ctrl+Alt+V")},
      {&TfrmPrincipal::Comunicacao, "Comunicacao", "&Comunicação", "Configurar Comunicação",
       QKeySequence("Ctrl+Alt+C")},
      {&TfrmPrincipal::Parametros, "Parametros", "&Parâmetros", "Parâmetros do Sistema",
       QKeySequence("Ctrl+Alt+P")},
      {&TfrmPrincipal::ConfigGrafico, "ConfigGrafico", "&Gráfico", "Configuração do Gráfico",
       QKeySequence("Ctrl+Alt+G")},
      {&TfrmPrincipal::Backup, "Backup", "&Backup", "Backup do Sistema",
       QKeySequence("Ctrl+Alt+B")},
      {&TfrmPrincipal::Fechar, "Fechar", "&Fechar", "Finalizar o Sistema", QKeySequence("Ctrl+F")},
      {&TfrmPrincipal::Sobre, "Sobre", QString(), QString(), QKeySequence()},
  };
  for (const Definicao& d : definicoes) {
    auto* acao = new QAction(d.legenda, this);
    acao->setObjectName(d.nome);
    acao->setToolTip(d.dica);
    acao->setStatusTip(d.dica);
    acao->setShortcut(d.atalho);
    acao->setShortcutContext(Qt::ApplicationShortcut);
    acao->setIconVisibleInMenu(false);
    this->*d.acao = acao;
    addAction(acao);  // shortcuts of commands that sit on no menu still belong to the window
  }
  connect(Fechar, &QAction::triggered, this, &TfrmPrincipal::FecharExecute);
  connect(Comunicacao, &QAction::triggered, this, &TfrmPrincipal::ComunicacaoExecute);
  connect(Parametros, &QAction::triggered, this, &TfrmPrincipal::ParametrosExecute);
  connect(CadAvaliados, &QAction::triggered, this, &TfrmPrincipal::CadAvaliadosExecute);
  connect(CadGrupos, &QAction::triggered, this, &TfrmPrincipal::CadGruposExecute);
  connect(CadLaboratorio, &QAction::triggered, this, &TfrmPrincipal::CadLaboratorioExecute);
}

void TfrmPrincipal::CriarMenu() {
  QMenu* cadastros = menuBar()->addMenu(QStringLiteral("&Cadastros"));
  cadastros->setObjectName("mnCadastros");
  cadastros->addActions({CadAvaliados, CadGrupos, CadLaboratorio});
  cadastros->addSeparator();
  cadastros->addAction(Fechar);

  QMenu* amostragens = menuBar()->addMenu(QStringLiteral("&Amostragens"));
  amostragens->setObjectName("mnAmostragens");
  amostragens->addActions({NovaAvaliacao, VisualizarAvaliacao});

  QMenu* configuracoes = menuBar()->addMenu(QStringLiteral("C&onfigurações"));
  configuracoes->setObjectName("mnConfiguracoes");
  // The chart settings command has no window: its entry and button stay hidden.
  configuracoes->addActions({Comunicacao, Parametros});
  configuracoes->addSeparator();
  configuracoes->addAction(Backup);
  configuracoes->addSeparator();

  QMenu* ajuda = menuBar()->addMenu(QStringLiteral("Aj&uda"));
  ajuda->setObjectName("mnAjuda");
  ajuda->menuAction()->setVisible(false);
}

void TfrmPrincipal::CriarBarra() {
  pnForm_ = new QWidget(this);
  pnForm_->setObjectName("pnForm");
  pnForm_->setAutoFillBackground(true);
  pnForm_->setPalette(PaletaCom(pnForm_->palette(), QPalette::Window, kCorFundo));
  pnForm_->installEventFilter(this);
  setCentralWidget(pnForm_);

  pnBarra = new QWidget(pnForm_);
  pnBarra->setObjectName("pnBarra");
  auto* linha = new QHBoxLayout(pnBarra);
  linha->setContentsMargins(0, 2, 0, 2);
  linha->setSpacing(0);

  const auto botao = [&](const char* nome, QAction* acao) {
    auto* b = new QToolButton(pnBarra);
    b->setObjectName(nome);
    b->setDefaultAction(acao);
    b->setAutoRaise(true);
    b->setFixedSize(kLarguraBotao, 38);
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    linha->addWidget(b);
    return b;
  };
  botao("btCadAvaliados", CadAvaliados);
  botao("btCadGrupos", CadGrupos);
  linha->addWidget(Separador(pnBarra));
  botao("btNovaAvaliacao", NovaAvaliacao);
  botao("btVisualizarAvaliacao", VisualizarAvaliacao);
  linha->addWidget(Separador(pnBarra));
  botao("btComunicacao", Comunicacao);
  botao("btParametros", Parametros);
  botao("btConfigGrafico", ConfigGrafico)->hide();
  botao("btBackup", Backup);
  linha->addWidget(Separador(pnBarra));
  botao("btClose", Fechar);

  lbBarraEspaco = new QLabel(pnBarra);
  lbBarraEspaco->setObjectName("lbBarraEspaco");
  linha->addWidget(lbBarraEspaco);

  for (int n = 1; n <= 2; ++n) {
    linha->addWidget(Separador(pnBarra));
    pnSensor[n - 1] = new PainelPlataforma(n, *imagens_, pnBarra);
    linha->addWidget(pnSensor[n - 1]);
  }
  linha->addWidget(Separador(pnBarra));

  auto* logo = new QLabel(pnBarra);
  logo->setObjectName("imLogoBarra");
  logo->setPixmap(QPixmap::fromImage(imagens_->logotipoBarra()));
  logo->setFixedSize(kLarguraLogoBarra, 38);
  linha->addWidget(logo);

  auto* faixa = new QLabel(pnBarra);
  faixa->setObjectName("imFaixaBarra");
  faixa->setPixmap(QPixmap::fromImage(imagens_->faixaBarra()));
  faixa->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  faixa->setFixedSize(kLarguraFaixa, 38);
  linha->addWidget(faixa);
}

void TfrmPrincipal::CriarCentro() {
  pnCentro = new QWidget(pnForm_);
  pnCentro->setObjectName("pnCentro");
  pnCentro->setAutoFillBackground(true);
  pnCentro->setPalette(PaletaCom(pnCentro->palette(), QPalette::Window, Qt::white));

  imLogo = new QLabel(pnCentro);
  imLogo->setObjectName("imLogo");
  imLogo->setAlignment(Qt::AlignCenter);

  lbTeste = new QLabel(pnCentro);
  lbTeste->setObjectName("lbTeste");
  lbTeste->setAlignment(Qt::AlignCenter);
  lbTeste->setWordWrap(true);
  lbTeste->setAutoFillBackground(true);
  QPalette cores = lbTeste->palette();
  cores.setColor(QPalette::Window, kCorTextoColeta);
  cores.setColor(QPalette::WindowText, Qt::white);
  lbTeste->setPalette(cores);
  QFont fonte(QStringLiteral("Arial"));
  fonte.setPixelSize(47);
  fonte.setBold(true);
  lbTeste->setFont(fonte);
  lbTeste->hide();

  G1 = new QChartView(pnCentro);
  G1->setObjectName("G1");
  G1->hide();
}

void TfrmPrincipal::AplicarImagensNosBotoes() {
  const std::pair<QAction*, int> imagens[] = {
      {CadAvaliados, TfrmImagens::CadAvaliados},
      {CadGrupos, TfrmImagens::CadGrupos},
      {CadProtocolos, TfrmImagens::CadProtocolos},
      {NovaAvaliacao, TfrmImagens::NovaAvaliacao},
      {VisualizarAvaliacao, TfrmImagens::VisualizarAvaliacao},
      {Comunicacao, TfrmImagens::Comunicacao},
      {Parametros, TfrmImagens::Parametros},
      {ConfigGrafico, TfrmImagens::ConfigGrafico},
      {Backup, TfrmImagens::Backup},
      {Fechar, TfrmImagens::Fechar}};
  for (const auto& [acao, posicao] : imagens) {
    QIcon icone;
    icone.addPixmap(listas_.ImgListEnabled.at(posicao), QIcon::Normal);
    icone.addPixmap(listas_.ImgListDisabled.at(posicao), QIcon::Disabled);
    acao->setIcon(icone);
  }
}

void TfrmPrincipal::HabilitarComandos(bool habilitar) {
  // The laboratory command keeps its state: it stays usable during a collection.
  for (QAction* acao : {CadAvaliados, CadGrupos, CadProtocolos, NovaAvaliacao, VisualizarAvaliacao,
                        Comunicacao, Parametros, ConfigGrafico, Backup, Fechar, Sobre})
    acao->setEnabled(habilitar);
}

void TfrmPrincipal::MonitorarPlataformas(bool monitorar) {
  tmSensor->setInterval(100);
  if (monitorar) {
    tmSensor->start();
    return;
  }
  tmSensor->stop();
  for (int n = 1; n <= 2; ++n)
    if (parametros_.plataforma(n).Ativa) MostrarEstadoPlataforma(n, EstadoLampada::Cinza);
}

void TfrmPrincipal::MostrarEstadoPlataforma(int numero, EstadoLampada estado) {
  pnSensor[numero - 1]->mostrarLampada(estado);
}

EstadoLampada TfrmPrincipal::EstadoPlataforma(int numero) const {
  return pnSensor[numero - 1]->estado();
}

void TfrmPrincipal::LocalizarPlataformas() {
  monitor_->LocalizarPlataformas();
}

void TfrmPrincipal::tmSensorTimer() {
  const std::optional<ResultadoVerificacao> r = monitor_->Verificar();
  if (!r) return;
  if (r->portasEncontradas) tmSensor->setInterval(3000);
  for (int n = 1; n <= 2; ++n) {
    if (r->rotulo[n - 1]) pnSensor[n - 1]->lbCOM->setText(*r->rotulo[n - 1]);
    MostrarEstadoPlataforma(n, r->lampada[n - 1]);
  }
}

void TfrmPrincipal::ParametrosExecute() {
  ExecutarJanela(std::make_unique<TfrmCalibracao>(*this, this), [this](QDialog&, int) {
    const ArquivoConfiguracao conf(pastas_.arquivoConfiguracao);
    for (int n = 1; n <= 2; ++n)
      parametros_.plataforma(n).Ativa = conf.lerBooleano(ChavePlataforma("Ativa", n));
  });
}

void TfrmPrincipal::ComunicacaoExecute() {
  FecharPorta(monitor_->link(1));
  FecharPorta(monitor_->link(2));
  ExecutarJanela(std::make_unique<TfrmConfCOM>(*this, this), [this](QDialog& janela, int r) {
    if (r != QDialog::Accepted) return;
    const auto& conf = static_cast<TfrmConfCOM&>(janela);
    parametros_.plataforma(1).HardCOM = conf.portaDispositivo1();
    parametros_.plataforma(2).HardCOM = conf.portaDispositivo2();
  });
  std::ignore = ArquivoConfiguracao(pastas_.arquivoConfiguracao)
                    .gravar({{"HardP1COM", parametros_.plataforma(1).HardCOM},
                             {"HardP2COM", parametros_.plataforma(2).HardCOM}});
}

void TfrmPrincipal::CadAvaliadosExecute() {
  ExecutarJanela(std::make_unique<TfrmCadAvaliados>(*this, this));
}

void TfrmPrincipal::CadGruposExecute() {
  ExecutarJanela(std::make_unique<TfrmCadGrupos>(*this, this));
}

void TfrmPrincipal::CadLaboratorioExecute() {
  ExecutarJanela(std::make_unique<TfrmCadLaboratorio>(*this, this),
                 [](QDialog& janela, int resultado) {
                   std::ignore = static_cast<TfrmCadLaboratorio&>(janela).Concluir(resultado);
                 });
}

void TfrmPrincipal::CentralizarJanela(QWidget* janela) const {
  janela->move(PosicaoCentralizada(frameGeometry(), kAlturaBarra, janela->frameGeometry().size()));
}

void TfrmPrincipal::MostrarGrafico() {
  G1->show();
  imLogo->hide();
}

void TfrmPrincipal::MostrarLogotipo() {
  lbTeste->hide();
  G1->hide();
  imLogo->show();
}

void TfrmPrincipal::MontarImagens() {
  listas_ = ::MontarImagens(*imagens_, faceDeBotao_);
  AplicarImagensNosBotoes();
}

void TfrmPrincipal::LerParametrosPlataformas() {
  ::LerParametrosPlataformas(ArquivoConfiguracao(pastas_.arquivoConfiguracao), &parametros_);
}

void TfrmPrincipal::ExecutarJanela(std::unique_ptr<QDialog> janela,
                                   const std::function<void(QDialog&, int)>& aoFechar) {
  HabilitarComandos(false);
  MonitorarPlataformas(false);
  CentralizarJanela(janela.get());
  const int resultado = janela->exec();
  if (aoFechar) aoFechar(*janela, resultado);
  janela.reset();
  MonitorarPlataformas(true);
  HabilitarComandos(true);
}

void TfrmPrincipal::FecharExecute() {
  // A refused write must not keep the program open: the reminder is only advice.
  std::ignore = ArquivoConfiguracao(pastas_.arquivoConfiguracao)
                    .gravarInteiro(QStringLiteral("BackupCont"), parametros_.BackupCont);
  if (parametros_.BackupCont < 10) {
    close();
    return;
  }
  const QString texto = QStringLiteral(
                            "Foram salvas %1 novas Amostragens desde o último Backup!\n"
                            "Aconselhamos que sejam feitos backups regulares da Base "
                            "de Dados.\nDeseja realizar um novo Backup agora?")
                            .arg(parametros_.BackupCont);
  if (Mensagem(this, texto, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Atenção")) == QMessageBox::Yes)
    Backup->trigger();
  else
    close();
}

void TfrmPrincipal::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  if (jaExibida_) return;
  jaExibida_ = true;
  MonitorarPlataformas(true);
}

void TfrmPrincipal::closeEvent(QCloseEvent* evento) {
  // Closing is refused while a command's window or a collection has the commands switched off.
  if (Fechar->isEnabled())
    evento->accept();
  else
    evento->ignore();
}

void TfrmPrincipal::changeEvent(QEvent* evento) {
  QMainWindow::changeEvent(evento);
  if (evento->type() != QEvent::PaletteChange && evento->type() != QEvent::ApplicationPaletteChange)
    return;
  const QColor face = QApplication::palette().color(QPalette::Button);
  if (face == faceDeBotao_) return;
  faceDeBotao_ = face;
  MontarImagens();
}

bool TfrmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == pnForm_ && evento->type() == QEvent::Resize) AjustarTamanhos();
  return QMainWindow::eventFilter(objeto, evento);
}

void TfrmPrincipal::AjustarTamanhos() {
  const QSize cliente = pnForm_->size();
  pnBarra->setGeometry(0, 0, cliente.width(), kAlturaBarra);
  lbBarraEspaco->setFixedWidth(
      std::max(0, pnBarra->width() - (kLarguraBotao * 8 + kLarguraFixaDireita)));
  pnCentro->setGeometry(8, 50, cliente.width() - 16, cliente.height() - 58);
  const QRect area(QPoint(0, 0), pnCentro->size());
  imLogo->setGeometry(area);
  lbTeste->setGeometry(area);
  G1->setGeometry(area);
  AjustarLogotipo();
}

void TfrmPrincipal::AjustarLogotipo() {
  // Proportional: a logo larger than the panel shrinks to fit, a smaller one keeps its size.
  const QImage& logo = imagens_->logotipo();
  const QSize area = imLogo->size();
  const QPixmap figura = QPixmap::fromImage(logo);
  if (logo.width() <= area.width() && logo.height() <= area.height())
    imLogo->setPixmap(figura);
  else
    imLogo->setPixmap(figura.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
