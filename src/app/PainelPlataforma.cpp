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

void PainelPlataforma::mostrarLampada(EstadoLampada estado) {
  for (int i = 0; i < TfrmImagens::kLampadas; ++i)
    lampadas[i]->setVisible(i == static_cast<int>(estado) - 1);
}

EstadoLampada PainelPlataforma::estado() const {
  for (EstadoLampada e : {EstadoLampada::Preto, EstadoLampada::Cinza, EstadoLampada::Vermelho,
                          EstadoLampada::Amarelo, EstadoLampada::Verde})
    if (lampadas[static_cast<int>(e) - 1]->isVisibleTo(this)) return e;
  return EstadoLampada::Nenhuma;
}
