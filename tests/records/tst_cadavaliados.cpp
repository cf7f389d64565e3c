// The subjects register and its dialog, with real widgets over a real database file.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ApoioBanco.h"
#include "app/untPrincipal.h"
#include "records/Conjunto.h"
#include "records/PesquisaCadastro.h"
#include "records/untCadAvaliados.h"
#include "records/untDM.h"
#include "records/untNovoAvaliado.h"
#include "support/DialogosRoteirizados.h"
#include "support/TesteDeJanela.h"

using namespace ApoioBanco;

namespace {

const QString kComAmostragens = QStringLiteral(
    "Existem Amostragens deste Avaliado\nVocê deve excluí-las primeiro.   \n\n"
    "    Exclusão Cancelada        ");

QDateTime Dia(int ano, int mes, int dia) {
  return QDateTime(QDate(ano, mes, dia), QTime(0, 0));
}

// Fills the dialog's boxes; the height is typed, so that its key filter takes part.
void Preencher(TfrmNovoAvaliado& d, const QString& nome, const QString& nascimento, int sexo,
               const QString& altura) {
  d.cpNome->setText(nome);
  d.cpNascimento->setText(nascimento);
  d.cpSexo->setCurrentIndex(sexo);
  d.cpAltura->clear();
  QTest::keyClicks(d.cpAltura, altura);
}

}  // namespace

