// Opening ports by name, exclusive access, the port list, and a device that goes away.
#include <QtTest>

#include <QSerialPort>

#include <ctime>
#include <memory>
#include <thread>

#include "PseudoTerminal.h"
#include "device/PortasDoSistema.h"
#include "device/untProtocolo.h"
#include "support/AmbienteDeTeste.h"

namespace {

// The virtual-port folder of the current test, with a link named nome to the target.
QString PublicarPorta(const QString& nome, const QString& alvo) {
  QDir().mkpath(PastaPortasVirtuais());
  const QString caminho = PastaPortasVirtuais() + '/' + nome;
  QFile::link(alvo, caminho);
  return caminho;
}

}  // namespace

class TstPortas : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }  // also hides the machine's own ports

  void pastaPortasVirtuais() {
    QCOMPARE(PastaPortasVirtuais(), qEnvironmentVariable("XDG_RUNTIME_DIR") + "/brivana-sim");
    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(PastaPortasVirtuais(),
             QDir::tempPath() + "/brivana-sim-" + QString::number(::getuid()));
  }

  void caminhoDaPorta() {
    PseudoTerminal pty;
    PublicarPorta("ttySIM1", pty.caminhoEscravo());
    QCOMPARE(CaminhoDaPorta("ttySIM1"), PastaPortasVirtuais() + "/ttySIM1");
    QCOMPARE(CaminhoDaPorta("ttyUSB0"), "/dev/ttyUSB0");
    QCOMPARE(CaminhoDaPorta("TTYSIM1"), "/dev/TTYSIM1");
    QCOMPARE(CaminhoDaPorta(pty.caminhoEscravo()), pty.caminhoEscravo());
  }

  void abrirPeloNome() {
    PseudoTerminal pty;
    PublicarPorta("ttySim1", pty.caminhoEscravo());
    SlotLink link;
    QVERIFY(AbrirPorta(link, "ttySim1"));
    QVERIFY(link->aberto());
    QCOMPARE(link->transporte().ultimoErro(), 0);
    QVERIFY(EnviarComando(link.get(), cmdIdentificar));
    QCOMPARE(Hex(pty.receber()), "0A C0 D0 01 00 6F 0F");
    link.reset();
    // Names are case-sensitive, and a name that is nowhere fails, leaving an unopened link.
    QVERIFY(!AbrirPorta(link, "TTYSIM1"));
    QVERIFY(link);
    QVERIFY(!link->aberto());
    QVERIFY(!EnviarComando(link.get(), cmdIdentificar));
    QVERIFY(!TestarPorta("ttyNaoExiste"));
    QVERIFY(FecharPorta(link));
    QVERIFY(!link);
  }

  // A port already held refuses a second opener: by the same path, through a symbolic link, and
  // from another process, both ways.
  void portaEmUsoNaoAbre() {
    PseudoTerminal pty;
    PublicarPorta("ttySIM1", pty.caminhoEscravo());
    SlotLink primeiro;
    QVERIFY(AbrirPorta(primeiro, pty.caminhoEscravo()));
    SlotLink segundo;
    QVERIFY(!AbrirPorta(segundo, pty.caminhoEscravo()));
    QVERIFY(segundo && !segundo->aberto());
    QVERIFY(!AbrirPorta(segundo, "ttySIM1"));
    QVERIFY(!TestarPorta("ttySIM1"));

    QProcess outro;
    outro.start(SEGURAR_PORTA, {"ttySIM1"});
    QVERIFY(outro.waitForReadyRead(10000));
    QCOMPARE(outro.readLine().trimmed(), "falhou");
    outro.closeWriteChannel();
    QVERIFY(outro.waitForFinished(10000));

    FecharPorta(primeiro);
    pty.receber();
    outro.start(SEGURAR_PORTA, {pty.caminhoEscravo()});
    QVERIFY(outro.waitForReadyRead(10000));
    QCOMPARE(outro.readLine().trimmed(), "aberta");
    QVERIFY(!TestarPorta("ttySIM1"));
    QVERIFY(!TestarPorta(pty.caminhoEscravo()));
    outro.closeWriteChannel();
    QVERIFY(outro.waitForFinished(10000));
    QVERIFY(TestarPorta("ttySIM1"));
  }

  // The device vanishes while the link waits for its bytes: the frames already sent still arrive,
  // then the receive fails at once instead of waiting out its timeout, and so does the next one.
  void dispositivoQueSome() {
    auto pty = std::make_unique<PseudoTerminal>();
    SlotLink link;
    QVERIFY(AbrirPorta(link, pty->caminhoEscravo()));
    pty->escrever(DeHex("0A 12 34 04 03 00 01 F4 BE 0F 0A 12 34"));
    std::thread fim([&pty] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      pty->fechar();
    });
    constexpr int kTimeout = 20000;
    TQuadro q{};
    QElapsedTimer relogio;
    relogio.start();
    const bool primeiro = ReceberQuadro(link.get(), q, kFuncaoAmostra, kTimeout);
    const bool segundo = ReceberQuadro(link.get(), q, kFuncaoAmostra, kTimeout);
    fim.join();
    QVERIFY(primeiro);
    QVERIFY(!segundo);
    QCOMPARE(link->transporte().ultimoErro(), int(QSerialPort::ResourceError));
    QVERIFY(!ReceberQuadro(link.get(), q, 0, kTimeout));
    QVERIFY(!EnviarComando(link.get(), cmdIdentificar));
    QVERIFY(FecharPorta(link));
    qInfo("vanished device noticed after %lld ms (byte timeout %d ms)", relogio.elapsed(),
          kTimeout);
    QVERIFY(relogio.elapsed() < kTimeout);
  }

  // The device goes while the program idles in its event loop with the link open: the link
  // must not keep the thread busy until someone reads from it.
  void dispositivoSomeEntreLeituras() {
    auto pty = std::make_unique<PseudoTerminal>();
    SlotLink link;
    QVERIFY(AbrirPorta(link, pty->caminhoEscravo()));
    pty->fechar();
    timespec antes{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &antes);
    QTest::qWait(500);
    timespec depois{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &depois);
    const double cpuMs =
        double(depois.tv_sec - antes.tv_sec) * 1e3 + double(depois.tv_nsec - antes.tv_nsec) * 1e-6;
    qInfo("thread CPU over 500 ms of idling: %.1f ms", cpuMs);
    // A busy loop would take nearly all of it.
    QVERIFY(cpuMs < 250);
    TQuadro q{};
    QVERIFY(!ReceberQuadro(link.get(), q, 0, 20000));
    QCOMPARE(link->transporte().ultimoErro(), int(QSerialPort::ResourceError));
  }

  void listarPortas() {
    PseudoTerminal a;
    PseudoTerminal b;
    PublicarPorta("ttySIM2", a.caminhoEscravo());
    PublicarPorta("ttySIM1", b.caminhoEscravo());
    PublicarPorta("ttySIM3", PastaPortasVirtuais() + "/sumiu");
    DefinirFontePortasDoSistema([] { return QStringList{"ttyUSB0", "ttyACM0", "ttyUSB0"}; });
    const QString texto = ListarPortasSeriais();
    QCOMPARE(PortasOrdenadas(texto), QStringList({"ttyACM0", "ttySIM1", "ttySIM2", "ttyUSB0"}));
    DefinirFontePortasDoSistema([] { return QStringList(); });
    QDir(PastaPortasVirtuais()).removeRecursively();
    QCOMPARE(ListarPortasSeriais(), QString());
  }

  void textoVirgulas_data() {
    QTest::addColumn<QStringList>("nomes");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("ordenados");
    QTest::newRow("vazio") << QStringList() << "" << QStringList();
    QTest::newRow("ordem de texto") << QStringList{"COM10", "COM2", "COM1"} << "COM10,COM2,COM1"
                                    << QStringList{"COM1", "COM10", "COM2"};
    QTest::newRow("sem distinguir caixa")
        << QStringList{"ttyUSB1", "TTYacm0", "ttyS0"} << "ttyUSB1,TTYacm0,ttyS0"
        << QStringList{"TTYacm0", "ttyS0", "ttyUSB1"};
    QTest::newRow("aspas") << QStringList{"porta um", "a,b", "diz \"x\"", "simples"}
                           << "\"porta um\",\"a,b\",\"diz \"\"x\"\"\",simples"
                           << QStringList{"a,b", "diz \"x\"", "porta um", "simples"};
  }
  void textoVirgulas() {
    QFETCH(QStringList, nomes);
    QFETCH(QString, texto);
    QFETCH(QStringList, ordenados);
    QCOMPARE(TextoVirgulas(nomes), texto);
    QCOMPARE(PortasOrdenadas(texto), ordenados);
  }

  void lerTextoVirgulas_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("ordenados");
    QTest::newRow("brancos separam") << " b a ,c" << QStringList{"a", "b", "c"};
    QTest::newRow("virgulas vazias") << ",,x,," << QStringList{"x"};
    QTest::newRow("aspas sem fim") << "\"a b" << QStringList{"a b"};
  }
  void lerTextoVirgulas() {
    QFETCH(QString, texto);
    QFETCH(QStringList, ordenados);
    QCOMPARE(PortasOrdenadas(texto), ordenados);
  }

  void portaSemHardware_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("resposta");
    QTest::newRow("PORT_UNKNOWN") << "0\n" << 0;
    QTest::newRow("16550A") << "4\n" << 1;
    QTest::newRow("sem atributo") << QString() << -1;
  }
  void portaSemHardware() {
    QFETCH(QString, tipo);
    QFETCH(int, resposta);
    const QString pasta = AmbienteDeTeste::casa() + "/ttyS9";
    QDir().mkpath(pasta);
    if (!tipo.isNull()) {
      QFile arquivo(pasta + "/type");
      QVERIFY(arquivo.open(QIODevice::WriteOnly));
      arquivo.write(tipo.toLatin1());
    }
    const auto tem = PortaTemHardwareNoSysfs(pasta);
    QCOMPARE(tem ? int(*tem) : -1, resposta);
  }
};

BRIVANA_TEST_MAIN(TstPortas)
#include "tst_portas.moc"
