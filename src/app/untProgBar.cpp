#include "app/untProgBar.h"

#include <QLabel>
#include <QProgressBar>

#include "app/untImagens.h"

TfrmProgBar::TfrmProgBar(const TfrmImagens& imagens, QWidget* pai)
    : QWidget(pai,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("frmProgBar");
  setWindowTitle(QStringLiteral("Gerando gráfico..."));
  QPalette cores = palette();
  cores.setColor(QPalette::Window, QColor(155, 65, 65));
  setPalette(cores);
  setAutoFillBackground(true);

  auto* fundo = new QLabel(this);
  fundo->setObjectName("imFundo");
  fundo->setPixmap(QPixmap::fromImage(imagens.fundoProgresso()));
  fundo->setGeometry(QRect(QPoint(0, 0), imagens.fundoProgresso().size()));

  pbProgresso = new QProgressBar(this);
  pbProgresso->setObjectName("pbProgresso");
  pbProgresso->setGeometry(15, 23, 180, 24);
  pbProgresso->setTextVisible(false);

  setFixedSize(fundo->size());
}
