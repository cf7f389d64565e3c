// The laboratory window: the laboratory row saved or discarded as the window closes, the logo
// file, the default evaluator, and evaluators committed as they are inserted or deleted.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ApoioBanco.h"
#include "app/untPrincipal.h"
#include "records/Conjunto.h"
#include "records/untCadLaboratorio.h"
#include "records/untDM.h"
#include "records/untNovoAvaliador.h"
#include "support/DialogosRoteirizados.h"
#include "support/TesteDeJanela.h"

using namespace ApoioBanco;

namespace {

QString Pasta() {
  return AmbienteDeTeste::pastaConfiguracao();
}

void GravarImagem(const QString& nome, QSize tamanho) {
  QImage imagem(tamanho, QImage::Format_RGB32);
  imagem.fill(Qt::blue);
  QVERIFY(imagem.save(Pasta() + nome, "JPG"));
}

}  // namespace

class TstCadLaboratorio : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;
  std::unique_ptr<TfrmPrincipal> p_;

  QString banco() { return p_->dm().caminhoBanco(); }

  // Runs the command; `passos` act on the open window, which they should close.
  void Executar(std::function<void(TfrmCadLaboratorio&)> passos) {
    NaJanela<TfrmCadLaboratorio>([passos](TfrmCadLaboratorio& janela) {
      passos(janela);
      if (janela.isVisible()) janela.reject();
    });
    p_->CadLaboratorio->trigger();
  }

  void AcrescentarAvaliadores(const QStringList& nomes) {
    for (int i = 0; i < nomes.size(); ++i)
      QVERIFY(Acrescentar(p_->dm().qAvaliadores(), {{"Avaliador", i + 1}, {"Nome", nomes[i]}}));
  }

  void AcrescentarLaboratorio(qint64 avaliadorPadrao, double margem = 12.5) {
    QVERIFY(Acrescentar(p_->dm().qLaboratorio(), {{"Nome", "Lab Antigo"},
                                                  {"AvaliadorPadrao", avaliadorPadrao},
                                                  {"RelMargemInf", margem},
                                                  {"RelRodape", "Rodapé antigo"}}));
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
    p_ = std::make_unique<TfrmPrincipal>();
  }
  void cleanup() { p_.reset(); }

  void primeiroUsoInsereOLaboratorio() {
    // No logo is loaded for a new row, so the default logo is not copied.
    GravarImagem("RelLogotipoMarvoda.jpg", QSize(40, 20));
    Executar([](TfrmCadLaboratorio& j) {
      QCOMPARE(j.windowTitle(), QString("Cadastro do Laboratório"));
      QCOMPARE(j.btSalvar->text(), QString("F&echar"));
      QCOMPARE(j.btSalvar->x(), 230);
      QVERIFY(!j.btCancelar->isVisible());
      QVERIFY(!j.pnRelatorio->isVisible());
      QCOMPARE(j.cpMargemInf->text(), QString("10,00"));
      QTest::keyClicks(j.cpNome, "Lab de Biomec");
      j.cpNome->insert("ânica");
      QCOMPARE(j.btSalvar->text(), QString("&Salvar"));
      QCOMPARE(j.btSalvar->x(), 170);
      QVERIFY(j.btCancelar->isVisible());
      QCOMPARE(j.btCancelar->text(), QString("C&ancelar"));
      j.btSalvar->click();
    });
    QVERIFY(dialogos_->mensagens().isEmpty());
    QCOMPARE(Contar(banco(), "LABORATORIO"), 1);
    QCOMPARE(Consultar(banco(), "select Nome from LABORATORIO").toString(),
             QString("Lab de Biomecânica"));
    QCOMPARE(Consultar(banco(), "select RelMargemInf from LABORATORIO").toDouble(), 10.0);
    QCOMPARE(Consultar(banco(), "select coalesce(RelRodape, '') from LABORATORIO").toString(),
             QString());
    QVERIFY(!QFile::exists(Pasta() + "RelLogotipo.jpg"));
  }

  void fecharSemAlteracoesNaoGrava_data() {
    QTest::addColumn<bool>("comLaboratorio");
    QTest::newRow("sem laboratório") << false;
    QTest::newRow("com laboratório") << true;
  }
  void fecharSemAlteracoesNaoGrava() {
    QFETCH(bool, comLaboratorio);
    if (comLaboratorio) AcrescentarLaboratorio(0);
    GravarImagem("RelLogotipoMarvoda.jpg", QSize(40, 20));
    int resultado = -1;
    Executar([&](TfrmCadLaboratorio& j) {
      QCOMPARE(j.btSalvar->text(), QString("F&echar"));
      j.btSalvar->click();
      resultado = j.result();
    });
    QCOMPARE(resultado, int(QDialog::Accepted));
    QCOMPARE(Contar(banco(), "LABORATORIO"), comLaboratorio ? 1 : 0);
    if (comLaboratorio) {
      QCOMPARE(Consultar(banco(), "select Nome from LABORATORIO").toString(),
               QString("Lab Antigo"));
    }
    QVERIFY(!QFile::exists(Pasta() + "RelLogotipo.jpg"));
    QCOMPARE(p_->dm().qLaboratorio().state(), Conjunto::Estado::Navegacao);
  }

  void cancelarDescartaAsAlteracoes() {
    AcrescentarLaboratorio(0);
    Executar([](TfrmCadLaboratorio& j) {
      QCOMPARE(j.cpNome->text(), QString("Lab Antigo"));
      QCOMPARE(j.cpRodape->text(), QString("Rodapé antigo"));
      QCOMPARE(j.cpMargemInf->text(), QString("12,50"));
      j.cpNome->setText("Outro");
      j.btCancelar->click();
    });
    QCOMPARE(Consultar(banco(), "select Nome from LABORATORIO").toString(), QString("Lab Antigo"));
  }

  void gravacaoRecusadaEAvisada() {
    AcrescentarLaboratorio(0);
    GravarImagem("RelLogotipoMarvoda.jpg", QSize(40, 20));
    Executar([&](TfrmCadLaboratorio& j) {
      // The row is found by its old values: once they change underneath, the update finds none.
      QVERIFY(p_->dm().conexao().executar("update LABORATORIO set Nome = 'Mudado por fora'"));
      j.cpNome->setText("Lab Novo");
      j.btSalvar->click();
    });
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QVERIFY(mensagens[0].texto.startsWith("Não foi possível gravar o registro:\n"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    QCOMPARE(Consultar(banco(), "select Nome from LABORATORIO").toString(), QString("Lab Antigo"));
    QCOMPARE(p_->dm().qLaboratorio().state(), Conjunto::Estado::Navegacao);
    QVERIFY(!QFile::exists(Pasta() + "RelLogotipo.jpg"));
  }

  void logotipoGravadoAoSalvar_data() {
    QTest::addColumn<QSize>("proprio");  // RelLogotipo.jpg before; invalid: none
    QTest::addColumn<bool>("proprioIlegivel");
    QTest::addColumn<QSize>("esperado");  // RelLogotipo.jpg after; invalid: unchanged
    QTest::newRow("só o padrão") << QSize() << false << QSize(40, 20);
    QTest::newRow("logotipo próprio") << QSize(30, 30) << false << QSize(30, 30);
    QTest::newRow("próprio ilegível") << QSize() << true << QSize();
  }
  void logotipoGravadoAoSalvar() {
    QFETCH(QSize, proprio);
    QFETCH(bool, proprioIlegivel);
    QFETCH(QSize, esperado);
    AcrescentarLaboratorio(0);
    GravarImagem("RelLogotipoMarvoda.jpg", QSize(40, 20));
    if (proprio.isValid()) GravarImagem("RelLogotipo.jpg", proprio);
    if (proprioIlegivel) {
      QFile arquivo(Pasta() + "RelLogotipo.jpg");
      QVERIFY(arquivo.open(QIODevice::WriteOnly));
      arquivo.write("não é uma imagem");
    }
    const QByteArray antes = ConteudoDoArquivo(Pasta() + "RelLogotipo.jpg");
    Executar([](TfrmCadLaboratorio& j) {
      j.cpNome->setText("Lab Novo");
      j.btSalvar->click();
    });
    QCOMPARE(Consultar(banco(), "select Nome from LABORATORIO").toString(), QString("Lab Novo"));
    if (esperado.isValid()) {
      QCOMPARE(QImage(Pasta() + "RelLogotipo.jpg").size(), esperado);
    } else {
      QCOMPARE(ConteudoDoArquivo(Pasta() + "RelLogotipo.jpg"), antes);
    }
  }

  void avaliadorPadraoEscolhido_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<qint64>("gravado");
    // BRUNO (code 1) is the default; the list reads "", "ANA" (code 2), "BRUNO".
    QTest::newRow("entrada vazia mantém o anterior") << int(Qt::Key_Home) << qint64(1);
    QTest::newRow("outro avaliador") << int(Qt::Key_Up) << qint64(2);
  }
  void avaliadorPadraoEscolhido() {
    QFETCH(int, tecla);
    QFETCH(qint64, gravado);
    AcrescentarAvaliadores({"BRUNO", "ANA"});
    AcrescentarLaboratorio(1);
    Executar([&](TfrmCadLaboratorio& j) {
      QCOMPARE(j.cpAvaliadorPadrao->count(), 3);
      QCOMPARE(j.cpAvaliadorPadrao->itemText(0), QString());
      QCOMPARE(j.cpAvaliadorPadrao->currentText(), QString("BRUNO"));
      QCOMPARE(j.btSalvar->text(), QString("F&echar"));
      QTest::keyClick(j.cpAvaliadorPadrao, Qt::Key(tecla));
      QCOMPARE(j.btSalvar->text(), QString("&Salvar"));
      j.btSalvar->click();
    });
    QCOMPARE(Consultar(banco(), "select AvaliadorPadrao from LABORATORIO").toLongLong(), gravado);
  }

  void umAvaliadorSemLaboratorioViraOPadrao() {
    AcrescentarAvaliadores({"ANA"});
    Executar([](TfrmCadLaboratorio& j) {
      QCOMPARE(j.cpAvaliadorPadrao->currentText(), QString("ANA"));
      QVERIFY(j.btAlterar->isEnabled());
      QVERIFY(j.btExcluir->isEnabled());
      QTest::keyClicks(j.cpNome, "Lab");
      j.btSalvar->click();
    });
    QCOMPARE(Consultar(banco(), "select AvaliadorPadrao from LABORATORIO").toLongLong(), 1);
  }

  void margemInvalidaRecusaOFechamento() {
    AcrescentarLaboratorio(0, 5.0);
    bool aberta = false;
    Executar([&](TfrmCadLaboratorio& j) {
      QCOMPARE(j.cpMargemInf->text(), QString("5,00"));
      j.btSalvar->click();
      aberta = j.isVisible();
    });
    QVERIFY(aberta);
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto, QString("A Margem Inferior informada não é válida!"));
    QCOMPARE(mensagens[0].titulo, QString("Brivana"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Critical);
    QCOMPARE(Consultar(banco(), "select RelMargemInf from LABORATORIO").toDouble(), 5.0);
  }

  void insercaoDeAvaliador_data() {
    QTest::addColumn<bool>("confirmar");
    QTest::newRow("confirmada") << true;
    QTest::newRow("cancelada") << false;
  }
  void insercaoDeAvaliador() {
    QFETCH(bool, confirmar);
    TfrmCadLaboratorio janela(*p_, p_.get());
    janela.show();
    QVERIFY(!janela.btAlterar->isEnabled());
    QVERIFY(!janela.btExcluir->isEnabled());
    QString titulo, confirmacao, codigo;
    NaJanela<TfrmNovoAvaliador>([&](TfrmNovoAvaliador& d) {
      titulo = d.windowTitle();
      confirmacao = d.btInserir->text();
      codigo = d.cpAvaliador->text();
      QTest::keyClicks(d.cpNome, "ana souza");
      d.cpObservacao->insert("manhã");
      (confirmar ? d.btInserir : d.btCancelar)->click();
    });
    janela.btInserir->click();
    QCOMPARE(titulo, QString("Novo Avaliador"));
    QCOMPARE(confirmacao, QString("&Inserir"));
    QCOMPARE(codigo, QString("1"));
    QVERIFY(dialogos_->mensagens().isEmpty());
    QCOMPARE(janela.dbAvaliadores->model()->rowCount(), confirmar ? 1 : 0);
    QCOMPARE(janela.btAlterar->isEnabled(), confirmar);
    QCOMPARE(janela.cpAvaliadorPadrao->currentText(), confirmar ? QString("ANA SOUZA") : QString());
    QCOMPARE(janela.btSalvar->text(), QString("F&echar"));
    // The laboratory row is still pending, yet the evaluator is already in the file.
    TfrmDM reaberto(banco());
    Conjunto& lidos = reaberto.qAvaliadores();
    QCOMPARE(lidos.recordCount(), confirmar ? 1 : 0);
    if (confirmar) {
      QCOMPARE(lidos.inteiro("Avaliador"), 1);
      QCOMPARE(lidos.texto("Nome"), QString("ANA SOUZA"));
      QCOMPARE(lidos.texto("Observacao"), QString("MANHÃ"));
    }
  }

  void nomeVazioMantemODialogo() {
    TfrmCadLaboratorio janela(*p_, p_.get());
    janela.show();
    bool aberto = false;
    NaJanela<TfrmNovoAvaliador>([&](TfrmNovoAvaliador& d) {
      d.btInserir->click();
      aberto = d.isVisible();
      d.btCancelar->click();
    });
    janela.btInserir->click();
    QVERIFY(aberto);
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto, QString("O Nome deve ser informado!"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Warning);
    QCOMPARE(p_->dm().qAvaliadores().recordCount(), 0);
  }

  void enterNaGradeAlteraOAvaliador() {
    AcrescentarAvaliadores({"ANA"});
    TfrmCadLaboratorio janela(*p_, p_.get());
    janela.show();
    QString titulo, confirmacao, nome;
    NaJanela<TfrmNovoAvaliador>([&](TfrmNovoAvaliador& d) {
      titulo = d.windowTitle();
      confirmacao = d.btInserir->text();
      nome = d.cpNome->text();
      d.cpNome->setText("ANA MARIA");
      d.btInserir->click();
    });
    QTest::keyClick(janela.dbAvaliadores, Qt::Key_Return);
    QCOMPARE(titulo, QString("Alterar Avaliado"));
    QCOMPARE(confirmacao, QString("&Alterar"));
    QCOMPARE(nome, QString("ANA"));
    QCOMPARE(janela.cpAvaliadorPadrao->currentText(), QString("ANA MARIA"));
    TfrmDM reaberto(banco());
    QCOMPARE(reaberto.qAvaliadores().texto("Nome"), QString("ANA MARIA"));
  }

  void exclusaoDeAvaliador_data() {
    QTest::addColumn<bool>("comAmostragem");
    QTest::newRow("com amostragem") << true;
    QTest::newRow("sem amostragem") << false;
  }
  void exclusaoDeAvaliador() {
    QFETCH(bool, comAmostragem);
    AcrescentarAvaliadores({"ANA"});
    // Trials keep the evaluator's code as text.
    QVERIFY(Acrescentar(p_->dm().qAvaliacoes(), {{"Avaliacao", 1},
                                                 {"Avaliado", 1},
                                                 {"Grupo", 0},
                                                 {"Avaliador", comAmostragem ? "1" : "0"}}));
    TfrmCadLaboratorio janela(*p_, p_.get());
    janela.show();
    dialogos_->responder(QMessageBox::Yes);
    QTest::keyClick(janela.dbAvaliadores, Qt::Key_Delete);
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), comAmostragem ? 2 : 1);
    QCOMPARE(mensagens[0].texto, QString("Confirma a exclusão?"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Question);
    if (comAmostragem) {
      QCOMPARE(mensagens[1].texto,
               QString("Existem Amostragens deste Avaliador\nVocê deve excluí-las primeiro.   \n\n"
                       "    Exclusão Cancelada        "));
      QCOMPARE(mensagens[1].icone, QMessageBox::Critical);
    }
    QCOMPARE(janela.dbAvaliadores->model()->rowCount(), comAmostragem ? 1 : 0);
    QCOMPARE(janela.cpAvaliadorPadrao->count(), comAmostragem ? 2 : 1);
    TfrmDM reaberto(banco());
    QCOMPARE(reaberto.qAvaliadores().recordCount(), comAmostragem ? 1 : 0);
  }
};

BRIVANA_GUI_TEST_MAIN(TstCadLaboratorio)
#include "tst_cadlaboratorio.moc"
