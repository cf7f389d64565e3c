// Frames and link operations, byte for byte, with the test playing the device on a
// pseudo-terminal.
#include <QtTest>

#include <memory>

#include "PseudoTerminal.h"
#include "device/TransporteMemoria.h"
#include "device/untProtocolo.h"
#include "support/AmbienteDeTeste.h"

namespace {

// A frame as the device would send it, checksum worked out here rather than by the code under
// test.
QByteArray Quadro(std::uint8_t funcao, const QByteArray& dados) {
  QByteArray q;
  q.append(char(0x0A)).append(char(0xC0)).append(char(0xD0)).append(char(funcao));
  q.append(char(dados.size())).append(dados);
  unsigned soma = 0;
  for (qsizetype i = 1; i < q.size(); ++i) {
    soma += static_cast<unsigned char>(q[i]);
  }
  q.append(char((256 - soma % 256) % 256)).append(char(0x0F));
  return q;
}

// A frame buffer followed by guard bytes that a write past its end would change.
struct QuadroGuardado {
  TQuadro quadro;
  std::array<std::uint8_t, 160> guarda;
  QuadroGuardado() {
    quadro.fill(0x77);
    guarda.fill(0xCC);
  }
  bool guardaIntacta() const {
    return std::all_of(guarda.begin(), guarda.end(), [](std::uint8_t b) { return b == 0xCC; });
  }
};

const QByteArray kInventado = DeHex("0A 12 34 04 03 00 01 F4 BE 0F");
const QByteArray kSeguinte = DeHex("0A C0 D0 01 01 6F FF 0F");

}  // namespace

