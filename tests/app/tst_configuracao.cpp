// The settings file, the in-memory platform settings and the kept set-up choices.
#include <QtTest>

#include <sys/resource.h>
#include <csignal>

#include "app/ArquivoConfiguracao.h"
#include "app/ChavesConfiguracao.h"
#include "app/EscolhasAmostragem.h"
#include "app/ParametrosPlataformas.h"
#include "support/AmbienteDeTeste.h"

namespace {

QString Caminho() {
  return AmbienteDeTeste::casa() + "/brivana.conf";
}

void Escrever(const QByteArray& bytes) {
  QFile f(Caminho());
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray Ler() {
  QFile f(Caminho());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TstConfiguracao : public QObject {
  Q_OBJECT

 private slots:
  void init() { AmbienteDeTeste::novaCasa(); }

  void leituraDeValores_data() {
    QTest::addColumn<QByteArray>("linha");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QVariant>("esperado");
    QTest::newRow("decimal com virgula") << QByteArray("IDCP1=2,5") << "idc" << QVariant(2.5);
    QTest::newRow("decimal com ponto vale o padrao")
        << QByteArray("IDCP1=2.5") << "idc" << QVariant(1.0);
    QTest::newRow("milhar com ponto vale o padrao")
        << QByteArray("IDCP1=1.000,5") << "idc" << QVariant(1.0);
    QTest::newRow("decimal negativo") << QByteArray("IDCP1=-12,250") << "idc" << QVariant(-12.25);
    QTest::newRow("decimal com espacos") << QByteArray("IDCP1 =  3,000 ") << "idc" << QVariant(3.0);
    QTest::newRow("decimal vazio") << QByteArray("IDCP1=") << "idc" << QVariant(1.0);
    QTest::newRow("decimal texto") << QByteArray("IDCP1=abc") << "idc" << QVariant(1.0);
    QTest::newRow("decimal infinito") << QByteArray("IDCP1=inf") << "idc" << QVariant(1.0);
    QTest::newRow("booleano 7") << QByteArray("P2Ativa=7") << "p2" << QVariant(true);
    QTest::newRow("booleano -1") << QByteArray("P2Ativa=-1") << "p2" << QVariant(true);
    QTest::newRow("booleano 0") << QByteArray("P2Ativa=0") << "p2" << QVariant(false);
    QTest::newRow("booleano texto") << QByteArray("P2Ativa=sim") << "p2" << QVariant(false);
    QTest::newRow("chave sem distinguir caixa")
        << QByteArray("p2ativa=1") << "p2" << QVariant(true);
    QTest::newRow("contador acima de 255")
        << QByteArray("BackupCont=300") << "backup" << QVariant(255);
    QTest::newRow("contador negativo") << QByteArray("BackupCont=-4") << "backup" << QVariant(0);
    QTest::newRow("contador") << QByteArray("BackupCont=12") << "backup" << QVariant(12);
  }
  void leituraDeValores() {
    QFETCH(QByteArray, linha);
    QFETCH(QString, tipo);
    QFETCH(QVariant, esperado);
    Escrever("[Parametros]\r\n" + linha + "\r\n");
    ParametrosPlataformas p;
    LerParametrosInicio(ArquivoConfiguracao(Caminho()), &p);
    if (tipo == "idc") QCOMPARE(p.plataforma(1).IDC, esperado.toDouble());
    if (tipo == "p2") QCOMPARE(p.plataforma(2).Ativa, esperado.toBool());
    if (tipo == "backup") QCOMPARE(int(p.BackupCont), esperado.toInt());
  }

  void padroesDasChaves_data() {
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QVariant>("padrao");
    QTest::newRow("P1Ativa") << "P1Ativa" << QVariant(true);
    QTest::newRow("P2Ativa") << "P2Ativa" << QVariant(false);
    QTest::newRow("IDCP2") << "IDCP2" << QVariant(1.0);
    QTest::newRow("CargaP1") << "CargaP1" << QVariant(0.0);
    QTest::newRow("btTaraP2") << "btTaraP2" << QVariant("Tara");
    QTest::newRow("LateralP1") << "LateralP1" << QVariant("Única");
    QTest::newRow("LateralP2") << "LateralP2" << QVariant("Inativa");
    QTest::newRow("UltimaLateralP1") << "UltimaLateralP1" << QVariant("Direita");
    QTest::newRow("UltimaLateralP2") << "UltimaLateralP2" << QVariant("Esquerda");
    QTest::newRow("SinalSonoroMC") << "SinalSonoroMC" << QVariant(true);
    QTest::newRow("DuracaoTotalTempo") << "DuracaoTotalTempo" << QVariant(5);
    QTest::newRow("TempoRegressivo") << "TempoRegressivo" << QVariant(true);
    QTest::newRow("GraficoForca3N") << "GraficoForca3N" << QVariant(true);
    QTest::newRow("GraficoForca3kgf") << "GraficoForca3kgf" << QVariant(false);
    QTest::newRow("GraficoGravidade") << "GraficoGravidade" << QVariant(false);
  }
  void padroesDasChaves() {
    QFETCH(QString, chave);
    QFETCH(QVariant, padrao);
    const ArquivoConfiguracao a(Caminho());  // no file: every key takes its default
    switch (padrao.typeId()) {
      case QMetaType::Bool:
        QCOMPARE(a.lerBooleano(chave), padrao.toBool());
        break;
      case QMetaType::Int:
        QCOMPARE(a.lerInteiro(chave), padrao.toInt());
        break;
      case QMetaType::Double:
        QCOMPARE(a.lerDecimal(chave), padrao.toDouble());
        break;
      default:
        QCOMPARE(a.lerTexto(chave), padrao.toString());
    }
  }

  void tabelaDeChavesCoerente() {
    QSet<QString> nomes;
    for (const ChaveConfiguracao& c : ChavesConfiguracao()) {
      const QString nome = QString::fromUtf16(c.nome);
      QVERIFY2(!nomes.contains(nome.toLower()), qPrintable(nome));
      nomes.insert(nome.toLower());
      QCOMPARE(ProcurarChave(nome.toUpper()), &c);
      const QString padrao = QString::fromUtf16(c.padrao);
      int inteiro = 0;
      double decimal = 0;
      if (c.tipo == TipoChave::Booleano || c.tipo == TipoChave::Inteiro)
        QVERIFY2(TextoParaInteiro(padrao, &inteiro), qPrintable(nome));
      if (c.tipo == TipoChave::Decimal)
        QVERIFY2(TextoParaDecimal(padrao, &decimal), qPrintable(nome));
    }
    QCOMPARE(nomes.size(), 49);
    QVERIFY(!ProcurarChave(u"NaoExiste"));
  }

  void chaveForaDaSecaoNaoConta() {
    Escrever("[Outra]\nP2Ativa=1\n[Parametros]\nP1Ativa=0\n");
    const ArquivoConfiguracao a(Caminho());
    QCOMPARE(a.lerBooleano("P2Ativa", false), false);
    QCOMPARE(a.lerBooleano("P1Ativa", true), false);
  }

  void arquivoAusenteDaOsPadroesDepoisDaRecarga() {
    ParametrosPlataformas p;
    const ArquivoConfiguracao a(Caminho());
    LerParametrosInicio(a, &p);
    QVERIFY(p.plataforma(1).Lateral.isEmpty());  // sides wait for the first reload
    LerParametrosPlataformas(a, &p);
    QCOMPARE(p.plataforma(1).Ativa, true);
    QCOMPARE(p.plataforma(2).Ativa, false);
    QCOMPARE(p.plataforma(1).Lateral, QString("Única"));
    QCOMPARE(p.plataforma(2).Lateral, QString("Inativa"));
    for (int n = 1; n <= 2; ++n) {
      const ParametrosPlataforma& pl = p.plataforma(n);
      QCOMPARE(pl.HardCOM, QString());
      QCOMPARE(pl.SemPeso, 0.0);
      QCOMPARE(pl.ComPeso, 0.0);
      QCOMPARE(pl.Tara, 0.0);
      QCOMPARE(pl.IDC, 1.0);
    }
    QCOMPARE(int(p.BackupCont), 0);
    QVERIFY(!QFile::exists(Caminho()));  // reading never creates the file
  }

  void recargaLeCadaChaveDaPlataforma() {
    Escrever(
        "[Parametros]\nP1Ativa=0\nHardP1COM=ttyUSB0\nSemPesoP1=120,500\nComPesoP1=9000,000\n"
        "TaraP1=1,250\nIDCP1=85,125\nLateralP1=Direita\nP2Ativa=1\nHardP2COM=ttyACM1\n"
        "SemPesoP2=7,000\nComPesoP2=8,000\nTaraP2=0,500\nIDCP2=2,000\nLateralP2=Esquerda\n");
    ParametrosPlataformas p;
    LerParametrosPlataformas(ArquivoConfiguracao(Caminho()), &p);
    const ParametrosPlataforma esperados[] = {
        {false, "ttyUSB0", 120.5, 9000.0, 1.25, 85.125, "Direita"},
        {true, "ttyACM1", 7.0, 8.0, 0.5, 2.0, "Esquerda"}};
    for (int n = 1; n <= 2; ++n) {
      const ParametrosPlataforma& lido = p.plataforma(n);
      const ParametrosPlataforma& e = esperados[n - 1];
      QCOMPARE(lido.Ativa, e.Ativa);
      QCOMPARE(lido.HardCOM, e.HardCOM);
      QCOMPARE(lido.SemPeso, e.SemPeso);
      QCOMPARE(lido.ComPeso, e.ComPeso);
      QCOMPARE(lido.Tara, e.Tara);
      QCOMPARE(lido.IDC, e.IDC);
      QCOMPARE(lido.Lateral, e.Lateral);
    }
  }

  void windows1252ELidoCerto() {
    // "Única" and "Ação €" as a Windows program writes them in its ANSI code page.
    Escrever("[Parametros]\r\nLateralP1=\xDAnica\r\nObs=A\xE7\xE3o \x80\r\n");
    const ArquivoConfiguracao a(Caminho());
    QCOMPARE(a.lerTexto("LateralP1", ""), QString("Única"));
    QCOMPARE(a.lerTexto("Obs", ""), QString("Ação €"));
  }

  void gravacaoEmUtf8PreservaORestante() {
    Escrever(
        "; comentario\r\n[Outra]\r\nX=1\r\n[Parametros]\r\nP1Ativa=1\r\nLateralP1=\xDAnica\r\n");
    ArquivoConfiguracao a(Caminho());
    QVERIFY(a.gravarDecimal("IDCP1", 2.5));
    QVERIFY(a.gravarBooleano("P1Ativa", false));
    QCOMPARE(Ler(), QByteArray("; comentario\n[Outra]\nX=1\n[Parametros]\nP1Ativa=0\n"
                               "LateralP1=\xC3\x9Anica\nIDCP1=2,500\n"));
    QCOMPARE(ArquivoConfiguracao(Caminho()).lerTexto("LateralP1", ""), QString("Única"));
  }

  void primeiraGravacaoCriaASecao() {
    ArquivoConfiguracao a(Caminho());
    QVERIFY(a.gravarTexto("Versão", "1.0.3.1"));
    QCOMPARE(Ler(), QByteArray("[Parametros]\nVers\xC3\xA3o=1.0.3.1\n"));
  }

  void gravacaoReleOArquivo() {
    // Two uses open at once: the second write must not undo the first.
    ArquivoConfiguracao primeiro(Caminho());
    ArquivoConfiguracao segundo(Caminho());
    QVERIFY(primeiro.gravarTexto("HardP1COM", "ttyUSB0"));
    QVERIFY(segundo.gravarTexto("HardP2COM", "ttyUSB1"));
    const ArquivoConfiguracao a(Caminho());
    QCOMPARE(a.lerTexto("HardP1COM", ""), QString("ttyUSB0"));
    QCOMPARE(a.lerTexto("HardP2COM", ""), QString("ttyUSB1"));
  }

  void quebraDeLinhaNaoCriaChave() {
    ArquivoConfiguracao a(Caminho());
    QVERIFY(a.gravarTexto("Obs", "linha\nP2Ativa=1"));
    QCOMPARE(ArquivoConfiguracao(Caminho()).lerBooleano("P2Ativa", false), false);
  }

  void gravacaoInterrompidaNaoPerdeChaves() {
    ArquivoConfiguracao a(Caminho());
    QVERIFY(a.gravar({{"P1Ativa", "1"}, {"IDCP1", "85,125"}, {"HardP1COM", "ttyUSB0"}}));
    const QByteArray antes = Ler();

    // The disk "fills up" half-way through the next write.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit limite = original;
    limite.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool gravou = a.gravarTexto("Obs", QString(200, 'x'));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);

    QVERIFY(!gravou);
    QCOMPARE(Ler(), antes);
    QCOMPARE(QDir(AmbienteDeTeste::casa()).entryList(QDir::Files), QStringList{"brivana.conf"});
  }

  void falhaDeGravacaoEInformada() {
    ArquivoConfiguracao a(AmbienteDeTeste::casa() + "/nao-existe/brivana.conf");
    QVERIFY(!a.gravarTexto("P1Ativa", "1"));
  }

  void contadorDeBackupParaEm255() {
    ParametrosPlataformas p;
    p.BackupCont = 254;
    ContarAmostragemSalva(&p);
    QCOMPARE(int(p.BackupCont), 255);
    ContarAmostragemSalva(&p);
    QCOMPARE(int(p.BackupCont), 255);
  }

  void chavesDasPlataformas_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("chave");
    QTest::newRow("ativa") << "Ativa" << 1 << "P1Ativa";
    QTest::newRow("porta") << "HardCOM" << 2 << "HardP2COM";
    QTest::newRow("zero") << "SemPeso" << 2 << "SemPesoP2";
    QTest::newRow("indice") << "IDC" << 1 << "IDCP1";
    QTest::newRow("lateral") << "Lateral" << 2 << "LateralP2";
  }
  void chavesDasPlataformas() {
    QFETCH(QString, nome);
    QFETCH(int, numero);
    QFETCH(QString, chave);
    QCOMPARE(ChavePlataforma(nome, numero), chave);
  }

  void manterDadosFalsoNaoTocaAsEscolhas() {
    ArquivoConfiguracao a(Caminho());
    EscolhasAmostragem guardadas;
    guardadas.Avaliador = "ANA";
    guardadas.Peso = "72,5";
    guardadas.DuracaoTotal = true;
    guardadas.DuracaoTotalTempo = 30;
    guardadas.PlanilhaModelo = 2;
    QVERIFY(GravarEscolhasAmostragem(&a, true, guardadas));
    const QByteArray comEscolhas = Ler();

    EscolhasAmostragem outras;
    outras.Avaliador = "BRUNO";
    outras.Peso = "90";
    QVERIFY(GravarEscolhasAmostragem(&a, false, outras));

    const ArquivoConfiguracao depois(Caminho());
    QCOMPARE(LerManterDados(depois), false);
    QCOMPARE(QString(Ler()), QString(comEscolhas).replace("ManterDados=1", "ManterDados=0"));
    const EscolhasAmostragem lidas = LerEscolhasAmostragem(depois);
    QCOMPARE(lidas.Avaliador, QString("ANA"));
    QCOMPARE(lidas.Peso, QString("72,5"));
    QCOMPARE(lidas.DuracaoTotal, true);
    QCOMPARE(lidas.DuracaoTotalTempo, 30);
    QCOMPARE(lidas.PlanilhaModelo, 2);
  }

  void escolhasAusentesTemPadroes() {
    const EscolhasAmostragem e = LerEscolhasAmostragem(ArquivoConfiguracao(Caminho()));
    QCOMPARE(e.SinalSonoroMC, true);
    QCOMPARE(e.TempoRegressivo, true);
    QCOMPARE(e.TempoRegressivoTempo, 5);
    QCOMPARE(e.DuracaoTotalTempo, 5);
    QCOMPARE(e.SinalSonoroTempoRegressivo, true);
    QCOMPARE(e.ExportarAutoExcel, false);
  }
};

BRIVANA_TEST_MAIN(TstConfiguracao)
#include "tst_configuracao.moc"
