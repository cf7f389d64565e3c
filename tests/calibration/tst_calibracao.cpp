// The calibration window against simulated platforms, through the scripted dialog service.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/ArquivoConfiguracao.h"
#include "app/untPrincipal.h"
#include "calibration/untCalibracao.h"
#include "support/DialogosRoteirizados.h"
#include "support/Simulador.h"
#include "support/TesteDeJanela.h"

namespace {

QString Cor(QWidget* w, QPalette::ColorRole papel) {
  return w->palette().color(papel).name();
}

}  // namespace

class TstCalibracao : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;

  // Waits for platform n's live reading to answer.
  static bool Lendo(TfrmCalibracao& j, int n) {
    return QTest::qWaitFor(
        [&] { return j.metade[n - 1]->lbComunicacaoStatus->text().endsWith(" - OK."); }, 15000);
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
  }

  void soPlataforma1() {
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QCOMPARE(j.metade[0]->cpLateral->currentText(), QString("Única"));
    QCOMPARE(j.metade[1]->cpLateral->currentText(), QString("Inativa"));
    QCOMPARE(j.metade[1]->cbAtiva->text(), QString("Inativa"));
    QVERIFY(!j.metade[1]->btZerar->isEnabled());
    j.btConfirmar->click();
    QCOMPARE(j.result(), int(QDialog::Accepted));
    QCOMPARE(AmbienteDeTeste::conf("LateralP1"), QString("Única"));
    QCOMPARE(AmbienteDeTeste::conf("LateralP2"), QString("Inativa"));
    QCOMPARE(AmbienteDeTeste::conf("P1Ativa"), QString("1"));
    QCOMPARE(AmbienteDeTeste::conf("P2Ativa"), QString("0"));
  }

  // The main window's command: commands off while the window is open, the active flags re-read
  // from the file after it closes.
  void comandoParametros() {
    TfrmPrincipal p;
    bool comandosDesligados = false;
    QTimer::singleShot(0, [&] {
      auto* j = qobject_cast<TfrmCalibracao*>(QApplication::activeModalWidget());
      QVERIFY(j);
      comandosDesligados = !p.NovaAvaliacao->isEnabled();
      j->metade[1]->cbAtiva->click();
      j->btConfirmar->click();
    });
    p.Parametros->trigger();
    QVERIFY(comandosDesligados);
    QVERIFY(p.parametros().plataforma(2).Ativa);
    QVERIFY(p.NovaAvaliacao->isEnabled());
    QCOMPARE(AmbienteDeTeste::conf("LateralP2"), QString("Esquerda"));
  }

  void ladosLembradosEOpostos() {
    QVERIFY(AmbienteDeTeste::configurar(
        {{"P2Ativa", "1"}, {"UltimaLateralP1", "Esquerda"}, {"UltimaLateralP2", "Direita"}}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QCOMPARE(j.metade[0]->cpLateral->currentText(), QString("Esquerda"));
    QCOMPARE(j.metade[1]->cpLateral->currentText(), QString("Direita"));
    QComboBox* lado1 = j.metade[0]->cpLateral;
    lado1->setCurrentText("Direita");
    emit lado1->activated(lado1->currentIndex());
    QCOMPARE(j.metade[1]->cpLateral->currentText(), QString("Esquerda"));
    j.btConfirmar->click();
    QCOMPARE(AmbienteDeTeste::conf("LateralP1"), QString("Direita"));
    QCOMPARE(AmbienteDeTeste::conf("LateralP2"), QString("Esquerda"));
    QCOMPARE(AmbienteDeTeste::conf("UltimaLateralP1"), QString("Direita"));
    QCOMPARE(AmbienteDeTeste::conf("UltimaLateralP2"), QString("Esquerda"));
  }

  void nenhumaAtivaERecusada() {
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    j.metade[0]->cbAtiva->click();
    QCOMPARE(j.metade[0]->cpLateral->currentText(), QString("Inativa"));
    j.btConfirmar->click();
    QCOMPARE(j.result(), 0);
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].texto, QString("Pelo menos uma das Plataformas deve ser selecionada."));
    QCOMPARE(m[0].titulo, QString("Calibração"));
    QCOMPARE(m[0].icone, QMessageBox::Warning);
    QVERIFY(!QFile::exists(AmbienteDeTeste::arquivoConfiguracao()) ||
            AmbienteDeTeste::conf("P1Ativa") != "0");
  }

  void campoDeCarga() {
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QLineEdit* carga = j.metade[0]->cpCarga;
    carga->clear();
    QTest::keyClicks(carga, "5a0,x5");
    QCOMPARE(carga->text(), QString("50,5"));
    emit carga->editingFinished();
    QCOMPARE(carga->text(), QString("50,50"));
    carga->setText("");
    emit carga->editingFinished();
    QCOMPARE(carga->text(), QString("0,00"));
  }

  void calibrarComCarga() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio", "--ruido", "0", "--zero",
                         "100", "--contagens-por-kg", "10"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    j.metade[0]->cpCarga->setText("50,00");
    dialogos_->aoMostrar([&](const DialogosRoteirizados::Chamada& c) {
      if (c.texto.startsWith("Coloque a Carga")) QVERIFY(sim.comando("carga 1 50"));
    });
    for (int i = 0; i < 4; ++i) dialogos_->responder(int(QMessageBox::Ok));
    j.metade[0]->btCalibrar->click();
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.size(), 4);
    QCOMPARE(m[0].texto, QString("Deixe a Plataforma 1 sem peso e clique em OK para efetuar a "
                                 "Calibração."));
    QCOMPARE(m[0].titulo, QString("Plataforma 1 - Calibração sem Peso"));
    QCOMPARE(m[0].icone, QMessageBox::Question);
    QCOMPARE(m[1].texto, QString("Calibração sem Peso realizada com sucesso!"));
    QCOMPARE(m[2].texto, QString("Coloque a Carga de 50,00 (kg) e clique em OK para efetuar a "
                                 "Calibração."));
    QCOMPARE(m[2].titulo, QString("Plataforma 1 - Calibração com Peso"));
    QCOMPARE(m[3].texto, QString("Calibração com Peso realizada com sucesso!"));
    QCOMPARE(m[3].icone, QMessageBox::Information);
    QCOMPARE(AmbienteDeTeste::conf("IDCP1"), QString("10,000"));
    QCOMPARE(AmbienteDeTeste::conf("SemPesoP1"), QString("100,000"));
    QCOMPARE(AmbienteDeTeste::conf("ComPesoP1"), QString("600,000"));
    QCOMPARE(AmbienteDeTeste::conf("CargaP1"), QString("50,000"));
    QCOMPARE(p.parametros().plataforma(1).IDC, 10.0);
    QVERIFY(j.tmLeitura->isActive());
  }

  void cancelarSegundaPerguntaNaoMudaNada() {
    QVERIFY(AmbienteDeTeste::configurar({{"SemPesoP1", "7,000"}}));
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio", "--ruido", "0"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    j.metade[0]->cpCarga->setText("20,00");
    dialogos_->responder(int(QMessageBox::Ok));
    dialogos_->responder(int(QMessageBox::Ok));
    dialogos_->responder(int(QMessageBox::Cancel));
    j.metade[0]->btCalibrar->click();
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.last().texto, QString("Calibração cancelada!"));
    QCOMPARE(m.last().icone, QMessageBox::Warning);
    QCOMPARE(m.last().titulo, QString("Plataforma 1 - Calibração com Peso"));
    QCOMPARE(AmbienteDeTeste::conf("SemPesoP1"), QString("7,000"));
    QCOMPARE(p.parametros().plataforma(1).SemPeso, 7.0);
  }

  void cargaZeroRecusada() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--eco"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    j.metade[0]->cpCarga->setText("0,00");
    j.metade[0]->btCalibrar->click();
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].texto, QString("O valor da Carga deve ser informado."));
    QCOMPARE(m[0].titulo, QString("Plataforma 1 - Calibração"));
    QCOMPARE(m[0].icone, QMessageBox::Information);
    QVERIFY(!QFile::exists(AmbienteDeTeste::arquivoConfiguracao()) ||
            AmbienteDeTeste::conf("IDCP1") == "1,000");
  }

  void leituraQueFalhaNaMedicao() {
    QVERIFY(AmbienteDeTeste::configurar({{"SemPesoP1", "7,000"}}));
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    dialogos_->aoMostrar([&](const DialogosRoteirizados::Chamada& c) {
      if (c.icone == QMessageBox::Question) QVERIFY(sim.comando("falhar 1 599"));
    });
    dialogos_->responder(int(QMessageBox::Ok));
    j.metade[0]->btZerar->click();
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.size(), 2);
    QCOMPARE(m[1].texto, QString("Processo de Zerar não efetuado corretamente, tentar novamente."));
    QCOMPARE(m[1].titulo, QString("Plataforma 1 - Zerar"));
    QCOMPARE(m[1].icone, QMessageBox::Critical);
    QCOMPARE(AmbienteDeTeste::conf("SemPesoP1"), QString("7,000"));
    QCOMPARE(p.parametros().plataforma(1).SemPeso, 7.0);
    QVERIFY(j.tmLeitura->isActive());
  }

  void taraERemoverTara() {
    QVERIFY(AmbienteDeTeste::configurar({{"SemPesoP1", "100000,000"}, {"IDCP1", "1000,000"}}));
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio", "--ruido", "0"}));
    QVERIFY(sim.comando("carga 1 20"));
    TfrmPrincipal p;
    {
      TfrmCalibracao j(p, nullptr);
      QVERIFY(Lendo(j, 1));
      dialogos_->responder(int(QMessageBox::Ok));
      j.metade[0]->btTara->click();
      QCOMPARE(dialogos_->mensagens().last().texto,
               QString("Cálculo da Tara realizado com sucesso!"));
      QCOMPARE(j.metade[0]->btTara->text(), QString("Remover Tara"));
      QCOMPARE(j.metade[0]->cpTara->text(), QString("20,000"));
      QCOMPARE(AmbienteDeTeste::conf("TaraP1"), QString("20,000"));
      QCOMPARE(AmbienteDeTeste::conf("btTaraP1"), QString("Remover Tara"));
    }
    {
      TfrmCalibracao j(p, nullptr);  // reopened: the tare is still on
      QCOMPARE(j.metade[0]->btTara->text(), QString("Remover Tara"));
      j.metade[0]->btTara->click();
      QCOMPARE(j.metade[0]->btTara->text(), QString("Tara"));
      QCOMPARE(AmbienteDeTeste::conf("TaraP1"), QString("0,000"));
      QCOMPARE(AmbienteDeTeste::conf("btTaraP1"), QString("Tara"));
      QCOMPARE(p.parametros().plataforma(1).Tara, 0.0);
    }
  }

  void editarIndice() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio", "--ruido", "0"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    dialogos_->responder(int(QMessageBox::Ok));
    dialogos_->responder(int(QMessageBox::Ok));
    dialogos_->responder(QString("2,5"));
    j.metade[0]->btEditar->click();
    const auto entrada = dialogos_->chamadas().last();
    QCOMPARE(entrada.tipo, DialogosRoteirizados::Tipo::Entrada);
    QCOMPARE(entrada.titulo, QString("Plataforma 1 - Editar"));
    QCOMPARE(entrada.texto, QString("Informe o Índice de Correção:"));
    QCOMPARE(AmbienteDeTeste::conf("IDCP1"), QString("2,500"));
    QCOMPARE(AmbienteDeTeste::conf("SemPesoP1"), QString("100000,000"));
    QCOMPARE(j.metade[0]->cpIC->text(), QString("2,500"));
  }

  void dispositivoRetiradoEDevolvido() {
    auto sim = std::make_unique<Simulador>();
    QVERIFY(sim->iniciar({"--dispositivos", "1"}));
    const QString porta = sim->porta(1);
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(Lendo(j, 1));
    QCOMPARE(Cor(j.metade[0]->lbComunicacaoStatus, QPalette::WindowText), QString("#008000"));
    sim.reset();
    QVERIFY(QTest::qWaitFor(
        [&] { return j.metade[0]->lbComunicacaoStatus->text().endsWith("Falha na Comunicação."); },
        5000));
    QCOMPARE(j.metade[0]->lbComunicacaoStatus->text(),
             QString("Porta %1 - Falha na Comunicação.").arg(porta));
    QCOMPARE(Cor(j.metade[0]->lbComunicacaoStatus, QPalette::WindowText), QString("#800000"));
    QCOMPARE(Cor(j.metade[0]->cpLeitura, QPalette::Base), QString("#800000"));
    QVERIFY(!j.metade[0]->btZerar->isEnabled());

    Simulador devolvido;
    QVERIFY(devolvido.iniciar({"--dispositivos", "1"}));
    QVERIFY(Lendo(j, 1));
    QVERIFY(j.metade[0]->btZerar->isEnabled());
  }

  void contagemAcimaDoLimite() {
    Simulador sim;
    QVERIFY(sim.iniciar(
        {"--dispositivos", "1", "--cenario", "vazio", "--ruido", "0", "--zero", "16000001"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    QVERIFY(QTest::qWaitFor([&] { return !j.metade[0]->cpLeitura->text().isEmpty(); }, 15000));
    QCOMPARE(j.metade[0]->cpLeitura->text(), QString("16000001,000"));  // shown once
    QVERIFY(j.metade[0]->lbComunicacaoStatus->text().endsWith("Falha na Comunicação."));
    QVERIFY(!j.metade[0]->btCalibrar->isEnabled());
  }
};

BRIVANA_GUI_TEST_MAIN(TstCalibracao)
#include "tst_calibracao.moc"
