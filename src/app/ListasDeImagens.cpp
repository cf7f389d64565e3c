#include "app/ListasDeImagens.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "app/untImagens.h"

namespace {

QImage SobreFundo(const QImage& figura, const QColor& fundo) {
  QImage bitmap(figura.size(), QImage::Format_ARGB32_Premultiplied);
  bitmap.fill(fundo);
  QPainter p(&bitmap);
  p.drawImage(0, 0, figura);
  return bitmap;
}

QImage BrancoTransparente(const QImage& bitmap) {
  QImage resultado = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb branco = qRgb(255, 255, 255);
  for (int y = 0; y < resultado.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(resultado.scanLine(y));
    for (int x = 0; x < resultado.width(); ++x) {
      if (linha[x] == branco) {
        linha[x] = qRgba(0, 0, 0, 0);
      }
    }
  }
  return resultado;
}

template <typename Botao>
QList<QPixmap> Lista(const TfrmImagens& imagens, int quantidade, const QColor& face,
                     std::initializer_list<Botao> brancos = {}) {
  QList<QPixmap> lista;
  lista.reserve(quantidade);
  for (int i = 0; i < quantidade; ++i) {
    const Botao botao = static_cast<Botao>(i);
    const bool branco = std::find(brancos.begin(), brancos.end(), botao) != brancos.end();
    lista.append(
        QPixmap::fromImage(SobreFundo(imagens.botao(botao), branco ? QColor(Qt::white) : face)));
  }
  return lista;
}

}  // namespace

ListasDeImagens MontarImagens(const TfrmImagens& imagens, const QColor& faceDeBotao) {
  using T = TfrmImagens;
  ListasDeImagens listas;
  // Sobre has a picture but no place in the lists.
  for (int i = T::CadAvaliados; i <= T::Fechar; ++i) {
    const auto comando = static_cast<T::Comando>(i);
    listas.ImgListEnabled.append(
        QPixmap::fromImage(SobreFundo(imagens.comandoHabilitado(comando), faceDeBotao)));
    listas.ImgListDisabled.append(
        QPixmap::fromImage(SobreFundo(imagens.comandoDesabilitado(comando), faceDeBotao)));
  }
  listas.ImgListBtn32x64 = Lista<T::Botao32x64>(imagens, T::kBotoes32x64, faceDeBotao);
  listas.ImgListBtn22x44 =
      Lista<T::Botao22x44>(imagens, T::kBotoes22x44, faceDeBotao, {T::Botao22x44::Abrir});
  listas.ImgListBtn16x32 = Lista<T::Botao16x32>(
      imagens, T::kBotoes16x32, faceDeBotao,
      {T::Botao16x32::ExecutarBranco, T::Botao16x32::OkBranco, T::Botao16x32::CancelarBranco});
  listas.ImgListBtn12x24 = Lista<T::Botao12x24>(imagens, T::kBotoes12x24, faceDeBotao);
  for (int i = 0; i < T::kIcones48x48; ++i) {
    const QImage& icone = imagens.icone(static_cast<T::Icone48x48>(i));
    listas.ImgListIcon48x48.append(
        QPixmap::fromImage(BrancoTransparente(SobreFundo(icone, Qt::white))));
  }
  return listas;
}

void AplicarGlifo(QAbstractButton* botao, const QPixmap& tira) {
  const int largura = tira.width() / 2;
  QIcon icone;
  icone.addPixmap(tira.copy(0, 0, largura, tira.height()), QIcon::Normal);
  icone.addPixmap(tira.copy(largura, 0, largura, tira.height()), QIcon::Disabled);
  botao->setIcon(icone);
  botao->setIconSize(QSize(largura, tira.height()));
}

QPushButton* NovoBotaoComGlifo(QWidget* pai, const char* nome, const QString& texto,
                               const QPixmap& tira) {
  auto* botao = new QPushButton(texto, pai);
  botao->setObjectName(nome);
  AplicarGlifo(botao, tira);
  botao->setAutoDefault(false);
  return botao;
}
