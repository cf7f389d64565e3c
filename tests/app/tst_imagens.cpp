#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <memory>

#include "app/ListasDeImagens.h"
#include "app/untImagens.h"
#include "support/AmbienteDeTeste.h"

namespace {

using T = TfrmImagens;

const QList<QPixmap>& Lista(const ListasDeImagens& listas, const QString& nome) {
  static const QList<std::pair<QString, QList<QPixmap> ListasDeImagens::*>> membros{
      {"ImgListEnabled", &ListasDeImagens::ImgListEnabled},
      {"ImgListDisabled", &ListasDeImagens::ImgListDisabled},
      {"ImgListBtn32x64", &ListasDeImagens::ImgListBtn32x64},
      {"ImgListBtn22x44", &ListasDeImagens::ImgListBtn22x44},
      {"ImgListBtn16x32", &ListasDeImagens::ImgListBtn16x32},
      {"ImgListBtn12x24", &ListasDeImagens::ImgListBtn12x24},
      {"ImgListIcon48x48", &ListasDeImagens::ImgListIcon48x48}};
  for (const auto& [n, membro] : membros) {
    if (n == nome) {
      return listas.*membro;
    }
  }
  qFatal("unknown list");
}

bool Cinzento(QRgb c) {
  return qAbs(qRed(c) - qGreen(c)) <= 1 && qAbs(qGreen(c) - qBlue(c)) <= 1;
}

// Mean brightness of the pixels that differ from the background.
double BrilhoDoDesenho(const QImage& imagem, QRgb fundo) {
  double soma = 0;
  int n = 0;
  for (int y = 0; y < imagem.height(); ++y) {
    for (int x = 0; x < imagem.width(); ++x) {
      const QRgb c = imagem.pixel(x, y);
      if (c != fundo) {
        soma += qGray(c);
        ++n;
      }
    }
  }
  return n ? soma / n : 0;
}

}  // namespace

class Tst : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { imagens_ = std::make_unique<TfrmImagens>(); }

  void listas_data();
  void listas();
  void icones48TemBrancoTransparente();
  void desabilitadosSaoCinzentosEMaisClaros();
  void tirasTemGlifoNormalEGlifoCinzento();
  void lampadas_data();
  void lampadas();
  void figurasGrandes_data();
  void figurasGrandes();

 private:
  std::unique_ptr<TfrmImagens> imagens_;
};

void Tst::listas_data() {
  QTest::addColumn<QColor>("face");
  QTest::addColumn<QString>("lista");
  QTest::addColumn<int>("quantidade");
  QTest::addColumn<QSize>("tamanho");
  QTest::addColumn<QList<int>>("brancos");
  QTest::addColumn<bool>("brancoTransparente");

  for (const QColor& face : {QColor(212, 208, 200), QColor(185, 205, 240)}) {
    const QString cor = face.name();
    auto linha = [&](const char* lista, int n, QSize tamanho, QList<int> brancos,
                     bool transparente) {
      QTest::addRow("%s %s", lista, qPrintable(cor))
          << face << QString(lista) << n << tamanho << brancos << transparente;
    };
    linha("ImgListEnabled", 10, {32, 32}, {}, false);
    linha("ImgListDisabled", 10, {32, 32}, {}, false);
    linha("ImgListBtn32x64", 13, {64, 32}, {}, false);
    linha("ImgListBtn22x44", 1, {44, 22}, {0}, false);
    linha("ImgListBtn16x32", 19, {32, 16},
          {int(T::Botao16x32::ExecutarBranco), int(T::Botao16x32::OkBranco),
           int(T::Botao16x32::CancelarBranco)},
          false);
    linha("ImgListBtn12x24", 2, {24, 12}, {}, false);
    linha("ImgListIcon48x48", 2, {48, 48}, {}, true);
  }
}

