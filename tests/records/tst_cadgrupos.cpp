// The groups register: the subjects register's mechanism with the group 0 kept from the buttons.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ApoioBanco.h"
#include "app/untPrincipal.h"
#include "records/Conjunto.h"
#include "records/untCadGrupos.h"
#include "records/untDM.h"
#include "records/untNovoGrupo.h"
#include "support/DialogosRoteirizados.h"
#include "support/TesteDeJanela.h"

using namespace ApoioBanco;

class TstCadGrupos : public QObject {
  Q_OBJECT

  DialogosRoteirizados* dialogos_ = nullptr;
  std::unique_ptr<TfrmPrincipal> p_;

  Conjunto& grupos() { return p_->dm().qGrupos(); }

  std::unique_ptr<TfrmCadGrupos> Abrir() {
    auto cad = std::make_unique<TfrmCadGrupos>(*p_, p_.get());
    cad->show();
    return cad;
  }

  // Inserts a group through the dialog; returns the code it showed.
  QString Inserir(TfrmCadGrupos& cad, const QString& nome, const QString& temporada) {
    QString codigo;
    NaJanela<TfrmNovoGrupo>([&](TfrmNovoGrupo& d) {
      codigo = d.cpGrupo->text();
      d.cpNome->setText(nome);
      QTest::keyClicks(d.cpTemporada, temporada);
      d.btInserir->click();
      if (d.isVisible()) d.btCancelar->click();
    });
    cad.btInserir->click();
    return codigo;
  }

 private slots:
  void init() {
    AmbienteDeTeste::novaCasa();
    dialogos_ = &DialogosRoteirizados::instalar();
    p_ = std::make_unique<TfrmPrincipal>();
  }
  void cleanup() { p_.reset(); }

  void oComandoAbreORegistro() {
    QString titulo;
    NaJanela<TfrmCadGrupos>([&](TfrmCadGrupos& cad) {
      titulo = cad.windowTitle();
      cad.btFechar->click();
    });
    p_->CadGrupos->trigger();
    QCOMPARE(titulo, QString("Cadastro de Grupos"));
  }

  void individualEstaProtegido() {
    auto cad = Abrir();
    QCOMPARE(grupos().recordCount(), 1);
    QVERIFY(cad->btInserir->isEnabled());
    QVERIFY(!cad->btAlterar->isEnabled());
    QVERIFY(!cad->btExcluir->isEnabled());
    QVERIFY(cad->btLocalizar->isEnabled());
    QVERIFY(cad->btLocalizarProximo->isEnabled());
    dialogos_->responder(QMessageBox::Yes);
    QTest::keyClick(cad->DBGrid, Qt::Key_Delete);
    cad->btExcluir->click();
    QVERIFY(dialogos_->chamadas().isEmpty());
    TfrmDM reaberto(p_->dm().caminhoBanco());
    QCOMPARE(reaberto.qGrupos().recordCount(), 1);
  }

  void enterAbreOIndividualParaAlteracao() {
    auto cad = Abrir();
    QString titulo, confirmar, nome;
    NaJanela<TfrmNovoGrupo>([&](TfrmNovoGrupo& d) {
      titulo = d.windowTitle();
      confirmar = d.btInserir->text();
      nome = d.cpNome->text();
      d.btCancelar->click();
    });
    QTest::keyClick(cad->DBGrid, Qt::Key_Return);
    QCOMPARE(titulo, QString("Alterar Grupo"));
    QCOMPARE(confirmar, QString("&Alterar"));
    QCOMPARE(nome, QString("INDIVIDUAL"));
    QCOMPARE(grupos().state(), Conjunto::Estado::Navegacao);
  }

  void mesmoNomeEmTemporadasDiferentes() {
    auto cad = Abrir();
    QCOMPARE(Inserir(*cad, "SUB 17", "2023"), QString("1"));
    QCOMPARE(Inserir(*cad, "SUB 17", "2024"), QString("2"));
    QVERIFY(dialogos_->mensagens().isEmpty());
    QCOMPARE(cad->DBGrid->model()->rowCount(), 3);
    TfrmDM reaberto(p_->dm().caminhoBanco());
    Conjunto& lidos = reaberto.qGrupos();
    QCOMPARE(lidos.recordCount(), 3);
    QVERIFY(lidos.locate("Grupo", 2));
    QCOMPARE(lidos.texto("Nome"), QString("SUB 17"));
    QCOMPARE(lidos.texto("Temporada"), QString("2024"));
  }

  void nomeVazioMantemODialogo() {
    auto cad = Abrir();
    Inserir(*cad, "", "2024");
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens.size(), 1);
    QCOMPARE(mensagens[0].texto, QString("O Nome deve ser informado!"));
    QCOMPARE(mensagens[0].icone, QMessageBox::Warning);
    QCOMPARE(grupos().recordCount(), 1);
  }

  void exclusao_data() {
    QTest::addColumn<bool>("comAmostragem");
    QTest::newRow("com amostragem") << true;
    QTest::newRow("sem amostragem") << false;
  }
  void exclusao() {
    QFETCH(bool, comAmostragem);
    QVERIFY(Acrescentar(grupos(), {{"Grupo", 1}, {"Nome", "SUB 15"}}));
    if (comAmostragem) {
      QVERIFY(
          Acrescentar(p_->dm().qAvaliacoes(), {{"Avaliacao", 1}, {"Avaliado", 1}, {"Grupo", 1}}));
    }
    auto cad = Abrir();
    QVERIFY(grupos().locate("Grupo", 1));
    cad->HabilitarBotoes();
    QVERIFY(cad->btExcluir->isEnabled());
    dialogos_->responder(QMessageBox::Yes);
    cad->btExcluir->click();
    const auto mensagens = dialogos_->mensagens();
    QCOMPARE(mensagens[0].texto, QString("Confirma a exclusão?"));
    QCOMPARE(mensagens.size(), comAmostragem ? 2 : 1);
    if (comAmostragem) {
      QCOMPARE(mensagens[1].texto,
               QString("Existem Amostragens deste Grupo\nVocê deve excluí-las primeiro.   \n\n"
                       "  Exclusão Cancelada        "));
      QCOMPARE(mensagens[1].icone, QMessageBox::Critical);
    }
    QCOMPARE(cad->DBGrid->model()->rowCount(), comAmostragem ? 2 : 1);
    TfrmDM reaberto(p_->dm().caminhoBanco());
    QCOMPARE(reaberto.qGrupos().recordCount(), comAmostragem ? 2 : 1);
  }
};

BRIVANA_GUI_TEST_MAIN(TstCadGrupos)
#include "tst_cadgrupos.moc"