class TstProtocolo : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    pty_ = std::make_unique<PseudoTerminal>();
    QVERIFY(pty_->valido());
    QVERIFY(AbrirPorta(link_, pty_->caminhoEscravo()));
  }
  void cleanup() {
    link_.reset();
    pty_.reset();
  }

  void checksumDosComandos_data() {
    QTest::addColumn<QByteArray>("quadro");
    QTest::newRow("cmdIdentificar, comprimento 0") << cmdIdentificar;
    QTest::newRow("cmdIniciarColeta") << cmdIniciarColeta;
    QTest::newRow("cmdLerAmostra") << cmdLerAmostra;
    QTest::newRow("cmdEncerrar") << cmdEncerrar;
    QTest::newRow("inventado") << kInventado;
  }
  void checksumDosComandos() {
    QFETCH(QByteArray, quadro);
    TQuadro q{};
    std::copy(quadro.begin(), quadro.end(), q.begin());
    QCOMPARE(int(CalcularChecksum(q)), int(static_cast<unsigned char>(quadro[quadro.size() - 2])));
  }

  void comandosGuardados() {
    QCOMPARE(Hex(cmdIdentificar), "0A C0 D0 01 00 6F 0F");
    QCOMPARE(Hex(cmdIniciarColeta), "0A C0 D0 03 00 6D 0F");
    QCOMPARE(Hex(cmdLerAmostra), "0A C0 D0 04 00 6C 0F");
    QCOMPARE(Hex(cmdEncerrar), "0A C0 D0 06 00 6A 0F");
    QCOMPARE(Hex(cmdTP3), "54 50 A1 01 00 03 F5");
  }

  void checksumNaoPassaDoQuadro() {
    // Heap-allocated to its exact size, so a sanitizer build sees any read past it.
    auto q = std::make_unique<TQuadro>();
    q->fill(1);
    (*q)[4] = 255;
    QCOMPARE(int(CalcularChecksum(*q)), (256 - (255 + 103) % 256) % 256);
  }

  void contagemEQuadroLimpo() {
    TQuadro q{};
    std::copy(kInventado.begin(), kInventado.end(), q.begin());
    QCOMPARE(ContagemDoQuadro(q), 500u);
    q[5] = q[6] = q[7] = 0xFF;
    QCOMPARE(ContagemDoQuadro(q), 16777215u);
    q.fill(0xAB);
    LimparQuadro(q);
    QVERIFY(std::all_of(q.begin(), q.begin() + 55, [](std::uint8_t b) { return b == 0; }));
    QVERIFY(std::all_of(q.begin() + 55, q.end(), [](std::uint8_t b) { return b == 0xAB; }));
  }

  void textoErroQuadro_data() {
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("0") << 0 << "000 - Nenhum";
    QTest::newRow("1") << 1 << "001 - Erro de Timeout";
    QTest::newRow("2") << 2 << "002 - Erro de Checksum";
    QTest::newRow("3") << 3 << "003 - Nenhum Dispositivo enderecadodo";
    QTest::newRow("4") << 4 << "004 - Endereco Invalido de Dispositivo";
    QTest::newRow("5") << 5 << "005 - Falha no Dispositivo";
    QTest::newRow("6") << 6 << "006 - Falha na configuracao do Dispositivo";
    QTest::newRow("7") << 7 << "007 - Funcao Invalida";
    QTest::newRow("8") << 8 << "008 - Dados Invalidos";
    QTest::newRow("9") << 9 << "009 - Inicio da Mensagem nao encontrado";
    QTest::newRow("10") << 10 << "010 - Fim da Mensagem nao encontrado";
    QTest::newRow("11") << 11 << "";
    QTest::newRow("-1") << -1 << "";
  }
  void textoErroQuadro() {
    QFETCH(int, codigo);
    QFETCH(QString, texto);
    QCOMPARE(TextoErroQuadro(codigo), texto);
  }

  void semLink() {
    TQuadro q{};
    SlotLink vazio;
    QVERIFY(!EnviarComando(vazio.get(), cmdIdentificar));
    QVERIFY(!EnviarQuadro(vazio.get(), q, 7));
    QVERIFY(!ReceberQuadro(vazio.get(), q, 0, 10));
    QVERIFY(!LimparPorta(vazio.get()));
    QVERIFY(!PrepararRapido(vazio.get()));
    QCOMPARE(IdentificarDispositivo(vazio.get(), 10, true), kNenhumDispositivo);
    QVERIFY(!ConfigurarPlataforma(vazio, vazio, 0, kModoColetar));
    QVERIFY(FecharPorta(vazio));
    QVERIFY(!vazio);
  }

  // Every received frame is followed by a valid one, which must come through intact: the
  // receive takes nothing past the end of a frame, and resynchronises after a refused one.
  void receberQuadro_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("funcaoEsperada");
    QTest::addColumn<bool>("aceito");
    QTest::addColumn<int>("contagem");
    const QByteArray erro5 = Quadro(0xF5, DeHex("05"));
    const QByteArray erro0 = Quadro(0xF5, DeHex("00"));
    QByteArray trocado = kInventado;
    trocado[8] = char(0xBF);
    QByteArray semFim = kInventado;
    semFim[9] = char(0x0E);
    QTest::newRow("inventado, funcao 4") << kInventado << 4 << true << 500;
    QTest::newRow("inventado, qualquer funcao") << kInventado << 0 << true << 500;
    QTest::newRow("inventado, funcao 1") << kInventado << 1 << false << -1;
    QTest::newRow("lixo antes") << DeHex("01 02 03") + kInventado << 4 << true << 500;
    QTest::newRow("checksum trocado") << trocado << 4 << false << -1;
    QTest::newRow("fim trocado") << semFim << 4 << false << -1;
    QTest::newRow("erro 5 esperando 4") << erro5 << 4 << false << -1;
    QTest::newRow("erro 5 esperando 0") << erro5 << 0 << true << -1;
    QTest::newRow("erro 0 esperando 4") << erro0 << 4 << true << -1;
    QTest::newRow("erro 0 esperando 0") << erro0 << 0 << true << -1;
    QTest::newRow("comprimento 0") << Quadro(1, {}) << 1 << true << -1;
    QTest::newRow("comprimento 98")
        << Quadro(4, QByteArray(98, char(0x33))) << 4 << true << 0x333333;
    for (int comprimento : {99, 254, 255}) {
      QByteArray grande = DeHex("0A C0 D0 04");
      grande.append(char(comprimento)).append(QByteArray(comprimento + 2, char(0x55)));
      QTest::addRow("comprimento %d", comprimento) << grande << 4 << false << -1;
    }
  }
  void receberQuadro() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, funcaoEsperada);
    QFETCH(bool, aceito);
    QFETCH(int, contagem);
    pty_->escrever(bytes + kSeguinte);
    auto guardado = std::make_unique<QuadroGuardado>();
    QCOMPARE(ReceberQuadro(link_.get(), guardado->quadro, std::uint8_t(funcaoEsperada), 1000),
             aceito);
    QVERIFY(guardado->guardaIntacta());
    if (contagem >= 0) {
      QCOMPARE(ContagemDoQuadro(guardado->quadro), std::uint32_t(contagem));
    }
    TQuadro seguinte{};
    QVERIFY(ReceberQuadro(link_.get(), seguinte, kFuncaoIdentificar, 1000));
    QCOMPARE(int(seguinte[5]), 0x6F);
  }

  // The timeout applies to each byte: a silent device costs one timeout, a frame cut short one
  // per missing byte, its missing bytes reading as 0.
  void receberComBytesFaltando_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("faltando");
    QTest::newRow("nada chega") << QByteArray() << 1;
    QTest::newRow("cabecalho cortado") << DeHex("0A 12") << 3;
    QTest::newRow("dados cortados") << kInventado.left(6) << 4;
    QTest::newRow("sem o byte de fim") << kInventado.left(9) << 1;
  }
  void receberComBytesFaltando() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, faltando);
    constexpr int kTimeout = 150;
    pty_->escrever(bytes);
    TQuadro q{};
    QElapsedTimer relogio;
    relogio.start();
    QVERIFY(!ReceberQuadro(link_.get(), q, 0, kTimeout));
    const qint64 gasto = relogio.elapsed();
    qInfo("%d bytes missing: %lld ms at %d ms per byte", faltando, gasto, kTimeout);
    // Guards against a hang only; the figure above is the measurement.
    QVERIFY(gasto < (faltando + 1) * kTimeout + 5000);
    for (qsizetype i = bytes.size(); i < 10; ++i) {
      QCOMPARE(int(q[std::size_t(i)]), 0);
    }
  }

  void enviarComando() {
    QVERIFY(EnviarComando(link_.get(), cmdIdentificar));
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 01 00 6F 0F");
    TQuadro q = QuadroConfigurar(kModoColetar);
    QVERIFY(EnviarQuadro(link_.get(), q, 5));
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 02 06");
  }

  void configurarPlataforma_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("enviado");
    QTest::newRow("zerar") << 0 << "0A C0 D0 02 06 01 00 00 02 58 00 0D 0F";
    QTest::newRow("calibrar") << 2 << "0A C0 D0 02 06 01 00 00 02 58 02 0B 0F";
    QTest::newRow("coletar") << 3 << "0A C0 D0 02 06 01 00 00 02 58 03 0A 0F";
  }
  void configurarPlataforma() {
    QFETCH(int, modo);
    QFETCH(QString, enviado);
    SlotLink p2;
    pty_->escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    QVERIFY(ConfigurarPlataforma(link_, p2, 1, std::uint8_t(modo)));
    QCOMPARE(Hex(pty_->receber()), enviado);
    // Platform 2 has no link: alone it fails, and with both selected the pair fails.
    QVERIFY(!ConfigurarPlataforma(link_, p2, 2, std::uint8_t(modo)));
    pty_->escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    QVERIFY(!ConfigurarPlataforma(link_, p2, 0, std::uint8_t(modo)));
    QCOMPARE(Hex(pty_->receber()), enviado);
  }

  void configurarDuasPlataformas() {
    PseudoTerminal outro;
    SlotLink p2;
    QVERIFY(AbrirPorta(p2, outro.caminhoEscravo()));
    pty_->escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    outro.escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    QVERIFY(ConfigurarPlataforma(link_, p2, 0, kModoColetar));
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 02 06 01 00 00 02 58 03 0A 0F");
    QCOMPARE(Hex(outro.receber()), "0A C0 D0 02 06 01 00 00 02 58 03 0A 0F");
    // Platform 2 silent, or answering with another function: the pair fails, platform 1 alone
    // still succeeds.
    pty_->escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    outro.escrever(Quadro(kFuncaoAmostra, DeHex("00 00 01")));
    QVERIFY(!ConfigurarPlataforma(link_, p2, 0, kModoZerar));
    pty_->escrever(Quadro(kFuncaoConfigurar, DeHex("00")));
    QVERIFY(ConfigurarPlataforma(link_, p2, 1, kModoZerar));
  }

  void fecharPorta() {
    QVERIFY(FecharPorta(link_));
    QVERIFY(!link_);
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 06 00 6A 0F 54 50 A1 01 00 03 F5");
    QVERIFY(FecharPorta(link_));
    QCOMPARE(pty_->receber(), QByteArray());
  }

  void identificar_data() {
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("aceitarAntigos");
    QTest::addColumn<int>("dispositivo");
    QTest::newRow("111") << 111 << false << 1;
    QTest::newRow("112") << 112 << false << 2;
    QTest::newRow("201 aceito") << 201 << true << 1;
    QTest::newRow("202 aceito") << 202 << true << 2;
    QTest::newRow("201 recusado") << 201 << false << 0;
    QTest::newRow("202 recusado") << 202 << false << 0;
    QTest::newRow("113") << 113 << true << 0;
    QTest::newRow("0") << 0 << true << 0;
  }
  void identificar() {
    QFETCH(int, codigo);
    QFETCH(bool, aceitarAntigos);
    QFETCH(int, dispositivo);
    QCOMPARE(int(DispositivoDoCodigo(std::uint8_t(codigo), aceitarAntigos)), dispositivo);
    pty_->escrever(Quadro(kFuncaoIdentificar, QByteArray(1, char(codigo))));
    QCOMPARE(int(IdentificarDispositivo(link_.get(), 500, aceitarAntigos)), dispositivo);
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 01 00 6F 0F");
  }

  void identificarSemResposta() {
    QCOMPARE(IdentificarDispositivo(link_.get(), 100, true), kNenhumDispositivo);
    // An error reply with code 0 passes the receive but names no device.
    pty_->escrever(Quadro(0xF5, DeHex("00")));
    QCOMPARE(IdentificarDispositivo(link_.get(), 500, true), kNenhumDispositivo);
  }

  void sistemaRecusaCodigosAntigos() {
#ifndef Q_OS_WIN
    QVERIFY(SistemaRecusaCodigosAntigos());
#endif
  }

  // The purge also drops bytes the link had already read ahead.
  void limparDescartaOQueFoiLidoAdiante() {
    pty_->escrever(kInventado + kInventado);
    TQuadro q{};
    QVERIFY(ReceberQuadro(link_.get(), q, kFuncaoAmostra, 1000));
    QVERIFY(LimparPorta(link_.get()));
    QVERIFY(!ReceberQuadro(link_.get(), q, 0, 100));
    pty_->escrever(DeHex("0A 0A 0A"));
    QVERIFY(PrepararRapido(link_.get()));
    QVERIFY(!ReceberQuadro(link_.get(), q, 0, 100));
    pty_->escrever(kSeguinte);
    QVERIFY(ReceberQuadro(link_.get(), q, kFuncaoIdentificar, 1000));
  }

  // A pseudo-terminal has no DTR line: the errors are ignored and leave nothing behind that
  // would fail the next exchange.
  void dtrSemLinhaNaoAtrapalha() {
    QVERIFY(link_->aberto());
    DefinirDTR(link_.get(), false);
    PrepararSondagem(link_.get());
    QVERIFY(EnviarComando(link_.get(), cmdLerAmostra));
    QCOMPARE(Hex(pty_->receber()), "0A C0 D0 04 00 6C 0F");
    DefinirDTR(link_.get(), true);
    pty_->escrever(Quadro(kFuncaoIdentificar, DeHex("70")));
    QCOMPARE(IdentificarDispositivo(link_.get(), 500, false), kDispositivo2);
  }

  // The in-memory transport the fuzzer uses: the same receive rules, no waiting.
  void transporteEmMemoria() {
    auto memoria = std::make_unique<TransporteMemoria>(DeHex("01") + kInventado + kSeguinte);
    TransporteMemoria* bruto = memoria.get();
    LinkSerial link(std::move(memoria));
    TQuadro q{};
    QVERIFY(ReceberQuadro(&link, q, kFuncaoAmostra, 1000));
    QCOMPARE(bruto->consumidos(), 11);
    QVERIFY(EnviarComando(&link, cmdIdentificar));
    QCOMPARE(bruto->escritos(), cmdIdentificar);
    QVERIFY(PrepararRapido(&link));
    QCOMPARE(bruto->historicoDTR(), QList<bool>({false, true}));
    QVERIFY(!ReceberQuadro(&link, q, 0, 1000));
  }

  // A device spewing bytes with no start byte among them cannot hold the program forever.
  void lixoSemFimNaoPrende_data() {
    QTest::addColumn<int>("lixo");
    QTest::addColumn<bool>("recebe");
    QTest::newRow("pouco lixo") << 100 << true;
    QTest::newRow("uma fila inteira") << kMaximoDescartados << true;
    QTest::newRow("mais que uma fila") << kMaximoDescartados + 1 << false;
  }
  void lixoSemFimNaoPrende() {
    QFETCH(int, lixo);
    QFETCH(bool, recebe);
    LinkSerial link(std::make_unique<TransporteMemoria>(QByteArray(lixo, '\x55') + kInventado));
    TQuadro q{};
    QCOMPARE(ReceberQuadro(&link, q, kFuncaoAmostra, 1000), recebe);
  }

 private:
  std::unique_ptr<PseudoTerminal> pty_;
  SlotLink link_;
};

BRIVANA_TEST_MAIN(TstProtocolo)
#include "tst_protocolo.moc"
