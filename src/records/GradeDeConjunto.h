#pragma once

#include <QPixmap>
#include <QTableView>

class Conjunto;
class ModeloConjunto;
class TfrmImagens;

// A read-only grid over a dataset that keeps the grid's row and the dataset's current row in
// step both ways: whole-row selection, fixed row heights (a grid of thousands of rows measures
// none of them) and column widths from the field definitions. A click chooses the row again even
// when it is current, which leaves a search's end-of-data.
class GradeDeConjunto : public QTableView {
  Q_OBJECT

 public:
  GradeDeConjunto(Conjunto& conjunto, const char* nome, QWidget* pai);

  // Selects the dataset's current row (none at end-of-data or with no rows).
  void sincronizar();

 signals:
  // The register keys: ENTER alters, INSERT inserts, DELETE deletes, F3 searches and Ctrl+F3
  // searches on. The grid keeps these keys to itself.
  void alterarPedido();
  void inserirPedido();
  void excluirPedido();
  void localizarPedido();
  void localizarProximoPedido();

 protected:
  bool event(QEvent* evento) override;

 private:
  void escolher(int linha);

  Conjunto& conjunto_;
  ModeloConjunto* modelo_;
  bool sincronizando_ = false;
};

// The image holder's frame pictures joined into one strip, as the register windows show it
// above their buttons.
QPixmap FaixaDeMoldura(const TfrmImagens& imagens, int largura = 150);
