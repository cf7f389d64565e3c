#pragma once

#include <QDialog>
#include <QImage>
#include <QVariant>

#include "records/GradeDeConjunto.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmNovoAvaliador;
class TfrmPrincipal;

// The laboratory window: the single laboratory row, kept in append or edit mode while the window
// is open and saved or discarded by Concluir() afterwards, and the evaluators, whose insertions,
// alterations and deletions are committed at once through the evaluator dialog.
class TfrmCadLaboratorio : public QDialog {
  Q_OBJECT

 public:
  // The result with which "&Salvar" closes the window; "F&echar" closes with Accepted.
  static constexpr int kResultadoSalvar = 2;
  static constexpr int kEsquerdaFechar = 230;
  static constexpr int kEsquerdaSalvar = 170;

  // Builds the window and loads the laboratory row into it (append when there is none).
  TfrmCadLaboratorio(TfrmPrincipal& principal, QWidget* pai);
  // Cancels the laboratory row if Concluir() did not settle it.
  ~TfrmCadLaboratorio() override;

  // Saves the laboratory row and the logo file after the save result; cancels the row after
  // any other. Tells the user when the row cannot be saved; false then.
  bool Concluir(int resultado);

  QLineEdit* cpNome = nullptr;
  GradeDeConjunto* dbAvaliadores = nullptr;
  QPushButton* btInserir = nullptr;
  QPushButton* btAlterar = nullptr;
  QPushButton* btExcluir = nullptr;
  QComboBox* cpAvaliadorPadrao = nullptr;
  QWidget* pnRelatorio = nullptr;
  QLineEdit* cpRodape = nullptr;
  QLabel* imLogotipo = nullptr;
  QLineEdit* cpMargemInf = nullptr;
  QPushButton* btSalvar = nullptr;
  QPushButton* btCancelar = nullptr;
  TfrmNovoAvaliador* frmNovoAvaliador = nullptr;

  void btInserirClick();
  void btAlterarClick();
  void btExcluirClick();
  void btSalvarClick();

  bool modoSalvar() const { return modoSalvar_; }
  const QImage& logotipo() const { return logotipo_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QWidget* CriarLaboratorio();
  QWidget* CriarAvaliadores();
  QWidget* CriarRelatorio();
  QWidget* CriarRodapeDosBotoes();
  void CarregarLaboratorio();
  void CarregarLogotipo();
  void DefinirModo(bool salvar);
  void PreencherAvaliadorPadrao();
  void SelecionarAvaliador(const QVariant& codigo);
  void HabilitarAvaliadores();
  void ConcluirAvaliador(bool confirmado);
  void ReabrirAvaliadores();
  bool TemAmostragens(qint64 avaliador) const;
  QVariant AvaliadorPadraoDoLaboratorio() const;
  bool FiltrarMargem(QEvent* evento);

  TfrmPrincipal& principal_;
  QImage logotipo_;
  bool modoSalvar_ = false;
};
