#include <QtTest>

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/SQLiteCpp.h>

#include <limits>

#include "ApoioBanco.h"
#include "records/untDM.h"
#include "support/AmbienteDeTeste.h"

using namespace ApoioBanco;

// The data module over a real database file: creation, checks of an existing file, the
// transactions and hooks, the derived display fields and the samples.
class TesteDM : public QObject {
  Q_OBJECT

 private:
  QString caminho_;

  static QString Repetir(const QString& inicio, int tamanho) {
    QString texto = inicio;
    while (texto.size() < tamanho) texto += QString::number(texto.size() % 10);
    return texto;
  }

  static QVector<RegistroAmostra> Amostras(qint64 avaliacao, int quantidade, int primeira = 1) {
    QVector<RegistroAmostra> amostras;
    for (int i = primeira; i < primeira + quantidade; ++i) {
      RegistroAmostra a;
      a.Avaliacao = avaliacao;
      a.SeqAmostra = i;
      a.Tempo = i / 600.0;
      a.Forca1N = 700.0 + i;
      a.Forca2N = -0.25 * i;
      a.Forca3N = a.Forca1N + a.Forca2N;
      a.ForcaKGF = a.Forca3N / 9.81;
      a.Gravidade = 1.0 + i * 1e-6;
      amostras.append(a);
    }
    return amostras;
  }

  // Loads one trial's samples as the browser does.
  static int AmostrasDaAvaliacao(TfrmDM& dm, qint64 avaliacao) {
    dm.qAvaliacoesDados().definirParametro(QStringLiteral("AVALIACAO"), avaliacao);
    if (!dm.qAvaliacoesDados().refresh()) return -1;
    return dm.qAvaliacoesDados().recordCount();
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    caminho_ = AmbienteDeTeste::casa() + QStringLiteral("/brivana.db");
  }

  void novoArquivoRecebeEsquemaEGrupoIndividual() {
    {
      TfrmDM dm(caminho_);
      QVERIFY2(dm.bancoDisponivel(), qPrintable(dm.resultadoAbertura().detalhe));
      QCOMPARE(dm.VersaoBanco(), 1008);
      QCOMPARE(dm.qGrupos().recordCount(), 1);
      QCOMPARE(dm.qGrupos().inteiro("Grupo"), 0);
      QCOMPARE(dm.qGrupos().texto("Nome"), QStringLiteral("INDIVIDUAL"));
      QVERIFY(dm.qAvaliacoesDados().active());
      QVERIFY(dm.qAvaliacoesDados().isEmpty());
    }
    QCOMPARE(Contar(caminho_, "GRUPOS"), 1);
    QCOMPARE(Colunas(caminho_, "AVALIACOESDADOS").mid(0, 3),
             QStringList({"Avaliacao INTEGER 1", "SeqAmostra INTEGER 2", "Tempo REAL 0"}));
    QCOMPARE(Colunas(caminho_, "AVALIADOS").first(), QStringLiteral("Avaliado INTEGER 1"));
    QCOMPARE(Colunas(caminho_, "AVALIACOES").at(3), QStringLiteral("Data TEXT 0"));
    QCOMPARE(Colunas(caminho_, "LABORATORIO").at(2), QStringLiteral("RelLogo BLOB 0"));
  }

  void gruposVaziosRecebemIndividualUmaVez() {
    CriarBancoIncompleto(caminho_, QString());
    {
      SQLite::Database banco(caminho_.toStdString(), SQLite::OPEN_READWRITE);
      banco.exec("DELETE FROM GRUPOS");
    }
    for (int abertura = 0; abertura < 2; ++abertura) {
      TfrmDM dm(caminho_);
      QVERIFY(dm.bancoDisponivel());
      QCOMPARE(dm.qGrupos().recordCount(), 1);
      QCOMPARE(dm.qGrupos().texto("Nome"), QStringLiteral("INDIVIDUAL"));
    }
    QCOMPARE(Contar(caminho_, "GRUPOS"), 1);
    QCOMPARE(Consultar(caminho_, "select Nome from GRUPOS where Grupo = 0").toString(),
             QStringLiteral("INDIVIDUAL"));
  }

