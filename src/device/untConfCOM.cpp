#include "device/untConfCOM.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ListasDeImagens.h"
#include "app/MonitorDePlataformas.h"
#include "app/ServicoDialogos.h"
#include "app/untImagens.h"
#include "app/untPrincipal.h"
#include "device/TesteComunicacao.h"
#include "device/untProtocolo.h"

namespace {

const QString kTextoTeste = QStringLiteral("&Teste de Comunicação");

QString PortaDoDispositivo(int dispositivo, const QString& porta) {
  return QStringLiteral("Dispositivo %1 conectado a porta: %2.").arg(dispositivo).arg(porta);
}

}  // namespace

TfrmConfCOM::TfrmConfCOM(TfrmPrincipal& principal, QWidget* pai)
    : QDialog(pai), principal_(principal) {
  setObjectName("frmConfCOM");
  setWindowTitle(QStringLiteral("Comunicação"));
  QPalette cores = palette();
  cores.setColor(QPalette::Window, QColor(155, 65, 65));
  cores.setColor(QPalette::WindowText, Qt::white);
  setPalette(cores);
  setAutoFillBackground(true);

  stLocalizando = new QLabel(QStringLiteral("Localizando portas... aguarde."), this);
  stLocalizando->setObjectName("stLocalizando");

  lbPortas = new QTreeWidget(this);
  lbPortas->setObjectName("lbPortas");
  lbPortas->setColumnCount(2);
  lbPortas->setHeaderLabels({QStringLiteral("Porta"), QStringLiteral("Disponibilidade")});
  lbPortas->setRootIsDecorated(false);
  lbPortas->setSelectionMode(QAbstractItemView::NoSelection);
  lbPortas->header()->setSectionResizeMode(QHeaderView::Stretch);
  lbPortas->setMinimumSize(320, 160);

  auto* instrucao = new QLabel(QStringLiteral("Clique no botão Teste de Comunicação para procurar "
                                              "por dispositvos conectados ao seu Computador."),
                               this);
  instrucao->setObjectName("lbInstrucao");
  instrucao->setWordWrap(true);

  btTeste = new QPushButton(kTextoTeste, this);
  btTeste->setObjectName("btTeste");
  btTeste->setEnabled(false);
  AplicarGlifo(btTeste, principal.listas().ImgListBtn32x64.at(
                            static_cast<int>(TfrmImagens::Botao32x64::TesteSerial)));
  btConfirmar = new QPushButton(QStringLiteral("&Confirmar"), this);
  btConfirmar->setObjectName("btConfirmar");
  btConfirmar->setEnabled(false);
  btCancelar = new QPushButton(QStringLiteral("C&ancelar"), this);
  btCancelar->setObjectName("btCancelar");

  auto* botoes = new QHBoxLayout;
  botoes->addStretch();
  botoes->addWidget(btConfirmar);
  botoes->addWidget(btCancelar);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(stLocalizando);
  coluna->addWidget(lbPortas);
  coluna->addWidget(instrucao);
  coluna->addWidget(btTeste);
  coluna->addLayout(botoes);

  connect(btTeste, &QPushButton::clicked, this, &TfrmConfCOM::btTesteClick);
  connect(btConfirmar, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmConfCOM::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (listada_) return;
  listada_ = true;
  // After the window is on screen: each availability probe takes a third of a second.
  QTimer::singleShot(0, this, &TfrmConfCOM::ListarPortas);
}

void TfrmConfCOM::ListarPortas() {
  portas_ = PortasOrdenadas(ListarPortasSeriais());
  lbPortas->clear();
  for (const QString& porta : std::as_const(portas_)) {
    const QString disponibilidade =
        TestarPorta(porta) ? QStringLiteral("Disponível") : QStringLiteral("Não disponível");
    lbPortas->addTopLevelItem(new QTreeWidgetItem(QStringList{porta, disponibilidade}));
  }
  btTeste->setEnabled(!portas_.isEmpty());
  stLocalizando->setText(QStringLiteral("Portas Seriais localizadas no sistema:"));
}

void TfrmConfCOM::btTesteClick() {
  btTeste->setText(QStringLiteral("Testando... aguarde"));
  btTeste->repaint();
  portas_ = PortasOrdenadas(ListarPortasSeriais());
  const ParametrosPlataformas& p = principal_.parametros();
  const ResultadoTesteComunicacao r = TestarComunicacao(principal_.monitor(), p.plataforma(1).Ativa,
                                                        p.plataforma(2).Ativa, portas_);
  portaDispositivo1_ = r.portaDispositivo1;
  portaDispositivo2_ = r.portaDispositivo2;
  InformarResultado(r.encontrados);
  btConfirmar->setEnabled(r.encontrados > 0);
  btTeste->setText(kTextoTeste);
}

void TfrmConfCOM::InformarResultado(int encontrados) {
  if (encontrados == 0) {
    Mensagem(this, QStringLiteral("Impossível estabelecer Comunicação com os Dispositivos."),
             QMessageBox::Critical);
    return;
  }
  if (encontrados == 2) {
    Mensagem(this,
             QStringLiteral("Os dois Dispositivos foram encontrados corretamente.\n\n") +
                 PortaDoDispositivo(1, portaDispositivo1_) + '\n' +
                 PortaDoDispositivo(2, portaDispositivo2_),
             QMessageBox::Information);
    return;
  }
  // One device: the text names the device that answered (with one platform active the other
  // device may be the one found, and its port is what the user needs to read).
  const int dispositivo = portaDispositivo1_.isEmpty() ? 2 : 1;
  const QString encontrado =
      PortaDoDispositivo(dispositivo, dispositivo == 1 ? portaDispositivo1_ : portaDispositivo2_);
  const ParametrosPlataformas& p = principal_.parametros();
  if (p.plataforma(1).Ativa && p.plataforma(2).Ativa)
    Mensagem(
        this,
        QStringLiteral("Apenas um dos Dispositivos foi encontrado.\n\n") + encontrado +
            QStringLiteral("\n\nVerifique se os dois Dispositivos estão ligados corretamente."),
        QMessageBox::Warning);
  else
    Mensagem(this, QStringLiteral("Dispositivo encontrado corretamente.\n\n") + encontrado,
             QMessageBox::Information);
}
