// The pre-collection check against simulated platforms, and a calibration end to end.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ArquivoConfiguracao.h"
#include "app/untPrincipal.h"
#include "calibration/untCalibracao.h"
#include "calibration/untInicio.h"
#include "support/DialogosRoteirizados.h"
#include "support/Simulador.h"
#include "support/TesteDeJanela.h"

namespace {

double Numero(const QString& texto) {
  double v = 0;
  return TextoParaDecimal(texto, &v) ? v : qQNaN();
}

}  // namespace

class TstInicio : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
  }

  void soPlataforma1Respondendo() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1"}));
    TfrmPrincipal p;
    TfrmInicio j(p, nullptr);
    QVERIFY(!j.btIniciar->isEnabled());
    QVERIFY(QTest::qWaitFor(
        [&] { return j.metade[0]->lbComunicacaoStatus->text() == "Plataforma 1 encontrada!"; },
        15000));
    QVERIFY(j.btIniciar->isEnabled());
    QCOMPARE(j.metade[1]->lbComunicacaoStatus->text(), QString("Plataforma 2 inativa!"));
    QVERIFY(j.pnBtIniciar->toolTip().isEmpty());
    QVERIFY(j.metade[0]->btZerar->isEnabled());
    QVERIFY(!j.metade[1]->btZerar->isEnabled());
    j.show();
    Capturar(j, "inicio");
    j.btIniciar->click();
    QCOMPARE(j.result(), int(QDialog::Accepted));
  }

  void plataforma2Ausente() {
    QVERIFY(AmbienteDeTeste::configurar({{"P2Ativa", "1"}}));
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1"}));
    TfrmPrincipal p;
    TfrmInicio j(p, nullptr);
    QVERIFY(QTest::qWaitFor(
        [&] { return j.metade[0]->lbComunicacaoStatus->text() == "Plataforma 1 encontrada!"; },
        15000));
    QTest::qWait(600);  // one more tick for platform 2
    QCOMPARE(j.metade[1]->lbComunicacaoStatus->text(),
             QString("Plataforma 2 não encontrada!\nVerifique a Comunicação."));
    QVERIFY(j.metade[1]->cpCargaCorrigida->text().isEmpty());
    QVERIFY(!j.btIniciar->isEnabled());
    QCOMPARE(j.pnBtIniciar->toolTip(),
             QString("Não é possível Iniciar! Verifique a comunicação com as Plataformas."));
  }

  void cancelar_data() {
    QTest::addColumn<int>("resposta");
    QTest::addColumn<int>("resultado");
    QTest::newRow("nao") << int(QMessageBox::No) << -1;
    QTest::newRow("sim") << int(QMessageBox::Yes) << int(QDialog::Rejected);
  }
  void cancelar() {
    QFETCH(int, resposta);
    QFETCH(int, resultado);
    TfrmPrincipal p;
    TfrmInicio j(p, nullptr);
    j.setResult(-1);
    dialogos_->responder(resposta);
    j.btCancelar->click();
    const auto m = dialogos_->mensagens();
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].texto, QString("Interromper Amostragem?"));
    QCOMPARE(m[0].titulo, QString("Atenção"));
    QCOMPARE(m[0].icone, QMessageBox::Question);
    QCOMPARE(m[0].botoes, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(j.result(), resultado);
    QCOMPARE(j.tmLeitura->isActive(), resultado == -1);
  }

  void zerarDeixaALeituraPertoDeZero() {
    QVERIFY(AmbienteDeTeste::configurar({{"IDCP1", "1000,000"}}));
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--cenario", "vazio"}));
    TfrmPrincipal p;
    TfrmInicio j(p, nullptr);
    QLineEdit* carga = j.metade[0]->cpCargaCorrigida;
    QVERIFY(QTest::qWaitFor([&] { return !carga->text().isEmpty(); }, 15000));
    QCOMPARE(qRound(Numero(carga->text())), 100);  // the empty platform's 100000 counts
    dialogos_->responder(int(QMessageBox::Ok));
    j.metade[0]->btZerar->click();
    QCOMPARE(dialogos_->mensagens().last().texto, QString("Zerar realizado com sucesso!"));
    QCOMPARE(dialogos_->mensagens().first().titulo, QString("Plataforma 1 - Zerar"));
    carga->clear();
    QVERIFY(QTest::qWaitFor([&] { return !carga->text().isEmpty(); }, 5000));
    QVERIFY2(qAbs(Numero(carga->text())) < 0.5, qPrintable(carga->text()));
  }

  // With the platform empty then loaded with 50 kg, "Calibrar" finds the device's own scale and
  // the live reading then shows the load.
  void calibracaoDePontaAPonta() {
    QVERIFY(AmbienteDeTeste::configurar({{"P2Ativa", "1"}}));
    Simulador sim;
    // 1000 counts per kg; noise 0.01 kg per sample, so one live reading lands well inside 0.05 kg.
    QVERIFY(sim.iniciar({"--cenario", "vazio", "--ruido", "0.01"}));
    TfrmPrincipal p;
    TfrmCalibracao j(p, nullptr);
    j.show();
    QVERIFY(QTest::qWaitFor(
        [&] {
          return j.metade[0]->lbComunicacaoStatus->text().endsWith(" - OK.") &&
                 j.metade[1]->lbComunicacaoStatus->text().endsWith(" - OK.");
        },
        20000));
    Capturar(j, "calibracao");
    j.metade[0]->cpCarga->setText("50,00");
    dialogos_->aoMostrar([&](const DialogosRoteirizados::Chamada& c) {
      if (c.texto.startsWith("Coloque a Carga")) QVERIFY(sim.comando("carga 1 50"));
    });
    for (int i = 0; i < 4; ++i) dialogos_->responder(int(QMessageBox::Ok));
    j.metade[0]->btCalibrar->click();
    const double idc = p.parametros().plataforma(1).IDC;
    QVERIFY2(qAbs(idc - 1000) <= 1, qPrintable(QString::number(idc)));
    QLineEdit* corrigida = j.metade[0]->cpCargaCorrigida;
    corrigida->clear();
    QVERIFY(QTest::qWaitFor([&] { return !corrigida->text().isEmpty(); }, 5000));
    QVERIFY2(qAbs(Numero(corrigida->text()) - 50) <= 0.05, qPrintable(corrigida->text()));
  }
};

BRIVANA_GUI_TEST_MAIN(TstInicio)
#include "tst_inicio.moc"