  void arquivoInvalidoNaoAbreNemMuda_data() {
    QTest::addColumn<QString>("omitido");
    QTest::addColumn<QByteArray>("conteudo");
    QTest::newRow("sem tabela") << "AVALIADORES" << QByteArray();
    QTest::newRow("sem coluna") << "AVALIADOS.Apelido" << QByteArray();
    QTest::newRow("sem coluna de amostra") << "AVALIACOESDADOS.Gravidade" << QByteArray();
    QTest::newRow("não é banco") << QString() << QByteArray("Avaliado;Nome\n1;JOAO\n");
    QTest::newRow("arquivo vazio") << QString() << QByteArray("");
  }

  void arquivoInvalidoNaoAbreNemMuda() {
    QFETCH(QString, omitido);
    QFETCH(QByteArray, conteudo);
    if (omitido.isEmpty()) {
      QFile arquivo(caminho_);
      QVERIFY(arquivo.open(QIODevice::WriteOnly));
      arquivo.write(conteudo);
    } else {
      CriarBancoIncompleto(caminho_, omitido);
    }
    const QByteArray antes = ConteudoDoArquivo(caminho_);
    {
      TfrmDM dm(caminho_);
      QVERIFY(!dm.bancoDisponivel());
      // The file opened; what failed is its content, as a dataset that cannot open.
      QVERIFY(!dm.resultadoAbertura().falhaNaConexao);
      QVERIFY(!dm.resultadoAbertura().detalhe.isEmpty());
      QVERIFY(!dm.qGrupos().active());
    }
    QCOMPARE(ConteudoDoArquivo(caminho_), antes);
    QCOMPARE(QDir(AmbienteDeTeste::casa()).entryList(QDir::Files), QStringList{"brivana.db"});
  }

  void caminhoInutilizavelNaoCriaNada_data() {
    QTest::addColumn<QString>("relativo");
    QTest::newRow("pasta inexistente") << "/nao/existe/brivana.db";
    QTest::newRow("caminho vazio") << QString();
  }

