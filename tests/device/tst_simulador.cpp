// The link against brivana-sim: finding the devices among the listed ports, streaming, and a
// device that disappears. The simulator's echo of what it received checks the bytes sent.
#include <QtTest>

#include <QSerialPort>

#include "device/untProtocolo.h"
#include "support/AmbienteDeTeste.h"
#include "support/Simulador.h"

namespace {

// Every byte the simulator says it received on port k, as one hex text.
QString Recebidos(Simulador& sim, int k) {
  const QString prefixo = QStringLiteral("rx %1: ").arg(k);
  QStringList partes;
  for (const QString& linha : sim.saida().split('\n')) {
    if (linha.startsWith(prefixo)) {
      partes << linha.mid(prefixo.size());
    }
  }
  return partes.join(' ');
}

}  // namespace

class TstSimulador : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }  // also hides the machine's own ports

  // The probing of the status monitor: each listed port opened, prepared, asked, closed.
  void identificarPelasPortasListadas_data() {
    QTest::addColumn<int>("codigo1");
    QTest::addColumn<int>("codigo2");
    QTest::addColumn<bool>("aceitarAntigos");
    QTest::addColumn<int>("dispositivo1");
    QTest::addColumn<int>("dispositivo2");
    QTest::newRow("111 e 112") << 111 << 112 << false << 1 << 2;
    QTest::newRow("201 e 202 aceitos") << 201 << 202 << true << 1 << 2;
    QTest::newRow("201 e 202 recusados") << 201 << 202 << false << 0 << 0;
    QTest::newRow("trocados") << 112 << 111 << false << 2 << 1;
  }
  void identificarPelasPortasListadas() {
    QFETCH(int, codigo1);
    QFETCH(int, codigo2);
    QFETCH(bool, aceitarAntigos);
    QFETCH(int, dispositivo1);
    QFETCH(int, dispositivo2);
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "2", "--codigo1", QString::number(codigo1), "--codigo2",
                         QString::number(codigo2), "--eco"}));
    const QStringList portas = PortasOrdenadas(ListarPortasSeriais());
    QCOMPARE(portas, QStringList({sim.porta(1), sim.porta(2)}));
    QList<int> encontrados;
    for (const QString& porta : portas) {
      SlotLink temporario;
      QVERIFY(AbrirPorta(temporario, porta));
      PrepararSondagem(temporario.get());
      encontrados << IdentificarDispositivo(temporario.get(), 500, aceitarAntigos);
      FecharPorta(temporario);
    }
    QCOMPARE(encontrados, QList<int>({dispositivo1, dispositivo2}));
    QVERIFY(sim.esperar("rx 2: "));
    for (int k : {1, 2}) {
      QCOMPARE(Recebidos(sim, k), "0A C0 D0 01 00 6F 0F 0A C0 D0 06 00 6A 0F 54 50 A1 01 00 03 F5");
    }
  }

  // The acquisition's road: configure both, start both, read 600 frames from each in turn, end
  // the stream with DTR low and a purge.
  void coletarSeiscentosQuadros() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "2", "--cenario", "cmj", "--taxa", "600", "--eco"}));
    SlotLink p1;
    SlotLink p2;
    QVERIFY(AbrirPorta(p1, sim.porta(1)));
    QVERIFY(AbrirPorta(p2, sim.porta(2)));
    QVERIFY(ConfigurarPlataforma(p1, p2, 0, kModoColetar));
    TQuadro quadro{};
    for (LinkSerial* link : {p1.get(), p2.get()}) {
      QVERIFY(PrepararRapido(link));
      QVERIFY(EnviarComando(link, cmdIniciarColeta));
    }
    for (LinkSerial* link : {p1.get(), p2.get()}) {
      QVERIFY(ReceberQuadro(link, quadro, kFuncaoIniciar, 1000));
    }
    int recebidos[2] = {0, 0};
    for (int i = 0; i < 600; ++i) {
      for (int p = 0; p < 2; ++p) {
        LinkSerial* link = p == 0 ? p1.get() : p2.get();
        QVERIFY(ReceberQuadro(link, quadro, kFuncaoAmostra, 100));
        QCOMPARE(int(quadro[4]), 3);
        QVERIFY(ContagemDoQuadro(quadro) <= 16777215u);
        ++recebidos[p];
      }
    }
    QCOMPARE(recebidos[0], 600);
    QCOMPARE(recebidos[1], 600);
    for (LinkSerial* link : {p1.get(), p2.get()}) {
      DefinirDTR(link, false);
      QVERIFY(LimparPorta(link));
      static_cast<void>(ReceberQuadro(link, quadro, kFuncaoIdentificar, 1000));
    }
    QVERIFY(sim.esperar("coleta 1 fim"));
    QVERIFY(sim.esperar("coleta 2 fim"));
    const QString configurar = "0A C0 D0 02 06 01 00 00 02 58 03 0A 0F 0A C0 D0 03 00 6D 0F";
    QCOMPARE(Recebidos(sim, 1), configurar);
    QCOMPARE(Recebidos(sim, 2), configurar);
    QVERIFY(FecharPorta(p1));
    QVERIFY(FecharPorta(p2));
  }

  // The device goes mid-stream: the frames before still count, then the receive fails at once
  // with a resource error, and closing the link stays quick.
  void dispositivoSomeNoMeioDoFluxo() {
    Simulador sim;
    QVERIFY(sim.iniciar({"--dispositivos", "1", "--sumir-apos", "0.5"}));
    SlotLink link;
    QVERIFY(AbrirPorta(link, sim.porta(1)));
    QVERIFY(EnviarComando(link.get(), cmdIniciarColeta));
    TQuadro quadro{};
    QVERIFY(ReceberQuadro(link.get(), quadro, kFuncaoIniciar, 1000));
    constexpr int kTimeout = 10000;
    int recebidos = 0;
    QElapsedTimer relogio;
    relogio.start();
    while (ReceberQuadro(link.get(), quadro, kFuncaoAmostra, kTimeout)) {
      ++recebidos;
    }
    const qint64 ateFalhar = relogio.elapsed();
    QCOMPARE(link->transporte().ultimoErro(), int(QSerialPort::ResourceError));
    qInfo("%d frames, then failure after %lld ms of streaming (byte timeout %d ms)", recebidos,
          ateFalhar, kTimeout);
    QVERIFY(recebidos > 0);
    QVERIFY(ateFalhar < kTimeout);
    QVERIFY(FecharPorta(link));
  }
};

BRIVANA_TEST_MAIN(TstSimulador)
#include "tst_simulador.moc"
