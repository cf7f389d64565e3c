#include "calibration/untCalibracao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ServicoDialogos.h"
#include "app/untPrincipal.h"
#include "app/untProgBar.h"
#include "calibration/CoresCalibracao.h"
#include "calibration/ModeloCalibracao.h"

namespace {

QLineEdit* Campo(QWidget* pai, const QString& nome, bool somenteLeitura) {
  auto* campo = new QLineEdit(pai);
  campo->setObjectName(nome);
  campo->setReadOnly(somenteLeitura);
  PintarCampo(campo, kCorCreme, Qt::black);
  return campo;
}

QPushButton* Botao(QWidget* pai, const QString& nome, const QString& texto) {
  auto* botao = new QPushButton(texto, pai);
  botao->setObjectName(nome);
  return botao;
}

void Preencher(QComboBox* lista, const QStringList& itens, const QString& selecionado) {
  lista->clear();
  lista->addItems(itens);
  lista->setCurrentText(selecionado);
}

}  // namespace

MetadeCalibracao::MetadeCalibracao(int n, QWidget* pai)
    : QGroupBox(QStringLiteral("Plataforma %1").arg(n), pai), numero(n) {
  const QString p = 'P' + QString::number(n);
  setObjectName("gbPlataforma" + QString::number(n));
  cbAtiva = new QCheckBox(QStringLiteral("Ativa"), this);
  cbAtiva->setObjectName("cbAtiva" + p);
  cpLateral = new QComboBox(this);
  cpLateral->setObjectName("cpLateral" + p);
  lbComunicacaoStatus = new QLabel(this);
  lbComunicacaoStatus->setObjectName("lbComunicacao" + p + "Status");
  PintarTexto(lbComunicacaoStatus, Qt::black);
  cpLeitura = Campo(this, "cpLeitura" + p, true);
  cpCarga = Campo(this, "cpCarga" + p, false);
  // Digits and the comma only.
  cpCarga->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9,]*"), cpCarga));
  cpTara = Campo(this, "cpTara" + p, false);
  cpCargaCorrigida = Campo(this, "cpCargaCorrigida" + p, true);
  cpIC = Campo(this, "cpIC" + p, false);
  btCalibrar = Botao(this, "btCalibrar" + p, QStringLiteral("Calibrar"));
  btTara = Botao(this, "btTara" + p, QStringLiteral("Tara"));
  btZerar = Botao(this, "btZerar" + p, QStringLiteral("Zerar"));
  btEditar = Botao(this, "btEditar" + p, QStringLiteral("Editar"));

  auto* formulario = new QFormLayout;
  formulario->addRow(cbAtiva);
  formulario->addRow(QStringLiteral("Lateral"), cpLateral);
  formulario->addRow(QStringLiteral("Comunicação:"), lbComunicacaoStatus);
  formulario->addRow(QStringLiteral("Leitura"), cpLeitura);
  formulario->addRow(QStringLiteral("Carga"), cpCarga);
  formulario->addRow(QStringLiteral("Valor de Tara"), cpTara);
  formulario->addRow(QStringLiteral("Carga Corrigida"), cpCargaCorrigida);
  formulario->addRow(QStringLiteral("Índice de Correção"), cpIC);
  auto* botoes = new QHBoxLayout;
  for (QPushButton* b : {btCalibrar, btTara, btZerar, btEditar}) botoes->addWidget(b);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(formulario);
  coluna->addLayout(botoes);
}

void MetadeCalibracao::habilitarControles(bool habilitar) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{cpLateral, cpLeitura, cpCarga, cpTara, cpCargaCorrigida,
                                       cpIC, btCalibrar, btTara, btZerar, btEditar})
    w->setEnabled(habilitar);
}

void MetadeCalibracao::mostrarPerdida(const QString& porta) {
  habilitarControles(false);
  PintarCampo(cpLeitura, kCorMarrom, Qt::white);
  lbComunicacaoStatus->setText(QStringLiteral("Porta %1 - Falha na Comunicação.").arg(porta));
  PintarTexto(lbComunicacaoStatus, kCorMarrom);
}

void MetadeCalibracao::mostrarLeitura(const QString& porta, std::uint32_t contagem,
                                      const ParametrosPlataforma& p) {
  PintarCampo(cpLeitura, kCorCreme, Qt::black);
  lbComunicacaoStatus->setText(QStringLiteral("Porta %1 - OK.").arg(porta));
  PintarTexto(lbComunicacaoStatus, kCorVerde);
  habilitarControles(true);
  cpLeitura->setText(DecimalParaTexto(contagem));
  cpTara->setText(DecimalParaTexto(p.Tara));
  cpIC->setText(DecimalParaTexto(p.IDC));
  cpCargaCorrigida->setText(DecimalParaTexto(CargaCorrigida(contagem, p)));
}

