// The platform status monitor driven tick by tick against simulated devices.
#include <QtTest>

#include "app/ArquivoConfiguracao.h"
#include "app/MonitorDePlataformas.h"
#include "support/AmbienteDeTeste.h"
#include "support/Simulador.h"

namespace {

QString ArquivoConf() {
  return AmbienteDeTeste::casa() + "/brivana.conf";
}

// Platform settings with both platforms in the given states.
ParametrosPlataformas Plataformas(bool ativa1, bool ativa2) {
  ParametrosPlataformas p;
  p.plataforma(1).Ativa = ativa1;
  p.plataforma(2).Ativa = ativa2;
  return p;
}

}  // namespace

class TstMonitor : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }

  void semNenhumaPorta() {
    ParametrosPlataformas p = Plataformas(true, false);
    MonitorDePlataformas m(p, ArquivoConf());
    const auto r = m.Verificar();
    QVERIFY(r);
    QCOMPARE(*r->rotulo[0], QString("Sem COM"));
    QCOMPARE(*r->rotulo[1], QString("Sem COM"));
    QCOMPARE(r->lampada[0], EstadoLampada::Vermelho);
    QCOMPARE(r->lampada[1], EstadoLampada::Vermelho);  // inactive too: its counter was raised
    QVERIFY(!r->portasEncontradas);
  }

  void plataformasEncontradasFicamVerdes() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "2"}));
    ParametrosPlataformas p = Plataformas(true, true);
    MonitorDePlataformas m(p, ArquivoConf());
    const auto r = m.Verificar();
    QVERIFY(r && r->portasEncontradas);
    QCOMPARE(r->lampada[0], EstadoLampada::Verde);
    QCOMPARE(r->lampada[1], EstadoLampada::Verde);
    QCOMPARE(*r->rotulo[0], sim.porta(1));
    QCOMPARE(*r->rotulo[1], sim.porta(2));
    const ArquivoConfiguracao conf(ArquivoConf());
    QCOMPARE(conf.lerTexto("HardP1COM"), sim.porta(1));
    QCOMPARE(conf.lerTexto("HardP2COM"), sim.porta(2));
    // Later ticks only check the bound links.
    const auto depois = m.Verificar();
    QCOMPARE(depois->lampada[0], EstadoLampada::Verde);
    QCOMPARE(depois->lampada[1], EstadoLampada::Verde);
    QVERIFY(m.identificada(1) && m.identificada(2));
  }

  void plataformaInativaFicaPreta() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "2"}));
    ParametrosPlataformas p = Plataformas(true, false);
    MonitorDePlataformas m(p, ArquivoConf());
    const auto r = m.Verificar();
    QCOMPARE(r->lampada[0], EstadoLampada::Verde);
    QCOMPARE(r->lampada[1], EstadoLampada::Preto);
    QCOMPARE(*r->rotulo[1], QString("INATIVA"));
  }

  void portaUnicaDaPlataforma2() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--codigo1", "112"}));
    ParametrosPlataformas p = Plataformas(true, true);
    MonitorDePlataformas m(p, ArquivoConf());
    const auto primeira = m.Verificar();
    QCOMPARE(primeira->lampada[0], EstadoLampada::Vermelho);
    QCOMPARE(*primeira->rotulo[0], QString("Não Ident."));
    QCOMPARE(primeira->lampada[1], EstadoLampada::Verde);
    const auto segunda = m.Verificar();
    QCOMPARE(segunda->lampada[0], EstadoLampada::Vermelho);
    QCOMPARE(*segunda->rotulo[0], QString("Sem COM"));
    QCOMPARE(segunda->lampada[1], EstadoLampada::Verde);
    QCOMPARE(*segunda->rotulo[1], sim.porta(1));
  }

  void dispositivoDesligado() {
    Simulador outro;  // a port that stays, with a device nobody knows
    QVERIFY(outro.iniciar({"--dispositivos", "1", "--nome", "ttyOUTRO", "--codigo1", "99"}));
    auto sim = std::make_unique<Simulador>();
    QVERIFY(sim->iniciar({"--dispositivos", "1"}));
    ParametrosPlataformas p = Plataformas(true, false);
    MonitorDePlataformas m(p, ArquivoConf());
    QCOMPARE(m.Verificar()->lampada[0], EstadoLampada::Verde);

    sim.reset();  // unplugged
    QCOMPARE(m.Verificar()->lampada[0], EstadoLampada::Vermelho);
    const auto depois = m.Verificar();
    QCOMPARE(depois->lampada[0], EstadoLampada::Vermelho);
    QCOMPARE(*depois->rotulo[0], QString("Não Ident."));
  }

  void codigoAntigoVinculadoMasVermelho() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--codigo1", "201"}));
    ParametrosPlataformas p = Plataformas(true, false);
    MonitorDePlataformas m(p, ArquivoConf());
    for (int tick = 0; tick < 2; ++tick) {
      const auto r = m.Verificar();
      QCOMPARE(r->lampada[0], EstadoLampada::Vermelho);
      // The probe bound it (the port is remembered in the file), the check refused it.
      QCOMPARE(ArquivoConfiguracao(ArquivoConf()).lerTexto("HardP1COM"), sim.porta(1));
      QVERIFY(!m.identificada(1));
    }
  }

  void falhasParamNoTopo() {
    ParametrosPlataformas p = Plataformas(true, true);
    MonitorDePlataformas m(p, ArquivoConf());
    m.falhas(1) = 254;
    m.contarFalha(1);
    m.contarFalha(1);
    QCOMPARE(int(m.falhas(1)), 255);  // a wrap to 0 would show the platform green
    QCOMPARE(m.Verificar()->lampada[0], EstadoLampada::Vermelho);
  }

  void sondagemEmCursoNaoVerifica() {
    ParametrosPlataformas p = Plataformas(true, false);
    MonitorDePlataformas m(p, ArquivoConf());
    m.LocalizandoPortas = true;
    QVERIFY(!m.Verificar());
  }
};

BRIVANA_TEST_MAIN(TstMonitor)
#include "tst_monitor.moc"
