#include <QtTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include "ApoioBanco.h"
#include "records/FormatoExibicao.h"
#include "records/untDM.h"
#include "support/AmbienteDeTeste.h"

using namespace ApoioBanco;

// The dataset operations later windows rely on, through the data module's own datasets.
class TesteConjunto : public QObject {
  Q_OBJECT

 private:
  QString caminho_;

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    caminho_ = AmbienteDeTeste::casa() + QStringLiteral("/brivana.db");
  }

  void todosOsTiposVoltamComoForamGravados() {
    const QByteArray logo("\x89PNG\0\x01\xff fim", 11);
    const qint64 grande = (qint64(1) << 33) + 7;
    {
      TfrmDM dm(caminho_);
      QVERIFY(Acrescentar(dm.qLaboratorio(), {{"Nome", "Laboratório São João"},
                                              {"AvaliadorPadrao", grande},
                                              {"RelLogo", logo},
                                              {"RelMargemInf", 12.75},
                                              {"RelRodape", "Rodapé — ç"}}));
      QVERIFY(Acrescentar(dm.qAvaliados(), {{"Avaliado", grande}, {"Nome", "JOÃO AÇÃO"}}));
    }
    {
      TfrmDM dm(caminho_);
      const RegistroLaboratorio lab = LerLaboratorio(dm.qLaboratorio());
      QCOMPARE(lab.Nome, QStringLiteral("Laboratório São João"));
      QCOMPARE(lab.AvaliadorPadrao, grande);
      QCOMPARE(lab.RelLogo, logo);
      QCOMPARE(lab.RelMargemInf, 12.75);
      QCOMPARE(lab.RelRodape, QStringLiteral("Rodapé — ç"));
      QCOMPARE(dm.qAvaliados().inteiro("Avaliado"), grande);
      QCOMPARE(dm.qAvaliados().texto("Nome"), QStringLiteral("JOÃO AÇÃO"));

      // An edit found by all five old values of the keyless row, the logo written back as read.
      QVERIFY(Alterar(dm.qLaboratorio(), {{"RelMargemInf", 15.5}}));
      // A cancelled edit leaves nothing behind.
      QVERIFY(dm.qLaboratorio().edit());
      QVERIFY(dm.qLaboratorio().definir("Nome", "DESCARTADO"));
      dm.qLaboratorio().cancel();
      QCOMPARE(dm.qLaboratorio().texto("Nome"), QStringLiteral("Laboratório São João"));
      QCOMPARE(dm.qLaboratorio().state(), Conjunto::Estado::Navegacao);
    }
    QCOMPARE(Consultar(caminho_, "select RelMargemInf from LABORATORIO").toDouble(), 15.5);
    QCOMPARE(Consultar(caminho_, "select RelLogo from LABORATORIO").toByteArray(), logo);
    QCOMPARE(Consultar(caminho_, "select Nome from LABORATORIO").toString(),
             QStringLiteral("Laboratório São João"));
    QCOMPARE(Consultar(caminho_, "select Nome from AVALIADOS").toString(),
             QStringLiteral("JOÃO AÇÃO"));
  }

  void registrosTipadosIdaEVolta() {
    RegistroAvaliacao avaliacao;
    avaliacao.Avaliacao = 12;
    avaliacao.Avaliado = 3;
    avaliacao.Grupo = 0;
    avaliacao.Data = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 10));
    avaliacao.Idade = 17;
    avaliacao.Sexo = "F";
    avaliacao.Peso = 61.5;
    avaliacao.Avaliador = "0";
    avaliacao.Exercicio = "CMJ";
    avaliacao.Observacao = "observação livre";
    avaliacao.LateralP1 = "ESQUERDA";
    avaliacao.LateralP2 = "DIREITA";
    {
      TfrmDM dm(caminho_);
      QVERIFY(dm.qAvaliacoes().append());
      QVERIFY(Preencher(dm.qAvaliacoes(), avaliacao));
      QVERIFY(dm.qAvaliacoes().post());
    }
    TfrmDM dm(caminho_);
    const RegistroAvaliacao lida = LerAvaliacao(dm.qAvaliacoes());
    QCOMPARE(lida.Avaliacao, avaliacao.Avaliacao);
    QCOMPARE(lida.Data, avaliacao.Data);
    QCOMPARE(lida.Peso, avaliacao.Peso);
    QCOMPARE(lida.Observacao, avaliacao.Observacao);
    QCOMPARE(lida.LateralP2, avaliacao.LateralP2);
    QCOMPARE(dm.qAvaliacoes().textoExibido("Peso"), QStringLiteral("61,5"));
  }

  void postNaoGravaQuandoALinhaMudou_data() {
    QTest::addColumn<int>("conjunto");
    QTest::addColumn<QString>("mudanca");
    QTest::newRow("nome do avaliador") << 5 << "UPDATE AVALIADORES SET Nome = 'OUTRO'";
    QTest::newRow("observação do avaliador") << 5 << "UPDATE AVALIADORES SET Observacao = 'NOTA'";
    QTest::newRow("avaliador excluído") << 5 << "DELETE FROM AVALIADORES";
    QTest::newRow("avaliado excluído") << 0 << "DELETE FROM AVALIADOS";
    QTest::newRow("laboratório alterado") << 4 << "UPDATE LABORATORIO SET RelRodape = 'X'";
  }

  void postNaoGravaQuandoALinhaMudou() {
    QFETCH(int, conjunto);
    QFETCH(QString, mudanca);
    TfrmDM dm(caminho_);
    Conjunto* todos[] = {&dm.qAvaliados(),       &dm.qGrupos(),      &dm.qAvaliacoes(),
                         &dm.qAvaliacoesDados(), &dm.qLaboratorio(), &dm.qAvaliadores()};
    Conjunto& c = *todos[conjunto];
    const QString primeiro = c.campos().first().nome;
    QVERIFY(Acrescentar(c, {{qPrintable(primeiro), primeiro == "Nome" ? QVariant("LAB") : 1}}));
    QVERIFY(dm.conexao().executar(mudanca));

    QVERIFY(c.edit());
    QVERIFY(c.definir(primeiro == "Nome" ? "RelRodape" : "Nome", "NOVO"));
    QVERIFY(!c.post());
    QVERIFY(!c.ultimoErro().isEmpty());
    QCOMPARE(c.state(), Conjunto::Estado::Edicao);
    c.cancel();
    QVERIFY(!c.remove());

    // Read again, the row can be edited (or is gone).
    QVERIFY(c.refresh());
    if (!c.isEmpty()) QVERIFY(Alterar(c, {{"Nome", "NOVO"}}));
  }

  void localizaIgnorandoCaixa() {
    TfrmDM dm(caminho_);
    Conjunto& av = dm.qAvaliados();
    QVERIFY(Acrescentar(av, {{"Avaliado", 1}, {"Nome", "JOÃO SILVA"}}));
    QVERIFY(Acrescentar(av, {{"Avaliado", 2}, {"Nome", "MARIA"}, {"Altura", 1.6}}));
    QVERIFY(Acrescentar(av, {{"Avaliado", 3}, {"Nome", "JOÃO SILVA JR"}}));
    QVERIFY(av.locate("nome", "joão silva"));
    QCOMPARE(av.inteiro("Avaliado"), 1);
    QVERIFY(av.locate("Nome", "Maria"));
    QCOMPARE(av.inteiro("Avaliado"), 2);
    QVERIFY(!av.locate("Nome", "JOÃO"));
    QVERIFY(!av.locate("Altura", 1.7));
    QCOMPARE(av.inteiro("Avaliado"), 2);
    QVERIFY(av.locate("Avaliado", "3"));
    QCOMPARE(av.recNo(), 2);
  }

  void navegacaoComoNoToolkit() {
    TfrmDM dm(caminho_);
    Conjunto& av = dm.qAvaliadores();
    QVERIFY(av.isEmpty());
    QVERIFY(av.eof() && av.bof());
    for (int codigo : {30, 10, 20}) QVERIFY(Acrescentar(av, {{"Avaliador", codigo}}));
    // The re-read after a post puts the rows in key order and keeps the posted row current.
    QCOMPARE(av.recNo(), 1);
    QCOMPARE(av.inteiro("Avaliador"), 20);
    QList<qint64> visitados;
    for (av.first(); !av.eof(); av.next()) visitados.append(av.inteiro("Avaliador"));
    QCOMPARE(visitados, QList<qint64>({10, 20, 30}));
    QCOMPARE(av.recNo(), 2);
    av.prior();
    av.prior();
    QVERIFY(!av.bof());
    av.prior();
    QVERIFY(av.bof());
    QCOMPARE(av.inteiro("Avaliador"), 10);
    av.last();
    QVERIFY(av.eof());
    QVERIFY(av.moveTo(1));
    QCOMPARE(av.valorNaLinha(2, 0).toLongLong(), 30);
    QVERIFY(!av.valorNaLinha(3, 0).isValid());

    // Moving away from a changed record posts it, as the toolkit does.
    QVERIFY(av.edit());
    QVERIFY(av.definir("Nome", "MOVIDO"));
    av.first();
    QCOMPARE(av.state(), Conjunto::Estado::Navegacao);
    QVERIFY(av.locate("Avaliador", 20));
    QCOMPARE(av.texto("Nome"), QStringLiteral("MOVIDO"));
  }

  void controlesDesabilitadosAvisamUmaVez() {
    TfrmDM dm(caminho_);
    Conjunto& av = dm.qAvaliados();
    QSignalSpy reinicios(&av, &Conjunto::reiniciado);
    QSignalSpy insercoes(&av, &Conjunto::linhasInseridas);
    QSignalSpy antes(&av, &Conjunto::antesDeInserirLinhas);

    av.disableControls();
    av.disableControls();
    for (int i = 1; i <= 3; ++i) QVERIFY(Acrescentar(av, {{"Avaliado", i}}));
    av.enableControls();
    QCOMPARE(reinicios.count(), 0);
    av.enableControls();
    QCOMPARE(reinicios.count(), 1);
    QCOMPARE(insercoes.count(), 0);

    // Notified, an insert is announced before and after the row joins (then the re-read).
    connect(&av, &Conjunto::antesDeInserirLinhas, this,
            [&](int primeira) { QCOMPARE(av.recordCount(), primeira); });
    QVERIFY(Acrescentar(av, {{"Avaliado", 4}}));
    QCOMPARE(antes.count(), 1);
    QCOMPARE(insercoes.count(), 1);
    QCOMPARE(insercoes.first().at(0).toInt(), 3);
    QCOMPARE(reinicios.count(), 2);
  }

  void textoExibidoConformeFormato_data() {
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("formato");
    QTest::addColumn<QString>("exibido");
    const int real = int(TipoCampo::Real);
    const int inteiro = int(TipoCampo::Inteiro);
    const int data = int(TipoCampo::DataHora);
    QTest::newRow("5 casas") << QVariant(1234.567891) << real << "####0.00000"
                             << "1234,56789";
    QTest::newRow("zero negativo") << QVariant(-0.000001) << real << "####0.00000"
                                   << "0,00000";
    QTest::newRow("uma casa") << QVariant(72.25) << real << "##0.0"
                              << "72,3";
    QTest::newRow("duas casas") << QVariant(1.8) << real << "0.00"
                                << "1,80";
    QTest::newRow("três casas") << QVariant(1.0 / 600) << real << "##0.000"
                                << "0,002";
    QTest::newRow("real sem formato") << QVariant(0.1 + 0.2) << real << ""
                                      << "0,3";
    QTest::newRow("inteiro ####0") << QVariant(qlonglong(123456)) << inteiro << "####0"
                                   << "123456";
    QTest::newRow("inteiro ##0") << QVariant(qlonglong(7)) << inteiro << "##0"
                                 << "7";
    QTest::newRow("nulo") << QVariant() << real << "0.00"
                          << "";
    QTest::newRow("data dd/mm/yyyy")
        << QVariant(QDateTime(QDate(2023, 3, 5), QTime(18, 30))) << data << "dd/mm/yyyy"
        << "05/03/2023";
    QTest::newRow("data sem formato")
        << QVariant(QDateTime(QDate(2023, 3, 5), QTime(0, 0))) << data << ""
        << "05/03/2023";
    QTest::newRow("data e hora sem formato")
        << QVariant(QDateTime(QDate(2023, 3, 5), QTime(8, 9, 10))) << data << ""
        << "05/03/2023 08:09:10";
  }

  void textoExibidoConformeFormato() {
    QFETCH(QVariant, valor);
    QFETCH(int, tipo);
    QFETCH(QString, formato);
    QFETCH(QString, exibido);
    QCOMPARE(FormatarParaExibicao(valor, static_cast<TipoCampo>(tipo), formato), exibido);
  }

  void rotulosEOrdemDosCampos() {
    TfrmDM dm(caminho_);
    QStringList campos;
    for (const DefinicaoCampo& c : dm.qAvaliacoes().campos()) campos.append(c.nome);
    QCOMPARE(campos.join(u' '),
             QStringLiteral("Avaliacao Avaliado NomeAvaliado Apelido Modalidade Posicao Grupo "
                            "NomeGrupo Temporada Data Idade Sexo Peso Altura Avaliador "
                            "NomeAvaliador Laboratorio Observacao Exercicio LateralP1 LateralP2"));
    const auto& av = dm.qAvaliacoes().campos();
    QCOMPARE(av[dm.qAvaliacoes().indiceCampo("Peso")].rotuloExibido(),
             QStringLiteral("Massa Corporal"));
    QCOMPARE(av[dm.qAvaliacoes().indiceCampo("Idade")].rotuloExibido(), QStringLiteral("Idade"));
    const auto& amostras = dm.qAvaliacoesDados().campos();
    QCOMPARE(amostras[6].rotuloExibido(), QStringLiteral("Força 3 (kgf)"));
    QCOMPARE(dm.qLaboratorio().campos().last().nome, QStringLiteral("NomeAvaliadorPadrao"));
  }
};

BRIVANA_TEST_MAIN(TesteConjunto)
#include "tst_conjunto.moc"
