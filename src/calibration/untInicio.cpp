#include "calibration/untInicio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ServicoDialogos.h"
#include "app/untImagens.h"
#include "app/untPrincipal.h"
#include "app/untProgBar.h"
#include "calibration/CoresCalibracao.h"
#include "calibration/ModeloCalibracao.h"

MetadeInicio::MetadeInicio(int n, QWidget* pai) : QWidget(pai), numero(n) {
  const QString p = 'P' + QString::number(n);
  lbComunicacaoStatus = new QLabel(QStringLiteral("Plataforma %1 não está ativa!").arg(n), this);
  lbComunicacaoStatus->setObjectName("lbComunicacao" + p + "Status");
  PintarTexto(lbComunicacaoStatus, Qt::black);
  imSensor = new QLabel(this);
  imSensor->setObjectName("imSensor" + p);
  cpCargaCorrigida = new QLineEdit(this);
  cpCargaCorrigida->setObjectName("cpCargaCorrigida" + p);
  cpCargaCorrigida->setReadOnly(true);
  PintarCampo(cpCargaCorrigida, kCorCreme, Qt::black);
  btZerar = new QPushButton(QStringLiteral("Zerar"), this);
  btZerar->setObjectName("btZerar" + p);
  btZerar->setEnabled(false);

  auto* status = new QHBoxLayout;
  status->addWidget(imSensor);
  status->addWidget(lbComunicacaoStatus, 1);
  auto* carga = new QHBoxLayout;
  carga->addWidget(new QLabel(QStringLiteral("Carga Corrigida"), this));
  carga->addWidget(cpCargaCorrigida);
  carga->addWidget(btZerar);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(status);
  coluna->addLayout(carga);
}

TfrmInicio::TfrmInicio(TfrmPrincipal& principal, QWidget* pai)
    : QDialog(pai), principal_(principal) {
  setObjectName("frmInicio");
  setWindowTitle(QStringLiteral("Início..."));
  PintarJanela(this);

  tmLeitura = new QTimer(this);
  tmLeitura->setObjectName("tmLeitura");
  tmLeitura->setInterval(500);
  connect(tmLeitura, &QTimer::timeout, this, &TfrmInicio::tmLeituraTimer);

  auto* titulo = new QLabel(QStringLiteral("Aguardando para iniciar Amostragem..."), this);
  titulo->setObjectName("lbTitulo");
  QFont fonte = titulo->font();
  fonte.setBold(true);
  fonte.setPixelSize(18);
  titulo->setFont(fonte);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(titulo);

  const QPixmap desativado =
      QPixmap::fromImage(principal.imagens().sensor(TfrmImagens::Sensor::Desativado));
  for (int n = 1; n <= 2; ++n) {
    auto* m = new MetadeInicio(n, this);
    metade[n - 1] = m;
    m->imSensor->setPixmap(desativado);
    coluna->addWidget(m);
    operacoes_[n - 1] = std::make_unique<OperacoesCalibracao>(this, principal, n, tmLeitura);
    connect(m->btZerar, &QPushButton::clicked, this, [this, n] { operacoes_[n - 1]->Zerar(); });
  }

  pnBtIniciar = new QWidget(this);
  pnBtIniciar->setObjectName("pnBtIniciar");
  btIniciar = new QPushButton(QStringLiteral("&Iniciar"), pnBtIniciar);
  btIniciar->setObjectName("btIniciar");
  btIniciar->setEnabled(false);
  (new QHBoxLayout(pnBtIniciar))->addWidget(btIniciar);
  btCancelar = new QPushButton(QStringLiteral("C&ancelar"), this);
  btCancelar->setObjectName("btCancelar");
  connect(btIniciar, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancelar, &QPushButton::clicked, this, &TfrmInicio::CancelarClick);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(pnBtIniciar);
  botoes->addWidget(btCancelar);
  coluna->addLayout(botoes);
  pnBtIniciar->setToolTip(
      QStringLiteral("Não é possível Iniciar! Verifique a comunicação com as Plataformas."));

  const ArquivoConfiguracao conf(principal.pastas().arquivoConfiguracao);
  for (int n = 1; n <= 2; ++n) {
    ParametrosPlataforma& p = principal.parametros().plataforma(n);
    p.Tara = conf.lerDecimal(ChavePlataforma("Tara", n));
    p.IDC = conf.lerDecimal(ChavePlataforma("IDC", n));
  }
  tmLeitura->start();
  principal.frmProgBar()->setWindowTitle(QStringLiteral("Calibrando..."));
}

void TfrmInicio::tmLeituraTimer() {
  MonitorDePlataformas& monitor = principal_.monitor();
  const TfrmImagens& imagens = principal_.imagens();
  monitor.AtualizarPortas();
  for (int n = 1; n <= 2; ++n) {
    MetadeInicio& m = *metade[n - 1];
    const ParametrosPlataforma& p = principal_.parametros().plataforma(n);
    if (!p.Ativa) {
      m.lbComunicacaoStatus->setText(QStringLiteral("Plataforma %1 inativa!").arg(n));
      PintarTexto(m.lbComunicacaoStatus, Qt::black);
      m.imSensor->setPixmap(QPixmap::fromImage(imagens.sensor(TfrmImagens::Sensor::Desativado)));
      m.cpCargaCorrigida->clear();
      m.btZerar->setEnabled(false);
      continue;
    }
    const LeituraAoVivo leitura = LerPlataformaAoVivo(monitor, n);
    if (leitura.contagem) {
      m.lbComunicacaoStatus->setText(QStringLiteral("Plataforma %1 encontrada!").arg(n));
      PintarTexto(m.lbComunicacaoStatus, kCorVerde);
      m.imSensor->setPixmap(QPixmap::fromImage(imagens.sensor(TfrmImagens::Sensor::Ok)));
      m.btZerar->setEnabled(true);
      m.cpCargaCorrigida->setText(DecimalParaTexto(CargaCorrigida(*leitura.contagem, p)));
    }
    if (!monitor.identificada(n)) {
      m.btZerar->setEnabled(false);
      m.lbComunicacaoStatus->setText(
          QStringLiteral("Plataforma %1 não encontrada!\nVerifique a Comunicação.").arg(n));
      PintarTexto(m.lbComunicacaoStatus, kCorMarrom);
      m.cpCargaCorrigida->clear();
      m.imSensor->setPixmap(QPixmap::fromImage(imagens.sensor(TfrmImagens::Sensor::NaoEncontrado)));
    }
  }
  const auto pronta = [&](int n) {
    return principal_.parametros().plataforma(n).Ativa && monitor.identificada(n);
  };
  const bool ativa1 = principal_.parametros().plataforma(1).Ativa;
  const bool ativa2 = principal_.parametros().plataforma(2).Ativa;
  const bool podeIniciar =
      (pronta(1) && pronta(2)) || (pronta(1) && !ativa2) || (pronta(2) && !ativa1);
  btIniciar->setEnabled(podeIniciar);
  // The hint explains a disabled "Iniciar" only.
  pnBtIniciar->setToolTip(
      podeIniciar
          ? QString()
          : QStringLiteral("Não é possível Iniciar! Verifique a comunicação com as Plataformas."));
}

void TfrmInicio::CancelarClick() {
  if (Mensagem(this, QStringLiteral("Interromper Amostragem?"), QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No, QStringLiteral("Atenção")) == QMessageBox::Yes)
    reject();
}

void TfrmInicio::done(int resultado) {
  tmLeitura->stop();
  QDialog::done(resultado);
}
