#include "records/GradeDeConjunto.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

#include "app/untImagens.h"
#include "records/Conjunto.h"
#include "records/ModeloConjunto.h"

GradeDeConjunto::GradeDeConjunto(Conjunto& conjunto, const char* nome, QWidget* pai)
    : QTableView(pai), conjunto_(conjunto), modelo_(new ModeloConjunto(conjunto, this)) {
  setObjectName(nome);
  setModel(modelo_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setFixedWidth(12);
  const int letra = fontMetrics().averageCharWidth();
  for (int c = 0; c < conjunto_.quantidadeCampos(); ++c) {
    const DefinicaoCampo& campo = conjunto_.campos()[c];
    const int titulo = fontMetrics().horizontalAdvance(campo.rotuloExibido());
    const int largura = campo.largura > 0 ? campo.largura * letra : 8 * letra;
    setColumnWidth(c, std::max(largura, titulo) + 12);
  }
  connect(&conjunto_, &Conjunto::linhaAtualMudou, this, &GradeDeConjunto::sincronizar);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& atual) {
            if (!sincronizando_ && atual.isValid() && atual.row() != conjunto_.recNo())
              escolher(atual.row());
          });
  connect(this, &QTableView::clicked, this,
          [this](const QModelIndex& indice) { escolher(indice.row()); });
  sincronizar();
}

bool GradeDeConjunto::event(QEvent* evento) {
  const bool pressionada = evento->type() == QEvent::KeyPress;
  if (!pressionada && evento->type() != QEvent::KeyRelease) return QTableView::event(evento);
  const auto* tecla = static_cast<QKeyEvent*>(evento);
  switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (pressionada) emit alterarPedido();
      return true;
    case Qt::Key_Insert:
      if (pressionada) emit inserirPedido();
      return true;
    case Qt::Key_Delete:
      if (pressionada) emit excluirPedido();
      return true;
    case Qt::Key_F3:
      if (!pressionada) return QTableView::event(evento);
      if (tecla->modifiers() & Qt::ControlModifier)
        emit localizarProximoPedido();
      else
        emit localizarPedido();
      return true;
    default:
      return QTableView::event(evento);
  }
}

void GradeDeConjunto::escolher(int linha) {
  if (!conjunto_.moveTo(linha)) sincronizar();
}

void GradeDeConjunto::sincronizar() {
  sincronizando_ = true;
  const int linha = conjunto_.recNo();
  if (linha >= 0 && linha < modelo_->rowCount()) {
    const QModelIndex indice = modelo_->index(linha, 0);
    selectionModel()->setCurrentIndex(
        indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(indice);
  } else {
    selectionModel()->clearSelection();
  }
  sincronizando_ = false;
}

QPixmap FaixaDeMoldura(const TfrmImagens& imagens, int largura) {
  const QImage& esquerda = imagens.molduraEsquerda();
  const QImage& direita = imagens.molduraDireita();
  QPixmap faixa(largura, esquerda.height());
  faixa.fill(Qt::transparent);
  QPainter pintor(&faixa);
  pintor.drawImage(0, 0, esquerda);
  pintor.drawImage(
      QRect(esquerda.width(), 0, largura - esquerda.width() - direita.width(), esquerda.height()),
      imagens.molduraCentro());
  pintor.drawImage(largura - direita.width(), 0, direita);
  return faixa;
}
