// The calibration model: conversion, calibration formulas, count rules and the measurement.
#include <QtTest>

#include "calibration/ModeloCalibracao.h"
#include "device/untProtocolo.h"
#include "support/AmbienteDeTeste.h"

namespace {

ParametrosPlataforma Plataforma(double semPeso, double idc, double tara) {
  ParametrosPlataforma p;
  p.SemPeso = semPeso;
  p.IDC = idc;
  p.Tara = tara;
  return p;
}

// A sample frame carrying the count, as the device answers a read.
QByteArray Amostra(std::uint32_t contagem) {
  TQuadro q{};
  const std::uint8_t bytes[] = {0x0A,
                                0xC0,
                                0xD0,
                                4,
                                3,
                                std::uint8_t(contagem >> 16),
                                std::uint8_t(contagem >> 8),
                                std::uint8_t(contagem)};
  std::copy(std::begin(bytes), std::end(bytes), q.begin());
  q[8] = CalcularChecksum(q);
  q[9] = 0x0F;
  return QByteArray(reinterpret_cast<const char*>(q.data()), 10);
}

// A device that answers every read command with the next of its counts (0: no answer).
class DispositivoRespondendo final : public TransporteSerial {
 public:
  explicit DispositivoRespondendo(QList<quint32> contagens) : contagens_(std::move(contagens)) {}
  bool abrir(const QString&) override { return true; }
  void fechar() override {}
  bool aberta() const override { return true; }
  bool escrever(const char* dados, qsizetype n) override {
    if (QByteArray(dados, n) == cmdLerAmostra && !contagens_.isEmpty()) {
      const quint32 c = contagens_.takeFirst();
      if (c != 0) pendentes_ += Amostra(c);
    }
    return true;
  }
  bool lerByte(unsigned char* byte, int) override {
    if (pendentes_.isEmpty()) return false;
    *byte = static_cast<unsigned char>(pendentes_[0]);
    pendentes_.remove(0, 1);
    return true;
  }
  bool limpar() override {
    pendentes_.clear();
    return true;
  }
  bool definirDTR(bool) override { return true; }
  int ultimoErro() const override { return 0; }

 private:
  QList<quint32> contagens_;
  QByteArray pendentes_;
};

}  // namespace

class TstModelo : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }

  void conversao_data() {
    QTest::addColumn<double>("semPeso");
    QTest::addColumn<double>("idc");
    QTest::addColumn<double>("tara");
    QTest::addColumn<double>("contagem");
    QTest::addColumn<double>("kg");
    QTest::newRow("sem tara") << 100.0 << 10.0 << 0.0 << 600.0 << 50.0;
    QTest::newRow("com tara") << 100.0 << 10.0 << 5.0 << 600.0 << 45.0;
    QTest::newRow("abaixo do zero") << 100.0 << 10.0 << 0.0 << 40.0 << -6.0;
    QTest::newRow("indice zero converte com 1") << 100.0 << 0.0 << 0.0 << 600.0 << 500.0;
  }
  void conversao() {
    QFETCH(double, semPeso);
    QFETCH(double, idc);
    QFETCH(double, tara);
    QFETCH(double, contagem);
    QFETCH(double, kg);
    const ParametrosPlataforma p = Plataforma(semPeso, idc, tara);
    QCOMPARE(CargaCorrigida(contagem, p), kg);
    QCOMPARE(ForcaNewtons(contagem, p), double(kg * 9.81L));
  }

  void calibracao() {
    QCOMPARE(IndiceDeCalibracao(100, 600, 50), 10.0);
    QCOMPARE(IndiceDeCalibracao(300, 300, 50), 1.0 / 50);     // equal means: 1 ÷ Carga
    QCOMPARE(TaraMedida(300, Plataforma(100, 10, 7)), 20.0);  // the old tare does not count
  }

  void indiceDigitado_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("indice");
    QTest::newRow("com virgula") << "2,5" << 2.5;
    QTest::newRow("zero") << "0" << 1.0;
    QTest::newRow("texto") << "abc" << 1.0;
    QTest::newRow("vazio") << "" << 1.0;
    QTest::newRow("com ponto") << "2.5" << 1.0;
  }
  void indiceDigitado() {
    QFETCH(QString, texto);
    QFETCH(double, indice);
    QCOMPARE(IndiceDigitado(texto), indice);
  }

  void limiteDeContagem() {
    QVERIFY(!ContagemValidaNaMedicao(16000000));
    QVERIFY(ContagemValidaNaMedicao(15999999));
    QVERIFY(ContagemValidaAoVivo(16000000));
    QVERIFY(!ContagemValidaAoVivo(16000001));
    QCOMPARE(ContagemNaColeta(16000001), 0u);
    QCOMPARE(ContagemNaColeta(16000000), 16000000u);
  }

  void medicao_data() {
    QTest::addColumn<int>("validas");   // readings answered before the bad one
    QTest::addColumn<quint32>("ruim");  // the count of the bad reading (0: none arrives)
    QTest::newRow("600 leituras") << 600 << 0u;
    QTest::newRow("falha na leitura 599") << 598 << 0u;
    QTest::newRow("16000000 interrompe") << 10 << 16000000u;
  }
  void medicao() {
    QFETCH(int, validas);
    QFETCH(quint32, ruim);
    QList<quint32> contagens;
    for (int i = 0; i < validas; ++i) contagens << (i % 2 ? 1000 : 1002);
    contagens << ruim;
    LinkSerial link(std::make_unique<DispositivoRespondendo>(contagens));
    int ultimoProgresso = 0;
    const auto media = MedirContagemMedia(&link, [&](int i) { ultimoProgresso = i; });
    if (validas == kLeiturasPorMedicao) {
      QVERIFY(media);
      QCOMPARE(*media, 1001.0);
    } else {
      QVERIFY(!media);
    }
    QCOMPARE(ultimoProgresso, validas);
  }
};

BRIVANA_TEST_MAIN(TstModelo)
#include "tst_modelo.moc"