// Count, size, background of each entry and distinct pictures at distinct positions: the
// other windows pick their pictures by position.
void Tst::listas() {
  QFETCH(QColor, face);
  QFETCH(QString, lista);
  QFETCH(int, quantidade);
  QFETCH(QSize, tamanho);
  QFETCH(QList<int>, brancos);
  QFETCH(bool, brancoTransparente);

  const ListasDeImagens listas = MontarImagens(*imagens_, face);
  const QList<QPixmap>& entradas = Lista(listas, lista);
  QCOMPARE(entradas.size(), quantidade);

  QList<QImage> vistas;
  for (int i = 0; i < entradas.size(); ++i) {
    const QImage imagem = entradas.at(i).toImage();
    QCOMPARE(imagem.size(), tamanho);
    const QRgb canto = imagem.pixel(0, 0);
    if (brancoTransparente) {
      QCOMPARE(qAlpha(canto), 0);
    } else {
      const QColor esperado = brancos.contains(i) ? QColor(Qt::white) : face;
      QCOMPARE(QColor::fromRgba(canto), esperado);
    }
    for (int j = 0; j < vistas.size(); ++j) {
      QVERIFY2(imagem != vistas.at(j), qPrintable(QString("%1 == %2").arg(i).arg(j)));
    }
    vistas.append(imagem);
  }
}

// White is the transparent colour of the workbook icons; the drawing itself stays opaque.
void Tst::icones48TemBrancoTransparente() {
  const ListasDeImagens listas = MontarImagens(*imagens_, QColor(212, 208, 200));
  for (const QPixmap& icone : listas.ImgListIcon48x48) {
    const QImage imagem = icone.toImage().convertToFormat(QImage::Format_ARGB32);
    int transparentes = 0;
    int opacos = 0;
    for (int y = 0; y < imagem.height(); ++y) {
      for (int x = 0; x < imagem.width(); ++x) {
        const QRgb c = imagem.pixel(x, y);
        QVERIFY(c != qRgb(255, 255, 255));
        transparentes += qAlpha(c) == 0;
        opacos += qAlpha(c) == 255;
      }
    }
    QVERIFY(transparentes > 48 * 48 / 10);
    QVERIFY(opacos > 48 * 48 / 3);
  }
}

void Tst::desabilitadosSaoCinzentosEMaisClaros() {
  const QColor face(200, 200, 200);
  const ListasDeImagens listas = MontarImagens(*imagens_, face);
  for (int i = 0; i < listas.ImgListEnabled.size(); ++i) {
    const QImage normal = listas.ImgListEnabled.at(i).toImage();
    const QImage cinzento = listas.ImgListDisabled.at(i).toImage();
    bool normalTemCor = false;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        QVERIFY2(Cinzento(cinzento.pixel(x, y)), qPrintable(QString::number(i)));
        normalTemCor = normalTemCor || !Cinzento(normal.pixel(x, y));
      }
    }
    QVERIFY2(normalTemCor, qPrintable(QString::number(i)));
    QVERIFY(BrilhoDoDesenho(cinzento, face.rgb()) > BrilhoDoDesenho(normal, face.rgb()));
  }
}

// Two-glyph bitmaps: the right half is the left glyph (same outline), greyed.
void Tst::tirasTemGlifoNormalEGlifoCinzento() {
  QList<QImage> tiras;
  for (int i = 0; i < T::kBotoes32x64; ++i) tiras << imagens_->botao(T::Botao32x64(i));
  for (int i = 0; i < T::kBotoes22x44; ++i) tiras << imagens_->botao(T::Botao22x44(i));
  for (int i = 0; i < T::kBotoes16x32; ++i) tiras << imagens_->botao(T::Botao16x32(i));
  for (int i = 0; i < T::kBotoes12x24; ++i) tiras << imagens_->botao(T::Botao12x24(i));
  for (const QImage& tira : tiras) {
    const QImage imagem = tira.convertToFormat(QImage::Format_ARGB32);
    const int meio = imagem.width() / 2;
    QCOMPARE(meio, imagem.height());
    QVERIFY(imagem.copy(0, 0, meio, meio) != imagem.copy(meio, 0, meio, meio));
    for (int y = 0; y < imagem.height(); ++y) {
      for (int x = 0; x < meio; ++x) {
        const QRgb esquerda = imagem.pixel(x, y);
        const QRgb direita = imagem.pixel(meio + x, y);
        QCOMPARE(qAlpha(direita), qAlpha(esquerda));
        QVERIFY(Cinzento(direita));
      }
    }
  }
}

