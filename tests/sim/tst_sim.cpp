// The device simulator, driven through its published ports as the program would drive them.
#include <QtTest>

#include <cmath>

#include "SimuladorEmTeste.h"
#include "support/AmbienteDeTeste.h"

namespace {

const QByteArray kIdentificar = QByteArray::fromHex("0AC0D001006F0F");
const QByteArray kIniciarColeta = QByteArray::fromHex("0AC0D003006D0F");
const QByteArray kEncerrarETP3 = QByteArray::fromHex("0AC0D006006A0F5450A1010003F5");
const QByteArray kLerAmostra = QByteArray::fromHex("0AC0D004006C0F");
constexpr double kGravidade = 9.81;

// Reads the code a port's device answers to an identification; -1 when nothing sensible came.
int Identificar(PortaEmTeste& porta) {
  if (!porta.escrever(kIdentificar)) return -1;
  const auto q = porta.lerQuadro();
  if (!q || !q->valido || q->funcao != 1 || q->dados.size() != 1) return -1;
  return quint8(q->dados[0]);
}

// The count a port's device answers to a read-one-sample; -1 when nothing sensible came.
int LerAmostra(PortaEmTeste& porta) {
  if (!porta.escrever(kLerAmostra)) return -1;
  const auto q = porta.lerQuadro();
  if (!q || !q->valido || q->funcao != 4) return -1;
  return q->contagem();
}

// Starts streaming on port 1 of a fresh simulator and returns the first n sample frames.
QList<QuadroLido> Transmitir(const QStringList& argumentos, int n) {
  SimuladorEmTeste sim;
  QList<QuadroLido> quadros;
  if (!sim.iniciar(argumentos)) return quadros;
  PortaEmTeste porta(SimuladorEmTeste::link(1));
  if (!porta.escrever(kIniciarColeta)) return quadros;
  const auto inicio = porta.lerQuadro();
  if (!inicio || inicio->funcao != 3) return quadros;
  while (quadros.size() < n) {
    const auto q = porta.lerQuadro();
    if (!q) break;
    quadros << *q;
  }
  return quadros;
}

}  // namespace