TfrmCalibracao::TfrmCalibracao(TfrmPrincipal& principal, QWidget* pai)
    : QDialog(pai), principal_(principal) {
  setObjectName("frmCalibracao");
  setWindowTitle(QStringLiteral("Calibração"));
  PintarJanela(this);

  tmLeitura = new QTimer(this);
  tmLeitura->setObjectName("tmLeitura");
  tmLeitura->setInterval(500);
  connect(tmLeitura, &QTimer::timeout, this, &TfrmCalibracao::tmLeituraTimer);

  auto* metades = new QHBoxLayout;
  for (int n = 1; n <= 2; ++n) {
    auto* m = new MetadeCalibracao(n, this);
    metade[n - 1] = m;
    metades->addWidget(m);
    operacoes_[n - 1] = std::make_unique<OperacoesCalibracao>(this, principal, n, tmLeitura);
    connect(m->cbAtiva, &QCheckBox::clicked, this, [this, n] { AtivaClick(n); });
    connect(m->cpLateral, &QComboBox::activated, this, [this, n] { LateralEscolhida(n); });
    connect(m->cpCarga, &QLineEdit::editingFinished, this, [this, n] { CargaEditada(n); });
    connect(m->btCalibrar, &QPushButton::clicked, this, [this, n] {
      if (!operacoes_[n - 1]->Calibrar(metade[n - 1]->cpCarga->text()))
        metade[n - 1]->cpCarga->setFocus();
    });
    connect(m->btTara, &QPushButton::clicked, this, [this, n] { TaraClick(n); });
    connect(m->btZerar, &QPushButton::clicked, this, [this, n] { operacoes_[n - 1]->Zerar(); });
    connect(m->btEditar, &QPushButton::clicked, this, [this, n] {
      if (operacoes_[n - 1]->Editar())
        metade[n - 1]->cpIC->setText(DecimalParaTexto(principal_.parametros().plataforma(n).IDC));
    });
  }
  btConfirmar = Botao(this, "btConfirmar", QStringLiteral("Confirmar"));
  btCancelar = Botao(this, "btCancelar", QStringLiteral("Cancelar"));
  connect(btConfirmar, &QPushButton::clicked, this, &TfrmCalibracao::ConfirmarClick);
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(btConfirmar);
  botoes->addWidget(btCancelar);
  auto* coluna = new QVBoxLayout(this);
  coluna->addLayout(metades);
  coluna->addLayout(botoes);

  const ArquivoConfiguracao conf(principal.pastas().arquivoConfiguracao);
  for (int n = 1; n <= 2; ++n)
    ultimaLateral_[n - 1] = conf.lerTexto(ChavePlataforma("UltimaLateral", n));
  for (int n = 1; n <= 2; ++n) {
    metade[n - 1]->cbAtiva->setChecked(conf.lerBooleano(ChavePlataforma("Ativa", n)));
    AtivaClick(n);
  }
  for (int n = 1; n <= 2; ++n) {
    MetadeCalibracao& m = *metade[n - 1];
    ParametrosPlataforma& p = principal.parametros().plataforma(n);
    m.cpCarga->setText(conf.lerTexto(ChavePlataforma("Carga", n)));
    p.Tara = conf.lerDecimal(ChavePlataforma("Tara", n));
    m.cpTara->setText(DecimalParaTexto(p.Tara));
    p.IDC = conf.lerDecimal(ChavePlataforma("IDC", n));
    m.cpIC->setText(DecimalParaTexto(p.IDC));
    m.btTara->setText(conf.lerTexto(ChavePlataforma("btTara", n)) == QLatin1String("Tara")
                          ? QStringLiteral("Tara")
                          : QStringLiteral("Remover Tara"));
  }
  tmLeitura->start();
  principal.frmProgBar()->setWindowTitle(QStringLiteral("Calibrando..."));
}

