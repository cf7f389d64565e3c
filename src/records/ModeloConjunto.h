#pragma once

#include <QAbstractTableModel>

class Conjunto;

// A grid's view of a dataset: one column per field in the dataset's order, headed by its label,
// showing the field's display text. Rows are read from the dataset when the grid asks for them,
// and the model follows the dataset's notifications, so nothing is copied.
class ModeloConjunto : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ModeloConjunto(Conjunto& conjunto, QObject* pai = nullptr);

  int rowCount(const QModelIndex& pai = QModelIndex()) const override;
  int columnCount(const QModelIndex& pai = QModelIndex()) const override;
  QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao,
                      int papel = Qt::DisplayRole) const override;

  Conjunto& conjunto() const { return conjunto_; }

 private:
  Conjunto& conjunto_;
};
