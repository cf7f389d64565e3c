#include "records/ModeloConjunto.h"

#include "records/Conjunto.h"

ModeloConjunto::ModeloConjunto(Conjunto& conjunto, QObject* pai)
    : QAbstractTableModel(pai), conjunto_(conjunto) {
  connect(&conjunto_, &Conjunto::antesDeReiniciar, this, [this] { beginResetModel(); });
  connect(&conjunto_, &Conjunto::reiniciado, this, [this] { endResetModel(); });
  connect(&conjunto_, &Conjunto::antesDeInserirLinhas, this,
          [this](int primeira, int ultima) { beginInsertRows(QModelIndex(), primeira, ultima); });
  connect(&conjunto_, &Conjunto::linhasInseridas, this, [this] { endInsertRows(); });
  connect(&conjunto_, &Conjunto::antesDeRemoverLinhas, this,
          [this](int primeira, int ultima) { beginRemoveRows(QModelIndex(), primeira, ultima); });
  connect(&conjunto_, &Conjunto::linhasRemovidas, this, [this] { endRemoveRows(); });
  connect(&conjunto_, &Conjunto::linhaAlterada, this, [this](int linha) {
    emit dataChanged(index(linha, 0), index(linha, columnCount() - 1));
  });
}

int ModeloConjunto::rowCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : conjunto_.recordCount();
}

int ModeloConjunto::columnCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : conjunto_.quantidadeCampos();
}

QVariant ModeloConjunto::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid() || papel != Qt::DisplayRole) return QVariant();
  return conjunto_.textoExibidoNaLinha(indice.row(), indice.column());
}

QVariant ModeloConjunto::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (papel != Qt::DisplayRole) return QVariant();
  if (orientacao == Qt::Vertical) return QString();
  if (secao < 0 || secao >= conjunto_.quantidadeCampos()) return QVariant();
  return conjunto_.campos()[secao].rotuloExibido();
}