class TstCadAvaliados : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;
  std::unique_ptr<TfrmPrincipal> p_;

  Conjunto& avaliados() { return p_->dm().qAvaliados(); }
  QString banco() { return p_->dm().caminhoBanco(); }

  std::unique_ptr<TfrmCadAvaliados> Abrir() {
    auto cad = std::make_unique<TfrmCadAvaliados>(*p_, p_.get());
    cad->show();
    return cad;
  }

  void Avaliado(qint64 codigo, const QString& nome, const QVariant& nascimento = {},
                const QVariant& sexo = QStringLiteral("F")) {
    QVERIFY(Acrescentar(avaliados(), {{"Avaliado", codigo},
                                      {"Nome", nome},
                                      {"Nascimento", nascimento},
                                      {"Sexo", sexo},
                                      {"Altura", 1.8}}));
  }

  QStringList Botoes(TfrmCadAvaliados& cad) {
    QStringList habilitados;
    for (QPushButton* b : {cad.btInserir, cad.btAlterar, cad.btExcluir, cad.btLocalizar,
                           cad.btLocalizarProximo, cad.btFechar})
      if (b->isEnabled()) habilitados << b->text();
    return habilitados;
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
    p_ = std::make_unique<TfrmPrincipal>();
    TfrmCadAvaliados::pesquisa() = {};
  }
  void cleanup() { p_.reset(); }

  void oComandoAbreORegistroComOsComandosDesligados() {
    bool aberto = false;
    NaJanela<TfrmCadAvaliados>([&](TfrmCadAvaliados& cad) {
      aberto = cad.windowTitle() == "Cadastro de Avaliados" && !p_->CadGrupos->isEnabled();
      cad.btFechar->click();
    });
    p_->CadAvaliados->trigger();
    QVERIFY(aberto);
    QVERIFY(p_->CadGrupos->isEnabled());
  }

  void tabelaVaziaEPrimeiroCodigo() {
    auto cad = Abrir();
    QCOMPARE(Botoes(*cad), QStringList({"&Inserir", "&Fechar"}));
    QString titulo, codigo, confirmar;
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      titulo = d.windowTitle();
      codigo = d.cpAvaliado->text();
      confirmar = d.btInserir->text();
      Preencher(d, "ANA", "15/03/1990", 0, "1,65");
      QTest::keyClicks(d.cpApelido, "aninha");
      d.btInserir->click();
    });
    cad->btInserir->click();
    QCOMPARE(titulo, QString("Novo Avaliado"));
    QCOMPARE(confirmar, QString("&Inserir"));
    QCOMPARE(codigo, QString("1"));
    QVERIFY(dialogos_->mensagens().isEmpty());
    QCOMPARE(Botoes(*cad).size(), 6);
    QCOMPARE(cad->DBGrid->model()->rowCount(), 1);
    QCOMPARE(cad->DBGrid->model()->index(0, 3).data().toString(), QString("15/03/1990"));

    TfrmDM reaberto(banco());
    Conjunto& lidos = reaberto.qAvaliados();
    QCOMPARE(lidos.recordCount(), 1);
    QCOMPARE(lidos.inteiro("Avaliado"), 1);
    QCOMPARE(lidos.texto("Apelido"), QString("ANINHA"));
    QCOMPARE(lidos.texto("Sexo"), QString("F"));
    QCOMPARE(lidos.real("Altura"), 1.65);
    QCOMPARE(lidos.dataHora("Nascimento").date(), QDate(1990, 3, 15));
  }

  void confirmacao_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("nascimento");
    QTest::addColumn<int>("sexo");
    QTest::addColumn<QString>("altura");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("icone");
    QTest::addColumn<QString>("foco");
    QTest::addColumn<double>("gravada");
    const int aviso = QMessageBox::Warning;
    const int erro = QMessageBox::Critical;
    QTest::newRow("altura 1") << "A"
                              << "01/01/2000" << 1 << "1"
                              << "" << 0 << "" << 1.0;
    QTest::newRow("altura 3") << "A"
                              << "01/01/2000" << 1 << "3"
                              << "" << 0 << "" << 3.0;
    QTest::newRow("teclas fora do filtro") << "A"
                                           << "01/01/2000" << 1 << "1x.,7a5"
                                           << "" << 0 << "" << 1.75;
    QTest::newRow("altura 0,99") << "A"
                                 << "01/01/2000" << 1 << "0,99"
                                 << "A Altura informada não é válida!" << erro << "cpAltura" << 0.0;
    QTest::newRow("altura 3,01") << "A"
                                 << "01/01/2000" << 1 << "3,01"
                                 << "A Altura informada não é válida!" << erro << "cpAltura" << 0.0;
    QTest::newRow("altura que não é número")
        << "A"
        << "01/01/2000" << 1 << ",,"
        << "A Altura informada não é válida!" << erro << "cpAltura" << 0.0;
    QTest::newRow("sem altura") << "A"
                                << "01/01/2000" << 1 << ""
                                << "A Altura deve ser informada!" << aviso << "cpAltura" << 0.0;
    QTest::newRow("sem nome") << ""
                              << "01/01/2000" << 1 << "1,8"
                              << "O Nome deve ser informado!" << aviso << "cpNome" << 0.0;
    QTest::newRow("sem nascimento")
        << "A"
        << "" << 1 << "1,8"
        << "A Data de Nascimento deve ser informada!" << aviso << "cpNascimento" << 0.0;
    QTest::newRow("sem sexo") << "A"
                              << "01/01/2000" << -1 << "1,8"
                              << "O Sexo deve ser informado!" << aviso << "cpSexo" << 0.0;
  }
  void confirmacao() {
    QFETCH(QString, nome);
    QFETCH(QString, nascimento);
    QFETCH(int, sexo);
    QFETCH(QString, altura);
    QFETCH(QString, mensagem);
    QFETCH(int, icone);
    QFETCH(QString, foco);
    QFETCH(double, gravada);
    auto cad = Abrir();
    bool ficouAberto = false;
    QString focado;
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      d.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&d));
      Preencher(d, nome, nascimento, sexo, altura);
      d.btInserir->click();
      ficouAberto = d.isVisible();
      if (QApplication::focusWidget()) focado = QApplication::focusWidget()->objectName();
      if (ficouAberto) d.btCancelar->click();
    });
    cad->btInserir->click();
    TfrmDM reaberto(banco());
    if (mensagem.isEmpty()) {
      QVERIFY(dialogos_->mensagens().isEmpty());
      QVERIFY(!ficouAberto);
      QCOMPARE(reaberto.qAvaliados().recordCount(), 1);
      QCOMPARE(reaberto.qAvaliados().real("Altura"), gravada);
      return;
    }
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto, mensagem);
    QCOMPARE(mensagens[0].titulo, QString("Brivana"));
    QCOMPARE(int(mensagens[0].icone), icone);
    QVERIFY(ficouAberto);
    QCOMPARE(focado, foco);
    // The cancelled dialog leaves no row behind, in the grid or in the file.
    QCOMPARE(avaliados().state(), Conjunto::Estado::Navegacao);
    QCOMPARE(cad->DBGrid->model()->rowCount(), 0);
    QCOMPARE(reaberto.qAvaliados().recordCount(), 0);
  }

  void gravacaoRecusadaEAvisadaENaoDeixaLinha() {
    auto cad = Abrir();
    // A row the dataset has not read yet takes the code the register will propose.
    QVERIFY(p_->dm().conexao().executar("INSERT INTO AVALIADOS (Avaliado, Nome) VALUES (1, 'X')"));
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      Preencher(d, "ANA", "15/03/1990", 0, "1,65");
      d.btInserir->click();
    });
    cad->btInserir->click();
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QVERIFY(mensagens[0].texto.startsWith("Não foi possível gravar o registro:"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    QCOMPARE(avaliados().state(), Conjunto::Estado::Navegacao);
    QVERIFY(!avaliados().locate("Nome", "ANA"));
  }

  void nascimentoInvalidoAoSairDaCaixa() {
    auto cad = Abrir();
    QString focado;
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      d.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&d));
      d.cpNascimento->setFocus();
      d.cpNascimento->setText("31/02/1990");
      QTest::keyClick(d.cpNascimento, Qt::Key_Return);  // ENTER moves on, leaving the box
      focado = QApplication::focusWidget()->objectName();
      d.btCancelar->click();
    });
    cad->btInserir->click();
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto, QString("A data informada não é válida!"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    QCOMPARE(focado, QString("cpNascimento"));
  }

  // A register with a few rows and the dialog, saved as pictures when BRIVANA_CAPTURAS is set.
  void aparencia() {
    Avaliado(1, "BRUNO", Dia(1990, 3, 15), QStringLiteral("M"));
    Avaliado(2, "ANA CLARA", Dia(1988, 7, 2));
    Avaliado(3, "JOAO PEDRO", Dia(2001, 11, 30), QStringLiteral("M"));
    auto cad = Abrir();
    Capturar(*cad, "cadastro-avaliados");
    bool aberto = false;
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      aberto = true;
      Capturar(d, "novo-avaliado");
      d.reject();
    });
    cad->btInserir->click();
    QVERIFY(aberto);
    QCOMPARE(avaliados().recordCount(), 3);  // cancelled: no row left behind
  }

  void alteracaoDeSexoVazioPropoeMasculino() {
    Avaliado(1, "BRUNO", Dia(1990, 3, 15), QVariant());
    auto cad = Abrir();
    QString titulo, confirmar, sexo, nascimento, nome;
    NaJanela<TfrmNovoAvaliado>([&](TfrmNovoAvaliado& d) {
      titulo = d.windowTitle();
      confirmar = d.btInserir->text();
      sexo = d.cpSexo->currentText();
      nascimento = d.cpNascimento->text();
      nome = d.cpNome->text();
      d.cpNome->setText("BRUNO LIMA");
      d.btInserir->click();
    });
    QTest::keyClick(cad->DBGrid, Qt::Key_Return);
    QCOMPARE(titulo, QString("Alterar Avaliado"));
    QCOMPARE(confirmar, QString("&Alterar"));
    QCOMPARE(sexo, QString("MASCULINO"));
    QCOMPARE(nascimento, QString("15/03/1990"));
    QCOMPARE(nome, QString("BRUNO"));
    TfrmDM reaberto(banco());
    QCOMPARE(reaberto.qAvaliados().texto("Nome"), QString("BRUNO LIMA"));
    QCOMPARE(reaberto.qAvaliados().texto("Sexo"), QString("M"));
  }

  void avaliadoComAmostragemNaoSeExclui() {
    Avaliado(1, "CARLA");
    Conjunto& avaliacoes = p_->dm().qAvaliacoes();
    QVERIFY(Acrescentar(avaliacoes, {{"Avaliacao", 1}, {"Avaliado", 1}, {"Grupo", 0}}));
    auto cad = Abrir();
    dialogos_->responder(QMessageBox::Yes);
    cad->btExcluir->click();
    auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 2);
    QCOMPARE(mensagens[0].texto, QString("Confirma a exclusão?"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Question);
    QCOMPARE(mensagens[0].botoes, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(mensagens[1].texto, kComAmostragens);
    QCOMPARE(mensagens[1].icone, QMessageBox::Critical);
    QCOMPARE(avaliados().recordCount(), 1);

    QVERIFY(avaliacoes.locate("Avaliacao", 1));
    QVERIFY(avaliacoes.remove());
    dialogos_->limpar();
    dialogos_->responder(QMessageBox::Yes);
    QTest::keyClick(cad->DBGrid, Qt::Key_Delete);
    QCOMPARE(dialogos_->mensagens().size(), 1);
    QCOMPARE(cad->DBGrid->model()->rowCount(), 0);
    QCOMPARE(Botoes(*cad), QStringList({"&Inserir", "&Fechar"}));
    TfrmDM reaberto(banco());
    QCOMPARE(reaberto.qAvaliados().recordCount(), 0);
  }

  void exclusaoRecusadaNaPerguntaNadaMuda() {
    Avaliado(1, "DANI");
    auto cad = Abrir();
    dialogos_->responder(QMessageBox::No);
    cad->btExcluir->click();
    QCOMPARE(dialogos_->mensagens().size(), 1);
    QCOMPARE(avaliados().recordCount(), 1);
  }

  void pesquisaEProximo() {
    Avaliado(1, "ANA SOUZA");
    Avaliado(2, "JOAO");
    Avaliado(3, "PEDRO SOUZA");
    Avaliado(4, "RITA");
    auto cad = Abrir();
    dialogos_->responder(QString("souza"));
    QTest::keyClick(cad->DBGrid, Qt::Key_F3);
    const auto entradas = dialogos_->chamadas();
    QCOMPARE(entradas.size(), 1);
    QCOMPARE(entradas[0].titulo, QString("Palavra a localizar:"));
    QCOMPARE(entradas[0].texto, QString("Pesquisar"));
    QCOMPARE(avaliados().recNo(), 0);
    QCOMPARE(cad->DBGrid->currentIndex().row(), 0);

    cad->btLocalizarProximo->click();
    QCOMPARE(avaliados().recNo(), 2);
    QCOMPARE(cad->DBGrid->currentIndex().row(), 2);

    QTest::keyClick(cad->DBGrid, Qt::Key_F3, Qt::ControlModifier);
    QVERIFY(avaliados().eof());
    QCOMPARE(avaliados().recNo(), 3);
    dialogos_->limpar();
    cad->btExcluir->click();
    QVERIFY(dialogos_->chamadas().isEmpty());
    QCOMPARE(avaliados().recordCount(), 4);

    // Choosing a row again ends end-of-data, and the word stays for the next opening.
    QTest::mouseClick(cad->DBGrid->viewport(), Qt::LeftButton, {},
                      cad->DBGrid->visualRect(cad->DBGrid->model()->index(3, 1)).center());
    QVERIFY(!avaliados().eof());
    cad.reset();
    QCOMPARE(TfrmCadAvaliados::pesquisa().palavra, QString("SOUZA"));
  }

  void pesquisaPorData() {
    Avaliado(1, "ANA", Dia(1985, 1, 2));
    Avaliado(2, "BIA", Dia(1990, 3, 15));
    auto cad = Abrir();
    dialogos_->responder(QString("15/03/1990"));
    cad->btLocalizar->click();
    QCOMPARE(avaliados().recNo(), 1);
    QVERIFY(!avaliados().eof());
  }

  void textoDaLinhaTemCadaCampo() {
    Avaliado(7, "EVA", Dia(1990, 3, 15));
    QCOMPARE(TextoDaLinha(avaliados()),
             QString("/[7]\\/[EVA]\\/[]\\/[15/03/1990]\\/[F]\\/[1,8]\\/[]\\/[]\\/[]\\"));
  }

  void gradeDeDezMilAvaliados() {
    // Written through the module's connection in one statement, then read again.
    QVERIFY(p_->dm().conexao().executar(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
        "INSERT INTO AVALIADOS (Avaliado, Nome) SELECT i, 'AVALIADO ' || i FROM n"));
    QVERIFY(p_->dm().Commit());
    QVERIFY(avaliados().refresh());
    auto cad = Abrir();
    QCOMPARE(cad->DBGrid->model()->rowCount(), 10000);
    QCOMPARE(cad->DBGrid->model()->index(9999, 1).data().toString(), QString("AVALIADO 10000"));
    QCOMPARE(cad->DBGrid->model()->headerData(7, Qt::Horizontal).toString(), QString("Posição"));
  }
};

BRIVANA_GUI_TEST_MAIN(TstCadAvaliados)
#include "tst_cadavaliados.moc"