class TstSim : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }

  void identificacao_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("codigoPorta1");  // -1: no port
    QTest::addColumn<int>("codigoPorta2");
    QTest::newRow("padrao") << QStringList{} << 111 << 112;
    QTest::newRow("codigos de teste")
        << QStringList{"--codigo1", "201", "--codigo2", "202"} << 201 << 202;
    QTest::newRow("cabos trocados") << QStringList{"--trocar"} << 112 << 111;
    QTest::newRow("um dispositivo") << QStringList{"--dispositivos", "1"} << 111 << -1;
    QTest::newRow("um dispositivo trocado")
        << QStringList{"--dispositivos", "1", "--trocar"} << -1 << 111;
  }
  void identificacao() {
    QFETCH(QStringList, argumentos);
    QFETCH(int, codigoPorta1);
    QFETCH(int, codigoPorta2);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar(argumentos));
    const int codigos[] = {codigoPorta1, codigoPorta2};
    for (int porta = 1; porta <= 2; ++porta) {
      const QString link = SimuladorEmTeste::link(porta);
      const int esperado = codigos[porta - 1];
      if (esperado < 0) {
        QVERIFY(!QFileInfo(link).isSymLink());
        continue;
      }
      const QStringList anuncio =
          sim.esperarLinha(QStringLiteral("porta %1 ").arg(porta)).split(' ');
      QCOMPARE(anuncio.size(), 8);
      QCOMPARE(anuncio[2], QStringLiteral("ttySIM%1").arg(porta));
      QCOMPARE(QFileInfo(link).symLinkTarget(), anuncio[3]);
      QCOMPARE(anuncio[7].toInt(), esperado);
      // The program opens and closes its ports again and again; each time must work.
      for (int vez = 0; vez < 3; ++vez) {
        PortaEmTeste p(link);
        QVERIFY(p.aberta());
        QCOMPARE(Identificar(p), esperado);
      }
    }
    QVERIFY(sim.encerrar());
    QVERIFY(!QFileInfo(SimuladorEmTeste::link(1)).isSymLink());
    QVERIFY(!QFileInfo(SimuladorEmTeste::link(2)).isSymLink());
  }

  void respostas_data() {
    QTest::addColumn<QByteArray>("enviado");
    QTest::addColumn<QByteArray>("resposta");
    const auto hex = [](const char* texto) { return QByteArray::fromHex(texto); };
    QTest::newRow("identificar apos lixo")
        << hex("0102030AC0D001006F0F") << hex("0AC0D001016FFF0F");
    QTest::newRow("configurar modo 2")
        << hex("0AC0D002060100000258020B0F") << hex("0AC0D002006E0F");
    QTest::newRow("configurar sem os seis dados")
        << hex("0AC0D00201016C0F") << hex("0AC0D0F10108760F");
    QTest::newRow("ler amostra") << hex("0AC0D004006C0F") << hex("0AC0D00403020F58000F");
    QTest::newRow("funcao desconhecida") << hex("0AC0D00700690F") << hex("0AC0D0F10107770F");
    QTest::newRow("checksum errado") << hex("0AC0D001006E0F") << QByteArray();
    QTest::newRow("fim errado") << hex("0AC0D001006F0E") << QByteArray();
    QTest::newRow("encerrar e TP3") << kEncerrarETP3 << QByteArray();
  }
  void respostas() {
    QFETCH(QByteArray, enviado);
    QFETCH(QByteArray, resposta);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--eco", "--ruido", "0"}));
    PortaEmTeste porta(SimuladorEmTeste::link(1));
    QVERIFY(porta.escrever(enviado));
    QCOMPARE(porta.lerBytes(resposta.size() + 1, 300), resposta);
    QTRY_COMPARE(sim.recebidos(1), enviado);
    // Nothing that came before leaves the device unable to answer.
    QCOMPARE(Identificar(porta), 111);
  }

  void transmissao_data() {
    QTest::addColumn<QByteArray>("parada");  // empty: a purge of the port
    QTest::addColumn<int>("respostaDaParada");
    QTest::newRow("limpeza da porta") << QByteArray() << 0;
    QTest::newRow("encerrar") << kEncerrarETP3 << 0;
    QTest::newRow("identificar") << kIdentificar << 1;
  }
  void transmissao() {
    QFETCH(QByteArray, parada);
    QFETCH(int, respostaDaParada);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--ruido", "0"}));
    PortaEmTeste porta(SimuladorEmTeste::link(1));
    QElapsedTimer relogio;
    relogio.start();
    QVERIFY(porta.escrever(kIniciarColeta));
    const auto inicio = porta.lerQuadro();
    QVERIFY(inicio && inicio->valido);
    QCOMPARE(inicio->funcao, 3);

    int quadros = 0;
    while (relogio.elapsed() < 1000) {
      const auto q = porta.lerQuadro(500);
      QVERIFY(q && q->valido);
      QCOMPARE(q->funcao, 4);
      QCOMPARE(q->contagem(), 135000);
      ++quadros;
    }
    // Paced by absolute deadlines: never ahead of 600 per second, however slow the machine.
    QVERIFY2(quadros <= 600 * relogio.elapsed() / 1000 + 2, qPrintable(QString::number(quadros)));

    if (parada.isEmpty())
      porta.limpar();
    else
      QVERIFY(porta.escrever(parada));
    QVERIFY(!sim.esperarLinha("coleta 1 fim").isEmpty());
    if (respostaDaParada != 0) {
      std::optional<QuadroLido> q;
      while ((q = porta.lerQuadro()) && q->funcao == 4) {
      }
      QVERIFY(q && q->valido);
      QCOMPARE(q->funcao, respostaDaParada);
    }
    porta.limpar();
    QVERIFY(!porta.lerQuadro(300));
  }

  void salto_data() {
    QTest::addColumn<QString>("cenario");
    QTest::newRow("contramovimento") << "cmj";
    QTest::newRow("agachado") << "sj";
    QTest::newRow("em profundidade") << "dj";
  }
  void salto() {
    QFETCH(QString, cenario);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--cenario", cenario, "--taxa", "0"}));
    const QJsonObject verdade = sim.verdade();
    const double zero = verdade["zero"].toDouble();
    const double porKg = verdade["contagens_por_kg"].toDouble();
    const double decolagem = verdade["velocidade_decolagem_m_s"].toDouble();
    const double voo = verdade["tempo_voo_s"].toDouble();
    const int amostraDecolagem = int(std::lround(verdade["instante_decolagem_s"].toDouble() * 600));
    const int amostras = int((verdade["instante_aterrissagem_s"].toDouble() + 0.5) * 600);
    QVERIFY(decolagem > 1.5);
    QVERIFY(qFuzzyCompare(verdade["altura_salto_m"].toDouble(),
                          decolagem * decolagem / (2 * kGravidade)));
    QVERIFY(qFuzzyCompare(voo, 2 * decolagem / kGravidade));

    // Force of both platforms per sample, sample 0 being the first frame after the start.
    QList<double> forca(amostras + 1, 0.0);
    for (int porta = 1; porta <= 2; ++porta) {
      PortaEmTeste p(SimuladorEmTeste::link(porta));
      QVERIFY(p.escrever(kIniciarColeta));
      QCOMPARE(p.lerQuadro()->funcao, 3);
      for (int i = 0; i <= amostras; ++i) {
        const auto q = p.lerQuadro();
        QVERIFY(q && q->valido && q->funcao == 4);
        forca[i] += (q->contagem() - zero) / porKg * kGravidade;
      }
    }

    // As the program integrates: body mass from samples 1 to 600, trapezoid from rest. The drop
    // jump's platform is empty before the contact, so it starts there from the falling speed.
    double massa = 0.0;
    int primeira = 1;
    double velocidade = 0.0;
    if (cenario == "dj") {
      massa = verdade["massa_kg"].toDouble();
      primeira = int(std::lround(verdade["instante_contato_s"].toDouble() * 600));
      velocidade = -verdade["velocidade_contato_m_s"].toDouble();
    } else {
      for (int i = 1; i <= 600; ++i) massa += forca[i];
      massa /= 600 * kGravidade;
      QVERIFY(std::abs(massa - 70.0) < 0.1);
    }
    double anterior = cenario == "dj" ? forca[primeira] / massa - kGravidade : 0.0;
    for (int i = cenario == "dj" ? primeira + 1 : 1; i <= amostraDecolagem; ++i) {
      const double aceleracao = forca[i] / massa - kGravidade;
      velocidade += (anterior + aceleracao) / 2 / 600;
      anterior = aceleracao;
    }
    QVERIFY2(std::abs(velocidade - decolagem) < 0.02 * decolagem,
             qPrintable(QStringLiteral("%1 != %2").arg(velocidade).arg(decolagem)));

    // The platforms are empty from the take-off sample for the flight time.
    const double limiar = 0.05 * massa * kGravidade;
    QVERIFY(forca[amostraDecolagem] < limiar);
    QVERIFY(forca[amostraDecolagem - 30] > limiar);
    int aterrissagem = amostraDecolagem;
    while (aterrissagem < amostras && forca[aterrissagem] < limiar) ++aterrissagem;
    QVERIFY2(std::abs((aterrissagem - amostraDecolagem) / 600.0 - voo) < 0.01,
             qPrintable(QString::number(aterrissagem - amostraDecolagem)));
  }

  void falhas_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("verificacao");
    QTest::newRow("checksum errado") << QStringList{"--checksum-errado", "4"} << "checksum";
    QTest::newRow("lixo") << QStringList{"--lixo"} << "lixo";
    QTest::newRow("acima do limite") << QStringList{"--acima-do-limite"} << "limite";
    QTest::newRow("perder") << QStringList{"--perder", "3"} << "perder";
  }
  void falhas() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, verificacao);
    // A movement from the first sample, without noise: every count differs from the next.
    const QStringList base{"--taxa", "0", "--cenario", "cmj", "--inicio", "0", "--ruido", "0"};
    const QList<QuadroLido> quadros = Transmitir(base + argumentos, 40);
    QCOMPARE(quadros.size(), 40);
    for (qsizetype i = 0; i < quadros.size(); ++i) {
      const QuadroLido& q = quadros[i];
      QCOMPARE(q.funcao, 4);
      if (verificacao == "checksum") QCOMPARE(q.valido, (i + 1) % 4 != 0);
      if (verificacao != "checksum") QVERIFY(q.valido);
      if (verificacao == "lixo") QVERIFY(q.pulados > 0);
      if (verificacao == "limite") QVERIFY(q.contagem() > 16000000);
    }
    if (verificacao == "perder") {
      AmbienteDeTeste::novaCasa();
      const QList<QuadroLido> todos = Transmitir(base, 60);
      QCOMPARE(todos.size(), 60);
      QList<int> esperadas;
      for (qsizetype i = 0; i < todos.size() && esperadas.size() < 40; ++i)
        if ((i + 1) % 3 != 0) esperadas << todos[i].contagem();
      QList<int> contagens;
      for (const QuadroLido& q : quadros) contagens << q.contagem();
      QCOMPARE(contagens, esperadas);
    }
  }

  // Zero 100000 and 1000 counts per kg, without noise.
  void cargaPorComando_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QStringList>("comandos");
    // Read-one-sample counts of port 1 and port 2, before the commands and after each one.
    QTest::addColumn<QList<int>>("porta1");
    QTest::addColumn<QList<int>>("porta2");  // empty: no port 2
    QTest::newRow("vazio") << QStringList{"--cenario", "vazio"}
                           << QStringList{"carga 1 50", "carga 2 20", "carga 1 vazio"}
                           << QList<int>{100000, 150000, 150000, 100000}
                           << QList<int>{100000, 100000, 120000, 120000};
    QTest::newRow("de volta ao cenario")
        << QStringList{"--cenario", "quieto"} << QStringList{"carga 1 50", "carga 2 0", "cenario"}
        << QList<int>{135000, 150000, 150000, 135000} << QList<int>{135000, 135000, 100000, 135000};
    QTest::newRow("cabos trocados: o dispositivo, nao a porta")
        << QStringList{"--cenario", "vazio", "--trocar"} << QStringList{"carga 2 20.5"}
        << QList<int>{100000, 120500} << QList<int>{100000, 100000};
    QTest::newRow("um dispositivo")
        << QStringList{"--dispositivos", "1"} << QStringList{"carga 1 5"}
        << QList<int>{170000, 105000} << QList<int>{};
  }
  void cargaPorComando() {
    QFETCH(QStringList, argumentos);
    QFETCH(QStringList, comandos);
    QFETCH(QList<int>, porta1);
    QFETCH(QList<int>, porta2);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar(argumentos + QStringList{"--ruido", "0"}));
    PortaEmTeste p1(SimuladorEmTeste::link(1));
    PortaEmTeste p2(SimuladorEmTeste::link(2));
    for (qsizetype passo = 0; passo <= comandos.size(); ++passo) {
      if (passo > 0) QCOMPARE(sim.comandar(comandos[passo - 1]), QStringLiteral("ok"));
      QCOMPARE(LerAmostra(p1), porta1[passo]);
      if (!porta2.isEmpty()) QCOMPARE(LerAmostra(p2), porta2[passo]);
    }
    // Streaming carries the load the commands left.
    QVERIFY(p1.escrever(kIniciarColeta));
    QCOMPARE(p1.lerQuadro()->funcao, 3);
    QCOMPARE(p1.lerQuadro()->contagem(), porta1.last());
  }

  void cargaDuranteATransmissao() {
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--cenario", "vazio", "--ruido", "0"}));
    PortaEmTeste porta(SimuladorEmTeste::link(1));
    QVERIFY(porta.escrever(kIniciarColeta));
    QCOMPARE(porta.lerQuadro()->funcao, 3);
    QCOMPARE(porta.lerQuadro()->contagem(), 100000);
    QCOMPARE(sim.comandar("carga 1 50"), QStringLiteral("ok"));
    // Frames already on their way keep the old load; from the first new one on, all are new.
    std::optional<QuadroLido> q;
    for (int i = 0; i < 600 && (q = porta.lerQuadro()) && q->contagem() == 100000; ++i) {
    }
    for (int i = 0; i < 30; ++i) {
      QVERIFY(q && q->valido);
      QCOMPARE(q->contagem(), 150000);
      q = porta.lerQuadro();
    }
  }

  void comandoInvalido_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("linha");
    const QStringList vazio{"--cenario", "vazio", "--ruido", "0"};
    QTest::newRow("dispositivo 3") << vazio << "carga 3 10";
    QTest::newRow("dispositivo ausente")
        << vazio + QStringList{"--dispositivos", "1"} << "carga 2 10";
    QTest::newRow("sem carga") << vazio << "carga 1";
    QTest::newRow("carga negativa") << vazio << "carga 1 -5";
    QTest::newRow("carga infinita") << vazio << "carga 1 inf";
    QTest::newRow("carga por extenso") << vazio << "carga 1 dez";
    QTest::newRow("palavra a mais") << vazio << "carga 1 10 kg";
    QTest::newRow("cenario com argumento") << vazio << "cenario quieto";
    QTest::newRow("comando desconhecido") << vazio << "pesar 1 10";
    QTest::newRow("falhar a leitura zero") << vazio << "falhar 1 0";
  }
  void comandoInvalido() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, linha);
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar(argumentos));
    PortaEmTeste porta(SimuladorEmTeste::link(1));
    QCOMPARE(sim.comandar(linha), QStringLiteral("erro"));
    QCOMPARE(LerAmostra(porta), 100000);
    // It carries on, and the end of its input neither stops it nor undoes a load.
    QCOMPARE(sim.comandar("carga 1 50"), QStringLiteral("ok"));
    sim.fecharEntrada();
    QCOMPARE(LerAmostra(porta), 150000);
    QCOMPARE(Identificar(porta), 111);
    QVERIFY(sim.encerrar());
  }

  void silencio() {
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--silencio", "--eco"}));
    PortaEmTeste porta(SimuladorEmTeste::link(1));
    QVERIFY(porta.escrever(kIdentificar + kIniciarColeta));
    QVERIFY(!porta.lerQuadro(500));
    QTRY_COMPARE(sim.recebidos(1), kIdentificar + kIniciarColeta);
  }

  void sumirApos() {
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--sumir-apos", "0.3"}));
    PortaEmTeste porta1(SimuladorEmTeste::link(1));
    PortaEmTeste porta2(SimuladorEmTeste::link(2));
    QVERIFY(porta1.escrever(kIniciarColeta));
    QCOMPARE(porta1.lerQuadro()->funcao, 3);
    QVERIFY(!sim.esperarLinha("sumiu 1").isEmpty());
    QVERIFY(porta1.esperarDesligamento(5000));
    QVERIFY(!QFileInfo(SimuladorEmTeste::link(1)).isSymLink());
    // The other device never streamed, so it stays.
    QCOMPARE(Identificar(porta2), 112);
    QVERIFY(sim.encerrar());
  }

  void bruto() {
    SimuladorEmTeste sim;
    QVERIFY(sim.iniciar({"--bruto", "--trocar"}));
    PortaEmTeste porta1(SimuladorEmTeste::link(1));
    PortaEmTeste porta2(SimuladorEmTeste::link(2));
    // Device 1 sits on port 2 behind swapped cables.
    QVERIFY(sim.escreverEntrada("0A C0 D0 01 01 6F 70 0F\n2: 01 02 03\n1:0a0b\n"));
    QCOMPARE(porta2.lerBytes(10), QByteArray::fromHex("0AC0D001016F700F0A0B"));
    QCOMPARE(porta1.lerBytes(3), QByteArray::fromHex("010203"));

    // No protocol: a command is reported, not answered.
    QVERIFY(porta2.escrever(kIdentificar.left(3)));
    QVERIFY(porta2.escrever(kIdentificar.mid(3)));
    QVERIFY(porta1.escrever(kEncerrarETP3));
    QTRY_COMPARE(sim.recebidos(1), kIdentificar);
    QTRY_COMPARE(sim.recebidos(2), kEncerrarETP3);
    QVERIFY(porta2.lerBytes(1, 300).isEmpty());
  }
};

BRIVANA_TEST_MAIN(TstSim)
#include "tst_sim.moc"
