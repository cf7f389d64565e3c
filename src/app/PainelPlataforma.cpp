#include "app/PainelPlataforma.h"

#include <QLabel>

namespace {

constexpr const char* kNomesLampadas[TfrmImagens::kLampadas] = {"Verde", "Amarelo", "Vermelho",
                                                                "Cinza", "Preto"};

}  // namespace

PainelPlataforma::PainelPlataforma(int numero, const TfrmImagens& imagens, QWidget* pai)
    : QFrame(pai) {
  const QString p = 'P' + QString::number(numero);
  setObjectName("pnSensor" + QString::number(numero));
  setFixedSize(90, 38);

  auto* titulo = new QLabel(QStringLiteral("PLATAFORMA %1").arg(numero), this);
  titulo->setObjectName("lbSensor" + QString::number(numero));
  QFont fonte(QStringLiteral("Arial"));
  fonte.setPixelSize(11);
  fonte.setBold(true);
  fonte.setUnderline(true);
  titulo->setFont(fonte);
  titulo->setStyleSheet(QStringLiteral("color: white;"));
  titulo->setGeometry(2, 2, 86, 14);

  lbCOM = new QLabel(QStringLiteral("COM"), this);
  lbCOM->setObjectName("lb" + p + "COM");
  lbCOM->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));
  lbCOM->setGeometry(24, 19, 64, 16);

  for (int i = 0; i < TfrmImagens::kLampadas; ++i) {
    auto* lampada = new QLabel(this);
    lampada->setObjectName("imSensor" + p + kNomesLampadas[i]);
    lampada->setPixmap(QPixmap::fromImage(imagens.lampada(TfrmImagens::Lampada(i))));
    lampada->setGeometry(4, 19, 16, 16);
    lampada->setVisible(i == TfrmImagens::Cinza);
    lampadas[i] = lampada;
  }
}

TfrmImagens::Lampada PainelPlataforma::lampadaVisivel() const {
  for (int i = 0; i < TfrmImagens::kLampadas; ++i)
    if (lampadas[i]->isVisibleTo(this)) return TfrmImagens::Lampada(i);
  return TfrmImagens::Cinza;
}
