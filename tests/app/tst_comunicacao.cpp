// The communication window through the main window's command, against simulated devices.
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

#include "app/ArquivoConfiguracao.h"
#include "app/untPrincipal.h"
#include "device/untConfCOM.h"
#include "device/untProtocolo.h"
#include "support/DialogosRoteirizados.h"
#include "support/Simulador.h"
#include "support/TesteDeJanela.h"

namespace {

// Runs `passos` on the communication window once it has listed the ports, while the command
// holds it open modally.
void NaJanelaListada(std::function<void(TfrmConfCOM&)> passos) {
  NaJanela<TfrmConfCOM>([passos](TfrmConfCOM& janela) {
    QVERIFY(QTest::qWaitFor(
        [&] { return janela.stLocalizando->text() == "Portas Seriais localizadas no sistema:"; },
        10000));
    passos(janela);
  });
}

QStringList Linhas(QTreeWidget* lista) {
  QStringList linhas;
  for (int i = 0; i < lista->topLevelItemCount(); ++i)
    linhas << lista->topLevelItem(i)->text(0) + ';' + lista->topLevelItem(i)->text(1);
  return linhas;
}

}  // namespace

class TstComunicacao : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;

  // A main window whose platforms are set as given, with monitoring off as during a command.
  std::unique_ptr<TfrmPrincipal> Principal(bool ativa1, bool ativa2) {
    auto p = std::make_unique<TfrmPrincipal>();
    p->parametros().plataforma(1).Ativa = ativa1;
    p->parametros().plataforma(2).Ativa = ativa2;
    return p;
  }

  // Presses the test button, then confirms (or cancels); returns the messages shown.
  QList<DialogosRoteirizados::Chamada> Testar(TfrmPrincipal& p, bool confirmar, int vezes = 1) {
    NaJanelaListada([=](TfrmConfCOM& j) {
      for (int i = 0; i < vezes; ++i) j.btTeste->click();
      (confirmar && j.btConfirmar->isEnabled() ? j.btConfirmar : j.btCancelar)->click();
    });
    p.Comunicacao->trigger();
    return dialogos_->mensagens();
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
  }

  void doisDispositivos_data() {
    QTest::addColumn<bool>("trocados");
    QTest::newRow("cabos na ordem") << false;
    QTest::newRow("cabos trocados") << true;
  }
  void doisDispositivos() {
    QFETCH(bool, trocados);
    Simulador sim;
    QVERIFY(sim.iniciar(trocados ? QStringList{"--trocar"} : QStringList{}));
    const QString porta1 = trocados ? sim.porta(2) : sim.porta(1);
    const QString porta2 = trocados ? sim.porta(1) : sim.porta(2);
    auto p = Principal(true, true);
    const auto mensagens = Testar(*p, true);
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].titulo, QString("Brivana"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Information);
    QCOMPARE(mensagens[0].texto,
             QString("Os dois Dispositivos foram encontrados corretamente.\n\n"
                     "Dispositivo 1 conectado a porta: %1.\nDispositivo 2 conectado a porta: %2.")
                 .arg(porta1, porta2));
    QCOMPARE(p->parametros().plataforma(1).HardCOM, porta1);
    QCOMPARE(p->parametros().plataforma(2).HardCOM, porta2);
    const ArquivoConfiguracao conf(AmbienteDeTeste::arquivoConfiguracao());
    QCOMPARE(conf.lerTexto("HardP1COM"), porta1);
    QCOMPARE(conf.lerTexto("HardP2COM"), porta2);
    QVERIFY(p->monitor().identificada(1) && p->monitor().identificada(2));
    QVERIFY(p->monitor().link(1) && p->monitor().link(1)->aberto());
  }

  void testeRepetidoAchaOMesmo() {
    Simulador sim;
    QVERIFY(sim.iniciar({}));
    auto p = Principal(true, true);
    const auto mensagens = Testar(*p, true, 2);
    QCOMPARE(mensagens.size(), 2);
    QCOMPARE(mensagens[0].texto, mensagens[1].texto);
    QCOMPARE(p->parametros().plataforma(1).HardCOM, sim.porta(1));
    QCOMPARE(p->parametros().plataforma(2).HardCOM, sim.porta(2));
  }

  void umDispositivo_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("ativa2");
    QTest::addColumn<int>("icone");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("dispositivo");
    QTest::newRow("so o 1, so a plataforma 1")
        << "111" << false << int(QMessageBox::Information)
        << "Dispositivo encontrado corretamente.\n\nDispositivo 1 conectado a porta: %1." << 1;
    QTest::newRow("so o 2, so a plataforma 1")
        << "112" << false << int(QMessageBox::Information)
        << "Dispositivo encontrado corretamente.\n\nDispositivo 2 conectado a porta: %1." << 2;
    QTest::newRow("so o 1, as duas plataformas")
        << "111" << true << int(QMessageBox::Warning)
        << "Apenas um dos Dispositivos foi encontrado.\n\nDispositivo 1 conectado a porta: "
           "%1.\n\nVerifique se os dois Dispositivos estão ligados corretamente."
        << 1;
  }
  void umDispositivo() {
    QFETCH(QString, codigo);
    QFETCH(bool, ativa2);
    QFETCH(int, icone);
    QFETCH(QString, texto);
    QFETCH(int, dispositivo);
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--codigo1", codigo}));
    auto p = Principal(true, ativa2);
    const auto mensagens = Testar(*p, true);
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(int(mensagens[0].icone), icone);
    QCOMPARE(mensagens[0].texto, texto.arg(sim.porta(1)));
    const int outro = dispositivo == 1 ? 2 : 1;
    QCOMPARE(p->parametros().plataforma(dispositivo).HardCOM, sim.porta(1));
    QCOMPARE(p->parametros().plataforma(outro).HardCOM, QString());
    QVERIFY(p->monitor().link(dispositivo) && p->monitor().link(dispositivo)->aberto());
  }

  void semPortasOTesteFicaDesabilitado() {
    auto p = Principal(true, true);
    bool testeHabilitado = true;
    int linhas = -1;
    NaJanelaListada([&](TfrmConfCOM& j) {
      testeHabilitado = j.btTeste->isEnabled();
      linhas = j.lbPortas->topLevelItemCount();
      j.btCancelar->click();
    });
    p->Comunicacao->trigger();
    QVERIFY(!testeHabilitado);
    QCOMPARE(linhas, 0);
  }

  void plataformasInativasNaoSondam() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--eco"}));
    auto p = Principal(false, false);
    const QString antes = sim.saida();
    const auto mensagens = Testar(*p, true);
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto,
             QString("Impossível estabelecer Comunicação com os Dispositivos."));
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    // Only the availability probes of the list reached the devices: no identification.
    QVERIFY(!sim.saida().mid(antes.size()).contains("0A C0 D0 01 00 6F 0F"));
  }

  void listaDeDisponibilidadeECancelar() {
    Simulador sim;
    QVERIFY(sim.iniciar({}));
    auto p = Principal(true, true);
    p->parametros().plataforma(1).HardCOM = "antiga";
    QStringList linhas;
    bool confirmarHabilitado = true;
    NaJanelaListada([&](TfrmConfCOM& j) {
      linhas = Linhas(j.lbPortas);
      confirmarHabilitado = j.btConfirmar->isEnabled();
      j.btCancelar->click();
    });
    p->Comunicacao->trigger();
    QCOMPARE(linhas, QStringList({sim.porta(1) + ";Disponível", sim.porta(2) + ";Disponível"}));
    QVERIFY(!confirmarHabilitado);
    // Cancelled: the ports stay as they were, and both keys are written all the same.
    QCOMPARE(ArquivoConfiguracao(AmbienteDeTeste::arquivoConfiguracao()).lerTexto("HardP1COM"),
             QString("antiga"));
  }

  void portaSemDispositivoFicaLivre() {
    Simulador mudo;
    QVERIFY(mudo.iniciar({"--dispositivos", "1", "--silencio"}));
    auto p = Principal(true, true);
    const auto mensagens = Testar(*p, false);
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    QVERIFY(TestarPorta(mudo.porta(1)));  // another program can open it
  }
};

BRIVANA_GUI_TEST_MAIN(TstComunicacao)
#include "tst_comunicacao.moc"