  void caminhoInutilizavelNaoCriaNada() {
    QFETCH(QString, relativo);
    const QDir casa(AmbienteDeTeste::casa());
    const QStringList antes = casa.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    TfrmDM dm(relativo.isEmpty() ? QString() : casa.path() + relativo);
    QVERIFY(!dm.bancoDisponivel());
    QVERIFY(dm.resultadoAbertura().falhaNaConexao);
    QVERIFY(!dm.qAvaliados().active());
    QCOMPARE(casa.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
  }

  void sexoExibidoComoPalavra_data() {
    QTest::addColumn<QVariant>("sexo");
    QTest::addColumn<QString>("exibido");
    QTest::newRow("M") << QVariant("M") << "MASCULINO";
    QTest::newRow("F") << QVariant("F") << "FEMININO";
    QTest::newRow("vazio") << QVariant("") << "FEMININO";
    QTest::newRow("nulo") << QVariant() << "FEMININO";
    QTest::newRow("outro") << QVariant("m") << "FEMININO";
  }

  void sexoExibidoComoPalavra() {
    QFETCH(QVariant, sexo);
    QFETCH(QString, exibido);
    TfrmDM dm(caminho_);
    QCOMPARE(dm.qAvaliacoes().textoExibido("Sexo"), QString());
    QVERIFY(Acrescentar(dm.qAvaliacoes(), {{"Avaliacao", 1}, {"Sexo", sexo}}));
    QCOMPARE(dm.qAvaliacoes().textoExibido("Sexo"), exibido);
    QCOMPARE(dm.qAvaliacoes().valor("Sexo"), sexo);
  }

  void pesquisasDasAmostragens() {
    TfrmDM dm(caminho_);
    const QString nomeAvaliado = Repetir(QStringLiteral("JOSÉ DA SILVA "), 30);
    const QString nomeAvaliador = Repetir(QStringLiteral("AVALIADORA "), 30);
    QVERIFY(Acrescentar(dm.qAvaliados(), {{"Avaliado", 4},
                                          {"Nome", nomeAvaliado},
                                          {"Apelido", "ZÉ"},
                                          {"Altura", 1.8},
                                          {"Modalidade", "VÔLEI"},
                                          {"Posicao", "LÍBERO"}}));
    QVERIFY(
        Acrescentar(dm.qGrupos(),
                    {{"Grupo", 2}, {"Nome", "SUB-17"}, {"Temporada", Repetir("TEMPORADA ", 25)}}));
    QVERIFY(Acrescentar(dm.qAvaliadores(), {{"Avaliador", 12}, {"Nome", nomeAvaliador}}));
    QVERIFY(Acrescentar(dm.qAvaliacoes(),
                        {{"Avaliacao", 1}, {"Avaliado", 4}, {"Grupo", 2}, {"Avaliador", "12"}}));
    QVERIFY(Acrescentar(dm.qAvaliacoes(),
                        {{"Avaliacao", 2}, {"Avaliado", 9}, {"Grupo", 0}, {"Avaliador", "0"}}));
    QVERIFY(Acrescentar(dm.qLaboratorio(), {{"Nome", "LAB"}, {"AvaliadorPadrao", 12}}));

    Conjunto& av = dm.qAvaliacoes();
    QVERIFY(av.locate("Avaliacao", 1));
    QCOMPARE(av.texto("NomeAvaliado"), nomeAvaliado.left(20));
    QCOMPARE(av.texto("NomeAvaliador"), nomeAvaliador);
    QCOMPARE(av.texto("Apelido"), QStringLiteral("ZÉ"));
    QCOMPARE(av.texto("Modalidade"), QStringLiteral("VÔLEI"));
    QCOMPARE(av.texto("Posicao"), QStringLiteral("LÍBERO"));
    QCOMPARE(av.texto("NomeGrupo"), QStringLiteral("SUB-17"));
    QCOMPARE(av.texto("Temporada"), Repetir("TEMPORADA ", 25).left(20));
    QCOMPARE(av.textoExibido("Altura"), QStringLiteral("1,80"));
    QCOMPARE(dm.qLaboratorio().texto("NomeAvaliadorPadrao"), nomeAvaliador.left(20));

    // Unknown subject, the "0" of no evaluator and group 0 of the individual trials.
    QVERIFY(av.locate("Avaliacao", 2));
    QVERIFY(!av.valor("NomeAvaliado").isValid());
    QCOMPARE(av.textoExibido("Altura"), QString());
    QCOMPARE(av.texto("NomeAvaliador"), QString());
    QCOMPARE(av.texto("NomeGrupo"), QStringLiteral("INDIVIDUAL"));

    // Lookups follow the current contents of the other datasets.
    QVERIFY(dm.qAvaliados().locate("Avaliado", 4));
    QVERIFY(Alterar(dm.qAvaliados(), {{"Nome", "OUTRO NOME"}}));
    QVERIFY(av.locate("Avaliacao", 1));
    QCOMPARE(av.texto("NomeAvaliado"), QStringLiteral("OUTRO NOME"));
  }

  void laboratorioNomeadoApareceEmTodasAsAmostragens() {
    TfrmDM dm(caminho_);
    Conjunto& av = dm.qAvaliacoes();
    for (int i = 1; i <= 3; ++i) QVERIFY(Acrescentar(av, {{"Avaliacao", i}}));
    for (int linha = 0; linha < av.recordCount(); ++linha) {
      QCOMPARE(av.textoExibidoNaLinha(linha, av.indiceCampo("Laboratorio")), QString());
    }
    QVERIFY(Acrescentar(dm.qLaboratorio(), {{"Nome", "Laboratório de Biomecânica"}}));
    QVERIFY(Alterar(dm.qLaboratorio(), {{"Nome", "Laboratório Novo"}}));
    for (int linha = 0; linha < av.recordCount(); ++linha) {
      QCOMPARE(av.textoExibidoNaLinha(linha, av.indiceCampo("Laboratorio")),
               QStringLiteral("Laboratório Novo"));
    }
  }

  void proximaChave_data() {
    QTest::addColumn<QList<qint64>>("chaves");
    QTest::addColumn<qint64>("proxima");
    QTest::newRow("tabela vazia") << QList<qint64>{} << qint64(1);
    QTest::newRow("1, 2 e 5") << QList<qint64>{1, 2, 5} << qint64(6);
    QTest::newRow("maior código de 32 bits")
        << QList<qint64>{std::numeric_limits<qint32>::max()} << qint64(2147483648);
    QTest::newRow("código acima de 32 bits") << QList<qint64>{1, 4294967301} << qint64(4294967302);
  }

  void proximaChave() {
    QFETCH(QList<qint64>, chaves);
    QFETCH(qint64, proxima);
    TfrmDM dm(caminho_);
    for (qint64 chave : chaves) {
      QVERIFY(Acrescentar(dm.qAvaliados(), {{"Avaliado", chave}}));
      QVERIFY(Acrescentar(dm.qAvaliadores(), {{"Avaliador", chave}}));
      QVERIFY(Acrescentar(dm.qGrupos(), {{"Grupo", chave}}));
    }
    dm.qAvaliados().first();
    QCOMPARE(ProximaChave(dm.qAvaliados(), "Avaliado"), proxima);
    QCOMPARE(dm.qAvaliados().recNo(), dm.qAvaliados().recordCount() - 1);
    QCOMPARE(ProximaChave(dm.qAvaliadores(), "Avaliador"), proxima);
    // Group 0 always exists, so the first group of one's own also gets code 1.
    QCOMPARE(ProximaChave(dm.qGrupos(), "Grupo"), proxima);
  }

  void exclusaoSobreviveAoReinicio_data() {
    QTest::addColumn<int>("conjunto");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("tabela");
    QTest::newRow("grupo") << 1 << "Grupo"
                           << "GRUPOS";
    QTest::newRow("avaliador") << 5 << "Avaliador"
                               << "AVALIADORES";
    QTest::newRow("amostragem") << 2 << "Avaliacao"
                                << "AVALIACOES";
    QTest::newRow("avaliado") << 0 << "Avaliado"
                              << "AVALIADOS";
  }

  void exclusaoSobreviveAoReinicio() {
    QFETCH(int, conjunto);
    QFETCH(QString, chave);
    QFETCH(QString, tabela);
    const auto escolher = [&](TfrmDM& dm) -> Conjunto& {
      Conjunto* todos[] = {&dm.qAvaliados(),       &dm.qGrupos(),      &dm.qAvaliacoes(),
                           &dm.qAvaliacoesDados(), &dm.qLaboratorio(), &dm.qAvaliadores()};
      return *todos[conjunto];
    };
    {
      TfrmDM dm(caminho_);
      Conjunto& c = escolher(dm);
      c.disableControls();
      QVERIFY(c.append() && c.definir(chave, 7) && c.post());
      QVERIFY(c.append() && c.definir(chave, 8) && c.post());
      c.enableControls();
    }
    const qint64 antes = Contar(caminho_, tabela);
    {
      TfrmDM dm(caminho_);
      Conjunto& c = escolher(dm);
      QVERIFY(c.locate(chave, 7));
      QVERIFY2(c.remove(), qPrintable(c.ultimoErro()));
      QVERIFY(!c.locate(chave, 7));
    }
    QCOMPARE(Contar(caminho_, tabela), antes - 1);
    TfrmDM dm(caminho_);
    QVERIFY(!escolher(dm).locate(chave, 7));
    QVERIFY(escolher(dm).locate(chave, 8));
  }

  void dataHoraEmDiasLidaCorretamente() {
    const QDateTime gravada(QDate(2024, 2, 29), QTime(13, 45, 12, 345));
    {
      TfrmDM dm(caminho_);
      QVERIFY(Acrescentar(dm.qAvaliacoes(), {{"Avaliacao", 1}, {"Data", gravada}}));
      QVERIFY(Acrescentar(dm.qAvaliacoes(), {{"Avaliacao", 2}, {"Data", gravada}}));
      QVERIFY(Acrescentar(dm.qAvaliados(), {{"Avaliado", 1}, {"Nascimento", QDate(1990, 1, 1)}}));
    }
    QCOMPARE(Consultar(caminho_, "select Data from AVALIACOES where Avaliacao = 1").toString(),
             QStringLiteral("2024-02-29T13:45:12.345"));
    {
      SQLite::Database banco(caminho_.toStdString(), SQLite::OPEN_READWRITE);
      banco.exec("UPDATE AVALIACOES SET Data = 45000.75 WHERE Avaliacao = 2");
      banco.exec("UPDATE AVALIADOS SET Nascimento = 32874");
    }
    TfrmDM dm(caminho_);
    Conjunto& av = dm.qAvaliacoes();
    QVERIFY(av.locate("Avaliacao", 1));
    QCOMPARE(av.dataHora("Data"), gravada);
    QCOMPARE(av.textoExibido("Data"), QStringLiteral("29/02/2024"));
    QVERIFY(av.locate("Avaliacao", 2));
    QCOMPARE(av.dataHora("Data"), QDateTime(QDate(2023, 3, 15), QTime(18, 0)));
    QCOMPARE(av.textoExibido("Data"), QStringLiteral("15/03/2023"));
    QCOMPARE(dm.qAvaliados().dataHora("Nascimento"), QDateTime(QDate(1990, 1, 1), QTime(0, 0)));
    QCOMPARE(dm.qAvaliados().textoExibido("Nascimento"), QStringLiteral("01/01/1990"));
  }

  void amostrasPeloCaminhoRapido() {
    const QVector<RegistroAmostra> amostras = Amostras(3, 1000);
    {
      TfrmDM dm(caminho_);
      qsizetype ultimoProgresso = 0;
      QVERIFY(dm.qAvaliacoesDados().acrescentarLote(
          amostras, [&](qsizetype gravadas) { ultimoProgresso = gravadas; }));
      QCOMPARE(ultimoProgresso, 1000);
      QVERIFY(dm.qAvaliacoesDados().acrescentarLote(Amostras(4, 10)));
      QVERIFY(dm.Commit());
      // A batch that fails part-way leaves none of its rows.
      const RegistroAmostra loteComRepetida[] = {Amostras(3, 1, 1001)[0], Amostras(3, 1, 5)[0]};
      QVERIFY(!dm.qAvaliacoesDados().acrescentarLote(loteComRepetida));
      QVERIFY(!dm.qAvaliacoesDados().ultimoErro().isEmpty());
      QVERIFY(dm.Commit());
    }
    QCOMPARE(Contar(caminho_, "AVALIACOESDADOS"), 1010);

    TfrmDM dm(caminho_);
    ConjuntoAmostras& dados = dm.qAvaliacoesDados();
    QCOMPARE(AmostrasDaAvaliacao(dm, 3), 1000);
    QVERIFY(dados.locate("SeqAmostra", 500));
    QCOMPARE(dados.real("Forca1N"), amostras[499].Forca1N);
    QCOMPARE(dados.real("Gravidade"), amostras[499].Gravidade);
    QCOMPARE(dados.amostra(dados.recNo()).Forca2N, -125.0);
    QCOMPARE(dados.textoExibido("Tempo"), QStringLiteral("0,833"));
    QCOMPARE(dados.textoExibido("Forca2N"), QStringLiteral("-125,00000"));
    QCOMPARE(dados.textoExibido("SeqAmostra"), QStringLiteral("500"));
    QCOMPARE(AmostrasDaAvaliacao(dm, 4), 10);

    // The browser's removal of a trial: samples and trial row, made permanent by its commit.
    QVERIFY(Acrescentar(dm.qAvaliacoes(), {{"Avaliacao", 3}}));
    QCOMPARE(AmostrasDaAvaliacao(dm, 3), 1000);
    QVERIFY(dados.excluirTodas());
    QVERIFY(dados.isEmpty());
    QVERIFY(dm.qAvaliacoes().locate("Avaliacao", 3));
    QVERIFY(dm.qAvaliacoes().remove());
    QVERIFY(dm.FecharBanco().ok);
    QVERIFY(dm.AbrirBanco().ok);
    QCOMPARE(AmostrasDaAvaliacao(dm, 3), 0);
    QCOMPARE(AmostrasDaAvaliacao(dm, 4), 10);
  }

  void amostrasSemCommitSomemAoFechar() {
    TfrmDM dm(caminho_);
    ConjuntoAmostras& dados = dm.qAvaliacoesDados();
    dados.definirParametro("AVALIACAO", 1);
    QVERIFY(dados.acrescentarLote(Amostras(1, 1000)));
    QCOMPARE(dados.recordCount(), 1000);
    QVERIFY(Acrescentar(dados, {{"Avaliacao", 1}, {"SeqAmostra", 1001}, {"Tempo", 1.5}}));
    QCOMPARE(dados.recordCount(), 1001);

    const ResultadoBanco fechado = dm.FecharBanco();
    QVERIFY(fechado.ok);
    QVERIFY(!dados.active());
    QVERIFY(dm.AbrirBanco().ok);
    QCOMPARE(AmostrasDaAvaliacao(dm, 1), 0);

    // The trial row's post commits its samples with it.
    QVERIFY(dados.acrescentarLote(Amostras(1, 1000)));
    QVERIFY(Acrescentar(dm.qAvaliacoes(), {{"Avaliacao", 1}, {"Peso", 70.0}}));
    QVERIFY(dm.FecharBanco().ok);
    QVERIFY(dm.AbrirBanco().ok);
    QCOMPARE(AmostrasDaAvaliacao(dm, 1), 1000);
  }
};

BRIVANA_TEST_MAIN(TesteDM)
#include "tst_dm.moc"