void TfrmCalibracao::AtivaClick(int n) {
  MetadeCalibracao& esta = *metade[n - 1];
  MetadeCalibracao& aquela = outra(n);
  const bool ativa = esta.cbAtiva->isChecked();
  esta.cbAtiva->setText(ativa ? QStringLiteral("Ativa") : QStringLiteral("Inativa"));
  if (ativa && aquela.cbAtiva->isChecked()) {
    const QStringList lados = {QStringLiteral("Direita"), QStringLiteral("Esquerda")};
    for (int k = 1; k <= 2; ++k) {
      const QString& ultima = ultimaLateral_[k - 1];
      Preencher(metade[k - 1]->cpLateral, lados, lados.contains(ultima) ? ultima : lados[k - 1]);
    }
  } else if (ativa) {
    Preencher(esta.cpLateral, {QStringLiteral("Única")}, QStringLiteral("Única"));
  } else {
    Preencher(esta.cpLateral, {QStringLiteral("Inativa")}, QStringLiteral("Inativa"));
    if (aquela.cbAtiva->isChecked())
      Preencher(aquela.cpLateral, {QStringLiteral("Única")}, QStringLiteral("Única"));
  }
  esta.habilitarControles(ativa);
}

void TfrmCalibracao::LateralEscolhida(int n) {
  MetadeCalibracao& esta = *metade[n - 1];
  const QString lado = esta.cpLateral->currentText();
  if (lado == QLatin1String("Direita")) outra(n).cpLateral->setCurrentText("Esquerda");
  if (lado == QLatin1String("Esquerda")) outra(n).cpLateral->setCurrentText("Direita");
  if (lado == QLatin1String("Única") || lado == QLatin1String("Inativa")) return;
  for (int k = 1; k <= 2; ++k) ultimaLateral_[k - 1] = metade[k - 1]->cpLateral->currentText();
}

void TfrmCalibracao::CargaEditada(int n) {
  QLineEdit* campo = metade[n - 1]->cpCarga;
  double carga = 0;
  if (!TextoParaDecimal(campo->text(), &carga)) carga = 0;
  campo->setText(DecimalParaTexto(carga, 2));
}

void TfrmCalibracao::TaraClick(int n) {
  MetadeCalibracao& m = *metade[n - 1];
  const ParametrosPlataforma& p = principal_.parametros().plataforma(n);
  if (m.btTara->text() == QLatin1String("Tara")) {
    if (!operacoes_[n - 1]->Tara()) return;
    m.btTara->setText(QStringLiteral("Remover Tara"));
  } else {
    operacoes_[n - 1]->RemoverTara();
    m.btTara->setText(QStringLiteral("Tara"));
  }
  m.cpTara->setText(DecimalParaTexto(p.Tara));
}

void TfrmCalibracao::ConfirmarClick() {
  if (!metade[0]->cbAtiva->isChecked() && !metade[1]->cbAtiva->isChecked()) {
    Mensagem(this, QStringLiteral("Pelo menos uma das Plataformas deve ser selecionada."),
             QMessageBox::Warning, QMessageBox::Ok, QStringLiteral("Calibração"));
    return;
  }
  ArquivoConfiguracao::Valores valores;
  for (int n = 1; n <= 2; ++n) {
    valores +=
        {{ChavePlataforma("Ativa", n), BooleanoParaTexto(metade[n - 1]->cbAtiva->isChecked())},
         {ChavePlataforma("UltimaLateral", n), ultimaLateral_[n - 1]},
         {ChavePlataforma("Lateral", n), metade[n - 1]->cpLateral->currentText()}};
  }
  if (!ArquivoConfiguracao(principal_.pastas().arquivoConfiguracao).gravar(valores)) {
    Mensagem(this,
             QStringLiteral("Não foi possível gravar a calibração no arquivo de configuração."),
             QMessageBox::Critical);
    return;
  }
  accept();
}

void TfrmCalibracao::tmLeituraTimer() {
  MonitorDePlataformas& monitor = principal_.monitor();
  monitor.AtualizarPortas();
  for (int n = 1; n <= 2; ++n) {
    MetadeCalibracao& m = *metade[n - 1];
    if (!m.cbAtiva->isChecked()) continue;
    const LeituraAoVivo leitura = LerPlataformaAoVivo(monitor, n);
    const ParametrosPlataforma& p = principal_.parametros().plataforma(n);
    if (leitura.reconectada) m.habilitarControles(true);
    if (leitura.contagem) m.mostrarLeitura(p.HardCOM, *leitura.contagem, p);
    if (!monitor.identificada(n)) m.mostrarPerdida(p.HardCOM);
  }
}

void TfrmCalibracao::done(int resultado) {
  tmLeitura->stop();
  QDialog::done(resultado);
}
