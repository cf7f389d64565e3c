// The main window: start-up, commands, closing rules, layout and the shared window operations.
#include <QAction>
#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QLocalSocket>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include <sqlite3.h>

#include "app/ArquivoConfiguracao.h"
#include "app/InstanciaUnica.h"
#include "app/PainelPlataforma.h"
#include "app/Traducoes.h"
#include "app/untImagens.h"
#include "app/untPrincipal.h"
#include "app/untProgBar.h"
#include "app/untTiposFuncoes.h"
#include "support/DialogosRoteirizados.h"
#include "support/Simulador.h"
#include "support/TesteDeJanela.h"

namespace {

QList<QAction*> ComandosDesligaveis(TfrmPrincipal& p) {
  return {p.CadAvaliados, p.CadGrupos,  p.CadProtocolos, p.NovaAvaliacao, p.VisualizarAvaliacao,
          p.Comunicacao,  p.Parametros, p.ConfigGrafico, p.Backup,        p.Fechar,
          p.Sobre};
}

}  // namespace

class TstPrincipal : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
  }

  void primeiraExecucaoNumaContaLimpa() {
    QVERIFY(!QDir(AmbienteDeTeste::pastaConfiguracao()).exists());
    TfrmPrincipal p;
    QVERIFY(!p.encerramentoSolicitado());
    QVERIFY(dialogos_->chamadas().isEmpty());
    QVERIFY(QFile::exists(AmbienteDeTeste::pastaConfiguracao() + "brivana.db"));

    QFile conf(AmbienteDeTeste::arquivoConfiguracao());
    QVERIFY(conf.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(conf.readAll()),
             QString("[Parametros]\nVersão=%1\n").arg(VersaoDoPrograma()));

    QCOMPARE(p.windowTitle(), QString("Brivana [Versão: %1]").arg(VersaoDoPrograma()));
    QCOMPARE(QLocale().decimalPoint(), QString(","));
    QCOMPARE(QLocale().toString(QDate(2026, 3, 7), QLocale::ShortFormat), QString("07/03/2026"));

    QCOMPARE(p.parametros().plataforma(1).Ativa, true);
    QCOMPARE(p.parametros().plataforma(2).Ativa, false);
    QVERIFY(p.parametros().plataforma(1).Lateral.isEmpty());
    p.LerParametrosPlataformas();
    QCOMPARE(p.parametros().plataforma(1).Lateral, QString("Única"));
    QCOMPARE(p.parametros().plataforma(2).Lateral, QString("Inativa"));
    QCOMPARE(p.parametros().plataforma(1).IDC, 1.0);
    QCOMPARE(p.parametros().plataforma(2).IDC, 1.0);
    QCOMPARE(p.parametros().plataforma(1).SemPeso, 0.0);

    QVERIFY(p.imLogo->isVisibleTo(&p));
    QVERIFY(!p.lbTeste->isVisibleTo(&p));
    QVERIFY(!p.G1->isVisibleTo(&p));
    QVERIFY(!p.frmProgBar()->isVisible());
  }

  void inicioLeOsParametrosDoArquivo() {
    QDir().mkpath(AmbienteDeTeste::pastaConfiguracao());
    ArquivoConfiguracao conf(AmbienteDeTeste::arquivoConfiguracao());
    QVERIFY(conf.gravar({{"P2Ativa", "7"},
                         {"IDCP1", "2.5"},
                         {"TaraP2", "1,5"},
                         {"HardP1COM", "ttyUSB0"},
                         {"BackupCont", "12"},
                         {"Versão", "0.9"}}));
    TfrmPrincipal p;
    QCOMPARE(p.parametros().plataforma(2).Ativa, true);
    QCOMPARE(p.parametros().plataforma(1).IDC, 1.0);  // written with a point: the default
    QCOMPARE(p.parametros().plataforma(2).Tara, 1.5);
    QCOMPARE(p.parametros().plataforma(1).HardCOM, QString("ttyUSB0"));
    QCOMPARE(int(p.parametros().BackupCont), 12);
    QCOMPARE(ArquivoConfiguracao(AmbienteDeTeste::arquivoConfiguracao()).lerTexto("Versão", ""),
             VersaoDoPrograma());
  }

  void bancoInacessivelEncerraOPrograma_data() {
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("pasta");
    QTest::addColumn<bool>("erroDeSessao");  // the file could not be opened at all
    QTest::newRow("arquivo que nao e banco")
        << QByteArray() << QByteArray(4096, 'x') << false << false;
    QTest::newRow("caminho e uma pasta") << QByteArray() << QByteArray() << true << true;
    QTest::newRow("falta uma tabela")
        << QByteArray("CREATE TABLE AVALIADOS (Avaliado INTEGER PRIMARY KEY, Nome TEXT);")
        << QByteArray() << false << false;
  }
  void bancoInacessivelEncerraOPrograma() {
    QFETCH(QByteArray, sql);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, pasta);
    QFETCH(bool, erroDeSessao);
    const QString banco = AmbienteDeTeste::pastaConfiguracao() + "brivana.db";
    QDir().mkpath(AmbienteDeTeste::pastaConfiguracao());
    if (pasta) {
      QDir().mkpath(banco);
    } else if (!sql.isEmpty()) {
      sqlite3* db = nullptr;
      QCOMPARE(sqlite3_open(banco.toUtf8().constData(), &db), SQLITE_OK);
      QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
      sqlite3_close(db);
    } else {
      QFile f(banco);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    }

    TfrmPrincipal p;
    QVERIFY(p.encerramentoSolicitado());
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), erroDeSessao ? 2 : 1);
    if (erroDeSessao) {
      QCOMPARE(mensagens.first().texto, QString("Erro ao ativar sessão do banco de dados!"));
      QCOMPARE(mensagens.first().titulo, QString("Brivana"));
      QCOMPARE(mensagens.first().icone, QMessageBox::Critical);
    }
    const auto& ultima = mensagens.last();
    QCOMPARE(ultima.titulo, QString("Brivana"));
    QCOMPARE(ultima.texto, QString("Ocorreu um erro ao acessar o Banco de Dados!\n"
                                   "O programa será encerrado."));
    QCOMPARE(ultima.icone, QMessageBox::Critical);
    QCOMPARE(ultima.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void comandos_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("dica");
    QTest::addColumn<QString>("atalho");
    QTest::newRow("avaliados") << "CadAvaliados"
                               << "&Avaliados"
                               << "Cadastro de Avaliados"
                               << "Ctrl+Shift+A";
    QTest::newRow("grupos") << "CadGrupos"
                            << "&Grupos"
                            << "Cadastro de Grupos"
                            << "Ctrl+Shift+G";
    QTest::newRow("protocolos") << "CadProtocolos"
                                << "&Protocolos"
                                << "Cadastro de Protocolos"
                                << "Ctrl+Shift+P";
    QTest::newRow("laboratorio") << "CadLaboratorio"
                                 << "&Laboratório"
                                 << ""
                                 << "Ctrl+Shift+L";
    QTest::newRow("nova") << "NovaAvaliacao"
                          << "&Nova"
                          << "Nova Amostragem"
                          << "Ctrl+Alt+N";
    QTest::newRow("visualizar") << "VisualizarAvaliacao"
                                << "&Visualizar"
                                << "Visualizar Amostragens"
                                << "Ctrl+Alt+V";
    QTest::newRow("comunicacao") << "Comunicacao"
                                 << "&Comunicação"
                                 << "Configurar Comunicação"
                                 << "Ctrl+Alt+C";
    QTest::newRow("parametros") << "Parametros"
                                << "&Parâmetros"
                                << "Parâmetros do Sistema"
                                << "Ctrl+Alt+P";
    QTest::newRow("grafico") << "ConfigGrafico"
                             << "&Gráfico"
                             << "Configuração do Gráfico"
                             << "Ctrl+Alt+G";
    QTest::newRow("backup") << "Backup"
                            << "&Backup"
                            << "Backup do Sistema"
                            << "Ctrl+Alt+B";
    QTest::newRow("fechar") << "Fechar"
                            << "&Fechar"
                            << "Finalizar o Sistema"
                            << "Ctrl+F";
  }
  void comandos() {
    QFETCH(QString, nome);
    QFETCH(QString, legenda);
    QFETCH(QString, dica);
    QFETCH(QString, atalho);
    TfrmPrincipal p;
    auto* acao = p.findChild<QAction*>(nome);
    QVERIFY(acao);
    QCOMPARE(acao->text(), legenda);
    QCOMPARE(acao->statusTip(), dica);
    if (!dica.isEmpty()) QCOMPARE(acao->toolTip(), dica);
    QCOMPARE(acao->shortcut(), QKeySequence(atalho));
  }

  void barraNaOrdemComImagens() {
    TfrmPrincipal p;
    const QStringList esperados = {"btCadAvaliados",        "btCadGrupos",   "btNovaAvaliacao",
                                   "btVisualizarAvaliacao", "btComunicacao", "btParametros",
                                   "btConfigGrafico",       "btBackup",      "btClose"};
    QStringList nomes;
    for (QToolButton* b : p.pnBarra->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
      nomes << b->objectName();
    QCOMPARE(nomes, esperados);
    QVERIFY(!p.findChild<QToolButton*>("btConfigGrafico")->isVisibleTo(&p));
    auto* nova = p.findChild<QToolButton*>("btNovaAvaliacao");
    QCOMPARE(nova->icon().pixmap(32, 32, QIcon::Normal).toImage(),
             p.listas().ImgListEnabled.at(TfrmImagens::NovaAvaliacao).toImage());
    QCOMPARE(nova->icon().pixmap(32, 32, QIcon::Disabled).toImage(),
             p.listas().ImgListDisabled.at(TfrmImagens::NovaAvaliacao).toImage());
  }

  void paineisDasPlataformas() {
    TfrmPrincipal p;
    for (int n = 1; n <= 2; ++n) {
      auto* painel = p.findChild<PainelPlataforma*>(QString("pnSensor%1").arg(n));
      QVERIFY(painel);
      QCOMPARE(painel->size(), QSize(90, 38));
      QCOMPARE(painel->findChild<QLabel*>(QString("lbSensor%1").arg(n))->text(),
               QString("PLATAFORMA %1").arg(n));
      QCOMPARE(p.findChild<QLabel*>(QString("lbP%1COM").arg(n))->text(), QString("COM"));
      QCOMPARE(painel->estado(), EstadoLampada::Cinza);
      for (const char* cor : {"Verde", "Amarelo", "Vermelho", "Cinza", "Preto"})
        QVERIFY(p.findChild<QLabel*>(QString("imSensorP%1%2").arg(n).arg(cor)));
    }
  }

  void comandosDesligamELigam() {
    TfrmPrincipal p;
    p.HabilitarComandos(false);
    for (QAction* a : ComandosDesligaveis(p))
      QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    QVERIFY(p.CadLaboratorio->isEnabled());  // stays usable during a collection
    QVERIFY(!p.findChild<QToolButton*>("btClose")->isEnabled());
    p.HabilitarComandos(true);
    for (QAction* a : ComandosDesligaveis(p)) QVERIFY(a->isEnabled());

    p.CadLaboratorio->setEnabled(false);  // and keeps whatever state it has
    p.HabilitarComandos(true);
    QVERIFY(!p.CadLaboratorio->isEnabled());
  }

  void janelaDeComandoDesligaOsComandos() {
    TfrmPrincipal p;
    p.show();
    QVERIFY(p.tmSensor->isActive());
    bool desligadosDurante = false;
    bool monitorDesligadoDurante = false;
    bool aoFecharRodou = false;
    auto janela = std::make_unique<QDialog>();
    janela->resize(300, 200);
    QDialog* observada = janela.get();
    QTimer::singleShot(0, observada, [&] {
      desligadosDurante =
          !p.NovaAvaliacao->isEnabled() && !p.Fechar->isEnabled() && p.CadLaboratorio->isEnabled();
      monitorDesligadoDurante = !p.tmSensor->isActive();
      p.close();  // refused while the window is open
      observada->accept();
    });
    p.ExecutarJanela(std::move(janela), [&](QDialog&, int resultado) {
      aoFecharRodou = resultado == QDialog::Accepted;
    });
    QVERIFY(desligadosDurante);
    QVERIFY(monitorDesligadoDurante);
    QVERIFY(aoFecharRodou);
    QVERIFY(p.isVisible());
    QVERIFY(p.NovaAvaliacao->isEnabled());
    QVERIFY(p.tmSensor->isActive());
  }

  void fecharRecusadoComComandosDesligados() {
    TfrmPrincipal p;
    p.show();
    p.HabilitarComandos(false);
    QVERIFY(!p.close());
    QVERIFY(p.isVisible());
    p.HabilitarComandos(true);
    QVERIFY(p.close());
    QVERIFY(!p.isVisible());
  }

  void fecharELembreteDeBackup_data() {
    QTest::addColumn<int>("contador");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<bool>("pergunta");
    QTest::addColumn<bool>("fecha");
    QTest::addColumn<bool>("backup");
    QTest::newRow("9 fecha sem perguntar")
        << 9 << int(QMessageBox::NoButton) << false << true << false;
    QTest::newRow("10 e nao fecha") << 10 << int(QMessageBox::No) << true << true << false;
    QTest::newRow("10 e sim abre o backup") << 10 << int(QMessageBox::Yes) << true << false << true;
    QTest::newRow("255 e sim") << 255 << int(QMessageBox::Yes) << true << false << true;
  }
  void fecharELembreteDeBackup() {
    QFETCH(int, contador);
    QFETCH(int, resposta);
    QFETCH(bool, pergunta);
    QFETCH(bool, fecha);
    QFETCH(bool, backup);
    TfrmPrincipal p;
    p.show();
    p.parametros().BackupCont = std::uint8_t(contador);
    QSignalSpy backupPedido(p.Backup, &QAction::triggered);
    if (resposta != QMessageBox::NoButton) dialogos_->responder(resposta);

    p.Fechar->trigger();

    QCOMPARE(
        ArquivoConfiguracao(AmbienteDeTeste::arquivoConfiguracao()).lerInteiro("BackupCont", -1),
        contador);
    QCOMPARE(dialogos_->mensagens().size(), pergunta ? 1 : 0);
    if (pergunta) {
      const auto m = dialogos_->mensagens().first();
      QCOMPARE(m.titulo, QString("Atenção"));
      QCOMPARE(m.icone, QMessageBox::Warning);
      QCOMPARE(m.botoes, QMessageBox::Yes | QMessageBox::No);
      QCOMPARE(m.texto,
               QString("Foram salvas %1 novas Amostragens desde o último Backup!\n"
                       "Aconselhamos que sejam feitos backups regulares da Base de Dados.\n"
                       "Deseja realizar um novo Backup agora?")
                   .arg(contador));
    }
    QCOMPARE(p.isVisible(), !fecha);
    QCOMPARE(backupPedido.count(), backup ? 1 : 0);
  }

  void primeiraExibicaoLigaOMonitor() {
    TfrmPrincipal p;
    QVERIFY(!p.tmSensor->isActive());
    QCOMPARE(p.tmSensor->interval(), 100);
    p.show();
    QVERIFY(p.tmSensor->isActive());
    p.MonitorarPlataformas(false);
    p.hide();
    p.show();  // only the first showing starts it
    QVERIFY(!p.tmSensor->isActive());
  }

  void redimensionamento() {
    TfrmPrincipal p;
    p.resize(1280, 800);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QWidget* form = p.centralWidget();
    QCOMPARE(p.lbBarraEspaco->width(), p.pnBarra->width() - (39 * 8 + 445));
    QCOMPARE(p.pnCentro->geometry(), QRect(8, 50, form->width() - 16, form->height() - 58));
    // The fixed parts and the spacer fill the bar exactly: the band ends at the right edge.
    QCOMPARE(p.findChild<QLabel*>("imFaixaBarra")->geometry().right(), p.pnBarra->width() - 1);
    QCOMPARE(p.imLogo->geometry(), QRect(QPoint(0, 0), p.pnCentro->size()));

    p.resize(812, 560);
    QTest::qWait(0);
    QCOMPARE(p.pnCentro->geometry(), QRect(8, 50, form->width() - 16, form->height() - 58));
    QCOMPARE(p.minimumSize(), QSize(812, 560));
  }

  void logotipoEGrafico() {
    TfrmPrincipal p;
    p.lbTeste->show();
    p.MostrarGrafico();
    QVERIFY(p.G1->isVisibleTo(&p));
    QVERIFY(!p.imLogo->isVisibleTo(&p));
    QVERIFY(p.lbTeste->isVisibleTo(&p));  // the chart covers the text; only the logo goes
    p.MostrarLogotipo();
    QVERIFY(p.imLogo->isVisibleTo(&p));
    QVERIFY(!p.G1->isVisibleTo(&p));
    QVERIFY(!p.lbTeste->isVisibleTo(&p));
  }

  void centralizarJanela() {
    TfrmPrincipal p;
    p.setGeometry(100, 30, 1001, 700);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QDialog janela;
    janela.resize(301, 201);
    p.CentralizarJanela(&janela);
    const QRect f = p.frameGeometry();
    const auto metade = [](int v) { return int(std::nearbyint(v / 2.0)); };
    QCOMPARE(janela.pos(), QPoint(f.left() + metade(f.width()) - metade(301),
                                  f.top() + 42 + metade(f.height()) - metade(201)));
    QCOMPARE(janela.size(), QSize(301, 201));
  }

  void janelaDeProgresso() {
    TfrmPrincipal p;
    TfrmProgBar* progresso = p.frmProgBar();
    QCOMPARE(progresso->windowTitle(), QString("Gerando gráfico..."));
    QCOMPARE(progresso->pbProgresso->geometry(), QRect(15, 23, 180, 24));
    QVERIFY(progresso->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!(progresso->windowFlags() & Qt::WindowCloseButtonHint));
  }

  void mudancaDeCoresRefazAsImagens() {
    TfrmPrincipal p;
    const QImage antes = p.listas().ImgListEnabled.at(0).toImage();
    const QPalette original = QApplication::palette();
    QPalette outra = original;
    outra.setColor(QPalette::Button, QColor(12, 200, 34));
    QApplication::setPalette(outra);
    QCoreApplication::processEvents();
    const QImage depois = p.listas().ImgListEnabled.at(0).toImage();
    QApplication::setPalette(original);
    QVERIFY(antes != depois);
    QCOMPARE(depois.pixelColor(0, 0), QColor(12, 200, 34));
  }

  void traducoesDoQt() {
    QVERIFY(InstalarTraducoesQt());
    QMessageBox caixa(QMessageBox::Question, "Brivana", "?", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(caixa.button(QMessageBox::Yes)->text(), QString("&Sim"));
    QCOMPARE(caixa.button(QMessageBox::No)->text(), QString("&Não"));
  }

  void monitorMostraLampadasEPortas() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1"}));
    TfrmPrincipal p;  // platform 1 active, platform 2 inactive: the defaults
    p.show();
    QTRY_COMPARE_WITH_TIMEOUT(p.EstadoPlataforma(1), EstadoLampada::Verde, 10000);
    QCOMPARE(p.EstadoPlataforma(2), EstadoLampada::Preto);
    QCOMPARE(p.findChild<QLabel*>("lbP1COM")->text(), sim.porta(1));
    QCOMPARE(p.findChild<QLabel*>("lbP2COM")->text(), QString("INATIVA"));
    QCOMPARE(p.tmSensor->interval(), 3000);  // a port was seen
    p.MonitorarPlataformas(false);
    QCOMPARE(p.EstadoPlataforma(1), EstadoLampada::Cinza);  // paused
    QCOMPARE(p.EstadoPlataforma(2), EstadoLampada::Preto);  // inactive keeps its lamp
    QCOMPARE(p.tmSensor->interval(), 100);
  }

  void instanciaUnica() {
    QDir().mkpath(AmbienteDeTeste::pastaConfiguracao());
    InstanciaUnica primeira(AmbienteDeTeste::pastaConfiguracao());
    QVERIFY(primeira.adquirir());
    QSignalSpy pedidos(&primeira, &InstanciaUnica::ativacaoPedida);
    InstanciaUnica segunda(AmbienteDeTeste::pastaConfiguracao());
    QVERIFY(!segunda.adquirir());
    QVERIFY(pedidos.count() == 1 || pedidos.wait(2000));
  }
};

BRIVANA_GUI_TEST_MAIN(TstPrincipal)
#include "tst_principal.moc"