void Tst::lampadas_data() {
  QTest::addColumn<QImage>("imagem");
  QTest::addColumn<int>("lado");
  QTest::addColumn<int>("matiz");  // -1: grey
  QTest::addColumn<bool>("escura");

  QTest::newRow("verde") << imagens_->lampada(T::Verde) << 16 << 120 << false;
  QTest::newRow("amarelo") << imagens_->lampada(T::Amarelo) << 16 << 50 << false;
  QTest::newRow("vermelho") << imagens_->lampada(T::Vermelho) << 16 << 0 << false;
  QTest::newRow("cinza") << imagens_->lampada(T::Cinza) << 16 << -1 << false;
  QTest::newRow("preto") << imagens_->lampada(T::Preto) << 16 << -1 << true;
  QTest::newRow("sensor desativado")
      << imagens_->sensor(T::Sensor::Desativado) << 24 << -1 << false;
  QTest::newRow("sensor ok") << imagens_->sensor(T::Sensor::Ok) << 24 << 120 << false;
  QTest::newRow("sensor nao encontrado")
      << imagens_->sensor(T::Sensor::NaoEncontrado) << 24 << 0 << false;
}

// Round lamps: transparent corners, and the colour their name promises below the highlight.
void Tst::lampadas() {
  QFETCH(QImage, imagem);
  QFETCH(int, lado);
  QFETCH(int, matiz);
  QFETCH(bool, escura);

  QCOMPARE(imagem.size(), QSize(lado, lado));
  QCOMPARE(qAlpha(imagem.pixel(0, 0)), 0);
  QCOMPARE(qAlpha(imagem.pixel(lado - 1, lado - 1)), 0);
  const QColor cor = QColor::fromRgba(imagem.pixel(lado / 4, lado * 3 / 4));
  QCOMPARE(cor.alpha(), 255);
  if (matiz < 0) {
    QVERIFY(cor.hsvSaturation() < 30);
    QCOMPARE(cor.value() < 110, escura);
  } else {
    const int diferenca = qAbs(cor.hsvHue() - matiz);
    QVERIFY2(qMin(diferenca, 360 - diferenca) < 25, qPrintable(QString::number(cor.hsvHue())));
    QVERIFY(cor.hsvSaturation() > 120);
  }
}

void Tst::figurasGrandes_data() {
  QTest::addColumn<QImage>("imagem");
  QTest::addColumn<QSize>("tamanho");
  QTest::addColumn<QPoint>("cantoTransparente");  // null: an opaque picture

  const QPoint opaca;
  QTest::newRow("logotipo") << imagens_->logotipo() << QSize(640, 360) << QPoint(0, 1);
  QTest::newRow("logotipo da barra") << imagens_->logotipoBarra() << QSize(156, 38) << QPoint(0, 1);
  QTest::newRow("faixa da barra") << imagens_->faixaBarra() << QSize(53, 38) << opaca;
  QTest::newRow("fundo do progresso") << imagens_->fundoProgresso() << QSize(212, 70) << opaca;
  QTest::newRow("moldura esquerda") << imagens_->molduraEsquerda() << QSize(20, 28) << QPoint(0, 1);
  QTest::newRow("moldura centro") << imagens_->molduraCentro() << QSize(8, 28) << opaca;
  QTest::newRow("moldura direita") << imagens_->molduraDireita() << QSize(20, 28) << QPoint(19, 1);
}

// Sizes the windows lay out around; opaque pictures have no hole, the others a transparent
// corner and a drawing.
void Tst::figurasGrandes() {
  QFETCH(QImage, imagem);
  QFETCH(QSize, tamanho);
  QFETCH(QPoint, cantoTransparente);

  QCOMPARE(imagem.size(), tamanho);
  QVERIFY(imagem.hasAlphaChannel());
  int opacos = 0;
  for (int y = 0; y < imagem.height(); ++y) {
    for (int x = 0; x < imagem.width(); ++x) {
      opacos += qAlpha(imagem.pixel(x, y)) == 255;
    }
  }
  if (cantoTransparente.isNull()) {
    QCOMPARE(opacos, tamanho.width() * tamanho.height());
  } else {
    QCOMPARE(qAlpha(imagem.pixel(cantoTransparente)), 0);
    QVERIFY(opacos > 0);
  }
}

int main(int argc, char** argv) {
  AmbienteDeTeste::novaCasa();
  QApplication app(argc, argv);
  Tst t;
  return QTest::qExec(&t, argc, argv);
}

#include "tst_imagens.moc"
