// Shared utilities and the window-centring arithmetic.
#include <QtTest>

#include "app/CentralizarJanela.h"
#include "app/Pastas.h"
#include "app/untTiposFuncoes.h"
#include "support/AmbienteDeTeste.h"

class TstUtilitarios : public QObject {
  Q_OBJECT

 private slots:
  void numeroComZeros_data() {
    QTest::addColumn<double>("numero");
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("um digito") << 7.0 << 2 << 0 << "07";
    QTest::newRow("dois digitos") << 59.0 << 2 << 0 << "59";
    QTest::newRow("zero") << 0.0 << 2 << 0 << "00";
    QTest::newRow("mais largo corta a esquerda") << 125.0 << 2 << 0 << "25";
    QTest::newRow("decimais com virgula") << 3.5 << 5 << 1 << "003,5";
    QTest::newRow("agrupamento de milhar") << 1234.0 << 6 << 0 << "01.234";
  }
  void numeroComZeros() {
    QFETCH(double, numero);
    QFETCH(int, largura);
    QFETCH(int, decimais);
    QFETCH(QString, esperado);
    QCOMPARE(NumeroComZeros(numero, largura, decimais), esperado);
  }

  void nomeSemExtensao_data() {
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("unix") << "/home/a/Modelos/Salto.xltx"
                          << "Salto";
    QTest::newRow("windows") << "C:\\Modelos\\Relatorio.v2.xltm"
                             << "Relatorio.v2";
    QTest::newRow("sem extensao") << "/pasta.com/arquivo"
                                  << "arquivo";
    QTest::newRow("so nome") << "Modelo.xltx"
                             << "Modelo";
    QTest::newRow("unidade") << "C:Modelo.xltx"
                             << "Modelo";
  }
  void nomeSemExtensao() {
    QFETCH(QString, caminho);
    QFETCH(QString, esperado);
    QCOMPARE(NomeSemExtensao(caminho), esperado);
  }

  void lateralDoTexto_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("direita") << "Força 1 (N) - Direita"
                             << "Direita";
    QTest::newRow("esquerda") << "Força 2 (N) Esquerda"
                              << "Esquerda";
    QTest::newRow("unica") << "Plataforma Única"
                           << "Única";
    QTest::newRow("inativa") << "Inativa"
                             << "Inativa";
    QTest::newRow("ordem: direita antes de esquerda") << "Esquerda/Direita"
                                                      << "Direita";
    QTest::newRow("caixa conta") << "DIREITA"
                                 << "";
    QTest::newRow("sem lateral") << "Força 3 (N)"
                                 << "";
  }
  void lateralDoTexto() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(LateralDoTexto(texto), esperado);
  }

  void tituloComVersao() {
    QCOMPARE(TituloComVersao("Brivana", "1.0.3.1"), QString("Brivana [Versão: 1.0.3.1]"));
    QCOMPARE(TituloComVersao("Brivana", ""), QString("Brivana [Versão: ]"));
    QCOMPARE(VersaoDoPrograma().split('.').size(), 4);
  }

  void metadeArredondada_data() {
    QTest::addColumn<int>("comprimento");
    QTest::addColumn<int>("metade");
    QTest::newRow("par") << 812 << 406;
    QTest::newRow("meio para par abaixo") << 813 << 406;
    QTest::newRow("meio para par acima") << 815 << 408;
    QTest::newRow("um") << 1 << 0;
    QTest::newRow("tres") << 3 << 2;
    QTest::newRow("zero") << 0 << 0;
  }
  void metadeArredondada() {
    QFETCH(int, comprimento);
    QFETCH(int, metade);
    QCOMPARE(MetadeArredondada(comprimento), metade);
  }

  void posicaoCentralizada() {
    // Main frame 100,20 1281x801, toolbar 42, window 301x201:
    // left = 100 + 640 - 150 = 590; top = 20 + 42 + 400 - 100 = 362.
    QCOMPARE(PosicaoCentralizada(QRect(100, 20, 1281, 801), 42, QSize(301, 201)), QPoint(590, 362));
    QCOMPARE(PosicaoCentralizada(QRect(0, 0, 1280, 800), 42, QSize(1400, 900)), QPoint(-60, -8));
  }

  void pastasDoPrograma() {
    const Pastas p = MontarPastas("/opt/brivana/bin/");
    const QString casa = AmbienteDeTeste::casa();
    QCOMPARE(p.configuracao, casa + "/config/Marvoda/Brivana1/");
    QCOMPARE(p.arquivoConfiguracao, casa + "/config/Marvoda/Brivana1/brivana.conf");
    QCOMPARE(p.bancoDeDados, casa + "/config/Marvoda/Brivana1/brivana.db");
    QCOMPARE(p.dados, casa + "/Documents/Marvoda/Brivana1/");
    QCOMPARE(p.modelos, QString("/opt/brivana/bin/Modelos/"));
    QVERIFY(!QDir(p.configuracao).exists());
    QVERIFY(CriarPastaDeConfiguracao(p));
    QVERIFY(QDir(p.configuracao).exists());
    QVERIFY(!QDir(p.dados).exists());  // created by the exports and backups that need it
  }
};

BRIVANA_TEST_MAIN(TstUtilitarios)
#include "tst_utilitarios.moc"
